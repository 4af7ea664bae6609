#include <gtest/gtest.h>

#include "RepairToolsData.h"
#include "generate/GeneratedFolder.h"

namespace {

TEST(RepairToolsGeneratedTest, EveryToolRunTwiceOnGeneratedDataChangesNothingTheSecondTime) {
    synth::GeneratedFolder folder(400);
    expectRepairsSettle(*folder.dm);
}

}  // namespace

#include <gtest/gtest.h>

#include <QDate>

#include "CountTableTotals.h"
#include "app/DataModule.h"
#include "generate/GeneratedFolder.h"
#include "search/SearchResult.h"

namespace {

// Over generated cadres (born 1960 to 1995), for every pair of dimensions, the rows and columns
// of the count table add up to their totals: on a day when some are 60 and some 61, and on the
// days a cadre turns the age at an edge of the outer bands.
TEST(CountTableGeneratedTest, EveryRowAndColumnAddsUpToItsTotal) {
    synth::GeneratedFolder folder(400);
    db::Database& db = folder.dm->db();
    const Result<int> count = search::runSearch(db, search::SearchMode::Replace, QString());
    ASSERT_TRUE(count) << count.failure().dbError.toStdString();
    ASSERT_EQ(*count, 400);
    for (const QDate& today : QList<QDate>{QDate(2026, 12, 10)} + bandEdgeDays(db)) {
        expectEveryPairAddsUp(db, today, *count);
    }
}

}  // namespace

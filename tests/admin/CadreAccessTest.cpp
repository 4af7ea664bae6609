#include <gtest/gtest.h>

#include "admin/CadrePageRights.h"
#include "admin/Rights.h"
#include "admin/UnitReach.h"
#include "app/DataModule.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"

namespace {

using admin::CadrePage;

// The sample organisation with account 7 limited to the city government (unit 3, index 003,
// with its offices 11 to 15 below it).
class CadreAccess : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm_.db().open(home_.makeWorkingDatabase())) << dm_.db().lastError();
        exec(
            "insert into tb_manager (ManagerID, userName, pw, sysR, userType, DwRight) values "
            "(7, 'clerk', 'x', 1, 0, True)");
        exec("insert into tb_conf (GID, ItemID, ItemVI) values ('DWRIGHT', '7', 3)");
        dm_.session().ManagerID = 7;
    }
    void exec(const char* sql) {
        ASSERT_TRUE(dm_.db().exec(QString::fromUtf8(sql))) << dm_.db().lastError();
    }

    TestHome home_;
    TDataM dm_{home_.path()};
    RecordingMessageService messages_;
};

TEST_F(CadreAccess, ALimitedAccountReachesTheCadresOfItsSubtreeOnly) {
    struct Case {
        int cadreId;
        bool inReach;
        const char* why;
    };
    const Case cases[] = {
        {11, true, "member of the permitted unit"},
        {31, true, "member of a unit below it"},
        {2, true, "member of it and of another unit"},
        {1, false, "member of the party committee only"},
        {8, false, "member of the people's congress only"},
        {0, true, "a cadre not saved yet"},
    };
    const Result<admin::UnitReach> reach = admin::readUnitReach(dm_.db(), 7);
    ASSERT_TRUE(reach.ok()) << reach.errorText();
    EXPECT_TRUE(reach->limited);
    EXPECT_EQ(reach->indexes, QStringList{QStringLiteral("003")});
    for (const Case& c : cases) {
        EXPECT_EQ(*admin::cadreInReach(dm_.db(), *reach, c.cadreId), c.inReach) << c.why;
        messages_.clear();
        EXPECT_EQ(admin::MayChangeCadre(dm_, c.cadreId), c.inReach) << c.why;
        EXPECT_EQ(messages_.texts(), c.inReach ? QStringList() : QStringList{admin::kNoRight})
            << c.why;
    }
    EXPECT_TRUE(*admin::unitInReach(dm_.db(), *reach, 13));
    EXPECT_FALSE(*admin::unitInReach(dm_.db(), *reach, 1));

    // After re-indexing the unit moves, and its subtree with it.
    exec("update tb_department set dwIndex='009' where ID=3");
    exec("update tb_department set dwIndex='00901' where ID=11");
    EXPECT_TRUE(*admin::cadreInReach(dm_.db(), *admin::readUnitReach(dm_.db(), 7), 31));
    EXPECT_FALSE(*admin::cadreInReach(dm_.db(), *admin::readUnitReach(dm_.db(), 7), 35));

    // Without DwRight, or without anybody logged in, nothing is out of reach.
    EXPECT_TRUE(*admin::cadreInReach(dm_.db(), *admin::readUnitReach(dm_.db(), 0), 1));
    exec("update tb_manager set DwRight=False");
    EXPECT_FALSE(admin::readUnitReach(dm_.db(), 7)->limited);
    EXPECT_TRUE(admin::MayChangeCadre(dm_, 1));
}

TEST_F(CadreAccess, OutOfReachShowsTheBasicPageOnlyAndReadOnly) {
    const Result<admin::CadreAccess> access = admin::readCadreAccess(dm_, 1);
    ASSERT_TRUE(access.ok()) << access.errorText();
    EXPECT_FALSE(access->inReach);
    EXPECT_TRUE(access->page(CadrePage::Basic).shown);
    EXPECT_TRUE(access->page(CadrePage::Basic).readable);
    EXPECT_FALSE(access->page(CadrePage::Basic).writable);
    for (int i = 1; i < admin::kCadrePageCount; ++i) {
        EXPECT_FALSE(access->page(static_cast<CadrePage>(i)).shown) << i;
    }
}

TEST_F(CadreAccess, PagesFollowTheirReadAndWriteModules) {
    exec("insert into tb_conf (GID, ItemID, ItemV, ItemV2) values ('RIGHT', '7', 'GBJLR', '0')");
    exec("insert into tb_conf (GID, ItemID, ItemV, ItemV2) values ('RIGHT', '7', 'GBJLW', '1')");
    exec("insert into tb_conf (GID, ItemID, ItemV, ItemV2) values ('RIGHT', '7', 'GBRZR', '1')");
    exec("insert into tb_conf (GID, ItemID, ItemV, ItemV2) values ('RIGHT', '7', 'GBRZW', '0')");
    exec("insert into tb_conf (GID, ItemID, ItemV, ItemV2) values ('RIGHT', '7', 'WGB', '0')");
    const Result<admin::CadreAccess> access = admin::readCadreAccess(dm_, 11);
    ASSERT_TRUE(access.ok()) << access.errorText();
    EXPECT_TRUE(access->inReach);
    struct Case {
        CadrePage page;
        bool readable;
        bool writable;
    };
    const Case cases[] = {
        {CadrePage::Basic, true, false},    // WGB refused
        {CadrePage::Resume, false, false},  // not to be read: not to be written either
        {CadrePage::Posts, true, false},
        {CadrePage::Family, true, true},  // no rows: granted
    };
    for (const Case& c : cases) {
        const admin::PageAccess& page = access->page(c.page);
        EXPECT_TRUE(page.shown);
        EXPECT_EQ(page.readable, c.readable) << static_cast<int>(c.page);
        EXPECT_EQ(page.writable, c.writable) << static_cast<int>(c.page);
    }
    EXPECT_STREQ(admin::cadrePageCodes(CadrePage::Family).write, "GBJTW");
    EXPECT_STREQ(admin::cadrePageCodes(CadrePage::Opinions).read, "GBQZR");
    EXPECT_TRUE(messages_.texts().isEmpty());
}

}  // namespace

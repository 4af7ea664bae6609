#include <gtest/gtest.h>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"

namespace {

TEST(Rights, GrantedUnlessTheAccountsRowRefuses) {
    TestHome home;
    TDataM dm(home.path());
    ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase()));
    ASSERT_TRUE(dm.db().exec(QStringLiteral(
        "insert into tb_conf (GID,ItemID,ItemV,ItemV2) values ('RIGHT','7','WDW','0')")));
    ASSERT_TRUE(dm.db().exec(QStringLiteral(
        "insert into tb_conf (GID,ItemID,ItemV,ItemV2) values ('RIGHT','7','WGB','1')")));
    ASSERT_TRUE(dm.db().exec(QStringLiteral(
        "insert into tb_conf (GID,ItemID,ItemV,ItemV2) values ('RIGHT','8','TOOL','0')")));
    RecordingMessageService messages;

    struct Case {
        int manager;
        const char* code;
        bool granted;
    };
    const Case cases[] = {
        {0, "WDW", true},   // nobody logged in
        {7, "WDW", false},  // refused by the account's row
        {7, "WGB", true},   // granted by the row
        {7, "TOOL", true},  // no row for the function
        {8, "WDW", true},   // another account's row does not count
        {7, "W'DW", true},  // a quote in the code is only text
    };
    for (const Case& c : cases) {
        messages.clear();
        dm.session().ManagerID = c.manager;
        EXPECT_EQ(admin::HasRight(dm, QString::fromUtf8(c.code)), c.granted) << c.code;
        EXPECT_EQ(
            messages.texts(),
            c.granted ? QStringList() : QStringList{QStringLiteral("无操作权限，请联系管理员！")});
        if (!c.granted) {
            EXPECT_EQ(messages.shown().front().title, QStringLiteral("提示"));
        }
    }
}

TEST(Rights, AnUnreadableRightIsAnErrorAndRefuses) {
    TestHome home;
    TDataM dm(home.path());
    ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase()));
    ASSERT_TRUE(dm.db().exec(QStringLiteral("drop table tb_conf")));
    RecordingMessageService messages;
    dm.session().ManagerID = 7;
    EXPECT_FALSE(admin::HasRight(dm, QStringLiteral("WGB")));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown().front().kind, RecordingMessageService::Shown::Kind::Error);
    EXPECT_FALSE(admin::rightGranted(dm.db(), 7, QStringLiteral("WGB")).ok());
}

}  // namespace

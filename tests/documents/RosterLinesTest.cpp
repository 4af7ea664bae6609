#include <gtest/gtest.h>

#include "app/DataModule.h"
#include "db/Database.h"
#include "documents/RosterLines.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

class RosterLinesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        exec("delete * from tb_beadroll");
        exec("delete * from tb_beadroll_detail");
        exec("delete * from tb_beadroll_mirror");
        exec("insert into tb_beadroll_detail (McCadreID, mcID) values (1, 1)");
        exec("insert into tb_beadroll_mirror (McCadreID, mcID) values (2, 1)");
    }
    void exec(const char* sql) {
        ASSERT_TRUE(dm.db().exec(QString::fromUtf8(sql))) << dm.db().lastError();
    }
    int count(const char* table) {
        return dm.db()
            .scalar(QStringLiteral("select count(*) from ") + QString::fromUtf8(table))
            ->toInt();
    }

    TestHome home;
    TDataM dm{home.path()};
};

TEST_F(RosterLinesTest, LinesGoOnlyWhenNoRosterIsLeft) {
    exec("insert into tb_beadroll (mcName) values ('名册')");
    ASSERT_TRUE(documents::clearLinesWithoutRosters(dm.db()).ok());
    EXPECT_EQ(count("tb_beadroll_detail"), 1);
    EXPECT_EQ(count("tb_beadroll_mirror"), 1);

    exec("delete * from tb_beadroll");
    ASSERT_TRUE(documents::clearLinesWithoutRosters(dm.db()).ok());
    EXPECT_EQ(count("tb_beadroll_detail"), 0);
    EXPECT_EQ(count("tb_beadroll_mirror"), 0);
}

TEST_F(RosterLinesTest, AFailureDeletesNothing) {
    // The second table cannot be emptied: the first keeps its lines too.
    ASSERT_TRUE(dm.db().execNative(
        QStringLiteral("create trigger keep_mirror before delete on tb_beadroll_mirror begin "
                       "select raise(abort, 'mirror kept'); end")));
    const Result<void> failed = documents::clearLinesWithoutRosters(dm.db());
    ASSERT_FALSE(failed.ok());
    EXPECT_TRUE(failed.errorText().contains(QStringLiteral("mirror kept"))) << failed.errorText();
    EXPECT_EQ(count("tb_beadroll_detail"), 1);
    EXPECT_EQ(count("tb_beadroll_mirror"), 1);
    EXPECT_EQ(dm.db().transactionDepth(), 0);

    // The rosters cannot be counted: nothing goes.
    ASSERT_TRUE(dm.db().exec(QStringLiteral("drop table tb_beadroll")));
    EXPECT_FALSE(documents::clearLinesWithoutRosters(dm.db()).ok());
    EXPECT_EQ(count("tb_beadroll_detail"), 1);
}

}  // namespace

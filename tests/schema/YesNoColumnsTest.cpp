#include <gtest/gtest.h>

#include "db/Database.h"
#include "schema/YesNoColumns.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

// A working database as older versions wrote it: yes/no columns that allow nulls, and hold
// some, beside the new tables.
class YesNoNulls : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(db_.open(home_.makeWorkingDatabase())) << db_.lastError();
        native("ALTER TABLE tb_cadre_node RENAME TO tb_cadre_node_new");
        native(
            "CREATE TABLE tb_cadre_node (CnID INTEGER PRIMARY KEY AUTOINCREMENT, ZwCadreID "
            "INTEGER, dwID INTEGER, zwOrder INTEGER, nobz BIT, bind BIT)");
        native(
            "INSERT INTO tb_cadre_node (ZwCadreID,dwID,zwOrder,nobz,bind) VALUES "
            "(1,3,1,NULL,1),(2,3,2,1,NULL),(3,3,3,0,0),(4,3,4,NULL,NULL)");
        native("CREATE TABLE tb_old_flags (id INTEGER, checked BIT, note TEXT)");
        native("INSERT INTO tb_old_flags VALUES (1,NULL,NULL),(2,1,'x')");
    }

    void native(const char* sql) {
        ASSERT_TRUE(db_.execNative(QString::fromUtf8(sql))) << db_.lastError();
    }
    QString column(const char* select) {
        const auto rows = db_.query(QString::fromUtf8(select));
        QStringList values;
        for (const QVariantList& row : rows->rows) {
            values << (row[0].isNull() ? QStringLiteral("null") : row[0].toString());
        }
        return values.join(u',');
    }

    TestHome home_;
    db::Database db_;
};

TEST_F(YesNoNulls, EveryNullBecomesNoAndOtherValuesStay) {
    const Result<int> cleared = schema::clearYesNoNulls(db_);
    ASSERT_TRUE(cleared.ok()) << cleared.errorText();
    EXPECT_EQ(*cleared, 5);
    EXPECT_EQ(column("select nobz from tb_cadre_node order by CnID"),
              QStringLiteral("false,true,false,false"));
    EXPECT_EQ(column("select bind from tb_cadre_node order by CnID"),
              QStringLiteral("true,false,false,false"));
    EXPECT_EQ(column("select checked from tb_old_flags order by id"), QStringLiteral("false,true"));
    EXPECT_EQ(column("select note from tb_old_flags order by id"), QStringLiteral("null,x"));
    // A second pass finds nothing to do.
    const Result<int> again = schema::clearYesNoNulls(db_);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(*again, 0);
}

TEST_F(YesNoNulls, AFailureChangesNothing) {
    // The tables are converted in name order; the last one refuses.
    native(
        "CREATE TRIGGER refuse BEFORE UPDATE ON tb_old_flags BEGIN SELECT RAISE(ABORT, "
        "'refused by trigger'); END");
    const Result<int> cleared = schema::clearYesNoNulls(db_);
    ASSERT_FALSE(cleared.ok());
    EXPECT_TRUE(cleared.errorText().contains(QStringLiteral("refused by trigger")))
        << cleared.errorText();
    EXPECT_EQ(column("select nobz from tb_cadre_node order by CnID"),
              QStringLiteral("null,true,false,null"));
    EXPECT_EQ(db_.transactionDepth(), 0);
}

}  // namespace

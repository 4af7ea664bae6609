#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>

#include "db/Database.h"
#include "db/Dataset.h"
#include "support/QtPrinters.h"

namespace {

class DatasetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(db_.open(dir_.filePath(QStringLiteral("Cadre.db")),
                             db::Database::OpenMode::CreateIfMissing));
        exec(
            "CREATE TABLE tb_family ([FamilyID] Counter, CadreID integer, ford integer, cw "
            "TEXT(50), xm TEXT(50), cssj DATETIME, alive BIT)");
        exec("CREATE TABLE tb_cadre ([CadreID] Counter, xm TEXT(50))");
        exec("Create Index uq On tb_family (CadreID, ford) WITH PRIMARY");
        exec("insert into tb_cadre (xm) values ('张三')");
        exec(
            "insert into tb_family (CadreID,ford,cw,xm,cssj,alive) values "
            "(1,1,'妻子','王芳',#1975-03-02#,True)");
        exec(
            "insert into tb_family (CadreID,ford,cw,xm,cssj,alive) values "
            "(1,2,'儿子','张小明',#2001-09-10#,True)");
        exec("insert into tb_family (CadreID,ford,cw,xm,alive) values (1,3,'父亲','张大山',False)");
    }

    void exec(const char* sql) {
        ASSERT_TRUE(db_.exec(QString::fromUtf8(sql))) << db_.lastError().toStdString();
    }
    int count(const char* where = "1=1") {
        return db_
            .scalar(QStringLiteral("select count(*) from tb_family where ") +
                    QString::fromUtf8(where))
            ->toInt();
    }

    QTemporaryDir dir_;
    db::Database db_;
};

TEST_F(DatasetTest, WalksRowsAndReadsTypedFields) {
    db::Dataset ds(db_);
    ASSERT_TRUE(ds.open(QStringLiteral("select * from tb_family order by ford")))
        << ds.lastError().toStdString();
    EXPECT_EQ(ds.recordCount(), 3);
    EXPECT_EQ(ds.baseTable(), QStringLiteral("tb_family"));
    EXPECT_EQ(ds.fieldNames().size(), 7);
    QStringList names;
    for (ds.first(); !ds.eof(); ds.next()) {
        names << ds.text(QStringLiteral("XM"));
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral("王芳"), QStringLiteral("张小明"),
                                  QStringLiteral("张大山")}));
    ds.first();
    EXPECT_EQ(ds.value(QStringLiteral("cssj")).typeId(), QMetaType::QDate);
    EXPECT_EQ(ds.date(QStringLiteral("cssj")), QDate(1975, 3, 2));
    EXPECT_TRUE(ds.boolean(QStringLiteral("alive")));
    EXPECT_EQ(ds.text(QStringLiteral("cssj")), QStringLiteral("1975-03-02"));
    ds.last();
    EXPECT_TRUE(ds.isNull(QStringLiteral("cssj")));
    EXPECT_EQ(ds.text(QStringLiteral("alive")), QStringLiteral("False"));
    ds.prior();
    ds.prior();
    ds.prior();
    EXPECT_TRUE(ds.bof());
    EXPECT_EQ(ds.recNo(), 0);
    EXPECT_FALSE(ds.value(QStringLiteral("nosuchfield")).isValid());

    db::Dataset empty(db_);
    ASSERT_TRUE(empty.open(QStringLiteral("select * from tb_family where CadreID=99")));
    EXPECT_TRUE(empty.eof());
    EXPECT_TRUE(empty.bof());
    EXPECT_EQ(empty.recNo(), -1);
}

TEST_F(DatasetTest, AppendEditPostCancelRemoveWriteThrough) {
    db::Dataset ds(db_);
    ASSERT_TRUE(ds.open(QStringLiteral("select * from tb_family where CadreID=1 order by ford")));
    ASSERT_TRUE(ds.append());
    ds.setValue(QStringLiteral("CadreID"), 1);
    ds.setValue(QStringLiteral("ford"), 4);
    ds.setValue(QStringLiteral("xm"), QStringLiteral("张小红"));
    ASSERT_TRUE(ds.setValue(QStringLiteral("cssj"), QStringLiteral("2005-6-1")));
    ASSERT_TRUE(ds.post()) << ds.lastError().toStdString();
    const int newId = ds.integer(QStringLiteral("FamilyID"));
    EXPECT_EQ(newId, 4);  // the key is read back after the insert
    EXPECT_EQ(db_.scalar(QStringLiteral("select cssj from tb_family where FamilyID=4"))->toDate(),
              QDate(2005, 6, 1));

    ASSERT_TRUE(ds.locate(QStringLiteral("xm"), QStringLiteral("王芳")));
    ASSERT_TRUE(ds.edit());
    ds.setValue(QStringLiteral("cw"), QStringLiteral("配偶"));
    EXPECT_EQ(ds.text(QStringLiteral("cw")), QStringLiteral("配偶"));  // the edit buffer shows it
    ds.cancel();
    EXPECT_EQ(ds.text(QStringLiteral("cw")), QStringLiteral("妻子"));
    EXPECT_EQ(count("cw='配偶'"), 0);

    ds.setValue(QStringLiteral("cw"), QStringLiteral("配偶"));  // starts editing by itself
    ds.next();                                                  // moving away posts
    EXPECT_EQ(count("cw='配偶'"), 1);

    ASSERT_TRUE(ds.locate(QStringLiteral("ford"), 3));
    ASSERT_TRUE(ds.remove());
    EXPECT_EQ(count(), 3);
    EXPECT_EQ(ds.recordCount(), 3);
    EXPECT_EQ(ds.text(QStringLiteral("xm")), QStringLiteral("张小红"));  // the row that followed
}

TEST_F(DatasetTest, RefusesValuesAColumnCannotHold) {
    db::Dataset ds(db_);
    ASSERT_TRUE(ds.open(QStringLiteral("select * from tb_family")));
    EXPECT_FALSE(ds.setValue(QStringLiteral("cssj"), QStringLiteral("1975.13")));
    EXPECT_FALSE(ds.setValue(QStringLiteral("alive"), QStringLiteral("perhaps")));
    EXPECT_FALSE(ds.setValue(QStringLiteral("nosuch"), 1));
    ds.cancel();
    EXPECT_EQ(ds.date(QStringLiteral("cssj")), QDate(1975, 3, 2));
}

TEST_F(DatasetTest, JoinedAndGroupedColumnsAreReadOnly) {
    db::Dataset joined(db_);
    ASSERT_TRUE(joined.open(QStringLiteral(
        "select a.*, b.xm as cadreName from tb_family as a left outer join tb_cadre as b on "
        "a.CadreID=b.CadreID order by a.ford")));
    EXPECT_EQ(joined.baseTable(), QStringLiteral("tb_family"));
    EXPECT_EQ(joined.text(QStringLiteral("cadreName")), QStringLiteral("张三"));
    EXPECT_FALSE(joined.setValue(QStringLiteral("cadreName"), QStringLiteral("x")));
    joined.cancel();
    ASSERT_TRUE(joined.setValue(QStringLiteral("cw"), QStringLiteral("配偶")));
    ASSERT_TRUE(joined.post()) << joined.lastError().toStdString();
    EXPECT_EQ(count("cw='配偶' and ford=1"), 1);
    EXPECT_EQ(db_.scalar(QStringLiteral("select xm from tb_cadre"))->toString(),
              QStringLiteral("张三"));

    db::Dataset grouped(db_);
    ASSERT_TRUE(grouped.open(
        QStringLiteral("select CadreID, count(*) as n from tb_family group by CadreID")));
    EXPECT_TRUE(grouped.baseTable().isEmpty());
    EXPECT_EQ(grouped.integer(QStringLiteral("n")), 3);
    EXPECT_FALSE(grouped.append());
    EXPECT_FALSE(grouped.edit());
}

TEST_F(DatasetTest, LocatesOnSeveralFieldsWithOptions) {
    db::Dataset ds(db_);
    ASSERT_TRUE(ds.open(QStringLiteral("select * from tb_family order by ford")));
    struct Case {
        QStringList fields;
        QVariantList values;
        int options;
        int expectedFord;  // 0: not found
    };
    const Case cases[] = {
        {{QStringLiteral("CadreID"), QStringLiteral("ford")}, {1, 2}, db::Dataset::NoOptions, 2},
        {{QStringLiteral("CadreID"), QStringLiteral("ford")}, {1, 9}, db::Dataset::NoOptions, 0},
        {{QStringLiteral("cw")}, {QStringLiteral("父亲")}, db::Dataset::NoOptions, 3},
        {{QStringLiteral("xm")}, {QStringLiteral("张")}, db::Dataset::NoOptions, 0},
        {{QStringLiteral("xm")}, {QStringLiteral("张")}, db::Dataset::PartialKey, 2},
        {{QStringLiteral("cssj")}, {QDate(2001, 9, 10)}, db::Dataset::NoOptions, 2},
        {{QStringLiteral("ford")}, {QStringLiteral("3")}, db::Dataset::NoOptions, 3},
        {{QStringLiteral("alive")}, {false}, db::Dataset::NoOptions, 3},
        {{QStringLiteral("cssj")}, {QVariant()}, db::Dataset::NoOptions, 3},
    };
    for (const Case& c : cases) {
        ds.first();
        const bool found = ds.locate(c.fields, c.values, c.options);
        EXPECT_EQ(found, c.expectedFord != 0) << c.fields.join(u',').toStdString();
        if (found) {
            EXPECT_EQ(ds.integer(QStringLiteral("ford")), c.expectedFord)
                << c.fields.join(u',').toStdString();
        }
    }
    exec("update tb_family set cw='Father' where ford=3");
    ASSERT_TRUE(ds.requery());
    EXPECT_FALSE(ds.locate(QStringLiteral("cw"), QStringLiteral("FATHER")));
    EXPECT_TRUE(
        ds.locate(QStringLiteral("cw"), QStringLiteral("FATHER"), db::Dataset::CaseInsensitive));
}

TEST_F(DatasetTest, RequeryKeepsTheCurrentRow) {
    db::Dataset ds(db_);
    ASSERT_TRUE(ds.open(QStringLiteral("select * from tb_family order by xm")));
    ASSERT_TRUE(ds.locate(QStringLiteral("ford"), 2));
    exec("update tb_family set xm='阿明' where ford=2");  // now sorts elsewhere
    exec("insert into tb_family (CadreID,ford,xm) values (1,5,'安安')");
    ASSERT_TRUE(ds.requery());
    EXPECT_EQ(ds.recordCount(), 4);
    EXPECT_EQ(ds.integer(QStringLiteral("ford")), 2);
    EXPECT_EQ(ds.text(QStringLiteral("xm")), QStringLiteral("阿明"));
}

// A move posts the edited row first; when the post fails the move does not happen and reports,
// and the typed values stay for the user to correct or cancel.
TEST_F(DatasetTest, AMoveWhosePostFailsStaysOnTheEditedRow) {
    struct Move {
        const char* name;
        std::function<bool(db::Dataset&)> run;
    };
    const Move moves[] = {
        {"first", [](db::Dataset& ds) { return ds.first(); }},
        {"last", [](db::Dataset& ds) { return ds.last(); }},
        {"next", [](db::Dataset& ds) { return ds.next(); }},
        {"prior", [](db::Dataset& ds) { return ds.prior(); }},
        {"moveTo", [](db::Dataset& ds) { return ds.moveTo(0); }},
        {"locate", [](db::Dataset& ds) { return ds.locate(QStringLiteral("ford"), 3); }},
        {"requery", [](db::Dataset& ds) { return ds.requery(); }},
    };
    for (const Move& move : moves) {
        SCOPED_TRACE(move.name);
        db::Dataset ds(db_);
        ASSERT_TRUE(ds.open(QStringLiteral("select * from tb_family order by ford")));
        ASSERT_TRUE(ds.moveTo(1));
        // (CadreID, ford) is the key: ford 1 is taken, so the post fails.
        ASSERT_TRUE(ds.setValue(QStringLiteral("ford"), 1));
        ASSERT_TRUE(ds.setValue(QStringLiteral("cw"), QStringLiteral("长子")));
        EXPECT_FALSE(move.run(ds));
        EXPECT_FALSE(ds.lastError().isEmpty());
        EXPECT_EQ(ds.recNo(), 1);
        EXPECT_EQ(ds.state(), db::Dataset::State::Edit);
        EXPECT_EQ(ds.text(QStringLiteral("cw")), QStringLiteral("长子"));
        EXPECT_EQ(count("cw='长子'"), 0);
        // Corrected, the same move posts and goes.
        ASSERT_TRUE(ds.setValue(QStringLiteral("ford"), 9));
        EXPECT_TRUE(move.run(ds)) << ds.lastError().toStdString();
        EXPECT_EQ(ds.state(), db::Dataset::State::Browse);
        EXPECT_EQ(count("cw='长子' and ford=9"), 1);
        exec("update tb_family set cw='儿子', ford=2 where ford=9");
    }
}

TEST_F(DatasetTest, BatchWritesEverythingAtOnce) {
    db::Dataset ds(db_);
    ds.setBatchMode(true);
    ASSERT_TRUE(ds.open(QStringLiteral("select * from tb_family order by ford")));
    ds.setValue(QStringLiteral("cw"), QStringLiteral("配偶"));
    ASSERT_TRUE(ds.post());
    ds.last();
    ASSERT_TRUE(ds.remove());
    ASSERT_TRUE(ds.append());
    ds.setValue(QStringLiteral("CadreID"), 1);
    ds.setValue(QStringLiteral("ford"), 7);
    ASSERT_TRUE(ds.post());
    EXPECT_TRUE(ds.hasPendingUpdates());
    EXPECT_EQ(count("cw='配偶'"), 0);  // nothing written yet
    EXPECT_EQ(count(), 3);
    ASSERT_TRUE(ds.applyUpdates()) << ds.lastError().toStdString();
    EXPECT_FALSE(ds.hasPendingUpdates());
    EXPECT_EQ(count("cw='配偶'"), 1);
    EXPECT_EQ(count("ford=3"), 0);
    EXPECT_EQ(count("ford=7"), 1);
    EXPECT_GT(ds.integer(QStringLiteral("FamilyID")), 3);
}

TEST_F(DatasetTest, AFailedBatchLeavesNothingHalfWritten) {
    db::Dataset ds(db_);
    ds.setBatchMode(true);
    ASSERT_TRUE(ds.open(QStringLiteral("select * from tb_family order by ford")));
    ds.setValue(QStringLiteral("cw"), QStringLiteral("配偶"));
    ds.post();
    ds.append();
    ds.setValue(QStringLiteral("CadreID"), 1);
    ds.setValue(QStringLiteral("ford"), 8);
    ds.post();
    ds.append();
    ds.setValue(QStringLiteral("CadreID"), 1);
    ds.setValue(QStringLiteral("ford"), 2);  // the unique index refuses this one
    ds.post();
    EXPECT_FALSE(ds.applyUpdates());
    EXPECT_FALSE(ds.lastError().isEmpty());
    EXPECT_EQ(count("cw='配偶'"), 0);
    EXPECT_EQ(count("ford=8"), 0);
    EXPECT_EQ(count(), 3);
    EXPECT_TRUE(ds.hasPendingUpdates());  // the changes are still there to mend and retry

    ds.cancelUpdates();
    EXPECT_FALSE(ds.hasPendingUpdates());
    EXPECT_EQ(ds.recordCount(), 3);
    ds.first();
    EXPECT_EQ(ds.text(QStringLiteral("cw")), QStringLiteral("妻子"));
}

}  // namespace

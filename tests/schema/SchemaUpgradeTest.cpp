#include <gtest/gtest.h>

#include <QDate>
#include <QFileInfo>
#include <map>

#include "db/Database.h"
#include "schema/SchemaUpgrade.h"
#include "schema/SchemaVersion.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

using namespace Qt::StringLiterals;

// Every column of every table as PRAGMA table_info describes it, by lower-case table name.
using Shape = std::map<QString, QStringList>;

Shape shapeOf(db::Database& db) {
    Shape shape;
    for (const QString& table : db.tables()) {
        const auto columns = db.prepareNative(
            u"select name, upper(type), dflt_value, \"notnull\", pk from pragma_table_info(?)"_s);
        EXPECT_TRUE(columns && columns->bind({table}));
        QStringList described;
        while (columns->step() == db::SqlStatement::Step::Row) {
            described << QStringList{columns->value(0).toString().toLower(),
                                     columns->value(1).toString(), columns->value(2).toString(),
                                     columns->value(3).toString(), columns->value(4).toString()}
                             .join(u'|');
        }
        described.sort();
        shape[table.toLower()] = described;
    }
    return shape;
}

class SchemaUpgrade : public ::testing::Test {
  protected:
    void SetUp() override {
        path_ = home_.makeWorkingDatabase();
        ASSERT_TRUE(db_.open(path_)) << db_.lastError();
        db::Database empty;
        ASSERT_TRUE(empty.open(templateFile())) << empty.lastError();
        current_ = shapeOf(empty);
    }

    QString templateFile() const { return home_.dbDir() + u"/Empty.db"_s; }
    QString backupFile() const { return home_.path() + u"/升级备份.vhbak"_s; }

    void native(const QString& sql) { ASSERT_TRUE(db_.execNative(sql)) << db_.lastError(); }

    // Takes the working database back to the shape an older version wrote: the steps after
    // `version`, undone from the last, drop what they brought; the yes/no columns of the unit
    // tree allow null again and hold one.
    void rollBackTo(double version) {
        native(u"alter table tb_department rename to old_department"_s);
        native(
            u"create table tb_department (ID INTEGER PRIMARY KEY AUTOINCREMENT, parentID INTEGER, "
            "Name TEXT(255), dwjc TEXT(255), py1 TEXT(50), py2 TEXT(50), dwOrder INTEGER, dwlevel "
            "INTEGER, dwIndex TEXT(50), isDep BIT, status INTEGER, dwxz TEXT(50), B0114 TEXT(12), "
            "B0124 TEXT(2), B0127 TEXT(3))"_s);
        native(u"insert into tb_department select * from old_department"_s);
        native(u"drop table old_department"_s);
        native(u"update tb_department set isDep=null where ID=1"_s);
        schema::UpgradeRun run(db_);
        const auto& steps = schema::upgradeSteps();
        for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
            if (step->threshold <= version) {
                break;
            }
            for (const schema::AddedColumn& added : step->columns) {
                ASSERT_TRUE(run.dropColumns(added.table, {added.column}).ok()) << db_.lastError();
            }
            for (const QString& table : step->copiedTables) {
                if (db_.hasTable(table)) {
                    native(u"drop table "_s + table);
                }
            }
        }
        ASSERT_TRUE(db_.exec(u"update tb_general set version=?"_s, {version}));
    }

    Result<schema::UpgradeOutcome> upgrade(const exchange::StepHook& hook = {}) {
        return schema::upgradeDatabase(db_, templateFile(), backupFile(), hook);
    }

    QVariant value(const QString& sql) { return db_.scalar(sql).value(); }

    TestHome home_;
    QString path_;
    db::Database db_;
    Shape current_;
};

TEST_F(SchemaUpgrade, OldDatabasesReachTheTemplatesTablesAndColumns) {
    for (const double version : {2.0, 2.6, 2.9, 3.2, 3.5, 3.7, 3.72}) {
        SCOPED_TRACE(version);
        db_.close();
        QFile::remove(path_);
        path_ = home_.makeWorkingDatabase();
        ASSERT_TRUE(db_.open(path_));
        rollBackTo(version);
        ASSERT_NE(shapeOf(db_), current_);
        QFile::remove(backupFile());
        const Result<schema::UpgradeOutcome> outcome = upgrade();
        ASSERT_TRUE(outcome.ok()) << outcome.errorText();
        EXPECT_TRUE(outcome->upgraded);
        EXPECT_DOUBLE_EQ(outcome->fromVersion, version);
        EXPECT_EQ(shapeOf(db_), current_);
        EXPECT_DOUBLE_EQ(value(u"select version from tb_general"_s).toDouble(),
                         schema::kSchemaVersion);
        // The unit whose yes/no value was null now reads No.
        EXPECT_EQ(value(u"select isDep from tb_department where ID=1"_s), QVariant(false));
        EXPECT_TRUE(QFileInfo::exists(backupFile()));
    }
}

// A table rebuilt to the template's shape keeps a column the template does not know, with its
// values: an upgrade never drops what a user or an older release stored.
TEST_F(SchemaUpgrade, ARebuiltTableKeepsAColumnTheTemplateLacks) {
    rollBackTo(3.72);
    native(u"alter table tb_department add column localNote TEXT(40)"_s);
    native(u"update tb_department set localNote='kept '||ID"_s);
    const QVariant units = value(u"select count(*) from tb_department"_s);
    const Result<schema::UpgradeOutcome> outcome = upgrade();
    ASSERT_TRUE(outcome.ok()) << outcome.errorText();
    EXPECT_EQ(value(u"select isDep from tb_department where ID=1"_s), QVariant(false));
    EXPECT_EQ(value(u"select count(*) from tb_department"_s), units);
    EXPECT_EQ(value(u"select count(*) from tb_department where localNote='kept '||ID"_s), units);
}

// The grades of professional titles reach a database that has none; a database that keeps its
// own grades keeps them as they are.
TEST_F(SchemaUpgrade, TitleGradesAreAddedOnlyWhereThereAreNone) {
    const QVariant grades = value(u"select count(*) from tb_conf where GID='ZYDJ'"_s);
    ASSERT_GT(grades.toInt(), 0);
    rollBackTo(3.72);
    native(u"delete from tb_conf where GID='ZYDJ'"_s);
    ASSERT_TRUE(upgrade().ok());
    EXPECT_EQ(value(u"select count(*) from tb_conf where GID='ZYDJ'"_s), grades);

    native(u"delete from tb_conf where GID='ZYDJ'"_s);
    native(u"insert into tb_conf (GID, ItemID, ItemV) values ('ZYDJ', '自定等级', '01')"_s);
    ASSERT_TRUE(db_.exec(u"update tb_general set version=3.72"_s));
    ASSERT_TRUE(upgrade().ok());
    EXPECT_EQ(value(u"select count(*) from tb_conf where GID='ZYDJ'"_s).toInt(), 1);
    EXPECT_EQ(value(u"select ItemID from tb_conf where GID='ZYDJ'"_s).toString(), u"自定等级"_s);
}

// A database that already has what the steps add (a version number left behind) goes through
// every step: nothing is added twice and no row is lost.
TEST_F(SchemaUpgrade, StepsFindingTheirTablesAndColumnsThereSkipThem) {
    ASSERT_TRUE(db_.exec(u"update tb_general set version=2"_s));
    const QVariant cadres = value(u"select count(*) from tb_cadre"_s);
    const QVariant units = value(u"select count(*) from tb_department"_s);
    const Result<schema::UpgradeOutcome> outcome = upgrade();
    ASSERT_TRUE(outcome.ok()) << outcome.errorText();
    EXPECT_EQ(shapeOf(db_), current_);
    EXPECT_EQ(value(u"select count(*) from tb_cadre"_s), cadres);
    EXPECT_EQ(value(u"select count(*) from tb_department"_s), units);
}

TEST_F(SchemaUpgrade, ACurrentDatabaseRunsNoStepAndMakesNoCopy) {
    int steps = 0;
    const Result<schema::UpgradeOutcome> outcome = upgrade([&](const QString&) {
        ++steps;
        return true;
    });
    ASSERT_TRUE(outcome.ok()) << outcome.errorText();
    EXPECT_FALSE(outcome->upgraded);
    EXPECT_EQ(steps, 0);
    EXPECT_FALSE(QFileInfo::exists(backupFile()));
}

TEST_F(SchemaUpgrade, StepsRunInOrderFromTheFirstAboveTheStoredVersion) {
    rollBackTo(2.6);
    QStringList ran;
    ASSERT_TRUE(upgrade([&](const QString& step) {
                    ran << step;
                    return true;
                }).ok());
    ASSERT_FALSE(ran.isEmpty());
    EXPECT_EQ(ran.front(), u"2.639"_s);
    EXPECT_EQ(ran.back(), u"3.729"_s);
    QStringList sorted = ran;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return a.toDouble() < b.toDouble(); });
    EXPECT_EQ(ran, sorted);
}

TEST_F(SchemaUpgrade, StoredDataAreConverted) {
    rollBackTo(2.6);
    native(u"delete from tb_cadre"_s);
    struct Case {
        int id;
        int ctype;
        const char16_t* birth;
        int expectedType;
        const char16_t* expectedBirth;
    };
    // A type 3 becomes 4 and a 4 becomes 8, never 3 to 8; dates with "-" take "." and a
    // one-digit month gets two digits.
    const Case cases[] = {{1, 3, u"1978.1", 4, u"1978.01"},
                          {2, 4, u"1978.10", 8, u"1978.10"},
                          {3, 1, u"1965-3", 1, u"1965.03"},
                          {4, 2, u"1970-11", 2, u"1970.11"}};
    for (const Case& c : cases) {
        native(u"insert into tb_cadre (CadreID, xm, ctype, csnyStr) values (%1, 'x', %2, '%3')"_s
                   .arg(c.id)
                   .arg(c.ctype)
                   .arg(QString::fromUtf16(c.birth)));
    }
    native(u"insert into tb_family (CadreID, xm) values (99, '无主家属')"_s);
    ASSERT_TRUE(upgrade().ok());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(value(u"select ctype from tb_cadre where CadreID=%1"_s.arg(c.id)).toInt(),
                  c.expectedType);
        EXPECT_EQ(value(u"select csnyStr from tb_cadre where CadreID=%1"_s.arg(c.id)).toString(),
                  QString::fromUtf16(c.expectedBirth));
        EXPECT_EQ(value(u"select gbOrd from tb_cadre where CadreID=%1"_s.arg(c.id)).toInt(), c.id);
    }
    EXPECT_EQ(value(u"select count(*) from tb_family where CadreID=99"_s).toInt(), 0);
}

// Snapshot of what an upgrade may change: the version, every table's shape and row counts.
QStringList snapshot(db::Database& db) {
    QStringList lines;
    lines << db.scalar(u"select version from tb_general"_s)->toString();
    for (const auto& [table, columns] : shapeOf(db)) {
        lines << table + u':' + columns.join(u',') + u':' +
                     db.scalar(u"select count(*) from [%1]"_s.arg(table))->toString();
    }
    return lines;
}

TEST_F(SchemaUpgrade, AFailingStepLeavesTheDatabaseAsItWasAndIsNamed) {
    rollBackTo(2.7);
    // The orphan clean-up of 2.769 cannot run without the posts table.
    native(u"drop table tb_cadre_zw"_s);
    const QStringList before = snapshot(db_);
    const Result<schema::UpgradeOutcome> outcome = upgrade();
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.failure().message, schema::kStepFailed + u"2.769"_s);
    EXPECT_FALSE(outcome.failure().dbError.isEmpty());
    EXPECT_EQ(snapshot(db_), before);
}

TEST_F(SchemaUpgrade, StoppedAtAnyStepLeavesTheDatabaseAsItWas) {
    rollBackTo(2.0);
    const QStringList before = snapshot(db_);
    for (const schema::UpgradeStep& step : schema::upgradeSteps()) {
        const QString name = QString::number(step.threshold);
        SCOPED_TRACE(name.toStdString());
        const Result<schema::UpgradeOutcome> outcome =
            upgrade([&](const QString& at) { return at.toDouble() != step.threshold; });
        ASSERT_FALSE(outcome.ok());
        EXPECT_EQ(snapshot(db_), before);
    }
}

TEST_F(SchemaUpgrade, KilledInTheMiddleLeavesTheOldFileIntact) {
    GTEST_FLAG_SET(death_test_style, "fast");
    rollBackTo(2.6);
    const QStringList before = snapshot(db_);
    db_.close();
    for (const QString& stop : {u"2.639"_s, u"2.909"_s, u"3.729"_s}) {
        SCOPED_TRACE(stop.toStdString());
        EXPECT_EXIT(
            {
                db::Database child;
                if (child.open(path_)) {
                    (void)schema::upgradeDatabase(child, templateFile(), backupFile(),
                                                  [&](const QString& step) {
                                                      if (step == stop) {
                                                          std::_Exit(3);
                                                      }
                                                      return true;
                                                  });
                }
                std::_Exit(4);
            },
            ::testing::ExitedWithCode(3), "");
        db::Database after;
        ASSERT_TRUE(after.open(path_)) << after.lastError();
        const auto check = after.prepareNative(u"PRAGMA integrity_check"_s);
        ASSERT_NE(check, nullptr);
        ASSERT_EQ(check->step(), db::SqlStatement::Step::Row);
        EXPECT_EQ(check->value(0).toString(), u"ok"_s);
        EXPECT_EQ(snapshot(after), before);
    }
}

TEST_F(SchemaUpgrade, TheKeptCopyIsNamedByTheDay) {
    EXPECT_EQ(schema::upgradeBackupName(QDate(2024, 3, 5)), u"2024-03-05升级备份.vhbak"_s);
}

}  // namespace

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "SqliteSource.h"
#include "db/Database.h"
#include "db/SqlStatement.h"
#include "exchange/AccessImport.h"
#include "exchange/AccessReader.h"
#include "exchange/DatabaseBackup.h"
#include "schema/SchemaUpgrade.h"
#include "schema/SchemaVersion.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

using namespace Qt::StringLiterals;

// Every row of every table, in key order, as text: what a copy must keep.
QStringList contentOf(db::Database& db, const QString& table, const QStringList& columns) {
    QStringList rows;
    const auto statement =
        db.prepareNative(u"select %1 from \"%2\" order by 1"_s.arg(columns.join(u','), table));
    EXPECT_TRUE(statement) << db.lastError();
    while (statement && statement->step() == db::SqlStatement::Step::Row) {
        QStringList values;
        for (int c = 0; c < statement->columnCount(); ++c) {
            values << db::displayText(statement->value(c));
        }
        rows << values.join(u'|');
    }
    return rows;
}

QStringList sortedColumns(db::Database& db, const QString& table) {
    QStringList columns;
    for (const QString& column : db.columns(table)) {
        columns << column.toLower();
    }
    columns.sort();
    return columns;
}

// An old working database: the sample organisation with a row of a high key, in the shape that
// the version `version` wrote (what the later upgrade steps bring taken away), with a table and
// a column that our schema does not know.
class AccessImport : public ::testing::Test {
  protected:
    void SetUp() override {
        oldPath = home.path() + u"/old.db"_s;
        ASSERT_TRUE(QFile::rename(home.makeWorkingDatabase(), oldPath));
        target = home.path() + u"/imported.db"_s;
        templateFile = home.dbDir() + u"/Empty.db"_s;
    }

    void exec(const QString& statement) { ASSERT_TRUE(old.exec(statement)) << old.lastError(); }
    void native(const QString& sql) { ASSERT_TRUE(old.execNative(sql)) << old.lastError(); }

    void makeOld(double version) {
        ASSERT_TRUE(old.open(oldPath)) << old.lastError();
        exec(
            u"insert into tb_cadre (CadreID,xm,csny,photo) values (900,'高号甲',#1970-03-01#,"
            u"x'FFD8FF00')"_s);
        exec(u"insert into tb_family (CadreID,xm,cw) values (900,'家属''引号','妻子')"_s);
        schema::UpgradeRun run(old);
        const auto& steps = schema::upgradeSteps();
        for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
            if (step->threshold <= version) {
                break;
            }
            for (const schema::AddedColumn& added : step->columns) {
                ASSERT_TRUE(run.dropColumns(added.table, {added.column}).ok()) << old.lastError();
            }
            for (const QString& table : step->copiedTables) {
                if (old.hasTable(table)) {
                    native(u"drop table "_s + table);
                }
            }
        }
        native(u"create table tb_oldnotes (id INTEGER, note TEXT)"_s);
        native(u"insert into tb_oldnotes values (1,'旧表')"_s);
        native(u"alter table tb_cadre add column oldcol TEXT"_s);
        ASSERT_TRUE(old.exec(u"update tb_general set version=?"_s, {version})) << old.lastError();
        exec(u"update tb_general set name='测试'"_s);
    }

    TestHome home;
    QString oldPath;
    QString target;
    QString templateFile;
    db::Database old;
};

TEST_F(AccessImport, EveryRowOfAnOldDatabaseArrivesWithItsKeysAndIsUpgraded) {
    for (const double version : {2.0, 2.9, 3.5, schema::kSchemaVersion}) {
        SCOPED_TRACE(version);
        old.close();
        QFile::remove(oldPath);
        ASSERT_TRUE(QFile::rename(home.makeWorkingDatabase(), oldPath));
        makeOld(version);
        const QStringList cadres =
            contentOf(old, u"tb_cadre"_s, {u"CadreID"_s, u"xm"_s, u"csny"_s, u"photo"_s});
        const QStringList family =
            contentOf(old, u"tb_family"_s, {u"FamilyID"_s, u"CadreID"_s, u"xm"_s});
        const QStringList units =
            contentOf(old, u"tb_department"_s, {u"ID"_s, u"parentID"_s, u"Name"_s, u"dwIndex"_s});
        std::map<QString, qint64> counts;
        for (const QString& table : old.tables()) {
            counts[table.toLower()] =
                old.scalar(u"select count(*) from \"%1\""_s.arg(table))->toLongLong();
        }
        old.close();

        SqliteSource source(oldPath);
        const Result<exchange::AccessImportReport> report =
            exchange::importTables(source, templateFile, target);
        ASSERT_TRUE(report.ok()) << report.errorText();
        EXPECT_DOUBLE_EQ(report->fromVersion, version);
        EXPECT_EQ(report->leftOutTables, QStringList{u"tb_oldnotes"_s});

        db::Database imported;
        ASSERT_TRUE(imported.open(target));
        for (const exchange::TableImport& table : report->tables) {
            EXPECT_EQ(table.rows, counts[table.table.toLower()]) << table.table;
            EXPECT_EQ(
                imported.scalar(u"select count(*) from \"%1\""_s.arg(table.table))->toLongLong(),
                table.rows)
                << table.table;
            if (table.table == u"tb_cadre") {
                EXPECT_EQ(table.leftOutColumns, QStringList{u"oldcol"_s});
            } else {
                EXPECT_TRUE(table.leftOutColumns.isEmpty()) << table.table;
            }
        }
        EXPECT_EQ(
            contentOf(imported, u"tb_cadre"_s, {u"CadreID"_s, u"xm"_s, u"csny"_s, u"photo"_s}),
            cadres);
        EXPECT_EQ(contentOf(imported, u"tb_family"_s, {u"FamilyID"_s, u"CadreID"_s, u"xm"_s}),
                  family);
        EXPECT_EQ(contentOf(imported, u"tb_department"_s,
                            {u"ID"_s, u"parentID"_s, u"Name"_s, u"dwIndex"_s}),
                  units);
        // The upgrade ran from the old version: the current shape, and the data conversions
        // of the steps that were due.
        EXPECT_DOUBLE_EQ(imported.scalar(u"select version from tb_general"_s)->toDouble(),
                         schema::kSchemaVersion);
        db::Database empty;
        ASSERT_TRUE(empty.open(templateFile));
        for (const QString& table : empty.tables()) {
            EXPECT_EQ(sortedColumns(imported, table), sortedColumns(empty, table)) << table;
        }
        const QString name = imported.scalar(u"select name from tb_general"_s)->toString();
        EXPECT_EQ(name, version < 2.35 ? u"测试委组织部"_s : u"测试"_s);
        EXPECT_TRUE(exchange::checkDatabaseFile(target).ok());
        imported.close();
        EXPECT_FALSE(QFileInfo::exists(target + u".before-upgrade"_s));
    }
}

// The template's sample organisation never joins the imported data: a table of cadre records
// that the old file lacks arrives empty, while the code tables keep the template's rows.
TEST_F(AccessImport, TablesTheOldFileLacksHoldNoSampleRecords) {
    makeOld(schema::kSchemaVersion);
    native(u"drop table tb_jc"_s);
    native(u"drop table tb_kc"_s);
    native(u"drop table tb_xl"_s);
    old.close();
    db::Database empty;
    ASSERT_TRUE(empty.open(templateFile));
    ASSERT_GT(empty.scalar(u"select count(*) from tb_jc"_s)->toInt(), 0);
    ASSERT_GT(empty.scalar(u"select count(*) from tb_kc"_s)->toInt(), 0);
    const int codes = empty.scalar(u"select count(*) from tb_xl"_s)->toInt();
    ASSERT_GT(codes, 0);

    SqliteSource source(oldPath);
    const Result<exchange::AccessImportReport> report =
        exchange::importTables(source, templateFile, target);
    ASSERT_TRUE(report.ok()) << report.errorText();
    db::Database imported;
    ASSERT_TRUE(imported.open(target));
    EXPECT_EQ(imported.scalar(u"select count(*) from tb_jc"_s)->toInt(), 0);
    EXPECT_EQ(imported.scalar(u"select count(*) from tb_kc"_s)->toInt(), 0);
    EXPECT_EQ(imported.scalar(u"select count(*) from tb_xl"_s)->toInt(), codes);
}

TEST_F(AccessImport, FilesThatAreNotOursAreRefusedAndNothingIsWritten) {
    makeOld(3.0);
    exec(u"delete * from tb_general"_s);
    old.close();
    {
        SqliteSource noVersion(oldPath);
        const auto refused = exchange::importTables(noVersion, templateFile, target);
        ASSERT_FALSE(refused.ok());
        EXPECT_EQ(refused.failure().message, exchange::kNoAccessVersion);
        EXPECT_FALSE(QFileInfo::exists(target));
    }
    ASSERT_TRUE(old.open(oldPath));
    exec(u"insert into tb_general (version) values (9.5)"_s);
    old.close();
    {
        SqliteSource newer(oldPath);
        const auto refused = exchange::importTables(newer, templateFile, target);
        ASSERT_FALSE(refused.ok());
        EXPECT_EQ(refused.failure().message, exchange::kNewerAccessVersion);
        EXPECT_FALSE(QFileInfo::exists(target));
    }
    auto nwind = exchange::AccessFile::open(QStringLiteral(CADRE_ACCESS_FIXTURES "/nwind.mdb"));
    ASSERT_TRUE(nwind.ok());
    const auto refused = exchange::importTables(**nwind, templateFile, target);
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.failure().message.startsWith(exchange::kNotOurAccessDatabase));
    EXPECT_TRUE(refused.failure().message.contains(u"tb_cadre"_s));
    EXPECT_FALSE(QFileInfo::exists(target));
}

class WorkingReplace : public AccessImport {
  protected:
    void SetUp() override {
        AccessImport::SetUp();
        makeOld(2.9);
        old.close();
        workingPath = home.makeWorkingDatabase();
        ASSERT_TRUE(working.open(workingPath));
        ASSERT_TRUE(working.exec(u"insert into tb_cadre (CadreID,xm) values (5000,'当前')"_s));
        kept = home.path() + u"/kept/恢复前备份.vhbak"_s;
    }

    QStringList filesBeside() const {
        return QDir(QFileInfo(workingPath).absolutePath()).entryList(QDir::Files);
    }

    QString workingPath;
    QString kept;
    db::Database working;
};

TEST_F(WorkingReplace, TheWorkingDatabaseIsKeptAndReplacedWhenEverythingSucceeded) {
    SqliteSource source(oldPath);
    const auto report = exchange::replaceWorkingDatabase(working, source, templateFile, kept);
    ASSERT_TRUE(report.ok()) << report.errorText();
    ASSERT_TRUE(working.isOpen());
    EXPECT_EQ(working.scalar(u"select xm from tb_cadre where CadreID=900"_s)->toString(),
              u"高号甲"_s);
    EXPECT_FALSE(working.scalar(u"select xm from tb_cadre where CadreID=5000"_s)->isValid());
    db::Database keptDb;
    ASSERT_TRUE(keptDb.open(kept));
    EXPECT_EQ(keptDb.scalar(u"select xm from tb_cadre where CadreID=5000"_s)->toString(),
              u"当前"_s);
}

TEST_F(WorkingReplace, AFailureOnTheWayLeavesTheWorkingDatabaseAsItWas) {
    const QStringList before = filesBeside();
    for (const QString& table : {u"tb_conf"_s, u"tb_cadre"_s, u"tb_family"_s}) {
        SCOPED_TRACE(table);
        SqliteSource source(oldPath);
        source.failAt = table;
        const auto report = exchange::replaceWorkingDatabase(working, source, templateFile, kept);
        ASSERT_FALSE(report.ok());
        EXPECT_EQ(report.failure().message, u"damaged"_s);
        EXPECT_EQ(working.scalar(u"select xm from tb_cadre where CadreID=5000"_s)->toString(),
                  u"当前"_s);
        EXPECT_FALSE(QFileInfo::exists(kept));
        EXPECT_EQ(filesBeside(), before);
    }
    // A row that our schema refuses (a key taken twice) stops the import the same way.
    ASSERT_TRUE(old.open(oldPath));
    native(u"create table tb_family2 as select * from tb_family"_s);
    native(u"drop table tb_family"_s);
    native(u"create table tb_family as select * from tb_family2"_s);
    native(u"drop table tb_family2"_s);
    native(
        u"insert into tb_family (FamilyID,CadreID,xm) select FamilyID,CadreID,xm from tb_family limit 1"_s);
    old.close();
    SqliteSource duplicate(oldPath);
    const auto refused = exchange::replaceWorkingDatabase(working, duplicate, templateFile, kept);
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.failure().message.startsWith(u"tb_family"_s)) << refused.errorText();
    EXPECT_EQ(working.scalar(u"select xm from tb_cadre where CadreID=5000"_s)->toString(),
              u"当前"_s);
    EXPECT_EQ(filesBeside(), before);
}

}  // namespace

// A report-up package of the Access era becomes a package of our format: every row of the
// package tables with its keys; what the package holds beyond them is named.
TEST_F(AccessImport, APackageBecomesAPackageOfOurFormat) {
    const QString packageTemplate = home.dbDir() + u"/Send.db"_s;
    const QString oldPackage = home.path() + u"/old-package.db"_s;
    ASSERT_TRUE(QFile::copy(packageTemplate, oldPackage));
    QFile::setPermissions(oldPackage, QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(old.open(oldPackage));
    exec(
        u"insert into tb_cadre (CadreID,xm,csny,photo) values (900,'上报甲',#1970-03-01#,"
        u"x'FFD8FF00')"_s);
    exec(u"insert into tb_cadre (CadreID,xm) values (17,'上报乙')"_s);
    exec(u"insert into tb_family (FamilyID,CadreID,xm) values (33,900,'家属')"_s);
    native(u"create table tb_extra (id INTEGER)"_s);
    old.close();

    const QString converted = home.path() + u"/package.db"_s;
    SqliteSource source(oldPackage);
    const auto report = exchange::convertPackage(source, packageTemplate, converted);
    ASSERT_TRUE(report.ok()) << report.errorText();
    EXPECT_EQ(report->leftOutTables, QStringList{u"tb_extra"_s});
    EXPECT_FALSE(report->text().contains(u"版本"_s)) << report->text();
    EXPECT_TRUE(report->text().contains(u"tb_cadre：2行"_s)) << report->text();
    db::Database package;
    ASSERT_TRUE(package.open(converted));
    EXPECT_EQ(
        contentOf(package, u"tb_cadre"_s, {u"CadreID"_s, u"xm"_s, u"csny"_s, u"hex(photo)"_s}),
        (QStringList{u"17|上报乙||"_s, u"900|上报甲|1970-03-01|FFD8FF00"_s}));
    EXPECT_EQ(contentOf(package, u"tb_family"_s, {u"FamilyID"_s, u"CadreID"_s, u"xm"_s}),
              QStringList{u"33|900|家属"_s});
    db::Database empty;
    ASSERT_TRUE(empty.open(packageTemplate));
    EXPECT_EQ(package.tables(), empty.tables());

    // A file that holds no cadres is no package: refused, nothing written.
    const QString notWritten = home.path() + u"/not-written.db"_s;
    const auto refused = exchange::convertAccessPackage(
        QStringLiteral(CADRE_ACCESS_FIXTURES "/nwind.mdb"), packageTemplate, notWritten);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.failure().message, exchange::kNotAnAccessPackage);
    EXPECT_FALSE(QFileInfo::exists(notWritten));
}

// Receiving reads an Access file through its conversion, and any other file as it is.
TEST_F(AccessImport, ReceivingConvertsOnlyAccessFiles) {
    const QString packageTemplate = home.dbDir() + u"/Send.db"_s;
    for (const char* name : {"nwind.mdb", "DateTestDatabase.mdb", "ASampleDatabase.accdb"}) {
        EXPECT_TRUE(exchange::isAccessFile(QStringLiteral(CADRE_ACCESS_FIXTURES "/") +
                                           QString::fromLatin1(name)))
            << name;
    }
    EXPECT_FALSE(exchange::isAccessFile(packageTemplate));
    EXPECT_FALSE(exchange::isAccessFile(home.path() + u"/missing.sdb"_s));

    const QString scratch = home.path() + u"/scratch"_s;
    ASSERT_TRUE(QDir().mkpath(scratch));
    EXPECT_EQ(exchange::packageOfOurFormat(packageTemplate, packageTemplate, scratch).value(),
              packageTemplate);
    const auto refused = exchange::packageOfOurFormat(
        QStringLiteral(CADRE_ACCESS_FIXTURES "/nwind.mdb"), packageTemplate, scratch);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.failure().message, exchange::kNotAnAccessPackage);
    EXPECT_EQ(QDir(scratch).entryList(QDir::Files), QStringList{});
}

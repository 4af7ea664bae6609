#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <map>

#include "admin/Rights.h"
#include "app/Login.h"
#include "db/Database.h"
#include "schema/FirstRunSetup.h"
#include "schema/TemplateBuilder.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

using namespace Qt::StringLiterals;

// Every row of every table as text, sorted, by lower-case table name.
std::map<QString, QStringList> contents(db::Database& db) {
    std::map<QString, QStringList> all;
    for (const QString& table : db.tables()) {
        if (table.startsWith(u"sqlite_"_s)) {
            continue;
        }
        const auto rows = db.prepareNative(u"select * from [%1]"_s.arg(table));
        EXPECT_NE(rows, nullptr) << db.lastError();
        QStringList lines;
        while (rows->step() == db::SqlStatement::Step::Row) {
            QStringList values;
            for (int i = 0; i < rows->columnCount(); ++i) {
                values << rows->value(i).toString();
            }
            lines << values.join(u'|');
        }
        lines.sort();
        all[table.toLower()] = lines;
    }
    return all;
}

class FirstRunSetup : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(db_.open(home_.makeWorkingDatabase())) << db_.lastError(); }

    QVariant value(const QString& sql, const QVariantList& params = {}) {
        return db_.scalar(sql, params).value();
    }

    schema::FirstRunChoices wipe(int type = 4) {
        schema::FirstRunChoices choices;
        choices.wipeSampleData = true;
        choices.userType = type;
        choices.province = u"江苏省"_s;
        choices.city = u"南京市"_s;
        choices.district = u"某县"_s;
        choices.name = u"某县委组织部"_s;
        return choices;
    }

    TestHome home_;
    db::Database db_;
};

// The database made from the reference data alone, without the sample organisation, is what a
// wiped database holds: no table keeps a sample row.
TEST_F(FirstRunSetup, WipingLeavesNoSampleRowInAnyTable) {
    QTemporaryDir built;
    const QDir data(QStringLiteral(CADRE_DATA_DIR));
    QStringList referenceData;
    for (const QString& file : data.entryList({u"*.sql"_s}, QDir::Files, QDir::Name)) {
        if (file != u"schema.sql"_s) {
            referenceData << data.filePath(file);
        }
    }
    QDir ref(data.filePath(u"ref"_s));
    for (const QString& file : ref.entryList({u"*.sql"_s}, QDir::Files, QDir::Name)) {
        if (file != u"sample.sql"_s) {
            referenceData << ref.filePath(file);
        }
    }
    const QString withoutSample = built.filePath(u"Empty.db"_s);
    schema::TemplateBuilder builder;
    ASSERT_TRUE(
        builder.buildEmpty(withoutSample, data.filePath(u"schema.sql"_s), referenceData).ok());
    db::Database reference;
    ASSERT_TRUE(reference.open(withoutSample));

    schema::FirstRunChoices choices = wipe();
    choices.loadUnitTree = false;
    const Result<void> applied = schema::applyFirstRun(db_, choices);
    ASSERT_TRUE(applied.ok()) << applied.errorText();
    auto wiped = contents(db_);
    auto expected = contents(reference);
    wiped.erase(u"tb_general"_s);
    expected.erase(u"tb_general"_s);
    ASSERT_EQ(wiped.size(), expected.size());
    for (const auto& [table, rows] : expected) {
        EXPECT_EQ(wiped[table], rows) << table.toStdString();
    }
    EXPECT_EQ(value(u"select name from tb_general"_s).toString(), u"某县委组织部"_s);
    EXPECT_EQ(
        value(u"select state & '/' & City & '/' & qx & '/' & type from tb_general"_s).toString(),
        u"江苏省/南京市/某县/4"_s);
}

TEST_F(FirstRunSetup, KeepingTheTestDataChangesNothing) {
    const auto before = contents(db_);
    schema::FirstRunChoices choices = wipe();
    choices.wipeSampleData = false;
    choices.adminName = u"admin"_s;
    ASSERT_TRUE(schema::applyFirstRun(db_, choices).ok());
    EXPECT_EQ(contents(db_), before);
}

TEST_F(FirstRunSetup, TheTreeOfTheUserTypeKeepsItsIdsAndTheAdministratorMayKeepAccounts) {
    for (const int type : {0, 4, 7}) {
        SCOPED_TRACE(type);
        db_.close();
        QFile::remove(home_.dbDir() + u"/Cadre.db"_s);
        ASSERT_TRUE(db_.open(home_.makeWorkingDatabase()));
        schema::FirstRunChoices choices = wipe(type);
        choices.adminName = u"管理员"_s;
        choices.adminPassword = u"口令1"_s;
        ASSERT_TRUE(schema::applyFirstRun(db_, choices).ok());
        const QString units =
            u"select count(*) from tb_department d, tb_model m where m.mtype=? and m.ID=d.ID and "
            "m.parentID=d.parentID and m.name=d.name and m.dwIndex=d.dwIndex"_s;
        EXPECT_EQ(value(units, {type}).toInt(),
                  value(u"select count(*) from tb_model where mtype=?"_s, {type}).toInt());
        EXPECT_EQ(value(u"select count(*) from tb_department"_s).toInt(),
                  value(u"select count(*) from tb_model where mtype=?"_s, {type}).toInt());
        EXPECT_EQ(value(u"select count(*) from tb_department where parentID<>0 and parentID not in "
                        "(select ID from tb_department)"_s)
                      .toInt(),
                  0);
        const int id =
            value(u"select ManagerID from tb_manager where userName=?"_s, {u"管理员"_s}).toInt();
        ASSERT_GT(id, 0);
        EXPECT_EQ(value(u"select pw from tb_manager where ManagerID=?"_s, {id}).toString(),
                  app::passwordDigest(u"口令1"_s, u"管理员"_s));
        EXPECT_TRUE(admin::rightGranted(db_, id, u"GLYSET"_s).value());
    }
}

TEST_F(FirstRunSetup, ARefusedAccountWritesNothing) {
    const auto before = contents(db_);
    schema::FirstRunChoices choices = wipe();
    choices.adminName = QString(51, u'名');
    choices.adminPassword = u"x"_s;
    EXPECT_FALSE(schema::applyFirstRun(db_, choices).ok());
    EXPECT_EQ(contents(db_), before);
}

TEST(FirstRunBasicData, EachTypeNeedsItsPlacesAndANameAndTheRefusalNamesWhatIsMissing) {
    struct Case {
        int type;
        const char16_t* province;
        const char16_t* city;
        const char16_t* district;
        const char16_t* name;
        const char16_t* missing;  // joined with "、"
    };
    const Case cases[] = {
        {0, u"江苏省", u"", u"", u"江苏省委组织部", u""},
        {0, u"", u"", u"", u"某部", u"省"},
        {1, u"江苏省", u"", u"", u"某部", u"市（州）"},
        {1, u"", u"", u"", u"某部", u"省、市（州）"},
        {1, u"江苏省", u"南京市", u"", u"某部", u""},
        {4, u"江苏省", u"南京市", u"", u"某部", u"区（县旗）"},
        {4, u"江苏省", u"南京市", u"某县", u"", u"单位名称"},
        {5, u" ", u"", u"", u"", u"省、市（州）、区（县旗）、单位名称"},
        {6, u"", u"", u"", u"某大学组织部", u""},
        {7, u"", u"", u"", u" ", u"单位名称"},
    };
    for (const Case& c : cases) {
        schema::FirstRunChoices choices;
        choices.userType = c.type;
        choices.province = QString::fromUtf16(c.province);
        choices.city = QString::fromUtf16(c.city);
        choices.district = QString::fromUtf16(c.district);
        choices.name = QString::fromUtf16(c.name);
        SCOPED_TRACE(std::to_string(c.type) + ' ' + choices.name.toStdString());
        const QString missing = QString::fromUtf16(c.missing);
        EXPECT_EQ(schema::missingBasicData(choices).join(u'、'), missing);
        EXPECT_EQ(schema::basicDataComplete(choices), missing.isEmpty());
    }
    EXPECT_EQ(schema::basicDataRefusal({u"省"_s, u"市（州）"_s}),
              u"请输入基础信息!\n请填写：省、市（州）"_s);
    schema::FirstRunChoices places;
    EXPECT_EQ(schema::proposedName(places), QString());
    places.province = u"江苏省"_s;
    EXPECT_EQ(schema::proposedName(places), u"江苏省委组织部"_s);
    places.city = u"南京市"_s;
    EXPECT_EQ(schema::proposedName(places), u"南京市委组织部"_s);
}

}  // namespace

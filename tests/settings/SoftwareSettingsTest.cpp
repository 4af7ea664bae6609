#include <gtest/gtest.h>

#include "app/DataModule.h"
#include "cadre/PickLists.h"
#include "db/Database.h"
#include "exchange/AutoBackup.h"
#include "settings/SoftwareSettings.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

using namespace Qt::StringLiterals;

// A data module on a fresh working database, logged in as user 7.
class SoftwareSettings : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        dm.session().ManagerID = 7;
    }
    int scalarInt(const QString& sql) {
        const Result<QVariant> v = dm.db().scalar(sql);
        EXPECT_TRUE(v) << v.errorText();
        return v ? v->toInt() : -1;
    }
    settings::SoftwareSettings loaded() {
        const Result<settings::SoftwareSettings> s = settings::loadSettings(dm);
        EXPECT_TRUE(s) << s.errorText();
        return s ? *s : settings::SoftwareSettings{};
    }

    TestHome home;
    TDataM dm{home.path() + u'/'};
};

// Each setting changed and saved is what the code that uses it reads afterwards.
TEST_F(SoftwareSettings, SavedSettingsTakeEffectWhereTheyAreRead) {
    ASSERT_TRUE(dm.db().exec(u"insert into tb_cadre (CadreID,xm,zwlock) values (9001,'甲',0)"_s));
    settings::SoftwareSettings s = loaded();
    s.userType = 7;
    s.organisation = u"某县委组织部"_s;
    s.ages = {63, 58};
    s.autoSave = false;
    s.postLock = true;
    s.backupOn = false;
    s.backupDays = 3;
    s.backupKeep = 4;
    s.backupFolder = u"备份甲"_s;
    s.cadreTypes = QStringList{u"领导干部"_s, u"后备干部"_s, {}, {}, {}, {}};
    s.postCategories = QStringList{u"正职"_s, u"副职"_s};
    ASSERT_TRUE(settings::saveSettings(dm, s));

    const auto ages = settings::retirementAges(dm.db());
    ASSERT_TRUE(ages);
    EXPECT_EQ(ages->male, 63);
    EXPECT_EQ(ages->female, 58);
    EXPECT_EQ(*cadre::saveLayoutOnExit(dm.db(), 7), false);
    EXPECT_EQ(*cadre::saveLayoutOnExit(dm.db(), 8), true);
    EXPECT_EQ(*cadre::postsLocked(dm.db()), true);
    EXPECT_EQ(scalarInt(u"select count(*) from tb_cadre where zwlock=0"_s), 0);
    EXPECT_FALSE(exchange::autoBackupEnabled(dm));
    EXPECT_EQ(*exchange::backupPeriodDays(dm.db()), 3);
    EXPECT_EQ(*exchange::backupKeepCount(dm.db()), 4);
    EXPECT_TRUE(exchange::autoBackupFolder(dm).endsWith(u"/备份甲"_s));

    const settings::SoftwareSettings again = loaded();
    EXPECT_EQ(again.userType, 7);
    EXPECT_EQ(again.organisation, s.organisation);
    EXPECT_EQ(again.cadreTypes, s.cadreTypes);
    EXPECT_EQ(again.postCategories, s.postCategories);
    EXPECT_FALSE(again.autoSave);
    EXPECT_TRUE(again.postLock);

    // Turning the lock off again reaches every cadre too.
    s.postLock = false;
    ASSERT_TRUE(settings::saveSettings(dm, s));
    EXPECT_EQ(*cadre::postsLocked(dm.db()), false);
    EXPECT_EQ(scalarInt(u"select count(*) from tb_cadre where zwlock<>0"_s), 0);
}

// A cadre's lock set or cleared by hand survives every save that leaves the global lock as it
// was; changing the global lock sets every cadre's.
TEST_F(SoftwareSettings, CadreLocksFollowOnlyAChangeOfTheGlobalLock) {
    ASSERT_TRUE(dm.db().exec(
        u"insert into tb_cadre (CadreID,xm,zwlock) values (9101,'手锁',1),(9102,'未锁',0)"_s));
    const struct {
        bool before;
        bool saved;
        QList<int> locks;  // zwlock of 9101 and 9102 afterwards
    } cases[] = {
        {false, false, {1, 0}},
        {true, true, {1, 0}},
        {false, true, {1, 1}},
        {true, false, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "before " << c.before << ", saved " << c.saved);
        db::Transaction undo(dm.db());
        ASSERT_TRUE(dm.db().exec(u"delete * from tb_conf where GID='ZWLOCK'"_s));
        ASSERT_TRUE(dm.SetConf(u"ZWLOCK"_s, {}, c.before ? u"1"_s : u"0"_s));
        settings::SoftwareSettings s = loaded();
        ASSERT_EQ(s.postLock, c.before);
        s.postLock = c.saved;
        ASSERT_TRUE(settings::saveSettings(dm, s));
        EXPECT_EQ(*cadre::postsLocked(dm.db()), c.saved);
        EXPECT_EQ((QList<int>{scalarInt(u"select zwlock from tb_cadre where CadreID=9101"_s),
                              scalarInt(u"select zwlock from tb_cadre where CadreID=9102"_s)}),
                  c.locks);
    }
}

TEST_F(SoftwareSettings, DuplicateFieldNamesWriteNothing) {
    const struct {
        QStringList cadreTypes;
        QStringList reserved;
        bool refused;
    } cases[] = {
        {{u"甲"_s, u"甲"_s, {}, {}, {}, {}}, settings::kDefaultReservedNames, true},
        {{u"甲"_s, {}, {}, {}, {}, {}}, {u"字段"_s, {}, u"字段"_s, {}}, true},
        {{u"甲"_s, {}, {}, {}, {}, {}}, {u"甲"_s, {}, {}, {}}, false},
        {{{}, {}, {}, {}, {}, {}}, {{}, {}, {}, {}}, false},
    };
    for (const auto& c : cases) {
        settings::SoftwareSettings s = loaded();
        s.organisation = u"改过的名称"_s;
        s.cadreTypes = c.cadreTypes;
        s.reservedNames = c.reserved;
        const Result<void> saved = settings::saveSettings(dm, s);
        EXPECT_EQ(!saved, c.refused) << c.cadreTypes.join(u',').toStdString();
        if (c.refused) {
            EXPECT_EQ(saved.errorText(), settings::kDuplicateFieldNames);
            EXPECT_NE(loaded().organisation, u"改过的名称"_s);
        }
    }
}

// A statement failing half-way leaves every earlier write undone.
TEST_F(SoftwareSettings, FailingStatementWritesNothing) {
    const int confRows = scalarInt(u"select count(*) from tb_conf"_s);
    ASSERT_TRUE(dm.db().exec(u"insert into tb_cadre (CadreID,xm) values (9002,'乙')"_s));
    ASSERT_TRUE(
        dm.db().execNative(u"create trigger stop_lock before update on tb_cadre "
                           u"begin select raise(abort,'refused'); end"_s));
    settings::SoftwareSettings s = loaded();
    s.organisation = u"不应写入"_s;
    s.ages = {70, 70};
    s.postLock = !s.postLock;
    EXPECT_FALSE(settings::saveSettings(dm, s));
    EXPECT_NE(loaded().organisation, u"不应写入"_s);
    EXPECT_EQ(settings::retirementAges(dm.db())->male, 60);
    EXPECT_EQ(scalarInt(u"select count(*) from tb_conf"_s), confRows);
}

// A kept count written by an older version under "保留备份" is read, and moved on saving.
TEST_F(SoftwareSettings, OlderKeptCountIsReadAndMoved) {
    ASSERT_TRUE(dm.db().exec(u"delete * from tb_conf where GID='自动备份'"_s));
    ASSERT_TRUE(dm.SetConf(u"自动备份"_s, u"保留备份"_s, u"6"_s));
    EXPECT_EQ(*exchange::backupKeepCount(dm.db()), 6);
    settings::SoftwareSettings s = loaded();
    EXPECT_EQ(s.backupKeep, 6);
    ASSERT_TRUE(settings::saveSettings(dm, s));
    EXPECT_EQ(*dm.GetConf(u"自动备份"_s, u"保留数量"_s), u"6"_s);
    EXPECT_EQ(scalarInt(u"select count(*) from tb_conf where ItemID='保留备份'"_s), 0);
}

// A switch and folder an older version kept in tb_conf are taken over by a computer without
// its own, and are then what the automatic backup reads; a computer's own values stay.
TEST_F(SoftwareSettings, OlderBackupSwitchAndFolderAreTakenOver) {
    ASSERT_TRUE(dm.SetConf(u"自动备份"_s, u"开启"_s, u"0"_s));
    ASSERT_TRUE(dm.SetConf(u"自动备份"_s, u"备份路径"_s, u"旧备份"_s));
    ASSERT_TRUE(exchange::autoBackupEnabled(dm));
    const settings::SoftwareSettings s = loaded();
    EXPECT_FALSE(s.backupOn);
    EXPECT_FALSE(exchange::autoBackupEnabled(dm));
    EXPECT_TRUE(exchange::autoBackupFolder(dm).endsWith(u"/旧备份"_s));

    dm.PutSetting(exchange::kFolderSetting, u"本机"_s);
    dm.PutSetting(exchange::kEnabledSetting, u"1"_s);
    ASSERT_TRUE(settings::adoptOlderBackupSettings(dm));
    EXPECT_TRUE(exchange::autoBackupEnabled(dm));
    EXPECT_TRUE(exchange::autoBackupFolder(dm).endsWith(u"/本机"_s));
}

// The look-up lists are written with the settings and read back in their order; an empty
// personnel-category group shows the built-in categories.
TEST_F(SoftwareSettings, LookupListsRoundTrip) {
    ASSERT_TRUE(dm.db().exec(u"delete * from tb_conf where GID='GBSF'"_s));
    settings::SoftwareSettings s = loaded();
    EXPECT_EQ(s.params.at(static_cast<int>(settings::ParamList::Gbsf)),
              settings::defaultParams(settings::ParamList::Gbsf));
    s.ranks = {{u"副处"_s, 2}, {u"正处"_s, 1}, {u" "_s, 3}};
    s.educations = {{u"大学"_s, 5}};
    QStringList stages;
    for (int i = 1; i <= 12; ++i) {
        stages << u"环节"_s + QString::number(i);
    }
    s.params[static_cast<int>(settings::ParamList::Rmzt)] = stages;
    s.params[static_cast<int>(settings::ParamList::Jtcy)] = {u"妻子"_s, {}, u"儿子"_s};
    ASSERT_TRUE(settings::saveSettings(dm, s));

    const settings::SoftwareSettings again = loaded();
    EXPECT_EQ(again.ranks, (QList<settings::LeveledName>{{u"正处"_s, 1}, {u"副处"_s, 2}}));
    EXPECT_EQ(again.educations, (QList<settings::LeveledName>{{u"大学"_s, 5}}));
    EXPECT_EQ(again.params.at(static_cast<int>(settings::ParamList::Rmzt)), stages);
    EXPECT_EQ(again.params.at(static_cast<int>(settings::ParamList::Jtcy)),
              (QStringList{u"妻子"_s, u"儿子"_s}));
    // The pickers of the program read the same lists.
    const auto picks = cadre::loadPickLists(dm.db());
    ASSERT_TRUE(picks);
    EXPECT_EQ(picks->ranks, (QStringList{u"正处"_s, u"副处"_s}));
    EXPECT_EQ(picks->stages, stages);
    EXPECT_EQ(picks->familyRelations, (QStringList{u"妻子"_s, u"儿子"_s}));
}

// "恢复默认" gives a code group its built-in items and a picker list the template database's;
// a list with nothing to restore, or a template that cannot be read, is refused.
TEST_F(SoftwareSettings, FactoryListsComeFromTheTemplate) {
    const QString factoryFile = dm.DbDir + u"Empty.db"_s;
    db::Database factory;
    ASSERT_TRUE(factory.open(factoryFile)) << factory.lastError();
    const auto templateItems = [&factory](const QString& column) {
        return factory.scalar(u"select "_s + column + u" from tb_general"_s)
            ->toString()
            .split(u'\n', Qt::SkipEmptyParts);
    };
    const struct {
        settings::ParamList list;
        QStringList items;
    } cases[] = {
        {settings::ParamList::Rzyy, templateItems(u"rzyy"_s)},
        {settings::ParamList::Gbly, templateItems(u"gbly"_s)},
        {settings::ParamList::Rzw, templateItems(u"rzw"_s)},
        {settings::ParamList::Jtcy, templateItems(u"jtcy"_s)},
        {settings::ParamList::Gbsf, settings::defaultParams(settings::ParamList::Gbsf)},
        {settings::ParamList::Rmzt, settings::defaultParams(settings::ParamList::Rmzt)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.list));
        ASSERT_FALSE(c.items.isEmpty());
        const Result<QStringList> restored = settings::factoryParams(factoryFile, c.list);
        ASSERT_TRUE(restored) << restored.errorText();
        EXPECT_EQ(*restored, c.items);
    }

    ASSERT_TRUE(factory.exec(u"update tb_general set jtcy=''"_s)) << factory.lastError();
    factory.close();
    const Result<QStringList> none =
        settings::factoryParams(factoryFile, settings::ParamList::Jtcy);
    ASSERT_FALSE(none);
    EXPECT_EQ(none.errorText(), settings::kNoFactoryParams);
    const Result<QStringList> unreadable =
        settings::factoryParams(dm.DbDir + u"缺少.db"_s, settings::ParamList::Rzyy);
    ASSERT_FALSE(unreadable);
    EXPECT_FALSE(unreadable.errorText().isEmpty());
}

// An edited rank or education level is changed in its own row, which keeps the columns the
// dialog does not show; a removed entry's row goes, an added one is a new row.
TEST_F(SoftwareSettings, EditedListsKeepTheColumnsNotShown) {
    using List = QList<settings::LeveledName> settings::SoftwareSettings::*;
    const struct {
        QString table;
        QString name;
        QString level;
        List list;
    } cases[] = {
        {u"tb_zj"_s, u"zjmc"_s, u"level1"_s, &settings::SoftwareSettings::ranks},
        {u"tb_xl"_s, u"xl"_s, u"v"_s, &settings::SoftwareSettings::educations},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.table.toStdString());
        ASSERT_TRUE(dm.db().execNative(u"alter table "_s + c.table + u" add column kept integer"_s))
            << dm.db().lastError();
        ASSERT_TRUE(dm.db().exec(u"update "_s + c.table + u" set kept="_s + c.level + u"+1000"_s));
        const int rows = scalarInt(u"select count(*) from "_s + c.table);
        settings::SoftwareSettings s = loaded();
        QList<settings::LeveledName>& list = s.*c.list;
        ASSERT_GE(list.size(), 3);
        const settings::LeveledName renamed = list.at(0);
        const settings::LeveledName releveled = list.at(1);
        const settings::LeveledName removed = list.at(2);
        list[0].name += u"（改）"_s;
        list[1].level += 7;
        list.removeAt(2);
        list.append({u"新增"_s, 4321});
        ASSERT_TRUE(settings::saveSettings(dm, s));

        const auto row = [&](const QString& name) {
            const auto found = dm.db().query(u"select "_s + c.level + u",kept from "_s + c.table +
                                                 u" where "_s + c.name + u"=?"_s,
                                             {name});
            EXPECT_TRUE(found) << dm.db().lastError();
            return found ? found->rows : std::vector<QVariantList>{};
        };
        EXPECT_EQ(row(renamed.name + u"（改）"_s),
                  (std::vector<QVariantList>{{renamed.level, renamed.level + 1000}}));
        EXPECT_EQ(row(releveled.name),
                  (std::vector<QVariantList>{{releveled.level + 7, releveled.level + 1000}}));
        EXPECT_EQ(row(removed.name), std::vector<QVariantList>{});
        EXPECT_EQ(row(u"新增"_s), (std::vector<QVariantList>{{4321, QVariant()}}));
        EXPECT_EQ(scalarInt(u"select count(*) from "_s + c.table), rows);
        EXPECT_EQ(scalarInt(u"select count(*) from "_s + c.table + u" where kept is null"_s), 1);
        EXPECT_EQ(loaded().*c.list, list);
    }
}

}  // namespace

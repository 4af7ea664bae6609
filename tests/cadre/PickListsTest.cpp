#include <gtest/gtest.h>

#include <optional>

#include "cadre/PickLists.h"
#include "db/Database.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

using namespace Qt::StringLiterals;

class PickLists : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(db.open(home.makeWorkingDatabase())) << db.lastError();
        for (const QString& table : {u"tb_zj"_s, u"tb_degree"_s, u"tb_xl"_s, u"tb_cadre"_s}) {
            ASSERT_TRUE(db.exec(u"delete * from "_s + table)) << db.lastError();
        }
        ASSERT_TRUE(
            db.exec(u"delete * from tb_conf where GID in ('GBSF','RMZT','单位性质',"
                    "'AUTOSAVE','ZWLOCK')"_s))
            << db.lastError();
    }

    void exec(const QString& statement, const QVariantList& params) {
        EXPECT_TRUE(db.exec(statement, params)) << db.lastError();
    }
    void addConf(const QString& gid, const QString& item, const QVariant& value) {
        exec(u"insert into tb_conf (GID,ItemID,ItemV) values (?,?,?)"_s, {gid, item, value});
    }
    // `count` cadres with the given birth and native places.
    void addCadres(int count, const QVariant& jgsheng, const QVariant& cssheng = {}) {
        for (int i = 0; i < count; ++i) {
            exec(u"insert into tb_cadre (xm,jgsheng,cssheng) values ('某',?,?)"_s,
                 {jgsheng, cssheng});
        }
    }
    void addNamed(const QString& name, int count) {
        for (int i = 0; i < count; ++i) {
            exec(u"insert into tb_cadre (xm) values (?)"_s, {name});
        }
    }

    TestHome home;
    db::Database db;
};

TEST_F(PickLists, ReadsEachListInItsOrderLeavingOutEmptyValues) {
    exec(u"insert into tb_zj (zjmc,level1) values (?,?),(?,?),(?,?),(?,?)"_s,
         {u"正处级"_s, 5, u"副部级"_s, 2, u"科员"_s, 9, u""_s, 1});
    exec(u"insert into tb_degree (degree,degreeid) values (?,1),(?,2)"_s, {u"博士"_s, u"硕士"_s});
    exec(u"insert into tb_xl (xl,v) values (?,3),(?,4),(?,5)"_s,
         {u"大学"_s, QVariant(), u"研究生"_s});
    addConf(u"GBSF"_s, u"参照公务员"_s, u"02"_s);
    addConf(u"GBSF"_s, u"公务员"_s, u"01"_s);
    addConf(u"GBSF"_s, u"事业"_s, u"03"_s);
    addConf(u"RMZT"_s, u"考察"_s, u"2"_s);
    addConf(u"RMZT"_s, u"酝酿"_s, u"1"_s);
    addConf(u"单位性质"_s, u"机关"_s, u"1"_s);
    addConf(u"单位性质"_s, u"事业单位"_s, u"2"_s);

    const cadre::PickLists lists = cadre::loadPickLists(db).value();
    EXPECT_EQ(lists.ranks, (QStringList{u"副部级"_s, u"正处级"_s, u"科员"_s}));
    EXPECT_EQ(lists.degrees, (QStringList{u"博士"_s, u"硕士"_s}));
    EXPECT_EQ(lists.educations, (QStringList{u"大学"_s, u"研究生"_s}));
    EXPECT_EQ(lists.categories, (QStringList{u"公务员"_s, u"参照公务员"_s, u"事业"_s}));
    EXPECT_EQ(lists.stages, (QStringList{u"酝酿"_s, u"考察"_s}));
    EXPECT_EQ(lists.unitNatures, (QStringList{u"机关"_s, u"事业单位"_s}));
    EXPECT_TRUE(lists.nativePlaces.isEmpty());
    EXPECT_TRUE(lists.birthPlaces.isEmpty());
}

TEST_F(PickLists, PlacesComeMostFrequentFirst) {
    addCadres(1, u"浙江杭州"_s, u"山东济南"_s);
    addCadres(3, u"江苏南京"_s, u"山东济南"_s);
    addCadres(4, QVariant(), u"北京"_s);
    addCadres(2, u"山东济南"_s, u""_s);
    addCadres(5, u""_s, u"北京"_s);

    const cadre::PickLists lists = cadre::loadPickLists(db).value();
    EXPECT_EQ(lists.nativePlaces, (QStringList{u"江苏南京"_s, u"山东济南"_s, u"浙江杭州"_s}));
    EXPECT_EQ(lists.birthPlaces, (QStringList{u"北京"_s, u"山东济南"_s}));
}

TEST_F(PickLists, SaveLayoutFlagIsPerUserAndOnUnlessSetOtherwise) {
    const struct {
        const char* what;
        std::optional<QString> own;  // the user's AUTOSAVE value; nullopt: no row
        bool expected;
    } cases[] = {
        {"no row", std::nullopt, true}, {"1", u"1"_s, true},        {"0", u"0"_s, false},
        {"empty", u""_s, false},        {"True", u"True"_s, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        exec(u"delete * from tb_conf where GID='AUTOSAVE'"_s, {});
        addConf(u"AUTOSAVE"_s, u"8"_s, u"0"_s);  // another user's choice
        addConf(u"AUTOSAVE"_s, u"70"_s, u"0"_s);
        if (c.own) {
            addConf(u"AUTOSAVE"_s, u"7"_s, *c.own);
        }
        EXPECT_EQ(cadre::saveLayoutOnExit(db, 7).value(), c.expected);
    }
}

TEST_F(PickLists, PostLockFlagNeedsAZwlockRowHoldingOne) {
    EXPECT_FALSE(cadre::postsLocked(db).value());
    addConf(u"ZWLOCK"_s, u"A"_s, u"0"_s);
    EXPECT_FALSE(cadre::postsLocked(db).value());
    addConf(u"其他"_s, u"A"_s, u"1"_s);
    EXPECT_FALSE(cadre::postsLocked(db).value());
    addConf(u"ZWLOCK"_s, u"B"_s, u"1"_s);
    EXPECT_TRUE(cadre::postsLocked(db).value());
}

TEST_F(PickLists, DuplicateNamesFiveToALine) {
    EXPECT_EQ(cadre::duplicateNamesMessage(db).value(), u"无姓名重复."_s);
    addNamed(u"单一"_s, 1);
    addNamed(u""_s, 2);
    EXPECT_EQ(cadre::duplicateNamesMessage(db).value(), u"无姓名重复."_s);

    const QString names[] = {u"张A"_s, u"张B"_s, u"张C"_s, u"张D"_s, u"张E"_s, u"张F"_s, u"张G"_s};
    for (int i = 0; i < 7; ++i) {
        addNamed(names[i], 2 + i % 2);
    }
    addNamed(u"张H"_s, 1);
    EXPECT_EQ(cadre::duplicateNamesMessage(db).value(),
              u"以下干部姓名重复.\n张A;\t张B;\t张C;\t张D;\t张E;\t\n张F;\t张G;\t"_s);
}

TEST_F(PickLists, DuplicateNamesReportsAnUnreadableTable) {
    ASSERT_TRUE(db.exec(u"drop table tb_cadre"_s));
    EXPECT_FALSE(cadre::duplicateNamesMessage(db));
}

}  // namespace

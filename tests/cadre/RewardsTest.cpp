#include <gtest/gtest.h>

#include "CadreData.h"
#include "cadre/CodeSets.h"
#include "cadre/Rewards.h"

namespace {

class RewardsTest : public CadreData {
  protected:
    void SetUp() override {
        CadreData::SetUp();
        run(QStringLiteral("delete from tb_jc"));
    }
    QStringList listed(const QString& kind) {
        QStringList names;
        const auto rows = db().query(cadre::rewardListStatement(1, kind));
        for (size_t i = 0; i < rows->rows.size(); ++i) {
            names << rows->value(i, QStringLiteral("jcmc")).toString();
        }
        return names;
    }
};

TEST_F(RewardsTest, EachTabListsItsKindOfTheCadresOwnRecordsByDate) {
    cadre::RewardRecord record;
    record.cadreId = 1;
    record.kind = cadre::kRewardKind;
    record.name = QStringLiteral("嘉奖");
    record.date = QDate(2020, 5, 1);
    record.honourLevel = QStringLiteral("1");
    ASSERT_TRUE(cadre::saveReward(db(), record));
    record.name = QStringLiteral("记功");
    record.date = QDate(2018, 5, 1);
    ASSERT_TRUE(cadre::saveReward(db(), record));
    record.kind = cadre::kPunishmentKind;
    record.name = QStringLiteral("警告");
    const Result<int> punishment = cadre::saveReward(db(), record);
    ASSERT_TRUE(punishment);
    // A record kept for someone else than a cadre (dxType 1) is not listed.
    run(QStringLiteral("insert into tb_jc (cid,dxType,jclbx,jcmc) values (1,1,'奖类','集体奖')"));

    EXPECT_EQ(listed(cadre::kRewardKind), (QStringList{u"记功"_qs, u"嘉奖"_qs}));
    EXPECT_EQ(listed(cadre::kPunishmentKind), QStringList{u"警告"_qs});
    // A punishment keeps no honour level.
    EXPECT_FALSE(db().scalar(QStringLiteral("select A14Z207 from tb_jc where id=?"), {*punishment})
                     ->isValid());

    ASSERT_TRUE(cadre::deleteReward(db(), 1, *punishment));
    EXPECT_TRUE(listed(cadre::kPunishmentKind).isEmpty());
}

TEST_F(RewardsTest, EditingKeepsTheRecordAndRefusesAnotherCadres) {
    cadre::RewardRecord record;
    record.cadreId = 1;
    record.kind = cadre::kRewardKind;
    record.name = QStringLiteral("嘉奖");
    const int id = *cadre::saveReward(db(), record);
    auto read = cadre::readReward(db(), 1, id);
    ASSERT_TRUE(read && read->has_value());
    cadre::RewardRecord edited = **read;
    edited.reason = QStringLiteral("工作表现突出");
    ASSERT_TRUE(cadre::saveReward(db(), edited));
    EXPECT_EQ((*cadre::readReward(db(), 1, id))->reason, u"工作表现突出"_qs);
    edited.cadreId = 2;
    EXPECT_EQ(cadre::saveReward(db(), edited).failure().message, cadre::kRecordGone);
}

TEST_F(RewardsTest, TheNamePickerFollowsTheCategory) {
    const auto names = [this](const QString& kind, const QString& category) {
        const auto choices = cadre::rewardNameChoices(db(), kind, category);
        EXPECT_TRUE(choices) << choices.errorText();
        return choices ? *choices : QStringList();
    };
    const QStringList titles = names(cadre::kRewardKind, u"荣誉称号"_qs);
    EXPECT_TRUE(titles.contains(u"劳动模范"_qs));
    EXPECT_FALSE(titles.contains(u"国家级"_qs));  // a level, not a title
    EXPECT_FALSE(titles.contains(u"五一劳动奖章"_qs));
    EXPECT_TRUE(names(cadre::kRewardKind, u"荣誉奖章"_qs).contains(u"五一劳动奖章"_qs));
    const QStringList discipline = names(cadre::kPunishmentKind, u"纪律处分"_qs);
    EXPECT_FALSE(discipline.isEmpty());
    EXPECT_FALSE(discipline.contains(u"有期徒刑"_qs));
    EXPECT_TRUE(names(cadre::kPunishmentKind, u"刑事处罚"_qs).contains(u"有期徒刑"_qs));
    EXPECT_TRUE(names(cadre::kRewardKind, u"没有的类别"_qs).isEmpty());
}

}  // namespace

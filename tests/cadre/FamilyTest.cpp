#include <gtest/gtest.h>

#include "CadreData.h"
#include "cadre/Family.h"

namespace {

class FamilyTest : public CadreData {
  protected:
    void SetUp() override {
        CadreData::SetUp();
        run(QStringLiteral("delete from tb_family where CadreID=1"));
    }

    int add(const QString& name, const QString& month = {}) {
        cadre::FamilyMember member;
        member.cadreId = 1;
        member.relation = QStringLiteral("子女");
        member.name = name;
        member.birthMonth = month;
        const Result<int> id = cadre::saveFamilyMember(dm, member);
        EXPECT_TRUE(id) << id.errorText();
        return id ? *id : 0;
    }

    // The cadre's members as the page lists them, "name:order".
    QStringList members() {
        QStringList list;
        const auto rows = db().query(cadre::familyListStatement(1));
        for (size_t i = 0; i < rows->rows.size(); ++i) {
            list << rows->value(i, QStringLiteral("xm")).toString() + u':' +
                        rows->value(i, QStringLiteral("ford")).toString();
        }
        return list;
    }
};

TEST_F(FamilyTest, MovingSwapsTheOrdersOfTwoNeighbours) {
    add(QStringLiteral("甲"));
    add(QStringLiteral("乙"));
    const int third = add(QStringLiteral("丙"));
    ASSERT_TRUE(cadre::moveFamilyMember(db(), 1, third, -1));
    EXPECT_EQ(members(), (QStringList{u"甲:1"_qs, u"丙:2"_qs, u"乙:3"_qs}));
    // At either end nothing moves.
    ASSERT_TRUE(cadre::moveFamilyMember(db(), 1, third, -1));
    ASSERT_TRUE(cadre::moveFamilyMember(db(), 1, third, -1));
    EXPECT_EQ(members(), (QStringList{u"丙:1"_qs, u"甲:2"_qs, u"乙:3"_qs}));
}

TEST_F(FamilyTest, AMoveWhoseSecondWriteFailsLeavesBothOrders) {
    add(QStringLiteral("甲"));
    const int second = add(QStringLiteral("乙"));
    // The neighbour's new order is written second; refusing it must take the first write back.
    ASSERT_TRUE(db().execNative(
        QStringLiteral("create trigger refuse_order before update of ford on tb_family "
                       "when new.xm='甲' begin select raise(abort, 'refused'); end")));
    const Result<void> moved = cadre::moveFamilyMember(db(), 1, second, -1);
    EXPECT_FALSE(moved);
    EXPECT_TRUE(moved.errorText().contains(QStringLiteral("refused"))) << moved.errorText();
    EXPECT_EQ(members(), (QStringList{u"甲:1"_qs, u"乙:2"_qs}));
    EXPECT_EQ(db().transactionDepth(), 0);
}

TEST_F(FamilyTest, NineMembersKeepTheirOrderThroughAddMoveAndDelete) {
    QList<int> ids;
    for (int i = 1; i <= 9; ++i) {
        ids << add(QStringLiteral("成员%1").arg(i));
    }
    ASSERT_TRUE(cadre::moveFamilyMember(db(), 1, ids[8], -1));  // 9 before 8
    ASSERT_TRUE(cadre::moveFamilyMember(db(), 1, ids[0], 1));   // 1 after 2
    ASSERT_TRUE(cadre::deleteFamilyMember(db(), 1, ids[4]));
    add(QStringLiteral("成员10"));
    EXPECT_EQ(members(), (QStringList{u"成员2:1"_qs, u"成员1:2"_qs, u"成员3:3"_qs, u"成员4:4"_qs,
                                      u"成员6:6"_qs, u"成员7:7"_qs, u"成员9:8"_qs, u"成员8:9"_qs,
                                      u"成员10:10"_qs}));
}

TEST_F(FamilyTest, BirthMonthsAreCheckedAndStoredTwice) {
    const int id = add(QStringLiteral("甲"), QStringLiteral("1965.3"));
    EXPECT_EQ(db().scalar(QStringLiteral("select cssjStr from tb_family where FamilyID=?"), {id})
                  ->toString(),
              u"1965.03"_qs);
    EXPECT_EQ(
        db().scalar(QStringLiteral("select cssj from tb_family where FamilyID=?"), {id})->toDate(),
        QDate(1965, 3, 1));

    auto member = cadre::readFamilyMember(db(), 1, id);
    ASSERT_TRUE(member && member->has_value());
    cadre::FamilyMember edited = **member;
    for (const QString& bad : {u"65.3"_qs, u"1965.13"_qs, u"1899.12"_qs, u"某年"_qs}) {
        edited.birthMonth = bad;
        const Result<int> saved = cadre::saveFamilyMember(dm, edited);
        ASSERT_FALSE(saved) << bad.toStdString();
        EXPECT_EQ(saved.failure().message, cadre::kBadFamilyBirthMonth);
    }
    EXPECT_EQ(db().scalar(QStringLiteral("select cssjStr from tb_family where FamilyID=?"), {id})
                  ->toString(),
              u"1965.03"_qs);
    edited.birthMonth.clear();
    ASSERT_TRUE(cadre::saveFamilyMember(dm, edited));
    EXPECT_FALSE(db().scalar(QStringLiteral("select cssj from tb_family where FamilyID=?"), {id})
                     ->isValid());
}

TEST_F(FamilyTest, AnotherCadresMemberIsNeitherEditedNorMoved) {
    const int id = add(QStringLiteral("甲"));
    cadre::FamilyMember other;
    other.cadreId = 2;
    other.familyId = id;
    other.name = QStringLiteral("乙");
    const Result<int> saved = cadre::saveFamilyMember(dm, other);
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.failure().message, cadre::kFamilyMemberGone);
    const Result<void> moved = cadre::moveFamilyMember(db(), 2, id, 1);
    ASSERT_FALSE(moved);
    EXPECT_EQ(moved.failure().message, cadre::kFamilyMemberGone);
    EXPECT_EQ(members(), QStringList{u"甲:1"_qs});
}

}  // namespace

#include <gtest/gtest.h>

#include "MembershipData.h"
#include "app/DataModule.h"
#include "db/Database.h"
#include "support/QtPrinters.h"
#include "units/Membership.h"

namespace {

class MembershipTest : public MembershipData {};

TEST_F(MembershipTest, EnsureMemberAppendsOneRowWithItsFlagsWritten) {
    struct Case {
        units::MemberFlags flags;
        int bind;
        int nobz;
    };
    const Case cases[] = {
        {{false, true}, 0, 0}, {{true, true}, 1, 0}, {{true, false}, 1, 1}, {{false, false}, 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bind * 2 + c.nobz);
        db::Transaction undo(dm.db());
        const int next = dm.NextMemberOrder(3).value();
        const Result<bool> added = units::ensureMember(dm, 1, 3, c.flags);
        ASSERT_TRUE(added) << added.errorText();
        EXPECT_TRUE(*added);
        const auto stored = dm.db().query(QStringLiteral(
            "select zwOrder, bind, nobz from tb_cadre_node where dwID=3 and ZwCadreID=1"));
        ASSERT_EQ(stored->rows.size(), 1U);
        // Stored as numbers, never null.
        EXPECT_EQ(stored->rows[0], (QVariantList{next, c.bind, c.nobz}));

        // A member already: nothing changes.
        const auto before = memberships();
        const Result<bool> again = units::ensureMember(dm, 1, 3, {!c.flags.bind, true});
        ASSERT_TRUE(again);
        EXPECT_FALSE(*again);
        EXPECT_EQ(memberships(), before);
    }
}

TEST_F(MembershipTest, EnsureMemberReportsAFailure) {
    ASSERT_TRUE(dm.db().execNative(
        QStringLiteral("create trigger refuse before insert on tb_cadre_node begin select "
                       "raise(abort, 'refused'); end")));
    const auto before = memberships();
    const Result<bool> added = units::ensureMember(dm, 1, 3, {});
    ASSERT_FALSE(added);
    EXPECT_TRUE(added.failure().dbError.contains(QStringLiteral("refused")));
    EXPECT_EQ(memberships(), before);
}

TEST_F(MembershipTest, SavingWritesTheMonthItsFirstDayAndTheStaffingFlag) {
    struct Case {
        const char* entered;
        bool inStaffing;
        const char* storedText;
        QDate date;  // invalid: stored as null
    };
    const Case cases[] = {{"2012.7", false, "2012.07", QDate(2012, 7, 1)},
                          {" 2015.03 ", true, "2015.03", QDate(2015, 3, 1)},
                          {"2016-4", true, "2016.04", QDate(2016, 4, 1)},
                          {"", true, "", QDate()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entered);
        const int orderBefore = row(3, 2).order;
        const auto outcome =
            units::saveMembership(dm, 3, 2, QString::fromUtf8(c.entered), c.inStaffing);
        ASSERT_TRUE(outcome) << outcome.failure().message.toStdString()
                             << dm.db().lastError().toStdString();
        const Row r = row(3, 2);
        EXPECT_EQ(r.count, 1);
        EXPECT_EQ(r.order, orderBefore);
        EXPECT_EQ(r.entered, QString::fromUtf8(c.storedText));
        EXPECT_EQ(r.date.toDate(), c.date);
        EXPECT_EQ(r.date.isNull(), !c.date.isValid());
        EXPECT_EQ(r.nobz, !c.inStaffing);
        const auto read = units::readMembership(dm.db(), 3, 2);
        ASSERT_TRUE(read.ok() && read->has_value());
        EXPECT_EQ((*read)->unitName, QStringLiteral("某市人民政府"));
        EXPECT_EQ((*read)->entered, QString::fromUtf8(c.storedText));
        EXPECT_EQ((*read)->inStaffing, c.inStaffing);
    }
}

TEST_F(MembershipTest, ANewMembershipComesLastInTheUnitOnce) {
    const int next = dm.NextMemberOrder(3).value();
    ASSERT_GT(next, 1);
    EXPECT_FALSE(units::readMembership(dm.db(), 3, 1).value().has_value());
    const auto first = units::saveMembership(dm, 3, 1, QStringLiteral("2020.01"), true);
    ASSERT_TRUE(first);
    EXPECT_EQ(row(3, 1).order, next);
    EXPECT_EQ(
        (*first),
        dm.db()
            .scalar(QStringLiteral("select CnID from tb_cadre_node where dwID=3 and ZwCadreID=1"))
            ->toInt());
    // Saving again edits the same row.
    ASSERT_TRUE(units::saveMembership(dm, 3, 1, QStringLiteral("2021.01"), true));
    EXPECT_EQ(row(3, 1).count, 1);
    EXPECT_EQ(row(3, 1).order, next);
    EXPECT_EQ(row(3, 1).entered, QStringLiteral("2021.01"));
}

TEST_F(MembershipTest, NoUnitOrABadMonthIsRefusedAndWritesNothing) {
    const auto before = memberships();
    struct Case {
        int unit;
        const char* entered;
        QString message;
    };
    const Case cases[] = {
        {0, "2012.07", units::kChooseUnit},       {3, "2012.13", units::kBadEntryMonth},
        {3, "12.7", units::kBadEntryMonth},       {3, "1850.01", units::kBadEntryMonth},
        {3, "2012.07.01", units::kBadEntryMonth}, {4, "abc", units::kBadEntryMonth}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entered);
        const auto outcome =
            units::saveMembership(dm, c.unit, 1, QString::fromUtf8(c.entered), false);
        EXPECT_FALSE(outcome);
        EXPECT_EQ(outcome.failure().message, c.message);
    }
    EXPECT_EQ(memberships(), before);
}

TEST_F(MembershipTest, MovingARowShiftsTheRowsBetween) {
    const QList<int> before = cadresInOrder(8);
    ASSERT_EQ(before.size(), 7);
    // Row 5 to row 2: the cadres at 2, 3, 4 move down one place.
    ASSERT_TRUE(units::moveMemberTo(dm, 8, before[4], 5, 2));
    EXPECT_EQ(cadresInOrder(8), (QList<int>{before[0], before[4], before[1], before[2], before[3],
                                            before[5], before[6]}));
    EXPECT_EQ(orders(8), (QList<int>{1, 2, 3, 4, 5, 6, 7}));
    // And back: row 2 to row 5.
    ASSERT_TRUE(units::moveMemberTo(dm, 8, before[4], 2, 5));
    EXPECT_EQ(cadresInOrder(8), before);
    EXPECT_EQ(orders(8), (QList<int>{1, 2, 3, 4, 5, 6, 7}));
    // Other units are untouched by the shifts.
    EXPECT_EQ(orders(7), (QList<int>{1, 2, 3, 4, 5, 6}));
}

TEST_F(MembershipTest, SwappingExchangesTheOrdersOfTwoRows) {
    const auto row = [this](int cadre) {
        return dm.db()
            .query(QStringLiteral("select zwOrder, CnID from tb_cadre_node where dwID=12 and "
                                  "ZwCadreID=%1")
                       .arg(cadre))
            ->rows[0];
    };
    const QVariantList a = row(36);
    const QVariantList b = row(37);
    ASSERT_TRUE(
        units::swapMemberOrders(dm, a[0].toInt(), a[1].toInt(), b[0].toInt(), b[1].toInt()));
    EXPECT_EQ(cadresInOrder(12), (QList<int>{35, 37, 36, 38}));
}

TEST_F(MembershipTest, AddingMembersAppendsBoundRowsAndSkipsMembers) {
    const auto added = units::addMembers(dm, 12, {1, 36, 2, 1});
    ASSERT_TRUE(added) << added.errorText();
    EXPECT_EQ(*added, 2);
    EXPECT_EQ(cadresInOrder(12), (QList<int>{35, 36, 37, 38, 1, 2}));
    EXPECT_EQ(orders(12), (QList<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(dm.db()
                  .scalar(QStringLiteral("select count(*) from tb_cadre_node where dwID=12 and "
                                         "bind=True and ZwCadreID in (1,2)"))
                  ->toInt(),
              2);
}

}  // namespace

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/DataModule.h"
#include "db/Database.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "units/Membership.h"
#include "units/ui/TAtDwForm.h"
#include "units/ui/TSelectDwForm.h"
#include "units/ui/UnitTreeWidget.h"

namespace {

// In the sample data cadre 2 (何  国) belongs to units 1 (order 2) and 3 (order 1); unit 3 has
// further members. Cadre 1 belongs to unit 1 only. Unit 8 has 7 members with orders 1..7, unit 7
// 6 members, unit 12 cadres 35..38 at orders 1..4.
class MembershipTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }
    struct Row {
        int count = 0;
        int order = 0;
        QString entered;
        QVariant date;
        bool nobz = false;
    };
    Row row(int unit, int cadre) {
        const auto r = dm.db().query(
            QStringLiteral("select zwOrder, jrsjStr, jrsj, nobz from tb_cadre_node where dwID=%1 "
                           "and ZwCadreID=%2")
                .arg(unit)
                .arg(cadre));
        Row out;
        out.count = static_cast<int>(r->rows.size());
        if (out.count > 0) {
            out.order = r->rows[0].value(0).toInt();
            out.entered = r->rows[0].value(1).toString();
            out.date = r->rows[0].value(2);
            out.nobz = r->rows[0].value(3).toBool();
        }
        return out;
    }
    std::vector<QVariantList> memberships() {
        return dm.db().query(QStringLiteral("select * from tb_cadre_node order by CnID"))->rows;
    }
    // The cadres of unit `unit` by order, as (cadre, order) pairs.
    std::vector<QVariantList> members(int unit) {
        return dm.db()
            .query(QStringLiteral("select ZwCadreID, zwOrder from tb_cadre_node where dwID=%1 "
                                  "order by zwOrder, ZwCadreID")
                       .arg(unit))
            ->rows;
    }
    QList<int> cadresInOrder(int unit) {
        QList<int> ids;
        for (const QVariantList& row : members(unit)) {
            ids << row.value(0).toInt();
        }
        return ids;
    }
    QList<int> orders(int unit) {
        QList<int> values;
        for (const QVariantList& row : members(unit)) {
            values << row.value(1).toInt();
        }
        return values;
    }

    TestHome home;
    TDataM dm{home.path()};
    RecordingMessageService messages;
};

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

TEST_F(MembershipTest, TheDialogShowsTheMembershipAndWritesTheUnitChosenInIt) {
    ASSERT_TRUE(units::saveMembership(dm, 3, 2, QStringLiteral("2022.05"), false));
    TAtDwForm dialog(dm);
    dialog.start(2, 3);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("所在单位及编制"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblName"))->text(),
              QStringLiteral("何  国"));
    auto* unitBox = dialog.findChild<QLineEdit*>(QStringLiteral("edtUnit"));
    EXPECT_EQ(unitBox->text(), QStringLiteral("市政府\\"));
    auto* entered = dialog.findChild<QLineEdit*>(QStringLiteral("edtEntered"));
    auto* inStaffing = dialog.findChild<QCheckBox*>(QStringLiteral("chkInStaffing"));
    EXPECT_EQ(entered->text(), QStringLiteral("2022.05"));
    EXPECT_FALSE(inStaffing->isChecked());

    // A bad month is refused and the dialog stays.
    entered->setText(QStringLiteral("2022.5.9x"));
    dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    EXPECT_EQ(messages.texts(), QStringList{units::kBadEntryMonth});
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(row(3, 2).entered, QStringLiteral("2022.05"));

    // Another unit chosen in the picker: its membership is written (created, as the last one).
    const int next = dm.NextMemberOrder(12).value();
    QTest::mouseClick(unitBox, Qt::LeftButton);
    auto* picker = dialog.findChild<TSelectDwForm*>();
    ASSERT_NE(picker, nullptr);
    ASSERT_TRUE(picker->tree()->selectUnit(12));
    Q_EMIT picker->tree()->itemDoubleClicked(picker->tree()->currentItem(), 0);
    EXPECT_EQ(unitBox->text(), QStringLiteral("市政府\\发改委\\"));
    entered->setText(QStringLiteral("2023.1"));
    inStaffing->setChecked(true);
    dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const Row created = row(12, 2);
    EXPECT_EQ(created.count, 1);
    EXPECT_EQ(created.order, next);
    EXPECT_EQ(created.entered, QStringLiteral("2023.01"));
    EXPECT_FALSE(created.nobz);
    EXPECT_GT(dialog.savedMembershipId(), 0);
    // The membership the dialog opened on is untouched.
    EXPECT_EQ(row(3, 2).entered, QStringLiteral("2022.05"));
}

TEST_F(MembershipTest, ANewMembershipInTheDialogCountsInStaffingAtFirst) {
    TAtDwForm dialog(dm);
    dialog.start(1, 0);
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("edtUnit"))->text(), QString());
    EXPECT_TRUE(dialog.findChild<QCheckBox*>(QStringLiteral("chkInStaffing"))->isChecked());
    dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    EXPECT_EQ(messages.texts(), QStringList{units::kChooseUnit});
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

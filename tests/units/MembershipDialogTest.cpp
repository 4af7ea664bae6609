#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "MembershipData.h"
#include "support/QtPrinters.h"
#include "units/Membership.h"
#include "units/ui/TAtDwForm.h"
#include "units/ui/TSelectDwForm.h"
#include "units/ui/UnitTreeWidget.h"

namespace {

class MembershipDialogTest : public MembershipData {};

TEST_F(MembershipDialogTest, TheDialogShowsTheMembershipAndWritesTheUnitChosenInIt) {
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

TEST_F(MembershipDialogTest, ANewMembershipInTheDialogCountsInStaffingAtFirst) {
    TAtDwForm dialog(dm);
    dialog.start(1, 0);
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("edtUnit"))->text(), QString());
    EXPECT_TRUE(dialog.findChild<QCheckBox*>(QStringLiteral("chkInStaffing"))->isChecked());
    dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    EXPECT_EQ(messages.texts(), QStringList{units::kChooseUnit});
}

}  // namespace

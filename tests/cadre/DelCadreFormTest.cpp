#include <gtest/gtest.h>

#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "cadre/PostEnding.h"
#include "cadre/ui/TDelCadreForm.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"

namespace {

using cadre::RemovalWay;

template <class Widget>
Widget* child(QDialog& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

TEST(DelCadreFormTest, ShowsTheCadreAndTheThreeWaysWithTheFirstChosen) {
    TDelCadreForm dialog(QStringLiteral("何  国"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("干部信息删除?"));
    EXPECT_EQ(child<QLabel>(dialog, "lblCadre")->text(),
              QStringLiteral("确认删除干部信息：何  国"));
    EXPECT_EQ(child<QLabel>(dialog, "lblNote")->text(),
              QStringLiteral("注意，如需保留保留任职记录，请先“免除职务”。"));
    EXPECT_EQ(child<QGroupBox>(dialog, "grpWay")->title(), QStringLiteral(" 删除方式 "));
    EXPECT_EQ(child<QRadioButton>(dialog, "rbRemoveWithDate")->text(),
              QStringLiteral("免职并从单位中移除,免职时间"));
    EXPECT_EQ(child<QRadioButton>(dialog, "rbRemoveDeletePosts")->text(),
              QStringLiteral("从当前单位中移除，并删除任职信息（干部信息保留）"));
    EXPECT_EQ(child<QRadioButton>(dialog, "rbDeleteAll")->text(), QStringLiteral("完全删除"));
    EXPECT_EQ(child<QPushButton>(dialog, "btnOK")->text(), QStringLiteral("确 定"));
    EXPECT_EQ(child<QPushButton>(dialog, "btnCancel")->text(), QStringLiteral("取 消"));

    EXPECT_TRUE(child<QRadioButton>(dialog, "rbRemoveWithDate")->isChecked());
    EXPECT_EQ(dialog.way(), RemovalWay::RemoveWithRemovalDate);
    const QString thisMonth = QDate::currentDate().toString(QStringLiteral("yyyy.MM"));
    EXPECT_EQ(child<QLineEdit>(dialog, "edtRemovalDate")->text(), thisMonth);
    EXPECT_EQ(dialog.removalMonthText(), thisMonth);
}

TEST(DelCadreFormTest, ReportsTheWayChosenAndTheMonthTyped) {
    struct Case {
        const char* button;
        RemovalWay way;
        bool dateEnabled;
    };
    const Case cases[] = {{"rbDeleteAll", RemovalWay::DeleteCompletely, false},
                          {"rbRemoveDeletePosts", RemovalWay::RemoveAndDeletePosts, false},
                          {"rbRemoveWithDate", RemovalWay::RemoveWithRemovalDate, true}};
    TDelCadreForm dialog(QStringLiteral("刘  成"));
    auto* date = child<QLineEdit>(dialog, "edtRemovalDate");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        child<QRadioButton>(dialog, c.button)->click();
        EXPECT_EQ(dialog.way(), c.way);
        EXPECT_EQ(date->isEnabled(), c.dateEnabled);
    }
    date->setText(QStringLiteral("2012.10"));
    EXPECT_EQ(dialog.removalMonthText(), QStringLiteral("2012.10"));
}

TEST(DelCadreFormTest, OkAcceptsAndCancelRejects) {
    TDelCadreForm accepted(QStringLiteral("刘  成"));
    ModalAnswer<TDelCadreForm> answerOk([](TDelCadreForm* d) {
        d->findChild<QRadioButton*>(QStringLiteral("rbRemoveDeletePosts"))->click();
        d->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    });
    EXPECT_EQ(accepted.exec(), QDialog::Accepted);
    EXPECT_TRUE(answerOk.seen());
    EXPECT_EQ(accepted.way(), RemovalWay::RemoveAndDeletePosts);

    TDelCadreForm rejected(QStringLiteral("刘  成"));
    ModalAnswer<TDelCadreForm> answerCancel(
        [](TDelCadreForm* d) { d->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click(); });
    EXPECT_EQ(rejected.exec(), QDialog::Rejected);
    EXPECT_TRUE(answerCancel.seen());
}

TEST(DelCadreFormTest, ARemovalMonthThatIsNoMonthKeepsTheDialogOpen) {
    RecordingMessageService messages;
    TDelCadreForm dialog(QStringLiteral("刘  成"));
    dialog.show();
    auto* date = child<QLineEdit>(dialog, "edtRemovalDate");
    auto* ok = child<QPushButton>(dialog, "btnOK");
    for (const char* bad : {"2026.13", "abc", "65.03"}) {
        SCOPED_TRACE(bad);
        messages.clear();
        date->setText(QString::fromUtf8(bad));
        ok->click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(messages.texts(), QStringList{cadre::kBadRemovalMonth});
    }
    // The month only counts for the way that uses it.
    child<QRadioButton>(dialog, "rbRemoveDeletePosts")->click();
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    child<QRadioButton>(dialog, "rbRemoveWithDate")->click();
    date->setText(QStringLiteral("2026.1"));
    dialog.show();
    messages.clear();
    ok->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(messages.texts().isEmpty());
}

}  // namespace

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/DataModule.h"
#include "app/ui/TDbSetForm.h"
#include "main/ui/TMainForm.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"

namespace {

QLineEdit* edit(QWidget& form, const char* name) {
    return form.findChild<QLineEdit*>(QString::fromLatin1(name));
}

void click(QWidget& form, const char* name) {
    QTest::mouseClick(form.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}

TEST(DbSetForm, ShowsAndStoresTheServerSettings) {
    TestHome home;
    TDataM dm(home.path());
    dm.PutSetting(QStringLiteral("DBServer"), QStringLiteral("server1"));
    TDbSetForm form(dm);
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("数据库设置"));
    EXPECT_EQ(edit(form, "cxTextEdit1")->text(), QStringLiteral("server1"));
    EXPECT_EQ(edit(form, "cxTextEdit3")->echoMode(), QLineEdit::Password);
    edit(form, "cxTextEdit2")->setText(QStringLiteral("sa"));
    edit(form, "cxTextEdit3")->setText(QStringLiteral("p'w"));
    click(form, "cxButton1");
    EXPECT_EQ(form.result(), QDialog::Accepted);
    TDataM other(home.path());
    EXPECT_EQ(other.GetSetting(QStringLiteral("DBUser")), QStringLiteral("sa"));
    EXPECT_EQ(other.GetSetting(QStringLiteral("DBPwd")), QStringLiteral("p'w"));
}

TEST(DbSetForm, InstallingAsksFirstAndReportsThatNoServerAnswered) {
    TestHome home;
    TDataM dm(home.path());
    RecordingMessageService messages;
    TDbSetForm form(dm);
    form.show();
    messages.answerNext(false);
    click(form, "cxButton2");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, RecordingMessageService::Shown::Kind::Confirmation);
    messages.clear();
    messages.answerNext(true);
    click(form, "cxButton2");
    EXPECT_EQ(messages.texts().last(),
              QStringLiteral("安装失败，当前主机不是服务器，或者输入的服务器名称错误"));
    EXPECT_TRUE(form.isVisible());
}

TEST(DbSetForm, ConfirmedSettingsRestartTheProgram) {
    TestHome home;
    TDataM dm(home.path());
    RecordingMessageService messages;
    TMainForm mainForm(dm);
    QSignalSpy restart(&mainForm, &TMainForm::restartRequested);
    QTimer::singleShot(0, [] { click(*QApplication::activeModalWidget(), "cxButton1"); });
    mainForm.findChild<QAction*>(QStringLiteral("actDbSettings"))->trigger();
    EXPECT_EQ(restart.count(), 1);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("软件将重新启动。")});
}

}  // namespace

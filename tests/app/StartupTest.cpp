#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/Login.h"
#include "app/Startup.h"
#include "db/Database.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"

namespace {

// Start-up as the program runs it, with its windows answered from timers.
class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        db::Database db;
        ASSERT_TRUE(db.open(home_.makeWorkingDatabase()));
        ASSERT_TRUE(db.exec(QStringLiteral("delete * from tb_manager")));
        ASSERT_TRUE(db.exec(
            QStringLiteral("insert into tb_manager (userName,pw,usertype) values ('张三',?,0)"),
            {app::passwordDigest(QStringLiteral("abc"), QStringLiteral("张三"))}));
    }

    int run() { return app::runProgram({home_.path(), lock_.filePath(QStringLiteral("l"))}); }

    static bool anyWindowVisible() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) {
                return true;
            }
        }
        return false;
    }

    // Answers the login dialog once it is showing.
    static void answerLogin(const QString& name, const QString& password, const char* button) {
        QTimer::singleShot(0, [=] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QLineEdit*>(QStringLiteral("cxTextEdit1"))->setText(name);
            dialog->findChild<QLineEdit*>(QStringLiteral("cxTextEdit2"))->setText(password);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(button)),
                              Qt::LeftButton);
        });
    }

    TestHome home_;
    QTemporaryDir lock_;
    RecordingMessageService messages_;
};

TEST_F(StartupTest, ALoggedInUserGetsTheMainWindowWithHisName) {
    answerLogin(QStringLiteral("张三"), QStringLiteral("abc"), "cxButton2");
    QString userText;
    QTimer::singleShot(200, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == u"MainForm" && w->isVisible()) {
                userText = w->findChild<QLabel*>(QStringLiteral("userLabel"))->text();
                EXPECT_EQ(w->windowTitle(), QStringLiteral("干部管理系统"));
                w->close();
            }
        }
    });
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(userText, QStringLiteral("当前用户：张三"));
    EXPECT_FALSE(anyWindowVisible());
}

TEST_F(StartupTest, ACancelledLoginEndsWithoutAWindow) {
    answerLogin(QString(), QString(), "cxButton1");
    EXPECT_EQ(run(), 1);
    EXPECT_FALSE(anyWindowVisible());
    EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(StartupTest, ADatabaseThatCannotBeOpenedEndsWithTheMessage) {
    QFile broken(QDir(home_.dbDir()).filePath(QStringLiteral("Cadre.db")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write(QByteArray(4096, 'x'));
    broken.close();
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(messages_.texts(), QStringList{QStringLiteral("执行错误,打开数据库失败.")});
    EXPECT_FALSE(anyWindowVisible());
}

}  // namespace

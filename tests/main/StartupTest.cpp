#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "app/Login.h"
#include "app/SingleInstance.h"
#include "app/ui/TDbSetForm.h"
#include "app/ui/TForm1.h"
#include "db/Database.h"
#include "exchange/AutoBackup.h"
#include "main/ui/Startup.h"
#include "support/ModalAnswer.h"
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

    QString lockPath() const { return lock_.filePath(QStringLiteral("l")); }
    int run(std::function<void()> startAgain = {}) {
        return mainwin::runProgram({home_.path(), lockPath(), std::move(startAgain)});
    }

    static QWidget* visibleMainForm() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == u"MainForm" && w->isVisible()) {
                return w;
            }
        }
        return nullptr;
    }

    static bool anyWindowVisible() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) {
                return true;
            }
        }
        return false;
    }

    // Acts once on the main window as soon as it shows and the program's event loop runs,
    // however long the start takes, and stops looking when it goes out of scope. Acting while
    // the window still shows (its start duties process events) would close it before the loop
    // that is to end with it has begun.
    class OnMainForm {
      public:
        explicit OnMainForm(std::function<void(QWidget*)> act) : act_(std::move(act)) {
            QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
                QWidget* form = visibleMainForm();
                if (form != nullptr && QThread::currentThread()->loopLevel() > 0 &&
                    QApplication::activeModalWidget() == nullptr) {
                    timer_.stop();
                    act_(form);
                }
            });
            timer_.start(10);
        }

      private:
        std::function<void(QWidget*)> act_;
        QTimer timer_;
    };

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
    OnMainForm closing([&](QWidget* form) {
        userText = form->findChild<QLabel*>(QStringLiteral("userLabel"))->text();
        EXPECT_EQ(form->windowTitle(), QStringLiteral("干部管理系统"));
        form->close();
    });
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(userText, QStringLiteral("当前用户：张三"));
    EXPECT_FALSE(anyWindowVisible());
}

// A first start, the database made from the template, goes through the wizard before the main
// window; the start check, with nobody to answer, goes straight to the main window.
TEST_F(StartupTest, AFirstStartShowsTheWizardUnlessItIsAStartCheck) {
    for (const bool check : {false, true}) {
        SCOPED_TRACE(check);
        ASSERT_TRUE(QFile::remove(QDir(home_.dbDir()).filePath(QStringLiteral("Cadre.db"))));
        bool wizardShown = false;
        ModalAnswer<TForm1> wizard([&](TForm1* dialog) {
            wizardShown = true;
            EXPECT_EQ(visibleMainForm(), nullptr);
            dialog->reject();
        });
        // The closing ends with this pass, so that it cannot reach a later window.
        OnMainForm closing([](QWidget* form) { form->close(); });
        mainwin::StartupOptions options{home_.path(), lockPath()};
        options.closeOnceShown = check;
        EXPECT_EQ(mainwin::runProgram(options), 0);
        EXPECT_EQ(wizardShown, !check);
        EXPECT_FALSE(anyWindowVisible());
    }
}

// A data folder just made is not asked for a backup when it closes: the period counts from the
// day its database was made until the first backup, and then the backup is offered.
TEST_F(StartupTest, ADataFolderMadeTodayIsOfferedItsFirstBackupOnceThePeriodHasPassed) {
    const QString working = QDir(home_.dbDir()).filePath(QStringLiteral("Cadre.db"));
    ASSERT_TRUE(QFile::remove(working));
    {
        ModalAnswer<TForm1> wizard([](TForm1* dialog) { dialog->reject(); });
        OnMainForm closing([](QWidget* form) { form->close(); });
        EXPECT_EQ(run(), 0);
        EXPECT_TRUE(wizard.seen());
    }
    EXPECT_FALSE(messages_.texts().contains(exchange::kAskBackup))
        << messages_.texts().join(u'|').toStdString();
    {
        db::Database db;
        ASSERT_TRUE(db.open(working));
        EXPECT_EQ(exchange::databaseMadeDate(db).value(), QDate::currentDate());
        // The same folder, made as many days ago as the default period.
        ASSERT_TRUE(db.exec(QStringLiteral("update tb_conf set ItemV=? where GID=? and ItemID=?"),
                            {QDate::currentDate()
                                 .addDays(-exchange::kDefaultPeriodDays)
                                 .toString(QStringLiteral("yyyy-MM-dd")),
                             exchange::kSettingsGroup, exchange::kMadeItem}));
    }
    OnMainForm closing([](QWidget* form) { form->close(); });
    messages_.answerNext(false);  // the backup asked on exit
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(messages_.texts().count(exchange::kAskBackup), 1);
}

// After "数据库设置" the program starts again, but only once this copy has closed: the window
// gone with its layout saved and the backup asked, the database closed, the lock free.
TEST_F(StartupTest, ARestartStartsTheNewCopyOnlyAfterThisOneHasClosed) {
    answerLogin(QStringLiteral("张三"), QStringLiteral("abc"), "cxButton2");
    messages_.answerNext(true);  // the backup asked on exit
    ModalAnswer<TDbSetForm> settings([](TDbSetForm* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cxButton1")),
                          Qt::LeftButton);
    });
    OnMainForm settingsChosen([](QWidget* form) {
        form->findChild<QAction*>(QStringLiteral("actDbSettings"))->trigger();
    });
    int started = 0;
    const auto startAgain = [&] {
        ++started;
        EXPECT_FALSE(anyWindowVisible());
        EXPECT_EQ(visibleMainForm(), nullptr);
        EXPECT_TRUE(messages_.texts().contains(exchange::kAskBackup));
        EXPECT_EQ(QDir(home_.path() + QStringLiteral("/自动备份")).entryList(QDir::Files).size(),
                  1);
        db::Database db;
        ASSERT_TRUE(db.open(QDir(home_.dbDir()).filePath(QStringLiteral("Cadre.db"))));
        EXPECT_GT(db.scalar(QStringLiteral("select count(*) from tb_custom_width"))->toInt(), 0);
        // The lock is free for the new copy.
        app::SingleInstance next(lockPath());
        EXPECT_TRUE(next.acquire());
    };
    EXPECT_EQ(run(startAgain), 0);
    EXPECT_EQ(started, 1);
    EXPECT_EQ(messages_.texts().first(), QStringLiteral("软件将重新启动。"));
}

// Qt's own texts, such as the standard buttons of the message boxes, are in Chinese.
TEST_F(StartupTest, QtsOwnTextsAreChinese) {
    answerLogin(QStringLiteral("张三"), QStringLiteral("abc"), "cxButton2");
    QString ok;
    QString cancel;
    OnMainForm closing([&](QWidget* form) {
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        ok = buttons.button(QDialogButtonBox::Ok)->text();
        cancel = buttons.button(QDialogButtonBox::Cancel)->text();
        form->close();
    });
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(ok, QStringLiteral("确定"));
    EXPECT_EQ(cancel, QStringLiteral("取消"));
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

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTreeWidget>

#include "app/DataModule.h"
#include "app/ui/TReInitForm.h"
#include "db/Database.h"
#include "exchange/AutoBackup.h"
#include "exchange/DataTransfer.h"
#include "exchange/DatabaseBackup.h"
#include "exchange/HandheldExport.h"
#include "exchange/ui/DatabaseCommands.h"
#include "exchange/ui/TPDAForm.h"
#include "exchange/ui/TransferForms.h"
#include "main/ui/TMainForm.h"
#include "schema/Reinitialise.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"

namespace {

using namespace Qt::StringLiterals;

const QString kNoRight = u"无操作权限，请联系管理员！"_s;

// The main window on the sample database, with file dialogs that answer from the test.
class DatabaseCommandsWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        form = std::make_unique<TMainForm>(dm);
        commands()->setOpenFileChooser(
            [this](QWidget*, const QString&, const QString&, const QString&) {
                ++chooserCalls;
                return openAnswer;
            });
        commands()->setSaveFileChooser(
            [this](QWidget*, const QString&, const QString&, const QString&) {
                ++chooserCalls;
                return saveAnswer;
            });
    }

    DatabaseCommands* commands() { return form->databaseCommands(); }
    void trigger(const char* action) { child<QAction>(*form, action)->trigger(); }
    QString file(const QString& name) const { return QDir(home.path()).filePath(name); }
    int cadresNamed(const QString& name) {
        const Result<QVariant> n =
            dm.db().scalar(u"select count(*) from tb_cadre where xm=?"_s, {name});
        EXPECT_TRUE(n) << n.errorText();
        return n ? n->toInt() : -1;
    }
    void exec(const QString& statement) {
        ASSERT_TRUE(dm.db().exec(statement)) << dm.db().lastError();
    }

    TestHome home;
    TDataM dm{home.path() + u'/'};
    RecordingMessageService messages;
    std::unique_ptr<TMainForm> form;
    QString openAnswer;
    QString saveAnswer;
    int chooserCalls = 0;
};

TEST_F(DatabaseCommandsWindow, BackupThenRestoreThroughTheMenuAndStartAgain) {
    QSignalSpy restart(form.get(), &TMainForm::restartRequested);
    exec(u"insert into tb_cadre (xm) values ('备份时在')"_s);
    saveAnswer = file(u"手工备份"_s);
    messages.answerNext(true);
    trigger("actBackup");
    EXPECT_EQ(messages.texts(), (QStringList{exchange::kAskManualBackup, exchange::kBackupDone}));
    ASSERT_TRUE(QFileInfo::exists(file(u"手工备份.vhbak"_s)));

    exec(u"delete * from tb_cadre where xm='备份时在'"_s);
    messages.clear();
    openAnswer = file(u"手工备份.vhbak"_s);
    messages.answerNext(true);
    trigger("actRestore");
    EXPECT_EQ(messages.texts(), (QStringList{exchange::kAskRestore, exchange::kRestoreDone}));
    EXPECT_EQ(restart.count(), 1);
    ASSERT_TRUE(dm.db().isOpen());
    EXPECT_EQ(cadresNamed(u"备份时在"_s), 1);
    EXPECT_EQ(QDir(file(exchange::kKeptCopiesFolder)).entryList(QDir::Files).size(), 1);
}

TEST_F(DatabaseCommandsWindow, DeclinedOrRefusedRestoreChangesNothing) {
    QSignalSpy restart(form.get(), &TMainForm::restartRequested);
    exec(u"insert into tb_cadre (xm) values ('原有')"_s);
    trigger("actRestore");  // the question is declined
    trigger("actBackup");
    EXPECT_EQ(chooserCalls, 0);

    QFile text(file(u"文本.vhbak"_s));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("不是数据库");
    text.close();
    openAnswer = text.fileName();
    messages.clear();
    messages.answerNext(true);
    trigger("actRestore");
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[1].kind, RecordingMessageService::Shown::Kind::Error);
    EXPECT_TRUE(messages.shown()[1].text.startsWith(exchange::kNotADatabase));
    EXPECT_EQ(restart.count(), 0);
    EXPECT_EQ(cadresNamed(u"原有"_s), 1);
}

TEST_F(DatabaseCommandsWindow, EveryCommandAsksForItsRight) {
    exec(u"insert into tb_conf (GID,ItemID,ItemV,ItemV2) values ('RIGHT','7','DBBACKUP','0')"_s);
    exec(u"insert into tb_conf (GID,ItemID,ItemV,ItemV2) values ('RIGHT','7','DBRESTORE','0')"_s);
    exec(u"insert into tb_conf (GID,ItemID,ItemV,ItemV2) values ('RIGHT','7','PDA','0')"_s);
    dm.session().ManagerID = 7;
    for (const char* action : {"actBackup", "actRestore", "actRestoreSingle", "actImportAccess",
                               "actBackupSingle", "actHandheld", "actReinitialise"}) {
        SCOPED_TRACE(action);
        messages.clear();
        messages.answerNext(true);
        trigger(action);
        EXPECT_EQ(messages.texts(), QStringList{kNoRight});
    }
    EXPECT_EQ(chooserCalls, 0);
}

// "重新初始化" deletes the working database only once confirmed, keeps a copy of it, and starts
// the program again (whose start makes it anew and runs the wizard).
TEST_F(DatabaseCommandsWindow, ReinitialisationKeepsACopyOfTheDeletedDatabase) {
    QSignalSpy restart(form.get(), &TMainForm::restartRequested);
    const QString working = dm.db().path();
    const int cadres = dm.CadreCount().value();
    {
        ModalAnswer<TReInitForm> cancel([](TReInitForm* dialog) {
            EXPECT_EQ(dialog->windowTitle(), u"初始化确认"_s);
            EXPECT_FALSE(child<QPushButton>(dialog, "btnOk")->isEnabled());
            child<QPushButton>(dialog, "btnCancel")->click();
        });
        trigger("actReinitialise");
        EXPECT_TRUE(cancel.seen());
    }
    EXPECT_EQ(restart.count(), 0);
    EXPECT_TRUE(dm.db().isOpen());
    ModalAnswer<TReInitForm> confirm([](TReInitForm* dialog) {
        child<QCheckBox>(dialog, "cbConfirm")->setChecked(true);
        child<QPushButton>(dialog, "btnOk")->click();
    });
    trigger("actReinitialise");
    EXPECT_TRUE(confirm.seen());
    EXPECT_EQ(messages.texts(), QStringList{schema::kReinitialised});
    EXPECT_EQ(restart.count(), 1);
    EXPECT_FALSE(QFileInfo::exists(working));
    const QStringList kept = QDir(file(exchange::kKeptCopiesFolder)).entryList(QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    db::Database copy;
    ASSERT_TRUE(copy.open(QDir(file(exchange::kKeptCopiesFolder)).filePath(kept.front())));
    EXPECT_EQ(copy.scalar(u"select count(*) from tb_cadre"_s)->toInt(), cadres);
}

TEST_F(DatabaseCommandsWindow, CompactionAsksThenStartsAgain) {
    QSignalSpy restart(form.get(), &TMainForm::restartRequested);
    trigger("actCompact");
    EXPECT_EQ(restart.count(), 0) << "declined";
    messages.clear();
    messages.answerNext(true);
    trigger("actCompact");
    EXPECT_EQ(messages.texts(), (QStringList{exchange::kAskCompact, exchange::kCompactDone}));
    EXPECT_EQ(restart.count(), 1);
    EXPECT_TRUE(dm.db().isOpen());
    EXPECT_GT(cadresNamed(u"马广龙"_s), 0);
}

TEST_F(DatabaseCommandsWindow, TransferToASingleFileAndBackThroughTheWindows) {
    QSignalSpy restart(form.get(), &TMainForm::restartRequested);
    exec(u"insert into tb_cadre (xm) values ('导出时在')"_s);
    const QString single = file(u"单机版.db"_s);
    {
        ModalAnswer<TSQLToAccessForm> answer([&](TSQLToAccessForm* window) {
            EXPECT_EQ(window->windowTitle(), exchange::kExportToSingleCaption);
            child<QPushButton>(window, "btnOK")->click();  // no file named yet: stays open
            EXPECT_TRUE(window->isVisible());
            child<QLineEdit>(window, "edtPath")->setText(single);
            child<QPushButton>(window, "btnOK")->click();
        });
        trigger("actBackupSingle");
        EXPECT_TRUE(answer.seen());
    }
    EXPECT_EQ(messages.texts(), (QStringList{exchange::kNoTargetChosen, exchange::kTransferDone}));
    ASSERT_TRUE(QFileInfo::exists(single));

    exec(u"delete * from tb_cadre where xm='导出时在'"_s);
    messages.clear();
    openAnswer = single;
    {
        ModalAnswer<TAccessToSQLForm> answer([&](TAccessToSQLForm* window) {
            EXPECT_EQ(window->windowTitle(), exchange::kRestoreFromSingleCaption);
            child<QPushButton>(window, "btnBrowse")->click();
            EXPECT_EQ(QDir::fromNativeSeparators(window->filePath()), single);
            child<QPushButton>(window, "btnOK")->click();
        });
        trigger("actRestoreSingle");
        EXPECT_TRUE(answer.seen());
    }
    EXPECT_EQ(messages.texts(), QStringList{exchange::kRestoreDone});
    EXPECT_EQ(restart.count(), 1);
    EXPECT_EQ(cadresNamed(u"导出时在"_s), 1);
}

// The automatic backup is offered on closing whether or not the layout is saved, and not after
// the working database was replaced.
TEST_F(DatabaseCommandsWindow, ClosingOffersTheAutomaticBackupUnlessTheDatabaseWasReplaced) {
    form->show();
    form->close();
    EXPECT_EQ(messages.texts(), QStringList{exchange::kAskBackup});

    form = std::make_unique<TMainForm>(dm);
    form->show();
    messages.clear();
    messages.answerNext(true);
    trigger("actCompact");
    form->close();
    EXPECT_EQ(messages.texts(), (QStringList{exchange::kAskCompact, exchange::kCompactDone}));
}

TEST_F(DatabaseCommandsWindow, HandheldWizardWalksThePagesAndBuildsTheDeviceDatabase) {
    const QString output = file(u"设备.db"_s);
    saveAnswer = output;
    {
        ModalAnswer<TPDAForm> answer([&](TPDAForm* wizard) {
            EXPECT_EQ(wizard->windowTitle(), exchange::kHandheldCaption);
            auto* next = child<QPushButton>(wizard, "btnNext");
            next->click();
            EXPECT_EQ(wizard->currentPage(), TPDAForm::Filter);
            next->click();
            EXPECT_EQ(wizard->currentPage(), TPDAForm::Contents) << "全部 needs no units";
            child<QPushButton>(wizard, "btnPrev")->click();
            child<QRadioButton>(wizard, "rbPart")->setChecked(true);
            next->click();
            ASSERT_EQ(wizard->currentPage(), TPDAForm::Units);
            auto* units = child<QTreeWidget>(wizard, "tvUnits");
            ASSERT_GT(units->topLevelItemCount(), 0);
            units->topLevelItem(0)->setCheckState(0, Qt::Checked);
            next->click();
            child<QCheckBox>(wizard, "chkPhoto")->setChecked(true);
            child<QCheckBox>(wizard, "chkFamily")->setChecked(true);
            next->click();
            child<QLineEdit>(wizard, "edtPassword")->setText(u"甲乙"_s);
            child<QLineEdit>(wizard, "edtConfirm")->setText(u"甲丙"_s);
            next->click();
            ASSERT_EQ(wizard->currentPage(), TPDAForm::Output);
            EXPECT_EQ(next->text(), u"完成"_s);
            next->click();  // passwords differ: stays
            child<QLineEdit>(wizard, "edtConfirm")->setText(u"甲乙"_s);
            child<QPushButton>(wizard, "btnBrowse")->click();
            next->click();
        });
        trigger("actHandheld");
        EXPECT_TRUE(answer.seen());
    }
    EXPECT_EQ(messages.texts(), (QStringList{exchange::kPasswordsDiffer, exchange::kHandheldDone}));
    EXPECT_TRUE(QFileInfo::exists(output));
    QSettings ini(file(u"PDA.ini"_s), QSettings::IniFormat);
    ini.beginGroup(u"PDAOUT"_s);
    EXPECT_EQ(ini.value(u"Method"_s).toString(), u"PART"_s);
    EXPECT_EQ(ini.value(u"CONTENT"_s).toString(), u"7"_s);
    EXPECT_FALSE(ini.contains(u"PWD"_s));
}

}  // namespace

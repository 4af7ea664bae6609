#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "SqliteSource.h"
#include "app/DataModule.h"
#include "db/Database.h"
#include "exchange/AccessImport.h"
#include "exchange/DatabaseBackup.h"
#include "exchange/ui/DatabaseCommands.h"
#include "exchange/ui/TAccessImportForm.h"
#include "main/ui/TMainForm.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"

namespace {

using namespace Qt::StringLiterals;

// The main window on the sample database, and an old database of version 3.5 (a copy of the
// sample with a cadre of its own and a table our schema does not know) served as the Access
// reader serves a file.
class AccessImportWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        oldPath = home.path() + u"/旧版.db"_s;
        ASSERT_TRUE(QFile::rename(home.makeWorkingDatabase(), oldPath));
        {
            db::Database old;
            ASSERT_TRUE(old.open(oldPath));
            ASSERT_TRUE(old.exec(u"insert into tb_cadre (CadreID,xm) values (900,'旧库干部')"_s));
            ASSERT_TRUE(old.exec(u"update tb_general set version=3.5"_s));
            ASSERT_TRUE(old.execNative(u"create table tb_oldnotes (id INTEGER)"_s));
        }
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        ASSERT_TRUE(dm.db().exec(u"insert into tb_cadre (CadreID,xm) values (5000,'当前干部')"_s));
        form = std::make_unique<TMainForm>(dm);
        form->databaseCommands()->setOpenFileChooser(
            [this](QWidget*, const QString&, const QString&, const QString& filter) {
                EXPECT_EQ(filter, exchange::kAccessFilter);
                return chosen;
            });
    }

    int cadresNamed(const QString& name) {
        return dm.db().scalar(u"select count(*) from tb_cadre where xm=?"_s, {name})->toInt();
    }

    static exchange::SourceOpener servingOurOwn() {
        return [](const QString& path) -> Result<std::unique_ptr<exchange::TableSource>> {
            return std::unique_ptr<exchange::TableSource>(std::make_unique<SqliteSource>(path));
        };
    }

    TestHome home;
    TDataM dm{home.path() + u'/'};
    RecordingMessageService messages;
    std::unique_ptr<TMainForm> form;
    QString oldPath;
    QString chosen;
};

TEST_F(AccessImportWindow, AnOldDatabaseReplacesTheWorkingOneAndTheReportListsWhatCameAcross) {
    QSignalSpy restart(form.get(), &TMainForm::restartRequested);
    chosen = oldPath;
    QString report;
    {
        ModalAnswer<TAccessImportForm> answer([&](TAccessImportForm* window) {
            EXPECT_EQ(window->windowTitle(), u"导入Access数据库"_s);
            window->setSourceOpener(servingOurOwn());
            child<QPushButton>(window, "btnOK")->click();  // no file named yet: stays open
            child<QPushButton>(window, "btnBrowse")->click();
            EXPECT_EQ(QDir::fromNativeSeparators(window->filePath()), oldPath);
            messages.answerNext(true);
            child<QPushButton>(window, "btnOK")->click();
            report = child<QPlainTextEdit>(window, "memReport")->toPlainText();
            EXPECT_FALSE(child<QPushButton>(window, "btnOK")->isEnabled());
            child<QPushButton>(window, "btnCancel")->click();
        });
        form->findChild<QAction*>(u"actImportAccess"_s)->trigger();
        EXPECT_TRUE(answer.seen());
    }
    EXPECT_EQ(messages.texts().first(), u"请选择要导入的Access数据库文件！"_s);
    EXPECT_EQ(messages.texts().last(), exchange::kImportDone);
    EXPECT_EQ(restart.count(), 1);
    EXPECT_EQ(cadresNamed(u"旧库干部"_s), 1);
    EXPECT_EQ(cadresNamed(u"当前干部"_s), 0);
    EXPECT_TRUE(report.startsWith(u"原数据库版本：3.5"_s)) << report;
    EXPECT_TRUE(report.contains(u"\ntb_cadre：61行"_s)) << report;
    EXPECT_TRUE(report.endsWith(u"未导入的数据表：tb_oldnotes"_s)) << report;
    const QStringList kept =
        QDir(home.path() + u'/' + exchange::kKeptCopiesFolder).entryList(QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    db::Database keptDb;
    ASSERT_TRUE(keptDb.open(home.path() + u'/' + exchange::kKeptCopiesFolder + u'/' + kept[0]));
    EXPECT_EQ(keptDb.scalar(u"select count(*) from tb_cadre where xm='当前干部'"_s)->toInt(), 1);
}

TEST_F(AccessImportWindow, ARefusedOrDeclinedImportLeavesTheWorkingDatabase) {
    QSignalSpy restart(form.get(), &TMainForm::restartRequested);
    {
        ModalAnswer<TAccessImportForm> answer([&](TAccessImportForm* window) {
            // Declined: nothing read.
            child<QLineEdit>(window, "edtPath")->setText(oldPath);
            window->setSourceOpener(servingOurOwn());
            messages.answerNext(false);
            child<QPushButton>(window, "btnOK")->click();
            // An Access file that is not one of ours, read by the Access reader.
            window->setSourceOpener(exchange::openAccessSource);
            child<QLineEdit>(window, "edtPath")
                ->setText(QStringLiteral(CADRE_ACCESS_FIXTURES "/nwind.mdb"));
            messages.answerNext(true);
            child<QPushButton>(window, "btnOK")->click();
            EXPECT_TRUE(window->isVisible());
            EXPECT_TRUE(child<QPlainTextEdit>(window, "memReport")->toPlainText().isEmpty());
            child<QPushButton>(window, "btnCancel")->click();
        });
        form->findChild<QAction*>(u"actImportAccess"_s)->trigger();
        EXPECT_TRUE(answer.seen());
    }
    ASSERT_EQ(messages.texts().size(), 3);
    EXPECT_TRUE(messages.texts()[2].startsWith(exchange::kNotOurAccessDatabase))
        << messages.texts()[2];
    EXPECT_EQ(restart.count(), 0);
    EXPECT_EQ(cadresNamed(u"当前干部"_s), 1);
    EXPECT_FALSE(QFileInfo::exists(home.path() + u'/' + exchange::kKeptCopiesFolder));
}

}  // namespace

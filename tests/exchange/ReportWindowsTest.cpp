#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>

#include "app/DataModule.h"
#include "cadre/ui/TQueryForm1.h"
#include "db/Database.h"
#include "exchange/PackageReceive.h"
#include "exchange/ReportPackage.h"
#include "exchange/ui/TToRevForm.h"
#include "exchange/ui/TToSendForm.h"
#include "main/ui/TMainForm.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "units/ui/UnitPickerEdit.h"

namespace {

using namespace Qt::StringLiterals;

const QString kNoRight = u"无操作权限，请联系管理员！"_s;

exchange::FileChooser answering(const QString& path) {
    return [path](QWidget*, const QString&, const QString&, const QString&) { return path; };
}

QByteArray fileDigest(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

// A subordinate body (the sample organisation) and its superior, whose database holds the same
// units but, of the cadres, only 刘  成 without his birth month.
class ReportWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sender.db().open(home.makeWorkingDatabase())) << sender.db().lastError();
        superiorPath = QDir(home.dbDir()).filePath(u"Superior.db"_s);
        ASSERT_TRUE(QFile::copy(QDir(home.dbDir()).filePath(u"Empty.db"_s), superiorPath));
        ASSERT_TRUE(superior.db().open(superiorPath)) << superior.db().lastError();
        for (const char* table :
             {"tb_cadre", "tb_family", "tb_cadre_zw", "tb_cadre_node", "tb_kc", "tb_jc"}) {
            ASSERT_TRUE(superior.db().exec(u"delete * from "_s + QString::fromLatin1(table)));
        }
        ASSERT_TRUE(superior.db().exec(
            u"insert into tb_cadre (CadreID,xm,csnyStr,Classid) values (70,'刘  成','',0)"_s));
    }

    // Sends the cadres whose names start with `text` through the sender's menu "数据报送".
    void send(const QString& text) {
        TMainForm window(sender);
        ModalAnswer<TToSendForm> wizard([&](TToSendForm* form) {
            // Picking the same cadres again adds none twice.
            for (int round = 0; round < 2; ++round) {
                ModalAnswer<TQueryForm1> pick([&](TQueryForm1* picker) {
                    child<QLineEdit>(picker, "edtText")->insert(text);
                    auto* candidates = child<QTableWidget>(picker, "gridCandidates");
                    for (int row = 0; row < candidates->rowCount(); ++row) {
                        candidates->selectRow(row);
                        child<QPushButton>(picker, "btnRight")->click();
                    }
                    child<QPushButton>(picker, "btnOK")->click();
                });
                child<QPushButton>(form, "btnAdd")->click();
                EXPECT_TRUE(pick.seen());
                if (round == 0) {
                    sentCount = child<QTableWidget>(form, "gridCadres")->rowCount();
                }
            }
            EXPECT_EQ(child<QTableWidget>(form, "gridCadres")->rowCount(), sentCount);
            EXPECT_EQ(child<QLabel>(form, "lblCount")->text(),
                      u"合计:"_s + QString::number(sentCount));
            child<QPushButton>(form, "btnNext")->click();
            EXPECT_FALSE(child<QCheckBox>(form, "chkCadre")->isEnabled());
            child<QCheckBox>(form, "chkRewards")->setChecked(false);
            child<QPushButton>(form, "btnNext")->click();
            auto* next = child<QPushButton>(form, "btnNext");
            EXPECT_EQ(next->text(), u"完成"_s);
            EXPECT_TRUE(
                child<QLineEdit>(form, "edtFile")->text().endsWith(u"中共某市委员会.sdb"_s));
            form->setFileChooser(answering(QDir(home.path()).filePath(u"上报"_s)));
            child<QPushButton>(form, "btnBrowse")->click();
            next->click();
        });
        child<QAction>(window, "actSend")->trigger();
        ASSERT_TRUE(wizard.seen());
    }

    QString package() const { return QDir(home.path()).filePath(u"上报.sdb"_s); }

    int count(db::Database& db, const QString& sql) { return db.scalar(sql)->toInt(); }

    // The states of the review list and its ticked names.
    static QStringList reviewRows(TToRevForm* form) {
        auto* grid = child<QTableWidget>(form, "gridReview");
        QStringList rows;
        for (int row = 0; row < grid->rowCount(); ++row) {
            rows << grid->item(row, 1)->text() + u':' + grid->item(row, 2)->text() + u':' +
                        (grid->item(row, 0)->checkState() == Qt::Checked ? u"通过"_s : u""_s);
        }
        return rows;
    }

    static void openPackage(TToRevForm* form, const QString& file) {
        form->setFileChooser(answering(file));
        child<QPushButton>(form, "btnBrowse")->click();
        child<QPushButton>(form, "btnNext")->click();
    }

    TestHome home;
    TDataM sender{home.path() + u'/'};
    TDataM superior{home.path() + u'/'};
    QString superiorPath;
    RecordingMessageService messages;
    int sentCount = 0;
};

TEST_F(ReportWindows, TheSubordinateSendsAndTheSuperiorReceivesIntoAUnit) {
    send(u"刘"_s);
    ASSERT_GE(sentCount, 2);
    EXPECT_EQ(messages.texts(), QStringList{exchange::kSendDone});
    ASSERT_TRUE(QFile::exists(package()));
    messages.clear();

    TMainForm window(superior);
    ModalAnswer<TToRevForm> wizard([&](TToRevForm* form) {
        openPackage(form, package());
        ASSERT_EQ(child<QStackedWidget>(form, "pages")->currentIndex(), 1);
        EXPECT_TRUE(child<QLabel>(form, "lblOrigin")->text().contains(u"某市委组织部"_s));
        const QStringList rows = reviewRows(form);
        ASSERT_EQ(rows.size(), sentCount);
        EXPECT_EQ(rows.count(u"更改:刘  成:"_s), 1) << rows.join(u'|');
        child<QPushButton>(form, "btnAllPass")->click();
        child<QPushButton>(form, "btnPassNew")->click();
        EXPECT_EQ(reviewRows(form).filter(u"通过"_s).size(), sentCount - 1);
        EXPECT_TRUE(reviewRows(form).contains(u"更改:刘  成:"_s));
        child<QPushButton>(form, "btnPassChanged")->click();
        EXPECT_EQ(reviewRows(form).filter(u"通过"_s), QStringList{u"更改:刘  成:通过"_s});
        child<QPushButton>(form, "btnAllPass")->click();
        child<QPushButton>(form, "btnNext")->click();
        EXPECT_FALSE(child<QCheckBox>(form, "chkPosts")->isEnabled());
        child<QPushButton>(form, "btnNext")->click();
        form->findChild<UnitPickerEdit*>()->setUnit(8);
        child<QPushButton>(form, "btnNext")->click();
        auto* next = child<QPushButton>(form, "btnNext");
        EXPECT_EQ(next->text(), u"确定"_s);
        next->click();
    });
    child<QAction>(window, "actReceive")->trigger();
    ASSERT_TRUE(wizard.seen());
    EXPECT_EQ(messages.texts(), QStringList{exchange::receivedMessage(sentCount - 1, 1)});
    EXPECT_EQ(count(superior.db(), u"select count(*) from tb_cadre"_s), sentCount);
    EXPECT_EQ(count(superior.db(), u"select count(*) from tb_cadre_node where dwID=8"_s),
              sentCount);
    EXPECT_EQ(superior.db().scalar(u"select csnyStr from tb_cadre where CadreID=70"_s)->toString(),
              u"1968.01"_s);
    // Rewards were not sent; assessments were.
    EXPECT_EQ(count(superior.db(), u"select count(*) from tb_jc"_s), 0);
    EXPECT_GT(count(superior.db(), u"select count(*) from tb_kc"_s), 0);
}

// The closing message of a receive names every value that the checks of incoming values changed.
TEST_F(ReportWindows, TheReceiveReportNamesEveryValueTheChecksChanged) {
    ASSERT_TRUE(
        sender.db().exec(u"update tb_cadre set tel=? where xm='刘  成'"_s, {u"0551\u001b-1"_s}));
    send(u"刘"_s);
    messages.clear();

    TMainForm window(superior);
    ModalAnswer<TToRevForm> wizard([&](TToRevForm* form) {
        openPackage(form, package());
        child<QPushButton>(form, "btnAllPass")->click();
        for (int page = 1; page <= 4; ++page) {
            child<QPushButton>(form, "btnNext")->click();
        }
    });
    child<QAction>(window, "actReceive")->trigger();
    ASSERT_TRUE(wizard.seen());
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith(exchange::receivedMessage(sentCount - 1, 1)))
        << messages.texts()[0];
    EXPECT_TRUE(messages.texts()[0].contains(u"刘  成 联系电话：已去除其中的控制字符"_s))
        << messages.texts()[0];
    EXPECT_EQ(superior.db().scalar(u"select tel from tb_cadre where CadreID=70"_s)->toString(),
              u"0551-1"_s);
}

TEST_F(ReportWindows, RefusedFilesKeepTheWizardOnItsFirstPageAndCancelWritesNothing) {
    send(u"王"_s);
    messages.clear();
    const QString text = QDir(home.path()).filePath(u"说明.sdb"_s);
    {
        QFile file(text);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("不是报送数据库");
    }
    const QByteArray before = fileDigest(superiorPath);
    TToRevForm form(superior);
    ModalAnswer<TToRevForm> wizard([&](TToRevForm* shown) {
        auto* pages = child<QStackedWidget>(shown, "pages");
        child<QPushButton>(shown, "btnNext")->click();
        EXPECT_EQ(messages.texts(), QStringList{exchange::kNoPackageChosen});
        openPackage(shown, text);
        EXPECT_EQ(pages->currentIndex(), 0);
        ASSERT_EQ(messages.texts().size(), 2);
        EXPECT_TRUE(messages.texts()[1].startsWith(exchange::kPackageNotADatabase));
        openPackage(shown, package());
        EXPECT_EQ(pages->currentIndex(), 1);
        child<QPushButton>(shown, "btnAllPass")->click();
        for (int page = 1; page < 4; ++page) {
            child<QPushButton>(shown, "btnNext")->click();
        }
        EXPECT_EQ(pages->currentIndex(), 4);
        child<QPushButton>(shown, "btnCancel")->click();
    });
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    ASSERT_TRUE(wizard.seen());
    EXPECT_EQ(fileDigest(superiorPath), before);
}

TEST_F(ReportWindows, BothCommandsAskForTheirRights) {
    for (const char* right : {"SEND", "RECIEVE"}) {
        ASSERT_TRUE(sender.db().exec(
            u"insert into tb_conf (GID,ItemID,ItemV,ItemV2) values ('RIGHT','7',?,'0')"_s,
            {QString::fromLatin1(right)}));
    }
    sender.session().ManagerID = 7;
    TMainForm window(sender);
    for (const char* action : {"actSend", "actReceive"}) {
        SCOPED_TRACE(action);
        messages.clear();
        child<QAction>(window, action)->trigger();
        EXPECT_EQ(messages.texts(), QStringList{kNoRight});
    }
}

}  // namespace

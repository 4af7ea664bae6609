#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolBox>

#include "app/DataModule.h"
#include "db/Database.h"
#include "main/ui/TMainForm.h"
#include "schema/SchemaUpgrade.h"
#include "schema/SchemaVersion.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "units/ui/UnitTreeWidget.h"
#include "widgets/ElidedLabel.h"
#include "widgets/MessageBoxService.h"

namespace {

TEST(MainForm, OpensTitledAndShowsTheDataFolder) {
    QTemporaryDir home;
    qputenv("CADRE_HOME", home.path().toUtf8());
    // No database is open: the window still opens.
    TDataM dm(home.path());
    TMainForm form(dm);
    form.showMaximized();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("干部管理系统"));
    auto* label = form.findChild<QLabel*>(QStringLiteral("dataDirLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->text().contains(home.path())) << label->text().toStdString();
    qunsetenv("CADRE_HOME");
}

// The main window on the sample database.
class MainFormOnData : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }
    void exec(const QString& sql, const QVariantList& params = {}) {
        ASSERT_TRUE(dm.db().exec(sql, params)) << dm.db().lastError();
    }

    TestHome home;
    TDataM dm{home.path()};
};

// A unit name of a hundred characters is cut short in the heading: the window stays within the
// screen and the unit tree keeps its width.
TEST_F(MainFormOnData, ALongUnitNameNeitherWidensTheWindowNorSqueezesTheTree) {
    RecordingMessageService messages;
    const QString longName = QString(QStringLiteral("某")).repeated(96) + QStringLiteral("办公室");
    exec(QStringLiteral("update tb_department set name=? where ID=12"), {longName});
    TMainForm form(dm);
    form.showMaximized();
    QApplication::processEvents();
    const QRect screen = form.screen()->availableGeometry();
    auto* nav = child<QWidget>(form, "NavBar");
    const int treeWidth = nav->width();
    ASSERT_TRUE(child<UnitTreeWidget>(form, "cxTreeView1")->selectUnit(12));
    QApplication::processEvents();
    EXPECT_LE(form.frameGeometry().width(), screen.width());
    EXPECT_LE(form.minimumSizeHint().width(), screen.width());
    EXPECT_EQ(nav->width(), treeWidth);
    auto* heading = child<ElidedLabel>(form, "lblHeading");
    EXPECT_EQ(heading->text(), longName);
    EXPECT_TRUE(heading->isElided());
    EXPECT_TRUE(messages.shown().empty());
}

// "干部重名检查" over many cadres lists the names in a scrollable window of bounded size, not
// in a message box taller than the screen.
TEST_F(MainFormOnData, ManyDuplicateNamesGoIntoAScrollableList) {
    widgets::MessageBoxService boxes;
    app::MessageService* previous = app::setMessageService(&boxes);
    {
        db::Transaction tx(dm.db());
        for (int i = 0; i < 600; ++i) {
            const QString name = QStringLiteral("重名%1").arg(i);
            exec(QStringLiteral("insert into tb_cadre (xm) values (?)"), {name});
            exec(QStringLiteral("insert into tb_cadre (xm) values (?)"), {name});
        }
        ASSERT_TRUE(tx.commit());
    }
    TMainForm form(dm);
    form.showMaximized();
    QString heading;
    QString lines;
    int scrollRange = 0;
    int height = 0;
    ModalAnswer<QDialog> answer([&](QDialog* dialog) {
        height = dialog->frameGeometry().height();
        if (auto* label = dialog->findChild<QLabel*>(QStringLiteral("heading"))) {
            heading = label->text();
        }
        if (auto* list = dialog->findChild<QPlainTextEdit*>(QStringLiteral("lines"))) {
            lines = list->toPlainText();
            scrollRange = list->verticalScrollBar()->maximum();
        }
        dialog->accept();
    });
    child<QAction>(form, "actDuplicateNames")->trigger();
    app::setMessageService(previous);
    ASSERT_TRUE(answer.seen());
    EXPECT_LE(height, form.screen()->availableGeometry().height());
    EXPECT_EQ(heading, QStringLiteral("以下干部姓名重复."));
    EXPECT_TRUE(lines.contains(QStringLiteral("重名0;\t")));
    EXPECT_TRUE(lines.contains(QStringLiteral("重名599;\t")));
    EXPECT_GT(scrollRange, 0);
}

// Opening "名册管理" drops the lines of rosters when there is no roster at all; when the rosters
// cannot be counted, the failure is shown and every line stays.
TEST_F(MainFormOnData, RosterLinesStayWhenTheRostersCannotBeCounted) {
    RecordingMessageService messages;
    exec(QStringLiteral("delete * from tb_beadroll"));
    exec(QStringLiteral("insert into tb_beadroll_detail (McCadreID,mcID,brOrder) values (1,9,1)"));
    exec(QStringLiteral("insert into tb_beadroll_mirror (McCadreID,mcID,brOrder) values (1,9,1)"));
    ASSERT_TRUE(dm.db().execNative(QStringLiteral("DROP TABLE tb_beadroll")));
    TMainForm form(dm);
    form.showMaximized();
    messages.clear();
    auto* nav = child<QToolBox>(form, "NavBar");
    nav->setCurrentIndex(2);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, RecordingMessageService::Shown::Kind::Error);
    EXPECT_TRUE(messages.shown()[0].text.contains(QStringLiteral("tb_beadroll")));
    for (const char* table : {"tb_beadroll_detail", "tb_beadroll_mirror"}) {
        EXPECT_EQ(dm.db()
                      .scalar(QStringLiteral("select count(*) from ") + QString::fromLatin1(table))
                      ->toInt(),
                  1)
            << table;
    }
    // With the rosters readable and none there, the lines go.
    nav->setCurrentIndex(0);
    exec(
        QStringLiteral("CREATE TABLE tb_beadroll ([id] Counter, mcName TEXT(255), mcdesc memo, "
                       "mcpy TEXT(50), timeYear INTEGER, timeModify DATETIME, mirror BIT)"));
    messages.clear();
    nav->setCurrentIndex(2);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(dm.db().scalar(QStringLiteral("select count(*) from tb_beadroll_detail"))->toInt(),
              0);
}

// A database of version 3.5 without the tables and columns that came later is upgraded when the
// main window first shows, after a dated copy of the old file.
TEST_F(MainFormOnData, AnOldDatabaseIsUpgradedAtTheFirstShowing) {
    RecordingMessageService messages;
    ASSERT_TRUE(dm.db().execNative(QStringLiteral("drop table tb_file"))) << dm.db().lastError();
    ASSERT_TRUE(dm.db().execNative(QStringLiteral("alter table tb_rmmc_detail drop column cbdw")));
    exec(QStringLiteral("update tb_general set version=3.5"));
    TMainForm form(dm);
    form.showMaximized();
    QApplication::processEvents();
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_DOUBLE_EQ(dm.db().scalar(QStringLiteral("select version from tb_general"))->toDouble(),
                     schema::kSchemaVersion);
    EXPECT_TRUE(dm.db().hasTable(QStringLiteral("tb_file")));
    EXPECT_TRUE(dm.db().hasColumn(QStringLiteral("tb_rmmc_detail"), QStringLiteral("cbdw")));
    EXPECT_TRUE(QFileInfo::exists(dm.AppDir + schema::upgradeBackupName(QDate::currentDate())));
    EXPECT_TRUE(QFileInfo::exists(dm.AppDir + QStringLiteral("空白模板")));
}

}  // namespace

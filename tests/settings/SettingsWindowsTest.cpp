#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "cadre/LibraryMove.h"
#include "cadre/PickLists.h"
#include "cadre/ui/TSwitchForm.h"
#include "db/Database.h"
#include "exchange/AutoBackup.h"
#include "main/ui/TMainForm.h"
#include "settings/ExportFolder.h"
#include "settings/SoftwareSettings.h"
#include "settings/StandardCheck.h"
#include "settings/ui/TConfForm.h"
#include "settings/ui/TStdCheckForm.h"
#include "settings/ui/TWakeForm.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "units/ui/TZwjForm.h"
#include "widgets/ExportProposal.h"

namespace {

using namespace Qt::StringLiterals;

class SettingsWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }
    void exec(const QString& sql) { ASSERT_TRUE(dm.db().exec(sql)) << dm.db().lastError(); }

    TestHome home;
    TDataM dm{home.path() + u'/'};
    RecordingMessageService messages;
};

// "参数设置" opens the dialog; what is changed there is what the program reads afterwards.
TEST_F(SettingsWindows, ParametersMenuEditsTheSettings) {
    TMainForm main(dm);
    bool seen = false;
    ModalAnswer<QDialog> answer([&](QDialog* dialog) {
        seen = dialog->objectName() == u"TConfForm"_s;
        child<QComboBox>(dialog, "cbUserType")->setCurrentIndex(7);
        child<QSpinBox>(dialog, "spinMale")->setValue(62);
        child<QCheckBox>(dialog, "chkZwLock")->setChecked(true);
        child<QCheckBox>(dialog, "chkBackup")->setChecked(false);
        child<QSpinBox>(dialog, "spinKeep")->setValue(3);
        child<QLineEdit>(dialog, "edtCategory")->setText(u"新类别"_s);
        child<QPushButton>(dialog, "btnAddCategory")->click();
        child<QPushButton>(dialog, "btnOK")->click();
    });
    child<QAction>(main, "actParameters")->trigger();
    ASSERT_TRUE(seen);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(settings::retirementAges(dm.db())->male, 62);
    EXPECT_TRUE(*cadre::postsLocked(dm.db()));
    EXPECT_FALSE(exchange::autoBackupEnabled(dm));
    EXPECT_EQ(*exchange::backupKeepCount(dm.db()), 3);
    const auto stored = settings::loadSettings(dm);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->userType, 7);
    EXPECT_TRUE(stored->postCategories.contains(u"新类别"_s));
}

// A user without the right PARAM does not get the dialog.
TEST_F(SettingsWindows, ParametersNeedTheirRight) {
    dm.session().ManagerID = 9;
    exec(u"insert into tb_conf (GID,ItemID,ItemV,ItemV2) values ('RIGHT','9','PARAM','0')"_s);
    TMainForm main(dm);
    child<QAction>(main, "actParameters")->trigger();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, admin::kNoRight);
}

// Two cadre types of one name keep the dialog open with the message and write nothing.
TEST_F(SettingsWindows, DuplicateTypeNamesAreRefusedInTheDialog) {
    TConfForm form(dm);
    child<QLineEdit>(form, "edtName")->setText(u"新名称"_s);
    child<QLineEdit>(form, "edtType1")->setText(u"同名"_s);
    child<QLineEdit>(form, "edtType4")->setText(u"同名"_s);
    form.show();
    child<QPushButton>(form, "btnOK")->click();
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, settings::kDuplicateFieldNames);
    EXPECT_NE(settings::loadSettings(dm)->organisation, u"新名称"_s);
}

// "确 定" with the lock box untouched keeps the locks clerks set on single cadres.
TEST_F(SettingsWindows, SavingLeavesHandSetCadreLocks) {
    exec(u"insert into tb_cadre (CadreID,xm,zwlock) values (9201,'手锁',1)"_s);
    TConfForm form(dm);
    form.show();
    ASSERT_FALSE(child<QCheckBox>(form, "chkZwLock")->isChecked());
    child<QLineEdit>(form, "edtName")->setText(u"某县委组织部"_s);
    child<QPushButton>(form, "btnOK")->click();
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(settings::loadSettings(dm)->organisation, u"某县委组织部"_s);
    EXPECT_EQ(dm.db().scalar(u"select zwlock from tb_cadre where CadreID=9201"_s)->toInt(), 1);
}

TEST_F(SettingsWindows, CategoriesMoveAndDelete) {
    TConfForm form(dm);
    auto* list = child<QListWidget>(form, "lstCategories");
    list->clear();
    list->addItems({u"甲"_s, u"乙"_s, u"丙"_s});
    list->setCurrentRow(2);
    child<QPushButton>(form, "btnCategoryUp")->click();
    list->setCurrentRow(0);
    messages.answerNext(true);
    child<QPushButton>(form, "btnDeleteCategory")->click();
    child<QPushButton>(form, "btnOK")->click();
    EXPECT_EQ(settings::loadSettings(dm)->postCategories, (QStringList{u"丙"_s, u"乙"_s}));
}

QDate day(const char* iso) {
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

// The reminder window of user 5 on 10 March 2026.
class ReminderWindow : public SettingsWindows {
  protected:
    void SetUp() override {
        SettingsWindows::SetUp();
        dm.session().ManagerID = 5;
        exec(u"delete * from tb_plan"_s);
        exec(u"delete * from tb_cadre"_s);
        exec(u"insert into tb_manager (ManagerID,userName,clew) values (5,'甲',1)"_s);
        addPlan("过去", "2026-01-01", "2026-03-01");
        addPlan("当前", "2026-03-01", "2026-03-31");
        addPlan("将来", "2026-04-01", "2026-05-01");
    }
    void addPlan(const char* title, const char* begin, const char* end) {
        settings::PlanRow plan;
        plan.title = QString::fromUtf8(title);
        plan.begin = day(begin);
        plan.end = day(end);
        ASSERT_TRUE(settings::addPlan(dm.db(), 5, plan));
    }
    static QStringList column(QTableWidget* grid, int column) {
        QStringList out;
        for (int row = 0; row < grid->rowCount(); ++row) {
            out << grid->item(row, column)->text();
        }
        return out;
    }
};

TEST_F(ReminderWindow, SummaryCountsLeadToTheirLists) {
    TWakeForm form(dm);
    form.setToday(day("2026-03-10"));
    EXPECT_EQ(child<QPushButton>(form, "btnTotal")->text(), u"3 项"_s);
    EXPECT_EQ(child<QPushButton>(form, "btnExpired")->text(), u"1 项"_s);
    EXPECT_EQ(child<QPushButton>(form, "btnToday")->text(), u"1 项"_s);
    child<QPushButton>(form, "btnToday")->click();
    EXPECT_EQ(child<QTabWidget>(form, "PageControl1")->currentIndex(), 1);
    EXPECT_EQ(column(child<QTableWidget>(form, "gridPlans"), 4), QStringList{u"当前"_s});
    child<QPushButton>(form, "btnExpired")->click();
    EXPECT_EQ(column(child<QTableWidget>(form, "gridPlans"), 4), QStringList{u"过去"_s});

    child<QPushButton>(form, "btnClear")->click();
    EXPECT_EQ(child<QPushButton>(form, "btnTotal")->text(), u"2 项"_s);
    EXPECT_EQ(column(child<QTableWidget>(form, "gridPlans"), 4),
              (QStringList{u"当前"_s, u"将来"_s}));
    EXPECT_TRUE(messages.shown().empty());
}

// A reminder added and typed into the grid is stored; a date that cannot be read is refused.
TEST_F(ReminderWindow, RemindersAreAddedEditedAndDeleted) {
    TWakeForm form(dm);
    form.setToday(day("2026-03-10"));
    auto* grid = child<QTableWidget>(form, "gridPlans");
    child<QPushButton>(form, "btnAdd")->click();
    ASSERT_EQ(grid->rowCount(), 4);
    grid->item(3, 4)->setText(u"谈话"_s);
    grid->item(3, 3)->setText(u"2026-3-20"_s);
    grid->item(3, 2)->setText(u"三月"_s);
    ASSERT_EQ(messages.shown().size(), 1u);
    const auto plans =
        settings::userPlans(dm.db(), 5, settings::PlanFilter::All, day("2026-03-10"));
    ASSERT_TRUE(plans);
    EXPECT_EQ(plans->last().title, u"谈话"_s);
    EXPECT_EQ(plans->last().begin, day("2026-03-10"));
    EXPECT_EQ(plans->last().end, day("2026-03-20"));
    grid->setCurrentCell(0, 4);
    child<QPushButton>(form, "btnDelete")->click();
    EXPECT_EQ(column(grid, 4), (QStringList{u"当前"_s, u"将来"_s, u"谈话"_s}));
}

TEST_F(ReminderWindow, RetirementListAndReminderFlag) {
    exec(
        u"insert into tb_cadre (CadreID,xm,xb,csny,csnyStr,classid) values "
        u"(1,'本月男','男',#1966-03-31#,'1966.03',0)"_s);
    exec(
        u"insert into tb_cadre (CadreID,xm,xb,csny,csnyStr,classid) values "
        u"(2,'明年女','女',#1972-04-01#,'1972.04',0)"_s);
    TWakeForm form(dm);
    form.setToday(day("2026-03-10"));
    EXPECT_EQ(child<QPushButton>(form, "btnRetiring")->text(), u"1 人"_s);
    auto* grid = child<QTableWidget>(form, "gridRetiring");
    EXPECT_EQ(column(grid, 1), QStringList{u"本月男"_s});
    EXPECT_EQ(column(grid, 6), QStringList{u"2026-03-31"_s});

    // "退休" hands the checked cadres on to the move between libraries, retired library proposed.
    auto* retire = child<QPushButton>(form, "btnRetire");
    retire->click();
    EXPECT_EQ(messages.texts(), QStringList{kChooseRetiring});
    grid->item(0, 0)->setCheckState(Qt::Checked);
    bool moved = false;
    QObject::connect(&form, &TWakeForm::cadresMoved, [&moved] { moved = true; });
    const ModalAnswer<TSwitchForm> answer([](TSwitchForm* dialog) {
        EXPECT_EQ(child<QComboBox>(dialog, "cbSource")->currentIndex(), cadre::kServingLibrary);
        EXPECT_EQ(child<QComboBox>(dialog, "cbTarget")->currentIndex(), cadre::kRetiredLibrary);
        EXPECT_EQ(child<QTableWidget>(dialog, "gridCadres")->rowCount(), 1);
        child<QLineEdit>(dialog, "edtMonth")->setText(u"2026.03"_s);
        child<QPushButton>(dialog, "btnOK")->click();
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    retire->click();
    ASSERT_TRUE(answer.seen());
    EXPECT_TRUE(moved);
    EXPECT_EQ(dm.db().scalar(u"select classid from tb_cadre where CadreID=1"_s)->toInt(),
              cadre::kRetiredLibrary);
    EXPECT_EQ(column(grid, 1), QStringList{});

    child<QComboBox>(form, "cbPeriod")->setCurrentIndex(5);
    EXPECT_EQ(grid->rowCount(), 0);

    child<QCheckBox>(form, "chkClew")->setChecked(false);
    EXPECT_EQ(dm.db().scalar(u"select clew from tb_manager where ManagerID=5"_s)->toInt(), 0);
    EXPECT_FALSE(dm.session().clew);
}

// The reminders open at start when the user's flag is set, and from "事务提醒".
TEST_F(ReminderWindow, ShownAtStartByTheFlag) {
    for (const bool flag : {true, false}) {
        dm.session().clew = flag;
        TMainForm main(dm);
        main.show();
        auto* reminders = main.findChild<TWakeForm*>();
        EXPECT_EQ(reminders != nullptr && reminders->isVisible(), flag);
        child<QAction>(main, "actReminders")->trigger();
        reminders = main.findChild<TWakeForm*>();
        ASSERT_NE(reminders, nullptr);
        EXPECT_TRUE(reminders->isVisible());
    }
}

// The wizard walked from "标准化检查": counts shown per value before anything is written, a
// value added to its list, blanking winning over a replacement, and the rewrite on "完成".
TEST_F(SettingsWindows, StandardCheckWalksThePagesAndRewrites) {
    exec(u"delete * from tb_cadre"_s);
    exec(u"delete * from tb_xl"_s);
    exec(u"insert into tb_xl (xl,v) values ('大学',5),('研究生',6)"_s);
    exec(
        u"insert into tb_cadre (CadreID,xm,gxl,zzxl) values (1,'甲','大学本科','大学本科'),"
        u"(2,'乙','中专',''),(3,'丙','硕士','')"_s);
    TMainForm main(dm);
    bool seen = false;
    ModalAnswer<QDialog> answer([&](QDialog* dialog) {
        seen = dialog->objectName() == u"TStdCheckForm"_s;
        auto* next = child<QPushButton>(dialog, "btnNext");
        next->click();
        next->click();
        EXPECT_EQ(child<QLabel>(dialog, "lblFound0")->text(), u"有不规范的数据"_s);
        next->click();
        auto* grid = child<QTableWidget>(dialog, "gridCheck0");
        ASSERT_EQ(grid->rowCount(), 3);
        EXPECT_EQ(grid->item(0, 0)->text(), u"中专"_s);
        EXPECT_EQ(grid->item(1, 1)->text(), u"2"_s);  // 大学本科 in gxl and zzxl
        // Nothing is written while the pages are walked.
        EXPECT_EQ(dm.db().scalar(u"select count(*) from tb_cadre where gxl='大学本科'"_s)->toInt(),
                  1);
        qobject_cast<QComboBox*>(grid->cellWidget(0, 2))->setCurrentText(u"大学"_s);
        qobject_cast<QCheckBox*>(grid->cellWidget(0, 3))->setChecked(true);
        qobject_cast<QComboBox*>(grid->cellWidget(1, 2))->setCurrentText(u"大学"_s);
        grid->setCurrentCell(2, 0);
        messages.answerNext(true);
        grid->parentWidget()->findChild<QPushButton*>(u"btnAddStandard"_s)->click();
        EXPECT_EQ(grid->rowCount(), 2);
        while (next->text() != u"完成"_s) {
            next->click();
        }
        next->click();
    });
    child<QAction>(main, "actStandardCheck")->trigger();
    ASSERT_TRUE(seen);
    const auto rows = dm.db().query(u"select gxl,zzxl from tb_cadre order by CadreID"_s);
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->rows[0], (QVariantList{u"大学"_s, u"大学"_s}));
    EXPECT_EQ(rows->rows[1], (QVariantList{u""_s, u""_s}));
    EXPECT_EQ(rows->rows[2], (QVariantList{u"硕士"_s, u""_s}));
    EXPECT_TRUE(
        settings::standardValues(dm.db(), settings::CheckCategory::Education)->contains(u"硕士"_s));
}

// The lists edit only while "允许修改" is on; rank, education and parameter edits are saved.
TEST_F(SettingsWindows, LookupListsEditOnlyWhenAllowed) {
    TConfForm form(dm);
    form.show();
    auto* ranks = child<QTableWidget>(form, "gridZj");
    QTest::keyClick(ranks, Qt::Key_A);
    child<QPushButton>(form, "btnAddZj")->click();
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text, settings::kEditingOff);
    EXPECT_EQ(messages.shown()[1].text, settings::kEditingOff);
    const int rankCount = ranks->rowCount();

    child<QCheckBox>(form, "chkAllowEdit")->setChecked(true);
    child<QPushButton>(form, "btnAddZj")->click();
    ASSERT_EQ(ranks->rowCount(), rankCount + 1);
    ranks->item(rankCount, 0)->setText(u"新职级"_s);
    ranks->item(rankCount, 1)->setText(u"9999"_s);
    auto* educations = child<QTableWidget>(form, "gridXl");
    educations->setCurrentCell(0, 0);
    const QString removed = educations->item(0, 0)->text();
    messages.answerNext(true);
    child<QPushButton>(form, "btnDeleteXl")->click();
    EXPECT_EQ(messages.shown().back().text, settings::kDeleteEducation);
    child<QListWidget>(form, "lstParams")->setCurrentRow(5);
    child<QPlainTextEdit>(form, "memoParams")->setPlainText(u"推荐\n任职"_s);
    child<QListWidget>(form, "lstParams")->setCurrentRow(4);
    child<QPushButton>(form, "btnOK")->click();

    const auto stored = settings::loadSettings(dm);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->ranks.last(), (settings::LeveledName{u"新职级"_s, 9999}));
    EXPECT_FALSE(stored->educations.contains(settings::LeveledName{removed, 0}));
    EXPECT_EQ(static_cast<int>(stored->educations.size()), educations->rowCount());
    EXPECT_EQ(stored->params.at(5), (QStringList{u"推荐"_s, u"任职"_s}));
}

// A rank renamed, added or deleted in the dialog changes only its own row: the rows keep the
// columns the dialog does not show.
TEST_F(SettingsWindows, RankEditsKeepTheColumnsNotShown) {
    ASSERT_TRUE(dm.db().execNative(u"alter table tb_zj add column kept integer"_s))
        << dm.db().lastError();
    exec(u"update tb_zj set kept=level1+1000"_s);
    const int rows = dm.db().scalar(u"select count(*) from tb_zj"_s)->toInt();
    TConfForm form(dm);
    form.show();
    child<QCheckBox>(form, "chkAllowEdit")->setChecked(true);
    auto* ranks = child<QTableWidget>(form, "gridZj");
    ASSERT_GE(ranks->rowCount(), 3);
    const QString renamed = ranks->item(0, 0)->text();
    const int renamedLevel = ranks->item(0, 1)->text().toInt();
    const QString removed = ranks->item(1, 0)->text();
    ranks->item(0, 0)->setText(renamed + u"（改）"_s);
    ranks->setCurrentCell(1, 0);
    messages.answerNext(true);
    child<QPushButton>(form, "btnDeleteZj")->click();
    child<QPushButton>(form, "btnAddZj")->click();
    ranks->item(ranks->rowCount() - 1, 0)->setText(u"新职级"_s);
    child<QPushButton>(form, "btnOK")->click();

    EXPECT_EQ(messages.texts(), QStringList{settings::kDeleteRank});
    const auto kept = [this](const QString& name) {
        return dm.db().scalar(u"select kept from tb_zj where zjmc=?"_s, {name}).value();
    };
    EXPECT_EQ(kept(renamed + u"（改）"_s), QVariant(renamedLevel + 1000));
    EXPECT_EQ(dm.db().scalar(u"select count(*) from tb_zj where zjmc=?"_s, {removed})->toInt(), 0);
    EXPECT_EQ(kept(u"新职级"_s), QVariant());
    EXPECT_EQ(dm.db().scalar(u"select count(*) from tb_zj"_s)->toInt(), rows);
    EXPECT_EQ(dm.db().scalar(u"select count(*) from tb_zj where kept is null"_s)->toInt(), 1);
}

// "恢复默认" fills each picker list with the template database's items, and "确 定" stores them;
// a list the template holds nothing for is left as it is, with a message, never emptied.
TEST_F(SettingsWindows, RestoringAListTakesTheTemplatesItems) {
    const QStringList columns = {u"rzyy"_s, u"gbly"_s, u"rzw"_s, u"jtcy"_s};
    QList<QStringList> factoryItems;
    {
        db::Database factory;
        ASSERT_TRUE(factory.open(dm.DbDir + u"Empty.db"_s)) << factory.lastError();
        for (const QString& column : columns) {
            factoryItems << factory.scalar(u"select "_s + column + u" from tb_general"_s)
                                ->toString()
                                .split(u'\n', Qt::SkipEmptyParts);
            ASSERT_FALSE(factoryItems.last().isEmpty()) << column.toStdString();
        }
        ASSERT_TRUE(factory.exec(u"update tb_general set jtcy=''"_s)) << factory.lastError();
    }
    // The template's relations were emptied: that list keeps what it holds.
    const QStringList relations = settings::loadSettings(dm)->params.at(3);
    ASSERT_FALSE(relations.isEmpty());
    TConfForm form(dm);
    form.show();
    child<QCheckBox>(form, "chkAllowEdit")->setChecked(true);
    auto* lists = child<QListWidget>(form, "lstParams");
    auto* memo = child<QPlainTextEdit>(form, "memoParams");
    for (int i = 0; i < columns.size(); ++i) {
        SCOPED_TRACE(columns.at(i).toStdString());
        lists->setCurrentRow(i);
        if (i < 3) {
            memo->setPlainText(u"临时"_s);
        }
        child<QPushButton>(form, "btnRestoreParams")->click();
        EXPECT_EQ(memo->toPlainText().split(u'\n'), i < 3 ? factoryItems.at(i) : relations);
    }
    EXPECT_EQ(messages.texts(), QStringList{settings::kNoFactoryParams});
    child<QPushButton>(form, "btnOK")->click();

    const auto stored = settings::loadSettings(dm);
    ASSERT_TRUE(stored);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(stored->params.at(i), factoryItems.at(i)) << columns.at(i).toStdString();
    }
    EXPECT_EQ(stored->params.at(3), relations);
}

// A nature added through its own dialog appears in the list of natures.
TEST_F(SettingsWindows, NaturesAreAddedThroughTheirDialog) {
    TConfForm form(dm);
    child<QCheckBox>(form, "chkAllowEdit")->setChecked(true);
    ModalAnswer<TZwjForm> answer([](TZwjForm* dialog) {
        child<QLineEdit>(dialog, "edtName")->setText(u"新性质"_s);
        child<QPushButton>(dialog, "btnOK")->click();
    });
    child<QPushButton>(form, "btnAddXz")->click();
    ASSERT_TRUE(answer.seen());
    auto* grid = child<QTableWidget>(form, "gridXz");
    ASSERT_GT(grid->rowCount(), 0);
    EXPECT_EQ(grid->item(grid->rowCount() - 1, 0)->text(), u"新性质"_s);
    EXPECT_TRUE(messages.shown().empty());
}

// The folder chosen in "导出目录设置" is where the export dialogs start, also after a restart;
// a folder that cannot be created is refused and the earlier one kept.
TEST_F(SettingsWindows, ExportFolderIsWhereExportsStart) {
    TMainForm main(dm);
    dm.session().clew = false;
    main.show();
    EXPECT_EQ(widgets::proposedExportPath(u"名册.xlsx"_s), home.path() + u"/TEMP/名册.xlsx"_s);
    const QString chosen = home.path() + u"/导出"_s;
    for (const QString& typed : QStringList{chosen, home.path() + u"/Db/Cadre.db/子目录"_s}) {
        ModalAnswer<QDialog> answer([&](QDialog* dialog) {
            child<QLineEdit>(dialog, "edtFolder")->setText(typed);
            child<QPushButton>(dialog, "btnOK")->click();
            if (dialog->isVisible()) {
                child<QPushButton>(dialog, "btnCancel")->click();
            }
        });
        child<QAction>(main, "actExportFolders")->trigger();
        ASSERT_TRUE(answer.seen());
    }
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.shown()[0].text.startsWith(settings::kExportFolderMissing));
    EXPECT_EQ(settings::exportFolder(dm), chosen);
    EXPECT_EQ(widgets::proposedExportPath(u"名册.xlsx"_s), chosen + u"/名册.xlsx"_s);
    EXPECT_EQ(widgets::proposedExportPath(u"/tmp/x.pdf"_s), u"/tmp/x.pdf"_s);
    widgets::setExportFolder({});
}

}  // namespace

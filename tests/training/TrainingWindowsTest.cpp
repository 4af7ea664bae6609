#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolBox>
#include <QTreeWidget>

#include "app/DataModule.h"
#include "cadre/PickLists.h"
#include "cadre/ui/TCadreForm.h"
#include "cadre/ui/TQueryForm1.h"
#include "db/Database.h"
#include "main/ui/TMainForm.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "training/Participants.h"
#include "training/TrainingClasses.h"
#include "training/TrainingLookups.h"
#include "training/TrainingRecords.h"
#include "training/ui/PagePx.h"
#include "training/ui/TAddToPxForm.h"
#include "training/ui/TPxForm.h"
#include "training/ui/TPxSetForm.h"
#include "training/ui/TQueryPxForm.h"
#include "training/ui/TrainingRecordsPage.h"

namespace {

// A working database with cadres 干部1 .. 干部4 and the training page shown.
class TrainingWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        for (const char* table :
             {"tb_cadre", "tb_cadre_node", "tb_px", "tb_pxCadre", "tb_pxCadre2"}) {
            exec(QStringLiteral("delete * from ") + QString::fromLatin1(table));
        }
        for (int i = 1; i <= 4; ++i) {
            exec(QStringLiteral("insert into tb_cadre (CadreID,gbOrd,Classid,xm,xb,xrz) values "
                                "(%1,%1,0,'干部%1','男','县长')")
                     .arg(i));
        }
        page = std::make_unique<PagePx>(dm, lists);
        page->treePanel()->show();
        page->show();
        page->activate();
    }
    void exec(const QString& sql) { ASSERT_TRUE(dm.db().exec(sql)) << dm.db().lastError(); }

    // Fills the class dialog and presses "确 定".
    static void fill(TPxForm* form, const QString& name, const QString& start, const QString& end,
                     const QString& category) {
        child<QLineEdit>(form, "edtName")->setText(name);
        child<QLineEdit>(form, "edtStart")->setText(start);
        child<QLineEdit>(form, "edtEnd")->setText(end);
        child<QComboBox>(form, "cbCategory")->setCurrentText(category);
        child<QRadioButton>(form, "rbLevel1")->setChecked(true);
        child<QPushButton>(form, "btnOk")->click();
    }
    void makeClass(const QString& name, const QString& start, const QString& end,
                   const QString& category) {
        ModalAnswer<TPxForm> answer([&](TPxForm* form) { fill(form, name, start, end, category); });
        page->action("actPxNew")->trigger();
        ASSERT_TRUE(answer.seen());
    }
    // Picks every cadre whose name holds `text` in the search dialog.
    void addCadres(const QString& text) {
        ModalAnswer<TQueryForm1> pick([&](TQueryForm1* picker) {
            child<QLineEdit>(picker, "edtText")->insert(text);
            auto* candidates = child<QTableWidget>(picker, "gridCandidates");
            for (int row = 0; row < candidates->rowCount(); ++row) {
                candidates->selectRow(row);
                child<QPushButton>(picker, "btnRight")->click();
            }
            child<QPushButton>(picker, "btnOK")->click();
        });
        page->action("actPxAdd")->trigger();
        ASSERT_TRUE(pick.seen());
    }
    QStringList shown() const {
        QStringList rows;
        for (int row = 0; row < page->model()->rowCount(); ++row) {
            rows << page->model()->item(row, 0)->text() + u':' +
                        page->model()->item(row, 1)->text();
        }
        return rows;
    }
    void selectRow(int row) { page->grid()->setCurrentIndex(page->model()->index(row, 1)); }

    TestHome home;
    TDataM dm{home.path()};
    cadre::PickLists lists;
    RecordingMessageService messages;
    std::unique_ptr<PagePx> page;
};

TEST_F(TrainingWindowsTest, ClassesAreMadeInTheDialogAndShownByYearAndCategory) {
    // Refusals keep the dialog open and store nothing.
    {
        ModalAnswer<TPxForm> answer([](TPxForm* form) {
            fill(form, QString(), QStringLiteral("2010-03-01"), QStringLiteral("2010-03-10"),
                 QStringLiteral("任职培训"));
            child<QLineEdit>(form, "edtName")->setText(QStringLiteral("倒序班"));
            child<QLineEdit>(form, "edtEnd")->setText(QStringLiteral("2010-02-01"));
            child<QPushButton>(form, "btnOk")->click();
            form->reject();
        });
        page->action("actPxNew")->trigger();
        ASSERT_TRUE(answer.seen());
    }
    EXPECT_EQ(messages.texts(), (QStringList{training::kNameNeeded, training::kEndBeforeStart}));
    EXPECT_TRUE(training::listClasses(dm.db())->empty());

    makeClass(QStringLiteral("青干班"), QStringLiteral("2010-03-01"), QStringLiteral("2010-03-10"),
              QStringLiteral("任职培训"));
    makeClass(QStringLiteral("无期班"), QString(), QString(), QStringLiteral("初任培训"));
    const auto classes = *training::listClasses(dm.db());
    ASSERT_EQ(classes.size(), 2u);
    EXPECT_EQ(classes[1].days, 10);
    EXPECT_EQ(classes[1].year, 2010);
    EXPECT_EQ(classes[1].level, training::kLevels[1]);

    QTreeWidget* tree = page->tree();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), training::kUnknownYear);
    EXPECT_EQ(tree->topLevelItem(1)->text(0), QStringLiteral("2010"));
    EXPECT_EQ(tree->topLevelItem(1)->child(0)->text(0), QStringLiteral("任职培训"));
    EXPECT_EQ(tree->topLevelItem(1)->child(0)->child(0)->text(0), QStringLiteral("青干班"));
    // The class made last is the current one.
    EXPECT_EQ(page->current()->name, QStringLiteral("无期班"));
}

TEST_F(TrainingWindowsTest, ParticipantsAreAddedRemovedMovedAndTheirAttendanceEdited) {
    page->action("actPxAdd")->trigger();
    page->action("actPxRemove")->trigger();
    EXPECT_EQ(messages.texts(), (QStringList{training::kNeedClassToAdd, training::kNeedClass}));
    makeClass(QStringLiteral("班"), QStringLiteral("2010-03-01"), QStringLiteral("2010-03-02"),
              QStringLiteral("任职培训"));
    addCadres(QStringLiteral("干部"));
    EXPECT_EQ(shown(), (QStringList{"1:干部1", "2:干部2", "3:干部3", "4:干部4"}));
    addCadres(QStringLiteral("干部1"));  // already there: skipped silently
    EXPECT_EQ(shown().size(), 4);

    selectRow(1);
    messages.clear();
    messages.answerNext(true);
    page->action("actPxRemove")->trigger();
    EXPECT_EQ(messages.texts(), QStringList{training::removeQuestion(QStringLiteral("干部2"))});
    EXPECT_EQ(shown(), (QStringList{"1:干部1", "2:干部3", "3:干部4"}));

    selectRow(2);
    page->action("actPxMoveUp")->trigger();
    EXPECT_EQ(shown(), (QStringList{"1:干部1", "2:干部4", "3:干部3"}));

    // "表格编辑" lets the attendance columns be edited; each edit is stored.
    page->action("actPxGridEdit")->trigger();
    EXPECT_EQ(page->action("actPxGridEdit")->text(), QStringLiteral("结束编辑"));
    EXPECT_FALSE(page->model()->item(0, 1)->isEditable());
    page->model()->item(1, 6)->setText(QStringLiteral("3.5"));
    page->action("actPxGridEdit")->trigger();
    EXPECT_EQ(page->action("actPxGridEdit")->text(), QStringLiteral("表格编辑"));
    const auto stored = *training::listParticipants(dm.db(), page->current()->id);
    EXPECT_EQ(stored[1].name, QStringLiteral("干部4"));
    EXPECT_EQ(stored[1].credits, QStringLiteral("3.5"));
}

TEST_F(TrainingWindowsTest, DeletingAClassAsksAndEmptiesTheGrid) {
    page->action("actPxDelete")->trigger();
    EXPECT_EQ(messages.texts(), QStringList{training::kNoClassToDelete});
    makeClass(QStringLiteral("班"), QStringLiteral("2010-03-01"), QStringLiteral("2010-03-02"),
              QStringLiteral("任职培训"));
    addCadres(QStringLiteral("干部"));
    messages.clear();
    page->action("actPxDelete")->trigger();  // declined
    EXPECT_EQ(shown().size(), 4);
    messages.answerNext(true);
    page->action("actPxDelete")->trigger();
    EXPECT_EQ(messages.texts(), QStringList(2, training::deleteQuestion(QStringLiteral("班"))));
    EXPECT_EQ(page->model()->rowCount(), 0);
    EXPECT_EQ(page->tree()->topLevelItemCount(), 0);
    EXPECT_EQ(*dm.db().scalar(QStringLiteral("select count(*) from tb_pxCadre")), 0);
}

TEST_F(TrainingWindowsTest, CommandsThatChangeClassesNeedTheRight) {
    makeClass(QStringLiteral("班"), QStringLiteral("2010-03-01"), QStringLiteral("2010-03-02"),
              QStringLiteral("任职培训"));
    exec(QStringLiteral(
        "insert into tb_conf (GID,ItemID,ItemV,ItemV2) values ('RIGHT','7','PXW','0')"));
    dm.session().ManagerID = 7;
    messages.clear();
    for (const char* name : {"actPxNew", "actPxEdit", "actPxDelete", "actPxAdd", "actPxRemove",
                             "actPxMoveDown", "actPxGridEdit"}) {
        page->action(name)->trigger();
    }
    EXPECT_EQ(messages.texts(), QStringList(7, QStringLiteral("无操作权限，请联系管理员！")));
    EXPECT_EQ(training::listClasses(dm.db())->size(), 1u);
}

TEST_F(TrainingWindowsTest, TheClassSearchListsTheClassesOfEitherParticipant) {
    makeClass(QStringLiteral("甲班"), QStringLiteral("2010-03-01"), QStringLiteral("2010-03-02"),
              QStringLiteral("任职培训"));
    const int first = page->current()->id;
    makeClass(QStringLiteral("乙班"), QStringLiteral("2011-03-01"), QStringLiteral("2011-03-02"),
              QStringLiteral("任职培训"));
    makeClass(QStringLiteral("丙班"), QStringLiteral("2012-03-01"), QStringLiteral("2012-03-02"),
              QStringLiteral("任职培训"));
    ASSERT_TRUE(training::addParticipants(dm.db(), first, {1}).ok());
    ASSERT_TRUE(training::addParticipants(dm.db(), page->current()->id, {2}).ok());
    messages.clear();
    ModalAnswer<TQueryPxForm> answer([](TQueryPxForm* form) {
        child<QLineEdit>(form, "edtPeople")->setText(QStringLiteral("干部1，干部2"));
        child<QPushButton>(form, "btnOk")->click();
    });
    page->action("actPxQuery")->trigger();
    ASSERT_TRUE(answer.seen());
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("共找到2个符合条件的培训班")});
    QTreeWidget* tree = page->tree();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("甲班"));
    EXPECT_EQ(tree->topLevelItem(1)->text(0), QStringLiteral("丙班"));
}

TEST_F(TrainingWindowsTest, TheMainWindowShowsThePageFromTheNavigation) {
    TMainForm main(dm);
    auto* nav = child<QToolBox>(main, "NavBar");
    nav->setCurrentIndex(3);
    auto* pages = child<QStackedWidget>(main, "PageControl");
    EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("PagePx"));
    EXPECT_EQ(nav->widget(3)->objectName(), QStringLiteral("navPx"));
}

// The editor's page lists both kinds of record by start date and adds, edits and deletes each
// kind through its dialog.
TEST_F(TrainingWindowsTest, TheEditorPageKeepsClassAttendancesAndStandaloneRecords) {
    makeClass(QStringLiteral("青干班"), QStringLiteral("2010-03-01"), QStringLiteral("2010-03-10"),
              QStringLiteral("任职培训"));
    TrainingRecordsPage records(dm);
    records.showCadre(1);
    records.setEditable(true);
    records.show();
    records.activate();
    auto* grid = child<QTableWidget>(&records, "gridTraining");
    const auto shownRecords = [grid] {
        QStringList rows;
        for (int row = 0; row < grid->rowCount(); ++row) {
            rows << grid->item(row, 0)->text() + u'/' + grid->item(row, 1)->text() + u'/' +
                        grid->item(row, 3)->text();
        }
        return rows;
    };
    // Joining the class, twice: the second is refused.
    for (int i = 0; i < 2; ++i) {
        ModalAnswer<TAddToPxForm> answer([](TAddToPxForm* form) {
            auto* classes = child<QComboBox>(form, "cbClass");
            classes->setCurrentIndex(classes->findText(QStringLiteral("青干班")));
            child<QPushButton>(form, "btnOk")->click();
            if (form->isVisible()) {
                form->reject();
            }
        });
        child<QPushButton>(&records, "btnTrainingAdd")->click();
        ASSERT_TRUE(answer.seen());
    }
    EXPECT_EQ(messages.texts(), QStringList{training::kAlreadyInClass});
    // A standalone record, first without a name.
    {
        ModalAnswer<TAddToPxForm> answer([](TAddToPxForm* form) {
            child<QRadioButton>(form, "rbStandalone")->setChecked(true);
            child<QPushButton>(form, "btnOk")->click();
            child<QLineEdit>(form, "edtName")->setText(QStringLiteral("自学"));
            child<QLineEdit>(form, "edtStart")->setText(QStringLiteral("2008-05-01"));
            child<QLineEdit>(form, "edtEnd")->setText(QStringLiteral("2008-05-03"));
            child<QPushButton>(form, "btnOk")->click();
        });
        child<QPushButton>(&records, "btnTrainingAdd")->click();
        ASSERT_TRUE(answer.seen());
    }
    EXPECT_EQ(messages.texts().last(), training::kRecordNeeded);
    EXPECT_EQ(shownRecords(), (QStringList{"自学/2008-05-01/3", "青干班/2010-03-01/10"}));

    // "详细" edits the standalone record.
    grid->setCurrentCell(0, 0);
    {
        ModalAnswer<TAddToPxForm> answer([](TAddToPxForm* form) {
            EXPECT_FALSE(child<QRadioButton>(form, "rbClass")->isEnabled());
            child<QLineEdit>(form, "edtName")->setText(QStringLiteral("进修"));
            child<QPushButton>(form, "btnOk")->click();
        });
        child<QPushButton>(&records, "btnTrainingDetail")->click();
        ASSERT_TRUE(answer.seen());
    }
    EXPECT_EQ(shownRecords().first(), QStringLiteral("进修/2008-05-01/3"));

    // Deleting asks the question of the record's kind.
    messages.clear();
    messages.answerNext(true);
    grid->setCurrentCell(1, 0);
    child<QPushButton>(&records, "btnTrainingDelete")->click();
    messages.answerNext(true);
    grid->setCurrentCell(0, 0);
    child<QPushButton>(&records, "btnTrainingDelete")->click();
    EXPECT_EQ(messages.texts(),
              (QStringList{training::kLeaveClassQuestion, training::kDeleteRecordQuestion}));
    EXPECT_EQ(grid->rowCount(), 0);
    EXPECT_TRUE(training::trainingHistory(dm.db(), 1)->empty());
    EXPECT_EQ(training::listClasses(dm.db())->size(), 1u);
}

TEST_F(TrainingWindowsTest, TheCadreEditorHasTheTrainingPage) {
    TCadreForm editor(dm, lists);
    auto* tabs = child<QTabWidget>(editor, "PageControl1");
    const int index = tabs->indexOf(child<QWidget>(editor, "tsTraining")->parentWidget());
    ASSERT_GE(index, 0);
    EXPECT_EQ(tabs->tabText(index), QStringLiteral("培训记录"));
}

// "培训设置" from the class dialog: a body added in the grid while "允许修改" is ticked is offered
// by the dialog's picker at once; without the tick nothing is added.
TEST_F(TrainingWindowsTest, TheSettingsDialogKeepsTheBodiesThePickerOffers) {
    exec(QStringLiteral("delete * from tb_pxjg"));
    ModalAnswer<TPxForm> answer([](TPxForm* form) {
        ModalAnswer<TPxSetForm> settings([](TPxSetForm* dialog) {
            child<QPushButton>(dialog, "btnAdd")->click();
            auto* grid = child<QTableWidget>(dialog, "gridBodies");
            EXPECT_EQ(grid->rowCount(), 0);
            child<QCheckBox>(dialog, "chkAllow")->setChecked(true);
            child<QPushButton>(dialog, "btnAdd")->click();
            ASSERT_EQ(grid->rowCount(), 1);
            grid->item(0, 0)->setText(QStringLiteral("市委党校"));
            dialog->accept();
        });
        child<QPushButton>(form, "btnSettings")->click();
        EXPECT_TRUE(settings.seen());
        EXPECT_GE(child<QComboBox>(form, "cbBody")->findText(QStringLiteral("市委党校")), 0);
        form->reject();
    });
    page->action("actPxNew")->trigger();
    ASSERT_TRUE(answer.seen());
    EXPECT_EQ(*training::bodyNames(dm.db()), QStringList{QStringLiteral("市委党校")});
}

}  // namespace

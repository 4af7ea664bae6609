#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolBox>
#include <QTreeWidget>

#include "app/DataModule.h"
#include "cadre/PickLists.h"
#include "cadre/ui/TQueryForm1.h"
#include "db/Database.h"
#include "main/ui/TMainForm.h"
#include "report/PageRenderer.h"
#include "rosters/RosterMembers.h"
#include "rosters/Rosters.h"
#include "rosters/ui/PageMc.h"
#include "rosters/ui/RosterLinesModel.h"
#include "rosters/ui/THmcForm.h"
#include "rosters/ui/TSelMcForm.h"
#include "rosters/ui/TSleMMcForm.h"
#include "search/SearchResult.h"
#include "search/ui/PageAdv.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "widgets/GridExport.h"

namespace {

// A working database with `count` cadres 干部1 .. 干部<count> (ids 1..count, default order by id).
class RosterWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        for (const char* table : {"tb_cadre", "tb_cadre_node", "tb_cadre_zw", "tb_beadroll",
                                  "tb_beadroll_detail", "tb_beadroll_mirror", "tb_tcid"}) {
            exec(QStringLiteral("delete * from ") + QString::fromLatin1(table));
        }
        addCadres(4);
        page = std::make_unique<PageMc>(dm, lists);
        tester = std::make_unique<QAbstractItemModelTester>(
            page->model(), QAbstractItemModelTester::FailureReportingMode::Warning);
        page->treePanel()->show();
        page->show();
        page->activate();
    }
    void exec(const QString& sql) { ASSERT_TRUE(dm.db().exec(sql)) << dm.db().lastError(); }
    void addCadres(int count) {
        db::Transaction transaction(dm.db());
        for (int i = 1; i <= count; ++i) {
            ASSERT_TRUE(dm.db().exec(
                QStringLiteral("insert into tb_cadre (CadreID,gbOrd,Classid,xm,xb,xrz,csnyStr) "
                               "values (?,?,0,?,'男','县长','1970.01')"),
                {i, i, QStringLiteral("干部%1").arg(i)}))
                << dm.db().lastError();
        }
        ASSERT_TRUE(transaction.commit());
    }
    QStringList shown() const {
        QStringList names;
        for (int row = 0; row < page->model()->rowCount(); ++row) {
            names << page->model()->text(row, 1);
        }
        return names;
    }
    // Makes a roster through "新建名册".
    void makeRoster(const QString& name, bool isStatic, int year) {
        ModalAnswer<THmcForm> answer([&](THmcForm* form) {
            child<QLineEdit>(form, "cxTextEdit1")->setText(name);
            child<QSpinBox>(form, "cxSpinEdit1")->setValue(year);
            child<QRadioButton>(form, isStatic ? "rbStatic" : "rbDynamic")->setChecked(true);
            child<QPushButton>(form, "cxButton1")->click();
        });
        page->action("actMcNew")->trigger();
        ASSERT_TRUE(answer.seen());
    }

    TestHome home;
    TDataM dm{home.path()};
    cadre::PickLists lists;
    RecordingMessageService messages;
    std::unique_ptr<PageMc> page;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

TEST_F(RosterWindowsTest, RostersAreMadeEditedAndDeletedThroughTheTree) {
    // Without a roster the commands that need one say so.
    page->action("actMcAdd")->trigger();
    page->action("actMcEdit")->trigger();
    page->action("actMcDelete")->trigger();
    EXPECT_EQ(messages.texts(), (QStringList{rosters::kNeedRoster, rosters::kSelectRosterToEdit,
                                             rosters::kNothingToDelete}));
    EXPECT_EQ(page->caption()->text(), QStringLiteral("名册管理"));

    makeRoster(QStringLiteral("后备干部"), true, 2011);
    makeRoster(QStringLiteral("年轻干部"), false, 2012);
    makeRoster(QStringLiteral("女干部"), false, 2012);
    EXPECT_EQ(page->caption()->text(), QStringLiteral("女干部(动态)"));
    QTreeWidget* tree = page->tree();
    QTreeWidgetItem* all = tree->topLevelItem(0);
    QTreeWidgetItem* byYear = tree->topLevelItem(1);
    EXPECT_EQ(all->text(0), QStringLiteral("所有名册"));
    EXPECT_EQ(all->childCount(), 3);
    // Two rosters of one year share one year node.
    ASSERT_EQ(byYear->childCount(), 2);
    EXPECT_EQ(byYear->child(0)->text(0), QStringLiteral("2011年"));
    EXPECT_EQ(byYear->child(1)->text(0), QStringLiteral("2012年"));
    EXPECT_EQ(byYear->child(1)->childCount(), 2);

    // A click on a roster in the tree makes it current.
    Q_EMIT tree->itemClicked(byYear->child(0)->child(0), 0);
    EXPECT_EQ(page->caption()->text(), QStringLiteral("后备干部(静态)"));

    // Editing keeps the kind (its choice is shown, fixed).
    {
        ModalAnswer<THmcForm> answer([](THmcForm* form) {
            EXPECT_TRUE(child<QRadioButton>(form, "rbStatic")->isChecked());
            EXPECT_FALSE(child<QRadioButton>(form, "rbDynamic")->isEnabled());
            child<QLineEdit>(form, "cxTextEdit1")->setText(QStringLiteral("后备干部名册"));
            child<QPushButton>(form, "cxButton1")->click();
        });
        page->action("actMcEdit")->trigger();
        ASSERT_TRUE(answer.seen());
    }
    EXPECT_EQ(page->caption()->text(), QStringLiteral("后备干部名册(静态)"));
    EXPECT_EQ(all->child(0)->text(0), QStringLiteral("后备干部名册"));

    // Deleting asks first; declined, nothing goes.
    messages.clear();
    messages.answerNext(false);
    page->action("actMcDelete")->trigger();
    EXPECT_EQ(messages.texts(), (QStringList{QStringLiteral("确认删除名册 后备干部名册 ?")}));
    EXPECT_EQ(all->childCount(), 3);
    messages.answerNext(true);
    page->action("actMcDelete")->trigger();
    EXPECT_EQ(all->childCount(), 2);
    EXPECT_EQ(byYear->childCount(), 1);
    EXPECT_FALSE(page->current().has_value());
    EXPECT_EQ(page->caption()->text(), QStringLiteral("名册管理"));
}

TEST_F(RosterWindowsTest, LinesAreRemovedMovedAndPrinted) {
    makeRoster(QStringLiteral("名册"), false, 2012);
    ASSERT_TRUE(
        rosters::addCadres(dm.db(), *page->current(), {1, 2, 3, 4}, QDate::currentDate()).ok());
    page->selectRoster(page->current()->id);
    EXPECT_EQ(shown(), (QStringList{"干部1", "干部2", "干部3", "干部4"}));
    EXPECT_EQ(page->model()->text(3, 0), QStringLiteral("4"));

    page->grid()->setCurrentIndex(page->model()->index(1, 1));
    page->action("actMcMoveDown")->trigger();
    EXPECT_EQ(shown(), (QStringList{"干部1", "干部3", "干部2", "干部4"}));
    EXPECT_EQ(page->grid()->currentIndex().row(), 2);
    page->action("actMcMoveUp")->trigger();
    page->action("actMcMoveUp")->trigger();
    EXPECT_EQ(shown(), (QStringList{"干部2", "干部1", "干部3", "干部4"}));
    // At the top nothing moves.
    page->action("actMcMoveUp")->trigger();
    EXPECT_EQ(shown(), (QStringList{"干部2", "干部1", "干部3", "干部4"}));

    messages.answerNext(true);
    page->action("actMcRemove")->trigger();
    EXPECT_EQ(messages.texts().last(), QStringLiteral("确认从名册中去除干部 干部2 ?"));
    EXPECT_EQ(shown(), (QStringList{"干部1", "干部3", "干部4"}));
    EXPECT_EQ(page->grid()->currentIndex().row(), 0);
    const auto orders =
        dm.db().query(QStringLiteral("select brOrder from tb_beadroll_detail order by brOrder"));
    ASSERT_EQ(orders->rows.size(), 3u);
    EXPECT_EQ(orders->rows[2].value(0).toInt(), 3);

    // A hidden column is not printed; the printed table lists the rows in order.
    page->grid()->setColumnHidden(5, true);
    const report::Layout layout = page->printout();
    QStringList texts;
    for (const report::Cell& cell : layout.cells(0)) {
        texts << cell.text;
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("姓名")));
    EXPECT_FALSE(texts.contains(QStringLiteral("现任职务")));
    EXPECT_LT(texts.indexOf(QStringLiteral("干部1")), texts.indexOf(QStringLiteral("干部4")));
}

// Without the right "MCW" no command changes a roster; opening a line's cadre needs no right.
TEST_F(RosterWindowsTest, CommandsThatChangeRostersNeedTheRight) {
    makeRoster(QStringLiteral("名册"), false, 2012);
    ASSERT_TRUE(rosters::addCadres(dm.db(), *page->current(), {1, 2}, QDate::currentDate()).ok());
    page->selectRoster(page->current()->id);
    exec(QStringLiteral(
        "insert into tb_conf (GID,ItemID,ItemV,ItemV2) values ('RIGHT','7','MCW','0')"));
    dm.session().ManagerID = 7;
    messages.clear();
    for (const char* name :
         {"actMcNew", "actMcEdit", "actMcDelete", "actMcAdd", "actMcRemove", "actMcMoveDown"}) {
        page->action(name)->trigger();
    }
    EXPECT_EQ(messages.texts(), QStringList(6, QStringLiteral("无操作权限，请联系管理员！")));
    EXPECT_EQ(shown(), (QStringList{"干部1", "干部2"}));
    EXPECT_EQ(rosters::listRosters(dm.db())->size(), 1u);
}

// "定制显示" hides a column from the grid, and so from the Excel export of the grid.
TEST_F(RosterWindowsTest, HiddenColumnsAreNotExported) {
    makeRoster(QStringLiteral("名册"), true, 2012);
    ASSERT_TRUE(rosters::addCadres(dm.db(), *page->current(), {2, 1}, QDate::currentDate()).ok());
    page->selectRoster(page->current()->id);
    auto* columns = child<QMenu>(*page, "mnuMcColumns");
    auto* toggle = columns->findChild<QAction*>(QStringLiteral("colMcxrz"));
    ASSERT_NE(toggle, nullptr);
    toggle->trigger();
    EXPECT_TRUE(page->grid()->isColumnHidden(5));
    const office::NewSheet sheet = widgets::sheetOfGrid(*page->grid());
    EXPECT_EQ(sheet.header.mid(0, 5), (QStringList{"序号", "姓名", "性别", "出生年月", "年龄"}));
    EXPECT_FALSE(sheet.header.contains(QStringLiteral("现任职务")));
    ASSERT_EQ(sheet.rows.size(), 2u);
    EXPECT_EQ(sheet.rows[0].value(1).toString(), QStringLiteral("干部2"));
    // The template output is there; those that need the batch output window are disabled.
    ASSERT_NE(page->action("actMcTemplateExcel"), nullptr);
    EXPECT_TRUE(page->action("actMcTemplateExcel")->isEnabled());
    for (const char* name : {"actMcProfiles", "actMcResumes"}) {
        ASSERT_NE(page->action(name), nullptr) << name;
        EXPECT_FALSE(page->action(name)->isEnabled()) << name;
    }
}

// A 300-cadre roster prints on several pages, each with the column captions.
TEST_F(RosterWindowsTest, ALongRosterRepeatsItsCaptionsOnEveryPage) {
    exec(QStringLiteral("delete * from tb_cadre"));
    addCadres(300);
    makeRoster(QStringLiteral("三百人名册"), true, 2012);
    QList<int> ids;
    for (int i = 1; i <= 300; ++i) {
        ids << i;
    }
    ASSERT_TRUE(rosters::addCadres(dm.db(), *page->current(), ids, QDate::currentDate()).ok());
    page->selectRoster(page->current()->id);
    ASSERT_EQ(page->model()->rowCount(), 300);
    const report::Layout layout = page->printout();
    ASSERT_GT(layout.pageCount(), 5);
    EXPECT_TRUE(layout.overflowingCells().empty());

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("roster.pdf"));
    ASSERT_TRUE(report::writePdf(layout, pdf).ok());
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(60000));
    const QString out =
        QString::fromUtf8(text.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
    QStringList pages = out.split(u'\f', Qt::SkipEmptyParts);
    // Where pdftotext breaks a line inside a cell is its own choice: blanks do not count.
    for (QString& one : pages) {
        one.remove(QRegularExpression(QStringLiteral("\\s")));
    }
    ASSERT_EQ(pages.size(), layout.pageCount());
    for (const QString& one : pages) {
        EXPECT_TRUE(one.contains(QStringLiteral("出生年月"))) << one.left(200);
        EXPECT_TRUE(one.contains(QStringLiteral("三百人名册")));
    }
    EXPECT_TRUE(pages.first().contains(QStringLiteral("1干部1男"))) << pages.first().left(400);
    EXPECT_TRUE(pages.last().contains(QStringLiteral("300干部300男"))) << pages.last().left(400);
}

TEST(RosterMainWindow, TheRosterGroupShowsTheRosterPageAndItsMenuRuns) {
    TestHome home;
    TDataM dm(home.path());
    ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    RecordingMessageService messages;
    ASSERT_TRUE(dm.db().exec(QStringLiteral("delete * from tb_beadroll")));
    ASSERT_TRUE(rosters::createRoster(dm.db(), {QStringLiteral("在册"), 2012, false}).ok());
    TMainForm form(dm);
    form.show();
    child<QToolBox>(form, "NavBar")->setCurrentIndex(2);
    auto* pages = child<QStackedWidget>(form, "PageControl");
    EXPECT_EQ(pages->currentWidget(), form.rosters());
    QTreeWidget* tree = child<QTreeWidget>(form, "cxTreeViewMc");
    ASSERT_EQ(tree->topLevelItem(0)->childCount(), 1);
    EXPECT_EQ(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("在册"));

    auto* newRoster = form.findChild<QAction*>(QStringLiteral("actNewRoster"));
    ASSERT_NE(newRoster, nullptr);
    EXPECT_TRUE(newRoster->isEnabled());
    {
        ModalAnswer<THmcForm> answer([](THmcForm* dialog) {
            child<QLineEdit>(dialog, "cxTextEdit1")->setText(QStringLiteral("新册"));
            child<QPushButton>(dialog, "cxButton1")->click();
        });
        newRoster->trigger();
        ASSERT_TRUE(answer.seen());
    }
    EXPECT_EQ(tree->topLevelItem(0)->childCount(), 2);
    EXPECT_EQ(form.rosters()->caption()->text(), QStringLiteral("新册(动态)"));
}

TEST(RosterSearchWindows, TheResultIsSavedIntoARosterAndTakenBackFromRosters) {
    TestHome home;
    TDataM dm(home.path());
    ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    for (const char* table :
         {"tb_cadre", "tb_beadroll", "tb_beadroll_detail", "tb_beadroll_mirror", "tb_tcid"}) {
        ASSERT_TRUE(dm.db().exec(QStringLiteral("delete * from ") + QString::fromLatin1(table)));
    }
    ASSERT_TRUE(dm.db().exec(QStringLiteral(
        "insert into tb_cadre (CadreID,gbOrd,Classid,xm) values (1,1,0,'甲'),(2,2,0,'乙'),"
        "(3,3,0,'丙')")));
    RecordingMessageService messages;
    cadre::PickLists lists;
    PageAdv page(dm, lists);
    page.show();

    // No result, no rosters: each refusal is said.
    page.action("actAdvSaveRoster")->trigger();
    ASSERT_TRUE(search::addCadres(dm.db(), {3, 1}).ok());
    page.reload();
    page.action("actAdvSaveRoster")->trigger();
    EXPECT_EQ(messages.texts(), (QStringList{rosters::kNoResult, rosters::kNoRosterToJoin}));

    const Result<int> older = rosters::createRoster(dm.db(), {QStringLiteral("旧"), 2010, false});
    const Result<int> newer = rosters::createRoster(dm.db(), {QStringLiteral("新"), 2013, true});
    {
        // The newest roster comes first and is chosen at once.
        ModalAnswer<TSelMcForm> answer([](TSelMcForm* form) {
            EXPECT_EQ(child<QComboBox>(form, "cxComboBox1")->currentText(), QStringLiteral("新"));
            child<QPushButton>(form, "cxButton1")->click();
        });
        page.action("actAdvSaveRoster")->trigger();
        ASSERT_TRUE(answer.seen());
    }
    const auto saved = dm.db().query(
        QStringLiteral("select xm from tb_beadroll_mirror where mcID=? order by brOrder"),
        {*newer});
    ASSERT_EQ(saved->rows.size(), 2u);
    EXPECT_EQ(saved->rows[0].value(0).toString(), QStringLiteral("丙"));
    EXPECT_EQ(saved->rows[1].value(0).toString(), QStringLiteral("甲"));

    ASSERT_TRUE(rosters::addCadres(dm.db(), *rosters::readRoster(dm.db(), *older), {2},
                                   QDate::currentDate())
                    .ok());
    ASSERT_TRUE(search::clearResult(dm.db()).ok());
    page.reload();
    messages.clear();
    {
        // OK with nothing ticked is refused; then the older roster is ticked.
        ModalAnswer<TSleMMcForm> answer([&messages](TSleMMcForm* form) {
            child<QPushButton>(form, "cxButton1")->click();
            EXPECT_EQ(messages.texts(), (QStringList{rosters::kTickOneRoster}));
            QTableWidget* grid = child<QTableWidget>(form, "cxGrid1");
            ASSERT_EQ(grid->rowCount(), 2);
            EXPECT_EQ(grid->item(1, 1)->text(), QStringLiteral("旧"));
            grid->item(1, 0)->setCheckState(Qt::Checked);
            child<QPushButton>(form, "cxButton1")->click();
        });
        page.action("actAdvFromRoster")->trigger();
        ASSERT_TRUE(answer.seen());
    }
    EXPECT_EQ(page.rowCount(), 1);
    EXPECT_EQ(*search::resultCount(dm.db()), 1);

    // The picker's "按名册" lists the cadres of the ticked rosters.
    TQueryForm1 picker(dm, 0);
    picker.show();
    {
        ModalAnswer<TSleMMcForm> answer([](TSleMMcForm* form) {
            QTableWidget* grid = child<QTableWidget>(form, "cxGrid1");
            grid->item(0, 0)->setCheckState(Qt::Checked);
            grid->item(1, 0)->setCheckState(Qt::Checked);
            child<QPushButton>(form, "cxButton1")->click();
        });
        child<QRadioButton>(picker, "rbByRoster")->click();
        ASSERT_TRUE(answer.seen());
    }
    QTableWidget* candidates = child<QTableWidget>(picker, "gridCandidates");
    ASSERT_EQ(candidates->rowCount(), 3);
    EXPECT_EQ(candidates->item(0, 1)->text(), QStringLiteral("甲"));
}

}  // namespace

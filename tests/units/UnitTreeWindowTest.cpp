#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolBox>
#include <QTreeWidgetItem>
#include <functional>
#include <memory>

#include "app/DataModule.h"
#include "db/Database.h"
#include "main/ui/TMainForm.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "units/UnitTree.h"
#include "units/ui/TNodeDelForm.h"
#include "units/ui/UnitTreeWidget.h"

namespace {

const QString kNoRight = QStringLiteral("无操作权限，请联系管理员！");

// Fills the removal dialog and presses "确 定"; a dialog left open (refused input) is closed
// with "取 消" so that the test goes on.
std::function<void(TNodeDelForm*)> removeWith(bool dissolve, const QString& month = {}) {
    return [dissolve, month](TNodeDelForm* form) {
        form->findChild<QRadioButton*>(dissolve ? QStringLiteral("rbDissolve")
                                                : QStringLiteral("rbDelete"))
            ->setChecked(true);
        if (!month.isEmpty()) {
            form->findChild<QLineEdit*>(QStringLiteral("cxTextEdit1"))->setText(month);
        }
        form->findChild<QPushButton*>(QStringLiteral("cxButton1"))->click();
        if (form->isVisible()) {
            form->findChild<QPushButton*>(QStringLiteral("cxButton2"))->click();
        }
    };
}

// The main window on a fresh copy of the template, whose sample tree has 16 units: top level
// 1..6, 7..10 below 1, 11..15 below 3, 16 below 6.
class UnitTreeWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }

    void showForm() {
        form = std::make_unique<TMainForm>(dm);
        form->show();
        tree = form->findChild<UnitTreeWidget*>(QStringLiteral("cxTreeView1"));
        heading = form->findChild<QLabel*>(QStringLiteral("lblHeading"));
        ASSERT_NE(tree, nullptr);
        ASSERT_NE(heading, nullptr);
    }
    void exec(const QString& statement) {
        if (!dm.db().exec(statement)) {
            ADD_FAILURE() << dm.db().lastError();
        }
    }
    int count(const QString& tableAndWhere) {
        return dm.db().scalar(QStringLiteral("select count(*) from ") + tableAndWhere)->toInt();
    }
    std::vector<QVariantList> snapshot(const QString& table) {
        const auto r =
            dm.db().query(QStringLiteral("select * from ") + table + QStringLiteral(" order by 1"));
        return r ? r->rows : std::vector<QVariantList>{};
    }
    QStringList captions() const {
        QStringList texts;
        for (const QTreeWidgetItem* item : tree->itemsInDisplayOrder()) {
            texts << item->text(0);
        }
        return texts;
    }
    void clickDelete() { form->findChild<QPushButton*>(QStringLiteral("lblDelete"))->click(); }
    void rebuild() { form->findChild<QAction*>(QStringLiteral("actRebuildIndex"))->trigger(); }

    TestHome home;
    TDataM dm{home.path()};
    RecordingMessageService messages;
    std::unique_ptr<TMainForm> form;
    UnitTreeWidget* tree = nullptr;
    QLabel* heading = nullptr;
};

TEST_F(UnitTreeWindowTest, TheFindButtonOpensTheFindBoxBesideTheTree) {
    showForm();
    form->findChild<QPushButton*>(QStringLiteral("lblFind"))->click();
    auto* find = form->findChild<QDialog*>(QStringLiteral("TFindDwForm"));
    ASSERT_NE(find, nullptr);
    EXPECT_TRUE(find->isVisible());
    EXPECT_FALSE(find->isModal());
    find->findChild<QLineEdit*>(QStringLiteral("cxTextEdit1"))->setText(QStringLiteral("ZZB"));
    find->findChild<QPushButton*>(QStringLiteral("cxButton1"))->click();
    EXPECT_EQ(heading->text(), QStringLiteral("中共某市委组织部"));
    // A second click shows the same box again.
    form->findChild<QPushButton*>(QStringLiteral("lblFind"))->click();
    EXPECT_EQ(form->findChildren<QDialog*>(QStringLiteral("TFindDwForm")).size(), 1);
}

TEST_F(UnitTreeWindowTest, ShowsTheSampleTreeWithShortNamesAndSelectsTheFirstUnit) {
    showForm();
    EXPECT_EQ(captions(), (QStringList{"市委", "市委办", "组织部", "宣传部", "统战部", "市人大",
                                       "市政府", "政府办", "发改委", "教育局", "财政局", "人社局",
                                       "市政协", "市纪委", "群团组织", "团市委"}));
    QList<int> ids;
    for (const QTreeWidgetItem* item : tree->itemsInDisplayOrder()) {
        ids << item->data(0, UnitTreeWidget::IdRole).toInt();
    }
    EXPECT_EQ(ids, (QList<int>{1, 7, 8, 9, 10, 2, 3, 11, 12, 13, 14, 15, 4, 5, 6, 16}));
    EXPECT_EQ(tree->topLevelItemCount(), 6);
    EXPECT_EQ(tree->topLevelItem(2)->childCount(), 5);
    EXPECT_TRUE(tree->isHeaderHidden());
    EXPECT_EQ(tree->currentUnitId(), 1);
    EXPECT_EQ(tree->currentAbsoluteIndex(), 0);
    EXPECT_EQ(heading->text(), QStringLiteral("中共某市委员会"));
    EXPECT_EQ(form->currentUnitId(), 1);
}

TEST_F(UnitTreeWindowTest, ItemsCarryTheirUnitsKindAndIndex) {
    showForm();
    ASSERT_TRUE(tree->selectUnit(6));
    const QTreeWidgetItem* grouping = tree->currentItem();
    EXPECT_FALSE(grouping->data(0, UnitTreeWidget::IsDepRole).toBool());
    EXPECT_EQ(grouping->data(0, UnitTreeWidget::IndexRole).toString(), QStringLiteral("006"));
    EXPECT_EQ(grouping->child(0)->data(0, UnitTreeWidget::IdRole).toInt(), 16);
    EXPECT_EQ(grouping->child(0)->data(0, UnitTreeWidget::IndexRole).toString(),
              QStringLiteral("00601"));
    EXPECT_FALSE(tree->selectUnit(99));
    EXPECT_EQ(tree->currentUnitId(), 6);
}

TEST_F(UnitTreeWindowTest, SelectingAUnitShowsItsFullNameInTheHeading) {
    showForm();
    QSignalSpy spy(tree, &UnitTreeWidget::unitSelected);
    struct Case {
        int absoluteIndex;
        int id;
        QString name;
        bool isDep;
    };
    const Case cases[] = {
        {8, 12, QStringLiteral("某市发展和改革委员会"), true},
        {14, 6, QStringLiteral("群团组织"), false},
        {15, 16, QStringLiteral("共青团某市委员会"), true},
        {0, 1, QStringLiteral("中共某市委员会"), true},
    };
    for (const Case& c : cases) {
        spy.clear();
        ASSERT_TRUE(tree->selectAbsoluteIndex(c.absoluteIndex)) << c.absoluteIndex;
        ASSERT_EQ(spy.count(), 1) << c.absoluteIndex;
        EXPECT_EQ(spy[0][0].toInt(), c.id);
        EXPECT_EQ(spy[0][1].toString(), c.name);
        EXPECT_EQ(spy[0][2].toBool(), c.isDep);
        EXPECT_EQ(heading->text(), c.name);
        EXPECT_EQ(form->currentUnitId(), c.id);
    }
    EXPECT_FALSE(tree->selectAbsoluteIndex(16));
    EXPECT_FALSE(tree->selectAbsoluteIndex(-1));
    EXPECT_EQ(tree->currentUnitId(), 1);
}

TEST_F(UnitTreeWindowTest, DeletingASubtreeSelectsTheUnitAtTheSameIndex) {
    struct Case {
        int selected;
        QString removed;  // IDs, as an SQL list
        int removedCount;
        int selectedAfter;
    };
    const Case cases[] = {
        {3, QStringLiteral("3,11,12,13,14,15"), 6, 4},  // index 6 becomes 市政协
        {8, QStringLiteral("8"), 1, 9},                 // index 2 becomes 宣传部
        {16, QStringLiteral("16"), 1, 1},               // the last node: back to node 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected);
        TestHome caseHome;
        TDataM caseDm(caseHome.path());
        ASSERT_TRUE(caseDm.db().open(caseHome.makeWorkingDatabase()));
        TMainForm caseForm(caseDm);
        caseForm.show();
        auto* caseTree = caseForm.findChild<UnitTreeWidget*>(QStringLiteral("cxTreeView1"));
        const int cadres = caseDm.CadreCount().value();
        ASSERT_TRUE(caseTree->selectUnit(c.selected));

        const ModalAnswer<TNodeDelForm> answer(removeWith(false));
        caseForm.findChild<QPushButton*>(QStringLiteral("lblDelete"))->click();
        EXPECT_TRUE(answer.seen());

        const QString inRemoved = QStringLiteral(" where dwID in (") + c.removed + u')';
        EXPECT_EQ(caseDm.db()
                      .scalar(QStringLiteral("select count(*) from tb_department where ID in (") +
                              c.removed + u')')
                      ->toInt(),
                  0);
        EXPECT_EQ(caseDm.db()
                      .scalar(QStringLiteral("select count(*) from tb_cadre_zw") + inRemoved)
                      ->toInt(),
                  0);
        EXPECT_EQ(caseDm.db()
                      .scalar(QStringLiteral("select count(*) from tb_cadre_node") + inRemoved)
                      ->toInt(),
                  0);
        EXPECT_EQ(caseDm.CadreCount().value(), cadres);
        EXPECT_EQ(caseTree->itemsInDisplayOrder().size(), 16 - c.removedCount);
        EXPECT_EQ(caseTree->currentUnitId(), c.selectedAfter);
        EXPECT_EQ(caseForm.findChild<QLabel*>(QStringLiteral("lblHeading"))->text(),
                  caseDm.UnitName(c.selectedAfter).value());
    }
}

TEST_F(UnitTreeWindowTest, DissolvingKeepsThePostsAsFormerPostsEndingInTheGivenMonth) {
    showForm();
    const QString inSubtree = QStringLiteral(" where dwID in (3,11,12,13,14,15)");
    const int posts = count(QStringLiteral("tb_cadre_zw") + inSubtree);
    ASSERT_GT(posts, 0);
    const int current =
        count(QStringLiteral("tb_cadre_zw") + inSubtree + QStringLiteral(" and status=1"));
    const int allPosts = count(QStringLiteral("tb_cadre_zw"));
    ASSERT_TRUE(tree->selectUnit(3));

    const ModalAnswer<TNodeDelForm> answer(removeWith(true, QStringLiteral("2025-7")));
    clickDelete();
    EXPECT_TRUE(answer.seen());

    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw") + inSubtree), 0);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw")), allPosts);
    // The current posts end in the month, stored as "yyyy.mm"; the others had ended before.
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw where status=2 and dwID=0 and mzsjstr='2025.07' "
                                   "and mzsj=#2025-07-01#")),
              current);
    EXPECT_EQ(count(QStringLiteral("tb_department where ID in (3,11,12,13,14,15)")), 0);
    EXPECT_EQ(tree->currentUnitId(), 4);
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
}

TEST_F(UnitTreeWindowTest, CancellingOrABadMonthRemovesNothing) {
    showForm();
    ASSERT_TRUE(tree->selectUnit(3));
    const auto units = snapshot(QStringLiteral("tb_department"));
    const auto posts = snapshot(QStringLiteral("tb_cadre_zw"));
    struct Case {
        std::function<void(TNodeDelForm*)> answer;
        QStringList shown;
    };
    const Case cases[] = {
        {[](TNodeDelForm* f) { f->findChild<QPushButton*>(QStringLiteral("cxButton2"))->click(); },
         {}},
        {removeWith(true, QStringLiteral("2012-13")), {units::kBadMonthText}},
        {removeWith(true, QStringLiteral("七月")), {units::kBadMonthText}},
    };
    for (const Case& c : cases) {
        messages.clear();
        const ModalAnswer<TNodeDelForm> answer(c.answer);
        clickDelete();
        EXPECT_TRUE(answer.seen());
        EXPECT_EQ(messages.texts(), c.shown);
        EXPECT_EQ(snapshot(QStringLiteral("tb_department")), units);
        EXPECT_EQ(snapshot(QStringLiteral("tb_cadre_zw")), posts);
        EXPECT_EQ(tree->currentUnitId(), 3);
    }
}

TEST_F(UnitTreeWindowTest, TheRemovalDialogOffersDissolvingInTheCurrentMonthFirst) {
    TNodeDelForm dialog(dm, 3, QStringLiteral("市政府"));
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("单位撤销(删除)"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("确认撤销（删除）：市政府"));
    auto* dissolve = dialog.findChild<QRadioButton*>(QStringLiteral("rbDissolve"));
    auto* remove = dialog.findChild<QRadioButton*>(QStringLiteral("rbDelete"));
    auto* month = dialog.findChild<QLineEdit*>(QStringLiteral("cxTextEdit1"));
    EXPECT_EQ(dissolve->text(), QStringLiteral("撤销单位，保留曾任职信息，撤销时间："));
    EXPECT_EQ(remove->text(), QStringLiteral("完全删除"));
    EXPECT_TRUE(dissolve->isChecked());
    const QDate today = QDate::currentDate();
    EXPECT_EQ(month->text(), QStringLiteral("%1-%2").arg(today.year()).arg(today.month()));
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("cxButton1"))->text(),
              QStringLiteral("确 定"));
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("cxButton2"))->text(),
              QStringLiteral("取 消"));

    // A bad month keeps the dialog open; a good one closes it with the subtree dissolved.
    month->setText(QStringLiteral("2012-0"));
    dialog.findChild<QPushButton*>(QStringLiteral("cxButton1"))->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(messages.texts(), QStringList{units::kBadMonthText});
    EXPECT_EQ(count(QStringLiteral("tb_department")), 16);
    month->setText(QStringLiteral("2025.07"));
    dialog.findChild<QPushButton*>(QStringLiteral("cxButton1"))->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(count(QStringLiteral("tb_department")), 10);
}

TEST_F(UnitTreeWindowTest, ARefusedRightShowsTheMessageAndChangesNothing) {
    showForm();
    // A broken index, so that a rebuild that ran would show.
    exec(QStringLiteral("update tb_department set dwIndex='00109' where ID=9"));
    exec(QStringLiteral("update tb_department set parentID=99 where ID=16"));
    struct Case {
        QString right;
        std::function<void()> command;
    };
    const Case cases[] = {
        {QStringLiteral("WDW"), [this] { clickDelete(); }},
        {QStringLiteral("TOOL"), [this] { rebuild(); }},
    };
    dm.session().ManagerID = 7;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.right.toStdString());
        exec(QStringLiteral("delete * from tb_conf where GID='RIGHT'"));
        exec(QStringLiteral("insert into tb_conf (GID,ItemID,ItemV,ItemV2) values ('RIGHT','7','") +
             c.right + QStringLiteral("','0')"));
        ASSERT_TRUE(tree->selectUnit(3));
        const auto units = snapshot(QStringLiteral("tb_department"));
        const auto posts = snapshot(QStringLiteral("tb_cadre_zw"));
        messages.clear();
        const ModalAnswer<TNodeDelForm> answer(removeWith(false));
        c.command();
        EXPECT_FALSE(answer.seen());
        EXPECT_EQ(messages.texts(), QStringList{kNoRight});
        EXPECT_EQ(snapshot(QStringLiteral("tb_department")), units);
        EXPECT_EQ(snapshot(QStringLiteral("tb_cadre_zw")), posts);
        EXPECT_EQ(tree->currentUnitId(), 3);
        EXPECT_EQ(tree->itemsInDisplayOrder().size(), 16);
    }
}

TEST_F(UnitTreeWindowTest, RebuildingTheIndexesRepairsTheTableAndReloadsTheTree) {
    showForm();
    exec(QStringLiteral("update tb_department set dwIndex='00109' where ID=9"));
    exec(QStringLiteral("update tb_department set parentID=99, dwOrder=7 where ID=16"));
    exec(QStringLiteral("update tb_department set dwOrder=9 where ID=13"));
    ASSERT_TRUE(tree->selectUnit(12));

    rebuild();

    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
    struct Expected {
        int id;
        int parent;
        int order;
        int level;
        QString index;
    };
    const Expected rows[] = {
        {9, 1, 3, 1, QStringLiteral("00103")},  {16, 0, 7, 0, QStringLiteral("007")},
        {13, 3, 5, 1, QStringLiteral("00305")}, {14, 3, 3, 1, QStringLiteral("00303")},
        {15, 3, 4, 1, QStringLiteral("00304")},
    };
    for (const Expected& e : rows) {
        const auto r = dm.db().query(
            QStringLiteral("select parentID, dwOrder, dwlevel, dwIndex from tb_department "
                           "where ID=") +
            QString::number(e.id));
        ASSERT_TRUE(r && r->rows.size() == 1) << e.id;
        EXPECT_EQ(r->rows[0][0].toInt(), e.parent) << e.id;
        EXPECT_EQ(r->rows[0][1].toInt(), e.order) << e.id;
        EXPECT_EQ(r->rows[0][2].toInt(), e.level) << e.id;
        EXPECT_EQ(r->rows[0][3].toString(), e.index) << e.id;
    }
    // The tree was reloaded from the repaired table: the orphan is now a top-level unit.
    ASSERT_EQ(tree->topLevelItemCount(), 7);
    EXPECT_EQ(tree->topLevelItem(6)->data(0, UnitTreeWidget::IdRole).toInt(), 16);
    EXPECT_EQ(tree->topLevelItem(6)->data(0, UnitTreeWidget::IndexRole).toString(),
              QStringLiteral("007"));
    EXPECT_EQ(tree->topLevelItem(5)->childCount(), 0);
    EXPECT_EQ(tree->currentUnitId(), 12);
}

TEST_F(UnitTreeWindowTest, CommandsWithoutTheirWindowsAreDisabled) {
    showForm();
    auto* navBar = form->findChild<QToolBox*>(QStringLiteral("NavBar"));
    ASSERT_NE(navBar, nullptr);
    EXPECT_EQ(navBar->itemText(0), QStringLiteral("组织架构"));
    struct Case {
        const char* name;
        const char* text;
        bool enabled;
    };
    const Case cases[] = {
        {"lblAdd", "添加", true},
        {"lblDelete", "删除", true},
        {"lblAdvanced", "高级", true},
        {"lblFind", "查找", true},
    };
    for (const Case& c : cases) {
        auto* button = form->findChild<QPushButton*>(QString::fromLatin1(c.name));
        ASSERT_NE(button, nullptr) << c.name;
        EXPECT_EQ(button->text(), QString::fromUtf8(c.text)) << c.name;
        EXPECT_EQ(button->isEnabled(), c.enabled) << c.name;
    }
    auto* action = form->findChild<QAction*>(QStringLiteral("actRebuildIndex"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QStringLiteral("重建单位索引"));
    EXPECT_TRUE(action->isEnabled());
}

TEST_F(UnitTreeWindowTest, AnEmptyTableGivesAnEmptyTreeAndHeading) {
    exec(QStringLiteral("delete * from tb_department"));
    showForm();
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    EXPECT_EQ(tree->currentItem(), nullptr);
    EXPECT_EQ(tree->currentUnitId(), 0);
    EXPECT_EQ(heading->text(), QString());
    EXPECT_EQ(form->currentUnitId(), 0);

    const ModalAnswer<TNodeDelForm> answer(removeWith(false));
    clickDelete();
    EXPECT_FALSE(answer.seen());
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(UnitTreeWindowTest, ReloadingAfterTheCurrentUnitWentClearsTheHeadingWhenNothingIsLeft) {
    showForm();
    ASSERT_EQ(heading->text(), QStringLiteral("中共某市委员会"));
    exec(QStringLiteral("delete * from tb_department"));
    tree->reload();
    EXPECT_EQ(tree->currentUnitId(), 0);
    EXPECT_EQ(heading->text(), QString());
}

}  // namespace

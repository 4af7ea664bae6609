#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <memory>

#include "app/DataModule.h"
#include "cadre/ui/TDelCadreForm.h"
#include "cadre/ui/TMzForm.h"
#include "cadre/ui/TQueryForm1.h"
#include "cadre/ui/TRzForm.h"
#include "db/Database.h"
#include "main/CadreList.h"
#include "main/ui/CadreListModel.h"
#include "main/ui/PageDw.h"
#include "main/ui/TGbMoveInForm.h"
#include "main/ui/TMainForm.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "units/ui/UnitTreeWidget.h"
#include "widgets/CheckComboBox.h"
#include "widgets/TMoveLineForm.h"

namespace {

// Unit 12 (发改委) lists cadres 35..38 at orders 1..4; unit 8 (组织部) lists 7 cadres.
class CadreListWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }
    void showForm() {
        form = std::make_unique<TMainForm>(dm);
        form->show();
        tree = form->findChild<UnitTreeWidget*>(QStringLiteral("cxTreeView1"));
        page = form->cadreList();
        grid = page->findChild<QTableView*>(QStringLiteral("cxGrid2DBTableView1"));
        ASSERT_NE(tree, nullptr);
        ASSERT_NE(grid, nullptr);
    }
    void exec(const QString& sql) { ASSERT_TRUE(dm.db().exec(sql)) << dm.db().lastError(); }
    // The cadres the grid shows, top to bottom.
    QList<int> shownCadres() const {
        QList<int> ids;
        const int column = CadreListModel::columnOf("cadreid");
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            ids << grid->model()->index(row, column).data().toInt();
        }
        return ids;
    }
    QList<int> members(int unit) {
        QList<int> ids;
        const auto rows = dm.db().query(
            QStringLiteral("select ZwCadreID from tb_cadre_node where dwID=%1 order by zwOrder")
                .arg(unit));
        for (const QVariantList& row : rows->rows) {
            ids << row.value(0).toInt();
        }
        return ids;
    }
    QList<int> orders(int unit) {
        QList<int> values;
        const auto rows = dm.db().query(
            QStringLiteral("select zwOrder from tb_cadre_node where dwID=%1 order by zwOrder")
                .arg(unit));
        for (const QVariantList& row : rows->rows) {
            values << row.value(0).toInt();
        }
        return values;
    }
    int selectedCadre() const {
        return grid->currentIndex()
            .siblingAtColumn(CadreListModel::columnOf("cadreid"))
            .data()
            .toInt();
    }
    void trigger(const char* name) { page->action(name)->trigger(); }

    TestHome home;
    TDataM dm{home.path()};
    RecordingMessageService messages;
    std::unique_ptr<TMainForm> form;
    UnitTreeWidget* tree = nullptr;
    PageDw* page = nullptr;
    QTableView* grid = nullptr;
};

TEST_F(CadreListWindowTest, SelectingAUnitListsItsCadresWithHeadingCountAndPositions) {
    showForm();
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("countLabel"))->text(),
              QStringLiteral("当前干部数:60"));
    ASSERT_TRUE(tree->selectUnit(12));
    EXPECT_EQ(form->currentUnitId(), 12);
    EXPECT_EQ(shownCadres(), (QList<int>{35, 36, 37, 38}));
    EXPECT_EQ(page->findChild<QLabel*>(QStringLiteral("lblHeading"))->text(),
              QStringLiteral("某市发展和改革委员会"));
    EXPECT_TRUE(page->findChild<QLabel*>(QStringLiteral("lblHint"))->isVisible());
    EXPECT_EQ(page->findChild<QLabel*>(QStringLiteral("lblCount"))->text(),
              QStringLiteral("合计：4"));
    // Captions and first visibility.
    const QAbstractItemModel* model = grid->model();
    EXPECT_EQ(model->headerData(CadreListModel::columnOf("xm"), Qt::Horizontal).toString(),
              QStringLiteral("姓名"));
    EXPECT_FALSE(grid->isColumnHidden(CadreListModel::columnOf("xm")));
    EXPECT_TRUE(grid->isColumnHidden(CadreListModel::columnOf("name")));
    EXPECT_TRUE(grid->isColumnHidden(CadreListModel::columnOf("zwList")));
    EXPECT_EQ(grid->verticalHeader()->defaultSectionSize(), 30);
    // "序号" counts rows as shown, whatever the sort and the stored orders.
    exec(QStringLiteral("update tb_cadre_node set zwOrder=zwOrder*10 where dwID=12"));
    page->reload();
    grid->sortByColumn(CadreListModel::columnOf("xm"), Qt::DescendingOrder);
    const int order = CadreListModel::columnOf("zwOrder");
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(model->index(row, order).data().toInt(), row + 1);
    }
    // A grouping node lists its own members; no hint.
    ASSERT_TRUE(tree->selectUnit(6));
    EXPECT_TRUE(shownCadres().isEmpty());
    EXPECT_FALSE(page->findChild<QLabel*>(QStringLiteral("lblHint"))->isVisible());
}

TEST_F(CadreListWindowTest, TheTypeFilterAndTheSubtreeModeRebuildTheList) {
    exec(QStringLiteral("update tb_cadre set ctype=2 where CadreID=35"));
    exec(QStringLiteral("update tb_cadre set ctype=6 where CadreID=36"));
    exec(QStringLiteral("update tb_cadre set ctype=1 where CadreID in (37,38)"));
    showForm();
    ASSERT_TRUE(tree->selectUnit(12));
    auto* types = page->findChild<CheckComboBox*>(QStringLiteral("cbCadreType"));
    types->setValue(0b10);
    types->showPopup();
    types->hidePopup();
    EXPECT_EQ(shownCadres(), (QList<int>{35, 36}));
    types->setValue(0);
    types->showPopup();
    types->hidePopup();
    EXPECT_EQ(shownCadres(), (QList<int>{35, 36, 37, 38}));

    ASSERT_TRUE(tree->selectUnit(3));
    const QList<int> own = members(3);
    trigger("actShowSubordinates");
    EXPECT_EQ(page->action("actShowSubordinates")->text(), QStringLiteral("隐藏下级"));
    EXPECT_FALSE(grid->isColumnHidden(CadreListModel::columnOf("name")));
    EXPECT_FALSE(page->action("actMoveUp")->isEnabled());
    QList<int> expected = own;
    for (const int unit : {11, 12, 13, 14, 15}) {
        expected << members(unit);
    }
    EXPECT_EQ(shownCadres(), expected);
    trigger("actShowSubordinates");
    EXPECT_EQ(shownCadres(), own);
    EXPECT_TRUE(grid->isColumnHidden(CadreListModel::columnOf("name")));
    EXPECT_TRUE(page->action("actMoveUp")->isEnabled());
}

// "干部类型" is ticked with the mouse: a click on an item's text or on its box ticks it once and
// leaves the list open; closing applies the choice. Escape closes with the choice the list
// applies, never a different one.
TEST_F(CadreListWindowTest, TheTypeChoiceIsTickedWithTheMouseAndEscapeKeepsWhatTheListShows) {
    exec(QStringLiteral("update tb_cadre set ctype=2 where CadreID=35"));
    exec(QStringLiteral("update tb_cadre set ctype=6 where CadreID=36"));
    exec(QStringLiteral("update tb_cadre set ctype=1 where CadreID in (37,38)"));
    showForm();
    ASSERT_TRUE(tree->selectUnit(12));
    auto* types = page->findChild<CheckComboBox*>(QStringLiteral("cbCadreType"));
    QAbstractItemView* list = types->view();
    const auto click = [&](int row, bool onTheBox) {
        const QRect item = list->visualRect(list->model()->index(row, 0));
        const QPoint at = onTheBox ? QPoint(item.left() + 8, item.center().y()) : item.center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    };
    int applied = 0;
    QObject::connect(types, &CheckComboBox::closed, types, [&] { ++applied; });

    types->showPopup();
    click(1, false);  // 非领导干部, on its text
    EXPECT_EQ(types->value(), 0b10);
    EXPECT_TRUE(list->isVisible());
    click(2, true);  // 后备干部, on its box
    EXPECT_EQ(types->value(), 0b110);
    click(3, false);
    click(3, false);  // ticked and unticked again
    EXPECT_EQ(types->value(), 0b110);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(applied, 0);
    types->hidePopup();
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(shownCadres(), (QList<int>{35, 36}));

    types->showPopup();
    click(0, false);  // 领导干部 as well, then Escape
    EXPECT_EQ(types->value(), 0b111);
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(types->value(), 0b110);
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(shownCadres(), (QList<int>{35, 36}));
}

TEST_F(CadreListWindowTest, RowsMoveUpDownAndToARowKeepingTheSelection) {
    showForm();
    ASSERT_TRUE(tree->selectUnit(8));
    const QList<int> before = members(8);
    // Nothing selected.
    grid->clearSelection();
    grid->setCurrentIndex({});
    trigger("actMoveUp");
    EXPECT_EQ(messages.texts(), QStringList{PageDw::kSelectToMove});
    messages.clear();

    ASSERT_TRUE(page->selectRow(4));
    trigger("actMoveUp");
    EXPECT_EQ(members(8), (QList<int>{before[0], before[1], before[2], before[4], before[3],
                                      before[5], before[6]}));
    EXPECT_EQ(selectedCadre(), before[4]);
    trigger("actMoveDown");
    EXPECT_EQ(members(8), before);
    // The first row does not move up.
    ASSERT_TRUE(page->selectRow(0));
    trigger("actMoveUp");
    EXPECT_EQ(members(8), before);

    // Row 5 to row 2 through the dialog.
    ASSERT_TRUE(page->selectRow(4));
    {
        const ModalAnswer<TMoveLineForm> answer([](TMoveLineForm* dialog) {
            EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("lblRange"))->text(),
                      QStringLiteral("（1~7）"));
            dialog->findChild<QSpinBox*>(QStringLiteral("seRow"))->setValue(2);
            dialog->accept();
        });
        trigger("actMoveTo");
        EXPECT_TRUE(answer.seen());
    }
    EXPECT_EQ(members(8), (QList<int>{before[0], before[4], before[1], before[2], before[3],
                                      before[5], before[6]}));
    EXPECT_EQ(orders(8), (QList<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(selectedCadre(), before[4]);
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
}

TEST_F(CadreListWindowTest, DeletingARowClosesTheGapAndSelectsTheFollowingCadre) {
    showForm();
    ASSERT_TRUE(tree->selectUnit(8));
    const QList<int> before = members(8);
    ASSERT_TRUE(page->selectRow(2));
    {
        const ModalAnswer<TDelCadreForm> answer([](TDelCadreForm* dialog) {
            dialog->findChild<QRadioButton*>(QStringLiteral("rbRemoveDeletePosts"))->click();
            dialog->accept();
        });
        trigger("actDeleteCadre");
        EXPECT_TRUE(answer.seen());
    }
    QList<int> expected = before;
    expected.removeAt(2);
    EXPECT_EQ(members(8), expected);
    EXPECT_EQ(orders(8), (QList<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(shownCadres(), expected);
    EXPECT_EQ(selectedCadre(), before[3]);
    // The cadre itself is kept.
    EXPECT_EQ(
        dm.db()
            .scalar(QStringLiteral("select count(*) from tb_cadre where CadreID=%1").arg(before[2]))
            ->toInt(),
        1);
}

TEST_F(CadreListWindowTest, AddingExistingCadresThroughThePicker) {
    showForm();
    ASSERT_TRUE(tree->selectUnit(12));
    {
        const ModalAnswer<TQueryForm1> answer([this](TQueryForm1* picker) {
            // Cadre 1 by pinyin initials, then the members of unit 13 all at once.
            picker->findChild<QLineEdit*>(QStringLiteral("edtText"))->setText(QStringLiteral("LC"));
            auto* candidates = picker->findChild<QTableWidget*>(QStringLiteral("gridCandidates"));
            ASSERT_EQ(candidates->rowCount(), 1);
            EXPECT_EQ(candidates->item(0, 1)->text(), QStringLiteral("刘  成"));
            messages.answerNext(true);
            picker->findChild<QPushButton*>(QStringLiteral("btnRight"))->click();
            auto* picked = picker->findChild<QTableWidget*>(QStringLiteral("gridPicked"));
            EXPECT_EQ(picked->rowCount(), 1);
            picker->findChild<QLineEdit*>(QStringLiteral("edtText"))->setText(QStringLiteral("何"));
            candidates->selectRow(0);
            picker->findChild<QPushButton*>(QStringLiteral("btnRight"))->click();
            EXPECT_EQ(picked->rowCount(), 2);
            picker->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
        trigger("actAddExisting");
        EXPECT_TRUE(answer.seen());
    }
    EXPECT_EQ(members(12), (QList<int>{35, 36, 37, 38, 1, 2}));
    EXPECT_EQ(shownCadres(), (QList<int>{35, 36, 37, 38, 1, 2}));
    EXPECT_EQ(messages.texts(), QStringList{TQueryForm1::addAllQuestion(1)});
}

TEST_F(CadreListWindowTest, DroppingARowOnAUnitTransfersTheCadre) {
    showForm();
    ASSERT_TRUE(tree->selectUnit(12));
    ASSERT_TRUE(page->selectRow(1));  // cadre 36
    const auto drop = [this](int unit) {
        std::unique_ptr<QMimeData> mime(grid->model()->mimeData({grid->currentIndex()}));
        QTreeWidgetItem* target = nullptr;
        for (QTreeWidgetItem* item : tree->itemsInDisplayOrder()) {
            if (item->data(0, UnitTreeWidget::IdRole).toInt() == unit) {
                target = item;
            }
        }
        tree->scrollToItem(target);
        const QPointF at = tree->visualItemRect(target).center();
        // As a drag does: entering makes the tree the target that the drop goes to.
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, mime.get(), Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(tree->viewport(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent event(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(tree->viewport(), &event);
    };
    // Data from anywhere else is refused.
    QMimeData text;
    text.setText(QStringLiteral("36"));
    QDragEnterEvent foreign(tree->visualItemRect(tree->topLevelItem(0)).center(), Qt::CopyAction,
                            &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tree->viewport(), &foreign);
    EXPECT_FALSE(foreign.isAccepted());
    // Onto the current unit: nothing happens.
    drop(12);
    EXPECT_EQ(members(12), (QList<int>{35, 36, 37, 38}));
    {
        const ModalAnswer<TGbMoveInForm> answer([this](TGbMoveInForm* dialog) {
            EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("lblTarget"))->text(),
                      QStringLiteral("某市教育局"));
            // The post box starts with the posts held in the unit left, not the whole text.
            EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("edtPost"))->text(),
                      dm.db()
                          .scalar(QStringLiteral(
                              "select zwList from tb_cadre_node where ZwCadreID=36 and dwID=12"))
                          ->toString());
            auto* month = dialog->findChild<QLineEdit*>(QStringLiteral("edtMonth"));
            auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("btnOK"));
            // A month that is none keeps the dialog open; typing takes only the entry pattern.
            month->setText(QStringLiteral("abc"));
            ok->click();
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(messages.texts(), QStringList{mainwin::kBadTransferMonth});
            month->clear();
            QTest::keyClicks(month, QStringLiteral("2024-3"));
            EXPECT_EQ(month->text(), QStringLiteral("2024"));
            month->setText(QStringLiteral("2024.3"));
            dialog->findChild<QLineEdit*>(QStringLiteral("edtPost"))
                ->setText(QStringLiteral("副局长"));
            dialog->findChild<QCheckBox*>(QStringLiteral("chkLeave"))->setChecked(true);
            ok->click();
        });
        drop(13);
        EXPECT_TRUE(answer.seen());
    }
    EXPECT_EQ(members(12), (QList<int>{35, 37, 38}));
    EXPECT_EQ(shownCadres(), (QList<int>{35, 37, 38}));
    EXPECT_TRUE(members(13).contains(36));
    EXPECT_EQ(
        dm.db().scalar(QStringLiteral("select xrz from tb_cadre where CadreID=36"))->toString(),
        QStringLiteral("某市教育局副局长"));
    EXPECT_EQ(dm.db()
                  .scalar(QStringLiteral("select rzsjstr from tb_cadre_zw where ZwCadreID=36 and "
                                         "dwID=13 and status=1 and zwmc='副局长'"))
                  ->toString(),
              QStringLiteral("2024.03"));
}

TEST_F(CadreListWindowTest, EveryCommandHasAnEntryAndUnbuiltOnesAreDisabled) {
    showForm();
    struct Entry {
        const char* name;
        bool enabled;
    };
    const Entry entries[] = {
        {"actDbSettings", true},    {"actQuit", true},           {"actUnitLibrary", true},
        {"actRebuildIndex", true},  {"actDuplicateNames", true}, {"actCadreLibrary", true},
        {"actAddPost", true},       {"actRemovePost", true},     {"actBatchEdit", true},
        {"actSortByUnit", true},    {"actLrmImport", true},      {"actSend", true},
        {"actReceive", true},       {"actHandheld", true},       {"actManagers", true},
        {"actBackup", true},        {"actTemplates", true},      {"actReminders", true},
        {"actStandardCheck", true}, {"actExcelImport", true},    {"actWordImport", true},
        {"actRestore", true},       {"actCompact", true},        {"actRestoreSingle", true},
        {"actBackupSingle", true},  {"actMoveLibrary", true},    {"actOtherTools", true},
        {"actReinitialise", true},  {"actParameters", true},     {"actExportFolders", true}};
    for (const Entry& e : entries) {
        auto* action = form->findChild<QAction*>(QString::fromLatin1(e.name));
        ASSERT_NE(action, nullptr) << e.name;
        EXPECT_EQ(action->isEnabled(), e.enabled) << e.name;
    }
    EXPECT_EQ(form->findChild<QMenu*>(QStringLiteral("mnuColumns"))->actions().size(),
              static_cast<qsizetype>(kCadreListGridColumns.size()));
    // The duplicate-name check reports through the message box.
    form->findChild<QAction*>(QStringLiteral("actDuplicateNames"))->trigger();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0] == QStringLiteral("无姓名重复.") ||
                messages.texts()[0].startsWith(QStringLiteral("以下干部姓名重复.")));
}

TEST_F(CadreListWindowTest, TheLayoutIsRestoredOnShowAndSavedOnExitWithTheBackup) {
    exec(QStringLiteral("insert into tb_custom_check (name,down) values ('tbColzwList',True)"));
    exec(QStringLiteral("insert into tb_custom_check (name,down) values ('tbColxb',False)"));
    exec(QStringLiteral("insert into tb_custom_check (name,down) values ('btnGone',True)"));
    exec(QStringLiteral("insert into tb_custom_check (name,down) values ('[Cadre]N2',True)"));
    exec(QStringLiteral("insert into tb_custom_width (name,width,ord) values ('colxm',140,3)"));
    exec(QStringLiteral("insert into tb_querytemp (CadreID,xm) values (1,'x')"));
    showForm();
    EXPECT_FALSE(grid->isColumnHidden(CadreListModel::columnOf("zwList")));
    EXPECT_TRUE(grid->isColumnHidden(CadreListModel::columnOf("xb")));
    EXPECT_EQ(grid->horizontalHeader()->sectionSize(CadreListModel::columnOf("xm")), 140);
    EXPECT_EQ(grid->horizontalHeader()->visualIndex(CadreListModel::columnOf("xm")), 3);
    EXPECT_EQ(dm.db()
                  .scalar(QStringLiteral("select count(*) from tb_custom_check where "
                                         "name='btnGone'"))
                  ->toInt(),
              0);
    EXPECT_EQ(dm.db().scalar(QStringLiteral("select count(*) from tb_querytemp"))->toInt(), 0);
    ASSERT_TRUE(form->savesLayout());

    form->findChild<QAction*>(QStringLiteral("tbColmz"))->setChecked(false);
    messages.answerNext(true);
    form->close();
    EXPECT_EQ(dm.db()
                  .scalar(QStringLiteral("select down from tb_custom_check where name='tbColmz'"))
                  ->toBool(),
              false);
    EXPECT_EQ(dm.db().scalar(QStringLiteral("select count(*) from tb_custom_width"))->toInt(),
              static_cast<int>(kCadreListGridColumns.size()));
    // No backup on record: the question is asked and the copy written.
    EXPECT_TRUE(messages.texts().contains(
        QStringLiteral("系统有较长时间未自动备份数据库，退出前是否备份数据库？")));
    const QDir backups(home.path() + QStringLiteral("/自动备份"));
    EXPECT_EQ(backups.entryList({QStringLiteral("*.bak")}, QDir::Files).size(), 1);
}

TEST_F(CadreListWindowTest, PostsOfTheSelectedCadreAreAddedAndRemovedFromTheMainWindow) {
    showForm();
    ASSERT_TRUE(tree->selectUnit(12));
    ASSERT_TRUE(page->selectRow(1));  // cadre 36
    const auto currentPosts = [this] {
        return dm.db()
            .scalar(QStringLiteral("select count(*) from tb_cadre_zw where ZwCadreID=36 and "
                                   "dwID=12 and status=1"))
            ->toInt();
    };
    const int before = currentPosts();
    {
        const ModalAnswer<TRzForm> answer([](TRzForm* dialog) {
            dialog->findChild<QComboBox*>(QStringLiteral("cbPostName"))
                ->setEditText(QStringLiteral("调研员"));
            dialog->findChild<QLineEdit*>(QStringLiteral("edtAppointed"))
                ->setText(QStringLiteral("2024.05"));
            dialog->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
        form->findChild<QAction*>(QStringLiteral("actAddPost"))->trigger();
        EXPECT_TRUE(answer.seen());
    }
    EXPECT_EQ(currentPosts(), before + 1);
    const QString xrz =
        dm.db().scalar(QStringLiteral("select xrz from tb_cadre where CadreID=36"))->toString();
    EXPECT_TRUE(xrz.contains(QStringLiteral("调研员"))) << xrz.toStdString();
    // The list shows the new text, on the same cadre.
    EXPECT_EQ(selectedCadre(), 36);
    EXPECT_EQ(grid->currentIndex().siblingAtColumn(CadreListModel::columnOf("xrz")).data(),
              QVariant(xrz));

    {
        const ModalAnswer<TMzForm> answer([](TMzForm* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("edtMzsj"))
                ->setText(QStringLiteral("2025.1"));
            dialog->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
        form->findChild<QAction*>(QStringLiteral("actRemovePost"))->trigger();
        EXPECT_TRUE(answer.seen());
    }
    EXPECT_EQ(currentPosts(), 0);
    EXPECT_EQ(dm.db()
                  .scalar(QStringLiteral("select count(*) from tb_cadre_zw where ZwCadreID=36 "
                                         "and dwID=12 and status=2 and mzsjstr='2025.01'"))
                  ->toInt(),
              before + 1);
    // The cadre stays in the unit it was removed in.
    EXPECT_TRUE(members(12).contains(36));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
}

}  // namespace

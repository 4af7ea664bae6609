#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidgetItem>
#include <QWindow>

#include "app/DataModule.h"
#include "db/Database.h"
#include "support/FindChild.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"
#include "units/ui/TSelectDwForm.h"
#include "units/ui/UnitPickerEdit.h"
#include "units/ui/UnitTreeWidget.h"

namespace {

QTreeWidgetItem* nodeOf(const UnitTreeWidget* tree, int id) {
    for (QTreeWidgetItem* item : tree->itemsInDisplayOrder()) {
        if (item->data(0, UnitTreeWidget::IdRole).toInt() == id) {
            return item;
        }
    }
    return nullptr;
}

// The picker on the template's sample tree of 16 units: top level 1..6, 7..10 below 1
// (组织部 is 8), 11..15 below 3, 16 (团市委) below 6 (群团组织, no short name).
class SelectDwFormTest : public ::testing::Test {
  public:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        source.setDatabase(&dm.db());
        source.reload();
        owner.show();
    }
    // A click on the node of unit `id`; with `twice` a whole double-click: press and release,
    // then the double-click and its release.
    void click(int id, bool twice = false) {
        QTreeWidgetItem* node = nodeOf(picker.tree(), id);
        ASSERT_NE(node, nullptr) << id;
        picker.tree()->scrollToItem(node);
        const QPoint at = picker.tree()->visualItemRect(node).center();
        QTest::mouseClick(picker.tree()->viewport(), Qt::LeftButton, {}, at);
        if (twice) {
            QTest::mouseDClick(picker.tree()->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(picker.tree()->viewport(), Qt::LeftButton, {}, at);
        }
    }

    TestHome home;
    TDataM dm{home.path()};
    UnitTreeWidget source;
    QLineEdit owner;
    TSelectDwForm picker{&owner};
};

TEST_F(SelectDwFormTest, HoldsACopyOfTheTreeWithTheGivenNodeSelected) {
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("选择单位"));
    EXPECT_TRUE(picker.windowFlags().testFlag(Qt::Popup));
    EXPECT_TRUE(picker.windowFlags().testFlag(Qt::FramelessWindowHint));
    const QList<QTreeWidgetItem*> original = source.itemsInDisplayOrder();
    ASSERT_EQ(original.size(), 16);
    struct Case {
        int absoluteIndex;
        int selectedId;
    };
    // Display order: 1, 7, 8, 9, 10, 2, 3, 11 ... so index 2 is 组织部 and 7 is 政府办.
    const Case cases[] = {{2, 8}, {7, 11}, {15, 16}, {0, 1}, {99, 0}, {-1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.absoluteIndex);
        picker.popup(&owner, source, c.absoluteIndex);
        EXPECT_TRUE(picker.isVisible());
        const QList<QTreeWidgetItem*> copy = picker.tree()->itemsInDisplayOrder();
        ASSERT_EQ(copy.size(), original.size());
        for (int i = 0; i < copy.size(); ++i) {
            // Copies, not the source's own items, with the same captions, data and shape.
            EXPECT_NE(copy[i], original[i]);
            EXPECT_EQ(copy[i]->text(0), original[i]->text(0)) << i;
            for (const int role : {UnitTreeWidget::IdRole, UnitTreeWidget::IsDepRole,
                                   UnitTreeWidget::IndexRole, UnitTreeWidget::NameRole}) {
                EXPECT_EQ(copy[i]->data(0, role), original[i]->data(0, role)) << i << ' ' << role;
            }
            EXPECT_EQ(copy[i]->childCount(), original[i]->childCount()) << i;
        }
        EXPECT_EQ(picker.tree()->currentUnitId(), c.selectedId);
        if (c.selectedId != 0) {
            EXPECT_EQ(picker.tree()->currentAbsoluteIndex(), c.absoluteIndex);
        }
        picker.hide();
    }
    // The source keeps its items and selection.
    EXPECT_EQ(source.itemsInDisplayOrder(), original);
    EXPECT_EQ(source.currentUnitId(), 1);
}

TEST_F(SelectDwFormTest, PathsListEveryLevelRootFirst) {
    picker.copyTree(source, 0);
    EXPECT_EQ(TSelectDwForm::pathOf(nodeOf(picker.tree(), 8)), QStringLiteral("市委\\组织部\\"));
    EXPECT_EQ(TSelectDwForm::pathOf(nodeOf(picker.tree(), 3)), QStringLiteral("市政府\\"));
    EXPECT_EQ(TSelectDwForm::pathOf(nodeOf(picker.tree(), 16)),
              QStringLiteral("群团组织\\团市委\\"));
    EXPECT_EQ(TSelectDwForm::pathOf(nullptr), QString());
}

TEST_F(SelectDwFormTest, AClickOnANodeWritesThePathHidesAndReportsIt) {
    const QSignalSpy chosen(&picker, &TSelectDwForm::unitChosen);
    struct Case {
        int preselected;
        int clicked;
        bool twice;
        QString path;
        int absoluteIndex;
    };
    const Case cases[] = {
        {0, 8, false, QStringLiteral("市委\\组织部\\"), 2},
        {2, 15, false, QStringLiteral("市政府\\人社局\\"), 11},
        {11, 16, true, QStringLiteral("群团组织\\团市委\\"), 15},
        {-1, 4, true, QStringLiteral("市政协\\"), 12},
        {12, 4, false, QStringLiteral("市政协\\"), 12},  // the pre-selected node itself
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clicked);
        owner.setText(QStringLiteral("旧"));
        picker.popup(&owner, source, c.preselected);
        ASSERT_TRUE(picker.isVisible());
        const qsizetype before = chosen.count();
        click(c.clicked, c.twice);
        EXPECT_FALSE(picker.isVisible());
        EXPECT_EQ(owner.text(), c.path);
        // Once, also for a double-click.
        ASSERT_EQ(chosen.count(), before + 1);
        EXPECT_EQ(chosen.last().at(0).toInt(), c.absoluteIndex);
        EXPECT_EQ(chosen.last().at(1).toInt(), c.clicked);
        // The absolute index finds the same unit in the source tree.
        EXPECT_EQ(source.itemsInDisplayOrder()
                      .value(c.absoluteIndex)
                      ->data(0, UnitTreeWidget::IdRole)
                      .toInt(),
                  c.clicked);
    }
}

// The unit box as the user meets it in the post, membership and unit dialogs, with the clicks
// coming through the window system as a mouse gives them.
TEST_F(SelectDwFormTest, AClickOnTheUnitBoxOpensTheTreeAndAClickOnANodeChoosesTheUnit) {
    QWidget window;
    auto* unitBox = new UnitPickerEdit(QStringLiteral("edtUnit"), QString(), &window);
    unitBox->setDatabase(&dm.db());
    unitBox->reload();
    window.resize(400, 120);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QSignalSpy changed(unitBox, &UnitPickerEdit::unitChanged);
    auto* box = child<QLineEdit>(&window, "edtUnit");
    auto* drop = window.findChild<TSelectDwForm*>();
    ASSERT_NE(drop, nullptr);
    const auto clickAt = [](QWidget* widget, const QPoint& at) {
        QWidget* top = widget->window();
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, at));
    };
    for (const int id : {11, 8}) {
        SCOPED_TRACE(id);
        clickAt(box, box->rect().center());
        ASSERT_TRUE(drop->isVisible());
        QTreeWidgetItem* node = nodeOf(drop->tree(), id);
        ASSERT_NE(node, nullptr);
        drop->tree()->scrollToItem(node);
        clickAt(drop->tree()->viewport(), drop->tree()->visualItemRect(node).center());
        EXPECT_FALSE(drop->isVisible());
        EXPECT_EQ(unitBox->unitId(), id);
        EXPECT_EQ(box->text(), TSelectDwForm::pathOf(nodeOf(&source, id)));
        ASSERT_FALSE(changed.isEmpty());
        EXPECT_EQ(changed.last().at(0).toInt(), id);
    }
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(SelectDwFormTest, LosingFocusHidesItWithNothingChosen) {
    const QSignalSpy chosen(&picker, &TSelectDwForm::unitChosen);
    owner.setText(QStringLiteral("市委\\"));

    // A click outside the drop-down.
    picker.popup(&owner, source, 0);
    ASSERT_TRUE(picker.isVisible());
    EXPECT_EQ(QApplication::activePopupWidget(), &picker);
    QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(picker.width() + 20, 10));
    EXPECT_FALSE(picker.isVisible());

    // Another window becoming active.
    picker.popup(&owner, source, 0);
    ASSERT_TRUE(picker.isVisible());
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    EXPECT_FALSE(picker.isVisible());

    EXPECT_EQ(chosen.count(), 0);
    EXPECT_EQ(owner.text(), QStringLiteral("市委\\"));
}

}  // namespace

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItem>
#include <functional>
#include <memory>
#include <optional>

#include "app/DataModule.h"
#include "db/Database.h"
#include "main/ui/TMainForm.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "units/UnitTree.h"
#include "units/ui/TDepFormS.h"
#include "units/ui/TSelectDwForm.h"
#include "units/ui/UnitTreeWidget.h"

namespace {

const QString kNoRight = QStringLiteral("无操作权限，请联系管理员！");

// Chooses the parent as a user does: "<无>" for the top level, else a click on the parent box
// opens the picker and a double-click on the unit's node chooses it.
void chooseParent(TDepFormS* form, int id) {
    if (id == 0) {
        child<QPushButton>(form, "btnNoParent")->click();
        return;
    }
    QTest::mouseClick(child<QLineEdit>(form, "edtParent"), Qt::LeftButton);
    auto* picker = form->findChild<TSelectDwForm*>();
    ASSERT_NE(picker, nullptr);
    ASSERT_TRUE(picker->isVisible());
    QTreeWidgetItem* node = nullptr;
    for (QTreeWidgetItem* item : picker->tree()->itemsInDisplayOrder()) {
        if (item->data(0, UnitTreeWidget::IdRole).toInt() == id) {
            node = item;
            break;
        }
    }
    ASSERT_NE(node, nullptr) << id;
    picker->tree()->scrollToItem(node);
    // A real double-click: press and release, then the double-click and its release.
    const QPoint at = picker->tree()->visualItemRect(node).center();
    QTest::mouseClick(picker->tree()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(picker->tree()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(picker->tree()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(picker->isVisible());
}

// What the test types into the unit dialog; unset parts are left as the dialog shows them.
struct Input {
    std::optional<QString> name;
    std::optional<QString> dwjc;
    std::optional<int> parentId;  // 0: "<无>"
    std::optional<bool> group;
    std::optional<QString> nature;
    std::optional<QString> levelCode;

    static Input named(const QString& text) {
        Input input;
        input.name = text;
        return input;
    }
    static Input parent(int id) {
        Input input;
        input.parentId = id;
        return input;
    }
    Input& shortName(const QString& text) {
        dwjc = text;
        return *this;
    }
    Input& under(int id) {
        parentId = id;
        return *this;
    }
    Input& grouping(const QString& natureText, const QString& level) {
        group = true;
        nature = natureText;
        levelCode = level;
        return *this;
    }
};

// What the dialog showed when it opened, and whether "确 定" left it open.
struct Seen {
    QString title;
    QString name;
    QString parentText;
    int parentId = -1;
    bool isDep = false;
    QString nature;
    bool stayedOpen = false;
    bool nameHadFocus = false;
};

// Records the dialog, types `input`, presses "确 定", and closes a dialog left open with
// "取 消" so that the test goes on.
std::function<void(TDepFormS*)> saveWith(const Input& input, Seen& seen) {
    return [input, &seen](TDepFormS* form) {
        auto* name = child<QLineEdit>(form, "edtName");
        seen.title = form->windowTitle();
        seen.name = name->text();
        seen.parentText = child<QLineEdit>(form, "edtParent")->text();
        seen.parentId = form->parentId();
        seen.isDep = child<QRadioButton>(form, "rbDep")->isChecked();
        seen.nature = child<QComboBox>(form, "cbDwxz")->currentText();
        if (input.name) {
            name->setText(*input.name);
        }
        if (input.dwjc) {
            child<QLineEdit>(form, "edtDwjc")->setText(*input.dwjc);
        }
        if (input.parentId) {
            chooseParent(form, *input.parentId);
            EXPECT_EQ(form->parentId(), *input.parentId);
        }
        if (input.group) {
            child<QRadioButton>(form, *input.group ? "rbGroup" : "rbDep")->setChecked(true);
        }
        if (input.nature) {
            auto* natures = child<QComboBox>(form, "cbDwxz");
            natures->setCurrentIndex(natures->findText(*input.nature));
        }
        if (input.levelCode) {
            auto* levels = child<QComboBox>(form, "cbB0127");
            levels->setCurrentIndex(levels->findData(*input.levelCode));
        }
        // Focus elsewhere, so that a refused name has to bring it back.
        child<QLineEdit>(form, "edtDwjc")->setFocus();
        child<QPushButton>(form, "btnOK")->click();
        if (form->isVisible()) {
            seen.stayedOpen = true;
            seen.nameHadFocus = form->focusWidget() == name;
            child<QPushButton>(form, "btnCancel")->click();
        }
    };
}

// Where a unit stands in the tree.
struct Place {
    int parent;
    int order;
    int level;
    QString index;
};

struct UnitRow {
    int parent = -1;
    int order = -1;
    int level = -1;
    QString index;
    QString name;
    QString dwjc;
    QString py1;
    QString py2;
    bool isDep = false;
    QString dwxz;
    QString b0127;
};

// The main window on a fresh copy of the template, whose sample tree has 16 units: top level
// 1..6 (orders 1..6), 7..10 below 1, 11..15 below 3, 16 below 6.
class UnitEditorTest : public ::testing::Test {
  public:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }
    void showForm() {
        form = std::make_unique<TMainForm>(dm);
        form->show();
        tree = form->findChild<UnitTreeWidget*>(QStringLiteral("cxTreeView1"));
        ASSERT_NE(tree, nullptr);
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
    UnitRow unit(int id) {
        const auto r = dm.db().query(
            QStringLiteral("select parentID,dwOrder,dwlevel,dwIndex,name,dwjc,py1,py2,isDep,dwxz,"
                           "B0127 from tb_department where ID=") +
            QString::number(id));
        if (!r || r->rows.size() != 1) {
            ADD_FAILURE() << "no unit " << id;
            return {};
        }
        const QVariantList& v = r->rows[0];
        return {v[0].toInt(),    v[1].toInt(),    v[2].toInt(),    v[3].toString(),
                v[4].toString(), v[5].toString(), v[6].toString(), v[7].toString(),
                v[8].toBool(),   v[9].toString(), v[10].toString()};
    }
    int maxId() { return dm.MaxId(QStringLiteral("ID"), QStringLiteral("tb_department")).value(); }
    void clickAdd() { form->findChild<QPushButton*>(QStringLiteral("lblAdd"))->click(); }
    void trigger(const char* action) {
        auto* found = form->findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(found, nullptr) << action;
        found->trigger();
    }

    TestHome home;
    TDataM dm{home.path()};
    RecordingMessageService messages;
    std::unique_ptr<TMainForm> form;
    UnitTreeWidget* tree = nullptr;
};

TEST_F(UnitEditorTest, AddingPlacesTheNewUnitBelowTheSelectedOneAndSelectsIt) {
    showForm();
    struct Case {
        int selected;
        std::function<void(UnitEditorTest&)> command;
        Input input;
        QString shownParent;
        UnitRow expected;
        QString caption;
    };
    const Case cases[] = {
        // Under 市委 (children at orders 1..4), from the button under the tree.
        {1,
         [](UnitEditorTest& t) { t.clickAdd(); },
         Input::named(QStringLiteral("某市测试局")).shortName(QStringLiteral("测试局")),
         QStringLiteral("市委\\"),
         {1,
          5,
          1,
          QStringLiteral("00105"),
          QStringLiteral("某市测试局"),
          QStringLiteral("测试局"),
          QStringLiteral("MSCSJ"),
          QStringLiteral("CSJ"),
          true,
          {},
          {}},
         QStringLiteral("测试局")},
        // Under 团市委 (no children, two levels down), from the pop-up menu, as a grouping with
        // a nature and a level code.
        {16,
         [](UnitEditorTest& t) { t.trigger("actAddChild"); },
         {QStringLiteral("基层团组织"),
          QString(),
          {},
          true,
          QStringLiteral("社会团体"),
          QStringLiteral("109")},
         QStringLiteral("群团组织\\团市委\\"),
         {16, 1, 2, QStringLiteral("0060101"), QStringLiteral("基层团组织"), QString(),
          QStringLiteral("JCTZZ"), QString(), false, QStringLiteral("社会团体"),
          QStringLiteral("109")},
         QStringLiteral("基层团组织")},
        // At top level by choosing "<无>" although 市政府 is selected: max order 6 + 1.
        {3,
         [](UnitEditorTest& t) { t.clickAdd(); },
         Input::named(QStringLiteral("某市老干部局")).under(0),
         QStringLiteral("市政府\\"),
         {0,
          7,
          0,
          QStringLiteral("007"),
          QStringLiteral("某市老干部局"),
          QString(),
          QStringLiteral("MSLGBJ"),
          QString(),
          true,
          {},
          {}},
         QStringLiteral("某市老干部局")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected);
        ASSERT_TRUE(tree->selectUnit(c.selected));
        const int before = count(QStringLiteral("tb_department"));
        Seen seen;
        const ModalAnswer<TDepFormS> answer(saveWith(c.input, seen));
        c.command(*this);
        ASSERT_TRUE(answer.seen());
        EXPECT_EQ(seen.title, QStringLiteral("单位信息设置"));
        EXPECT_EQ(seen.name, QString());
        EXPECT_EQ(seen.parentId, c.selected);
        EXPECT_EQ(seen.parentText, c.shownParent);
        EXPECT_TRUE(seen.isDep);
        EXPECT_FALSE(seen.stayedOpen);
        EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();

        ASSERT_EQ(count(QStringLiteral("tb_department")), before + 1);
        const int id = maxId();
        const UnitRow row = unit(id);
        EXPECT_EQ(row.parent, c.expected.parent);
        EXPECT_EQ(row.order, c.expected.order);
        EXPECT_EQ(row.level, c.expected.level);
        EXPECT_EQ(row.index, c.expected.index);
        EXPECT_EQ(row.name, c.expected.name);
        EXPECT_EQ(row.dwjc, c.expected.dwjc);
        EXPECT_EQ(row.py1, c.expected.py1);
        EXPECT_EQ(row.py2, c.expected.py2);
        EXPECT_EQ(row.isDep, c.expected.isDep);
        EXPECT_EQ(row.dwxz, c.expected.dwxz);
        EXPECT_EQ(row.b0127, c.expected.b0127);
        EXPECT_EQ(tree->currentUnitId(), id);
        ASSERT_NE(tree->currentItem(), nullptr);
        EXPECT_EQ(tree->currentItem()->text(0), c.caption);
        EXPECT_EQ(tree->itemsInDisplayOrder().size(), before + 1);
        EXPECT_EQ(form->currentUnitId(), id);
    }
}

TEST_F(UnitEditorTest, AddingToAnEmptyTreeMakesTheFirstTopLevelUnit) {
    exec(QStringLiteral("delete * from tb_department"));
    showForm();
    ASSERT_EQ(tree->currentItem(), nullptr);
    Seen seen;
    const ModalAnswer<TDepFormS> answer(saveWith(Input::named(QStringLiteral("某市委员会")), seen));
    clickAdd();
    ASSERT_TRUE(answer.seen());
    EXPECT_EQ(seen.parentText, QStringLiteral("<无>"));
    EXPECT_EQ(seen.parentId, 0);
    ASSERT_EQ(count(QStringLiteral("tb_department")), 1);
    const int id = maxId();
    const UnitRow row = unit(id);
    EXPECT_EQ(row.parent, 0);
    EXPECT_EQ(row.order, 1);
    EXPECT_EQ(row.level, 0);
    EXPECT_EQ(row.index, QStringLiteral("001"));
    EXPECT_EQ(tree->currentUnitId(), id);
}

TEST_F(UnitEditorTest, RefusedSavesShowTheMessageKeepTheDialogOpenAndWriteNothing) {
    showForm();
    struct Case {
        const char* command;
        int selected;
        Input input;
        QString message;
        bool nameFocused;
    };
    const Case cases[] = {
        {"actAddChild", 1, Input::named(QString()), units::kEmptyName, true},
        {"actAddChild", 1, Input::named(QStringLiteral("　 ")), units::kEmptyName, true},
        {"actUnitSettings", 8, Input::named(QString()), units::kEmptyName, true},
        // 市政府 cannot go below its own department 发改委.
        {"actUnitSettings", 3, Input::parent(12), units::kMoveUnderOwnSubtree, false},
        {"actUnitSettings", 3, Input::parent(3), units::kMoveUnderOwnSubtree, false},
    };
    const auto units = snapshot(QStringLiteral("tb_department"));
    const auto posts = snapshot(QStringLiteral("tb_cadre_zw"));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + std::to_string(c.selected));
        ASSERT_TRUE(tree->selectUnit(c.selected));
        messages.clear();
        Seen seen;
        const ModalAnswer<TDepFormS> answer(saveWith(c.input, seen));
        trigger(c.command);
        ASSERT_TRUE(answer.seen());
        EXPECT_TRUE(seen.stayedOpen);
        EXPECT_EQ(seen.nameHadFocus, c.nameFocused);
        EXPECT_EQ(messages.texts(), QStringList{c.message});
        EXPECT_EQ(snapshot(QStringLiteral("tb_department")), units);
        EXPECT_EQ(snapshot(QStringLiteral("tb_cadre_zw")), posts);
        EXPECT_EQ(tree->currentUnitId(), c.selected);
    }
}

TEST_F(UnitEditorTest, RenamingAUnitRenamesItsPostsAndKeepsItsPlace) {
    showForm();
    const int posts = count(QStringLiteral("tb_cadre_zw where dwID=8"));
    ASSERT_GT(posts, 0);
    const int otherPosts = count(QStringLiteral("tb_cadre_zw where dwID<>8"));
    const UnitRow old = unit(8);
    const int otherUnit = count(QStringLiteral("tb_cadre_zw where dw='某市干部工作部'"));
    ASSERT_EQ(otherUnit, 0);
    ASSERT_TRUE(tree->selectUnit(8));

    Seen seen;
    const ModalAnswer<TDepFormS> answer(saveWith(
        Input::named(QStringLiteral("某市干部工作部")).shortName(QStringLiteral("干部部")), seen));
    trigger("actUnitSettings");
    ASSERT_TRUE(answer.seen());
    EXPECT_EQ(seen.name, old.name);
    EXPECT_EQ(seen.parentId, 1);
    EXPECT_EQ(seen.isDep, old.isDep);
    EXPECT_EQ(seen.nature, old.dwxz);
    EXPECT_FALSE(seen.stayedOpen);

    const UnitRow row = unit(8);
    EXPECT_EQ(row.name, QStringLiteral("某市干部工作部"));
    EXPECT_EQ(row.dwjc, QStringLiteral("干部部"));
    EXPECT_EQ(row.py2, QStringLiteral("GBB"));
    EXPECT_EQ(row.parent, old.parent);
    EXPECT_EQ(row.order, old.order);
    EXPECT_EQ(row.level, old.level);
    EXPECT_EQ(row.index, old.index);
    EXPECT_EQ(row.dwxz, old.dwxz);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw where dwID=8 and dw='某市干部工作部'")), posts);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw where dw='某市干部工作部'")), posts);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw where dwID<>8")), otherPosts);
    EXPECT_EQ(tree->currentUnitId(), 8);
    EXPECT_EQ(tree->currentItem()->text(0), QStringLiteral("干部部"));
    EXPECT_EQ(tree->itemsInDisplayOrder().size(), 16);
}

TEST_F(UnitEditorTest, ChoosingAnotherParentMovesTheWholeSubtree) {
    showForm();
    struct Case {
        int moved;
        int newParent;
        QList<std::pair<int, Place>> expected;
    };
    const Case cases[] = {
        // 市政府 with its five departments below 市委 (four children): order 5, one level down.
        {3,
         1,
         {{3, {1, 5, 1, QStringLiteral("00105")}},
          {11, {3, 1, 2, QStringLiteral("0010501")}},
          {15, {3, 5, 2, QStringLiteral("0010505")}},
          {7, {1, 1, 1, QStringLiteral("00101")}},
          {4, {0, 4, 0, QStringLiteral("004")}}}},
        // 政府办 (now two levels down) to the top level: max order 6 + 1.
        {11, 0, {{11, {0, 7, 0, QStringLiteral("007")}}, {3, {1, 5, 1, QStringLiteral("00105")}}}},
        // 团市委 below 组织部.
        {16, 8, {{16, {8, 1, 2, QStringLiteral("0010201")}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.moved);
        ASSERT_TRUE(tree->selectUnit(c.moved));
        Seen seen;
        const ModalAnswer<TDepFormS> answer(saveWith(Input::parent(c.newParent), seen));
        trigger("actUnitSettings");
        ASSERT_TRUE(answer.seen());
        EXPECT_FALSE(seen.stayedOpen);
        EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
        for (const auto& [id, e] : c.expected) {
            const UnitRow row = unit(id);
            EXPECT_EQ(row.parent, e.parent) << id;
            EXPECT_EQ(row.order, e.order) << id;
            EXPECT_EQ(row.level, e.level) << id;
            EXPECT_EQ(row.index, e.index) << id;
        }
        EXPECT_EQ(tree->currentUnitId(), c.moved);
        const QTreeWidgetItem* item = tree->currentItem();
        ASSERT_NE(item, nullptr);
        const int shownParent =
            item->parent() != nullptr ? item->parent()->data(0, UnitTreeWidget::IdRole).toInt() : 0;
        EXPECT_EQ(shownParent, c.newParent);
    }
    // Every unit of the moved subtree of 市政府 follows it.
    EXPECT_EQ(count(QStringLiteral("tb_department where dwIndex like '00105%'")), 5);
    EXPECT_EQ(count(QStringLiteral("tb_department where dwIndex like '00105%' and dwlevel=2")), 4);
}

TEST_F(UnitEditorTest, ARefusedRightOpensNoDialog) {
    showForm();
    dm.session().ManagerID = 7;
    exec(QStringLiteral("delete * from tb_conf where GID='RIGHT'"));
    exec(
        QStringLiteral("insert into tb_conf (GID,ItemID,ItemV,ItemV2) values "
                       "('RIGHT','7','WDW','0')"));
    ASSERT_TRUE(tree->selectUnit(3));
    const auto units = snapshot(QStringLiteral("tb_department"));
    const std::function<void()> commands[] = {
        [this] { clickAdd(); },
        [this] { trigger("actAddChild"); },
        [this] { trigger("actUnitSettings"); },
    };
    for (const auto& command : commands) {
        messages.clear();
        Seen seen;
        const ModalAnswer<TDepFormS> answer(
            saveWith(Input::named(QStringLiteral("不该出现")), seen));
        command();
        EXPECT_FALSE(answer.seen());
        EXPECT_EQ(messages.texts(), QStringList{kNoRight});
        EXPECT_EQ(snapshot(QStringLiteral("tb_department")), units);
        EXPECT_EQ(tree->currentUnitId(), 3);
    }
}

TEST_F(UnitEditorTest, TheTreeMenuActsOnTheUnitUnderThePointer) {
    showForm();
    auto* menu = form->findChild<QMenu*>(QStringLiteral("pmTree"));
    ASSERT_NE(menu, nullptr);
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << action->text();
    }
    EXPECT_EQ(texts, (QStringList{"添加下级单位", "删除单位", "单位设置"}));
    ASSERT_TRUE(tree->selectUnit(1));
    QTreeWidgetItem* target = tree->itemsInDisplayOrder().at(6);  // 市政府
    ASSERT_EQ(target->data(0, UnitTreeWidget::IdRole).toInt(), 3);
    EXPECT_EQ(tree->contextMenuPolicy(), Qt::CustomContextMenu);
    Q_EMIT tree->customContextMenuRequested(tree->visualItemRect(target).center());
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(tree->currentUnitId(), 3);
    for (const QAction* action : menu->actions()) {
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    }
    menu->close();

    // On an empty tree only adding is offered.
    exec(QStringLiteral("delete * from tb_department"));
    tree->reload();
    Q_EMIT tree->customContextMenuRequested(QPoint(5, 5));
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(menu->actions().at(0)->isEnabled());
    EXPECT_FALSE(menu->actions().at(1)->isEnabled());
    EXPECT_FALSE(menu->actions().at(2)->isEnabled());
    menu->close();
}

TEST_F(UnitEditorTest, AddModeOffersBasicsAndQuotasWithTheNaturesAndCodes) {
    TDepFormS dialog(dm);
    dialog.startAdding(3);
    dialog.show();
    auto* tabs = child<QTabWidget>(&dialog, "PageControl1");
    ASSERT_EQ(tabs->count(), 4);
    struct Tab {
        const char* text;
        bool enabled;
    };
    const Tab expectedTabs[] = {
        {"基本信息", true}, {"职数设置", true}, {"人员编制", false}, {"组织史管理", false}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(tabs->tabText(i), QString::fromUtf8(expectedTabs[i].text));
        EXPECT_EQ(tabs->isTabEnabled(i), expectedTabs[i].enabled) << i;
    }
    EXPECT_EQ(tabs->currentIndex(), 0);
    auto* natures = child<QComboBox>(&dialog, "cbDwxz");
    ASSERT_EQ(natures->count(), 22);
    EXPECT_EQ(natures->itemText(0), QString());
    EXPECT_EQ(natures->itemText(1), QStringLiteral("党委班子"));
    EXPECT_EQ(natures->itemText(21), QStringLiteral("其他单位"));
    auto* levels = child<QComboBox>(&dialog, "cbB0127");
    EXPECT_EQ(levels->count(), 14);
    EXPECT_EQ(levels->itemData(13).toString(), QStringLiteral("999"));
    auto* affiliations = child<QComboBox>(&dialog, "cbB0124");
    EXPECT_EQ(affiliations->count(), 10);
    EXPECT_EQ(affiliations->itemText(6), QStringLiteral("县、市、区、旗一级"));
    // The parent box shows the path; a click opens the picker on a copy of the 16 units with
    // the parent selected, and "<无>" beside it offers the top level.
    auto* parentBox = child<QLineEdit>(&dialog, "edtParent");
    EXPECT_TRUE(parentBox->isReadOnly());
    EXPECT_EQ(parentBox->text(), QStringLiteral("市政府\\"));
    EXPECT_EQ(dialog.parentId(), 3);
    EXPECT_EQ(child<QPushButton>(&dialog, "btnNoParent")->text(), QStringLiteral("<无>"));
    QTest::mouseClick(parentBox, Qt::LeftButton);
    auto* picker = dialog.findChild<TSelectDwForm*>();
    ASSERT_NE(picker, nullptr);
    EXPECT_TRUE(picker->isVisible());
    EXPECT_EQ(picker->tree()->itemsInDisplayOrder().size(), 16);
    EXPECT_EQ(picker->tree()->currentUnitId(), 3);
    picker->hide();
    EXPECT_EQ(child<QLineEdit>(&dialog, "edtB0114")->maxLength(), 12);
    EXPECT_EQ(child<QPushButton>(&dialog, "btnOK")->text(), QStringLiteral("确 定"));
    EXPECT_EQ(child<QPushButton>(&dialog, "btnCancel")->text(), QStringLiteral("取 消"));

    // A stored level code outside the list is kept.
    exec(QStringLiteral("update tb_department set B0127='555', B0114='12345678-9' where ID=4"));
    ASSERT_TRUE(dialog.startEditing(4));
    // An existing unit has staffing and an organisation history too.
    EXPECT_TRUE(tabs->isTabEnabled(2));
    EXPECT_TRUE(tabs->isTabEnabled(3));
    EXPECT_EQ(levels->currentData().toString(), QStringLiteral("555"));
    EXPECT_EQ(child<QLineEdit>(&dialog, "edtB0114")->text(), QStringLiteral("12345678-9"));
    EXPECT_EQ(natures->currentText(), QStringLiteral("政协班子"));
    EXPECT_EQ(dialog.parentId(), 0);
    EXPECT_EQ(parentBox->text(), QStringLiteral("<无>"));
    child<QPushButton>(&dialog, "btnOK")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.savedUnitId(), 4);
    EXPECT_EQ(unit(4).b0127, QStringLiteral("555"));
    EXPECT_EQ(unit(4).index, QStringLiteral("004"));
    EXPECT_FALSE(dialog.startEditing(99));
}

}  // namespace

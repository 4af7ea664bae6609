#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "db/Database.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"
#include "units/ui/TFindDwForm.h"
#include "units/ui/TQueryDwForm.h"
#include "units/ui/UnitTreeWidget.h"

namespace {

// Absolute indexes of the sample tree (IDs in brackets):
//  0 市委(1)  1 市委办(7)  2 组织部(8)  3 宣传部(9)  4 统战部(10)  5 市人大(2)  6 市政府(3)
//  7 政府办(11)  8 发改委(12)  9 教育局(13)  10 财政局(14)  11 人社局(15)  12 市政协(4)
//  13 市纪委(5)  14 群团组织(6)  15 团市委(16)
class UnitFindTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        tree.setDatabase(&dm.db());
        tree.reload();
        // The tree shares its window with another control that has the focus at first, as in
        // the main window.
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(&other);
        layout->addWidget(&tree);
        window.show();
        other.setFocus();
        ASSERT_EQ(tree.itemsInDisplayOrder().size(), 16);
    }
    QString currentCaption() const {
        return tree.currentItem() != nullptr ? tree.currentItem()->text(0) : QString();
    }

    TestHome home;
    TDataM dm{home.path()};
    QWidget window;
    QLineEdit other;
    UnitTreeWidget tree;
};

// ---- Find ------------------------------------------------------------------------------------

enum class Way { Down, Up };

struct FindCase {
    const char* label;
    int start;  // absolute index selected before the search
    QString text;
    Way way;
    int expected;  // absolute index selected after; == start when nothing matches
};

void PrintTo(const FindCase& c, std::ostream* os) {
    *os << c.label;
}

class UnitFindBoxTest : public UnitFindTest, public ::testing::WithParamInterface<FindCase> {};

TEST_P(UnitFindBoxTest, SelectsTheFirstMatchInTheDirectionOrKeepsTheSelection) {
    const FindCase& c = GetParam();
    TFindDwForm form(dm, tree);
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("查找"));
    EXPECT_FALSE(form.isModal());
    auto* label = form.findChild<QLabel*>(QStringLiteral("Label1"));
    auto* edit = form.findChild<QLineEdit*>(QStringLiteral("cxTextEdit1"));
    auto* down = form.findChild<QPushButton*>(QStringLiteral("cxButton1"));
    auto* up = form.findChild<QPushButton*>(QStringLiteral("cxButton2"));
    ASSERT_NE(label, nullptr);
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(down, nullptr);
    ASSERT_NE(up, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("输入名称或拼音首字母查找："));
    EXPECT_EQ(down->text(), QStringLiteral("向下搜索"));
    EXPECT_EQ(up->text(), QStringLiteral("向上搜索"));

    ASSERT_TRUE(tree.selectAbsoluteIndex(c.start));
    QSignalSpy selected(&tree, &UnitTreeWidget::unitSelected);
    edit->setText(c.text);
    (c.way == Way::Down ? down : up)->click();

    EXPECT_EQ(tree.currentAbsoluteIndex(), c.expected) << qPrintable(currentCaption());
    EXPECT_EQ(selected.count(), c.expected == c.start ? 0 : 1);
    EXPECT_EQ(tree.selectedItems(), QList<QTreeWidgetItem*>{tree.currentItem()});
    if (c.expected != c.start) {
        // The tree's window is activated first, which the platform reports asynchronously.
        EXPECT_TRUE(QTest::qWaitFor([this] { return tree.hasFocus(); }, 2000));
        const QRect shown = tree.visualItemRect(tree.currentItem());
        EXPECT_TRUE(shown.isValid() && tree.viewport()->rect().intersects(shown));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnitFindBoxTest,
    ::testing::Values(FindCase{"InitialsDownFromTheTop", 0, "ZZB", Way::Down, 2},
                      FindCase{"InitialsInLowerCase", 0, "zzb", Way::Down, 2},
                      FindCase{"FullInitialsOfTheName", 0, "MSCZ", Way::Down, 10},
                      FindCase{"ShortNameText", 0, "财政", Way::Down, 10},
                      FindCase{"FullNameTextNotInTheShortName", 0, "人民政府", Way::Down, 6},
                      FindCase{"StartsAfterTheSelectedNode", 6, "人民政府", Way::Down, 7},
                      FindCase{"NameOfAUnitWithoutShortName", 0, "团", Way::Down, 14},
                      FindCase{"UpFindsTheEarlierMatch", 15, "ZZB", Way::Up, 2},
                      FindCase{"UpFindsTheNearestMatch", 12, "人民政府", Way::Up, 7},
                      FindCase{"UpStartsBeforeTheSelectedNode", 2, "ZZB", Way::Up, 2},
                      FindCase{"DownDoesNotWrapAround", 2, "ZZB", Way::Down, 2},
                      FindCase{"UpDoesNotWrapAround", 0, "财政", Way::Up, 0},
                      FindCase{"NoMatchKeepsTheSelection", 4, "不存在的单位", Way::Down, 4},
                      FindCase{"LettersAreNotLookedForInNames", 0, "QQQ", Way::Down, 0},
                      FindCase{"MixedTextIsNotLookedForInInitials", 0, "ZZB部", Way::Down, 0},
                      FindCase{"EmptyTextMatchesNothing", 3, "", Way::Down, 3}),
    [](const ::testing::TestParamInfo<FindCase>& p) { return std::string(p.param.label); });

TEST_F(UnitFindTest, RepeatedDownSearchesStepThroughEveryMatch) {
    TFindDwForm form(dm, tree);
    form.show();
    form.findChild<QLineEdit*>(QStringLiteral("cxTextEdit1"))->setText(QStringLiteral("局"));
    auto* down = form.findChild<QPushButton*>(QStringLiteral("cxButton1"));
    QStringList found;
    for (int i = 0; i < 5; ++i) {
        down->click();
        found << currentCaption();
    }
    EXPECT_EQ(found, (QStringList{"教育局", "财政局", "人社局", "人社局", "人社局"}));
}

TEST_F(UnitFindTest, SearchWalksTheTreeAsShownEvenWhenTheTableChangedSince) {
    // A unit added after the tree was loaded is not shown, so the search cannot select it.
    ASSERT_TRUE(dm.db().exec(QStringLiteral(
        "insert into tb_department (ID,parentID,Name,dwjc,py1,py2,dwOrder,dwlevel,dwIndex,isDep,"
        "status) values (40,0,'某市审计局','审计局','MSSJJ','SJJ',7,0,'007',True,0)")))
        << dm.db().lastError();
    TFindDwForm form(dm, tree);
    form.findChild<QLineEdit*>(QStringLiteral("cxTextEdit1"))->setText(QStringLiteral("审计"));
    EXPECT_FALSE(form.searchDown());
    EXPECT_EQ(tree.currentAbsoluteIndex(), 0);
    tree.reload();
    EXPECT_TRUE(form.searchDown());
    EXPECT_EQ(tree.currentUnitId(), 40);
}

TEST_F(UnitFindTest, UpWithNothingSelectedStartsFromTheLastNode) {
    tree.setCurrentItem(nullptr);
    TFindDwForm form(dm, tree);
    form.findChild<QLineEdit*>(QStringLiteral("cxTextEdit1"))->setText(QStringLiteral("TSW"));
    EXPECT_TRUE(form.searchUp());
    EXPECT_EQ(tree.currentAbsoluteIndex(), 15);
}

// ---- Filter ----------------------------------------------------------------------------------

struct FilterCase {
    const char* label;
    QString name;
    QString nature;
    QString scope;  // the scope entry's text as the list shows it
    QString clause;
    QList<int> ids;
};

void PrintTo(const FilterCase& c, std::ostream* os) {
    *os << c.label;
}

class UnitFilterDialogTest : public UnitFindTest,
                             public ::testing::WithParamInterface<FilterCase> {};

TEST_P(UnitFilterDialogTest, BuildsTheClauseThatSelectsTheUnits) {
    const FilterCase& c = GetParam();
    TQueryDwForm form(dm, tree);
    form.show();
    auto* name = form.findChild<QLineEdit*>(QStringLiteral("cxTextEdit1"));
    auto* nature = form.findChild<QComboBox*>(QStringLiteral("cxComboBox1"));
    auto* scope = form.findChild<QComboBox*>(QStringLiteral("cxComboBox2"));
    ASSERT_NE(name, nullptr);
    ASSERT_NE(nature, nullptr);
    ASSERT_NE(scope, nullptr);
    name->setText(c.name);
    const int natureAt = nature->findText(c.nature);
    ASSERT_GE(natureAt, 0) << qPrintable(c.nature);
    nature->setCurrentIndex(natureAt);
    const int scopeAt = scope->findText(c.scope);
    ASSERT_GE(scopeAt, 0) << qPrintable(c.scope);
    scope->setCurrentIndex(scopeAt);
    form.findChild<QPushButton*>(QStringLiteral("cxButton1"))->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());

    EXPECT_EQ(form.whereClause(), c.clause);
    const auto rows = dm.db().query(QStringLiteral("select * from tb_department ") +
                                    form.whereClause() + QStringLiteral(" order by ID"));
    ASSERT_TRUE(rows.has_value()) << dm.db().lastError();
    QList<int> ids;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        ids << rows->value(i, QStringLiteral("ID")).toInt();
    }
    EXPECT_EQ(ids, c.ids);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnitFilterDialogTest,
    ::testing::Values(
        FilterCase{"NothingChosen",
                   "",
                   "",
                   "",
                   "",
                   {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        FilterCase{"ShortNameOnly", "部", "", "", " where (dwjc like '%部%')", {8, 9, 10}},
        FilterCase{
            "FullNameIsNotSearched", "人民政府", "", "", " where (dwjc like '%人民政府%')", {}},
        FilterCase{
            "NatureOnly", "", "政府部门", "", " where (dwxz='政府部门')", {11, 12, 13, 14, 15}},
        FilterCase{"ScopeTakesTheWholeSubtree",
                   "",
                   "",
                   "市政府",
                   " where (dwIndex like '003%')",
                   {3, 11, 12, 13, 14, 15}},
        FilterCase{
            "ScopeBelowTheTopLevel", "", "", "  组织部", " where (dwIndex like '00102%')", {8}},
        FilterCase{"NameNatureAndScope",
                   "办",
                   "党委部门",
                   "市委",
                   " where (dwjc like '%办%') and (dwIndex like '001%') and (dwxz='党委部门')",
                   {7}},
        FilterCase{"NameAndNatureInTheOtherBranch",
                   "局",
                   "政府部门",
                   "市政府",
                   " where (dwjc like '%局%') and (dwIndex like '003%') and (dwxz='政府部门')",
                   {13, 14, 15}},
        FilterCase{"NatureOutsideTheScope",
                   "",
                   "政府部门",
                   "市委",
                   " where (dwIndex like '001%') and (dwxz='政府部门')",
                   {}},
        FilterCase{"BlanksAroundTheNameAreIgnored",
                   "  委 ",
                   "人民团体机关",
                   "",
                   " where (dwjc like '%委%') and (dwxz='人民团体机关')",
                   {16}},
        FilterCase{"QuoteInTheNameStaysText", "a'b", "", "", " where (dwjc like '%a''b%')", {}}),
    [](const ::testing::TestParamInfo<FilterCase>& p) { return std::string(p.param.label); });

TEST_F(UnitFindTest, FilterListsTheNaturesAndTheIndentedTreeAndCancels) {
    TQueryDwForm form(dm, tree);
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("单位筛选"));
    QStringList labels;
    for (const char* label : {"Label1", "Label2", "Label3"}) {
        labels << form.findChild<QLabel*>(QString::fromLatin1(label))->text();
    }
    EXPECT_EQ(labels, (QStringList{"单位名称（包含）", "单位性质", "查找范围"}));

    auto* nature = form.findChild<QComboBox*>(QStringLiteral("cxComboBox1"));
    ASSERT_EQ(nature->count(), 22);
    EXPECT_EQ(nature->itemText(0), QString());
    EXPECT_EQ(nature->itemText(1), QStringLiteral("党委班子"));
    EXPECT_EQ(nature->currentText(), QString());

    auto* scope = form.findChild<QComboBox*>(QStringLiteral("cxComboBox2"));
    QStringList texts;
    QStringList indexes;
    for (int i = 0; i < scope->count(); ++i) {
        texts << scope->itemText(i);
        indexes << scope->itemData(i).toString();
    }
    EXPECT_EQ(texts,
              (QStringList{"", "市委", "  市委办", "  组织部", "  宣传部", "  统战部", "市人大",
                           "市政府", "  政府办", "  发改委", "  教育局", "  财政局", "  人社局",
                           "市政协", "市纪委", "群团组织", "  团市委"}));
    EXPECT_EQ(indexes.mid(0, 4), (QStringList{"", "001", "00101", "00102"}));
    EXPECT_EQ(indexes.last(), QStringLiteral("00601"));
    EXPECT_EQ(form.scopeIndex(), QString());

    scope->setCurrentIndex(7);
    EXPECT_EQ(form.scopeIndex(), QStringLiteral("003"));
    auto* cancel = form.findChild<QPushButton*>(QStringLiteral("cxButton2"));
    EXPECT_EQ(cancel->text(), QStringLiteral("取 消"));
    cancel->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_FALSE(form.isVisible());
}

}  // namespace

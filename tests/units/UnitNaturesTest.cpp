#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "app/DataModule.h"
#include "db/Database.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "units/UnitNatures.h"
#include "units/ui/TSelectedDwForm.h"
#include "units/ui/TZwjForm.h"

namespace {

class UnitNaturesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }
    std::vector<QVariantList> natures() {
        return dm.db().query(QStringLiteral("select * from tb_dep_xz order by xz"))->rows;
    }
    QVariantList nature(const QString& name) {
        const auto r = dm.db().query(
            QStringLiteral("select xz, zwj, zwjdesc from tb_dep_xz where xz=?"), {name});
        return r->rows.empty() ? QVariantList{} : r->rows[0];
    }

    TestHome home;
    TDataM dm{home.path()};
    RecordingMessageService messages;
};

TEST_F(UnitNaturesTest, APostSetIsKeptAsACommaListAndAsLines) {
    const units::PostSet set = units::postSetOf({"局长", "副局长", "调研员"});
    EXPECT_EQ(set.zwj, QStringLiteral("局长,副局长,调研员,"));
    EXPECT_EQ(set.zwjdesc, QStringLiteral("局长\n副局长\n调研员"));
    EXPECT_EQ(units::postsOfSet(set.zwj), (QStringList{"局长", "副局长", "调研员"}));
    EXPECT_EQ(units::postSetOf({}).zwj, QString());
    EXPECT_TRUE(units::postsOfSet(QStringLiteral(",, ,")).isEmpty());
}

TEST_F(UnitNaturesTest, SavingAddsEditsAndRenamesAndRefusesEmptyOrTakenNames) {
    ASSERT_TRUE(
        units::saveNature(dm.db(), {}, QStringLiteral(" 开发区管委会 "), {"主任", "副主任"}));
    EXPECT_EQ(nature(QStringLiteral("开发区管委会")),
              (QVariantList{"开发区管委会", "主任,副主任,", "主任\n副主任"}));
    // Editing keeps one row; renaming moves it.
    ASSERT_TRUE(units::saveNature(dm.db(), QStringLiteral("开发区管委会"),
                                  QStringLiteral("园区管委会"), {"主任"}));
    EXPECT_TRUE(nature(QStringLiteral("开发区管委会")).isEmpty());
    EXPECT_EQ(nature(QStringLiteral("园区管委会")), (QVariantList{"园区管委会", "主任,", "主任"}));
    // Saving a nature under its own name is no clash.
    EXPECT_TRUE(
        units::saveNature(dm.db(), QStringLiteral("园区管委会"), QStringLiteral("园区管委会"), {}));

    const auto before = natures();
    struct Case {
        const char* original;
        const char* name;
        QString message;
    };
    const Case cases[] = {{"", "  ", units::kEmptyNatureName},
                          {"", "企业", units::kNatureExists},
                          {"园区管委会", "事业单位", units::kNatureExists}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto outcome = units::saveNature(dm.db(), QString::fromUtf8(c.original),
                                               QString::fromUtf8(c.name), {"主任"});
        EXPECT_FALSE(outcome);
        EXPECT_EQ(outcome.failure().message, c.message);
    }
    EXPECT_EQ(natures(), before);
}

TEST_F(UnitNaturesTest, TheDialogChecksTheNaturesPostsAndWritesTheCheckedOnesInListOrder) {
    TZwjForm dialog(dm);
    dialog.startEditing(QStringLiteral("党委班子"));
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("单位性质及职务集设置"));
    auto* grid = dialog.findChild<QTableWidget*>(QStringLiteral("gridPosts"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->rowCount(),
              dm.db().scalar(QStringLiteral("select count(*) from tb_zw"))->toInt());
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("选中"));
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QStringLiteral("职务名称"));
    QStringList checked;
    int rowOfSecretary = -1;
    int rowOfMember = -1;
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (grid->item(row, 0)->checkState() == Qt::Checked) {
            checked << grid->item(row, 1)->text();
        }
        rowOfSecretary =
            grid->item(row, 1)->text() == QStringLiteral("秘书长") ? row : rowOfSecretary;
        rowOfMember = grid->item(row, 1)->text() == QStringLiteral("委员") ? row : rowOfMember;
    }
    EXPECT_EQ(checked.size(), 4);
    for (const char* post : {"书记", "副书记", "常委", "秘书长"}) {
        EXPECT_TRUE(checked.contains(QString::fromUtf8(post))) << post;
    }
    ASSERT_GE(rowOfSecretary, 0);
    ASSERT_GE(rowOfMember, 0);
    // A click on the name column toggles the check.
    Q_EMIT grid->cellClicked(rowOfSecretary, 1);
    grid->item(rowOfMember, 0)->setCheckState(Qt::Checked);
    dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    QStringList expected;
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (grid->item(row, 0)->checkState() == Qt::Checked) {
            expected << grid->item(row, 1)->text();
        }
    }
    EXPECT_FALSE(expected.contains(QStringLiteral("秘书长")));
    EXPECT_TRUE(expected.contains(QStringLiteral("委员")));
    EXPECT_EQ(units::naturePosts(dm.db(), QStringLiteral("党委班子")).value(), expected);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(UnitNaturesTest, ANewNatureInTheDialogStartsBlankAndNeedsAName) {
    TZwjForm dialog(dm);
    dialog.startAdding();
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("edtName"));
    auto* grid = dialog.findChild<QTableWidget*>(QStringLiteral("gridPosts"));
    EXPECT_TRUE(name->text().isEmpty());
    for (int row = 0; row < grid->rowCount(); ++row) {
        EXPECT_EQ(grid->item(row, 0)->checkState(), Qt::Unchecked) << row;
    }
    const auto before = natures();
    dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    EXPECT_EQ(messages.texts(), QStringList{units::kEmptyNatureName});
    EXPECT_EQ(natures(), before);
    name->setText(QStringLiteral("街道办事处"));
    grid->item(0, 0)->setCheckState(Qt::Checked);
    dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(units::naturePosts(dm.db(), QStringLiteral("街道办事处")).value(),
              QStringList{grid->item(0, 1)->text()});
}

TEST(SelectedUnitsTest, TheCallerReadsTheUnitsLeftChecked) {
    TSelectedDwForm dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("已选中单位"));
    dialog.setUnits({{3, QStringLiteral("市政府"), true},
                     {12, QStringLiteral("发改委"), true},
                     {5, QStringLiteral("市纪委"), false}});
    EXPECT_EQ(dialog.checkedUnitIds(), (QList<int>{3, 12}));
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstUnits"));
    ASSERT_NE(list, nullptr);
    list->item(0)->setCheckState(Qt::Unchecked);
    list->item(2)->setCheckState(Qt::Checked);
    EXPECT_EQ(dialog.checkedUnitIds(), (QList<int>{12, 5}));
    dialog.setUnits({});
    EXPECT_TRUE(dialog.checkedUnitIds().isEmpty());
}

}  // namespace

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "app/DataModule.h"
#include "cadre/CadreRecord.h"
#include "cadre/TCadreForm.h"
#include "db/Database.h"
#include "main/CadreListModel.h"
#include "main/PageDw.h"
#include "main/PickLists.h"
#include "main/TMainForm.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "units/UnitTreeWidget.h"

namespace {

// The editor as the main window opens it; unit 12 lists cadres 35..38.
class CadreFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        form.setDataModule(&dm);
        form.show();
        tree = form.findChild<UnitTreeWidget*>(QStringLiteral("cxTreeView1"));
        ASSERT_TRUE(tree->selectUnit(12));
    }
    QVariant stored(int cadre, const char* column) {
        return dm.db()
            .scalar(QStringLiteral("select %1 from tb_cadre where CadreID=%2")
                        .arg(QString::fromLatin1(column))
                        .arg(cadre))
            .value();
    }
    // Runs `body` in the editor that `command` opens, then closes it with "关 闭".
    void inEditor(const char* command, const std::function<void(TCadreForm*)>& body) {
        const ModalAnswer<TCadreForm> answer([&body](TCadreForm* editor) {
            body(editor);
            if (editor->isVisible()) {
                child<QPushButton>(editor, "btnClose")->click();
            }
        });
        form.findChild<QAction*>(QString::fromLatin1(command))->trigger();
        EXPECT_TRUE(answer.seen()) << command;
    }

    TestHome home;
    TDataM dm{home.path()};
    RecordingMessageService messages;
    TMainForm form;
    UnitTreeWidget* tree = nullptr;
};

TEST_F(CadreFormTest, ACadreOpenedFromTheListIsEditedSavedAndShownInTheList) {
    PageDw* page = form.cadreList();
    ASSERT_TRUE(page->selectRow(0));
    const QString name = stored(35, "xm").toString();
    inEditor("actCadreDetail", [&](TCadreForm* editor) {
        EXPECT_EQ(editor->windowTitle(), QStringLiteral("干部信息管理  --  ") + name);
        auto* allow = child<QCheckBox>(editor, "chkAllowEdit");
        EXPECT_FALSE(allow->isChecked());
        EXPECT_FALSE(child<QPushButton>(editor, "btnSave")->isEnabled());
        // Typing while locked is refused with the hint.
        auto* phone = child<QLineEdit>(editor, "edtTel");
        QTest::keyClick(phone, Qt::Key_A);
        EXPECT_EQ(messages.texts(), QStringList{TCadreForm::kLocked});
        messages.clear();

        allow->click();
        ASSERT_TRUE(allow->isChecked());
        child<QComboBox>(editor, "cbJgsheng")->setEditText(QStringLiteral("江苏南京"));
        child<QLineEdit>(editor, "edtCsny")->setText(QStringLiteral("1965.3"));
        child<QPushButton>(editor, "btnSave")->click();
        EXPECT_EQ(messages.texts(), QStringList{cadre::kSaveDone});
        // The record is shown again as stored.
        EXPECT_EQ(child<QLineEdit>(editor, "edtCsny")->text(), QStringLiteral("1965.03"));
        EXPECT_TRUE(editor->changed());
    });
    EXPECT_EQ(stored(35, "jgsheng").toString(), QStringLiteral("江苏南京"));
    EXPECT_EQ(stored(35, "csnyStr").toString(), QStringLiteral("1965.03"));
    EXPECT_EQ(stored(35, "csny").toDate(), QDate(1965, 3, 1));
    // The list is read again and stays on the cadre.
    auto* grid = page->findChild<QTableView*>(QStringLiteral("cxGrid2DBTableView1"));
    const QModelIndex current = grid->currentIndex();
    EXPECT_EQ(current.siblingAtColumn(CadreListModel::columnOf("cadreid")).data().toInt(), 35);
    EXPECT_EQ(current.siblingAtColumn(CadreListModel::columnOf("jgsheng")).data().toString(),
              QStringLiteral("江苏南京"));
    EXPECT_EQ(current.siblingAtColumn(CadreListModel::columnOf("csnyStr")).data().toString(),
              QStringLiteral("1965.03"));
    // A place typed for the first time is offered from now on.
    EXPECT_TRUE(form.pickLists().nativePlaces.contains(QStringLiteral("江苏南京")));
}

TEST_F(CadreFormTest, ARefusedSaveKeepsTheInputAndWritesNothing) {
    ASSERT_TRUE(form.cadreList()->selectRow(1));
    const QVariant before = stored(36, "csnyStr");
    inEditor("actCadreDetail", [&](TCadreForm* editor) {
        child<QCheckBox>(editor, "chkAllowEdit")->click();
        auto* birth = child<QLineEdit>(editor, "edtCsny");
        birth->setText(QStringLiteral("1865.3"));
        child<QLineEdit>(editor, "edtTel")->setText(QStringLiteral("12345"));
        child<QPushButton>(editor, "btnSave")->click();
        EXPECT_EQ(messages.texts(), (QStringList{QStringLiteral("错误的出生年月!"),
                                                 QStringLiteral("保存错误，错误代码!00001")}));
        EXPECT_EQ(birth->text(), QStringLiteral("1865.3"));
        // Closing with the refused input keeps the window and the input.
        child<QPushButton>(editor, "btnClose")->click();
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(birth->text(), QStringLiteral("1865.3"));
        child<QPushButton>(editor, "btnCancel")->click();
        EXPECT_EQ(birth->text(), before.toString());
    });
    EXPECT_EQ(stored(36, "csnyStr"), before);
    EXPECT_TRUE(stored(36, "tel").toString().isEmpty());
}

TEST_F(CadreFormTest, ANewCadreNeedsANameAndJoinsTheSelectedUnitOnce) {
    const int next = dm.NextMemberOrder(12);
    inEditor("actNewCadre", [&](TCadreForm* editor) {
        EXPECT_TRUE(child<QCheckBox>(editor, "chkAllowEdit")->isChecked());
        auto* pages = child<QTabWidget>(editor, "PageControl1");
        pages->setCurrentIndex(2);
        EXPECT_EQ(pages->currentIndex(), 0);
        EXPECT_EQ(messages.texts(), QStringList{cadre::kNameRequired});
        child<QLineEdit>(editor, "edtXm")->setText(QStringLiteral("张 三"));
        child<QLineEdit>(editor, "edtCsny")->setText(QStringLiteral("1980.5"));
        // Leaving the first page saves the new record.
        pages->setCurrentIndex(1);
        EXPECT_EQ(pages->currentIndex(), 1);
        EXPECT_GT(editor->lastCadreId(), 0);
        // Saving again changes nothing and joins nothing again.
        child<QPushButton>(editor, "btnSave")->click();
    });
    const auto rows = dm.db().query(
        QStringLiteral("select CadreID, csnyStr, py from tb_cadre where xm='张  三'"));
    ASSERT_EQ(rows->rows.size(), 1u);
    const int id = rows->rows[0].value(0).toInt();
    EXPECT_EQ(rows->rows[0].value(1).toString(), QStringLiteral("1980.05"));
    EXPECT_EQ(rows->rows[0].value(2).toString(), QStringLiteral("ZS"));
    const auto membership = dm.db().query(
        QStringLiteral("select zwOrder from tb_cadre_node where ZwCadreID=%1").arg(id));
    ASSERT_EQ(membership->rows.size(), 1u);
    EXPECT_EQ(membership->rows[0].value(0).toInt(), next);
    EXPECT_EQ(form.cadreList()->rowCount(), 5);
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("countLabel"))->text(),
              QStringLiteral("当前干部数:61"));
}

TEST_F(CadreFormTest, TheLibraryListsSearchesAndStepsThroughCadres) {
    inEditor("actCadreLibrary", [&](TCadreForm* editor) {
        auto* list = child<QTableWidget>(editor, "lstCadres");
        EXPECT_EQ(child<QLabel>(editor, "lblTotal")->text(), QStringLiteral("合计：60"));
        EXPECT_EQ(list->rowCount(), 60);
        child<QLineEdit>(editor, "edtSearch")->setText(QStringLiteral("LC"));
        ASSERT_EQ(list->rowCount(), 1);
        EXPECT_EQ(list->item(0, 0)->text(), QStringLiteral("刘  成"));
        EXPECT_EQ(child<QLineEdit>(editor, "edtXm")->text(), QStringLiteral("刘  成"));
        child<QPushButton>(editor, "btnShowAll")->click();
        EXPECT_EQ(list->rowCount(), 60);
        list->setCurrentCell(2, 0);
        EXPECT_EQ(child<QLineEdit>(editor, "edtXm")->text(), list->item(2, 0)->text());
        EXPECT_EQ(editor->lastCadreId(), list->item(2, 0)->data(Qt::UserRole).toInt());
    });
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
}

TEST_F(CadreFormTest, TheArrowsStepThroughTheCallersListAndStopAtItsEnds) {
    mainwin::PickLists lists;
    TCadreForm editor(dm, lists);
    ASSERT_TRUE(editor.openCadre(35));
    editor.setStepList({35, 36, 37}, 0);
    editor.show();
    auto* next = child<QPushButton>(&editor, "btnNext");
    auto* prior = child<QPushButton>(&editor, "btnPrior");
    ASSERT_TRUE(next->isVisible());
    const QList<std::pair<QPushButton*, int>> clicks = {{next, 36},  {next, 37},  {next, 37},
                                                        {prior, 36}, {prior, 35}, {prior, 35}};
    for (const auto& [button, expected] : clicks) {
        button->click();
        EXPECT_EQ(editor.lastCadreId(), expected);
        EXPECT_EQ(child<QLineEdit>(&editor, "edtXm")->text(), stored(expected, "xm").toString());
    }
    editor.reject();
}

}  // namespace

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "appointment/PlanLines.h"
#include "appointment/Plans.h"
#include "appointment/ui/PageRm.h"
#include "appointment/ui/PlanLinesModel.h"
#include "appointment/ui/TQueryRmForm.h"
#include "appointment/ui/TRmmcForm.h"
#include "cadre/PickLists.h"
#include "cadre/ui/TQueryForm1.h"
#include "db/Database.h"
#include "main/ui/TMainForm.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "widgets/GridExport.h"

namespace {

class PageRmTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        page = std::make_unique<PageRm>(dm, lists);
        page->reloadTree();
    }

    QVariant scalar(const QString& sql) { return dm.db().scalar(sql).value(); }

    QAction* action(const char* name) { return child<QAction>(page.get(), name); }

    // The captions of the children of root `root`.
    QStringList childrenOf(int root) {
        QStringList captions;
        const QTreeWidgetItem* item = page->tree()->topLevelItem(root);
        for (int i = 0; i < item->childCount(); ++i) {
            captions << item->child(i)->text(0);
        }
        return captions;
    }

    // Adds a plan through "添加" with `name` and `date` typed into the header dialog.
    void addPlan(const QString& name, const QString& date) {
        const ModalAnswer<TRmmcForm> answer([&](TRmmcForm* form) {
            child<QLineEdit>(form, "edtName")->setText(name);
            child<QLineEdit>(form, "edtTbsj")->setText(date);
            child<QPushButton>(form, "btnOK")->click();
        });
        child<QPushButton>(page->treePanel(), "Label12")->click();
        EXPECT_TRUE(answer.seen());
    }

    TestHome home;
    TDataM dm{home.path()};
    cadre::PickLists lists;
    RecordingMessageService messages;
    std::unique_ptr<PageRm> page;
};

TEST_F(PageRmTest, APlanIsMadeFilledEditedRefreshedAndDeletedThroughTheWindow) {
    const QAbstractItemModelTester tester(page->lines(),
                                          QAbstractItemModelTester::FailureReportingMode::Fatal);
    // Refused headers save nothing.
    addPlan(QString(), u"2024-06-30"_qs);
    addPlan(u"方案"_qs, QString());
    EXPECT_EQ(messages.texts(), (QStringList{appointment::kEmptyName, appointment::kEmptyDate}));
    EXPECT_EQ(scalar(u"select count(*) from tb_rmmc"_qs).toInt(), 0);
    messages.clear();
    action("dxBarButton22")->trigger();
    EXPECT_EQ(messages.texts(), QStringList{appointment::kNoPlan});
    messages.clear();

    addPlan(u"春季'调整"_qs, u"2024-06-30"_qs);
    const int planId = page->currentPlanId();
    ASSERT_NE(planId, 0);
    EXPECT_EQ(childrenOf(0), QStringList{u"春季'调整"_qs});
    EXPECT_EQ(page->tree()->currentItem()->data(0, Qt::UserRole).toInt(), planId);

    // "修改" renames the plan and sets its state.
    {
        const ModalAnswer<TRmmcForm> edit([](TRmmcForm* form) {
            EXPECT_EQ(child<QLineEdit>(form, "edtName")->text(), u"春季'调整"_qs);
            child<QLineEdit>(form, "edtName")->setText(u"春季调整"_qs);
            child<QComboBox>(form, "cmbRmzt")->setCurrentIndex(1);
            child<QPushButton>(form, "btnOK")->click();
        });
        child<QPushButton>(page->treePanel(), "Label11")->click();
        ASSERT_TRUE(edit.seen());
    }
    EXPECT_EQ(page->currentPlanId(), planId);
    const QTreeWidgetItem* states = page->tree()->topLevelItem(3);
    ASSERT_EQ(states->child(2)->childCount(), 1);
    EXPECT_EQ(states->child(2)->child(0)->text(0), u"春季调整"_qs);

    // Two cadres from the picker become two lines.
    QStringList picked;
    {
        const ModalAnswer<TQueryForm1> pick([&picked](TQueryForm1* picker) {
            child<QLineEdit>(picker, "edtText")->insert(u"何"_qs);
            auto* candidates = child<QTableWidget>(picker, "gridCandidates");
            for (int row = 0; row < 2 && row < candidates->rowCount(); ++row) {
                picked << candidates->item(row, 1)->text();
                candidates->selectRow(row);
                child<QPushButton>(picker, "btnRight")->click();
            }
            child<QPushButton>(picker, "btnOK")->click();
        });
        action("dxBarButton22")->trigger();
        ASSERT_TRUE(pick.seen());
    }
    ASSERT_EQ(picked.size(), 2);
    PlanLinesModel* lines = page->lines();
    ASSERT_EQ(lines->rowCount(), 2);
    EXPECT_EQ(lines->value(0, u"xm"_qs).toString(), picked[0]);
    EXPECT_EQ(lines->data(lines->index(1, 0)).toInt(), 2);

    // In-grid editing only while "在表格中直接编辑" is checked; the sequence never.
    const QModelIndex proposed = lines->index(0, 9);
    EXPECT_FALSE(lines->setData(proposed, u"拟任局长"_qs));
    action("dxBarButton190")->setChecked(true);
    EXPECT_FALSE(lines->flags(lines->index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(lines->setData(proposed, u"拟任'局长"_qs));
    // The result is chosen from its drop-down.
    QAbstractItemDelegate* results = page->grid()->itemDelegateForColumn(15);
    ASSERT_NE(results, nullptr);
    const QModelIndex result = lines->index(0, 15);
    std::unique_ptr<QWidget> editor(results->createEditor(page->grid(), {}, result));
    auto* box = qobject_cast<QComboBox*>(editor.get());
    ASSERT_NE(box, nullptr);
    box->setCurrentIndex(box->findText(u"部分通过"_qs));
    results->setModelData(box, lines, result);
    EXPECT_EQ(
        scalar(u"select rmjg from tb_rmmc_detail where id="_qs + QString::number(lines->lineId(0)))
            .toString(),
        u"部分通过"_qs);
    const int lineId = lines->lineId(0);
    const int cadreId = lines->value(0, u"McCadreID"_qs).toInt();

    // "更新" takes the cadre's new name and keeps the proposed post.
    ASSERT_TRUE(dm.db().exec(u"update tb_cadre set xm='新名' where CadreID=?"_qs, {cadreId}));
    page->grid()->setCurrentIndex(lines->index(0, 1));
    messages.answerNext(true);
    action("dxBarButton131")->trigger();
    EXPECT_EQ(lines->value(0, u"xm"_qs).toString(), u"新名"_qs);
    EXPECT_EQ(lines->value(0, u"nrz"_qs).toString(), u"拟任'局长"_qs);

    // "下移" moves the line and keeps it focused.
    action("dxBarButton104")->trigger();
    EXPECT_EQ(lines->rowOfLine(lineId), 1);
    EXPECT_EQ(page->grid()->currentIndex().row(), 1);

    // The grid as exported.
    QTemporaryDir out;
    const QString path = out.filePath(u"plan.xlsx"_qs);
    messages.clear();
    {
        const ModalAnswer<QFileDialog> save([&path](QFileDialog* dialog) {
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        action("dxBarButton36")->trigger();
        EXPECT_TRUE(save.seen());
    }
    EXPECT_EQ(messages.texts(), QStringList{widgets::kExportDone});
    EXPECT_TRUE(QFile::exists(path));
    const office::NewSheet sheet = widgets::sheetOfGrid(*page->grid());
    EXPECT_EQ(sheet.header.mid(0, 3), (QStringList{u"序号"_qs, u"姓名"_qs, u"性别"_qs}));
    EXPECT_EQ(sheet.rows.size(), 2u);

    // A cadre deleted from the records keeps his line; his record cannot be opened.
    ASSERT_TRUE(dm.db().exec(u"delete from tb_cadre where CadreID=?"_qs, {cadreId}));
    messages.clear();
    action("dxBarButton130")->trigger();
    EXPECT_EQ(messages.texts(), QStringList{appointment::kCadreDeleted});

    // "去除干部" renumbers the rest.
    page->grid()->setCurrentIndex(lines->index(0, 1));
    messages.answerNext(true);
    action("dxBarButton103")->trigger();
    ASSERT_EQ(lines->rowCount(), 1);
    EXPECT_EQ(lines->value(0, u"brOrder"_qs).toInt(), 1);

    // The editor, the batch output and the ministry's files are there.
    EXPECT_TRUE(action("dxBarButton111")->isEnabled());
    EXPECT_TRUE(action("dxBarButton129")->isEnabled());
    EXPECT_TRUE(action("dxBarButton221")->isEnabled());
    EXPECT_TRUE(action("actRmLrmImport")->isEnabled());

    // Deleting the plan deletes its lines.
    messages.answerNext(true);
    child<QPushButton>(page->treePanel(), "Label13")->click();
    EXPECT_EQ(scalar(u"select count(*) from tb_rmmc_detail"_qs).toInt(), 0);
    EXPECT_TRUE(childrenOf(0).isEmpty());
    EXPECT_EQ(page->currentPlanId(), 0);
}

TEST_F(PageRmTest, TheSearchRootListsThePlansFound) {
    addPlan(u"甲方案"_qs, u"2024-01-01"_qs);
    addPlan(u"乙方案"_qs, u"2024-02-01"_qs);
    messages.clear();
    const ModalAnswer<TQueryRmForm> answer([](TQueryRmForm* form) {
        child<QLineEdit>(form, "edtName")->setText(u"乙'"_qs);
        child<QPushButton>(form, "btnOK")->click();
    });
    QTreeWidgetItem* search = page->tree()->topLevelItem(4);
    ASSERT_EQ(search->text(0), appointment::kRootSearch);
    Q_EMIT page->tree()->itemClicked(search, 0);
    ASSERT_TRUE(answer.seen());
    EXPECT_EQ(messages.texts(), QStringList{appointment::foundPlansText(0)});

    const ModalAnswer<TQueryRmForm> second([](TQueryRmForm* form) {
        child<QLineEdit>(form, "edtName")->setText(u"乙"_qs);
        child<QPushButton>(form, "btnOK")->click();
    });
    Q_EMIT page->tree()->itemClicked(search, 0);
    ASSERT_TRUE(second.seen());
    EXPECT_EQ(childrenOf(4), QStringList{u"乙方案"_qs});
    Q_EMIT page->tree()->itemClicked(search->child(0), 0);
    EXPECT_EQ(page->currentPlanId(), search->child(0)->data(0, Qt::UserRole).toInt());
}

TEST_F(PageRmTest, DeletingAPlanSelectsTheNextAndColumnsCanBeHidden) {
    addPlan(u"甲方案"_qs, u"2024-01-01"_qs);
    const int first = page->currentPlanId();
    addPlan(u"乙方案"_qs, u"2024-02-01"_qs);
    const int second = page->currentPlanId();
    page->reloadTree(first);
    page->tree()->setCurrentItem(page->tree()->topLevelItem(0)->child(0));
    messages.answerNext(true);
    child<QPushButton>(page->treePanel(), "Label13")->click();
    EXPECT_EQ(messages.texts(), QStringList{u"确认删除方案 甲方案 ?"_qs});
    EXPECT_EQ(page->currentPlanId(), second);
    EXPECT_EQ(page->tree()->currentItem()->data(0, Qt::UserRole).toInt(), second);

    QAction* name = action("colRm1");
    EXPECT_EQ(name->text(), u"姓名"_qs);
    name->setChecked(false);
    EXPECT_TRUE(page->grid()->isColumnHidden(1));
    name->setChecked(true);
    EXPECT_FALSE(page->grid()->isColumnHidden(1));
}

TEST_F(PageRmTest, WithoutTheRightNothingChanges) {
    addPlan(u"方案"_qs, u"2024-06-30"_qs);
    const int planId = page->currentPlanId();
    ASSERT_TRUE(appointment::addCadres(dm.db(), planId, {1}));
    page->showPlan(planId);
    ASSERT_TRUE(dm.db().exec(
        u"insert into tb_conf (GID,ItemID,ItemV,ItemV2) values ('RIGHT','7','RMW','0')"_qs));
    dm.session().ManagerID = 7;
    page->grid()->setCurrentIndex(page->lines()->index(0, 1));
    messages.clear();
    for (const char* name : {"dxBarButton22", "dxBarButton103", "dxBarButton131"}) {
        action(name)->trigger();
    }
    action("dxBarButton190")->setChecked(true);
    for (const char* name : {"Label12", "Label11", "Label13"}) {
        child<QPushButton>(page->treePanel(), name)->click();
    }
    EXPECT_EQ(messages.texts(), QStringList(7, admin::kNoRight));
    EXPECT_FALSE(action("dxBarButton190")->isChecked());
    EXPECT_FALSE(page->lines()->flags(page->lines()->index(0, 9)) & Qt::ItemIsEditable);
    EXPECT_EQ(scalar(u"select count(*) from tb_rmmc_detail"_qs).toInt(), 1);
    EXPECT_EQ(scalar(u"select count(*) from tb_rmmc"_qs).toInt(), 1);
}

TEST_F(PageRmTest, TheMainWindowShowsThePlanPage) {
    TMainForm form(dm);
    auto* pages = child<QStackedWidget>(&form, "PageControl");
    EXPECT_EQ(pages->widget(TMainForm::PageRmIndex), form.plans());
    // The plan tree is in the navigation bar.
    EXPECT_EQ(child<QTreeWidget>(child<QWidget>(&form, "NavBar"), "cxTreeViewRm"),
              form.plans()->tree());
}

}  // namespace

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <memory>

#include "CadreData.h"
#include "cadre/Assessments.h"
#include "cadre/Documents.h"
#include "cadre/Family.h"
#include "cadre/PickLists.h"
#include "cadre/ui/AssessmentsPage.h"
#include "cadre/ui/DocumentsPage.h"
#include "cadre/ui/FamilyPage.h"
#include "cadre/ui/ReportForm.h"
#include "cadre/ui/ReportsPage.h"
#include "cadre/ui/RewardsPage.h"
#include "cadre/ui/TCadreForm.h"
#include "cadre/ui/TDamlForm.h"
#include "cadre/ui/TDmForm.h"
#include "cadre/ui/TFamilyForm.h"
#include "cadre/ui/TJcForm.h"
#include "cadre/ui/TKcForm.h"
#include "cadre/ui/TMdForm.h"
#include "cadre/ui/TNdkhForm.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/RecordingMessageService.h"
#include "widgets/DocumentOpener.h"

namespace {

// Every row of a grid, its first cells joined by "/".
QStringList rows(QTableWidget* grid, int columns) {
    QStringList list;
    for (int row = 0; row < grid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < columns; ++column) {
            cells << grid->item(row, column)->text();
        }
        list << cells.join(u'/');
    }
    return list;
}

void click(QWidget* parent, const char* button) {
    child<QPushButton>(parent, button)->click();
}

class SubRecordPagesTest : public CadreData {
  protected:
    void SetUp() override {
        CadreData::SetUp();
        for (const char* table : {"tb_family", "tb_jc", "tb_kc", "tb_fileLink", "tb_File"}) {
            run(QStringLiteral("delete from ") + QString::fromLatin1(table));
        }
    }

    // A page of cadre 1 as the editor shows it with "允许修改" on.
    template <class Page>
    void showPage(Page& page) {
        page.showCadre(1);
        page.setEditable(true);
        page.activate();
    }

    // Grants everything but `code` to a logged-in account.
    void refuseRight(const QString& code) {
        dm.session().ManagerID = 7;
        ASSERT_TRUE(db().exec(QStringLiteral("insert into tb_conf (GID,ItemID,ItemV,ItemV2) values "
                                             "('RIGHT','7',?,'0')"),
                              {code}));
    }

    RecordingMessageService messages;
};

TEST_F(SubRecordPagesTest, NineFamilyMembersKeepTheirOrderThroughTheWindow) {
    FamilyPage page(dm, {QStringLiteral("父亲"), QStringLiteral("子女")});
    showPage(page);
    auto* grid = child<QTableWidget>(&page, "gridFamily");
    {
        // "连续添加" keeps the dialog open for the next member; "取 消" ends the run.
        int added = 0;
        ModalAnswer<TFamilyForm> fill([&added](TFamilyForm* dialog) {
            child<QCheckBox>(dialog, "chkContinue")->setChecked(true);
            for (added = 1; added <= 9; ++added) {
                child<QComboBox>(dialog, "cbCw")->setCurrentText(QStringLiteral("子女"));
                child<QLineEdit>(dialog, "edtXm")->setText(QStringLiteral("成员%1").arg(added));
                child<QLineEdit>(dialog, "edtCssj")->setText(QStringLiteral("199%1.1").arg(added));
                click(dialog, "btnOK");
            }
            click(dialog, "btnCancel");
        });
        click(&page, "btnFamilyAdd");
        ASSERT_TRUE(fill.seen());
    }
    ASSERT_EQ(grid->rowCount(), 9);
    EXPECT_EQ(grid->item(0, 2)->text(), u"1991.01"_qs);

    grid->setCurrentCell(8, 0);
    click(&page, "btnFamilyUp");  // 成员9 before 成员8, and still focused
    EXPECT_EQ(grid->item(grid->currentRow(), 1)->text(), u"成员9"_qs);
    grid->setCurrentCell(0, 0);
    click(&page, "btnFamilyDown");
    grid->setCurrentCell(4, 0);
    messages.answerNext(true);
    click(&page, "btnFamilyDelete");
    EXPECT_TRUE(messages.texts().contains(cadre::kDeleteFamilyMemberQuestion));

    FamilyPage reopened(dm, {});
    showPage(reopened);
    const QStringList expected = {u"成员2"_qs, u"成员1"_qs, u"成员3"_qs, u"成员4"_qs,
                                  u"成员6"_qs, u"成员7"_qs, u"成员9"_qs, u"成员8"_qs};
    QStringList names;
    for (const QString& row : rows(child<QTableWidget>(&reopened, "gridFamily"), 2)) {
        names << row.section(u'/', 1);
    }
    EXPECT_EQ(names, expected);
}

TEST_F(SubRecordPagesTest, ARefusedMemberKeepsTheDialogOpenAndWritesNothing) {
    FamilyPage page(dm, {});
    showPage(page);
    bool stayed = false;
    ModalAnswer<TFamilyForm> fill([&stayed](TFamilyForm* dialog) {
        child<QLineEdit>(dialog, "edtXm")->setText(QStringLiteral("某"));
        child<QLineEdit>(dialog, "edtCssj")->setText(QStringLiteral("1899.12"));
        click(dialog, "btnOK");
        stayed = dialog->isVisible();
        dialog->reject();
    });
    click(&page, "btnFamilyAdd");
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(messages.texts().contains(cadre::kBadFamilyBirthMonth));
    EXPECT_EQ(db().scalar(QStringLiteral("select count(*) from tb_family"))->toInt(), 0);
}

TEST_F(SubRecordPagesTest, ChangesNeedTheEditingSwitchAndTheWriteRight) {
    FamilyPage page(dm, {});
    page.showCadre(1);
    page.activate();
    click(&page, "btnFamilyAdd");
    EXPECT_EQ(messages.texts(), QStringList{TCadreForm::kLocked});

    messages.clear();
    refuseRight(QStringLiteral("GBJTW"));
    page.setEditable(true);
    click(&page, "btnFamilyAdd");
    EXPECT_EQ(messages.texts(), QStringList{u"无操作权限，请联系管理员！"_qs});

    // Without the read right the list stays empty.
    ASSERT_TRUE(cadre::saveFamilyMember(dm, cadre::FamilyMember{0, 1, {}, u"某"_qs, {}, {}, {}}));
    refuseRight(QStringLiteral("GBJTR"));
    page.activate();
    EXPECT_EQ(child<QTableWidget>(&page, "gridFamily")->rowCount(), 0);
}

TEST_F(SubRecordPagesTest, APunishmentTakesItsReasonFromTheCodePicker) {
    RewardsPage page(dm, {}, new QLabel);
    showPage(page);
    child<QTabWidget>(&page, "tabJc")->setCurrentIndex(1);
    QString heading;
    QStringList categories;
    ModalAnswer<TJcForm> fill([&](TJcForm* dialog) {
        heading = child<QLabel>(dialog, "lblTitle")->text();
        auto* category = child<QComboBox>(dialog, "cbJclb");
        for (int i = 0; i < category->count(); ++i) {
            categories << category->itemText(i);
        }
        category->setCurrentText(QStringLiteral("纪律处分"));
        child<QComboBox>(dialog, "cbJcmc")->setCurrentText(QStringLiteral("警告"));
        child<QLineEdit>(dialog, "edtJcsj")->setText(QStringLiteral("2020-5-6"));
        ModalAnswer<TDmForm> pick([](TDmForm* picker) {
            QTreeWidget* tree = picker->tree();
            ASSERT_GT(tree->topLevelItemCount(), 0);
            QTreeWidgetItem* item = tree->topLevelItem(0);
            Q_EMIT tree->itemDoubleClicked(item, 0);
        });
        click(dialog, "btnReason");
        EXPECT_FALSE(child<QLineEdit>(dialog, "edtJcyy")->text().isEmpty());
        click(dialog, "btnOK");
    });
    click(&page, "btnJcAdd");
    EXPECT_TRUE(heading.endsWith(u" 同志奖惩情况登记表"_qs));
    EXPECT_EQ(categories, cadre::kPunishmentCategories);
    const auto stored = db().query(QStringLiteral("select jclbx,jcmc,jcsj,jcyy from tb_jc"));
    ASSERT_EQ(stored->rows.size(), 1u);
    EXPECT_EQ(stored->rows[0][0].toString(), u"惩类"_qs);
    EXPECT_EQ(stored->rows[0][2].toDate(), QDate(2020, 5, 6));
    EXPECT_EQ(rows(child<QTableWidget>(&page, "gridPunishments"), 2),
              QStringList{u"纪律处分/警告"_qs});
    EXPECT_EQ(child<QTableWidget>(&page, "gridRewards")->rowCount(), 0);
}

TEST_F(SubRecordPagesTest, AssessmentsAreAddedSummarisedAndGradedInBulk) {
    QString summary;
    AssessmentsPage page(dm, new QLabel, [&summary](const QString& text) { summary = text; });
    showPage(page);
    ModalAnswer<TKcForm> fill([](TKcForm* dialog) {
        child<QLineEdit>(dialog, "edtKcName")->setText(QStringLiteral("2019年度考核"));
        child<QComboBox>(dialog, "cbKcjl")->setCurrentText(QStringLiteral("优秀"));
        click(dialog, "btnOK");
    });
    click(&page, "btnKcAdd");
    EXPECT_EQ(rows(child<QTableWidget>(&page, "gridAnnual"), 4),
              QStringList{u"2019年度考核/年度考核/2020-01-01/2019"_qs});

    // A batch for 2020 of cadres 1 and 2, both graded 称职 with "全部设为...".
    ModalAnswer<TNdkhForm> batch([](TNdkhForm* dialog) {
        child<QSpinBox>(dialog, "seYear")->setValue(2020);
        dialog->addCadres({1, 2, 1});
        ASSERT_EQ(dialog->grid()->rowCount(), 2);
        const QList<QAction*> grades = child<QPushButton>(dialog, "btnSetAll")->menu()->actions();
        grades[1]->trigger();  // 称职
        EXPECT_EQ(child<QLabel>(dialog, "lblRatio")->text(), u"优秀0.0％"_qs);
        click(dialog, "btnOK");
    });
    click(&page, "btnKcBatch");
    EXPECT_TRUE(messages.texts().contains(cadre::kAppraisalsDone));
    EXPECT_EQ(child<QTableWidget>(&page, "gridAnnual")->rowCount(), 2);

    click(&page, "btnKcAuto");
    EXPECT_EQ(summary, u"2019年优秀，2020年称职"_qs);
}

TEST_F(SubRecordPagesTest, DocumentsAreAddedOpenedAndDamageIsReported) {
    QTemporaryDir files;
    const QString source = files.filePath(QStringLiteral("述职报告.txt"));
    {
        QFile file(source);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("述职");
    }
    DocumentsPage page(dm);
    page.setOpenFileChooser([&source](QWidget*, const QString&, const QString&) { return source; });
    QStringList opened;
    widgets::setDocumentOpener([&opened](const QString& path) {
        opened << path;
        return true;
    });
    showPage(page);
    click(&page, "btnDocOpen");
    EXPECT_EQ(messages.texts(), QStringList{cadre::kSelectDocumentToOpen});
    click(&page, "btnDocAdd");
    auto* list = child<QListWidget>(&page, "lvDocuments");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), u"述职报告.txt"_qs);
    list->setCurrentRow(0);
    click(&page, "btnDocOpen");
    ASSERT_EQ(opened.size(), 1);
    QFile copy(opened[0]);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), QByteArray("述职"));

    run(QStringLiteral("update tb_File set Binfile=X'504B0304FFFF'"));
    messages.clear();
    click(&page, "btnDocOpen");
    EXPECT_EQ(messages.texts().value(0).section(u'\n', 0, 0), cadre::kUnpackFailed);
    EXPECT_EQ(opened.size(), 1);
    widgets::setDocumentOpener({});
}

TEST_F(SubRecordPagesTest, AMajorEventIsFilledFromItsCategoryAndDeletedByName) {
    run(QStringLiteral("delete from A54"));
    ReportsPage page(dm, cadre::ReportKind::MajorEvent);
    showPage(page);
    click(&page, "btnReportExport");
    EXPECT_EQ(messages.texts(), QStringList{u"表格中无数据，无法导出!"_qs});
    bool refused = false;
    QString heading;
    ModalAnswer<ReportForm> fill([&](ReportForm* dialog) {
        EXPECT_EQ(dialog->objectName(), u"TZdsxForm"_qs);
        heading = child<QLabel>(dialog, "lblTitle")->text();
        auto* content = child<QPlainTextEdit>(dialog, "memA5407");
        content->setPlainText(QStringLiteral("旧内容"));
        click(dialog, "btnOK");
        refused = dialog->isVisible();
        auto* category = child<QComboBox>(dialog, "cbA5404");
        category->setCurrentIndex(0);
        Q_EMIT category->activated(0);
        EXPECT_EQ(content->toPlainText(), cadre::majorEventForm(0));
        child<QLineEdit>(dialog, "edtA5401")->setText(QStringLiteral("2021-03-04"));
        click(dialog, "btnOK");
    });
    click(&page, "btnReportAdd");
    EXPECT_TRUE(refused);
    EXPECT_TRUE(messages.texts().contains(cadre::kChooseReportCategory));
    EXPECT_TRUE(heading.endsWith(u" 同志个人重大事项报告登记表"_qs));
    auto* grid = child<QTableWidget>(&page, "gridReports");
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->item(0, 1)->text(), u"2021-03-04"_qs);

    grid->setCurrentCell(0, 0);
    messages.clear();
    messages.answerNext(true);
    click(&page, "btnReportDelete");
    EXPECT_EQ(messages.texts(),
              QStringList{u"确认删除记录? 报告类型:"_qs + cadre::majorEventCategories()[0]});
    EXPECT_EQ(grid->rowCount(), 0);
}

TEST_F(SubRecordPagesTest, TheCatalogueIsEditedInItsGridOnlyWithTheSwitchOn) {
    run(QStringLiteral("delete from E01"));
    TDamlForm catalogue(dm, 1, QStringLiteral("刘  成"));
    EXPECT_EQ(child<QLabel>(&catalogue, "lblTitle")->text(), u"刘  成 档案目录"_qs);
    auto* grid = child<QTableWidget>(&catalogue, "gridE01");
    EXPECT_FALSE(child<QPushButton>(&catalogue, "btnAdd")->isEnabled());
    child<QCheckBox>(&catalogue, "chkAllowEdit")->setChecked(true);
    click(&catalogue, "btnAdd");
    click(&catalogue, "btnAdd");
    ASSERT_EQ(grid->rowCount(), 2);
    grid->item(1, 2)->setText(QStringLiteral("入党志愿书"));
    grid->item(0, 2)->setText(QStringLiteral("干部履历表"));
    grid->setCurrentCell(1, 0);
    click(&catalogue, "btnUp");
    EXPECT_EQ(grid->item(0, 2)->text(), u"入党志愿书"_qs);
    EXPECT_EQ(grid->item(0, 0)->text(), u"1"_qs);
    EXPECT_EQ(
        db().scalar(QStringLiteral("select E01Z104 from E01 where E01Z111A='入党志愿书'"))->toInt(),
        1);
}

TEST_F(SubRecordPagesTest, TheNameListIsTidiedAndHandedOverAsAnInList) {
    TMdForm names;
    auto* memo = child<QPlainTextEdit>(&names, "memNames");
    memo->setPlainText(QStringLiteral("张三，李四、王五\n赵六"));
    click(&names, "btnTidy");
    EXPECT_EQ(memo->toPlainText(), u"张三\n李四\n王五\n赵六"_qs);
    click(&names, "btnOK");
    EXPECT_EQ(names.result(), QDialog::Accepted);
    EXPECT_EQ(names.inList(), u"'张三','李四','王五','赵六'"_qs);
}

TEST_F(SubRecordPagesTest, TheEditorListsTheRecordsOfThePageShown) {
    ASSERT_TRUE(cadre::saveFamilyMember(dm, cadre::FamilyMember{0, 1, {}, u"某"_qs, {}, {}, {}}));
    ASSERT_TRUE(
        db().exec(u"insert into tb_conf (GID,ItemID,ItemV) values ('GBSF','聘用','06')"_qs));
    cadre::PickLists lists = cadre::loadPickLists(db()).value();
    TCadreForm form(dm, lists);
    ASSERT_TRUE(form.openCadre(1));
    auto* pages = child<QTabWidget>(&form, "PageControl1");
    EXPECT_EQ(pages->currentIndex(), 0);  // the editor opens on the basic page
    auto* grid = child<QTableWidget>(&form, "gridFamily");
    EXPECT_EQ(grid->rowCount(), 0);
    // A page is shown inside the guard that can cover it.
    pages->setCurrentWidget(child<QWidget>(&form, "tsFamily")->parentWidget());
    EXPECT_EQ(grid->rowCount(), 1);
    // The grades of professional titles come from their list.
    auto* grades = child<QComboBox>(&form, "cbZydj");
    for (const QString& grade :
         {u"正高级"_qs, u"副高级"_qs, u"中级"_qs, u"助理级"_qs, u"员级"_qs}) {
        EXPECT_GE(grades->findText(grade), 0) << grade.toStdString();
    }
    // The identities are the department's list (tb_conf GBSF), the staffing analysis's too.
    auto* identities = child<QComboBox>(&form, "cbRybz");
    EXPECT_EQ(identities->findText(u"聘用"_qs), identities->findText(u"差额拨款事业编制"_qs) + 1);
}

}  // namespace

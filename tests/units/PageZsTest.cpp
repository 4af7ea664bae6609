#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolBox>
#include <QTreeWidget>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "db/Database.h"
#include "main/ui/TMainForm.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "units/QuotaAnalysis.h"
#include "units/QuotaPrintout.h"
#include "units/ui/PageZs.h"
#include "units/ui/TPlBzForm.h"
#include "units/ui/TPlzsForm.h"
#include "units/ui/UnitTreeWidget.h"
#include "widgets/GridExport.h"

namespace {

using units::AnalysisMode;

const QString kMain = QStringLiteral("正职");
const QString kDeputy = QStringLiteral("副职");
const QString kLeague = QStringLiteral("共青团某市委员会");          // unit 16, two members
const QString kBureau = QStringLiteral("某市人力资源和社会保障局");  // unit 15

class PageZsTest : public ::testing::Test {
  public:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        // The league's first member is its 书记; the quota is 2 (one short), the bureau's deputy
        // quota 0 with its holders over it.
        firstMember =
            number(QStringLiteral("select min(ZwCadreID) from tb_cadre_node where "
                                  "DwID=16"));
        exec(
            QStringLiteral("insert into tb_department_zs (DwID,zwtype,zwmc,zwrs) values "
                           "(16,'正职','书记',2)"));
        bureauDeputy = dm.db()
                           .scalar(QStringLiteral("select zwmc from tb_cadre_zw where status=1 "
                                                  "and DwID=15 and zwmc like '副%'"))
                           .value()
                           .toString();
        exec(QStringLiteral("insert into tb_department_zs (DwID,zwtype,zwmc,zwrs) values "
                            "(15,'副职',?,0)"),
             {bureauDeputy});
    }
    void exec(const QString& statement, const QVariantList& params = {}) {
        if (!dm.db().exec(statement, params)) {
            ADD_FAILURE() << dm.db().lastError().toStdString();
        }
    }
    int number(const QString& statement) { return dm.db().scalar(statement).value().toInt(); }
    void showQuotas(PageZs& page) {
        page.setScope(AnalysisMode::Quotas, {{16, kLeague}, {15, kBureau}}, {kMain, kDeputy});
    }

    TestHome home;
    TDataM dm{home.path()};
    RecordingMessageService messages;
    int firstMember = 0;
    QString bureauDeputy;
};

TEST_F(PageZsTest, TheGridShowsQuotasCountsAndColours) {
    PageZs page(dm);
    showQuotas(page);
    QTableWidget* grid = page.grid();
    ASSERT_EQ(grid->rowCount(), 2);
    ASSERT_EQ(grid->columnCount(), 8);
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), QStringLiteral("正职\n职务名称"));
    EXPECT_EQ(grid->horizontalHeaderItem(7)->text(), QStringLiteral("副职\n实际数"));
    // League: 书记, quota 2, one holder: under, light blue.
    EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("书记"));
    EXPECT_EQ(grid->item(0, 3)->text(), QStringLiteral("2"));
    EXPECT_EQ(grid->item(0, 4)->text(), QStringLiteral("1"));
    EXPECT_EQ(grid->item(0, 4)->background().color(), PageZs::kUnderColour);
    // Bureau: default head title "局长" (no row), deputy over its quota of 0: light red.
    EXPECT_EQ(grid->item(1, 2)->text(), QStringLiteral("局长"));
    EXPECT_EQ(grid->item(1, 5)->text(), bureauDeputy);
    EXPECT_GT(grid->item(1, 7)->text().toInt(), 0);
    EXPECT_EQ(grid->item(1, 7)->background().color(), PageZs::kOverColour);
    EXPECT_EQ(number(QStringLiteral("select dqrs from tb_department_zs where DwID=16")), 1);
    // A click on the league's head band lists its holder below.
    grid->setCurrentCell(0, 4);
    Q_EMIT grid->cellClicked(0, 4);
    ASSERT_EQ(page.peopleGrid()->rowCount(), 1);
    EXPECT_EQ(page.peopleGrid()->item(0, 0)->text(),
              dm.db()
                  .scalar(QStringLiteral("select xm from tb_cadre where CadreID=?"), {firstMember})
                  .value()
                  .toString());
    // The grid goes to Excel as shown.
    const office::NewSheet sheet = widgets::sheetOfGrid(*grid);
    EXPECT_EQ(sheet.header.at(1), QStringLiteral("单位名称"));
    ASSERT_EQ(sheet.rows.size(), 2u);
    EXPECT_EQ(sheet.rows[1][1].toString(), kBureau);
    // "输出超缺编表" previews the table of the two cells off their quota.
    QString previewed;
    {
        ModalAnswer<QPrintPreviewDialog> answer([&](QPrintPreviewDialog* preview) {
            previewed = preview->windowTitle();
            preview->reject();
        });
        page.action("actOverUnder")->trigger();
    }
    EXPECT_EQ(previewed, units::kOverUnderTitle);
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'\n');
}

TEST_F(PageZsTest, EditingFillsTheSelectionAndSavingAsksFirst) {
    PageZs page(dm);
    showQuotas(page);
    QTableWidget* grid = page.grid();
    // Not in editing: the cells are read-only and the menu fills nothing.
    EXPECT_FALSE(grid->item(0, 3)->flags().testFlag(Qt::ItemIsEditable));
    page.action("actEdit")->trigger();
    ASSERT_TRUE(grid->item(0, 3)->flags().testFlag(Qt::ItemIsEditable));
    EXPECT_FALSE(grid->item(0, 4)->flags().testFlag(Qt::ItemIsEditable));
    const QString bureauHeads = grid->item(1, 4)->text();
    grid->item(0, 3)->setData(Qt::EditRole, 5);
    grid->setCurrentCell(0, 3);
    grid->setRangeSelected(QTableWidgetSelectionRange(0, 3, 1, 3), true);
    grid->setRangeSelected(QTableWidgetSelectionRange(0, 4, 1, 4), true);  // actual: untouched
    // The menu shows the value it fills with; the other column's command is off.
    Q_EMIT grid->customContextMenuRequested(QPoint(2, 2));
    EXPECT_EQ(page.action("actFillQuotas")->text(), QStringLiteral("编制数全部为 5"));
    EXPECT_TRUE(page.action("actFillQuotas")->isEnabled());
    EXPECT_FALSE(page.action("actFillNames")->isEnabled());
    page.action("actFillQuotas")->trigger();
    EXPECT_EQ(grid->item(1, 3)->text(), QStringLiteral("5"));
    EXPECT_EQ(grid->item(1, 4)->text(), bureauHeads);
    grid->setCurrentCell(1, 2);
    Q_EMIT grid->customContextMenuRequested(QPoint(2, 2));
    EXPECT_EQ(page.action("actFillNames")->text(), QStringLiteral("职务名称全部为 “局长”"));
    // Declining the question discards nothing on the page and writes nothing.
    messages.answerNext(false);
    page.action("actSave")->trigger();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("是否保存对领导职数的修改？")});
    EXPECT_EQ(number(QStringLiteral("select count(*) from tb_department_zs")), 2);
    messages.answerNext(true);
    page.action("actSave")->trigger();
    EXPECT_EQ(number(QStringLiteral("select zwrs from tb_department_zs where DwID=16")), 5);
    EXPECT_EQ(number(QStringLiteral("select zwrs from tb_department_zs where DwID=15 and "
                                    "zwmc='局长'")),
              5);
    // After saving the grid shows the stored state again: the league now under by four.
    EXPECT_EQ(grid->item(0, 4)->background().color(), PageZs::kUnderColour);
}

TEST_F(PageZsTest, TheChangingCommandsNeedTheAnalysisRight) {
    exec(
        QStringLiteral("insert into tb_conf (GID,ItemID,ItemV,ItemV2) values "
                       "('RIGHT','7','FXW','0')"));
    dm.session().ManagerID = 7;
    PageZs page(dm);
    showQuotas(page);
    page.grid()->setCurrentCell(0, 3);
    const ModalAnswer<QDialog> opened([](QDialog* dialog) { dialog->reject(); });
    for (const char* command : {"actSave", "actEdit", "actAssign"}) {
        messages.clear();
        page.action(command)->trigger();
        EXPECT_EQ(messages.texts(), QStringList{admin::kNoRight}) << command;
    }
    EXPECT_FALSE(opened.seen());
    EXPECT_FALSE(page.action("actEdit")->isChecked());
    EXPECT_FALSE(page.grid()->item(0, 3)->flags().testFlag(Qt::ItemIsEditable));
    EXPECT_EQ(number(QStringLiteral("select count(*) from tb_department_zs")), 2);
}

TEST_F(PageZsTest, AFailedRecountIsShown) {
    PageZs page(dm);
    ASSERT_TRUE(dm.db().exec(QStringLiteral("drop table tb_cadre_zw")));
    showQuotas(page);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, RecordingMessageService::Shown::Kind::Error);
    // Nothing counted is stored.
    EXPECT_EQ(number(QStringLiteral("select count(*) from tb_department_zs where dqrs is not "
                                    "null")),
              0);
}

TEST_F(PageZsTest, AssigningPeopleFromThePage) {
    PageZs page(dm);
    page.setScope(AnalysisMode::Quotas, {{16, kLeague}}, {kDeputy, kMain});
    page.grid()->setCurrentCell(0, 2);  // band "副职": no quota row in the league
    bool refused = false;
    {
        ModalAnswer<TPlBzForm> answer([&](TPlBzForm* form) {
            child<QPushButton>(form, "btnOK")->click();
            refused = form->isVisible();
            form->reject();
        });
        page.action("actAssign")->trigger();
    }
    EXPECT_TRUE(refused);
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("尚未设置 副职 编制信息，请先修改和保存编制设置。")});
    // Band "正职": the holder is checked already; checking the other member gives them the post.
    page.grid()->setCurrentCell(0, 5);
    {
        ModalAnswer<TPlBzForm> answer([&](TPlBzForm* form) {
            auto* people = child<QTableWidget>(form, "gridPeople");
            ASSERT_EQ(people->rowCount(), 2);
            EXPECT_EQ(child<QComboBox>(form, "cbBand")->currentText(), kMain);
            int checked = 0;
            for (int r = 0; r < 2; ++r) {
                checked += people->item(r, 0)->checkState() == Qt::Checked ? 1 : 0;
                people->item(r, 0)->setCheckState(Qt::Checked);
            }
            EXPECT_EQ(checked, 1);
            child<QPushButton>(form, "btnOK")->click();
        });
        page.action("actAssign")->trigger();
        EXPECT_TRUE(answer.seen());
    }
    EXPECT_EQ(page.grid()->item(0, 7)->text(), QStringLiteral("2"));
    EXPECT_EQ(number(QStringLiteral("select count(*) from tb_cadre_zw where status=1 and DwID=16 "
                                    "and zwmc='书记'")),
              2);
}

TEST_F(PageZsTest, TheNavigationItemRunsTheWizardInStaffingMode) {
    TMainForm form(dm);
    form.show();
    child<QToolBox>(form, "NavBar")->setCurrentIndex(4);
    {
        ModalAnswer<TPlzsForm> answer([](TPlzsForm* wizard) {
            auto* tree = child<UnitTreeWidget>(wizard, "treeUnits");
            // Every node checked, the grouping node among them.
            for (QTreeWidgetItem* item : tree->itemsInDisplayOrder()) {
                item->setCheckState(0, Qt::Checked);
            }
            auto* bands = child<QListWidget>(wizard, "lstBands");
            ASSERT_GT(bands->count(), 2);
            bands->item(0)->setCheckState(Qt::Checked);
            bands->item(2)->setCheckState(Qt::Checked);
            auto* next = child<QPushButton>(wizard, "btnNext");
            next->click();
            next->click();
            EXPECT_EQ(next->text(), QStringLiteral("完成"));
            next->click();
        });
        child<QListWidget>(form, "lstAnalysis")->setCurrentRow(1);
        EXPECT_TRUE(answer.seen());
    }
    PageZs* page = form.quotaAnalysis();
    EXPECT_EQ(child<QStackedWidget>(form, "PageControl")->currentWidget(), page);
    EXPECT_EQ(page->mode(), AnalysisMode::Staffing);
    EXPECT_EQ(page->grid()->rowCount(), 15);  // the grouping node gives no row
    EXPECT_EQ(page->grid()->columnCount(), 6);
    EXPECT_EQ(page->grid()->horizontalHeaderItem(2)->text(), QStringLiteral("公务员\n编制数"));
    int members = 0;
    for (int r = 0; r < page->grid()->rowCount(); ++r) {
        members += page->grid()->item(r, 3)->text().toInt();
    }
    EXPECT_EQ(members, number(QStringLiteral("select count(*) from tb_cadre_node")));
}

TEST(OverUnderTable, ListsTheCellsOffTheirQuotaOnPagesWithCaptions) {
    const QStringList bands{kMain, kDeputy};
    std::vector<units::AnalysisRow> rows;
    for (int i = 0; i < 40; ++i) {
        units::AnalysisRow row{i + 1, QStringLiteral("单位%1").arg(i), {}};
        row.cells.push_back({QStringLiteral("局长"), 1, i % 3, true});  // under, equal, over
        row.cells.push_back({QStringLiteral("副局长"), 2, 2, true});
        rows.push_back(row);
    }
    const auto lines = units::overUnderLines(bands, rows);
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(lines[0].state, QStringLiteral("缺编"));
    EXPECT_EQ(lines[1].state, QStringLiteral("超编"));
    EXPECT_EQ(lines[1].unitName, QStringLiteral("单位2"));
    const report::Layout layout = units::overUnderLayout(AnalysisMode::Quotas, lines);
    ASSERT_GT(layout.pageCount(), 1);
    for (int p = 0; p < layout.pageCount(); ++p) {
        EXPECT_EQ(layout.cells(p).at(0).text, units::kOverUnderTitle);
        EXPECT_EQ(layout.cells(p).at(4).text, QStringLiteral("职务名称"));
    }
    EXPECT_TRUE(layout.overflowingCells().empty());
    // Staffing has no post name column.
    const report::Layout staffing = units::overUnderLayout(AnalysisMode::Staffing, lines);
    EXPECT_EQ(staffing.cells(0).at(4).text, QStringLiteral("编制数"));
}

}  // namespace

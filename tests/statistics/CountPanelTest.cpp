#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "StatisticsWindowFixture.h"
#include "admin/Rights.h"
#include "main/ui/CadreListModel.h"
#include "statistics/CountTable.h"
#include "statistics/ui/CountPanel.h"
#include "statistics/ui/TSelZbForm.h"
#include "statistics/ui/TStaticZbForm.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "widgets/GridExport.h"

using namespace statistics;

namespace {

class CountPanelTest : public StatisticsWindowFixture {
  protected:
    void SetUp() override {
        StatisticsWindowFixture::SetUp();
        page->action("actAdvCountTable")->setChecked(true);
        grid = child<QTableWidget>(*page, "StringGrid1");
    }
    QPushButton* button(const char* name) const { return child<QPushButton>(*page, name); }
    QStringList header() const {
        QStringList labels;
        for (int c = 1; c < grid->columnCount(); ++c) {
            labels << grid->horizontalHeaderItem(c)->text();
        }
        return labels;
    }
    // The cadres the result list shows, in order.
    QList<int> listed() const {
        QList<int> ids;
        for (int row = 0; row < page->rowCount(); ++row) {
            ids << page->model()->value(row, "CadreID").toInt();
        }
        return ids;
    }
    void expectGridIs(Dimension main, Dimension secondary) {
        const Result<CountTable> table =
            countResult(dm.db(), main, secondary, QDate::currentDate());
        ASSERT_TRUE(table);
        const int averageRow = main == Dimension::Age ? 1 : 0;
        const int averageColumn = secondary == Dimension::Age ? 1 : 0;
        ASSERT_EQ(grid->rowCount(), table->rows.size() + 1 + averageRow);
        ASSERT_EQ(grid->columnCount(), table->columns.size() + 2 + averageColumn);
        for (int r = 0; r <= table->rows.size(); ++r) {
            const QString label = r < table->rows.size() ? table->rows[r].label : kTotal;
            EXPECT_EQ(grid->item(r, 0)->text(), label);
            for (int c = 0; c <= table->columns.size(); ++c) {
                EXPECT_EQ(grid->item(r, c + 1)->text().toInt(), table->counts[r][c])
                    << r << ',' << c;
            }
        }
        // With age as the main dimension, its average per column follows the totals.
        if (averageRow == 1) {
            const int last = grid->rowCount() - 1;
            EXPECT_EQ(grid->item(last, 0)->text(), kAverageAge);
            for (int c = 0; c <= table->columns.size(); ++c) {
                EXPECT_EQ(grid->item(last, c + 1)->text(),
                          averageAgeText(table->averageAge(table->rows.size(), c)));
            }
            EXPECT_FALSE(grid->item(last, table->columns.size() + 1)->text().isEmpty());
        }
        QStringList columns;
        for (const Category& column : table->columns) {
            columns << column.label;
        }
        columns << kTotal;
        if (averageColumn == 1) {
            columns << kAverageAge;
        }
        EXPECT_EQ(header(), columns);
    }

    QTableWidget* grid = nullptr;
};

TEST_F(CountPanelTest, TheGridIsTheCountTableOfTheResultAndFollowsTheChosenDimensions) {
    ASSERT_GT(resultCount, 20);
    // 年龄 by 性别 at first, the grand total the result's count.
    expectGridIs(Dimension::Age, Dimension::Sex);
    EXPECT_EQ(grid->item(grid->rowCount() - 2, grid->columnCount() - 1)->text().toInt(),
              resultCount);

    const ModalAnswer<TSelZbForm> answer([](TSelZbForm* dialog) {
        child<QComboBox>(dialog, "cbMain")->setCurrentIndex(3);       // 学历
        child<QComboBox>(dialog, "cbSecondary")->setCurrentIndex(5);  // 政治面貌
        child<QPushButton>(dialog, "btnOK")->click();
    });
    button("btnStatMethod")->click();
    EXPECT_TRUE(answer.seen());
    expectGridIs(Dimension::Education, Dimension::Party);
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
}

TEST_F(CountPanelTest, ReverseLookupListsTheCellsCadresAndClosingItRestoresTheResult) {
    const QList<int> everyone = listed();
    ASSERT_EQ(everyone.size(), resultCount);
    const CountTable& table = page->countPanel()->table();
    // Every cell of the first row (the totals too): the list is exactly the cell's cadres.
    for (int c = 0; c <= table.columns.size(); ++c) {
        SCOPED_TRACE(c);
        grid->setCurrentCell(0, c + 1);
        button("btnReverse")->click();
        const Result<QList<int>> cadres = cadresOfCell(dm.db(), table, 0, c);
        ASSERT_TRUE(cadres);
        EXPECT_EQ(listed(), *cadres);
        EXPECT_EQ(page->rowCount(), table.counts[0][c]);
        EXPECT_EQ(child<QLabel>(*page, "lblAdvHeading")->text(),
                  search::resultHeading(table.counts[0][c]));
        EXPECT_FALSE(button("btnCloseReverse")->isHidden());
    }
    button("btnCloseReverse")->click();
    EXPECT_EQ(listed(), everyone);
    EXPECT_TRUE(button("btnCloseReverse")->isHidden());

    // "合计"/"合计" lists the whole result.
    grid->setCurrentCell(grid->rowCount() - 2, grid->columnCount() - 1);
    button("btnReverse")->click();
    EXPECT_EQ(listed(), everyone);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(CountPanelTest, ReverseLookupOutsideTheCountsIsRefusedAndTheListStays) {
    const QList<int> everyone = listed();
    grid->clearSelection();
    grid->setCurrentCell(-1, -1);
    button("btnReverse")->click();
    grid->setCurrentCell(1, 0);  // a label of the main dimension
    button("btnReverse")->click();
    grid->setCurrentCell(grid->rowCount() - 1, 1);  // the average age row
    button("btnReverse")->click();
    EXPECT_EQ(messages.texts(), QStringList(3, CountPanel::kChooseCell));
    EXPECT_EQ(listed(), everyone);
    EXPECT_TRUE(button("btnCloseReverse")->isHidden());
}

TEST_F(CountPanelTest, TheSettingsDialogSavesTheBandsAndTheGridIsCountedByThem) {
    const ModalAnswer<TStaticZbForm> answer([](TStaticZbForm* dialog) {
        child<QLineEdit>(dialog, "edtAgeA1")->setText(QStringLiteral("30"));
        child<QComboBox>(dialog, "cbRelation2")->setCurrentText(QStringLiteral("介于"));
        child<QLineEdit>(dialog, "edtAgeA2")->setText(QStringLiteral("31"));
        child<QLineEdit>(dialog, "edtAgeB2")->setText(QStringLiteral("40"));
        child<QComboBox>(dialog, "cbNation6")->setCurrentText(QStringLiteral("少数民族"));
        child<QPushButton>(dialog, "btnOK")->click();
    });
    button("btnStatSettings")->click();
    EXPECT_TRUE(answer.seen());
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("30岁及以下"));
    EXPECT_EQ(grid->item(1, 0)->text(), QStringLiteral("31-40岁"));
    expectGridIs(Dimension::Age, Dimension::Sex);
    const auto rest = dm.db().scalar(
        QStringLiteral("select params1 from tb_params where nType='统计-民族' and ord=6"));
    ASSERT_TRUE(rest);
    EXPECT_EQ(rest->toString(), QStringLiteral("少数民族"));
}

TEST_F(CountPanelTest, TheGridIsPrintedThroughThePreviewAndExportedToAWorkbook) {
    const ModalAnswer<QPrintPreviewDialog> preview(
        [](QPrintPreviewDialog* dialog) { dialog->reject(); });
    button("btnStatPrint")->click();
    EXPECT_TRUE(preview.seen());

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("统计"));
    const ModalAnswer<QFileDialog> save([&path](QFileDialog* dialog) {
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    button("btnStatExcel")->click();
    EXPECT_TRUE(save.seen());
    EXPECT_EQ(messages.texts(), QStringList{widgets::kExportDone});
    const office::NewSheet sheet = widgets::sheetOfGrid(*grid);
    EXPECT_EQ(sheet.header.mid(1), header());
    ASSERT_EQ(sheet.rows.size(), static_cast<size_t>(grid->rowCount()));
    EXPECT_EQ(sheet.rows[0][0].toString(), grid->item(0, 0)->text());
    EXPECT_TRUE(QFile::exists(path + QStringLiteral(".xlsx")));
}

TEST_F(CountPanelTest, AChangedResultIsCountedAgainAndALookupEnds) {
    grid->setCurrentCell(0, 1);
    button("btnReverse")->click();
    ASSERT_FALSE(button("btnCloseReverse")->isHidden());
    page->action("actAdvClear")->trigger();
    EXPECT_EQ(page->rowCount(), 0);
    EXPECT_TRUE(button("btnCloseReverse")->isHidden());
    EXPECT_EQ(grid->item(grid->rowCount() - 2, grid->columnCount() - 1)->text(),
              QStringLiteral("0"));
    // Hidden, the table is not counted; shown again, it is.
    page->action("actAdvCountTable")->setChecked(false);
    ASSERT_TRUE(search::runSearch(dm.db(), search::SearchMode::Replace, QString()));
    page->action("actAdvCountTable")->setChecked(true);
    EXPECT_EQ(grid->item(grid->rowCount() - 2, grid->columnCount() - 1)->text().toInt(),
              resultCount);
}

TEST_F(CountPanelTest, TheSettingsNeedTheRightFxw) {
    ASSERT_TRUE(dm.db().exec(QStringLiteral(
        "insert into tb_conf (GID,ItemID,ItemV,ItemV2) values ('RIGHT','8','FXW','0')")));
    dm.session().ManagerID = 8;
    const ModalAnswer<TStaticZbForm> answer(
        [](TStaticZbForm* dialog) { child<QPushButton>(dialog, "btnCancel")->click(); });
    button("btnStatSettings")->click();
    EXPECT_FALSE(answer.seen());
    EXPECT_EQ(messages.texts(), QStringList{admin::kNoRight});
}

}  // namespace

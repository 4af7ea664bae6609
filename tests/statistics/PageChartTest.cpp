#include <gtest/gtest.h>

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QPieSeries>
#include <QPrintPreviewDialog>
#include <QStackedWidget>
#include <QTemporaryDir>

#include "StatisticsWindowFixture.h"
#include "main/ui/PageDw.h"
#include "statistics/ChartData.h"
#include "statistics/ui/PageChart.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "units/ui/UnitTreeWidget.h"
#include "widgets/GridExport.h"

using namespace statistics;

namespace {

class PageChartTest : public StatisticsWindowFixture {
  protected:
    void SetUp() override {
        StatisticsWindowFixture::SetUp();
        chart = form->charts();
        pages = child<QStackedWidget>(*form, "PageControl");
    }
    // The chart as the page draws it, rendered offscreen.
    QImage rendered() const {
        auto* view = child<QChartView>(*chart, "chartView");
        view->resize(640, 480);
        return view->grab().toImage();
    }
    // The number of slices of the pie, or of bars of the bar series.
    qsizetype shownItems() const {
        const QList<QAbstractSeries*> series = chart->chart()->series();
        EXPECT_EQ(series.size(), 1);
        if (auto* pie = qobject_cast<QPieSeries*>(series.value(0))) {
            return pie->count();
        }
        auto* bars = qobject_cast<QBarSeries*>(series.value(0));
        return bars != nullptr && bars->count() == 1 ? bars->barSets()[0]->count() : -1;
    }
    // Distinct colours of `image`: a blank picture has one.
    static int colours(const QImage& image) {
        QSet<QRgb> seen;
        for (int y = 0; y < image.height(); y += 4) {
            for (int x = 0; x < image.width(); x += 4) {
                seen.insert(image.pixel(x, y));
            }
        }
        return static_cast<int>(seen.size());
    }

    PageChart* chart = nullptr;
    QStackedWidget* pages = nullptr;
};

// Every "统计图" entry of the result draws its chart on PageChart as a pie and as bars, one
// slice and one bar per category; "关闭" returns to the result.
TEST_F(PageChartTest, EveryResultChartRendersOneSliceAndOneBarPerCategory) {
    const char* entries[] = {"actAdvChartAge", "actAdvChartSex", "actAdvChartEducation",
                             "actAdvChartParty", "actAdvChartNationality"};
    pages->setCurrentIndex(TMainForm::PageAdvIndex);
    for (int kind = 0; kind < 5; ++kind) {
        SCOPED_TRACE(entries[kind]);
        const auto chartKind = static_cast<ChartKind>(kind);
        const Result<QList<ChartRow>> rows =
            chartRows(dm.db(), chartKind, ChartSet{}, QDate::currentDate());
        ASSERT_TRUE(rows);
        page->action(entries[kind])->trigger();
        EXPECT_EQ(pages->currentIndex(), TMainForm::PageChartIndex);
        EXPECT_EQ(chart->title(), chartTitle(chartKind));
        EXPECT_EQ(chart->chart()->title(), chartTitle(chartKind));
        int total = 0;
        for (const ChartRow& row : *rows) {
            total += row.count;
        }
        EXPECT_EQ(total, resultCount);
        for (const bool pie : {true, false}) {
            chart->action(pie ? "actChartPie" : "actChartBar")->trigger();
            EXPECT_EQ(chart->showsPie(), pie);
            EXPECT_EQ(shownItems(), rows->size());
            const QImage image = rendered();
            ASSERT_FALSE(image.isNull());
            EXPECT_GT(colours(image), 8);
        }
        chart->action("actChartClose")->trigger();
        EXPECT_EQ(pages->currentIndex(), TMainForm::PageAdvIndex);
    }
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
}

TEST_F(PageChartTest, AUnitChartCountsTheListedUnit) {
    auto* tree = form->findChild<UnitTreeWidget*>(QStringLiteral("cxTreeView1"));
    ASSERT_TRUE(tree->selectUnit(12));
    form->cadreList()->action("actChartSex")->trigger();
    EXPECT_EQ(pages->currentIndex(), TMainForm::PageChartIndex);
    ChartSet unit;
    unit.source = ChartSet::Source::Unit;
    unit.unitId = 12;
    const Result<QList<ChartRow>> rows =
        chartRows(dm.db(), ChartKind::Sex, unit, QDate::currentDate());
    ASSERT_TRUE(rows);
    ASSERT_EQ(chart->rows().size(), rows->size());
    int total = 0;
    for (int i = 0; i < rows->size(); ++i) {
        EXPECT_EQ(chart->rows()[i].label, (*rows)[i].label);
        EXPECT_EQ(chart->rows()[i].count, (*rows)[i].count);
        total += (*rows)[i].count;
    }
    EXPECT_EQ(total, form->cadreList()->rowCount());
    // The age chart is headed by the unit.
    form->cadreList()->action("actChartAge")->trigger();
    EXPECT_EQ(chart->title(), form->cadreList()->heading() + chartTitle(ChartKind::Age));
    chart->action("actChartClose")->trigger();
    EXPECT_EQ(pages->currentIndex(), TMainForm::PageDwIndex);
}

TEST_F(PageChartTest, PicturesAreSavedAsPngAndJpegAndLoadBack) {
    page->action("actAdvChartEducation")->trigger();
    chart->action("actChart3D")->trigger();
    EXPECT_TRUE(chart->showsThreeD());
    rendered();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const QString& name : {QStringLiteral("图.png"), QStringLiteral("图.jpg")}) {
        const QString path = dir.filePath(name);
        const ModalAnswer<QFileDialog> answer([&path](QFileDialog* dialog) {
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        chart->action("actChartSave")->trigger();
        EXPECT_TRUE(answer.seen());
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << path.toStdString();
        EXPECT_GT(colours(image), 8);
    }
    // A picture of another format is refused, and nothing is written.
    EXPECT_FALSE(chart->saveImage(dir.filePath(QStringLiteral("图.txt"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("图.txt"))));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(PageChartTest, TitlePrintingAndExportGoThroughTheirDialogs) {
    page->action("actAdvChartParty")->trigger();
    const ModalAnswer<QInputDialog> title([](QInputDialog* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("TTitalForm"));
        dialog->setTextValue(QStringLiteral("本单位党员情况"));
        dialog->accept();
    });
    chart->action("actChartTitle")->trigger();
    EXPECT_TRUE(title.seen());
    EXPECT_EQ(chart->chart()->title(), QStringLiteral("本单位党员情况"));
    EXPECT_EQ(child<QLabel>(*chart, "lblChartTitle")->text(), QStringLiteral("本单位党员情况"));

    bool painted = false;
    const ModalAnswer<QPrintPreviewDialog> preview([&painted](QPrintPreviewDialog* dialog) {
        // The preview has drawn its pages by the time it shows.
        painted = dialog->isVisible();
        dialog->reject();
    });
    chart->action("actChartPrint")->trigger();
    EXPECT_TRUE(preview.seen());
    EXPECT_TRUE(painted);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("党员"));
    const ModalAnswer<QFileDialog> save([&path](QFileDialog* dialog) {
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    chart->action("actChartExcel")->trigger();
    EXPECT_TRUE(save.seen());
    EXPECT_TRUE(QFile::exists(path + QStringLiteral(".xlsx")));
    EXPECT_EQ(messages.texts(), QStringList{widgets::kExportDone});
}

}  // namespace

#include <gtest/gtest.h>

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QPieSeries>
#include <QPrintPreviewDialog>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QValueAxis>
#include <algorithm>

#include "StatisticsWindowFixture.h"
#include "main/ui/CadreListModel.h"
#include "main/ui/PageDw.h"
#include "statistics/ChartData.h"
#include "statistics/ui/PageChart.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "units/ui/UnitTreeWidget.h"
#include "widgets/CheckComboBox.h"
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

// A text of the chart as drawn: what it reads and where it stands in the scene.
struct DrawnText {
    QString text;
    QRectF place;
};

// Lays `page` out at a fixed size and draws it offscreen; every visible text of its chart.
QList<DrawnText> drawnTexts(PageChart& page) {
    page.resize(900, 640);
    page.show();
    QCoreApplication::processEvents();
    auto* view = child<QChartView>(page, "chartView");
    view->grab();
    QList<DrawnText> texts;
    for (const QGraphicsItem* item : view->scene()->items()) {
        const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
        if (text != nullptr && text->isVisible() && !text->toPlainText().isEmpty()) {
            texts.append({text->toPlainText(), text->sceneBoundingRect()});
        }
    }
    return texts;
}

bool shows(const QList<DrawnText>& texts, const QString& text) {
    return std::any_of(texts.begin(), texts.end(),
                       [&text](const DrawnText& drawn) { return drawn.text == text; });
}

// Counts as bars: the labels of the count axis are whole numbers, each once, each on its own
// gridline, from 0 to at least the largest count.
TEST(PageChartDrawingTest, CountLabelsAreWholeNumbersStandingOnTheirGridlines) {
    for (const int most : {0, 1, 3, 4, 7, 15, 40, 123, 2500}) {
        SCOPED_TRACE(most);
        PageChart page;
        page.showChart(QStringLiteral("干部性别组成分析图"),
                       {{QStringLiteral("男"), most}, {QStringLiteral("女"), most / 2}});
        page.setPie(false);
        const QList<DrawnText> texts = drawnTexts(page);
        QChart* chart = page.chart();
        const QList<QAbstractAxis*> vertical = chart->axes(Qt::Vertical);
        ASSERT_EQ(vertical.size(), 1);
        auto* axis = qobject_cast<QValueAxis*>(vertical.front());
        ASSERT_NE(axis, nullptr);
        QAbstractSeries* series = chart->series().value(0);
        const QRectF plot = chart->mapRectToScene(chart->plotArea());
        QList<int> values;
        for (const DrawnText& label : texts) {
            // The count axis stands left of the plot.
            if (label.place.right() > plot.left()) {
                continue;
            }
            bool whole = false;
            const int value = label.text.toInt(&whole);
            ASSERT_TRUE(whole) << label.text.toStdString();
            values << value;
            const qreal gridline =
                chart->mapToScene(chart->mapToPosition(QPointF(0, value), series)).y();
            EXPECT_NEAR(label.place.center().y(), gridline, 3.0) << "label " << value;
        }
        std::sort(values.begin(), values.end());
        EXPECT_EQ(std::adjacent_find(values.begin(), values.end()), values.end())
            << "a label shown twice";
        EXPECT_EQ(values.size(), axis->tickCount());
        ASSERT_GE(values.size(), 2);
        EXPECT_LE(values.size(), 11);
        EXPECT_EQ(values.front(), 0);
        EXPECT_GE(values.back(), most);
    }
}

// A category, the title and the legend show their text as it is, "<未知>" included.
TEST(PageChartDrawingTest, LabelsTitleAndLegendShowTheirTextAsItIs) {
    const QString title = QStringLiteral("干部<学历>分析图");
    const QList<ChartRow> rows{
        {kUnknown, 0}, {QStringLiteral("大学"), 3}, {QStringLiteral("<b>研究生</b>"), 2}};
    PageChart page;
    page.showChart(title, rows);
    const QList<DrawnText> pie = drawnTexts(page);
    EXPECT_TRUE(shows(pie, title));
    for (const ChartRow& row : rows) {
        // The legend names every slice with its count.
        EXPECT_TRUE(shows(pie, QStringLiteral("%1 (%2)").arg(row.label).arg(row.count)))
            << row.label.toStdString();
    }
    page.setPie(false);
    const QList<DrawnText> bars = drawnTexts(page);
    EXPECT_TRUE(shows(bars, title));
    for (const ChartRow& row : rows) {
        EXPECT_TRUE(shows(bars, row.label)) << row.label.toStdString();
    }
    EXPECT_EQ(child<QLabel>(page, "lblChartTitle")->textFormat(), Qt::PlainText);
}

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

// The charts of the unit list count the cadres the list shows: with a "干部类型" chosen only
// those of that type, of the unit or, with "显示下级", of its subtree, each cadre once.
TEST_F(PageChartTest, AUnitChartCountsOnlyTheCadresOfTheChosenTypes) {
    for (const char* sql : {"update tb_cadre set ctype=2 where CadreID=35",
                            "update tb_cadre set ctype=6 where CadreID=36",
                            "update tb_cadre set ctype=1 where CadreID in (37,38)"}) {
        ASSERT_TRUE(dm.db().exec(QString::fromLatin1(sql))) << dm.db().lastError().toStdString();
    }
    PageDw* list = form->cadreList();
    auto* tree = form->findChild<UnitTreeWidget*>(QStringLiteral("cxTreeView1"));
    auto* types = child<CheckComboBox>(*list, "cbCadreType");
    const char* entries[] = {"actChartAge", "actChartSex", "actChartEducation", "actChartParty",
                             "actChartNationality"};
    const struct {
        int unit;
        bool subtree;
        int types;
    } cases[] = {{12, false, 0b10}, {12, false, 0b01}, {12, false, 0}, {3, true, 0b01}};
    for (const auto& shown : cases) {
        SCOPED_TRACE(
            QStringLiteral("unit %1, types %2").arg(shown.unit).arg(shown.types).toStdString());
        ASSERT_TRUE(tree->selectUnit(shown.unit));
        if (list->showsSubordinates() != shown.subtree) {
            list->action("actShowSubordinates")->trigger();
        }
        types->setValue(shown.types);
        types->showPopup();
        types->hidePopup();
        QSet<int> listed;
        for (int row = 0; row < list->rowCount(); ++row) {
            listed.insert(list->model()->value(row, "CadreID").toInt());
        }
        ASSERT_FALSE(listed.isEmpty());
        for (const char* entry : entries) {
            SCOPED_TRACE(entry);
            list->action(entry)->trigger();
            ASSERT_EQ(pages->currentIndex(), TMainForm::PageChartIndex);
            int total = 0;
            for (const ChartRow& row : chart->rows()) {
                total += row.count;
            }
            EXPECT_EQ(total, listed.size());
            chart->action("actChartClose")->trigger();
        }
    }
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
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

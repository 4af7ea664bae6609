#pragma once

#include <QHash>
#include <QList>
#include <QWidget>

#include "db/Result.h"
#include "statistics/ChartData.h"

class QAction;
class QChart;
class QChartView;
class QLabel;

// The page "PageChart" ("图形分析"): one chart of the composition of a set of cadres, as a pie
// or as bars, with the tool bar "图形": "关闭", "打印" (through the print preview), "图片另存"
// (PNG or JPEG), "标题", "效果" › "3D", "图表类型" › "饼图"/"柱状图" and "导出Excel".
//
// Qt Charts draws in two dimensions only; "3D" gives the chart a raised look instead: every
// slice and bar is shaded by a gradient from a light to a dark tone of its colour, the pie's
// slices stand slightly apart and the plot casts a shadow.
class PageChart final : public QWidget {
    Q_OBJECT

  public:
    explicit PageChart(QWidget* parent = nullptr);

    // Shows `rows` under `title`, in the chart type chosen last (a pie at first).
    void showChart(const QString& title, const QList<statistics::ChartRow>& rows);

    QString title() const;
    const QList<statistics::ChartRow>& rows() const { return rows_; }
    bool showsPie() const { return pie_; }
    bool showsThreeD() const { return threeD_; }
    QChart* chart() const;
    QAction* action(const char* name) const;

    // The chart as a picture of the page's size; the format follows the file's extension
    // (".png", ".jpg" or ".jpeg").
    Result<void> saveImage(const QString& path) const;
    // The categories and counts to a new workbook.
    Result<void> saveWorkbook(const QString& path) const;

    // The commands of the tool bar.
    void print();
    void saveImageAs();
    void editTitle();
    void exportExcel();
    void setPie(bool pie);
    void setThreeD(bool on);

  Q_SIGNALS:
    // "关闭": the page shown before the chart is to come back.
    void closeRequested();

  private:
    QAction* addAction(const char* name, const QString& caption);
    void buildToolBar();
    // Draws the series of the chosen type and look anew.
    void redraw();

    QLabel* lblTitle;
    QChartView* chartView;
    QHash<QString, QAction*> actions_;
    QList<statistics::ChartRow> rows_;
    QString title_;
    bool pie_ = true;
    bool threeD_ = false;
};

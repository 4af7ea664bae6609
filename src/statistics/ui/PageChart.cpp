#include "statistics/ui/PageChart.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "app/MessageService.h"
#include "office/NewWorkbook.h"
#include "widgets/GridExport.h"

namespace {

// A raised look for a flat colour: light at the top left, dark at the bottom right.
QBrush shaded(const QColor& colour) {
    QLinearGradient gradient(0, 0, 1, 1);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0, colour.lighter(160));
    gradient.setColorAt(1, colour.darker(160));
    return QBrush(gradient);
}

// Qt Charts lays out every label, title and legend entry as rich text; a category such as
// "<未知>" is shown as the text it is.
QString shownText(const QString& text) {
    return text.toHtmlEscaped();
}

// The count axis from 0 to `top` in whole steps of `step` (1, 2, 5, 10, 20, 50 …), at most ten
// of them, so that every gridline stands on a whole number and its label is that number.
struct CountScale {
    qint64 top = 1;
    qint64 step = 1;
};

CountScale countScale(int most) {
    constexpr qint64 kMostSteps = 10;
    for (qint64 magnitude = 1;; magnitude *= 10) {
        for (const qint64 factor : {1, 2, 5}) {
            const qint64 step = factor * magnitude;
            const qint64 steps = (most + step - 1) / step;
            if (steps <= kMostSteps) {
                return {std::max<qint64>(1, steps) * step, step};
            }
        }
    }
}

}  // namespace

PageChart::PageChart(QWidget* parent)
    : QWidget(parent), lblTitle(new QLabel(this)), chartView(new QChartView(this)) {
    setObjectName(QStringLiteral("PageChart"));
    lblTitle->setObjectName(QStringLiteral("lblChartTitle"));
    lblTitle->setAlignment(Qt::AlignCenter);
    lblTitle->setTextFormat(Qt::PlainText);
    chartView->setObjectName(QStringLiteral("chartView"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->chart()->legend()->setAlignment(Qt::AlignRight);
    auto* layout = new QVBoxLayout(this);
    buildToolBar();
    layout->addWidget(findChild<QToolBar*>(QStringLiteral("tbChart")));
    layout->addWidget(lblTitle);
    layout->addWidget(chartView, 1);
}

QAction* PageChart::addAction(const char* name, const QString& caption) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    actions_.insert(action->objectName(), action);
    return action;
}

QAction* PageChart::action(const char* name) const {
    return actions_.value(QString::fromLatin1(name));
}

void PageChart::buildToolBar() {
    auto* bar = new QToolBar(QStringLiteral("图形"), this);
    bar->setObjectName(QStringLiteral("tbChart"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto menuButton = [this, bar](const char* name, const QString& caption) {
        auto* menu = new QMenu(caption, this);
        menu->setObjectName(QString::fromLatin1(name));
        auto* button = new QToolButton(bar);
        button->setText(caption);
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        bar->addWidget(button);
        return menu;
    };
    QAction* close = addAction("actChartClose", QStringLiteral("关闭"));
    connect(close, &QAction::triggered, this, &PageChart::closeRequested);
    QAction* print = addAction("actChartPrint", QStringLiteral("打印"));
    connect(print, &QAction::triggered, this, &PageChart::print);
    QAction* save = addAction("actChartSave", QStringLiteral("图片另存"));
    connect(save, &QAction::triggered, this, &PageChart::saveImageAs);
    QAction* title = addAction("actChartTitle", QStringLiteral("标题"));
    connect(title, &QAction::triggered, this, &PageChart::editTitle);
    for (QAction* action : {close, print, save, title}) {
        bar->addAction(action);
    }
    QAction* threeD = addAction("actChart3D", QStringLiteral("3D"));
    threeD->setCheckable(true);
    connect(threeD, &QAction::toggled, this, &PageChart::setThreeD);
    menuButton("mnuChartEffect", QStringLiteral("效果"))->addAction(threeD);
    QMenu* types = menuButton("mnuChartType", QStringLiteral("图表类型"));
    QAction* pie = addAction("actChartPie", QStringLiteral("饼图"));
    QAction* bars = addAction("actChartBar", QStringLiteral("柱状图"));
    for (QAction* type : {pie, bars}) {
        type->setCheckable(true);
        types->addAction(type);
    }
    pie->setChecked(true);
    connect(pie, &QAction::triggered, this, [this] { setPie(true); });
    connect(bars, &QAction::triggered, this, [this] { setPie(false); });
    QAction* excel = addAction("actChartExcel", QStringLiteral("导出Excel"));
    connect(excel, &QAction::triggered, this, &PageChart::exportExcel);
    bar->addAction(excel);
}

void PageChart::showChart(const QString& title, const QList<statistics::ChartRow>& rows) {
    title_ = title;
    rows_ = rows;
    redraw();
}

QString PageChart::title() const {
    return title_;
}

QChart* PageChart::chart() const {
    return chartView->chart();
}

void PageChart::setPie(bool pie) {
    pie_ = pie;
    action("actChartPie")->setChecked(pie);
    action("actChartBar")->setChecked(!pie);
    redraw();
}

void PageChart::setThreeD(bool on) {
    threeD_ = on;
    action("actChart3D")->setChecked(on);
    redraw();
}

void PageChart::redraw() {
    QChart* chart = chartView->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    lblTitle->setText(title_);
    chart->setTitle(shownText(title_));
    chart->setDropShadowEnabled(threeD_);
    if (pie_) {
        auto* series = new QPieSeries;
        for (const statistics::ChartRow& row : rows_) {
            QPieSlice* slice = series->append(
                shownText(QStringLiteral("%1 (%2)").arg(row.label, QString::number(row.count))),
                row.count);
            slice->setLabelVisible(row.count > 0);
        }
        chart->addSeries(series);
        if (threeD_) {
            for (QPieSlice* slice : series->slices()) {
                slice->setBrush(shaded(slice->color()));
                slice->setExploded(true);
                slice->setExplodeDistanceFactor(0.04);
            }
        }
        chart->legend()->setVisible(true);
        return;
    }
    auto* set = new QBarSet(QStringLiteral("人数"));
    QStringList labels;
    int most = 0;
    for (const statistics::ChartRow& row : rows_) {
        *set << row.count;
        labels << shownText(row.label);
        most = std::max(most, row.count);
    }
    auto* series = new QBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    chart->addSeries(series);
    if (threeD_) {
        set->setBrush(shaded(set->color()));
    }
    auto* categories = new QBarCategoryAxis;
    categories->append(labels);
    const CountScale scale = countScale(most);
    auto* counts = new QValueAxis;
    counts->setRange(0, static_cast<qreal>(scale.top));
    counts->setTickCount(static_cast<int>(scale.top / scale.step) + 1);
    counts->setMinorTickCount(0);
    counts->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(counts, Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(counts);
    chart->legend()->setVisible(false);
}

Result<void> PageChart::saveImage(const QString& path) const {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const char* format = suffix == QStringLiteral("png") ? "PNG"
                         : suffix == QStringLiteral("jpg") || suffix == QStringLiteral("jpeg")
                             ? "JPEG"
                             : nullptr;
    if (format == nullptr || !chartView->grab().save(path, format)) {
        return Failure{QStringLiteral("图片无法保存到 %1。").arg(path), {}};
    }
    return {};
}

Result<void> PageChart::saveWorkbook(const QString& path) const {
    office::NewSheet sheet;
    sheet.header = {QStringLiteral("类别"), QStringLiteral("人数")};
    int total = 0;
    for (const statistics::ChartRow& row : rows_) {
        sheet.rows.push_back({row.label, row.count});
        total += row.count;
    }
    sheet.footer.push_back({QStringLiteral("合计"), total});
    return office::writeNewWorkbook(path, {sheet});
}

void PageChart::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title_);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        QPainter painter(target);
        const QRect page = painter.viewport();
        // The chart keeps the page view's proportions, as wide as the page.
        const QSize shown = chartView->size().scaled(page.size(), Qt::KeepAspectRatio);
        chartView->render(&painter, QRect(page.topLeft(), shown));
    });
    preview.exec();
}

void PageChart::saveImageAs() {
    QString selected;
    QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("图片另存"), title_ + QStringLiteral(".png"),
        QStringLiteral("PNG图片 (*.png);;JPEG图片 (*.jpg *.jpeg)"), &selected);
    if (path.isEmpty()) {
        return;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QStringLiteral("png") && suffix != QStringLiteral("jpg") &&
        suffix != QStringLiteral("jpeg")) {
        path += selected.startsWith(QStringLiteral("JPEG")) ? QStringLiteral(".jpg")
                                                            : QStringLiteral(".png");
    }
    if (const Result<void> saved = saveImage(path); !saved) {
        app::showFailure(saved.failure());
    }
}

void PageChart::editTitle() {
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("TTitalForm"));
    dialog.setWindowTitle(QStringLiteral("标题"));
    dialog.setLabelText(QStringLiteral("图表标题："));
    dialog.setTextValue(title_);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    title_ = dialog.textValue().trimmed();
    redraw();
}

void PageChart::exportExcel() {
    if (rows_.isEmpty()) {
        app::showInformation(widgets::kNothingToExport);
        return;
    }
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出Excel"),
                                                title_ + QStringLiteral(".xlsx"),
                                                QStringLiteral("Excel文件 (*.xlsx)"));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".xlsx");
    }
    if (const Result<void> written = saveWorkbook(path); !written) {
        app::showError(written.errorText());
        return;
    }
    app::showInformation(widgets::kExportDone);
}

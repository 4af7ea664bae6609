#include "units/ui/PageZs.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"
#include "units/QuotaPrintout.h"
#include "units/ui/TPlBzForm.h"
#include "units/ui/TPlzsForm.h"
#include "widgets/GridExport.h"
#include "widgets/ReportPrinting.h"

namespace {

const QString kRight = QStringLiteral("FXW");
constexpr int kFixedColumns = 2;  // "序号", "单位名称"
constexpr int kMostQuota = 9999;

}  // namespace

const QColor PageZs::kUnderColour(0xBB, 0xD3, 0xF0);
const QColor PageZs::kOverColour(0xFF, 0xCE, 0xCE);

PageZs::PageZs(TDataM& dm, QWidget* parent)
    : QWidget(parent),
      dm_(dm),
      lblHint(new QLabel(QStringLiteral("（进行“修改编制”时，可拖动鼠标多选并鼠标右键批量修改）"),
                         this)),
      gridZs(new QTableWidget(this)),
      gridPeople(new QTableWidget(this)),
      gridMenu(new QMenu(this)) {
    setObjectName(QStringLiteral("PageZs"));
    gridZs->setObjectName(QStringLiteral("gridZs"));
    gridZs->setSelectionMode(QAbstractItemView::ExtendedSelection);
    gridZs->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    gridZs->verticalHeader()->hide();
    gridZs->setContextMenuPolicy(Qt::CustomContextMenu);
    gridPeople->setObjectName(QStringLiteral("gridPeople"));
    gridPeople->setColumnCount(2);
    gridPeople->setHorizontalHeaderLabels({QStringLiteral("姓名"), QStringLiteral("现任职务")});
    gridPeople->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridPeople->verticalHeader()->hide();
    gridPeople->horizontalHeader()->setStretchLastSection(true);

    auto* fillNames = gridMenu->addAction(QStringLiteral("职务名称全部为..."));
    fillNames->setObjectName(QStringLiteral("actFillNames"));
    auto* fillQuotas = gridMenu->addAction(QStringLiteral("编制数全部为..."));
    fillQuotas->setObjectName(QStringLiteral("actFillQuotas"));
    actions_ << fillNames << fillQuotas;
    connect(fillNames, &QAction::triggered, this, [this] { fillSelected(CellKind::Name); });
    connect(fillQuotas, &QAction::triggered, this, [this] { fillSelected(CellKind::Quota); });

    auto* upper = new QWidget(this);
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->addWidget(makeToolbar());
    upperLayout->addWidget(lblHint);
    upperLayout->addWidget(gridZs, 1);
    auto* lower = new QWidget(this);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(new QLabel(QStringLiteral("对应人员"), lower));
    lowerLayout->addWidget(gridPeople, 1);
    lowerLayout->addWidget(
        new QLabel(QStringLiteral("（领导职数根据\"任职详细\"信息统计）"), lower));
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(upper);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(gridZs, &QTableWidget::cellClicked, this, &PageZs::showPeople);
    connect(gridZs, &QWidget::customContextMenuRequested, this, &PageZs::showGridMenu);
    buildColumns();
}

QWidget* PageZs::makeToolbar() {
    auto* bar = new QToolBar(QStringLiteral("定制 1"), this);
    bar->setObjectName(QStringLiteral("barZs"));
    bar->addAction(
        addCommand("actChangeScope", QStringLiteral("更改统计范围"), &PageZs::changeScope));
    bar->addAction(addCommand("actRefresh", QStringLiteral("刷新"), &PageZs::refresh));
    bar->addAction(addCommand("actSave", QStringLiteral("保存"), &PageZs::save));
    bar->addAction(addCommand("actAssign", QStringLiteral("设置对应人员"), &PageZs::assignPeople));
    QAction* edit = addCommand("actEdit", QStringLiteral("修改编制"), &PageZs::toggleEditing);
    edit->setCheckable(true);
    bar->addAction(edit);
    auto* output = new QMenu(this);
    output->addAction(
        addCommand("actExportExcel", QStringLiteral("导出至Excel"), &PageZs::exportExcel));
    output->addAction(
        addCommand("actOverUnder", QStringLiteral("输出超缺编表"), &PageZs::printOverUnder));
    auto* outputButton = new QToolButton(bar);
    outputButton->setObjectName(QStringLiteral("btnOutput"));
    outputButton->setText(QStringLiteral("输出"));
    outputButton->setMenu(output);
    outputButton->setPopupMode(QToolButton::InstantPopup);
    bar->addWidget(outputButton);
    return bar;
}

QAction* PageZs::addCommand(const char* name, const QString& caption, void (PageZs::*slot)()) {
    auto* act = new QAction(caption, this);
    act->setObjectName(QString::fromLatin1(name));
    connect(act, &QAction::triggered, this, slot);
    actions_ << act;
    return act;
}

QAction* PageZs::action(const char* name) const {
    for (QAction* act : actions_) {
        if (act->objectName() == QLatin1String(name)) {
            return act;
        }
    }
    return nullptr;
}

int PageZs::bandWidth() const {
    return mode_ == units::AnalysisMode::Quotas ? 3 : 2;
}

int PageZs::bandOf(int column) const {
    return column < kFixedColumns ? -1 : (column - kFixedColumns) / bandWidth();
}

PageZs::CellKind PageZs::kindOf(int column) const {
    if (column < kFixedColumns) {
        return CellKind::Other;
    }
    const int at = (column - kFixedColumns) % bandWidth();
    const int fromEnd = bandWidth() - at;
    if (fromEnd == 1) {
        return CellKind::Actual;
    }
    return fromEnd == 2 ? CellKind::Quota : CellKind::Name;
}

void PageZs::changeScope() {
    analyse(mode_);
}

void PageZs::analyse(units::AnalysisMode mode) {
    TPlzsForm wizard(dm_, mode, this);
    if (wizard.exec() != QDialog::Accepted) {
        return;
    }
    setScope(mode, wizard.chosenUnits(), wizard.chosenBands());
}

void PageZs::setScope(units::AnalysisMode mode, const std::vector<units::AnalysisUnit>& unitsIn,
                      const QStringList& bands) {
    mode_ = mode;
    bands_ = bands;
    rows_ = units::newAnalysisRows(mode, unitsIn, bands);
    buildColumns();
    gridPeople->setRowCount(0);
    refresh();
}

void PageZs::buildColumns() {
    QStringList captions{QStringLiteral("序号"), QStringLiteral("单位名称")};
    for (const QString& band : bands_) {
        if (mode_ == units::AnalysisMode::Quotas) {
            captions << band + QStringLiteral("\n职务名称");
        }
        captions << band + QStringLiteral("\n编制数") << band + QStringLiteral("\n实际数");
    }
    gridZs->clear();
    gridZs->setRowCount(0);
    gridZs->setColumnCount(static_cast<int>(captions.size()));
    gridZs->setHorizontalHeaderLabels(captions);
}

void PageZs::showRows() {
    gridZs->setRowCount(static_cast<int>(rows_.size()));
    const Qt::ItemFlags fixed = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const Qt::ItemFlags editable = editing_ ? fixed | Qt::ItemIsEditable : fixed;
    for (int r = 0; r < gridZs->rowCount(); ++r) {
        const units::AnalysisRow& row = rows_[static_cast<size_t>(r)];
        const auto put = [&](int column, const QVariant& value, Qt::ItemFlags flags) {
            auto* item = new QTableWidgetItem;
            item->setData(Qt::EditRole, value);
            item->setFlags(flags);
            gridZs->setItem(r, column, item);
            return item;
        };
        put(0, r + 1, fixed);
        put(1, row.unitName, fixed);
        for (int b = 0; b < static_cast<int>(bands_.size()); ++b) {
            const units::AnalysisCell& cell = row.cells[static_cast<size_t>(b)];
            int column = kFixedColumns + b * bandWidth();
            if (mode_ == units::AnalysisMode::Quotas) {
                put(column++, cell.postName, editable);
            }
            put(column++, cell.quota, editable);
            QTableWidgetItem* actual = put(column, cell.actual, fixed);
            switch (units::quotaState(cell)) {
                case units::QuotaState::Under:
                    actual->setBackground(kUnderColour);
                    break;
                case units::QuotaState::Over:
                    actual->setBackground(kOverColour);
                    break;
                case units::QuotaState::Equal:
                    break;
            }
        }
    }
}

void PageZs::readEdits() {
    for (int r = 0; r < gridZs->rowCount() && r < static_cast<int>(rows_.size()); ++r) {
        for (int c = kFixedColumns; c < gridZs->columnCount(); ++c) {
            const QTableWidgetItem* item = gridZs->item(r, c);
            if (item == nullptr) {
                continue;
            }
            units::AnalysisCell& cell =
                rows_[static_cast<size_t>(r)].cells[static_cast<size_t>(bandOf(c))];
            if (kindOf(c) == CellKind::Name) {
                cell.postName = item->data(Qt::EditRole).toString().trimmed();
            } else if (kindOf(c) == CellKind::Quota) {
                cell.quota = std::clamp(item->data(Qt::EditRole).toInt(), 0, kMostQuota);
            }
        }
    }
}

void PageZs::refresh() {
    readEdits();
    const Result<void> counted = [this] {
        const app::ProgressScope wait(units::kCounting);
        return units::recountAnalysis(dm_.db(), mode_, bands_, rows_);
    }();
    if (!counted) {
        app::showFailure(counted.failure());
    }
    showRows();
}

void PageZs::save() {
    if (!admin::HasRight(dm_, kRight)) {
        return;
    }
    readEdits();
    if (!app::confirmAction(units::saveQuestion(mode_))) {
        return;
    }
    const Result<void> saved = [this] {
        const app::ProgressScope wait(units::kSaving);
        return units::saveAnalysis(dm_.db(), mode_, bands_, rows_);
    }();
    if (!saved) {
        app::showFailure(saved.failure());
        return;
    }
    refresh();
}

void PageZs::toggleEditing() {
    QAction* edit = action("actEdit");
    if (!editing_ && !admin::HasRight(dm_, kRight)) {
        edit->setChecked(false);
        return;
    }
    readEdits();
    editing_ = !editing_;
    edit->setChecked(editing_);
    showRows();
}

void PageZs::assignPeople() {
    if (!admin::HasRight(dm_, kRight)) {
        return;
    }
    const int row = gridZs->currentRow();
    if (row < 0 || row >= static_cast<int>(rows_.size()) || bands_.isEmpty()) {
        return;
    }
    TPlBzForm form(dm_, mode_, rows_[static_cast<size_t>(row)].unitId, bands_, this);
    const int band = bandOf(gridZs->currentColumn());
    if (band >= 0) {
        form.selectBand(bands_[band]);
    }
    if (form.exec() == QDialog::Accepted) {
        refresh();
    }
}

void PageZs::exportExcel() {
    widgets::exportGrid(*gridZs, this,
                        mode_ == units::AnalysisMode::Quotas ? QStringLiteral("单位岗位职数分析")
                                                             : QStringLiteral("单位人员编制分析"));
}

void PageZs::printOverUnder() {
    readEdits();
    const report::Layout layout = [this] {
        const app::ProgressScope wait(units::kExportingTable);
        return units::overUnderLayout(mode_, units::overUnderLines(bands_, rows_));
    }();
    widgets::previewLayout(layout, units::kOverUnderTitle, this);
}

void PageZs::showPeople(int row, int column) {
    const int band = bandOf(column);
    gridPeople->setRowCount(0);
    if (band < 0 || row < 0 || row >= static_cast<int>(rows_.size())) {
        return;
    }
    const units::AnalysisRow& unit = rows_[static_cast<size_t>(row)];
    const QString key = mode_ == units::AnalysisMode::Quotas
                            ? unit.cells[static_cast<size_t>(band)].postName
                            : bands_[band];
    const Result<std::vector<units::AnalysisPerson>> found =
        units::cellPeople(dm_.db(), mode_, unit.unitId, key);
    if (!found) {
        app::showFailure(found.failure());
        return;
    }
    gridPeople->setRowCount(static_cast<int>(found->size()));
    for (int r = 0; r < gridPeople->rowCount(); ++r) {
        gridPeople->setItem(r, 0, new QTableWidgetItem((*found)[static_cast<size_t>(r)].xm));
        gridPeople->setItem(r, 1, new QTableWidgetItem((*found)[static_cast<size_t>(r)].xrz));
    }
}

void PageZs::showGridMenu(const QPoint& at) {
    const QTableWidgetItem* current = gridZs->currentItem();
    const CellKind kind = current != nullptr ? kindOf(current->column()) : CellKind::Other;
    QAction* names = action("actFillNames");
    QAction* quotas = action("actFillQuotas");
    names->setEnabled(editing_ && kind == CellKind::Name);
    quotas->setEnabled(editing_ && kind == CellKind::Quota);
    const QString value = current != nullptr ? current->data(Qt::EditRole).toString() : QString();
    names->setText(kind == CellKind::Name ? QStringLiteral("职务名称全部为 “") + value + u'”'
                                          : QStringLiteral("职务名称全部为..."));
    quotas->setText(kind == CellKind::Quota ? QStringLiteral("编制数全部为 ") + value
                                            : QStringLiteral("编制数全部为..."));
    gridMenu->popup(gridZs->viewport()->mapToGlobal(at));
}

void PageZs::fillSelected(CellKind kind) {
    const QTableWidgetItem* current = gridZs->currentItem();
    if (!editing_ || current == nullptr || kindOf(current->column()) != kind) {
        return;
    }
    const QVariant value = current->data(Qt::EditRole);
    for (QTableWidgetItem* item : gridZs->selectedItems()) {
        if (kindOf(item->column()) == kind) {
            item->setData(Qt::EditRole, value);
        }
    }
    readEdits();
}

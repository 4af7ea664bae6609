#include "search/ui/PageAdv.h"

#include <QAction>
#include <QDate>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"
#include "cadre/PickLists.h"
#include "cadre/ui/TCadreForm.h"
#include "cadre/ui/TQueryForm1.h"
#include "db/Database.h"
#include "main/ui/CadreListModel.h"
#include "main/ui/PageDw.h"
#include "rosters/RosterMembers.h"
#include "rosters/Rosters.h"
#include "rosters/ui/TSelMcForm.h"
#include "rosters/ui/TSleMMcForm.h"
#include "search/ResultSort.h"
#include "search/SearchResult.h"
#include "search/ui/TQueryAdvForm.h"
#include "search/ui/TQueryLogForm.h"
#include "search/ui/TQueryModeForm.h"
#include "search/ui/TSortAdvForm.h"
#include "statistics/ui/CountPanel.h"
#include "widgets/GridExport.h"
#include "widgets/TMoveLineForm.h"

const QString PageAdv::kNotFound = QStringLiteral("没有找到符合条件的干部。");
const QString PageAdv::kCheckHint = QStringLiteral("<输入干部信息后回车，可检查干部是否存在>");

namespace {

const QString kShowing = QStringLiteral("正在显示结果...");

// The check box shows its hint while it is not being typed in.
class HintFilter final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = static_cast<QLineEdit*>(watched);
        if (event->type() == QEvent::FocusIn && box->text() == PageAdv::kCheckHint) {
            box->clear();
        } else if (event->type() == QEvent::FocusOut && box->text().isEmpty()) {
            box->setText(PageAdv::kCheckHint);
        }
        return false;
    }
};

}  // namespace

PageAdv::PageAdv(TDataM& dm, cadre::PickLists& lists, QWidget* parent)
    : QWidget(parent),
      dm_(dm),
      lists_(lists),
      lblHeading(new QLabel(this)),
      edtCheck(new QLineEdit(this)),
      grid_(new QTableView(this)),
      model_(new CadreListModel(this)),
      log_(new TQueryLogForm(this)),
      countPanel_(new CountPanel(dm, lists, this)) {
    setObjectName(QStringLiteral("PageAdv"));
    lblHeading->setObjectName(QStringLiteral("lblAdvHeading"));
    edtCheck->setObjectName(QStringLiteral("edtCheck"));
    edtCheck->setText(kCheckHint);
    edtCheck->installEventFilter(new HintFilter(edtCheck));
    grid_->setObjectName(QStringLiteral("gridAdv"));
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->setDefaultSectionSize(30);
    grid_->verticalHeader()->hide();
    grid_->setSortingEnabled(true);
    grid_->horizontalHeader()->setSortIndicatorShown(false);
    for (size_t i = 0; i < kCadreListGridColumns.size(); ++i) {
        const CadreListColumn& column = kCadreListGridColumns[i];
        // The result has no unit row: the unit's own columns stay hidden.
        const bool unitColumn = qstrcmp(column.field, "jrsjStr") == 0;
        grid_->setColumnHidden(static_cast<int>(i), !column.shownAtStart || unitColumn);
    }

    auto* check = new QPushButton(QStringLiteral("检查"), this);
    check->setObjectName(QStringLiteral("btnCheck"));
    auto* top = new QHBoxLayout;
    top->addWidget(lblHeading);
    top->addStretch();
    top->addWidget(edtCheck);
    top->addWidget(check);
    auto* layout = new QVBoxLayout(this);
    buildToolBar();
    layout->addWidget(findChild<QToolBar*>(QStringLiteral("tbAdv")));
    layout->addLayout(top);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(grid_);
    split->addWidget(countPanel_);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 1);
    countPanel_->hide();
    layout->addWidget(split, 1);
    connect(countPanel_, &CountPanel::lookupRequested, this, [this](const QString& condition) {
        lookup_ = condition;
        showResult(0, 0);
    });
    connect(countPanel_, &CountPanel::lookupClosed, this, [this] {
        lookup_.clear();
        showResult(0, 0);
    });

    edtCheck->setMinimumWidth(300);
    connect(edtCheck, &QLineEdit::returnPressed, this, &PageAdv::checkExistence);
    connect(check, &QPushButton::clicked, this, &PageAdv::checkExistence);
    connect(grid_, &QTableView::doubleClicked, this, [this] {
        // Opened once the grid has finished its click.
        QTimer::singleShot(0, this, &PageAdv::openCadre);
    });
    connect(model_, &CadreListModel::readFailed, this, &app::showError);
}

QAction* PageAdv::addAction(const char* name, const QString& caption, void (PageAdv::*slot)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, slot);
    actions_.insert(action->objectName(), action);
    return action;
}

QAction* PageAdv::addCommand(const char* name, const QString& caption) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    actions_.insert(action->objectName(), action);
    return action;
}

QAction* PageAdv::addIdleAction(const char* name, const QString& caption) {
    QAction* action = addCommand(name, caption);
    action->setEnabled(false);
    return action;
}

QAction* PageAdv::action(const char* name) const {
    return actions_.value(QString::fromLatin1(name));
}

void PageAdv::buildToolBar() {
    auto* bar = new QToolBar(QStringLiteral("查找分析"), this);
    bar->setObjectName(QStringLiteral("tbAdv"));
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
    QMenu* add = menuButton("mnuNewQuery", QStringLiteral("新增查询"));
    add->addAction(
        addAction("actAdvSearch", QStringLiteral("按条件查找干部"), &PageAdv::searchByConditions));
    add->addAction(addAction("actAdvFromRoster", QStringLiteral("从名册中加入干部"),
                             &PageAdv::addFromRosters));
    add->addAction(
        addAction("actAdvByHand", QStringLiteral("手工加入特定干部"), &PageAdv::addByHand));
    bar->addAction(addAction("actAdvClear", QStringLiteral("清空查询结果"), &PageAdv::clearResult));
    bar->addAction(addAction("actAdvRemove", QStringLiteral("删除选中"), &PageAdv::removeSelected));
    bar->addAction(addAction("actAdvLog", QStringLiteral("操作日志"), &PageAdv::showLog));
    bar->addAction(addAction("actAdvLocate", QStringLiteral("定位干部"), &PageAdv::locateCadre));
    bar->addAction(addAction("actAdvDetail", QStringLiteral("查看详细"), &PageAdv::openCadre));
    bar->addSeparator();
    bar->addAction(addAction("actAdvMoveUp", QStringLiteral("上移"), &PageAdv::moveUp));
    bar->addAction(addAction("actAdvMoveDown", QStringLiteral("下移"), &PageAdv::moveDown));
    bar->addAction(addAction("actAdvMoveTo", QStringLiteral("移动到..."), &PageAdv::moveToRow));
    QMenu* sort = menuButton("mnuSort", QStringLiteral("排序"));
    QAction* note = sort->addAction(
        QStringLiteral("注意：为提高检索速度，新查询出干部默认不排序，请选择下面的排序方式。"));
    note->setEnabled(false);
    sort->addAction(addAction("actAdvSortCombined",
                              QStringLiteral("按职级、年龄、学历、姓氏笔画等组合排序"),
                              &PageAdv::sortCombined));
    sort->addAction(addAction("actAdvSortDefault", QStringLiteral("按系统默认顺序"),
                              &PageAdv::sortByDefaultOrder));
    sort->addAction(addAction("actAdvSaveDefault", QStringLiteral("保存为系统默认顺序"),
                              &PageAdv::saveAsDefaultOrder));
    sort->addAction(
        addAction("actAdvSortByUnit", QStringLiteral("按所在单位排序"), &PageAdv::sortByUnit));
    QMenu* statistics = menuButton("mnuStatistics", QStringLiteral("统计分析"));
    QAction* table = addCommand("actAdvCountTable", QStringLiteral("启用二维统计表"));
    table->setCheckable(true);
    connect(table, &QAction::toggled, this, &PageAdv::showCountTable);
    statistics->addAction(table);
    buildChartMenu(statistics->addMenu(QStringLiteral("统计图")));
    QMenu* output = menuButton("mnuOutput", QStringLiteral("输出"));
    output->addAction(
        addAction("actAdvExport", QStringLiteral("导出Excel"), &PageAdv::exportExcel));
    output->addAction(
        addAction("actAdvSaveRoster", QStringLiteral("保存至名册"), &PageAdv::saveToRoster));
    output->addAction(addIdleAction("actAdvBatchOutput", QStringLiteral("批量输出Word/Excel")));
    output->addAction(addIdleAction("actAdvCustomOutput", QStringLiteral("按自定义模板批量输出")));
    output->addAction(addIdleAction("actAdvSystemPrint", QStringLiteral("系统自带格式批量打印")));
}

void PageAdv::buildChartMenu(QMenu* menu) {
    menu->setObjectName(QStringLiteral("mnuAdvCharts"));
    const std::pair<const char*, QString> entries[] = {
        {"actAdvChartAge", QStringLiteral("干部年龄分析图")},
        {"actAdvChartSex", QStringLiteral("男女干部组成比例")},
        {"actAdvChartEducation", QStringLiteral("干部学历分析图")},
        {"actAdvChartParty", QStringLiteral("党内外干部组成分析图")},
        {"actAdvChartNationality", QStringLiteral("干部民族组成分析图")}};
    // In the order of statistics::ChartKind.
    int kind = 0;
    for (const auto& [name, caption] : entries) {
        QAction* entry = addCommand(name, caption);
        connect(entry, &QAction::triggered, this, [this, kind] { Q_EMIT chartRequested(kind); });
        menu->addAction(entry);
        ++kind;
    }
}

void PageAdv::showCountTable(bool on) {
    countPanel_->setVisible(on);
    if (on) {
        countPanel_->compute();
    } else if (!lookup_.isEmpty()) {
        lookup_.clear();
        showResult(selectedCadre(), selectedRow());
    }
}

void PageAdv::recount() {
    lookup_.clear();
    if (action("actAdvCountTable")->isChecked()) {
        countPanel_->compute();
    }
}

int PageAdv::rowCount() const {
    return model_->rowCount();
}

int PageAdv::selectedRow() const {
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid() || !grid_->selectionModel()->isRowSelected(current.row(), {})) {
        return -1;
    }
    return current.row();
}

bool PageAdv::selectRow(int row) {
    if (row < 0 || row >= model_->rowCount()) {
        return false;
    }
    const QModelIndex index = model_->index(row, CadreListModel::columnOf("xm"));
    grid_->setCurrentIndex(index);
    grid_->selectRow(row);
    grid_->scrollTo(index);
    return true;
}

int PageAdv::selectedCadre() const {
    return model_->value(selectedRow(), "CadreID").toInt();
}

void PageAdv::reload() {
    showResult(selectedCadre(), selectedRow());
}

void PageAdv::showResult(int cadreId, int fallbackRow, bool withUnit) {
    // The result's own order is that of its keys: any column sort is cleared.
    grid_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    model_->sort(-1);
    db::PagedRows::Query query = search::resultQuery(QDate::currentDate(), withUnit);
    query.from += search::listedWhere(lookup_);
    const Result<void> loaded = model_->load(dm_.db(), query);
    grid_->setColumnHidden(CadreListModel::columnOf("name"), !withUnit);
    if (!loaded) {
        app::showFailure(loaded.failure());
    }
    lblHeading->setText(search::resultHeading(model_->rowCount()));
    const int row = cadreId != 0 ? model_->rowOfCadre(cadreId) : -1;
    selectRow(row >= 0 ? row : std::min(fallbackRow, model_->rowCount() - 1));
}

void PageAdv::logLine(const QString& line) {
    log_->addLine(line);
}

void PageAdv::searchByConditions() {
    const Result<int> before = search::resultCount(dm_.db());
    if (!before) {
        app::showFailure(before.failure());
        return;
    }
    search::SearchMode mode = search::SearchMode::Replace;
    if (*before > 0) {
        TQueryModeForm modes(this);
        if (modes.exec() != QDialog::Accepted) {
            return;
        }
        mode = modes.mode();
    }
    TQueryAdvForm form(dm_, lists_, QDate::currentDate(), this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    const int previous = mode == search::SearchMode::Replace ? 0 : *before;
    Result<int> count = 0;
    {
        const app::ProgressScope wait(QStringLiteral("正在搜索数据，请等待..."));
        count = search::runSearch(dm_.db(), mode, form.where());
    }
    if (!count) {
        app::showFailure(count.failure());
        return;
    }
    searchedUnits_ = form.checkedUnits();
    recount();
    {
        const app::ProgressScope wait(kShowing);
        showResult(0, 0);
    }
    logLine(search::searchLogLine(*count, previous));
}

void PageAdv::addByHand() {
    TQueryForm1 picker(dm_, 0, this);
    if (picker.exec() != QDialog::Accepted) {
        return;
    }
    Result<int> added = 0;
    {
        const app::ProgressScope wait(QStringLiteral("正在加入干部"));
        added = search::addCadres(dm_.db(), picker.pickedCadreIds());
    }
    if (!added) {
        app::showFailure(added.failure());
        return;
    }
    recount();
    showResult(selectedCadre(), selectedRow());
    logLine(search::addedLogLine(*added, model_->rowCount()));
}

void PageAdv::addFromRosters() {
    TSleMMcForm form(dm_, this);
    if (form.choose() != QDialog::Accepted) {
        return;
    }
    Result<int> added = 0;
    {
        const app::ProgressScope wait(QStringLiteral("正在加入干部"));
        added = rosters::addRostersToResult(dm_.db(), form.checkedIds());
    }
    if (!added) {
        app::showFailure(added.failure());
        return;
    }
    recount();
    showResult(selectedCadre(), selectedRow());
    logLine(search::addedLogLine(*added, model_->rowCount()));
}

void PageAdv::saveToRoster() {
    if (model_->rowCount() == 0) {
        app::showInformation(rosters::kNoResult);
        return;
    }
    TSelMcForm form(dm_, this);
    if (form.choose() != QDialog::Accepted) {
        return;
    }
    Result<int> added = 0;
    {
        const app::ProgressScope wait(rosters::kJoining, (model_->rowCount() + 4) / 5);
        added = rosters::addSearchResult(dm_.db(), form.chosen(), QDate::currentDate(), lookup_);
    }
    if (!added) {
        app::showFailure(added.failure());
    }
}

void PageAdv::clearResult() {
    if (const Result<void> cleared = search::clearResult(dm_.db()); !cleared) {
        app::showFailure(cleared.failure());
        return;
    }
    recount();
    showResult(0, 0);
}

void PageAdv::removeSelected() {
    QList<int> rows;
    for (const QModelIndex& index : grid_->selectionModel()->selectedRows()) {
        rows << index.row();
    }
    if (rows.isEmpty()) {
        app::showInformation(PageDw::kSelectToDelete);
        return;
    }
    std::sort(rows.begin(), rows.end());
    QList<int> ids;
    QStringList names;
    for (const int row : rows) {
        ids << model_->value(row, "CadreID").toInt();
        names << model_->value(row, "xm").toString();
    }
    if (const Result<void> removed = search::removeCadres(dm_.db(), ids); !removed) {
        app::showFailure(removed.failure());
        return;
    }
    recount();
    showResult(0, rows.first());
    for (const QString& line : search::removedLogLines(names)) {
        logLine(line);
    }
}

void PageAdv::showLog() {
    log_->show();
    log_->raise();
}

bool PageAdv::findNext(const QString& typed, bool down) {
    const int count = model_->rowCount();
    const int step = down ? 1 : -1;
    for (int row = selectedRow() + step; row >= 0 && row < count; row += step) {
        if (search::cadreMatches(model_->value(row, "xm").toString(),
                                 model_->value(row, "py").toString(), typed)) {
            return selectRow(row);
        }
    }
    return false;
}

void PageAdv::locateCadre() {
    bool ok = false;
    const QString typed = QInputDialog::getText(this, QStringLiteral("定位干部"),
                                                QStringLiteral("输入姓名或拼音首字母查找："),
                                                QLineEdit::Normal, QString(), &ok)
                              .trimmed();
    if (!ok || typed.isEmpty()) {
        return;
    }
    // From the selected row down; when nothing follows, once more from the top. When no row
    // matches, the selection stays where it was.
    const int from = selectedRow();
    if (findNext(typed, true)) {
        return;
    }
    grid_->clearSelection();
    grid_->setCurrentIndex({});
    if (!findNext(typed, true)) {
        selectRow(from);
        app::showInformation(kNotFound);
    }
}

void PageAdv::openCadre() {
    const int cadreId = selectedCadre();
    if (cadreId == 0) {
        app::showInformation(PageDw::kSelectToView);
        return;
    }
    TCadreForm editor(dm_, lists_, this);
    if (const Result<void> opened = editor.openCadre(cadreId); !opened) {
        app::showFailure(opened.failure());
        return;
    }
    editor.exec();
    if (editor.changed()) {
        showResult(cadreId, selectedRow());
    }
}

void PageAdv::swapWithNeighbour(int step) {
    if (selectedRow() < 0) {
        app::showInformation(PageDw::kSelectToMove);
        return;
    }
    // The neighbour is the one in key order: a column sort is cleared first.
    showResult(selectedCadre(), selectedRow());
    const int row = selectedRow();
    const int neighbour = row + step;
    if (neighbour < 0 || neighbour >= model_->rowCount()) {
        return;
    }
    const int cadreId = selectedCadre();
    const Result<void> swapped =
        search::swapKeys(dm_.db(), cadreId, model_->value(neighbour, "CadreID").toInt());
    if (!swapped) {
        app::showFailure(swapped.failure());
    }
    showResult(cadreId, row);
}

void PageAdv::moveUp() {
    swapWithNeighbour(-1);
}

void PageAdv::moveDown() {
    swapWithNeighbour(1);
}

void PageAdv::moveToRow() {
    const int row = selectedRow();
    if (row < 0) {
        app::showInformation(PageDw::kSelectToMove);
        return;
    }
    TMoveLineForm form(model_->rowCount(), this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    const int cadreId = selectedCadre();
    // The list must be in key order for the target row to mean a key.
    showResult(cadreId, row);
    if (const Result<void> moved = search::moveToRow(dm_.db(), cadreId, form.targetRow(), lookup_);
        !moved) {
        app::showFailure(moved.failure());
    }
    showResult(cadreId, row);
}

void PageAdv::sortCombined() {
    TSortAdvForm form(this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    Result<QStringList> unknown = QStringList();
    {
        const app::ProgressScope wait(QStringLiteral("正在生成序号..."));
        unknown = search::sortCombined(dm_.db(), form.rule());
    }
    if (!unknown) {
        app::showFailure(unknown.failure());
        return;
    }
    for (const QString& name : *unknown) {
        app::showInformation(search::unrecognisedNameMessage(name));
    }
    const app::ProgressScope wait(kShowing);
    showResult(selectedCadre(), 0);
}

void PageAdv::sortByDefaultOrder() {
    if (const Result<void> sorted = search::sortByDefaultOrder(dm_.db()); !sorted) {
        app::showFailure(sorted.failure());
        return;
    }
    const app::ProgressScope wait(kShowing);
    showResult(selectedCadre(), 0);
}

void PageAdv::saveAsDefaultOrder() {
    if (!admin::HasRight(dm_, QStringLiteral("WGB")) ||
        !app::confirmAction(search::kConfirmSaveDefault)) {
        return;
    }
    if (const Result<void> saved = search::saveAsDefaultOrder(dm_.db()); !saved) {
        app::showFailure(saved.failure());
    }
}

void PageAdv::sortByUnit() {
    Result<void> sorted;
    {
        app::ProgressScope wait(QStringLiteral("正在搜索数据，请等待..."));
        wait.setText(QStringLiteral("正在排序"));
        sorted = search::sortByUnit(dm_.db(), searchedUnits_);
    }
    if (!sorted) {
        app::showFailure(sorted.failure());
        return;
    }
    const app::ProgressScope wait(kShowing);
    showResult(selectedCadre(), 0, true);
}

void PageAdv::exportExcel() {
    widgets::exportGrid(*grid_, this, QStringLiteral("查询结果.xlsx"));
}

void PageAdv::checkExistence() {
    const QString typed = edtCheck->text() == kCheckHint ? QString() : edtCheck->text().trimmed();
    if (typed.isEmpty()) {
        return;
    }
    const Result<QStringList> found = search::cadresNamed(dm_.db(), typed);
    if (!found) {
        app::showFailure(found.failure());
        return;
    }
    app::showInformation(search::existenceAnswer(typed, *found));
}

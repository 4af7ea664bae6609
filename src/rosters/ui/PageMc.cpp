#include "rosters/ui/PageMc.h"

#include <QAction>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"
#include "cadre/ui/TCadreForm.h"
#include "cadre/ui/TQueryForm1.h"
#include "documents/RosterLines.h"
#include "documents/ui/TemplateCommands.h"
#include "rosters/RosterMembers.h"
#include "rosters/RosterPrintout.h"
#include "rosters/ui/RosterLinesModel.h"
#include "rosters/ui/THmcForm.h"
#include "widgets/GridExport.h"
#include "widgets/ReportPrinting.h"

namespace {

const QString kRight = QStringLiteral("MCW");
constexpr int kRosterRole = Qt::UserRole;

}  // namespace

PageMc::PageMc(TDataM& dm, cadre::PickLists& lists, QWidget* parent)
    : QWidget(parent),
      dm_(dm),
      lists_(lists),
      cxTreeViewMc(new QTreeWidget),
      treePanel_(buildTreePanel()),
      lblCaption(new QLabel(rosters::pageCaption(nullptr), this)),
      grid_(new QTableView(this)),
      model_(new RosterLinesModel(this)) {
    setObjectName(QStringLiteral("PageMc"));
    lblCaption->setObjectName(QStringLiteral("lblMcCaption"));
    grid_->setObjectName(QStringLiteral("gridMc"));
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(28);
    buildToolBar();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(findChild<QToolBar*>(QStringLiteral("tbMc")));
    layout->addWidget(lblCaption);
    layout->addWidget(grid_, 1);
    connect(model_, &RosterLinesModel::readFailed, this, &app::showError);
    connect(grid_, &QTableView::doubleClicked, this,
            [this] { QTimer::singleShot(0, this, &PageMc::openCadre); });
}

QWidget* PageMc::buildTreePanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("navMc"));
    cxTreeViewMc->setParent(panel);
    cxTreeViewMc->setObjectName(QStringLiteral("cxTreeViewMc"));
    cxTreeViewMc->setHeaderHidden(true);
    allRoot_ = new QTreeWidgetItem(cxTreeViewMc, {QStringLiteral("所有名册")});
    yearRoot_ = new QTreeWidgetItem(cxTreeViewMc, {QStringLiteral("按时间")});
    connect(cxTreeViewMc, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const QVariant id = item->data(0, kRosterRole);
        if (id.isValid()) {
            selectRoster(id.toInt());
        }
    });
    auto* row = new QHBoxLayout;
    const auto button = [&](const char* name, const QString& caption, void (PageMc::*slot)()) {
        auto* push = new QPushButton(caption, panel);
        push->setObjectName(QString::fromLatin1(name));
        push->setFlat(true);
        connect(push, &QPushButton::clicked, this, slot);
        row->addWidget(push);
    };
    button("btnMcAdd", QStringLiteral("添加"), &PageMc::newRoster);
    button("btnMcDelete", QStringLiteral("删除"), &PageMc::deleteRoster);
    button("btnMcEdit", QStringLiteral("修改"), &PageMc::editRoster);
    row->addStretch();
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cxTreeViewMc, 1);
    layout->addLayout(row);
    return panel;
}

QAction* PageMc::addAction(const char* name, const QString& caption, void (PageMc::*slot)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, slot);
    actions_.insert(action->objectName(), action);
    return action;
}

QAction* PageMc::action(const char* name) const {
    return actions_.value(QString::fromLatin1(name));
}

void PageMc::buildToolBar() {
    auto* bar = new QToolBar(QStringLiteral("名册管理"), this);
    bar->setObjectName(QStringLiteral("tbMc"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addAction(addAction("actMcNew", QStringLiteral("新建名册"), &PageMc::newRoster));
    bar->addAction(addAction("actMcEdit", QStringLiteral("修改名册"), &PageMc::editRoster));
    bar->addAction(addAction("actMcDelete", QStringLiteral("删除名册"), &PageMc::deleteRoster));
    bar->addSeparator();
    bar->addAction(addAction("actMcAdd", QStringLiteral("加入干部"), &PageMc::addCadres));
    bar->addAction(addAction("actMcRemove", QStringLiteral("去除干部"), &PageMc::removeCadre));
    bar->addAction(addAction("actMcDetail", QStringLiteral("当前干部信息"), &PageMc::openCadre));
    bar->addAction(addAction("actMcMoveUp", QStringLiteral("上移"), &PageMc::moveUp));
    bar->addAction(addAction("actMcMoveDown", QStringLiteral("下移"), &PageMc::moveDown));

    auto* output = new QMenu(QStringLiteral("报表输出"), this);
    output->setObjectName(QStringLiteral("mnuMcOutput"));
    output->addAction(
        addAction("actMcExcel", QStringLiteral("当前表格导出至Excel"), &PageMc::exportExcel));
    output->addAction(addAction("actMcPrint", QStringLiteral("打印名册"), &PageMc::preview));
    // The roster's cadres, in roster order, through a list-type Excel template.
    auto* templateOutput = new QAction(QStringLiteral("按列表型Excel模板输出"), this);
    templateOutput->setObjectName(QStringLiteral("actMcTemplateExcel"));
    connect(templateOutput, &QAction::triggered, this, [this] {
        QList<int> cadres;
        for (int row = 0; row < model_->rowCount(); ++row) {
            cadres << model_->cadreAt(row);
        }
        documents_ui::outputCadres(dm_, this, cadres, [](const documents::TemplateEntry& entry) {
            return entry.isList() && entry.format == documents::TemplateFormat::Excel;
        });
    });
    actions_.insert(templateOutput->objectName(), templateOutput);
    output->addAction(templateOutput);
    // These outputs come with the batch output window.
    for (const auto& [name, caption] : {std::pair{"actMcProfiles", "干部简要情况表(批量)"},
                                        std::pair{"actMcResumes", "干部文本型简历(批量)"}}) {
        auto* idle = new QAction(QString::fromUtf8(caption), this);
        idle->setObjectName(QString::fromLatin1(name));
        idle->setEnabled(false);
        actions_.insert(idle->objectName(), idle);
        output->addAction(idle);
    }
    columnsMenu_ = new QMenu(QStringLiteral("定制显示"), this);
    columnsMenu_->setObjectName(QStringLiteral("mnuMcColumns"));
    for (size_t i = 1; i < rosters::kRosterColumns.size(); ++i) {
        const rosters::RosterColumn& column = rosters::kRosterColumns[i];
        const int logical = static_cast<int>(i);
        QAction* toggle = columnsMenu_->addAction(QString::fromUtf8(column.caption));
        toggle->setObjectName(QStringLiteral("colMc") + QString::fromLatin1(column.field));
        toggle->setCheckable(true);
        toggle->setChecked(column.shownAtStart);
        grid_->setColumnHidden(logical, !column.shownAtStart);
        connect(toggle, &QAction::toggled, this,
                [this, logical](bool shown) { grid_->setColumnHidden(logical, !shown); });
    }
    for (QMenu* menu : {output, columnsMenu_}) {
        auto* button = new QToolButton(bar);
        button->setText(menu->title());
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        bar->addWidget(button);
    }
}

bool PageMc::mayChange() {
    return admin::HasRight(dm_, kRight);
}

void PageMc::activate() {
    // Rosters that cannot be counted cannot be listed either: one message says so.
    if (const Result<void> cleared = documents::clearLinesWithoutRosters(dm_.db()); !cleared) {
        app::showFailure(cleared.failure());
        return;
    }
    rebuildTree();
    if (!current_ || !selectRoster(current_->id)) {
        current_.reset();
        model_->clear();
        lblCaption->setText(rosters::pageCaption(nullptr));
    }
}

void PageMc::rebuildTree() {
    qDeleteAll(allRoot_->takeChildren());
    qDeleteAll(yearRoot_->takeChildren());
    const Result<std::vector<rosters::Roster>> all = rosters::listRosters(dm_.db());
    if (!all) {
        app::showFailure(all.failure());
        return;
    }
    QTreeWidgetItem* yearNode = nullptr;
    int year = 0;
    for (const rosters::Roster& roster : *all) {
        auto* node = new QTreeWidgetItem(allRoot_, {roster.name});
        node->setData(0, kRosterRole, roster.id);
        if (yearNode == nullptr || roster.year != year) {
            year = roster.year;
            yearNode = new QTreeWidgetItem(yearRoot_, {rosters::yearCaption(year)});
        }
        auto* second = new QTreeWidgetItem(yearNode, {roster.name});
        second->setData(0, kRosterRole, roster.id);
    }
    cxTreeViewMc->expandAll();
}

bool PageMc::selectRoster(int id) {
    const Result<rosters::Roster> roster = rosters::readRoster(dm_.db(), id);
    if (!roster) {
        return false;
    }
    current_ = *roster;
    lblCaption->setText(rosters::pageCaption(&*current_));
    for (int i = 0; i < allRoot_->childCount(); ++i) {
        if (allRoot_->child(i)->data(0, kRosterRole).toInt() == id) {
            cxTreeViewMc->setCurrentItem(allRoot_->child(i));
        }
    }
    showLines(0, 0);
    return true;
}

void PageMc::showLines(int cadreId, int fallbackRow) {
    if (!current_) {
        model_->clear();
        return;
    }
    const Result<void> loaded =
        model_->load(dm_.db(), rosters::linesQuery(dm_.db(), *current_, QDate::currentDate()));
    if (!loaded) {
        app::showFailure(loaded.failure());
    }
    const int row = cadreId != 0 ? model_->rowOfCadre(cadreId) : -1;
    selectRow(row >= 0 ? row : std::min(fallbackRow, model_->rowCount() - 1));
}

int PageMc::selectedRow() const {
    const QModelIndex index = grid_->currentIndex();
    return index.isValid() ? index.row() : -1;
}

void PageMc::selectRow(int row) {
    if (row < 0 || row >= model_->rowCount()) {
        grid_->setCurrentIndex({});
        return;
    }
    const QModelIndex index = model_->index(row, 1);
    grid_->setCurrentIndex(index);
    grid_->selectRow(row);
    grid_->scrollTo(index);
}

void PageMc::newRoster() {
    if (!mayChange()) {
        return;
    }
    THmcForm form(dm_, nullptr, this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    rebuildTree();
    selectRoster(form.rosterId());
}

void PageMc::editRoster() {
    if (!mayChange()) {
        return;
    }
    if (!current_) {
        app::showInformation(rosters::kSelectRosterToEdit);
        return;
    }
    THmcForm form(dm_, &*current_, this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    rebuildTree();
    selectRoster(current_->id);
}

void PageMc::deleteRoster() {
    if (!mayChange()) {
        return;
    }
    if (!current_) {
        app::showInformation(rosters::kNothingToDelete);
        return;
    }
    if (!app::confirmAction(rosters::deleteQuestion(current_->name))) {
        return;
    }
    if (const Result<void> deleted = rosters::deleteRoster(dm_.db(), current_->id); !deleted) {
        app::showFailure(deleted.failure());
        return;
    }
    current_.reset();
    activate();
}

void PageMc::addCadres() {
    if (!mayChange()) {
        return;
    }
    if (!current_) {
        app::showInformation(rosters::kNeedRoster);
        return;
    }
    TQueryForm1 picker(dm_, 0, this);
    if (picker.exec() != QDialog::Accepted || picker.pickedCadreIds().isEmpty()) {
        return;
    }
    Result<int> added = 0;
    {
        const QList<int> picked = picker.pickedCadreIds();
        const app::ProgressScope wait(rosters::kUpdating, (picked.size() + 4) / 5);
        added = rosters::addCadres(dm_.db(), *current_, picked, QDate::currentDate());
    }
    if (!added) {
        app::showFailure(added.failure());
    }
    showLines(model_->cadreAt(selectedRow()), selectedRow());
}

void PageMc::removeCadre() {
    if (!mayChange()) {
        return;
    }
    if (!current_) {
        app::showInformation(rosters::kNeedRoster);
        return;
    }
    const int row = selectedRow();
    const int cadreId = model_->cadreAt(row);
    if (cadreId == 0) {
        app::showInformation(rosters::kSelectToRemove);
        return;
    }
    if (!app::confirmAction(rosters::removeQuestion(model_->text(row, 1)))) {
        return;
    }
    if (const Result<void> removed = rosters::removeCadre(dm_.db(), *current_, cadreId); !removed) {
        app::showFailure(removed.failure());
        return;
    }
    // The following line takes the removed one's place; after the last, the new last.
    showLines(0, row);
}

void PageMc::openCadre() {
    if (!current_) {
        app::showInformation(rosters::kNeedRoster);
        return;
    }
    const int cadreId = model_->cadreAt(selectedRow());
    if (cadreId == 0) {
        app::showInformation(rosters::kSelectToView);
        return;
    }
    const Result<bool> exists = rosters::cadreExists(dm_.db(), cadreId);
    if (!exists) {
        app::showFailure(exists.failure());
        return;
    }
    if (!*exists) {
        app::showInformation(rosters::kCadreGone);
        return;
    }
    TCadreForm editor(dm_, lists_, this);
    if (const Result<void> opened = editor.openCadre(cadreId); !opened) {
        app::showFailure(opened.failure());
        return;
    }
    editor.exec();
    if (editor.changed()) {
        showLines(cadreId, selectedRow());
    }
}

void PageMc::move(int step) {
    if (!mayChange()) {
        return;
    }
    if (!current_) {
        app::showInformation(rosters::kNeedRoster);
        return;
    }
    const int row = selectedRow();
    const int neighbour = row + step;
    if (row < 0 || neighbour < 0 || neighbour >= model_->rowCount()) {
        return;
    }
    const int cadreId = model_->cadreAt(row);
    if (const Result<void> swapped =
            rosters::swapLines(dm_.db(), *current_, cadreId, model_->cadreAt(neighbour));
        !swapped) {
        app::showFailure(swapped.failure());
        return;
    }
    showLines(cadreId, neighbour);
}

void PageMc::moveUp() {
    move(-1);
}

void PageMc::moveDown() {
    move(1);
}

void PageMc::exportExcel() {
    widgets::exportGrid(*grid_, this, current_ ? current_->name : rosters::pageCaption(nullptr));
}

report::Layout PageMc::printout() const {
    rosters::RosterTable table;
    table.title = current_ ? current_->name : rosters::pageCaption(nullptr);
    const QHeaderView* header = grid_->horizontalHeader();
    std::vector<int> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!grid_->isColumnHidden(logical)) {
            columns.push_back(logical);
            table.captions
                << model_->headerData(logical, Qt::Horizontal, Qt::DisplayRole).toString();
        }
    }
    for (int row = 0; row < model_->rowCount(); ++row) {
        QStringList texts;
        for (const int column : columns) {
            texts << model_->text(row, column);
        }
        table.rows.push_back(texts);
    }
    return rosters::rosterLayout(table);
}

void PageMc::preview() {
    if (!current_) {
        app::showInformation(rosters::kNeedRoster);
        return;
    }
    widgets::previewLayout(printout(), current_->name, this);
}

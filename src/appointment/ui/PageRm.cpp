#include "appointment/ui/PageRm.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"
#include "appointment/PlanLines.h"
#include "appointment/ui/PlanLinesModel.h"
#include "appointment/ui/PlanResultDelegate.h"
#include "appointment/ui/TBatchOutputForm.h"
#include "appointment/ui/TLrmForm.h"
#include "appointment/ui/TQueryRmForm.h"
#include "appointment/ui/TRmSetForm1.h"
#include "appointment/ui/TRmmcForm.h"
#include "cadre/ui/TCadreForm.h"
#include "cadre/ui/TQueryForm1.h"
#include "widgets/GridExport.h"

namespace {

const QString kRight = QStringLiteral("RMW");
constexpr int kRowHeight = 30;
// The grid column "任免结果".
constexpr int kResultColumn = 15;

// The items of "定制显示" and the grid column each shows or hides.
struct ColumnToggle {
    const char* caption;
    int column;
};
constexpr ColumnToggle kColumnToggles[] = {
    {"姓名", 1},      {"性别", 2},     {"出生年月", 3},  {"年龄", 4},
    {"民族", 5},      {"出生地", 6},   {"籍贯", 7},      {"入党时间", 13},
    {"工作时间", 14}, {"学历", 11},    {"毕业院校", 12}, {"任免结果", 15},
    {"审批意见", 16}, {"现任职务", 8}, {"拟任职务", 9},  {"拟免职务", 10}};

int planOf(const QTreeWidgetItem* item) {
    return item != nullptr ? item->data(0, Qt::UserRole).toInt() : 0;
}

void addNodes(QTreeWidgetItem* parent, const std::vector<appointment::PlanNode>& nodes) {
    const QStyle* style = QApplication::style();
    for (const appointment::PlanNode& node : nodes) {
        auto* item = new QTreeWidgetItem(parent, {node.caption});
        item->setData(0, Qt::UserRole, node.planId);
        item->setIcon(
            0, style->standardIcon(node.planId != 0 ? QStyle::SP_FileIcon : QStyle::SP_DirIcon));
        addNodes(item, node.children);
    }
}

QTreeWidgetItem* findPlan(QTreeWidgetItem* item, int planId) {
    if (planOf(item) == planId) {
        return item;
    }
    for (int i = 0; i < item->childCount(); ++i) {
        if (QTreeWidgetItem* found = findPlan(item->child(i), planId)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

PageRm::PageRm(TDataM& dm, cadre::PickLists& lists, QWidget* parent)
    : QWidget(parent),
      dm_(dm),
      lists_(lists),
      treePanel_(nullptr),
      cxTreeViewRm(new QTreeWidget(this)),
      lblCaption_(new QLabel(this)),
      lblFooter_(new QLabel(this)),
      grid_(new QTableView(this)),
      model_(new PlanLinesModel(dm.db(), this)),
      editInGrid_(nullptr) {
    setObjectName(QStringLiteral("PageRm"));
    treePanel_ = buildTreePanel();
    lblCaption_->setObjectName(QStringLiteral("lblRm"));
    lblFooter_->setObjectName(QStringLiteral("lblRmCount"));
    grid_->setObjectName(QStringLiteral("cxGridDBTableView3"));
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The editor opens once the grid has finished its own handling of the click.
    connect(grid_, &QTableView::doubleClicked, this,
            [this] { QTimer::singleShot(100, this, &PageRm::openEditor); });
    grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setMinimumHeight(kRowHeight);
    grid_->setItemDelegateForColumn(kResultColumn, new PlanResultDelegate(grid_));
    for (size_t i = 0; i < kPlanGridColumns.size(); ++i) {
        grid_->setColumnHidden(static_cast<int>(i), !kPlanGridColumns[i].shown);
    }
    auto* bar = new QToolBar(QStringLiteral("任免方案"), this);
    bar->setObjectName(QStringLiteral("barRm"));
    buildToolBar(bar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar);
    layout->addWidget(lblCaption_);
    layout->addWidget(grid_, 1);
    layout->addWidget(lblFooter_);
    connect(model_, &QAbstractItemModel::modelReset, this,
            [this] { lblFooter_->setText(QStringLiteral("合计：%1").arg(model_->rowCount())); });
}

QWidget* PageRm::buildTreePanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("navRm"));
    cxTreeViewRm->setParent(panel);
    cxTreeViewRm->setObjectName(QStringLiteral("cxTreeViewRm"));
    cxTreeViewRm->setHeaderHidden(true);
    connect(cxTreeViewRm, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { treeClicked(item); });
    auto* row = new QHBoxLayout;
    const auto addButton = [&](const char* name, const QString& caption, void (PageRm::*slot)()) {
        auto* button = new QPushButton(caption, panel);
        button->setObjectName(QString::fromLatin1(name));
        button->setFlat(true);
        connect(button, &QPushButton::clicked, this, slot);
        row->addWidget(button);
    };
    addButton("Label12", QStringLiteral("添加"), &PageRm::addPlan);
    addButton("Label13", QStringLiteral("删除"), &PageRm::deletePlan);
    addButton("Label11", QStringLiteral("修改"), &PageRm::editPlan);
    row->addStretch();
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cxTreeViewRm, 1);
    layout->addLayout(row);
    return panel;
}

void PageRm::buildToolBar(QToolBar* toolBar) {
    const auto command = [&](QWidget* owner, const char* name, const QString& caption,
                             void (PageRm::*slot)()) {
        auto* action = new QAction(caption, owner);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        owner->addAction(action);
        return action;
    };
    const auto menuButton = [&](const char* name, const QString& caption) {
        auto* menu = new QMenu(caption, this);
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        toolBar->addAction(menu->menuAction());
        if (auto* button =
                qobject_cast<QToolButton*>(toolBar->widgetForAction(menu->menuAction()))) {
            button->setPopupMode(QToolButton::InstantPopup);
        }
        return menu;
    };
    command(toolBar, "dxBarButton22", QStringLiteral("加入干部"), &PageRm::addCadres);
    command(toolBar, "dxBarButton103", QStringLiteral("去除干部"), &PageRm::removeLine);
    command(toolBar, "dxBarButton131", QStringLiteral("更新"), &PageRm::refreshLine);
    QMenu* editing = menuButton("mnuRmEdit", QStringLiteral("任免表编辑"));
    editInGrid_ = editing->addAction(QStringLiteral("在表格中直接编辑"));
    editInGrid_->setObjectName(QStringLiteral("dxBarButton190"));
    editInGrid_->setCheckable(true);
    connect(editInGrid_, &QAction::toggled, this, [this](bool on) {
        if (on && !admin::HasRight(dm_, kRight)) {
            editInGrid_->setChecked(false);
            return;
        }
        model_->setEditable(on);
    });
    command(editing, "dxBarButton111", QStringLiteral("使用任免表编辑器"), &PageRm::openEditor);
    command(toolBar, "dxBarButton130", QStringLiteral("干部基本信息"), &PageRm::openCadre);
    QMenu* output = menuButton("mnuRmOutput", QStringLiteral("报表输出"));
    command(output, "dxBarButton36", QStringLiteral("表格导出至Excel"), &PageRm::exportGrid);
    command(output, "dxBarButton129", QStringLiteral("任免审批表（批量）"), &PageRm::batchOutput);
    // The batch output window writes the plan's approval-form files as well.
    command(output, "dxBarButton221", QStringLiteral("导出中组部任免文件（批量）"),
            &PageRm::batchOutput);
    command(output, "actRmLrmImport", QStringLiteral("导入LRM文件"), &PageRm::importLrmFiles);
    command(toolBar, "dxBarButton110", QStringLiteral("上移"), &PageRm::moveUp);
    command(toolBar, "dxBarButton104", QStringLiteral("下移"), &PageRm::moveDown);
    QMenu* columns = menuButton("mnuRmColumns", QStringLiteral("定制显示"));
    for (const ColumnToggle& toggle : kColumnToggles) {
        QAction* action = columns->addAction(QString::fromUtf8(toggle.caption));
        action->setObjectName(QStringLiteral("colRm%1").arg(toggle.column));
        action->setCheckable(true);
        action->setChecked(true);
        const int column = toggle.column;
        connect(action, &QAction::toggled, this,
                [this, column](bool on) { grid_->setColumnHidden(column, !on); });
    }
}

void PageRm::reloadTree(int planId) {
    const Result<std::vector<appointment::PlanHeader>> plans =
        appointment::listPlans(dm_.db(), {}, QStringLiteral("tbsj"));
    const Result<QStringList> states = appointment::processStates(dm_.db());
    if (!plans || !states) {
        app::showFailure(!plans ? plans.failure() : states.failure());
        return;
    }
    plans_ = *plans;
    cxTreeViewRm->clear();
    addNodes(cxTreeViewRm->invisibleRootItem(),
             appointment::planTree(plans_, *states, QDate::currentDate()));
    cxTreeViewRm->topLevelItem(0)->setExpanded(true);
    QTreeWidgetItem* selected =
        planId != 0 ? findPlan(cxTreeViewRm->invisibleRootItem(), planId) : nullptr;
    cxTreeViewRm->setCurrentItem(selected);
    showPlan(selected != nullptr ? planId : 0);
}

void PageRm::showPlan(int planId) {
    planId_ = planId;
    planName_.clear();
    for (const appointment::PlanHeader& plan : plans_) {
        if (plan.id == planId) {
            planName_ = plan.name;
        }
    }
    lblCaption_->setText(planName_);
    reloadLines(0);
}

void PageRm::reloadLines(int keepLineId) {
    if (planId_ == 0) {
        model_->clear();
        return;
    }
    const Result<QString> statement =
        appointment::linesStatement(dm_.db(), planId_, QDate::currentDate());
    const Result<void> loaded =
        statement ? model_->load(*statement) : Result<void>(statement.failure());
    if (!loaded) {
        app::showFailure(loaded.failure());
        return;
    }
    const int row = model_->rowOfLine(keepLineId);
    if (row >= 0) {
        grid_->selectRow(row);
    }
}

void PageRm::treeClicked(QTreeWidgetItem* item) {
    if (item->parent() == nullptr && item->text(0) == appointment::kRootSearch) {
        searchPlans();
        return;
    }
    if (planOf(item) != 0) {
        showPlan(planOf(item));
    }
}

int PageRm::currentLineId() const {
    const QModelIndex current = grid_->currentIndex();
    return current.isValid() ? model_->lineId(current.row()) : 0;
}

bool PageRm::planSelected() {
    if (plans_.empty()) {
        app::showInformation(appointment::kNoPlan);
        return false;
    }
    if (planOf(cxTreeViewRm->currentItem()) == 0 || planId_ == 0) {
        app::showInformation(appointment::kSelectPlan);
        return false;
    }
    return true;
}

void PageRm::addPlan() {
    if (!admin::HasRight(dm_, kRight)) {
        return;
    }
    TRmmcForm form(dm_, this);
    form.isNew = true;
    form.showPlan({});
    if (form.exec() == QDialog::Accepted) {
        reloadTree(form.savedId());
    }
}

void PageRm::editPlan() {
    if (!admin::HasRight(dm_, kRight)) {
        return;
    }
    if (planId_ == 0) {
        app::showInformation(appointment::kNoPlan);
        return;
    }
    const auto plan = appointment::readPlan(dm_.db(), planId_);
    if (!plan || !*plan) {
        app::showFailure(plan ? Failure{appointment::kNoPlan, {}} : plan.failure());
        return;
    }
    TRmmcForm form(dm_, this);
    form.isNew = false;
    form.showPlan(**plan);
    if (form.exec() == QDialog::Accepted) {
        reloadTree(planId_);
    }
}

void PageRm::deletePlan() {
    if (!admin::HasRight(dm_, kRight)) {
        return;
    }
    if (planId_ == 0) {
        app::showInformation(appointment::kNothingToDelete);
        return;
    }
    if (!app::confirmAction(QStringLiteral("确认删除方案 ") + planName_ + QStringLiteral(" ?"))) {
        return;
    }
    // The node that takes the place of the deleted one: the next sibling, the previous, or the
    // parent.
    int next = 0;
    if (QTreeWidgetItem* item = cxTreeViewRm->currentItem()) {
        const QTreeWidgetItem* parent = item->parent();
        if (parent != nullptr) {
            const int at = parent->indexOfChild(item);
            const QTreeWidgetItem* sibling =
                parent->child(at + 1) != nullptr ? parent->child(at + 1) : parent->child(at - 1);
            next = planOf(sibling != nullptr ? sibling : parent);
        }
    }
    if (const Result<void> deleted = appointment::deletePlan(dm_.db(), planId_); !deleted) {
        app::showFailure(deleted.failure());
        return;
    }
    reloadTree(next);
}

void PageRm::searchPlans() {
    TQueryRmForm form(dm_, this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    const Result<std::vector<appointment::PlanHeader>> found =
        appointment::listPlans(dm_.db(), form.clause(), QStringLiteral("id"));
    if (!found) {
        app::showFailure(found.failure());
        return;
    }
    QTreeWidgetItem* root = cxTreeViewRm->topLevelItem(cxTreeViewRm->topLevelItemCount() - 1);
    qDeleteAll(root->takeChildren());
    app::showInformation(appointment::foundPlansText(static_cast<int>(found->size())));
    std::vector<appointment::PlanNode> nodes;
    for (const appointment::PlanHeader& plan : *found) {
        nodes.push_back({plan.name, plan.id, {}});
    }
    addNodes(root, nodes);
    root->setExpanded(true);
}

void PageRm::addCadres() {
    if (!admin::HasRight(dm_, kRight) || !planSelected()) {
        return;
    }
    TQueryForm1 picker(dm_, 0, this);
    if (picker.exec() != QDialog::Accepted || picker.pickedCadreIds().isEmpty()) {
        return;
    }
    Result<int> added = 0;
    {
        const app::ProgressScope wait(appointment::kUpdatingData);
        added = appointment::addCadres(dm_.db(), planId_, picker.pickedCadreIds());
    }
    if (!added) {
        app::showFailure(added.failure());
    }
    reloadLines(0);
}

void PageRm::removeLine() {
    if (!admin::HasRight(dm_, kRight)) {
        return;
    }
    if (plans_.empty()) {
        app::showInformation(appointment::kNoPlan);
        return;
    }
    const int line = currentLineId();
    if (line == 0) {
        return;
    }
    const QString name =
        model_->value(grid_->currentIndex().row(), QStringLiteral("xm")).toString();
    if (!app::confirmAction(QStringLiteral("确实从方案中删除干部 ") + name +
                            QStringLiteral(" ?"))) {
        return;
    }
    if (const Result<void> removed = appointment::removeLine(dm_.db(), line); !removed) {
        app::showFailure(removed.failure());
    }
    reloadLines(0);
}

void PageRm::refreshLine() {
    if (!admin::HasRight(dm_, kRight) || !planSelected()) {
        return;
    }
    const int line = currentLineId();
    if (line == 0) {
        return;
    }
    const QString name =
        model_->value(grid_->currentIndex().row(), QStringLiteral("xm")).toString();
    if (!app::confirmAction(QStringLiteral("从干部信息库中重新设置干部 ") + name +
                            QStringLiteral("的任免表信息?"))) {
        return;
    }
    if (const Result<void> refreshed = appointment::refreshLine(dm_.db(), line); !refreshed) {
        app::showFailure(refreshed.failure());
    }
    reloadLines(line);
}

void PageRm::moveUp() {
    moveLine(-1);
}

void PageRm::moveDown() {
    moveLine(1);
}

void PageRm::moveLine(int step) {
    const int line = currentLineId();
    if (line == 0) {
        return;
    }
    if (const Result<void> moved = appointment::moveLine(dm_.db(), line, step); !moved) {
        app::showFailure(moved.failure());
    }
    reloadLines(line);
}

void PageRm::openCadre() {
    if (plans_.empty()) {
        app::showInformation(appointment::kNoPlan);
        return;
    }
    const int line = currentLineId();
    if (line == 0) {
        app::showInformation(appointment::kSelectLine);
        return;
    }
    const int cadreId =
        model_->value(grid_->currentIndex().row(), QStringLiteral("McCadreID")).toInt();
    const Result<bool> exists = appointment::cadreExists(dm_.db(), cadreId);
    if (!exists) {
        app::showFailure(exists.failure());
        return;
    }
    if (!*exists) {
        app::showInformation(appointment::kCadreDeleted);
        return;
    }
    TCadreForm editor(dm_, lists_, this);
    if (const Result<void> opened = editor.openCadre(cadreId); !opened) {
        app::showFailure(opened.failure());
        return;
    }
    editor.exec();
}

void PageRm::openEditor() {
    if (!planSelected()) {
        return;
    }
    // Who may not add cadres to plans may look at their forms but not change them.
    const Result<bool> editable = admin::rightGranted(dm_.db(), dm_.session().ManagerID, kRight);
    if (!editable) {
        app::showFailure(editable.failure());
        return;
    }
    TRmSetForm1 editor(dm_, planId_, currentLineId(), *editable, this);
    editor.exec();
    reloadLines(editor.currentLineId());
}

void PageRm::batchOutput() {
    if (!planSelected()) {
        return;
    }
    TBatchOutputForm form(dm_, planId_, this);
    if (form.limitToRange()) {
        form.exec();
    }
}

void PageRm::importLrmFiles() {
    if (!planSelected()) {
        return;
    }
    TLrmForm form(dm_, planId_, this);
    form.exec();
    if (form.imported()) {
        reloadLines(0);
    }
}

void PageRm::exportGrid() {
    if (plans_.empty()) {
        app::showInformation(appointment::kNoPlan);
        return;
    }
    widgets::exportGrid(*grid_, this, planName_, {lblFooter_->text()});
}

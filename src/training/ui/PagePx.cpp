#include "training/ui/PagePx.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"
#include "cadre/ui/TCadreForm.h"
#include "cadre/ui/TQueryForm1.h"
#include "rosters/RosterMembers.h"
#include "training/Participants.h"
#include "training/ui/TPxForm.h"
#include "training/ui/TQueryPxForm.h"
#include "widgets/GridExport.h"

namespace {

const QString kRight = QStringLiteral("PXW");
constexpr int kClassRole = Qt::UserRole;
constexpr int kParticipantRole = Qt::UserRole;
constexpr int kCadreRole = Qt::UserRole + 1;
// The grid's first attendance column; the columns before it are never edited.
constexpr int kFirstAttendance = 3;

const QStringList kCaptions = {
    QStringLiteral("序号"), QStringLiteral("姓名"),     QStringLiteral("现任职务"),
    QStringLiteral("请假"), QStringLiteral("缺席"),     QStringLiteral("论文成绩"),
    QStringLiteral("学分"), QStringLiteral("培训意见"), QStringLiteral("备注")};

}  // namespace

PagePx::PagePx(TDataM& dm, cadre::PickLists& lists, QWidget* parent)
    : QWidget(parent),
      dm_(dm),
      lists_(lists),
      tvPx(new QTreeWidget),
      treePanel_(buildTreePanel()),
      lblCaption(new QLabel(QStringLiteral("培训管理"), this)),
      grid_(new QTableView(this)),
      model_(new QStandardItemModel(0, static_cast<int>(kCaptions.size()), this)) {
    setObjectName(QStringLiteral("PagePx"));
    lblCaption->setObjectName(QStringLiteral("lblPxCaption"));
    model_->setHorizontalHeaderLabels(kCaptions);
    grid_->setObjectName(QStringLiteral("gridPx"));
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    buildToolBar();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(findChild<QToolBar*>(QStringLiteral("tbPx")));
    layout->addWidget(lblCaption);
    layout->addWidget(grid_, 1);
    connect(grid_, &QTableView::doubleClicked, this, [this] {
        // While the grid is edited a double click edits a cell instead.
        if (grid_->editTriggers() == QAbstractItemView::NoEditTriggers) {
            QTimer::singleShot(0, this, &PagePx::openCadre);
        }
    });
    connect(model_, &QStandardItemModel::itemChanged, this,
            [this](QStandardItem* item) { attendanceEdited(item->row(), item->column()); });
}

QWidget* PagePx::buildTreePanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("navPx"));
    tvPx->setParent(panel);
    tvPx->setObjectName(QStringLiteral("tvPx"));
    tvPx->setHeaderHidden(true);
    connect(tvPx, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const QVariant id = item->data(0, kClassRole);
        if (id.isValid()) {
            selectClass(id.toInt());
        }
    });
    auto* row = new QHBoxLayout;
    const auto button = [&](const char* name, const QString& caption, void (PagePx::*slot)()) {
        auto* push = new QPushButton(caption, panel);
        push->setObjectName(QString::fromLatin1(name));
        push->setFlat(true);
        connect(push, &QPushButton::clicked, this, slot);
        row->addWidget(push);
    };
    button("btnPxAdd", QStringLiteral("添加"), &PagePx::newClass);
    button("btnPxDelete", QStringLiteral("删除"), &PagePx::deleteClass);
    button("btnPxEdit", QStringLiteral("修改"), &PagePx::editClass);
    button("btnPxQuery", QStringLiteral("高级管理"), &PagePx::queryClasses);
    row->addStretch();
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tvPx, 1);
    layout->addLayout(row);
    return panel;
}

QAction* PagePx::addAction(const char* name, const QString& caption, void (PagePx::*slot)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, slot);
    actions_.insert(action->objectName(), action);
    return action;
}

QAction* PagePx::action(const char* name) const {
    return actions_.value(QString::fromLatin1(name));
}

void PagePx::buildToolBar() {
    auto* bar = new QToolBar(QStringLiteral("培训管理"), this);
    bar->setObjectName(QStringLiteral("tbPx"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addAction(addAction("actPxNew", QStringLiteral("添加培训班"), &PagePx::newClass));
    bar->addAction(addAction("actPxEdit", QStringLiteral("修改培训班"), &PagePx::editClass));
    bar->addAction(addAction("actPxDelete", QStringLiteral("删除培训班"), &PagePx::deleteClass));
    bar->addSeparator();
    bar->addAction(addAction("actPxAdd", QStringLiteral("添加干部"), &PagePx::addCadres));
    bar->addAction(addAction("actPxRemove", QStringLiteral("删除干部"), &PagePx::removeCadre));
    bar->addAction(addAction("actPxDetail", QStringLiteral("查看干部"), &PagePx::openCadre));
    bar->addAction(addAction("actPxMoveUp", QStringLiteral("上移"), &PagePx::moveUp));
    bar->addAction(addAction("actPxMoveDown", QStringLiteral("下移"), &PagePx::moveDown));
    bar->addAction(addAction("actPxGridEdit", QStringLiteral("表格编辑"), &PagePx::toggleEditing));
    bar->addAction(addAction("actPxExcel", QStringLiteral("导出"), &PagePx::exportExcel));
    bar->addAction(addAction("actPxQuery", QStringLiteral("高级管理"), &PagePx::queryClasses));
}

bool PagePx::mayChange() {
    return admin::HasRight(dm_, kRight);
}

void PagePx::activate() {
    rebuildTree();
    if (!current_ || !selectClass(current_->id)) {
        current_.reset();
        model_->setRowCount(0);
    }
}

void PagePx::rebuildTree() {
    const Result<std::vector<training::TrainingClass>> all = training::listClasses(dm_.db());
    if (!all) {
        app::showFailure(all.failure());
        return;
    }
    fillTree(*all, true);
}

void PagePx::fillTree(const std::vector<training::TrainingClass>& classes, bool grouped) {
    tvPx->clear();
    QHash<int, QTreeWidgetItem*> years;
    QHash<QString, QTreeWidgetItem*> categories;
    for (const training::TrainingClass& c : classes) {
        QTreeWidgetItem* parent = nullptr;
        if (grouped) {
            QTreeWidgetItem*& year = years[c.year];
            if (year == nullptr) {
                year = new QTreeWidgetItem(
                    tvPx, {c.year == 0 ? training::kUnknownYear : QString::number(c.year)});
            }
            QTreeWidgetItem*& category = categories[QString::number(c.year) + u'/' + c.category];
            if (category == nullptr) {
                category = new QTreeWidgetItem(year, {c.category});
            }
            parent = category;
        }
        auto* node = parent != nullptr ? new QTreeWidgetItem(parent, {c.name})
                                       : new QTreeWidgetItem(tvPx, {c.name});
        node->setData(0, kClassRole, c.id);
        if (current_ && current_->id == c.id) {
            tvPx->setCurrentItem(node);
        }
    }
    tvPx->expandAll();
}

void PagePx::showFound(const QString& where) {
    const Result<std::vector<training::TrainingClass>> found =
        training::findClasses(dm_.db(), where);
    if (!found) {
        app::showFailure(found.failure());
        return;
    }
    fillTree(*found, false);
    app::showInformation(QStringLiteral("共找到") + QString::number(found->size()) +
                         QStringLiteral("个符合条件的培训班"));
}

bool PagePx::selectClass(int id) {
    const Result<training::TrainingClass> found = training::readClass(dm_.db(), id);
    if (!found) {
        return false;
    }
    current_ = *found;
    lblCaption->setText(QStringLiteral("培训管理 - ") + current_->name);
    showParticipants(0, 0);
    return true;
}

void PagePx::showParticipants(int participantId, int fallbackRow) {
    model_->setRowCount(0);
    if (!current_) {
        return;
    }
    const Result<std::vector<training::Participant>> list =
        training::listParticipants(dm_.db(), current_->id);
    if (!list) {
        app::showFailure(list.failure());
        return;
    }
    filling_ = true;
    model_->setRowCount(static_cast<int>(list->size()));
    int selected = -1;
    for (int row = 0; row < static_cast<int>(list->size()); ++row) {
        const training::Participant& p = (*list)[static_cast<size_t>(row)];
        const QStringList texts = {QString::number(p.order),
                                   p.name,
                                   p.post,
                                   p.leave,
                                   p.absence,
                                   p.paper,
                                   p.credits,
                                   p.opinion,
                                   p.note};
        for (int column = 0; column < texts.size(); ++column) {
            auto* item = new QStandardItem(texts[column]);
            item->setEditable(column >= kFirstAttendance);
            model_->setItem(row, column, item);
        }
        model_->item(row, 0)->setData(p.id, kParticipantRole);
        model_->item(row, 0)->setData(p.cadreId, kCadreRole);
        if (p.id == participantId) {
            selected = row;
        }
    }
    filling_ = false;
    const int row = selected >= 0 ? selected : std::min(fallbackRow, model_->rowCount() - 1);
    if (row >= 0) {
        grid_->setCurrentIndex(model_->index(row, 1));
        grid_->selectRow(row);
    }
}

void PagePx::attendanceEdited(int row, int column) {
    if (filling_ || column < kFirstAttendance) {
        return;
    }
    const auto attendance = static_cast<training::Attendance>(column - kFirstAttendance);
    const Result<void> stored = training::setAttendance(dm_.db(), participantAt(row), attendance,
                                                        model_->item(row, column)->text());
    if (!stored) {
        app::showFailure(stored.failure());
        showParticipants(participantAt(row), row);
    }
}

int PagePx::selectedRow() const {
    const QModelIndex index = grid_->currentIndex();
    return index.isValid() ? index.row() : -1;
}

int PagePx::participantAt(int row) const {
    return row >= 0 && row < model_->rowCount()
               ? model_->item(row, 0)->data(kParticipantRole).toInt()
               : 0;
}

int PagePx::cadreAt(int row) const {
    return row >= 0 && row < model_->rowCount() ? model_->item(row, 0)->data(kCadreRole).toInt()
                                                : 0;
}

void PagePx::newClass() {
    if (!mayChange()) {
        return;
    }
    TPxForm form(dm_, nullptr, this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    current_.reset();
    selectClass(form.classId());
    rebuildTree();
}

void PagePx::editClass() {
    if (!mayChange()) {
        return;
    }
    if (!current_) {
        app::showInformation(training::kNeedClass);
        return;
    }
    TPxForm form(dm_, &*current_, this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    selectClass(current_->id);
    rebuildTree();
}

void PagePx::deleteClass() {
    if (!mayChange()) {
        return;
    }
    if (!current_) {
        app::showInformation(training::kNoClassToDelete);
        return;
    }
    if (!app::confirmAction(training::deleteQuestion(current_->name))) {
        return;
    }
    if (const Result<void> deleted = training::deleteClass(dm_.db(), current_->id); !deleted) {
        app::showFailure(deleted.failure());
        return;
    }
    current_.reset();
    lblCaption->setText(QStringLiteral("培训管理"));
    activate();
}

void PagePx::addCadres() {
    if (!mayChange()) {
        return;
    }
    if (!current_) {
        app::showInformation(training::kNeedClassToAdd);
        return;
    }
    TQueryForm1 picker(dm_, 0, this);
    if (picker.exec() != QDialog::Accepted || picker.pickedCadreIds().isEmpty()) {
        return;
    }
    Result<int> added = 0;
    {
        const QList<int> picked = picker.pickedCadreIds();
        const app::ProgressScope wait(training::kUpdating, (picked.size() + 4) / 5);
        added = training::addParticipants(dm_.db(), current_->id, picked);
    }
    if (!added) {
        app::showFailure(added.failure());
    }
    showParticipants(participantAt(selectedRow()), selectedRow());
}

void PagePx::removeCadre() {
    if (!mayChange()) {
        return;
    }
    if (!current_) {
        app::showInformation(training::kNeedClass);
        return;
    }
    const int row = selectedRow();
    const int id = participantAt(row);
    if (id == 0) {
        app::showInformation(training::kSelectToView);
        return;
    }
    if (!app::confirmAction(training::removeQuestion(model_->item(row, 1)->text()))) {
        return;
    }
    if (const Result<void> removed = training::removeParticipant(dm_.db(), id); !removed) {
        app::showFailure(removed.failure());
        return;
    }
    showParticipants(0, row);
}

void PagePx::openCadre() {
    if (!current_) {
        app::showInformation(training::kNeedClass);
        return;
    }
    const int cadreId = cadreAt(selectedRow());
    if (cadreId == 0) {
        app::showInformation(training::kSelectToView);
        return;
    }
    const Result<bool> exists = rosters::cadreExists(dm_.db(), cadreId);
    if (!exists) {
        app::showFailure(exists.failure());
        return;
    }
    if (!*exists) {
        app::showInformation(training::kCadreGone);
        return;
    }
    TCadreForm editor(dm_, lists_, this);
    if (const Result<void> opened = editor.openCadre(cadreId); !opened) {
        app::showFailure(opened.failure());
        return;
    }
    editor.exec();
    showParticipants(participantAt(selectedRow()), selectedRow());
}

void PagePx::move(int step) {
    if (!mayChange()) {
        return;
    }
    if (!current_) {
        app::showInformation(training::kNeedClass);
        return;
    }
    const int row = selectedRow();
    const int id = participantAt(row);
    if (id == 0) {
        return;
    }
    if (const Result<void> moved = training::moveParticipant(dm_.db(), id, step); !moved) {
        app::showFailure(moved.failure());
        return;
    }
    showParticipants(id, row);
}

void PagePx::moveUp() {
    move(-1);
}

void PagePx::moveDown() {
    move(1);
}

void PagePx::toggleEditing() {
    QAction* toggle = action("actPxGridEdit");
    const bool editing = grid_->editTriggers() != QAbstractItemView::NoEditTriggers;
    if (!editing && !mayChange()) {
        return;
    }
    if (editing) {
        grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
        toggle->setText(QStringLiteral("表格编辑"));
        return;
    }
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    toggle->setText(QStringLiteral("结束编辑"));
    app::showInformation(training::kEditHint);
}

void PagePx::exportExcel() {
    if (!current_) {
        app::showInformation(training::kNeedClassToAdd);
        return;
    }
    widgets::exportGrid(*grid_, this, current_->name);
}

void PagePx::queryClasses() {
    TQueryPxForm form(this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    showFound(form.where());
}

#include "units/ui/TDepForm.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "db/Database.h"
#include "units/UnitTree.h"
#include "units/ui/TNodeDelForm.h"
#include "units/ui/UnitEditor.h"
#include "units/ui/UnitTreeWidget.h"
#include "widgets/DialogParts.h"

namespace {

QAction* makeAction(const char* name, const QString& caption, QObject* parent) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

const QString TDepForm::kNewUnitHeading = QStringLiteral("<新添加>");

TDepForm::TDepForm(TDataM& dm, int selectedId, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      tvDw(new UnitTreeWidget),
      lblCurrent(new QLabel),
      editor_(new UnitEditor(dm, QStringLiteral("虚拟单位/分组"))),
      chkAllowEdit(new QCheckBox(QStringLiteral("允许修改"))),
      btnSave(widgets::namedButton("btnSave", QStringLiteral("保存"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取消"))),
      btnAdd(widgets::namedButton("btnAdd", QStringLiteral("添加"))),
      btnDelete(widgets::namedButton("btnDelete", QStringLiteral("删除"))),
      btnClose(widgets::namedButton("btnClose", QStringLiteral("关闭"))),
      btnUp(widgets::namedButton("btnUp", QStringLiteral("上移"))),
      btnDown(widgets::namedButton("btnDown", QStringLiteral("下移"))),
      pmTree(new QMenu(this)),
      actOrder(makeAction("actOrder", QStringLiteral("打开单位顺序调整功能"), this)),
      actCheckTree(makeAction("actCheckTree", QStringLiteral("启用树形选择框"), this)),
      actAddSibling(makeAction("actAddSibling", QStringLiteral("添加同级单位"), this)),
      actAddChild(makeAction("actAddChild", QStringLiteral("添加下级单位"), this)) {
    setObjectName(QStringLiteral("TDepForm"));
    setWindowTitle(QStringLiteral("单位信息设置"));
    tvDw->setObjectName(QStringLiteral("tvDw"));
    lblCurrent->setObjectName(QStringLiteral("lblCurrent"));
    chkAllowEdit->setObjectName(QStringLiteral("chkAllowEdit"));

    auto* heading = new QHBoxLayout;
    heading->addWidget(new QLabel(QStringLiteral("当前单位：")));
    heading->addWidget(lblCurrent, 1);
    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->addLayout(heading);
    rightLayout->addWidget(editor_, 1);

    auto* splitter = new QSplitter;
    splitter->addWidget(tvDw);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);

    auto* commands = new QHBoxLayout;
    commands->addWidget(chkAllowEdit);
    for (QPushButton* button : {btnSave, btnCancel, btnAdd, btnDelete, btnUp, btnDown}) {
        commands->addWidget(button);
    }
    commands->addStretch();
    commands->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(commands);

    actOrder->setCheckable(true);
    actOrder->setChecked(true);
    actCheckTree->setCheckable(true);
    pmTree->setObjectName(QStringLiteral("pmTree"));
    pmTree->addAction(actOrder);
    pmTree->addAction(actCheckTree);
    pmTree->addSeparator();
    pmTree->addAction(actAddSibling);
    pmTree->addAction(actAddChild);
    tvDw->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tvDw, &QWidget::customContextMenuRequested, this, &TDepForm::showTreeMenu);
    connect(actOrder, &QAction::toggled, this, [this](bool on) {
        btnUp->setVisible(on);
        btnDown->setVisible(on);
    });
    connect(actCheckTree, &QAction::toggled, tvDw, &UnitTreeWidget::setCheckable);
    connect(actAddSibling, &QAction::triggered, this, [this] { addUnit(true); });
    connect(actAddChild, &QAction::triggered, this, [this] { addUnit(false); });
    connect(btnSave, &QPushButton::clicked, this, &TDepForm::saveClicked);
    connect(btnCancel, &QPushButton::clicked, this, &TDepForm::cancelClicked);
    connect(btnAdd, &QPushButton::clicked, this, [this] { addUnit(false); });
    connect(btnDelete, &QPushButton::clicked, this, &TDepForm::deleteUnit);
    connect(btnUp, &QPushButton::clicked, this, [this] { move(true); });
    connect(btnDown, &QPushButton::clicked, this, [this] { move(false); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(chkAllowEdit, &QCheckBox::toggled, this, &TDepForm::allowEditToggled);
    connect(tvDw, &UnitTreeWidget::unitSelected, this,
            [this](int id, const QString&, bool) { unitSelected(id); });

    editor_->setEditable(false);
    tvDw->setDatabase(&dm_.db());
    tvDw->reload();
    if (selectedId != 0) {
        tvDw->selectUnit(selectedId);
    }
    updateCommands();
}

void TDepForm::unitSelected(int id) {
    if (id == shownId_ && !inserting_) {
        return;
    }
    // The changes of the unit on the pages are kept before another is shown; when they cannot
    // be saved, the selection goes back to it.
    if (!savePending()) {
        const QSignalBlocker blocker(tvDw);
        if (shownId_ != 0) {
            tvDw->selectUnit(shownId_);
        }
        return;
    }
    if (tvDw->currentUnitId() != id) {
        // Saving a new unit reloaded the tree; the user's choice stands.
        const QSignalBlocker blocker(tvDw);
        tvDw->selectUnit(id);
    }
    showUnit(id);
}

void TDepForm::showUnit(int id) {
    if (editor_->isAdding()) {
        editor_->abandon();
    }
    shownId_ = 0;
    inserting_ = false;
    lblCurrent->clear();
    if (id != 0 && editor_->startEditing(id)) {
        shownId_ = id;
        lblCurrent->setText(app::valueOrShown(dm_.UnitName(id)));
    } else {
        // No unit to show: a blank, locked form.
        editor_->startAdding(0);
    }
    updateCommands();
}

bool TDepForm::savePending() {
    if (!chkAllowEdit->isChecked() || !editor_->isModified()) {
        return true;
    }
    const bool adding = editor_->isAdding();
    if (!editor_->save()) {
        return false;
    }
    changed_ = true;
    if (adding) {
        // The new unit joins the library's tree.
        reloadTree(editor_->unitId());
    }
    return true;
}

void TDepForm::allowEditToggled(bool on) {
    if (on && !admin::HasRight(dm_, QStringLiteral("WDW"))) {
        const QSignalBlocker blocker(chkAllowEdit);
        chkAllowEdit->setChecked(false);
    }
    updateCommands();
}

void TDepForm::updateCommands() {
    const bool editing = chkAllowEdit->isChecked();
    const bool onUnit = tvDw->currentUnitId() != 0;
    const bool onPages = shownId_ != 0 || inserting_;
    editor_->setEditable(editing && onPages);
    btnSave->setEnabled(editing && onPages);
    btnCancel->setEnabled(editing && onPages);
    btnAdd->setEnabled(editing);
    actAddChild->setEnabled(editing);
    actAddSibling->setEnabled(editing && onUnit);
    btnDelete->setEnabled(editing && onUnit);
    btnUp->setEnabled(editing && onUnit);
    btnDown->setEnabled(editing && onUnit);
}

void TDepForm::reloadTree(int selectId) {
    const QSignalBlocker blocker(tvDw);
    tvDw->reload();
    tvDw->selectUnit(selectId);
}

void TDepForm::showTreeMenu(const QPoint& pos) {
    if (QTreeWidgetItem* item = tvDw->itemAt(pos)) {
        tvDw->setCurrentItem(item);
    }
    pmTree->popup(tvDw->viewport()->mapToGlobal(pos));
}

void TDepForm::saveClicked() {
    if (!chkAllowEdit->isChecked()) {
        return;
    }
    if (!editor_->save()) {
        return;
    }
    changed_ = true;
    const int id = editor_->unitId();
    // The tree shows the saved unit, re-selected, with its new caption and place.
    reloadTree(id);
    showUnit(id);
}

void TDepForm::cancelClicked() {
    if (!chkAllowEdit->isChecked()) {
        return;
    }
    // Back to the stored state of the selected unit.
    showUnit(tvDw->currentUnitId());
}

void TDepForm::addUnit(bool sibling) {
    if (!chkAllowEdit->isChecked() || !savePending()) {
        return;
    }
    int parentId = tvDw->currentUnitId();
    if (sibling && parentId != 0) {
        // The parent as the tree shows it: a unit shown at top level has none.
        const QTreeWidgetItem* parentItem = tvDw->currentItem()->parent();
        parentId = parentItem != nullptr ? parentItem->data(0, UnitTreeWidget::IdRole).toInt() : 0;
    }
    if (editor_->isAdding()) {
        editor_->abandon();
    }
    editor_->startAdding(parentId);
    shownId_ = 0;
    inserting_ = true;
    lblCurrent->setText(kNewUnitHeading);
    updateCommands();
}

void TDepForm::deleteUnit() {
    const QTreeWidgetItem* item = tvDw->currentItem();
    if (!chkAllowEdit->isChecked() || item == nullptr || !savePending()) {
        return;
    }
    const int position = tvDw->currentAbsoluteIndex();
    TNodeDelForm form(dm_, tvDw->currentUnitId(), item->text(0), this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    changed_ = true;
    shownId_ = 0;
    tvDw->reload(position);
}

void TDepForm::move(bool up) {
    const int id = tvDw->currentUnitId();
    if (!chkAllowEdit->isChecked() || id == 0 || !savePending()) {
        return;
    }
    const Result<bool> moved = units::UnitTree(dm_).moveAmongSiblings(
        id, up ? units::UnitTree::Direction::Up : units::UnitTree::Direction::Down);
    if (!moved) {
        app::showFailure(moved.failure());
        return;
    }
    // False: there is no sibling on that side, and nothing to do.
    if (!*moved) {
        return;
    }
    changed_ = true;
    reloadTree(id);
}

void TDepForm::done(int result) {
    // Closing keeps the changes of the unit on the pages; a refused save keeps the window open.
    if (!savePending()) {
        return;
    }
    if (editor_->isAdding()) {
        editor_->abandon();
    }
    QDialog::done(result);
}

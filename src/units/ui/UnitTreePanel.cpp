#include "units/ui/UnitTreePanel.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "units/UnitTree.h"
#include "units/ui/TDepForm.h"
#include "units/ui/TDepFormS.h"
#include "units/ui/TFindDwForm.h"
#include "units/ui/TNodeDelForm.h"
#include "units/ui/UnitTreeWidget.h"

UnitTreePanel::UnitTreePanel(TDataM& dm, QWidget* parent)
    : QWidget(parent),
      dm_(dm),
      tree_(new UnitTreeWidget(this)),
      lblAdd(new QPushButton(QStringLiteral("添加"), this)),
      lblDelete(new QPushButton(QStringLiteral("删除"), this)),
      lblAdvanced(new QPushButton(QStringLiteral("高级"), this)),
      lblFind(new QPushButton(QStringLiteral("查找"), this)),
      pmTree(new QMenu(this)),
      actAddChild(new QAction(QStringLiteral("添加下级单位"), this)),
      actDeleteUnit(new QAction(QStringLiteral("删除单位"), this)),
      actUnitSettings(new QAction(QStringLiteral("单位设置"), this)) {
    setObjectName(QStringLiteral("UnitTreePanel"));
    tree_->setDatabase(&dm_.db());
    auto* commands = new QHBoxLayout;
    const std::pair<QPushButton*, const char*> named[] = {{lblAdd, "lblAdd"},
                                                          {lblDelete, "lblDelete"},
                                                          {lblAdvanced, "lblAdvanced"},
                                                          {lblFind, "lblFind"}};
    for (const auto& [button, name] : named) {
        button->setObjectName(QString::fromLatin1(name));
        button->setFlat(true);
        button->setAutoDefault(false);
        // As narrow as their captions, so that all four fit under the tree.
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(button->text()) + 16);
        commands->addWidget(button);
    }
    commands->addStretch();
    connect(lblFind, &QPushButton::clicked, this, &UnitTreePanel::findUnit);
    connect(lblAdd, &QPushButton::clicked, this, &UnitTreePanel::addUnit);
    connect(lblDelete, &QPushButton::clicked, this, &UnitTreePanel::deleteUnit);
    connect(lblAdvanced, &QPushButton::clicked, this, &UnitTreePanel::openLibrary);

    pmTree->setObjectName(QStringLiteral("pmTree"));
    actAddChild->setObjectName(QStringLiteral("actAddChild"));
    actDeleteUnit->setObjectName(QStringLiteral("actDeleteUnit"));
    actUnitSettings->setObjectName(QStringLiteral("actUnitSettings"));
    pmTree->addAction(actAddChild);
    pmTree->addAction(actDeleteUnit);
    pmTree->addAction(actUnitSettings);
    connect(actAddChild, &QAction::triggered, this, &UnitTreePanel::addUnit);
    connect(actDeleteUnit, &QAction::triggered, this, &UnitTreePanel::deleteUnit);
    connect(actUnitSettings, &QAction::triggered, this, &UnitTreePanel::editUnit);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tree_, &QWidget::customContextMenuRequested, this, &UnitTreePanel::showTreeMenu);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_, 1);
    layout->addLayout(commands);
}

// The find box stays open beside the tree, so that the search can go on from the unit found.
void UnitTreePanel::findUnit() {
    if (findForm_ == nullptr) {
        findForm_ = new TFindDwForm(dm_, *tree_, this);
    }
    findForm_->show();
    findForm_->raise();
    findForm_->activateWindow();
}

void UnitTreePanel::showTreeMenu(const QPoint& pos) {
    // The menu acts on the unit under the pointer.
    if (QTreeWidgetItem* item = tree_->itemAt(pos)) {
        tree_->setCurrentItem(item);
    }
    const bool onUnit = tree_->currentItem() != nullptr;
    actDeleteUnit->setEnabled(onUnit);
    actUnitSettings->setEnabled(onUnit);
    pmTree->popup(tree_->viewport()->mapToGlobal(pos));
}

void UnitTreePanel::addUnit() {
    if (!admin::HasRight(dm_, QStringLiteral("WDW"))) {
        return;
    }
    TDepFormS form(dm_, this);
    form.startAdding(tree_->currentUnitId());
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    tree_->reload();
    tree_->selectUnit(form.savedUnitId());
}

void UnitTreePanel::editUnit() {
    if (!admin::HasRight(dm_, QStringLiteral("WDW"))) {
        return;
    }
    const int id = tree_->currentUnitId();
    if (id == 0) {
        return;
    }
    TDepFormS form(dm_, this);
    if (!form.startEditing(id)) {
        app::showInformation(units::kUnitMissing);
        return;
    }
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    tree_->reload();
    tree_->selectUnit(id);
}

void UnitTreePanel::deleteUnit() {
    if (!admin::HasRight(dm_, QStringLiteral("WDW"))) {
        return;
    }
    const QTreeWidgetItem* item = tree_->currentItem();
    if (item == nullptr) {
        return;
    }
    const int position = tree_->currentAbsoluteIndex();
    TNodeDelForm form(dm_, tree_->currentUnitId(), item->text(0), this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    tree_->reload(position);
}

void UnitTreePanel::openLibrary() {
    const int current = tree_->currentUnitId();
    TDepForm library(dm_, current, this);
    library.exec();
    if (!library.changed()) {
        return;
    }
    // The current unit stays selected when it still exists.
    tree_->reload();
    if (current != 0) {
        tree_->selectUnit(current);
    }
}

void UnitTreePanel::rebuildIndexes() {
    if (!admin::HasRight(dm_, QStringLiteral("TOOL"))) {
        return;
    }
    const int current = tree_->currentUnitId();
    const Result<void> rebuilt = units::UnitTree(dm_).rebuildIndexes();
    if (!rebuilt) {
        app::showFailure(rebuilt.failure());
    }
    tree_->reload();
    if (current != 0) {
        tree_->selectUnit(current);
    }
}

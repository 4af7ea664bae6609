#include "units/UnitTreePanel.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "units/TNodeDelForm.h"
#include "units/UnitTree.h"
#include "units/UnitTreeWidget.h"

UnitTreePanel::UnitTreePanel(QWidget* parent)
    : QWidget(parent),
      tree_(new UnitTreeWidget(this)),
      lblAdd(new QPushButton(QStringLiteral("添加"), this)),
      lblDelete(new QPushButton(QStringLiteral("删除"), this)),
      lblAdvanced(new QPushButton(QStringLiteral("高级"), this)),
      lblFind(new QPushButton(QStringLiteral("查找"), this)) {
    setObjectName(QStringLiteral("UnitTreePanel"));
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
    // The unit dialog, the unit library and the find box are not part of the program yet.
    for (QPushButton* pending : {lblAdd, lblAdvanced, lblFind}) {
        pending->setEnabled(false);
    }
    connect(lblDelete, &QPushButton::clicked, this, &UnitTreePanel::deleteUnit);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_, 1);
    layout->addLayout(commands);
}

void UnitTreePanel::setDataModule(TDataM* dm) {
    dm_ = dm;
    tree_->setDatabase(dm != nullptr ? &dm->db() : nullptr);
    tree_->reload();
}

void UnitTreePanel::deleteUnit() {
    if (dm_ == nullptr || !admin::HasRight(*dm_, QStringLiteral("WDW"))) {
        return;
    }
    const QTreeWidgetItem* item = tree_->currentItem();
    if (item == nullptr) {
        return;
    }
    const int position = tree_->currentAbsoluteIndex();
    TNodeDelForm form(*dm_, tree_->currentUnitId(), item->text(0), this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    tree_->reload(position);
}

void UnitTreePanel::rebuildIndexes() {
    if (dm_ == nullptr || !admin::HasRight(*dm_, QStringLiteral("TOOL"))) {
        return;
    }
    const int current = tree_->currentUnitId();
    const units::Outcome outcome = units::UnitTree(*dm_).rebuildIndexes();
    if (!outcome) {
        app::showInformation(outcome.message);
    }
    tree_->reload();
    if (current != 0) {
        tree_->selectUnit(current);
    }
}

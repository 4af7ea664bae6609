#include "appointment/ui/PlanResultDelegate.h"

#include <QComboBox>

#include "appointment/PlanLines.h"

QWidget* PlanResultDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                          const QModelIndex&) const {
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("cmbRmjg"));
    box->addItems(appointment::kResults);
    return box;
}

void PlanResultDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* box = static_cast<QComboBox*>(editor);
    box->setCurrentIndex(box->findText(index.data(Qt::EditRole).toString()));
}

void PlanResultDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const {
    const auto* box = static_cast<const QComboBox*>(editor);
    if (box->currentIndex() >= 0) {
        model->setData(index, box->currentText());
    }
}

#include "widgets/CheckComboBox.h"

#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QStylePainter>

CheckComboBox::CheckComboBox(QWidget* parent) : QComboBox(parent) {
    setModel(&model_);
    // A click on an item toggles its check and keeps the drop-down open.
    connect(view(), &QAbstractItemView::pressed, this, [this](const QModelIndex& index) {
        QStandardItem* item = model_.itemFromIndex(index);
        if (item != nullptr) {
            item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
            update();
        }
    });
}

void CheckComboBox::setItems(const QStringList& texts) {
    model_.clear();
    for (const QString& text : texts) {
        auto* item = new QStandardItem(text);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        model_.appendRow(item);
    }
    update();
}

void CheckComboBox::setEmptyText(const QString& text) {
    emptyText_ = text;
    update();
}

int CheckComboBox::value() const {
    int bits = 0;
    for (int row = 0; row < model_.rowCount(); ++row) {
        if (model_.item(row)->checkState() == Qt::Checked) {
            bits |= 1 << row;
        }
    }
    return bits;
}

void CheckComboBox::setValue(int bits) {
    for (int row = 0; row < model_.rowCount(); ++row) {
        model_.item(row)->setCheckState((bits & (1 << row)) != 0 ? Qt::Checked : Qt::Unchecked);
    }
    update();
}

void CheckComboBox::showPopup() {
    open_ = true;
    QComboBox::showPopup();
}

void CheckComboBox::hidePopup() {
    // A press on an item toggles it; only a press elsewhere closes the drop-down.
    if (view()->underMouse() && view()->isVisible()) {
        return;
    }
    QComboBox::hidePopup();
    if (open_) {
        open_ = false;
        Q_EMIT closed();
    }
}

QString CheckComboBox::displayText() const {
    QStringList checked;
    for (int row = 0; row < model_.rowCount(); ++row) {
        if (model_.item(row)->checkState() == Qt::Checked) {
            checked << model_.item(row)->text();
        }
    }
    return checked.isEmpty() ? emptyText_ : checked.join(u',');
}

void CheckComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = displayText();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

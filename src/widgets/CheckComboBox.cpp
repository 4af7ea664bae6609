#include "widgets/CheckComboBox.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>

CheckComboBox::CheckComboBox(QWidget* parent) : QComboBox(parent) {
    setModel(&model_);
    // Installed after the drop-down's own filters, these see the events first: the list's
    // mouse events (a press ticks, the release must neither untick nor close), Escape, and
    // the drop-down hiding however it was closed.
    view()->viewport()->installEventFilter(this);
    view()->installEventFilter(this);
    view()->window()->installEventFilter(this);
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
    openedWith_ = value();
    open_ = true;
    QComboBox::showPopup();
}

void CheckComboBox::hidePopup() {
    QComboBox::hidePopup();
    popupHidden();
}

void CheckComboBox::popupHidden() {
    if (open_) {
        open_ = false;
        Q_EMIT closed();
    }
}

bool CheckComboBox::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: {
            if (watched != view()->viewport()) {
                break;
            }
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QModelIndex index = view()->indexAt(mouse->position().toPoint());
            if (!index.isValid()) {
                break;
            }
            if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
                QStandardItem* item = model_.itemFromIndex(index);
                item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked
                                                                      : Qt::Checked);
                view()->setCurrentIndex(index);
                update();
            }
            return true;
        }
        case QEvent::ShortcutOverride:  // the drop-down closes on Escape at this stage
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && open_) {
                // Cancelled: back to the checks the drop-down opened with, nothing to apply.
                open_ = false;
                setValue(openedWith_);
            }
            break;
        case QEvent::Hide:
            if (watched == view()->window()) {
                popupHidden();
            }
            break;
        default:
            break;
    }
    return QComboBox::eventFilter(watched, event);
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

#include "units/ui/UnitPickerEdit.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidgetItem>

#include "units/ui/TSelectDwForm.h"
#include "units/ui/UnitTreeWidget.h"

const QString UnitPickerEdit::kNone = QStringLiteral("<无>");

UnitPickerEdit::UnitPickerEdit(const QString& boxName, const QString& noneName, QWidget* parent)
    : QWidget(parent),
      box_(new QLineEdit(this)),
      tree_(new UnitTreeWidget(this)),
      picker_(new TSelectDwForm(this)) {
    box_->setObjectName(boxName);
    box_->setReadOnly(true);
    box_->setCursor(Qt::PointingHandCursor);
    box_->installEventFilter(this);
    tree_->setObjectName(boxName + QStringLiteral("Units"));
    tree_->hide();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box_, 1);
    if (!noneName.isEmpty()) {
        none_ = new QPushButton(kNone, this);
        none_->setObjectName(noneName);
        none_->setAutoDefault(false);
        none_->setToolTip(QStringLiteral("顶级单位"));
        layout->addWidget(none_);
        connect(none_, &QPushButton::clicked, this, [this] { setUnit(0); });
    }
    connect(picker_, &TSelectDwForm::unitChosen, this, [this](int absoluteIndex, int) {
        // The picker's node maps back to a unit through the tree it copied.
        const QTreeWidgetItem* item = tree_->itemsInDisplayOrder().value(absoluteIndex);
        setUnit(item != nullptr ? item->data(0, UnitTreeWidget::IdRole).toInt() : 0);
    });
    setUnit(0);
}

void UnitPickerEdit::setDatabase(db::Database* db) {
    tree_->setDatabase(db);
}

void UnitPickerEdit::reload() {
    tree_->reload();
    setUnit(unitId_);
}

void UnitPickerEdit::setUnit(int id) {
    const int before = unitId_;
    unitId_ = 0;
    box_->setText(none_ != nullptr ? kNone : QString());
    // The first node of the unit, as the tree shows it.
    for (const QTreeWidgetItem* item : tree_->itemsInDisplayOrder()) {
        if (id != 0 && item->data(0, UnitTreeWidget::IdRole).toInt() == id) {
            unitId_ = id;
            box_->setText(TSelectDwForm::pathOf(item));
            break;
        }
    }
    if (unitId_ != before) {
        Q_EMIT unitChanged(unitId_);
    }
}

void UnitPickerEdit::setReadOnly(bool on) {
    readOnly_ = on;
    if (none_ != nullptr) {
        none_->setEnabled(!on);
    }
}

void UnitPickerEdit::openPicker() {
    if (readOnly_) {
        return;
    }
    int at = -1;
    if (unitId_ != 0) {
        const QList<QTreeWidgetItem*> items = tree_->itemsInDisplayOrder();
        for (int i = 0; i < items.size(); ++i) {
            if (items[i]->data(0, UnitTreeWidget::IdRole).toInt() == unitId_) {
                at = i;
                break;
            }
        }
    }
    picker_->popup(box_, *tree_, at);
}

bool UnitPickerEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_) {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            openPicker();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_F4 || key == Qt::Key_Down || key == Qt::Key_Space) {
                openPicker();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

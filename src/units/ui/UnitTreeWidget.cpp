#include "units/ui/UnitTreeWidget.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QTreeWidgetItemIterator>

#include "units/UnitTree.h"

namespace {

void addNode(const units::UnitNode& node, QTreeWidgetItem* parent, QTreeWidget* tree) {
    auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
    item->setText(0, node.caption);
    item->setData(0, UnitTreeWidget::IdRole, node.ID);
    item->setData(0, UnitTreeWidget::IsDepRole, node.isDep);
    item->setData(0, UnitTreeWidget::IndexRole, node.dwIndex);
    item->setData(0, UnitTreeWidget::NameRole, node.name);
    for (const units::UnitNode& child : node.children) {
        addNode(child, item, tree);
    }
}

}  // namespace

UnitTreeWidget::UnitTreeWidget(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("cxTreeView1"));
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(true);
    connect(this, &QTreeWidget::currentItemChanged, this, [this] { emitCurrent(); });
}

void UnitTreeWidget::reload(int absoluteIndex) {
    {
        const QSignalBlocker blocker(this);
        setUpdatesEnabled(false);
        clear();
        if (db_ != nullptr) {
            for (const units::UnitNode& root : units::loadUnitTree(*db_)) {
                addNode(root, nullptr, this);
            }
        }
        expandToDepth(0);
        if (checkable_) {
            setCheckable(true);
        }
        if (!selectAbsoluteIndex(absoluteIndex)) {
            selectAbsoluteIndex(0);
        }
        setUpdatesEnabled(true);
    }
    emitCurrent();
}

QList<QTreeWidgetItem*> UnitTreeWidget::itemsInDisplayOrder() const {
    QList<QTreeWidgetItem*> items;
    // The iterator walks depth first, children in order, collapsed items included.
    for (QTreeWidgetItemIterator it(const_cast<UnitTreeWidget*>(this)); *it != nullptr; ++it) {
        items.append(*it);
    }
    return items;
}

bool UnitTreeWidget::selectUnit(int id) {
    for (QTreeWidgetItemIterator it(this); *it != nullptr; ++it) {
        if ((*it)->data(0, IdRole).toInt() == id) {
            setCurrentItem(*it);
            scrollToItem(*it);
            return true;
        }
    }
    return false;
}

bool UnitTreeWidget::selectAbsoluteIndex(int absoluteIndex) {
    if (absoluteIndex < 0) {
        return false;
    }
    int position = 0;
    for (QTreeWidgetItemIterator it(this); *it != nullptr; ++it, ++position) {
        if (position == absoluteIndex) {
            setCurrentItem(*it);
            scrollToItem(*it);
            return true;
        }
    }
    return false;
}

void UnitTreeWidget::setDropFormat(const QString& format) {
    dropFormat_ = format;
    setAcceptDrops(!format.isEmpty());
    viewport()->setAcceptDrops(!format.isEmpty());
    setDropIndicatorShown(true);
}

void UnitTreeWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (!dropFormat_.isEmpty() && event->mimeData()->hasFormat(dropFormat_) &&
        event->source() != this) {
        event->acceptProposedAction();
        return;
    }
    event->ignore();
}

void UnitTreeWidget::dragMoveEvent(QDragMoveEvent* event) {
    // Only a unit's item takes the drop.
    if (!dropFormat_.isEmpty() && event->mimeData()->hasFormat(dropFormat_) &&
        event->source() != this && itemAt(event->position().toPoint()) != nullptr) {
        event->acceptProposedAction();
        return;
    }
    event->ignore();
}

void UnitTreeWidget::dropEvent(QDropEvent* event) {
    const QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (dropFormat_.isEmpty() || !event->mimeData()->hasFormat(dropFormat_) ||
        event->source() == this || item == nullptr) {
        event->ignore();
        return;
    }
    // The dragged data stays with its source: the receiver only reads it.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    Q_EMIT dropReceived(item->data(0, IdRole).toInt(), item->data(0, NameRole).toString(),
                        event->mimeData());
}

void UnitTreeWidget::setCheckable(bool on) {
    checkable_ = on;
    for (QTreeWidgetItemIterator it(this); *it != nullptr; ++it) {
        if (on) {
            (*it)->setFlags((*it)->flags() | Qt::ItemIsUserCheckable);
            (*it)->setCheckState(0, Qt::Unchecked);
        } else {
            (*it)->setFlags((*it)->flags() & ~Qt::ItemIsUserCheckable);
            (*it)->setData(0, Qt::CheckStateRole, QVariant());
        }
    }
}

QList<int> UnitTreeWidget::checkedUnitIds() const {
    QList<int> ids;
    if (!checkable_) {
        return ids;
    }
    for (const QTreeWidgetItem* item : itemsInDisplayOrder()) {
        if (item->checkState(0) == Qt::Checked) {
            ids.append(item->data(0, IdRole).toInt());
        }
    }
    return ids;
}

int UnitTreeWidget::currentUnitId() const {
    const QTreeWidgetItem* item = currentItem();
    return item != nullptr ? item->data(0, IdRole).toInt() : 0;
}

int UnitTreeWidget::currentAbsoluteIndex() const {
    QTreeWidgetItem* item = currentItem();
    return item != nullptr ? static_cast<int>(itemsInDisplayOrder().indexOf(item)) : -1;
}

void UnitTreeWidget::emitCurrent() {
    const QTreeWidgetItem* item = currentItem();
    if (item == nullptr) {
        Q_EMIT unitSelected(0, QString(), false);
        return;
    }
    Q_EMIT unitSelected(item->data(0, IdRole).toInt(), item->data(0, NameRole).toString(),
                        item->data(0, IsDepRole).toBool());
}

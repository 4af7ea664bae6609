#include "units/ui/TSelectDwForm.h"

#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "units/ui/UnitTreeWidget.h"

TSelectDwForm::TSelectDwForm(QWidget* parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint), tree_(new UnitTreeWidget(this)) {
    setObjectName(QStringLiteral("TSelectDwForm"));
    setWindowTitle(QStringLiteral("选择单位"));
    tree_->setObjectName(QStringLiteral("tvSelect"));
    // A click on a node chooses it; a double-click, whose first click already chose, does not
    // fold the node.
    tree_->setExpandsOnDoubleClick(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_);
    resize(300, 320);
    connect(tree_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { choose(item); });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { choose(item); });
}

void TSelectDwForm::copyTree(const UnitTreeWidget& source, int absoluteIndex) {
    tree_->clear();
    const int count = source.topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        // A clone carries the captions, the data roles and the children.
        tree_->addTopLevelItem(source.topLevelItem(i)->clone());
    }
    tree_->expandToDepth(0);
    if (!tree_->selectAbsoluteIndex(absoluteIndex)) {
        tree_->setCurrentItem(nullptr);
    }
}

void TSelectDwForm::popup(QLineEdit* owner, const UnitTreeWidget& source, int absoluteIndex) {
    owner_ = owner;
    copyTree(source, absoluteIndex);
    if (owner != nullptr) {
        resize(std::max(width(), owner->width()), height());
        QPoint at = owner->mapToGlobal(QPoint(0, owner->height()));
        if (const QScreen* screen = owner->screen()) {
            const QRect area = screen->availableGeometry();
            if (at.y() + height() > area.bottom()) {
                at.setY(owner->mapToGlobal(QPoint(0, 0)).y() - height());
            }
            at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - width())));
        }
        move(at);
    }
    show();
    tree_->setFocus();
}

QString TSelectDwForm::pathOf(const QTreeWidgetItem* item) {
    QString path;
    for (; item != nullptr; item = item->parent()) {
        path.prepend(item->text(0) + u'\\');
    }
    return path;
}

void TSelectDwForm::choose(QTreeWidgetItem* item) {
    // One choice per showing: the rest of a double-click finds the picker hidden.
    if (item == nullptr || !isVisible()) {
        return;
    }
    if (owner_ != nullptr) {
        owner_->setText(pathOf(item));
    }
    const int absoluteIndex = static_cast<int>(tree_->itemsInDisplayOrder().indexOf(item));
    hide();
    Q_EMIT unitChosen(absoluteIndex, item->data(0, UnitTreeWidget::IdRole).toInt());
}

#pragma once

#include <QWidget>

class QLineEdit;
class QTreeWidgetItem;
class UnitTreeWidget;

// "选择单位": a borderless drop-down holding a copy of a unit tree's items (the main tree or the
// unit library's), with one node pre-selected. A click (or double-click) on a node writes the
// node's path into the owner line edit, hides the picker and reports the node, once per showing;
// a click elsewhere (the picker losing focus) or Escape hides it with nothing chosen.
class TSelectDwForm final : public QWidget {
    Q_OBJECT

  public:
    explicit TSelectDwForm(QWidget* parent = nullptr);

    // Replaces the items with a copy of `source`'s and selects the node at `absoluteIndex` (none
    // when there is no such node).
    void copyTree(const UnitTreeWidget& source, int absoluteIndex);
    // Copies `source`, pre-selects `absoluteIndex` and shows the picker below `owner`, whose text
    // a double-click sets (null: no text is set).
    void popup(QLineEdit* owner, const UnitTreeWidget& source, int absoluteIndex);

    UnitTreeWidget* tree() const { return tree_; }

    // The path of `item`: each level's caption followed by "\", root first.
    static QString pathOf(const QTreeWidgetItem* item);

  Q_SIGNALS:
    // A node was chosen: its absolute index in the copied tree and its unit ID.
    void unitChosen(int absoluteIndex, int unitId);

  private:
    void choose(QTreeWidgetItem* item);

    UnitTreeWidget* tree_;
    QLineEdit* owner_ = nullptr;
};

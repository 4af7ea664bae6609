#pragma once

#include <QWidget>

class QAction;
class QMenu;
class QPoint;
class QPushButton;
class TDataM;
class TFindDwForm;
class UnitTreeWidget;

// The navigation group "组织架构": the unit tree and the commands under it. It runs the commands
// that change the tree (each asks for its right first) and reloads the tree after them.
class UnitTreePanel final : public QWidget {
    Q_OBJECT

  public:
    // The tree reads the database of `dm` (not owned, outliving the panel) when it is loaded.
    explicit UnitTreePanel(TDataM& dm, QWidget* parent = nullptr);

    UnitTreeWidget* tree() const { return tree_; }

    // "添加下级单位" (right "WDW"): the unit dialog for a new unit below the selected unit, or at
    // top level when the tree is empty; after OK the tree is reloaded with the new unit selected.
    void addUnit();
    // "单位设置" (right "WDW"): the unit dialog on the selected unit; after OK the tree is
    // reloaded with the unit still selected.
    void editUnit();
    // "删除单位": dissolves or deletes the selected unit with its subtree (right "WDW"), then
    // selects the node at the same absolute index, else node 0.
    void deleteUnit();
    // "高级": the unit library on the selected unit; when anything changed in it, the tree is
    // reloaded afterwards with the current unit still selected when it exists.
    void openLibrary();
    // "重建单位索引" (right "TOOL"): repairs parents, depths, orders and indexes, then reloads.
    void rebuildIndexes();

  private:
    void showTreeMenu(const QPoint& pos);
    void findUnit();

    TDataM& dm_;
    UnitTreeWidget* tree_;
    QPushButton* lblAdd;
    QPushButton* lblDelete;
    QPushButton* lblAdvanced;
    QPushButton* lblFind;
    TFindDwForm* findForm_ = nullptr;
    // The tree's pop-up menu.
    QMenu* pmTree;
    QAction* actAddChild;
    QAction* actDeleteUnit;
    QAction* actUnitSettings;
};

#pragma once

#include <QDialog>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class TDataM;
class UnitEditor;
class UnitTreeWidget;

// The unit library "单位信息设置": its own copy of the unit tree beside the pages of the selected
// unit (UnitEditor), edited in place. Everything is locked until "允许修改" is checked, which
// needs the right "WDW": the fields and grids, "保存" and "取消" (write or drop the changes of the
// shown unit), "添加" (a subordinate unit; the tree's menu also offers a unit beside the selected
// one), "删除", and "上移"/"下移", which swap the selected unit's order with its previous or
// next sibling. Changes of the shown unit are saved before another unit is shown, before a
// command that changes the tree and when the window closes; a refused save keeps the user on
// the unit. The window remembers whether anything changed, so that its opener reloads its own
// tree after it closes.
class TDepForm final : public QDialog {
    Q_OBJECT

  public:
    // Opens on the unit `selectedId` when it is in the tree, else on the first unit.
    explicit TDepForm(TDataM& dm, int selectedId = 0, QWidget* parent = nullptr);

    // Whether any command changed the units since the window opened.
    bool changed() const { return changed_; }

    void done(int result) override;

    static const QString kNewUnitHeading;

  private:
    void unitSelected(int id);
    void showUnit(int id);
    bool savePending();
    void allowEditToggled(bool on);
    void updateCommands();
    void saveClicked();
    void cancelClicked();
    void addUnit(bool sibling);
    void deleteUnit();
    void move(bool up);
    void reloadTree(int selectId);
    void showTreeMenu(const QPoint& pos);

    TDataM& dm_;
    bool changed_ = false;
    int shownId_ = 0;         // the stored unit on the pages (0: none, or a unit being added)
    bool inserting_ = false;  // a new unit is on the pages
    UnitTreeWidget* tvDw;
    QLabel* lblCurrent;
    UnitEditor* editor_;
    QCheckBox* chkAllowEdit;
    QPushButton* btnSave;
    QPushButton* btnCancel;
    QPushButton* btnAdd;
    QPushButton* btnDelete;
    QPushButton* btnClose;
    QPushButton* btnUp;
    QPushButton* btnDown;
    QMenu* pmTree;
    QAction* actOrder;
    QAction* actCheckTree;
    QAction* actAddSibling;
    QAction* actAddChild;
};

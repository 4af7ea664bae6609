#pragma once

#include <QDialog>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TDataM;
class UnitTreeWidget;

// The unit library "单位信息设置": its own copy of the unit tree beside the selected unit's
// fields, shown read-only ("单位设置" edits them in the unit dialog). Units are browsed by
// selecting them in the tree. Every command that changes data is locked until "允许修改" is
// checked, which needs the right "WDW": "添加" (a subordinate unit; the tree's menu also offers a
// unit beside the selected one), "删除", "单位设置", and "上移"/"下移", which swap the selected
// unit's order with its previous or next sibling. The window remembers whether anything changed,
// so that its opener reloads its own tree after it closes. "保存" and "取消" (editing in place)
// and tree check boxes are not part of the program yet and are shown disabled.
class TDepForm final : public QDialog {
    Q_OBJECT

  public:
    // Opens on the unit `selectedId` when it is in the tree, else on the first unit.
    explicit TDepForm(TDataM& dm, int selectedId = 0, QWidget* parent = nullptr);

    // Whether any command changed the units since the window opened.
    bool changed() const { return changed_; }

  private:
    void showUnit(int id);
    void allowEditToggled(bool on);
    void updateCommands();
    void addUnit(bool sibling);
    void deleteUnit();
    void editUnit();
    void move(bool up);
    void showTreeMenu(const QPoint& pos);

    TDataM& dm_;
    bool changed_ = false;
    UnitTreeWidget* tvDw;
    QLabel* lblCurrent;
    QLineEdit* edtName;
    QLineEdit* edtDwjc;
    QLineEdit* edtParent;
    QLineEdit* edtKind;
    QLineEdit* edtDwxz;
    QLineEdit* edtB0114;
    QLineEdit* edtB0127;
    QLineEdit* edtB0124;
    QCheckBox* chkAllowEdit;
    QPushButton* btnUnitSettings;
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

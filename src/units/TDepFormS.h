#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TDataM;

// "单位信息设置": the single-unit dialog, for a new unit below a chosen parent (add mode) or for
// one existing unit (edit mode). Only the tab "基本信息" works; the tabs of quotas, staffing and
// organisation history are shown disabled. "确 定" saves through units::UnitTree and closes with
// OK only when the save is done; a refusal is shown and the dialog stays open.
class TDepFormS final : public QDialog {
    Q_OBJECT

  public:
    explicit TDepFormS(TDataM& dm, QWidget* parent = nullptr);

    // Add mode: a new real unit below `parentId` (0: top level).
    void startAdding(int parentId);
    // Edit mode: loads unit `id`; false when it cannot be read.
    bool startEditing(int id);

    bool isAdding() const { return adding_; }
    // The unit saved by the last successful "确 定" (the new unit's ID after an add), else 0.
    int savedUnitId() const { return savedId_; }

  private:
    void fillParents();
    void selectParent(int parentId);
    void btnOKClick();

    TDataM& dm_;
    bool adding_ = true;
    int unitId_ = 0;
    int savedId_ = 0;
    QTabWidget* PageControl1;
    QLineEdit* edtName;
    QLineEdit* edtDwjc;
    QComboBox* cbParent;
    QRadioButton* rbDep;
    QRadioButton* rbGroup;
    QComboBox* cbDwxz;
    QLineEdit* edtB0114;
    QComboBox* cbB0127;
    QComboBox* cbB0124;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};

#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;
class TDataM;
class TSelectDwForm;
class UnitTreeWidget;

// "单位信息设置": the single-unit dialog, for a new unit below a chosen parent (add mode) or for
// one existing unit (edit mode). "基本信息" edits the unit; "职数设置" lists its post quotas (in
// add mode too: the rows are stored with DwID 0, re-pointed to the new unit when "确 定" saves it
// and dropped when the dialog is cancelled); "人员编制" lists its staffing quotas (edit mode
// only). "组织史管理" is shown disabled. "确 定" saves through units::UnitTree and closes with
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
    // The parent chosen for the unit (0: top level).
    int parentId() const { return parentId_; }

    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  public:
    // Messages of the grids' commands.
    static const QString kSelectToDelete;
    static const QString kSelectToEdit;
    static const QString kConfirmDeleteStaffing;
    static const QString kConfirmDeleteQuota;

  private:
    QWidget* makeQuotaPage();
    QWidget* makeStaffingPage();
    void tabShown(int index);
    void fillQuotas();
    void fillStaffing();
    void fillHistory();
    void quotaAdd();
    void quotaEdit();
    void quotaDelete();
    void staffingAdd();
    void staffingEdit();
    void staffingDelete();
    void selectParent(int parentId);
    void openParentPicker();
    void parentChosen(int absoluteIndex);
    void btnOKClick();

    TDataM& dm_;
    bool adding_ = true;
    int unitId_ = 0;
    int savedId_ = 0;
    bool pendingCleared_ = false;  // leftover quota rows of an abandoned creation removed
    QTabWidget* PageControl1;
    QLineEdit* edtName;
    QLineEdit* edtDwjc;
    // The parent: its path, shown read-only, opens the unit picker on a click; "<无>" beside it
    // chooses the top level. The picker copies the hidden tree of the units.
    QLineEdit* edtParent;
    QPushButton* btnNoParent;
    UnitTreeWidget* parentTree_;
    TSelectDwForm* parentPicker_;
    int parentId_ = 0;
    QRadioButton* rbDep;
    QRadioButton* rbGroup;
    QComboBox* cbDwxz;
    QLineEdit* edtB0114;
    QComboBox* cbB0127;
    QComboBox* cbB0124;
    QTableWidget* gridZs;
    QPushButton* btnZsAdd;
    QPushButton* btnZsDel;
    QPushButton* btnZsEdit;
    QTableWidget* gridBz;
    QPushButton* btnBzAdd;
    QPushButton* btnBzDel;
    QPushButton* btnBzEdit;
    QTableWidget* gridHistory;
    QCheckBox* cbManualHistory;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};

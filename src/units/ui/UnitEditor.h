#pragma once

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;
class TDataM;
class UnitPickerEdit;

// The pages of one unit, shared by the unit dialog and the unit library: "基本信息" edits the
// unit's fields; "职数设置" lists its post quotas (for a unit being created too: the rows are
// stored with DwID 0, re-pointed to the new unit when it is saved and dropped when the creation
// is abandoned); "人员编制" lists its staffing quotas and "组织史管理" its organisation history
// (both for an existing unit only). save() writes the fields through units::UnitTree.
class UnitEditor final : public QWidget {
    Q_OBJECT

  public:
    // `groupCaption` names the kind of unit that only groups others ("单位分组" in the dialog,
    // "虚拟单位/分组" in the library).
    UnitEditor(TDataM& dm, const QString& groupCaption, QWidget* parent = nullptr);

    // Add mode: a new real unit below `parentId` (0: top level).
    void startAdding(int parentId);
    // Edit mode: loads unit `id`; false, with the pages unchanged, when it cannot be read.
    bool startEditing(int id);

    // Saves the fields (a new unit with its pending quota rows, in one transaction). A refusal or
    // failure is shown, nothing is written and the fields keep the user's input; true when saved,
    // after which the editor is in edit mode on the saved unit.
    bool save();
    // Gives up a creation: its pending quota rows are dropped. Nothing to do in edit mode.
    void abandon();

    // Locks or unlocks the fields and the grids' commands together.
    void setEditable(bool on);
    // Whether the fields differ from what was loaded (or from the blank form of an add).
    bool isModified() const;

    bool isAdding() const { return adding_; }
    // The unit being edited (after a save: the saved unit), 0 while adding.
    int unitId() const { return unitId_; }
    // The parent chosen for the unit (0: top level).
    int parentId() const;

    // Messages of the grids' commands.
    static const QString kSelectToDelete;
    static const QString kSelectToEdit;
    static const QString kConfirmDeleteStaffing;
    static const QString kConfirmDeleteQuota;

  private:
    QStringList fieldValues() const;
    void resetPages(bool adding, int unitId);
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

    TDataM& dm_;
    bool adding_ = true;
    bool editable_ = true;
    int unitId_ = 0;
    bool pendingCleared_ = false;  // leftover quota rows of an abandoned creation removed
    QStringList loaded_;           // the field values as loaded, for isModified()
    QTabWidget* PageControl1;
    QLineEdit* edtName;
    QLineEdit* edtDwjc;
    UnitPickerEdit* parentBox_;  // "<无>" beside it chooses the top level
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
};

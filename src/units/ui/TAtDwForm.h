#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TDataM;
class UnitPickerEdit;

// "所在单位及编制": one cadre's membership of a unit: the unit (chosen from the tree), the month
// the cadre entered it and whether the membership counts in the unit's staffing ("在编").
// "确 定" writes the membership of the unit shown at that moment (creating it when the cadre is
// not a member yet) and closes with OK; a refusal is shown and the dialog stays open.
class TAtDwForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TAtDwForm(TDataM& dm, QWidget* parent = nullptr);

    // Shows cadre `cadreId` with its membership of unit `unitId` (0: no unit chosen yet).
    void start(int cadreId, int unitId);

    // The membership written by the last "确 定" (its CnID), else 0.
    int savedMembershipId() const { return savedId_; }

  private:
    void btnOKClick();

    TDataM& dm_;
    int cadreId_ = 0;
    int savedId_ = 0;
    QLabel* lblName;
    UnitPickerEdit* unitBox_;
    QLineEdit* edtEntered;
    QCheckBox* chkInStaffing;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};

#pragma once

#include <QDialog>

#include "appointment/Plans.h"

class QComboBox;
class QLineEdit;
class TDataM;

// The plan header dialog "任免方案": name, 制表日期, 制表人, 年龄计算时间 and the process state.
// "确 定" saves the plan; an empty name or date is refused with its message and closes the
// dialog without saving, a date that is no date keeps the dialog open.
class TRmmcForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TRmmcForm(TDataM& dm, QWidget* parent = nullptr);

    // Set by the caller: true for a new plan ("添加"), false to edit one ("修改").
    bool isNew = true;

    // Fills the boxes from `plan` (editing) or with today's date (a new plan).
    void showPlan(const appointment::PlanHeader& plan);
    // The id of the plan saved by "确 定".
    int savedId() const { return savedId_; }

    void accept() override;

  private:
    TDataM& dm_;
    QLineEdit* edtName;
    QLineEdit* edtTbsj;
    QLineEdit* edtTbr;
    QLineEdit* edtJssj;
    QComboBox* cmbRmzt;
    int planId_ = 0;
    int savedId_ = 0;
};

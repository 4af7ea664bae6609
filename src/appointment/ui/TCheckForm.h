#pragma once

#include <QDialog>

#include "appointment/ConsistencyCheck.h"

class QCheckBox;
class QPushButton;
class QTableWidget;
class TDataM;

// "一致性检查": after a plan line was edited in the approval-form editor, lists the edited
// personal fields that now differ from the cadre record ("选中", "字段名称", "原值（基本信息库）",
// "新值（任免表中）") and the changed resume; "保 存" carries the chosen ones back into the cadre
// record (appointment::carryBack, right WGB) and closes with OK; "关 闭" changes nothing.
class TCheckForm final : public QDialog {
    Q_OBJECT

  public:
    TCheckForm(TDataM& dm, appointment::EditedLineCheck check, QWidget* parent = nullptr);

    void selectAll(bool on);
    void compareResumes();
    void save();

  private:
    TDataM& dm_;
    appointment::EditedLineCheck check_;
    QString newResume_;
    QTableWidget* gridCheck;
    QCheckBox* chkResume;
};

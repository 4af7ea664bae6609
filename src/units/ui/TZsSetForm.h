#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TDataM;

// "职数设置": one post quota row (tb_department_zs) of a unit. The current number of holders is
// recounted whenever the name, category or quota box is left; "确 定" (also Enter) stores the
// row with the unit's ID (0 for a unit being created) and closes with OK. Quotas are entered
// from 0 to 9999; a stored one outside that range is shown and kept as it is.
class TZsSetForm final : public QDialog {
    Q_OBJECT

  public:
    TZsSetForm(TDataM& dm, int unitId, QWidget* parent = nullptr);

    // A new row.
    void startAdding();
    // Row `zsId` of the unit; false when it cannot be read.
    bool startEditing(int zsId);
    // The row stored by the last successful "确 定", else 0.
    int savedZsId() const { return savedId_; }

    // The message shown when "确 定" is pressed without a post name.
    static const QString kEmptyPostName;

  private:
    void recount();
    void btnOKClick();

    TDataM& dm_;
    int unitId_;
    int zsId_ = 0;
    int savedId_ = 0;
    QLineEdit* edtZwmc;
    QComboBox* cbZwType;
    QSpinBox* seZwrs;
    QLineEdit* edtDqrs;
    QLineEdit* edtZk;
    QLineEdit* edtNote;
    QCheckBox* cbZzs;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};

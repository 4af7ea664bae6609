#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;
class TDataM;

// "打印设置": how the approval form is printed — the family rows shown, the title, the paper
// and the left margin (the paper's own margin when "自定义左边距" is not ticked). "确 定"
// stores them; a failing write is shown and the dialog stays open.
class TPrintSetupForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TPrintSetupForm(TDataM& dm, QWidget* parent = nullptr);

    void accept() override;

  private:
    TDataM& dm_;
    QSpinBox* spnFamily_;
    QLineEdit* edtTitle_;
    QComboBox* cmbPaper_;
    QCheckBox* chkMargin_;
    QDoubleSpinBox* spnMargin_;
};

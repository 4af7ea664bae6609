#pragma once

#include <QDialog>

class QLineEdit;
class TDataM;

// "导出目录设置": the folder that exports and batch outputs propose, kept on this computer.
class TExportDirForm final : public QDialog {
  public:
    explicit TExportDirForm(TDataM& dm, QWidget* parent = nullptr);

  private:
    void btnOKClick();

    TDataM& dm_;
    QLineEdit* edtFolder;
};

#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class TDataM;

// "初始化确认": deletes the working database, after keeping a copy of it, once "确认初始化" is
// checked and "确 定" pressed; the caller then starts the program again, which makes the
// database anew from the template and runs the first-run wizard.
class TReInitForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TReInitForm(TDataM& dm, QWidget* parent = nullptr);

  private:
    void reinitialise();

    TDataM& dm_;
    QCheckBox* cbConfirm;
    QPushButton* btnOk;
    QPushButton* btnCancel;
};

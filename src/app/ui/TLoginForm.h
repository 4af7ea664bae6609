#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TDataM;

// The login dialog: user name, password, "登 录" and "退 出", with the organisation's name.
class TLoginForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TLoginForm(TDataM& dm, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void cxButton2Click();

    TDataM& dm_;
    QLabel* Label1;
    QLineEdit* cxTextEdit1;
    QLineEdit* cxTextEdit2;
    QPushButton* cxButton2;
    QPushButton* cxButton1;
};

#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class TDataM;

// "数据库设置": the database server address, user and password kept in the machine settings,
// and the installation of a server copy of the database.
class TDbSetForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TDbSetForm(TDataM& dm, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void saveAndClose();
    void installDatabase();

    TDataM& dm_;
    QLineEdit* cxTextEdit1;
    QLineEdit* cxTextEdit2;
    QLineEdit* cxTextEdit3;
    QPushButton* cxButton1;
    QPushButton* cxButton2;
    QPushButton* cxButton3;
};

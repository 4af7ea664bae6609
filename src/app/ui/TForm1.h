#pragma once

#include <QDialog>

#include "schema/FirstRunSetup.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class TDataM;

// "欢迎使用": the wizard of a database just made from the template. Six pages: welcome, test data
// kept or a fresh start, the organisation's basic data, the unit tree, the first administrator
// and the summary; "完成" on the last page applies the choices. "取 消" keeps the test data.
class TForm1 final : public QDialog {
    Q_OBJECT

  public:
    explicit TForm1(TDataM& dm, QWidget* parent = nullptr);

    // The choices as the pages hold them.
    schema::FirstRunChoices choices() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildWelcomePage();
    QWidget* buildDataPage();
    QWidget* buildBasicDataPage();
    QWidget* buildTreePage();
    QWidget* buildAdminPage();
    QWidget* buildDonePage();
    void showPage(int index);
    void goBack();
    void goNext();
    bool pageAccepted();
    void finish();

    TDataM& dm_;
    QStackedWidget* pages_;
    QLabel* caption_;
    QRadioButton* rbTestData;
    QRadioButton* rbNewData;
    QComboBox* cbUserType;
    QComboBox* cbProvince;
    QLineEdit* edCity;
    QLineEdit* edDistrict;
    QLineEdit* edName;
    QRadioButton* rbLoadTree;
    QRadioButton* rbOwnTree;
    QLineEdit* edUserName;
    QLineEdit* edPassword;
    QLineEdit* edConfirm;
    QPushButton* btnBack;
    QPushButton* btnNext;
    QPushButton* btnCancel;
};

#pragma once

#include <QDialog>

#include "admin/Managers.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class TDataM;
class UnitTreeWidget;

// "管理员设置" for one account or group: its name (an account's password, group and use of the
// two systems too) on "基本属性", its modules on "功能模块权限" and its units on "按单位划分权限".
// Choosing a group copies the group's modules and units into the dialog. "确 定" saves through
// admin::saveManager and closes; a refused save shows its message and keeps the input (a
// password and confirmation that differ are cleared).
class TManSetForm final : public QDialog {
    Q_OBJECT

  public:
    // Opens account or group `id` of kind `kind`; 0 starts a new one.
    TManSetForm(TDataM& dm, admin::ManagerKind kind, int id, QWidget* parent = nullptr);

    // The ManagerID saved (0 before a save).
    int savedId() const { return id_; }

  private:
    QWidget* makeBasicPage();
    QWidget* makeModulesPage();
    QWidget* makeUnitsPage();
    void load();
    void showSettings(const admin::ManagerSettings& settings, bool withBasics);
    admin::ManagerSettings shownSettings() const;
    void setModules(bool checked);
    void checkViewingModules();
    void groupChosen(int index);
    void save();

    TDataM& dm_;
    admin::ManagerKind kind_;
    int id_;
    QTabWidget* PageControl1;
    QLineEdit* edtName;
    QLineEdit* edtPassword;
    QLineEdit* edtConfirm;
    QComboBox* cbGroup;
    QCheckBox* chkAssessSystem;
    QCheckBox* chkCadreSystem;
    QListWidget* lstModules;
    QCheckBox* chkUnitLimit;
    UnitTreeWidget* tvUnits;
    QPushButton* btnOk;
    QPushButton* btnCancel;
};

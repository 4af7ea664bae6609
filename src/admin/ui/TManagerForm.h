#pragma once

#include <QDialog>

#include "admin/Managers.h"

class QListWidget;
class QPushButton;
class QTabWidget;
class TDataM;

// "管理员设置": the accounts ("管理员") and the groups ("管理员组"), each a list of names by
// ManagerID, with "添加" and "修改" (the account dialog, TManSetForm), "删除" (after a
// confirmation, the row with its rights) and "退出". The page on show decides which kind the
// buttons act on.
class TManagerForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TManagerForm(TDataM& dm, QWidget* parent = nullptr);

    static const QString kSelectToDelete;

  private:
    admin::ManagerKind shownKind() const;
    QListWidget* shownList() const;
    void refill();
    void addClicked();
    void editClicked();
    void deleteClicked();

    TDataM& dm_;
    QTabWidget* PageControl1;
    QListWidget* lstAccounts;
    QListWidget* lstGroups;
    QPushButton* btnAdd;
    QPushButton* btnDelete;
    QPushButton* btnEdit;
    QPushButton* btnExit;
};

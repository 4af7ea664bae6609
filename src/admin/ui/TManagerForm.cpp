#include "admin/ui/TManagerForm.h"

#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "admin/ui/TManSetForm.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "widgets/DialogParts.h"

const QString TManagerForm::kSelectToDelete = QStringLiteral("请选择要删除的帐号。");

TManagerForm::TManagerForm(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      PageControl1(new QTabWidget),
      lstAccounts(new QListWidget),
      lstGroups(new QListWidget),
      btnAdd(widgets::namedButton("btnAdd", QStringLiteral("添加"))),
      btnDelete(widgets::namedButton("btnDelete", QStringLiteral("删除"))),
      btnEdit(widgets::namedButton("btnEdit", QStringLiteral("修改"))),
      btnExit(widgets::namedButton("btnExit", QStringLiteral("退出"))) {
    setObjectName(QStringLiteral("TManagerForm"));
    setWindowTitle(QStringLiteral("管理员设置"));
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    lstAccounts->setObjectName(QStringLiteral("lstAccounts"));
    lstGroups->setObjectName(QStringLiteral("lstGroups"));
    PageControl1->addTab(lstAccounts, QStringLiteral("管理员"));
    PageControl1->addTab(lstGroups, QStringLiteral("管理员组"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    layout->addLayout(widgets::rightAlignedRow({btnAdd, btnDelete, btnEdit, btnExit}));
    resize(420, 420);
    connect(btnAdd, &QPushButton::clicked, this, &TManagerForm::addClicked);
    connect(btnEdit, &QPushButton::clicked, this, &TManagerForm::editClicked);
    connect(btnDelete, &QPushButton::clicked, this, &TManagerForm::deleteClicked);
    connect(btnExit, &QPushButton::clicked, this, &QDialog::accept);
    for (QListWidget* list : {lstAccounts, lstGroups}) {
        connect(list, &QListWidget::itemDoubleClicked, this, &TManagerForm::editClicked);
    }
    refill();
}

admin::ManagerKind TManagerForm::shownKind() const {
    return PageControl1->currentIndex() == 1 ? admin::ManagerKind::Group
                                             : admin::ManagerKind::Account;
}

QListWidget* TManagerForm::shownList() const {
    return shownKind() == admin::ManagerKind::Group ? lstGroups : lstAccounts;
}

void TManagerForm::refill() {
    for (const admin::ManagerKind kind : {admin::ManagerKind::Account, admin::ManagerKind::Group}) {
        QListWidget* list = kind == admin::ManagerKind::Group ? lstGroups : lstAccounts;
        list->clear();
        const auto entries = admin::listManagers(dm_.db(), kind);
        if (!entries) {
            app::showFailure(entries.failure());
            continue;
        }
        for (const admin::ManagerEntry& entry : *entries) {
            auto* item = new QListWidgetItem(entry.name, list);
            item->setData(Qt::UserRole, entry.id);
        }
    }
}

void TManagerForm::addClicked() {
    TManSetForm form(dm_, shownKind(), 0, this);
    if (form.exec() == QDialog::Accepted) {
        refill();
    }
}

void TManagerForm::editClicked() {
    const QListWidgetItem* item = shownList()->currentItem();
    if (item == nullptr) {
        return;
    }
    TManSetForm form(dm_, shownKind(), item->data(Qt::UserRole).toInt(), this);
    if (form.exec() == QDialog::Accepted) {
        refill();
    }
}

void TManagerForm::deleteClicked() {
    const QListWidgetItem* item = shownList()->currentItem();
    if (item == nullptr) {
        app::showInformation(kSelectToDelete);
        return;
    }
    const bool group = shownKind() == admin::ManagerKind::Group;
    if (!app::confirmAction(group ? QStringLiteral("确认删除该管理员组？")
                                  : QStringLiteral("确认删除该管理员？"))) {
        return;
    }
    const Result<void> deleted =
        admin::deleteManager(dm_.db(), item->data(Qt::UserRole).toInt(), dm_.session().ManagerID);
    if (!deleted) {
        app::showFailure(deleted.failure());
    }
    refill();
}

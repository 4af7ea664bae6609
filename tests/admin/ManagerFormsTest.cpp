#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidgetItemIterator>
#include <memory>

#include "admin/Managers.h"
#include "admin/Modules.h"
#include "admin/Rights.h"
#include "admin/ui/TManSetForm.h"
#include "admin/ui/TManagerForm.h"
#include "app/DataModule.h"
#include "app/ui/TLoginForm.h"
#include "db/Database.h"
#include "main/ui/TMainForm.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "units/ui/UnitTreeWidget.h"

namespace {

using admin::ManagerKind;

QListWidgetItem* moduleItem(TManSetForm* form, const QString& code) {
    auto* list = child<QListWidget>(form, "lstModules");
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->data(Qt::UserRole).toString() == code) {
            return list->item(i);
        }
    }
    ADD_FAILURE() << code.toStdString();
    return nullptr;
}

QSet<QString> checkedModules(TManSetForm* form) {
    QSet<QString> codes;
    auto* list = child<QListWidget>(form, "lstModules");
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->checkState() == Qt::Checked) {
            codes.insert(list->item(i)->data(Qt::UserRole).toString());
        }
    }
    return codes;
}

void checkModules(TManSetForm* form, const QSet<QString>& codes) {
    child<QPushButton>(form, "btnNone")->click();
    for (const QString& code : codes) {
        moduleItem(form, code)->setCheckState(Qt::Checked);
    }
}

QTreeWidgetItem* unitItem(TManSetForm* form, int unitId) {
    auto* tree = child<UnitTreeWidget>(form, "tvUnits");
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
        if ((*it)->data(0, UnitTreeWidget::IdRole).toInt() == unitId) {
            return *it;
        }
    }
    ADD_FAILURE() << unitId;
    return nullptr;
}

void type(QObject* form, const char* name, const QString& text) {
    child<QLineEdit>(form, name)->setText(text);
}

class ManagerForms : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())); }

    int count(const QString& sql) { return dm.db().scalar(sql)->toInt(); }
    // Opens the account dialog with `button` of the list window and runs `body` in it.
    static void inSetForm(TManagerForm* list, const char* button,
                          const std::function<void(TManSetForm*)>& body) {
        const ModalAnswer<TManSetForm> answer([&body](TManSetForm* form) {
            body(form);
            if (form->isVisible()) {
                child<QPushButton>(form, "btnCancel")->click();
            }
        });
        child<QPushButton>(list, button)->click();
        EXPECT_TRUE(answer.seen()) << button;
    }
    int saveAccount(const QString& name, const QSet<QString>& granted) {
        admin::ManagerSettings s;
        s.name = name;
        s.granted = granted;
        const Result<int> id = admin::saveManager(dm.db(), 0, s, {name, name});
        EXPECT_TRUE(id.ok()) << id.errorText();
        return id.ok() ? *id : 0;
    }

    TestHome home;
    TDataM dm{home.path()};
    RecordingMessageService messages;
};

// The whole road: the first account, a group, an account in it; after a restart that account
// logs in and is refused exactly the modules it was not granted.
TEST_F(ManagerForms, AGroupAndAnAccountMadeInTheWindowsDecideTheRightsAfterARestart) {
    const QSet<QString> clerkModules = {QStringLiteral("WGB"), QStringLiteral("GBJLR"),
                                        QStringLiteral("RMR"), QStringLiteral("MCR")};
    {
        TMainForm main(dm);
        main.show();
        const ModalAnswer<TManagerForm> answer([&](TManagerForm* list) {
            auto* accounts = child<QListWidget>(list, "lstAccounts");
            // The first account cannot do without "管理员设置".
            inSetForm(list, "btnAdd", [&](TManSetForm* form) {
                EXPECT_TRUE(child<QCheckBox>(form, "chkCadreSystem")->isChecked());
                EXPECT_FALSE(child<QCheckBox>(form, "chkAssessSystem")->isChecked());
                EXPECT_TRUE(checkedModules(form).isEmpty());
                type(form, "edtName", QStringLiteral("clerk"));
                type(form, "edtPassword", QStringLiteral("pw"));
                type(form, "edtConfirm", QStringLiteral("pw"));
                child<QPushButton>(form, "btnOk")->click();
                EXPECT_EQ(messages.texts(), QStringList{admin::kNeedSuperManager});
                EXPECT_TRUE(form->isVisible());
            });
            inSetForm(list, "btnAdd", [&](TManSetForm* form) {
                type(form, "edtName", QStringLiteral("管理员"));
                type(form, "edtPassword", QStringLiteral("根"));
                type(form, "edtConfirm", QStringLiteral("根"));
                child<QPushButton>(form, "btnAll")->click();
                child<QPushButton>(form, "btnOk")->click();
            });
            EXPECT_EQ(accounts->count(), 1);

            child<QTabWidget>(list, "PageControl1")->setCurrentIndex(1);
            inSetForm(list, "btnAdd", [&](TManSetForm* form) {
                EXPECT_EQ(child<QTabWidget>(form, "PageControl1")->count(), 3);
                EXPECT_TRUE(child<QLineEdit>(form, "edtPassword")->isHidden());
                type(form, "edtName", QStringLiteral("政府组"));
                checkModules(form, clerkModules);
                auto* tree = child<UnitTreeWidget>(form, "tvUnits");
                EXPECT_FALSE(tree->isEnabled());
                child<QCheckBox>(form, "chkUnitLimit")->click();
                EXPECT_TRUE(tree->isEnabled());
                unitItem(form, 3)->setCheckState(0, Qt::Checked);
                child<QPushButton>(form, "btnOk")->click();
            });
            EXPECT_EQ(child<QListWidget>(list, "lstGroups")->count(), 1);

            child<QTabWidget>(list, "PageControl1")->setCurrentIndex(0);
            inSetForm(list, "btnAdd", [&](TManSetForm* form) {
                type(form, "edtName", QStringLiteral("clerk"));
                type(form, "edtPassword", QStringLiteral("pw"));
                type(form, "edtConfirm", QStringLiteral("pw"));
                // Putting the account into the group copies the group's settings.
                child<QComboBox>(form, "cbGroup")->setCurrentText(QStringLiteral("政府组"));
                EXPECT_EQ(checkedModules(form), clerkModules);
                EXPECT_TRUE(child<QCheckBox>(form, "chkUnitLimit")->isChecked());
                EXPECT_EQ(child<UnitTreeWidget>(form, "tvUnits")->checkedUnitIds(), QList<int>{3});
                child<QPushButton>(form, "btnOk")->click();
            });
            EXPECT_EQ(accounts->count(), 2);
            EXPECT_EQ(accounts->item(1)->text(), QStringLiteral("clerk"));
            child<QPushButton>(list, "btnExit")->click();
        });
        main.findChild<QAction*>(QStringLiteral("actManagers"))->trigger();
        EXPECT_TRUE(answer.seen());
    }
    EXPECT_EQ(dm.db()
                  .scalar(QStringLiteral("select groupName from tb_manager where userName='clerk'"))
                  ->toString(),
              QStringLiteral("政府组"));
    dm.db().close();

    // A restart: the login dialog comes, and the account logs in.
    messages.clear();
    TDataM restarted(home.path() + u'/');
    ASSERT_TRUE(restarted.create([](TDataM& data) {
        TLoginForm login(data);
        login.show();
        type(&login, "cxTextEdit1", QStringLiteral("clerk"));
        type(&login, "cxTextEdit2", QStringLiteral("pw"));
        child<QPushButton>(&login, "cxButton2")->click();
        return login.result() == QDialog::Accepted;
    }));
    ASSERT_GT(restarted.session().ManagerID, 0);
    for (const admin::Module& module : admin::kModules) {
        messages.clear();
        const bool granted = clerkModules.contains(module.codeText());
        EXPECT_EQ(admin::HasRight(restarted, module.codeText()), granted) << module.code;
        EXPECT_EQ(messages.texts(), granted ? QStringList() : QStringList{admin::kNoRight})
            << module.code;
    }
    // "管理员管理" itself is one of them.
    messages.clear();
    TMainForm main(restarted);
    main.findChild<QAction*>(QStringLiteral("actManagers"))->trigger();
    EXPECT_EQ(messages.texts(), QStringList{admin::kNoRight});
}

TEST_F(ManagerForms, TheModuleButtonsAndTheStoredStateOfAnAccount) {
    ASSERT_TRUE(dm.db().exec(QStringLiteral(
        "insert into tb_manager (ManagerID, userName, pw, sysR, userType) values (9, 'old', "
        "'x', null, 0)")));
    ASSERT_TRUE(dm.db().exec(QStringLiteral(
        "insert into tb_conf (GID, ItemID, ItemV, ItemV2) values ('RIGHT', '9', 'WDW', '0')")));
    TManSetForm form(dm, ManagerKind::Account, 9);
    form.show();
    // sysR NULL: both systems; a module without a row is granted, one refused by its row not.
    EXPECT_TRUE(child<QCheckBox>(&form, "chkCadreSystem")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(&form, "chkAssessSystem")->isChecked());
    EXPECT_EQ(checkedModules(&form).size(), 34);
    EXPECT_EQ(moduleItem(&form, QStringLiteral("WDW"))->checkState(), Qt::Unchecked);
    EXPECT_EQ(child<QLineEdit>(&form, "edtName")->text(), QStringLiteral("old"));

    child<QPushButton>(&form, "btnNone")->click();
    EXPECT_TRUE(checkedModules(&form).isEmpty());
    moduleItem(&form, QStringLiteral("PDA"))->setCheckState(Qt::Checked);
    child<QPushButton>(&form, "btnReadOnly")->click();
    EXPECT_EQ(checkedModules(&form),
              (QSet<QString>{QStringLiteral("RMR"), QStringLiteral("MCR"), QStringLiteral("PXR"),
                             QStringLiteral("FXR"), QStringLiteral("PDA")}));
    child<QPushButton>(&form, "btnAll")->click();
    EXPECT_EQ(checkedModules(&form).size(), 35);

    // Password and confirmation that differ are cleared, and nothing is written.
    type(&form, "edtPassword", QStringLiteral("a"));
    type(&form, "edtConfirm", QStringLiteral("b"));
    child<QPushButton>(&form, "btnOk")->click();
    EXPECT_EQ(messages.texts(), QStringList{admin::kPasswordsDiffer});
    EXPECT_TRUE(child<QLineEdit>(&form, "edtPassword")->text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>(&form, "edtConfirm")->text().isEmpty());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_conf where GID='RIGHT'")), 1);
    // A password outside GBK is refused rather than stored under a wrong digest.
    messages.clear();
    type(&form, "edtPassword", QStringLiteral("𠮷"));
    type(&form, "edtConfirm", QStringLiteral("𠮷"));
    child<QPushButton>(&form, "btnOk")->click();
    EXPECT_EQ(messages.texts(), QStringList{admin::kPasswordOutsideGbk});
    EXPECT_EQ(dm.db().scalar(QStringLiteral("select pw from tb_manager"))->toString(),
              QStringLiteral("x"));

    messages.clear();
    type(&form, "edtPassword", QStringLiteral("新口令"));
    type(&form, "edtConfirm", QStringLiteral("新口令"));
    child<QPushButton>(&form, "btnOk")->click();
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_conf where GID='RIGHT' and "
                                   "ItemID='9' and ItemV2='1'")),
              35);
}

TEST_F(ManagerForms, DeletionAsksAndRemovesTheRowWithItsRights) {
    const int root = saveAccount(QStringLiteral("root"), {QStringLiteral("GLYSET")});
    const int clerk = saveAccount(QStringLiteral("clerk"), {QStringLiteral("WGB")});
    dm.session().ManagerID = root;
    TManagerForm list(dm);
    list.show();
    auto* accounts = child<QListWidget>(&list, "lstAccounts");
    ASSERT_EQ(accounts->count(), 2);
    auto* remove = child<QPushButton>(&list, "btnDelete");

    remove->click();
    EXPECT_EQ(messages.texts(), QStringList{TManagerForm::kSelectToDelete});
    // The account logged in stays.
    messages.clear();
    accounts->setCurrentRow(0);
    messages.answerNext(true);
    remove->click();
    EXPECT_EQ(messages.texts(),
              (QStringList{QStringLiteral("确认删除该管理员？"), admin::kDeletingSelf}));
    // A declined confirmation deletes nothing.
    messages.clear();
    accounts->setCurrentRow(1);
    remove->click();
    EXPECT_EQ(accounts->count(), 2);
    messages.answerNext(true);
    remove->click();
    ASSERT_EQ(accounts->count(), 1);
    EXPECT_EQ(accounts->item(0)->text(), QStringLiteral("root"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_conf where GID='RIGHT' and ItemID='") +
                    QString::number(clerk) + u'\''),
              0);
}

}  // namespace

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "cadre/PickLists.h"
#include "db/Database.h"
#include "exchange/AutoBackup.h"
#include "main/ui/TMainForm.h"
#include "settings/SoftwareSettings.h"
#include "settings/ui/TConfForm.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"

namespace {

using namespace Qt::StringLiterals;

class SettingsWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }
    void exec(const QString& sql) { ASSERT_TRUE(dm.db().exec(sql)) << dm.db().lastError(); }

    TestHome home;
    TDataM dm{home.path() + u'/'};
    RecordingMessageService messages;
};

// "参数设置" opens the dialog; what is changed there is what the program reads afterwards.
TEST_F(SettingsWindows, ParametersMenuEditsTheSettings) {
    TMainForm main(dm);
    bool seen = false;
    ModalAnswer<QDialog> answer([&](QDialog* dialog) {
        seen = dialog->objectName() == u"TConfForm"_s;
        child<QComboBox>(dialog, "cbUserType")->setCurrentIndex(7);
        child<QSpinBox>(dialog, "spinMale")->setValue(62);
        child<QCheckBox>(dialog, "chkZwLock")->setChecked(true);
        child<QCheckBox>(dialog, "chkBackup")->setChecked(false);
        child<QSpinBox>(dialog, "spinKeep")->setValue(3);
        child<QLineEdit>(dialog, "edtCategory")->setText(u"新类别"_s);
        child<QPushButton>(dialog, "btnAddCategory")->click();
        child<QPushButton>(dialog, "btnOK")->click();
    });
    child<QAction>(main, "actParameters")->trigger();
    ASSERT_TRUE(seen);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(settings::retirementAges(dm.db())->male, 62);
    EXPECT_TRUE(*cadre::postsLocked(dm.db()));
    EXPECT_FALSE(exchange::autoBackupEnabled(dm));
    EXPECT_EQ(*exchange::backupKeepCount(dm.db()), 3);
    const auto stored = settings::loadSettings(dm);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->userType, 7);
    EXPECT_TRUE(stored->postCategories.contains(u"新类别"_s));
}

// A user without the right PARAM does not get the dialog.
TEST_F(SettingsWindows, ParametersNeedTheirRight) {
    dm.session().ManagerID = 9;
    exec(u"insert into tb_conf (GID,ItemID,ItemV,ItemV2) values ('RIGHT','9','PARAM','0')"_s);
    TMainForm main(dm);
    child<QAction>(main, "actParameters")->trigger();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, admin::kNoRight);
}

// Two cadre types of one name keep the dialog open with the message and write nothing.
TEST_F(SettingsWindows, DuplicateTypeNamesAreRefusedInTheDialog) {
    TConfForm form(dm);
    child<QLineEdit>(form, "edtName")->setText(u"新名称"_s);
    child<QLineEdit>(form, "edtType1")->setText(u"同名"_s);
    child<QLineEdit>(form, "edtType4")->setText(u"同名"_s);
    form.show();
    child<QPushButton>(form, "btnOK")->click();
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, settings::kDuplicateFieldNames);
    EXPECT_NE(settings::loadSettings(dm)->organisation, u"新名称"_s);
}

TEST_F(SettingsWindows, CategoriesMoveAndDelete) {
    TConfForm form(dm);
    auto* list = child<QListWidget>(form, "lstCategories");
    list->clear();
    list->addItems({u"甲"_s, u"乙"_s, u"丙"_s});
    list->setCurrentRow(2);
    child<QPushButton>(form, "btnCategoryUp")->click();
    list->setCurrentRow(0);
    messages.answerNext(true);
    child<QPushButton>(form, "btnDeleteCategory")->click();
    child<QPushButton>(form, "btnOK")->click();
    EXPECT_EQ(settings::loadSettings(dm)->postCategories, (QStringList{u"丙"_s, u"乙"_s}));
}

}  // namespace

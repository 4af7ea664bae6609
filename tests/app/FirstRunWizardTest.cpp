#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/DataModule.h"
#include "app/ui/TForm1.h"
#include "schema/FirstRunSetup.h"
#include "support/FindChild.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"

namespace {

using namespace Qt::StringLiterals;

class FirstRunWizard : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm_.db().open(home_.makeWorkingDatabase())) << dm_.db().lastError();
        wizard_.show();
    }

    int count(const QString& sql) { return dm_.db().scalar(sql)->toInt(); }
    void next() { child<QPushButton>(wizard_, "btnNext")->click(); }
    QString caption() { return child<QLabel>(wizard_, "lblCaption")->text(); }

    TestHome home_;
    TDataM dm_{home_.path()};
    TForm1 wizard_{dm_};
    RecordingMessageService messages_;
};

TEST_F(FirstRunWizard, AFreshStartWipesTheTestDataLoadsTheTreeAndMakesTheAdministrator) {
    EXPECT_EQ(wizard_.windowTitle(), u"欢迎使用"_s);
    EXPECT_EQ(caption(), u"欢迎初次使用本软件"_s);
    next();
    child<QRadioButton>(wizard_, "rbNewData")->setChecked(true);
    next();
    EXPECT_EQ(caption(), u"基础信息"_s);
    child<QComboBox>(wizard_, "cbUserType")->setCurrentIndex(4);
    child<QComboBox>(wizard_, "cbProvince")->setCurrentText(u"江苏省"_s);
    child<QLineEdit>(wizard_, "edCity")->setText(u"南京市"_s);
    next();
    // A county needs its district and a name.
    EXPECT_EQ(messages_.texts(), QStringList{u"请输入基础信息!\n请填写：区（县旗）、单位名称"_s});
    EXPECT_EQ(caption(), u"基础信息"_s);
    child<QLineEdit>(wizard_, "edDistrict")->setText(u"某县"_s);
    auto* name = child<QLineEdit>(wizard_, "edName");
    name->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(name->text(), u"某县委组织部"_s);
    next();
    EXPECT_EQ(caption(), u"组织架构"_s);
    child<QRadioButton>(wizard_, "rbLoadTree")->setChecked(true);
    next();
    messages_.clear();
    child<QLineEdit>(wizard_, "edUserName")->setText(u"管理员"_s);
    child<QLineEdit>(wizard_, "edPassword")->setText(u"甲"_s);
    child<QLineEdit>(wizard_, "edConfirm")->setText(u"乙"_s);
    next();
    EXPECT_EQ(messages_.texts(), QStringList{schema::kAdminPasswordWrong});
    EXPECT_TRUE(child<QLineEdit>(wizard_, "edPassword")->text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>(wizard_, "edConfirm")->text().isEmpty());
    child<QLineEdit>(wizard_, "edPassword")->setText(u"甲"_s);
    child<QLineEdit>(wizard_, "edConfirm")->setText(u"甲"_s);
    next();
    EXPECT_EQ(caption(), u"向导设置完成!"_s);
    EXPECT_EQ(child<QPushButton>(wizard_, "btnNext")->text(), u"完成"_s);
    next();
    EXPECT_EQ(wizard_.result(), QDialog::Accepted);
    EXPECT_EQ(count(u"select count(*) from tb_cadre"_s), 0);
    EXPECT_EQ(count(u"select count(*) from tb_family"_s), 0);
    EXPECT_EQ(count(u"select count(*) from tb_department"_s),
              count(u"select count(*) from tb_model where mtype=4"_s));
    EXPECT_EQ(dm_.db().scalar(u"select name from tb_general"_s)->toString(), u"某县委组织部"_s);
    EXPECT_EQ(count(u"select count(*) from tb_manager where userName='管理员'"_s), 1);
}

// The refusal of the basic-data page says which fields the chosen type still needs, and the
// page stays until they are filled.
TEST_F(FirstRunWizard, TheBasicDataRefusalNamesTheFieldsStillEmpty) {
    next();
    next();
    ASSERT_EQ(caption(), u"基础信息"_s);
    EXPECT_EQ(child<QComboBox>(wizard_, "cbUserType")->currentText(), u"市委组织部(人事局)"_s);
    child<QLineEdit>(wizard_, "edName")->setText(u"某市委组织部"_s);
    next();
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].title, u"提示"_s);
    EXPECT_EQ(messages_.shown()[0].text, u"请输入基础信息!\n请填写：省、市（州）"_s);
    EXPECT_EQ(caption(), u"基础信息"_s);
    child<QComboBox>(wizard_, "cbProvince")->setCurrentText(u"江苏省"_s);
    next();
    EXPECT_EQ(messages_.texts().last(), u"请输入基础信息!\n请填写：市（州）"_s);
    child<QLineEdit>(wizard_, "edCity")->setText(u"南京市"_s);
    next();
    EXPECT_EQ(messages_.shown().size(), 2u);
    EXPECT_EQ(caption(), u"组织架构"_s);
}

TEST_F(FirstRunWizard, TestDataOrCancelKeepTheSampleOrganisation) {
    next();
    child<QRadioButton>(wizard_, "rbTestData")->setChecked(true);
    for (int page = 1; page < 6; ++page) {
        next();
    }
    EXPECT_EQ(wizard_.result(), QDialog::Accepted);
    EXPECT_TRUE(messages_.texts().isEmpty());
    EXPECT_EQ(count(u"select count(*) from tb_cadre"_s), 60);
    TForm1 cancelled(dm_);
    cancelled.show();
    child<QPushButton>(cancelled, "btnCancel")->click();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_EQ(count(u"select count(*) from tb_cadre"_s), 60);
}

}  // namespace

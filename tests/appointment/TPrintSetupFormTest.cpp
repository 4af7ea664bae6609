#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "PlanFixture.h"
#include "appointment/ApprovalForm.h"
#include "appointment/ui/TPrintSetupForm.h"
#include "support/FindChild.h"
#include "support/RecordingMessageService.h"

namespace {

class TPrintSetupFormTest : public PlanFixture {
  protected:
    appointment::ApprovalSettings stored() {
        const Result<appointment::ApprovalSettings> settings =
            appointment::readApprovalSettings(db());
        EXPECT_TRUE(settings) << settings.errorText().toStdString();
        return settings ? *settings : appointment::ApprovalSettings{};
    }

    RecordingMessageService messages;
};

TEST_F(TPrintSetupFormTest, TheDialogStoresFamilyRowsTitlePaperAndMargin) {
    {
        TPrintSetupForm form(dm);
        child<QSpinBox>(&form, "spnFamily")->setValue(3);
        child<QLineEdit>(&form, "edtTitle")->setText(QStringLiteral("某某审批表"));
        child<QComboBox>(&form, "cmbPaper")->setCurrentText(QStringLiteral("B5"));
        child<QCheckBox>(&form, "chkMargin")->setChecked(false);
        child<QPushButton>(&form, "btnOK")->click();
        EXPECT_EQ(form.result(), QDialog::Accepted);
    }
    appointment::ApprovalSettings settings = stored();
    EXPECT_EQ(settings.familyRows, 3);
    EXPECT_EQ(settings.title, QStringLiteral("某某审批表"));
    EXPECT_EQ(settings.paper, QStringLiteral("B5"));
    EXPECT_DOUBLE_EQ(appointment::approvalLeftMargin(settings), 18);

    {
        TPrintSetupForm form(dm);
        EXPECT_EQ(child<QSpinBox>(&form, "spnFamily")->value(), 3);
        EXPECT_DOUBLE_EQ(child<QDoubleSpinBox>(&form, "spnMargin")->value(), 1.8);
        child<QComboBox>(&form, "cmbPaper")->setCurrentIndex(2);  // the form's own size
        child<QCheckBox>(&form, "chkMargin")->setChecked(true);
        child<QDoubleSpinBox>(&form, "spnMargin")->setValue(2.5);
        child<QPushButton>(&form, "btnOK")->click();
    }
    settings = stored();
    EXPECT_EQ(settings.paper, QString());
    EXPECT_DOUBLE_EQ(appointment::approvalLeftMargin(settings), 25);
    EXPECT_EQ(appointment::approvalPageSetup(settings).size, QSizeF(195, 271));
    EXPECT_TRUE(messages.texts().isEmpty());
}

}  // namespace

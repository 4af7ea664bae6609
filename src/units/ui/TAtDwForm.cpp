#include "units/ui/TAtDwForm.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "db/Database.h"
#include "units/Membership.h"
#include "units/ui/UnitPickerEdit.h"
#include "widgets/DialogParts.h"
#include "widgets/MonthEntryBox.h"

TAtDwForm::TAtDwForm(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      lblName(new QLabel),
      unitBox_(new UnitPickerEdit(QStringLiteral("edtUnit"), QString())),
      edtEntered(new QLineEdit),
      chkInStaffing(new QCheckBox(QStringLiteral("在编"))),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("确 定"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setObjectName(QStringLiteral("TAtDwForm"));
    setWindowTitle(QStringLiteral("所在单位及编制"));
    lblName->setObjectName(QStringLiteral("lblName"));
    edtEntered->setObjectName(QStringLiteral("edtEntered"));
    edtEntered->setPlaceholderText(QStringLiteral("年.月"));
    edtEntered->setMaxLength(10);
    widgets::limitToMonthEntry(edtEntered);
    chkInStaffing->setObjectName(QStringLiteral("chkInStaffing"));
    unitBox_->setDatabase(&dm_.db());

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("姓    名"), lblName);
    fields->addRow(QStringLiteral("所在单位"), unitBox_);
    fields->addRow(QStringLiteral("进入时间"), edtEntered);
    fields->addRow(QString(), chkInStaffing);
    auto* buttons = widgets::rightAlignedRow({btnOK, btnCancel});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, &TAtDwForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TAtDwForm::start(int cadreId, int unitId) {
    cadreId_ = cadreId;
    savedId_ = 0;
    const Result<QString> name = dm_.CadreName(cadreId);
    lblName->setText(name ? *name : QString());
    unitBox_->reload();
    unitBox_->setUnit(unitId);
    const Result<std::optional<units::Membership>> membership =
        units::readMembership(dm_.db(), unitId, cadreId);
    if (!membership) {
        app::showFailure(membership.failure());
    }
    const bool known = membership && membership->has_value();
    edtEntered->setText(known ? (*membership)->entered : QString());
    chkInStaffing->setChecked(known ? (*membership)->inStaffing : true);
    edtEntered->setFocus();
}

void TAtDwForm::btnOKClick() {
    const Result<qint64> saved = units::saveMembership(
        dm_, unitBox_->unitId(), cadreId_, edtEntered->text(), chkInStaffing->isChecked());
    if (!saved) {
        app::showFailure(saved.failure());
        return;
    }
    savedId_ = *saved;
    accept();
}

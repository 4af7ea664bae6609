#include "appointment/ui/TRmmcForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "widgets/DialogParts.h"

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

QString dateText(const QDate& date) {
    return date.isValid() ? date.toString(kDateFormat) : QString();
}

}  // namespace

TRmmcForm::TRmmcForm(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      edtName(new QLineEdit(this)),
      edtTbsj(new QLineEdit(this)),
      edtTbr(new QLineEdit(this)),
      edtJssj(new QLineEdit(this)),
      cmbRmzt(new QComboBox(this)) {
    setObjectName(QStringLiteral("RmmcForm"));
    setWindowTitle(QStringLiteral("任免方案"));
    edtName->setObjectName(QStringLiteral("edtName"));
    edtTbsj->setObjectName(QStringLiteral("edtTbsj"));
    edtTbr->setObjectName(QStringLiteral("edtTbr"));
    edtJssj->setObjectName(QStringLiteral("edtJssj"));
    cmbRmzt->setObjectName(QStringLiteral("cmbRmzt"));
    edtTbsj->setPlaceholderText(kDateFormat);
    edtJssj->setPlaceholderText(kDateFormat);
    cmbRmzt->addItems(app::valueOrShown(appointment::processStates(dm_.db())));
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("任免方案"), edtName);
    fields->addRow(QStringLiteral("制表日期"), edtTbsj);
    fields->addRow(QStringLiteral("制 表 人"), edtTbr);
    fields->addRow(QStringLiteral("年龄计算时间"), edtJssj);
    fields->addRow(QStringLiteral("任免流程"), cmbRmzt);
    QPushButton* btnOK = widgets::namedButton("btnOK", QStringLiteral("确 定"));
    QPushButton* btnCancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(widgets::rightAlignedRow({btnOK, btnCancel}));
    connect(btnOK, &QPushButton::clicked, this, &TRmmcForm::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    showPlan({});
}

void TRmmcForm::showPlan(const appointment::PlanHeader& plan) {
    planId_ = plan.id;
    edtName->setText(plan.name);
    edtTbsj->setText(dateText(plan.id == 0 ? QDate::currentDate() : plan.tbsj));
    edtTbr->setText(plan.tbr);
    edtJssj->setText(dateText(plan.jssj));
    cmbRmzt->setCurrentIndex(plan.rmzt >= 1 && plan.rmzt <= cmbRmzt->count() ? plan.rmzt - 1 : -1);
}

void TRmmcForm::accept() {
    const std::optional<QDate> tbsj = appointment::readPlanDate(edtTbsj->text());
    const std::optional<QDate> jssj = appointment::readPlanDate(edtJssj->text());
    if (!tbsj || !jssj) {
        app::showInformation(appointment::kBadDate);
        (tbsj ? edtJssj : edtTbsj)->setFocus();
        return;
    }
    appointment::PlanHeader plan;
    plan.id = isNew ? 0 : planId_;
    plan.name = edtName->text();
    plan.tbr = edtTbr->text();
    plan.rmzt = cmbRmzt->currentIndex() + 1;
    plan.tbsj = *tbsj;
    plan.jssj = *jssj;
    const Result<int> saved = appointment::savePlan(dm_.db(), plan);
    if (!saved) {
        app::showFailure(saved.failure());
        reject();
        return;
    }
    savedId_ = *saved;
    QDialog::accept();
}

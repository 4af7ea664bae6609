#include "appointment/ui/TPrintSetupForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "appointment/ApprovalForm.h"
#include "widgets/DialogParts.h"

namespace {

// The papers offered; the last stands for the form's own size.
const QStringList kPapers{QStringLiteral("A4"), QStringLiteral("B5"), QStringLiteral("自身尺寸")};

}  // namespace

TPrintSetupForm::TPrintSetupForm(TDataM& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setObjectName(QStringLiteral("PrintSetupForm"));
    setWindowTitle(QStringLiteral("打印设置"));
    spnFamily_ = new QSpinBox(this);
    spnFamily_->setObjectName(QStringLiteral("spnFamily"));
    spnFamily_->setRange(0, 7);
    edtTitle_ = new QLineEdit(this);
    edtTitle_->setObjectName(QStringLiteral("edtTitle"));
    cmbPaper_ = new QComboBox(this);
    cmbPaper_->setObjectName(QStringLiteral("cmbPaper"));
    cmbPaper_->addItems(kPapers);
    chkMargin_ = new QCheckBox(QStringLiteral("自定义左边距（厘米）"), this);
    chkMargin_->setObjectName(QStringLiteral("chkMargin"));
    spnMargin_ = new QDoubleSpinBox(this);
    spnMargin_->setObjectName(QStringLiteral("spnMargin"));
    spnMargin_->setRange(0, 6);
    spnMargin_->setDecimals(1);
    spnMargin_->setSingleStep(0.1);
    connect(chkMargin_, &QCheckBox::toggled, spnMargin_, &QWidget::setEnabled);

    const appointment::ApprovalSettings settings =
        app::valueOrShown(appointment::readApprovalSettings(dm_.db()));
    spnFamily_->setValue(settings.familyRows);
    edtTitle_->setText(settings.title.isEmpty() ? appointment::kApprovalFormTitle : settings.title);
    const qsizetype paper = kPapers.indexOf(settings.paper);
    cmbPaper_->setCurrentIndex(paper >= 0 && paper < 2 ? static_cast<int>(paper) : 2);
    chkMargin_->setChecked(settings.leftMarginCm.has_value());
    spnMargin_->setEnabled(settings.leftMarginCm.has_value());
    spnMargin_->setValue(settings.leftMarginCm.value_or(approvalLeftMargin(settings) / 10));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("家庭成员行数："), spnFamily_);
    form->addRow(QStringLiteral("表格标题："), edtTitle_);
    form->addRow(QStringLiteral("纸张："), cmbPaper_);
    form->addRow(chkMargin_, spnMargin_);
    QPushButton* ok = widgets::namedButton("btnOK", QStringLiteral("确 定"));
    QPushButton* cancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    connect(ok, &QPushButton::clicked, this, &TPrintSetupForm::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(widgets::rightAlignedRow({ok, cancel}));
}

void TPrintSetupForm::accept() {
    appointment::ApprovalSettings settings;
    settings.familyRows = spnFamily_->value();
    settings.title = edtTitle_->text().trimmed();
    settings.paper = cmbPaper_->currentIndex() < 2 ? cmbPaper_->currentText() : QString();
    if (chkMargin_->isChecked()) {
        settings.leftMarginCm = spnMargin_->value();
    }
    if (const Result<void> saved = appointment::saveApprovalSettings(dm_.db(), settings); !saved) {
        app::showFailure(saved.failure());
        return;
    }
    QDialog::accept();
}

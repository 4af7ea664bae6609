#include "units/ui/TAddBzForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "units/QuotaAnalysis.h"
#include "units/Quotas.h"
#include "widgets/DialogParts.h"

namespace {

// The staffing numbers that can be entered; a new identity starts at the least.
constexpr int kLeastStaff = 1;
constexpr int kMostStaff = 9999;

}  // namespace

TAddBzForm::TAddBzForm(TDataM& dm, int unitId, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      unitId_(unitId),
      cbRybz(new QComboBox),
      seBzs(new QSpinBox),
      btnOK(new QPushButton(QStringLiteral("确 定"), this)),
      btnCancel(new QPushButton(QStringLiteral("取 消"), this)) {
    setObjectName(QStringLiteral("TAddBzForm"));
    setWindowTitle(QStringLiteral("添加编制"));
    cbRybz->setObjectName(QStringLiteral("cbRybz"));
    seBzs->setObjectName(QStringLiteral("seBzs"));
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));

    cbRybz->addItems(app::valueOrShown(units::staffIdentities(dm.db())));
    seBzs->setRange(kLeastStaff, kMostStaff);
    seBzs->setValue(kLeastStaff);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("编制类型"), cbRybz);
    fields->addRow(QStringLiteral("编 制 数"), seBzs);
    for (QPushButton* button : {btnOK, btnCancel}) {
        button->setAutoDefault(false);
    }
    btnOK->setDefault(true);
    auto* buttons = widgets::rightAlignedRow({btnOK, btnCancel});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(cbRybz, &QComboBox::currentIndexChanged, this, &TAddBzForm::showStored);
    connect(btnOK, &QPushButton::clicked, this, &TAddBzForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    showStored();
}

void TAddBzForm::selectIdentity(const QString& rybz) {
    int at = cbRybz->findText(rybz);
    if (at < 0) {
        cbRybz->addItem(rybz);
        at = cbRybz->count() - 1;
    }
    cbRybz->setCurrentIndex(at);
    showStored();
}

void TAddBzForm::showStored() {
    const Result<std::optional<int>> stored =
        units::staffingQuota(dm_.db(), unitId_, cbRybz->currentText());
    // A number that could not be read is never replaced by the one shown instead.
    btnOK->setEnabled(stored.ok());
    if (!stored) {
        app::showError(stored.errorText());
        return;
    }
    // The stored number shows as stored, also one outside the entry range (0, as the analysis
    // page can write); a type without a stored row starts again from the default, not from the
    // previous type's number.
    widgets::showStoredNumber(seBzs, kLeastStaff, kMostStaff, stored->value_or(kLeastStaff));
}

void TAddBzForm::btnOKClick() {
    if (const Result<void> saved =
            units::saveStaffing(dm_.db(), unitId_, cbRybz->currentText(), seBzs->value());
        !saved) {
        app::showFailure(saved.failure());
        return;
    }
    accept();
}

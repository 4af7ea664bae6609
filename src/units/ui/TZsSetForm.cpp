#include "units/ui/TZsSetForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "units/Quotas.h"
#include "widgets/DialogParts.h"

const QString TZsSetForm::kEmptyPostName = QStringLiteral("职务名称不能为空.");

namespace {

// The quotas that can be entered.
constexpr int kLeastQuota = 0;
constexpr int kMostQuota = 9999;

}  // namespace

TZsSetForm::TZsSetForm(TDataM& dm, int unitId, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      unitId_(unitId),
      edtZwmc(new QLineEdit),
      cbZwType(new QComboBox),
      seZwrs(new QSpinBox),
      edtDqrs(new QLineEdit),
      edtZk(new QLineEdit),
      edtNote(new QLineEdit),
      cbZzs(new QCheckBox(QStringLiteral("记录组织史"))),
      btnOK(new QPushButton(QStringLiteral("确 定"), this)),
      btnCancel(new QPushButton(QStringLiteral("取 消"), this)) {
    setObjectName(QStringLiteral("TZsSetForm"));
    setWindowTitle(QStringLiteral("职数设置"));
    edtZwmc->setObjectName(QStringLiteral("edtZwmc"));
    cbZwType->setObjectName(QStringLiteral("cbZwType"));
    seZwrs->setObjectName(QStringLiteral("seZwrs"));
    edtDqrs->setObjectName(QStringLiteral("edtDqrs"));
    edtZk->setObjectName(QStringLiteral("edtZk"));
    edtNote->setObjectName(QStringLiteral("edtNote"));
    cbZzs->setObjectName(QStringLiteral("cbZzs"));
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));

    edtZwmc->setMaxLength(50);
    edtNote->setMaxLength(255);
    const Result<QStringList> categories = units::postCategories(dm_.db());
    if (!categories) {
        app::showFailure(categories.failure());
    }
    cbZwType->addItems(categories ? *categories : QStringList());
    seZwrs->setRange(kLeastQuota, kMostQuota);
    edtDqrs->setReadOnly(true);
    edtZk->setReadOnly(true);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("职务名称："), edtZwmc);
    fields->addRow(QStringLiteral("职务类别："), cbZwType);
    fields->addRow(QStringLiteral("设定人数："), seZwrs);
    fields->addRow(QStringLiteral("当前人数："), edtDqrs);
    fields->addRow(QStringLiteral("状 况："), edtZk);
    fields->addRow(QStringLiteral("说 明："), edtNote);
    fields->addRow(QString(), cbZzs);
    auto* hint = new QLabel(QStringLiteral("当前人数统计以任职信息中的职态为基础。"));
    hint->setObjectName(QStringLiteral("lblHint"));
    for (QPushButton* button : {btnOK, btnCancel}) {
        button->setAutoDefault(false);
    }
    btnOK->setDefault(true);
    auto* buttons = widgets::rightAlignedRow({btnOK, btnCancel});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(hint);
    layout->addLayout(buttons);

    connect(edtZwmc, &QLineEdit::editingFinished, this, &TZsSetForm::recount);
    connect(seZwrs, &QSpinBox::editingFinished, this, &TZsSetForm::recount);
    connect(cbZwType, &QComboBox::activated, this, &TZsSetForm::recount);
    connect(btnOK, &QPushButton::clicked, this, &TZsSetForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    startAdding();
}

void TZsSetForm::startAdding() {
    zsId_ = 0;
    savedId_ = 0;
    edtZwmc->clear();
    cbZwType->setCurrentIndex(cbZwType->count() > 0 ? 0 : -1);
    seZwrs->setRange(kLeastQuota, kMostQuota);
    seZwrs->setValue(0);
    edtNote->clear();
    cbZzs->setChecked(false);
    recount();
    edtZwmc->setFocus();
}

bool TZsSetForm::startEditing(int zsId) {
    const Result<std::vector<units::QuotaRow>> rows = units::loadQuotaRows(dm_.db(), unitId_);
    if (!rows) {
        app::showFailure(rows.failure());
        return false;
    }
    for (const units::QuotaRow& row : *rows) {
        if (row.zsId != zsId) {
            continue;
        }
        zsId_ = zsId;
        savedId_ = 0;
        edtZwmc->setText(row.zwmc);
        int at = cbZwType->findText(row.zwtype);
        if (at < 0 && !row.zwtype.isEmpty()) {
            cbZwType->addItem(row.zwtype);
            at = cbZwType->count() - 1;
        }
        cbZwType->setCurrentIndex(at);
        widgets::showStoredNumber(seZwrs, kLeastQuota, kMostQuota, row.zwrs);
        edtNote->setText(row.note);
        cbZzs->setChecked(row.zzs);
        recount();
        edtZwmc->setFocus();
        return true;
    }
    return false;
}

void TZsSetForm::recount() {
    const Result<int> holders = units::countQuotaHolders(dm_.db(), unitId_, edtZwmc->text());
    if (!holders) {
        edtDqrs->clear();
        edtZk->clear();
        return;
    }
    edtDqrs->setText(QString::number(*holders));
    edtZk->setText(TDataM::QuotaState(*holders, seZwrs->value()));
}

void TZsSetForm::btnOKClick() {
    if (edtZwmc->text().trimmed().isEmpty()) {
        app::showInformation(kEmptyPostName);
        edtZwmc->setFocus();
        return;
    }
    units::QuotaRow row;
    row.zsId = zsId_;
    row.dwId = unitId_;
    row.zwmc = edtZwmc->text().trimmed();
    row.zwtype = cbZwType->currentText();
    row.zwrs = seZwrs->value();
    row.note = edtNote->text();
    row.zzs = cbZzs->isChecked();
    const Result<int> saved = units::saveQuotaRow(dm_.db(), row);
    if (!saved) {
        app::showFailure(saved.failure());
        return;
    }
    savedId_ = *saved;
    accept();
}

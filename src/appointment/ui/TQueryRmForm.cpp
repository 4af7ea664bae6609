#include "appointment/ui/TQueryRmForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "appointment/Plans.h"
#include "widgets/DialogParts.h"

TQueryRmForm::TQueryRmForm(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      edtName(new QLineEdit(this)),
      edtFrom(new QLineEdit(this)),
      edtTo(new QLineEdit(this)),
      edtPersons(new QPlainTextEdit(this)),
      cmbRmzt(new QComboBox(this)) {
    setObjectName(QStringLiteral("QueryRmForm"));
    setWindowTitle(QStringLiteral("查找任免信息"));
    edtName->setObjectName(QStringLiteral("edtName"));
    edtFrom->setObjectName(QStringLiteral("edtFrom"));
    edtTo->setObjectName(QStringLiteral("edtTo"));
    edtPersons->setObjectName(QStringLiteral("edtPersons"));
    cmbRmzt->setObjectName(QStringLiteral("cmbRmzt"));
    edtFrom->setPlaceholderText(QStringLiteral("yyyy-MM-dd"));
    edtTo->setPlaceholderText(QStringLiteral("yyyy-MM-dd"));
    cmbRmzt->addItems(app::valueOrShown(appointment::processStates(dm_.db())));
    cmbRmzt->setCurrentIndex(-1);
    auto* range = new QHBoxLayout;
    range->addWidget(edtFrom);
    range->addWidget(new QLabel(QStringLiteral("至"), this));
    range->addWidget(edtTo);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("任免名称"), edtName);
    fields->addRow(QStringLiteral("任免时间"), range);
    fields->addRow(QStringLiteral("任免人员"), edtPersons);
    fields->addRow(QStringLiteral("任免流程"), cmbRmzt);
    QPushButton* btnOK = widgets::namedButton("btnOK", QStringLiteral("确 定"));
    QPushButton* btnCancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("注意：以下查询搜索符合条件的均针对任免方案。"), this));
    layout->addLayout(fields);
    layout->addLayout(widgets::rightAlignedRow({btnOK, btnCancel}));
    connect(btnOK, &QPushButton::clicked, this, &TQueryRmForm::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TQueryRmForm::accept() {
    const std::optional<QDate> from = appointment::readPlanDate(edtFrom->text());
    const std::optional<QDate> to = appointment::readPlanDate(edtTo->text());
    if (!from || !to) {
        app::showInformation(appointment::kBadDate);
        (from ? edtTo : edtFrom)->setFocus();
        return;
    }
    appointment::PlanSearch search;
    search.name = edtName->text();
    search.from = *from;
    search.to = *to;
    search.stateIndex = cmbRmzt->currentIndex();
    search.persons = edtPersons->toPlainText();
    const Result<QString> clause = appointment::planSearchClause(dm_, search);
    if (!clause) {
        app::showFailure(clause.failure());
        return;
    }
    clause_ = *clause;
    QDialog::accept();
}

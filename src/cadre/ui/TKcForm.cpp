#include "cadre/ui/TKcForm.h"

#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/DayEntry.h"
#include "widgets/DialogParts.h"

namespace {

template <class W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QComboBox* pickBox(const char* name, const QStringList& items) {
    auto* box = named(new QComboBox, name);
    box->setEditable(true);
    box->addItem(QString());
    box->addItems(items);
    return box;
}

}  // namespace

TKcForm::TKcForm(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      lblTitle(named(new QLabel, "lblTitle")),
      edtKcName(named(new QLineEdit, "edtKcName")),
      cbKclb(pickBox("cbKclb", cadre::kInspectionCategories)),
      edtKcsj(named(new QLineEdit, "edtKcsj")),
      edtKczzmc(named(new QLineEdit, "edtKczzmc")),
      edtKcr(named(new QLineEdit, "edtKcr")),
      edtXrz(named(new QLineEdit, "edtXrz")),
      cbKcff(pickBox("cbKcff", cadre::kInspectionMethods)),
      cbKcjl(pickBox("cbKcjl", cadre::kInspectionConclusions)),
      memKcyj(named(new QPlainTextEdit, "memKcyj")),
      memKcbz(named(new QPlainTextEdit, "memKcbz")),
      memCpyj(named(new QPlainTextEdit, "memCpyj")),
      memKcyj2(named(new QPlainTextEdit, "memKcyj2")),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("保 存"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setObjectName(QStringLiteral("TKcForm"));
    setWindowTitle(QStringLiteral("考察考核记录"));
    cbKclb->setEditable(false);
    QFont heading = lblTitle->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    heading.setBold(true);
    lblTitle->setFont(heading);
    lblTitle->setAlignment(Qt::AlignCenter);
    edtKcsj->setPlaceholderText(QStringLiteral("yyyy-mm-dd"));

    auto* grid = new QGridLayout;
    const auto pair = [grid](int row, int column, const QString& caption, QWidget* field,
                             int span = 1) {
        grid->addWidget(new QLabel(caption), row, column);
        grid->addWidget(field, row, column + 1, 1, span);
    };
    pair(0, 0, QStringLiteral("考察名称："), edtKcName, 3);
    pair(1, 0, QStringLiteral("考察类别"), cbKclb);
    pair(1, 2, QStringLiteral("考察时间"), edtKcsj);
    pair(2, 0, QStringLiteral("考察组织"), edtKczzmc);
    pair(2, 2, QStringLiteral("考察组成员"), edtKcr);
    pair(3, 0, QStringLiteral("职务"), edtXrz);
    pair(3, 2, QStringLiteral("考察方法"), cbKcff);
    pair(4, 0, QStringLiteral("考察结论"), cbKcjl);
    pair(5, 0, QStringLiteral("主要优点"), memKcyj, 3);
    pair(6, 0, QStringLiteral("存在不足"), memKcbz, 3);
    pair(7, 0, QStringLiteral("考察意见"), memCpyj, 3);
    pair(8, 0, QStringLiteral("备注"), memKcyj2, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addLayout(grid);
    layout->addLayout(widgets::rightAlignedRow({btnOK, btnCancel}));
    resize(680, 620);
    connect(btnOK, &QPushButton::clicked, this, &TKcForm::saveClicked);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TKcForm::showInspection(const cadre::Inspection& inspection, const QString& cadreName,
                             bool readOnly) {
    inspection_ = inspection;
    lblTitle->setText(cadreName.trimmed().isEmpty()
                          ? QStringLiteral("干部考察简要情况表")
                          : cadreName + QStringLiteral(" 干部考察简要情况表"));
    edtKcName->setText(inspection.name);
    cbKclb->setCurrentIndex(qMax(0, cbKclb->findText(inspection.category)));
    edtKcsj->setText(cadre::dayText(inspection.date));
    edtKczzmc->setText(inspection.body);
    edtKcr->setText(inspection.team);
    edtXrz->setText(inspection.post);
    cbKcff->setCurrentText(inspection.method);
    cbKcjl->setCurrentText(inspection.conclusion);
    memKcyj->setPlainText(inspection.strengths);
    memKcbz->setPlainText(inspection.shortcomings);
    memCpyj->setPlainText(inspection.opinion);
    memKcyj2->setPlainText(inspection.remark);
    btnOK->setEnabled(!readOnly);
}

void TKcForm::saveClicked() {
    const std::optional<QDate> date = cadre::readDayEntry(edtKcsj->text());
    if (!date) {
        app::showInformation(cadre::kBadDayEntry);
        return;
    }
    cadre::Inspection inspection = inspection_;
    inspection.name = edtKcName->text();
    inspection.category = cbKclb->currentText();
    inspection.date = *date;
    inspection.body = edtKczzmc->text();
    inspection.team = edtKcr->text();
    inspection.post = edtXrz->text();
    inspection.method = cbKcff->currentText();
    inspection.conclusion = cbKcjl->currentText();
    inspection.strengths = memKcyj->toPlainText();
    inspection.shortcomings = memKcbz->toPlainText();
    inspection.opinion = memCpyj->toPlainText();
    inspection.remark = memKcyj2->toPlainText();
    const Result<int> saved = cadre::saveInspection(dm_.db(), inspection);
    if (!saved) {
        app::showFailure(saved.failure());
        return;
    }
    savedId_ = *saved;
    accept();
}

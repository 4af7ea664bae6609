#include "cadre/ui/TFamilyForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/MessageService.h"
#include "cadre/CadreRecord.h"
#include "widgets/DialogParts.h"
#include "widgets/MonthEntryBox.h"

TFamilyForm::TFamilyForm(TDataM& dm, const QStringList& relations, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      cbCw(new QComboBox),
      edtXm(new QLineEdit),
      edtCssj(new QLineEdit),
      cbZzmm(new QComboBox),
      edtDw(new QLineEdit),
      chkContinue(new QCheckBox(QStringLiteral("连续添加"))),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("确 定"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setObjectName(QStringLiteral("TFamilyForm"));
    setWindowTitle(QStringLiteral("家庭成员信息"));
    cbCw->setObjectName(QStringLiteral("cbCw"));
    edtXm->setObjectName(QStringLiteral("edtXm"));
    edtCssj->setObjectName(QStringLiteral("edtCssj"));
    cbZzmm->setObjectName(QStringLiteral("cbZzmm"));
    edtDw->setObjectName(QStringLiteral("edtDw"));
    chkContinue->setObjectName(QStringLiteral("chkContinue"));
    cbCw->setEditable(true);
    cbCw->addItems(relations);
    cbZzmm->setEditable(true);
    cbZzmm->addItems(cadre::kPoliticalStatuses);
    edtXm->setMaxLength(50);
    widgets::limitToMonthEntry(edtCssj);
    edtCssj->setPlaceholderText(QStringLiteral("如 1965.03"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("称 谓"), cbCw);
    form->addRow(QStringLiteral("姓 名"), edtXm);
    form->addRow(QStringLiteral("出生年月"), edtCssj);
    form->addRow(QStringLiteral("政治面貌"), cbZzmm);
    form->addRow(QStringLiteral("工作单位及职务"), edtDw);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(chkContinue);
    layout->addLayout(widgets::rightAlignedRow({btnOK, btnCancel}));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TFamilyForm::confirmClicked);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFamilyForm::startNew(int cadreId) {
    cadre::FamilyMember member;
    member.cadreId = cadreId;
    show(member);
    chkContinue->setVisible(true);
}

void TFamilyForm::edit(const cadre::FamilyMember& member, bool readOnly) {
    show(member);
    btnOK->setEnabled(!readOnly);
    chkContinue->setChecked(false);
    chkContinue->setVisible(false);
}

void TFamilyForm::show(const cadre::FamilyMember& member) {
    member_ = member;
    cbCw->setCurrentText(member.relation);
    edtXm->setText(member.name);
    edtCssj->setText(member.birthMonth);
    cbZzmm->setCurrentText(member.party);
    edtDw->setText(member.workplace);
    edtXm->setFocus();
}

void TFamilyForm::confirmClicked() {
    cadre::FamilyMember member = member_;
    member.relation = cbCw->currentText();
    member.name = edtXm->text();
    member.birthMonth = edtCssj->text();
    member.party = cbZzmm->currentText();
    member.workplace = edtDw->text();
    const Result<int> saved = cadre::saveFamilyMember(dm_, member);
    if (!saved) {
        app::showFailure(saved.failure());
        return;
    }
    savedId_ = *saved;
    if (member.familyId == 0 && chkContinue->isChecked()) {
        startNew(member.cadreId);
        return;
    }
    accept();
}

#include "cadre/ui/TDelCadreForm.h"

#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/MessageService.h"
#include "cadre/PostEnding.h"
#include "text/MonthText.h"
#include "widgets/DialogParts.h"
#include "widgets/MonthEntryBox.h"

TDelCadreForm::TDelCadreForm(const QString& cadreName, QWidget* parent)
    : QDialog(parent),
      lblCadre(new QLabel(QStringLiteral("确认删除干部信息：") + cadreName)),
      lblNote(new QLabel(QStringLiteral("注意，如需保留保留任职记录，请先“免除职务”。"))),
      rbRemoveWithDate(new QRadioButton(QStringLiteral("免职并从单位中移除,免职时间"))),
      edtRemovalDate(new QLineEdit),
      rbRemoveDeletePosts(
          new QRadioButton(QStringLiteral("从当前单位中移除，并删除任职信息（干部信息保留）"))),
      rbDeleteAll(new QRadioButton(QStringLiteral("完全删除"))),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("确 定"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setObjectName(QStringLiteral("TDelCadreForm"));
    setWindowTitle(QStringLiteral("干部信息删除?"));
    lblCadre->setObjectName(QStringLiteral("lblCadre"));
    lblNote->setObjectName(QStringLiteral("lblNote"));
    rbRemoveWithDate->setObjectName(QStringLiteral("rbRemoveWithDate"));
    edtRemovalDate->setObjectName(QStringLiteral("edtRemovalDate"));
    rbRemoveDeletePosts->setObjectName(QStringLiteral("rbRemoveDeletePosts"));
    rbDeleteAll->setObjectName(QStringLiteral("rbDeleteAll"));

    edtRemovalDate->setText(QDate::currentDate().toString(QStringLiteral("yyyy.MM")));
    edtRemovalDate->setPlaceholderText(QStringLiteral("年.月"));
    edtRemovalDate->setMaxLength(10);
    widgets::limitToMonthEntry(edtRemovalDate);
    rbRemoveWithDate->setChecked(true);
    connect(rbRemoveWithDate, &QRadioButton::toggled, edtRemovalDate, &QWidget::setEnabled);

    auto* group = new QGroupBox(QStringLiteral(" 删除方式 "));
    group->setObjectName(QStringLiteral("grpWay"));
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(rbRemoveWithDate);
    dateRow->addWidget(edtRemovalDate);
    dateRow->addStretch();
    auto* choices = new QVBoxLayout(group);
    choices->addLayout(dateRow);
    choices->addWidget(rbRemoveDeletePosts);
    choices->addWidget(rbDeleteAll);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblCadre);
    layout->addWidget(lblNote);
    layout->addWidget(group);
    layout->addLayout(widgets::rightAlignedRow({btnOK, btnCancel}));

    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TDelCadreForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TDelCadreForm::btnOKClick() {
    if (way() == cadre::RemovalWay::RemoveWithRemovalDate &&
        !text::readMonthEntry(edtRemovalDate->text())) {
        app::showInformation(cadre::kBadRemovalMonth);
        edtRemovalDate->setFocus();
        return;
    }
    accept();
}

cadre::RemovalWay TDelCadreForm::way() const {
    if (rbDeleteAll->isChecked()) {
        return cadre::RemovalWay::DeleteCompletely;
    }
    if (rbRemoveDeletePosts->isChecked()) {
        return cadre::RemovalWay::RemoveAndDeletePosts;
    }
    return cadre::RemovalWay::RemoveWithRemovalDate;
}

QString TDelCadreForm::removalMonthText() const {
    return edtRemovalDate->text();
}

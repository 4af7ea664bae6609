#include "main/ui/TGbMoveInForm.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/MessageService.h"
#include "main/CadreList.h"
#include "text/MonthText.h"
#include "widgets/DialogParts.h"
#include "widgets/MonthEntryBox.h"

namespace {

QLabel* strong(const QString& text, const char* name) {
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

TGbMoveInForm::TGbMoveInForm(const QString& cadreName, const QString& targetUnit,
                             const QString& postName, const QString& currentUnit, QWidget* parent)
    : QDialog(parent),
      edtMonth(new QLineEdit),
      edtPost(new QLineEdit(postName)),
      chkLeave(new QCheckBox(QStringLiteral("是的，从原单位") + currentUnit +
                             QStringLiteral("中删除"))) {
    setObjectName(QStringLiteral("TGbMoveInForm"));
    setWindowTitle(QStringLiteral("干部调入"));
    edtMonth->setObjectName(QStringLiteral("edtMonth"));
    edtMonth->setPlaceholderText(QStringLiteral("年.月"));
    widgets::limitToMonthEntry(edtMonth);
    edtPost->setObjectName(QStringLiteral("edtPost"));
    chkLeave->setObjectName(QStringLiteral("chkLeave"));

    auto* sentence = new QHBoxLayout;
    sentence->addWidget(new QLabel(QStringLiteral("确定将")));
    sentence->addWidget(strong(cadreName, "lblName"));
    sentence->addWidget(new QLabel(QStringLiteral("同志")));
    sentence->addWidget(new QLabel(QStringLiteral("调入")));
    sentence->addWidget(strong(targetUnit, "lblTarget"));
    sentence->addStretch();
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("职务任免时间"), edtMonth);
    fields->addRow(QStringLiteral("调动后职务名称"), edtPost);
    QPushButton* ok = widgets::namedButton("btnOK", QStringLiteral("确 定"));
    QPushButton* cancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sentence);
    layout->addLayout(fields);
    layout->addWidget(chkLeave);
    layout->addLayout(widgets::rightAlignedRow({ok, cancel}));
    connect(ok, &QPushButton::clicked, this, &TGbMoveInForm::okClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TGbMoveInForm::okClick() {
    if (!text::readMonthEntry(edtMonth->text())) {
        app::showInformation(mainwin::kBadTransferMonth);
        edtMonth->setFocus();
        return;
    }
    accept();
}

QString TGbMoveInForm::monthText() const {
    return edtMonth->text().trimmed();
}

QString TGbMoveInForm::postName() const {
    return edtPost->text();
}

bool TGbMoveInForm::leaveOldUnit() const {
    return chkLeave->isChecked();
}

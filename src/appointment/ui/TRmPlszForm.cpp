#include "appointment/ui/TRmPlszForm.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/DialogParts.h"

TRmPlszForm::TRmPlszForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("RmPlszForm"));
    setWindowTitle(QStringLiteral("批量设置"));
    const auto box = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        return edit;
    };
    edCbdw_ = box("edCbdw");
    edCbyj_ = box("edCbyj");
    edSpyj_ = box("edSpyj");
    edRmyj_ = box("edRmyj");
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("呈报单位名称："), edCbdw_);
    form->addRow(QStringLiteral("呈报单位意见："), edCbyj_);
    form->addRow(QStringLiteral("审批机关意见："), edSpyj_);
    form->addRow(QStringLiteral("行政机关意见："), edRmyj_);
    QPushButton* ok = widgets::namedButton("btnOk", QStringLiteral("确 定"));
    QPushButton* cancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("您可以批量输入任免表中的相同项。"), this));
    layout->addLayout(form);
    layout->addLayout(widgets::rightAlignedRow({ok, cancel}));
}

appointment::CommonOpinions TRmPlszForm::opinions() const {
    return {edCbdw_->text().trimmed(), edCbyj_->text().trimmed(), edSpyj_->text().trimmed(),
            edRmyj_->text().trimmed()};
}

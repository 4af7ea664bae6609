#include "cadre/ui/TMdForm.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/DialogParts.h"

TMdForm::TMdForm(QWidget* parent) : QDialog(parent), memNames(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("TMdForm"));
    setWindowTitle(QStringLiteral("输入名单"));
    memNames->setObjectName(QStringLiteral("memNames"));
    QPushButton* ok = widgets::namedButton("btnOK", QStringLiteral("确 定"));
    QPushButton* cancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("请输入干部姓名，每行一人："), this));
    layout->addWidget(memNames, 1);
    layout->addLayout(widgets::rightAlignedRow({ok, cancel}));
    resize(320, 400);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TMdForm::names() const {
    return memNames->toPlainText();
}

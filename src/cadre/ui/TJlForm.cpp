#include "cadre/ui/TJlForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "widgets/DialogParts.h"

TJlForm::TJlForm(const QString& storedResume, const QString& newResume, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("JlForm"));
    setWindowTitle(QStringLiteral("简历对比"));
    memoOld = new QPlainTextEdit(storedResume, this);
    memoOld->setObjectName(QStringLiteral("memoOld"));
    memoOld->setReadOnly(true);
    memoNew = new QPlainTextEdit(newResume, this);
    memoNew->setObjectName(QStringLiteral("memoNew"));
    for (QPlainTextEdit* memo : {memoOld, memoNew}) {
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    }
    QPushButton* btnClose = widgets::namedButton("btnClose", QStringLiteral("关 闭"));
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("原值（基本信息库）"), this), 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("新值（任免表中）"), this), 0, 1);
    layout->addWidget(memoOld, 1, 0);
    layout->addWidget(memoNew, 1, 1);
    layout->addLayout(widgets::rightAlignedRow({btnClose}), 2, 0, 1, 2);
    resize(820, 480);
}

QString TJlForm::newResume() const {
    return memoNew->toPlainText();
}

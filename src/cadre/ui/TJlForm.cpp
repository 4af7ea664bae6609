#include "cadre/ui/TJlForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/DialogParts.h"

namespace {

QPlainTextEdit* resumeBox(const char* objectName, const QString& text) {
    auto* box = new QPlainTextEdit(text);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    return box;
}

}  // namespace

TJlForm::TJlForm(const QString& stored, const QString& fromForm, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TJlForm"));
    setWindowTitle(QStringLiteral("简历对比"));
    resize(1000, 600);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("原值（基本信息库）")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("新值（任免表中）")), 0, 1);
    grid->addWidget(resumeBox("memoOld", stored), 1, 0);
    grid->addWidget(resumeBox("memoNew", fromForm), 1, 1);
    QPushButton* close = widgets::namedButton("btnClose", QStringLiteral("关 闭"));
    close->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(widgets::rightAlignedRow({close}));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

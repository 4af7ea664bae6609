#include "cadre/ui/TMdForm.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "cadre/NameList.h"
#include "widgets/DialogParts.h"

TMdForm::TMdForm(QWidget* parent) : QDialog(parent), memNames(new QPlainTextEdit) {
    setObjectName(QStringLiteral("TMdForm"));
    setWindowTitle(QStringLiteral("名单"));
    memNames->setObjectName(QStringLiteral("memNames"));
    QPushButton* tidy = widgets::namedButton("btnTidy", QStringLiteral("格式整理"));
    QPushButton* ok = widgets::namedButton("btnOK", QStringLiteral("确定"));
    QPushButton* cancel = widgets::namedButton("btnCancel", QStringLiteral("取消"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("请将名单粘贴到下面窗口，姓名以逗号、顿号、换行区分：")));
    layout->addWidget(memNames, 1);
    layout->addLayout(widgets::rightAlignedRow({tidy, ok, cancel}));
    resize(360, 420);
    connect(tidy, &QPushButton::clicked, this,
            [this] { memNames->setPlainText(cadre::tidyNameList(memNames->toPlainText())); });
    connect(ok, &QPushButton::clicked, this, [this] {
        inList_ = cadre::nameInList(memNames->toPlainText());
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TMdForm::names() const {
    return memNames->toPlainText();
}

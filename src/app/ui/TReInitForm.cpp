#include "app/ui/TReInitForm.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "exchange/DatabaseBackup.h"
#include "schema/Reinitialise.h"

TReInitForm::TReInitForm(TDataM& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setObjectName(QStringLiteral("ReInitForm"));
    setWindowTitle(QStringLiteral("初始化确认"));
    cbConfirm = new QCheckBox(QStringLiteral("确认初始化"));
    cbConfirm->setObjectName(QStringLiteral("cbConfirm"));
    btnOk = new QPushButton(QStringLiteral("确 定"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setEnabled(false);
    btnCancel = new QPushButton(QStringLiteral("取 消"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(cbConfirm, &QCheckBox::toggled, btnOk, &QPushButton::setEnabled);
    connect(btnOk, &QPushButton::clicked, this, &TReInitForm::reinitialise);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("注意：为了防止错误的初始化导致信息丢失，")));
    layout->addWidget(new QLabel(QStringLiteral("请选中“确认初始化”，再点击确定。")));
    layout->addWidget(cbConfirm);
    layout->addLayout(buttons);
}

// The deleted database is kept beside the copies a restore keeps.
void TReInitForm::reinitialise() {
    const QString kept = exchange::keptCopyPath(
        QDir(dm_.AppDir).filePath(exchange::kKeptCopiesFolder), QDateTime::currentDateTime());
    if (const Result<void> done = schema::reinitialiseDatabase(dm_.db(), kept); !done) {
        app::showFailure(done.failure());
        return;
    }
    app::showInformation(schema::kReinitialised);
    accept();
}

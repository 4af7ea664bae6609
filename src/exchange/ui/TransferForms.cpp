#include "exchange/ui/TransferForms.h"

#include <QDateTime>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "exchange/DataTransfer.h"
#include "exchange/DatabaseBackup.h"
#include "widgets/DialogParts.h"

TransferFormBase::TransferFormBase(TDataM& dm, QWidget* parent, const QString& caption)
    : QDialog(parent),
      dm_(dm),
      edtPath(new QLineEdit(this)),
      btnBrowse(widgets::namedButton("btnBrowse", QStringLiteral("浏  览"))),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("确 定"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setWindowTitle(caption);
    edtPath->setObjectName(QStringLiteral("edtPath"));
    connect(btnBrowse, &QPushButton::clicked, this, &TransferFormBase::browse);
    connect(btnOK, &QPushButton::clicked, this, [this] { run(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TransferFormBase::build(const QStringList& lines, const QString& fileLabel) {
    auto* layout = new QVBoxLayout(this);
    for (const QString& line : lines) {
        auto* label = new QLabel(line, this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addWidget(new QLabel(fileLabel, this));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(edtPath, 1);
    fileRow->addWidget(btnBrowse);
    layout->addLayout(fileRow);
    layout->addLayout(widgets::rightAlignedRow({btnOK, btnCancel}));
    resize(520, sizeHint().height());
}

QString TransferFormBase::filePath() const {
    return edtPath->text().trimmed();
}

void TransferFormBase::browse() {
    const QString chosen =
        chooseFile_(this, windowTitle(), filePath(), exchange::kSingleFileFilter);
    if (!chosen.isEmpty()) {
        edtPath->setText(QDir::toNativeSeparators(chosen));
    }
}

TAccessToSQLForm::TAccessToSQLForm(TDataM& dm, QWidget* parent)
    : TransferFormBase(dm, parent, exchange::kRestoreFromSingleCaption) {
    setObjectName(QStringLiteral("TAccessToSQLForm"));
    chooseFile_ = exchange::openFileDialog();
    build({exchange::kRestoreWarning}, exchange::kChooseSourceLabel);
}

void TAccessToSQLForm::run() {
    if (filePath().isEmpty()) {
        app::showInformation(exchange::kNoSourceChosen);
        return;
    }
    const QString kept = exchange::keptCopyPath(
        QDir(dm_.AppDir).filePath(exchange::kKeptCopiesFolder), QDateTime::currentDateTime());
    const Result<void> restored =
        exchange::restoreFromSingleFile(dm_.db(), QDir::fromNativeSeparators(filePath()), kept);
    if (!restored) {
        app::showFailure(restored.failure());
        return;
    }
    accept();
}

TSQLToAccessForm::TSQLToAccessForm(TDataM& dm, QWidget* parent)
    : TransferFormBase(dm, parent, exchange::kExportToSingleCaption) {
    setObjectName(QStringLiteral("TSQLToAccessForm"));
    chooseFile_ = exchange::saveFileDialog();
    build({exchange::kExportHint}, exchange::kChooseTargetLabel);
}

void TSQLToAccessForm::run() {
    if (filePath().isEmpty()) {
        app::showInformation(exchange::kNoTargetChosen);
        return;
    }
    const Result<void> exported =
        exchange::exportToSingleFile(dm_.db(), QDir(dm_.DbDir).filePath(QStringLiteral("Empty.db")),
                                     QDir::fromNativeSeparators(filePath()));
    if (!exported) {
        app::showFailure(exported.failure());
        return;
    }
    app::showInformation(exchange::kTransferDone);
    accept();
}

#include "exchange/ui/TAccessImportForm.h"

#include <QDateTime>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"
#include "exchange/AccessImport.h"
#include "exchange/DatabaseBackup.h"
#include "widgets/DialogParts.h"

namespace {

const QString kHint = QStringLiteral(
    "将早期版本的Access工作数据库或备份文件导入为当前数据库。导入前当前数据库将保留一份备份，"
    "导入完成后软件将重启。");
const QString kFileLabel = QStringLiteral("Access数据库文件：");
const QString kNoFileChosen = QStringLiteral("请选择要导入的Access数据库文件！");
const QString kAskImport = QStringLiteral("导入Access数据库会替换当前的所有数据，是否继续？");
const QString kImporting = QStringLiteral("正在导入Access数据库...");
const QString kClose = QStringLiteral("关  闭");

}  // namespace

TAccessImportForm::TAccessImportForm(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      chooseFile_(exchange::openFileDialog()),
      openSource_(exchange::openAccessSource),
      edtPath(new QLineEdit(this)),
      btnBrowse(widgets::namedButton("btnBrowse", QStringLiteral("浏  览"))),
      memReport(new QPlainTextEdit(this)),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("确 定"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setObjectName(QStringLiteral("TAccessImportForm"));
    setWindowTitle(exchange::kImportAccessCaption);
    edtPath->setObjectName(QStringLiteral("edtPath"));
    memReport->setObjectName(QStringLiteral("memReport"));
    memReport->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(kHint, this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addWidget(new QLabel(kFileLabel, this));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(edtPath, 1);
    fileRow->addWidget(btnBrowse);
    layout->addLayout(fileRow);
    layout->addWidget(memReport, 1);
    layout->addLayout(widgets::rightAlignedRow({btnOK, btnCancel}));
    resize(560, 420);
    connect(btnBrowse, &QPushButton::clicked, this, &TAccessImportForm::browse);
    connect(btnOK, &QPushButton::clicked, this, &TAccessImportForm::run);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TAccessImportForm::filePath() const {
    return edtPath->text().trimmed();
}

void TAccessImportForm::browse() {
    const QString chosen = chooseFile_(this, windowTitle(), filePath(), exchange::kAccessFilter);
    if (!chosen.isEmpty()) {
        edtPath->setText(QDir::toNativeSeparators(chosen));
    }
}

void TAccessImportForm::run() {
    if (filePath().isEmpty()) {
        app::showInformation(kNoFileChosen);
        return;
    }
    if (!app::confirmAction(kAskImport)) {
        return;
    }
    const QString kept = exchange::keptCopyPath(
        QDir(dm_.AppDir).filePath(exchange::kKeptCopiesFolder), QDateTime::currentDateTime());
    const Result<exchange::AccessImportReport> report =
        [&]() -> Result<exchange::AccessImportReport> {
        const app::ProgressScope wait(kImporting);
        Result<std::unique_ptr<exchange::TableSource>> source =
            openSource_(QDir::fromNativeSeparators(filePath()));
        if (!source) {
            return source.failure();
        }
        return exchange::replaceWorkingDatabase(
            dm_.db(), **source, QDir(dm_.DbDir).filePath(QStringLiteral("Empty.db")), kept);
    }();
    if (!report) {
        app::showFailure(report.failure());
        return;
    }
    memReport->setPlainText(report->text());
    edtPath->setEnabled(false);
    btnBrowse->setEnabled(false);
    btnOK->setEnabled(false);
    btnCancel->setText(kClose);
    disconnect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::accept);
}

#include "exchange/ui/DatabaseCommands.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"
#include "app/ui/TReInitForm.h"
#include "exchange/AccessImport.h"
#include "exchange/DatabaseBackup.h"
#include "exchange/ui/TAccessImportForm.h"
#include "exchange/ui/TPDAForm.h"
#include "exchange/ui/TransferForms.h"

namespace {

const QString kBackupRight = QStringLiteral("DBBACKUP");
const QString kRestoreRight = QStringLiteral("DBRESTORE");
const QString kHandheldRight = QStringLiteral("PDA");
const QString kBackingUp = QStringLiteral("正在备份数据库...");
const QString kRestoring = QStringLiteral("正在恢复数据库...");
const QString kCompacting = QStringLiteral("正在整理数据库...");

}  // namespace

DatabaseCommands::DatabaseCommands(TDataM& dm, QWidget* window)
    : QObject(window),
      dm_(dm),
      window_(window),
      chooseOpen_(exchange::openFileDialog()),
      chooseSave_(exchange::saveFileDialog()) {}

void DatabaseCommands::backup() {
    if (!admin::HasRight(dm_, kBackupRight) || !app::confirmAction(exchange::kAskManualBackup)) {
        return;
    }
    const QString proposal =
        QDir(dm_.AppDir)
            .filePath(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")) +
                      QStringLiteral("干部数据库备份") + exchange::kBackupExtension);
    QString target =
        chooseSave_(window_, QStringLiteral("数据库备份"), proposal, exchange::kBackupFilter);
    if (target.isEmpty()) {
        return;
    }
    if (QFileInfo(target).suffix().isEmpty()) {
        target += exchange::kBackupExtension;
    }
    const Result<void> written = [&] {
        const app::ProgressScope wait(kBackingUp);
        return exchange::backupDatabase(dm_.db(), target);
    }();
    if (!written) {
        app::showFailure(written.failure());
        return;
    }
    app::showInformation(exchange::kBackupDone);
}

void DatabaseCommands::restore() {
    if (!admin::HasRight(dm_, kRestoreRight) || !app::confirmAction(exchange::kAskRestore)) {
        return;
    }
    const QString source =
        chooseOpen_(window_, QStringLiteral("数据库恢复"), dm_.AppDir, exchange::kBackupFilter);
    if (source.isEmpty()) {
        return;
    }
    const QString kept = exchange::keptCopyPath(
        QDir(dm_.AppDir).filePath(exchange::kKeptCopiesFolder), QDateTime::currentDateTime());
    const Result<QString> restored = [&] {
        const app::ProgressScope wait(kRestoring);
        return exchange::restoreDatabase(dm_.db(), source, kept);
    }();
    if (!restored) {
        app::showFailure(restored.failure());
        return;
    }
    app::showInformation(exchange::kRestoreDone);
    Q_EMIT restartRequested();
}

void DatabaseCommands::compact() {
    if (!app::confirmAction(exchange::kAskCompact)) {
        return;
    }
    const Result<void> compacted = [&] {
        const app::ProgressScope wait(kCompacting);
        return exchange::compactDatabase(dm_.db());
    }();
    if (!compacted) {
        app::showFailure(compacted.failure());
        return;
    }
    app::showInformation(exchange::kCompactDone);
    Q_EMIT restartRequested();
}

void DatabaseCommands::restoreFromSingleFile() {
    if (!admin::HasRight(dm_, kRestoreRight)) {
        return;
    }
    TAccessToSQLForm form(dm_, window_);
    form.setFileChooser(chooseOpen_);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    app::showInformation(exchange::kRestoreDone);
    Q_EMIT restartRequested();
}

void DatabaseCommands::importAccessDatabase() {
    if (!admin::HasRight(dm_, kRestoreRight)) {
        return;
    }
    TAccessImportForm form(dm_, window_);
    form.setFileChooser(chooseOpen_);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    app::showInformation(exchange::kImportDone);
    Q_EMIT restartRequested();
}

void DatabaseCommands::reinitialise() {
    if (!admin::HasRight(dm_, kRestoreRight)) {
        return;
    }
    TReInitForm form(dm_, window_);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    Q_EMIT restartRequested();
}

void DatabaseCommands::exportToSingleFile() {
    if (!admin::HasRight(dm_, kBackupRight)) {
        return;
    }
    TSQLToAccessForm form(dm_, window_);
    form.setFileChooser(chooseSave_);
    form.exec();
}

void DatabaseCommands::exportToHandheld() {
    if (!admin::HasRight(dm_, kHandheldRight)) {
        return;
    }
    TPDAForm form(dm_, window_);
    form.setFileChooser(chooseSave_);
    form.exec();
}

#include "settings/ExportFolder.h"

#include <QDir>
#include <QFileInfo>

#include "app/DataModule.h"

namespace settings {

namespace {

QString resolved(const TDataM& dm, const QString& folder) {
    return QDir::cleanPath(
        QDir(dm.AppDir).absoluteFilePath(folder.isEmpty() ? QStringLiteral("TEMP") : folder));
}

}  // namespace

QString exportFolder(const TDataM& dm) {
    return resolved(dm, dm.GetSetting(kExportFolderSetting).trimmed());
}

Result<void> setExportFolder(TDataM& dm, const QString& folder) {
    const QString typed = folder.trimmed();
    const QString path = resolved(dm, typed);
    if (!QDir().mkpath(path) || !QFileInfo(path).isDir()) {
        return Failure{kExportFolderMissing + QDir::toNativeSeparators(path), {}};
    }
    dm.PutSetting(kExportFolderSetting, typed);
    return {};
}

}  // namespace settings

#pragma once

#include <QString>

#include "db/Result.h"

class TDataM;

// The folder that exports and batch outputs propose for their files: a machine setting, since
// it names a place on this computer.
namespace settings {

inline const QString kExportFolderSetting = QStringLiteral("导出目录");
inline const QString kExportFolderMissing = QStringLiteral("无法创建导出目录：");

// The setting (relative to the data folder when not absolute), else the data folder's TEMP.
QString exportFolder(const TDataM& dm);

// Stores `folder` after making sure it exists (created when missing); an empty text goes back
// to the default. Refused, and nothing stored, when the folder cannot be created.
Result<void> setExportFolder(TDataM& dm, const QString& folder);

}  // namespace settings

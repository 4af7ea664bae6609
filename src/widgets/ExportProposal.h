#pragma once

#include <QString>

// Where the save dialogs of exports and printouts start: the export folder chosen in
// "导出目录设置", set by the main window for the whole session.
namespace widgets {

void setExportFolder(const QString& folder);

// `name` in the export folder; an absolute name, or any name while no folder is set, as it is.
QString proposedExportPath(const QString& name);

}  // namespace widgets

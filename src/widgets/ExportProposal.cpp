#include "widgets/ExportProposal.h"

#include <QDir>
#include <QFileInfo>

namespace widgets {

namespace {

// The one folder of the session; the save dialogs are modal and run on the GUI thread only.
QString& folderOfSession() {
    static QString folder;
    return folder;
}

}  // namespace

void setExportFolder(const QString& folder) {
    folderOfSession() = folder;
}

QString proposedExportPath(const QString& name) {
    const QString& folder = folderOfSession();
    if (folder.isEmpty() || QFileInfo(name).isAbsolute()) {
        return name;
    }
    return QDir(folder).filePath(name);
}

}  // namespace widgets

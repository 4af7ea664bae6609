#include "app/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace app {

QString appDir() {
    QString dir = qEnvironmentVariable("CADRE_HOME");
    if (dir.isEmpty()) {
        const QString programDir = QCoreApplication::applicationDirPath();
        if (QDir(programDir).exists(QStringLiteral("Db"))) {
            dir = programDir;
        } else {
            dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        }
    }
    dir = QDir::cleanPath(QDir(dir).absolutePath());
    return dir.endsWith(u'/') ? dir : dir + u'/';
}

QString dbDir() {
    return appDir() + QStringLiteral("Db/");
}

}  // namespace app

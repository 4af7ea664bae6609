#include "app/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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

void seedTemplates(const QString& dataDir, const QString& programDir) {
    const QDir source(QDir(programDir).filePath(QStringLiteral("Db")));
    const QDir target(QDir(dataDir).filePath(QStringLiteral("Db")));
    if (source == target) {
        return;
    }
    for (const QString& name : {QStringLiteral("Empty.db"), QStringLiteral("Send.db")}) {
        if (!target.exists(name) && source.exists(name) && QDir().mkpath(target.path())) {
            QFile::copy(source.filePath(name), target.filePath(name));
        }
    }
}

}  // namespace app

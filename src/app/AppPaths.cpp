#include "app/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef CADRE_SHARED_DATA
#error "CADRE_SHARED_DATA is set by the build: the installed data folder relative to the program"
#endif

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

QString installedTemplates(const QString& programDir) {
    const QDir program(programDir);
    QString dir =
        program.exists(QStringLiteral("Db"))
            ? program.absolutePath()
            : QDir::cleanPath(program.absoluteFilePath(QStringLiteral(CADRE_SHARED_DATA)));
    return dir.endsWith(u'/') ? dir : dir + u'/';
}

namespace {

// Copies each of `names` from `folder` below the installed templates into the same folder below
// the data folder, where it is missing.
void seedFolder(const QString& dataDir, const QString& templateDir, const QString& folder,
                const QStringList& names) {
    const QDir source(QDir(templateDir).filePath(folder));
    const QDir target(QDir(dataDir).filePath(folder));
    if (source == target || !source.exists()) {
        return;
    }
    for (const QString& name : names) {
        if (!target.exists(name) && source.exists(name) && QDir().mkpath(target.path())) {
            QFile::copy(source.filePath(name), target.filePath(name));
        }
    }
}

}  // namespace

void seedTemplates(const QString& dataDir, const QString& templateDir) {
    seedFolder(dataDir, templateDir, QStringLiteral("Db"),
               {QStringLiteral("Empty.db"), QStringLiteral("Send.db")});
    for (const QString& folder : QStringList{kWordTemplates, kWordTemplates + kFactoryTemplates}) {
        const QStringList documents = QDir(QDir(templateDir).filePath(folder))
                                          .entryList({QStringLiteral("*.docx")}, QDir::Files);
        seedFolder(dataDir, templateDir, folder, documents);
    }
}

Result<QString> wordTemplate(const QString& fileName) {
    const QDir data(appDir());
    for (const QString& folder : QStringList{kWordTemplates, kWordTemplates + kFactoryTemplates}) {
        const QString path = data.filePath(folder + fileName);
        if (QFileInfo::exists(path)) {
            return path;
        }
    }
    return Failure{kTemplateMissing, {}};
}

}  // namespace app

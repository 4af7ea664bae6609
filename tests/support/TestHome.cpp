#include "support/TestHome.h"

#include <QDir>
#include <QFile>

#include "app/AppPaths.h"

TestHome::TestHome()
    : previousHome_(qgetenv("CADRE_HOME")), hadHome_(qEnvironmentVariableIsSet("CADRE_HOME")) {
    QDir(dir_.path()).mkpath(QStringLiteral("Db"));
    // The built program's folder holds the templates (Db/, Word模板/) a data folder is seeded from.
    QDir programDir(templateDir());
    programDir.cdUp();
    app::seedTemplates(dir_.path(), programDir.path());
    qputenv("CADRE_HOME", dir_.path().toUtf8());
}

TestHome::~TestHome() {
    if (hadHome_) {
        qputenv("CADRE_HOME", previousHome_);
    } else {
        qunsetenv("CADRE_HOME");
    }
}

QString TestHome::dbDir() const {
    return QDir(dir_.path()).filePath(QStringLiteral("Db"));
}

QString TestHome::makeWorkingDatabase() const {
    const QString target = QDir(dbDir()).filePath(QStringLiteral("Cadre.db"));
    QFile::copy(QDir(dbDir()).filePath(QStringLiteral("Empty.db")), target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

QString TestHome::templateDir() {
    return QStringLiteral(CADRE_TEMPLATE_DIR);
}

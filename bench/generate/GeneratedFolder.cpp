#include "generate/GeneratedFolder.h"

#include <QCoreApplication>
#include <QDir>

#include "app/DataModule.h"
#include "db/Database.h"
#include "generate/SyntheticData.h"

namespace synth {

GeneratedFolder::GeneratedFolder(int cadres) {
    QDir(dir.path()).mkpath(QStringLiteral("Db"));
    const QString file = dir.filePath(QStringLiteral("Db/Cadre.db"));
    Options options;
    options.cadres = cadres;
    QString error;
    if (!generateDatabase(
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Db/Empty.db")),
            file, options, nullptr, &error)) {
        qFatal("%s", qPrintable(error));
    }
    dm = std::make_unique<TDataM>(dir.path());
    if (!dm->db().open(file)) {
        qFatal("%s", qPrintable(dm->db().lastError()));
    }
}

GeneratedFolder::~GeneratedFolder() = default;

}  // namespace synth

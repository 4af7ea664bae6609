#include "schema/Reinitialise.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "db/Database.h"

namespace schema {

Result<void> reinitialiseDatabase(db::Database& working, const QString& keptCopy) {
    const QString file = working.path();
    if (!QDir().mkpath(QFileInfo(keptCopy).absolutePath()) || !working.backupTo(keptCopy)) {
        return Failure{kKeepCopyFailed + QDir::toNativeSeparators(keptCopy), working.lastError()};
    }
    working.close();
    QFile database(file);
    if (!database.remove()) {
        const QString reason = database.errorString();
        working.open(file);
        return Failure{kDeleteFailed + QDir::toNativeSeparators(file), reason};
    }
    return {};
}

}  // namespace schema

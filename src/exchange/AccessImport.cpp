#include "exchange/AccessImport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "app/Progress.h"
#include "db/Database.h"
#include "db/SqlStatement.h"
#include "exchange/AccessReader.h"
#include "exchange/DatabaseBackup.h"
#include "exchange/FileReplace.h"
#include "schema/FirstRunSetup.h"
#include "schema/SchemaUpgrade.h"
#include "schema/SchemaVersion.h"

namespace exchange {

namespace {

const QString kReading = QStringLiteral("正在导入数据表 %1...");
const QString kUpgradeBackupSuffix = QStringLiteral(".before-upgrade");

QString quotedName(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// The name in `names` equal to `name` but for case, or an empty text.
QString sameName(const QStringList& names, const QString& name) {
    const auto found = std::find_if(names.begin(), names.end(), [&](const QString& n) {
        return n.compare(name, Qt::CaseInsensitive) == 0;
    });
    return found == names.end() ? QString() : *found;
}

// The columns that an upgrade step still due at `version` adds to `table`: when the old table
// lacks them they are taken out of the new table again, so that the step adds them and fills
// them as it does for any database of that version.
QStringList columnsDueAfter(double version, const QString& table) {
    QStringList columns;
    for (const schema::UpgradeStep& step : schema::upgradeSteps()) {
        if (step.threshold <= version) {
            continue;
        }
        for (const schema::AddedColumn& added : step.columns) {
            if (added.table.compare(table, Qt::CaseInsensitive) == 0) {
                columns << added.column;
            }
        }
    }
    return columns;
}

// Whether an upgrade step brings `table`, so that the databases of older versions lack it.
bool broughtByUpgrade(const QString& table) {
    for (const schema::UpgradeStep& step : schema::upgradeSteps()) {
        if (step.copiedTables.contains(table, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

Result<TableImport> copyTable(TableSource& source, const SourceTable& from, db::Database& db,
                              const QString& table, double version) {
    TableImport taken{table, 0, {}};
    const QStringList ours = db.columns(table);
    QStringList targetColumns;
    std::vector<int> sourceIndexes;
    for (size_t i = 0; i < from.columns.size(); ++i) {
        const QString column = sameName(ours, from.columns[i].name);
        if (column.isEmpty()) {
            taken.leftOutColumns << from.columns[i].name;
        } else {
            targetColumns << column;
            sourceIndexes.push_back(static_cast<int>(i));
        }
    }
    if (!db.execNative(QStringLiteral("delete from ") + quotedName(table))) {
        return Failure{{}, db.lastError()};
    }
    if (!targetColumns.isEmpty()) {
        QStringList names;
        for (const QString& column : targetColumns) {
            names << quotedName(column);
        }
        const auto insert = db.prepareNative(
            QStringLiteral("insert into %1 (%2) values (%3)")
                .arg(quotedName(table), names.join(u','),
                     QStringList(targetColumns.size(), QStringLiteral("?")).join(u',')));
        if (!insert) {
            return Failure{{}, db.lastError()};
        }
        const Result<void> read = source.readRows(from.name, [&](const QVariantList& values) {
            insert->reset();
            for (size_t c = 0; c < sourceIndexes.size(); ++c) {
                if (!insert->bindValue(static_cast<int>(c) + 1, values[sourceIndexes[c]])) {
                    return Result<void>{Failure{{}, insert->errorText()}};
                }
            }
            if (insert->step() == db::SqlStatement::Step::Error) {
                return Result<void>{
                    Failure{QStringLiteral("%1 第%2行").arg(table).arg(taken.rows + 1),
                            insert->errorText()}};
            }
            ++taken.rows;
            return Result<void>{};
        });
        if (!read) {
            return read.failure();
        }
    }
    QStringList lacking;
    for (const QString& column : columnsDueAfter(version, table)) {
        if (!sameName(ours, column).isEmpty() && sameName(targetColumns, column).isEmpty()) {
            lacking << sameName(ours, column);
        }
    }
    schema::UpgradeRun run(db);
    if (Result<void> dropped = run.dropColumns(table, lacking); !dropped) {
        return dropped.failure();
    }
    return taken;
}

// Copies every table of `source` that the database `target` has, in one transaction; the
// columns that upgrade steps due at `version` add are left to them.
Result<AccessImportReport> copyTables(TableSource& source, db::Database& db, const QString& target,
                                      double version) {
    AccessImportReport report;
    report.fromVersion = version;
    db::Transaction transaction(db);
    const QStringList ours = db.tables();
    // The template carries the sample organisation. None of its cadres, units or their records
    // may stay beside the imported ones: a table of cadre or unit data that the old file lacks
    // starts empty, while code tables and settings keep the template's rows.
    for (const QString& table : schema::cadreAndUnitTables()) {
        const QString present = sameName(ours, table);
        if (!present.isEmpty() &&
            !db.execNative(QStringLiteral("delete from ") + quotedName(present))) {
            return Failure{{}, db.lastError()};
        }
    }
    for (const SourceTable& from : source.tables()) {
        const QString table = sameName(ours, from.name);
        if (table.isEmpty()) {
            report.leftOutTables << from.name;
            continue;
        }
        app::progress().setText(kReading.arg(table));
        Result<TableImport> taken = copyTable(source, from, db, table, version);
        if (!taken) {
            return taken.failure();
        }
        report.tables.push_back(std::move(*taken));
    }
    if (!transaction.commit()) {
        return Failure{kImportWriteFailed + QDir::toNativeSeparators(target), db.lastError()};
    }
    return report;
}

// A copy of `templateFile` at `target`, replacing any file there, that its owner may write.
Result<void> copyTemplate(const QString& templateFile, const QString& target) {
    QFile::remove(target);
    if (!QFile::copy(templateFile, target) ||
        !QFile::setPermissions(
            target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther)) {
        QFile::remove(target);
        return Failure{kImportWriteFailed + QDir::toNativeSeparators(target), {}};
    }
    return {};
}

Result<AccessImportReport> fillDatabase(TableSource& source, const QString& target,
                                        const QString& templateFile, double version) {
    db::Database db;
    if (!db.open(target)) {
        return Failure{kImportWriteFailed + QDir::toNativeSeparators(target), db.lastError()};
    }
    Result<AccessImportReport> report = copyTables(source, db, target, version);
    if (!report) {
        return report;
    }
    app::progress().setText(schema::kUpgrading);
    const QString upgradeCopy = target + kUpgradeBackupSuffix;
    const Result<schema::UpgradeOutcome> upgraded =
        schema::upgradeDatabase(db, templateFile, upgradeCopy);
    QFile::remove(upgradeCopy);
    if (!upgraded) {
        return upgraded.failure();
    }
    return report;
}

}  // namespace

QString AccessImportReport::text() const {
    QStringList lines;
    if (fromVersion > 0) {
        lines << QStringLiteral("原数据库版本：%1").arg(fromVersion);
    }
    for (const TableImport& table : tables) {
        QString line = QStringLiteral("%1：%2行").arg(table.table).arg(table.rows);
        if (!table.leftOutColumns.isEmpty()) {
            line += QStringLiteral("（未导入的列：%1）").arg(table.leftOutColumns.join(u'、'));
        }
        lines << line;
    }
    if (!leftOutTables.isEmpty()) {
        lines << QStringLiteral("未导入的数据表：") + leftOutTables.join(u'、');
    }
    return lines.join(u'\n');
}

Result<double> checkAccessSource(TableSource& source) {
    QStringList missing;
    for (const QString& table : requiredTables()) {
        if (!findTable(source, table) && !broughtByUpgrade(table)) {
            missing << table;
        }
    }
    if (!missing.isEmpty()) {
        return Failure{kNotOurAccessDatabase + missing.join(u'、'), {}};
    }
    const SourceTable& general = *findTable(source, QStringLiteral("tb_general"));
    const auto column = std::find_if(general.columns.begin(), general.columns.end(), [](auto& c) {
        return c.name.compare(QStringLiteral("version"), Qt::CaseInsensitive) == 0;
    });
    if (column == general.columns.end()) {
        return Failure{kNoAccessVersion, {}};
    }
    const auto index = column - general.columns.begin();
    std::optional<double> version;
    const Result<void> read = source.readRows(general.name, [&](const QVariantList& values) {
        bool number = false;
        const double v = values[index].toDouble(&number);
        if (values[index].isValid() && number && (!version || v > *version)) {
            version = v;
        }
        return Result<void>{};
    });
    if (!read) {
        return read.failure();
    }
    if (!version) {
        return Failure{kNoAccessVersion, {}};
    }
    if (*version > schema::kSchemaVersion + 1e-9) {
        return Failure{kNewerAccessVersion, {}};
    }
    return *version;
}

Result<AccessImportReport> importTables(TableSource& source, const QString& templateFile,
                                        const QString& target) {
    const Result<double> version = checkAccessSource(source);
    if (!version) {
        return version.failure();
    }
    QFile::remove(target);
    if (!QFile::copy(templateFile, target) ||
        !QFile::setPermissions(
            target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther)) {
        QFile::remove(target);
        return Failure{kImportWriteFailed + QDir::toNativeSeparators(target), {}};
    }
    Result<AccessImportReport> report = fillDatabase(source, target, templateFile, *version);
    if (!report) {
        QFile::remove(target);
    }
    return report;
}

Result<AccessImportReport> replaceWorkingDatabase(db::Database& working, TableSource& source,
                                                  const QString& templateFile,
                                                  const QString& keptCopy) {
    const QString incoming = partialFileNextTo(working.path());
    Result<AccessImportReport> report = importTables(source, templateFile, incoming);
    if (!report) {
        return report;
    }
    const Result<QString> restored = restoreDatabase(working, incoming, keptCopy);
    QFile::remove(incoming);
    if (!restored) {
        return restored.failure();
    }
    return report;
}

Result<AccessImportReport> convertAccessPackage(const QString& accessPath,
                                                const QString& packageTemplate,
                                                const QString& sqlitePath) {
    Result<std::unique_ptr<AccessFile>> source = AccessFile::open(accessPath);
    if (!source) {
        return source.failure();
    }
    return convertPackage(**source, packageTemplate, sqlitePath);
}

bool isAccessFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray header = file.read(20);
    const QByteArray signature = header.mid(4, 15);
    return signature == "Standard Jet DB" || signature == "Standard ACE DB";
}

Result<QString> packageOfOurFormat(const QString& file, const QString& packageTemplate,
                                   const QString& scratchFolder) {
    if (!isAccessFile(file)) {
        return file;
    }
    const QString converted =
        QDir(scratchFolder).filePath(QFileInfo(file).completeBaseName() + QStringLiteral(".sdb"));
    const Result<AccessImportReport> report =
        convertAccessPackage(file, packageTemplate, converted);
    if (!report) {
        return report.failure();
    }
    return converted;
}

Result<AccessImportReport> convertPackage(TableSource& source, const QString& packageTemplate,
                                          const QString& sqlitePath) {
    if (!findTable(source, QStringLiteral("tb_cadre"))) {
        return Failure{kNotAnAccessPackage, {}};
    }
    if (Result<void> copied = copyTemplate(packageTemplate, sqlitePath); !copied) {
        return copied.failure();
    }
    Result<AccessImportReport> report = [&]() -> Result<AccessImportReport> {
        db::Database db;
        if (!db.open(sqlitePath)) {
            return Failure{kImportWriteFailed + QDir::toNativeSeparators(sqlitePath),
                           db.lastError()};
        }
        return copyTables(source, db, sqlitePath, schema::kSchemaVersion);
    }();
    if (!report) {
        QFile::remove(sqlitePath);
        return report;
    }
    report->fromVersion = 0;
    return report;
}

}  // namespace exchange

#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "db/Result.h"
#include "exchange/TableSource.h"

namespace db {
class Database;
}

// Takes a database of the program's Access (Jet) era into our SQLite format: every table of our
// schema that the old file holds is copied, with its keys, into a new database made from the
// empty template, which the schema upgrade then brings from the old file's version to ours.
// What the old file holds that our schema does not know is named in the report, never dropped
// without a word.
namespace exchange {

inline const QString kImportAccessCaption = QStringLiteral("导入Access数据库");
inline const QString kAccessFilter =
    QStringLiteral("Access数据库 (*.mdb *.accdb *.sdb *.vhbak *.bak);;所有文件 (*)");
inline const QString kNotOurAccessDatabase =
    QStringLiteral("所选Access数据库不是干部管理数据库，缺少以下数据表，未作导入：");
inline const QString kNoAccessVersion =
    QStringLiteral("所选Access数据库没有版本号（tb_general.version），未作导入。");
inline const QString kNewerAccessVersion =
    QStringLiteral("所选Access数据库由更新版本的软件建立，本软件无法导入。");
inline const QString kImportWriteFailed = QStringLiteral("无法写入新数据库，未作导入：");
inline const QString kImportDone = QStringLiteral("导入完成！软件将重启。");

// What came across of one table of the old file.
struct TableImport {
    QString table;               // the table's name in our schema
    qint64 rows = 0;             // rows copied
    QStringList leftOutColumns;  // columns of the old table that our schema does not have
};

struct AccessImportReport {
    double fromVersion = 0;           // 0 for a package, which records none
    std::vector<TableImport> tables;  // in the old file's order
    QStringList leftOutTables;        // tables of the old file that our schema does not have

    // The report shown to the user: one line per table taken, then what was left out.
    QString text() const;
};

// The tables the old file must hold to be taken for one of ours, and its version: refused when
// a table is missing, when tb_general holds no version, or when the version is later than ours.
Result<double> checkAccessSource(TableSource& source);

// Writes a new database `target` (replacing any file there) from `templateFile` with every table
// of our schema that `source` holds, keeping its keys, and runs the schema upgrade from the
// source's version. The template's rows of a table the source holds give way to the source's.
// `source` is checked first (checkAccessSource). On failure `target` is removed.
Result<AccessImportReport> importTables(TableSource& source, const QString& templateFile,
                                        const QString& target);

// Replaces the open working database with the database `source` holds: it is read into a new
// database next to the working one (importTables), which then takes the working database's
// place through the restore (restoreDatabase: checked, the current database kept in
// `keptCopy`, one rename). Nothing changes unless every step succeeds.
Result<AccessImportReport> replaceWorkingDatabase(db::Database& working, TableSource& source,
                                                  const QString& templateFile,
                                                  const QString& keptCopy);

// Report-up packages (".sdb") of the Access era: read into a package of our format, so that the
// receiving of packages takes them as its own.
inline const QString kNotAnAccessPackage =
    QStringLiteral("所选文件不是干部信息数据包（缺少数据表tb_cadre），未作接收。");

// Writes the package `sqlitePath` (replacing any file there) from the empty package
// `packageTemplate` (Db/Send.db) with every package table that `source` holds; the report names
// what the package holds beyond them. The package's own version is kept in no table, so no
// upgrade runs. On failure `sqlitePath` is removed.
Result<AccessImportReport> convertPackage(TableSource& source, const QString& packageTemplate,
                                          const QString& sqlitePath);

// convertPackage with the Access package file `accessPath`.
Result<AccessImportReport> convertAccessPackage(const QString& accessPath,
                                                const QString& packageTemplate,
                                                const QString& sqlitePath);

// Whether the file begins as an Access (Jet or ACE) database does.
bool isAccessFile(const QString& path);

// The package file that receiving reads for the chosen `file`: an Access package is converted
// into `scratchFolder` (through convertAccessPackage, from `packageTemplate`) and the converted
// file given; any other file is given as it is, for receiving to check.
Result<QString> packageOfOurFormat(const QString& file, const QString& packageTemplate,
                                   const QString& scratchFolder);

}  // namespace exchange

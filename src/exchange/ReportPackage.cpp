#include "exchange/ReportPackage.h"

#include <QFile>
#include <QFileInfo>

#include "app/Progress.h"
#include "db/Database.h"
#include "exchange/FileReplace.h"
#include "exchange/PackageSql.h"
#include "schema/SchemaVersion.h"

namespace exchange {

namespace {

using package_sql::quotedName;
using package_sql::sharedColumns;

const QString kPackage = QStringLiteral("package");
const QString kMain = QStringLiteral("main");
// The chosen cadres, numbered in the order of the list.
const QString kChosen = QStringLiteral("temp.\"~send_cadres\"");

// A dependent table of the package and the column that names its cadre; `where` narrows the
// rows further.
struct Dependent {
    const char* table;
    const char* cadreColumn;
    const char* where;
    const QString* waitText;
};

class PackageWriter {
  public:
    PackageWriter(db::Database& db, const PackageContent& content)
        : db_(db), content_(content) {}

    Result<void> run(const QList<int>& cadreIds, const QString& sender, const QDate& sentOn) {
        const app::ProgressScope wait(kExportingCadres);
        if (!db_.execNative(QStringLiteral("DROP TABLE IF EXISTS ") + kChosen) ||
            !db_.execNative(QStringLiteral("CREATE TABLE ") + kChosen +
                            QStringLiteral(" (id INTEGER PRIMARY KEY, ord INTEGER NOT NULL)"))) {
            return failure();
        }
        int order = 0;
        for (int id : cadreIds) {
            if (!db_.execNative(QStringLiteral("INSERT OR IGNORE INTO ") + kChosen +
                                    QStringLiteral(" (id, ord) VALUES (?, ?)"),
                                {id, ++order})) {
                return failure();
            }
        }
        if (Result<void> cadres = copyCadres(); !cadres) {
            return cadres;
        }
        const Dependent dependents[] = {
            {"tb_family", "CadreID", nullptr, content_.family ? &kExportingFamily : nullptr},
            {"tb_cadre_zw", "ZwCadreID", nullptr, content_.posts ? &kExportingPosts : nullptr},
            {"tb_cadre_node", "ZwCadreID", nullptr, content_.posts ? &kExportingPosts : nullptr},
            {"tb_kc", "cid", nullptr, content_.assessments ? &kExportingAssessments : nullptr},
            {"tb_jc", "cid", "coalesce(s.dxType,0)=0",
             content_.rewards ? &kExportingRewards : nullptr},
        };
        for (const Dependent& dependent : dependents) {
            if (dependent.waitText == nullptr) {
                continue;
            }
            app::progress().setText(*dependent.waitText);
            if (Result<void> copied = copyDependent(dependent); !copied) {
                return copied;
            }
        }
        if (content_.training) {
            app::progress().setText(kExportingTraining);
            if (Result<void> copied = copyTraining(); !copied) {
                return copied;
            }
        }
        if (!db_.execNative(QStringLiteral("DROP TABLE ") + kChosen)) {
            return failure();
        }
        return writeOrigin(sender, sentOn);
    }

  private:
    Failure failure() const { return Failure{{}, db_.lastError()}; }

    QString target(const QString& table) const {
        return quotedName(kPackage) + u'.' + quotedName(table);
    }

    Result<void> copyCadres() {
        const QString table = QStringLiteral("tb_cadre");
        QStringList values;
        const QStringList columns = sharedColumns(db_, kMain, kPackage, table);
        for (const QString& column : columns) {
            const bool photo = column.compare(u"photo", Qt::CaseInsensitive) == 0;
            values << (photo && !content_.photo ? QStringLiteral("NULL")
                                                : QStringLiteral("s.") + quotedName(column));
        }
        return insertSelect(table, columns, values,
                            QStringLiteral(" FROM main.tb_cadre s JOIN ") + kChosen +
                                QStringLiteral(" c ON c.id=s.CadreID ORDER BY c.ord"));
    }

    Result<void> copyDependent(const Dependent& dependent) {
        const QString table = QString::fromLatin1(dependent.table);
        const QStringList columns = sharedColumns(db_, kMain, kPackage, table);
        QStringList values;
        for (const QString& column : columns) {
            values << QStringLiteral("s.") + quotedName(column);
        }
        QString from = QStringLiteral(" FROM main.") + quotedName(table) + QStringLiteral(" s JOIN ") +
                       kChosen + QStringLiteral(" c ON c.id=s.") +
                       quotedName(QString::fromLatin1(dependent.cadreColumn));
        if (dependent.where != nullptr) {
            from += QStringLiteral(" WHERE ") + QString::fromLatin1(dependent.where);
        }
        return insertSelect(table, columns, values, from + QStringLiteral(" ORDER BY s.rowid"));
    }

    // Class attendances and other training records both land in the package's tb_pxCadre2, each
    // as a record of its own, in the order of their start dates.
    Result<void> copyTraining() {
        const QString columns =
            QStringLiteral("CadreID,pxName,pxTimeB,pxTimeE,pxks,pxjg,pxType,pxType1,pxMethod");
        const QString sql =
            QStringLiteral("INSERT INTO ") + target(QStringLiteral("tb_pxCadre2")) +
            QStringLiteral(" (") + columns +
            QStringLiteral(") SELECT * FROM (SELECT a.CadreID,b.pxName,b.pxTimeB,b.pxTimeE,b.pxks,"
                           "b.pxjg,b.pxType,b.pxType1,b.pxMethod FROM main.tb_pxCadre a JOIN "
                           "main.tb_px b ON a.pxid=b.pxid WHERE a.CadreID IN (SELECT id FROM ") +
            kChosen + QStringLiteral(") UNION ALL SELECT ") + columns +
            QStringLiteral(" FROM main.tb_pxCadre2 WHERE CadreID IN (SELECT id FROM ") + kChosen +
            QStringLiteral(")) ORDER BY pxTimeB");
        return db_.execNative(sql) ? Result<void>{} : failure();
    }

    Result<void> insertSelect(const QString& table, const QStringList& columns,
                              const QStringList& values, const QString& from) {
        if (columns.isEmpty()) {
            return {};
        }
        QStringList names;
        for (const QString& column : columns) {
            names << quotedName(column);
        }
        return db_.execNative(QStringLiteral("INSERT INTO ") + target(table) + QStringLiteral(" (") +
                                  names.join(u',') + QStringLiteral(") SELECT ") +
                                  values.join(u',') + from)
                   ? Result<void>{}
                   : failure();
    }

    Result<void> writeOrigin(const QString& sender, const QDate& sentOn) {
        const QString info = target(kPackageInfoTable);
        if (!db_.execNative(QStringLiteral("CREATE TABLE IF NOT EXISTS ") + info +
                            QStringLiteral(" (version DOUBLE, sender TEXT(255), sentOn TEXT(10))")) ||
            !db_.execNative(QStringLiteral("DELETE FROM ") + info) ||
            !db_.execNative(QStringLiteral("INSERT INTO ") + info +
                                QStringLiteral(" (version, sender, sentOn) VALUES (?, ?, ?)"),
                            {schema::kSchemaVersion, sender,
                             sentOn.toString(Qt::ISODate)})) {
            return failure();
        }
        return {};
    }

    db::Database& db_;
    const PackageContent& content_;
};

}  // namespace

Result<void> writeReportPackage(db::Database& working, const QString& templateFile,
                                const QString& target, const QList<int>& cadreIds,
                                const PackageContent& content, const QString& sender,
                                const QDate& sentOn) {
    if (target.trimmed().isEmpty()) {
        return Failure{kNoPackageName, {}};
    }
    if (!QFileInfo(templateFile).isFile()) {
        return Failure{kPackageTemplateMissing, {}};
    }
    const QString partial = partialFileNextTo(target);
    {
        db::Database empty;
        if (!empty.open(templateFile) || !empty.backupTo(partial)) {
            QFile::remove(partial);
            return Failure{kPackageTemplateMissing, empty.lastError()};
        }
    }
    Result<void> outcome;
    if (!working.attach(partial, kPackage)) {
        outcome = Failure{{}, working.lastError()};
    } else {
        {
            db::Transaction transaction(working);
            outcome = transaction.isActive() ? PackageWriter(working, content).run(cadreIds, sender, sentOn)
                                             : Failure{{}, working.lastError()};
            if (outcome && !transaction.commit()) {
                outcome = Failure{{}, working.lastError()};
            }
        }
        if (!working.detach(kPackage) && outcome) {
            outcome = Failure{{}, working.lastError()};
        }
    }
    if (outcome) {
        outcome = replaceFile(partial, target);
    }
    if (!outcome) {
        QFile::remove(partial);
    }
    return outcome;
}

}  // namespace exchange

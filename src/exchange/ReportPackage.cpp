#include "exchange/ReportPackage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/Progress.h"
#include "db/Database.h"
#include "db/SqlStatement.h"
#include "exchange/FileReplace.h"
#include "exchange/PackageSql.h"
#include "schema/PackageInfo.h"
#include "schema/SchemaVersion.h"

namespace exchange {

namespace {

using package_sql::quotedName;
using package_sql::sharedColumns;

const QString kPackage = QStringLiteral("package");
const QString kMain = QStringLiteral("main");
// The keys of the chosen cadres.
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
    PackageWriter(db::Database& db, const PackageContent& content) : db_(db), content_(content) {}

    Result<void> run(const QList<int>& cadreIds, const QDate& sentOn) {
        const app::ProgressScope wait(kExportingCadres);
        if (!db_.execNative(QStringLiteral("DROP TABLE IF EXISTS ") + kChosen) ||
            !db_.execNative(QStringLiteral("CREATE TABLE ") + kChosen +
                            QStringLiteral(" (id INTEGER PRIMARY KEY)"))) {
            return failure();
        }
        if (Result<void> chosen = choose(cadreIds); !chosen) {
            return chosen;
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
        return writeOrigin(sentOn);
    }

  private:
    Failure failure() const { return Failure{{}, db_.lastError()}; }

    // Fills the table of chosen keys through one prepared statement.
    Result<void> choose(const QList<int>& cadreIds) {
        const auto insert = db_.prepareNative(QStringLiteral("INSERT OR IGNORE INTO ") + kChosen +
                                              QStringLiteral(" (id) VALUES (?)"));
        if (!insert) {
            return failure();
        }
        for (int id : cadreIds) {
            insert->reset();
            if (!insert->bind({id}) || insert->step() != db::SqlStatement::Step::Done) {
                return Failure{{}, insert->errorText()};
            }
        }
        return {};
    }

    QString target(const QString& table) const {
        return quotedName(kPackage) + u'.' + quotedName(table);
    }

    Result<void> copyCadres() {
        const QString table = QStringLiteral("tb_cadre");
        QStringList values;
        // The review marks of the package stay empty for the receiver; the working table's
        // own check column (the pickers' marks) is not part of the cadre's data.
        const QStringList columns = sharedColumns(
            db_, kMain, kPackage, table, {QStringLiteral("Checked"), QStringLiteral("revState")});
        for (const QString& column : columns) {
            const bool photo = column.compare(u"photo", Qt::CaseInsensitive) == 0;
            values << (photo && !content_.photo ? QStringLiteral("NULL")
                                                : QStringLiteral("s.") + quotedName(column));
        }
        return insertSelect(table, columns, values,
                            QStringLiteral(" FROM main.tb_cadre s JOIN ") + kChosen +
                                QStringLiteral(" c ON c.id=s.CadreID"));
    }

    Result<void> copyDependent(const Dependent& dependent) {
        const QString table = QString::fromLatin1(dependent.table);
        const QStringList columns = sharedColumns(db_, kMain, kPackage, table);
        QStringList values;
        for (const QString& column : columns) {
            values << QStringLiteral("s.") + quotedName(column);
        }
        QString from = QStringLiteral(" FROM main.") + quotedName(table) +
                       QStringLiteral(" s JOIN ") + kChosen + QStringLiteral(" c ON c.id=s.") +
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
            QStringLiteral(
                ") SELECT * FROM (SELECT a.CadreID,b.pxName,b.pxTimeB,b.pxTimeE,b.pxks,"
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
        return db_.execNative(QStringLiteral("INSERT INTO ") + target(table) +
                              QStringLiteral(" (") + names.join(u',') +
                              QStringLiteral(") SELECT ") + values.join(u',') + from)
                   ? Result<void>{}
                   : failure();
    }

    Result<void> writeOrigin(const QDate& sentOn) {
        const QString info = target(schema::kPackageInfoTable);
        if (!db_.execNative(QStringLiteral("DELETE FROM ") + info) ||
            !db_.execNative(QStringLiteral("INSERT INTO ") + info +
                                QStringLiteral(" (version, sender, sentOn) SELECT ?, (SELECT name "
                                               "FROM main.tb_general LIMIT 1), ?"),
                            {schema::kSchemaVersion, sentOn.toString(Qt::ISODate)})) {
            return failure();
        }
        return {};
    }

    db::Database& db_;
    const PackageContent& content_;
};

// Copies the template to `partial`, with the information table that packages made from an
// older template lack.
Result<void> startPackage(const QString& templateFile, const QString& partial) {
    {
        db::Database empty;
        if (!empty.open(templateFile) || !empty.backupTo(partial)) {
            return Failure{kPackageTemplateMissing, empty.lastError()};
        }
    }
    db::Database package;
    if (!package.open(partial) || (!package.hasTable(schema::kPackageInfoTable) &&
                                   !package.exec(schema::kPackageInfoDefinition))) {
        return Failure{{}, package.lastError()};
    }
    return {};
}

}  // namespace

Result<QList<cadre::PickedCadre>> reportLines(db::Database& db, const QList<int>& cadreIds) {
    if (cadreIds.isEmpty()) {
        return QList<cadre::PickedCadre>{};
    }
    QStringList keys;
    for (int id : cadreIds) {
        keys << QString::number(id);
    }
    Result<QList<cadre::PickedCadre>> read = cadre::readPickList(
        db, QStringLiteral("select CadreID,xm,xb,zwjb,xrz from tb_cadre where CadreID in (") +
                keys.join(u',') + u')');
    if (!read) {
        return read;
    }
    QList<cadre::PickedCadre> lines;
    for (int id : cadreIds) {
        for (const cadre::PickedCadre& line : *read) {
            if (line.cadreId == id) {
                lines << line;
                break;
            }
        }
    }
    return lines;
}

Result<QString> proposedPackagePath(db::Database& db, const QString& folder) {
    const Result<QVariant> first = db.scalar(QStringLiteral(
        "select top 1 Name from tb_department where parentID=0 order by dwOrder, ID"));
    if (!first) {
        return first.failure();
    }
    const QString name = first->toString().trimmed();
    return QDir(folder).filePath((name.isEmpty() ? QStringLiteral("报送数据") : name) +
                                 kPackageExtension);
}

Result<void> writeReportPackage(db::Database& working, const QString& templateFile,
                                const QString& target, const QList<int>& cadreIds,
                                const PackageContent& content, const QDate& sentOn) {
    if (target.trimmed().isEmpty()) {
        return Failure{kNoPackageName, {}};
    }
    if (!QFileInfo(templateFile).isFile()) {
        return Failure{kPackageTemplateMissing, {}};
    }
    const QString partial = partialFileNextTo(target);
    Result<void> outcome = startPackage(templateFile, partial);
    if (!outcome) {
        QFile::remove(partial);
        return outcome;
    }
    if (!working.attach(partial, kPackage)) {
        outcome = Failure{{}, working.lastError()};
    } else {
        {
            db::Transaction transaction(working);
            outcome = transaction.isActive() ? PackageWriter(working, content).run(cadreIds, sentOn)
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

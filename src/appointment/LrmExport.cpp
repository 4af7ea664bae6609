#include "appointment/LrmExport.h"

#include <QDate>
#include <QDir>
#include <QVariantMap>
#include <array>

#include "appointment/Plans.h"
#include "cadre/ResumeDocument.h"
#include "db/Database.h"

namespace appointment {

namespace {

// The columns of one row by lower-case name.
using Row = QVariantMap;

Result<std::optional<Row>> readRow(db::Database& db, const QString& sql, int id) {
    const auto rows = db.query(sql, {id});
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    if (rows->rows.empty()) {
        return std::optional<Row>();
    }
    Row row;
    for (int c = 0; c < rows->columns.size(); ++c) {
        row.insert(rows->columns[c].toLower(), rows->rows[0][static_cast<size_t>(c)]);
    }
    return std::optional<Row>(std::move(row));
}

// A month text as the file writes it: the digits without the point ("1968.01" gives "196801").
QString fileMonth(const QString& month) {
    return QString(month).remove(u'.').remove(u'-');
}

QString fileMonth(const QDate& date) {
    return date.isValid() ? date.toString(QStringLiteral("yyyyMM")) : QString();
}

// The family lists 20–24 of `members` (five parts each, the birth as its month text).
void putFamily(QStringList& values, const QList<std::array<QString, 5>>& members) {
    for (int part = 0; part < 5; ++part) {
        QStringList items;
        for (const auto& member : members) {
            items << (part == 2 ? fileMonth(member[2]) : member[static_cast<size_t>(part)]);
        }
        values[kLrmFamilyRelation + part] =
            members.isEmpty() ? QString() : items.join(u'@') + QStringLiteral("@@");
    }
}

// The values of a cadre row or a plan line (both hold the same-named columns).
QStringList valuesOfRow(const Row& row) {
    const auto text = [&row](const char* column) {
        return row.value(QString::fromLatin1(column)).toString();
    };
    QStringList values(kLrmRecordSize, QString());
    values[kLrmName] = text("xm");
    values[kLrmSex] = text("xb");
    values[kLrmBirth] = fileMonth(text("csnystr"));
    values[kLrmNation] = text("mz");
    values[kLrmNativePlace] = text("jgsheng");
    values[kLrmPartyDate] = fileMonth(text("rdsjstr"));
    values[kLrmHealth] = text("jkzk");
    values[kLrmBirthplace] = text("cssheng");
    values[kLrmWorkStart] = fileMonth(text("gzsjstr"));
    values[kLrmEducation] =
        text("qrzxl") + u'#' + text("qrzxw") + u'@' + text("zzxl") + u'#' + text("zzxw");
    values[kLrmSchools] = text("qrzxxzy") + u'@' + text("zzxxzy");
    values[kLrmTitle] = text("zyjszw");
    values[kLrmSpeciality] = text("zytc");
    values[kLrmResume] = text("gzjl");
    values[kLrmRewards] = text("jcnote");
    values[kLrmAssessment] = text("khnote");
    values[kLrmCurrentPost] = text("xrz");
    values[kLrmProposedPost] = text("nrz");
    values[kLrmProposedRemoval] = text("nmz");
    values[kLrmReason] = text("rmnote");
    values[kLrmPolitical] = text("zzmm");
    values[kLrmIdNumber] = text("zjh");
    return values;
}

Result<QByteArray> photoOf(db::Database& db, const QVariant& cadreId) {
    const Result<QVariant> photo =
        db.scalar(QStringLiteral("select photo from tb_cadre where CadreID=?"), {cadreId});
    if (!photo) {
        return photo.failure();
    }
    return photo->toByteArray();
}

}  // namespace

Result<std::optional<LrmRecord>> lrmRecordOfCadre(db::Database& db, int cadreId) {
    const Result<std::optional<Row>> row =
        readRow(db, QStringLiteral("select * from tb_cadre where CadreID=?"), cadreId);
    if (!row) {
        return row.failure();
    }
    if (!*row) {
        return std::optional<LrmRecord>();
    }
    LrmRecord record;
    record.values = valuesOfRow(**row);
    const auto members =
        db.query(QStringLiteral("select cw,xm,cssjStr,zzmm,dw from tb_family where CadreID=? "
                                "order by ford"),
                 {cadreId});
    if (!members) {
        return Failure{{}, db.lastError()};
    }
    QList<std::array<QString, 5>> family;
    for (const QVariantList& member : members->rows) {
        std::array<QString, 5> parts;
        for (size_t i = 0; i < parts.size(); ++i) {
            parts[i] = member.at(static_cast<qsizetype>(i)).toString();
        }
        family << parts;
    }
    putFamily(record.values, family);
    Result<QByteArray> photo = photoOf(db, cadreId);
    if (!photo) {
        return photo.failure();
    }
    record.photo = std::move(*photo);
    return std::optional<LrmRecord>(std::move(record));
}

Result<std::optional<LrmRecord>> lrmRecordOfLine(db::Database& db, int lineId) {
    const Result<std::optional<Row>> row =
        readRow(db, QStringLiteral("select * from tb_rmmc_detail where id=?"), lineId);
    if (!row) {
        return row.failure();
    }
    if (!*row) {
        return std::optional<LrmRecord>();
    }
    const Row& line = **row;
    LrmRecord record;
    record.values = valuesOfRow(line);
    record.values[kLrmReportingUnit] = line.value(QStringLiteral("cbdw")).toString();
    QList<std::array<QString, 5>> family;
    for (int m = 1; m <= 7; ++m) {
        std::array<QString, 5> parts;
        bool any = false;
        for (size_t i = 0; i < parts.size(); ++i) {
            parts[i] = line.value(QStringLiteral("f_%1_%2").arg(m).arg(i + 1)).toString();
            any = any || !parts[i].isEmpty();
        }
        if (any) {
            family << parts;
        }
    }
    putFamily(record.values, family);
    const Result<std::optional<PlanHeader>> plan =
        readPlan(db, line.value(QStringLiteral("mcid")).toInt());
    if (!plan) {
        return plan.failure();
    }
    if (*plan) {
        record.values[kLrmAgeDate] = fileMonth((*plan)->jssj);
        record.values[kLrmFilledBy] = (*plan)->tbr;
        record.values[kLrmFilledOn] = fileMonth((*plan)->tbsj);
    }
    Result<QByteArray> photo = photoOf(db, line.value(QStringLiteral("mccadreid")));
    if (!photo) {
        return photo.failure();
    }
    record.photo = std::move(*photo);
    return std::optional<LrmRecord>(std::move(record));
}

Result<BatchFiles> batchLrmFiles(db::Database& db, const QList<int>& keys, bool planLines,
                                 const QString& folder, LrmFormat format,
                                 const BatchProgress& progress) {
    if (!QDir().mkpath(folder)) {
        return Failure{QStringLiteral("无法建立文件夹：") + folder, {}};
    }
    const QString suffix =
        format == LrmFormat::Lrmx ? QStringLiteral(".lrmx") : QStringLiteral(".lrm");
    BatchFiles files;
    int done = 0;
    for (const int key : keys) {
        const Result<std::optional<LrmRecord>> record =
            planLines ? lrmRecordOfLine(db, key) : lrmRecordOfCadre(db, key);
        if (!record) {
            return record.failure();
        }
        if (*record) {
            // Cadres of the same name in one batch get "(2)", "(3)" ... so that none is lost.
            const QString name = cadre::documentFileName((*record)->values.at(kLrmName), QString());
            QString path = QDir(folder).filePath(name + suffix);
            for (int n = 2; files.written.contains(path); ++n) {
                path = QDir(folder).filePath(QStringLiteral("%1(%2)").arg(name).arg(n) + suffix);
            }
            if (const Result<void> written = writeLrmRecord(path, **record); !written) {
                return written.failure();
            }
            files.written << path;
        }
        if (progress && !progress(++done)) {
            break;
        }
    }
    return files;
}

}  // namespace appointment

#include "cadre/Assessments.h"

#include <QMap>
#include <QVariant>
#include <algorithm>

#include "db/Database.h"
#include "db/SqlText.h"

namespace cadre {

namespace {

QVariant textOrNull(const QString& text) {
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() ? QVariant() : QVariant(trimmed);
}

QVariant dateOrNull(const QDate& date) {
    return date.isValid() ? QVariant(date) : QVariant();
}

Failure databaseFailure(const db::Database& db) {
    return Failure{{}, db.lastError()};
}

// The annual appraisals of `year`: each one's cadre and id (the first when a cadre has more).
Result<QMap<int, QPair<int, QString>>> annualRows(db::Database& db, int year) {
    const auto rows = db.query(
        QStringLiteral("select id,cid,kcjl from tb_kc where kcyear=? and kclb=? order by id"),
        {year, kAnnualAppraisal});
    if (!rows) {
        return databaseFailure(db);
    }
    QMap<int, QPair<int, QString>> byCadre;
    for (const QVariantList& row : rows->rows) {
        if (!byCadre.contains(row[1].toInt())) {
            byCadre.insert(row[1].toInt(), {row[0].toInt(), row[2].toString()});
        }
    }
    return byCadre;
}

}  // namespace

QString inspectionListStatement(int cadreId, bool annual) {
    return QStringLiteral("select * from tb_kc where cid=") + QString::number(cadreId) +
           QStringLiteral(" and kclb") +
           (annual ? QStringLiteral("='年度考核'") : QStringLiteral("<>'年度考核'")) +
           QStringLiteral(" order by kcsj DESC");
}

Result<Inspection> newInspection(db::Database& db, int cadreId, bool annual, const QDate& today) {
    const Result<QVariant> post =
        db.scalar(QStringLiteral("select xrz from tb_cadre where CadreID=?"), {cadreId});
    if (!post) {
        return post.failure();
    }
    Inspection inspection;
    inspection.cadreId = cadreId;
    inspection.post = post->toString();
    inspection.year = today.year();
    if (annual) {
        inspection.category = kAnnualAppraisal;
    } else {
        inspection.date = today;
    }
    return inspection;
}

Result<std::optional<Inspection>> readInspection(db::Database& db, int cadreId, int id) {
    const auto rows =
        db.query(QStringLiteral("select * from tb_kc where cid=? and id=?"), {cadreId, id});
    if (!rows) {
        return databaseFailure(db);
    }
    if (rows->rows.empty()) {
        return std::optional<Inspection>();
    }
    const auto text = [&rows](const char* column) {
        return rows->value(0, QString::fromLatin1(column)).toString();
    };
    Inspection inspection;
    inspection.id = id;
    inspection.cadreId = cadreId;
    inspection.name = text("kcName");
    inspection.category = text("kclb");
    inspection.date = rows->value(0, QStringLiteral("kcsj")).toDate();
    inspection.year = rows->value(0, QStringLiteral("kcYear")).toInt();
    inspection.body = text("kczzmc");
    inspection.team = text("kcr");
    inspection.post = text("xrz");
    inspection.method = text("kcff");
    inspection.conclusion = text("kcjl");
    inspection.strengths = text("kcyj");
    inspection.shortcomings = text("kcbz");
    inspection.opinion = text("cpyj");
    inspection.remark = text("kcyj2");
    return std::optional(inspection);
}

void settleAppraisalYear(Inspection& inspection) {
    if (inspection.category == kAnnualAppraisal && !inspection.date.isValid()) {
        for (int year = 1990; year <= 2020; ++year) {
            if (inspection.name.contains(QString::number(year))) {
                inspection.date = QDate(year + 1, 1, 1);
                break;
            }
        }
    }
    if (inspection.date.isValid()) {
        inspection.year =
            inspection.date.month() == 12 ? inspection.date.year() : inspection.date.year() - 1;
    }
}

Result<int> saveInspection(db::Database& db, Inspection inspection) {
    if (inspection.category.trimmed().isEmpty()) {
        return Failure{kChooseInspectionCategory, {}};
    }
    if (inspection.name.trimmed().isEmpty()) {
        return Failure{kEnterInspectionName, {}};
    }
    settleAppraisalYear(inspection);
    QVariantList params = {textOrNull(inspection.name),         textOrNull(inspection.category),
                           dateOrNull(inspection.date),         inspection.year,
                           textOrNull(inspection.body),         textOrNull(inspection.team),
                           textOrNull(inspection.post),         textOrNull(inspection.method),
                           textOrNull(inspection.conclusion),   textOrNull(inspection.strengths),
                           textOrNull(inspection.shortcomings), textOrNull(inspection.opinion),
                           textOrNull(inspection.remark),       inspection.cadreId};
    if (inspection.id == 0) {
        if (!db.exec(QStringLiteral("insert into tb_kc (kcName,kclb,kcsj,kcYear,kczzmc,kcr,xrz,"
                                    "kcff,kcjl,kcyj,kcbz,cpyj,kcyj2,cid) values "
                                    "(?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                     params)) {
            return databaseFailure(db);
        }
        return static_cast<int>(db.lastInsertId());
    }
    params << inspection.id;
    if (!db.exec(QStringLiteral("update tb_kc set kcName=?,kclb=?,kcsj=?,kcYear=?,kczzmc=?,"
                                "kcr=?,xrz=?,kcff=?,kcjl=?,kcyj=?,kcbz=?,cpyj=?,kcyj2=? "
                                "where cid=? and id=?"),
                 params)) {
        return databaseFailure(db);
    }
    if (db.changes() == 0) {
        return Failure{kInspectionGone, {}};
    }
    return inspection.id;
}

Result<void> deleteInspection(db::Database& db, int cadreId, int id) {
    if (!db.exec(QStringLiteral("delete from tb_kc where cid=? and id=?"), {cadreId, id})) {
        return databaseFailure(db);
    }
    return {};
}

Result<QString> appraisalSummary(db::Database& db, int cadreId) {
    const auto rows =
        db.query(QStringLiteral("select * from tb_kc where kclb='年度考核' and cid=") +
                 QString::number(cadreId) + QStringLiteral(" order by kcyear"));
    if (!rows) {
        return databaseFailure(db);
    }
    QStringList parts;
    const size_t count = rows->rows.size();
    for (size_t i = count > 3 ? count - 3 : 0; i < count; ++i) {
        parts << rows->value(i, QStringLiteral("kcYear")).toString() + u'年' +
                     rows->value(i, QStringLiteral("kcjl")).toString();
    }
    return parts.join(u'，');
}

Result<QMap<int, QString>> storedAppraisalGrades(db::Database& db, int year) {
    const auto rows = annualRows(db, year);
    if (!rows) {
        return rows.failure();
    }
    QMap<int, QString> grades;
    for (auto it = rows->cbegin(); it != rows->cend(); ++it) {
        grades.insert(it.key(), it.value().second);
    }
    return grades;
}

Result<QList<AppraisalLine>> appraisalLines(db::Database& db, const QList<int>& cadreIds,
                                            int year) {
    const auto grades = storedAppraisalGrades(db, year);
    if (!grades) {
        return grades.failure();
    }
    QList<AppraisalLine> lines;
    for (const int cadreId : cadreIds) {
        const auto row =
            db.query(QStringLiteral("select xm,zwjb from tb_cadre where CadreID=?"), {cadreId});
        if (!row) {
            return databaseFailure(db);
        }
        if (row->rows.empty()) {
            continue;
        }
        lines << AppraisalLine{cadreId, row->rows[0][0].toString(), row->rows[0][1].toString(),
                               grades->value(cadreId)};
    }
    return lines;
}

Result<void> saveAppraisals(db::Database& db, const AppraisalBatch& batch,
                            const std::function<void(int done)>& step) {
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return databaseFailure(db);
    }
    const auto stored = annualRows(db, batch.year);
    if (!stored) {
        return stored.failure();
    }
    const QString name = QString::number(batch.year) + kAnnualAppraisal;
    int done = 0;
    for (const AppraisalLine& line : batch.lines) {
        if (!line.grade.isEmpty()) {
            QVariantList params = {name,
                                   textOrNull(line.post),
                                   textOrNull(batch.body),
                                   textOrNull(batch.team),
                                   batch.year,
                                   line.grade};
            bool written = false;
            if (stored->contains(line.cadreId)) {
                const QString setDate =
                    batch.date.isValid() ? QStringLiteral(",kcsj=?") : QString();
                if (batch.date.isValid()) {
                    params << batch.date;
                }
                params << stored->value(line.cadreId).first;
                written = db.exec(QStringLiteral("update tb_kc set kclb='年度考核',kcName=?,xrz=?,"
                                                 "kczzmc=?,kcr=?,kcYear=?,kcjl=?") +
                                      setDate + QStringLiteral(" where id=?"),
                                  params);
            } else {
                params << dateOrNull(batch.date) << line.cadreId;
                written = db.exec(QStringLiteral("insert into tb_kc (kclb,kcName,xrz,kczzmc,kcr,"
                                                 "kcYear,kcjl,kcsj,cid) values "
                                                 "('年度考核',?,?,?,?,?,?,?,?)"),
                                  params);
            }
            if (!written) {
                return databaseFailure(db);
            }
        }
        if (step) {
            step(++done);
        }
    }
    if (!transaction.commit()) {
        return databaseFailure(db);
    }
    return {};
}

Result<int> rebuildAppraisalNotes(db::Database& db) {
    const auto appraisals =
        db.query(QStringLiteral(
                     "select cid,kcYear,kcjl from tb_kc where kclb=? order by cid,kcYear,kcsj,id"),
                 {kAnnualAppraisal});
    if (!appraisals) {
        return Failure{{}, db.lastError()};
    }
    // The entries of each cadre, oldest first.
    QMap<int, QStringList> entries;
    for (const QVariantList& row : appraisals->rows) {
        entries[row[0].toInt()] << row[1].toString() + QStringLiteral("年度考核") +
                                       row[2].toString();
    }
    int changed = 0;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        const QString note = it->mid(std::max<qsizetype>(0, it->size() - 3)).join(u'，') + u'。';
        const Result<QVariant> stored =
            db.scalar(QStringLiteral("select khNote from tb_cadre where CadreID=?"), {it.key()});
        if (!stored) {
            return stored.failure();
        }
        if (stored->toString() == note) {
            continue;
        }
        // A cadre that is gone has no row to change.
        if (!db.exec(QStringLiteral("update tb_cadre set khNote=? where CadreID=?"),
                     {note, it.key()})) {
            return Failure{{}, db.lastError()};
        }
        changed += db.changes();
    }
    return changed;
}

}  // namespace cadre

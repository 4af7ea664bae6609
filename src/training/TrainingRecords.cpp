#include "training/TrainingRecords.h"

#include "db/Database.h"
#include "db/SqlText.h"
#include "training/Participants.h"
#include "training/TrainingClasses.h"

namespace training {

namespace {

QDate dateOf(const QVariant& value) {
    return value.isNull() ? QDate() : value.toDateTime().date();
}

QVariant dateValue(const QDate& date) {
    return date.isValid() ? QVariant(date) : QVariant();
}

}  // namespace

Result<std::vector<TrainingRecord>> trainingHistory(db::Database& db, int cadreId) {
    // A standalone record has no class; its class id reads 0 so the two kinds stay apart even
    // when their row ids coincide.
    const auto rows = db.query(
        QStringLiteral("select a.ID as id,pxName,pxTimeB,a.pxid as pxid,pxTimeE,pxks,pxMethod,"
                       "pxType1,pxType,pxjg,0 as kind from tb_pxCadre as a inner join tb_px as b "
                       "on a.pxid=b.pxid where CadreID=? "
                       "union all select ID as id,pxName,pxTimeB,0 as pxid,pxTimeE,pxks,pxMethod,"
                       "pxType1,pxType,pxjg,1 as kind from tb_pxCadre2 where CadreID=? "
                       "order by pxTimeB,kind,id"),
        {cadreId, cadreId});
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    std::vector<TrainingRecord> history;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        TrainingRecord r;
        r.id = rows->value(i, QStringLiteral("id")).toInt();
        r.classId = rows->value(i, QStringLiteral("pxid")).toInt();
        r.name = rows->value(i, QStringLiteral("pxName")).toString();
        r.start = dateOf(rows->value(i, QStringLiteral("pxTimeB")));
        r.end = dateOf(rows->value(i, QStringLiteral("pxTimeE")));
        r.days = rows->value(i, QStringLiteral("pxks")).toInt();
        r.body = rows->value(i, QStringLiteral("pxjg")).toString();
        r.level = rows->value(i, QStringLiteral("pxMethod")).toString();
        r.category = rows->value(i, QStringLiteral("pxType1")).toString();
        r.form = rows->value(i, QStringLiteral("pxType")).toString();
        history.push_back(r);
    }
    return history;
}

Result<int> saveStandaloneRecord(db::Database& db, int cadreId, const TrainingRecord& record) {
    const QString name = record.name.trimmed();
    if (name.isEmpty()) {
        return Failure{kRecordNeeded, {}};
    }
    const Result<int> days = classDays(record.start, record.end);
    if (!days) {
        return days.failure();
    }
    QVariantList values = {
        name,        dateValue(record.start), dateValue(record.end), *days, record.body,
        record.form, record.category,         record.level};
    if (record.id == 0) {
        values.prepend(cadreId);
        if (!db.exec(QStringLiteral("insert into tb_pxCadre2 (CadreID,pxName,pxTimeB,pxTimeE,"
                                    "pxks,pxjg,pxType,pxType1,pxMethod) values "
                                    "(?,?,?,?,?,?,?,?,?)"),
                     values)) {
            return Failure{{}, db.lastError()};
        }
        return static_cast<int>(db.lastInsertId());
    }
    values << record.id;
    if (!db.exec(QStringLiteral("update tb_pxCadre2 set pxName=?,pxTimeB=?,pxTimeE=?,pxks=?,"
                                "pxjg=?,pxType=?,pxType1=?,pxMethod=? where ID=?"),
                 values)) {
        return Failure{{}, db.lastError()};
    }
    return record.id;
}

Result<void> deleteRecord(db::Database& db, const TrainingRecord& record) {
    if (!record.isStandalone()) {
        return removeParticipant(db, record.id);
    }
    if (!db.exec(sql::Fragments().SqlDeleteHead + QStringLiteral("from tb_pxCadre2 where ID=?"),
                 {record.id})) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

}  // namespace training

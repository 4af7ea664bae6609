#include "settings/Reminders.h"

#include "app/DataModule.h"
#include "db/Database.h"
#include "db/JetDate.h"

namespace settings {

namespace {

Failure databaseFailure(const db::Database& db) {
    return Failure{{}, db.lastError()};
}

// A stored date: a date or date-time value, or a Jet serial number.
QDate dateOf(const QVariant& value) {
    if (value.isNull()) {
        return {};
    }
    switch (value.typeId()) {
        case QMetaType::QDateTime:
            return value.toDateTime().date();
        case QMetaType::QDate:
            return value.toDate();
        case QMetaType::Double:
        case QMetaType::Int:
        case QMetaType::LongLong:
            return jet::dateFromSerial(value.toDouble());
        default:
            return QDate::fromString(value.toString().left(10), Qt::ISODate);
    }
}

QVariant serialOf(const QDate& date) {
    return date.isValid() ? QVariant(jet::toSerial(date)) : QVariant();
}

bool passes(PlanFilter filter, int status) {
    switch (filter) {
        case PlanFilter::All:
            return true;
        case PlanFilter::NotYetDue:
            return status < 0;
        case PlanFilter::Current:
            return status == 0;
        case PlanFilter::Expired:
            return status > 0;
    }
    return false;
}

}  // namespace

Result<QList<PlanRow>> userPlans(db::Database& db, int managerId, PlanFilter filter,
                                 const QDate& today) {
    const auto rows = db.query(
        QStringLiteral("select id,beginT,endT,tital,more,checked from tb_plan where manid=? "
                       "order by id"),
        {managerId});
    if (!rows) {
        return databaseFailure(db);
    }
    QList<PlanRow> plans;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        PlanRow plan;
        plan.id = rows->value(i, QStringLiteral("id")).toInt();
        const QVariant begin = rows->value(i, QStringLiteral("beginT"));
        const QVariant end = rows->value(i, QStringLiteral("endT"));
        plan.begin = dateOf(begin);
        plan.end = dateOf(end);
        plan.title = rows->value(i, QStringLiteral("tital")).toString();
        plan.more = rows->value(i, QStringLiteral("more")).toString();
        plan.checked = rows->value(i, QStringLiteral("checked")).toInt() != 0;
        plan.status = TDataM::PlanStatus(QVariant(plan.begin), QVariant(plan.end), today);
        if (passes(filter, plan.status)) {
            plans << plan;
        }
    }
    return plans;
}

Result<PlanSummary> planSummary(db::Database& db, int managerId, const QDate& today) {
    const Result<QList<PlanRow>> plans = userPlans(db, managerId, PlanFilter::All, today);
    if (!plans) {
        return plans.failure();
    }
    PlanSummary summary;
    summary.total = static_cast<int>(plans->size());
    for (const PlanRow& plan : *plans) {
        summary.current += plan.status == 0 ? 1 : 0;
        summary.expired += plan.status > 0 ? 1 : 0;
    }
    return summary;
}

Result<int> addPlan(db::Database& db, int managerId, const PlanRow& plan) {
    if (!db.exec(QStringLiteral("insert into tb_plan (beginT,endT,tital,more,checked,manid) "
                                "values (?,?,?,?,?,?)"),
                 {serialOf(plan.begin), serialOf(plan.end), plan.title, plan.more,
                  plan.checked ? 1 : 0, managerId})) {
        return databaseFailure(db);
    }
    return static_cast<int>(db.lastInsertId());
}

Result<void> updatePlan(db::Database& db, int managerId, const PlanRow& plan) {
    if (!db.exec(QStringLiteral("update tb_plan set beginT=?,endT=?,tital=?,more=?,checked=? "
                                "where id=? and manid=?"),
                 {serialOf(plan.begin), serialOf(plan.end), plan.title, plan.more,
                  plan.checked ? 1 : 0, plan.id, managerId})) {
        return databaseFailure(db);
    }
    return {};
}

Result<void> deletePlan(db::Database& db, int managerId, int id) {
    if (!db.exec(QStringLiteral("delete * from tb_plan where id=? and manid=?"), {id, managerId})) {
        return databaseFailure(db);
    }
    return {};
}

Result<int> clearExpiredPlans(db::Database& db, int managerId, const QDate& today) {
    const Result<QList<PlanRow>> expired = userPlans(db, managerId, PlanFilter::Expired, today);
    if (!expired) {
        return expired.failure();
    }
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return databaseFailure(db);
    }
    for (const PlanRow& plan : *expired) {
        if (!db.exec(QStringLiteral("delete * from tb_plan where id=?"), {plan.id})) {
            return databaseFailure(db);
        }
    }
    if (!transaction.commit()) {
        return databaseFailure(db);
    }
    return static_cast<int>(expired->size());
}

int monthsBetween(const QDate& birth, const QDate& today) {
    return (today.year() - birth.year()) * 12 + today.month() - birth.month();
}

QDate retirementDate(const QDate& birth, int ageYears) {
    return birth.addYears(ageYears);
}

bool inRetirementPeriod(RetirementPeriod period, int months, int retirementMonths) {
    switch (period) {
        case RetirementPeriod::ThisMonth:
            return months == retirementMonths;
        case RetirementPeriod::NextMonth:
            return months == retirementMonths - 1;
        case RetirementPeriod::ThreeMonths:
            return months >= retirementMonths - 3;
        case RetirementPeriod::HalfYear:
            return months >= retirementMonths - 6;
        case RetirementPeriod::OneYear:
            return months >= retirementMonths - 12;
        case RetirementPeriod::Overdue:
            return months > retirementMonths;
    }
    return false;
}

Result<QList<RetiringCadre>> retiringCadres(db::Database& db, const RetirementAges& ages,
                                            RetirementPeriod period, const QDate& today) {
    const auto rows =
        db.query(QStringLiteral("select CadreID,xm,xb,csny,csnyStr,allZwList from tb_cadre "
                                "where classid=0 and (xb='男' or xb='女') and not isnull(csny) "
                                "order by xm,CadreID"));
    if (!rows) {
        return databaseFailure(db);
    }
    QList<RetiringCadre> found;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        RetiringCadre cadre;
        cadre.birth = dateOf(rows->value(i, QStringLiteral("csny")));
        if (!cadre.birth.isValid()) {
            continue;
        }
        cadre.sex = rows->value(i, QStringLiteral("xb")).toString().trimmed();
        const int age = cadre.sex == u"男" ? ages.male : ages.female;
        if (!inRetirementPeriod(period, monthsBetween(cadre.birth, today), age * 12)) {
            continue;
        }
        cadre.cadreId = rows->value(i, QStringLiteral("CadreID")).toInt();
        cadre.name = rows->value(i, QStringLiteral("xm")).toString();
        cadre.birthText = rows->value(i, QStringLiteral("csnyStr")).toString();
        cadre.age = today.year() - cadre.birth.year();
        cadre.posts = rows->value(i, QStringLiteral("allZwList")).toString();
        cadre.retirement = retirementDate(cadre.birth, age);
        found << cadre;
    }
    return found;
}

Result<void> setReminderFlag(db::Database& db, int managerId, bool on) {
    const bool written =
        managerId > 0 ? db.exec(QStringLiteral("update tb_manager set clew=? where ManagerID=?"),
                                {on ? 1 : 0, managerId})
                      : db.exec(QStringLiteral("update tb_general set clew=?"), {on ? 1 : 0});
    if (!written) {
        return databaseFailure(db);
    }
    return {};
}

}  // namespace settings

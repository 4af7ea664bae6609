#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "db/Result.h"
#include "settings/SoftwareSettings.h"

namespace db {
class Database;
}

// The reminder window's logic: the user's own reminders (tb_plan) and the cadres due to retire.
namespace settings {

// Which reminders the list shows. A reminder's state on a day is TDataM::PlanStatus: not yet
// begun, running (begun and not ended) or ended.
enum class PlanFilter { All, NotYetDue, Current, Expired };

inline const QStringList kPlanFilterCaptions = {
    QStringLiteral("全部"), QStringLiteral("未到期的提醒"), QStringLiteral("当前提醒"),
    QStringLiteral("过期的提醒")};

struct PlanRow {
    int id = 0;
    QDate begin;
    QDate end;
    QString title;
    QString more;
    bool checked = false;
    int status = 0;  // -1 not begun, 0 running, 1 ended on the day asked
};

// The reminders of user `managerId` that pass `filter` on `today`, in the order of their ids.
Result<QList<PlanRow>> userPlans(db::Database& db, int managerId, PlanFilter filter,
                                 const QDate& today);

struct PlanSummary {
    int total = 0;
    int current = 0;  // running today
    int expired = 0;  // ended before today
};
Result<PlanSummary> planSummary(db::Database& db, int managerId, const QDate& today);

// Appends a reminder of user `managerId`; gives its id.
Result<int> addPlan(db::Database& db, int managerId, const PlanRow& plan);
// Rewrites the dates, texts and check of reminder `plan.id`, when it is the user's.
Result<void> updatePlan(db::Database& db, int managerId, const PlanRow& plan);
// Deletes reminder `id` when it is the user's.
Result<void> deletePlan(db::Database& db, int managerId, int id);
// "清空": deletes every reminder of the user that ended before today, in one transaction; gives
// how many went. Running and future reminders stay.
Result<int> clearExpiredPlans(db::Database& db, int managerId, const QDate& today);

// Calendar months from the month of `birth` to the month of `today` (days do not count).
int monthsBetween(const QDate& birth, const QDate& today);
// The day a person born on `birth` reaches `ageYears`: the same day of the month, or the last
// day of February for one born on 29 February when that year has none.
QDate retirementDate(const QDate& birth, int ageYears);

// The periods of the retirement list, in the order of the list.
enum class RetirementPeriod { ThisMonth, NextMonth, ThreeMonths, HalfYear, OneYear, Overdue };
inline const QStringList kRetirementPeriodCaptions = {
    QStringLiteral("本月退休"),     QStringLiteral("下月退休"),
    QStringLiteral("近三月内退休"), QStringLiteral("近半年内退休"),
    QStringLiteral("近一年内退休"), QStringLiteral("已超过退休时间")};
inline constexpr RetirementPeriod kDefaultRetirementPeriod = RetirementPeriod::OneYear;

// Whether one whose retirement falls `retirementMonths` months after birth, `months` months
// after birth today, belongs to `period` (e.g. OneYear: at most twelve months to go, or past).
bool inRetirementPeriod(RetirementPeriod period, int months, int retirementMonths);

struct RetiringCadre {
    int cadreId = 0;
    QString name;
    QString sex;
    QString birthText;  // csnyStr
    QDate birth;
    int age = 0;  // calendar years from the year of birth
    QString posts;
    QDate retirement;
};

// The cadres of the library (classid 0) with a birth date and sex "男"/"女" whose retirement by
// `ages` falls in `period`, by name.
Result<QList<RetiringCadre>> retiringCadres(db::Database& db, const RetirementAges& ages,
                                            RetirementPeriod period, const QDate& today);

// The reminder flag: tb_manager.clew of user `managerId`, or tb_general.clew without a login
// (managerId 0).
Result<void> setReminderFlag(db::Database& db, int managerId, bool on);

}  // namespace settings

#include "appointment/LineEdits.h"

#include "appointment/ApprovalForm.h"
#include "appointment/PlanLines.h"
#include "db/Database.h"
#include "text/MonthText.h"

namespace appointment {

const QStringList& formColumns() {
    static const QStringList columns = [] {
        QStringList list{"xm",      "xb",     "csnyStr", "mz",   "jgsheng", "cssheng", "rdsjStr",
                         "gzsjStr", "jkzk",   "zyjszw",  "zytc", "qrzxl",   "qrzxw",   "qrzxxzy",
                         "zzxl",    "zzxw",   "zzxxzy",  "xrz",  "nrz",     "nmz",     "gzjl",
                         "jcNote",  "khNote", "rmNote",  "cbyj", "cbdw",    "spyj",    "rmyj"};
        for (int k = 1; k <= 7; ++k) {
            for (int j = 1; j <= 5; ++j) {
                list << QStringLiteral("f_%1_%2").arg(k).arg(j);
            }
        }
        return list;
    }();
    return columns;
}

const QStringList& formMonthColumns() {
    static const QStringList columns{"csnyStr", "rdsjStr", "gzsjStr"};
    return columns;
}

Result<void> saveFormLine(db::Database& db, int lineId, const QVariantMap& values,
                          const QDate& tableDate) {
    QVariantMap row;
    for (const QString& column : formColumns()) {
        row.insert(column, values.value(column.toLower()).toString());
    }
    for (const QString& column : formMonthColumns()) {
        const std::optional<text::MonthEntry> month =
            text::readMonthEntry(row.value(column).toString());
        if (!month) {
            return Failure{kBadFormMonth.arg(column), {}};
        }
        row.insert(column, month->text);
    }
    const Education education =
        lineEducation(row.value("zzxl").toString(), row.value("zzxxzy").toString(),
                      row.value("qrzxl").toString(), row.value("qrzxxzy").toString());
    row.insert(QStringLiteral("gxl"), education.level);
    row.insert(QStringLiteral("gxlxx"), education.school);
    const QDate birth = text::parseMonthText(row.value("csnyStr").toString());
    if (birth.isValid() && tableDate.isValid()) {
        row.insert(QStringLiteral("age"), formAge(birth, tableDate));
    }

    QStringList assignments;
    QVariantList parameters;
    for (auto it = row.cbegin(); it != row.cend(); ++it) {
        assignments << it.key() + QStringLiteral("=?");
        parameters << it.value();
    }
    parameters << lineId;
    if (!db.exec(QStringLiteral("update tb_rmmc_detail set ") + assignments.join(u',') +
                     QStringLiteral(" where id=?"),
                 parameters)) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

}  // namespace appointment

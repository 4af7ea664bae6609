#include "units/Membership.h"

#include <QDate>

#include "app/DataModule.h"
#include "db/Database.h"
#include "text/MonthText.h"

namespace units {

Result<bool> ensureMember(TDataM& dm, int cadreId, int unitId, MemberFlags flags) {
    db::Database& db = dm.db();
    const QString unit = QString::number(unitId);
    const Result<QVariant> existing =
        db.scalar(QStringLiteral("select CnID from tb_cadre_node where dwID=") + unit +
                  QStringLiteral(" and ZwCadreID=") + QString::number(cadreId));
    if (!existing) {
        return existing.failure();
    }
    if (existing->isValid()) {
        return false;
    }
    const Result<QVariant> last =
        db.scalar(QStringLiteral("select max(zwOrder) from tb_cadre_node where dwID=") + unit);
    if (!last) {
        return last.failure();
    }
    if (!db.exec(QStringLiteral("insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,bind,nobz) "
                                "values (?,?,?,?,?)"),
                 {cadreId, unitId, last->toInt() + 1, flags.bind, !flags.inStaffing})) {
        return Failure{{}, db.lastError()};
    }
    return true;
}

std::optional<Membership> readMembership(db::Database& db, int unitId, int cadreId) {
    const auto row = db.query(QStringLiteral("select * from tb_cadre_node as a left outer join "
                                             "tb_department as b on a.dwid=b.id where dwid=%1 "
                                             "and zwcadreid=%2")
                                  .arg(unitId)
                                  .arg(cadreId));
    if (!row || row->rows.empty()) {
        return std::nullopt;
    }
    Membership m;
    m.unitName = row->value(0, QStringLiteral("name")).toString();
    m.entered = row->value(0, QStringLiteral("jrsjStr")).toString();
    m.inStaffing = !row->value(0, QStringLiteral("nobz")).toBool();
    return m;
}

Outcome saveMembership(TDataM& dm, int unitId, int cadreId, const QString& entered,
                       bool inStaffing) {
    if (unitId == 0) {
        return Outcome::failure(kChooseUnit);
    }
    const std::optional<text::MonthEntry> month = text::readMonthEntry(entered);
    if (!month) {
        return Outcome::failure(kBadEntryMonth);
    }
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    const QString where =
        QStringLiteral(" where dwid=%1 and zwcadreid=%2").arg(unitId).arg(cadreId);
    if (!ensureMember(dm, cadreId, unitId, {true, inStaffing})) {
        return Outcome::failure({});
    }
    const QString date = month->date.isValid()
                             ? QStringLiteral("#%1#").arg(month->date.toString(Qt::ISODate))
                             : QStringLiteral("null");
    if (!db.exec(QStringLiteral("update tb_cadre_node set jrsjStr=?,jrsj=") + date +
                     QStringLiteral(",nobz=?") + where,
                 {month->text, !inStaffing}) ||
        !transaction.commit()) {
        return Outcome::failure({});
    }
    const Result<QVariant> id = db.scalar(QStringLiteral("select CnID from tb_cadre_node") + where);
    if (!id) {
        return Outcome::failure({});
    }
    return {true, {}, id->toInt()};
}

}  // namespace units

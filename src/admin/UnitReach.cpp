#include "admin/UnitReach.h"

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "db/Database.h"

namespace admin {

namespace {

// Shows why a check could not be made, or the refusal; true when the check passed.
bool admitted(const Result<bool>& inReach) {
    if (!inReach) {
        app::showError(inReach.errorText());
        return false;
    }
    if (!*inReach) {
        app::showInformation(kNoRight);
    }
    return *inReach;
}

// Whether any of the unit indexes `rows` lists (column dwIndex) is covered by `reach`.
bool coversAny(const UnitReach& reach, const db::QueryResult& rows) {
    for (size_t i = 0; i < rows.rows.size(); ++i) {
        if (reach.covers(rows.value(i, QStringLiteral("dwIndex")).toString())) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool UnitReach::covers(const QString& dwIndex) const {
    if (!limited) {
        return true;
    }
    for (const QString& index : indexes) {
        if (!index.isEmpty() && dwIndex.startsWith(index, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

Result<UnitReach> readUnitReach(db::Database& db, int managerId) {
    UnitReach reach;
    if (managerId == 0) {
        return reach;
    }
    const Result<QVariant> limited =
        db.scalar(QStringLiteral("select DwRight from tb_manager where ManagerID=?"), {managerId});
    if (!limited) {
        return limited.failure();
    }
    reach.limited = limited->toBool();
    if (!reach.limited) {
        return reach;
    }
    const auto units =
        db.query(QStringLiteral("select d.dwIndex from tb_conf c inner join tb_department d on "
                                "d.ID=c.ItemVI where c.GID='DWRIGHT' and c.ItemID=?"),
                 {QString::number(managerId)});
    if (!units) {
        return Failure{{}, db.lastError()};
    }
    for (size_t i = 0; i < units->rows.size(); ++i) {
        reach.indexes.append(units->value(i, QStringLiteral("dwIndex")).toString());
    }
    return reach;
}

Result<bool> cadreInReach(db::Database& db, const UnitReach& reach, int cadreId) {
    if (!reach.limited || cadreId == 0) {
        return true;
    }
    const auto units = db.query(
        QStringLiteral("select d.dwIndex from tb_cadre_node n inner join tb_department d on "
                       "d.ID=n.dwID where n.ZwCadreID=?"),
        {cadreId});
    if (!units) {
        return Failure{{}, db.lastError()};
    }
    return coversAny(reach, *units);
}

Result<bool> unitInReach(db::Database& db, const UnitReach& reach, int unitId) {
    if (!reach.limited) {
        return true;
    }
    const auto units =
        db.query(QStringLiteral("select dwIndex from tb_department where ID=?"), {unitId});
    if (!units) {
        return Failure{{}, db.lastError()};
    }
    return coversAny(reach, *units);
}

bool MayChangeCadre(TDataM& dm, int cadreId) {
    const Result<UnitReach> reach = readUnitReach(dm.db(), dm.session().ManagerID);
    if (!reach) {
        return admitted(reach.failure());
    }
    return admitted(cadreInReach(dm.db(), *reach, cadreId));
}

bool MayChangeUnit(TDataM& dm, int unitId) {
    const Result<UnitReach> reach = readUnitReach(dm.db(), dm.session().ManagerID);
    if (!reach) {
        return admitted(reach.failure());
    }
    return admitted(unitInReach(dm.db(), *reach, unitId));
}

}  // namespace admin

#pragma once

#include <QString>
#include <QStringList>

#include "db/Result.h"

class TDataM;
namespace db {
class Database;
}

namespace admin {

// The units an account is limited to. An account (or group) with DwRight set may change only
// the cadres of its permitted units and of their subtrees; the others it may view in their
// basic data only. The permitted units are its DWRIGHT rows in tb_conf; a unit's subtree is
// every unit whose index starts with the unit's index, so a re-indexed tree keeps its reach.
struct UnitReach {
    bool limited = false;
    QStringList indexes;  // the indexes of the permitted units that still exist

    // Whether the unit of index `dwIndex` is a permitted unit or below one.
    bool covers(const QString& dwIndex) const;
};

// The reach of account `managerId`; 0 (nobody logged in) and an account without DwRight are
// not limited.
Result<UnitReach> readUnitReach(db::Database& db, int managerId);

// Whether cadre `cadreId` is a member of a unit in `reach` (always when not limited, and for 0,
// a cadre not saved yet).
Result<bool> cadreInReach(db::Database& db, const UnitReach& reach, int cadreId);
// Whether unit `unitId` is in `reach` (always when not limited).
Result<bool> unitInReach(db::Database& db, const UnitReach& reach, int unitId);

// Whether the logged-in account may change cadre `cadreId` / the members of unit `unitId` as
// far as its units go. An account out of reach is shown kNoRight, a failing read an error.
bool MayChangeCadre(TDataM& dm, int cadreId);
bool MayChangeUnit(TDataM& dm, int unitId);

}  // namespace admin

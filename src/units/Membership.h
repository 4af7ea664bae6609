#pragma once

#include <QString>
#include <optional>

#include "db/Result.h"
#include "units/UnitTree.h"

class TDataM;

namespace db {
class Database;
}

// One cadre's membership of one unit (a tb_cadre_node row): when the cadre entered the unit and
// whether the membership counts in the unit's staffing.
namespace units {

struct Membership {
    QString unitName;  // the unit's full name
    QString entered;   // jrsjStr, the entry month as typed
    bool inStaffing = true;
};

// How a new membership row is marked. `bind` keeps a membership the user made on purpose while
// the cadre holds no current post in the unit (the current-post refresh deletes unbound
// memberships without posts); `inStaffing` false writes nobz, so that the membership is left out
// of the unit's staffing count.
struct MemberFlags {
    bool bind = false;
    bool inStaffing = true;
};

// Makes cadre `cadreId` a member of unit `unitId`: unless a membership exists already (it is then
// left as it is), a row is inserted last in the unit's order (its largest order + 1) with both
// flags written. The value is true when a row was inserted. Every membership row is inserted
// here.
Result<bool> ensureMember(TDataM& dm, int cadreId, int unitId, MemberFlags flags);

// The membership of cadre `cadreId` in unit `unitId`; nullopt when there is none.
std::optional<Membership> readMembership(db::Database& db, int unitId, int cadreId);

// Writes the entry month (its text, and its first day as the date; an empty text clears both)
// and the staffing flag of the membership, creating it at the end of the unit's order when it
// does not exist yet (bound, since the user made it); the outcome's id is the membership's CnID.
// Refused with a message, and nothing written, when no unit is given or the text is not a month; a
// database failure is refused with an empty message (the database's lastError() tells).
Outcome saveMembership(TDataM& dm, int unitId, int cadreId, const QString& entered,
                       bool inStaffing);

inline const QString kChooseUnit = QStringLiteral("请选择所在单位.");
inline const QString kBadEntryMonth =
    QStringLiteral("进入时间格式不正确，请按“年.月”输入，如 2012.07。");

}  // namespace units

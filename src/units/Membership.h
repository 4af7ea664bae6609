#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <optional>

#include "db/Result.h"

class TDataM;

namespace db {
class Database;
}

// One cadre's membership of one unit (a tb_cadre_node row): when the cadre entered the unit and
// whether the membership counts in the unit's staffing. Every write to the membership rows goes
// through the functions here.
namespace units {

// The list of the cadre's memberships with their units' rows (the posts page).
QString membershipsListStatement(int cadreId);

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

// Makes each cadre of `cadreIds` a member of unit `unitId`, bound to it and in staffing, at the
// end of the unit's order in the given order (ensureMember), in one transaction; cadres already
// in the unit are skipped. The value is the number of cadres added.
Result<int> addMembers(TDataM& dm, int unitId, const QList<int>& cadreIds);

// Swaps the list orders of two membership rows (order, CnID of each), in one transaction.
Result<void> swapMemberOrders(TDataM& dm, int orderA, int cnIdA, int orderB, int cnIdB);

// Moves cadre `cadreId` (at order `currentOrder` in unit `unitId`) to order `targetOrder`,
// shifting the rows between by one, in one transaction.
Result<void> moveMemberTo(TDataM& dm, int unitId, int cadreId, int currentOrder, int targetOrder);

// The writes below are single statements; a caller that makes more than one change runs them in
// its own transaction.

// Deletes the membership of cadre `cadreId` in unit `unitId` (nothing when there is none); the
// orders of the unit's other members stay as they are (closeOrderGap closes the gap).
Result<void> removeMember(TDataM& dm, int cadreId, int unitId);

// Deletes every membership of cadre `cadreId`.
Result<void> removeAllMemberships(TDataM& dm, int cadreId);

// Deletes every membership in the units that `unitIds` lists: a parenthesised select of unit IDs.
Result<void> removeMembershipsOfUnits(TDataM& dm, const QString& unitIds);

// Moves every member of unit `unitId` ordered after `leftOrder` (the order of a member who left)
// up by one.
Result<void> closeOrderGap(TDataM& dm, int unitId, int leftOrder);

// Clears the post summaries (zwList, rzsjList) of every membership of cadre `cadreId`.
Result<void> clearPostSummaries(TDataM& dm, int cadreId);

// Writes the post summary of membership `membershipId` (CnID): the post names and the
// appointment months, each null for none; `unbind` also removes the membership's bind mark.
Result<void> writePostSummary(TDataM& dm, qint64 membershipId, const QVariant& posts,
                              const QVariant& months, bool unbind);

// Deletes membership `membershipId` (CnID).
Result<void> deleteMembership(TDataM& dm, qint64 membershipId);

// The membership of cadre `cadreId` in unit `unitId`; nullopt when there is none.
Result<std::optional<Membership>> readMembership(db::Database& db, int unitId, int cadreId);

// Writes the entry month (its text, and its first day as the date; an empty text clears both)
// and the staffing flag of the membership, creating it at the end of the unit's order when it
// does not exist yet (bound, since the user made it); the value is the membership's CnID.
// Refused with a message, and nothing written, when no unit is given or the text is not a month.
Result<qint64> saveMembership(TDataM& dm, int unitId, int cadreId, const QString& entered,
                              bool inStaffing);

// Repairs the membership rows: deletes those that name no unit of the tree (dwID 0, null or a
// unit that is gone) and renumbers the members of each unit 1..n in their order. The value is the
// number of rows deleted or renumbered. A caller that makes more changes runs this in its own
// transaction.
Result<int> repairMemberOrders(TDataM& dm);

inline const QString kChooseUnit = QStringLiteral("请选择所在单位.");
inline const QString kBadEntryMonth =
    QStringLiteral("进入时间格式不正确，请按“年.月”输入，如 2012.07。");

}  // namespace units

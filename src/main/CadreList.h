#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "db/PagedRows.h"
#include "db/Result.h"

class TDataM;

// The cadre list of a unit: the statement that lists its members (or the members of its whole
// subtree) and the operations that change the list's membership rows.
namespace mainwin {

// The columns every form of the list reads, in this order.
extern const QString kCadreListColumns;

// The condition "(ctype in (...)) " selecting the cadres whose six-bit type set shares a bit with
// `mask`; empty when `mask` is 0 (no type chosen).
QString cadreTypeCondition(int mask);

// The list of the members of unit `unitId` in their order, or with a non-empty `subtreeIndex`
// the members of every unit whose index starts with it, ordered by unit index and then order;
// `typeCondition` (from cadreTypeCondition) restricts both. `ageToday` is the day the age
// column counts to. Its keys are CnID and CadreID.
db::PagedRows::Query cadreListQuery(int unitId, const QString& subtreeIndex,
                                    const QString& typeCondition, const QDate& ageToday);

// The same list as one statement: the members of unit `unitId` in their order, or with a non-empty
// `subtreeIndex` the members of every unit whose index starts with it, ordered by unit index and
// then order; `typeCondition` (from cadreTypeCondition) restricts both. `ageToday` is the day
// the age column counts to.
QString cadreListStatement(int unitId, const QString& subtreeIndex, const QString& typeCondition,
                           const QDate& ageToday);

// A transfer month typed where a month is expected.
inline const QString kBadTransferMonth =
    QStringLiteral("职务任免时间格式不正确，请按“年.月”输入，如 2012.07，年份不早于1900年。");

// The transfer of a cadre from unit `fromUnit` into `toUnit`, in one transaction:
// - with `leaveOldUnit` its current posts in the old unit end in the transfer month
//   (cadre::endCurrentPosts; its former posts there keep their dates) and its membership there
//   ends;
// - it becomes a member of the new unit, bound and in staffing, when it is not one yet;
// - a non-empty `postName` is recorded as a current post of the new unit taken up in the
//   transfer month (cadre::savePost), whose refresh writes the current-post texts.
// An empty month is allowed (no dates); any other text that is not a month of the entry pattern
// is refused with kBadTransferMonth, a month before the appointment of a post that ends with
// kRemovalBeforeAppointment, a new unit that is a grouping node (when a post is given) with the
// post dialog's message; nothing is written then.
Result<void> transferMember(TDataM& dm, int cadreId, int fromUnit, int toUnit, bool leaveOldUnit,
                            const QString& monthText, const QString& postName);

}  // namespace mainwin

#pragma once

#include <QString>

#include "db/Result.h"

class TDataM;

// Taking a cadre out of a unit's list, or out of the database.
namespace cadre {

// Deletes cadre `cadreId`:
// - complete: every dependent record (posts, memberships, family, rewards and punishments,
//   assessments, training, frozen roster copies, A54, A55, A56, the archive catalogue E01 and the
//   attached documents with their links), then the cadre row itself when
//   `mayDeleteCadreRow`, otherwise the cadre record is refreshed from its (now absent) posts;
// - not complete: only the membership of `unitId` and the current posts there, after which the
//   current-post texts and the other memberships are refreshed.
// One transaction; a failure changes nothing.
Result<void> DeleteCadre(TDataM& dm, int cadreId, bool complete, bool mayDeleteCadreRow,
                         int unitId);

// The three ways the cadre list of a unit lets a cadre go.
enum class RemovalWay {
    // The unit's current posts become former posts ending in the removal month; the cadre
    // leaves the unit.
    RemoveWithRemovalDate,
    // The unit's current posts are deleted; the cadre leaves the unit and is otherwise kept.
    RemoveAndDeletePosts,
    // The cadre and everything recorded about it is deleted.
    DeleteCompletely,
};

// Takes cadre `cadreId` out of unit `unitId` in the given way and closes the gap it leaves in
// the unit's order. With RemoveWithRemovalDate the unit's current posts end in the removal
// month (cadre::endCurrentPosts: stored as "yyyy.mm" with its first day as the removal date, an
// empty text ending them without one); a text that is not a month of the entry pattern is
// refused with kBadRemovalMonth, a month before a post's appointment with
// kRemovalBeforeAppointment. One transaction: a refusal or a failure changes nothing.
Result<void> removeFromUnit(TDataM& dm, int cadreId, int unitId, RemovalWay way,
                            const QString& removalMonthText);

}  // namespace cadre

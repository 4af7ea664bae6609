#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "db/Result.h"

class TDataM;

// The texts that a cadre's current posts make: the current-post text of the cadre record
// (xrz, copied to allZwList), the month the cadre took up the current posts (allRzsjList), and
// each membership's post summary (zwList, rzsjList). Only current posts in units of the tree
// count; a post whose unit was typed as text (dwID 0) or has been removed never does.
namespace cadre {

// One current post, as the current-post text is built from it.
struct CurrentPost {
    int unitId = 0;
    QString unitName;
    QString postName;
    QString appointed;  // the appointment month text (rzsjstr), possibly empty
};

// What the current posts, in their order, make of the cadre record.
struct CurrentPostTexts {
    // The unit's name before the first post of each run of posts in the same unit, posts of a
    // run joined by "、", runs joined by "，": A职务1、职务2，B职务3. A unit whose posts are not
    // adjacent is named again.
    QString posts;
    // The first non-empty appointment month text among the posts.
    QString appointed;
};

CurrentPostTexts currentPostTexts(const std::vector<CurrentPost>& posts);

// Writes the texts into the cadre record. The cadre editor, which holds the record open, supplies
// one that edits its own row.
using CadreRecordWriter = std::function<Result<void>(const CurrentPostTexts&)>;

// Brings the cadre record and the cadre's memberships in line with its current posts:
// - with no current post in a unit of the tree the record keeps its texts and every membership
//   stays; only their post summaries are cleared;
// - a membership is created (last in the unit, unbound, in staffing) for each unit where a
//   current post has none;
// - the cadre record receives the texts through `writeRecord`;
// - every membership gets its unit's post summary and loses its `bind` mark when there are
//   posts; a membership without posts and without `bind` is deleted, except the one of
//   `keepUnitId`, which stays with empty summaries.
// Everything runs in one transaction (a savepoint inside the caller's transaction when there is
// one); a failure writes nothing.
Result<void> RefreshCurrentPosts(TDataM& dm, int cadreId, int keepUnitId,
                                 const CadreRecordWriter& writeRecord);

// The same, writing the stored cadre record directly: unless ZwLock is set, xrz := the
// current-post text and allRzsjList := the appointment month; allZwList := xrz in every case
// (the stored xrz when locked). The appointment month is written here as well as by the cadre
// editor, so that a list never shows a new post with the month of an old one.
Result<void> RefreshCurrentPosts(TDataM& dm, int cadreId, int keepUnitId);

// Empties the current-post texts of the stored record of a cadre who holds no current post any
// more since leaving the serving library (RefreshCurrentPosts leaves the texts of a cadre
// without current posts as they are), the way RefreshCurrentPosts writes them: unless ZwLock is
// set, xrz and allRzsjList become empty; allZwList := xrz in every case.
Result<void> clearCurrentPostTexts(TDataM& dm, int cadreId);

}  // namespace cadre

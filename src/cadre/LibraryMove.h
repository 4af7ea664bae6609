#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "db/Result.h"

class TDataM;

// "人员调动": moving cadres between the cadre libraries (tb_cadre.classid): 0 serving, 1 retired,
// 2 transferred out.
namespace cadre {

inline constexpr int kServingLibrary = 0;
inline constexpr int kRetiredLibrary = 1;

// The libraries by their classid.
const QStringList& cadreLibraries();

inline const QString kChooseLibraries = QStringLiteral("请选择源、目的干部库！");
inline const QString kSameLibraries = QStringLiteral("源、目的干部库不能相同");
inline const QString kEnterRemovalMonth = QStringLiteral("请输入免职时间");
// Followed by the names of the chosen cadres that are not in the source library (any more).
inline const QString kNotInSourceLibrary =
    QStringLiteral("下列干部已不在源干部库中，请将其从列表中删除后再移动：");

// The chosen cadres as the dialog lists them, in CadreID order.
QString chosenCadresStatement(const QList<int>& cadreIds);

// Moves the cadres of `cadreIds` from library `source` to library `target` (classids; -1: none
// chosen). Refused, with nothing written, when a library is not chosen (kChooseLibraries), when
// both are the same (kSameLibraries), when, leaving the serving library, the removal month is
// empty (kEnterRemovalMonth) or not a month (kBadRemovalMonth), and when a chosen cadre is not in
// the source library, moved since the list was made or deleted (kNotInSourceLibrary and their
// names; a deleted one as "编号<CadreID>"). Leaving the serving library ends every current post of
// the cadres with that removal month (endCurrentPosts, which refuses a month before a post's
// appointment), deletes every membership, bound ones included, closing the gap in each unit's
// order, and empties the current-post texts, which name no post now (clearCurrentPostTexts; a
// cadre whose texts are locked keeps them). Moving into the serving library changes only the
// library: no post or membership comes back. An empty list writes nothing. One transaction: a
// refusal or a failure writes nothing.
Result<void> moveToLibrary(TDataM& dm, const QList<int>& cadreIds, int source, int target,
                           const QString& removalMonth);

}  // namespace cadre

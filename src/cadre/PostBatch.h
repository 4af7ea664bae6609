#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "db/Result.h"

class TDataM;

namespace db {
class Database;
}

// Posts changed several at a time: the removal ("免除职务") and deletion of marked current posts
// of a cadre, and the assignment of a unit's posts by post category (职务类别). Each change runs
// in one transaction and ends with the current-post refresh of every cadre it touched; a
// database failure leaves nothing written (the database's lastError() tells why).
namespace cadre {

// ---- Removing and deleting marked posts ------------------------------------------------------

// A current post as the removal and deletion dialogs list it.
struct PostLine {
    int zwId = 0;
    QString unit;       // dw, the unit's name as stored with the post
    QString post;       // zwmc
    QString appointed;  // rzsjstr
};

// The current posts of cadre `cadreId` in unit `unitId` or, with `allUnits`, in every unit, in
// the cadre's post order.
QString currentPostsStatement(int cadreId, int unitId, bool allUnits);
// The posts a statement of currentPostsStatement() lists; nullopt on a database failure.
Result<QList<PostLine>> readPostLines(db::Database& db, const QString& statement);

// Makes the cadre's current posts among `zwIds` former posts (cadre::endCurrentPosts): unmarked,
// ending in `monthText` (an empty text gives no removal month), last in the former list; their
// removal document number, document and reason stay as stored. Then refreshes the cadre's
// current posts keeping its membership of `unitId`. A text that is not a month of the entry
// pattern is refused with kBadRemovalMonth, a month before a post's appointment with
// kRemovalBeforeAppointment; nothing is written then.
Result<void> removePosts(TDataM& dm, int cadreId, int unitId, const QList<int>& zwIds,
                         const QString& monthText);
// Deletes the cadre's current posts among `zwIds`, then refreshes as removePosts() does.
Result<void> deletePosts(TDataM& dm, int cadreId, int unitId, const QList<int>& zwIds);

// ---- Assigning posts by category -------------------------------------------------------------

// The post name proposed for category `category` ("正职" or "副职") of a leading body known by
// its exact name ("市委", "县政府", "区人大" ...); empty for every other unit or category.
QString proposedPostName(const QString& unitName, const QString& category);

// What the batch dialog starts from for a category of a unit.
struct CategoryDefaults {
    QString postName;  // the quota row's post name, or the proposed one when it has none
    int quota = 1;     // the quota row's quota, at least 1
};
// Reads the quota row of (`unitId`, `category`). A post name is proposed from the unit's name
// or, when that gives none, from its short name (dwjc). Nullopt on a database failure.
Result<CategoryDefaults> categoryDefaults(TDataM& dm, int unitId, const QString& category);

// The categories offered for unit `unitId`: those of its quota rows in their order, followed by
// the configured post categories (tb_general.zt) it has no quota row of.
Result<QStringList> categoryChoices(db::Database& db, int unitId);
// The post names of the unit's quota rows, each once, in their order.
Result<QStringList> quotaPostNames(db::Database& db, int unitId);

// One holder of a category: a row of the batch dialog's grid.
struct CategoryRow {
    int cadreId = 0;
    QString name;       // xm
    QString post;       // zwmc
    QString monthText;  // rzsjStr
};

// The unit's members holding a current post of the category in the unit, in the unit's order.
QString categoryHoldersStatement(int unitId, const QString& category);
Result<QList<CategoryRow>> readCategoryHolders(db::Database& db, int unitId,
                                               const QString& category);

// The members of unit `unitId` in the unit's order, with their current-post text as `post`.
Result<QList<CategoryRow>> readUnitMembers(db::Database& db, int unitId);

inline const QString kChooseCategory = QStringLiteral("请选择职务类别");
inline const QString kSetPostName = QStringLiteral("请设置职务名称");
inline const QString kSettingPosts = QStringLiteral("正在设置职务信息");
inline const QString kSettingDescriptions = QStringLiteral("正在设置职务描述");

// The index of the first row without a post name, if any.
std::optional<int> rowWithoutPostName(const QList<CategoryRow>& rows);

// Gives every row's cadre the post of category `category` in unit `unitId`:
// - refused, with nothing written, without a category (kChooseCategory) or when a row has no
//   post name (kSetPostName; rowWithoutPostName tells which);
// - a cadre without a membership of the unit gets one, bound, after the unit's last member (the
//   rows counting up in their order; units::ensureMember);
// - the cadre's current post of the row's name in the unit is edited, otherwise a current post
//   is appended after the cadre's current posts; either gets the category, the name and the
//   appointment month (as typed, with its first day as date, no date when it is not a month);
// - every cadre's current posts are refreshed;
// - the unit's quota row of the category, appended when missing, gets `postName` and `quota`.
// One transaction, reported on the wait window (kSettingPosts, then kSettingDescriptions).
Result<void> applyCategory(TDataM& dm, int unitId, const QString& category, const QString& postName,
                           int quota, const QList<CategoryRow>& rows);

// Takes the cadre's current post `post` in the unit out of its category (the post stays).
Result<void> removeFromCategory(TDataM& dm, int unitId, int cadreId, const QString& post);
// The cadre's current posts of the category in the unit.
Result<QList<int>> categoryPostIds(db::Database& db, int unitId, int cadreId,
                                   const QString& category);

}  // namespace cadre

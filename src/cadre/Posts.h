#pragma once

#include <QString>
#include <optional>

#include "cadre/CurrentPosts.h"
#include "db/Result.h"

class TDataM;

namespace db {
class Database;
}

// The changes made to one cadre's posts from the posts page and the post dialog. Each operation
// runs in one transaction together with the refresh of the current-post texts that follows it:
// a refusal (its message) or a database failure (the database's error) leaves everything as it
// was. The refresh writes
// the stored cadre record unless the caller holds the record open and passes a writer for it.
namespace cadre {

// The lists of the posts page: the cadre's current posts with their units' names, in order, and
// its former posts, in order.
QString currentPostsListStatement(int cadreId);
QString formerPostsListStatement(int cadreId);

// Messages of the post dialog.
inline const QString kPostUnitNotSet = QStringLiteral("任职单位尚未设置!");
inline const QString kPostUnitNotReal =
    QStringLiteral("不能在这个单位中添加职务，原因:此单位可能是一个虚拟分组。");
inline const QString kSelectPostUnit = QStringLiteral("请选中任职单位.");
inline const QString kEnterPostName = QStringLiteral("请输入职务名称.");
inline const QString kBadAppointedMonth =
    QStringLiteral("任职时间格式不正确，请按“年.月”输入，如 2012.07，年份不早于1900年。");
// An edited post that another window deleted meanwhile.
inline const QString kPostGone = QStringLiteral("该职务已不存在。");

// Messages and questions of the posts page.
inline const QString kSelectPostToDelete = QStringLiteral("请在列表中选中要删除的职务。");
inline const QString kDeletePostQuestion = QStringLiteral("删除当前职务?");
inline const QString kSelectPostToMove = QStringLiteral("请在列表中选中要移动的职务。");
inline const QString kRemoveMembershipQuestion =
    QStringLiteral("删除与单位的对应关系，注意：相关的现任职务也会被同时删除?");

// Post status in tb_cadre_zw.
constexpr int kCurrentPost = 1;
constexpr int kFormerPost = 2;

// One post as the post dialog shows and saves it.
struct PostInput {
    int cadreId = 0;
    int zwId = 0;  // 0: a new post
    // The unit is typed as text ("直接输入历史任职单位"): a unit that is not in the tree, stored
    // with dwID 0. Otherwise `unitId` is the unit picked from the tree (0: none).
    bool historicalUnit = false;
    int unitId = 0;
    // What the unit box shows: the typed unit for a historical unit; for a picked unit only
    // whether the box is empty matters, the unit's stored name is what the post keeps.
    QString unitText;
    QString postName;
    bool current = true;
    QString appointedMonth;       // rzsjstr
    QString removedMonth;         // mzsjstr
    QString appointmentNumber;    // rzwh 任职文号
    QString appointmentDocument;  // rzw 任 职 文
    QString appointmentReason;    // rzyy 任职原因
    QString removalNumber;        // mzwh 免职文号
    QString removalDocument;      // mzw 免 职 文
    QString removalReason;        // mzyy 免职原因
};

// Post `zwId` of cadre `cadreId` as the dialog edits it (the unit box shows the stored `dw`; a
// post with dwID 0 is a historical unit); kPostGone when the cadre has no such post.
Result<PostInput> readPost(db::Database& db, int cadreId, int zwId);

// Saves a new post (zwId 0) or edits one, then refreshes the cadre's current-post texts. Refused
// when the unit box is empty (kPostUnitNotSet), when the picked unit is not in the tree or is a
// grouping node (kPostUnitNotReal), when the unit's text is blank (kSelectPostUnit) or the post
// name is (kEnterPostName), when a month is not empty and not a month of the entry pattern from
// 1900 on (kBadAppointedMonth, kBadRemovalMonth) and when the removal month comes before the
// appointment month (kRemovalBeforeAppointment). Written: status 1 or 2, dw (the typed text, or the
// picked unit's name), dwID (0 for a historical unit), the post name, the month texts as "yyyy.mm"
// with their first days as dates (null when empty), the six document fields; a new post also gets
// the cadre, zs true, emptyNode false and the last place among the cadre's posts of its status, and
// an edited post whose status changes goes last in its new list. The value is the post's ZwID.
Result<int> savePost(TDataM& dm, const PostInput& input, const CadreRecordWriter& writeRecord = {});

// Deletes post `zwId` of cadre `cadreId`; `refresh` (a post of the current-posts list) refreshes
// the current-post texts afterwards.
Result<void> deletePost(TDataM& dm, int cadreId, int zwId, bool refresh,
                        const CadreRecordWriter& writeRecord = {});

// Swaps the order of post `zwId` with the previous (`step` < 0) or next (`step` > 0) post of the
// same status in the cadre's list; nothing happens when there is none (the post is already first
// or last) or `step` is 0. Moving a current post refreshes the current-post texts. A post that
// is not the cadre's is refused with kPostGone.
Result<void> movePost(TDataM& dm, int cadreId, int zwId, int step,
                      const CadreRecordWriter& writeRecord = {});

// Ends the cadre's membership of unit `unitId`: its current posts in the unit become former
// posts, last in the former list and with no new removal month (cadre::endCurrentPosts, which
// refreshes the current-post texts), then the membership row is deleted. Ask
// kRemoveMembershipQuestion first.
Result<void> removeMembership(TDataM& dm, int cadreId, int unitId,
                              const CadreRecordWriter& writeRecord = {});

// Renumbers the posts of each cadre 1..n in their order, current and former posts each in their
// own list. The value is the number of posts renumbered. A caller that makes more changes runs
// this in its own transaction.
Result<int> renumberPostOrders(db::Database& db);

}  // namespace cadre

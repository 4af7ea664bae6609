#pragma once

#include <QString>

#include "cadre/CurrentPosts.h"
#include "db/Result.h"
#include "text/MonthText.h"

class TDataM;

// The end of current posts: the removal dialog, the membership removal of the posts page, the
// removal of a cadre from a unit, the transfer to another unit and the dissolution of units all
// turn current posts into former posts here.
namespace cadre {

// A removal month typed where a month is expected.
inline const QString kBadRemovalMonth =
    QStringLiteral("免职时间格式不正确，请按“年.月”输入，如 2012.07，年份不早于1900年。");
// A removal month before the month a post was taken up.
inline const QString kRemovalBeforeAppointment = QStringLiteral("免职时间不能早于任职时间。");

// Ends the current posts (status 1) that `condition` (a condition on tb_cadre_zw) selects:
// - each becomes a former post (status 2) placed last in its cadre's former list, the posts of
//   one cadre keeping their order among themselves;
// - with a non-empty `month` its text ("yyyy.mm") and first day are the removal month and date;
//   with an empty one the posts keep whatever removal month they had;
// - the current-post texts and memberships of every cadre touched are refreshed, keeping the
//   membership of `keepUnitId`; `writeRecord`, when given, writes the record the cadre editor
//   holds open, so the condition then selects that cadre's posts only.
// A removal month before a post's appointment month is refused with kRemovalBeforeAppointment
// and the post named. One transaction: a refusal or a failure writes nothing.
Result<void> endCurrentPosts(TDataM& dm, const QString& condition, const text::MonthEntry& month,
                             int keepUnitId, const CadreRecordWriter& writeRecord = {});

}  // namespace cadre

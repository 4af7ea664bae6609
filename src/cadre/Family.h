#pragma once

#include <QString>
#include <optional>

#include "db/Result.h"

class TDataM;

namespace db {
class Database;
}

// A cadre's family members (tb_family), kept in the order `ford` the user gives them. Every change
// runs in one transaction; a refusal (its message) or a database failure (the database's error)
// writes nothing.
namespace cadre {

inline const QString kSelectFamilyMemberToDelete =
    QStringLiteral("请在列表中选中要删除的家庭成员。");
inline const QString kDeleteFamilyMemberQuestion = QStringLiteral("删除当前家庭成员?");
inline const QString kBadFamilyBirthMonth =
    QStringLiteral("出生年月格式不正确，请按“年.月”输入，如 1965.03，年份不早于1900年。");
inline const QString kFamilyMemberGone = QStringLiteral("该家庭成员已不存在。");

// The family page's list: the cadre's members in their order.
QString familyListStatement(int cadreId);

// One member as the dialog shows and saves it.
struct FamilyMember {
    int familyId = 0;  // 0: a new member
    int cadreId = 0;
    QString relation;    // cw 称 谓
    QString name;        // xm 姓 名
    QString birthMonth;  // cssjStr 出生年月, as typed
    QString party;       // zzmm 政治面貌
    QString workplace;   // dw 工作单位及职务
};

// Member `familyId` of cadre `cadreId`; nullopt when there is none, a failure when it cannot be
// read.
Result<std::optional<FamilyMember>> readFamilyMember(db::Database& db, int cadreId, int familyId);

// Saves a new member (last in the cadre's order) or edits one. The birth month is stored as
// "yyyy.mm" with its first day in cssj; an empty month clears both; a month that is not a month
// of the entry pattern from 1900 on is refused with kBadFamilyBirthMonth. An edited member that
// is not the cadre's is refused with kFamilyMemberGone. The value is the member's FamilyID.
Result<int> saveFamilyMember(TDataM& dm, const FamilyMember& member);

// Deletes member `familyId` of cadre `cadreId`; the others keep their orders.
Result<void> deleteFamilyMember(db::Database& db, int cadreId, int familyId);

// Deletes every member of cadre `cadreId` (a family replaced as a whole).
Result<void> deleteFamily(db::Database& db, int cadreId);

// Swaps the order of member `familyId` with the member before (`step` < 0) or after (`step` > 0)
// it in the cadre's order; nothing happens at either end. A member that is not the cadre's is
// refused with kFamilyMemberGone.
Result<void> moveFamilyMember(db::Database& db, int cadreId, int familyId, int step);

}  // namespace cadre

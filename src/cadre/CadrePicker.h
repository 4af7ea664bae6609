#pragma once

#include <QList>
#include <QString>

#include "db/Result.h"

namespace db {
class Database;
}

// The cadre picker's statements and its final list (the scratch table tb_querytemp).
namespace cadre {

// A cadre as the picker lists it.
struct PickedCadre {
    int cadreId = 0;
    QString name;
    QString sex;
    QString rank;
    QString currentPost;
};

// "按干部信息": cadres of library `classId` whose pinyin initials (a text of letters only) or
// name start with `text` (the name as it is stored, cadre::nameStartsWith); every cadre of the
// library when `text` is empty or blank. In global order.
QString pickByInfoStatement(int classId, const QString& text);
// "按所在单位": the members of unit `unitId` in library `classId`, in the unit's order.
QString pickByUnitStatement(int classId, int unitId);

// "高级筛选": the cadres that the search's where-clause `where` selects, in global order.
QString pickByConditionStatement(const QString& where);
// Cadres in no unit, by pinyin initials.
QString pickWithoutUnitStatement();
// The names of a typed name list (one a line, or separated by commas, semicolons or "、"), each
// in its stored form (text::normalizeName), without repeats.
QStringList namesOfList(const QString& typed);
// The cadres bearing one of `names` (stored forms), by pinyin initials; every cadre with none.
QString pickByNamesStatement(const QStringList& names);
// "搜索名单共<n>人，找到<m>人" for a list of `listed` names and the cadres `found`, followed by
// "，重名：" and the names that several found cadres share.
QString nameListReport(int listed, const QList<PickedCadre>& found);

// The cadres a picker statement lists.
Result<QList<PickedCadre>> readPickList(db::Database& db, const QString& statement);

// Empties the final list.
Result<void> clearPicked(db::Database& db);
// Appends the cadres that are not in the final list yet; false on a database failure.
Result<void> addPicked(db::Database& db, const QList<PickedCadre>& cadres);

}  // namespace cadre

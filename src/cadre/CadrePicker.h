#pragma once

#include <QList>
#include <QString>

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
// name start with `text`; every cadre of the library when `text` is empty. In global order.
QString pickByInfoStatement(int classId, const QString& text);
// "按所在单位": the members of unit `unitId` in library `classId`, in the unit's order.
QString pickByUnitStatement(int classId, int unitId);

// The cadres a picker statement lists (none, with *ok false, when the statement fails).
QList<PickedCadre> readPickList(db::Database& db, const QString& statement, bool* ok = nullptr);

// Empties the final list.
bool clearPicked(db::Database& db);
// Appends the cadres that are not in the final list yet; false on a database failure.
bool addPicked(db::Database& db, const QList<PickedCadre>& cadres);
// The final list.
QList<PickedCadre> pickedCadres(db::Database& db);

}  // namespace cadre

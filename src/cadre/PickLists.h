#pragma once

#include <QString>
#include <QStringList>

#include "cadre/CodeSets.h"

namespace db {
class Database;
}

// What the main window reads from the database at start for the editors of the whole program:
// the pick lists of the shared edit fields and two flags; and the duplicate-name check.
namespace cadre {

struct PickLists {
    QStringList ranks;             // tb_zj.zjmc, highest rank (smallest level1) first
    QStringList degrees;           // tb_degree.degree
    QStringList educations;        // tb_xl.xl
    QStringList categories;        // tb_conf GBSF, ItemID by ItemV
    QStringList stages;            // tb_conf RMZT, ItemID by ItemV
    QStringList unitNatures;       // tb_conf 单位性质, ItemID by ItemV
    QStringList nativePlaces;      // tb_cadre.jgsheng, most frequent first
    QStringList birthPlaces;       // tb_cadre.cssheng, most frequent first
    QStringList familyRelations;   // the lines of tb_general.jtcy
    QList<CodeItem> honourLevels;  // code set ZB66-2006/CHJZ under L0, with their codes
    QStringList titleGrades;  // tb_conf ZYDJ, ItemID by ItemV: the grades of professional titles
};

// Reads every list; empty values are left out.
Result<PickLists> loadPickLists(db::Database& db);

// Whether the grid layout is saved when user `managerId` closes the window: yes unless the
// user's AUTOSAVE item in tb_conf holds something other than "1".
Result<bool> saveLayoutOnExit(db::Database& db, int managerId);

// Whether post texts are locked: a ZWLOCK row of tb_conf holds "1".
Result<bool> postsLocked(db::Database& db);

inline const QString kCheckingNames = QStringLiteral("正在检查干部重名...");

// The text of "干部重名检查": the names borne by more than one cadre, each followed by ";" and a
// tab, a line break after every fifth, under the line "以下干部姓名重复."; or "无姓名重复.".
// Cadres without a name are not counted as sharing one.
Result<QString> duplicateNamesMessage(db::Database& db);

}  // namespace cadre

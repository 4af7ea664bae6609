#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "appointment/BatchFiles.h"
#include "appointment/LrmFile.h"
#include "db/Result.h"

class TDataM;

namespace db {
class Database;
}

// Approval-form files (".lrm" with its ".pic" photo, or ".lrmx") written from cadre records and
// plan lines.
namespace appointment {

// The form of cadre `cadreId`: its record and family in the values of the file (dates as year
// and month digits, education as full-time education "#" degree "@" in-service education "#"
// degree, schools full-time "@" in-service, each family list closed by "@@"), 26–28 its proposed
// posts and reason, 29–32 empty; the stored photo. nullopt when the cadre is gone.
Result<std::optional<LrmRecord>> lrmRecordOfCadre(db::Database& db, int cadreId);

// The form of plan line `lineId`, from the line's own copy of the cadre (family from its seven
// member slots) with its texts in 26–29 (拟任, 拟免, 任免理由, 呈报单位) and the plan's age date,
// maker and table date in 30–32; the photo of its cadre. nullopt when the line is gone.
Result<std::optional<LrmRecord>> lrmRecordOfLine(db::Database& db, int lineId);

// The files a batch writes: ".lrm" (with ".pic") or ".lrmx".
enum class LrmFormat { Lrm, Lrmx };

// Writes the form of each of `keys` (plan lines when `planLines`, else cadres) into `folder`
// (made when missing) as <xm>.lrm or <xm>.lrmx, a second cadre of the same name as <xm>(2).lrm
// and so on; keys that are gone are left out. A stopped batch
// gives the files written so far.
Result<BatchFiles> batchLrmFiles(db::Database& db, const QList<int>& keys, bool planLines,
                                 const QString& folder, LrmFormat format,
                                 const BatchProgress& progress);

}  // namespace appointment

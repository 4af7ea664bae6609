#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "db/Result.h"

namespace db {
class Database;
}

// The lines of an appointment plan (tb_rmmc_detail): each is a frozen copy of one cadre as he
// stood when he was put into the plan, with the proposed posts and the approval texts. Every
// write of plan lines goes through these functions.
namespace appointment {

inline const QString kUpdatingData = QStringLiteral("正在更新数据,请等待......");
inline const QString kCadreDeleted = QStringLiteral("此干部已经从基本信息库中删除!");
inline const QString kSelectLine = QStringLiteral("请先在表格中选择要查看的项.");
inline const QString kNotEditable = QStringLiteral("该列不能在表格中修改.");

// The results a line can record (rmjg).
inline const QStringList kResults{QStringLiteral("通过"), QStringLiteral("未通过"),
                                  QStringLiteral("部分通过")};

// The columns copied from tb_cadre into a line, in the line's column order (xm … zzxl).
const QStringList& copiedColumns();

// The education shown on a line: the in-service pair when its level is not empty, otherwise
// the full-time pair.
struct Education {
    QString level;   // gxl
    QString school;  // gxlxx
};
Education lineEducation(const QString& zzxl, const QString& zzxxzy, const QString& qrzxl,
                        const QString& qrzxxzy);

// Adds the cadres `cadreIds`, in this order, to plan `planId` after its last line, in one
// transaction: the copied columns, the resume, the education, the age at the plan's tbsj (when
// both dates are known) and the first seven family members in their order. A cadre already in
// the plan, or no longer in tb_cadre, is skipped. Returns the number of lines added.
Result<int> addCadres(db::Database& db, int planId, const QList<int>& cadreIds);

// A plan line as the approval-form editor lists it: its id, name and result.
struct LineListEntry {
    int lineId = 0;
    QString xm;
    QString rmjg;
};

// The lines of plan `planId`, in the plan's order.
Result<QList<LineListEntry>> lineList(db::Database& db, int planId);

// Removes line `lineId`; the lines after it move up one place.
Result<void> removeLine(db::Database& db, int lineId);

// Swaps line `lineId` with its neighbour before (step -1) or after (step 1); at either end
// nothing changes.
Result<void> moveLine(db::Database& db, int lineId, int step);

// Rewrites the copied columns, the education and the family slots of line `lineId` from the
// cadre record; every other column (resume, age, proposed posts, opinions, result) stays.
// Refused with kCadreDeleted when the cadre is no longer there.
Result<void> refreshLine(db::Database& db, int lineId);

// Whether cadre `cadreId` is still in tb_cadre.
Result<bool> cadreExists(db::Database& db, int cadreId);

// The statement that lists the lines of plan `planId` in their order: with the stored age when
// the plan has a tbsj, otherwise with the age computed against `today`.
Result<QString> linesStatement(db::Database& db, int planId, const QDate& today);

// Stores `value` in column `column` of line `lineId` (editing in the grid). The key columns
// (id, mcID, McCadreID, brOrder) are refused with kNotEditable.
Result<void> setLineValue(db::Database& db, int lineId, const QString& column,
                          const QVariant& value);

// Recomputes the age of every line of a plan that has a tbsj: completed years from the line's
// birth date to the plan's tbsj; a line without a birth date, or of a plan without a tbsj, keeps
// its age. Only lines whose age differs are written; the value is their number. A caller that
// makes more changes runs this in its own transaction.
Result<int> recomputeLineAges(db::Database& db);

}  // namespace appointment

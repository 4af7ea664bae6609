#pragma once

#include <QDate>
#include <QStringList>
#include <QVariantMap>

#include "db/Result.h"

namespace db {
class Database;
}

// Saving a plan line edited in the approval-form editor.
namespace appointment {

// The columns of a line that the approval-form editor edits, in the order of the form.
const QStringList& formColumns();

// The month columns among them, each typed as "yyyy.m".
const QStringList& formMonthColumns();

// Refusal of a month cell that is no month; %1 is the cell's column.
inline const QString kBadFormMonth = QStringLiteral("“%1”的日期格式不正确，应为“年.月”!");

// Writes `values` (form columns by lower-case name; others are ignored) into line `lineId`, with
// the month cells in their stored form, the education shown (gxl/gxlxx: the in-service pair when
// its level is filled, else the full-time pair) and, when the birth month is filled and
// `tableDate` is set, the age at `tableDate`. A month cell that is no month is refused with
// kBadFormMonth and nothing is written.
Result<void> saveFormLine(db::Database& db, int lineId, const QVariantMap& values,
                          const QDate& tableDate);

}  // namespace appointment

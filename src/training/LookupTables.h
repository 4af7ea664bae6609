#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <vector>

#include "db/Result.h"

namespace db {
class Database;
}

// The look-up tables of the settings dialog "培训设置": training bodies (tb_pxjg), teachers
// (tb_pxs), categories (tb_pxType) and forms (tb_pxMode). Their rows have no key of their own;
// they are told apart by the database's row number.
namespace training {

inline const QString kDeleteLookupQuestion = QStringLiteral("确认删除当前项?");

enum class Lookup { Bodies, Teachers, Categories, Forms };

struct LookupColumn {
    QString field;
    QString caption;
    bool isDate = false;
};

struct LookupRow {
    qint64 rowId = 0;
    QStringList values;  // in column order; dates as "yyyy-MM-dd"
};

// The tab caption and the columns of `lookup`, in grid order.
QString lookupCaption(Lookup lookup);
const std::vector<LookupColumn>& lookupColumns(Lookup lookup);

Result<std::vector<LookupRow>> readLookup(db::Database& db, Lookup lookup);
// Appends an empty row and returns its row number.
Result<qint64> appendLookupRow(db::Database& db, Lookup lookup);
// Stores `text` in column `column` of row `rowId`; a date column takes "yyyy-m-d" (empty for
// none) and refuses anything else with cadre::kBadDayEntry.
Result<void> setLookupValue(db::Database& db, Lookup lookup, qint64 rowId, int column,
                            const QString& text);
Result<void> deleteLookupRow(db::Database& db, Lookup lookup, qint64 rowId);

}  // namespace training

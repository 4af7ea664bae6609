#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

#include "db/Result.h"

class TDataM;

// "批量修改工具": one field of many cadre records set to one value in one step.
namespace cadre {

// A field the batch change can write: its caption, its tb_cadre column and, for a text column,
// the longest text the column holds (0 for the cadre type).
struct BatchField {
    QString caption;
    QString column;
    int width = 0;
};

// The fields in the order the dialog lists them.
const std::vector<BatchField>& batchFields();

// The cadre categories of "干部类型", category i standing for the mask bit 2^i.
const QStringList& cadreCategories();

inline const QString kChooseBatchCadres = QStringLiteral("请选择要修改的干部。");
inline const QString kChooseBatchField = QStringLiteral("请选择要修改的字段。");
inline const QString kUnknownCategory =
    QStringLiteral("干部类型只能是“领导干部”、“非领导干部”、“后备干部”或“其他”。");
// "<caption>的值不能超过<n>个字。"
QString valueTooLongMessage(const BatchField& field);

// Sets field `fieldIndex` (into batchFields()) of every cadre of `cadreIds` to `value`: a text
// column takes the value as it stands (an empty value clears it); the cadre type takes the mask
// bit of the chosen category (the cadre's other categories go), or 0 for an empty value. A value
// the field cannot take (an unknown category, a text longer than the column) is refused before
// anything is written. All cadres are written in one transaction: a failure writes nothing. The
// value is the number of cadre records changed.
Result<int> applyBatchChange(TDataM& dm, const QList<int>& cadreIds, int fieldIndex,
                             const QString& value);

}  // namespace cadre

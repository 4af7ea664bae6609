#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "db/Result.h"
#include "documents/TemplateValues.h"
#include "documents/Templates.h"

namespace db {
class Database;
}

// Output of cadres through a stored template: a single-person template gives one file per
// cadre, a list template one file with a row per cadre.
//
// Every item is written into its cell as its prefix, its value and, after the cell's last
// item, the postfix; several items of one cell are composed in the order they stand, so none
// overwrites another. The photo item puts the cadre's photo over the cell (Excel: stretched to
// its merged area; Word: the cell's width, at the photo's proportions); PowerPoint tables take
// text only. A list template writes the first cadre into the rows of its items and inserts a
// copy of each such row below it for every further cadre, the copies keeping the row's
// formatting; family items of a list take the cadre's family member of their number.
namespace documents {

inline const QString kExportedCount = QStringLiteral("成功导出%1人!");
inline const QString kOutputtingWord = QStringLiteral("正在输出Word，请等待...");
inline const QString kOutputtingExcel = QStringLiteral("正在输出Excel，请等待...");

// Called after each cadre with the number done; returning false stops the output.
using OutputProgress = std::function<bool(int done)>;

// The filled file of a single-person template for one cadre.
Result<QByteArray> fillSinglePerson(const StoredTemplate& stored, const CadreSheet& sheet);

// The filled file of a list template for `sheets`, one row each, in this order.
Result<QByteArray> fillList(const StoredTemplate& stored, const QList<CadreSheet>& sheets);

// What an output wrote.
struct OutputDone {
    QStringList files;
    int cadres = 0;
};

// Outputs `cadreIds` (in this order) through `stored` into `folder` (made when missing): a
// single-person template as "<xm><suffix>" per cadre (a second cadre of the same name gets
// "<xm>(2)<suffix>"), a list template as "<template name><suffix>". Ages count to `today`.
// Cadres that are gone are left out; a stopped output keeps the files written so far (a list
// is then written with the cadres read so far).
Result<OutputDone> outputCadres(db::Database& db, const StoredTemplate& stored,
                                const QList<int>& cadreIds, const QString& folder,
                                const QDate& today, const OutputProgress& progress);

// A file name made of `name`: characters that file systems refuse become "_".
QString safeFileName(const QString& name);

}  // namespace documents

#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <vector>

#include "db/Result.h"

// New workbooks (plain exports such as a grid as shown), written with libxlsxwriter. Existing
// workbooks and templates are edited with XlsxWorkbook instead.
namespace office {

// One sheet of a new workbook: a caption row, the rows of values and the footer rows.
//
// Values: an invalid or null QVariant leaves the cell empty; QString is written as text (at
// most 32,767 characters); numbers as numbers; bool as TRUE/FALSE; QDate as a date shown
// "yyyy-mm-dd" and QDateTime as a date and time shown "yyyy-mm-dd hh:mm:ss". Any other value is
// written as its text.
struct NewSheet {
    // The sheet's name: at most 31 characters, none of []:*?/\ and not starting or ending with
    // an apostrophe; "Sheet1" etc. when empty.
    QString name;
    // The captions of the first row, written bold; no caption row when empty.
    QStringList header;
    std::vector<QVariantList> rows;
    // Rows after the data (totals, counts), written bold.
    std::vector<QVariantList> footer;
    // Column widths in characters, from the first column on; columns without a width (or with
    // a width not above 0) are as wide as their longest text, a CJK character counting twice,
    // between 6 and 60 characters.
    std::vector<double> columnWidths;
};

// Writes a new workbook with the sheets, in order, to `path`: a temporary file in the same
// folder is written completely and then renamed over `path`. Fails with a message naming the
// file for an empty sheet list, a bad or repeated sheet name, more rows than a sheet holds,
// an overlong text, or a folder that cannot be written; an existing file is then left as it
// was.
Result<void> writeNewWorkbook(const QString& path, const std::vector<NewSheet>& sheets);

}  // namespace office

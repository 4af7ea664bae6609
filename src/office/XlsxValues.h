#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

#include "office/Spreadsheet.h"

// Conversions of SpreadsheetML that XlsxWorkbook needs: A1 cell references, date number
// formats and serial numbers, and the _xHHHH_ escapes of characters that XML cannot hold.
namespace office::xlsx {

struct CellAddress {
    int row = 0;
    int column = 0;
};

// "AB12" -> row 12, column 28; nothing for text that is not a reference inside Excel's limits.
std::optional<CellAddress> parseCellReference(const QString& reference);

// Row 12, column 28 -> "AB12".
QString cellReference(int row, int column);

// "H2:I5" (or a single "H2") -> the range; nothing when malformed.
std::optional<CellRange> parseRangeReference(const QString& reference);

// Whether a number format shows dates or times: a built-in format id, or a format code whose
// date or time letters lie outside quoted text, escapes and colour or locale brackets.
bool isBuiltInDateFormat(int id);
bool isDateFormatCode(const QString& code);

// A serial number (days since the workbook's epoch, the fraction the time of day) as a QDate,
// QDateTime or QTime; invalid when the number is outside 0 .. 9999-12-31.
QVariant dateFromSerial(double serial, bool date1904);

// The serial number of a date and time.
double serialFromDate(const QDateTime& when, bool date1904);

// Decodes "_x000D_" escapes in text read from a workbook, and encodes what XML cannot hold
// (control characters, and a literal "_xHHHH_") for writing.
QString decodeEscapes(const QString& text);
QString encodeEscapes(const QString& text);

}  // namespace office::xlsx

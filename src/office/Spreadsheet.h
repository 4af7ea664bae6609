#pragma once

#include <QString>
#include <QVariant>
#include <memory>

#include "db/Result.h"

// What the program reads from a workbook, whatever its format: the sheets, each sheet's used
// range and the values of its cells. XlsxWorkbook (.xlsx) and XlsWorkbook (legacy .xls, read
// with freexl) implement it; openSpreadsheet picks the right one from a file's content.
//
// Sheets, rows and columns are numbered from 1, as Excel numbers them (Worksheets(n),
// Cells(r,c)). Failures name the file.
namespace office {

// Excel's limits of a sheet.
constexpr int kMaxSheetRows = 1048576;
constexpr int kMaxSheetColumns = 16384;

// A rectangle of cells, both corners included. An empty range (no cells) has rowCount() 0.
struct CellRange {
    int firstRow = 1;
    int firstColumn = 1;
    int lastRow = 0;
    int lastColumn = 0;

    int rowCount() const { return lastRow >= firstRow ? lastRow - firstRow + 1 : 0; }
    int columnCount() const { return lastColumn >= firstColumn ? lastColumn - firstColumn + 1 : 0; }
    bool isEmpty() const { return rowCount() == 0 || columnCount() == 0; }
    bool contains(int row, int column) const {
        return row >= firstRow && row <= lastRow && column >= firstColumn && column <= lastColumn;
    }
    bool operator==(const CellRange&) const = default;
};

class Spreadsheet {
  public:
    virtual ~Spreadsheet() = default;

    // The file name used in messages.
    virtual const QString& name() const = 0;

    // The number of worksheets (Sheets.Count).
    virtual int sheetCount() const = 0;

    // The name of a worksheet; fails for a sheet that does not exist.
    virtual Result<QString> sheetName(int sheet) const = 0;

    // The used range of a sheet (UsedRange): the smallest rectangle holding every cell that has
    // a value or a format of its own; empty for a sheet without cells.
    virtual Result<CellRange> usedRange(int sheet) const = 0;

    // The value of a cell (Cells(r,c).Value): an invalid QVariant for an empty cell, else a
    // QString, a double, a bool, or for a number formatted as a date a QDate (whole days),
    // QDateTime (with a time of day) or QTime (a time alone). A formula gives its last computed
    // value as stored in the file. Fails for a sheet or a cell outside the sheet's limits.
    virtual Result<QVariant> value(int sheet, int row, int column) const = 0;

    // The value as text, as the program stores cell contents: see cellText.
    Result<QString> text(int sheet, int row, int column) const;
};

// A value as text: empty for nothing, a whole number without decimals ("42"), other numbers
// with up to 15 significant digits, "TRUE"/"FALSE", a date as "yyyy-MM-dd", a date and time
// as "yyyy-MM-dd hh:mm:ss", a time as "hh:mm:ss".
QString cellText(const QVariant& value);

// Opens a workbook for reading: an .xlsx (a ZIP package) or a legacy .xls (an OLE compound
// file), told apart by the file's first bytes rather than its extension. Fails with a message
// naming the file when it is neither or cannot be read.
Result<std::unique_ptr<Spreadsheet>> openSpreadsheet(const QString& path);

}  // namespace office

#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <memory>

#include "db/Result.h"
#include "office/Spreadsheet.h"
#include "office/ZipPackage.h"

// An Excel workbook (.xlsx) read and edited directly, in place of driving Excel: the sheets,
// used ranges and cell values (shared strings, numbers, dates by their number formats, booleans,
// the cached results of formulas), writing values into an existing workbook so that its styles
// stay, a picture over a merged area, and saving as a new file.
//
// Opening reads every worksheet at once; a damaged part fails the opening with a message naming
// the file. A failed change leaves the workbook as it was. Changes stay in memory until
// saveAs() or toBytes(). New workbooks (plain exports) are written by NewWorkbook instead.
namespace office {

class XlsxWorkbook : public Spreadsheet {
  public:
    static Result<XlsxWorkbook> open(const QString& path);
    static Result<XlsxWorkbook> fromBytes(const QByteArray& bytes, const QString& name);

    XlsxWorkbook(XlsxWorkbook&&) noexcept;
    XlsxWorkbook& operator=(XlsxWorkbook&&) noexcept;
    ~XlsxWorkbook() override;

    const QString& name() const override;
    int sheetCount() const override;
    Result<QString> sheetName(int sheet) const override;
    Result<CellRange> usedRange(int sheet) const override;
    Result<QVariant> value(int sheet, int row, int column) const override;

    // The merged area that holds a cell (MergeArea); the cell alone when it is not merged.
    Result<CellRange> mergeArea(int sheet, int row, int column) const;

    // Writes a value into a cell (Cells(r,c).Value = v), keeping the cell's style; a new cell
    // in a row that has a style of its own takes the row's style. Accepted values: an invalid
    // or null QVariant or an empty QString (clears the value), QString (at most 32,767
    // characters), bool, any
    // number, QDate and QDateTime (stored as Excel's serial number, shown as a date when the
    // cell's style has a date format). A formula in the cell is replaced by the value; a cell
    // that holds the formula of a shared or array formula range is refused, since the other
    // cells of the range depend on it.
    Result<void> setValue(int sheet, int row, int column, const QVariant& value);

    // Inserts `count` copies of row `row` below it (the copies keep the row's height and cell
    // formats, and its values until written); the rows below move down, and so do merged areas
    // below the row. Formulas, pictures and other ranges that refer to the moved rows are not
    // rewritten. A count of 0 or less changes nothing.
    Result<void> insertRowCopies(int sheet, int row, int count);

    // Puts a PNG or JPEG picture over the merged area that holds the cell (or over the cell
    // alone), stretched to the area (Pictures.Insert sized to MergeArea.Width and Height).
    Result<void> placePicture(int sheet, int row, int column, const QByteArray& picture);

    // The workbook as .xlsx bytes, and saving it to a file (written to a temporary file in the
    // same folder, then renamed over `path`). Formulas are marked to be recomputed when the
    // file is next opened, so results that depend on written cells are not stale.
    Result<QByteArray> toBytes() const;
    Result<void> saveAs(const QString& path) const;

  private:
    struct Data;
    explicit XlsxWorkbook(std::unique_ptr<Data> data);
    static Result<XlsxWorkbook> load(Result<ZipPackage> package);

    std::unique_ptr<Data> d_;
};

}  // namespace office

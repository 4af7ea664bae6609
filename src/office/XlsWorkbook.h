#pragma once

#include <QString>
#include <memory>

#include "db/Result.h"
#include "office/Spreadsheet.h"

// A legacy Excel workbook (.xls, BIFF5 to BIFF8) read directly with freexl: sheets, used
// ranges and cell values, for importing data from old files. It cannot be written; to edit
// one, convert it to .xlsx (LegacyFiles.h).
namespace office {

class XlsWorkbook : public Spreadsheet {
  public:
    // Opens the file; fails with a message naming it when it is not a readable .xls workbook
    // (or is protected by a password).
    static Result<XlsWorkbook> open(const QString& path);

    XlsWorkbook(XlsWorkbook&&) noexcept;
    XlsWorkbook& operator=(XlsWorkbook&&) noexcept;
    ~XlsWorkbook() override;

    const QString& name() const override;
    int sheetCount() const override;
    Result<QString> sheetName(int sheet) const override;
    Result<CellRange> usedRange(int sheet) const override;
    Result<QVariant> value(int sheet, int row, int column) const override;

  private:
    struct Data;
    explicit XlsWorkbook(std::unique_ptr<Data> data);

    std::unique_ptr<Data> d_;
};

}  // namespace office

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>

#include "cadre/CadreRecord.h"
#include "db/Result.h"
#include "documents/CadreMatcher.h"

class TDataM;

namespace db {
class Database;
}

namespace office {
class Spreadsheet;
}

// The column-mapping import of cadres from a workbook: one row of the first worksheet per
// cadre, each of the 23 importable fields read from the column the user named for it. The
// import runs in two steps, so that the window can show what will happen before anything is
// written: readImportRows maps the rows and decides for each whether it creates a cadre,
// updates one or is left out (and why); importRows then writes the rows that can be imported.
namespace documents {

// ---- Messages -----------------------------------------------------------------------------------

inline const QString kImportFileMissing = QStringLiteral("文件打开失败!");
inline const QString kImportRowsBelowOne = QStringLiteral("查找的记录范围不能小于1!");
inline const QString kImportNameColumnMissing = QStringLiteral("至少需要指定姓名列所在位置.");
inline const QString kImportUnitMissing = QStringLiteral("请选择导入后加入的单位。");
inline const QString kImportOpening = QStringLiteral("正在打开Excel文件...");
inline const QString kImportRunning = QStringLiteral("正在导入数据...");

// ---- The importable fields ----------------------------------------------------------------------

struct ImportField {
    const char16_t* column;   // the tb_cadre column
    const char16_t* caption;  // the caption of the mapping grid
    bool month;               // a month text, normalised before it is stored
};

constexpr int kImportFieldCount = 23;

// The importable fields in their fixed order; the name (xm) comes first.
const std::array<ImportField, kImportFieldCount>& importFields();

// ---- Reading the rows ---------------------------------------------------------------------------

struct ExcelImportSettings {
    int firstRow = 2;
    int lastRow = 100;
    // The worksheet column of each importable field, in the order of importFields(), counted
    // from 1 ("A"); 0 for a field that is not imported.
    std::array<int, kImportFieldCount> columns{};
};

struct ImportRow {
    int sheetRow = 0;
    QString name;  // the name as it is stored (normalised)
    RowAction action = RowAction::LeaveOut;
    int cadreId = 0;  // the cadre updated
    // The values to store, keyed by tb_cadre column: every mapped cell that is not blank, month
    // texts in their stored form "yyyy.mm"; for an updated cadre, only those that differ from
    // the stored values. A blank cell leaves the stored value as it is.
    cadre::CadreValues values;
    // The cells of an updated cadre that hold what is stored, keyed as `values`; they are not
    // written. A month counts as stored when the stored month text names it and the stored date,
    // if any, lies in it: the sheet gives no day, so writing it again would put the first of the
    // month in place of a stored birthday.
    cadre::CadreValues unchanged;
    QString problem;  // why the row is left out
    // The cells whose values the incoming checks changed or refused (cadre::IncomingValues),
    // each named by its caption; `values` holds them as checked.
    QStringList notes;
};

// The stored form of a month read from a cell: a date cell gives its month; a number is read as
// a serial day number of the workbook (1900 date system) when it is a whole number below 100000,
// as "yyyymm" when it has six digits, and as year.month when it has a fraction (1965.03; since a
// number keeps no trailing zero, 1965.1 is October); a text goes through the date-text
// normaliser of imported files (text::parseImportedMonth: "1965.03", "1965-3", "196503",
// "1965年3月"). An empty cell gives an empty text; nullopt when the value is no month of 1900 or
// later.
std::optional<QString> importedMonthText(const QVariant& cell);

// The refusals of a row, as the preview and the log show them (with duplicateCadresProblem).
QString repeatedInSheetProblem(int earlierRow);
QString unreadableMonthProblem(const QString& caption, const QString& cellText);

// Maps rows firstRow .. lastRow of the first worksheet; every value read passes the incoming
// checks (control characters removed, texts cut to their column's size), with the row's notes
// naming each change. A row whose name cell is blank is passed over silently. Each row's cadre is
// found by CadreMatcher: a row whose name is held by several serving cadres (classid 0) or repeats
// an earlier row of the sheet is left out with its reason, and so is a row with a month cell that
// is no month. The cells of an updated cadre that hold the stored values, as checked, are set
// aside (ImportRow::unchanged). The settings are checked first (kImportRowsBelowOne,
// kImportNameColumnMissing); a last row before the first gives no rows. Fails when the sheet or
// the cadres cannot be read.
Result<QList<ImportRow>> readImportRows(db::Database& db, const office::Spreadsheet& sheet,
                                        const ExcelImportSettings& settings);

// readImportRows over the first worksheet of the workbook at `path` (.xlsx, or a legacy .xls read
// directly): kImportFileMissing when there is no such file; the workbook's own message, naming
// the file, when it cannot be read. The settings are checked, as readImportRows checks them,
// before the file is opened.
Result<QList<ImportRow>> readImportFile(db::Database& db, const QString& path,
                                        const ExcelImportSettings& settings);

// ---- Writing them -------------------------------------------------------------------------------

struct ImportOutcome {
    int imported = 0;  // cadres created or updated
    // One line per row that was not imported: the rows left out while reading and the rows whose
    // save was refused, each with its sheet row and reason.
    QStringList log;
    // One line per row imported with values that the incoming checks changed or refused, naming
    // them.
    QStringList changed;
};

// Writes the rows that can be imported, in sheet order, each through the cadre record's save
// (cadre::saveCadre: a new cadre gets the defaults of a new record of the serving library) and,
// when `unitId` is not 0, made a member of that unit at the end of its order unless it is one
// already. Each row is written whole or not at all: a row whose save or membership fails is
// rolled back and logged, and the rows after it go on. The whole import runs in one transaction;
// a failure of the transaction itself writes nothing and fails. The wait window shows
// kImportRunning and steps once a row.
Result<ImportOutcome> importRows(TDataM& dm, const QList<ImportRow>& rows, int unitId);

// The closing report: "共导入<n>个干部信息!", followed by the log lines when some rows were not
// imported and by the lines of the rows whose values were changed.
QString importReport(const ImportOutcome& outcome);

}  // namespace documents

#include "documents/ExcelImport.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "app/DataModule.h"
#include "app/Progress.h"
#include "cadre/IncomingValues.h"
#include "db/Database.h"
#include "office/Spreadsheet.h"
#include "office/XlsxValues.h"
#include "text/MonthText.h"
#include "text/PersonName.h"
#include "units/Membership.h"

namespace documents {

namespace {

const std::array<ImportField, kImportFieldCount> kFields = {{
    {u"xm", u"姓名", false},
    {u"xb", u"性别", false},
    {u"csnyStr", u"出生年月", true},
    {u"mz", u"民族", false},
    {u"jgSheng", u"籍贯", false},
    {u"csSheng", u"出生地", false},
    {u"zzmm", u"政治面貌", false},
    {u"rdsjStr", u"入党时间", true},
    {u"gzsjStr", u"参加工作时间", true},
    {u"xrz", u"现任职务", false},
    {u"zyjszw", u"专业技术职务", false},
    {u"qrzxl", u"全日制学历", false},
    {u"qrzxw", u"全日制学位", false},
    {u"qrzxxzy", u"全日制毕业院校及专业", false},
    {u"zzxl", u"在职学历", false},
    {u"zzxw", u"在职学位", false},
    {u"zzxxzy", u"在职毕业院校及专业", false},
    {u"zwjb", u"职务级别", false},
    {u"zwjbTimeStr", u"任职级时间", true},
    {u"rybz", u"人员类别", false},
    {u"zjh", u"身份证号", false},
    {u"tel", u"联系电话", false},
    {u"address", u"通讯地址", false},
}};

constexpr int kNameField = 0;

// Whole numbers that are years alone ("1965") rather than serial day numbers.
constexpr double kFirstYear = 1900;
constexpr double kLastYear = 2100;
// Serial day numbers of the 1900 date system stay below this (100000 is in the year 2173).
constexpr double kSerialLimit = 100000;

QString str(const char16_t* s) {
    return QString::fromUtf16(s);
}

std::optional<QString> monthOf(const QDate& date) {
    if (!date.isValid() || date.year() < kFirstYear) {
        return std::nullopt;
    }
    return date.toString(QStringLiteral("yyyy.MM"));
}

std::optional<QString> monthOfNumber(double number) {
    if (!std::isfinite(number) || number <= 0) {
        return std::nullopt;
    }
    if (number != std::floor(number)) {
        if (number < kFirstYear || number >= kLastYear) {
            return std::nullopt;
        }
        return monthOf(text::parseImportedMonth(QString::number(number, 'f', 2)));
    }
    if (number >= kFirstYear && number <= kLastYear) {
        return std::nullopt;
    }
    if (number < kSerialLimit) {
        return monthOf(office::xlsx::dateFromSerial(number, false).toDate());
    }
    if (number >= 100000 && number <= 999912) {
        return monthOf(text::parseImportedMonth(QString::number(number, 'f', 0)));
    }
    return std::nullopt;
}

// The date column that a month text stands for: csny for csnyStr.
QString dateColumn(const ImportField& field) {
    return str(field.column).chopped(3);
}

// The stored values of the importable fields of `cadreId`, keyed by the fields' columns, with
// the date of each month text keyed by its date column.
Result<cadre::CadreValues> storedFields(db::Database& db, int cadreId) {
    QStringList columns;
    for (const ImportField& field : kFields) {
        columns << str(field.column);
        if (field.month) {
            columns << dateColumn(field);
        }
    }
    const auto rows =
        db.query(QStringLiteral("select %1 from tb_cadre where CadreID=?").arg(columns.join(u',')),
                 {cadreId});
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    if (rows->rows.empty()) {
        return Failure{cadre::kCadreMissing, {}};
    }
    cadre::CadreValues stored;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        stored.insert(columns[i], rows->rows.front().value(i));
    }
    return stored;
}

// Whether `month` ("yyyy.mm") is the stored month: the stored text names it and the stored date,
// when there is one, lies in it.
bool isStoredMonth(const QString& month, const QVariant& storedText, const QVariant& storedDate) {
    const QDate first = text::parseMonthText(month);
    if (!first.isValid() || text::parseMonthText(storedText.toString()) != first) {
        return false;
    }
    const QDate day = storedDate.toDate();
    return !day.isValid() || (day.year() == first.year() && day.month() == first.month());
}

// Moves the values of an updated row that hold what is stored from row.values to row.unchanged.
void setAsideUnchanged(const cadre::CadreValues& stored, ImportRow& row) {
    for (const ImportField& field : kFields) {
        const QString column = str(field.column);
        const auto value = row.values.constFind(column);
        if (value == row.values.cend()) {
            continue;
        }
        const bool same = field.month ? isStoredMonth(value->toString(), stored.value(column),
                                                      stored.value(dateColumn(field)))
                                      : value->toString() == stored.value(column).toString();
        if (same) {
            row.unchanged.insert(column, *value);
            row.values.remove(column);
        }
    }
}

// Reads the mapped cells of one row into `row`; a month cell that is no month gives the row its
// problem. Fails when a cell cannot be read.
Result<void> readCells(const office::Spreadsheet& sheet, const ExcelImportSettings& settings,
                       ImportRow& row) {
    for (int i = 1; i < kImportFieldCount; ++i) {
        const int column = settings.columns[static_cast<size_t>(i)];
        if (column == 0) {
            continue;
        }
        const Result<QVariant> cell = sheet.value(1, row.sheetRow, column);
        if (!cell) {
            return cell.failure();
        }
        const ImportField& field = kFields[static_cast<size_t>(i)];
        QString value;
        if (field.month) {
            const std::optional<QString> month = importedMonthText(*cell);
            if (!month) {
                if (row.problem.isEmpty()) {
                    row.problem = unreadableMonthProblem(str(field.caption),
                                                         office::cellText(*cell).trimmed());
                }
                continue;
            }
            value = *month;
        } else {
            value = office::cellText(*cell).trimmed();
        }
        if (!value.isEmpty()) {
            row.values.insert(str(field.column), value);
        }
    }
    return {};
}

Result<void> checkSettings(const ExcelImportSettings& settings) {
    if (settings.firstRow < 1 || settings.lastRow < 1) {
        return Failure{kImportRowsBelowOne, {}};
    }
    if (settings.columns[kNameField] == 0) {
        return Failure{kImportNameColumnMissing, {}};
    }
    return {};
}

// A row of the sheet as a problem names it.
QString sheetRowPlace(int row) {
    return QStringLiteral("第%1行").arg(row);
}

QString logLine(const ImportRow& row) {
    return QStringLiteral("第%1行（%2）：%3").arg(row.sheetRow).arg(row.name, row.problem);
}

QString notesLine(const ImportRow& row) {
    return QStringLiteral("第%1行（%2）：%3")
        .arg(row.sheetRow)
        .arg(row.name, row.notes.join(QStringLiteral("；")));
}

}  // namespace

const std::array<ImportField, kImportFieldCount>& importFields() {
    return kFields;
}

std::optional<QString> importedMonthText(const QVariant& cell) {
    switch (cell.typeId()) {
        case QMetaType::UnknownType:
            return QString();
        case QMetaType::QDate:
            return monthOf(cell.toDate());
        case QMetaType::QDateTime:
            return monthOf(cell.toDateTime().date());
        case QMetaType::Double:
        case QMetaType::Int:
        case QMetaType::LongLong:
            return monthOfNumber(cell.toDouble());
        case QMetaType::QString: {
            const QString typed = cell.toString().trimmed();
            if (typed.isEmpty()) {
                return QString();
            }
            return monthOf(text::parseImportedMonth(typed));
        }
        default:
            return std::nullopt;
    }
}

QString repeatedInSheetProblem(int earlierRow) {
    return repeatedNameProblem(sheetRowPlace(earlierRow));
}

QString unreadableMonthProblem(const QString& caption, const QString& cellText) {
    return QStringLiteral("%1“%2”不是有效的年月，未导入").arg(caption, cellText);
}

Result<QList<ImportRow>> readImportRows(db::Database& db, const office::Spreadsheet& sheet,
                                        const ExcelImportSettings& settings) {
    if (const Result<void> checked = checkSettings(settings); !checked) {
        return checked.failure();
    }
    const int nameColumn = settings.columns[kNameField];
    Result<CadreMatcher> matcher = CadreMatcher::load(db);
    if (!matcher) {
        return matcher.failure();
    }
    // Rows below the sheet's used range hold nothing.
    const Result<office::CellRange> used = sheet.usedRange(1);
    if (!used) {
        return used.failure();
    }
    const int lastRow = std::min(settings.lastRow, used->lastRow);
    QList<ImportRow> rows;
    cadre::IncomingValues checks(db);
    for (int r = settings.firstRow; r <= lastRow; ++r) {
        const Result<QVariant> nameCell = sheet.value(1, r, nameColumn);
        if (!nameCell) {
            return nameCell.failure();
        }
        const QString typedName = office::cellText(*nameCell).trimmed();
        if (typedName.isEmpty()) {
            continue;
        }
        ImportRow row;
        row.sheetRow = r;
        row.name = text::normalizeName(typedName);
        row.values.insert(QStringLiteral("xm"), row.name);
        if (const Result<void> read = readCells(sheet, settings, row); !read) {
            return read.failure();
        }
        row.notes = checks.checkCadre(row.values);
        const CadreMatch match = matcher->match(row.name, sheetRowPlace(r));
        if (!match.problem.isEmpty()) {
            row.problem = match.problem;
        }
        if (row.problem.isEmpty()) {
            row.action = match.action;
            row.cadreId = match.cadreId;
        }
        if (row.action == RowAction::Update) {
            const Result<cadre::CadreValues> stored = storedFields(db, row.cadreId);
            if (!stored) {
                return stored.failure();
            }
            setAsideUnchanged(*stored, row);
        }
        rows.append(row);
    }
    return rows;
}

Result<QList<ImportRow>> readImportFile(db::Database& db, const QString& path,
                                        const ExcelImportSettings& settings) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        return Failure{kImportFileMissing, {}};
    }
    if (const Result<void> checked = checkSettings(settings); !checked) {
        return checked.failure();
    }
    app::ProgressScope progress(kImportOpening);
    const Result<std::unique_ptr<office::Spreadsheet>> workbook = office::openSpreadsheet(path);
    if (!workbook) {
        return workbook.failure();
    }
    return readImportRows(db, **workbook, settings);
}

Result<ImportOutcome> importRows(TDataM& dm, const QList<ImportRow>& rows, int unitId) {
    db::Database& db = dm.db();
    app::ProgressScope progress(kImportRunning, static_cast<int>(rows.size()));
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return Failure{{}, db.lastError()};
    }
    const cadre::CadreValues defaults = cadre::newCadreDefaults(db);
    ImportOutcome outcome;
    for (const ImportRow& row : rows) {
        progress.step();
        if (row.action == RowAction::LeaveOut) {
            outcome.log.append(logLine(row));
            continue;
        }
        db::Transaction rowTransaction(db);
        if (!rowTransaction.isActive()) {
            return Failure{{}, db.lastError()};
        }
        cadre::CadreValues values =
            row.action == RowAction::Create ? defaults : cadre::CadreValues();
        for (auto it = row.values.cbegin(); it != row.values.cend(); ++it) {
            values.insert(it.key(), it.value());
        }
        const Result<cadre::SavedCadre> saved = cadre::saveCadre(dm, row.cadreId, values, 0);
        QString problem;
        if (!saved) {
            problem = saved.errorText();
        } else if (unitId != 0) {
            const Result<bool> joined =
                units::ensureMember(dm, saved->cadreId, unitId, {true, true});
            if (!joined) {
                problem = joined.errorText();
            }
        }
        if (!problem.isEmpty()) {
            // The row's savepoint is rolled back as it goes out of scope.
            ImportRow failed = row;
            failed.problem = problem;
            outcome.log.append(logLine(failed));
            continue;
        }
        if (!rowTransaction.commit()) {
            return Failure{{}, db.lastError()};
        }
        ++outcome.imported;
        if (!row.notes.isEmpty()) {
            outcome.changed.append(notesLine(row));
        }
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return outcome;
}

QString importReport(const ImportOutcome& outcome) {
    QString report = QStringLiteral("共导入%1个干部信息!").arg(outcome.imported);
    if (!outcome.log.isEmpty()) {
        report += QStringLiteral("\n以下%1行未导入：\n").arg(outcome.log.size()) +
                  outcome.log.join(u'\n');
    }
    if (!outcome.changed.isEmpty()) {
        report += QStringLiteral("\n以下数据已修改或未导入：\n") + outcome.changed.join(u'\n');
    }
    return report;
}

}  // namespace documents

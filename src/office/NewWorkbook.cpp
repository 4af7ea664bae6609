#include "office/NewWorkbook.h"

#include <xlsxwriter.h>

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "office/Spreadsheet.h"

namespace office {

namespace {

const QString kNoSheets = QStringLiteral("没有要写入文件“%1”的工作表。");
const QString kBadSheetName = QStringLiteral("工作表名称“%1”无效或重复。");
const QString kTooManyRows = QStringLiteral("工作表“%1”的行数超过了Excel的上限1048576行。");
const QString kTooManyColumns = QStringLiteral("工作表“%1”的列数超过了Excel的上限16384列。");
const QString kTooLong = QStringLiteral("工作表“%1”第%2行第%3列的文字超过了32767个字符。");
const QString kCannotWrite = QStringLiteral("无法写入文件“%1”：%2");

constexpr int kMaxTextLength = 32767;
constexpr int kWidthSampleRows = 1000;

// The width of a text in characters as a sheet shows it: a wide (CJK) character counts twice.
double textWidth(const QString& text) {
    double width = 0;
    for (const QChar c : text) {
        width += c.unicode() >= 0x2e80 ? 2 : 1;
    }
    return width;
}

struct Workbook {
    lxw_workbook* handle = nullptr;
    ~Workbook() {
        if (handle) {
            workbook_close(handle);
        }
    }
    // Closes the workbook, which writes the file; the error of writing it.
    lxw_error close() {
        const lxw_error error = workbook_close(handle);
        handle = nullptr;
        return error;
    }
};

}  // namespace

Result<void> writeNewWorkbook(const QString& path, const std::vector<NewSheet>& sheets) {
    const QFileInfo target(path);
    const QString file = target.fileName();
    if (sheets.empty()) {
        return Failure{kNoSheets.arg(file), {}};
    }
    QTemporaryFile temporary(target.absoluteDir().filePath(QStringLiteral(".XXXXXX.xlsx.part")));
    if (!temporary.open()) {
        return Failure{kCannotWrite.arg(file, temporary.errorString()), {}};
    }
    temporary.close();

    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    Workbook workbook;
    workbook.handle =
        workbook_new_opt(QFile::encodeName(temporary.fileName()).constData(), &options);
    if (!workbook.handle) {
        return Failure{kCannotWrite.arg(file, QStringLiteral("无法创建工作簿")), {}};
    }
    lxw_format* bold = workbook_add_format(workbook.handle);
    format_set_bold(bold);
    lxw_format* boldDate = workbook_add_format(workbook.handle);
    format_set_bold(boldDate);
    format_set_num_format(boldDate, "yyyy-mm-dd");
    lxw_format* date = workbook_add_format(workbook.handle);
    format_set_num_format(date, "yyyy-mm-dd");
    lxw_format* dateTime = workbook_add_format(workbook.handle);
    format_set_num_format(dateTime, "yyyy-mm-dd hh:mm:ss");

    for (const NewSheet& sheet : sheets) {
        const QByteArray name = sheet.name.toUtf8();
        if (!sheet.name.isEmpty() &&
            workbook_validate_sheet_name(workbook.handle, name.constData()) != LXW_NO_ERROR) {
            return Failure{kBadSheetName.arg(sheet.name), {}};
        }
        const qsizetype rowTotal =
            qsizetype(sheet.rows.size() + sheet.footer.size()) + (sheet.header.isEmpty() ? 0 : 1);
        if (rowTotal > kMaxSheetRows) {
            return Failure{kTooManyRows.arg(sheet.name), {}};
        }
        lxw_worksheet* worksheet = workbook_add_worksheet(
            workbook.handle, sheet.name.isEmpty() ? nullptr : name.constData());
        if (!worksheet) {
            return Failure{kBadSheetName.arg(sheet.name), {}};
        }

        // Widths come first: a sheet written row by row cannot change its columns later.
        std::vector<double> widths;
        const auto widen = [&](const QVariantList& values) {
            if (widths.size() < size_t(values.size())) {
                widths.resize(size_t(values.size()), 0);
            }
            for (qsizetype c = 0; c < values.size(); ++c) {
                widths[size_t(c)] = std::max(widths[size_t(c)], textWidth(cellText(values[c])));
            }
        };
        QVariantList captions;
        for (const QString& caption : sheet.header) {
            captions.append(caption);
        }
        widen(captions);
        for (size_t r = 0; r < sheet.rows.size() && r < size_t(kWidthSampleRows); ++r) {
            widen(sheet.rows[r]);
        }
        for (const QVariantList& values : sheet.footer) {
            widen(values);
        }
        if (widths.size() > size_t(kMaxSheetColumns)) {
            return Failure{kTooManyColumns.arg(sheet.name), {}};
        }
        for (size_t c = 0; c < widths.size(); ++c) {
            const double given = c < sheet.columnWidths.size() ? sheet.columnWidths[c] : 0;
            const double width = given > 0 ? given : std::clamp(widths[c] + 1, 6.0, 60.0);
            worksheet_set_column(worksheet, lxw_col_t(c), lxw_col_t(c), width, nullptr);
        }

        lxw_row_t row = 0;
        const auto write = [&](const QVariantList& values, bool strong) -> Result<void> {
            for (qsizetype c = 0; c < values.size(); ++c) {
                const QVariant& value = values[c];
                const lxw_col_t column = lxw_col_t(c);
                lxw_error error = LXW_NO_ERROR;
                const int type = value.isNull() ? QMetaType::UnknownType : value.typeId();
                if (type == QMetaType::UnknownType) {
                    if (strong) {
                        error = worksheet_write_blank(worksheet, row, column, bold);
                    }
                } else if (type == QMetaType::Bool) {
                    error = worksheet_write_boolean(worksheet, row, column, value.toBool(),
                                                    strong ? bold : nullptr);
                } else if (type == QMetaType::Int || type == QMetaType::UInt ||
                           type == QMetaType::LongLong || type == QMetaType::ULongLong ||
                           type == QMetaType::Double || type == QMetaType::Float) {
                    error = worksheet_write_number(worksheet, row, column, value.toDouble(),
                                                   strong ? bold : nullptr);
                } else if ((type == QMetaType::QDate && value.toDate().isValid()) ||
                           (type == QMetaType::QDateTime && value.toDateTime().isValid())) {
                    const QDateTime when =
                        type == QMetaType::QDate ? value.toDate().startOfDay() : value.toDateTime();
                    lxw_datetime stamp{
                        when.date().year(),   when.date().month(),
                        when.date().day(),    when.time().hour(),
                        when.time().minute(), when.time().second() + when.time().msec() / 1000.0};
                    error = worksheet_write_datetime(
                        worksheet, row, column, &stamp,
                        strong ? boldDate : (type == QMetaType::QDate ? date : dateTime));
                } else {
                    const QString text = cellText(value);
                    if (text.size() > kMaxTextLength) {
                        return Failure{kTooLong.arg(sheet.name).arg(row + 1).arg(c + 1), {}};
                    }
                    error = worksheet_write_string(
                        worksheet, row, column, text.toUtf8().constData(), strong ? bold : nullptr);
                }
                if (error != LXW_NO_ERROR) {
                    return Failure{kCannotWrite.arg(file, QString::fromUtf8(lxw_strerror(error))),
                                   {}};
                }
            }
            ++row;
            return {};
        };
        if (!sheet.header.isEmpty()) {
            if (Result<void> written = write(captions, true); !written) {
                return written;
            }
        }
        for (const QVariantList& values : sheet.rows) {
            if (Result<void> written = write(values, false); !written) {
                return written;
            }
        }
        for (const QVariantList& values : sheet.footer) {
            if (Result<void> written = write(values, true); !written) {
                return written;
            }
        }
    }

    const lxw_error closed = workbook.close();
    if (closed != LXW_NO_ERROR) {
        return Failure{kCannotWrite.arg(file, QString::fromUtf8(lxw_strerror(closed))), {}};
    }
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(temporary.fileName().toStdU16String()),
                            std::filesystem::path(target.absoluteFilePath().toStdU16String()),
                            error);
    if (error) {
        return Failure{kCannotWrite.arg(file, QString::fromLocal8Bit(error.message().c_str())), {}};
    }
    return {};
}

}  // namespace office

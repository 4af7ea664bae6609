#include "office/XlsWorkbook.h"

#include <freexl.h>

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTime>
#include <vector>

namespace office {

namespace {

const QString kNotXls =
    QStringLiteral("文件“%1”不是可读取的Excel 97-2003工作簿（.xls）（错误代码%2）。");
const QString kPassword = QStringLiteral("文件“%1”设有密码保护，无法读取。");
const QString kNoSheet = QStringLiteral("文件“%1”中没有第%2个工作表。");
const QString kOutsideSheet = QStringLiteral("第%1行第%2列超出了工作表的范围。");
const QString kUnreadable = QStringLiteral("文件“%1”的工作表“%2”无法读取（错误代码%3）。");

struct Closer {
    void operator()(const void* handle) const { freexl_close(handle); }
};

}  // namespace

struct XlsWorkbook::Data {
    QString name;
    std::unique_ptr<const void, Closer> handle;
    std::vector<QString> sheetNames;
    int selected = -1;  // the worksheet freexl reads from, 0-based

    Result<void> select(int sheet) {
        if (sheet < 1 || sheet > int(sheetNames.size())) {
            return Failure{kNoSheet.arg(name).arg(sheet), {}};
        }
        if (selected != sheet - 1) {
            const int status =
                freexl_select_active_worksheet(handle.get(), (unsigned short)(sheet - 1));
            if (status != FREEXL_OK) {
                return Failure{kUnreadable.arg(name, sheetNames[size_t(sheet - 1)]).arg(status),
                               {}};
            }
            selected = sheet - 1;
        }
        return {};
    }
};

XlsWorkbook::XlsWorkbook(std::unique_ptr<Data> data) : d_(std::move(data)) {}
XlsWorkbook::XlsWorkbook(XlsWorkbook&&) noexcept = default;
XlsWorkbook& XlsWorkbook::operator=(XlsWorkbook&&) noexcept = default;
XlsWorkbook::~XlsWorkbook() = default;

Result<XlsWorkbook> XlsWorkbook::open(const QString& path) {
    auto d = std::make_unique<Data>();
    d->name = QFileInfo(path).fileName();
    const void* handle = nullptr;
    const int status = freexl_open(QFile::encodeName(path).constData(), &handle);
    d->handle.reset(handle);
    if (status != FREEXL_OK) {
        return Failure{kNotXls.arg(d->name).arg(status), {}};
    }
    unsigned int info = 0;
    if (freexl_get_info(handle, FREEXL_BIFF_PASSWORD, &info) != FREEXL_OK) {
        return Failure{kNotXls.arg(d->name).arg(-1), {}};
    }
    if (info == FREEXL_BIFF_OBFUSCATED) {
        return Failure{kPassword.arg(d->name), {}};
    }
    unsigned int count = 0;
    if (freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK) {
        return Failure{kNotXls.arg(d->name).arg(-1), {}};
    }
    for (unsigned int i = 0; i < count; ++i) {
        const char* sheetName = nullptr;
        const int got = freexl_get_worksheet_name(handle, (unsigned short)i, &sheetName);
        if (got != FREEXL_OK) {
            return Failure{kNotXls.arg(d->name).arg(got), {}};
        }
        d->sheetNames.push_back(QString::fromUtf8(sheetName));
    }
    return XlsWorkbook(std::move(d));
}

const QString& XlsWorkbook::name() const {
    return d_->name;
}

int XlsWorkbook::sheetCount() const {
    return int(d_->sheetNames.size());
}

Result<QString> XlsWorkbook::sheetName(int sheet) const {
    if (sheet < 1 || sheet > sheetCount()) {
        return Failure{kNoSheet.arg(d_->name).arg(sheet), {}};
    }
    return d_->sheetNames[size_t(sheet - 1)];
}

Result<CellRange> XlsWorkbook::usedRange(int sheet) const {
    Result<void> selected = d_->select(sheet);
    if (!selected) {
        return selected.failure();
    }
    unsigned int rows = 0;
    unsigned short columns = 0;
    const int status = freexl_worksheet_dimensions(d_->handle.get(), &rows, &columns);
    if (status != FREEXL_OK) {
        return Failure{kUnreadable.arg(d_->name, d_->sheetNames[size_t(sheet - 1)]).arg(status),
                       {}};
    }
    if (rows == 0 || columns == 0) {
        return CellRange{};
    }
    return CellRange{1, 1, int(rows), int(columns)};
}

Result<QVariant> XlsWorkbook::value(int sheet, int row, int column) const {
    Result<void> selected = d_->select(sheet);
    if (!selected) {
        return selected.failure();
    }
    if (row < 1 || row > kMaxSheetRows || column < 1 || column > kMaxSheetColumns) {
        return Failure{kOutsideSheet.arg(row).arg(column), {}};
    }
    unsigned int rows = 0;
    unsigned short columns = 0;
    freexl_worksheet_dimensions(d_->handle.get(), &rows, &columns);
    if (unsigned(row) > rows || unsigned(column) > columns) {
        return QVariant();
    }
    FreeXL_CellValue cell;
    const int status = freexl_get_cell_value(d_->handle.get(), unsigned(row - 1),
                                             (unsigned short)(column - 1), &cell);
    if (status != FREEXL_OK) {
        return Failure{kUnreadable.arg(d_->name, d_->sheetNames[size_t(sheet - 1)]).arg(status),
                       {}};
    }
    switch (cell.type) {
        case FREEXL_CELL_INT:
            return QVariant(double(cell.value.int_value));
        case FREEXL_CELL_DOUBLE:
            return QVariant(cell.value.double_value);
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT:
            return QVariant(QString::fromUtf8(cell.value.text_value));
        case FREEXL_CELL_DATE:
            return QVariant(QDate::fromString(QString::fromLatin1(cell.value.text_value),
                                              QStringLiteral("yyyy-MM-dd")));
        case FREEXL_CELL_DATETIME:
            return QVariant(QDateTime::fromString(QString::fromLatin1(cell.value.text_value),
                                                  QStringLiteral("yyyy-MM-dd hh:mm:ss")));
        case FREEXL_CELL_TIME:
            return QVariant(QTime::fromString(QString::fromLatin1(cell.value.text_value),
                                              QStringLiteral("hh:mm:ss")));
        default:
            return QVariant();
    }
}

}  // namespace office

#include "office/Spreadsheet.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTime>
#include <cmath>

#include "office/XlsWorkbook.h"
#include "office/XlsxWorkbook.h"

namespace office {

namespace {

const QString kNotWorkbook = QStringLiteral("文件“%1”不是Excel工作簿（.xlsx或.xls）。");
const QString kCannotRead = QStringLiteral("无法读取文件“%1”：%2");

}  // namespace

Result<QString> Spreadsheet::text(int sheet, int row, int column) const {
    Result<QVariant> found = value(sheet, row, column);
    if (!found) {
        return found.failure();
    }
    return cellText(*found);
}

QString cellText(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::UnknownType:
            return {};
        case QMetaType::Bool:
            return value.toBool() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        case QMetaType::Double: {
            const double number = value.toDouble();
            if (std::isfinite(number) && number == std::trunc(number) && std::fabs(number) < 1e15) {
                return QString::number(qint64(number));
            }
            return QString::number(number, 'g', 15);
        }
        case QMetaType::QDate:
            return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
        case QMetaType::QDateTime:
            return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        case QMetaType::QTime:
            return value.toTime().toString(QStringLiteral("hh:mm:ss"));
        default:
            return value.toString();
    }
}

Result<std::unique_ptr<Spreadsheet>> openSpreadsheet(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Failure{kCannotRead.arg(name, file.errorString()), {}};
    }
    const QByteArray head = file.read(8);
    file.close();
    if (head.startsWith("PK")) {
        Result<XlsxWorkbook> workbook = XlsxWorkbook::open(path);
        if (!workbook) {
            return workbook.failure();
        }
        return std::unique_ptr<Spreadsheet>(
            std::make_unique<XlsxWorkbook>(std::move(workbook).value()));
    }
    if (head == QByteArray::fromHex("d0cf11e0a1b11ae1")) {
        Result<XlsWorkbook> workbook = XlsWorkbook::open(path);
        if (!workbook) {
            return workbook.failure();
        }
        return std::unique_ptr<Spreadsheet>(
            std::make_unique<XlsWorkbook>(std::move(workbook).value()));
    }
    return Failure{kNotWorkbook.arg(name), {}};
}

}  // namespace office

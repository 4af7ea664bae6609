#include "office/XlsxValues.h"

#include <QRegularExpression>
#include <cmath>

namespace office::xlsx {

std::optional<CellAddress> parseCellReference(const QString& reference) {
    qsizetype i = 0;
    qint64 column = 0;
    while (i < reference.size() && reference.at(i).isLetter() && reference.at(i).unicode() < 128) {
        column = column * 26 + (reference.at(i).toUpper().unicode() - 'A' + 1);
        if (column > kMaxSheetColumns) {
            return std::nullopt;
        }
        ++i;
    }
    if (i == 0 || i == reference.size()) {
        return std::nullopt;
    }
    qint64 row = 0;
    for (; i < reference.size(); ++i) {
        const QChar c = reference.at(i);
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        row = row * 10 + (c.unicode() - '0');
        if (row > kMaxSheetRows) {
            return std::nullopt;
        }
    }
    if (row < 1) {
        return std::nullopt;
    }
    return CellAddress{int(row), int(column)};
}

QString cellReference(int row, int column) {
    QString letters;
    for (int n = column; n > 0; n = (n - 1) / 26) {
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    }
    return letters + QString::number(row);
}

std::optional<CellRange> parseRangeReference(const QString& reference) {
    const QStringList corners = reference.split(u':');
    if (corners.size() > 2) {
        return std::nullopt;
    }
    const std::optional<CellAddress> first = parseCellReference(corners.first());
    const std::optional<CellAddress> last = parseCellReference(corners.last());
    if (!first || !last) {
        return std::nullopt;
    }
    return CellRange{std::min(first->row, last->row), std::min(first->column, last->column),
                     std::max(first->row, last->row), std::max(first->column, last->column)};
}

bool isBuiltInDateFormat(int id) {
    return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
           (id >= 50 && id <= 58);
}

bool isDateFormatCode(const QString& code) {
    bool inQuotes = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (inQuotes) {
            inQuotes = c != u'"';
            continue;
        }
        if (c == u'"') {
            inQuotes = true;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;  // the next character is shown as it stands (or is padding)
        } else if (c == u'[') {
            const qsizetype end = code.indexOf(u']', i);
            if (end < 0) {
                return false;
            }
            // [h], [mm], [ss]: elapsed time; [Red], [$-804], [DBNum1]: no date.
            static const QRegularExpression elapsed(QStringLiteral("^\\[(h+|m+|s+)\\]$"),
                                                    QRegularExpression::CaseInsensitiveOption);
            if (elapsed.match(code.mid(i, end - i + 1)).hasMatch()) {
                return true;
            }
            i = end;
        } else if (QStringLiteral("dmyhsDMYHS").contains(c)) {
            return true;
        }
    }
    return false;
}

namespace {

const QDate kEpoch1900(1899, 12, 30);
const QDate kEpoch1904(1904, 1, 1);
constexpr double kLastSerial = 2958465.0;  // 9999-12-31 in the 1900 system
constexpr qint64 kMsPerDay = 86400000;

}  // namespace

QVariant dateFromSerial(double serial, bool date1904) {
    if (!std::isfinite(serial) || serial < 0 || serial > kLastSerial + 1) {
        return {};
    }
    qint64 ms = std::llround(serial * kMsPerDay);
    qint64 days = ms / kMsPerDay;
    ms %= kMsPerDay;
    QDate epoch = date1904 ? kEpoch1904 : kEpoch1900;
    // The 1900 system counts a 29 February 1900 that never was; days before it start a day later.
    if (!date1904 && days < 61) {
        epoch = epoch.addDays(1);
    }
    const QTime time = QTime::fromMSecsSinceStartOfDay(int(ms));
    if (days == 0 && ms > 0) {
        return time;
    }
    const QDate date = epoch.addDays(days);
    if (ms == 0) {
        return date;
    }
    return QDateTime(date, time);
}

double serialFromDate(const QDateTime& when, bool date1904) {
    const QDate epoch = date1904 ? kEpoch1904 : kEpoch1900;
    double days = double(epoch.daysTo(when.date()));
    if (!date1904 && days < 61) {
        days -= 1;
    }
    return days + double(when.time().msecsSinceStartOfDay()) / kMsPerDay;
}

QString decodeEscapes(const QString& text) {
    if (!text.contains(QStringLiteral("_x"))) {
        return text;
    }
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString out;
    qsizetype last = 0;
    QRegularExpressionMatchIterator it = escape.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        out += text.mid(last, match.capturedStart() - last);
        out += QChar(char16_t(match.captured(1).toUShort(nullptr, 16)));
        last = match.capturedEnd();
    }
    return out + text.mid(last);
}

QString encodeEscapes(const QString& text) {
    static const QRegularExpression literal(QStringLiteral("^_x[0-9A-Fa-f]{4}_"));
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'_' && literal.match(text.mid(i, 7)).hasMatch()) {
            out += QStringLiteral("_x005F_");
        } else if (c.unicode() < 0x20 && c != u'\n' && c != u'\t') {
            out += QStringLiteral("_x") +
                   QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0') + u'_';
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace office::xlsx

#include "cadre/DayEntry.h"

#include <QRegularExpression>

#include "text/MonthText.h"

namespace cadre {

std::optional<QDate> readDayEntry(const QString& typed) {
    const QString text = typed.trimmed();
    if (text.isEmpty()) {
        return QDate();
    }
    static const QRegularExpression day(QStringLiteral("^(\\d{4})[-.](\\d{1,2})[-.](\\d{1,2})$"));
    const QRegularExpressionMatch match = day.match(text);
    if (match.hasMatch()) {
        const QDate date(match.captured(1).toInt(), match.captured(2).toInt(),
                         match.captured(3).toInt());
        if (!date.isValid() || date.year() < 1900) {
            return std::nullopt;
        }
        return date;
    }
    const std::optional<text::MonthEntry> month = text::readMonthEntry(text);
    if (!month) {
        return std::nullopt;
    }
    return month->date;
}

QString dayText(const QDate& date) {
    return date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

}  // namespace cadre

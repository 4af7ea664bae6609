#include "db/JetDate.h"

#include <QRegularExpression>
#include <cmath>

namespace jet {

namespace {

constexpr qint64 kEpochJulianDay = 2415019;  // 1899-12-30
constexpr double kSecondsPerDay = 86400.0;

}  // namespace

double toSerial(const QDate& date) {
    return static_cast<double>(date.toJulianDay() - kEpochJulianDay);
}

double toSerial(const QDateTime& dateTime) {
    const QTime t = dateTime.time();
    const double fraction = t.isValid() ? t.msecsSinceStartOfDay() / (kSecondsPerDay * 1000.0) : 0;
    const double day = toSerial(dateTime.date());
    // Before the epoch Jet keeps the time of day as a positive fraction beside a negative day.
    return day < 0 ? day - fraction : day + fraction;
}

QDate dateFromSerial(double serial) {
    return QDate::fromJulianDay(static_cast<qint64>(std::trunc(serial)) + kEpochJulianDay);
}

QDateTime dateTimeFromSerial(double serial) {
    const double day = std::trunc(serial);
    const double fraction = std::fabs(serial - day);
    const int msecs = static_cast<int>(std::llround(fraction * kSecondsPerDay * 1000.0));
    QDateTime result(dateFromSerial(serial), QTime(0, 0));
    return result.addMSecs(msecs);
}

bool isWholeDay(double serial) {
    return serial == std::trunc(serial);
}

std::optional<QDateTime> parseDateText(const QString& text) {
    static const QRegularExpression yearFirst(QStringLiteral(
        R"(^\s*(\d{1,4})[-/.](\d{1,2})[-/.](\d{1,2})(?:[ T]+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?\s*$)"));
    static const QRegularExpression monthFirst(QStringLiteral(
        R"(^\s*(\d{1,2})/(\d{1,2})/(\d{4})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?\s*$)"));
    int year = 0;
    int month = 0;
    int day = 0;
    QRegularExpressionMatch m = yearFirst.match(text);
    if (m.hasMatch()) {
        year = m.captured(1).toInt();
        month = m.captured(2).toInt();
        day = m.captured(3).toInt();
    } else {
        m = monthFirst.match(text);
        if (!m.hasMatch()) {
            return std::nullopt;
        }
        month = m.captured(1).toInt();
        day = m.captured(2).toInt();
        year = m.captured(3).toInt();
    }
    const QDate date(year, month, day);
    if (!date.isValid()) {
        return std::nullopt;
    }
    QTime time(0, 0);
    if (m.hasCaptured(4)) {
        time = QTime(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
        if (!time.isValid()) {
            return std::nullopt;
        }
    }
    return QDateTime(date, time);
}

int ageInYears(const QDate& birth, const QDate& reference) {
    int years = reference.year() - birth.year();
    if (reference.month() < birth.month() ||
        (reference.month() == birth.month() && reference.day() < birth.day())) {
        --years;
    }
    return years;
}

}  // namespace jet

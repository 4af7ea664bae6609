#include "db/JetFunctions.h"

#include <sqlite3.h>

#include <QDateTime>
#include <QString>
#include <cmath>
#include <optional>

#include "db/JetDate.h"

namespace jet {

namespace {

QString argText(sqlite3_value* v) {
    const auto* data = reinterpret_cast<const char16_t*>(sqlite3_value_text16(v));
    const int bytes = sqlite3_value_bytes16(v);
    return QString::fromUtf16(data, bytes / 2);
}

void resultText(sqlite3_context* ctx, const QString& text) {
    sqlite3_result_text16(ctx, text.utf16(), static_cast<int>(text.size() * 2), SQLITE_TRANSIENT);
}

// A date argument: a serial number, or a date text as Jet would convert it.
std::optional<double> argSerial(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
        case SQLITE_INTEGER:
        case SQLITE_FLOAT:
            return sqlite3_value_double(v);
        case SQLITE_TEXT: {
            const QString text = argText(v);
            bool isNumber = false;
            const double number = text.toDouble(&isNumber);
            if (isNumber) {
                return number;
            }
            const std::optional<QDateTime> dt = parseDateText(text);
            if (dt) {
                return toSerial(*dt);
            }
            return std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

bool anyNull(int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            return true;
        }
    }
    return false;
}

// Runs `body` with the first argument as a date; NULL in gives NULL out, a non-date is an error.
template <typename Body>
void withDate(sqlite3_context* ctx, sqlite3_value* v, Body body) {
    if (sqlite3_value_type(v) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::optional<double> serial = argSerial(v);
    if (!serial) {
        sqlite3_result_error(ctx, "data type mismatch: not a date", -1);
        return;
    }
    body(*serial);
}

void datePartFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const auto part = reinterpret_cast<intptr_t>(sqlite3_user_data(ctx));
    withDate(ctx, argv[0], [&](double s) {
        const QDateTime dt = dateTimeFromSerial(s);
        int value = 0;
        switch (part) {
            case 0:
                value = dt.date().year();
                break;
            case 1:
                value = dt.date().month();
                break;
            case 2:
                value = dt.date().day();
                break;
            case 3:
                value = dt.time().hour();
                break;
            case 4:
                value = dt.time().minute();
                break;
            case 5:
                value = dt.time().second();
                break;
            default:
                value = dt.date().dayOfWeek() % 7 + 1;  // Sunday is 1
        }
        sqlite3_result_int(ctx, value);
    });
}

// jet_yearspan(later, earlier): 1900 + whole calendar years from `earlier` to `later`, which is
// what Year(later - earlier) stands for in age expressions.
void yearSpan(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::optional<double> later = argSerial(argv[0]);
    const std::optional<double> earlier = argSerial(argv[1]);
    if (!later || !earlier) {
        sqlite3_result_error(ctx, "data type mismatch: not a date", -1);
        return;
    }
    const QDate a = dateFromSerial(*later);
    const QDate b = dateFromSerial(*earlier);
    const int years = a >= b ? ageInYears(b, a) : -ageInYears(a, b) - 1;
    sqlite3_result_int(ctx, 1900 + years);
}

qint64 monthIndex(const QDate& d) {
    return qint64(d.year()) * 12 + d.month() - 1;
}

std::optional<qint64> dateDiff(const QString& interval, double s1, double s2) {
    const QDateTime a = dateTimeFromSerial(s1);
    const QDateTime b = dateTimeFromSerial(s2);
    const QString i = interval.toLower();
    if (i == u"yyyy") {
        return b.date().year() - a.date().year();
    }
    if (i == u"q") {
        return (monthIndex(b.date()) / 3) - (monthIndex(a.date()) / 3);
    }
    if (i == u"m") {
        return monthIndex(b.date()) - monthIndex(a.date());
    }
    if (i == u"d" || i == u"y") {
        return b.date().toJulianDay() - a.date().toJulianDay();
    }
    if (i == u"w") {
        return (b.date().toJulianDay() - a.date().toJulianDay()) / 7;
    }
    if (i == u"ww") {
        // Sundays crossed: weeks counted from the Sunday on or before each date.
        auto weekStart = [](const QDate& d) { return d.toJulianDay() - d.dayOfWeek() % 7; };
        return (weekStart(b.date()) - weekStart(a.date())) / 7;
    }
    const qint64 secondsA = a.toSecsSinceEpoch();
    const qint64 secondsB = b.toSecsSinceEpoch();
    if (i == u"h") {
        return secondsB / 3600 - secondsA / 3600;
    }
    if (i == u"n") {
        return secondsB / 60 - secondsA / 60;
    }
    if (i == u"s") {
        return secondsB - secondsA;
    }
    return std::nullopt;
}

void dateDiffFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(3, argv) || argc < 3) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::optional<double> s1 = argSerial(argv[1]);
    const std::optional<double> s2 = argSerial(argv[2]);
    if (!s1 || !s2) {
        sqlite3_result_error(ctx, "data type mismatch: not a date", -1);
        return;
    }
    const std::optional<qint64> diff = dateDiff(argText(argv[0]), *s1, *s2);
    if (!diff) {
        sqlite3_result_error(ctx, "invalid DateDiff interval", -1);
        return;
    }
    sqlite3_result_int64(ctx, *diff);
}

void dateAddFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString i = argText(argv[0]).toLower();
    const double n = sqlite3_value_double(argv[1]);
    withDate(ctx, argv[2], [&](double s) {
        QDateTime dt = dateTimeFromSerial(s);
        const int whole = static_cast<int>(std::trunc(n));
        if (i == u"yyyy") {
            dt = dt.addYears(whole);
        } else if (i == u"q") {
            dt = dt.addMonths(whole * 3);
        } else if (i == u"m") {
            dt = dt.addMonths(whole);
        } else if (i == u"d" || i == u"y" || i == u"w") {
            dt = dt.addDays(whole);
        } else if (i == u"ww") {
            dt = dt.addDays(qint64(whole) * 7);
        } else if (i == u"h") {
            dt = dt.addSecs(qint64(whole) * 3600);
        } else if (i == u"n") {
            dt = dt.addSecs(qint64(whole) * 60);
        } else if (i == u"s") {
            dt = dt.addSecs(whole);
        } else {
            sqlite3_result_error(ctx, "invalid DateAdd interval", -1);
            return;
        }
        sqlite3_result_double(ctx, toSerial(dt));
    });
}

void datePartByName(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString i = argText(argv[0]).toLower();
    withDate(ctx, argv[1], [&](double s) {
        const QDateTime dt = dateTimeFromSerial(s);
        const QDate d = dt.date();
        if (i == u"yyyy") {
            sqlite3_result_int(ctx, d.year());
        } else if (i == u"q") {
            sqlite3_result_int(ctx, (d.month() - 1) / 3 + 1);
        } else if (i == u"m") {
            sqlite3_result_int(ctx, d.month());
        } else if (i == u"d") {
            sqlite3_result_int(ctx, d.day());
        } else if (i == u"y") {
            sqlite3_result_int(ctx, d.dayOfYear());
        } else if (i == u"w") {
            sqlite3_result_int(ctx, d.dayOfWeek() % 7 + 1);
        } else if (i == u"h") {
            sqlite3_result_int(ctx, dt.time().hour());
        } else if (i == u"n") {
            sqlite3_result_int(ctx, dt.time().minute());
        } else if (i == u"s") {
            sqlite3_result_int(ctx, dt.time().second());
        } else {
            sqlite3_result_error(ctx, "invalid DatePart interval", -1);
        }
    });
}

void dateSerialFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    // Months and days out of range roll over, as in Jet: DateSerial(2012, 13, 1) is 2013-01-01.
    const QDate start(sqlite3_value_int(argv[0]), 1, 1);
    const QDate date =
        start.addMonths(sqlite3_value_int(argv[1]) - 1).addDays(sqlite3_value_int(argv[2]) - 1);
    sqlite3_result_double(ctx, toSerial(date));
}

void cdateFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    withDate(ctx, argv[0], [&](double s) { sqlite3_result_double(ctx, s); });
}

void nowFunction(sqlite3_context* ctx, int, sqlite3_value**) {
    const auto part = reinterpret_cast<intptr_t>(sqlite3_user_data(ctx));
    const QDateTime now = QDateTime::currentDateTime();
    if (part == 0) {
        sqlite3_result_double(ctx, toSerial(now));
    } else if (part == 1) {
        sqlite3_result_double(ctx, toSerial(now.date()));
    } else {
        sqlite3_result_double(ctx, toSerial(now) - std::trunc(toSerial(now)));
    }
}

void instrFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    int start = 1;
    int first = 0;
    if (argc == 3) {
        start = sqlite3_value_int(argv[0]);
        first = 1;
    }
    const QString haystack = argText(argv[first]);
    const QString needle = argText(argv[first + 1]);
    if (start < 1) {
        sqlite3_result_error(ctx, "invalid InStr start", -1);
        return;
    }
    const qsizetype at = haystack.indexOf(needle, start - 1, Qt::CaseInsensitive);
    sqlite3_result_int64(ctx, at < 0 ? 0 : at + 1);
}

void rightFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    resultText(ctx, argText(argv[0]).right(std::max(0, sqlite3_value_int(argv[1]))));
}

void cstrFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    switch (sqlite3_value_type(argv[0])) {
        case SQLITE_NULL:
            sqlite3_result_null(ctx);
            return;
        case SQLITE_INTEGER:
            resultText(ctx, QString::number(sqlite3_value_int64(argv[0])));
            return;
        case SQLITE_FLOAT:
            resultText(ctx, QString::number(sqlite3_value_double(argv[0]), 'g', 15));
            return;
        default:
            resultText(ctx, argText(argv[0]));
    }
}

// Jet's CInt/CLng round halves to the even neighbour.
void cintFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    bool ok = true;
    double v = sqlite3_value_double(argv[0]);
    if (sqlite3_value_type(argv[0]) == SQLITE_TEXT) {
        v = argText(argv[0]).trimmed().toDouble(&ok);
    }
    if (!ok) {
        sqlite3_result_error(ctx, "data type mismatch: not a number", -1);
        return;
    }
    sqlite3_result_int64(ctx, static_cast<qint64>(std::nearbyint(v)));
}

void cdblFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    bool ok = true;
    double v = sqlite3_value_double(argv[0]);
    if (sqlite3_value_type(argv[0]) == SQLITE_TEXT) {
        v = argText(argv[0]).trimmed().toDouble(&ok);
    }
    if (!ok) {
        sqlite3_result_error(ctx, "data type mismatch: not a number", -1);
        return;
    }
    sqlite3_result_double(ctx, v);
}

// Val reads the longest number at the start of the text and ignores the rest.
void valFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString text = argText(argv[0]).trimmed();
    qsizetype end = 0;
    if (end < text.size() && (text[end] == u'-' || text[end] == u'+')) {
        ++end;
    }
    bool dot = false;
    while (end < text.size() && (text[end].isDigit() || (!dot && text[end] == u'.'))) {
        dot = dot || text[end] == u'.';
        ++end;
    }
    sqlite3_result_double(ctx, text.left(end).toDouble());
}

void intFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const bool truncate = sqlite3_user_data(ctx) != nullptr;
    const double v = sqlite3_value_double(argv[0]);
    sqlite3_result_int64(ctx, static_cast<qint64>(truncate ? std::trunc(v) : std::floor(v)));
}

void spaceFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    resultText(ctx, QString(std::max(0, sqlite3_value_int(argv[0])), u' '));
}

// The date formats Jet's Format() is used with here: yyyy, mm, dd, m, d, hh, nn (minutes), ss and
// the separators between them; other format texts are applied to numbers as digit patterns ("00").
void formatFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString fmt = argc > 1 ? argText(argv[1]) : QString();
    const bool isDateFormat =
        fmt.contains(u'y', Qt::CaseInsensitive) || fmt.contains(u'd', Qt::CaseInsensitive) ||
        fmt.contains(u'm', Qt::CaseInsensitive) || fmt.contains(u'n', Qt::CaseInsensitive);
    if (fmt.isEmpty() || !isDateFormat) {
        const int zeros = static_cast<int>(fmt.count(u'0'));
        const qsizetype dot = fmt.indexOf(u'.');
        const double v = sqlite3_value_double(argv[0]);
        if (fmt.isEmpty() || sqlite3_value_type(argv[0]) == SQLITE_TEXT) {
            resultText(ctx, argText(argv[0]));
            return;
        }
        const int decimals = dot < 0 ? 0 : static_cast<int>(fmt.size() - dot - 1);
        const int width = dot < 0 ? zeros : static_cast<int>(fmt.left(dot).count(u'0'));
        QString s = QString::number(std::fabs(v), 'f', decimals);
        const qsizetype intDigits = dot < 0 ? s.size() : s.indexOf(u'.');
        if (intDigits < width) {
            s.prepend(QString(width - intDigits, u'0'));
        }
        resultText(ctx, v < 0 ? u'-' + s : s);
        return;
    }
    withDate(ctx, argv[0], [&](double s) {
        const QDateTime dt = dateTimeFromSerial(s);
        QString converted;
        for (qsizetype i = 0; i < fmt.size(); ++i) {
            const QChar c = fmt[i].toLower();
            qsizetype run = 1;
            while (i + run < fmt.size() && fmt[i + run].toLower() == c) {
                ++run;
            }
            const QString token = QString(run, c);
            if (c == u'y') {
                converted += run <= 2 ? dt.toString(QStringLiteral("yy"))
                                      : dt.toString(QStringLiteral("yyyy"));
            } else if (c == u'm') {
                converted += dt.toString(run >= 2 ? QStringLiteral("MM") : QStringLiteral("M"));
            } else if (c == u'd') {
                converted += dt.toString(run >= 2 ? QStringLiteral("dd") : QStringLiteral("d"));
            } else if (c == u'h') {
                converted += dt.toString(run >= 2 ? QStringLiteral("hh") : QStringLiteral("h"));
            } else if (c == u'n') {
                converted += dt.toString(run >= 2 ? QStringLiteral("mm") : QStringLiteral("m"));
            } else if (c == u's') {
                converted += dt.toString(run >= 2 ? QStringLiteral("ss") : QStringLiteral("s"));
            } else {
                converted += token;
            }
            i += run - 1;
        }
        resultText(ctx, converted);
    });
}

struct FunctionDef {
    const char* name;
    int args;
    void (*fn)(sqlite3_context*, int, sqlite3_value**);
    intptr_t data;
    bool deterministic;
};

}  // namespace

bool registerFunctions(sqlite3* db) {
    static const FunctionDef defs[] = {
        {"jet_year", 1, datePartFunction, 0, true},
        {"jet_month", 1, datePartFunction, 1, true},
        {"jet_day", 1, datePartFunction, 2, true},
        {"jet_hour", 1, datePartFunction, 3, true},
        {"jet_minute", 1, datePartFunction, 4, true},
        {"jet_second", 1, datePartFunction, 5, true},
        {"jet_weekday", 1, datePartFunction, 6, true},
        {"jet_yearspan", 2, yearSpan, 0, true},
        {"jet_datediff", 3, dateDiffFunction, 0, true},
        {"jet_datediff", 4, dateDiffFunction, 0, true},
        {"jet_datediff", 5, dateDiffFunction, 0, true},
        {"jet_dateadd", 3, dateAddFunction, 0, true},
        {"jet_datepart", 2, datePartByName, 0, true},
        {"jet_dateserial", 3, dateSerialFunction, 0, true},
        {"jet_cdate", 1, cdateFunction, 0, true},
        {"jet_now", 0, nowFunction, 0, false},
        {"jet_date", 0, nowFunction, 1, false},
        {"jet_time", 0, nowFunction, 2, false},
        {"jet_instr", 2, instrFunction, 0, true},
        {"jet_instr", 3, instrFunction, 0, true},
        {"jet_right", 2, rightFunction, 0, true},
        {"jet_cstr", 1, cstrFunction, 0, true},
        {"jet_cint", 1, cintFunction, 0, true},
        {"jet_cdbl", 1, cdblFunction, 0, true},
        {"jet_val", 1, valFunction, 0, true},
        {"jet_int", 1, intFunction, 0, true},
        {"jet_fix", 1, intFunction, 1, true},
        {"jet_space", 1, spaceFunction, 0, true},
        {"jet_format", 1, formatFunction, 0, true},
        {"jet_format", 2, formatFunction, 0, true},
    };
    for (const FunctionDef& d : defs) {
        const int flags = SQLITE_UTF8 | (d.deterministic ? SQLITE_DETERMINISTIC : 0);
        if (sqlite3_create_function_v2(db, d.name, d.args, flags, reinterpret_cast<void*>(d.data),
                                       d.fn, nullptr, nullptr, nullptr) != SQLITE_OK) {
            return false;
        }
    }
    return true;
}

}  // namespace jet

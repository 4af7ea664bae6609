#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include "text/MonthText.h"

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

std::string show(const QDate& date) {
    return date.isValid() ? date.toString(Qt::ISODate).toStdString() : "invalid";
}

struct DateCase {
    QString text;
    QDate date;  // invalid when the text is refused
};

TEST(MonthText, ParsesYearAndMonth) {
    const DateCase cases[] = {
        {u("1965.3"), QDate(1965, 3, 1)},
        {u("1965.03"), QDate(1965, 3, 1)},
        {u("1965-03"), QDate(1965, 3, 1)},
        {u(" 1965.12 "), QDate(1965, 12, 1)},
        {u("2012.7"), QDate(2012, 7, 1)},
        // Years before 1900 are dates like any other; the record refuses them itself.
        {u("1899.12"), QDate(1899, 12, 1)},
        {u("1850.1"), QDate(1850, 1, 1)},
        {u("0899.01"), QDate(899, 1, 1)},
        {u("1965.13"), QDate()},
        {u("1965.0"), QDate()},
        {u("1965.003"), QDate()},
        {u("65.3"), QDate()},
        {u("1965"), QDate()},
        {u("196503"), QDate()},
        {u("1965.3.1"), QDate()},
        {u("1965..3"), QDate()},
        {u("1965. 3"), QDate()},
        {u("１９６５.３"), QDate()},
        {u("abc"), QDate()},
        {QString(QChar(0xD800)), QDate()},
        {QString(), QDate()},
    };
    for (const DateCase& c : cases) {
        EXPECT_EQ(text::parseMonthText(c.text), c.date)
            << c.text << " gave " << show(text::parseMonthText(c.text));
    }
}

TEST(MonthText, StoredMonthsHaveTwoDigits) {
    struct Case {
        QString text;
        QString stored;
    };
    const Case cases[] = {
        {u("1965.3"), u("1965.03")}, {u("1965.03"), u("1965.03")}, {u("1965.12"), u("1965.12")},
        {u("65.3"), u("65.3")},      {u("1965-3"), u("1965-3")},   {u("1965.x"), u("1965.x")},
        {u("19.5.3"), u("19.5.3")},  {QString(), QString()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text::padMonthText(c.text), c.stored) << c.text;
    }
}

TEST(MonthText, EntryBoxesTakeOnlyMonthsFrom1900) {
    struct Case {
        QString typed;
        std::optional<QString> stored;  // nullopt when the text is refused
    };
    const Case cases[] = {
        {u("1965.3"), u("1965.03")},     {u(" 1965.03 "), u("1965.03")},
        {u("2012.12"), u("2012.12")},    {u("2012-7"), u("2012.07")},
        {u("1900.01"), u("1900.01")},    {QString(), QString()},
        {u("   "), QString()},           {u("65.03"), std::nullopt},
        {u("1899.12"), std::nullopt},    {u("2025.13"), std::nullopt},
        {u("2025.0"), std::nullopt},     {u("abc"), std::nullopt},
        {u("2026-12-10"), std::nullopt}, {u("1965.03.15"), std::nullopt},
        {u("196503"), std::nullopt},     {u("1965."), std::nullopt},
        {u("4965.03"), std::nullopt},    {u("2012.7'"), std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<text::MonthEntry> entry = text::readMonthEntry(c.typed);
        ASSERT_EQ(entry.has_value(), c.stored.has_value()) << c.typed;
        if (!entry) {
            continue;
        }
        EXPECT_EQ(entry->text, *c.stored) << c.typed;
        EXPECT_EQ(entry->date, text::parseMonthText(*c.stored)) << c.typed;
        EXPECT_EQ(entry->date.isNull(), c.stored->isEmpty()) << c.typed;
    }
}

TEST(MonthText, ReadsTheMonthsOfImportedFiles) {
    const DateCase cases[] = {
        {u("1965.03"), QDate(1965, 3, 1)},
        {u("1965.3"), QDate(1965, 3, 1)},
        {u("1965-3"), QDate(1965, 3, 1)},
        {u("196503"), QDate(1965, 3, 1)},
        {u("19653"), QDate(1965, 3, 1)},
        {u("19650315"), QDate(1965, 3, 1)},
        {u("1965.03.15"), QDate(1965, 3, 1)},
        {u("1965.3.5"), QDate(1965, 3, 1)},
        {u("1965.3x"), QDate(1965, 3, 1)},
        {u("1899.12"), QDate(1899, 12, 1)},
        {u("1965"), QDate()},
        {u("x1965.03"), QDate()},
        {u("196513"), QDate()},
        {u("1965/03"), QDate(1965, 3, 1)},
        {u("1965年3月"), QDate(1965, 3, 1)},
        {u("1965年12月"), QDate(1965, 12, 1)},
        {u("1965年3月15日"), QDate(1965, 3, 1)},
        {u("1965年"), QDate()},
        {u("1965年13月"), QDate()},
        {QString(), QDate()},
    };
    for (const DateCase& c : cases) {
        EXPECT_EQ(text::parseImportedMonth(c.text), c.date)
            << c.text << " gave " << show(text::parseImportedMonth(c.text));
    }
}

TEST(MonthText, AgeLabelCountsWholeYears) {
    struct Case {
        QString birth;
        QDate today;
        QString label;
    };
    const Case cases[] = {
        {u("1965.03"), QDate(2012, 7, 15), u("47岁")}, {u("1972.7"), QDate(2012, 7, 1), u("40岁")},
        {u("1972.07"), QDate(2012, 6, 30), u("39岁")}, {QString(), QDate(2012, 7, 15), u(" 岁")},
        {u("1972"), QDate(2012, 7, 15), u(" 岁")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text::ageLabel(c.birth, c.today), c.label) << c.birth;
    }
}

}  // namespace

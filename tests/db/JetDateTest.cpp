#include <gtest/gtest.h>

#include "db/JetDate.h"
#include "support/QtPrinters.h"

namespace {

TEST(JetDate, SerialsCountDaysFromTheJetEpoch) {
    struct Case {
        QDate date;
        double serial;
    };
    const Case cases[] = {
        {QDate(1899, 12, 30), 0},   {QDate(1899, 12, 31), 1},    {QDate(1900, 1, 1), 2},
        {QDate(1900, 3, 1), 61},    {QDate(2012, 7, 15), 41105}, {QDate(1899, 12, 29), -1},
        {QDate(1890, 1, 1), -3650},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(jet::toSerial(c.date), c.serial) << c.date.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(jet::dateFromSerial(c.serial), c.date) << c.serial;
    }
}

TEST(JetDate, TimeOfDayIsTheFraction) {
    const QDateTime noon(QDate(2012, 7, 15), QTime(12, 0));
    EXPECT_DOUBLE_EQ(jet::toSerial(noon), 41105.5);
    EXPECT_EQ(jet::dateTimeFromSerial(41105.75), QDateTime(QDate(2012, 7, 15), QTime(18, 0)));
    // Before the epoch the day counts down while the time of day still counts up.
    EXPECT_EQ(jet::dateTimeFromSerial(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    EXPECT_DOUBLE_EQ(jet::toSerial(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
    EXPECT_TRUE(jet::isWholeDay(41105));
    EXPECT_FALSE(jet::isWholeDay(41105.5));
}

TEST(JetDate, ParsesTheDateTextsJetAccepts) {
    struct Case {
        const char* text;
        QDateTime expected;  // invalid when the text is refused
    };
    const Case cases[] = {
        {"2012-07-15", QDateTime(QDate(2012, 7, 15), QTime(0, 0))},
        {"2012-7-1", QDateTime(QDate(2012, 7, 1), QTime(0, 0))},
        {"2012/7/1", QDateTime(QDate(2012, 7, 1), QTime(0, 0))},
        {"7/15/2012", QDateTime(QDate(2012, 7, 15), QTime(0, 0))},
        {" 2012-07-15 10:30 ", QDateTime(QDate(2012, 7, 15), QTime(10, 30))},
        {"2012-07-15 10:30:15", QDateTime(QDate(2012, 7, 15), QTime(10, 30, 15))},
        {"2012-02-30", QDateTime()},
        {"2012-13-01", QDateTime()},
        {"2012-07", QDateTime()},
        {"abc", QDateTime()},
        {"", QDateTime()},
        {"2012-07-15 25:00", QDateTime()},
    };
    for (const Case& c : cases) {
        const std::optional<QDateTime> parsed = jet::parseDateText(QString::fromUtf8(c.text));
        if (c.expected.isValid()) {
            ASSERT_TRUE(parsed.has_value()) << c.text;
            EXPECT_EQ(*parsed, c.expected) << c.text;
        } else {
            EXPECT_FALSE(parsed.has_value()) << c.text;
        }
    }
}

TEST(JetDate, AgeIsReachedOnTheAnniversary) {
    struct Case {
        QDate birth;
        QDate reference;
        int age;
    };
    const Case cases[] = {
        {QDate(1972, 7, 15), QDate(2012, 7, 15), 40}, {QDate(1972, 7, 16), QDate(2012, 7, 15), 39},
        {QDate(1972, 7, 14), QDate(2012, 7, 15), 40}, {QDate(1980, 2, 29), QDate(2013, 2, 28), 32},
        {QDate(1980, 2, 29), QDate(2013, 3, 1), 33},  {QDate(1895, 5, 1), QDate(1955, 5, 1), 60},
        {QDate(2012, 7, 15), QDate(2012, 7, 15), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(jet::ageInYears(c.birth, c.reference), c.age)
            << c.birth.toString(Qt::ISODate).toStdString();
    }
}

}  // namespace

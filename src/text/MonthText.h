#pragma once

#include <QDate>
#include <QString>
#include <optional>

// Month texts: a year-month date as the user types and every list shows it ("1965.03"), kept
// beside the date column it stands for (csnyStr beside csny).
namespace text {

// The first day of the month a month text names: "." is read as "-" and the first day is
// appended, so "1965.3", "1965.03" and "1965-03" all give 1965-03-01. Blanks around the text
// are ignored. The year must have four digits, the month one or two (1 to 12); anything else,
// including an empty text, gives an invalid date. Years before 1900 are read like any other;
// refusing them is the caller's decision.
QDate parseMonthText(const QString& text);

// The stored form of a month text: "yyyy.m" with a one-digit month gets its leading zero
// ("1965.3" becomes "1965.03"); any other text is returned unchanged.
QString padMonthText(const QString& text);

// The pattern that every month-text entry box accepts, whole: optional two century digits, two
// year digits, a point, and a month from 1 to 12 with an optional leading zero ("1965.03",
// "1965.3", "65.3").
inline const QString kMonthEntryPattern =
    QStringLiteral("([123][0-9])?[0-9][0-9]\\.(0?[1-9]|1[012])");

// A month as the user typed it into an entry box, in its stored form.
struct MonthEntry {
    QString text;  // "yyyy.mm" (two-digit month); empty when the box was empty
    QDate date;    // the first day of that month; null when the box was empty
};

// Reads a typed month text for storing. Blanks around it are ignored; an empty text gives an
// empty entry (the box was cleared). A text that matches kMonthEntryPattern, or the "yyyy-m"
// dash form that some boxes also take, and names a month of 1900 or later gives that month with
// its text padded ("1965.3" becomes "1965.03"). Anything else gives nullopt: two-digit years
// ("65.03") included, since they cannot be read as a year; the caller refuses such a text with
// the field's own message and writes nothing.
std::optional<MonthEntry> readMonthEntry(const QString& typed);

// The year-month dates of imported files, written in many ways ("1965.03", "196503",
// "1965-3", "1965.03.15", "1965/3", "1965年3月"): a text shorter than five characters or not
// starting with a digit gives an invalid date; an all-digit text is read as yyyymm...; ".", "/",
// "年" and "月" are read as "-"; the text is cut after the month (seven characters, six when the
// seventh is not a digit), and the first day of that month is the result (invalid when what
// remains is not a year and month).
QDate parseImportedMonth(const QString& text);

// The age label beside a birth month: the whole years from the birth month to 'today' followed
// by "岁", or " 岁" alone when the month text is empty or not a month.
QString ageLabel(const QString& birthMonthText, const QDate& today);

}  // namespace text

#pragma once

#include <QDate>
#include <QString>

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

// The year-month dates of imported files, written in many ways ("1965.03", "196503",
// "1965-3", "1965.03.15"): a text shorter than five characters or not starting with a digit
// gives an invalid date; an all-digit text is read as yyyymm...; "." is read as "-"; the text is
// cut after the month (seven characters, six when the seventh is not a digit), and the first day
// of that month is the result (invalid when what remains is not a year and month).
QDate parseImportedMonth(const QString& text);

// The age label beside a birth month: the whole years from the birth month to 'today' followed
// by "岁", or " 岁" alone when the month text is empty or not a month.
QString ageLabel(const QString& birthMonthText, const QDate& today);

}  // namespace text

#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

// Jet keeps dates as serial numbers: whole days since 1899-12-30, the fraction being the time
// of day. The database stores every DATETIME column that way so that date arithmetic written in
// SQL (differences, comparisons with #literals#) works as the statements expect.
namespace jet {

double toSerial(const QDate& date);
double toSerial(const QDateTime& dateTime);
QDate dateFromSerial(double serial);
QDateTime dateTimeFromSerial(double serial);

// True when the serial carries no time of day.
bool isWholeDay(double serial);

// Parses the date texts Jet accepts in literals and in text assigned to a date column:
// "2012-07-15", "2012-7-1", "2012/7/1", "7/15/2012" (month first, as Jet reads it),
// optionally followed by a time "10:30" or "10:30:15". Returns nothing for anything else.
std::optional<QDateTime> parseDateText(const QString& text);

// Whole years from birth to the reference date, reached on the anniversary itself.
// This is what "Year(reference - birth) - 1900" is meant to compute throughout the program.
int ageInYears(const QDate& birth, const QDate& reference);

}  // namespace jet

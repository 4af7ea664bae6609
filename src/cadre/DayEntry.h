#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace cadre {

inline const QString kBadDayEntry =
    QStringLiteral("日期格式不正确，请按“年-月-日”输入，如 2012-07-15，年份不早于1900年。");

// Reads a day typed into a date box of the record dialogs: "yyyy-m-d" or "yyyy.m.d", or a month
// (text::readMonthEntry) for its first day; blanks around it are ignored. An empty text gives a
// null date; anything else, or a day before 1900, gives nullopt.
std::optional<QDate> readDayEntry(const QString& typed);

// The text a date box shows for `date`: "yyyy-MM-dd", empty for a null date.
QString dayText(const QDate& date);

}  // namespace cadre

#pragma once

#include <QString>
#include <QStringList>

// The name list that the search takes pasted from elsewhere (TMdForm).
namespace cadre {

// The names of a typed list, trimmed, in their order: names are separated by line breaks, commas,
// semicolons and "、" (full-width or not); empty pieces are dropped.
QStringList splitNameList(const QString& text);

// "格式整理": every "，", "、" and "," becomes a line break, blank lines are dropped and each name
// is trimmed, leaving one name per line.
QString tidyNameList(const QString& text);

// "确定": the non-empty lines as an SQL in-list, each name quoted as a string literal (a quote
// in a name is doubled) and joined by ","; two names give 'name1','name2'.
QString nameInList(const QString& text);

}  // namespace cadre

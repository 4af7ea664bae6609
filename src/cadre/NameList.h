#pragma once

#include <QString>

// The name list that the search takes pasted from elsewhere (TMdForm).
namespace cadre {

// "格式整理": every "，", "、" and "," becomes a line break, blank lines are dropped and each name
// is trimmed, leaving one name per line.
QString tidyNameList(const QString& text);

// "确定": the non-empty lines as an SQL in-list, each name quoted as a string literal (a quote
// in a name is doubled) and joined by ","; two names give 'name1','name2'.
QString nameInList(const QString& text);

}  // namespace cadre

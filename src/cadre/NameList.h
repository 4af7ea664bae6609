#pragma once

#include <QString>
#include <QStringList>

// The name list that the search takes pasted from elsewhere (TMdForm), and the conditions that
// look for typed names among the stored ones.
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

// The condition that the stored name in `column` begins with the name `typed`, in any of its
// search forms (text::nameSearchForms): "(xm like '张  三%' escape '\' or xm like '张三%' escape
// '\')" for "张三", "(xm like '张%' escape '\')" for "张". A quote, "%" or "_" typed is a
// character. Empty when nothing but blanks was typed.
QString nameStartsWith(const QString& column, const QString& typed);

// The condition that the stored name in `column` is one of the names `typed`, each in any of its
// search forms: "CName='李四'" for a single form, "CName in ('王  五','王五')" for more. A name
// that has no search form (nothing but blanks and control characters) is looked for as typed.
// Empty when `typed` is.
QString nameIsOneOf(const QString& column, const QStringList& typed);

}  // namespace cadre

#pragma once

#include <QDate>
#include <QString>

// Building SQL text: every value that goes into a statement passes through quoted(), and the
// program-wide statement fragments live here.
namespace sql {

// 'value' with every quote doubled: the value can never change the shape of the statement.
QString quoted(const QString& value);

// A like pattern of literal `text` between the wildcards `before` and `after` ("%" or empty),
// quoted, with its escape clause: "'%50\%%' escape '\'". A "%" or "_" typed by the user
// matches itself, not any text.
QString likePattern(const QString& before, const QString& text, const QString& after);

// A date literal between the date quotes: #yyyy-mm-dd#.
QString dateLiteral(const QDate& date);

// The fragments that statements throughout the program are built from.
struct Fragments {
    QString SqlDeleteHead = QStringLiteral("delete * ");
    QString SqlDateQuote = QStringLiteral("#");
    QString NullTail = QStringLiteral(")");
    QString SqlTrue = QStringLiteral("True");
    QString SqlFalse = QStringLiteral("False");
    // "Year(#<today>#-csny)-1900 as age ": whole years since the date of birth.
    QString SqlAgeColumn;
    // The scratch table that holds the current search result.
    QString TempTable = QStringLiteral("tb_tcid");

    static Fragments forDay(const QDate& today);
};

}  // namespace sql

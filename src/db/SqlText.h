#pragma once

#include <QDate>
#include <QString>

// Building SQL text: every value that goes into a statement passes through quoted(), and the
// program-wide statement fragments live here.
namespace sql {

// 'value' with every quote doubled: the value can never change the shape of the statement.
QString quoted(const QString& value);

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

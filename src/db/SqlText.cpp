#include "db/SqlText.h"

namespace sql {

QString quoted(const QString& value) {
    QString text = value;
    text.replace(u'\'', QStringLiteral("''"));
    return u'\'' + text + u'\'';
}

QString likePattern(const QString& before, const QString& text, const QString& after) {
    QString literal = text;
    literal.replace(u'\\', QStringLiteral("\\\\"));
    literal.replace(u'%', QStringLiteral("\\%"));
    literal.replace(u'_', QStringLiteral("\\_"));
    return quoted(before + literal + after) + QStringLiteral(" escape '\\'");
}

QString dateLiteral(const QDate& date) {
    return u'#' + date.toString(QStringLiteral("yyyy-MM-dd")) + u'#';
}

Fragments Fragments::forDay(const QDate& today) {
    Fragments f;
    f.SqlAgeColumn =
        QStringLiteral("Year(") + dateLiteral(today) + QStringLiteral("-csny)-1900 as age ");
    return f;
}

}  // namespace sql

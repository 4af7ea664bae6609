#include "db/SqlText.h"

namespace sql {

QString quoted(const QString& value) {
    QString text = value;
    text.replace(u'\'', QStringLiteral("''"));
    return u'\'' + text + u'\'';
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

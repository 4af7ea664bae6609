#include "cadre/NameList.h"

#include <QRegularExpression>
#include <QStringList>

#include "db/SqlText.h"

namespace cadre {

QStringList splitNameList(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[\\r\\n,，;；、]+"));
    QStringList list;
    for (const QString& part : text.split(separators, Qt::SkipEmptyParts)) {
        if (!part.trimmed().isEmpty()) {
            list << part.trimmed();
        }
    }
    return list;
}

QString tidyNameList(const QString& text) {
    return splitNameList(text).join(u'\n');
}

QString nameInList(const QString& text) {
    QStringList quoted;
    for (const QString& line : text.split(u'\n')) {
        const QString name = line.trimmed();
        if (!name.isEmpty()) {
            quoted << sql::quoted(name);
        }
    }
    return quoted.join(u',');
}

}  // namespace cadre

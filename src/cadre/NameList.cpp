#include "cadre/NameList.h"

#include <QRegularExpression>
#include <QStringList>

#include "db/SqlText.h"
#include "text/PersonName.h"

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

QString nameStartsWith(const QString& column, const QString& typed) {
    QStringList alternatives;
    for (const QString& form : text::nameSearchForms(typed)) {
        alternatives << column + QStringLiteral(" like ") +
                            sql::likePattern(QString(), form, QStringLiteral("%"));
    }
    if (alternatives.isEmpty()) {
        return QString();
    }
    return u'(' + alternatives.join(QStringLiteral(" or ")) + u')';
}

QString nameIsOneOf(const QString& column, const QStringList& typed) {
    QStringList values;
    for (const QString& name : typed) {
        const QStringList forms = text::nameSearchForms(name);
        for (const QString& form : forms.isEmpty() ? QStringList{name} : forms) {
            if (!values.contains(sql::quoted(form))) {
                values << sql::quoted(form);
            }
        }
    }
    if (values.size() == 1) {
        return column + u'=' + values.front();
    }
    if (values.isEmpty()) {
        return QString();
    }
    return column + QStringLiteral(" in (") + values.join(u',') + u')';
}

}  // namespace cadre

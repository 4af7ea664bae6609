#include "training/ClassQuery.h"

#include <QStringList>

#include "cadre/DayEntry.h"
#include "cadre/NameList.h"
#include "db/SqlText.h"

namespace training {

Result<QString> classWhere(const ClassQuery& query) {
    QStringList conditions;
    if (const QString name = query.name.trimmed(); !name.isEmpty()) {
        conditions << QStringLiteral("( pxName like ") +
                          sql::likePattern(QStringLiteral("%"), name, QStringLiteral("%")) + u')';
    }
    for (const auto& [typed, op] :
         {std::pair{query.from, QStringLiteral(">=")}, std::pair{query.to, QStringLiteral("<=")}}) {
        const std::optional<QDate> day = cadre::readDayEntry(typed);
        if (!day) {
            return Failure{kBadQueryDate, {}};
        }
        if (day->isValid()) {
            conditions << QStringLiteral("( pxTimeB") + op + sql::dateLiteral(*day) + u')';
        }
    }
    if (const QString level = query.level.trimmed(); !level.isEmpty()) {
        conditions << QStringLiteral("( pxMethod=") + sql::quoted(level) + u')';
    }
    if (const QString category = query.category.trimmed(); !category.isEmpty()) {
        conditions << QStringLiteral("( pxType1=") + sql::quoted(category) + u')';
    }
    QStringList names;
    for (const QString& name : query.participants.split(u'，')) {
        if (!name.trimmed().isEmpty()) {
            names << name.trimmed();
        }
    }
    // A participant's name is the cadre's stored name ("王  五"), however it was typed.
    if (const QString named = cadre::nameIsOneOf(QStringLiteral("CName"), names);
        !named.isEmpty()) {
        conditions << QStringLiteral("(pxid in ( select pxid from tb_pxCadre where ") + named +
                          QStringLiteral("))");
    }
    if (conditions.isEmpty()) {
        return QString();
    }
    return QString(QStringLiteral(" where ") + conditions.join(QStringLiteral(" and ")));
}

}  // namespace training

#include "settings/StandardCheck.h"

#include <QMap>

#include "cadre/CadreRecord.h"
#include "db/Database.h"
#include "db/SqlText.h"

namespace settings {

namespace {

// One column that holds values of a category.
struct Column {
    const char* table;
    const char* column;
};

QList<Column> columnsOf(CheckCategory category) {
    switch (category) {
        case CheckCategory::Education:
            return {{"tb_cadre", "gxl"}, {"tb_cadre", "qrzxl"}, {"tb_cadre", "zzxl"}};
        case CheckCategory::Degree:
            return {{"tb_cadre", "zzxw"}, {"tb_cadre", "qrzxw"}};
        case CheckCategory::Post:
            return {{"tb_cadre_zw", "zwmc"}, {"tb_department_zs", "zwmc"}};
        case CheckCategory::Rank:
            return {{"tb_cadre", "zwjb"}};
        case CheckCategory::Political:
            return {{"tb_cadre", "zzmm"}, {"tb_family", "zzmm"}};
        case CheckCategory::Relationship:
            return {{"tb_family", "cw"}};
    }
    return {};
}

Failure databaseFailure(const db::Database& db) {
    return Failure{{}, db.lastError()};
}

// The relationship list: the lines of tb_general.jtcy.
Result<QStringList> relationships(db::Database& db) {
    const Result<QVariant> text = db.scalar(QStringLiteral("select jtcy from tb_general"));
    if (!text) {
        return text.failure();
    }
    QStringList lines;
    for (const QString& line : text->toString().split(u'\n')) {
        if (!line.trimmed().isEmpty()) {
            lines << line.trimmed();
        }
    }
    return lines;
}

QString quotedList(const QStringList& values) {
    QStringList quoted;
    for (const QString& value : values) {
        quoted << sql::quoted(value);
    }
    return quoted.isEmpty() ? QStringLiteral("''") : quoted.join(u',');
}

// The set a column's values must belong to, as the right side of "not in".
Result<QString> standardSet(db::Database& db, CheckCategory category) {
    switch (category) {
        case CheckCategory::Education:
            return QStringLiteral("select xl from tb_xl where xl is not null");
        case CheckCategory::Degree:
            return QStringLiteral("select degree from tb_degree where degree is not null");
        case CheckCategory::Post:
            return QStringLiteral("select zwmc from tb_zw where zwmc is not null");
        case CheckCategory::Rank:
            return QStringLiteral("select zjmc from tb_zj where zjmc is not null");
        case CheckCategory::Political:
            return quotedList(cadre::kPoliticalStatuses);
        case CheckCategory::Relationship: {
            const Result<QStringList> list = relationships(db);
            if (!list) {
                return list.failure();
            }
            return quotedList(*list);
        }
    }
    return QString();
}

}  // namespace

QString categoryName(CheckCategory category) {
    static const QStringList names = {QStringLiteral("学历"),     QStringLiteral("学位"),
                                      QStringLiteral("职务"),     QStringLiteral("职级"),
                                      QStringLiteral("政治面貌"), QStringLiteral("家庭成员称谓")};
    return names.value(static_cast<int>(category));
}

QString standardListName(CheckCategory category) {
    switch (category) {
        case CheckCategory::Political:
            return {};
        case CheckCategory::Relationship:
            return QStringLiteral("称谓");
        default:
            return categoryName(category);
    }
}

Result<QList<NonStandardValue>> nonStandardValues(db::Database& db, CheckCategory category) {
    const Result<QString> standard = standardSet(db, category);
    if (!standard) {
        return standard.failure();
    }
    QMap<QString, int> counts;
    for (const Column& c : columnsOf(category)) {
        const QString column = QString::fromLatin1(c.column);
        const auto rows = db.query(
            QStringLiteral("select ") + column + QStringLiteral(" as v,count(*) as n from ") +
            QString::fromLatin1(c.table) + QStringLiteral(" where (") + column +
            QStringLiteral("<>'') and (") + column + QStringLiteral(" not in (") + *standard +
            QStringLiteral(")) group by ") + column);
        if (!rows) {
            return databaseFailure(db);
        }
        for (size_t i = 0; i < rows->rows.size(); ++i) {
            const QString value = rows->value(i, QStringLiteral("v")).toString();
            if (!value.trimmed().isEmpty()) {
                counts[value] += rows->value(i, QStringLiteral("n")).toInt();
            }
        }
    }
    QList<NonStandardValue> found;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        found.append({it.key(), it.value()});
    }
    return found;
}

Result<QStringList> standardValues(db::Database& db, CheckCategory category) {
    QString select;
    switch (category) {
        case CheckCategory::Education:
            select = QStringLiteral("select xl from tb_xl order by v");
            break;
        case CheckCategory::Degree:
            select = QStringLiteral("select degree from tb_degree order by degreeid");
            break;
        case CheckCategory::Post:
            select = QStringLiteral("select zwmc from tb_zw");
            break;
        case CheckCategory::Rank:
            select = QStringLiteral("select zjmc from tb_zj order by level1");
            break;
        case CheckCategory::Political:
            return cadre::kPoliticalStatuses;
        case CheckCategory::Relationship:
            return relationships(db);
    }
    const auto rows = db.query(select);
    if (!rows) {
        return databaseFailure(db);
    }
    QStringList values;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        const QString value = rows->rows[i].value(0).toString();
        if (!value.trimmed().isEmpty() && !values.contains(value)) {
            values << value;
        }
    }
    return values;
}

Result<void> addToStandard(db::Database& db, CheckCategory category, const QString& value) {
    bool ok = true;
    switch (category) {
        case CheckCategory::Education:
            ok = db.exec(QStringLiteral("Insert into tb_xl (xl) Values (?)"), {value});
            break;
        case CheckCategory::Degree:
            ok = db.exec(QStringLiteral("Insert into tb_degree (degree) Values (?)"), {value});
            break;
        case CheckCategory::Post:
            ok = db.exec(QStringLiteral("Insert into tb_zw (zwmc) Values (?)"), {value});
            break;
        case CheckCategory::Rank:
            ok = db.exec(QStringLiteral("Insert into tb_zj (zjmc) Values (?)"), {value});
            break;
        case CheckCategory::Political:
            return Failure{QStringLiteral("政治面貌的标准库不能修改。"), {}};
        case CheckCategory::Relationship: {
            const Result<QStringList> list = relationships(db);
            if (!list) {
                return list.failure();
            }
            ok = db.exec(QStringLiteral("update tb_general set jtcy=?"),
                         {(QStringList(*list) << value).join(u'\n')});
            break;
        }
    }
    if (!ok) {
        return databaseFailure(db);
    }
    return {};
}

Result<void> applyMappings(db::Database& db, const QList<ValueMapping>& mappings) {
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return databaseFailure(db);
    }
    for (const ValueMapping& m : mappings) {
        for (const Column& c : columnsOf(m.category)) {
            const QString column = QString::fromLatin1(c.column);
            if (!db.exec(QStringLiteral("update ") + QString::fromLatin1(c.table) +
                             QStringLiteral(" set ") + column + QStringLiteral("=? where ") +
                             column + QStringLiteral("=?"),
                         {m.to, m.from})) {
                return databaseFailure(db);
            }
        }
    }
    if (!transaction.commit()) {
        return databaseFailure(db);
    }
    return {};
}

}  // namespace settings

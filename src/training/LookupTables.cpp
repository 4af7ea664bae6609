#include "training/LookupTables.h"

#include "cadre/DayEntry.h"
#include "db/Database.h"
#include "db/SqlText.h"

namespace training {

namespace {

QString tableOf(Lookup lookup) {
    switch (lookup) {
        case Lookup::Bodies:
            return QStringLiteral("tb_pxjg");
        case Lookup::Teachers:
            return QStringLiteral("tb_pxs");
        case Lookup::Categories:
            return QStringLiteral("tb_pxType");
        case Lookup::Forms:
            return QStringLiteral("tb_pxMode");
    }
    return {};
}

}  // namespace

QString lookupCaption(Lookup lookup) {
    switch (lookup) {
        case Lookup::Bodies:
            return QStringLiteral("培训机构");
        case Lookup::Teachers:
            return QStringLiteral("培训师资");
        case Lookup::Categories:
            return QStringLiteral("培训类别");
        case Lookup::Forms:
            return QStringLiteral("培训方式");
    }
    return {};
}

const std::vector<LookupColumn>& lookupColumns(Lookup lookup) {
    static const std::vector<LookupColumn> bodies = {
        {QStringLiteral("Name"), QStringLiteral("培训机构名称")},
        {QStringLiteral("Man"), QStringLiteral("联系人")},
        {QStringLiteral("Address"), QStringLiteral("地址")},
        {QStringLiteral("Tel"), QStringLiteral("电话")},
        {QStringLiteral("Fax"), QStringLiteral("传真")},
        {QStringLiteral("Email"), QStringLiteral("电子邮件")}};
    static const std::vector<LookupColumn> teachers = {
        {QStringLiteral("xm"), QStringLiteral("姓名")},
        {QStringLiteral("xb"), QStringLiteral("性别")},
        {QStringLiteral("cssj"), QStringLiteral("出生年月"), true},
        {QStringLiteral("xl"), QStringLiteral("学历")},
        {QStringLiteral("zc"), QStringLiteral("职称")},
        {QStringLiteral("yjfx"), QStringLiteral("研究方向")},
        {QStringLiteral("tel"), QStringLiteral("电话")},
        {QStringLiteral("[add]"), QStringLiteral("地址")}};
    static const std::vector<LookupColumn> categories = {
        {QStringLiteral("s"), QStringLiteral("培训类别")}};
    static const std::vector<LookupColumn> forms = {
        {QStringLiteral("s"), QStringLiteral("培训方式")}};
    switch (lookup) {
        case Lookup::Bodies:
            return bodies;
        case Lookup::Teachers:
            return teachers;
        case Lookup::Categories:
            return categories;
        case Lookup::Forms:
            return forms;
    }
    return forms;
}

Result<std::vector<LookupRow>> readLookup(db::Database& db, Lookup lookup) {
    QStringList fields;
    for (const LookupColumn& column : lookupColumns(lookup)) {
        fields << column.field;
    }
    const auto rows =
        db.query(QStringLiteral("select rowid,") + fields.join(u',') + QStringLiteral(" from ") +
                 tableOf(lookup) + QStringLiteral(" order by rowid"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    const std::vector<LookupColumn>& columns = lookupColumns(lookup);
    std::vector<LookupRow> list;
    for (const QVariantList& row : rows->rows) {
        LookupRow entry;
        entry.rowId = row.value(0).toLongLong();
        for (size_t i = 0; i < columns.size(); ++i) {
            const QVariant value = row.value(static_cast<int>(i) + 1);
            entry.values << (columns[i].isDate && !value.isNull()
                                 ? cadre::dayText(value.toDateTime().date())
                                 : value.toString());
        }
        list.push_back(entry);
    }
    return list;
}

Result<qint64> appendLookupRow(db::Database& db, Lookup lookup) {
    const QString first = lookupColumns(lookup).front().field;
    if (!db.exec(QStringLiteral("insert into ") + tableOf(lookup) + QStringLiteral(" (") + first +
                 QStringLiteral(") values (null)"))) {
        return Failure{{}, db.lastError()};
    }
    return db.lastInsertId();
}

Result<void> setLookupValue(db::Database& db, Lookup lookup, qint64 rowId, int column,
                            const QString& text) {
    const std::vector<LookupColumn>& columns = lookupColumns(lookup);
    if (column < 0 || column >= static_cast<int>(columns.size())) {
        return {};
    }
    const LookupColumn& target = columns[static_cast<size_t>(column)];
    QVariant value = text.trimmed();
    if (target.isDate) {
        const std::optional<QDate> day = cadre::readDayEntry(text);
        if (!day) {
            return Failure{cadre::kBadDayEntry, {}};
        }
        value = day->isValid() ? QVariant(*day) : QVariant();
    }
    if (!db.exec(QStringLiteral("update ") + tableOf(lookup) + QStringLiteral(" set ") +
                     target.field + QStringLiteral("=? where rowid=?"),
                 {value, rowId})) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

Result<void> deleteLookupRow(db::Database& db, Lookup lookup, qint64 rowId) {
    if (!db.exec(sql::Fragments().SqlDeleteHead + QStringLiteral("from ") + tableOf(lookup) +
                     QStringLiteral(" where rowid=?"),
                 {rowId})) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

}  // namespace training

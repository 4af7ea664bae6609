#include "cadre/PickLists.h"

#include "cadre/CodeSets.h"
#include "db/Database.h"
#include "db/SqlText.h"

namespace cadre {

namespace {

// The non-empty values of `column` in the rows of `statement`, in row order.
Result<QStringList> columnValues(db::Database& db, const QString& statement,
                                 const QString& column) {
    QStringList values;
    const auto rows = db.query(statement);
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        const QString value = rows->value(i, column).toString();
        if (!value.trimmed().isEmpty()) {
            values << value;
        }
    }
    return values;
}

Result<QStringList> codeList(db::Database& db, const QString& gid) {
    return columnValues(db,
                        QStringLiteral("select * from tb_conf where GID=") + sql::quoted(gid) +
                            QStringLiteral(" order by ItemV"),
                        QStringLiteral("ItemID"));
}

// The values of a tb_cadre field, the most frequent first.
Result<QStringList> byFrequency(db::Database& db, const QString& field) {
    return columnValues(db,
                        QStringLiteral("select * from (select count(%1) as cnum,%1 from tb_cadre "
                                       "group by %1) order by cnum desc")
                            .arg(field),
                        field);
}

// The non-empty lines of a text column of tb_general's one row.
Result<QStringList> generalLines(db::Database& db, const QString& column) {
    const Result<QVariant> text =
        db.scalar(QStringLiteral("select ") + column + QStringLiteral(" from tb_general"));
    QStringList lines;
    if (!text) {
        return text.failure();
    }
    for (const QString& line : text->toString().split(u'\n')) {
        if (!line.trimmed().isEmpty()) {
            lines << line.trimmed();
        }
    }
    return lines;
}

}  // namespace

Result<PickLists> loadPickLists(db::Database& db) {
    PickLists lists;
    const std::pair<QStringList*, Result<QStringList>> read[] = {
        {&lists.ranks, columnValues(db, QStringLiteral("select * from tb_zj order by level1"),
                                    QStringLiteral("zjmc"))},
        {&lists.degrees,
         columnValues(db, QStringLiteral("select * from tb_degree"), QStringLiteral("degree"))},
        {&lists.educations,
         columnValues(db, QStringLiteral("select * from tb_xl"), QStringLiteral("xl"))},
        {&lists.categories, codeList(db, QStringLiteral("GBSF"))},
        {&lists.stages, codeList(db, QStringLiteral("RMZT"))},
        {&lists.unitNatures, codeList(db, QStringLiteral("单位性质"))},
        {&lists.nativePlaces, byFrequency(db, QStringLiteral("jgsheng"))},
        {&lists.birthPlaces, byFrequency(db, QStringLiteral("cssheng"))},
        {&lists.familyRelations, generalLines(db, QStringLiteral("jtcy"))},
        {&lists.titleGrades, codeList(db, QStringLiteral("ZYDJ"))},
    };
    for (const auto& [list, values] : read) {
        if (!values) {
            return values.failure();
        }
        *list = *values;
    }
    const Result<QList<CodeItem>> levels = codeItems(db, kHonourCodes, kHonourLevelParent);
    if (!levels) {
        return levels.failure();
    }
    lists.honourLevels = *levels;
    return lists;
}

Result<bool> saveLayoutOnExit(db::Database& db, int managerId) {
    const auto rows = db.query(QStringLiteral("select ItemV from tb_conf where GID='AUTOSAVE' and "
                                              "ItemID=") +
                               sql::quoted(QString::number(managerId)));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    if (rows->rows.empty()) {
        return true;
    }
    return rows->value(0, QStringLiteral("ItemV")).toString().trimmed() == u"1";
}

Result<bool> postsLocked(db::Database& db) {
    const Result<QVariant> n =
        db.scalar(QStringLiteral("select count(*) from tb_conf where GID='ZWLOCK' and ItemV='1'"));
    if (!n) {
        return n.failure();
    }
    return n->toInt() > 0;
}

Result<QString> duplicateNamesMessage(db::Database& db) {
    const auto rows =
        db.query(QStringLiteral("select xm,count(CadreID) as cnum from tb_cadre group by xm"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    QString list;
    int listed = 0;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        const QString name = rows->value(i, QStringLiteral("xm")).toString();
        if (name.trimmed().isEmpty() || rows->value(i, QStringLiteral("cnum")).toInt() <= 1) {
            continue;
        }
        list += name + QStringLiteral(";\t");
        if (++listed % 5 == 0) {
            list += u'\n';
        }
    }
    if (list.isEmpty()) {
        return QStringLiteral("无姓名重复.");
    }
    return QString(QStringLiteral("以下干部姓名重复.\n") + list);
}

}  // namespace cadre

#include "settings/LookupLists.h"

#include "db/Database.h"

namespace settings {

namespace {

Failure databaseFailure(const db::Database& db) {
    return Failure{{}, db.lastError()};
}

Result<QList<LeveledName>> readLeveled(db::Database& db, const QString& select) {
    const auto rows = db.query(select);
    if (!rows) {
        return databaseFailure(db);
    }
    QList<LeveledName> names;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        names.append({rows->rows[i].value(0).toString(), rows->rows[i].value(1).toInt()});
    }
    return names;
}

Result<void> writeLeveled(db::Database& db, const QString& table, const QString& nameColumn,
                          const QString& levelColumn, const QList<LeveledName>& names) {
    if (!db.exec(QStringLiteral("delete * from ") + table)) {
        return databaseFailure(db);
    }
    for (const LeveledName& entry : names) {
        if (entry.name.trimmed().isEmpty()) {
            continue;
        }
        if (!db.exec(QStringLiteral("insert into ") + table + u'(' + nameColumn + u',' +
                         levelColumn + QStringLiteral(") values (?,?)"),
                     {entry.name.trimmed(), entry.level})) {
            return databaseFailure(db);
        }
    }
    return {};
}

// The tb_general column or tb_conf group of a list.
QString storeOf(ParamList list) {
    static const QStringList stores = {QStringLiteral("rzyy"), QStringLiteral("gbly"),
                                       QStringLiteral("rzw"),  QStringLiteral("jtcy"),
                                       QStringLiteral("GBSF"), QStringLiteral("RMZT")};
    return stores.value(static_cast<int>(list));
}

bool isCodeGroup(ParamList list) {
    return list == ParamList::Gbsf || list == ParamList::Rmzt;
}

QStringList nonBlank(const QStringList& items) {
    QStringList out;
    for (const QString& item : items) {
        if (!item.trimmed().isEmpty()) {
            out << item.trimmed();
        }
    }
    return out;
}

}  // namespace

Result<QList<LeveledName>> readRanks(db::Database& db) {
    return readLeveled(db, QStringLiteral("select zjmc,level1 from tb_zj order by level1"));
}

Result<QList<LeveledName>> readEducations(db::Database& db) {
    return readLeveled(db, QStringLiteral("select xl,v from tb_xl"));
}

Result<void> writeRanks(db::Database& db, const QList<LeveledName>& ranks) {
    return writeLeveled(db, QStringLiteral("tb_zj"), QStringLiteral("zjmc"),
                        QStringLiteral("level1"), ranks);
}

Result<void> writeEducations(db::Database& db, const QList<LeveledName>& educations) {
    return writeLeveled(db, QStringLiteral("tb_xl"), QStringLiteral("xl"), QStringLiteral("v"),
                        educations);
}

QStringList defaultParams(ParamList list) {
    switch (list) {
        case ParamList::Gbsf:
            return {QStringLiteral("公务员"), QStringLiteral("参照公务员"),
                    QStringLiteral("行政编制"), QStringLiteral("全额拨款事业编制"),
                    QStringLiteral("差额拨款事业编制")};
        case ParamList::Rmzt:
            return {QStringLiteral("民主推荐"), QStringLiteral("干部考察"),
                    QStringLiteral("讨论决定"), QStringLiteral("任职")};
        default:
            return {};
    }
}

Result<QStringList> readParams(db::Database& db, ParamList list) {
    if (isCodeGroup(list)) {
        const auto rows =
            db.query(QStringLiteral("select ItemID from tb_conf where GID=? order by ItemV"),
                     {storeOf(list)});
        if (!rows) {
            return databaseFailure(db);
        }
        QStringList items;
        for (size_t i = 0; i < rows->rows.size(); ++i) {
            items << rows->rows[i].value(0).toString();
        }
        items = nonBlank(items);
        return items.isEmpty() ? defaultParams(list) : items;
    }
    const Result<QVariant> text =
        db.scalar(QStringLiteral("select ") + storeOf(list) + QStringLiteral(" from tb_general"));
    if (!text) {
        return text.failure();
    }
    return nonBlank(text->toString().split(u'\n'));
}

Result<void> writeParams(db::Database& db, ParamList list, const QStringList& items) {
    const QStringList lines = nonBlank(items);
    if (!isCodeGroup(list)) {
        if (!db.exec(
                QStringLiteral("update tb_general set ") + storeOf(list) + QStringLiteral("=?"),
                {lines.join(u'\n')})) {
            return databaseFailure(db);
        }
        return {};
    }
    if (!db.exec(QStringLiteral("delete * from tb_conf where GID=?"), {storeOf(list)})) {
        return databaseFailure(db);
    }
    for (int i = 0; i < lines.size(); ++i) {
        // ItemV orders the group as text: the position zero-padded.
        if (!db.exec(QStringLiteral("insert into tb_conf (GID,ItemID,ItemV) values (?,?,?)"),
                     {storeOf(list), lines.at(i),
                      QStringLiteral("%1").arg(i + 1, 3, 10, QChar(u'0'))})) {
            return databaseFailure(db);
        }
    }
    return {};
}

}  // namespace settings

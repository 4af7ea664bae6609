#include "settings/LookupLists.h"

#include "db/Database.h"
#include "db/Dataset.h"

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
        const QString name = rows->rows[i].value(0).toString();
        const int level = rows->rows[i].value(1).toInt();
        names.append({name, level, std::pair(name, level)});
    }
    return names;
}

// The first entry not yet placed that was read from a row of `name` and `level` and still has
// a name; -1 when there is none.
qsizetype entryOfRow(const QList<LeveledName>& names, const QList<bool>& placed,
                     const QString& name, int level) {
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (!placed.at(i) && names.at(i).stored == std::pair(name, level) &&
            !names.at(i).name.trimmed().isEmpty()) {
            return i;
        }
    }
    return -1;
}

Result<void> writeLeveled(db::Database& db, const QString& table, const QString& nameColumn,
                          const QString& levelColumn, const QList<LeveledName>& names) {
    db::Dataset rows(db);
    if (!rows.open(QStringLiteral("select ") + nameColumn + u',' + levelColumn +
                   QStringLiteral(" from ") + table)) {
        return Failure{{}, rows.lastError()};
    }
    QList<bool> placed(names.size(), false);
    const auto written = [&](const LeveledName& entry) {
        return rows.setValue(nameColumn, entry.name.trimmed()) &&
               rows.setValue(levelColumn, entry.level) && rows.post();
    };
    int row = 0;
    while (row < rows.recordCount()) {
        if (!rows.moveTo(row)) {
            return Failure{{}, rows.lastError()};
        }
        const QString name = rows.value(nameColumn).toString();
        const int level = rows.value(levelColumn).toInt();
        const qsizetype entry = entryOfRow(names, placed, name, level);
        if (entry < 0) {
            if (!rows.remove()) {
                return Failure{{}, rows.lastError()};
            }
            continue;
        }
        placed[entry] = true;
        const LeveledName& kept = names.at(entry);
        if ((kept.name.trimmed() != name || kept.level != level) &&
            !(rows.edit() && written(kept))) {
            return Failure{{}, rows.lastError()};
        }
        ++row;
    }
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (!placed.at(i) && !names.at(i).name.trimmed().isEmpty() &&
            !(rows.append() && written(names.at(i)))) {
            return Failure{{}, rows.lastError()};
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

Result<QStringList> factoryParams(const QString& templateFile, ParamList list) {
    QStringList items = defaultParams(list);
    if (!isCodeGroup(list)) {
        db::Database factory;
        if (!factory.open(templateFile)) {
            return databaseFailure(factory);
        }
        const Result<QStringList> stored = readParams(factory, list);
        if (!stored) {
            return stored.failure();
        }
        items = *stored;
    }
    if (items.isEmpty()) {
        return Failure{kNoFactoryParams, {}};
    }
    return items;
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

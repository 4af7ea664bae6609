#include "TransferDump.h"

#include <QHash>
#include <algorithm>
#include <map>

#include "db/Database.h"
#include "exchange/DataTransfer.h"

namespace {

using namespace Qt::StringLiterals;

// The key column of each table that has one.
const std::map<QString, QString> kKeys = {
    {u"tb_zw"_s, u"id"_s},
    {u"tb_department"_s, u"ID"_s},
    {u"tb_department_zs"_s, u"ZsID"_s},
    {u"tb_department_bz"_s, u"id"_s},
    {u"tb_bzkc"_s, u"id"_s},
    {u"tb_cadre"_s, u"CadreID"_s},
    {u"tb_family"_s, u"FamilyID"_s},
    {u"tb_cadre_zw"_s, u"ZwID"_s},
    {u"tb_cadre_node"_s, u"CnID"_s},
    {u"tb_kc"_s, u"id"_s},
    {u"tb_jc"_s, u"id"_s},
    {u"tb_fggzlr"_s, u"id"_s},
    {u"tb_fggb"_s, u"id"_s},
    {u"tb_fgcj"_s, u"id"_s},
    {u"tb_File"_s, u"id"_s},
    {u"tb_fileLink"_s, u"id"_s},
    {u"E01"_s, u"ID"_s},
    {u"A54"_s, u"A54id"_s},
    {u"A55"_s, u"A55id"_s},
    {u"A56"_s, u"A56id"_s},
    {u"tb_rmmc"_s, u"id"_s},
    {u"tb_rmmc_detail"_s, u"id"_s},
    {u"tb_beadroll"_s, u"id"_s},
    {u"tb_beadroll_mirror"_s, u"id"_s},
    {u"tb_px"_s, u"pxid"_s},
    {u"tb_pxCadre"_s, u"ID"_s},
    {u"tb_pxCadre2"_s, u"ID"_s},
    {u"tb_plan"_s, u"id"_s},
};

// The relations that must survive: table, column, the table it points into, and the column
// and value that say the column points at a cadre (empty when it always does).
struct Relation {
    QString table;
    QString column;
    QString target;
    QString guardColumn = {};
    int guardValue = 0;
};
const Relation kRelations[] = {
    {u"tb_department"_s, u"parentID"_s, u"tb_department"_s},
    {u"tb_department_zs"_s, u"DwID"_s, u"tb_department"_s},
    {u"tb_department_bz"_s, u"dwID"_s, u"tb_department"_s},
    {u"tb_bzkc"_s, u"dwID"_s, u"tb_department"_s},
    {u"tb_family"_s, u"CadreID"_s, u"tb_cadre"_s},
    {u"tb_cadre_zw"_s, u"ZwCadreID"_s, u"tb_cadre"_s},
    {u"tb_cadre_zw"_s, u"dwID"_s, u"tb_department"_s},
    {u"tb_cadre_node"_s, u"ZwCadreID"_s, u"tb_cadre"_s},
    {u"tb_cadre_node"_s, u"dwID"_s, u"tb_department"_s},
    {u"tb_kc"_s, u"cid"_s, u"tb_cadre"_s},
    {u"tb_kc"_s, u"dwid"_s, u"tb_department"_s},
    {u"tb_jc"_s, u"cid"_s, u"tb_cadre"_s, u"dxType"_s, 0},
    {u"tb_fggzlr"_s, u"cid"_s, u"tb_cadre"_s},
    {u"tb_fggb"_s, u"cid"_s, u"tb_cadre"_s},
    {u"tb_fggb"_s, u"fgcid"_s, u"tb_cadre"_s},
    {u"tb_fgcj"_s, u"cid"_s, u"tb_cadre"_s},
    {u"tb_fgcj"_s, u"dwid"_s, u"tb_department"_s},
    {u"tb_fileLink"_s, u"dxID"_s, u"tb_cadre"_s, u"dxType"_s, 1},
    {u"tb_fileLink"_s, u"fileid"_s, u"tb_File"_s},
    {u"E01"_s, u"cid"_s, u"tb_cadre"_s, u"dxType"_s, 0},
    {u"E01"_s, u"fileID"_s, u"tb_File"_s},
    {u"A54"_s, u"cid"_s, u"tb_cadre"_s},
    {u"A55"_s, u"cid"_s, u"tb_cadre"_s},
    {u"A56"_s, u"cid"_s, u"tb_cadre"_s},
    {u"tb_rmmc_detail"_s, u"mcID"_s, u"tb_rmmc"_s},
    {u"tb_rmmc_detail"_s, u"McCadreID"_s, u"tb_cadre"_s},
    {u"tb_beadroll_detail"_s, u"McCadreID"_s, u"tb_cadre"_s},
    {u"tb_beadroll_detail"_s, u"mcID"_s, u"tb_beadroll"_s},
    {u"tb_beadroll_mirror"_s, u"mcID"_s, u"tb_beadroll"_s},
    {u"tb_beadroll_mirror"_s, u"McCadreID"_s, u"tb_cadre"_s},
    {u"tb_pxCadre"_s, u"pxid"_s, u"tb_px"_s},
    {u"tb_pxCadre"_s, u"CadreID"_s, u"tb_cadre"_s},
    {u"tb_pxCadre2"_s, u"CadreID"_s, u"tb_cadre"_s},
};

QString text(const QVariant& value) {
    if (!value.isValid() || value.isNull()) {
        return u"<null>"_s;
    }
    if (value.typeId() == QMetaType::QByteArray) {
        return QString::fromLatin1(value.toByteArray().toHex());
    }
    return value.toString();
}

// Key value → rank (1 for the smallest) of every keyed table.
QHash<QString, QHash<qint64, qint64>> keyRanks(db::Database& db) {
    QHash<QString, QHash<qint64, qint64>> ranks;
    for (const auto& [table, key] : kKeys) {
        const auto rows =
            db.query(u"select "_s + key + u" from "_s + table + u" order by "_s + key);
        if (!rows) {
            continue;
        }
        auto& rank = ranks[table.toLower()];
        for (size_t i = 0; i < rows->rows.size(); ++i) {
            rank.insert(rows->rows[i][0].toLongLong(), static_cast<qint64>(i) + 1);
        }
    }
    return ranks;
}

}  // namespace

QMap<QString, QStringList> transferDump(db::Database& db) {
    using namespace Qt::StringLiterals;
    const auto ranks = keyRanks(db);
    QMap<QString, QStringList> dump;
    for (const QString& table : exchange::transferredTables()) {
        const auto rows = db.query(u"select * from "_s + table);
        if (!rows) {
            dump[table] << u"<unreadable> "_s + db.lastError();
            continue;
        }
        QStringList& lines = dump[table];
        const auto key = kKeys.find(table);
        for (const QVariantList& row : rows->rows) {
            QStringList cells;
            for (int c = 0; c < rows->columns.size(); ++c) {
                const QString& column = rows->columns[c];
                QString cell = text(row[c]);
                if (key != kKeys.end() && column.compare(key->second, Qt::CaseInsensitive) == 0) {
                    cell =
                        u"#"_s + QString::number(ranks[table.toLower()].value(row[c].toLongLong()));
                }
                for (const Relation& relation : kRelations) {
                    if (relation.table.compare(table, Qt::CaseInsensitive) != 0 ||
                        relation.column.compare(column, Qt::CaseInsensitive) != 0) {
                        continue;
                    }
                    if (!relation.guardColumn.isEmpty() &&
                        row[rows->indexOf(relation.guardColumn)].toInt() != relation.guardValue) {
                        continue;
                    }
                    const qint64 value = row[c].toLongLong();
                    if (!row[c].isNull() && value <= 0) {
                        continue;
                    }
                    const auto& rank = ranks[relation.target.toLower()];
                    cell = rank.contains(value) ? u"->"_s + QString::number(rank.value(value))
                                                : u"<none>"_s;
                }
                cells << column + u'=' + cell;
            }
            lines << cells.join(u'|');
        }
        lines.sort();
    }
    return dump;
}

#include "units/Quotas.h"

#include "db/Database.h"
#include "db/SqlText.h"

namespace units {

namespace {

QString unitClause(const char* column, int unitId) {
    return QString::fromLatin1(column) + QLatin1Char('=') + QString::number(unitId);
}

Result<void> run(db::Database& db, const QString& statement) {
    if (!db.exec(statement)) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

}  // namespace

Result<QStringList> postCategories(db::Database& db) {
    QStringList result;
    const Result<QVariant> stored = db.scalar(QStringLiteral("select zt from tb_general"));
    if (!stored) {
        return stored.failure();
    }
    for (const QString& line : stored->toString().split(QLatin1Char('\n'))) {
        const QString item = line.trimmed();
        if (!item.isEmpty()) {
            result << item;
        }
    }
    return result;
}

Result<int> countQuotaHolders(db::Database& db, int unitId, const QString& postName) {
    if (unitId <= 0) {
        return 0;  // a unit being created has no posts yet
    }
    const Result<QVariant> n = db.scalar(
        QStringLiteral("select count(ZwID) as dqrs from tb_cadre_zw where status=1 and ") +
        unitClause("DwID", unitId) + QStringLiteral(" and zwmc=") + sql::quoted(postName));
    if (!n) {
        return n.failure();
    }
    return n->toInt();
}

Result<QHash<QString, int>> countStaffing(db::Database& db, int unitId) {
    const sql::Fragments f;
    const auto rows = db.query(
        QStringLiteral("select count(cadreid) as sjs,rybz from tb_cadre where cadreid in (select "
                       "zwcadreid from tb_cadre_node where (nobz<>") +
        f.SqlTrue + QStringLiteral(") and (") + unitClause("DwID", unitId) +
        QStringLiteral(")) group by rybz"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    QHash<QString, int> result;
    for (const QVariantList& row : rows->rows) {
        const QString identity = row.value(1).toString();
        if (!identity.isEmpty()) {
            result.insert(identity, row.value(0).toInt());
        }
    }
    return result;
}

Result<std::vector<QuotaRow>> loadQuotaRows(db::Database& db, int unitId) {
    std::vector<QuotaRow> result;
    const auto rows =
        db.query(QStringLiteral("select ZsID,DwID,zwmc,zwtype,zwrs,dqrs,note,zzs from "
                                "tb_department_zs where ") +
                 unitClause("DwID", unitId) + QStringLiteral(" order by ZsID"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    for (const QVariantList& v : rows->rows) {
        result.push_back({v[0].toInt(), v[1].toInt(), v[2].toString(), v[3].toString(),
                          v[4].toInt(), v[5].toInt(), v[6].toString(), v[7].toBool()});
    }
    return result;
}

Result<void> refreshQuotaCounts(db::Database& db, int unitId) {
    const Result<std::vector<QuotaRow>> rows = loadQuotaRows(db, unitId);
    if (!rows) {
        return rows.failure();
    }
    db::Transaction transaction(db);
    for (const QuotaRow& row : *rows) {
        const Result<int> holders = countQuotaHolders(db, unitId, row.zwmc);
        if (!holders) {
            return holders.failure();
        }
        if (*holders != row.dqrs && !db.exec(QStringLiteral("update tb_department_zs set dqrs=") +
                                             QString::number(*holders) + QStringLiteral(" where ") +
                                             unitClause("ZsID", row.zsId))) {
            return Failure{{}, db.lastError()};
        }
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

Result<int> saveQuotaRow(db::Database& db, const QuotaRow& row) {
    const Result<int> holders = countQuotaHolders(db, row.dwId, row.zwmc);
    if (!holders) {
        return holders.failure();
    }
    const QVariantList values{row.dwId, row.zwmc, row.zwtype, row.zwrs,
                              *holders, row.note, row.zzs};
    if (row.zsId == 0) {
        if (!db.exec(QStringLiteral("insert into tb_department_zs "
                                    "(DwID,zwmc,zwtype,zwrs,dqrs,note,zzs) values "
                                    "(?,?,?,?,?,?,?)"),
                     values)) {
            return Failure{{}, db.lastError()};
        }
        return static_cast<int>(db.lastInsertId());
    }
    if (!db.exec(QStringLiteral("update tb_department_zs set DwID=?,zwmc=?,zwtype=?,zwrs=?,"
                                "dqrs=?,note=?,zzs=? where ") +
                     unitClause("ZsID", row.zsId),
                 values)) {
        return Failure{{}, db.lastError()};
    }
    return row.zsId;
}

Result<void> deleteQuotaRow(db::Database& db, int zsId) {
    return run(db, sql::Fragments().SqlDeleteHead + QStringLiteral("from tb_department_zs where ") +
                       unitClause("ZsID", zsId));
}

Result<void> attachPendingQuotas(db::Database& db, int newUnitId) {
    return run(db, QStringLiteral("update tb_department_zs set dwID=") +
                       QString::number(newUnitId) + QStringLiteral(" where dwID=0"));
}

Result<void> dropPendingQuotas(db::Database& db) {
    return run(
        db, sql::Fragments().SqlDeleteHead + QStringLiteral("from tb_department_zs where DwID=0"));
}

Result<std::vector<StaffingRow>> refreshStaffing(db::Database& db, int unitId) {
    const auto rows =
        db.query(QStringLiteral("select id,rybz,bzs,sjs from tb_department_bz where ") +
                 unitClause("DwID", unitId) + QStringLiteral(" order by id"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    // Without the members' count nothing is stored: a count that failed is no count of 0.
    const Result<QHash<QString, int>> counts = countStaffing(db, unitId);
    if (!counts) {
        return counts.failure();
    }
    db::Transaction transaction(db);
    std::vector<StaffingRow> result;
    for (const QVariantList& v : rows->rows) {
        const QString identity = v[1].toString();
        const int members = identity.isEmpty() ? 0 : counts->value(identity, 0);
        if (v[3].isNull() || v[3].toInt() != members) {
            if (!db.exec(QStringLiteral("update tb_department_bz set sjs=") +
                         QString::number(members) + QStringLiteral(" where ") +
                         unitClause("id", v[0].toInt()))) {
                return Failure{{}, db.lastError()};
            }
        }
        result.push_back({identity, v[2].toInt(), members});
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return result;
}

Result<std::optional<int>> staffingQuota(db::Database& db, int unitId, const QString& rybz) {
    const auto rows =
        db.query(QStringLiteral("select* from tb_department_bz where ") +
                 unitClause("dwid", unitId) + QStringLiteral(" and rybz=") + sql::quoted(rybz));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    if (rows->rows.empty()) {
        return std::optional<int>();
    }
    return std::optional<int>(rows->value(0, QStringLiteral("bzs")).toInt());
}

Result<void> saveStaffing(db::Database& db, int unitId, const QString& rybz, int bzs) {
    db::Transaction transaction(db);
    const QString where =
        unitClause("dwid", unitId) + QStringLiteral(" and rybz=") + sql::quoted(rybz);
    const Result<QVariant> existing =
        db.scalar(QStringLiteral("select count(*) from tb_department_bz where ") + where);
    if (!existing) {
        return existing.failure();
    }
    const bool ok =
        existing->toInt() > 0
            ? db.exec(QStringLiteral("update tb_department_bz set bzs=") + QString::number(bzs) +
                      QStringLiteral(" where ") + where)
            : db.exec(QStringLiteral("insert into tb_department_bz (dwid,rybz,bzs) values (") +
                      QString::number(unitId) + QLatin1Char(',') + sql::quoted(rybz) +
                      QLatin1Char(',') + QString::number(bzs) + QLatin1Char(')'));
    if (!ok || !transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

Result<void> deleteStaffing(db::Database& db, int unitId, const QString& rybz) {
    return run(db, sql::Fragments().SqlDeleteHead +
                       QStringLiteral(" from tb_department_bz where rybz=") + sql::quoted(rybz) +
                       QStringLiteral(" and ") + unitClause("dwID", unitId));
}

}  // namespace units

#include "units/Membership.h"

#include <QDate>
#include <QSet>

#include "app/DataModule.h"
#include "cadre/OrderedRows.h"
#include "db/Database.h"
#include "db/SqlText.h"
#include "text/MonthText.h"

namespace units {

QString membershipsListStatement(int cadreId) {
    return QStringLiteral(
               "select * from tb_cadre_node as a left outer join tb_department as b on "
               "a.dwid=b.id where ZwCadreID=") +
           QString::number(cadreId);
}

namespace {

Result<void> run(db::Database& db, const QString& statement, const QVariantList& values = {}) {
    if (!db.exec(statement, values)) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

Result<void> commit(db::Database& db, db::Transaction& transaction) {
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

// The largest member order of unit `unitId` (0 for a unit without members).
Result<int> lastMemberOrder(db::Database& db, int unitId) {
    const Result<QVariant> last =
        db.scalar(QStringLiteral("select max(zwOrder) from tb_cadre_node where dwID=?"), {unitId});
    if (!last) {
        return last.failure();
    }
    return last->toInt();
}

Result<void> insertMember(db::Database& db, int cadreId, int unitId, int order, MemberFlags flags) {
    return run(db,
               QStringLiteral("insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,bind,nobz) "
                              "values (?,?,?,?,?)"),
               {cadreId, unitId, order, flags.bind, !flags.inStaffing});
}

}  // namespace

Result<bool> ensureMember(TDataM& dm, int cadreId, int unitId, MemberFlags flags) {
    db::Database& db = dm.db();
    const Result<QVariant> existing =
        db.scalar(QStringLiteral("select CnID from tb_cadre_node where dwID=? and ZwCadreID=?"),
                  {unitId, cadreId});
    if (!existing) {
        return existing.failure();
    }
    if (existing->isValid()) {
        return false;
    }
    const Result<int> last = lastMemberOrder(db, unitId);
    if (!last) {
        return last.failure();
    }
    if (Result<void> inserted = insertMember(db, cadreId, unitId, *last + 1, flags); !inserted) {
        return inserted.failure();
    }
    return true;
}

Result<std::optional<Membership>> readMembership(db::Database& db, int unitId, int cadreId) {
    const auto row = db.query(QStringLiteral("select * from tb_cadre_node as a left outer join "
                                             "tb_department as b on a.dwid=b.id where dwid=%1 "
                                             "and zwcadreid=%2")
                                  .arg(unitId)
                                  .arg(cadreId));
    if (!row) {
        return Failure{{}, db.lastError()};
    }
    if (row->rows.empty()) {
        return std::optional<Membership>();
    }
    Membership m;
    m.unitName = row->value(0, QStringLiteral("name")).toString();
    m.entered = row->value(0, QStringLiteral("jrsjStr")).toString();
    m.inStaffing = !row->value(0, QStringLiteral("nobz")).toBool();
    return std::optional<Membership>(m);
}

Result<qint64> saveMembership(TDataM& dm, int unitId, int cadreId, const QString& entered,
                              bool inStaffing) {
    if (unitId == 0) {
        return Failure{kChooseUnit, {}};
    }
    const std::optional<text::MonthEntry> month = text::readMonthEntry(entered);
    if (!month) {
        return Failure{kBadEntryMonth, {}};
    }
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    const QString where =
        QStringLiteral(" where dwid=%1 and zwcadreid=%2").arg(unitId).arg(cadreId);
    const Result<bool> joined = ensureMember(dm, cadreId, unitId, {true, inStaffing});
    if (!joined) {
        return joined.failure();
    }
    const QString date = month->date.isValid()
                             ? QStringLiteral("#%1#").arg(month->date.toString(Qt::ISODate))
                             : QStringLiteral("null");
    if (!db.exec(QStringLiteral("update tb_cadre_node set jrsjStr=?,jrsj=") + date +
                     QStringLiteral(",nobz=?") + where,
                 {month->text, !inStaffing}) ||
        !transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    const Result<QVariant> id = db.scalar(QStringLiteral("select CnID from tb_cadre_node") + where);
    if (!id) {
        return id.failure();
    }
    return id->toLongLong();
}

Result<int> addMembers(TDataM& dm, int unitId, const QList<int>& cadreIds) {
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    // The unit's members and its last order are read once, so that adding many cadres takes
    // time in proportion to their number.
    const auto members =
        db.query(QStringLiteral("select ZwCadreID from tb_cadre_node where dwID=?"), {unitId});
    if (!members) {
        return Failure{{}, db.lastError()};
    }
    QSet<int> present;
    for (const QVariantList& row : members->rows) {
        present.insert(row[0].toInt());
    }
    Result<int> last = lastMemberOrder(db, unitId);
    if (!last) {
        return last.failure();
    }
    int order = *last;
    int added = 0;
    for (const int cadreId : cadreIds) {
        if (present.contains(cadreId)) {
            continue;
        }
        if (Result<void> inserted = insertMember(db, cadreId, unitId, ++order, {true, true});
            !inserted) {
            return inserted.failure();
        }
        present.insert(cadreId);
        ++added;
    }
    if (const Result<void> committed = commit(db, transaction); !committed) {
        return committed.failure();
    }
    return added;
}

Result<void> swapMemberOrders(TDataM& dm, int orderA, int cnIdA, int orderB, int cnIdB) {
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    const auto set = [&db](int order, int oldOrder, int cnId) {
        return run(db, QStringLiteral("update tb_cadre_node set zwOrder=%1 where zwOrder=%2 and "
                                      "CnID=%3")
                           .arg(order)
                           .arg(oldOrder)
                           .arg(cnId));
    };
    if (const Result<void> a = set(orderB, orderA, cnIdA); !a) {
        return a;
    }
    if (const Result<void> b = set(orderA, orderB, cnIdB); !b) {
        return b;
    }
    return commit(db, transaction);
}

Result<void> moveMemberTo(TDataM& dm, int unitId, int cadreId, int currentOrder, int targetOrder) {
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    const QString unit = QString::number(unitId);
    const QString current = QString::number(currentOrder);
    const QString target = QString::number(targetOrder);
    const QString shift =
        targetOrder <= currentOrder
            ? QStringLiteral("update tb_cadre_node set zwOrder=zwOrder+1 where dwid=") + unit +
                  QStringLiteral(" and (zwOrder>=") + target + QStringLiteral(") and (zwOrder<") +
                  current + u')'
            : QStringLiteral("update tb_cadre_node set zwOrder=zwOrder-1 where dwid=") + unit +
                  QStringLiteral(" and (zwOrder<=") + target + QStringLiteral(") and (zwOrder>") +
                  current + u')';
    if (const Result<void> shifted = run(db, shift); !shifted) {
        return shifted;
    }
    // The moved row is found by its old order and cadre, which the shift leaves alone.
    if (const Result<void> moved =
            run(db, QStringLiteral("update tb_cadre_node set zwOrder=") + target +
                        QStringLiteral(" where dwid=") + unit + QStringLiteral(" and  zwOrder=") +
                        current + QStringLiteral(" and ZwCadreID=") + QString::number(cadreId));
        !moved) {
        return moved;
    }
    return commit(db, transaction);
}

Result<void> removeMember(TDataM& dm, int cadreId, int unitId) {
    return run(dm.db(), sql::Fragments().SqlDeleteHead +
                            QStringLiteral("from tb_cadre_node where ZwCadreID=") +
                            QString::number(cadreId) + QStringLiteral(" and dwID=") +
                            QString::number(unitId));
}

Result<void> removeAllMemberships(TDataM& dm, int cadreId) {
    return run(dm.db(), sql::Fragments().SqlDeleteHead +
                            QStringLiteral("from tb_cadre_node where ZwCadreID=") +
                            QString::number(cadreId));
}

Result<void> removeMembershipsOfUnits(TDataM& dm, const QString& unitIds) {
    return run(dm.db(), sql::Fragments().SqlDeleteHead +
                            QStringLiteral("from tb_cadre_node where dwID in ") + unitIds);
}

Result<void> closeOrderGap(TDataM& dm, int unitId, int leftOrder) {
    return run(dm.db(),
               QStringLiteral("update tb_cadre_node set zwOrder=zwOrder-1 where zwOrder>") +
                   QString::number(leftOrder) + QStringLiteral(" and dwID=") +
                   QString::number(unitId));
}

Result<void> clearPostSummaries(TDataM& dm, int cadreId) {
    return run(dm.db(), QStringLiteral(
                            "update tb_cadre_node set zwList=null,rzsjList=null where ZwCadreID=") +
                            QString::number(cadreId));
}

Result<void> writePostSummary(TDataM& dm, qint64 membershipId, const QVariant& posts,
                              const QVariant& months, bool unbind) {
    return run(dm.db(),
               QStringLiteral("update tb_cadre_node set zwList=?,rzsjList=?") +
                   (unbind ? QStringLiteral(",bind=False") : QString()) +
                   QStringLiteral(" where CnID=") + QString::number(membershipId),
               {posts, months});
}

Result<void> deleteMembership(TDataM& dm, qint64 membershipId) {
    return run(dm.db(), sql::Fragments().SqlDeleteHead +
                            QStringLiteral("from tb_cadre_node where CnID=") +
                            QString::number(membershipId));
}

Result<int> repairMemberOrders(TDataM& dm) {
    db::Database& db = dm.db();
    if (!db.exec(sql::Fragments().SqlDeleteHead +
                 QStringLiteral("from tb_cadre_node where dwID is null or dwID not in (select id "
                                "from tb_department)"))) {
        return Failure{{}, db.lastError()};
    }
    const int deleted = db.changes();
    const Result<int> renumbered =
        cadre::renumberOrders(db, QStringLiteral("tb_cadre_node"), QStringLiteral("CnID"),
                              {QStringLiteral("dwID")}, QStringLiteral("zwOrder"));
    if (!renumbered) {
        return renumbered.failure();
    }
    return deleted + *renumbered;
}

}  // namespace units

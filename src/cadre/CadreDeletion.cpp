#include "cadre/CadreDeletion.h"

#include <QStringList>
#include <QVariant>

#include "app/DataModule.h"
#include "cadre/CurrentPosts.h"
#include "cadre/PostEnding.h"
#include "db/Database.h"
#include "db/SqlText.h"
#include "text/MonthText.h"
#include "training/Participants.h"
#include "units/Membership.h"

namespace cadre {

namespace {

// The records that hang on a cadre, each with the column naming it, in the order they go; its
// memberships go with units::removeAllMemberships and its class attendances with
// training::removeCadreFromClasses, which keep the orders of the units and classes it leaves.
struct DependentTable {
    const char* table;
    const char* cadreColumn;
};
constexpr DependentTable kDependentTables[] = {
    {"tb_cadre_zw", "ZwCadreID"},
    {"tb_family", "CadreID"},
    {"tb_jc", "cid"},
    {"tb_kc", "cid"},
    {"tb_pxCadre2", "CadreID"},
    {"tb_beadroll_mirror", "McCadreID"},
    {"A54", "cid"},
    {"A55", "cid"},
    {"A56", "cid"},
    {"E01", "cid"},
};

bool runAll(db::Database& db, const QStringList& statements) {
    for (const QString& statement : statements) {
        if (!db.exec(statement)) {
            return false;
        }
    }
    return true;
}

}  // namespace

Result<void> DeleteCadre(TDataM& dm, int cadreId, bool complete, bool mayDeleteCadreRow,
                         int unitId) {
    db::Database& db = dm.db();
    const auto failed = [&db] { return Failure{{}, db.lastError()}; };
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return failed();
    }
    const QString deleteHead = sql::Fragments().SqlDeleteHead;
    const QString id = QString::number(cadreId);
    QStringList statements;
    if (complete) {
        if (Result<void> removed = units::removeAllMemberships(dm, cadreId); !removed) {
            return removed;
        }
        if (Result<void> removed = training::removeCadreFromClasses(db, cadreId); !removed) {
            return removed;
        }
        // The cadre's attached documents, then their links.
        statements << deleteHead +
                          QStringLiteral(
                              "from tb_File where id in (select fileid from "
                              "tb_fileLink where dxType=1 and dxID=") +
                          id + u')'
                   << deleteHead + QStringLiteral("from tb_fileLink where dxType=1 and dxID=") + id;
        for (const DependentTable& t : kDependentTables) {
            statements << deleteHead + QStringLiteral("from ") + QLatin1String(t.table) +
                              QStringLiteral(" where ") + QLatin1String(t.cadreColumn) + u'=' + id;
        }
        if (mayDeleteCadreRow) {
            statements << deleteHead + QStringLiteral("from tb_cadre where CadreID=") + id;
        }
    } else {
        const Result<void> removed = units::removeMember(dm, cadreId, unitId);
        if (!removed) {
            return removed;
        }
        statements << deleteHead +
                          QStringLiteral("from tb_cadre_zw where status=1 and ZwCadreID=") + id +
                          QStringLiteral(" and dwID=") + QString::number(unitId);
    }
    if (!runAll(db, statements)) {
        return failed();
    }
    if (!complete || !mayDeleteCadreRow) {
        const Result<void> refreshed = RefreshCurrentPosts(dm, cadreId, 0);
        if (!refreshed) {
            return refreshed;
        }
    }
    if (!transaction.commit()) {
        return failed();
    }
    return {};
}

Result<void> removeFromUnit(TDataM& dm, int cadreId, int unitId, RemovalWay way,
                            const QString& removalMonthText) {
    const std::optional<text::MonthEntry> month = way == RemovalWay::RemoveWithRemovalDate
                                                      ? text::readMonthEntry(removalMonthText)
                                                      : std::optional(text::MonthEntry{});
    if (!month) {
        return Failure{kBadRemovalMonth, {}};
    }
    db::Database& db = dm.db();
    const auto failed = [&db] { return Failure{{}, db.lastError()}; };
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return failed();
    }
    const QString id = QString::number(cadreId);
    const QString unit = QString::number(unitId);
    const auto membership =
        db.query(QStringLiteral("select zwOrder from tb_cadre_node where ZwCadreID=") + id +
                 QStringLiteral(" and dwID=") + unit);
    if (!membership) {
        return failed();
    }
    if (way == RemovalWay::RemoveWithRemovalDate) {
        const Result<void> ended = endCurrentPosts(
            dm, QStringLiteral("ZwCadreID=") + id + QStringLiteral(" and dwID=") + unit, *month, 0);
        if (!ended) {
            return ended;
        }
    }
    const bool complete = way == RemovalWay::DeleteCompletely;
    const Result<void> deleted = DeleteCadre(dm, cadreId, complete, complete, unitId);
    if (!deleted) {
        return deleted;
    }
    // Every member after the one who left moves up by one.
    if (!membership->rows.empty()) {
        const Result<void> closed =
            units::closeOrderGap(dm, unitId, membership->rows[0][0].toInt());
        if (!closed) {
            return closed;
        }
    }
    if (!transaction.commit()) {
        return failed();
    }
    return {};
}

}  // namespace cadre

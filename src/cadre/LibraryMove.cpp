#include "cadre/LibraryMove.h"

#include <QHash>
#include <QVariant>

#include "app/DataModule.h"
#include "cadre/CurrentPosts.h"
#include "cadre/PostEnding.h"
#include "db/Database.h"
#include "text/MonthText.h"
#include "units/Membership.h"

namespace cadre {

namespace {

QString idList(const QList<int>& ids) {
    QStringList texts{QStringLiteral("-1")};
    for (const int id : ids) {
        texts << QString::number(id);
    }
    return texts.join(u',');
}

// Deletes every membership of `cadreId`, moving the members after it in each unit up by one.
Result<void> leaveAllUnits(TDataM& dm, int cadreId) {
    db::Database& db = dm.db();
    const auto rows =
        db.query(QStringLiteral("select dwID, zwOrder from tb_cadre_node where ZwCadreID=") +
                 QString::number(cadreId));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    if (const Result<void> removed = units::removeAllMemberships(dm, cadreId); !removed) {
        return removed;
    }
    for (const QVariantList& row : rows->rows) {
        if (row[1].isNull()) {
            continue;
        }
        if (const Result<void> closed = units::closeOrderGap(dm, row[0].toInt(), row[1].toInt());
            !closed) {
            return closed;
        }
    }
    return {};
}

// The chosen cadres that are not in library `source`: their names, a deleted one as
// "编号<CadreID>".
Result<QStringList> notInLibrary(db::Database& db, const QList<int>& cadreIds, int source) {
    const auto rows =
        db.query(QStringLiteral("select CadreID, xm, classid from tb_cadre where CadreID in (") +
                 idList(cadreIds) + u')');
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    QHash<int, QVariantList> found;
    for (const QVariantList& row : rows->rows) {
        found.insert(row.value(0).toInt(), row);
    }
    QStringList names;
    for (const int id : cadreIds) {
        const auto row = found.constFind(id);
        if (row == found.constEnd()) {
            names << QStringLiteral("编号") + QString::number(id);
        } else if (row->value(2).toInt() != source) {
            names << row->value(1).toString();
        }
    }
    return names;
}

}  // namespace

const QStringList& cadreLibraries() {
    static const QStringList libraries{QStringLiteral("在职干部库"), QStringLiteral("离退干部库"),
                                       QStringLiteral("调出干部库")};
    return libraries;
}

QString chosenCadresStatement(const QList<int>& cadreIds) {
    return QStringLiteral(
               "select CadreID,xm,xb,zwjb,csnyStr,allZwList,xrz from tb_cadre where "
               "CadreID in (") +
           idList(cadreIds) + QStringLiteral(") order by CadreID");
}

Result<void> moveToLibrary(TDataM& dm, const QList<int>& cadreIds, int source, int target,
                           const QString& removalMonth) {
    const auto chosen = [](int library) {
        return library >= 0 && library < cadreLibraries().size();
    };
    if (!chosen(source) || !chosen(target)) {
        return Failure{kChooseLibraries, {}};
    }
    if (source == target) {
        return Failure{kSameLibraries, {}};
    }
    const bool leavesService = source == kServingLibrary;
    text::MonthEntry month;
    if (leavesService) {
        if (removalMonth.trimmed().isEmpty()) {
            return Failure{kEnterRemovalMonth, {}};
        }
        const std::optional<text::MonthEntry> read = text::readMonthEntry(removalMonth);
        if (!read) {
            return Failure{kBadRemovalMonth, {}};
        }
        month = *read;
    }
    if (cadreIds.isEmpty()) {
        return {};
    }
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return Failure{{}, db.lastError()};
    }
    const Result<QStringList> strays = notInLibrary(db, cadreIds, source);
    if (!strays) {
        return strays.failure();
    }
    if (!strays->isEmpty()) {
        return Failure{kNotInSourceLibrary + strays->join(QStringLiteral("、")), {}};
    }
    const QString ids = idList(cadreIds);
    if (!db.exec(QStringLiteral("update tb_cadre set classid=") + QString::number(target) +
                 QStringLiteral(" where CadreID in (") + ids + u')')) {
        return Failure{{}, db.lastError()};
    }
    if (leavesService) {
        const Result<void> ended =
            endCurrentPosts(dm, QStringLiteral("ZwCadreID in (") + ids + u')', month, 0);
        if (!ended) {
            return ended;
        }
        for (const int cadreId : cadreIds) {
            if (const Result<void> left = leaveAllUnits(dm, cadreId); !left) {
                return left;
            }
            if (const Result<void> cleared = clearCurrentPostTexts(dm, cadreId); !cleared) {
                return cleared;
            }
        }
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

}  // namespace cadre

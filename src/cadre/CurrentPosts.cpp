#include "cadre/CurrentPosts.h"

#include <QSet>
#include <QStringList>
#include <QVariant>
#include <optional>

#include "app/DataModule.h"
#include "db/Database.h"
#include "units/Membership.h"

namespace cadre {

namespace {

const QString kPostSeparator = QStringLiteral("、");
const QString kUnitSeparator = QStringLiteral("，");

// The joined texts, or null when nothing was joined: a summary without posts is stored empty.
QVariant joinedOrNull(const QStringList& parts) {
    return parts.isEmpty() ? QVariant() : QVariant(parts.join(kPostSeparator));
}

Failure databaseFailure(const db::Database& db) {
    return Failure{{}, db.lastError()};
}

Result<void> run(db::Database& db, const QString& statement, const QVariantList& values = {}) {
    if (!db.exec(statement, values)) {
        return databaseFailure(db);
    }
    return {};
}

// The cadre's current posts in units of the tree, in their order.
Result<std::vector<CurrentPost>> readCurrentPosts(db::Database& db, const QString& cadre) {
    const auto rows = db.query(
        QStringLiteral("select a.dwID, b.name, a.zwmc, a.rzsjStr from tb_cadre_zw as a inner "
                       "join tb_department as b on a.dwID=b.ID where a.status=1 and ZwCadreID=") +
        cadre + QStringLiteral(" order by a.zwOrder, a.ZwID"));
    if (!rows) {
        return databaseFailure(db);
    }
    std::vector<CurrentPost> posts;
    posts.reserve(rows->rows.size());
    for (const QVariantList& r : rows->rows) {
        posts.push_back({r[0].toInt(), r[1].toString(), r[2].toString(), r[3].toString()});
    }
    return posts;
}

// Gives every unit of `posts` a membership of the cadre, appended last in the unit's order.
Result<void> addMissingMemberships(TDataM& dm, int cadreId, const std::vector<CurrentPost>& posts) {
    QSet<int> units;
    for (const CurrentPost& post : posts) {
        if (units.contains(post.unitId)) {
            continue;
        }
        const Result<bool> joined = units::ensureMember(dm, cadreId, post.unitId, {});
        if (!joined) {
            return joined.failure();
        }
        units.insert(post.unitId);
    }
    return {};
}

// Writes each membership's post summary; deletes the memberships left without posts that are
// neither bound nor kept.
Result<void> summariseMemberships(TDataM& dm, const QString& cadre, int keepUnitId) {
    db::Database& db = dm.db();
    const auto memberships = db.query(
        QStringLiteral("select CnID, dwID, bind from tb_cadre_node where ZwCadreID=") + cadre);
    if (!memberships) {
        return databaseFailure(db);
    }
    for (const QVariantList& m : memberships->rows) {
        const qint64 membership = m[0].toLongLong();
        const int unitId = m[1].toInt();
        const bool bound = m[2].toBool();
        const auto posts = db.query(
            QStringLiteral("select zwmc, rzsjstr from tb_cadre_zw where status=1 and dwID=") +
            QString::number(unitId) + QStringLiteral(" and ZwCadreID=") + cadre +
            QStringLiteral(" order by zwOrder, ZwID"));
        if (!posts) {
            return databaseFailure(db);
        }
        if (posts->rows.empty() && !bound) {
            const bool kept = keepUnitId != 0 && unitId == keepUnitId;
            const Result<void> done = kept ? units::writePostSummary(dm, membership, {}, {}, false)
                                           : units::deleteMembership(dm, membership);
            if (!done) {
                return done;
            }
            continue;
        }
        QStringList names;
        QStringList months;
        for (const QVariantList& p : posts->rows) {
            names << p[0].toString();
            if (!p[1].toString().isEmpty()) {
                months << p[1].toString();
            }
        }
        const Result<void> written = units::writePostSummary(
            dm, membership, joinedOrNull(names), joinedOrNull(months), !posts->rows.empty());
        if (!written) {
            return written;
        }
    }
    return {};
}

// The direct write of the texts into the stored cadre record.
Result<void> writeStoredRecord(db::Database& db, const QString& cadre,
                               const CurrentPostTexts& texts) {
    const auto record =
        db.query(QStringLiteral("select ZwLock from tb_cadre where CadreID=") + cadre);
    if (!record) {
        return databaseFailure(db);
    }
    if (record->rows.empty()) {
        return {};
    }
    const QString where = QStringLiteral(" where CadreID=") + cadre;
    if (record->rows[0][0].toBool()) {
        return run(db, QStringLiteral("update tb_cadre set allZwList=xrz") + where);
    }
    return run(db, QStringLiteral("update tb_cadre set xrz=?,allZwList=?,allRzsjList=?") + where,
               {texts.posts, texts.posts, texts.appointed});
}

}  // namespace

CurrentPostTexts currentPostTexts(const std::vector<CurrentPost>& posts) {
    CurrentPostTexts texts;
    int previousUnit = 0;
    for (const CurrentPost& post : posts) {
        if (post.unitId != previousUnit) {
            if (!texts.posts.isEmpty()) {
                texts.posts.chop(kPostSeparator.size());
                texts.posts += kUnitSeparator;
            }
            texts.posts += post.unitName;
            previousUnit = post.unitId;
        }
        texts.posts += post.postName + kPostSeparator;
        if (texts.appointed.isEmpty()) {
            texts.appointed = post.appointed;
        }
    }
    if (texts.posts.endsWith(kPostSeparator)) {
        texts.posts.chop(kPostSeparator.size());
    }
    return texts;
}

Result<void> RefreshCurrentPosts(TDataM& dm, int cadreId, int keepUnitId,
                                 const CadreRecordWriter& writeRecord) {
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return databaseFailure(db);
    }
    const QString cadre = QString::number(cadreId);
    const Result<std::vector<CurrentPost>> posts = readCurrentPosts(db, cadre);
    if (!posts) {
        return posts.failure();
    }
    // Without a current post in the tree the record keeps its texts (the last post held stays
    // readable) and the cadre stays in every unit it belongs to; only the post summaries go.
    Result<void> done = posts->empty() ? units::clearPostSummaries(dm, cadreId)
                                       : addMissingMemberships(dm, cadreId, *posts);
    if (done && !posts->empty()) {
        done = writeRecord(currentPostTexts(*posts));
    }
    if (done && !posts->empty()) {
        done = summariseMemberships(dm, cadre, keepUnitId);
    }
    if (!done) {
        return done;
    }
    if (!transaction.commit()) {
        return databaseFailure(db);
    }
    return {};
}

Result<void> RefreshCurrentPosts(TDataM& dm, int cadreId, int keepUnitId) {
    const QString cadre = QString::number(cadreId);
    return RefreshCurrentPosts(dm, cadreId, keepUnitId, [&dm, &cadre](const CurrentPostTexts& t) {
        return writeStoredRecord(dm.db(), cadre, t);
    });
}

Result<void> clearCurrentPostTexts(TDataM& dm, int cadreId) {
    return writeStoredRecord(dm.db(), QString::number(cadreId), CurrentPostTexts{});
}

}  // namespace cadre

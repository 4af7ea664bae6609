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

// The cadre's current posts in units of the tree, in their order; nullopt on a failure.
std::optional<std::vector<CurrentPost>> readCurrentPosts(db::Database& db, const QString& cadre) {
    const auto rows = db.query(
        QStringLiteral("select a.dwID, b.name, a.zwmc, a.rzsjStr from tb_cadre_zw as a inner "
                       "join tb_department as b on a.dwID=b.ID where a.status=1 and ZwCadreID=") +
        cadre + QStringLiteral(" order by a.zwOrder, a.ZwID"));
    if (!rows) {
        return std::nullopt;
    }
    std::vector<CurrentPost> posts;
    posts.reserve(rows->rows.size());
    for (const QVariantList& r : rows->rows) {
        posts.push_back({r[0].toInt(), r[1].toString(), r[2].toString(), r[3].toString()});
    }
    return posts;
}

// Gives every unit of `posts` a membership of the cadre, appended last in the unit's order.
bool addMissingMemberships(TDataM& dm, int cadreId, const std::vector<CurrentPost>& posts) {
    QSet<int> units;
    for (const CurrentPost& post : posts) {
        if (units.contains(post.unitId)) {
            continue;
        }
        if (!units::ensureMember(dm, cadreId, post.unitId, {})) {
            return false;
        }
        units.insert(post.unitId);
    }
    return true;
}

// Writes each membership's post summary; deletes the memberships left without posts that are
// neither bound nor kept.
bool summariseMemberships(TDataM& dm, const QString& cadre, int keepUnitId) {
    db::Database& db = dm.db();
    const auto memberships = db.query(
        QStringLiteral("select CnID, dwID, bind from tb_cadre_node where ZwCadreID=") + cadre);
    if (!memberships) {
        return false;
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
            return false;
        }
        if (posts->rows.empty() && !bound) {
            const bool kept = keepUnitId != 0 && unitId == keepUnitId;
            const Result<void> done = kept ? units::writePostSummary(dm, membership, {}, {}, false)
                                           : units::deleteMembership(dm, membership);
            if (!done) {
                return false;
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
        if (!units::writePostSummary(dm, membership, joinedOrNull(names), joinedOrNull(months),
                                     !posts->rows.empty())) {
            return false;
        }
    }
    return true;
}

// The direct write of the texts into the stored cadre record.
bool writeStoredRecord(db::Database& db, const QString& cadre, const CurrentPostTexts& texts) {
    const auto record =
        db.query(QStringLiteral("select ZwLock from tb_cadre where CadreID=") + cadre);
    if (!record) {
        return false;
    }
    if (record->rows.empty()) {
        return true;
    }
    const QString where = QStringLiteral(" where CadreID=") + cadre;
    if (record->rows[0][0].toBool()) {
        return db.exec(QStringLiteral("update tb_cadre set allZwList=xrz") + where);
    }
    return db.exec(QStringLiteral("update tb_cadre set xrz=?,allZwList=?,allRzsjList=?") + where,
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

bool RefreshCurrentPosts(TDataM& dm, int cadreId, int keepUnitId,
                         const CadreRecordWriter& writeRecord) {
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return false;
    }
    const QString cadre = QString::number(cadreId);
    const auto posts = readCurrentPosts(db, cadre);
    if (!posts) {
        return false;
    }
    // Without a current post in the tree the record keeps its texts (the last post held stays
    // readable) and the cadre stays in every unit it belongs to; only the post summaries go.
    if (posts->empty()) {
        return units::clearPostSummaries(dm, cadreId) && transaction.commit();
    }
    return addMissingMemberships(dm, cadreId, *posts) && writeRecord(currentPostTexts(*posts)) &&
           summariseMemberships(dm, cadre, keepUnitId) && transaction.commit();
}

bool RefreshCurrentPosts(TDataM& dm, int cadreId, int keepUnitId) {
    const QString cadre = QString::number(cadreId);
    return RefreshCurrentPosts(dm, cadreId, keepUnitId, [&dm, &cadre](const CurrentPostTexts& t) {
        return writeStoredRecord(dm.db(), cadre, t);
    });
}

}  // namespace cadre

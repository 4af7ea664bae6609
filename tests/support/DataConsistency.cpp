#include "support/DataConsistency.h"

#include <QMap>
#include <algorithm>
#include <map>

#include "db/Database.h"

QString currentPostText(const QStringList& unitNames, const QStringList& postNames) {
    QString text;
    for (qsizetype i = 0; i < postNames.size(); ++i) {
        if (i == 0 || unitNames[i] != unitNames[i - 1]) {
            if (!text.isEmpty()) {
                text += QStringLiteral("，");
            }
            text += unitNames[i] + postNames[i];
        } else {
            text += QStringLiteral("、") + postNames[i];
        }
    }
    return text;
}

namespace {

void checkSequence(QStringList& problems, const QString& what, QList<int> orders) {
    std::sort(orders.begin(), orders.end());
    for (int i = 0; i < orders.size(); ++i) {
        if (orders[i] != i + 1) {
            problems << what + QStringLiteral(": orders are not 1..n");
            return;
        }
    }
}

void checkUnits(db::Database& db, QStringList& problems) {
    const std::optional<db::QueryResult> units = db.query(
        QStringLiteral("select ID, parentID, dwOrder, dwlevel, dwIndex from tb_department"));
    std::map<int, std::pair<int, QString>> byId;  // level, index
    QMap<int, QList<int>> childOrders;
    for (const QVariantList& r : units->rows) {
        byId[r[0].toInt()] = {r[3].toInt(), r[4].toString()};
        childOrders[r[1].toInt()] << r[2].toInt();
    }
    for (const QVariantList& r : units->rows) {
        const int parent = r[1].toInt();
        const QString hex = QStringLiteral("%1").arg(r[2].toInt(), 2, 16, QChar(u'0')).toUpper();
        const QString unit = QStringLiteral("unit %1").arg(r[0].toInt());
        if (parent == 0) {
            if (r[3].toInt() != 0 || r[4].toString() != u'0' + hex) {
                problems << unit + QStringLiteral(": top-level level or index");
            }
        } else if (byId.count(parent) == 0) {
            problems << unit + QStringLiteral(": parent missing");
        } else if (r[3].toInt() != byId[parent].first + 1 ||
                   r[4].toString() != byId[parent].second + hex) {
            problems << unit + QStringLiteral(": level or index does not follow the parent");
        }
    }
    for (auto it = childOrders.begin(); it != childOrders.end(); ++it) {
        checkSequence(problems, QStringLiteral("children of unit %1").arg(it.key()), it.value());
    }
}

void checkPostsAndMemberships(db::Database& db, QStringList& problems) {
    const std::optional<db::QueryResult> posts = db.query(QStringLiteral(
        "select a.ZwCadreID, a.dwID, a.zwmc, a.zwOrder, a.rzsjstr, a.status, b.name, a.rzsj, "
        "a.mzsj from tb_cadre_zw as a left outer join tb_department as b on a.dwID=b.ID "
        "order by a.ZwCadreID, a.status, a.zwOrder"));
    const std::optional<db::QueryResult> nodes = db.query(QStringLiteral(
        "select ZwCadreID, dwID, zwOrder, zwList, rzsjList, bind from tb_cadre_node"));
    const std::optional<db::QueryResult> cadres =
        db.query(QStringLiteral("select CadreID, xrz, allZwList, allRzsjList from tb_cadre"));

    // cadre → (unit → [post names], [month texts]) of the current posts, in post order
    std::map<int, std::map<int, std::pair<QStringList, QStringList>>> current;
    std::map<int, std::pair<QStringList, QStringList>> textParts;  // cadre → units, posts
    std::map<int, QString> firstMonth;
    std::map<std::pair<int, int>, QList<int>> postOrders;  // (cadre, status)
    for (const QVariantList& p : posts->rows) {
        const int cadre = p[0].toInt();
        const int status = p[5].toInt();
        postOrders[{cadre, status}] << p[3].toInt();
        if (status == 2 && p[8].isValid() && p[7].isValid() && p[8].toDate() < p[7].toDate()) {
            problems << QStringLiteral("cadre %1: a former post ends before it began").arg(cadre);
        }
        if (status != 1 || p[6].isNull()) {
            continue;  // only current posts in units of the tree make up the texts
        }
        auto& unit = current[cadre][p[1].toInt()];
        unit.first << p[2].toString();
        if (!p[4].toString().isEmpty()) {
            unit.second << p[4].toString();
        }
        textParts[cadre].first << p[6].toString();
        textParts[cadre].second << p[2].toString();
        if (firstMonth.count(cadre) == 0) {
            firstMonth[cadre] = p[4].toString();
        }
    }
    for (const auto& [key, orders] : postOrders) {
        checkSequence(problems,
                      QStringLiteral("posts of cadre %1 status %2").arg(key.first).arg(key.second),
                      orders);
    }
    std::map<int, QList<int>> memberOrders;
    std::map<std::pair<int, int>, int> memberships;
    for (const QVariantList& n : nodes->rows) {
        const int cadre = n[0].toInt();
        const int unit = n[1].toInt();
        memberOrders[unit] << n[2].toInt();
        if (++memberships[{cadre, unit}] > 1) {
            problems
                << QStringLiteral("cadre %1 is a member of unit %2 twice").arg(cadre).arg(unit);
        }
        const auto c = current.find(cadre);
        const bool holdsPost = c != current.end() && c->second.count(unit) > 0;
        if (!holdsPost) {
            if (!n[5].toBool()) {
                problems
                    << QStringLiteral("cadre %1 is in unit %2 without a post").arg(cadre).arg(unit);
            }
            continue;
        }
        const auto& [names, months] = c->second.at(unit);
        if (n[3].toString() != names.join(QStringLiteral("、")) ||
            n[4].toString() != months.join(QStringLiteral("、"))) {
            problems << QStringLiteral("cadre %1 unit %2: post summary").arg(cadre).arg(unit);
        }
    }
    for (const auto& [cadre, units] : current) {
        for (const auto& [unit, posts_] : units) {
            if (memberships.count({cadre, unit}) == 0) {
                problems << QStringLiteral("cadre %1 holds a post in unit %2 without membership")
                                .arg(cadre)
                                .arg(unit);
            }
        }
    }
    for (const auto& [unit, orders] : memberOrders) {
        checkSequence(problems, QStringLiteral("members of unit %1").arg(unit), orders);
    }
    for (const QVariantList& c : cadres->rows) {
        const int cadre = c[0].toInt();
        const auto parts = textParts.find(cadre);
        if (parts == textParts.end()) {
            continue;
        }
        const QString expected = currentPostText(parts->second.first, parts->second.second);
        if (c[1].toString() != expected || c[2].toString() != expected ||
            c[3].toString() != firstMonth[cadre]) {
            problems << QStringLiteral("cadre %1: current-post text").arg(cadre);
        }
    }
}

}  // namespace

QStringList dataConsistencyProblems(db::Database& db) {
    QStringList problems;
    checkUnits(db, problems);
    checkPostsAndMemberships(db, problems);
    return problems;
}

#include "statistics/ChartData.h"

#include <QMap>
#include <algorithm>

#include "db/Database.h"
#include "db/SqlText.h"
#include "main/CadreList.h"
#include "search/SearchResult.h"

namespace statistics {

const QString kUnknown = QStringLiteral("<未知>");

namespace {

// The from part and condition that give the cadres of `set` as rows of tb_cadre.
QString setFrom(const ChartSet& set) {
    const QString types = mainwin::cadreTypeCondition(set.cadreTypes);
    const QString typeFilter = types.isEmpty() ? QString() : QStringLiteral(" and ") + types;
    switch (set.source) {
        case ChartSet::Source::Unit:
            return QStringLiteral(
                       " from tb_Cadre where CadreID in (select ZwCadreID from tb_cadre_node "
                       "where dwID=") +
                   QString::number(set.unitId) + u')' + typeFilter;
        case ChartSet::Source::Subtree:
            // The units of the subtree by their key ID: tb_department has no dwID, and a
            // "select dwID" would read the outer row's unit and take every membership.
            return QStringLiteral(
                       " from tb_Cadre where CadreID in (select ZwCadreID from tb_cadre_node "
                       "where dwID in (select ID from tb_department where dwIndex like ") +
                   sql::likePattern(QString(), set.unitIndex, QStringLiteral("%")) +
                   QStringLiteral("))") + typeFilter;
        case ChartSet::Source::Result:
            break;
    }
    return QStringLiteral(" from tb_tcid as a inner join tb_Cadre as b on b.cadreid=a.tcid") +
           search::listedWhere(set.lookup);
}

QString attribute(ChartKind kind) {
    switch (kind) {
        case ChartKind::Sex:
            return QStringLiteral("xb");
        case ChartKind::Education:
            return QStringLiteral("gxl");
        case ChartKind::Party:
            return QStringLiteral("zzmm");
        case ChartKind::Nationality:
            return QStringLiteral("mz");
        case ChartKind::Age:
            break;
    }
    return QStringLiteral("age");
}

Failure readFailure(db::Database& db) {
    return Failure{QStringLiteral("图表数据读取失败。"), db.lastError()};
}

Result<QList<ChartRow>> ageRows(db::Database& db, const ChartSet& set, const QDate& today) {
    const auto rows = db.query(QStringLiteral("select count(*) as num,") +
                               sql::Fragments::forDay(today).SqlAgeColumn +
                               QStringLiteral(",(csnyStr is null or csnyStr='') as unknown") +
                               setFrom(set) + QStringLiteral(" group by age,unknown"));
    if (!rows) {
        return readFailure(db);
    }
    QList<ChartRow> buckets{{kUnknown},
                            {QStringLiteral("35岁以下")},
                            {QStringLiteral("36-40岁")},
                            {QStringLiteral("41-45岁")},
                            {QStringLiteral("46-50岁")},
                            {QStringLiteral("51-55岁")},
                            {QStringLiteral("56-60岁")},
                            {QStringLiteral("60岁以上")}};
    for (const QVariantList& row : rows->rows) {
        const int count = row.value(0).toInt();
        const int age = row.value(1).toInt();
        int bucket = 0;
        if (!row.value(2).toBool() && !row.value(1).isNull()) {
            bucket = age <= 35 ? 1 : age >= 61 ? 7 : 2 + (age - 36) / 5;
        }
        buckets[bucket].count += count;
    }
    return buckets;
}

}  // namespace

QString chartTitle(ChartKind kind) {
    switch (kind) {
        case ChartKind::Age:
            return QStringLiteral("干部年龄结构分析图");
        case ChartKind::Sex:
            return QStringLiteral("干部性别组成分析图");
        case ChartKind::Education:
            return QStringLiteral("干部学历分析图");
        case ChartKind::Party:
            return QStringLiteral("党内外干部组成分析图");
        case ChartKind::Nationality:
            break;
    }
    return QStringLiteral("干部民族组成分析图");
}

Result<QList<ChartRow>> chartRows(db::Database& db, ChartKind kind, const ChartSet& set,
                                  const QDate& today) {
    if (kind == ChartKind::Age) {
        return ageRows(db, set, today);
    }
    const QString column = attribute(kind);
    const auto rows =
        db.query(QStringLiteral("select count(*) as num,") + column + setFrom(set) +
                 QStringLiteral(" group by ") + column + QStringLiteral(" order by ") + column);
    if (!rows) {
        return readFailure(db);
    }
    QList<ChartRow> list;
    if (kind == ChartKind::Sex) {
        list = {{QStringLiteral("男")}, {QStringLiteral("女")}, {kUnknown}};
    }
    for (const QVariantList& row : rows->rows) {
        const QString value = row.value(1).toString().trimmed();
        QString label = value.isEmpty() ? kUnknown : value;
        if (kind == ChartKind::Sex && label != list[0].label && label != list[1].label) {
            label = kUnknown;
        }
        auto found = std::find_if(list.begin(), list.end(),
                                  [&](const ChartRow& r) { return r.label == label; });
        if (found == list.end()) {
            list.append({label, 0});
            found = list.end() - 1;
        }
        found->count += row.value(0).toInt();
    }
    if (kind == ChartKind::Sex) {
        list.removeIf([](const ChartRow& r) { return r.count == 0; });
    }
    if (kind == ChartKind::Nationality) {
        std::stable_sort(list.begin(), list.end(),
                         [](const ChartRow& a, const ChartRow& b) { return a.count < b.count; });
    }
    return list;
}

}  // namespace statistics

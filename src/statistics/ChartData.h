#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "db/Result.h"

namespace db {
class Database;
}

// The data of the composition charts: a set of cadres (a unit's members, a unit's subtree, or
// the search result in tb_tcid) counted by one attribute, each category a label and a count.
namespace statistics {

enum class ChartKind { Age, Sex, Education, Party, Nationality };

// "干部年龄结构分析图", "干部性别组成分析图", "干部学历分析图", "党内外干部组成分析图",
// "干部民族组成分析图".
QString chartTitle(ChartKind kind);

// The label of an empty value.
extern const QString kUnknown;

struct ChartRow {
    QString label;
    int count = 0;
};

// Which cadres a chart counts.
struct ChartSet {
    enum class Source { Unit, Subtree, Result };
    Source source = Source::Result;
    int unitId = 0;     // Unit: the unit's members
    QString unitIndex;  // Subtree: the dwIndex prefix of the units; a cadre counts once
    // Unit and Subtree: the cadre types (a mask of tb_cadre.ctype bits) the unit's list is
    // filtered by, as mainwin::cadreTypeCondition reads it; 0 for every cadre.
    int cadreTypes = 0;
    // Result: with a condition on tb_cadre's columns (the count table's reverse lookup in
    // force), only the cadres of the result that meet it, as the result list shows them.
    QString lookup{};
};

// Counts `set` by `kind` on `today`. Age: eight buckets "<未知>" (no birth date text),
// "35岁以下" (up to 35), "36-40岁" ... "56-60岁", "60岁以上" (61 on), all written even when
// empty. Sex: "男", "女", "<未知>" for anything else. The others: one row per value (an empty
// value as "<未知>"), nationality ordered by count.
Result<QList<ChartRow>> chartRows(db::Database& db, ChartKind kind, const ChartSet& set,
                                  const QDate& today);

}  // namespace statistics

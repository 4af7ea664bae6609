#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "db/Result.h"

namespace db {
class Database;
}

// The two-dimensional count table of the search result (tb_tcid): its cadres counted by a main
// (vertical) and a secondary (horizontal) dimension. Each dimension is a list of categories,
// each a label and a condition on tb_cadre's columns in the Jet dialect; a cell counts the
// result's cadres that meet its row's and its column's conditions, and "反查" lists exactly
// those cadres.
namespace statistics {

enum class Dimension { Age, Sex, Nationality, Education, Level, Party };
enum class Direction { Main, Secondary };

// "年龄", "性别", "民族", "学历", "职务级别", "政治面貌", in the order of Dimension.
const QStringList& dimensionNames();
Dimension dimensionAt(int index);

struct Category {
    QString label;
    QString condition;
};

// The label of the totals row and column.
extern const QString kTotal;
// The label of the last category of 年龄, 性别 and 学历: the cadres that meet none of the
// others (no birth date, an age between the bands, a sex or education of no category). The
// other dimensions end with their own rest category, so no cadre falls outside them.
extern const QString kOther;

// The categories of `dimension` counted in `direction` on `today` (age bands and the lists of
// nationalities and levels from tb_params; political affiliations from tb_cadre), ending with
// the rest category. An age band counts whole years of age on `today`: "小于等于 a" up to a,
// "介于 a~b" from a to b, "大于 a" from a + 1, so that the default bands share no year.
Result<QList<Category>> categories(db::Database& db, Dimension dimension, Direction direction,
                                   const QDate& today);

struct CountTable {
    QList<Category> rows;
    QList<Category> columns;
    // (rows.size() + 1) x (columns.size() + 1): counts[r][c]; the last row and column are the
    // totals (no condition on that side).
    std::vector<std::vector<int>> counts;
    // Per cell as counts: the sum of the whole-year ages on the day counted of its cadres with
    // a birth date, and their number.
    std::vector<std::vector<qint64>> ageSums;
    std::vector<std::vector<int>> aged;

    // The average age of the cadres of cell (row, column) that have a birth date, rounded to
    // two decimals (to the nearest, ties to even); none when no cadre of the cell has one. The
    // "平均年龄" row (age as the main dimension) reads the totals row, the column (age as the
    // secondary dimension) the totals column.
    std::optional<double> averageAge(int row, int column) const;

    // The condition of cell (row, column), the totals contributing none; empty for the grand
    // total.
    QString cellCondition(int row, int column) const;
};

// The label of the average age row or column.
extern const QString kAverageAge;

// An average age as shown: a plain number without trailing zeros ("41.5", "40"); empty for
// none.
QString averageAgeText(std::optional<double> age);

// Counts the result in one pass over it.
Result<CountTable> countResult(db::Database& db, Dimension main, Dimension secondary,
                               const QDate& today);

// The cadre ids of the result that cell (row, column) counts, in the result's order.
Result<QList<int>> cadresOfCell(db::Database& db, const CountTable& table, int row, int column);

}  // namespace statistics

#include "statistics/CountTable.h"

#include <algorithm>
#include <cmath>

#include "db/Database.h"
#include "db/SqlText.h"

namespace statistics {

const QString kTotal = QStringLiteral("合计");
const QString kOther = QStringLiteral("其他");
const QString kAverageAge = QStringLiteral("平均年龄");

namespace {

const QString kResultFrom =
    QStringLiteral(" from tb_tcid as a left outer join tb_Cadre as b on b.cadreid=a.tcid");

Failure readFailure(db::Database& db) {
    return Failure{QStringLiteral("统计数据读取失败。"), db.lastError()};
}

// The rest of a list: the cadres whose `column` is empty or none of `values`.
QString restCondition(const QString& column, const QStringList& values) {
    QStringList differs;
    for (const QString& value : values) {
        differs << QStringLiteral("(") + column + QStringLiteral("<>") + sql::quoted(value) +
                       QStringLiteral(")");
    }
    QString condition = QStringLiteral("(isnull(") + column + QStringLiteral("))");
    if (!differs.isEmpty()) {
        condition +=
            QStringLiteral(" or (") + differs.join(QStringLiteral(" and ")) + QStringLiteral(")");
    }
    return condition;
}

// The cadres that meet none of `categories`; a condition that is unknown for a cadre (a null
// column) counts as not met.
Category otherCategory(const QList<Category>& categories) {
    QStringList met;
    for (const Category& category : categories) {
        met << QStringLiteral("coalesce((") + category.condition + QStringLiteral("),0)");
    }
    return {kOther, QStringLiteral("(") + met.join(u'+') + QStringLiteral(")=0")};
}

// The entries of list `type` of tb_params, in order: every entry but the last is a value,
// the last the label of the rest.
Result<QStringList> paramList(db::Database& db, const QString& type) {
    const auto rows = db.query(
        QStringLiteral("select params1 from tb_params where nType=? order by ord"), {type});
    if (!rows) {
        return readFailure(db);
    }
    QStringList values;
    for (const QVariantList& row : rows->rows) {
        values << row.value(0).toString();
    }
    return values;
}

Result<QList<Category>> listCategories(db::Database& db, const QString& type,
                                       const QString& column) {
    const Result<QStringList> entries = paramList(db, type);
    if (!entries) {
        return entries.failure();
    }
    QStringList values = *entries;
    const QString restLabel = values.isEmpty() ? kOther : values.takeLast();
    // A value listed twice is one category: a cadre is counted once.
    values.removeAll(QString());
    values.removeDuplicates();
    QList<Category> list;
    for (const QString& value : values) {
        list.append({value, column + QStringLiteral("=") + sql::quoted(value)});
    }
    list.append({restLabel.isEmpty() ? kOther : restLabel, restCondition(column, values)});
    return list;
}

QString yearsBefore(const QDate& today, int years) {
    return sql::dateLiteral(today.addYears(-years));
}

Result<QList<Category>> ageCategories(db::Database& db, const QDate& today) {
    const auto rows = db.query(QStringLiteral(
        "select params1,params2,params3 from tb_params where nType='统计-年龄' order by ord"));
    if (!rows) {
        return readFailure(db);
    }
    // A cadre is n years old or older when born on or before the day n years back, and at most
    // n years old when born after the day n + 1 years back.
    QList<Category> list;
    for (const QVariantList& row : rows->rows) {
        const QString relation = row.value(0).toString();
        const int a = row.value(1).toInt();
        const int b = row.value(2).toInt();
        if (relation == QStringLiteral("小于等于")) {
            list.append({QStringLiteral("%1岁及以下").arg(a),
                         QStringLiteral("(csny>") + yearsBefore(today, a + 1) + u')'});
        } else if (relation == QStringLiteral("大于")) {
            list.append({QStringLiteral("%1岁以上").arg(a),
                         QStringLiteral("(csny<=") + yearsBefore(today, a + 1) + u')'});
        } else if (relation == QStringLiteral("介于")) {
            list.append({QStringLiteral("%1-%2岁").arg(a).arg(b),
                         QStringLiteral("(csny<=") + yearsBefore(today, a) +
                             QStringLiteral(") and (csny>") + yearsBefore(today, b + 1) + u')'});
        }
    }
    list.append(otherCategory(list));
    return list;
}

QList<Category> educationCategories(Direction direction) {
    const QString below = QStringLiteral(
        "(gxl not like'%研究生%') and (gxl not like '%大学%') and (gxl not like '%本科%') and "
        "(gxl not like '%大专%')");
    QList<Category> list{
        {QStringLiteral("研究生及以上"), QStringLiteral("gxl like '%研究生%'")},
        {QStringLiteral("大学"), QStringLiteral("(gxl like '%大学%') or (gxl like '%本科%')")},
        {QStringLiteral("大专"), QStringLiteral("gxl like '%大专%'")},
        {QStringLiteral("中专及以下"),
         direction == Direction::Main
             ? below
             : QStringLiteral("(isnull(gxl)) or (") + below + QStringLiteral(")")},
    };
    list.append(otherCategory(list));
    return list;
}

Result<QList<Category>> partyCategories(db::Database& db) {
    const auto rows = db.query(QStringLiteral("select zzmm from tb_cadre group by zzmm"));
    if (!rows) {
        return readFailure(db);
    }
    QStringList values;
    for (const QVariantList& row : rows->rows) {
        const QString value = row.value(0).toString();
        if (!value.isEmpty()) {
            values << value;
        }
    }
    QList<Category> list;
    for (const QString& value : values) {
        list.append({value, QStringLiteral("zzmm=") + sql::quoted(value)});
    }
    list.append({kOther, restCondition(QStringLiteral("zzmm"), values)});
    return list;
}

}  // namespace

const QStringList& dimensionNames() {
    static const QStringList names{QStringLiteral("年龄"),     QStringLiteral("性别"),
                                   QStringLiteral("民族"),     QStringLiteral("学历"),
                                   QStringLiteral("职务级别"), QStringLiteral("政治面貌")};
    return names;
}

Dimension dimensionAt(int index) {
    return static_cast<Dimension>(std::clamp(index, 0, static_cast<int>(Dimension::Party)));
}

namespace {

// The column of tb_cadre that the categories of `dimension` read.
QString dimensionColumn(Dimension dimension) {
    switch (dimension) {
        case Dimension::Age:
            return QStringLiteral("csny");
        case Dimension::Sex:
            return QStringLiteral("xb");
        case Dimension::Nationality:
            return QStringLiteral("mz");
        case Dimension::Education:
            return QStringLiteral("gxl");
        case Dimension::Level:
            return QStringLiteral("zwjb");
        case Dimension::Party:
            return QStringLiteral("zzmm");
    }
    return {};
}

}  // namespace

Result<QList<Category>> categories(db::Database& db, Dimension dimension, Direction direction,
                                   const QDate& today) {
    switch (dimension) {
        case Dimension::Age:
            return ageCategories(db, today);
        case Dimension::Sex: {
            QList<Category> list{{QStringLiteral("男"), QStringLiteral("xb='男'")},
                                 {QStringLiteral("女"), QStringLiteral("xb='女'")}};
            list.append(otherCategory(list));
            return list;
        }
        case Dimension::Nationality:
            return listCategories(db, QStringLiteral("统计-民族"), QStringLiteral("mz"));
        case Dimension::Education:
            return educationCategories(direction);
        case Dimension::Level:
            return listCategories(db, QStringLiteral("统计-职级"), QStringLiteral("zwjb"));
        case Dimension::Party:
            return partyCategories(db);
    }
    return QList<Category>{};
}

QString CountTable::cellCondition(int row, int column) const {
    QStringList parts;
    if (row >= 0 && row < rows.size()) {
        parts << QStringLiteral("(") + rows[row].condition + QStringLiteral(")");
    }
    if (column >= 0 && column < columns.size()) {
        parts << QStringLiteral("(") + columns[column].condition + QStringLiteral(")");
    }
    return parts.join(QStringLiteral(" and "));
}

std::optional<double> CountTable::averageAge(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(aged.size()) || column < 0 ||
        column >= static_cast<int>(aged[row].size()) || aged[row][column] == 0) {
        return std::nullopt;
    }
    // Two decimals, ties to even: std::nearbyint in the default rounding mode.
    const double average =
        static_cast<double>(ageSums[row][column]) / static_cast<double>(aged[row][column]);
    return std::nearbyint(average * 100.0) / 100.0;
}

QString averageAgeText(std::optional<double> age) {
    if (!age) {
        return {};
    }
    QString text = QString::number(*age, 'f', 2);
    while (text.endsWith(u'0')) {
        text.chop(1);
    }
    if (text.endsWith(u'.')) {
        text.chop(1);
    }
    return text;
}

Result<CountTable> countResult(db::Database& db, Dimension main, Dimension secondary,
                               const QDate& today) {
    CountTable table;
    Result<QList<Category>> rows = categories(db, main, Direction::Main, today);
    if (!rows) {
        return rows.failure();
    }
    Result<QList<Category>> columns = categories(db, secondary, Direction::Secondary, today);
    if (!columns) {
        return columns.failure();
    }
    table.rows = *rows;
    table.columns = *columns;
    const int height = static_cast<int>(table.rows.size()) + 1;
    const int width = static_cast<int>(table.columns.size()) + 1;
    // The result is first grouped by the values of the two dimensions' columns (with the sum
    // and number of the ages); each category's condition is then read once per group, as a
    // flag, and the groups are grouped again by their flags. Each flag group adds its number to
    // every cell whose row and column flags it carries: a cadre meeting two categories of a
    // side counts in both, as the reverse lookup lists it in both.
    QStringList values{dimensionColumn(main)};
    if (dimensionColumn(secondary) != values.front()) {
        values << dimensionColumn(secondary);
    }
    const QString byValue = values.join(u',');
    QStringList flags;
    QStringList names;
    for (const QList<Category>* side : {&table.rows, &table.columns}) {
        for (const Category& category : *side) {
            names << QStringLiteral("f%1").arg(names.size());
            flags << QStringLiteral("(case when ") + category.condition +
                         QStringLiteral(" then 1 else 0 end) as ") + names.last();
        }
    }
    const QString byFlags = names.join(u',');
    const auto counted =
        db.query(QStringLiteral("select ") + byFlags +
                 QStringLiteral(",sum(n),sum(s),sum(k) from (select ") + flags.join(u',') +
                 QStringLiteral(",n,s,k from (select ") + byValue +
                 QStringLiteral(",count(*) as n,sum(age) as s,count(age) as k from (select ") +
                 byValue + u',' + sql::Fragments::forDay(today).SqlAgeColumn + kResultFrom +
                 QStringLiteral(") as u group by ") + byValue +
                 QStringLiteral(") as g) as t group by ") + byFlags);
    if (!counted) {
        return readFailure(db);
    }
    table.counts.assign(height, std::vector<int>(width, 0));
    table.ageSums.assign(height, std::vector<qint64>(width, 0));
    table.aged.assign(height, std::vector<int>(width, 0));
    const int rowFlags = height - 1;
    for (const QVariantList& group : counted->rows) {
        const int n = group.value(names.size()).toInt();
        const qint64 ageSum = group.value(names.size() + 1).toLongLong();
        const int withAge = group.value(names.size() + 2).toInt();
        for (int r = 0; r < height; ++r) {
            if (r < rowFlags && group.value(r).toInt() == 0) {
                continue;
            }
            for (int c = 0; c < width; ++c) {
                if (c < width - 1 && group.value(rowFlags + c).toInt() == 0) {
                    continue;
                }
                table.counts[r][c] += n;
                table.ageSums[r][c] += ageSum;
                table.aged[r][c] += withAge;
            }
        }
    }
    return table;
}

Result<QList<int>> cadresOfCell(db::Database& db, const CountTable& table, int row, int column) {
    const QString condition = table.cellCondition(row, column);
    const auto rows =
        db.query(QStringLiteral("select tcid") + kResultFrom +
                 (condition.isEmpty() ? QString() : QStringLiteral(" where ") + condition) +
                 QStringLiteral(" order by tords,tord"));
    if (!rows) {
        return readFailure(db);
    }
    QList<int> ids;
    for (const QVariantList& r : rows->rows) {
        ids << r.value(0).toInt();
    }
    return ids;
}

}  // namespace statistics

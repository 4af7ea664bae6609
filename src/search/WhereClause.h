#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "db/Result.h"

namespace db {
class Database;
}

// The conditions of the cadre search ("干部信息搜索") and the where-clause W built from them.
// Relations are positions in the dialog's lists; every text reaches the statement through the
// quoting helper, like patterns with their wildcards escaped, so no typed text changes the
// statement's shape.
namespace search {

// The relation lists of the search dialog, in their order.
extern const QStringList kDateRelations;      // 早于, 晚于, 等于 (<=, >=, =)
extern const QStringList kPostDateRelations;  // 早于等于, 晚于等于, 等于
extern const QStringList kYearRelations;      // 及以前各年度, 及之后各年度, 当年
extern const QStringList kLevelRelations;     // 高于, 低于, 等于, 高于等于, 低于等于
extern const QStringList kAgeRelations;       // 大于等于, 等于, 小于等于, 介于
extern const QStringList kStatuses;           // 在职, 离退, 调出 (classid 0, 1, 2)
extern const QStringList kEducationKinds;     // 最高学历, 全日制学历, 在职学历
extern const QStringList kDegreeKinds;        // 最高学位, 全日制学位, 在职学位
extern const QStringList kTrainingMethods;    // 调训, 本级培训, 单位内部培训

// A month typed into a date box, with its relation (position in kDateRelations).
struct MonthCondition {
    QString month;
    int relation = 0;
};

// A value chosen from a ranked list (post levels, education, degrees) and the relation to it
// (position in kLevelRelations; 2 is "等于").
struct RankedCondition {
    QString value;
    int relation = 2;
    int kind = 0;  // education and degree: position in kEducationKinds / kDegreeKinds
};

// Tab "基本信息".
struct BasicConditions {
    int status = 0;        // position in kStatuses; -1: any library
    QString identity;      // 人员身份 (rybz)
    int typeMask = 0;      // 干部分类, the six-bit type set
    QString name;          // letters: pinyin initials; else the start of the name
    QString postContains;  // 现任职包含
    QString postExcludes;  // 现任职不包含
    QString sex;           // "男", "女" or empty
    int nation = -1;       // 0 汉族, 1 少数民族, -1 any
    int party = -1;        // 0 中共党员, 1 非中共党员, -1 any
    int ageRelation = -1;  // position in kAgeRelations; -1 no age condition
    QString ageFrom;
    QString ageTo;            // only for "介于"
    bool ageAtMonth = false;  // "指定时间": ages are counted to the first day of ageMonth
    QString ageMonth;
    MonthCondition partyDate;  // 入党时间
    MonthCondition workDate;   // 工作时间
    RankedCondition education;
    RankedCondition degree;
    QString school;           // 毕业院校
    QString title;            // 专业职务
    QString speciality;       // 专长特才
    RankedCondition rank;     // 职务级别
    MonthCondition rankDate;  // 任职级时间, compared as text
    MonthCondition postDate;  // 任现职时间 (relations of kPostDateRelations), as text
    QString birthPlace;
    QString nativePlace;
};

// Tab "考核/奖惩".
struct AssessmentConditions {
    QString grade;         // 考核结论
    bool allYears = true;  // "所有记录的年度中", else "指定年度"
    QString year;
    int yearRelation = 0;    // position in kYearRelations
    QString noteContains;    // 通过年度考核描述查找: 包含
    QString noteExcludes1;   // 排除
    QString noteExcludes2;   // 排除
    QString rewardContains;  // 奖惩描述中 包含
};

// Tab "任职详细".
struct PostConditions {
    QString appointedFrom;
    QString appointedTo;
    QString removedFrom;
    QString removedTo;
    QString postName;
    QString appointReason;
    QString removeReason;
    bool current = false;  // 现任职
    bool former = false;   // 曾任职
    QList<int> postUnits;  // units of the posts
    QString enteredFrom;   // 进入所在单位时间
    QString enteredTo;
    QList<int> enteredUnits;
};

// Tab "培训信息".
struct TrainingConditions {
    QString from;
    QString to;
    QString method;  // 培训种类, one of kTrainingMethods
    QString type;    // 培训类别 (pxType1)
    QString days;    // 培训时间合计（天）: more than this many
};

struct SearchConditions {
    BasicConditions basic;
    AssessmentConditions assessment;
    PostConditions posts;
    TrainingConditions training;
    QList<int> units;  // 当前所在单位: members of these units only
    QDate today;       // the reference date "现在" of ages
};

// Refusals of the dialog's input.
inline const QString kAgesIncomplete = QStringLiteral("年龄输入不完整");
inline const QString kNoAgeDate = QStringLiteral("请输入计算时间!");
inline const QString kBadAge = QStringLiteral("年龄应为0到150之间的整数。");
inline const QString kBadYear = QStringLiteral("考核年度应为四位数字的年份。");
inline const QString kBadDays = QStringLiteral("培训时间合计（天）应为整数。");
// "<caption>格式不正确…": a month box that does not hold a month.
QString badMonthMessage(const QString& caption);
// A ranked value that its table does not list.
QString unknownValueMessage(const QString& value);

// W: " where " followed by the conditions, or empty when no condition is set. A refused input
// gives its message; a failed look-up of a rank, education or degree value the database's error.
Result<QString> whereClause(db::Database& db, const SearchConditions& conditions);

// The age conditions alone (" (csny<=#Y-M-D#) and " ...) for `relation` with ages `from`, `to`
// counted to `reference`; a refusal for missing or impossible ages.
Result<QString> ageCondition(int relation, const QString& from, const QString& to,
                             const QDate& reference);

// The units that the unit filter's clause `unitWhere` (" where ..." over tb_department, or empty
// for every unit) selects, for checking them on the tab "当前所在单位".
Result<QList<int>> unitsMatching(db::Database& db, const QString& unitWhere);

}  // namespace search

#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "db/Result.h"

namespace db {
class Database;
}

// A cadre's inspections and assessments (tb_kc): the annual appraisals on one tab, every other
// inspection on the other, both by date, latest first.
namespace cadre {

inline const QString kAnnualAppraisal = QStringLiteral("年度考核");

inline const QStringList kInspectionCategories = {kAnnualAppraisal,
                                                  QStringLiteral("平时考核"),
                                                  QStringLiteral("领导班子换届考察"),
                                                  QStringLiteral("届中考察"),
                                                  QStringLiteral("个别提拔任职考察"),
                                                  QStringLiteral("后备干部建议人选考察"),
                                                  QStringLiteral("民主生活会"),
                                                  QStringLiteral("随机访谈"),
                                                  QStringLiteral("其他考察")};
inline const QStringList kInspectionConclusions = {
    QStringLiteral("优秀"),   QStringLiteral("称职"),    QStringLiteral("基本称职"),
    QStringLiteral("不称职"), QStringLiteral("良好"),    QStringLiteral("合格"),
    QStringLiteral("不合格"), QStringLiteral("不定等次")};
inline const QStringList kInspectionMethods = {
    QStringLiteral("个别谈话"),         QStringLiteral("发放征求意见表"),
    QStringLiteral("民主测评"),         QStringLiteral("实地考察"),
    QStringLiteral("查阅资料"),         QStringLiteral("专项调查"),
    QStringLiteral("与考察对象面谈"),   QStringLiteral("经济责任审计"),
    QStringLiteral("听取其他部门意见"), QStringLiteral("会议投票推荐"),
    QStringLiteral("其他方法")};
// The grades the batch dialog's "全部设为..." offers.
inline const QStringList kAppraisalGrades = {
    QStringLiteral("优秀"),     QStringLiteral("称职"),   QStringLiteral("基本称职"),
    QStringLiteral("不称职"),   QStringLiteral("良好"),   QStringLiteral("合格"),
    QStringLiteral("基本合格"), QStringLiteral("不合格"), QStringLiteral("不定等次")};

inline const QString kChooseInspectionCategory = QStringLiteral("请选择考察考核类别");
inline const QString kEnterInspectionName = QStringLiteral("请输入考察名称");
inline const QString kInspectionGone = QStringLiteral("该考察考核记录已不存在。");
inline const QString kSavingAppraisals = QStringLiteral("正在保存年度考核记录");
inline const QString kAppraisalsDone = QStringLiteral("已设置完成！");

// The list of a tab: the cadre's annual appraisals (`annual`) or its other inspections.
QString inspectionListStatement(int cadreId, bool annual);

// One inspection as the dialog shows and saves it.
struct Inspection {
    int id = 0;  // 0: a new inspection
    int cadreId = 0;
    QString name;          // kcName
    QString category;      // kclb
    QDate date;            // kcsj; null when not given
    int year = 0;          // kcYear
    QString body;          // kczzmc 考察组织
    QString team;          // kcr 考察组成员
    QString post;          // xrz 职务
    QString method;        // kcff
    QString conclusion;    // kcjl
    QString strengths;     // kcyj
    QString shortcomings;  // kcbz
    QString opinion;       // cpyj
    QString remark;        // kcyj2
};

// A new inspection of the cadre as "添加" starts it: the cadre's current post, this year, and
// on the annual tab the annual category, else today's date.
Result<Inspection> newInspection(db::Database& db, int cadreId, bool annual, const QDate& today);

Result<std::optional<Inspection>> readInspection(db::Database& db, int cadreId, int id);

// The date and year an inspection is saved with. An annual appraisal without a date takes
// 1 January after the first year from 1990 to 2020 whose digits occur in its name. The year is
// the date's year when the date falls in December, else the year before (an appraisal held in
// January to November counts for the previous year); without a date the year stays as given.
void settleAppraisalYear(Inspection& inspection);

// Saves a new inspection or edits one, after settleAppraisalYear. Refused without a category
// (kChooseInspectionCategory) or a name (kEnterInspectionName); an edited inspection that is not
// the cadre's is refused with kInspectionGone. The value is the inspection's id.
Result<int> saveInspection(db::Database& db, Inspection inspection);

Result<void> deleteInspection(db::Database& db, int cadreId, int id);

// "自动填写": the last three annual appraisals by year (all when fewer) as year + "年" +
// conclusion, joined by "，".
Result<QString> appraisalSummary(db::Database& db, int cadreId);

// One line of the batch appraisal.
struct AppraisalLine {
    int cadreId = 0;
    QString name;
    QString post;   // what the line's "职务" cell holds
    QString grade;  // empty: the line is left out
};

// What the batch writes besides the lines.
struct AppraisalBatch {
    int year = 0;
    QDate date;  // null: dates stay as they are
    QString body;
    QString team;
    QList<AppraisalLine> lines;
};

// The grades stored for `year`: each cadre's annual appraisal of that year, by cadre id.
Result<QMap<int, QString>> storedAppraisalGrades(db::Database& db, int year);

// The lines "加入干部" adds for `cadreIds`: each cadre's name, its rank in the post cell and the
// grade already stored for `year`. Cadres that are not found are left out.
Result<QList<AppraisalLine>> appraisalLines(db::Database& db, const QList<int>& cadreIds, int year);

// Writes the batch in one transaction: for every line with a grade, the cadre's annual appraisal
// of the year is edited, or appended when it has none. Only annual appraisals are touched: an
// inspection of another kind in the same year stays as it was. `step` is called after each line.
Result<void> saveAppraisals(db::Database& db, const AppraisalBatch& batch,
                            const std::function<void(int done)>& step = {});

// "批量更新近3年年度考核情况": the assessment note khNote of every cadre with annual appraisals is
// rewritten from its three latest ones (by year, then date), oldest first, as
// "2021年度考核称职，2022年度考核优秀，2023年度考核称职。"; cadres without annual appraisals keep
// their note. Only notes that differ are written; the value is their number. A caller that makes
// more changes runs this in its own transaction.
Result<int> rebuildAppraisalNotes(db::Database& db);

}  // namespace cadre

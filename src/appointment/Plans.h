#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "db/Result.h"

class TDataM;
namespace db {
class Database;
}

// Appointment plans (tb_rmmc): the headers, their process states, the plan tree of the
// navigation and the plan search. The lines of a plan are in PlanLines.h.
namespace appointment {

inline const QString kNoPlan = QStringLiteral("请先新建一个任免方案.");
inline const QString kSelectPlan = QStringLiteral("请选择一个任免方案.");
inline const QString kEmptyName = QStringLiteral("方案名称不能为空!");
inline const QString kEmptyDate = QStringLiteral("制表日期不能为空!");
inline const QString kNothingToDelete = QStringLiteral("没有要删除的任免方案.");
inline const QString kBadDate = QStringLiteral("日期格式不正确，应为“年-月-日”!");

// One plan header.
struct PlanHeader {
    int id = 0;  // 0 for a plan not saved yet
    QString name;
    QDate tbsj;  // 制表日期; may be null in stored plans
    QString tbr;
    QDate jssj;    // 年龄计算时间, optional
    int rmzt = 0;  // 1-based index into the process states; 0 = not set
};

// The captions of the process states: the tb_conf rows of group RMZT in ItemV order, or the
// four built-in states when there is none.
Result<QStringList> processStates(db::Database& db);

// A date typed into a plan's date box ("yyyy-m-d" or "yyyy.m.d"): a null date for an empty box,
// nullopt for a text that is no date.
std::optional<QDate> readPlanDate(const QString& typed);

// Saves `plan` (a new row when its id is 0) with mcdesc = name, py = the name's pinyin initials
// and timeYear = the year of tbsj; returns its id. An empty name is refused with kEmptyName, an
// empty tbsj with kEmptyDate; a refused plan writes nothing.
Result<int> savePlan(db::Database& db, const PlanHeader& plan);

// The plan `id`, or nullopt when there is none.
Result<std::optional<PlanHeader>> readPlan(db::Database& db, int id);

// The plans of `where` (a clause from planSearchClause, or empty for all), ordered by
// `orderBy` ("tbsj" for the tree, "id" for a search).
Result<std::vector<PlanHeader>> listPlans(db::Database& db, const QString& where,
                                          const QString& orderBy);

// Deletes plan `id` with all its lines, in one transaction.
Result<void> deletePlan(db::Database& db, int id);

// A node of the plan tree: a grouping node (planId 0) or a plan.
struct PlanNode {
    QString caption;
    int planId = 0;
    std::vector<PlanNode> children;
};

inline const QString kRootAll = QStringLiteral("所有任免");
inline const QString kRootRecent = QStringLiteral("近三月任免");
inline const QString kRootHistory = QStringLiteral("历史任免");
inline const QString kRootStates = QStringLiteral("任免状态");
inline const QString kRootSearch = QStringLiteral("查找");
inline const QString kStateNotSet = QStringLiteral("<未设置>");

// The five roots of the tree for `plans` (in date order) on `today`:
// - "所有任免" lists every plan;
// - a plan dated on or before today minus three calendar months goes under a year node
//   "<year>年" of "历史任免" (one node per run of the same year), any other plan (also one
//   without a date) under "近三月任免";
// - "任免状态" holds "<未设置>" and one node per state (at most 16); a plan goes under the state
//   of its rmzt, or under "<未设置>" when rmzt is 0 or beyond the states;
// - "查找" is empty (filled by a search).
std::vector<PlanNode> planTree(const std::vector<PlanHeader>& plans, const QStringList& states,
                               const QDate& today);

// The conditions of the plan search; empty texts, null dates and a negative state index are
// left out.
struct PlanSearch {
    QString name;
    QDate from;
    QDate to;
    int stateIndex = -1;  // index into the process states
    QString persons;      // names separated by "，", ",", ";", "；" or line breaks
};

// The where clause of `search` (" where ..." or empty). The persons are resolved by the name-list
// matcher: the stored names it finds are compared with the lines' xm, or, when it finds none,
// the typed text is, in its stored form and as typed without blanks (cadre::nameIsOneOf), so
// that the lines of a cadre deleted since are found too.
Result<QString> planSearchClause(TDataM& dm, const PlanSearch& search);

// "共找到<n>个符合条件的任免方案"
QString foundPlansText(int count);

}  // namespace appointment

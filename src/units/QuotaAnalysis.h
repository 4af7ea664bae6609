#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

#include "db/Result.h"

class TDataM;

namespace db {
class Database;
}

// The quota and staffing analysis over many units at once: a grid of units by post categories
// (quota mode) or personnel identities (staffing mode), each cell comparing the stored quota with
// the actual number, and the page's writes (the quotas edited in the grid, the people assigned
// to a category or identity). The counting rules are those of the unit dialog's tabs
// (units/Quotas.h): a cell agrees with the tab of its unit.
namespace units {

enum class AnalysisMode { Quotas = 1, Staffing = 2 };

// Progress texts and questions of the page.
inline const QString kCounting = QStringLiteral("正在生成统计数据...");
inline const QString kSaving = QStringLiteral("正在保存");
inline const QString kExportingTable = QStringLiteral("正在输出Excel，请等待...");
// "是否保存对领导职数的修改？" or "是否保存对人员编制的修改？".
QString saveQuestion(AnalysisMode mode);
// The refusal of "设置对应人员" for a category without a quota row in the unit.
QString noQuotaRowMessage(const QString& category);

// The staffing identities: tb_conf group GBSF, in ItemV order.
Result<QStringList> staffIdentities(db::Database& db);

// The title of the head of a unit by the ending of its name: "市委", "区委", "县委" give "书记",
// "市政府" "市长", "区政府" "区长", "县政府" "县长", "人大" "主任", "院" "院长", "校" "校长",
// "公司" "经理", "局" "局长", "办公室" and "办" "主任"; the last ending of that list that the name
// ends with decides. Empty when the name has none of them.
QString defaultPostTitle(const QString& unitName);

// One unit of the analysis.
struct AnalysisUnit {
    int id = 0;
    QString name;
};

// One band cell: the quota row of a category (or the staffing row of an identity) in a unit.
struct AnalysisCell {
    QString postName;  // quota mode only
    int quota = 0;
    int actual = 0;
    bool stored = false;  // a quota or staffing row exists
};

// How the actual number compares with the quota: below (light blue), above (light red), equal.
enum class QuotaState { Under, Equal, Over };
QuotaState quotaState(const AnalysisCell& cell);

struct AnalysisRow {
    int unitId = 0;
    QString unitName;
    std::vector<AnalysisCell> cells;  // one per band, in band order
};

// The rows of a new analysis: one per unit, in the given order, with empty cells; in quota mode
// the band "正职" gets the unit's default title and "副职" the title after "副".
std::vector<AnalysisRow> newAnalysisRows(AnalysisMode mode, const std::vector<AnalysisUnit>& units,
                                         const QStringList& bands);

// "刷新": fills every cell of `rows` from the stored rows of its unit and band (the first row of
// the unit with that category or identity) and counts the actual numbers: quota mode the unit's
// active posts with the cell's post name (the name of the stored row when there is one, else the
// name shown), staffing mode the unit's members that count for staffing with that identity. The
// counts that differ from the stored dqrs or sjs are stored, in one transaction; on a failure
// nothing is stored and `rows` is left as it was.
Result<void> recountAnalysis(db::Database& db, AnalysisMode mode, const QStringList& bands,
                             std::vector<AnalysisRow>& rows);

// "保存": writes every cell back to its unit's row of the band (the first one), appending a row
// where there is none and the cell holds a post name or a quota above 0; quota mode writes zwtype,
// zwmc and zwrs, staffing mode rybz and bzs. One transaction: a failure writes nothing.
Result<void> saveAnalysis(db::Database& db, AnalysisMode mode, const QStringList& bands,
                          const std::vector<AnalysisRow>& rows);

// One person of the lower grid and of "设置对应人员".
struct AnalysisPerson {
    int cadreId = 0;
    QString xm;
    QString xrz;
    QString rybz;
};

// The people behind a cell: quota mode the unit's members with an active post named `key` in the
// unit, staffing mode the members counted for identity `key`; in the unit's order.
Result<std::vector<AnalysisPerson>> cellPeople(db::Database& db, AnalysisMode mode, int unitId,
                                               const QString& key);

// The members of unit `unitId` in the unit's order, as "设置对应人员" lists them.
Result<std::vector<AnalysisPerson>> unitMembers(db::Database& db, int unitId);

// The post name of category `category` in unit `unitId` (its first quota row); the refusal
// noQuotaRowMessage when the unit has none.
Result<QString> quotaPostName(db::Database& db, int unitId, const QString& category);

// The members who already count for `band`: quota mode those holding an active post of the
// category's post name in the unit, staffing mode those of that identity.
Result<QSet<int>> countedMembers(db::Database& db, AnalysisMode mode, int unitId,
                                 const QString& band);

// "设置对应人员": for every person of `listed`, quota mode gives a checked person without an
// active post of the category's name in the unit such a post (through the posts logic, which
// refreshes the current-post texts) and ends an unchecked person's by deleting it, the person
// staying a member of the unit; staffing mode sets the identity of the checked people to `band`
// and empties that of the others. One transaction; a category without a quota row is refused
// with noQuotaRowMessage and nothing changes.
Result<void> assignMembers(TDataM& dm, AnalysisMode mode, int unitId, const QString& band,
                           const std::vector<int>& listed, const QSet<int>& checked);

}  // namespace units

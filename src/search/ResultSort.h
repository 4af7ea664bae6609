#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "db/Result.h"

namespace db {
class Database;
}

// The orders of the search result (the "排序" commands): each rewrites the sort keys tords of
// tb_tcid in one transaction, and the list is then read again in key order.
namespace search {

// The elements of the combined sort, in the lists of TSortAdvForm.
enum class SortElement { Rank, Age, Education, RankSince, Strokes };
extern const QStringList kFirstElements;   // 职务级别（职务层次）, 年龄, 学历
extern const QStringList kSecondElements;  // 任职级时间, 年龄, 姓氏笔画
SortElement firstElementAt(int position);
SortElement secondElementAt(int position);

struct SortRule {
    // Rows `fromRow` to `toRow` (from 1, both included) of the list in key order; 0 and 0 for
    // the whole list.
    int fromRow = 0;
    int toRow = 0;
    bool strokesOnly = true;  // method 1: by surname strokes alone; else method 2
    SortElement first = SortElement::Rank;
    SortElement second = SortElement::Strokes;
};

inline const QString kBadRange = QStringLiteral("要排序的范围设置不正确!");
inline const QString kNoFirstElement = QStringLiteral("第一要素必须设置!");
// "<name> 姓名中可能存在不识别的字符".
QString unrecognisedNameMessage(const QString& name);

// The combined sort. Each handled row's key becomes P + its stroke key (method 1) or P + first
// element + "-" + second element (method 2), where P is, for a range, the key of its first row
// and "-" (so the block keeps its place), else empty; rows of equal elements keep their order.
// Level and education are their rank in tb_zj / tb_xl padded to five digits ("99999" when the
// table lacks the value), age the birth month text ("999999" when empty), the surname the
// stroke key of the name by tb_xsbh. The names with characters tb_xsbh lacks are returned
// (their keys skip those characters).
Result<QStringList> sortCombined(db::Database& db, const SortRule& rule);

// "按系统默认顺序": keys from the default order gbOrd.
Result<void> sortByDefaultOrder(db::Database& db);

inline const QString kConfirmSaveDefault =
    QStringLiteral("确认按当前序号作为系统默认序号，注意：不在查找结果中的干部序号将排在后面?");
// "保存为系统默认顺序": the result's cadres take the default positions 1 to n in key order, every
// other cadre keeps its relative order after them.
Result<void> saveAsDefaultOrder(db::Database& db);

// "按所在单位排序": keys by unit index and order inside the unit (a cadre of several units takes
// the place of its last membership); with `units` not empty only memberships of those units
// count.
Result<void> sortByUnit(db::Database& db, const QList<int>& units);

// "上移" / "下移": exchanges the keys of two cadres of the result. When the two share a key,
// the list's keys are first made its own as moveToRow does, so that the two change places.
Result<void> swapKeys(db::Database& db, int cadreA, int cadreB);
// "移动到...": `cadreId` moves to row `targetRow` (from 1, limited to the list) of the list in
// key order, upwards or downwards, and lands exactly there: the rows between its place and the
// target shift by one, each taking its neighbour's key, and the moved cadre takes the key of the
// row that was at the target. The keys stay those the list had, one per row; a list whose keys
// repeat (or are missing) is first numbered afresh in its order. With `lookup` (the reverse
// lookup in force, search::listedWhere) the rows are those the list shows: only they shift, and
// the rows it hides keep their keys. A cadre not listed moves nothing.
Result<void> moveToRow(db::Database& db, int cadreId, int targetRow, const QString& lookup = {});

}  // namespace search

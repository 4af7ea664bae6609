#pragma once

#include <QString>
#include <QVariantHash>
#include <optional>
#include <vector>

#include "db/Result.h"

class TDataM;

namespace db {
class Database;
struct QueryResult;
}  // namespace db

// The unit tree's storage rules: parent, depth (dwlevel), sibling order (dwOrder) and the unit
// index (dwIndex) of tb_department, and the operations that change them. The windows collect
// input and show the messages returned here; nothing in this file shows anything itself.
//
// The unit index is a path key: a top-level unit has "0" and two upper-case hexadecimal digits
// of its order ("001", "00A"), any other unit its parent's index followed by its own two digits
// ("001" + "03" = "00103"). A whole subtree, its root included, is "dwIndex like '<root>%'".
// Two digits hold the orders 1 to 255, so one parent has at most 255 children.
namespace units {

// Messages of the tree operations, as the windows show them.
inline const QString kEmptyName = QStringLiteral("单位名称不能为空.");
inline const QString kTooManyChildren = QStringLiteral("同一上级单位下最多只能有255个下级单位。");
inline const QString kMoveUnderOwnSubtree =
    QStringLiteral("不能将单位移到它自身或它的下级单位之下。");
inline const QString kBadMonthText = QStringLiteral(
    "撤销时间应为“年.月”或“年-月”，例如 2012.07 或 2012-7，月份为1至12，年份不早于1900年。");
inline const QString kUnitMissing = QStringLiteral("该单位已不存在。");
inline const QString kParentMissing = QStringLiteral("所选上级单位已不存在。");
inline const QString kIndexOutOfDate =
    QStringLiteral("单位索引与上下级关系不一致，请先运行“重建单位索引”。");

// Progress texts of the long loops.
inline const QString kUpdatingIndexes = QStringLiteral("正在更新单位索引...");
inline const QString kUpdatingOrders = QStringLiteral("正在更新单位顺序...");

// The most children one parent can have: two hexadecimal digits of the order.
constexpr int kMaxChildren = 255;

// The two upper-case hexadecimal digits of a sibling order for the unit index ("0A" for 10,
// "FF" for 255). Orders outside 1..255 have no two-digit form and give nothing.
std::optional<QString> unitIndexPart(int order);

// The index of a unit: "0" + two digits at top level (empty parent index), else the parent's
// index + two digits. Nothing for an order outside 1..255.
std::optional<QString> unitIndex(const QString& parentIndex, int order);

// ---- Loading ---------------------------------------------------------------------------------

// One node of the loaded tree.
struct UnitNode {
    int ID = 0;
    int parentID = 0;  // as stored; a node shown at top level may have a parent that is missing
    QString caption;   // dwjc when not empty, else name
    QString name;
    QString dwjc;
    bool isDep = false;
    QString dwIndex;  // as loaded
    int level = 0;    // depth in the loaded tree: 0 at top level
    std::vector<UnitNode> children;
};

using UnitForest = std::vector<UnitNode>;

// The tree as the unit tree shows it, from "select * from tb_department order by dwLevel,
// dwOrder": a row is added as the last child of its parent when the parent is already in the
// tree, else as a top-level node. Since rows come by level and order, parents come before their
// children and siblings are in dwOrder order. Empty when the table is empty or cannot be read.
UnitForest loadUnitTree(db::Database& db);

// The stored row of unit `id` (tb_department), or no row when there is no such unit.
Result<db::QueryResult> readUnitRecord(db::Database& db, int id);

// The nodes in display order (depth first, children in order): position i is the node at the
// tree's absolute index i.
std::vector<const UnitNode*> displayOrder(const UnitForest& roots);

// The first node in display order whose ID is `id`, or null.
const UnitNode* findUnitNode(const UnitForest& roots, int id);
// The absolute index of the first node whose ID is `id`, or -1.
int unitNodeIndex(const UnitForest& roots, int id);

// ---- Adding and editing ------------------------------------------------------------------------

// What the unit dialog saves. `parentID` 0 means top level. `otherFields` are further columns of
// tb_department (dwxz, B0114, ...) written as they are; the tree's own columns are set here.
struct UnitFields {
    QString name;
    QString dwjc;
    bool isDep = true;
    int parentID = 0;
    QVariantHash otherFields;
};

// The operations that change the tree. Each runs in one transaction: when any statement fails,
// the tree is left exactly as it was and the result carries the database's error text; a refused
// input gives the refusal's message.
class UnitTree {
  public:
    explicit UnitTree(TDataM& dm);

    // Adds a unit: below a parent its order is the parent's child count + 1, at top level the
    // largest top-level order + 1. When a sibling holds that order, or an index below the parent
    // already has its two digits (an index that lagged behind its order), the order goes one past
    // everything taken (or to the first free one when that passes 255), so that the new index
    // is held by no other unit and its subtree is the new unit alone. The level is the parent's
    // + 1 (0 at top level), the index follows the order, status is 0 and py1/py2 hold the pinyin
    // initials. An empty name, a missing parent or a 256th child is refused and nothing is
    // written.
    // Gives the new unit's ID.
    Result<int> addUnit(const UnitFields& fields);

    // Saves unit `id`. A changed name is written into every post of the unit (tb_cadre_zw.dw).
    // A changed parent moves the unit with its subtree: order as for adding under the new parent,
    // every level of the old subtree shifted by the same amount, every index of the subtree
    // rewritten under the new one. Moving a unit below itself or one of its descendants is
    // refused, as is a 256th child.
    Result<void> editUnit(int id, const UnitFields& fields);

    // "重建单位索引": parents that are missing or the unit itself become 0 (and units that cannot
    // be reached from the top, caught in a loop of parents, go to the top level), depths are
    // recomputed from the top, the orders of each parent's children renumbered 1..n in their
    // order, and every index rewritten level by level. Refused, with nothing written, when a
    // parent has more than 255 children.
    Result<void> rebuildIndexes();

    // Writes the index of the subtree whose root had `oldIndex` under `newIndex`: the root gets
    // `newIndex`, every other unit its parent's new index + its own two digits.
    Result<void> reindexSubtree(int rootId, const QString& oldIndex, const QString& newIndex);

    // How a subtree is removed: dissolved (its posts become former posts ending at the given
    // month, so they stay in the cadres' history) or deleted with its posts.
    enum class Removal { Dissolve, Delete };

    // Removes unit `id` with every unit below it, their staffing rows, post quotas and
    // memberships; the cadres themselves stay. Dissolving ends the units' current posts in the
    // month `monthText` ("2012.07" or "2012-7", stored as "yyyy.mm"; cadre::endCurrentPosts,
    // which refreshes the cadres' current-post texts) and keeps every post of the units as
    // history with dwID 0; former posts keep their removal dates. The month is checked for
    // Dissolve only: an empty text or one that is not a month from 1900 on is refused with
    // kBadMonthText, a month before a post's appointment with kRemovalBeforeAppointment. The
    // statements select the subtree by its index; when that index would take in any unit that
    // is not below `id` by the parent links (or leave one out), nothing is removed and the
    // outcome asks for "重建单位索引".
    Result<void> removeSubtree(int id, Removal how, const QString& monthText);

    enum class Direction { Up, Down };
    // Swaps the order of unit `id` with its previous (Up) or next (Down) sibling by dwOrder and,
    // in the same transaction, rewrites the indexes of both subtrees for the new orders, so an
    // index always follows its order. Gives false, with nothing written, when there is no such
    // sibling.
    Result<bool> moveAmongSiblings(int id, Direction direction);

  private:
    struct Placement {
        int order = 0;
        int level = 0;
        QString index;
    };
    Result<Placement> placeUnder(int parentId, int excludedId);
    Result<bool> isInSubtree(int candidate, int rootId);
    // Gives unit `rootId` the index `rootIndex` and every unit below it (by the parent links)
    // its parent's new index + its own two digits.
    Result<void> writeIndexesByParents(int rootId, const QString& rootIndex);
    // Whether "dwIndex like '<index>%'" selects exactly unit `id` and the units below it by the
    // parent links.
    Result<bool> indexSelectsSubtree(int id, const QString& index);
    // The stored index of unit `unitId`; empty for 0 (the top) and for a unit that is missing.
    Result<QString> indexOf(int unitId);
    // The database's last error as a failure.
    Failure fail() const;

    TDataM& dm_;
    db::Database& db_;
};

// ---- Filter and find ---------------------------------------------------------------------------

// The where-clause of the unit filter: " where " and the non-empty tests joined by " and ", in
// the order short name contains `nameText`, index within `scopeIndex`, nature equals `nature`;
// empty when all three are empty.
QString unitFilterClause(const QString& nameText, const QString& scopeIndex, const QString& nature);

// The find box's test of one unit. A text of Latin letters only is looked for in the pinyin
// initials (py1, py2), anything else in the name and the short name. Letters match regardless
// of case, since the stored initials are upper case and people type them either way; an empty
// text matches nothing.
bool unitMatchesFindText(const QString& text, const QString& name, const QString& dwjc,
                         const QString& py1, const QString& py2);

// The absolute index of the next node after `from` (Down) or before it (Up) that matches `text`,
// reading the names and initials from the table; -1 when none does. `from` may be -1 (Down
// starts at the first node) or the node count (Up starts at the last).
int findUnit(db::Database& db, const UnitForest& roots, int from, const QString& text,
             UnitTree::Direction direction);

}  // namespace units

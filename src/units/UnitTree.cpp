#include "units/UnitTree.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <cstdlib>
#include <functional>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"
#include "cadre/PostEnding.h"
#include "db/Database.h"
#include "db/Dataset.h"
#include "db/SqlStatement.h"
#include "db/SqlText.h"
#include "text/MonthText.h"
#include "text/Pinyin.h"
#include "units/Membership.h"

namespace units {

namespace {

QString number(int value) {
    return QString::number(value);
}

// A stored index that has the scheme's shape: "0" and one or more pairs of digits, none "00".
// Anything else must never be used as a subtree prefix: an empty index would take in the whole
// table.
bool isWellFormedIndex(const QString& index) {
    if (index.size() < 3 || index.size() % 2 == 0 || index[0] != u'0') {
        return false;
    }
    for (qsizetype i = 1; i < index.size(); i += 2) {
        bool ok = false;
        const int order = index.mid(i, 2).toInt(&ok, 16);
        if (!ok || order < 1 || index.mid(i, 2) != index.mid(i, 2).toUpper()) {
            return false;
        }
    }
    return true;
}

QString subtreePattern(const QString& index) {
    return sql::quoted(index + u'%');
}

// The tree as the parent links make it, whatever the indexes say.
struct ParentLinks {
    QHash<int, QList<int>> children;  // parent ID → child IDs
    QHash<int, int> order;            // ID → dwOrder
};

std::optional<ParentLinks> readParentLinks(db::Database& db) {
    const std::optional<db::QueryResult> rows =
        db.query(QStringLiteral("select ID, parentID, dwOrder from tb_department"));
    if (!rows) {
        return std::nullopt;
    }
    ParentLinks links;
    for (const QVariantList& r : rows->rows) {
        links.children[r[1].toInt()].append(r[0].toInt());
        links.order.insert(r[0].toInt(), r[2].toInt());
    }
    return links;
}

// Unit `rootId` and every unit below it by the parent links, the root first and each unit
// before its children. A loop of parents is followed once round.
QList<int> subtreeByParents(const ParentLinks& links, int rootId) {
    QList<int> units{rootId};
    QSet<int> seen{rootId};
    for (qsizetype i = 0; i < units.size(); ++i) {
        for (const int child : links.children.value(units[i])) {
            if (!seen.contains(child)) {
                seen.insert(child);
                units.append(child);
            }
        }
    }
    return units;
}

// The posts of dissolved units stay in their cadres' history: the current ones end in the month
// of the dissolution (the cadres' current-post texts are refreshed), and every post of the units
// keeps its unit's name but no longer its ID. A cadre whose every current post was in those units
// holds no post afterwards, and its current-post texts, which would name only posts of units
// that no longer exist, are cleared unless they are locked.
Result<void> keepPostsAsHistory(TDataM& dm, const QString& units, const text::MonthEntry& month) {
    db::Database& db = dm.db();
    if (!db.exec(QStringLiteral("update tb_cadre set xrz='',allZwList='',allRzsjList='' where "
                                "ZwLock=False and CadreID in (select ZwCadreID from tb_cadre_zw "
                                "where status=1 and dwID in ") +
                 units +
                 QStringLiteral(") and CadreID not in (select ZwCadreID from tb_cadre_zw where "
                                "status=1 and dwID<>0 and not dwID in ") +
                 units + u')')) {
        return Failure{{}, db.lastError()};
    }
    const Result<void> ended =
        cadre::endCurrentPosts(dm, QStringLiteral("dwID in ") + units, month, 0);
    if (!ended) {
        return ended;
    }
    if (!db.exec(QStringLiteral("update tb_cadre_zw set dwID=0 where dwID in ") + units)) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

}  // namespace

Result<db::QueryResult> readUnitRecord(db::Database& db, int id) {
    std::optional<db::QueryResult> row =
        db.query(QStringLiteral("select * from tb_department where ID=") + number(id));
    if (!row) {
        return Failure{{}, db.lastError()};
    }
    return std::move(*row);
}

// ---- Changing the tree -------------------------------------------------------------------------

UnitTree::UnitTree(TDataM& dm) : dm_(dm), db_(dm.db()) {}

Result<QString> UnitTree::indexOf(int unitId) {
    if (unitId == 0) {
        return QString();
    }
    const Result<QVariant> stored =
        db_.scalar(QStringLiteral("select dwIndex from tb_department where ID=") + number(unitId));
    if (!stored) {
        return stored.failure();
    }
    return db::displayText(*stored);
}

Failure UnitTree::fail() const {
    return Failure{{}, db_.lastError()};
}

Result<UnitTree::Placement> UnitTree::placeUnder(int parentId, int excludedId) {
    Placement p;
    // Every index below the parent starts with this prefix; the unit's two digits follow it.
    QString prefix = QStringLiteral("0");
    if (parentId != 0) {
        const std::optional<db::QueryResult> parent =
            db_.query(QStringLiteral("select dwlevel, dwIndex from tb_department where ID=") +
                      number(parentId));
        if (!parent) {
            return fail();
        }
        if (parent->rows.empty()) {
            return Failure{kParentMissing, {}};
        }
        p.level = parent->rows[0][0].toInt() + 1;
        prefix = db::displayText(parent->rows[0][1]);
        if (!isWellFormedIndex(prefix)) {
            return Failure{kIndexOutOfDate, {}};
        }
    }
    // The siblings' orders and the two digits that any index below the parent holds right after
    // the prefix. An index can lag behind its order (a database written before sibling moves
    // re-indexed), so both count: a new unit sharing an index with a sibling would share its
    // subtree, and removing the one would remove the other.
    const std::optional<db::QueryResult> rows = db_.query(
        QStringLiteral("select ID, parentID, dwOrder, dwIndex from tb_department where parentID=") +
        number(parentId) + QStringLiteral(" or dwIndex like ") + subtreePattern(prefix));
    if (!rows) {
        return fail();
    }
    QSet<int> taken;
    int siblings = 0;
    int largestOrder = 0;
    for (const QVariantList& r : rows->rows) {
        if (r[1].toInt() == parentId && r[0].toInt() != excludedId) {
            ++siblings;
            taken.insert(r[2].toInt());
            largestOrder = std::max(largestOrder, r[2].toInt());
        }
        const QString index = db::displayText(r[3]);
        bool digits = false;
        const int part = index.mid(prefix.size(), 2).toInt(&digits, 16);
        if (index.startsWith(prefix) && index.size() >= prefix.size() + 2 && digits) {
            taken.insert(part);
        }
    }
    // Below a parent the child count + 1, at top level the largest order + 1; when that is
    // taken (after a removal in the middle, or by a stale index), one past everything taken,
    // or the first free order when that runs past the last two-digit one.
    p.order = parentId != 0 ? siblings + 1 : largestOrder + 1;
    if (taken.contains(p.order)) {
        p.order = *std::max_element(taken.cbegin(), taken.cend()) + 1;
        for (int free = 1; p.order > kMaxChildren && free <= kMaxChildren; ++free) {
            if (!taken.contains(free)) {
                p.order = free;
            }
        }
    }
    const std::optional<QString> index = unitIndex(parentId != 0 ? prefix : QString(), p.order);
    if (!index) {
        return Failure{kTooManyChildren, {}};
    }
    p.index = *index;
    return p;
}

Result<bool> UnitTree::isInSubtree(int candidate, int rootId) {
    const std::optional<db::QueryResult> rows =
        db_.query(QStringLiteral("select ID, parentID from tb_department"));
    if (!rows) {
        return fail();
    }
    QHash<int, int> parentOf;
    for (const QVariantList& r : rows->rows) {
        parentOf.insert(r[0].toInt(), r[1].toInt());
    }
    QSet<int> seen;
    for (int at = candidate; at != 0 && !seen.contains(at); at = parentOf.value(at, 0)) {
        if (at == rootId) {
            return true;
        }
        seen.insert(at);
    }
    return false;
}

namespace {

// Writes the dialog's fields into the current row of `unit`, the initials only when they changed.
void writeFields(db::Dataset& unit, const UnitFields& fields) {
    unit.setValue(QStringLiteral("name"), fields.name);
    unit.setValue(QStringLiteral("dwjc"), fields.dwjc);
    unit.setValue(QStringLiteral("isDep"), fields.isDep);
    unit.setValue(QStringLiteral("parentID"), fields.parentID);
    unit.setValue(QStringLiteral("status"), 0);
    const QString py1 = text::pinyinInitials(fields.name);
    const QString py2 = text::pinyinInitials(fields.dwjc);
    if (unit.text(QStringLiteral("py1")) != py1) {
        unit.setValue(QStringLiteral("py1"), py1);
    }
    if (unit.text(QStringLiteral("py2")) != py2) {
        unit.setValue(QStringLiteral("py2"), py2);
    }
    for (auto it = fields.otherFields.cbegin(); it != fields.otherFields.cend(); ++it) {
        unit.setValue(it.key(), it.value());
    }
}

}  // namespace

Result<int> UnitTree::addUnit(const UnitFields& fields) {
    if (fields.name.trimmed().isEmpty()) {
        return Failure{kEmptyName, {}};
    }
    db::Transaction transaction(db_);
    const Result<Placement> place = placeUnder(fields.parentID, 0);
    if (!place) {
        return place.failure();
    }
    db::Dataset unit(db_);
    if (!unit.open(QStringLiteral("select * from tb_department where ID=0")) || !unit.append()) {
        return Failure{{}, unit.lastError()};
    }
    writeFields(unit, fields);
    unit.setValue(QStringLiteral("dwOrder"), place->order);
    unit.setValue(QStringLiteral("dwlevel"), place->level);
    unit.setValue(QStringLiteral("dwIndex"), place->index);
    if (!unit.post()) {
        return Failure{{}, unit.lastError()};
    }
    const int id = unit.integer(QStringLiteral("ID"));
    if (!transaction.commit()) {
        return fail();
    }
    return id;
}

Result<void> UnitTree::editUnit(int id, const UnitFields& fields) {
    if (fields.name.trimmed().isEmpty()) {
        return Failure{kEmptyName, {}};
    }
    db::Transaction transaction(db_);
    db::Dataset unit(db_);
    if (!unit.open(QStringLiteral("select * from tb_department where id=") + number(id))) {
        return Failure{{}, unit.lastError()};
    }
    if (unit.isEmpty()) {
        return Failure{kUnitMissing, {}};
    }
    const int oldParent = unit.integer(QStringLiteral("parentID"));
    const int oldLevel = unit.integer(QStringLiteral("dwlevel"));
    const QString oldIndex = unit.text(QStringLiteral("dwIndex"));
    const bool renamed = unit.text(QStringLiteral("name")) != fields.name;
    const bool moved = fields.parentID != oldParent;

    Placement place;
    if (moved) {
        if (fields.parentID != 0) {
            const Result<bool> below = isInSubtree(fields.parentID, id);
            if (!below) {
                return below.failure();
            }
            if (*below) {
                return Failure{kMoveUnderOwnSubtree, {}};
            }
        }
        if (!isWellFormedIndex(oldIndex)) {
            return Failure{kIndexOutOfDate, {}};
        }
        const Result<Placement> placed = placeUnder(fields.parentID, id);
        if (!placed) {
            return placed.failure();
        }
        place = *placed;
    }

    if (!unit.edit()) {
        return Failure{{}, unit.lastError()};
    }
    writeFields(unit, fields);
    if (moved) {
        unit.setValue(QStringLiteral("dwOrder"), place.order);
    }
    if (!unit.post()) {
        return Failure{{}, unit.lastError()};
    }
    if (renamed &&
        !db_.exec(QStringLiteral("update tb_cadre_zw set dw=") + sql::quoted(fields.name) +
                  QStringLiteral(" where dwID=") + number(id))) {
        return fail();
    }
    if (moved) {
        const int shift = place.level - oldLevel;
        if (shift != 0 &&
            !db_.exec(QStringLiteral("update tb_department set dwlevel=dwlevel") +
                      (shift > 0 ? u'+' : u'-') + number(std::abs(shift)) +
                      QStringLiteral(" where dwIndex like ") + subtreePattern(oldIndex))) {
            return fail();
        }
        const Result<void> reindexed = reindexSubtree(id, oldIndex, place.index);
        if (!reindexed) {
            return reindexed;
        }
    }
    if (!transaction.commit()) {
        return fail();
    }
    return {};
}

Result<void> UnitTree::reindexSubtree(int rootId, const QString& oldIndex,
                                      const QString& newIndex) {
    if (!isWellFormedIndex(oldIndex) || !isWellFormedIndex(newIndex)) {
        return Failure{kIndexOutOfDate, {}};
    }
    db::Transaction transaction(db_);
    const std::optional<db::QueryResult> rows =
        db_.query(QStringLiteral("select * from tb_department where dwIndex like ") +
                  subtreePattern(oldIndex) + QStringLiteral(" order by dwlevel,dwOrder"));
    if (!rows) {
        return fail();
    }
    const int cId = rows->indexOf(QStringLiteral("ID"));
    const int cParent = rows->indexOf(QStringLiteral("parentID"));
    const int cOrder = rows->indexOf(QStringLiteral("dwOrder"));
    if (rows->rows.empty() || rows->rows[0][cId].toInt() != rootId) {
        return Failure{kIndexOutOfDate, {}};
    }
    app::ProgressScope progress(kUpdatingIndexes, static_cast<int>(rows->rows.size()));
    QHash<int, QString> handled;  // ID → new index
    handled.reserve(static_cast<qsizetype>(rows->rows.size()));
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        const QVariantList& r = rows->rows[i];
        const int id = r[cId].toInt();
        QString index;
        if (i == 0) {
            index = newIndex;
        } else {
            const auto parent = handled.constFind(r[cParent].toInt());
            if (parent == handled.cend()) {
                return Failure{kIndexOutOfDate, {}};
            }
            const int order = r[cOrder].toInt();
            const std::optional<QString> part = unitIndexPart(order);
            if (!part) {
                return Failure{order > kMaxChildren ? kTooManyChildren : kIndexOutOfDate, {}};
            }
            index = *parent + *part;
        }
        if (!db_.exec(QStringLiteral("update tb_department set dwIndex=") + sql::quoted(index) +
                      QStringLiteral(" where ID=") + number(id))) {
            return fail();
        }
        handled.insert(id, index);
        progress.step();
    }
    if (!transaction.commit()) {
        return fail();
    }
    return {};
}

Result<void> UnitTree::rebuildIndexes() {
    db::Transaction transaction(db_);
    {
        app::ProgressScope progress(kUpdatingOrders);
        if (!db_.exec(QStringLiteral("update tb_department set parentID=0 where (parentID=id) or "
                                     "(parentID not in(select id from tb_department))"))) {
            return fail();
        }

        // Depths from the top, depth first; units left over sit in a loop of parents and are
        // taken to the top level, each one opening the loop it is in.
        QSet<int> reached;
        const auto walk = [&](int top, int depth) -> bool {
            std::vector<std::pair<int, int>> pending{{top, depth}};
            while (!pending.empty()) {
                const auto [parent, level] = pending.back();
                pending.pop_back();
                const std::optional<db::QueryResult> children = db_.query(
                    QStringLiteral("select * from tb_department where parentid=") + number(parent));
                if (!children) {
                    return false;
                }
                const int cId = children->indexOf(QStringLiteral("ID"));
                const int cLevel = children->indexOf(QStringLiteral("dwlevel"));
                std::vector<int> next;
                for (const QVariantList& c : children->rows) {
                    const int id = c[cId].toInt();
                    if (reached.contains(id)) {
                        continue;
                    }
                    reached.insert(id);
                    if ((c[cLevel].isNull() || c[cLevel].toInt() != level) &&
                        !db_.exec(QStringLiteral("update tb_department set dwlevel=") +
                                  number(level) + QStringLiteral(" where ID=") + number(id))) {
                        return false;
                    }
                    next.push_back(id);
                    progress.step();
                }
                for (auto it = next.rbegin(); it != next.rend(); ++it) {
                    pending.emplace_back(*it, level + 1);
                }
            }
            return true;
        };
        if (!walk(0, 0)) {
            return fail();
        }
        const std::optional<db::QueryResult> all =
            db_.query(QStringLiteral("select ID from tb_department order by ID"));
        if (!all) {
            return fail();
        }
        for (const QVariantList& r : all->rows) {
            const int id = r[0].toInt();
            if (reached.contains(id)) {
                continue;
            }
            reached.insert(id);
            if (!db_.exec(
                    QStringLiteral("update tb_department set parentID=0,dwlevel=0 where ID=") +
                    number(id)) ||
                !walk(id, 1)) {
                return fail();
            }
        }

        // Orders 1..n among each parent's children, in their present order.
        const std::optional<db::QueryResult> rows =
            db_.query(QStringLiteral("select * from tb_department order by parentID,dwOrder"));
        if (!rows) {
            return fail();
        }
        const int cId = rows->indexOf(QStringLiteral("ID"));
        const int cParent = rows->indexOf(QStringLiteral("parentID"));
        const int cOrder = rows->indexOf(QStringLiteral("dwOrder"));
        int counter = 0;
        std::optional<int> lastParent;
        for (const QVariantList& r : rows->rows) {
            const int parent = r[cParent].toInt();
            counter = lastParent == parent ? counter + 1 : 1;
            lastParent = parent;
            if (counter > kMaxChildren) {
                return Failure{kTooManyChildren, {}};
            }
            if ((r[cOrder].isNull() || r[cOrder].toInt() != counter) &&
                !db_.exec(QStringLiteral("update tb_department set dwOrder=") + number(counter) +
                          QStringLiteral(" where ID=") + number(r[cId].toInt()))) {
                return fail();
            }
            progress.step();
        }
    }

    const std::optional<db::QueryResult> rows =
        db_.query(QStringLiteral("select * from tb_department order by dwlevel,dworder"));
    if (!rows) {
        return fail();
    }
    const int cId = rows->indexOf(QStringLiteral("ID"));
    const int cParent = rows->indexOf(QStringLiteral("parentID"));
    const int cOrder = rows->indexOf(QStringLiteral("dwOrder"));
    app::ProgressScope progress(kUpdatingIndexes, static_cast<int>(rows->rows.size()));
    for (const QVariantList& r : rows->rows) {
        const int parent = r[cParent].toInt();
        const Result<QString> parentIndex = indexOf(parent);
        if (!parentIndex) {
            return fail();
        }
        // The orders were just renumbered, so every one has its two digits.
        const std::optional<QString> index = unitIndex(*parentIndex, r[cOrder].toInt());
        if (!index) {
            return Failure{kTooManyChildren, {}};
        }
        if (!db_.exec(QStringLiteral("update tb_department set dwIndex=") + sql::quoted(*index) +
                      QStringLiteral(" where ID=") + number(r[cId].toInt()))) {
            return fail();
        }
        progress.step();
    }
    if (!transaction.commit()) {
        return fail();
    }
    return {};
}

Result<void> UnitTree::removeSubtree(int id, Removal how, const QString& monthText) {
    const std::optional<text::MonthEntry> month = text::readMonthEntry(monthText);
    if (how == Removal::Dissolve && (!month || month->text.isEmpty())) {
        return Failure{kBadMonthText, {}};
    }
    const Result<QVariant> stored =
        db_.scalar(QStringLiteral("select dwIndex from tb_department where ID=") + number(id));
    if (!stored) {
        return fail();
    }
    if (!stored->isValid()) {
        return Failure{kUnitMissing, {}};
    }
    const QString index = db::displayText(*stored);
    if (!isWellFormedIndex(index)) {
        return Failure{kIndexOutOfDate, {}};
    }
    const Result<bool> indexHoldsSubtree = indexSelectsSubtree(id, index);
    if (!indexHoldsSubtree) {
        return indexHoldsSubtree.failure();
    }
    if (!*indexHoldsSubtree) {
        return Failure{kIndexOutOfDate, {}};
    }
    const sql::Fragments f;
    const QString units = QStringLiteral("(select ID from tb_department where dwIndex like ") +
                          subtreePattern(index) + u')';
    QStringList statements{
        f.SqlDeleteHead + QStringLiteral("from tb_department_bz where dwID in ") + units,
        f.SqlDeleteHead + QStringLiteral("from tb_department_zs where dwID in ") + units,
    };
    if (how == Removal::Delete) {
        statements << f.SqlDeleteHead + QStringLiteral("from tb_cadre_zw where dwID in ") + units;
    }
    statements << f.SqlDeleteHead + QStringLiteral("from tb_department where dwIndex like ") +
                      subtreePattern(index);

    db::Transaction transaction(db_);
    if (how == Removal::Dissolve) {
        const Result<void> kept = keepPostsAsHistory(dm_, units, *month);
        if (!kept) {
            return kept.failure();
        }
    }
    if (!removeMembershipsOfUnits(dm_, units)) {
        return fail();
    }
    for (const QString& statement : statements) {
        if (!db_.exec(statement)) {
            return fail();
        }
    }
    if (!transaction.commit()) {
        return fail();
    }
    return {};
}

Result<bool> UnitTree::moveAmongSiblings(int id, Direction direction) {
    const std::optional<db::QueryResult> self = db_.query(
        QStringLiteral("select parentID, dwOrder from tb_department where ID=") + number(id));
    if (!self) {
        return fail();
    }
    if (self->rows.empty()) {
        return Failure{kUnitMissing, {}};
    }
    const int parent = self->rows[0][0].toInt();
    const int order = self->rows[0][1].toInt();
    const bool up = direction == Direction::Up;
    const std::optional<db::QueryResult> neighbour = db_.query(
        QStringLiteral("select top 1 ID, dwOrder from tb_department where parentID=") +
        number(parent) + QStringLiteral(" and dwOrder") + (up ? u'<' : u'>') + number(order) +
        QStringLiteral(" order by dwOrder") + (up ? QStringLiteral(" desc") : QString()));
    if (!neighbour) {
        return fail();
    }
    if (neighbour->rows.empty()) {
        return false;
    }
    const int otherId = neighbour->rows[0][0].toInt();
    const int otherOrder = neighbour->rows[0][1].toInt();
    const Result<QString> storedParentIndex = indexOf(parent);
    if (!storedParentIndex) {
        return fail();
    }
    const QString parentIndex = *storedParentIndex;
    if (parent != 0 && !isWellFormedIndex(parentIndex)) {
        return Failure{kIndexOutOfDate, {}};
    }
    const std::optional<QString> index = unitIndex(parentIndex, otherOrder);
    const std::optional<QString> otherIndex = unitIndex(parentIndex, order);
    if (!index || !otherIndex) {
        return Failure{kIndexOutOfDate, {}};
    }
    db::Transaction transaction(db_);
    if (!db_.exec(QStringLiteral("update tb_department set dwOrder=") + number(otherOrder) +
                  QStringLiteral(" where ID=") + number(id)) ||
        !db_.exec(QStringLiteral("update tb_department set dwOrder=") + number(order) +
                  QStringLiteral(" where ID=") + number(otherId))) {
        return fail();
    }
    // Both subtrees take the indexes of their new orders at once, so that lists sorted by index
    // show the new order and no index is left to clash with a later sibling's.
    Result<void> reindexed = writeIndexesByParents(id, *index);
    if (reindexed) {
        reindexed = writeIndexesByParents(otherId, *otherIndex);
    }
    if (!reindexed) {
        return reindexed.failure();
    }
    if (!transaction.commit()) {
        return fail();
    }
    return true;
}

Result<void> UnitTree::writeIndexesByParents(int rootId, const QString& rootIndex) {
    const std::optional<ParentLinks> links = readParentLinks(db_);
    if (!links) {
        return fail();
    }
    QHash<int, QString> written{{rootId, rootIndex}};
    for (const int unit : subtreeByParents(*links, rootId)) {
        const QString index = written.value(unit);
        if (!db_.exec(QStringLiteral("update tb_department set dwIndex=") + sql::quoted(index) +
                      QStringLiteral(" where ID=") + number(unit))) {
            return fail();
        }
        for (const int child : links->children.value(unit)) {
            const std::optional<QString> part = unitIndexPart(links->order.value(child));
            if (!part) {
                return Failure{
                    links->order.value(child) > kMaxChildren ? kTooManyChildren : kIndexOutOfDate,
                    {}};
            }
            if (!written.contains(child)) {
                written.insert(child, index + *part);
            }
        }
    }
    return {};
}

Result<bool> UnitTree::indexSelectsSubtree(int id, const QString& index) {
    const std::optional<ParentLinks> links = readParentLinks(db_);
    const std::optional<db::QueryResult> byIndex = db_.query(
        QStringLiteral("select ID from tb_department where dwIndex like ") + subtreePattern(index));
    if (!links || !byIndex) {
        return fail();
    }
    QSet<int> selected;
    for (const QVariantList& r : byIndex->rows) {
        selected.insert(r[0].toInt());
    }
    const QList<int> subtree = subtreeByParents(*links, id);
    return selected == QSet<int>(subtree.cbegin(), subtree.cend());
}

}  // namespace units

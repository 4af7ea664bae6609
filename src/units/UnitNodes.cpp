#include <QHash>
#include <functional>

#include "db/Database.h"
#include "db/SqlStatement.h"
#include "db/SqlText.h"
#include "units/UnitTree.h"

// The unit tree as data: index digits, loading, display order, the filter and the find box.
namespace units {

namespace {

bool isLatinLettersOnly(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    for (const QChar c : text) {
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<QString> unitIndexPart(int order) {
    if (order < 1 || order > kMaxChildren) {
        return std::nullopt;
    }
    return QStringLiteral("%1").arg(order, 2, 16, QChar(u'0')).toUpper();
}

std::optional<QString> unitIndex(const QString& parentIndex, int order) {
    const std::optional<QString> part = unitIndexPart(order);
    if (!part) {
        return std::nullopt;
    }
    return (parentIndex.isEmpty() ? QStringLiteral("0") : parentIndex) + *part;
}

// ---- Loading ---------------------------------------------------------------------------------

UnitForest loadUnitTree(db::Database& db) {
    const std::optional<db::QueryResult> rows =
        db.query(QStringLiteral("select * from tb_department order by dwLevel,dwOrder"));
    if (!rows) {
        return {};
    }
    const int cId = rows->indexOf(QStringLiteral("ID"));
    const int cParent = rows->indexOf(QStringLiteral("parentID"));
    const int cName = rows->indexOf(QStringLiteral("name"));
    const int cShort = rows->indexOf(QStringLiteral("dwjc"));
    const int cIsDep = rows->indexOf(QStringLiteral("isDep"));
    const int cIndex = rows->indexOf(QStringLiteral("dwIndex"));

    // The nodes are built in a flat list first (a vector of nested vectors would move nodes
    // while they are being filled), then nested.
    struct Flat {
        UnitNode node;
        std::vector<size_t> children;
    };
    std::vector<Flat> flat;
    flat.reserve(rows->rows.size());
    std::vector<size_t> roots;
    QHash<int, size_t> byId;  // the first node of each ID, as a walk in display order finds it
    for (const QVariantList& r : rows->rows) {
        Flat f;
        f.node.ID = r[cId].toInt();
        f.node.parentID = r[cParent].toInt();
        f.node.name = db::displayText(r[cName]);
        f.node.dwjc = db::displayText(r[cShort]);
        f.node.caption = f.node.dwjc.isEmpty() ? f.node.name : f.node.dwjc;
        f.node.isDep = r[cIsDep].toBool();
        f.node.dwIndex = db::displayText(r[cIndex]);

        std::optional<size_t> parent;
        if (f.node.parentID != 0) {
            if (!flat.empty() && flat.back().node.ID == f.node.parentID) {
                parent = flat.size() - 1;
            } else if (const auto it = byId.constFind(f.node.parentID); it != byId.cend()) {
                parent = *it;
            }
        }
        const size_t at = flat.size();
        if (parent) {
            f.node.level = flat[*parent].node.level + 1;
            flat[*parent].children.push_back(at);
        } else {
            roots.push_back(at);
        }
        if (!byId.contains(f.node.ID)) {
            byId.insert(f.node.ID, at);
        }
        flat.push_back(std::move(f));
    }

    const std::function<UnitNode(size_t)> nest = [&](size_t i) {
        UnitNode node = std::move(flat[i].node);
        node.children.reserve(flat[i].children.size());
        for (const size_t c : flat[i].children) {
            node.children.push_back(nest(c));
        }
        return node;
    };
    UnitForest forest;
    forest.reserve(roots.size());
    for (const size_t r : roots) {
        forest.push_back(nest(r));
    }
    return forest;
}

std::vector<const UnitNode*> displayOrder(const UnitForest& roots) {
    std::vector<const UnitNode*> order;
    std::vector<const UnitNode*> stack;
    for (auto it = roots.rbegin(); it != roots.rend(); ++it) {
        stack.push_back(&*it);
    }
    while (!stack.empty()) {
        const UnitNode* node = stack.back();
        stack.pop_back();
        order.push_back(node);
        for (auto it = node->children.rbegin(); it != node->children.rend(); ++it) {
            stack.push_back(&*it);
        }
    }
    return order;
}

const UnitNode* findUnitNode(const UnitForest& roots, int id) {
    for (const UnitNode* node : displayOrder(roots)) {
        if (node->ID == id) {
            return node;
        }
    }
    return nullptr;
}

int unitNodeIndex(const UnitForest& roots, int id) {
    const std::vector<const UnitNode*> order = displayOrder(roots);
    for (size_t i = 0; i < order.size(); ++i) {
        if (order[i]->ID == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// ---- Filter and find ---------------------------------------------------------------------------

QString unitFilterClause(const QString& nameText, const QString& scopeIndex,
                         const QString& nature) {
    QString clause;
    if (!nameText.isEmpty()) {
        clause += QStringLiteral("(dwjc like ") + sql::quoted(u'%' + nameText + u'%') +
                  QStringLiteral(") and ");
    }
    if (!scopeIndex.isEmpty()) {
        clause += QStringLiteral("(dwIndex like ") + sql::quoted(scopeIndex + u'%') +
                  QStringLiteral(") and ");
    }
    if (!nature.isEmpty()) {
        clause += QStringLiteral("(dwxz=") + sql::quoted(nature) + QStringLiteral(") and ");
    }
    clause = clause.trimmed();
    if (clause.isEmpty()) {
        return {};
    }
    clause.chop(QStringLiteral(" and").size());
    return QStringLiteral(" where ") + clause;
}

bool unitMatchesFindText(const QString& text, const QString& name, const QString& dwjc,
                         const QString& py1, const QString& py2) {
    if (text.isEmpty()) {
        return false;
    }
    if (isLatinLettersOnly(text)) {
        return py1.contains(text, Qt::CaseInsensitive) || py2.contains(text, Qt::CaseInsensitive);
    }
    return name.contains(text, Qt::CaseInsensitive) || dwjc.contains(text, Qt::CaseInsensitive);
}

int findUnit(db::Database& db, const UnitForest& roots, int from, const QString& text,
             UnitTree::Direction direction) {
    const std::optional<db::QueryResult> rows =
        db.query(QStringLiteral("select ID,Name,dwjc,py2,py1 from tb_department"));
    if (!rows || text.isEmpty()) {
        return -1;
    }
    QHash<int, size_t> byId;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        byId.insert(rows->rows[i][0].toInt(), i);
    }
    const std::vector<const UnitNode*> order = displayOrder(roots);
    const int count = static_cast<int>(order.size());
    const int step = direction == UnitTree::Direction::Down ? 1 : -1;
    for (int i = from + step; i >= 0 && i < count; i += step) {
        const auto row = byId.constFind(order[static_cast<size_t>(i)]->ID);
        if (row == byId.cend()) {
            continue;
        }
        const QVariantList& r = rows->rows[*row];
        if (unitMatchesFindText(text, db::displayText(r[1]), db::displayText(r[2]),
                                db::displayText(r[4]), db::displayText(r[3]))) {
            return i;
        }
    }
    return -1;
}

}  // namespace units

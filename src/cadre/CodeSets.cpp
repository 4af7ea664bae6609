#include "cadre/CodeSets.h"

#include <QHash>

#include "db/Database.h"
#include "db/SqlText.h"

namespace cadre {

Result<QStringList> codeTexts(db::Database& db, const QString& codeSet, const QString& parent) {
    QString statement = QStringLiteral("select * from tb_DMJ where DMJMC=") + sql::quoted(codeSet);
    if (!parent.isEmpty()) {
        statement += QStringLiteral(" and PDM=") + sql::quoted(parent);
    }
    const auto rows = db.query(statement + QStringLiteral(" order by id"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    QStringList texts;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        texts << rows->value(i, QStringLiteral("DMShow")).toString();
    }
    return texts;
}

Result<QList<CodeItem>> codeItems(db::Database& db, const QString& codeSet, const QString& parent) {
    const auto rows =
        db.query(QStringLiteral("select DM,DMShow from tb_DMJ where DMJMC=? and PDM=? order by id"),
                 {codeSet, parent});
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    QList<CodeItem> items;
    for (const QVariantList& row : rows->rows) {
        items << CodeItem{row[0].toString(), row[1].toString()};
    }
    return items;
}

Result<std::vector<CodeNode>> codeTree(db::Database& db, const QString& codeSet,
                                       const QString& condition) {
    const auto rows =
        db.query(QStringLiteral("select * from tb_DMJ where DMJMC=") + sql::quoted(codeSet) + u' ' +
                 condition + QStringLiteral(" order by DMLevel,id"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    std::vector<CodeNode> nodes;
    nodes.reserve(rows->rows.size());
    QHash<QString, int> firstWithCode;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        CodeNode node;
        node.id = rows->value(i, QStringLiteral("id")).toInt();
        node.code = rows->value(i, QStringLiteral("DM")).toString();
        node.caption = rows->value(i, QStringLiteral("DMShow")).toString();
        const QString parent = rows->value(i, QStringLiteral("PDM")).toString();
        if (!parent.isEmpty()) {
            if (!nodes.empty() && nodes.back().code == parent) {
                node.parent = static_cast<int>(nodes.size()) - 1;
            } else {
                node.parent = firstWithCode.value(parent, -1);
            }
        }
        if (!firstWithCode.contains(node.code)) {
            firstWithCode.insert(node.code, static_cast<int>(nodes.size()));
        }
        nodes.push_back(node);
    }
    return nodes;
}

}  // namespace cadre

#include "main/GridLayoutStore.h"

#include "db/Database.h"

namespace mainwin {

Result<std::vector<CheckState>> readCheckStates(db::Database& db) {
    const auto rows = db.query(QStringLiteral("select * from tb_custom_check"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    std::vector<CheckState> states;
    states.reserve(rows->rows.size());
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        states.push_back({rows->value(i, QStringLiteral("name")).toString(),
                          rows->value(i, QStringLiteral("down")).toBool()});
    }
    return states;
}

Result<std::vector<ColumnLayout>> readColumnLayouts(db::Database& db) {
    const auto rows = db.query(QStringLiteral("select * from tb_custom_width"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    std::vector<ColumnLayout> columns;
    columns.reserve(rows->rows.size());
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        columns.push_back({rows->value(i, QStringLiteral("name")).toString(),
                           rows->value(i, QStringLiteral("width")).toInt(),
                           rows->value(i, QStringLiteral("ord")).toInt()});
    }
    return columns;
}

Result<RestoredChecks> restoreCheckStates(db::Database& db, const QSet<QString>& knownNames) {
    // Rows are deleted by row id: names compare without regard to case in SQL, and a row that
    // differs from a known name only in case must not take the known row with it.
    const auto rows =
        db.query(QStringLiteral("select rowid as rid,name,down from tb_custom_check"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    RestoredChecks restored;
    QVariantList orphans;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        const QString name = rows->value(i, QStringLiteral("name")).toString();
        const bool down = rows->value(i, QStringLiteral("down")).toBool();
        if (name.startsWith(kCadreEditorPrefix) && name.size() > kCadreEditorPrefix.size()) {
            restored.cadreEditor.push_back({name.mid(kCadreEditorPrefix.size()), down});
        } else if (knownNames.contains(name)) {
            restored.window.push_back({name, down});
        } else {
            orphans << rows->value(i, QStringLiteral("rid"));
        }
    }
    if (orphans.isEmpty()) {
        return restored;
    }
    db::Transaction transaction(db);
    for (const QVariant& rowId : orphans) {
        if (!db.exec(QStringLiteral("delete * from tb_custom_check where rowid=?"), {rowId})) {
            return Failure{{}, db.lastError()};
        }
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    restored.deleted = static_cast<int>(orphans.size());
    return restored;
}

namespace {

// Sets `columns` to `values` in the rows named `name` of `table`, appending a row when none has
// that name.
bool updateOrAppend(db::Database& db, const QString& table, const QString& name,
                    const QStringList& columns, const QVariantList& values) {
    QStringList assignments;
    for (const QString& column : columns) {
        assignments << column + QStringLiteral("=?");
    }
    QVariantList params = values;
    params << name;
    if (!db.exec(QStringLiteral("update ") + table + QStringLiteral(" set ") +
                     assignments.join(u',') + QStringLiteral(" where name=?"),
                 params)) {
        return false;
    }
    if (db.changes() > 0) {
        return true;
    }
    QStringList marks(columns.size() + 1, QStringLiteral("?"));
    return db.exec(QStringLiteral("insert into ") + table + QStringLiteral(" (name,") +
                       columns.join(u',') + QStringLiteral(") values (") + marks.join(u',') + u')',
                   QVariantList{name} + values);
}

}  // namespace

Result<void> saveLayout(db::Database& db, const std::vector<CheckState>& checks,
                        const std::vector<ColumnLayout>& columns) {
    const auto failed = [&db] { return Failure{{}, db.lastError()}; };
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return failed();
    }
    const QString checkTable = QStringLiteral("tb_custom_check");
    const QString widthTable = QStringLiteral("tb_custom_width");
    for (const CheckState& check : checks) {
        if (!updateOrAppend(db, checkTable, check.name, {QStringLiteral("down")}, {check.down})) {
            return failed();
        }
    }
    for (const ColumnLayout& column : columns) {
        if (!updateOrAppend(db, widthTable, column.name,
                            {QStringLiteral("width"), QStringLiteral("ord")},
                            {column.width, column.ord})) {
            return failed();
        }
    }
    if (!transaction.commit()) {
        return failed();
    }
    return {};
}

}  // namespace mainwin

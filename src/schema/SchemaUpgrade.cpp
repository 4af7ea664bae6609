#include "schema/SchemaUpgrade.h"

#include <QDate>
#include <QRegularExpression>
#include <algorithm>

#include "db/Database.h"
#include "schema/SchemaVersion.h"
#include "schema/YesNoColumns.h"

namespace schema {

namespace {

const QString kTemplate = QStringLiteral("upgrade_template");

QString bracketed(const QString& name) {
    return u'[' + name + u']';
}

Result<void> dbFailure(db::Database& db) {
    return Failure{{}, db.lastError()};
}

// One column as PRAGMA table_info describes it.
struct ColumnDefinition {
    QString name;
    QString type;
    QVariant defaultValue;
    bool notNull = false;
    bool primaryKey = false;

    bool sameAs(const ColumnDefinition& other) const {
        return type.compare(other.type, Qt::CaseInsensitive) == 0 &&
               defaultValue.toString() == other.defaultValue.toString() &&
               notNull == other.notNull && primaryKey == other.primaryKey;
    }
};

Result<std::vector<ColumnDefinition>> columnsOf(db::Database& db, const QString& schemaName,
                                                const QString& table) {
    const auto statement = db.prepareNative(QStringLiteral(
        "select name, type, dflt_value, \"notnull\", pk from pragma_table_info(?, ?)"));
    if (!statement || !statement->bind({table, schemaName})) {
        return Failure{{}, db.lastError()};
    }
    std::vector<ColumnDefinition> columns;
    db::SqlStatement::Step step;
    while ((step = statement->step()) == db::SqlStatement::Step::Row) {
        columns.push_back({statement->value(0).toString(), statement->value(1).toString(),
                           statement->value(2), statement->value(3).toInt() != 0,
                           statement->value(4).toInt() != 0});
    }
    if (step == db::SqlStatement::Step::Error) {
        return Failure{{}, statement->errorText()};
    }
    return columns;
}

// The name and definition of each object of `type` in the template, for one table or all.
Result<std::vector<std::pair<QString, QString>>> templateObjects(db::Database& db,
                                                                 const QString& type,
                                                                 const QString& table = {}) {
    QString sql = QStringLiteral("select name, sql from ") + kTemplate +
                  QStringLiteral(".sqlite_master where type=? and sql is not null");
    QVariantList params{type};
    if (!table.isEmpty()) {
        sql += QStringLiteral(" and tbl_name=? collate nocase");
        params << table;
    }
    sql += QStringLiteral(" order by rowid");
    const auto statement = db.prepareNative(sql);
    if (!statement || !statement->bind(params)) {
        return Failure{{}, db.lastError()};
    }
    std::vector<std::pair<QString, QString>> objects;
    db::SqlStatement::Step step;
    while ((step = statement->step()) == db::SqlStatement::Step::Row) {
        objects.emplace_back(statement->value(0).toString(), statement->value(1).toString());
    }
    if (step == db::SqlStatement::Step::Error) {
        return Failure{{}, statement->errorText()};
    }
    return objects;
}

Result<bool> hasIndex(db::Database& db, const QString& name) {
    const Result<QVariant> found = db.scalar(
        QStringLiteral("select 1 from sqlite_master where type='index' and name=? collate nocase"),
        {name});
    if (!found) {
        return found.failure();
    }
    return found->isValid();
}

Result<void> createTemplateIndexes(db::Database& db, const QString& table) {
    const auto indexes = templateObjects(db, QStringLiteral("index"), table);
    if (!indexes) {
        return indexes.failure();
    }
    for (const auto& [name, sql] : *indexes) {
        const Result<bool> there = hasIndex(db, name);
        if (!there) {
            return there.failure();
        }
        if (!*there && !db.execNative(sql)) {
            return dbFailure(db);
        }
    }
    return {};
}

bool sameName(const ColumnDefinition& a, const ColumnDefinition& b) {
    return a.name.compare(b.name, Qt::CaseInsensitive) == 0;
}

// Rebuilds `table` with the template's definition: the shared columns keep their values (a null
// in a column that may no longer hold one takes the column's default). A column the table holds
// and the template lacks (one a user or an older release added) is kept with its values after
// the template's columns, so that rebuilding never loses stored data.
Result<void> rebuildTable(db::Database& db, const QString& table, const QString& definition,
                          const std::vector<ColumnDefinition>& wanted,
                          const std::vector<ColumnDefinition>& present) {
    const QString building = QStringLiteral("upgrade_rebuilt");
    QString create = definition;
    static const QRegularExpression head(QStringLiteral("^CREATE TABLE\\s+(\\[[^\\]]+\\]|\\S+)"),
                                         QRegularExpression::CaseInsensitiveOption);
    create.replace(head, QStringLiteral("CREATE TABLE ") + bracketed(building));
    QStringList targets;
    QStringList sources;
    for (const ColumnDefinition& column : wanted) {
        if (!db.hasColumn(table, column.name)) {
            continue;
        }
        targets << bracketed(column.name);
        sources << (column.notNull && column.defaultValue.isValid()
                        ? QStringLiteral("coalesce(%1, %2)")
                              .arg(bracketed(column.name), column.defaultValue.toString())
                        : bracketed(column.name));
    }
    if (!db.execNative(create)) {
        return dbFailure(db);
    }
    for (const ColumnDefinition& column : present) {
        const bool inTemplate = std::any_of(wanted.begin(), wanted.end(),
                                            [&](const auto& w) { return sameName(w, column); });
        if (inTemplate) {
            continue;
        }
        if (!db.execNative(QStringLiteral("alter table %1 add column %2 %3")
                               .arg(bracketed(building), bracketed(column.name), column.type))) {
            return dbFailure(db);
        }
        targets << bracketed(column.name);
        sources << bracketed(column.name);
    }
    if (!db.execNative(QStringLiteral("insert into %1 (%2) select %3 from main.%4")
                           .arg(bracketed(building), targets.join(u','), sources.join(u','),
                                bracketed(table))) ||
        !db.execNative(QStringLiteral("drop table main.") + bracketed(table)) ||
        !db.execNative(QStringLiteral("alter table %1 rename to %2")
                           .arg(bracketed(building), bracketed(table)))) {
        return dbFailure(db);
    }
    return createTemplateIndexes(db, table);
}

QString thresholdText(double threshold) {
    return QString::number(threshold, 'f', 3).remove(QRegularExpression(QStringLiteral("0+$")));
}

Result<void> runStep(UpgradeRun& run, const UpgradeStep& step) {
    for (const QString& table : step.copiedTables) {
        if (Result<void> copied = run.copyTable(table); !copied) {
            return copied;
        }
    }
    for (const AddedColumn& column : step.columns) {
        if (Result<void> added = run.addColumn(column.table, column.column); !added) {
            return added;
        }
    }
    return step.convert ? step.convert(run) : Result<void>{};
}

// Detaches the template however the upgrade ends.
class AttachedTemplate {
  public:
    explicit AttachedTemplate(db::Database& db) : db_(db) {}
    ~AttachedTemplate() {
        if (attached_) {
            db_.detach(kTemplate);
        }
    }
    AttachedTemplate(const AttachedTemplate&) = delete;
    AttachedTemplate& operator=(const AttachedTemplate&) = delete;
    bool attach(const QString& file) {
        return attached_ = db_.attach(file, kTemplate, db::Database::AttachMode::ReadOnly);
    }

  private:
    db::Database& db_;
    bool attached_ = false;
};

}  // namespace

QString upgradeBackupName(const QDate& day) {
    return day.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("升级备份.vhbak");
}

Result<double> storedVersion(db::Database& db) {
    const Result<QVariant> version =
        db.scalar(QStringLiteral("select max(version) from tb_general"));
    if (!version) {
        return version.failure();
    }
    return version->isValid() ? version->toDouble() : 0.0;
}

Result<UpgradeOutcome> upgradeDatabase(db::Database& db, const QString& templateFile,
                                       const QString& backupFile, const exchange::StepHook& hook) {
    const Result<double> version = storedVersion(db);
    if (!version) {
        return version.failure();
    }
    UpgradeOutcome outcome{*version, false};
    const std::vector<UpgradeStep>& steps = upgradeSteps();
    if (*version >= steps.back().threshold) {
        return outcome;
    }
    if (!db.backupTo(backupFile)) {
        return Failure{kBackupFailed + backupFile, db.lastError()};
    }
    AttachedTemplate attached(db);
    if (!attached.attach(templateFile)) {
        return Failure{kStepFailed + QStringLiteral("打开空白模板"), db.lastError()};
    }
    db::Transaction transaction(db);
    UpgradeRun run(db);
    for (const UpgradeStep& step : steps) {
        if (step.threshold <= *version) {
            continue;
        }
        const QString name = thresholdText(step.threshold);
        if (Result<void> entered = exchange::enterStep(hook, name); !entered) {
            return entered.failure();
        }
        if (Result<void> ran = runStep(run, step); !ran) {
            return Failure{kStepFailed + name, ran.failure().dbError.isEmpty()
                                                   ? ran.failure().message
                                                   : ran.failure().dbError};
        }
    }
    if (!db.exec(QStringLiteral("update tb_general set version=?"), {kSchemaVersion}) ||
        !transaction.commit()) {
        return Failure{kStepFailed + thresholdText(kSchemaVersion), db.lastError()};
    }
    outcome.upgraded = true;
    return outcome;
}

Result<void> UpgradeRun::copyTable(const QString& table) {
    if (db_.hasTable(table)) {
        return {};
    }
    const auto definition = templateObjects(db_, QStringLiteral("table"), table);
    if (!definition) {
        return definition.failure();
    }
    if (definition->empty()) {
        return Failure{QStringLiteral("空白模板中没有数据表") + table, {}};
    }
    const QString name = definition->front().first;
    if (!db_.execNative(definition->front().second) ||
        !db_.execNative(QStringLiteral("insert into main.%1 select * from %2.%1")
                            .arg(bracketed(name), kTemplate))) {
        return dbFailure(db_);
    }
    return createTemplateIndexes(db_, name);
}

Result<void> UpgradeRun::addColumn(const QString& table, const QString& column) {
    if (!db_.hasTable(table) || db_.hasColumn(table, column)) {
        return {};
    }
    const auto wanted = columnsOf(db_, kTemplate, table);
    if (!wanted) {
        return wanted.failure();
    }
    for (const ColumnDefinition& definition : *wanted) {
        if (definition.name.compare(column, Qt::CaseInsensitive) != 0) {
            continue;
        }
        QString sql = QStringLiteral("alter table main.%1 add column %2 %3")
                          .arg(bracketed(table), bracketed(definition.name), definition.type);
        if (definition.notNull) {
            sql += QStringLiteral(" not null");
        }
        if (definition.defaultValue.isValid()) {
            sql += QStringLiteral(" default ") + definition.defaultValue.toString();
        }
        return db_.execNative(sql) ? Result<void>{} : dbFailure(db_);
    }
    return Failure{QStringLiteral("空白模板中没有字段") + table + u'.' + column, {}};
}

Result<void> UpgradeRun::dropColumns(const QString& table, const QStringList& columns) {
    for (const QString& column : columns) {
        if (!db_.hasColumn(table, column)) {
            continue;
        }
        const auto statement = db_.prepareNative(
            QStringLiteral("select distinct il.name from pragma_index_list(?) il, "
                           "pragma_index_info(il.name) ii where ii.name=? collate nocase"));
        if (!statement || !statement->bind({table, column})) {
            return dbFailure(db_);
        }
        QStringList indexes;
        while (statement->step() == db::SqlStatement::Step::Row) {
            indexes << statement->value(0).toString();
        }
        for (const QString& index : indexes) {
            if (!db_.execNative(QStringLiteral("drop index main.") + bracketed(index))) {
                return dbFailure(db_);
            }
        }
        if (!db_.execNative(QStringLiteral("alter table main.%1 drop column %2")
                                .arg(bracketed(table), bracketed(column)))) {
            return dbFailure(db_);
        }
    }
    return {};
}

Result<void> UpgradeRun::exec(const QStringList& statements) {
    for (const QString& statement : statements) {
        if (!db_.exec(statement)) {
            return dbFailure(db_);
        }
    }
    return {};
}

Result<void> UpgradeRun::copyMissingCodeGroups(const QStringList& groups) {
    for (const QString& group : groups) {
        if (!db_.execNative(QStringLiteral("insert into main.tb_conf (GID, ItemID, ItemV, ItemVI, "
                                           "ItemV2) select GID, ItemID, ItemV, ItemVI, ItemV2 "
                                           "from %1.tb_conf where GID=?1 and not exists (select "
                                           "1 from main.tb_conf where GID=?1)")
                                .arg(kTemplate),
                            {group})) {
            return dbFailure(db_);
        }
    }
    return {};
}

Result<void> UpgradeRun::createIndex(const QString& statement) {
    static const QRegularExpression named(
        QStringLiteral("^create\\s+index\\s+(\\S+)\\s+on\\s+(\\S+)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = named.match(statement);
    if (match.hasMatch()) {
        // The dialect names an index after its table and its own name.
        for (const QString& name :
             {match.captured(1), QString(match.captured(2) + u'_' + match.captured(1))}) {
            const Result<bool> there = hasIndex(db_, name);
            if (!there) {
                return there.failure();
            }
            if (*there) {
                return {};
            }
        }
    }
    return exec({statement});
}

Result<void> UpgradeRun::conformToTemplate() {
    const auto tables = templateObjects(db_, QStringLiteral("table"));
    if (!tables) {
        return tables.failure();
    }
    for (const auto& [table, definition] : *tables) {
        if (table.startsWith(QStringLiteral("sqlite_"))) {
            continue;
        }
        if (!db_.hasTable(table)) {
            if (Result<void> copied = copyTable(table); !copied) {
                return copied;
            }
            continue;
        }
        const auto wanted = columnsOf(db_, kTemplate, table);
        const auto present = columnsOf(db_, QStringLiteral("main"), table);
        if (!wanted) {
            return wanted.failure();
        }
        if (!present) {
            return present.failure();
        }
        bool differs = false;
        for (const ColumnDefinition& column : *wanted) {
            const auto same = std::find_if(present->begin(), present->end(),
                                           [&](const auto& p) { return sameName(p, column); });
            differs = differs || same == present->end() || !same->sameAs(column);
        }
        const Result<void> shaped = differs
                                        ? rebuildTable(db_, table, definition, *wanted, *present)
                                        : createTemplateIndexes(db_, table);
        if (!shaped) {
            return shaped;
        }
    }
    const Result<int> cleared = clearYesNoNulls(db_);
    return cleared ? Result<void>{} : Result<void>{cleared.failure()};
}

}  // namespace schema

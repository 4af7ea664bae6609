#include "exchange/DataTransfer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <map>
#include <vector>

#include "app/Progress.h"
#include "db/Database.h"
#include "db/SqlStatement.h"
#include "exchange/DatabaseBackup.h"
#include "exchange/FileReplace.h"

namespace exchange {

namespace {

// A column holding the key of another transferred table. `onlyWhen` (SQL over the source row
// "s") limits the columns whose meaning depends on another column of the row; outside it the
// value is copied as it is.
struct Reference {
    const char* column;
    const char* keyTable;
    const char* onlyWhen = nullptr;
};

// A transferred table: its own key (nullptr for tables without one) and its references.
struct TableRule {
    const char* table;
    const char* key;
    std::vector<Reference> references;
};

// What the wait window says while a restore copies a table; the other tables keep the text
// of the step before.
const std::map<QString, QString>& restoreTexts() {
    static const std::map<QString, QString> texts = {
        {QStringLiteral("tb_zw"), QStringLiteral("正在导入参数设置...")},
        {QStringLiteral("tb_department"), QStringLiteral("正在导入组织架构设置...")},
        {QStringLiteral("tb_department_zs"), QStringLiteral("正在导入职数设置...")},
        {QStringLiteral("tb_cadre"), QStringLiteral("正在导入干部信息...")},
        {QStringLiteral("tb_family"), QStringLiteral("正在导入家庭成员信息...")},
        {QStringLiteral("tb_cadre_zw"), QStringLiteral("正在导入任职记录...")},
        {QStringLiteral("tb_rmmc"), QStringLiteral("正在导入任免记录...")},
        {QStringLiteral("tb_beadroll"), QStringLiteral("正在导入名册...")},
        {QStringLiteral("tb_pxjg"), QStringLiteral("正在导入培训机构...")},
        {QStringLiteral("tb_pxMode"), QStringLiteral("正在导入培训方式...")},
        {QStringLiteral("tb_pxs"), QStringLiteral("正在导入培训师...")},
        {QStringLiteral("tb_pxType"), QStringLiteral("正在导入培训类型...")},
        {QStringLiteral("tb_px"), QStringLiteral("正在导入培训班信息...")},
        {QStringLiteral("tb_pxCadre"), QStringLiteral("正在导入培训班干部...")},
    };
    return texts;
}

const QString kClearing = QStringLiteral("正在清除现有记录...");

const char* const kUnit = "tb_department";
const char* const kCadre = "tb_cadre";

const std::vector<TableRule>& rules() {
    static const std::vector<TableRule> all = {
        {"tb_zw", "id", {}},
        {"tb_xl", nullptr, {}},
        {"tb_department", "ID", {{"parentID", kUnit}}},
        {"tb_department_zs", "ZsID", {{"DwID", kUnit}}},
        {"tb_department_bz", "id", {{"dwID", kUnit}}},
        {"tb_bzkc", "id", {{"dwID", kUnit}}},
        {"tb_cadre", "CadreID", {}},
        {"tb_family", "FamilyID", {{"CadreID", kCadre}}},
        {"tb_cadre_zw", "ZwID", {{"ZwCadreID", kCadre}, {"dwID", kUnit}}},
        {"tb_cadre_node", "CnID", {{"ZwCadreID", kCadre}, {"dwID", kUnit}}},
        {"tb_kc", "id", {{"cid", kCadre}, {"dwid", kUnit}}},
        {"tb_jc", "id", {{"cid", kCadre, "coalesce(s.dxType,0)=0"}}},
        {"tb_fggzlr", "id", {{"cid", kCadre}}},
        {"tb_fggb", "id", {{"cid", kCadre}, {"fgcid", kCadre}}},
        {"tb_fgcj", "id", {{"cid", kCadre}, {"dwid", kUnit}}},
        {"tb_File", "id", {}},
        {"tb_fileLink", "id", {{"dxID", kCadre, "s.dxType=1"}, {"fileid", "tb_File"}}},
        {"E01", "ID", {{"cid", kCadre, "coalesce(s.dxType,0)=0"}, {"fileID", "tb_File"}}},
        {"A54", "A54id", {{"cid", kCadre}}},
        {"A55", "A55id", {{"cid", kCadre}}},
        {"A56", "A56id", {{"cid", kCadre}}},
        {"tb_rmmc", "id", {}},
        {"tb_rmmc_detail", "id", {{"mcID", "tb_rmmc"}, {"McCadreID", kCadre}}},
        {"tb_beadroll", "id", {}},
        {"tb_beadroll_detail", nullptr, {{"McCadreID", kCadre}, {"mcID", "tb_beadroll"}}},
        {"tb_beadroll_mirror", "id", {{"mcID", "tb_beadroll"}, {"McCadreID", kCadre}}},
        {"tb_pxjg", nullptr, {}},
        {"tb_pxMode", nullptr, {}},
        {"tb_pxs", nullptr, {}},
        {"tb_pxType", nullptr, {}},
        {"tb_px", "pxid", {}},
        {"tb_pxCadre", "ID", {{"pxid", "tb_px"}, {"CadreID", kCadre}}},
        {"tb_pxCadre2", "ID", {{"CadreID", kCadre}}},
        {"tb_plan", "id", {}},
        {"tb_totalInfor", nullptr, {}},
    };
    return all;
}

// The picker lists kept as texts of tb_general.
const char* const kGeneralLists[] = {"rzyy", "gbly", "rzw", "jtcy"};

QString name(const char* text) {
    return QString::fromLatin1(text);
}

QString quotedName(const QString& identifier) {
    return u'"' + QString(identifier).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString mapTable(const QString& keyTable) {
    return QStringLiteral("temp.") + quotedName(QStringLiteral("~map_") + keyTable);
}

// The copy between two schemas of one connection: "main" and an attached file.
class Copier {
  public:
    Copier(db::Database& db, QString from, QString to, bool restoring, const StepHook& hook)
        : db_(db), from_(std::move(from)), to_(std::move(to)), restoring_(restoring), hook_(hook) {}

    Result<void> run() {
        for (const TableRule& rule : rules()) {
            const QString table = name(rule.table);
            if (hasTable(from_, table) && hasTable(to_, table)) {
                present_.insert(table.toLower());
            }
        }
        if (Result<void> made = makeKeyMaps(); !made) {
            return made;
        }
        if (Result<void> step = enterStep(hook_, kStepClear); !step) {
            return step;
        }
        if (restoring_) {
            app::progress().setText(kClearing);
        }
        for (const TableRule& rule : rules()) {
            if (present(rule.table) && !clear(name(rule.table))) {
                return failure();
            }
        }
        for (const TableRule& rule : rules()) {
            if (!present(rule.table)) {
                continue;
            }
            if (Result<void> step = enterStep(hook_, name(rule.table)); !step) {
                return step;
            }
            if (const auto text = restoreTexts().find(name(rule.table));
                restoring_ && text != restoreTexts().end()) {
                app::progress().setText(text->second);
            }
            app::progress().step();
            if (Result<void> copied = copy(rule); !copied) {
                return copied;
            }
        }
        if (Result<void> lists = copyGeneralLists(); !lists) {
            return lists;
        }
        for (const TableRule& rule : rules()) {
            if (rule.key != nullptr && !db_.execNative(QStringLiteral("DROP TABLE IF EXISTS ") +
                                                       mapTable(name(rule.table)))) {
                return failure();
            }
        }
        return enterStep(hook_, kStepCommit);
    }

  private:
    Failure failure() const { return Failure{{}, db_.lastError()}; }

    bool present(const char* table) const { return present_.contains(name(table).toLower()); }

    bool hasTable(const QString& schema, const QString& table) {
        const auto statement = db_.prepareNative(
            QStringLiteral("select 1 from ") + quotedName(schema) +
            QStringLiteral(".sqlite_master where type='table' and name=? collate nocase"));
        return statement && statement->bind({table}) &&
               statement->step() == db::SqlStatement::Step::Row;
    }

    // The columns of a table in a schema, lower case mapped to their spelling.
    QStringList columns(const QString& schema, const QString& table) {
        QStringList out;
        const auto statement =
            db_.prepareNative(QStringLiteral("PRAGMA ") + quotedName(schema) +
                              QStringLiteral(".table_info(") + quotedName(table) + u')');
        if (statement) {
            while (statement->step() == db::SqlStatement::Step::Row) {
                out << statement->value(1).toString();
            }
        }
        return out;
    }

    // One table per key kind: every old key of the source and its new key, 1, 2, ... in the
    // order of the old keys.
    Result<void> makeKeyMaps() {
        for (const TableRule& rule : rules()) {
            if (rule.key == nullptr || !present(rule.table)) {
                continue;
            }
            const QString map = mapTable(name(rule.table));
            const QString key = quotedName(name(rule.key));
            if (!db_.execNative(QStringLiteral("DROP TABLE IF EXISTS ") + map) ||
                !db_.execNative(
                    QStringLiteral("CREATE TABLE ") + map +
                    QStringLiteral(" (old INTEGER PRIMARY KEY, new INTEGER NOT NULL)")) ||
                !db_.execNative(QStringLiteral("INSERT INTO ") + map +
                                QStringLiteral(" (old,new) SELECT ") + key +
                                QStringLiteral(", row_number() OVER (ORDER BY ") + key +
                                QStringLiteral(") FROM ") + quotedName(from_) + u'.' +
                                quotedName(name(rule.table)) + QStringLiteral(" WHERE ") + key +
                                QStringLiteral(" IS NOT NULL"))) {
                return failure();
            }
        }
        return {};
    }

    bool clear(const QString& table) {
        return db_.execNative(QStringLiteral("DELETE FROM ") + quotedName(to_) + u'.' +
                              quotedName(table)) &&
               (!hasTable(to_, QStringLiteral("sqlite_sequence")) ||
                db_.execNative(QStringLiteral("DELETE FROM ") + quotedName(to_) +
                                   QStringLiteral(".sqlite_sequence WHERE name=? collate nocase"),
                               {table}));
    }

    Result<void> copy(const TableRule& rule) {
        const QString table = name(rule.table);
        QSet<QString> sourceColumns;
        for (const QString& column : columns(from_, table)) {
            sourceColumns.insert(column.toLower());
        }
        QStringList targets;
        QStringList values;
        QString joins;
        int joinCount = 0;
        const auto join = [&](const QString& keyTable, const QString& sourceColumn) {
            const QString alias = QStringLiteral("m") + QString::number(++joinCount);
            joins += QStringLiteral(" LEFT JOIN ") + mapTable(keyTable) + u' ' + alias +
                     QStringLiteral(" ON ") + alias + QStringLiteral(".old=s.") +
                     quotedName(sourceColumn);
            return alias;
        };
        for (const QString& column : columns(to_, table)) {
            if (!sourceColumns.contains(column.toLower())) {
                continue;
            }
            const QString source = QStringLiteral("s.") + quotedName(column);
            QString value = source;
            if (rule.key != nullptr && column.compare(name(rule.key), Qt::CaseInsensitive) == 0) {
                value = join(table, column) + QStringLiteral(".new");
            }
            for (const Reference& reference : rule.references) {
                if (column.compare(name(reference.column), Qt::CaseInsensitive) != 0 ||
                    !present(reference.keyTable)) {
                    continue;
                }
                const QString alias = join(name(reference.keyTable), column);
                QString keep =
                    source + QStringLiteral(" IS NULL OR ") + source + QStringLiteral("<=0");
                if (reference.onlyWhen != nullptr) {
                    keep += QStringLiteral(" OR NOT (") + name(reference.onlyWhen) + u')';
                }
                value = QStringLiteral("CASE WHEN ") + keep + QStringLiteral(" THEN ") + source +
                        QStringLiteral(" ELSE ") + alias + QStringLiteral(".new END");
            }
            if (table == u"tb_cadre_zw" && column.compare(u"mzsj", Qt::CaseInsensitive) == 0) {
                // A removal date of -1 stood for "not removed" in old files.
                value = QStringLiteral("CASE WHEN ") + source +
                        QStringLiteral(" IN (-1,'-1') THEN NULL ELSE ") + source +
                        QStringLiteral(" END");
            }
            targets << quotedName(column);
            values << value;
        }
        if (targets.isEmpty()) {
            return {};
        }
        const QString order = rule.key != nullptr
                                  ? QStringLiteral(" ORDER BY s.") + quotedName(name(rule.key))
                                  : QStringLiteral(" ORDER BY s.rowid");
        if (!db_.execNative(QStringLiteral("INSERT INTO ") + quotedName(to_) + u'.' +
                            quotedName(table) + QStringLiteral(" (") + targets.join(u',') +
                            QStringLiteral(") SELECT ") + values.join(u',') +
                            QStringLiteral(" FROM ") + quotedName(from_) + u'.' +
                            quotedName(table) + QStringLiteral(" s") + joins + order)) {
            return failure();
        }
        return {};
    }

    // The picker lists of tb_general go with the data; the rest of the row is the target's.
    Result<void> copyGeneralLists() {
        const QString general = QStringLiteral("tb_general");
        if (!hasTable(from_, general) || !hasTable(to_, general)) {
            return {};
        }
        QSet<QString> sourceColumns;
        for (const QString& column : columns(from_, general)) {
            sourceColumns.insert(column.toLower());
        }
        QStringList assignments;
        for (const QString& column : columns(to_, general)) {
            for (const char* list : kGeneralLists) {
                if (column.compare(name(list), Qt::CaseInsensitive) == 0 &&
                    sourceColumns.contains(column.toLower())) {
                    assignments << quotedName(column) + QStringLiteral("=(SELECT ") +
                                       quotedName(column) + QStringLiteral(" FROM ") +
                                       quotedName(from_) + QStringLiteral(".tb_general LIMIT 1)");
                }
            }
        }
        if (assignments.isEmpty() ||
            db_.execNative(QStringLiteral("UPDATE ") + quotedName(to_) +
                           QStringLiteral(".tb_general SET ") + assignments.join(u',') +
                           QStringLiteral(" WHERE EXISTS (SELECT 1 FROM ") + quotedName(from_) +
                           QStringLiteral(".tb_general)"))) {
            return {};
        }
        return failure();
    }

    db::Database& db_;
    QString from_;
    QString to_;
    bool restoring_;
    const StepHook& hook_;
    QSet<QString> present_;
};

const QString kAttached = QStringLiteral("single");

// Runs the copy in one transaction over the working connection with `file` attached.
Result<void> copyWithAttached(db::Database& working, const QString& file, bool intoWorking,
                              const StepHook& hook) {
    if (!working.attach(file, kAttached)) {
        return Failure{{}, working.lastError()};
    }
    Result<void> outcome;
    {
        const app::ProgressScope wait(intoWorking ? kImporting : kExporting,
                                      static_cast<int>(rules().size()));
        db::Transaction transaction(working);
        if (!transaction.isActive()) {
            outcome = Failure{{}, working.lastError()};
        } else {
            Copier copier(working, intoWorking ? kAttached : QStringLiteral("main"),
                          intoWorking ? QStringLiteral("main") : kAttached, intoWorking, hook);
            outcome = copier.run();
            if (outcome && !transaction.commit()) {
                outcome = Failure{{}, working.lastError()};
            }
        }
    }
    if (!working.detach(kAttached) && outcome) {
        return Failure{{}, working.lastError()};
    }
    return outcome;
}

// Whether `file` names the open database's own file.
bool isWorkingFile(const db::Database& working, const QString& file) {
    const QFileInfo chosen(file);
    const QFileInfo own(working.path());
    return chosen.exists() ? chosen.canonicalFilePath() == own.canonicalFilePath()
                           : QDir::cleanPath(chosen.absoluteFilePath()) ==
                                 QDir::cleanPath(own.absoluteFilePath());
}

}  // namespace

QStringList transferredTables() {
    QStringList tables;
    for (const TableRule& rule : rules()) {
        tables << name(rule.table);
    }
    return tables;
}

Result<void> restoreFromSingleFile(db::Database& working, const QString& source,
                                   const QString& keptCopy, const StepHook& hook) {
    if (source.trimmed().isEmpty()) {
        return Failure{kNoSourceChosen, {}};
    }
    if (isWorkingFile(working, source)) {
        return Failure{kSameAsWorking, {}};
    }
    if (Result<void> checked = checkDatabaseFile(source); !checked) {
        return Failure{kSourceUnreadable, checked.errorText()};
    }
    if (!QDir().mkpath(QFileInfo(keptCopy).absolutePath()) || !working.backupTo(keptCopy)) {
        return Failure{kKeepCopyFailed + QDir::toNativeSeparators(keptCopy), working.lastError()};
    }
    return copyWithAttached(working, source, true, hook);
}

Result<void> exportToSingleFile(db::Database& working, const QString& templateFile,
                                const QString& target, const StepHook& hook) {
    if (target.trimmed().isEmpty()) {
        return Failure{kNoTargetChosen, {}};
    }
    if (isWorkingFile(working, target)) {
        return Failure{kSameAsWorking, {}};
    }
    if (!QFileInfo(templateFile).isFile()) {
        return Failure{kTemplateMissing, {}};
    }
    const QString partial = partialFileNextTo(target);
    {
        db::Database empty;
        if (!empty.open(templateFile) || !empty.backupTo(partial)) {
            QFile::remove(partial);
            return Failure{kTemplateUnreadable, empty.lastError()};
        }
    }
    Result<void> outcome = copyWithAttached(working, partial, false, hook);
    if (outcome) {
        outcome = replaceFile(partial, target);
    }
    if (!outcome) {
        QFile::remove(partial);
    }
    return outcome;
}

}  // namespace exchange

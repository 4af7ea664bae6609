#include "schema/TemplateBuilder.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "db/Database.h"
#include "schema/PackageInfo.h"
#include "text/StrokeKey.h"

namespace schema {

namespace {

// Writes a database under a temporary name and moves it into place only when it is complete.
class PartialFile {
  public:
    explicit PartialFile(const QString& target)
        : target_(target), partial_(target + QStringLiteral(".part")) {
        QFile::remove(partial_);
    }
    ~PartialFile() { QFile::remove(partial_); }
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    QString path() const { return partial_; }
    bool commit() {
        QFile::remove(target_);
        return QFile::rename(partial_, target_);
    }

  private:
    QString target_;
    QString partial_;
};

}  // namespace

QStringList sendPackageTables() {
    return {QStringLiteral("tb_cadre"),    QStringLiteral("tb_family"),
            QStringLiteral("tb_cadre_zw"), QStringLiteral("tb_cadre_node"),
            QStringLiteral("tb_pxCadre2"), QStringLiteral("tb_jc"),
            QStringLiteral("tb_kc")};
}

QStringList readStatements(const QString& text) {
    QStringList statements;
    QString current;
    for (const QString& rawLine : text.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QStringLiteral("--"))) {
            continue;
        }
        current += (current.isEmpty() ? QString() : QStringLiteral("\n")) + rawLine.trimmed();
        if (line.endsWith(u';')) {
            current.chop(1);
            statements << current;
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty()) {
        statements << current;
    }
    return statements;
}

Result<void> TemplateBuilder::runFile(db::Database& db, const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return Failure{QStringLiteral("cannot read ") + file, {}};
    }
    for (const QString& statement : readStatements(QString::fromUtf8(f.readAll()))) {
        if (!db.exec(statement)) {
            return Failure{QFileInfo(file).fileName(), db.lastError()};
        }
    }
    return {};
}

// tb_xsbh: the stroke-order key of every Chinese character, by which names sort by surname.
Result<void> TemplateBuilder::fillStrokeTable(db::Database& db) {
    std::unique_ptr<db::SqlStatement> insert =
        db.prepareNative(QStringLiteral("insert into tb_xsbh (zfs,bhord) values (?,?)"));
    if (!insert) {
        return Failure{{}, db.lastError()};
    }
    for (const text::StrokeKeyEntry& entry : text::allStrokeKeys()) {
        const char32_t character[] = {entry.character};
        insert->bind({QString::fromUcs4(character, 1), entry.key});
        if (insert->step() != db::SqlStatement::Step::Done) {
            return Failure{{}, insert->errorText()};
        }
        insert->reset();
    }
    return {};
}

Result<void> TemplateBuilder::buildEmpty(const QString& target, const QString& schemaFile,
                                         const QStringList& dataFiles) {
    PartialFile out(target);
    {
        db::Database db;
        if (!db.open(out.path(), db::Database::OpenMode::CreateIfMissing)) {
            return Failure{{}, db.lastError()};
        }
        db::Transaction tx(db);
        for (const QString& file : QStringList{schemaFile} + dataFiles) {
            const Result<void> ran = runFile(db, file);
            if (!ran) {
                return ran;
            }
        }
        if (db.hasTable(QStringLiteral("tb_xsbh"))) {
            const Result<void> filled = fillStrokeTable(db);
            if (!filled) {
                return filled;
            }
        }
        if (!tx.commit() || !db.execNative(QStringLiteral("VACUUM"))) {
            return Failure{{}, db.lastError()};
        }
    }
    if (!out.commit()) {
        return Failure{QStringLiteral("cannot write ") + target, {}};
    }
    return {};
}

Result<void> TemplateBuilder::buildSendPackage(const QString& target,
                                               const QString& emptyTemplate) {
    PartialFile out(target);
    {
        db::Database db;
        if (!db.open(out.path(), db::Database::OpenMode::CreateIfMissing) ||
            !db.attach(emptyTemplate, QStringLiteral("source"))) {
            return Failure{{}, db.lastError()};
        }
        db::Transaction tx(db);
        // The package's tables are defined exactly as in the working database, indexes included.
        for (const QString& table : sendPackageTables()) {
            const std::optional<db::QueryResult> defs = db.query(
                QStringLiteral("select sql from source.sqlite_master where tbl_name=? and sql is "
                               "not null order by type desc"),
                {table});
            if (!defs || defs->rows.empty()) {
                return Failure{QStringLiteral("the template has no table ") + table,
                               db.lastError()};
            }
            for (const QVariantList& row : defs->rows) {
                if (!db.execNative(row[0].toString())) {
                    return Failure{{}, db.lastError()};
                }
            }
        }
        // The review columns of a package: Checked (to be received) and revState. The working
        // table's pickers already keep a check column of that name, which serves as it is.
        const bool hasChecked = db.hasColumn(QStringLiteral("tb_cadre"), QStringLiteral("Checked"));
        if ((!hasChecked && !db.exec(QStringLiteral("ALTER TABLE tb_cadre Add Checked BIT"))) ||
            !db.exec(QStringLiteral("ALTER TABLE tb_cadre Add revState TEXT(10)")) ||
            !db.exec(kPackageInfoDefinition) || !tx.commit() ||
            !db.detach(QStringLiteral("source"))) {
            return Failure{{}, db.lastError()};
        }
    }
    if (!out.commit()) {
        return Failure{QStringLiteral("cannot write ") + target, {}};
    }
    return {};
}

}  // namespace schema

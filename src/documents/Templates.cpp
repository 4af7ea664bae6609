#include "documents/Templates.h"

#include <QFile>
#include <QFileInfo>

#include "db/Database.h"
#include "documents/TemplateDocuments.h"
#include "office/DocxDocument.h"
#include "office/LegacyFiles.h"
#include "office/PptxPresentation.h"
#include "office/XlsxWorkbook.h"

namespace documents {

namespace {

// Where a format's templates are kept.
struct Tables {
    QString table;
    QString items;
    QString type;
    bool hasItemDesc;
};

Tables tablesOf(TemplateFormat format) {
    switch (format) {
        case TemplateFormat::Excel:
            return {QStringLiteral("tb_mb"), QStringLiteral("tb_mbItem"), QStringLiteral("Ttype"),
                    false};
        case TemplateFormat::Word:
            return {QStringLiteral("tb_wordModel"), QStringLiteral("tb_wordModelItem"),
                    QStringLiteral("mtype"), true};
        case TemplateFormat::PowerPoint:
            break;
    }
    return {QStringLiteral("tb_pptModel"), QStringLiteral("tb_pptModelItem"),
            QStringLiteral("mtype"), true};
}

Failure databaseFailure(db::Database& db) {
    return Failure{{}, db.lastError()};
}

// A scanned file: its items and the file with them blanked.
struct Scanned {
    QList<TemplateItem> items;
    QByteArray blank;
};

template <typename Document>
Result<Scanned> scanWith(Result<Document> opened, Result<QList<TemplateItem>> (*scan)(Document&)) {
    if (!opened) {
        return opened.failure();
    }
    Result<QList<TemplateItem>> items = scan(*opened);
    if (!items) {
        return items.failure();
    }
    Result<QByteArray> blank = opened->toBytes();
    if (!blank) {
        return blank.failure();
    }
    return Scanned{std::move(*items), std::move(*blank)};
}

Result<Scanned> scanFile(TemplateFormat format, const QByteArray& bytes, const QString& name) {
    switch (format) {
        case TemplateFormat::Excel:
            return scanWith(office::XlsxWorkbook::fromBytes(bytes, name), &scanWorkbook);
        case TemplateFormat::Word:
            return scanWith(office::DocxDocument::fromBytes(bytes, name), &scanDocument);
        case TemplateFormat::PowerPoint:
            break;
    }
    return scanWith(office::PptxPresentation::fromBytes(bytes, name), &scanPresentation);
}

Result<QByteArray> readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Failure{QStringLiteral("无法读取文件“%1”：%2").arg(path, file.errorString()), {}};
    }
    return file.readAll();
}

Result<void> storeItems(db::Database& db, const Tables& tables, int id,
                        const QList<TemplateItem>& items) {
    const QString insert =
        QStringLiteral(
            "insert into %1 (mbid,item,kid,page,h,l,ord,prefix,postfix%2) values "
            "(?,?,?,?,?,?,?,?,?%3)")
            .arg(tables.items, tables.hasItemDesc ? QStringLiteral(",itemDesc") : QString(),
                 tables.hasItemDesc ? QStringLiteral(",?") : QString());
    for (const TemplateItem& item : items) {
        QVariantList values{id,        item.item,   static_cast<int>(item.kind),
                            item.page, item.h,      item.l,
                            item.ord,  item.prefix, item.postfix};
        if (tables.hasItemDesc) {
            values << item.itemDesc;
        }
        if (!db.exec(insert, values)) {
            return databaseFailure(db);
        }
    }
    return {};
}

}  // namespace

bool TemplateEntry::isList() const {
    if (format == TemplateFormat::Excel) {
        return type != kSinglePerson;
    }
    return type != kSinglePerson && type != kSinglePersonText;
}

bool TemplateEntry::isReadable() const {
    return format != TemplateFormat::PowerPoint && (type == kSinglePerson || isList());
}

QString formatCaption(TemplateFormat format) {
    switch (format) {
        case TemplateFormat::Excel:
            return QStringLiteral("Excel");
        case TemplateFormat::Word:
            return QStringLiteral("Word");
        case TemplateFormat::PowerPoint:
            break;
    }
    return QStringLiteral("PowerPoint");
}

QString typeCaption(const TemplateEntry& entry) {
    if (entry.isList()) {
        return QStringLiteral("多人");
    }
    if (entry.format == TemplateFormat::Excel) {
        return QStringLiteral("单人");
    }
    return entry.type == kSinglePerson ? QStringLiteral("单人表格型")
                                       : QStringLiteral("单人文本型");
}

QString fileSuffix(TemplateFormat format) {
    switch (format) {
        case TemplateFormat::Excel:
            return QStringLiteral(".xlsx");
        case TemplateFormat::Word:
            return QStringLiteral(".docx");
        case TemplateFormat::PowerPoint:
            break;
    }
    return QStringLiteral(".pptx");
}

Result<QList<TemplateEntry>> listTemplates(db::Database& db) {
    QList<TemplateEntry> entries;
    for (const TemplateFormat format :
         {TemplateFormat::Excel, TemplateFormat::Word, TemplateFormat::PowerPoint}) {
        const Tables tables = tablesOf(format);
        const std::optional<db::QueryResult> rows =
            db.query(QStringLiteral("select id,Name,%1 from %2 order by Name,id")
                         .arg(tables.type, tables.table));
        if (!rows) {
            return databaseFailure(db);
        }
        for (const QVariantList& row : rows->rows) {
            entries << TemplateEntry{row[0].toInt(), row[1].toString(), format, row[2].toInt()};
        }
    }
    return entries;
}

Result<int> loadTemplate(db::Database& db, TemplateFormat format, const QString& name, int type,
                         const QString& path, const QString& workFolder) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) {
        return Failure{kNameRequired, {}};
    }
    if (path.isEmpty()) {
        return Failure{kFileRequired, {}};
    }
    const Tables tables = tablesOf(format);
    const Result<QVariant> taken =
        db.scalar(QStringLiteral("select id from %1 where Name=?").arg(tables.table), {trimmed});
    if (!taken) {
        return taken.failure();
    }
    if (taken->isValid()) {
        return Failure{kNameTaken, {}};
    }
    const Result<QString> usable = office::usableOfficeFile(path, workFolder);
    if (!usable) {
        return usable.failure();
    }
    const Result<QByteArray> bytes = readFile(*usable);
    if (!bytes) {
        return bytes.failure();
    }
    const Result<Scanned> scanned = scanFile(format, *bytes, QFileInfo(path).fileName());
    if (!scanned) {
        return scanned.failure();
    }

    db::Transaction transaction(db);
    if (!transaction.isActive() ||
        !db.exec(QStringLiteral("delete * from %1 where mbid=0").arg(tables.items))) {
        return databaseFailure(db);
    }
    const bool stored =
        format == TemplateFormat::Excel
            ? db.exec(
                  QStringLiteral("insert into tb_mb (Name,Ttype,Files,EFiles) values (?,?,?,?)"),
                  {trimmed, type, *bytes, scanned->blank})
            : db.exec(QStringLiteral("insert into %1 (Name,mtype,bitfile) values (?,?,?)")
                          .arg(tables.table),
                      {trimmed, type, *bytes});
    if (!stored) {
        return databaseFailure(db);
    }
    const int id = static_cast<int>(db.lastInsertId());
    if (Result<void> items = storeItems(db, tables, id, scanned->items); !items) {
        return items.failure();
    }
    if (!transaction.commit()) {
        return databaseFailure(db);
    }
    return id;
}

Result<void> deleteTemplate(db::Database& db, TemplateFormat format, int id) {
    const Tables tables = tablesOf(format);
    db::Transaction transaction(db);
    if (!transaction.isActive() ||
        !db.exec(QStringLiteral("delete * from %1 where mbid=?").arg(tables.items), {id}) ||
        !db.exec(QStringLiteral("delete * from %1 where id=?").arg(tables.table), {id}) ||
        !transaction.commit()) {
        return databaseFailure(db);
    }
    return {};
}

Result<StoredTemplate> readTemplate(db::Database& db, TemplateFormat format, int id) {
    const Tables tables = tablesOf(format);
    const QString files = format == TemplateFormat::Excel ? QStringLiteral("Files,EFiles")
                                                          : QStringLiteral("bitfile,bitfile");
    const std::optional<db::QueryResult> row =
        db.query(QStringLiteral("select id,Name,%1,%2 from %3 where id=?")
                     .arg(tables.type, files, tables.table),
                 {id});
    if (!row) {
        return databaseFailure(db);
    }
    if (row->rows.empty()) {
        return Failure{kTemplateGone, {}};
    }
    const QVariantList& values = row->rows.front();
    StoredTemplate stored;
    stored.entry =
        TemplateEntry{values[0].toInt(), values[1].toString(), format, values[2].toInt()};
    stored.file = values[3].toByteArray();
    const std::optional<db::QueryResult> items = db.query(
        QStringLiteral("select item,kid,page,h,l,ord,prefix,postfix%1 from %2 where mbid=? "
                       "order by id")
            .arg(tables.hasItemDesc ? QStringLiteral(",itemDesc") : QString(), tables.items),
        {id});
    if (!items) {
        return databaseFailure(db);
    }
    for (const QVariantList& item : items->rows) {
        stored.items << TemplateItem{item[0].toString(),
                                     static_cast<ItemKind>(item[1].toInt()),
                                     item[2].toInt(),
                                     item[3].toInt(),
                                     item[4].toInt(),
                                     item[5].toInt(),
                                     item[6].toString(),
                                     item[7].toString(),
                                     tables.hasItemDesc ? item[8].toString() : QString()};
    }
    if (format == TemplateFormat::Excel) {
        stored.blank = values[4].toByteArray();
        return stored;
    }
    Result<Scanned> scanned = scanFile(format, stored.file, stored.entry.name + fileSuffix(format));
    if (!scanned) {
        return scanned.failure();
    }
    stored.blank = std::move(scanned->blank);
    return stored;
}

}  // namespace documents

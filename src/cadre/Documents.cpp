#include "cadre/Documents.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QVariant>

#include "db/Database.h"
#include "office/ZipPackage.h"

namespace cadre {

namespace {

Failure databaseFailure(const db::Database& db) {
    return Failure{{}, db.lastError()};
}

// The row of a document linked to the cadre, or nullopt.
std::optional<db::QueryResult> linkedDocument(db::Database& db, int cadreId, int documentId) {
    return db.query(QStringLiteral("select a.* from tb_File as a inner join tb_fileLink as b on "
                                   "a.id=b.fileid where b.dxID=? and a.id=?"),
                    {cadreId, documentId});
}

// A file name that cannot leave the folder it is written to.
QString safeFileName(const QString& name) {
    QString base = QFileInfo(name).fileName();
    base.replace(u'\\', u'_');
    return base.isEmpty() || base == u"." || base == u".." ? QStringLiteral("document") : base;
}

}  // namespace

Result<QList<StoredDocument>> cadreDocuments(db::Database& db, int cadreId) {
    const auto rows = db.query(QStringLiteral("select a.id,a.fileName,a.fExt from tb_File as a "
                                              "left outer join tb_fileLink as b on a.id=b.fileid "
                                              "where b.dxID=? order by a.id"),
                               {cadreId});
    if (!rows) {
        return databaseFailure(db);
    }
    QList<StoredDocument> documents;
    for (const QVariantList& row : rows->rows) {
        documents << StoredDocument{row[0].toInt(), row[1].toString(), row[2].toString()};
    }
    return documents;
}

Result<int> addDocument(db::Database& db, int cadreId, const QString& path) {
    const QFileInfo info(path);
    if (info.size() > kMaxDocumentBytes) {
        return Failure{kDocumentTooLarge, {}};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Failure{kDocumentUnreadable, file.errorString()};
    }
    const QByteArray bytes = file.readAll();
    office::ZipPackage package(info.fileName());
    package.setPart(info.fileName(), bytes);
    const Result<QByteArray> packed = package.toBytes();
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return databaseFailure(db);
    }
    if (!db.exec(QStringLiteral("insert into tb_File (fileName,fExt,Binfile,ziped) values "
                                "(?,?,?,?)"),
                 {info.fileName(), QString(u'.' + info.suffix().toLower()),
                  packed ? *packed : bytes, packed.ok()})) {
        return databaseFailure(db);
    }
    const int id = static_cast<int>(db.lastInsertId());
    if (!db.exec(QStringLiteral("Insert into tb_filelink (dxType,dxid,fileid) VALUES (1,?,?)"),
                 {cadreId, id}) ||
        !transaction.commit()) {
        return databaseFailure(db);
    }
    return id;
}

Result<void> deleteDocument(db::Database& db, int cadreId, int documentId) {
    db::Transaction transaction(db);
    if (!transaction.isActive() ||
        !db.exec(QStringLiteral("delete from tb_fileLink where fileid=? and dxid=?"),
                 {documentId, cadreId})) {
        return databaseFailure(db);
    }
    if (db.changes() == 0) {
        return Failure{kDocumentGone, {}};
    }
    if (!db.exec(QStringLiteral("delete from tb_file where id=?"), {documentId}) ||
        !transaction.commit()) {
        return databaseFailure(db);
    }
    return {};
}

Result<void> renameDocument(db::Database& db, int cadreId, int documentId, const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) {
        return {};
    }
    const auto row = linkedDocument(db, cadreId, documentId);
    if (!row) {
        return databaseFailure(db);
    }
    if (row->rows.empty()) {
        return Failure{kDocumentGone, {}};
    }
    if (!db.exec(QStringLiteral("update tb_File set fileName=? where id=?"),
                 {trimmed, documentId})) {
        return databaseFailure(db);
    }
    return {};
}

Result<DocumentContent> documentContent(db::Database& db, int cadreId, int documentId) {
    const auto row = linkedDocument(db, cadreId, documentId);
    if (!row) {
        return databaseFailure(db);
    }
    if (row->rows.empty()) {
        return Failure{kDocumentGone, {}};
    }
    DocumentContent content;
    content.fileName = row->value(0, QStringLiteral("fileName")).toString();
    const QByteArray stored = row->value(0, QStringLiteral("Binfile")).toByteArray();
    if (!row->value(0, QStringLiteral("ziped")).toBool()) {
        content.bytes = stored;
        return content;
    }
    const auto package = office::ZipPackage::fromBytes(stored, content.fileName);
    if (!package || package->partNames().isEmpty()) {
        return Failure{kUnpackFailed, package ? QString() : package.errorText()};
    }
    const auto bytes = package->part(package->partNames().first());
    if (!bytes) {
        return Failure{kUnpackFailed, bytes.errorText()};
    }
    content.bytes = *bytes;
    return content;
}

Result<void> saveDocument(db::Database& db, int cadreId, int documentId, const QString& path) {
    const auto content = documentContent(db, cadreId, documentId);
    if (!content) {
        return content.failure();
    }
    return office::writeFileAtomically(path, content->bytes);
}

Result<QString> extractDocument(db::Database& db, int cadreId, int documentId,
                                const QString& tempDir) {
    const auto content = documentContent(db, cadreId, documentId);
    if (!content) {
        return content.failure();
    }
    QDir().mkpath(tempDir);
    QTemporaryDir folder(QDir(tempDir).filePath(QStringLiteral("doc-XXXXXX")));
    if (!folder.isValid()) {
        return Failure{kDocumentUnreadable, folder.errorString()};
    }
    // The folder stays for the desktop's program to read from.
    folder.setAutoRemove(false);
    const QString path = QDir(folder.path()).filePath(safeFileName(content->fileName));
    const Result<void> written = office::writeFileAtomically(path, content->bytes);
    if (!written) {
        return written.failure();
    }
    return path;
}

}  // namespace cadre

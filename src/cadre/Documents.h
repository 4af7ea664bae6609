#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "db/Result.h"

namespace db {
class Database;
}

// The documents attached to a cadre: each file is kept packed (a ZIP archive of the one file)
// in tb_File and linked to the cadre by a tb_fileLink row of kind 1.
namespace cadre {

inline const QString kSelectDocumentToDelete = QStringLiteral("请选择要删除的文件");
inline const QString kDeleteDocumentQuestion = QStringLiteral("确认删除该文档？");
inline const QString kSelectDocumentToOpen = QStringLiteral("请选择要打开的文档!");
inline const QString kSelectDocumentToSave = QStringLiteral("请选择要保存的文档!");
inline const QString kDocumentSaved = QStringLiteral("文档已经保存到指定位置!");
inline const QString kUnpackFailed = QStringLiteral("解压失败!");
inline const QString kDocumentTooLarge =
    QStringLiteral("文档超过50MB，无法存入数据库，请压缩或拆分后再添加。");
inline const QString kDocumentUnreadable = QStringLiteral("无法读取该文档。");
inline const QString kDocumentGone = QStringLiteral("该文档已不存在。");

// The largest file that is stored.
constexpr qint64 kMaxDocumentBytes = 50LL * 1024 * 1024;

// A stored document as the list shows it.
struct StoredDocument {
    int id = 0;
    QString fileName;
    QString extension;  // lower case, with the dot (".doc")
};

// The documents linked to the cadre, in stored order.
Result<QList<StoredDocument>> cadreDocuments(db::Database& db, int cadreId);

// Stores the file at `path` packed and links it to the cadre, in one transaction. A file larger
// than kMaxDocumentBytes is refused with kDocumentTooLarge, one that cannot be read with
// kDocumentUnreadable. The value is the document's id.
Result<int> addDocument(db::Database& db, int cadreId, const QString& path);

// Deletes the cadre's link to the document and the document.
Result<void> deleteDocument(db::Database& db, int cadreId, int documentId);

// Gives the document another file name; a blank name changes nothing.
Result<void> renameDocument(db::Database& db, int cadreId, int documentId, const QString& name);

// The document's own bytes with its file name: unpacked when stored packed; a damaged archive
// gives kUnpackFailed.
struct DocumentContent {
    QString fileName;
    QByteArray bytes;
};
Result<DocumentContent> documentContent(db::Database& db, int cadreId, int documentId);

// Writes the document to `path`.
Result<void> saveDocument(db::Database& db, int cadreId, int documentId, const QString& path);

// Writes the document into a fresh folder below `tempDir` under its own file name and gives the
// file's path, for opening with the desktop's program.
Result<QString> extractDocument(db::Database& db, int cadreId, int documentId,
                                const QString& tempDir);

}  // namespace cadre

#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

#include "exchange/TableSource.h"

// Reads Access (Jet) files: Jet 3 and Jet 4 .mdb files and ACE .accdb files, through mdbtools'
// libmdb. Only user tables are offered; the file is opened read-only and never written. Text of
// a Jet 4 file is UCS-2 (compressed or not); text of a Jet 3 file is in the code page the file
// names, GBK when it names none.
namespace exchange {

inline const QString kNotAnAccessFile = QStringLiteral("所选文件不是Access数据库：");
inline const QString kDamagedAccessFile = QStringLiteral("Access数据库文件已损坏，无法读取：");
inline const QString kNoSuchAccessTable = QStringLiteral("Access数据库中没有数据表：");

inline const QString kAccessReadStopped =
    QStringLiteral("读取Access数据库时超时或异常中止，文件可能已损坏。");

class AccessFile final : public TableSource {
  public:
    // Opens `path` and reads its catalogue of tables and columns. libmdb does not survive every
    // damaged file (some make it loop for ever or crash), so the whole file is first read once in
    // a child process with `timeLimit` and a bound on its memory; a child that does not end
    // well within them refuses the file with kAccessReadStopped. What libmdb writes to standard
    // error in the child (a damaged file can make it repeat a warning without end) is not passed
    // on: a refusal's details give the number of its lines and the first few. The default limit
    // grows with the file's size.
    static Result<std::unique_ptr<AccessFile>> open(const QString& path);
    static Result<std::unique_ptr<AccessFile>> open(const QString& path,
                                                    std::chrono::milliseconds timeLimit);
    ~AccessFile() override;

    AccessFile(const AccessFile&) = delete;
    AccessFile& operator=(const AccessFile&) = delete;

    const std::vector<SourceTable>& tables() const override { return tables_; }
    Result<void> readRows(const QString& table, const RowSink& sink) override;

  private:
    struct Handle;
    AccessFile(std::unique_ptr<Handle> handle, QString path);
    // Opens without the trial reading.
    static Result<std::unique_ptr<AccessFile>> openHere(const QString& path);
    Result<void> readCatalogue();
    // Reads every row of every table, keeping nothing.
    Result<void> readAll();

    std::unique_ptr<Handle> handle_;
    QString path_;
    std::vector<SourceTable> tables_;
};

// Opens an Access file as a table source (AccessFile::open).
using SourceOpener = std::function<Result<std::unique_ptr<TableSource>>(const QString& path)>;
Result<std::unique_ptr<TableSource>> openAccessSource(const QString& path);

// The picture inside an OLE object field: Access wraps pictures pasted into a form in an OLE
// header ("Bitmap Image", "Paintbrush Picture" ...); the bytes from the start of the JPEG, PNG,
// GIF or BMP data are kept. Anything else is returned as it stands.
QByteArray unwrapOlePicture(const QByteArray& field);

}  // namespace exchange

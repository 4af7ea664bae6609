#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>
#include <set>

#include "db/Result.h"

// A ZIP package held in memory: the container of .docx, .xlsx and .pptx documents (and of
// any other zipped file). Opening reads every entry at once, so a package never depends on
// its file afterwards; parts are replaced, added and removed in memory and written out as a
// complete new archive.
//
// Part names are the entry names inside the archive ("word/document.xml"), without a leading
// slash. Every failure names the file (`name()`) so that the caller can show it as it stands.
namespace office {

// Limits that keep a malformed or hostile archive from exhausting memory.
constexpr qint64 kMaxPartBytes = 256LL * 1024 * 1024;
constexpr qint64 kMaxPackageBytes = 1024LL * 1024 * 1024;
constexpr int kMaxParts = 10000;

class ZipPackage {
  public:
    // An empty package named `name` (used in messages), to be filled with setPart.
    explicit ZipPackage(QString name = {});

    // Reads the archive at `path`. Fails when the file cannot be read, is not a ZIP archive,
    // an entry is damaged (checksum, compression) or the archive exceeds the limits above.
    static Result<ZipPackage> open(const QString& path);

    // Reads an archive held in memory; `name` is what messages call it (a file name).
    static Result<ZipPackage> fromBytes(const QByteArray& bytes, const QString& name);

    // The file name used in messages: the base name of the opened path, or the given name.
    const QString& name() const { return name_; }

    // The part names in archive order (parts added later come last).
    QStringList partNames() const;

    // Whether the package has the part; names compare exactly, then ignoring case (OOXML
    // part names are case-insensitive).
    bool contains(const QString& part) const;

    // The bytes of a part; fails, naming the part and the file, when it is missing.
    Result<QByteArray> part(const QString& part) const;

    // Replaces the part's bytes, or adds the part at the end when it is new.
    void setPart(const QString& part, QByteArray bytes);

    // Removes the part; nothing happens when there is none.
    void removePart(const QString& part);

    // The whole package as a new ZIP archive, in archive order: parts set or added since
    // reading are deflated anew, the others are copied as they were compressed.
    Result<QByteArray> toBytes() const;

    // Writes the archive to `path`: a temporary file in the same folder is written completely
    // and then renamed over `path`, so `path` is never left half written. A failure leaves an
    // existing file at `path` as it was.
    Result<void> save(const QString& path) const;

  private:
    const QString* findName(const QString& part) const;

    QString name_;
    QByteArray original_;  // the archive the package was read from, if any
    QStringList order_;
    std::map<QString, QByteArray> parts_;
    std::set<QString> changed_;  // parts set since reading (all parts of a new package)
};

// Writes `bytes` to `path` through a temporary file in the same folder that replaces `path`
// only once it is complete. Failures name the file.
Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace office

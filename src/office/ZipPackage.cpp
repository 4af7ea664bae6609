#include "office/ZipPackage.h"

#include <zip.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>

namespace office {

namespace {

const QString kNotZip =
    QStringLiteral("文件“%1”不是有效的Office文档（无法作为ZIP压缩包读取：%2）。");
const QString kDamagedEntry = QStringLiteral("文件“%1”已损坏：无法读取其中的“%2”（%3）。");
const QString kTooLarge = QStringLiteral("文件“%1”过大或包含过多部件，无法读取。");
const QString kMissingPart = QStringLiteral("文件“%1”缺少部件“%2”，不是完整的Office文档。");
const QString kCannotRead = QStringLiteral("无法读取文件“%1”：%2");
const QString kCannotWrite = QStringLiteral("无法写入文件“%1”：%2");
const QString kCannotPack = QStringLiteral("无法生成文件“%1”：%2");

QString zipErrorText(zip_error_t* error) {
    return QString::fromLocal8Bit(zip_error_strerror(error));
}

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

struct EntryCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using Entry = std::unique_ptr<zip_file_t, EntryCloser>;

}  // namespace

ZipPackage::ZipPackage(QString name) : name_(std::move(name)) {}

Result<ZipPackage> ZipPackage::open(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Failure{kCannotRead.arg(name, file.errorString()), {}};
    }
    if (file.size() > kMaxPackageBytes) {
        return Failure{kTooLarge.arg(name), {}};
    }
    return fromBytes(file.readAll(), name);
}

Result<ZipPackage> ZipPackage::fromBytes(const QByteArray& bytes, const QString& name) {
    if (bytes.isEmpty()) {
        return Failure{kNotZip.arg(name, QStringLiteral("文件为空")), {}};
    }
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.constData(), bytes.size(), 0, &error);
    if (!source) {
        const QString text = zipErrorText(&error);
        zip_error_fini(&error);
        return Failure{kNotZip.arg(name, text), {}};
    }
    Archive archive(zip_open_from_source(source, ZIP_RDONLY, &error));
    if (!archive) {
        zip_source_free(source);
        const QString text = zipErrorText(&error);
        zip_error_fini(&error);
        return Failure{kNotZip.arg(name, text), {}};
    }
    zip_error_fini(&error);

    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (count < 0 || count > kMaxParts) {
        return Failure{kTooLarge.arg(name), {}};
    }
    ZipPackage package(name);
    package.original_ = bytes;
    qint64 total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive.get(), i, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME)) {
            return Failure{kNotZip.arg(name, zipErrorText(zip_get_error(archive.get()))), {}};
        }
        const QString entryName = QString::fromUtf8(stat.name);
        if (entryName.endsWith(u'/')) {
            continue;  // a folder entry carries no part
        }
        if (!(stat.valid & ZIP_STAT_SIZE) || stat.size > quint64(kMaxPartBytes) ||
            total + qint64(stat.size) > kMaxPackageBytes) {
            return Failure{kTooLarge.arg(name), {}};
        }
        Entry entry(zip_fopen_index(archive.get(), i, 0));
        if (!entry) {
            return Failure{
                kDamagedEntry.arg(name, entryName, zipErrorText(zip_get_error(archive.get()))), {}};
        }
        QByteArray data(qsizetype(stat.size), Qt::Uninitialized);
        qint64 read = 0;
        while (read < data.size()) {
            const zip_int64_t got = zip_fread(entry.get(), data.data() + read, data.size() - read);
            if (got < 0) {
                return Failure{kDamagedEntry.arg(name, entryName,
                                                 zipErrorText(zip_file_get_error(entry.get()))),
                               {}};
            }
            if (got == 0) {
                return Failure{kDamagedEntry.arg(name, entryName, QStringLiteral("长度不符")), {}};
            }
            read += got;
        }
        // Reading to the end checks the entry's checksum.
        char probe;
        if (zip_fread(entry.get(), &probe, 1) != 0) {
            return Failure{
                kDamagedEntry.arg(name, entryName, zipErrorText(zip_file_get_error(entry.get()))),
                {}};
        }
        total += data.size();
        package.order_.append(entryName);
        package.parts_[entryName] = std::move(data);
    }
    return package;
}

QStringList ZipPackage::partNames() const {
    return order_;
}

const QString* ZipPackage::findName(const QString& part) const {
    if (parts_.count(part)) {
        for (const QString& existing : order_) {
            if (existing == part) {
                return &existing;
            }
        }
    }
    for (const QString& existing : order_) {
        if (existing.compare(part, Qt::CaseInsensitive) == 0) {
            return &existing;
        }
    }
    return nullptr;
}

bool ZipPackage::contains(const QString& part) const {
    return findName(part) != nullptr;
}

Result<QByteArray> ZipPackage::part(const QString& part) const {
    const QString* found = findName(part);
    if (!found) {
        return Failure{kMissingPart.arg(name_, part), {}};
    }
    return parts_.at(*found);
}

void ZipPackage::setPart(const QString& part, QByteArray bytes) {
    if (const QString* found = findName(part)) {
        changed_.insert(*found);
        parts_[*found] = std::move(bytes);
        return;
    }
    order_.append(part);
    changed_.insert(part);
    parts_[part] = std::move(bytes);
}

void ZipPackage::removePart(const QString& part) {
    const QString* found = findName(part);
    if (!found) {
        return;
    }
    const QString key = *found;
    parts_.erase(key);
    changed_.erase(key);
    order_.removeOne(key);
}

Result<QByteArray> ZipPackage::toBytes() const {
    zip_error_t error;
    zip_error_init(&error);
    // Parts nobody changed since reading are copied from the original archive as they were
    // compressed; the rest are deflated anew.
    Archive original;
    if (!original_.isEmpty()) {
        zip_source_t* source =
            zip_source_buffer_create(original_.constData(), original_.size(), 0, &error);
        original.reset(source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr);
        if (!original) {
            zip_source_free(source);
        }
    }
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!target) {
        const QString text = zipErrorText(&error);
        zip_error_fini(&error);
        return Failure{kCannotPack.arg(name_, text), {}};
    }
    zip_source_keep(target);
    zip_t* archive = zip_open_from_source(target, ZIP_TRUNCATE, &error);
    if (!archive) {
        const QString text = zipErrorText(&error);
        zip_error_fini(&error);
        zip_source_free(target);
        return Failure{kCannotPack.arg(name_, text), {}};
    }
    zip_error_fini(&error);
    const auto fail = [&]() -> Result<QByteArray> {
        const QString text = zipErrorText(zip_get_error(archive));
        zip_discard(archive);
        zip_source_free(target);
        return Failure{kCannotPack.arg(name_, text), {}};
    };

    for (const QString& partName : order_) {
        const QByteArray utf8Name = partName.toUtf8();
        const zip_int64_t unchanged =
            original && !changed_.count(partName)
                ? zip_name_locate(original.get(), utf8Name.constData(), ZIP_FL_ENC_RAW)
                : -1;
        zip_source_t* source = nullptr;
        if (unchanged >= 0) {
            source = zip_source_zip(archive, original.get(), zip_uint64_t(unchanged),
                                    ZIP_FL_COMPRESSED, 0, -1);
        } else {
            const QByteArray& data = parts_.at(partName);
            source = zip_source_buffer(archive, data.constData(), data.size(), 0);
        }
        if (!source) {
            return fail();
        }
        if (zip_file_add(archive, utf8Name.constData(), source,
                         ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            return fail();
        }
    }
    if (zip_close(archive) != 0) {
        return fail();
    }

    QByteArray bytes;
    bool ok = zip_source_open(target) == 0;
    if (ok) {
        ok = zip_source_seek(target, 0, SEEK_END) == 0;
        const zip_int64_t size = ok ? zip_source_tell(target) : -1;
        ok = ok && size >= 0 && zip_source_seek(target, 0, SEEK_SET) == 0;
        if (ok) {
            bytes.resize(qsizetype(size));
            ok = zip_source_read(target, bytes.data(), size) == size;
        }
        zip_source_close(target);
    }
    const QString text = zipErrorText(zip_source_error(target));
    zip_source_free(target);
    if (!ok) {
        return Failure{kCannotPack.arg(name_, text), {}};
    }
    return bytes;
}

Result<void> ZipPackage::save(const QString& path) const {
    Result<QByteArray> bytes = toBytes();
    if (!bytes) {
        return bytes.failure();
    }
    return writeFileAtomically(path, *bytes);
}

Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return Failure{kCannotWrite.arg(QFileInfo(path).fileName(), file.errorString()), {}};
    }
    return {};
}

}  // namespace office

#include "appointment/LrmFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include "appointment/LrmxFile.h"
#include "text/Gbk.h"

namespace appointment {

namespace {

const QString kLrmxSuffix = QStringLiteral("lrmx");

bool isLrmx(const QString& path) {
    return QFileInfo(path).suffix().compare(kLrmxSuffix, Qt::CaseInsensitive) == 0;
}

// The bytes of the file `path`, refused when missing, unreadable or too large.
Result<QByteArray> readBounded(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return Failure{kLrmFileMissing, {}};
    }
    if (file.size() > kLrmMaxFileSize) {
        return Failure{kLrmTooLarge, {}};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return Failure{kLrmUnreadable + file.errorString(), {}};
    }
    return file.readAll();
}

// The photo beside the ".lrm" file `path`: "<base>.pic", else ".bmp", else ".jpg"; empty bytes
// when there is none.
Result<QByteArray> photoBeside(const QString& path) {
    const QFileInfo info(path);
    const QDir folder = info.dir();
    for (const char* suffix : {".pic", ".bmp", ".jpg"}) {
        const QString photoPath =
            folder.filePath(info.completeBaseName() + QString::fromLatin1(suffix));
        if (QFileInfo::exists(photoPath)) {
            return readBounded(photoPath);
        }
    }
    return QByteArray();
}

Result<void> writeWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return Failure{kLrmNotWritten + path + u' ' + file.errorString(), {}};
    }
    return {};
}

}  // namespace

QString decodeLrmBytes(const QByteArray& bytes) {
    static const QByteArray bom("\xEF\xBB\xBF");
    if (bytes.startsWith(bom)) {
        return QString::fromUtf8(bytes.mid(bom.size()));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString asUtf8 = utf8.decode(bytes);
    if (!utf8.hasError()) {
        return asUtf8;
    }
    QStringDecoder gb18030("GB18030");
    return gb18030.decode(bytes);
}

LrmValues parseLrmText(const QString& text) {
    LrmValues result;
    bool inside = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'"') {
            continue;
        }
        if (inside) {
            result.values << text.mid(start, i - start);
        } else {
            start = i + 1;
        }
        inside = !inside;
    }
    result.unbalanced = inside;
    return result;
}

QString lrmText(const QStringList& values) {
    QStringList quoted;
    for (int i = 0; i < kLrmValueCount; ++i) {
        QString value = i < values.size() ? values.at(i) : QString();
        value.replace(u'"', QChar(0xFF02));
        quoted << u'"' + value + u'"';
    }
    return quoted.join(u',');
}

QByteArray lrmBytes(const QStringList& values) {
    return text::toGbk(lrmText(values));
}

Result<LrmRecord> readLrmRecord(const QString& path) {
    const Result<QByteArray> bytes = readBounded(path);
    if (!bytes) {
        return bytes.failure();
    }
    if (isLrmx(path)) {
        return parseLrmx(*bytes);
    }
    const QString text = decodeLrmBytes(*bytes);
    if (text.contains(QChar::ReplacementCharacter)) {
        return Failure{kLrmBadEncoding, {}};
    }
    LrmValues parsed = parseLrmText(text);
    if (parsed.unbalanced) {
        return Failure{kLrmUnbalanced, {}};
    }
    if (parsed.values.isEmpty()) {
        return Failure{kLrmNoValues, {}};
    }
    Result<QByteArray> photo = photoBeside(path);
    if (!photo) {
        return photo.failure();
    }
    LrmRecord record;
    record.values = parsed.values.mid(0, kLrmValueCount);
    record.photo = std::move(*photo);
    return record;
}

Result<void> writeLrmRecord(const QString& path, const LrmRecord& record) {
    if (isLrmx(path)) {
        return writeWhole(path, lrmxBytes(record));
    }
    if (const Result<void> written = writeWhole(path, lrmBytes(record.values)); !written) {
        return written;
    }
    if (record.photo.isEmpty()) {
        return {};
    }
    const QFileInfo info(path);
    return writeWhole(info.dir().filePath(info.completeBaseName() + QStringLiteral(".pic")),
                      record.photo);
}

QStringList lrmFilesOfFolder(const QString& folder) {
    QStringList files;
    const QFileInfoList entries = QDir(folder).entryInfoList(
        {QStringLiteral("*.lrm"), QStringLiteral("*.lrmx")}, QDir::Files, QDir::Name);
    for (const QFileInfo& entry : entries) {
        files << entry.filePath();
    }
    return files;
}

}  // namespace appointment

#include "cadre/Photo.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QVariant>
#include <algorithm>

#include "app/DataModule.h"
#include "cadre/CadreRecord.h"
#include "db/Database.h"

namespace cadre {

namespace {

// JPEG quality of stored photos: a passport-size picture stays sharp at a few tens of KB.
constexpr int kJpegQuality = 90;

// numerator / denominator rounded half up, for positive values.
qint64 roundedQuotient(qint64 numerator, qint64 denominator) {
    return (2 * numerator + denominator) / (2 * denominator);
}

int atLeastOne(qint64 value) {
    return static_cast<int>(std::max<qint64>(1, value));
}

QByteArray formatForSuffix(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) {
        return QByteArrayLiteral("jpeg");
    }
    if (suffix == QLatin1String("png")) {
        return QByteArrayLiteral("png");
    }
    return QByteArrayLiteral("bmp");
}

}  // namespace

QSize photoTargetSize(const QSize& source) {
    if (source.isEmpty()) {
        return {};
    }
    const qint64 w = source.width();
    const qint64 h = source.height();
    // rw = w / 240 and rh = h / 300 are compared as w * 300 against h * 240, so that equal
    // ratios are recognised exactly.
    const qint64 wScaled = w * kPhotoHeight;
    const qint64 hScaled = h * kPhotoWidth;
    if (wScaled < hScaled) {
        // w / rh = w * 300 / h
        return {atLeastOne(roundedQuotient(w * kPhotoHeight, h)), kPhotoHeight};
    }
    if (wScaled > hScaled) {
        // h / rw = h * 240 / w
        return {kPhotoWidth, atLeastOne(roundedQuotient(h * kPhotoWidth, w))};
    }
    return {kPhotoWidth, kPhotoHeight};
}

QImage scalePhoto(const QImage& source) {
    const QSize target = photoTargetSize(source.size());
    if (source.isNull() || target.isEmpty()) {
        return {};
    }
    const QImage stretched = source.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage opaque(target, QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, stretched);
    painter.end();
    return opaque;
}

Result<QImage> importPhotoFile(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull() || image.size().isEmpty()) {
        return Failure{QStringLiteral("无法读取图片文件“%1”：%2")
                           .arg(QFileInfo(path).fileName(), reader.errorString()),
                       {}};
    }
    return scalePhoto(image);
}

QByteArray encodePhoto(const QImage& image) {
    if (image.isNull()) {
        return {};
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) {
        return {};
    }
    QImageWriter writer(&buffer, QByteArrayLiteral("jpeg"));
    writer.setQuality(kJpegQuality);
    if (!writer.write(image)) {
        return {};
    }
    buffer.close();
    return bytes;
}

QImage decodePhoto(const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        return {};
    }
    QImage image;
    image.loadFromData(bytes);
    return image;
}

Result<QByteArray> readPhoto(TDataM& dm, int cadreId) {
    const auto result =
        dm.db().query(QStringLiteral("select photo from tb_cadre where CadreID=?"), {cadreId});
    if (!result) {
        return Failure{{}, dm.db().lastError()};
    }
    if (result->rows.empty()) {
        return Failure{kCadreMissing, {}};
    }
    const QVariant value = result->rows.front().value(0);
    return value.isNull() ? QByteArray() : value.toByteArray();
}

Result<void> writePhoto(TDataM& dm, int cadreId, const QByteArray& jpeg) {
    if (!jpeg.isEmpty() && decodePhoto(jpeg).isNull()) {
        return Failure{QStringLiteral("照片数据不是可以识别的图片，未保存。"), {}};
    }
    db::Database& db = dm.db();
    const QVariant value = jpeg.isEmpty() ? QVariant() : QVariant(jpeg);
    if (!db.exec(QStringLiteral("update tb_cadre set photo=? where CadreID=?"), {value, cadreId})) {
        return Failure{{}, db.lastError()};
    }
    if (db.changes() == 0) {
        return Failure{QStringLiteral("干部记录不存在，照片未保存。"), {}};
    }
    return {};
}

Result<void> clearPhoto(TDataM& dm, int cadreId) {
    return writePhoto(dm, cadreId, {});
}

Result<void> exportPhoto(const QImage& image, const QString& path) {
    if (image.isNull()) {
        return Failure{QStringLiteral("没有可以导出的照片。"), {}};
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Failure{QStringLiteral("无法写入文件“%1”：%2").arg(path, file.errorString()), {}};
    }
    QImageWriter writer(&file, formatForSuffix(path));
    if (writer.format() == "jpeg") {
        writer.setQuality(kJpegQuality);
    }
    if (!writer.write(image)) {
        file.cancelWriting();
        return Failure{QStringLiteral("无法写入文件“%1”：%2").arg(path, writer.errorString()), {}};
    }
    if (!file.commit()) {
        return Failure{QStringLiteral("无法写入文件“%1”：%2").arg(path, file.errorString()), {}};
    }
    return {};
}

}  // namespace cadre

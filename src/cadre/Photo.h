#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

#include "db/Result.h"

class TDataM;

// The cadre's photo: one JPEG picture in tb_cadre.photo (NULL when there is none) that fits
// within 240 × 300 pixels.
namespace cadre {

inline constexpr int kPhotoWidth = 240;
inline constexpr int kPhotoHeight = 300;

// The size an imported picture of `source` size is stretched to. With rw = w / 240 and
// rh = h / 300: rw < rh gives (w / rh rounded, 300), rw > rh gives (240, h / rw rounded), and
// equal ratios give (240, 300); small pictures are enlarged the same way. A side never drops
// below one pixel. An empty size stays empty.
QSize photoTargetSize(const QSize& source);

// `source` stretched to photoTargetSize() by dropping or repeating pixels (no smoothing), on an
// opaque white ground, so that transparent parts of a PNG do not turn black in the JPEG.
QImage scalePhoto(const QImage& source);

// Reads the picture file at `path` (JPEG, BMP or PNG) and scales it. A file that cannot be read
// as a picture is refused with the reason.
Result<QImage> importPhotoFile(const QString& path);

// The JPEG bytes stored for `image`; empty for a null image or when encoding fails.
QByteArray encodePhoto(const QImage& image);
// The picture held by stored bytes; a null image when the bytes are empty or not a picture.
QImage decodePhoto(const QByteArray& bytes);

// The stored photo of cadre `cadreId`: empty bytes when the column is NULL; kCadreMissing when
// there is no such cadre.
Result<QByteArray> readPhoto(TDataM& dm, int cadreId);

// Stores `jpeg` as the photo of cadre `cadreId`, bound as a parameter; empty bytes store NULL.
// Bytes that do not decode as a picture are refused and nothing written; so is a cadre that
// does not exist.
Result<void> writePhoto(TDataM& dm, int cadreId, const QByteArray& jpeg);

// Sets the photo of cadre `cadreId` to NULL.
Result<void> clearPhoto(TDataM& dm, int cadreId);

// Writes `image` to the file `path` in the format its suffix names (".jpg"/".jpeg" JPEG, ".png"
// PNG, anything else BMP). The file is replaced only when the whole picture was written; on
// failure an existing file is left as it was.
Result<void> exportPhoto(const QImage& image, const QString& path);

}  // namespace cadre

#include "cadre/ResumeDocument.h"

#include <QBuffer>
#include <QDir>

#include "office/DocxDocument.h"
#include "report/PageLayout.h"
#include "text/FileNames.h"

namespace cadre {

namespace {

// The photo's margin inside its cell, in mm on every side.
constexpr double kPhotoMargin = 1.5;

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

Result<void> placePhoto(office::DocxDocument& doc, const QImage& photo) {
    const Result<double> width = doc.cellWidthMm(1, 2, 2);
    const Result<double> height = doc.cellHeightMm(1, 2, 2);
    if (!width) {
        return width.failure();
    }
    if (!height) {
        return height.failure();
    }
    QSizeF size = photo.size();
    size.scale(*width - 2 * kPhotoMargin, *height - 2 * kPhotoMargin, Qt::KeepAspectRatio);
    return doc.setCellPicture(1, 2, 2, pngBytes(photo), size.width(), size.height());
}

}  // namespace

Result<QString> writeResumeDocument(const ResumePrintData& data, const QString& templatePath,
                                    const QString& folder) {
    Result<office::DocxDocument> opened = office::DocxDocument::open(templatePath);
    if (!opened) {
        return opened.failure();
    }
    office::DocxDocument& doc = *opened;
    for (const Result<void>& written :
         {doc.setCellText(1, 1, 1, resumeTitle(data.summary)),
          doc.setCellText(1, 2, 1, report::withLineFeeds(CadreSummaryText(data.summary, true))),
          doc.setCellText(1, 3, 1, report::withLineFeeds(data.resume))}) {
        if (!written) {
            return written.failure();
        }
    }
    if (!data.photo.isNull()) {
        const Result<void> placed = placePhoto(doc, data.photo);
        if (!placed) {
            return placed.failure();
        }
    }
    if (!QDir().mkpath(folder)) {
        return Failure{QStringLiteral("无法建立文件夹：") + folder, {}};
    }
    const QString path =
        QDir(folder).filePath(text::documentFileName(data.summary.xm, QStringLiteral(".docx")));
    const Result<void> saved = doc.save(path);
    if (!saved) {
        return saved.failure();
    }
    return path;
}

}  // namespace cadre

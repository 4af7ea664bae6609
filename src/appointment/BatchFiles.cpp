#include "appointment/BatchFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/DataModule.h"
#include "cadre/Photo.h"
#include "cadre/ResumeDocument.h"
#include "db/Database.h"
#include "text/FileNames.h"

namespace appointment {

namespace {

// The name of cadre `cadreId`; an invalid QVariant when the cadre is gone.
Result<QVariant> cadreName(TDataM& dm, int cadreId) {
    return dm.db().scalar(QStringLiteral("select xm from tb_cadre where CadreID=?"), {cadreId});
}

}  // namespace

Result<BatchFiles> batchPhotos(TDataM& dm, const QList<int>& cadreIds, const QString& folder,
                               const BatchProgress& progress) {
    if (!QDir().mkpath(folder)) {
        return Failure{QStringLiteral("无法建立文件夹：") + folder, {}};
    }
    BatchFiles files;
    text::BatchFileNames names(folder);
    int done = 0;
    for (const int cadreId : cadreIds) {
        const Result<QVariant> name = cadreName(dm, cadreId);
        if (!name) {
            return name.failure();
        }
        if (name->isValid()) {
            const Result<QByteArray> bytes = cadre::readPhoto(dm, cadreId);
            if (!bytes) {
                return bytes.failure();
            }
            const QImage photo = cadre::decodePhoto(*bytes);
            if (photo.isNull()) {
                files.skipped << name->toString();
            } else {
                const QString path = names.claim(name->toString(), QStringLiteral(".jpg"));
                if (const Result<void> saved = cadre::exportPhoto(photo, path); !saved) {
                    return saved.failure();
                }
                files.written << path;
            }
        }
        if (progress && !progress(++done)) {
            break;
        }
    }
    return files;
}

Result<BatchFiles> batchResumes(TDataM& dm, const QList<int>& cadreIds, const QString& templatePath,
                                const QString& folder, const BatchProgress& progress) {
    if (!QDir().mkpath(folder)) {
        return Failure{QStringLiteral("无法建立文件夹：") + folder, {}};
    }
    // Each resume is written under the cadre's name first, then given its own name, so that a
    // cadre's approval form <xm>.docx in the same folder stays as it is.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        return Failure{QStringLiteral("无法建立临时文件夹。"), {}};
    }
    BatchFiles files;
    text::BatchFileNames names(folder);
    int done = 0;
    for (const int cadreId : cadreIds) {
        const Result<QVariant> name = cadreName(dm, cadreId);
        if (!name) {
            return name.failure();
        }
        if (name->isValid()) {
            const Result<cadre::ResumePrintData> data = cadre::readResumePrintData(dm, cadreId);
            if (!data) {
                return data.failure();
            }
            const Result<QString> made =
                cadre::writeResumeDocument(*data, templatePath, scratch.path());
            if (!made) {
                return made.failure();
            }
            const QString path =
                names.claim(name->toString() + QStringLiteral("同志简历"), QStringLiteral(".docx"));
            QFile::remove(path);
            if (!QFile::rename(*made, path)) {
                return Failure{QStringLiteral("无法写入文件：") + path, {}};
            }
            files.written << path;
        }
        if (progress && !progress(++done)) {
            break;
        }
    }
    return files;
}

}  // namespace appointment

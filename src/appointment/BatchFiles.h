#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "appointment/BatchForms.h"
#include "db/Result.h"

class TDataM;

// The files a batch output writes per cadre besides the forms: the photo and the text resume.
namespace appointment {

inline const QString kCadresWithoutPhoto = QStringLiteral("以下干部没有照片，未输出照片：");

// What a batch of files did: the paths written and the names of the cadres left out.
struct BatchFiles {
    QStringList written;
    QStringList skipped;
};

// Writes the photo of each of `cadreIds` into `folder` (made when missing) as <xm>.jpg. A cadre
// without a photo is named in `skipped`; a cadre that is gone is left out. A stopped batch gives
// the files written so far.
Result<BatchFiles> batchPhotos(TDataM& dm, const QList<int>& cadreIds, const QString& folder,
                               const BatchProgress& progress);

// Writes the text resume of each of `cadreIds` from the Word template `templatePath` into
// `folder` as <xm>同志简历.docx. A cadre that is gone is left out. A stopped batch gives the
// files written so far.
Result<BatchFiles> batchResumes(TDataM& dm, const QList<int>& cadreIds, const QString& templatePath,
                                const QString& folder, const BatchProgress& progress);

}  // namespace appointment

#pragma once

#include <QString>

#include "cadre/ResumePrintout.h"
#include "db/Result.h"

// The text resume of one cadre written into the Word template "文本型简历.docx".
namespace cadre {

// The Word template of the text resume, below the data folder's Word template folders.
inline const QString kResumeTemplate = QStringLiteral("文本型简历.docx");

// Fills the template `templatePath` with the resume of `data`: table 1, cell (1,1) the title,
// (2,1) the summary paragraph (with indent), (2,2) the photo as large as the cell allows while
// keeping its aspect ratio (left empty without a photo), (3,1) the resume text as stored (Word
// breaks its lines). The document is saved as <xm>.docx in `folder`, which is made when missing;
// the result is the file's path. A template that cannot be read or lacks those cells, and a
// folder or file that cannot be written, fail with a message naming the file.
Result<QString> writeResumeDocument(const ResumePrintData& data, const QString& templatePath,
                                    const QString& folder);

}  // namespace cadre

#pragma once

#include <QImage>
#include <QString>

#include "cadre/Resume.h"
#include "db/Result.h"
#include "report/PageLayout.h"

class TDataM;

// The printed text resume of one cadre ("干部简历（文本式）").
namespace cadre {

// What the printed resume shows of a cadre.
struct ResumePrintData {
    CadreSummary summary;
    QString resume;  // gzjl as stored
    QImage photo;    // null when the cadre has none
};

// What cadre `cadreId` shows in a printed resume, as stored. A failure when there is no such
// cadre or the database cannot be read.
Result<ResumePrintData> readResumePrintData(TDataM& dm, int cadreId);

// The page of the printed resume, 182 × 257 mm with margins of 12 mm at the left and 16 mm at
// the top: the title xm + "同志简历" centred in 仿宋_GB2312; the summary paragraph (with
// indent) at the left, beside the photo in a framed box at the right; below both the resume
// wrapped at kResumePrintWidth, continued on further pages as long as it runs.
report::Layout resumePrintout(const ResumePrintData& data);

// The title of a cadre's printed resume.
QString resumeTitle(const CadreSummary& summary);

}  // namespace cadre

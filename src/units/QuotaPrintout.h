#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "report/PageLayout.h"
#include "units/QuotaAnalysis.h"

// "输出超缺编表": the cells of the analysis whose actual number differs from the quota, one line
// each, as a printed table.
namespace units {

inline const QString kOverUnderTitle = QStringLiteral("超缺编表");

// One line of the table.
struct OverUnderLine {
    QString unitName;
    QString band;
    QString postName;
    int quota = 0;
    int actual = 0;
    QString state;  // "超编" or "缺编"
};

// The lines, in grid order (unit by unit, band by band).
std::vector<OverUnderLine> overUnderLines(const QStringList& bands,
                                          const std::vector<AnalysisRow>& rows);

// The table on A4 landscape pages: the title, a caption row repeated on every page and one framed
// row per line; quota mode has the column "职务名称". A table with no lines has one page saying so.
report::Layout overUnderLayout(AnalysisMode mode, const std::vector<OverUnderLine>& lines);

}  // namespace units

#pragma once

#include <QString>

#include "cadre/Assessments.h"
#include "report/PageLayout.h"

// The printed "干部考察简要情况表" of one inspection.
namespace cadre {

inline const QString kInspectionFormTitle = QStringLiteral("干部考察简要情况表");

// An A4 form: the title, then one framed row per field (a caption cell and its value) from the
// cadre's name to the remark; a row grows with its text, and rows that do not fit go on to a new
// page.
report::Layout inspectionPrintout(const Inspection& inspection, const QString& cadreName);

}  // namespace cadre

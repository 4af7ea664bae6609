#pragma once

#include <QByteArray>
#include <QString>
#include <pugixml.hpp>

#include "db/Result.h"
#include "office/Spreadsheet.h"
#include "office/ZipPackage.h"

// Pictures on worksheets, for XlsxWorkbook: the sheet's drawing part and its anchors.
namespace office::xlsx {

// Anchors a PNG or JPEG picture over `area` of the worksheet part `sheetPart`, whose parsed XML
// is `worksheet`: stretched from the area's top-left corner to its bottom-right corner, in the
// sheet's drawing part (created, with its relationship, content type and the sheet's
// <drawing> reference, when the sheet has none). `package` and `worksheet` change only when
// everything succeeds; the result tells whether `worksheet` changed.
Result<bool> anchorPicture(ZipPackage& package, const QString& sheetPart,
                           pugi::xml_document& worksheet, const CellRange& area,
                           const QByteArray& picture);

}  // namespace office::xlsx

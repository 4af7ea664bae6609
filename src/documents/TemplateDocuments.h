#pragma once

#include <QList>
#include <utility>

#include "db/Result.h"
#include "documents/TemplateScan.h"

namespace office {
class DocxDocument;
class PptxPresentation;
class XlsxWorkbook;
}  // namespace office

// Scanning whole template documents: every cell that may hold placeholders is scanned
// (scanCell), its known placeholders become items at the cell's place, and every cell with a
// placeholder, known or not, is blanked in the document.
namespace documents {

// Excel scans only the cells of the first 100 rows and 100 columns of each sheet.
inline constexpr int kScannedRows = 100;
inline constexpr int kScannedColumns = 100;

// The items of a workbook: `page` is the sheet number; text cells of each sheet's used range
// within the scanned rows and columns. The placeholder cells are blanked.
Result<QList<TemplateItem>> scanWorkbook(office::XlsxWorkbook& workbook);

// The items of a Word document: `page` is the table number (top-level tables of the body),
// `h`/`l` the row and Word's cell number in that row. The placeholder cells are blanked.
Result<QList<TemplateItem>> scanDocument(office::DocxDocument& document);

// The items of a presentation: `page` numbers the tables of all slides in turn (the tables of
// slide 1, then of slide 2 ...). The placeholder cells are blanked.
Result<QList<TemplateItem>> scanPresentation(office::PptxPresentation& presentation);

// The slide and the table on it of presentation table number `page` (as scanPresentation
// numbers them); a failure when the presentation has fewer tables.
Result<std::pair<int, int>> presentationTable(const office::PptxPresentation& presentation,
                                              int page);

}  // namespace documents

#pragma once

#include <QImage>
#include <QString>

#include "db/Result.h"
#include "report/PageLayout.h"

class QPainter;

// Drawing a layout (report/PageLayout.h) on a device: a PDF file, a picture, or any painter that
// the printer and the print preview hand out.
namespace report {

// Draws page `page` of `layout` with `painter`, whose device is the sheet of paper: its (0, 0)
// is the page's top-left corner and its logical resolution gives the millimetres. Cells whose
// text does not fit are clipped to their rectangle.
void paintPage(QPainter& painter, const Layout& layout, int page);

// Writes every page of `layout` into the PDF file `path`, which is replaced only when the whole
// document has been written. `title` goes into the file's properties.
Result<void> writePdf(const Layout& layout, const QString& path, const QString& title = {});

// Page `page` of `layout` as a white picture at `dpi` dots per inch.
QImage renderPage(const Layout& layout, int page, int dpi = 150);

}  // namespace report

#pragma once

#include <QString>

#include "report/PageLayout.h"

class QPrinter;
class QWidget;

// A printed form (report/PageLayout.h) on paper: the print preview and the printer.
namespace widgets {

// Prepares `printer` for the layout's paper size, without margins of its own (the layout keeps
// its margins), and draws every page on it. False when the printer cannot be drawn on.
bool printLayout(QPrinter& printer, const report::Layout& layout);

inline const QString kPdfSaved = QStringLiteral("PDF文件已保存。");

// Shows the print preview of `layout`, from which the user prints or saves the form as a PDF file
// ("保存为PDF"); `title` captions the window and names the file at first.
void previewLayout(const report::Layout& layout, const QString& title, QWidget* parent);

}  // namespace widgets

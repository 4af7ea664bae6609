#pragma once

#include <QString>
#include <QStringList>

#include "db/Result.h"

// Legacy binary Office files (.doc, .xls, .ppt and their template and WPS forms) made usable
// for the OOXML classes: LibreOffice, when installed, converts them to .docx, .xlsx or .pptx
// (`soffice --headless --convert-to`). Without LibreOffice the message says which file could
// not be read and that saving it in the new format makes it usable. Legacy .xls workbooks can
// also be read directly with XlsWorkbook.
namespace office {

// Whether the file is a legacy binary Office file (an OLE compound file), judged by content.
bool isLegacyOfficeFile(const QString& path);

// The LibreOffice program that converts files: "soffice" or "libreoffice" on the PATH (on
// Windows also in LibreOffice's usual installation folder); empty when none is installed.
QString findLibreOffice();

// Converts a legacy file to its OOXML form in `outputFolder` and returns the new file's path
// (the same base name with ".docx", ".xlsx" or ".pptx", replacing a file of that name only once
// the conversion is complete). The kind follows the extension: .doc .dot .wps -> .docx,
// .xls .xlt .et -> .xlsx, .ppt .pot .dps -> .pptx. Fails with a message naming the file when
// LibreOffice is not installed, the extension is not one of these, or the conversion fails or
// takes longer than `timeoutMs`.
Result<QString> convertLegacyFile(const QString& path, const QString& outputFolder,
                                  int timeoutMs = 120000);

// A file the OOXML classes can open: `path` itself when it is a ZIP package (as .docx, .xlsx
// and .pptx are, whatever the extension says), else its converted copy in `outputFolder` (see
// convertLegacyFile); so a legacy binary file, and also an RTF or web page saved under a ".doc"
// name, is converted. Fails when the file cannot be read.
Result<QString> usableOfficeFile(const QString& path, const QString& outputFolder);

}  // namespace office

#pragma once

#include <QString>
#include <functional>

// Finished documents (.docx, .xlsx) are shown in the desktop's program for their kind.
namespace widgets {

// Opens `path` with the desktop's program; false when none could be started.
bool openDocument(const QString& path);

// Replaces what openDocument() does (tests record the documents instead of starting a program);
// an empty function restores the desktop's.
void setDocumentOpener(std::function<bool(const QString&)> opener);

}  // namespace widgets

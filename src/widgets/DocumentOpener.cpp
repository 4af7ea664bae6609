#include "widgets/DocumentOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace widgets {

namespace {

std::function<bool(const QString&)>& opener() {
    static std::function<bool(const QString&)> current;
    return current;
}

}  // namespace

bool openDocument(const QString& path) {
    if (opener()) {
        return opener()(path);
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void setDocumentOpener(std::function<bool(const QString&)> replacement) {
    opener() = std::move(replacement);
}

}  // namespace widgets

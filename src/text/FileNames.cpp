#include "text/FileNames.h"

#include <QDir>

namespace text {

QString documentFileName(const QString& name, const QString& suffix) {
    QString base;
    for (const QChar c : name) {
        const bool forbidden =
            c.category() == QChar::Other_Control || QStringView(u"/\\:*?\"<>|").contains(c);
        base += forbidden ? u'_' : c;
    }
    base = base.trimmed();
    if (base.isEmpty()) {
        base = QStringLiteral("未命名");
    }
    return base + suffix;
}

BatchFileNames::BatchFileNames(QString folder) : folder_(std::move(folder)) {}

QString BatchFileNames::claim(const QString& name, const QString& suffix) {
    const QString base = documentFileName(name, QString());
    QString fileName = base + suffix;
    for (int n = 2; used_.contains(fileName.toLower()); ++n) {
        fileName = QStringLiteral("%1(%2)%3").arg(base).arg(n).arg(suffix);
    }
    used_.insert(fileName.toLower());
    return QDir(folder_).filePath(fileName);
}

}  // namespace text

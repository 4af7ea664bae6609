#include "exchange/FileReplace.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>
#include <filesystem>
#include <system_error>

namespace exchange {

QString partialFileNextTo(const QString& file) {
    const QFileInfo info(file);
    return info.absoluteDir().filePath(QStringLiteral("~RS") +
                                       QUuid::createUuid().toString(QUuid::Id128).left(12) +
                                       QStringLiteral(".tmp"));
}

Result<void> replaceFile(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()),
                            std::filesystem::path(to.toStdU16String()), error);
    if (error) {
        return Failure{{}, QString::fromStdString(error.message())};
    }
    return {};
}

}  // namespace exchange

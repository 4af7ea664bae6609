#include "office/LegacyFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <filesystem>
#include <system_error>

namespace office {

namespace {

const QString kNoLibreOffice = QStringLiteral(
    "无法读取文件“%1”：它是旧版Office格式，本机未安装LibreOffice，无法转换。"
    "请用Office或WPS将其另存为%2格式后再使用。");
const QString kUnknownKind =
    QStringLiteral("无法读取文件“%1”：不是可识别的Word、Excel或PowerPoint文件。");
const QString kConversionFailed =
    QStringLiteral("LibreOffice未能转换文件“%1”%2。请用Office或WPS将其另存为%3格式后再使用。");
const QString kCannotWrite = QStringLiteral("无法写入文件夹“%1”。");
const QString kCannotRead = QStringLiteral("无法读取文件“%1”：%2");

// The OOXML extension a legacy extension converts to; empty for anything else.
QString targetExtension(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"doc" || suffix == u"dot" || suffix == u"wps") {
        return QStringLiteral("docx");
    }
    if (suffix == u"xls" || suffix == u"xlt" || suffix == u"et") {
        return QStringLiteral("xlsx");
    }
    if (suffix == u"ppt" || suffix == u"pot" || suffix == u"dps") {
        return QStringLiteral("pptx");
    }
    return {};
}

}  // namespace

bool isLegacyOfficeFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) &&
           file.read(8) == QByteArray::fromHex("d0cf11e0a1b11ae1");
}

QString findLibreOffice() {
    for (const QString& name : {QStringLiteral("soffice"), QStringLiteral("libreoffice")}) {
        const QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty()) {
            return found;
        }
    }
#ifdef Q_OS_WIN
    for (const QString& folder :
         {qEnvironmentVariable("ProgramFiles"), qEnvironmentVariable("ProgramFiles(x86)")}) {
        const QString found = QStandardPaths::findExecutable(
            QStringLiteral("soffice"), {folder + QStringLiteral("/LibreOffice/program")});
        if (!found.isEmpty()) {
            return found;
        }
    }
#endif
    return {};
}

Result<QString> convertLegacyFile(const QString& path, const QString& outputFolder, int timeoutMs) {
    const QFileInfo source(path);
    const QString name = source.fileName();
    const QString extension = targetExtension(path);
    if (extension.isEmpty()) {
        return Failure{kUnknownKind.arg(name), {}};
    }
    const QString newFormat = u'.' + extension;
    const QString program = findLibreOffice();
    if (program.isEmpty()) {
        return Failure{kNoLibreOffice.arg(name, newFormat), {}};
    }

    // LibreOffice converts into a folder of its own, with a profile of its own so that a
    // running LibreOffice does not take the job; the result replaces the target when complete.
    QTemporaryDir work(QDir(outputFolder).filePath(QStringLiteral(".convert-XXXXXX")));
    if (!work.isValid() || !QDir(work.path()).mkdir(QStringLiteral("out"))) {
        return Failure{kCannotWrite.arg(QDir::toNativeSeparators(outputFolder)), {}};
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program,
                  {QStringLiteral("-env:UserInstallation=") +
                       QUrl::fromLocalFile(work.filePath(QStringLiteral("profile"))).toString(),
                   QStringLiteral("--headless"), QStringLiteral("--norestore"),
                   QStringLiteral("--convert-to"), extension, QStringLiteral("--outdir"),
                   work.filePath(QStringLiteral("out")), source.absoluteFilePath()});
    if (!process.waitForStarted(timeoutMs)) {
        return Failure{
            kConversionFailed.arg(name, QStringLiteral("（无法启动LibreOffice）"), newFormat), {}};
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        return Failure{kConversionFailed.arg(name, QStringLiteral("（超时）"), newFormat), {}};
    }
    const QString converted =
        work.filePath(QStringLiteral("out/") + source.completeBaseName() + u'.' + extension);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 ||
        !QFileInfo(converted).isFile() || QFileInfo(converted).size() == 0) {
        return Failure{kConversionFailed.arg(name, QString(), newFormat),
                       QString::fromLocal8Bit(process.readAll()).trimmed()};
    }
    const QString target =
        QDir(outputFolder).absoluteFilePath(source.completeBaseName() + u'.' + extension);
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(converted.toStdU16String()),
                            std::filesystem::path(target.toStdU16String()), error);
    if (error) {
        return Failure{kCannotWrite.arg(QDir::toNativeSeparators(outputFolder)),
                       QString::fromLocal8Bit(error.message().c_str())};
    }
    return target;
}

Result<QString> usableOfficeFile(const QString& path, const QString& outputFolder) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Failure{kCannotRead.arg(QFileInfo(path).fileName(), file.errorString()), {}};
    }
    if (file.read(2) == "PK") {
        return path;
    }
    return convertLegacyFile(path, outputFolder);
}

}  // namespace office

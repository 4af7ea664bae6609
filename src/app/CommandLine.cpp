#include "app/CommandLine.h"

#include <QTextStream>
#include <algorithm>

#ifndef CADRE_VERSION
#error "CADRE_VERSION is set by the build from the project's version"
#endif

namespace app {

QString versionText(const QString& programName) {
    return programName + u' ' + QStringLiteral(CADRE_VERSION);
}

QString usageText(const ProgramUsage& usage) {
    QString text = QStringLiteral("用法：") + usage.name;
    if (!usage.synopsis.isEmpty()) {
        text += u' ' + usage.synopsis;
    }
    text += u'\n' + usage.summary + u'\n';
    QList<std::pair<QString, QString>> options = usage.options;
    options << std::pair{QStringLiteral("--help"), QStringLiteral("显示本说明后退出")}
            << std::pair{QStringLiteral("--version"), QStringLiteral("显示版本后退出")};
    qsizetype width = 0;
    for (const auto& option : options) {
        width = std::max(width, option.first.size());
    }
    for (const auto& [option, meaning] : options) {
        text += QStringLiteral("  ") + option.leftJustified(width + 2) + meaning + u'\n';
    }
    text += QStringLiteral("退出码：0 成功，1 执行失败（原因写在标准错误输出），2 命令行有误。\n");
    return text;
}

std::optional<int> answerHelpOrVersion(const QStringList& arguments, const ProgramUsage& usage) {
    QTextStream out(stdout);
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        out << usageText(usage);
        return kExitOk;
    }
    if (arguments.contains(QStringLiteral("--version"))) {
        out << versionText(usage.name) << u'\n';
        return kExitOk;
    }
    return std::nullopt;
}

int refuseCommandLine(const ProgramUsage& usage, const QString& reason) {
    QTextStream(stderr) << usage.name << QStringLiteral(": ") << reason << u'\n'
                        << usageText(usage);
    return kExitUsage;
}

int reportFailure(const QString& programName, const QString& message) {
    QTextStream(stderr) << programName << QStringLiteral(": ") << message << u'\n';
    return kExitFailure;
}

}  // namespace app

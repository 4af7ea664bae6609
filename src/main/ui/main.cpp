#include <QApplication>

#include "app/AppPaths.h"
#include "app/CommandLine.h"
#include "app/MessageService.h"
#include "app/SingleInstance.h"
#include "main/ui/Startup.h"
#include "widgets/MessageBoxService.h"

namespace {

const QString kCheckStart = QStringLiteral("--check-start");

app::ProgramUsage usage() {
    return {QStringLiteral("cadre"),
            QStringLiteral("[--check-start]"),
            QStringLiteral("干部管理系统。数据文件夹为环境变量 CADRE_HOME 所指的文件夹；未设置时为"
                           "程序所在文件夹（其中有 Db/ 时），否则为 ~/.local/share/cadre/干部管理，"
                           "首次启动时由安装的模板建立。"),
            {{kCheckStart, QStringLiteral("启动到主窗口后立即退出，不显示任何对话框，"
                                          "用于检查安装是否完整；数据库有登录账户时不能检查，"
                                          "以 1 退出")}}};
}

// The arguments after the program's name.
QStringList commandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Help and version need no display, so they are answered before Qt starts.
    if (const auto answered = app::answerHelpOrVersion(commandLine(argc, argv), usage())) {
        return *answered;
    }
    // Qt takes its own options (-platform and the like) off the command line.
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("干部管理"));
    QApplication::setOrganizationName(QStringLiteral("cadre"));
    QApplication::setDesktopFileName(QStringLiteral("cadre"));

    mainwin::StartupOptions options{app::appDir(), app::SingleInstance::defaultLockPath()};
    for (const QString& argument : commandLine(argc, argv)) {
        if (argument != kCheckStart) {
            return app::refuseCommandLine(usage(), QStringLiteral("不认识的参数 ") + argument);
        }
        options.closeOnceShown = true;
    }
    // A check runs unattended: its messages go to standard error and no confirmation is given.
    widgets::MessageBoxService messageBoxes;
    if (!options.closeOnceShown) {
        app::setMessageService(&messageBoxes);
    }
    const int result = mainwin::runProgram(options);
    app::setMessageService(nullptr);
    return result;
}

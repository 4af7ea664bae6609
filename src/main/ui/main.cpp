#include <QApplication>

#include "app/AppPaths.h"
#include "app/MessageService.h"
#include "app/SingleInstance.h"
#include "main/ui/Startup.h"
#include "widgets/MessageBoxService.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("干部管理"));
    QApplication::setOrganizationName(QStringLiteral("cadre"));

    widgets::MessageBoxService messageBoxes;
    app::setMessageService(&messageBoxes);
    const int result = mainwin::runProgram({app::appDir(), app::SingleInstance::defaultLockPath()});
    app::setMessageService(nullptr);
    return result;
}

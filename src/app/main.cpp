#include <QApplication>

#include "app/MessageService.h"
#include "app/Progress.h"
#include "main/TMainForm.h"
#include "widgets/MessageBoxService.h"
#include "widgets/TMesBarForm.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("干部管理"));
    QApplication::setOrganizationName(QStringLiteral("cadre"));

    widgets::MessageBoxService messageBoxes;
    app::setMessageService(&messageBoxes);
    TMesBarForm waitWindow;
    app::setProgress(&waitWindow);

    TMainForm mainForm;
    mainForm.showMaximized();
    const int result = QApplication::exec();

    app::setProgress(nullptr);
    app::setMessageService(nullptr);
    return result;
}

#include "app/Startup.h"

#include <QApplication>
#include <QLocale>
#include <QProcess>

#include "app/AppPaths.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/SingleInstance.h"
#include "app/TLoginForm.h"
#include "main/TMainForm.h"
#include "widgets/TMesBarForm.h"

namespace app {

int runProgram(const StartupOptions& options) {
    SingleInstance instance(options.lockPath);
    if (!instance.acquire()) {
        showInformation(QStringLiteral("不能重复启动!"));
        return 1;
    }
    // Dates are written and read as yyyy-mm-dd throughout (see jet::parseDateText and
    // db::displayText); the Chinese locale names days and months for the rest.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    QApplication::setApplicationDisplayName(QStringLiteral("干部管理"));

    TMainForm mainForm;
    TMesBarForm waitWindow;
    Progress* previousProgress = setProgress(&waitWindow);
    seedTemplates(options.appDir, QCoreApplication::applicationDirPath());
    TDataM dm(options.appDir);
    const bool started = dm.create([](TDataM& data) {
        TLoginForm login(data);
        return login.exec() == QDialog::Accepted;
    });
    int result = 1;
    if (started) {
        mainForm.setSession(dm.session());
        mainForm.setDataModule(&dm);
        QObject::connect(&mainForm, &TMainForm::restartRequested, &mainForm, [&] {
            // The new copy must find the lock free.
            instance.release();
            QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
            mainForm.close();
        });
        mainForm.showMaximized();
        result = QApplication::exec();
    }
    setProgress(previousProgress);
    return result;
}

}  // namespace app

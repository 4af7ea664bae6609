#include "main/ui/Startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QProcess>
#include <QTimer>
#include <QTranslator>

#include "app/AppPaths.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/SingleInstance.h"
#include "app/ui/TForm1.h"
#include "app/ui/TLoginForm.h"
#include "main/ui/TMainForm.h"
#include "widgets/TMesBarForm.h"

namespace mainwin {

namespace {

// Qt's own texts (standard buttons, file and print dialogs) in Chinese, as the rest of the
// program speaks; without the translation files they stay in English.
void loadQtTranslations(QTranslator& translator) {
    if (translator.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&translator);
    }
}

}  // namespace

int runProgram(const StartupOptions& options) {
    app::SingleInstance instance(options.lockPath);
    if (!instance.acquire()) {
        app::showInformation(QStringLiteral("不能重复启动!"));
        return 1;
    }
    // Dates are written and read as yyyy-mm-dd throughout (see jet::parseDateText and
    // db::displayText); the Chinese locale names days and months for the rest.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    QTranslator qtTexts;
    loadQtTranslations(qtTexts);
    QApplication::setApplicationDisplayName(QStringLiteral("干部管理"));

    int result = 1;
    bool startAgain = false;
    {
        TMesBarForm waitWindow;
        app::Progress* previousProgress = app::setProgress(&waitWindow);
        app::seedTemplates(options.appDir,
                           app::installedTemplates(QCoreApplication::applicationDirPath()));
        // The database is open and the user logged in before the main window exists; the window
        // goes before the data module it works on.
        TDataM dm(options.appDir);
        const bool started = dm.create([&options](TDataM& data) {
            if (options.closeOnceShown) {
                return false;
            }
            TLoginForm login(data);
            return login.exec() == QDialog::Accepted;
        });
        // A database just made from the template starts with the wizard; a start check, with
        // nobody to answer it, keeps the template's data.
        if (started && dm.FirstRun && !options.closeOnceShown) {
            TForm1 wizard(dm);
            wizard.exec();
        }
        if (started) {
            TMainForm mainForm(dm);
            mainForm.setSession(dm.session());
            QObject::connect(&mainForm, &TMainForm::restartRequested, &mainForm, [&] {
                startAgain = true;
                mainForm.close();
            });
            mainForm.showMaximized();
            if (options.closeOnceShown) {
                QTimer::singleShot(0, &mainForm, &QWidget::close);
            }
            result = QApplication::exec();
        }
        app::setProgress(previousProgress);
    }
    // The window has closed (layout saved, backup run) and the database with it; only now may
    // the new copy take the lock.
    if (startAgain) {
        instance.release();
        if (options.startAgain) {
            options.startAgain();
        } else {
            QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
        }
    }
    return result;
}

}  // namespace mainwin

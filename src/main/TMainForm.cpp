#include "main/TMainForm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>

#include "app/AppPaths.h"

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("干部管理系统"));
    auto* dataDir = new QLabel(QStringLiteral("数据目录：") + app::appDir(), this);
    dataDir->setObjectName(QStringLiteral("dataDirLabel"));
    statusBar()->addWidget(dataDir);
    // Fill the screen even where no window manager honours "maximised".
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->availableGeometry());
    }
}

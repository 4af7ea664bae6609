#include "main/TMainForm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include "app/AppPaths.h"
#include "app/MessageService.h"
#include "app/TDbSetForm.h"

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), userLabel_(new QLabel(this)) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("干部管理系统"));
    auto* dataDir = new QLabel(QStringLiteral("数据目录：") + app::appDir(), this);
    dataDir->setObjectName(QStringLiteral("dataDirLabel"));
    userLabel_->setObjectName(QStringLiteral("userLabel"));
    statusBar()->addWidget(dataDir);
    statusBar()->addWidget(userLabel_);

    QMenu* system = menuBar()->addMenu(QStringLiteral("系统"));
    QAction* dbSettings = system->addAction(QStringLiteral("数据库服务器设置"));
    dbSettings->setObjectName(QStringLiteral("actDbSettings"));
    connect(dbSettings, &QAction::triggered, this, &TMainForm::openDatabaseSettings);
    QAction* quit = system->addAction(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("actQuit"));
    connect(quit, &QAction::triggered, this, &QWidget::close);

    // Fill the screen even where no window manager honours "maximised".
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->availableGeometry());
    }
}

void TMainForm::setSession(const LoginSession& session) {
    userLabel_->setText(QStringLiteral("当前用户：") + session.userName);
}

void TMainForm::openDatabaseSettings() {
    if (dm_ == nullptr) {
        return;
    }
    TDbSetForm form(*dm_, this);
    if (form.exec() == QDialog::Accepted) {
        app::showInformation(QStringLiteral("软件将重新启动。"));
        Q_EMIT restartRequested();
    }
}

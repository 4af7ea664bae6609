#include "main/TMainForm.h"

#include <QLabel>
#include <QStatusBar>

#include "app/AppPaths.h"

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("干部管理系统"));
    auto* dataDir = new QLabel(QStringLiteral("数据目录：") + app::appDir(), this);
    dataDir->setObjectName(QStringLiteral("dataDirLabel"));
    statusBar()->addWidget(dataDir);
}

#include "main/TMainForm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBox>
#include <QVBoxLayout>

#include "app/AppPaths.h"
#include "app/MessageService.h"
#include "app/TDbSetForm.h"
#include "units/UnitTreePanel.h"
#include "units/UnitTreeWidget.h"

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent),
      userLabel_(new QLabel(this)),
      NavBar(new QToolBox(this)),
      unitPanel_(new UnitTreePanel(NavBar)),
      lblHeading(new QLabel(this)) {
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

    QMenu* tools = menuBar()->addMenu(QStringLiteral("工具"));
    QAction* rebuild = tools->addAction(QStringLiteral("重建单位索引"));
    rebuild->setObjectName(QStringLiteral("actRebuildIndex"));
    connect(rebuild, &QAction::triggered, unitPanel_, &UnitTreePanel::rebuildIndexes);

    // Left the navigation groups, right the page of the active group (for the unit group, the
    // heading of the cadre list).
    NavBar->setObjectName(QStringLiteral("NavBar"));
    NavBar->addItem(unitPanel_, QStringLiteral("组织架构"));
    connect(unitPanel_->tree(), &UnitTreeWidget::unitSelected, this,
            [this](int id, const QString& name, bool) { unitSelected(id, name); });
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    QFont headingFont = lblHeading->font();
    headingFont.setPointSize(headingFont.pointSize() + 4);
    headingFont.setBold(true);
    lblHeading->setFont(headingFont);
    auto* pageDw = new QWidget(this);
    pageDw->setObjectName(QStringLiteral("PageDw"));
    auto* pageLayout = new QVBoxLayout(pageDw);
    pageLayout->addWidget(lblHeading);
    pageLayout->addStretch();
    auto* splitter = new QSplitter(this);
    splitter->addWidget(NavBar);
    splitter->addWidget(pageDw);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 900});
    setCentralWidget(splitter);

    // Fill the screen even where no window manager honours "maximised".
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->availableGeometry());
    }
}

void TMainForm::setSession(const LoginSession& session) {
    // Without an account nobody logs in, and there is no user to name.
    userLabel_->setText(
        session.userName.isEmpty() ? QString() : QStringLiteral("当前用户：") + session.userName);
}

void TMainForm::setDataModule(TDataM* dm) {
    dm_ = dm;
    unitPanel_->setDataModule(dm);
}

void TMainForm::unitSelected(int id, const QString& name) {
    currentUnitId_ = id;
    currentUnitName_ = name;
    lblHeading->setText(name);
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

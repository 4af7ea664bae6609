#include "main/ui/TMainForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <QToolBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "admin/Rights.h"
#include "admin/ui/TManagerForm.h"
#include "app/AppPaths.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"
#include "app/ui/TDbSetForm.h"
#include "appointment/ui/PageRm.h"
#include "appointment/ui/TBatchOutputForm.h"
#include "appointment/ui/TLrmForm.h"
#include "appointment/ui/TPrintSetupForm.h"
#include "cadre/CadrePicker.h"
#include "cadre/ui/RepairToolsMenu.h"
#include "cadre/ui/TChangeForm.h"
#include "cadre/ui/TInforForm.h"
#include "cadre/ui/TSwitchForm.h"
#include "db/Database.h"
#include "documents/ui/TExcelForm.h"
#include "documents/ui/TWordImportForm.h"
#include "documents/ui/TemplateCommands.h"
#include "exchange/AutoBackup.h"
#include "exchange/ui/DatabaseCommands.h"
#include "exchange/ui/TToRevForm.h"
#include "exchange/ui/TToSendForm.h"
#include "main/GridLayoutStore.h"
#include "main/ui/CadreListModel.h"
#include "main/ui/PageDw.h"
#include "rosters/ui/PageMc.h"
#include "rosters/ui/RosterLinesModel.h"
#include "schema/SchemaUpgrade.h"
#include "search/ui/PageAdv.h"
#include "settings/ExportFolder.h"
#include "settings/SoftwareSettings.h"
#include "settings/ui/TConfForm.h"
#include "settings/ui/TExportDirForm.h"
#include "settings/ui/TStdCheckForm.h"
#include "settings/ui/TWakeForm.h"
#include "statistics/ChartData.h"
#include "statistics/ui/PageChart.h"
#include "training/ui/PagePx.h"
#include "units/ui/PageZs.h"
#include "units/ui/UnitTreePanel.h"
#include "units/ui/UnitTreeWidget.h"
#include "widgets/ElidedLabel.h"
#include "widgets/ExportProposal.h"

namespace {

// The saved name of a list column.
QString columnName(const CadreListColumn& column) {
    return QStringLiteral("col") + QString::fromLatin1(column.field);
}

// The items of "综合分析", the page each shows and, for the quota analysis, its mode.
struct AnalysisItem {
    const char* caption;
    int page;
    units::AnalysisMode mode = units::AnalysisMode::Quotas;
};
const AnalysisItem kAnalysisItems[] = {
    {"单位岗位职数分析", TMainForm::PageZsIndex, units::AnalysisMode::Quotas},
    {"单位人员编制分析", TMainForm::PageZsIndex, units::AnalysisMode::Staffing},
    {"干部统计分析", TMainForm::PageAdvIndex},
    {"干部类型统计分析", -1}};
constexpr int kModeRole = Qt::UserRole + 1;

}  // namespace

TMainForm::TMainForm(TDataM& dm, QWidget* parent)
    : QMainWindow(parent),
      dm_(dm),
      userLabel_(new QLabel(this)),
      countLabel_(new QLabel(this)),
      NavBar(new QToolBox(this)),
      unitPanel_(new UnitTreePanel(dm, NavBar)),
      lstAnalysis(new QListWidget(this)),
      PageControl(new QStackedWidget(this)),
      pageDw_(new PageDw(dm, pickLists_, this)),
      pageAdv_(new PageAdv(dm, pickLists_, this)),
      pageChart_(new PageChart(this)),
      pageMc_(new PageMc(dm, pickLists_, this)),
      pageRm_(new PageRm(dm, pickLists_, this)),
      pageZs_(new PageZs(dm, this)),
      pagePx_(new PagePx(dm, pickLists_, this)),
      databaseCommands_(new DatabaseCommands(dm, this)) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("干部管理系统"));
    // A deep data folder is cut short rather than widening the window.
    auto* dataDir = new ElidedLabel(this);
    dataDir->setText(QStringLiteral("数据目录：") + app::appDir());
    dataDir->setObjectName(QStringLiteral("dataDirLabel"));
    userLabel_->setObjectName(QStringLiteral("userLabel"));
    countLabel_->setObjectName(QStringLiteral("countLabel"));
    statusBar()->addWidget(dataDir);
    statusBar()->addWidget(userLabel_);
    statusBar()->addWidget(countLabel_);

    // The navigation groups.
    NavBar->setObjectName(QStringLiteral("NavBar"));
    NavBar->addItem(unitPanel_, QStringLiteral("组织架构"));
    NavBar->addItem(pageRm_->treePanel(), QStringLiteral("任免管理"));
    NavBar->addItem(pageMc_->treePanel(), QStringLiteral("名册管理"));
    NavBar->addItem(pagePx_->treePanel(), QStringLiteral("干部培训"));
    lstAnalysis->setObjectName(QStringLiteral("lstAnalysis"));
    for (const AnalysisItem& item : kAnalysisItems) {
        auto* entry = new QListWidgetItem(QString::fromUtf8(item.caption), lstAnalysis);
        entry->setData(Qt::UserRole, item.page);
        entry->setData(kModeRole, static_cast<int>(item.mode));
        entry->setHidden(item.page < 0);
    }
    NavBar->addItem(lstAnalysis, QStringLiteral("综合分析"));

    // The pages: only the navigation switches them.
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->addWidget(pageDw_);
    PageControl->addWidget(pageRm_);
    PageControl->addWidget(pageMc_);
    PageControl->addWidget(pagePx_);
    PageControl->addWidget(pageZs_);
    PageControl->addWidget(pageAdv_);
    PageControl->addWidget(pageChart_);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(NavBar);
    splitter->addWidget(PageControl);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 900});
    setCentralWidget(splitter);

    menus_ = buildMainMenus(*this, *pageDw_);
    wireCommands();

    connect(unitPanel_->tree(), &UnitTreeWidget::unitSelected, this, &TMainForm::unitSelected);
    unitPanel_->tree()->setDropFormat(CadreListModel::kMimeType);
    connect(unitPanel_->tree(), &UnitTreeWidget::dropReceived, this,
            [this](int id, const QString& name, const QMimeData* mime) {
                DraggedCadre cadre;
                if (readDraggedCadre(mime, &cadre)) {
                    pageDw_->dropOnUnit(id, name, cadre);
                }
            });
    connect(NavBar, &QToolBox::currentChanged, this, &TMainForm::groupChanged);
    connect(lstAnalysis, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item != nullptr && NavBar->currentWidget() == lstAnalysis) {
            showPage(item->data(Qt::UserRole).toInt());
            // Choosing a quota analysis asks for its scope at once.
            if (item->data(Qt::UserRole).toInt() == PageZsIndex) {
                pageZs_->analyse(static_cast<units::AnalysisMode>(item->data(kModeRole).toInt()));
            }
        }
    });
    connect(pageDw_, &PageDw::cadresChanged, this, &TMainForm::showCadreCount);
    connect(pageDw_, &PageDw::chartRequested, this, &TMainForm::showUnitChart);
    connect(pageAdv_, &PageAdv::chartRequested, this, &TMainForm::showResultChart);
    connect(pageChart_, &PageChart::closeRequested, this, &TMainForm::closeChart);

    // Fill the screen even where no window manager honours "maximised".
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->availableGeometry());
    }
    // Loaded once everything is connected, so that the unit selected first lists its cadres.
    unitPanel_->tree()->reload();
}

void TMainForm::openPrintSetup() {
    TPrintSetupForm form(dm_, this);
    if (form.exec() == QDialog::Accepted) {
        approvalSettings_ = app::valueOrShown(appointment::readApprovalSettings(dm_.db()));
    }
}

void TMainForm::openLrmImport() {
    TLrmForm form(dm_, 0, this);
    form.exec();
    if (form.imported()) {
        reloadAfterChange();
    }
}

QList<int> TMainForm::listedCadres() const {
    if (PageControl->currentIndex() == PageAdvIndex) {
        return pageAdv_->model()->cadreIds();
    }
    if (PageControl->currentIndex() == PageMcIndex) {
        QList<int> cadres;
        for (int row = 0; row < pageMc_->model()->rowCount(); ++row) {
            cadres << pageMc_->model()->cadreAt(row);
        }
        return cadres;
    }
    return pageDw_->model()->cadreIds();
}

void TMainForm::openBatchOutput(const TBatchOutputForm::TemplateOutput& templateOutput) {
    if (!templateOutput && PageControl->currentIndex() == PageRmIndex &&
        pageRm_->currentPlanId() > 0) {
        TBatchOutputForm form(dm_, pageRm_->currentPlanId(), this);
        if (form.limitToRange()) {
            form.exec();
        }
        return;
    }
    const QList<int> cadres = listedCadres();
    if (cadres.isEmpty()) {
        app::showInformation(appointment::kNoCadresListed);
        return;
    }
    TBatchOutputForm form(dm_, cadres, this);
    form.setTemplateOutput(templateOutput);
    if (form.limitToRange()) {
        form.exec();
    }
}

void TMainForm::wireCommands() {
    const auto enable = [this](const char* name, auto slot) {
        QAction* action = menus_[name];
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, slot);
    };
    enable("actDbSettings", &TMainForm::openDatabaseSettings);
    enable("actQuit", &QWidget::close);
    enable("actUnitLibrary", &TMainForm::openUnitLibrary);
    enable("actManagers", &TMainForm::openManagers);
    enable("actParameters", &TMainForm::openSettings);
    enable("actReminders", &TMainForm::openReminders);
    enable("actExportFolders", &TMainForm::openExportFolder);
    enable("actStandardCheck", &TMainForm::openStandardCheck);
    enable("actDuplicateNames", &TMainForm::checkDuplicateNames);
    enable("actEntryStatistics", &TMainForm::showEntryStatistics);
    enable("actBatchEdit", &TMainForm::openBatchChange);
    enable("actMoveLibrary", &TMainForm::openLibraryMove);
    QAction* tools = menus_["actOtherTools"];
    tools->setEnabled(true);
    tools->setMenu(buildRepairToolsMenu(dm_, this, [this] { reloadAfterChange(); }));
    enable("actPrintSetup", &TMainForm::openPrintSetup);
    enable("actSystemPrint", [this] { openBatchOutput({}); });
    enable("actSend", &TMainForm::openSend);
    enable("actReceive", &TMainForm::openReceive);
    enable("actExcelImport", [this] {
        if (TExcelForm::run(dm_, currentUnitId_, this)) {
            reloadAfterChange();
        }
    });
    enable("actWordImport", [this] {
        if (TWordImportForm::run(dm_, currentUnitId_, this)) {
            reloadAfterChange();
        }
    });
    enable("actLrmImport", &TMainForm::openLrmImport);
    documents_ui::wireMainMenu(
        menus_, dm_, this, [this](const auto& output) { openBatchOutput(output); },
        [this] { return currentUnitId_; }, [this] { reloadAfterChange(); });
    const auto enableDatabaseCommand = [this](const char* name, void (DatabaseCommands::*slot)()) {
        QAction* action = menus_[name];
        action->setEnabled(true);
        connect(action, &QAction::triggered, databaseCommands_, slot);
    };
    enableDatabaseCommand("actBackup", &DatabaseCommands::backup);
    enableDatabaseCommand("actRestore", &DatabaseCommands::restore);
    enableDatabaseCommand("actCompact", &DatabaseCommands::compact);
    enableDatabaseCommand("actRestoreSingle", &DatabaseCommands::restoreFromSingleFile);
    enableDatabaseCommand("actImportAccess", &DatabaseCommands::importAccessDatabase);
    enableDatabaseCommand("actBackupSingle", &DatabaseCommands::exportToSingleFile);
    enableDatabaseCommand("actHandheld", &DatabaseCommands::exportToHandheld);
    enableDatabaseCommand("actReinitialise", &DatabaseCommands::reinitialise);
    connect(databaseCommands_, &DatabaseCommands::restartRequested, this, [this] {
        databaseReplaced_ = true;
        Q_EMIT restartRequested();
    });
    const auto enableListCommand = [this](const char* name, void (PageDw::*slot)()) {
        QAction* action = menus_[name];
        action->setEnabled(true);
        connect(action, &QAction::triggered, pageDw_, slot);
    };
    enableListCommand("actCadreLibrary", &PageDw::openLibrary);
    enableListCommand("actAddPost", &PageDw::addPost);
    enableListCommand("actRemovePost", &PageDw::removePosts);
    enableListCommand("actDeletePost", &PageDw::deletePosts);
    enableListCommand("actJoinWithPosts", &PageDw::setPostsByCategory);
    const auto enableResultCommand = [this](const char* name, void (PageAdv::*slot)()) {
        QAction* action = menus_[name];
        action->setEnabled(true);
        connect(action, &QAction::triggered, pageAdv_, slot);
    };
    enableResultCommand("actSortCombined", &PageAdv::sortCombined);
    enableResultCommand("actSortByUnit", &PageAdv::sortByUnit);
    const auto enableRosterCommand = [this](const char* name, void (PageMc::*slot)()) {
        QAction* action = menus_[name];
        action->setEnabled(true);
        connect(action, &QAction::triggered, pageMc_, slot);
    };
    enableRosterCommand("actNewRoster", &PageMc::newRoster);
    enableRosterCommand("actEditRoster", &PageMc::editRoster);
    enableRosterCommand("actDeleteRoster", &PageMc::deleteRoster);
    enableRosterCommand("actRosterAdd", &PageMc::addCadres);
    enableRosterCommand("actRosterRemove", &PageMc::removeCadre);
    QAction* rebuild = menus_["actRebuildIndex"];
    rebuild->setEnabled(true);
    connect(rebuild, &QAction::triggered, unitPanel_, &UnitTreePanel::rebuildIndexes);
}

void TMainForm::setSession(const LoginSession& session) {
    // Without an account nobody logs in, and there is no user to name.
    userLabel_->setText(
        session.userName.isEmpty() ? QString() : QStringLiteral("当前用户：") + session.userName);
}

void TMainForm::unitSelected(int id, const QString& name, bool isDep) {
    currentUnitId_ = id;
    currentUnitName_ = name;
    if (PageControl->currentIndex() == PageChartIndex) {
        PageControl->setCurrentIndex(PageDwIndex);
    }
    const QTreeWidgetItem* item = unitPanel_->tree()->currentItem();
    pageDw_->loadList(
        id, name, isDep,
        item != nullptr ? item->data(0, UnitTreeWidget::IndexRole).toString() : QString());
}

void TMainForm::groupChanged(int index) {
    switch (index) {
        case 0:
            PageControl->setCurrentIndex(PageDwIndex);
            pageDw_->reload();
            break;
        case 1:
            PageControl->setCurrentIndex(PageRmIndex);
            pageRm_->reloadTree(pageRm_->currentPlanId());
            break;
        case 2:
            PageControl->setCurrentIndex(PageMcIndex);
            pageMc_->activate();
            break;
        case 3:
            PageControl->setCurrentIndex(PagePxIndex);
            pagePx_->activate();
            break;
        default:
            if (const QListWidgetItem* item = lstAnalysis->currentItem()) {
                showPage(item->data(Qt::UserRole).toInt());
            }
            break;
    }
}

void TMainForm::showPage(int index) {
    PageControl->setCurrentIndex(index);
    // The search result may have changed through other pages' commands (a removed cadre).
    if (index == PageAdvIndex) {
        pageAdv_->reload();
    }
}

void TMainForm::showUnitChart(int kind) {
    // The cadres the list shows: its type filter applies too.
    statistics::ChartSet set;
    set.cadreTypes = pageDw_->cadreTypes();
    if (pageDw_->showsSubordinates()) {
        set.source = statistics::ChartSet::Source::Subtree;
        set.unitIndex = pageDw_->unitIndex();
    } else {
        set.source = statistics::ChartSet::Source::Unit;
        set.unitId = pageDw_->currentUnitId();
    }
    const auto chartKind = static_cast<statistics::ChartKind>(kind);
    // The age chart is headed by the unit.
    const QString title =
        (chartKind == statistics::ChartKind::Age ? pageDw_->heading() : QString()) +
        statistics::chartTitle(chartKind);
    showChart(chartKind, set, title);
}

void TMainForm::showResultChart(int kind) {
    const auto chartKind = static_cast<statistics::ChartKind>(kind);
    statistics::ChartSet set;
    set.lookup = pageAdv_->lookup();
    showChart(chartKind, set, statistics::chartTitle(chartKind));
}

void TMainForm::showChart(statistics::ChartKind kind, const statistics::ChartSet& set,
                          const QString& title) {
    Result<QList<statistics::ChartRow>> rows = QList<statistics::ChartRow>();
    {
        const app::ProgressScope wait(QStringLiteral("正在生成统计图..."));
        rows = statistics::chartRows(dm_.db(), kind, set, QDate::currentDate());
    }
    if (!rows) {
        app::showFailure(rows.failure());
        return;
    }
    if (PageControl->currentIndex() != PageChartIndex) {
        pageBeforeChart_ = PageControl->currentIndex();
    }
    pageChart_->showChart(title, *rows);
    PageControl->setCurrentIndex(PageChartIndex);
}

void TMainForm::closeChart() {
    showPage(pageBeforeChart_);
}

void TMainForm::showCadreCount() {
    const Result<int> count = dm_.CadreCount();
    if (!count) {
        app::showError(count.errorText());
        return;
    }
    countLabel_->setText(QStringLiteral("当前干部数:") + QString::number(*count));
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!started_ && dm_.db().isOpen()) {
        started_ = true;
        upgradeSchema();
        runStartDuties();
    }
}

// A database of an earlier version is brought to the current schema before anything reads it; a
// failed upgrade has left it as it was, and the failure names the step.
void TMainForm::upgradeSchema() {
    const app::ProgressScope wait(schema::kUpgrading);
    const Result<schema::UpgradeOutcome> upgraded =
        schema::upgradeDatabase(dm_.db(), dm_.DbDir + QStringLiteral("Empty.db"),
                                dm_.AppDir + schema::upgradeBackupName(QDate::currentDate()));
    if (!upgraded) {
        app::showFailure(upgraded.failure());
        return;
    }
    for (const QString& folder : {QStringLiteral("空白模板"), QStringLiteral("设计模板")}) {
        QDir(dm_.AppDir).mkpath(folder);
    }
}

void TMainForm::runStartDuties() {
    const app::ProgressScope wait(QStringLiteral("正在取配置信息,请等待......"));
    db::Database& db = dm_.db();
    showCadreCount();
    restoreLayout();
    pickLists_ = app::valueOrShown(cadre::loadPickLists(db));
    approvalSettings_ = app::valueOrShown(appointment::readApprovalSettings(db));
    pageDw_->reload();
    // Settings that cannot be read are shown as the failure they are; the window goes on with
    // the layout saved and the post texts unlocked.
    const Result<bool> saveLayout = cadre::saveLayoutOnExit(db, dm_.session().ManagerID);
    const Result<bool> locked = cadre::postsLocked(db);
    for (const Result<bool>* read : {&saveLayout, &locked}) {
        if (!*read) {
            app::showFailure(read->failure());
        }
    }
    saveLayout_ = saveLayout ? *saveLayout : true;
    postsLocked_ = locked && *locked;
    // The picker's list of the last session is emptied.
    if (const Result<void> cleared = cadre::clearPicked(db); !cleared) {
        app::showFailure(cleared.failure());
    }
    widgets::setExportFolder(settings::exportFolder(dm_));
    if (const Result<void> adopted = settings::adoptOlderBackupSettings(dm_); !adopted) {
        app::showFailure(adopted.failure());
    }
    if (dm_.session().clew) {
        openReminders();
    }
}

void TMainForm::restoreLayout() {
    db::Database& db = dm_.db();
    QSet<QString> known;
    for (const QAction* toggle : pageDw_->columnToggles()) {
        known.insert(toggle->objectName());
    }
    const Result<mainwin::RestoredChecks> checks = mainwin::restoreCheckStates(db, known);
    if (!checks) {
        app::showFailure(checks.failure());
        return;
    }
    for (const mainwin::CheckState& state : checks->window) {
        for (QAction* toggle : pageDw_->columnToggles()) {
            if (toggle->objectName() == state.name) {
                toggle->setChecked(state.down);
            }
        }
    }
    const auto columns = mainwin::readColumnLayouts(db);
    if (!columns) {
        app::showFailure(columns.failure());
        return;
    }
    QHeaderView* header = pageDw_->grid()->horizontalHeader();
    for (const mainwin::ColumnLayout& layout : *columns) {
        for (size_t i = 0; i < kCadreListGridColumns.size(); ++i) {
            if (columnName(kCadreListGridColumns[i]) != layout.name) {
                continue;
            }
            const int logical = static_cast<int>(i);
            if (layout.width > 0) {
                header->resizeSection(logical, layout.width);
            }
            if (layout.ord >= 0 && layout.ord < header->count()) {
                header->moveSection(header->visualIndex(logical), layout.ord);
            }
        }
    }
}

void TMainForm::saveLayout() {
    const app::ProgressScope wait(QStringLiteral("正在保存用户设置..."));
    std::vector<mainwin::CheckState> checks;
    for (const QAction* toggle : pageDw_->columnToggles()) {
        checks.push_back({toggle->objectName(), toggle->isChecked()});
    }
    std::vector<mainwin::ColumnLayout> columns;
    const QHeaderView* header = pageDw_->grid()->horizontalHeader();
    for (size_t i = 0; i < kCadreListGridColumns.size(); ++i) {
        const int logical = static_cast<int>(i);
        columns.push_back({columnName(kCadreListGridColumns[i]), header->sectionSize(logical),
                           header->visualIndex(logical)});
    }
    if (const Result<void> saved = mainwin::saveLayout(dm_.db(), checks, columns); !saved) {
        app::showFailure(saved.failure());
    }
}

void TMainForm::runAutoBackup() {
    const QDate today = QDate::currentDate();
    if (!exchange::autoBackupEnabled(dm_)) {
        return;
    }
    const Result<bool> due = exchange::backupDue(dm_.db(), today);
    if (!due) {
        app::showFailure(due.failure());
        return;
    }
    if (!*due || !app::confirmAction(exchange::kAskBackup)) {
        return;
    }
    const Result<exchange::AutoBackupDone> outcome = [&] {
        const app::ProgressScope wait(exchange::kBackingUp);
        return exchange::runAutoBackup(dm_, today);
    }();
    if (!outcome) {
        app::showFailure(outcome.failure());
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (started_ && dm_.db().isOpen() && !databaseReplaced_) {
        if (saveLayout_) {
            saveLayout();
        }
        runAutoBackup();
    }
    QMainWindow::closeEvent(event);
}

void TMainForm::checkDuplicateNames() {
    const Result<QString> message = [this] {
        const app::ProgressScope wait(cadre::kCheckingNames);
        return cadre::duplicateNamesMessage(dm_.db());
    }();
    if (!message) {
        app::showFailure(message.failure());
        return;
    }
    app::showInformation(*message);
}

void TMainForm::openBatchChange() {
    if (!admin::HasRight(dm_, QStringLiteral("TOOL"))) {
        return;
    }
    TChangeForm form(dm_, pickLists_, this);
    if (form.exec() == QDialog::Accepted) {
        reloadAfterChange();
    }
}

void TMainForm::openLibraryMove() {
    if (!admin::HasRight(dm_, QStringLiteral("WGB"))) {
        return;
    }
    TSwitchForm form(dm_, this);
    if (form.exec() == QDialog::Accepted) {
        reloadAfterChange();
    }
}

void TMainForm::reloadAfterChange() {
    const int current = unitPanel_->tree()->currentUnitId();
    unitPanel_->tree()->reload();
    if (current != 0) {
        unitPanel_->tree()->selectUnit(current);
    }
    pageDw_->reload();
    pageAdv_->reload();
    if (reminders_ != nullptr) {
        reminders_->reloadCadres();
    }
    showCadreCount();
}

void TMainForm::showEntryStatistics() {
    TInforForm(dm_, this).exec();
}

void TMainForm::openUnitLibrary() {
    unitPanel_->openLibrary();
}

void TMainForm::openManagers() {
    if (admin::HasRight(dm_, QStringLiteral("GLYSET"))) {
        TManagerForm(dm_, this).exec();
    }
}

void TMainForm::openSettings() {
    if (!admin::HasRight(dm_, QStringLiteral("PARAM")) ||
        TConfForm(dm_, this).exec() != QDialog::Accepted) {
        return;
    }
    // The settings this window keeps for the session are read again.
    const Result<bool> saveLayout = cadre::saveLayoutOnExit(dm_.db(), dm_.session().ManagerID);
    const Result<bool> locked = cadre::postsLocked(dm_.db());
    if (saveLayout && locked) {
        saveLayout_ = *saveLayout;
        postsLocked_ = *locked;
    } else {
        app::showFailure(!saveLayout ? saveLayout.failure() : locked.failure());
    }
}

void TMainForm::openExportFolder() {
    if (TExportDirForm(dm_, this).exec() == QDialog::Accepted) {
        widgets::setExportFolder(settings::exportFolder(dm_));
    }
}

void TMainForm::openSend() {
    if (admin::HasRight(dm_, QStringLiteral("SEND"))) {
        TToSendForm(dm_, this).exec();
    }
}

void TMainForm::openReceive() {
    if (admin::HasRight(dm_, QStringLiteral("RECIEVE")) &&
        TToRevForm(dm_, this).exec() == QDialog::Accepted) {
        reloadAfterChange();
    }
}

void TMainForm::openStandardCheck() {
    // The check rewrites stored cadre records in bulk: the right of batch modification.
    if (admin::HasRight(dm_, QStringLiteral("TOOL"))) {
        TStdCheckForm(dm_, this).exec();
    }
}

void TMainForm::openReminders() {
    if (reminders_ == nullptr) {
        reminders_ = new TWakeForm(dm_, this);
        reminders_->setAttribute(Qt::WA_DeleteOnClose);
        connect(reminders_, &TWakeForm::cadresMoved, this, &TMainForm::reloadAfterChange);
    }
    reminders_->show();
    reminders_->raise();
}

void TMainForm::openDatabaseSettings() {
    TDbSetForm form(dm_, this);
    if (form.exec() == QDialog::Accepted) {
        app::showInformation(QStringLiteral("软件将重新启动。"));
        Q_EMIT restartRequested();
    }
}

#pragma once

#include <QMainWindow>
#include <QPointer>

#include "app/LoginSession.h"
#include "appointment/ApprovalForm.h"
#include "appointment/ui/TBatchOutputForm.h"
#include "cadre/PickLists.h"
#include "main/ui/MainMenus.h"

class PageAdv;
class PageChart;
namespace statistics {
enum class ChartKind;
struct ChartSet;
}  // namespace statistics
class DatabaseCommands;
class PageDw;
class PageMc;
class PagePx;
class PageRm;
class PageZs;
class QLabel;
class QListWidget;
class QStackedWidget;
class QToolBox;
class TDataM;
class TWakeForm;
class UnitTreePanel;

// The program's main window: the navigation groups on the left, the page of the active group on
// the right (the cadre list of the selected unit for "组织架构"), the menus with every command,
// and the duties of start (on first show) and exit (saving the layout, the automatic backup).
class TMainForm final : public QMainWindow {
    Q_OBJECT

  public:
    // The window works on `dm` (not owned, outliving the window); the unit tree is loaded from
    // it at once.
    explicit TMainForm(TDataM& dm, QWidget* parent = nullptr);

    // The logged-in user, shown in the status bar.
    void setSession(const LoginSession& session);

    // The unit whose cadres are listed: its ID (0 when none) and full name.
    int currentUnitId() const { return currentUnitId_; }
    const QString& currentUnitName() const { return currentUnitName_; }

    PageDw* cadreList() const { return pageDw_; }
    PageAdv* searchResult() const { return pageAdv_; }
    PageMc* rosters() const { return pageMc_; }
    PagePx* training() const { return pagePx_; }
    PageRm* plans() const { return pageRm_; }
    PageZs* quotaAnalysis() const { return pageZs_; }
    PageChart* charts() const { return pageChart_; }
    // The commands on the database as a whole (backup, restore, compaction, transfer).
    DatabaseCommands* databaseCommands() const { return databaseCommands_; }
    // The lists of the editing controls, read on first show.
    const cadre::PickLists& pickLists() const { return pickLists_; }
    // Whether the layout is saved on exit, and whether post texts are locked (read on first
    // show).
    bool savesLayout() const { return saveLayout_; }
    bool postsLocked() const { return postsLocked_; }
    // How the approval form is printed: the paper (tb_general.rmbPage), the family rows, the
    // title and the left margin in centimetres (tb_conf ZBJ/A001), read on first show.
    const appointment::ApprovalSettings& approvalSettings() const { return approvalSettings_; }

    // The pages, in the order of the navigation.
    enum Page {
        PageDwIndex,
        PageRmIndex,
        PageMcIndex,
        PagePxIndex,
        PageZsIndex,
        PageAdvIndex,
        PageChartIndex
    };

  Q_SIGNALS:
    // The program is to end and start again (after the database settings changed).
    void restartRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void wireCommands();
    void openDatabaseSettings();
    void unitSelected(int id, const QString& name, bool isDep);
    void groupChanged(int index);
    void showPage(int index);
    void showCadreCount();
    // The charts: over the listed unit (with its subunits while they are shown) or over the
    // search result; "关闭" returns to the page shown before.
    void showUnitChart(int kind);
    void showResultChart(int kind);
    void showChart(statistics::ChartKind kind, const statistics::ChartSet& set,
                   const QString& title);
    void closeChart();
    void runStartDuties();
    void restoreLayout();
    void upgradeSchema();
    void saveLayout();
    void runAutoBackup();
    void checkDuplicateNames();
    void openBatchChange();
    void openLibraryMove();
    // After a command changed cadres: the unit tree, the lists, the reminders' retirement list
    // and the cadre count read again.
    void reloadAfterChange();
    void showEntryStatistics();
    // "打印设置": how the approval form is printed.
    void openPrintSetup();
    // The cadres listed in the page shown: the search result, the current roster's lines, or
    // else the current unit's list.
    QList<int> listedCadres() const;
    // The batch output window: "系统自带格式批量打印" over the current plan's lines on the plan
    // page, else over the cadres listed; with `templateOutput` (the template outputs) always
    // over the cadres listed, offering "按模板输出".
    void openBatchOutput(const TBatchOutputForm::TemplateOutput& templateOutput);
    // "中组部任免表格式批量导入": cadres imported from approval-form files.
    void openLrmImport();
    void openUnitLibrary();
    void openManagers();
    void openSettings();
    void openReminders();
    void openStandardCheck();
    void openExportFolder();
    // "数据报送" and "数据接收": the report-up package is written, or a package received.
    void openSend();
    void openReceive();

    TDataM& dm_;
    // Read on first show; the list page keeps a reference to them from the start.
    cadre::PickLists pickLists_;
    bool started_ = false;
    QLabel* userLabel_;
    QLabel* countLabel_;
    QToolBox* NavBar;
    UnitTreePanel* unitPanel_;
    QListWidget* lstAnalysis;
    QStackedWidget* PageControl;
    PageDw* pageDw_;
    PageAdv* pageAdv_;
    PageChart* pageChart_;
    int pageBeforeChart_ = PageDwIndex;
    PageMc* pageMc_;
    PageRm* pageRm_;
    PageZs* pageZs_;
    PagePx* pagePx_;
    MainMenus menus_;
    QPointer<TWakeForm> reminders_;
    DatabaseCommands* databaseCommands_;
    // The working database was replaced: closing leaves it as it is (no layout, no backup).
    bool databaseReplaced_ = false;
    int currentUnitId_ = 0;
    QString currentUnitName_;
    bool saveLayout_ = false;
    bool postsLocked_ = false;
    appointment::ApprovalSettings approvalSettings_;
};

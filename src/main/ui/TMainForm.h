#pragma once

#include <QMainWindow>

#include "app/LoginSession.h"
#include "appointment/ApprovalForm.h"
#include "cadre/PickLists.h"
#include "main/ui/MainMenus.h"

class PageAdv;
class DatabaseCommands;
class PageDw;
class PageMc;
class PageRm;
class QLabel;
class QListWidget;
class QStackedWidget;
class QToolBox;
class TDataM;
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
    PageRm* plans() const { return pageRm_; }
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
    QWidget* makePlaceholderPage(const char* name, const QString& caption);
    QWidget* makeGroupPanel(const char* name, const QStringList& labels);
    void wireCommands();
    void openDatabaseSettings();
    void unitSelected(int id, const QString& name, bool isDep);
    void groupChanged(int index);
    void showPage(int index);
    void showCadreCount();
    void runStartDuties();
    void restoreLayout();
    void saveLayout();
    void runAutoBackup();
    void checkDuplicateNames();
    void showEntryStatistics();
    // "打印设置": how the approval form is printed.
    void openPrintSetup();
    void openUnitLibrary();
    void openManagers();

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
    PageMc* pageMc_;
    PageRm* pageRm_;
    MainMenus menus_;
    DatabaseCommands* databaseCommands_;
    // The working database was replaced: closing leaves it as it is (no layout, no backup).
    bool databaseReplaced_ = false;
    int currentUnitId_ = 0;
    QString currentUnitName_;
    bool saveLayout_ = false;
    bool postsLocked_ = false;
    appointment::ApprovalSettings approvalSettings_;
};

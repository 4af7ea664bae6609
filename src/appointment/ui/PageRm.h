#pragma once

#include <QWidget>
#include <vector>

#include "appointment/Plans.h"

class PlanLinesModel;
class QAction;
class QLabel;
class QTableView;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class TDataM;
namespace cadre {
struct PickLists;
}

// The page "PageRm" of appointment plans and its navigation panel: the plan tree with "添加",
// "删除", "修改" (treePanel(), placed in the navigation bar), and the lines of the selected plan
// with the toolbar "任免方案". Every command that changes plans or lines asks for the right
// "RMW" first; after each change the lines are read again.
class PageRm final : public QWidget {
    Q_OBJECT

  public:
    // The page reads `dm`; the cadre editor uses the pickers' lists `lists`. Neither is owned;
    // both outlive the page.
    PageRm(TDataM& dm, cadre::PickLists& lists, QWidget* parent = nullptr);

    // The plan tree with its commands, for the navigation bar.
    QWidget* treePanel() const { return treePanel_; }
    QTreeWidget* tree() const { return cxTreeViewRm; }
    QTableView* grid() const { return grid_; }
    PlanLinesModel* lines() const { return model_; }
    // The plan whose lines are shown (0: none).
    int currentPlanId() const { return planId_; }

    // Builds the tree again from the stored plans and selects plan `planId` when given.
    void reloadTree(int planId = 0);
    // Shows the lines of plan `planId` (0: none).
    void showPlan(int planId);

    // The commands of the tree panel and the toolbar.
    void addPlan();
    void editPlan();
    void deletePlan();
    void searchPlans();
    void addCadres();
    void removeLine();
    void refreshLine();
    void moveUp();
    void moveDown();
    void openCadre();
    // Opens the approval-form editor on the plan, at the focused line.
    void openEditor();
    // Opens the batch output of the plan's approval forms.
    void batchOutput();
    // "导入LRM文件": cadres of approval-form files imported and put into the current plan.
    void importLrmFiles();
    void exportGrid();

  private:
    QWidget* buildTreePanel();
    void buildToolBar(QToolBar* toolBar);
    void treeClicked(QTreeWidgetItem* item);
    void reloadLines(int keepLineId);
    // The line of the focused grid row (0: none).
    int currentLineId() const;
    // Whether there is a plan at all and one is selected; otherwise the matching refusal.
    bool planSelected();
    void moveLine(int step);

    TDataM& dm_;
    cadre::PickLists& lists_;
    std::vector<appointment::PlanHeader> plans_;
    int planId_ = 0;
    QString planName_;
    QWidget* treePanel_;
    QTreeWidget* cxTreeViewRm;
    QLabel* lblCaption_;
    QLabel* lblFooter_;
    QTableView* grid_;
    PlanLinesModel* model_;
    QAction* editInGrid_;
};

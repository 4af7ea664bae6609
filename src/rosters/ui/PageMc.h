#pragma once

#include <QHash>
#include <QWidget>
#include <optional>

#include "rosters/Rosters.h"

class QAction;
class QLabel;
class QMenu;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;
class RosterLinesModel;
class TDataM;
namespace cadre {
struct PickLists;
}
namespace report {
class Layout;
}

// The page "PageMc" ("名册管理") with its tool bar "名册管理", and the roster tree
// (cxTreeViewMc, roots "所有名册" and "按时间") that the navigation shows beside it: making,
// editing and deleting rosters, adding cadres by hand, removing and moving lines, opening a
// line's cadre, choosing the columns shown, and the roster's outputs (the grid to Excel, the
// printed roster with preview, print and PDF). Commands that change data need the right "MCW".
class PageMc final : public QWidget {
    Q_OBJECT

  public:
    // The page reads `dm`; the cadre editor uses `lists`. Neither is owned; both outlive the page.
    PageMc(TDataM& dm, cadre::PickLists& lists, QWidget* parent = nullptr);

    // The tree panel for the navigation (owned by this page until it is put elsewhere).
    QWidget* treePanel() const { return treePanel_; }
    QTreeWidget* tree() const { return cxTreeViewMc; }
    QTableView* grid() const { return grid_; }
    RosterLinesModel* model() const { return model_; }
    QAction* action(const char* name) const;
    QLabel* caption() const { return lblCaption; }
    const std::optional<rosters::Roster>& current() const { return current_; }

    // The roster group was opened: with no roster left the stray lines go; the tree is read
    // again and the current roster's lines shown.
    void activate();
    // Makes roster `id` the current one and shows its lines (false when it is not there).
    bool selectRoster(int id);
    // The printed form of the current roster as shown (visible columns, rows in order).
    report::Layout printout() const;

    // The commands.
    void newRoster();
    void editRoster();
    void deleteRoster();
    void addCadres();
    void removeCadre();
    void openCadre();
    void moveUp();
    void moveDown();
    void exportExcel();
    void preview();

  private:
    QAction* addAction(const char* name, const QString& caption, void (PageMc::*slot)());
    QWidget* buildTreePanel();
    void buildToolBar();
    void rebuildTree();
    void showLines(int cadreId, int fallbackRow);
    int selectedRow() const;
    void selectRow(int row);
    void move(int step);
    bool mayChange();

    TDataM& dm_;
    cadre::PickLists& lists_;
    QTreeWidget* cxTreeViewMc;
    QTreeWidgetItem* allRoot_ = nullptr;
    QTreeWidgetItem* yearRoot_ = nullptr;
    QWidget* treePanel_;
    QLabel* lblCaption;
    QTableView* grid_;
    RosterLinesModel* model_;
    QMenu* columnsMenu_ = nullptr;
    QHash<QString, QAction*> actions_;
    std::optional<rosters::Roster> current_;
};

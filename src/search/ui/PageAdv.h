#pragma once

#include <QHash>
#include <QList>
#include <QWidget>

class CadreListModel;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QTableView;
class TDataM;
class TQueryLogForm;
namespace cadre {
struct PickLists;
}

// The page "PageAdv" ("干部统计分析"): the search result kept in tb_tcid, filled by a condition
// search (replacing, extending or narrowing it) or by picking cadres by hand, ordered by its sort
// keys; with removal, the operation log, locating a cadre, opening it in the editor, moving
// rows and the sorts of the "排序" menu. Every change goes to the log; the heading shows the
// count; the result is filled from rosters and saved into one. The statistics and batch-output
// entries wait for their subsystems, disabled.
class PageAdv final : public QWidget {
    Q_OBJECT

  public:
    // The result reads `dm`; the editor and the search dialog use the pick lists `lists`. Neither
    // is owned; both outlive the page.
    PageAdv(TDataM& dm, cadre::PickLists& lists, QWidget* parent = nullptr);

    // Reads the result again (it survives restarts), keeping the selected cadre when listed.
    void reload();

    int rowCount() const;
    int selectedRow() const;
    bool selectRow(int row);
    QTableView* grid() const { return grid_; }
    CadreListModel* model() const { return model_; }
    QAction* action(const char* name) const;
    TQueryLogForm* log() const { return log_; }
    // The units checked on the unit tab of the last condition search.
    const QList<int>& searchedUnits() const { return searchedUnits_; }

    // The commands.
    void searchByConditions();
    void addByHand();
    // "从名册中加入干部": the cadres of the rosters ticked in TSleMMcForm join the result.
    void addFromRosters();
    // "保存至名册": the result's cadres are added to the roster chosen in TSelMcForm.
    void saveToRoster();
    void clearResult();
    void removeSelected();
    void showLog();
    void locateCadre();
    void openCadre();
    void moveUp();
    void moveDown();
    void moveToRow();
    void sortCombined();
    void sortByDefaultOrder();
    void saveAsDefaultOrder();
    void sortByUnit();
    void exportExcel();
    void checkExistence();
    // Finds the next (or previous) row after the selected one whose cadre matches `typed`
    // (search::cadreMatches) and selects it; false when none does.
    bool findNext(const QString& typed, bool down);

    static const QString kNotFound;
    static const QString kCheckHint;

  private:
    QAction* addAction(const char* name, const QString& caption, void (PageAdv::*slot)());
    QAction* addIdleAction(const char* name, const QString& caption);
    void buildToolBar();
    // Reads the result in key order and selects the row of `cadreId` (or `fallbackRow`); with
    // `withUnit` the unit column shows each cadre's unit.
    void showResult(int cadreId, int fallbackRow, bool withUnit = false);
    int selectedCadre() const;
    void swapWithNeighbour(int step);
    void logLine(const QString& line);

    TDataM& dm_;
    cadre::PickLists& lists_;
    QLabel* lblHeading;
    QLineEdit* edtCheck;
    QTableView* grid_;
    CadreListModel* model_;
    TQueryLogForm* log_;
    QHash<QString, QAction*> actions_;
    QList<int> searchedUnits_;
};

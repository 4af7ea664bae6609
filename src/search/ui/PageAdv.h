#pragma once

#include <QHash>
#include <QList>
#include <QWidget>

class CadreListModel;
class CountPanel;
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
// count; the result is filled from rosters and saved into one. Below the list the count table
// ("启用二维统计表") counts the result and narrows the list to a cell's cadres ("反查"); the
// "统计图" entries ask for a chart of the result. The batch-output entries wait for their
// subsystem, disabled.
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
    CountPanel* countPanel() const { return countPanel_; }
    // The units checked on the unit tab of the last condition search.
    const QList<int>& searchedUnits() const { return searchedUnits_; }
    // The condition of the reverse lookup in force (search::listedWhere); empty while the whole
    // result is listed. The charts of the result count what the list shows by it.
    const QString& lookup() const { return lookup_; }

    // The commands.
    void searchByConditions();
    void addByHand();
    // "从名册中加入干部": the cadres of the rosters ticked in TSleMMcForm join the result.
    void addFromRosters();
    // "保存至名册": the cadres the list shows (all of the result, or those of a reverse lookup in
    // force) are added to the roster chosen in TSelMcForm.
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

    // "启用二维统计表": shows (and counts) or hides the count table.
    void showCountTable(bool on);

    static const QString kNotFound;
    static const QString kCheckHint;

  Q_SIGNALS:
    // A "统计图" entry: the chart of kind `kind` (a statistics::ChartKind) over the result.
    void chartRequested(int kind);

  private:
    QAction* addAction(const char* name, const QString& caption, void (PageAdv::*slot)());
    QAction* addCommand(const char* name, const QString& caption);
    QAction* addIdleAction(const char* name, const QString& caption);
    void buildToolBar();
    // Reads the result in key order and selects the row of `cadreId` (or `fallbackRow`); with
    // `withUnit` the unit column shows each cadre's unit.
    void showResult(int cadreId, int fallbackRow, bool withUnit = false);
    int selectedCadre() const;
    void swapWithNeighbour(int step);
    void logLine(const QString& line);
    // Counts the result again when the count table is shown.
    void recount();
    void buildChartMenu(QMenu* menu);

    TDataM& dm_;
    cadre::PickLists& lists_;
    QLabel* lblHeading;
    QLineEdit* edtCheck;
    QTableView* grid_;
    CadreListModel* model_;
    TQueryLogForm* log_;
    CountPanel* countPanel_;
    // The condition of the reverse lookup in force (empty: the whole result is listed).
    QString lookup_;
    QHash<QString, QAction*> actions_;
    QList<int> searchedUnits_;
};

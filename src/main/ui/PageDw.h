#pragma once

#include <QHash>
#include <QWidget>

class CadreListModel;
class CheckComboBox;
class QAction;
class QLabel;
class QTableView;
class QToolBar;
class TDataM;
namespace cadre {
struct PickLists;
}
struct DraggedCadre;

// The page "PageDw": the cadres of the unit selected in the tree, with the commands that change
// the list (adding existing cadres, moving rows, removing cadres, moving a cadre into another
// unit). Every command that changes data asks for the right "WGB" (those that change posts also
// "GBRZW"), is refused for a unit outside the account's units, and runs in one transaction;
// afterwards the list is read again and the same cadre (or the row after a removed one) is
// selected.
class PageDw final : public QWidget {
    Q_OBJECT

  public:
    // The list reads `dm`; the cadre editor uses and extends the pickers' lists `lists`. Neither
    // is owned; both outlive the page.
    PageDw(TDataM& dm, cadre::PickLists& lists, QWidget* parent = nullptr);

    // Shows the cadres of unit `unitId` (0: none) named `name`; `isDep` tells a real unit from a
    // grouping node and `dwIndex` is the unit's index, the prefix of its subtree.
    void loadList(int unitId, const QString& name, bool isDep, const QString& dwIndex);
    // Reads the list again, keeping the selected membership row when it is still listed.
    void reload();

    int currentUnitId() const { return unitId_; }
    // The index of the listed unit (the prefix of its subtree) and the list's heading.
    const QString& unitIndex() const { return unitIndex_; }
    QString heading() const;
    bool showsSubordinates() const;
    // The "干部类型" the list is filtered by, as a mask of tb_cadre.ctype bits (0: every type).
    int cadreTypes() const;
    int rowCount() const;
    // The selected row in list order (-1 when none).
    int selectedRow() const;
    bool selectRow(int row);

    // The list commands.
    void addExistingCadres();
    void moveUp();
    void moveDown();
    void moveToRow();
    void deleteCadre();
    // The cadre editor: on the selected row ("干部详细", a double-click), on a new cadre of the
    // current unit ("新录入干部", right "WGB"), and with its own list ("干部信息库").
    void openCadre();
    void newCadre();
    void openLibrary();
    // The posts of the cadre selected in the current unit: "添加新职务" (a current post in this
    // unit), "免除职务", "删除职务"; and "加入干部并批量设置职务" for the unit.
    void addPost();
    void removePosts();
    void deletePosts();
    void setPostsByCategory();
    // The transfer of a dragged row onto unit `unitId` of the tree.
    void dropOnUnit(int unitId, const QString& unitName, const DraggedCadre& cadre);

    QAction* action(const char* name) const;
    // The column toggles, one per column, named "tbCol" + the column's field.
    const QList<QAction*>& columnToggles() const { return columnToggles_; }
    QTableView* grid() const { return grid_; }
    CadreListModel* model() const { return model_; }

    static const QString kNoUnit;
    static const QString kSelectToView;
    static const QString kSelectToDelete;
    static const QString kSelectToMove;
    static const QString kSelectCadre;

  Q_SIGNALS:
    // The number of cadres may have changed (a removal).
    void cadresChanged();
    // A "报表图表" entry: the chart of kind `kind` (a statistics::ChartKind) over the listed
    // unit, with its subunits while they are shown.
    void chartRequested(int kind);

  private:
    QAction* addAction(const char* name, const QString& caption);
    bool mayChange();
    // The selected row when the user may move it (right, selection), with any column sort
    // cleared; -1 after a refusal.
    int rowToMove();
    // The cadre of the selected row when the user may change its posts, else 0 (after a
    // message).
    int cadreForPosts();
    void swapWithNeighbour(int step);
    void locate(const char* field, const QVariant& value, int fallbackRow);
    void showSubordinates(bool on);
    void updateCommands();
    void buildChartMenu();

    // Runs the editor and reloads the list on the cadre it showed last when it changed anything.
    void runEditor(class TCadreForm& editor);

    TDataM& dm_;
    cadre::PickLists& lists_;
    int unitId_ = 0;
    bool isDep_ = false;
    QString unitIndex_;
    QLabel* lblHeading;
    QLabel* lblHint;
    CheckComboBox* cbCadreType;
    QToolBar* toolBar_;
    QTableView* grid_;
    CadreListModel* model_;
    QLabel* lblCount;
    QHash<QString, QAction*> actions_;
    QList<QAction*> columnToggles_;
};

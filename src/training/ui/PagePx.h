#pragma once

#include <QHash>
#include <QWidget>
#include <optional>

#include "training/TrainingClasses.h"

class QAction;
class QLabel;
class QStandardItemModel;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;
class TDataM;
namespace cadre {
struct PickLists;
}

// The page "PagePx" ("培训管理") and the class tree (tvPx) that the navigation shows beside it:
// classes by year and category, the selected class's participants with their attendance, and
// the commands on both. Commands that change data need the right "PXW".
class PagePx final : public QWidget {
    Q_OBJECT

  public:
    // The page reads `dm`; the cadre editor uses `lists`. Neither is owned; both outlive the page.
    PagePx(TDataM& dm, cadre::PickLists& lists, QWidget* parent = nullptr);

    // The tree panel for the navigation (owned by this page until it is put elsewhere).
    QWidget* treePanel() const { return treePanel_; }
    QTreeWidget* tree() const { return tvPx; }
    QTableView* grid() const { return grid_; }
    QStandardItemModel* model() const { return model_; }
    QAction* action(const char* name) const;
    const std::optional<training::TrainingClass>& current() const { return current_; }

    // The training group was opened: the tree is read again and the current class shown.
    void activate();
    // Makes class `id` the current one and shows its participants (false when it is gone).
    bool selectClass(int id);
    // Shows the classes that `where` selects instead of all classes.
    void showFound(const QString& where);

    // The commands.
    void newClass();
    void editClass();
    void deleteClass();
    void addCadres();
    void removeCadre();
    void openCadre();
    void moveUp();
    void moveDown();
    void toggleEditing();
    void exportExcel();
    void queryClasses();

  private:
    QAction* addAction(const char* name, const QString& caption, void (PagePx::*slot)());
    QWidget* buildTreePanel();
    void buildToolBar();
    void fillTree(const std::vector<training::TrainingClass>& classes, bool grouped);
    void rebuildTree();
    void showParticipants(int participantId, int fallbackRow);
    void attendanceEdited(int row, int column);
    int selectedRow() const;
    int participantAt(int row) const;
    int cadreAt(int row) const;
    void move(int step);
    bool mayChange();

    TDataM& dm_;
    cadre::PickLists& lists_;
    QTreeWidget* tvPx;
    QWidget* treePanel_;
    QLabel* lblCaption;
    QTableView* grid_;
    QStandardItemModel* model_;
    QHash<QString, QAction*> actions_;
    std::optional<training::TrainingClass> current_;
    bool filling_ = false;
};

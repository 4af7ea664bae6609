#pragma once

#include <QMimeData>
#include <QTreeWidget>

namespace db {
class Database;
}

// The unit tree of the main window (and of the pickers that copy it): one item per row of
// tb_department, built by units::loadUnitTree. Each item carries its unit's ID, kind, index and
// full name in the data roles below. The "absolute index" of an item is its position in display
// order (depth first, children in order), counting collapsed items too.
class UnitTreeWidget final : public QTreeWidget {
    Q_OBJECT

  public:
    enum Role {
        IdRole = Qt::UserRole,
        IsDepRole,
        IndexRole,
        NameRole,
    };

    explicit UnitTreeWidget(QWidget* parent = nullptr);

    // The database the tree is loaded from (not owned); null leaves the tree empty.
    void setDatabase(db::Database* db) { db_ = db; }

    // Rebuilds the items from the table and selects the item at `absoluteIndex` when there is
    // one, else item 0 when the tree has any. Emits unitSelected once for the new selection.
    void reload(int absoluteIndex = 0);

    // Makes the first item of unit `id` (or the item at an absolute index) current; false, with
    // the selection unchanged, when there is none.
    bool selectUnit(int id);
    bool selectAbsoluteIndex(int absoluteIndex);

    // Lets data of the MIME type `format` (from another widget) be dropped on the items; each
    // drop is reported by dropReceived. Drops of any other kind are refused.
    void setDropFormat(const QString& format);

    // Shows or hides a check box on every item (kept across reloads, all unchecked after one).
    void setCheckable(bool on);
    bool isCheckable() const { return checkable_; }
    // The units whose items are checked, in display order.
    QList<int> checkedUnitIds() const;

    // The current item's unit (0 when none) and its absolute index (-1 when none).
    int currentUnitId() const;
    int currentAbsoluteIndex() const;
    // Every item, in display order.
    QList<QTreeWidgetItem*> itemsInDisplayOrder() const;

  Q_SIGNALS:
    // The current item changed; `id` 0 with an empty name when no item is current.
    void unitSelected(int id, const QString& name, bool isDep);
    // Data of the drop format was dropped on the item of unit `id`, whose full name is `name`.
    void dropReceived(int id, const QString& name, const QMimeData* data);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void emitCurrent();

    db::Database* db_ = nullptr;
    bool checkable_ = false;
    QString dropFormat_;
};

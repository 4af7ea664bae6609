#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class TSelectDwForm;
class UnitTreeWidget;

namespace db {
class Database;
}

// A unit chosen from the tree: a read-only box showing the chosen unit's path, which opens the
// drop-down tree picker on a click (or F4, Down, Space); a click on a node chooses it.
// With a top-level button ("<无>" beside the box) the choice may also be "no unit", shown as
// "<无>". The picker copies a hidden tree of the units, loaded by reload().
class UnitPickerEdit final : public QWidget {
    Q_OBJECT

  public:
    // `boxName` names the box, `noneName` the "<无>" button (none: no button).
    UnitPickerEdit(const QString& boxName, const QString& noneName, QWidget* parent = nullptr);

    void setDatabase(db::Database* db);
    // Reads the units again (the chosen unit is kept when it is still there).
    void reload();

    // Chooses unit `id`; a unit that is not in the tree (or 0) leaves none chosen.
    void setUnit(int id);
    int unitId() const { return unitId_; }

    void setReadOnly(bool on);

    static const QString kNone;

  Q_SIGNALS:
    void unitChanged(int id);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void openPicker();

    QLineEdit* box_;
    QPushButton* none_ = nullptr;
    UnitTreeWidget* tree_;
    TSelectDwForm* picker_;
    int unitId_ = 0;
    bool readOnly_ = false;
};

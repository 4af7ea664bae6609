#pragma once

#include <QSet>
#include <QString>
#include <vector>

#include "db/Result.h"

namespace db {
class Database;
}

// The saved layout of the main window: tb_custom_check keeps the checked state of toggle
// buttons (and, under names starting with "[Cadre]", of menu items of the cadre editor);
// tb_custom_width keeps width and position of grid columns. Names are object names; one layout
// serves the whole database.
namespace mainwin {

inline const QString kCadreEditorPrefix = QStringLiteral("[Cadre]");

struct CheckState {
    QString name;
    bool down = false;

    bool operator==(const CheckState&) const = default;
};

struct ColumnLayout {
    QString name;
    int width = 0;
    int ord = 0;

    bool operator==(const ColumnLayout&) const = default;
};

// The rows of tb_custom_check in table order.
Result<std::vector<CheckState>> readCheckStates(db::Database& db);

// The rows of tb_custom_width in table order.
Result<std::vector<ColumnLayout>> readColumnLayouts(db::Database& db);

struct RestoredChecks {
    std::vector<CheckState> window;       // rows naming one of the known names
    std::vector<CheckState> cadreEditor;  // "[Cadre]" rows, the prefix taken off
    int deleted = 0;                      // rows removed because they name nothing
};

// Sorts the check rows for restoring the window: names in `knownNames` go to the window, names
// starting with "[Cadre]" to the cadre editor, and every other row (a control that no longer
// exists, or "[Cadre]" alone) is deleted from the table. A failure deletes nothing.
Result<RestoredChecks> restoreCheckStates(db::Database& db, const QSet<QString>& knownNames);

// Stores the layout: each check state and each column is updated where a row of its name
// exists and appended where none does. All or nothing.
Result<void> saveLayout(db::Database& db, const std::vector<CheckState>& checks,
                        const std::vector<ColumnLayout>& columns);

}  // namespace mainwin

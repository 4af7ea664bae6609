#include "cadre/ui/ResumeGridRows.h"

#include <QTableWidget>
#include <algorithm>

cadre::ResumeTable readResumeGrid(const QTableWidget& grid) {
    const auto cell = [&grid](int row, int column) {
        const QTableWidgetItem* item = grid.item(row, column);
        return item == nullptr ? QString() : item->text();
    };
    cadre::ResumeTable rows;
    for (int row = 0; row < grid.rowCount(); ++row) {
        rows.push_back({cell(row, ResumeStart), cell(row, ResumeEnd), cell(row, ResumeContent)});
    }
    return rows;
}

void fillResumeGrid(QTableWidget& grid, const cadre::ResumeTable& rows, int currentRow) {
    const int column = std::max(grid.currentColumn(), 0);
    grid.clearContents();
    grid.setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < grid.rowCount(); ++row) {
        const cadre::ResumeRow& line = rows[static_cast<std::size_t>(row)];
        grid.setItem(row, ResumeStart, new QTableWidgetItem(line.start));
        grid.setItem(row, ResumeEnd, new QTableWidgetItem(line.end));
        grid.setItem(row, ResumeContent, new QTableWidgetItem(line.content));
    }
    if (currentRow >= 0 && currentRow < grid.rowCount()) {
        grid.setCurrentCell(currentRow, column);
    }
}

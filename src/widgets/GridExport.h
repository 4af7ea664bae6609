#pragma once

#include <QString>
#include <QStringList>

#include "db/Result.h"
#include "office/NewWorkbook.h"

class QTableView;
class QWidget;

// Any grid exported to a new Excel workbook as the user sees it.
namespace widgets {

inline const QString kNothingToExport = QStringLiteral("表格中无数据，无法导出!");
inline const QString kExportDone = QStringLiteral("导出完成!");

// The grid as shown: its visible columns in the order the header shows them, their captions as
// the caption row, every row's displayed values, and `footer` (one text a line) below the rows.
office::NewSheet sheetOfGrid(const QTableView& view, const QStringList& footer = {});

// "导出Excel": an empty grid is refused with kNothingToExport; otherwise a save dialog asks for
// the .xlsx file (starting at `suggestedName`), the grid is written there and kExportDone shown;
// a file that cannot be written is reported with its name.
void exportGrid(const QTableView& view, QWidget* parent, const QString& suggestedName,
                const QStringList& footer = {});

}  // namespace widgets

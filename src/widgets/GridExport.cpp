#include "widgets/GridExport.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QTableView>

#include "app/MessageService.h"
#include "widgets/ExportProposal.h"

namespace widgets {

office::NewSheet sheetOfGrid(const QTableView& view, const QStringList& footer) {
    office::NewSheet sheet;
    const QAbstractItemModel* model = view.model();
    const QHeaderView* header = view.horizontalHeader();
    std::vector<int> columns;
    for (int visual = 0; model != nullptr && visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (!view.isColumnHidden(column)) {
            columns.push_back(column);
            sheet.header << model->headerData(column, Qt::Horizontal).toString();
        }
    }
    const int rows = model != nullptr ? model->rowCount() : 0;
    sheet.rows.reserve(static_cast<size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        QVariantList values;
        values.reserve(static_cast<qsizetype>(columns.size()));
        for (const int column : columns) {
            values << model->index(row, column).data(Qt::DisplayRole);
        }
        sheet.rows.push_back(std::move(values));
    }
    for (const QString& line : footer) {
        sheet.footer.push_back({line});
    }
    return sheet;
}

void exportGrid(const QTableView& view, QWidget* parent, const QString& suggestedName,
                const QStringList& footer) {
    if (view.model() == nullptr || view.model()->rowCount() == 0) {
        app::showInformation(kNothingToExport);
        return;
    }
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("导出Excel"),
                                                proposedExportPath(suggestedName),
                                                QStringLiteral("Excel文件 (*.xlsx)"));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".xlsx");
    }
    const Result<void> written = office::writeNewWorkbook(path, {sheetOfGrid(view, footer)});
    if (!written) {
        app::showError(written.errorText());
        return;
    }
    app::showInformation(kExportDone);
}

}  // namespace widgets

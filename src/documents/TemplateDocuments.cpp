#include "documents/TemplateDocuments.h"

#include <algorithm>

#include "office/DocxDocument.h"
#include "office/PptxPresentation.h"
#include "office/XlsxWorkbook.h"

namespace documents {

namespace {

// Adds the items of `text`, found at (page, row, column), to `items`; whether the cell holds
// placeholders and is to be blanked.
bool collect(const QString& text, int page, int row, int column, QList<TemplateItem>& items) {
    CellScan scan = scanCell(text);
    for (TemplateItem& item : scan.items) {
        item.page = page;
        item.h = row;
        item.l = column;
        items << item;
    }
    return scan.hasPlaceholders;
}

}  // namespace

Result<QList<TemplateItem>> scanWorkbook(office::XlsxWorkbook& workbook) {
    QList<TemplateItem> items;
    for (int sheet = 1; sheet <= workbook.sheetCount(); ++sheet) {
        const Result<office::CellRange> used = workbook.usedRange(sheet);
        if (!used) {
            return used.failure();
        }
        const int lastRow = std::min(used->lastRow, kScannedRows);
        const int lastColumn = std::min(used->lastColumn, kScannedColumns);
        for (int row = used->firstRow; row <= lastRow; ++row) {
            for (int column = used->firstColumn; column <= lastColumn; ++column) {
                const Result<QVariant> value = workbook.value(sheet, row, column);
                if (!value) {
                    return value.failure();
                }
                if (value->typeId() != QMetaType::QString ||
                    !collect(value->toString(), sheet, row, column, items)) {
                    continue;
                }
                if (Result<void> blanked = workbook.setValue(sheet, row, column, QVariant());
                    !blanked) {
                    return blanked.failure();
                }
            }
        }
    }
    return items;
}

Result<QList<TemplateItem>> scanDocument(office::DocxDocument& document) {
    QList<TemplateItem> items;
    for (int table = 1; table <= document.tableCount(); ++table) {
        const Result<int> rows = document.rowCount(table);
        if (!rows) {
            return rows.failure();
        }
        for (int row = 1; row <= *rows; ++row) {
            const Result<int> cells = document.cellCount(table, row);
            if (!cells) {
                return cells.failure();
            }
            for (int column = 1; column <= *cells; ++column) {
                if (!document.hasCell(table, row, column)) {
                    continue;
                }
                const Result<QString> text = document.cellText(table, row, column);
                if (!text) {
                    return text.failure();
                }
                if (!collect(*text, table, row, column, items)) {
                    continue;
                }
                if (Result<void> blanked = document.setCellText(table, row, column, QString());
                    !blanked) {
                    return blanked.failure();
                }
            }
        }
    }
    return items;
}

Result<QList<TemplateItem>> scanPresentation(office::PptxPresentation& presentation) {
    QList<TemplateItem> items;
    int page = 0;
    for (int slide = 1; slide <= presentation.slideCount(); ++slide) {
        const Result<int> tables = presentation.tableCount(slide);
        if (!tables) {
            return tables.failure();
        }
        for (int table = 1; table <= *tables; ++table) {
            ++page;
            const Result<int> rows = presentation.rowCount(slide, table);
            const Result<int> columns = presentation.columnCount(slide, table);
            if (!rows || !columns) {
                return !rows ? rows.failure() : columns.failure();
            }
            for (int row = 1; row <= *rows; ++row) {
                for (int column = 1; column <= *columns; ++column) {
                    const Result<QString> text = presentation.cellText(slide, table, row, column);
                    if (!text) {
                        return text.failure();
                    }
                    if (!collect(*text, page, row, column, items)) {
                        continue;
                    }
                    if (Result<void> blanked =
                            presentation.setCellText(slide, table, row, column, QString());
                        !blanked) {
                        return blanked.failure();
                    }
                }
            }
        }
    }
    return items;
}

Result<std::pair<int, int>> presentationTable(const office::PptxPresentation& presentation,
                                              int page) {
    int first = 1;
    for (int slide = 1; page >= 1 && slide <= presentation.slideCount(); ++slide) {
        const Result<int> tables = presentation.tableCount(slide);
        if (!tables) {
            return tables.failure();
        }
        if (page < first + *tables) {
            return std::pair{slide, page - first + 1};
        }
        first += *tables;
    }
    return Failure{
        QStringLiteral("演示文稿“%1”中没有第%2个表格。").arg(presentation.name()).arg(page), {}};
}

}  // namespace documents

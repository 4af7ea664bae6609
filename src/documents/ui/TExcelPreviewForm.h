#pragma once

#include <QDialog>
#include <QList>

#include "documents/ExcelImport.h"

class QTableWidget;

// "导入预览": the rows an Excel import will write, one line per worksheet row with what becomes
// of it ("新增", "更新", or why it is left out) and the values read for each mapped field.
// "导 入" accepts, "取 消" writes nothing.
class TExcelPreviewForm final : public QDialog {
    Q_OBJECT

  public:
    // `columns`: the mapped column of each importable field, as the import settings hold them.
    TExcelPreviewForm(const QList<documents::ImportRow>& rows,
                      const std::array<int, documents::kImportFieldCount>& columns,
                      QWidget* parent = nullptr);

    // The text of the "处理" column for a row.
    static QString actionText(const documents::ImportRow& row);

  private:
    QTableWidget* grdPreview;
};

#pragma once

#include <QDialog>
#include <QList>

#include "documents/ExcelImport.h"

class QTableWidget;

// What the preview shows for a cadre whose record holds every value of its row, and the tip of a
// value that the record holds already.
inline const QString kPreviewNoChange = QStringLiteral("无变化");
inline const QString kPreviewUnchangedTip = QStringLiteral("与库中相同，不写入");

// "导入预览": the rows an Excel import will write, one line per worksheet row with what becomes
// of it ("新增"; "更新" with the fields it changes; kPreviewNoChange for a cadre whose record
// already holds every value of the row; or why it is left out) and the values read for each mapped
// field, those that the record already holds greyed with the tip kPreviewUnchangedTip.
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

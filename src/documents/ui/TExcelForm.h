#pragma once

#include <QDialog>
#include <QList>
#include <functional>

#include "documents/ExcelImport.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QTableWidget;
class TDataM;
class UnitPickerEdit;

// "Excel批量导入": the workbook, the rows to read, the worksheet column of each importable field
// and the unit the imported cadres join. "确 定" reads the rows and shows them in the preview
// (TExcelPreviewForm); only when the preview is confirmed are they written, and the count of
// imported cadres is reported.
class TExcelForm final : public QDialog {
    Q_OBJECT

  public:
    // Asks for the right IMPORT, then shows the window with `currentUnitId` proposed as the unit
    // to join. True when cadres were imported (the caller reloads its lists).
    static bool run(TDataM& dm, int currentUnitId, QWidget* parent);

    TExcelForm(TDataM& dm, int currentUnitId, QWidget* parent = nullptr);

    // What "浏览" asks for the workbook: (owner, caption, filter) -> chosen path or empty.
    using FileChooser = std::function<QString(QWidget*, const QString&, const QString&)>;
    void setOpenFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // The column chosen for field `field` (in the order of documents::importFields()), 0 for
    // none; and choosing one ("A" is 1), kept only when it lies in the column range.
    int mappedColumn(int field) const;
    void mapColumn(int field, int column);

    bool imported() const { return imported_; }

  private:
    void buildMapping();
    void browse();
    void limitColumns();
    void importFile();
    documents::ExcelImportSettings settings() const;
    QComboBox* mappingBox(int field) const;

    TDataM& dm_;
    QLineEdit* edtFile;
    QSpinBox* seFirstRow;
    QSpinBox* seLastRow;
    QComboBox* cbColumnFrom;
    QComboBox* cbColumnTo;
    QTableWidget* grdMapping;
    QCheckBox* chkUnit;
    UnitPickerEdit* unitPicker;
    FileChooser chooseFile_;
    bool imported_ = false;
};

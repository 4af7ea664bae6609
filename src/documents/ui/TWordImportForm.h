#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>

#include "documents/WordFormImport.h"

class QCheckBox;
class QTableWidget;
class TDataM;
class UnitPickerEdit;

// "Word格式任免表数据导入": approval forms in Word documents chosen with "添加文件" are read and
// listed (the file, the cadre, what becomes of the form and whether its resume differs from the
// stored one) before anything is written; "简历对比" (or a double click) shows a differing
// resume beside the stored one in TJlForm; "导 入" writes the forms, replacing stored resumes only
// when "用任免表中的简历替换原简历" is ticked, and reports the count.
class TWordImportForm final : public QDialog {
    Q_OBJECT

  public:
    // Asks for the right IMPORT, then shows the window with `currentUnitId` proposed as the unit
    // to join. True when cadres were imported.
    static bool run(TDataM& dm, int currentUnitId, QWidget* parent);

    TWordImportForm(TDataM& dm, int currentUnitId, QWidget* parent = nullptr);

    // What "添加文件" asks for: (owner, caption, filter) -> the chosen paths.
    using FilesChooser = std::function<QStringList(QWidget*, const QString&, const QString&)>;
    void setOpenFilesChooser(FilesChooser chooser) { chooseFiles_ = std::move(chooser); }

    bool imported() const { return imported_; }

  private:
    void addFiles();
    void showList();
    void compareResume();
    void importForms();

    TDataM& dm_;
    QTableWidget* grdForms;
    QCheckBox* chkResume;
    QCheckBox* chkUnit;
    UnitPickerEdit* unitPicker;
    QStringList paths_;
    QList<documents::WordFormPlan> plans_;
    FilesChooser chooseFiles_;
    bool imported_ = false;
};

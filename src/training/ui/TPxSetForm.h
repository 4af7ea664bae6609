#pragma once

#include <QDialog>
#include <vector>

#include "training/LookupTables.h"

class QCheckBox;
class QTabWidget;
class QTableWidget;
class TDataM;

// "培训设置": the look-up tables of training on four tabs ("培训机构", "培训师资", "培训类别",
// "培训方式"), each a grid edited in place with "添 加" and "删 除"; editing is possible only
// while "允许修改" is ticked. Every edit is stored at once; a refused value is shown and the
// grid read again.
class TPxSetForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TPxSetForm(TDataM& dm, QWidget* parent = nullptr);

  private:
    QWidget* buildTab(training::Lookup lookup);
    void reload(training::Lookup lookup);
    void allowEditing(bool on);
    void addRow();
    void deleteRow();
    void cellEdited(training::Lookup lookup, int row, int column);
    training::Lookup shownLookup() const;

    TDataM& dm_;
    QTabWidget* tabs_;
    QCheckBox* chkAllow;
    std::vector<QTableWidget*> grids_;
    bool filling_ = false;
};

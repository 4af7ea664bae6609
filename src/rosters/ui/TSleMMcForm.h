#pragma once

#include <QDialog>
#include <QList>

class QTableWidget;
class TDataM;

// "选择名册" for several rosters: every roster with a tick box ("选中", "名册名称", "年份").
// "确 定" needs at least one ticked roster (kTickOneRoster).
class TSleMMcForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TSleMMcForm(TDataM& dm, QWidget* parent = nullptr);

    // Shows the dialog after reading the rosters; Rejected when they cannot be read.
    int choose();
    // The ticked rosters (after Accepted).
    QList<int> checkedIds() const;
    QTableWidget* grid() const { return cxGrid1; }

  private:
    TDataM& dm_;
    QTableWidget* cxGrid1;
};

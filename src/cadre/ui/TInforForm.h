#pragma once

#include <QDialog>

#include "cadre/EntryStatistics.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;
class TDataM;

// "录入数据统计信息": how many cadres, real units and post rows have been entered, with the
// history of saved snapshots. Each opening saves at most one snapshot; saving and deleting
// snapshots need the right "TOOL".
class TInforForm final : public QDialog {
    Q_OBJECT

  public:
    // Counts the data of `dm` and reads the history; the history panel starts hidden.
    explicit TInforForm(TDataM& dm, QWidget* parent = nullptr);

    const cadre::EntryCounts& counts() const { return statistics_.counts(); }

  private:
    void btnSaveClick();
    void btnHistoryClick();
    void btnDeleteClick();
    void fillHistory();

    TDataM& dm_;
    cadre::EntryStatistics statistics_;

    QLabel* lblCadreNum;
    QLabel* lblDepNum;
    QLabel* lblZwNum;
    QWidget* pnlHistory;
    QTableWidget* gridHistory;
    QPushButton* btnSave;
    QPushButton* btnHistory;
    QPushButton* btnDelete;
    QPushButton* btnExit;
};

#pragma once

#include <QDialog>

class QSpinBox;

// "移动到": the row of the list that the selected cadre moves to, from 1 to the list's row count.
class TMoveLineForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TMoveLineForm(int rowCount, QWidget* parent = nullptr);

    int targetRow() const;
    // Proposes row `row` (kept within the range).
    void setTargetRow(int row);

  private:
    QSpinBox* seRow;
};

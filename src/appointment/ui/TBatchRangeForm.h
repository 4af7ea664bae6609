#pragma once

#include <QDialog>

class QSpinBox;

// "批量打印范围": for a long list, the rows (counted from 1) that the batch output keeps, at
// first the first ones up to the batch limit.
class TBatchRangeForm final : public QDialog {
    Q_OBJECT

  public:
    TBatchRangeForm(int total, QWidget* parent = nullptr);

    // The first and the last row kept, counted from 1; first() <= last().
    int first() const;
    int last() const;

  private:
    QSpinBox* spnFrom_;
    QSpinBox* spnTo_;
};

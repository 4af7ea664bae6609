#pragma once

#include <QDialog>

#include "statistics/CountTable.h"

class QComboBox;

// "统计方式": the main (vertical) and the secondary (horizontal) dimension of the count table,
// each one of the six dimensions.
class TSelZbForm final : public QDialog {
    Q_OBJECT

  public:
    TSelZbForm(statistics::Dimension main, statistics::Dimension secondary,
               QWidget* parent = nullptr);

    statistics::Dimension mainDimension() const;
    statistics::Dimension secondaryDimension() const;

  private:
    QComboBox* cbMain;
    QComboBox* cbSecondary;
};

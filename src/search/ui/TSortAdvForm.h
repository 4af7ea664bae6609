#pragma once

#include <QDialog>

#include "search/ResultSort.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

// "排序规则": the range of the result to sort (all rows, or rows a to b) and the method (surname
// strokes alone, or a first and a second element). OK checks the range and the first element
// and stays open with the message when either is wrong.
class TSortAdvForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TSortAdvForm(QWidget* parent = nullptr);

    search::SortRule rule() const;

  private:
    void tryAccept();

    QRadioButton* rbAll;
    QRadioButton* rbRange;
    QLineEdit* edtFrom;
    QLineEdit* edtTo;
    QRadioButton* rbStrokes;
    QRadioButton* rbCombined;
    QComboBox* cbFirst;
    QComboBox* cbSecond;
};

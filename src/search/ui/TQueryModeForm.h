#pragma once

#include <QDialog>

#include "search/SearchResult.h"

class QRadioButton;

// "查询模式选择": asked before a condition search when the result is not empty; the chosen mode
// replaces the result, adds to it or narrows it. Cancel ends the command.
class TQueryModeForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TQueryModeForm(QWidget* parent = nullptr);

    search::SearchMode mode() const;

  private:
    QRadioButton* rbReplace;
    QRadioButton* rbAdd;
    QRadioButton* rbNarrow;
};

#pragma once

#include <QDialog>
#include <QList>

#include "settings/StandardCheck.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class TDataM;

// "标准化检查": a wizard that lists, per category, the stored values missing from the look-up
// lists with how many fields hold each, lets the user map each to a standard value, blank it
// or add it to the list, and on "完成" rewrites the records in one transaction.
class TStdCheckForm final : public QDialog {
  public:
    explicit TStdCheckForm(TDataM& dm, QWidget* parent = nullptr);

  private:
    QWidget* makeWelcomePage();
    QWidget* makeSummaryPage();
    QWidget* makeCategoryPage(settings::CheckCategory category);
    void step(int by);
    void fillSummary();
    void fillCategory(settings::CheckCategory category);
    void addCurrentToStandard(settings::CheckCategory category);
    QList<settings::ValueMapping> mappings() const;
    void finish();

    TDataM& dm_;
    QStackedWidget* pages_;
    QList<QLabel*> summaryLabels_;
    QList<QTableWidget*> grids_;
    QList<bool> filled_;
    QPushButton* btnPrior;
    QPushButton* btnNext;
};

#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

#include "units/QuotaAnalysis.h"

class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class TDataM;
class UnitTreeWidget;

// "职数设置向导": the scope of the analysis page in three steps: the units (a checkable copy of
// the unit tree, with "筛选单位" and "已选中单位"), the post categories (quota mode) or the
// identities (staffing mode), and "点击“结束”开始执行。". "完成" on the last step accepts.
class TPlzsForm final : public QDialog {
    Q_OBJECT

  public:
    TPlzsForm(TDataM& dm, units::AnalysisMode mode, QWidget* parent = nullptr);

    // The checked real units in tree order (grouping nodes left out) and the checked bands in
    // the order of the list.
    std::vector<units::AnalysisUnit> chosenUnits() const;
    QStringList chosenBands() const;

  private:
    QWidget* makeUnitsStep();
    QWidget* makeBandsStep(units::AnalysisMode mode);
    void showStep(int step);
    void updateUnitCount();
    void filterUnits();
    void showSelectedUnits();

    TDataM& dm_;
    QStackedWidget* steps;
    UnitTreeWidget* treeUnits;
    QLabel* lblUnitCount;
    QListWidget* lstBands;
    QPushButton* btnPrior;
    QPushButton* btnNext;
    QPushButton* btnCancel;
};

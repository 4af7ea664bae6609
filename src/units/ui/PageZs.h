#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

#include "units/QuotaAnalysis.h"

class QAction;
class QLabel;
class QMenu;
class QTableWidget;
class TDataM;

// "职数统计": the quota (or staffing) analysis of many units. The upper grid has a row per unit
// and a band of columns per post category (quota mode: "职务名称", "编制数", "实际数") or identity
// (staffing mode: "编制数", "实际数"); the actual number is coloured light blue under the quota
// and light red over it. A click on a band cell lists the people behind it in the lower grid.
// The commands (toolbar "定制 1"): "更改统计范围", "刷新", "保存", "设置对应人员", "修改编制"
// and "输出" ("导出至Excel", "输出超缺编表"); the changing ones ask for the right "FXW".
class PageZs final : public QWidget {
    Q_OBJECT

  public:
    explicit PageZs(TDataM& dm, QWidget* parent = nullptr);

    // "更改统计范围" in `mode`: runs the wizard and, unless it is cancelled, rebuilds the grid.
    void analyse(units::AnalysisMode mode);
    // Rebuilds the grid for `unitsIn` and `bands` (with the default post titles) and recounts.
    void setScope(units::AnalysisMode mode, const std::vector<units::AnalysisUnit>& unitsIn,
                  const QStringList& bands);

    // The commands of the toolbar.
    void changeScope();
    void refresh();
    void save();
    void toggleEditing();
    void assignPeople();
    void exportExcel();
    void printOverUnder();

    units::AnalysisMode mode() const { return mode_; }
    const std::vector<units::AnalysisRow>& rows() const { return rows_; }
    QTableWidget* grid() const { return gridZs; }
    QTableWidget* peopleGrid() const { return gridPeople; }
    // The page's command `name` ("actRefresh", "actFillQuotas" ...).
    QAction* action(const char* name) const;

    // The colours of an actual number under and over its quota.
    static const QColor kUnderColour;
    static const QColor kOverColour;

  private:
    enum class CellKind { Name, Quota, Actual, Other };
    QWidget* makeToolbar();
    QAction* addCommand(const char* name, const QString& caption, void (PageZs::*slot)());
    int bandWidth() const;
    CellKind kindOf(int column) const;
    int bandOf(int column) const;
    void buildColumns();
    void showRows();
    void readEdits();
    void showPeople(int row, int column);
    void showGridMenu(const QPoint& at);
    void fillSelected(CellKind kind);

    TDataM& dm_;
    units::AnalysisMode mode_ = units::AnalysisMode::Quotas;
    QStringList bands_;
    std::vector<units::AnalysisRow> rows_;
    bool editing_ = false;
    QList<QAction*> actions_;
    QLabel* lblHint;
    QTableWidget* gridZs;
    QTableWidget* gridPeople;
    QMenu* gridMenu;
};

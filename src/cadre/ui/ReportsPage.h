#pragma once

#include "cadre/CadreReports.h"
#include "cadre/ui/SubRecordPage.h"

class QTableWidget;

// The editor's pages "重大事项", "经济审计" and "群众反映": the cadre's records of one kind with
// "添加", "删除", "详细" (also a double-click) and "导出Excel". Records are edited in ReportForm.
class ReportsPage final : public SubRecordPage {
    Q_OBJECT

  public:
    ReportsPage(TDataM& dm, cadre::ReportKind kind, QWidget* parent = nullptr);

  protected:
    void reload() override;
    void clear() override;

  private:
    void addClicked();
    void deleteClicked();
    void detailClicked();
    void exportClicked();

    cadre::ReportKind kind_;
    QTableWidget* gridReports;
};

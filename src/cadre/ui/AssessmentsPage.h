#pragma once

#include <functional>

#include "cadre/ui/SubRecordPage.h"

class QTabWidget;
class QTableWidget;

// The editor's page "考察考核": the cadre's annual appraisals ("年度考核") and its other
// inspections ("日常考察考核"), latest first, with "添加", "删除", "详细" (also a double-click)
// acting on the tab shown, "自动填写" that writes the last three appraisals into the summary
// "结果描述：" below, "打印" and "年度考核..." that opens the batch appraisal (TNdkhForm).
class AssessmentsPage final : public SubRecordPage {
    Q_OBJECT

  public:
    // `summary` is the editor's box of tb_cadre.khNote, written through `writeSummary`.
    AssessmentsPage(TDataM& dm, QWidget* summary, std::function<void(const QString&)> writeSummary,
                    QWidget* parent = nullptr);

  protected:
    void reload() override;
    void clear() override;

  private:
    bool annualShown() const;
    QTableWidget* shownGrid() const;
    void fill(QTableWidget* grid, bool annual);
    void addClicked();
    void deleteClicked();
    void detailClicked();
    void autoFillClicked();
    // "打印": the focused inspection as the printed "干部考察简要情况表", in print preview.
    void printClicked();
    void batchClicked();

    std::function<void(const QString&)> writeSummary_;
    QTabWidget* tabKc;
    QTableWidget* gridAnnual;
    QTableWidget* gridOther;
};

#pragma once

#include <vector>

#include "cadre/ui/SubRecordPage.h"
#include "training/TrainingRecords.h"

class QTableWidget;

// The editor's page "培训记录": the cadre's class attendances and standalone records together by
// start date, with "添加" (TAddToPxForm), "删除" and "详细" (also a double-click). Reading needs
// "PXR", changes "PXW".
class TrainingRecordsPage final : public SubRecordPage {
    Q_OBJECT

  public:
    explicit TrainingRecordsPage(TDataM& dm, QWidget* parent = nullptr);

  protected:
    void reload() override;
    void clear() override;

  private:
    const training::TrainingRecord* focused() const;
    void addClicked();
    void deleteClicked();
    void detailClicked();

    QTableWidget* gridTraining;
    std::vector<training::TrainingRecord> records_;
};

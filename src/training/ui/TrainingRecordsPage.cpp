#include "training/ui/TrainingRecordsPage.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/DayEntry.h"
#include "training/Participants.h"
#include "training/TrainingClasses.h"
#include "training/ui/TAddToPxForm.h"
#include "training/ui/TPxForm.h"
#include "widgets/DialogParts.h"

TrainingRecordsPage::TrainingRecordsPage(TDataM& dm, QWidget* parent)
    : SubRecordPage(dm, QStringLiteral("PXR"), QStringLiteral("PXW"), parent),
      gridTraining(subrecords::listGrid(
          "gridTraining",
          {QStringLiteral("培训班"), QStringLiteral("开始时间"), QStringLiteral("结束时间"),
           QStringLiteral("天    数"), QStringLiteral("培训机构"), QStringLiteral("培训级别"),
           QStringLiteral("培训类别"), QStringLiteral("培训方式")})) {
    setObjectName(QStringLiteral("tsTraining"));
    QPushButton* add = widgets::namedButton("btnTrainingAdd", QStringLiteral("添加"));
    QPushButton* remove = widgets::namedButton("btnTrainingDelete", QStringLiteral("删除"));
    QPushButton* detail = widgets::namedButton("btnTrainingDetail", QStringLiteral("详细"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add, remove, detail}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gridTraining, 1);
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, &TrainingRecordsPage::addClicked);
    connect(remove, &QPushButton::clicked, this, &TrainingRecordsPage::deleteClicked);
    connect(detail, &QPushButton::clicked, this, &TrainingRecordsPage::detailClicked);
    connect(gridTraining, &QTableWidget::cellDoubleClicked, this,
            &TrainingRecordsPage::detailClicked);
}

void TrainingRecordsPage::clear() {
    records_.clear();
    gridTraining->setRowCount(0);
}

void TrainingRecordsPage::reload() {
    const Result<std::vector<training::TrainingRecord>> history =
        training::trainingHistory(dm_.db(), cadreId());
    if (!history) {
        clear();
        reported(history.failure());
        return;
    }
    records_ = *history;
    QList<QStringList> cells;
    QList<int> rows;
    for (size_t i = 0; i < records_.size(); ++i) {
        const training::TrainingRecord& r = records_[i];
        cells << QStringList{r.name,
                             cadre::dayText(r.start),
                             cadre::dayText(r.end),
                             r.days > 0 ? QString::number(r.days) : QString(),
                             r.body,
                             r.level,
                             r.category,
                             r.form};
        // The rows keep their place in the history: ids of the two kinds may coincide.
        rows << static_cast<int>(i) + 1;
    }
    subrecords::fillGrid(gridTraining, cells, rows);
}

const training::TrainingRecord* TrainingRecordsPage::focused() const {
    const int row = subrecords::focusedId(gridTraining);
    return row > 0 && row <= static_cast<int>(records_.size())
               ? &records_[static_cast<size_t>(row - 1)]
               : nullptr;
}

void TrainingRecordsPage::addClicked() {
    if (!mayChange()) {
        return;
    }
    TAddToPxForm dialog(dm_, cadreId(), this);
    dialog.exec();
    if (dialog.saved()) {
        changedRecords();
    }
}

void TrainingRecordsPage::deleteClicked() {
    const training::TrainingRecord* record = focused();
    const training::TrainingRecord chosen =
        record != nullptr ? *record : training::TrainingRecord{};
    deleteRecord(
        record != nullptr ? subrecords::focusedId(gridTraining) : 0, training::kSelectRecord,
        chosen.isStandalone() ? training::kDeleteRecordQuestion : training::kLeaveClassQuestion,
        [this, chosen](int) { return training::deleteRecord(dm_.db(), chosen); });
}

void TrainingRecordsPage::detailClicked() {
    const training::TrainingRecord* record = focused();
    // Without "允许修改" the record is only shown.
    if (record == nullptr || (editable() && !mayChange())) {
        return;
    }
    if (record->isStandalone()) {
        TAddToPxForm dialog(dm_, cadreId(), this);
        dialog.edit(*record, !editable());
        dialog.exec();
        if (dialog.saved()) {
            changedRecords();
        }
        return;
    }
    const Result<training::TrainingClass> found = training::readClass(dm_.db(), record->classId);
    if (!succeeded(found)) {
        return;
    }
    TPxForm dialog(dm_, &*found, this);
    dialog.setReadOnly(!editable());
    if (dialog.exec() == QDialog::Accepted) {
        changedRecords();
    }
}

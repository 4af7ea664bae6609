#include "cadre/ui/AssessmentsPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/Assessments.h"
#include "cadre/DayEntry.h"
#include "cadre/InspectionPrintout.h"
#include "cadre/Rewards.h"
#include "cadre/ui/TKcForm.h"
#include "cadre/ui/TNdkhForm.h"
#include "db/Database.h"
#include "widgets/DialogParts.h"
#include "widgets/ReportPrinting.h"

namespace {

const QStringList kColumns = {QStringLiteral("考察名称"), QStringLiteral("考察类别"),
                              QStringLiteral("考察时间"), QStringLiteral("年度"),
                              QStringLiteral("考察结论")};

}  // namespace

AssessmentsPage::AssessmentsPage(TDataM& dm, QWidget* summary,
                                 std::function<void(const QString&)> writeSummary, QWidget* parent)
    : SubRecordPage(dm, QStringLiteral("GBKHR"), QStringLiteral("GBKHW"), parent),
      writeSummary_(std::move(writeSummary)),
      tabKc(new QTabWidget),
      gridAnnual(subrecords::listGrid("gridAnnual", kColumns)),
      gridOther(subrecords::listGrid("gridOther", kColumns)) {
    setObjectName(QStringLiteral("tsAssessments"));
    tabKc->setObjectName(QStringLiteral("tabKc"));
    tabKc->addTab(gridAnnual, cadre::kAnnualAppraisal);
    tabKc->addTab(gridOther, QStringLiteral("日常考察考核"));
    QPushButton* add = widgets::namedButton("btnKcAdd", QStringLiteral("添加"));
    QPushButton* remove = widgets::namedButton("btnKcDelete", QStringLiteral("删除"));
    QPushButton* detail = widgets::namedButton("btnKcDetail", QStringLiteral("详细"));
    QPushButton* autoFill = widgets::namedButton("btnKcAuto", QStringLiteral("自动填写"));
    QPushButton* print = widgets::namedButton("btnKcPrint", QStringLiteral("打印"));
    QPushButton* batch = widgets::namedButton("btnKcBatch", QStringLiteral("年度考核..."));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add, remove, detail, autoFill, print, batch}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* note = new QHBoxLayout;
    note->addWidget(new QLabel(QStringLiteral("结果描述：")));
    note->addWidget(summary, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabKc, 1);
    layout->addLayout(buttons);
    layout->addLayout(note);
    connect(add, &QPushButton::clicked, this, &AssessmentsPage::addClicked);
    connect(remove, &QPushButton::clicked, this, &AssessmentsPage::deleteClicked);
    connect(detail, &QPushButton::clicked, this, &AssessmentsPage::detailClicked);
    connect(autoFill, &QPushButton::clicked, this, &AssessmentsPage::autoFillClicked);
    connect(print, &QPushButton::clicked, this, &AssessmentsPage::printClicked);
    connect(batch, &QPushButton::clicked, this, &AssessmentsPage::batchClicked);
    for (QTableWidget* grid : {gridAnnual, gridOther}) {
        connect(grid, &QTableWidget::cellDoubleClicked, this, &AssessmentsPage::detailClicked);
    }
}

bool AssessmentsPage::annualShown() const {
    return tabKc->currentIndex() == 0;
}

QTableWidget* AssessmentsPage::shownGrid() const {
    return annualShown() ? gridAnnual : gridOther;
}

void AssessmentsPage::clear() {
    gridAnnual->setRowCount(0);
    gridOther->setRowCount(0);
}

void AssessmentsPage::reload() {
    fill(gridAnnual, true);
    fill(gridOther, false);
}

void AssessmentsPage::fill(QTableWidget* grid, bool annual) {
    const int focused = subrecords::focusedId(grid);
    const auto rows = dm_.db().query(cadre::inspectionListStatement(cadreId(), annual));
    if (!rows) {
        grid->setRowCount(0);
        app::showError(dm_.db().lastError());
        return;
    }
    QList<QStringList> cells;
    QList<int> ids;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        const auto text = [&rows, i](const char* column) {
            return rows->value(i, QString::fromLatin1(column)).toString();
        };
        cells << QStringList{text("kcName"), text("kclb"),
                             cadre::dayText(rows->value(i, QStringLiteral("kcsj")).toDate()),
                             text("kcYear"), text("kcjl")};
        ids << rows->value(i, QStringLiteral("id")).toInt();
    }
    subrecords::fillGrid(grid, cells, ids);
    subrecords::focusId(grid, focused);
}

void AssessmentsPage::addClicked() {
    if (!mayChange()) {
        return;
    }
    const auto inspection =
        cadre::newInspection(dm_.db(), cadreId(), annualShown(), QDate::currentDate());
    if (!succeeded(inspection)) {
        return;
    }
    TKcForm dialog(dm_, this);
    dialog.showInspection(*inspection, cadreName(), false);
    if (dialog.exec() == QDialog::Accepted) {
        changedRecords();
        subrecords::focusId(shownGrid(), dialog.savedId());
    }
}

void AssessmentsPage::deleteClicked() {
    deleteRecord(subrecords::focusedId(shownGrid()), cadre::kSelectRecordToDelete,
                 cadre::kDeleteRecordQuestion,
                 [this](int id) { return cadre::deleteInspection(dm_.db(), cadreId(), id); });
}

void AssessmentsPage::detailClicked() {
    const int id = subrecords::focusedId(shownGrid());
    if (id == 0 || (editable() && !mayChange())) {
        return;
    }
    const auto inspection =
        recordToShow(cadre::readInspection(dm_.db(), cadreId(), id), cadre::kInspectionGone);
    if (!inspection) {
        return;
    }
    TKcForm dialog(dm_, this);
    dialog.showInspection(*inspection, cadreName(), !editable());
    if (dialog.exec() == QDialog::Accepted) {
        changedRecords();
    }
}

void AssessmentsPage::autoFillClicked() {
    if (!mayChange()) {
        return;
    }
    const auto summary = cadre::appraisalSummary(dm_.db(), cadreId());
    if (succeeded(summary)) {
        writeSummary_(*summary);
    }
}

void AssessmentsPage::printClicked() {
    const int id = subrecords::focusedId(shownGrid());
    if (id == 0) {
        return;
    }
    const auto inspection = cadre::readInspection(dm_.db(), cadreId(), id);
    if (!succeeded(inspection) || !inspection->has_value()) {
        return;
    }
    widgets::previewLayout(cadre::inspectionPrintout(**inspection, cadreName()),
                           cadre::kInspectionFormTitle, this);
}

void AssessmentsPage::batchClicked() {
    if (!mayChange()) {
        return;
    }
    TNdkhForm dialog(dm_, this);
    if (dialog.exec() == QDialog::Accepted) {
        changedRecords();
    }
}

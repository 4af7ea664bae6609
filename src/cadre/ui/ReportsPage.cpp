#include "cadre/ui/ReportsPage.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/DayEntry.h"
#include "cadre/ui/ReportForm.h"
#include "db/Database.h"
#include "widgets/DialogParts.h"
#include "widgets/GridExport.h"

namespace {

QStringList captions(cadre::ReportKind kind) {
    QStringList list;
    for (const cadre::ReportField& field : cadre::reportTable(kind).fields) {
        list << field.caption;
    }
    return list;
}

// A stored value as the list shows it.
QString shown(const cadre::ReportField& field, const QVariant& value) {
    switch (field.type) {
        case cadre::FieldType::Date:
            return cadre::dayText(value.toDate());
        case cadre::FieldType::Flag:
            return value.toBool() ? QStringLiteral("是") : QStringLiteral("否");
        default:
            return value.toString().simplified();
    }
}

}  // namespace

ReportsPage::ReportsPage(TDataM& dm, cadre::ReportKind kind, QWidget* parent)
    : SubRecordPage(dm, cadre::reportTable(kind).readRight, cadre::reportTable(kind).writeRight,
                    parent),
      kind_(kind),
      gridReports(subrecords::listGrid("gridReports", captions(kind))) {
    QPushButton* add = widgets::namedButton("btnReportAdd", QStringLiteral("添加"));
    QPushButton* remove = widgets::namedButton("btnReportDelete", QStringLiteral("删除"));
    QPushButton* detail = widgets::namedButton("btnReportDetail", QStringLiteral("详细"));
    QPushButton* exportExcel = widgets::namedButton("btnReportExport", QStringLiteral("导出Excel"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add, remove, detail, exportExcel}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gridReports, 1);
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, &ReportsPage::addClicked);
    connect(remove, &QPushButton::clicked, this, &ReportsPage::deleteClicked);
    connect(detail, &QPushButton::clicked, this, &ReportsPage::detailClicked);
    connect(gridReports, &QTableWidget::cellDoubleClicked, this, &ReportsPage::detailClicked);
    connect(exportExcel, &QPushButton::clicked, this, &ReportsPage::exportClicked);
}

void ReportsPage::clear() {
    gridReports->setRowCount(0);
}

void ReportsPage::reload() {
    const int focused = subrecords::focusedId(gridReports);
    const auto rows = dm_.db().query(cadre::reportListStatement(kind_, cadreId()));
    if (!rows) {
        clear();
        app::showError(dm_.db().lastError());
        return;
    }
    const cadre::ReportTable& table = cadre::reportTable(kind_);
    QList<QStringList> cells;
    QList<int> ids;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        QStringList row;
        for (const cadre::ReportField& field : table.fields) {
            row << shown(field, rows->value(i, field.column));
        }
        cells << row;
        ids << rows->value(i, table.idColumn).toInt();
    }
    subrecords::fillGrid(gridReports, cells, ids);
    subrecords::focusId(gridReports, focused);
}

void ReportsPage::addClicked() {
    if (!mayChange()) {
        return;
    }
    ReportForm dialog(dm_, kind_, this);
    dialog.showReport(cadreId(), 0, {}, cadreName(), false);
    if (dialog.exec() == QDialog::Accepted) {
        changedRecords();
        subrecords::focusId(gridReports, dialog.savedId());
    }
}

void ReportsPage::deleteClicked() {
    if (!mayChange()) {
        return;
    }
    const int id = subrecords::focusedId(gridReports);
    if (id == 0) {
        return;
    }
    const auto values = cadre::readReport(dm_.db(), kind_, cadreId(), id);
    if (!succeeded(values)) {
        return;
    }
    const cadre::ReportTable& table = cadre::reportTable(kind_);
    QString named;
    for (const cadre::ReportField& field : table.fields) {
        if (field.column == table.deleteColumn) {
            named = shown(field, values->value(field.column));
        }
    }
    if (!app::confirmAction(table.deleteQuestion + named)) {
        return;
    }
    succeeded(cadre::deleteReport(dm_.db(), kind_, cadreId(), id));
    changedRecords();
}

void ReportsPage::detailClicked() {
    const int id = subrecords::focusedId(gridReports);
    if (id == 0 || (editable() && !mayChange())) {
        return;
    }
    const auto values = cadre::readReport(dm_.db(), kind_, cadreId(), id);
    if (!succeeded(values)) {
        return;
    }
    ReportForm dialog(dm_, kind_, this);
    dialog.showReport(cadreId(), id, *values, cadreName(), !editable());
    if (dialog.exec() == QDialog::Accepted) {
        changedRecords();
    }
}

void ReportsPage::exportClicked() {
    widgets::exportGrid(*gridReports, this, cadreName() + cadre::reportTable(kind_).heading);
}

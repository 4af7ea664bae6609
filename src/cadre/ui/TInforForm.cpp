#include "cadre/ui/TInforForm.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "widgets/DialogParts.h"

namespace {

// The counts of `dm`; a database failure is reported and the counts show as zero.
cadre::EntryCounts countsOf(TDataM& dm) {
    return app::valueOrShown(cadre::countEntries(dm));
}

QLabel* valueLabel(const char* objectName, int value) {
    auto* label = new QLabel(QString::number(value));
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

TInforForm::TInforForm(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      statistics_(dm, countsOf(dm)),
      lblCadreNum(valueLabel("lblCadreNum", statistics_.counts().cadres)),
      lblDepNum(valueLabel("lblDepNum", statistics_.counts().units)),
      lblZwNum(valueLabel("lblZwNum", statistics_.counts().posts)),
      pnlHistory(new QWidget),
      gridHistory(new QTableWidget(0, 4)),
      btnSave(widgets::namedButton("btnSave", QStringLiteral("保 存"))),
      btnHistory(widgets::namedButton("btnHistory", QStringLiteral("查看历史"))),
      btnDelete(widgets::namedButton("btnDelete", QStringLiteral("删除记录"))),
      btnExit(widgets::namedButton("btnExit", QStringLiteral("退 出"))) {
    setObjectName(QStringLiteral("TInforForm"));
    setWindowTitle(QStringLiteral("录入数据统计信息"));

    auto* countsLayout = new QFormLayout;
    countsLayout->addRow(QStringLiteral("在职干部数："), lblCadreNum);
    countsLayout->addRow(QStringLiteral("当前单位数："), lblDepNum);
    countsLayout->addRow(QStringLiteral("在职干部职务数："), lblZwNum);

    pnlHistory->setObjectName(QStringLiteral("pnlHistory"));
    gridHistory->setObjectName(QStringLiteral("gridHistory"));
    gridHistory->setHorizontalHeaderLabels({QStringLiteral("记录时间"), QStringLiteral("干部数"),
                                            QStringLiteral("单位数"), QStringLiteral("职务数")});
    gridHistory->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridHistory->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridHistory->setSelectionMode(QAbstractItemView::SingleSelection);
    gridHistory->verticalHeader()->hide();
    gridHistory->horizontalHeader()->setStretchLastSection(true);
    auto* historyLayout = new QVBoxLayout(pnlHistory);
    historyLayout->setContentsMargins(0, 0, 0, 0);
    historyLayout->addWidget(gridHistory);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(countsLayout);
    layout->addLayout(widgets::rightAlignedRow({btnSave, btnHistory, btnDelete, btnExit}));
    layout->addWidget(pnlHistory, 1);

    pnlHistory->hide();
    btnDelete->hide();
    if (const Result<void> opened = statistics_.openHistory(); opened) {
        fillHistory();
    } else {
        app::showFailure(opened.failure());
    }

    connect(btnSave, &QPushButton::clicked, this, &TInforForm::btnSaveClick);
    connect(btnHistory, &QPushButton::clicked, this, &TInforForm::btnHistoryClick);
    connect(btnDelete, &QPushButton::clicked, this, &TInforForm::btnDeleteClick);
    connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);
}

void TInforForm::fillHistory() {
    const int rows = statistics_.historyCount();
    gridHistory->clearContents();
    gridHistory->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const cadre::EntrySnapshot s = statistics_.snapshot(row);
        gridHistory->setItem(row, 0,
                             cell(s.logTime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))));
        gridHistory->setItem(row, 1, cell(QString::number(s.counts.cadres)));
        gridHistory->setItem(row, 2, cell(QString::number(s.counts.units)));
        gridHistory->setItem(row, 3, cell(QString::number(s.counts.posts)));
    }
}

void TInforForm::btnSaveClick() {
    if (!admin::HasRight(dm_, QStringLiteral("TOOL"))) {
        return;
    }
    if (const Result<void> saved = statistics_.save(QDateTime::currentDateTime()); !saved) {
        app::showFailure(saved.failure());
        return;
    }
    btnSave->setEnabled(false);
    fillHistory();
    gridHistory->selectRow(statistics_.historyCount() - 1);
}

void TInforForm::btnHistoryClick() {
    pnlHistory->show();
    btnDelete->show();
}

void TInforForm::btnDeleteClick() {
    if (!admin::HasRight(dm_, QStringLiteral("TOOL"))) {
        return;
    }
    const QList<QTableWidgetItem*> selected = gridHistory->selectedItems();
    if (selected.isEmpty()) {
        app::showInformation(QStringLiteral("请先在表格中选择要删除的项."));
        return;
    }
    if (!app::confirmAction(QStringLiteral("确认删除当前记录?"))) {
        return;
    }
    const int row = selected.front()->row();
    if (const Result<void> removed = statistics_.removeSnapshot(row); !removed) {
        app::showFailure(removed.failure());
        return;
    }
    fillHistory();
}

#include "rosters/ui/TSleMMcForm.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "rosters/Rosters.h"
#include "widgets/DialogParts.h"

TSleMMcForm::TSleMMcForm(TDataM& dm, QWidget* parent)
    : QDialog(parent), dm_(dm), cxGrid1(new QTableWidget(0, 3, this)) {
    setObjectName(QStringLiteral("SleMMcForm"));
    setWindowTitle(QStringLiteral("选择名册"));
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->setHorizontalHeaderLabels(
        {QStringLiteral("选中"), QStringLiteral("名册名称"), QStringLiteral("年份")});
    cxGrid1->verticalHeader()->hide();
    cxGrid1->horizontalHeader()->setStretchLastSection(true);
    cxGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPushButton* ok = widgets::namedButton("cxButton1", QStringLiteral("确 定"));
    QPushButton* cancel = widgets::namedButton("cxButton2", QStringLiteral("取 消"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cxGrid1);
    layout->addLayout(widgets::rightAlignedRow({ok, cancel}));
    connect(ok, &QPushButton::clicked, this, [this] {
        if (checkedIds().isEmpty()) {
            app::showInformation(rosters::kTickOneRoster);
            return;
        }
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(420, 360);
}

int TSleMMcForm::choose() {
    const Result<std::vector<rosters::Roster>> all =
        rosters::listRosters(dm_.db(), rosters::RosterOrder::NewestYearFirst);
    if (!all) {
        app::showFailure(all.failure());
        return Rejected;
    }
    cxGrid1->setRowCount(static_cast<int>(all->size()));
    int row = 0;
    for (const rosters::Roster& roster : *all) {
        auto* tick = new QTableWidgetItem;
        tick->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        tick->setCheckState(Qt::Unchecked);
        tick->setData(Qt::UserRole, roster.id);
        cxGrid1->setItem(row, 0, tick);
        cxGrid1->setItem(row, 1, new QTableWidgetItem(roster.name));
        cxGrid1->setItem(row, 2, new QTableWidgetItem(QString::number(roster.year)));
        ++row;
    }
    return exec();
}

QList<int> TSleMMcForm::checkedIds() const {
    QList<int> ids;
    for (int row = 0; row < cxGrid1->rowCount(); ++row) {
        const QTableWidgetItem* tick = cxGrid1->item(row, 0);
        if (tick->checkState() == Qt::Checked) {
            ids << tick->data(Qt::UserRole).toInt();
        }
    }
    return ids;
}

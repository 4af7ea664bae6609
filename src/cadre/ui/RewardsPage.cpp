#include "cadre/ui/RewardsPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/DayEntry.h"
#include "cadre/Rewards.h"
#include "cadre/ui/TJcForm.h"
#include "db/Database.h"
#include "widgets/DialogParts.h"

namespace {

const QStringList kColumns = {QStringLiteral("类别"), QStringLiteral("名称"),
                              QStringLiteral("批准机关"), QStringLiteral("批准时间"),
                              QStringLiteral("原因")};

}  // namespace

RewardsPage::RewardsPage(TDataM& dm, QList<cadre::CodeItem> honourLevels, QWidget* summary,
                         QWidget* parent)
    : SubRecordPage(dm, QStringLiteral("GBJCR"), QStringLiteral("GBJCW"), parent),
      honourLevels_(std::move(honourLevels)),
      tabJc(new QTabWidget),
      gridRewards(subrecords::listGrid("gridRewards", kColumns)),
      gridPunishments(subrecords::listGrid("gridPunishments", kColumns)) {
    setObjectName(QStringLiteral("tsRewards"));
    tabJc->setObjectName(QStringLiteral("tabJc"));
    tabJc->addTab(gridRewards, cadre::kRewardKind);
    tabJc->addTab(gridPunishments, cadre::kPunishmentKind);
    QPushButton* add = widgets::namedButton("btnJcAdd", QStringLiteral("添加"));
    QPushButton* remove = widgets::namedButton("btnJcDelete", QStringLiteral("删除"));
    QPushButton* detail = widgets::namedButton("btnJcDetail", QStringLiteral("详细"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add, remove, detail}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* note = new QHBoxLayout;
    note->addWidget(new QLabel(QStringLiteral("描 述：")));
    note->addWidget(summary, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabJc, 1);
    layout->addLayout(buttons);
    layout->addLayout(note);
    connect(add, &QPushButton::clicked, this, &RewardsPage::addClicked);
    connect(remove, &QPushButton::clicked, this, &RewardsPage::deleteClicked);
    connect(detail, &QPushButton::clicked, this, &RewardsPage::detailClicked);
    for (QTableWidget* grid : {gridRewards, gridPunishments}) {
        connect(grid, &QTableWidget::cellDoubleClicked, this, &RewardsPage::detailClicked);
    }
}

QString RewardsPage::shownKind() const {
    return tabJc->currentIndex() == 0 ? cadre::kRewardKind : cadre::kPunishmentKind;
}

QTableWidget* RewardsPage::shownGrid() const {
    return tabJc->currentIndex() == 0 ? gridRewards : gridPunishments;
}

void RewardsPage::clear() {
    gridRewards->setRowCount(0);
    gridPunishments->setRowCount(0);
}

void RewardsPage::reload() {
    fill(gridRewards, cadre::kRewardKind);
    fill(gridPunishments, cadre::kPunishmentKind);
}

void RewardsPage::fill(QTableWidget* grid, const QString& kind) {
    const int focused = subrecords::focusedId(grid);
    const auto rows = dm_.db().query(cadre::rewardListStatement(cadreId(), kind));
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
        cells << QStringList{text("jclb"), text("jcmc"), text("jcjg"),
                             cadre::dayText(rows->value(i, QStringLiteral("jcsj")).toDate()),
                             text("jcyy")};
        ids << rows->value(i, QStringLiteral("id")).toInt();
    }
    subrecords::fillGrid(grid, cells, ids);
    subrecords::focusId(grid, focused);
}

void RewardsPage::addClicked() {
    if (!mayChange()) {
        return;
    }
    cadre::RewardRecord record;
    record.cadreId = cadreId();
    record.kind = shownKind();
    TJcForm dialog(dm_, honourLevels_, this);
    dialog.showRecord(record, cadreName(), false);
    if (dialog.exec() == QDialog::Accepted) {
        changedRecords();
        subrecords::focusId(shownGrid(), dialog.savedId());
    }
}

void RewardsPage::deleteClicked() {
    deleteRecord(subrecords::focusedId(shownGrid()), cadre::kSelectRecordToDelete,
                 cadre::kDeleteRecordQuestion,
                 [this](int id) { return cadre::deleteReward(dm_.db(), cadreId(), id); });
}

void RewardsPage::detailClicked() {
    const int id = subrecords::focusedId(shownGrid());
    if (id == 0 || (editable() && !mayChange())) {
        return;
    }
    const auto record =
        recordToShow(cadre::readReward(dm_.db(), cadreId(), id), cadre::kRecordGone);
    if (!record) {
        return;
    }
    TJcForm dialog(dm_, honourLevels_, this);
    dialog.showRecord(*record, cadreName(), !editable());
    if (dialog.exec() == QDialog::Accepted) {
        changedRecords();
    }
}

#include "cadre/ui/FamilyPage.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/Family.h"
#include "cadre/ui/TFamilyForm.h"
#include "db/Database.h"
#include "widgets/DialogParts.h"

FamilyPage::FamilyPage(TDataM& dm, QStringList relations, QWidget* parent)
    : SubRecordPage(dm, QStringLiteral("GBJTR"), QStringLiteral("GBJTW"), parent),
      relations_(std::move(relations)),
      gridFamily(subrecords::listGrid(
          "gridFamily",
          {QStringLiteral("称 谓"), QStringLiteral("姓 名"), QStringLiteral("出生年月"),
           QStringLiteral("政治面貌"), QStringLiteral("工作单位及职务")})) {
    setObjectName(QStringLiteral("tsFamily"));
    QPushButton* add = widgets::namedButton("btnFamilyAdd", QStringLiteral("添加"));
    QPushButton* remove = widgets::namedButton("btnFamilyDelete", QStringLiteral("删除"));
    QPushButton* view = widgets::namedButton("btnFamilyView", QStringLiteral("查看"));
    QPushButton* up = widgets::namedButton("btnFamilyUp", QStringLiteral("上移"));
    QPushButton* down = widgets::namedButton("btnFamilyDown", QStringLiteral("下移"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add, remove, view, up, down}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gridFamily, 1);
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, &FamilyPage::addClicked);
    connect(remove, &QPushButton::clicked, this, &FamilyPage::deleteClicked);
    connect(view, &QPushButton::clicked, this, &FamilyPage::viewClicked);
    connect(gridFamily, &QTableWidget::cellDoubleClicked, this, &FamilyPage::viewClicked);
    connect(up, &QPushButton::clicked, this, [this] { moveClicked(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveClicked(1); });
}

void FamilyPage::clear() {
    gridFamily->setRowCount(0);
}

void FamilyPage::reload() {
    const int focused = subrecords::focusedId(gridFamily);
    const auto rows = dm_.db().query(cadre::familyListStatement(cadreId()));
    if (!rows) {
        clear();
        app::showError(dm_.db().lastError());
        return;
    }
    QList<QStringList> cells;
    QList<int> ids;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        const auto text = [&rows, i](const char* column) {
            return rows->value(i, QString::fromLatin1(column)).toString();
        };
        cells << QStringList{text("cw"), text("xm"), text("cssjStr"), text("zzmm"), text("dw")};
        ids << rows->value(i, QStringLiteral("FamilyID")).toInt();
    }
    subrecords::fillGrid(gridFamily, cells, ids);
    subrecords::focusId(gridFamily, focused);
}

void FamilyPage::addClicked() {
    if (!mayChange()) {
        return;
    }
    TFamilyForm dialog(dm_, relations_, this);
    dialog.startNew(cadreId());
    dialog.exec();
    if (dialog.savedId() != 0) {
        changedRecords();
        subrecords::focusId(gridFamily, dialog.savedId());
    }
}

void FamilyPage::deleteClicked() {
    deleteRecord(subrecords::focusedId(gridFamily), cadre::kSelectFamilyMemberToDelete,
                 cadre::kDeleteFamilyMemberQuestion,
                 [this](int id) { return cadre::deleteFamilyMember(dm_.db(), cadreId(), id); });
}

void FamilyPage::viewClicked() {
    const int id = subrecords::focusedId(gridFamily);
    // Without "允许修改" the member is only shown.
    if (id == 0 || (editable() && !mayChange())) {
        return;
    }
    const auto member =
        recordToShow(cadre::readFamilyMember(dm_.db(), cadreId(), id), cadre::kFamilyMemberGone);
    if (!member) {
        return;
    }
    TFamilyForm dialog(dm_, relations_, this);
    dialog.edit(*member, !editable());
    if (dialog.exec() == QDialog::Accepted) {
        changedRecords();
    }
}

void FamilyPage::moveClicked(int step) {
    if (!mayChange()) {
        return;
    }
    const int id = subrecords::focusedId(gridFamily);
    if (id == 0) {
        return;
    }
    succeeded(cadre::moveFamilyMember(dm_.db(), cadreId(), id, step));
    changedRecords();
    subrecords::focusId(gridFamily, id);
}

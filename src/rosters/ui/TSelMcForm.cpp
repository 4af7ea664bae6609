#include "rosters/ui/TSelMcForm.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "widgets/DialogParts.h"

TSelMcForm::TSelMcForm(TDataM& dm, QWidget* parent)
    : QDialog(parent), dm_(dm), cxComboBox1(new QComboBox(this)) {
    setObjectName(QStringLiteral("SelMcForm"));
    setWindowTitle(QStringLiteral("选择名册"));
    cxComboBox1->setObjectName(QStringLiteral("cxComboBox1"));
    QPushButton* ok = widgets::namedButton("cxButton1", QStringLiteral("确 定"));
    QPushButton* cancel = widgets::namedButton("cxButton2", QStringLiteral("取 消"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("选择名册"), this));
    layout->addWidget(cxComboBox1);
    layout->addLayout(widgets::rightAlignedRow({ok, cancel}));
    connect(ok, &QPushButton::clicked, this, [this] {
        const int index = cxComboBox1->currentIndex();
        if (index >= 0) {
            chosen_ = rosters_[static_cast<size_t>(index)];
            accept();
        }
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TSelMcForm::choose() {
    Result<std::vector<rosters::Roster>> all =
        rosters::listRosters(dm_.db(), rosters::RosterOrder::NewestYearFirst);
    if (!all) {
        app::showFailure(all.failure());
        return Rejected;
    }
    if (all->empty()) {
        app::showInformation(rosters::kNoRosterToJoin);
        return Rejected;
    }
    rosters_ = std::move(*all);
    for (const rosters::Roster& roster : rosters_) {
        cxComboBox1->addItem(roster.name, roster.id);
    }
    cxComboBox1->setCurrentIndex(0);
    return exec();
}

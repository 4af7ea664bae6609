#include "units/ui/TPlBzForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "widgets/DialogParts.h"

namespace {

enum Column { CheckColumn, NameColumn, PostColumn, IdentityColumn };

}  // namespace

TPlBzForm::TPlBzForm(TDataM& dm, units::AnalysisMode mode, int unitId, const QStringList& bands,
                     QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      mode_(mode),
      unitId_(unitId),
      cbBand(new QComboBox(this)),
      gridPeople(new QTableWidget(this)),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("确 定"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setObjectName(QStringLiteral("TPlBzForm"));
    setWindowTitle(QStringLiteral("职数/编制设置"));
    cbBand->setObjectName(QStringLiteral("cbBand"));
    cbBand->addItems(bands);
    gridPeople->setObjectName(QStringLiteral("gridPeople"));
    gridPeople->setColumnCount(4);
    gridPeople->setHorizontalHeaderLabels({QStringLiteral("选中"), QStringLiteral("姓名"),
                                           QStringLiteral("现任职务"), QStringLiteral("人员身份")});
    gridPeople->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridPeople->verticalHeader()->hide();
    gridPeople->horizontalHeader()->setStretchLastSection(true);
    auto* chooser = new QFormLayout;
    chooser->addRow(mode == units::AnalysisMode::Quotas ? QStringLiteral("职务类别：")
                                                        : QStringLiteral("人员身份："),
                    cbBand);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(chooser);
    layout->addWidget(gridPeople, 1);
    layout->addLayout(widgets::rightAlignedRow({btnOK, btnCancel}));
    connect(cbBand, &QComboBox::currentIndexChanged, this, &TPlBzForm::showCounted);
    connect(btnOK, &QPushButton::clicked, this, &TPlBzForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    showMembers();
    showCounted();
    resize(560, 460);
}

void TPlBzForm::selectBand(const QString& band) {
    cbBand->setCurrentIndex(cbBand->findText(band));
}

void TPlBzForm::showMembers() {
    const Result<std::vector<units::AnalysisPerson>> members =
        units::unitMembers(dm_.db(), unitId_);
    btnOK->setEnabled(members.ok());
    if (!members) {
        app::showFailure(members.failure());
        return;
    }
    gridPeople->setRowCount(static_cast<int>(members->size()));
    for (int r = 0; r < gridPeople->rowCount(); ++r) {
        const units::AnalysisPerson& person = (*members)[static_cast<size_t>(r)];
        auto* check = new QTableWidgetItem;
        check->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        check->setCheckState(Qt::Unchecked);
        check->setData(Qt::UserRole, person.cadreId);
        gridPeople->setItem(r, CheckColumn, check);
        gridPeople->setItem(r, NameColumn, new QTableWidgetItem(person.xm));
        gridPeople->setItem(r, PostColumn, new QTableWidgetItem(person.xrz));
        gridPeople->setItem(r, IdentityColumn, new QTableWidgetItem(person.rybz));
    }
}

void TPlBzForm::showCounted() {
    if (cbBand->currentIndex() < 0) {
        return;
    }
    const Result<QSet<int>> counted =
        units::countedMembers(dm_.db(), mode_, unitId_, cbBand->currentText());
    if (!counted) {
        app::showFailure(counted.failure());
        return;
    }
    for (int r = 0; r < gridPeople->rowCount(); ++r) {
        QTableWidgetItem* check = gridPeople->item(r, CheckColumn);
        check->setCheckState(counted->contains(check->data(Qt::UserRole).toInt()) ? Qt::Checked
                                                                                  : Qt::Unchecked);
    }
}

void TPlBzForm::btnOKClick() {
    if (cbBand->currentIndex() < 0) {
        return;
    }
    std::vector<int> listed;
    QSet<int> checked;
    for (int r = 0; r < gridPeople->rowCount(); ++r) {
        const QTableWidgetItem* check = gridPeople->item(r, CheckColumn);
        const int cadreId = check->data(Qt::UserRole).toInt();
        listed.push_back(cadreId);
        if (check->checkState() == Qt::Checked) {
            checked.insert(cadreId);
        }
    }
    const Result<void> assigned =
        units::assignMembers(dm_, mode_, unitId_, cbBand->currentText(), listed, checked);
    if (!assigned) {
        if (assigned.failure().dbError.isEmpty()) {
            app::showInformation(assigned.failure().message);
        } else {
            app::showFailure(assigned.failure());
        }
        return;
    }
    accept();
}

#include "units/ui/TPlzsForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "search/WhereClause.h"
#include "units/Quotas.h"
#include "units/ui/TQueryDwForm.h"
#include "units/ui/TSelectedDwForm.h"
#include "units/ui/UnitTreeWidget.h"
#include "widgets/DialogParts.h"

namespace {

constexpr int kLastStep = 2;

}  // namespace

TPlzsForm::TPlzsForm(TDataM& dm, units::AnalysisMode mode, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      steps(new QStackedWidget(this)),
      btnPrior(widgets::namedButton("btnPrior", QStringLiteral("< 上一页"))),
      btnNext(widgets::namedButton("btnNext", QStringLiteral("下一页 >"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setObjectName(QStringLiteral("TPlzsForm"));
    setWindowTitle(QStringLiteral("职数设置向导"));
    steps->setObjectName(QStringLiteral("steps"));
    steps->addWidget(makeUnitsStep());
    steps->addWidget(makeBandsStep(mode));
    auto* last = new QLabel(QStringLiteral("点击“结束”开始执行。"), this);
    last->setAlignment(Qt::AlignCenter);
    steps->addWidget(last);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(steps, 1);
    layout->addLayout(widgets::rightAlignedRow({btnPrior, btnNext, btnCancel}));
    connect(btnPrior, &QPushButton::clicked, this, [this] { showStep(steps->currentIndex() - 1); });
    connect(btnNext, &QPushButton::clicked, this, [this] {
        if (steps->currentIndex() == kLastStep) {
            accept();
        } else {
            showStep(steps->currentIndex() + 1);
        }
    });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    showStep(0);
    resize(520, 560);
}

QWidget* TPlzsForm::makeUnitsStep() {
    auto* page = new QWidget(this);
    treeUnits = new UnitTreeWidget(page);
    treeUnits->setObjectName(QStringLiteral("treeUnits"));
    treeUnits->setDatabase(&dm_.db());
    treeUnits->setCheckable(true);
    treeUnits->reload();
    lblUnitCount = new QLabel(page);
    lblUnitCount->setObjectName(QStringLiteral("lblUnitCount"));
    QPushButton* filter = widgets::namedButton("btnFilterUnits", QStringLiteral("筛选单位"));
    QPushButton* selected = widgets::namedButton("btnSelectedUnits", QStringLiteral("已选中单位"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblUnitCount);
    bottom->addStretch();
    bottom->addWidget(filter);
    bottom->addWidget(selected);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("第一步：选择要设置的单位/部门"), page));
    layout->addWidget(treeUnits, 1);
    layout->addLayout(bottom);
    connect(treeUnits, &QTreeWidget::itemChanged, this, [this] { updateUnitCount(); });
    connect(filter, &QPushButton::clicked, this, &TPlzsForm::filterUnits);
    connect(selected, &QPushButton::clicked, this, &TPlzsForm::showSelectedUnits);
    updateUnitCount();
    return page;
}

QWidget* TPlzsForm::makeBandsStep(units::AnalysisMode mode) {
    auto* page = new QWidget(this);
    lstBands = new QListWidget(page);
    lstBands->setObjectName(QStringLiteral("lstBands"));
    const QStringList bands =
        app::valueOrShown(mode == units::AnalysisMode::Quotas ? units::postCategories(dm_.db())
                                                              : units::staffIdentities(dm_.db()));
    for (const QString& band : bands) {
        auto* item = new QListWidgetItem(band, lstBands);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("第二步：选择统计的职务类别"), page));
    layout->addWidget(lstBands, 1);
    layout->addWidget(
        new QLabel(QStringLiteral("注意：在主界面中，进入系统设置可自定义职务类别"), page));
    return page;
}

void TPlzsForm::showStep(int step) {
    steps->setCurrentIndex(step);
    btnPrior->setEnabled(step > 0);
    btnNext->setText(step == kLastStep ? QStringLiteral("完成") : QStringLiteral("下一页 >"));
}

void TPlzsForm::updateUnitCount() {
    lblUnitCount->setText(QStringLiteral("当前共选中单位：") +
                          QString::number(treeUnits->checkedUnitIds().size()));
}

void TPlzsForm::filterUnits() {
    TQueryDwForm filter(dm_, *treeUnits, this);
    if (filter.exec() != QDialog::Accepted) {
        return;
    }
    const Result<QList<int>> ids = search::unitsMatching(dm_.db(), filter.whereClause());
    if (!ids) {
        app::showFailure(ids.failure());
        return;
    }
    for (QTreeWidgetItem* item : treeUnits->itemsInDisplayOrder()) {
        if (ids->contains(item->data(0, UnitTreeWidget::IdRole).toInt())) {
            item->setCheckState(0, Qt::Checked);
        }
    }
    updateUnitCount();
}

void TPlzsForm::showSelectedUnits() {
    QList<TSelectedDwForm::Unit> chosen;
    for (const QTreeWidgetItem* item : treeUnits->itemsInDisplayOrder()) {
        if (item->checkState(0) == Qt::Checked) {
            chosen.append({item->data(0, UnitTreeWidget::IdRole).toInt(),
                           item->data(0, UnitTreeWidget::NameRole).toString(), true});
        }
    }
    TSelectedDwForm form(this);
    form.setUnits(chosen);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    const QList<int> kept = form.checkedUnitIds();
    for (QTreeWidgetItem* item : treeUnits->itemsInDisplayOrder()) {
        if (item->checkState(0) == Qt::Checked &&
            !kept.contains(item->data(0, UnitTreeWidget::IdRole).toInt())) {
            item->setCheckState(0, Qt::Unchecked);
        }
    }
    updateUnitCount();
}

std::vector<units::AnalysisUnit> TPlzsForm::chosenUnits() const {
    std::vector<units::AnalysisUnit> result;
    for (const QTreeWidgetItem* item : treeUnits->itemsInDisplayOrder()) {
        if (item->checkState(0) == Qt::Checked &&
            item->data(0, UnitTreeWidget::IsDepRole).toBool()) {
            result.push_back({item->data(0, UnitTreeWidget::IdRole).toInt(),
                              item->data(0, UnitTreeWidget::NameRole).toString()});
        }
    }
    return result;
}

QStringList TPlzsForm::chosenBands() const {
    QStringList result;
    for (int i = 0; i < lstBands->count(); ++i) {
        if (lstBands->item(i)->checkState() == Qt::Checked) {
            result << lstBands->item(i)->text();
        }
    }
    return result;
}

#include "settings/ui/TWakeForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/LibraryMove.h"
#include "cadre/ui/TSwitchForm.h"
#include "widgets/DialogParts.h"

namespace {

enum PlanColumn { kChecked, kStatus, kBegin, kEnd, kTitle, kMore };
constexpr int kPlanPage = 1;
constexpr int kRetirementPage = 2;

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
// Shown when a typed reminder date cannot be read; the row keeps its stored value.
const QString kBadDate = QStringLiteral("提醒日期应为“年-月-日”，如2024-05-01。");

QString statusText(int status) {
    return status < 0    ? QStringLiteral("未到期")
           : status == 0 ? QStringLiteral("提醒中")
                         : QStringLiteral("已过期");
}

QTableWidget* namedGrid(const char* name, const QStringList& captions) {
    auto* grid = new QTableWidget(0, static_cast<int>(captions.size()));
    grid->setObjectName(QString::fromLatin1(name));
    grid->setHorizontalHeaderLabels(captions);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    return grid;
}

QTableWidgetItem* fixedItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QTableWidgetItem* checkItem(bool checked) {
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

QPushButton* countButton(const char* name) {
    auto* button = widgets::namedButton(name, QString());
    button->setFlat(true);
    return button;
}

}  // namespace

TWakeForm::TWakeForm(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      today_(QDate::currentDate()),
      PageControl1(new QTabWidget),
      btnTotal(countButton("btnTotal")),
      btnExpired(countButton("btnExpired")),
      btnToday(countButton("btnToday")),
      btnRetiring(countButton("btnRetiring")),
      btnClear(widgets::namedButton("btnClear", QStringLiteral("清空"))),
      chkClew(new QCheckBox(QStringLiteral("自动提示"))),
      cbFilter(new QComboBox),
      gridPlans(namedGrid("gridPlans", {QStringLiteral("选中"), QStringLiteral("状态"),
                                        QStringLiteral("开始提醒"), QStringLiteral("截至提醒"),
                                        QStringLiteral("内容"), QStringLiteral("详细")})),
      cbPeriod(new QComboBox),
      gridRetiring(namedGrid(
          "gridRetiring", {QStringLiteral("选中"), QStringLiteral("姓 名"), QStringLiteral("性别"),
                           QStringLiteral("出生年月"), QStringLiteral("年龄"),
                           QStringLiteral("职务"), QStringLiteral("退休日期")})),
      btnRetire(widgets::namedButton("btnRetire", QStringLiteral("退休"))) {
    setObjectName(QStringLiteral("TWakeForm"));
    setWindowTitle(QStringLiteral("提示"));
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    chkClew->setObjectName(QStringLiteral("chkClew"));
    cbFilter->setObjectName(QStringLiteral("cbFilter"));
    cbPeriod->setObjectName(QStringLiteral("cbPeriod"));
    PageControl1->addTab(makeSummaryPage(), QStringLiteral("简要提示"));
    PageControl1->addTab(makePlanPage(), QStringLiteral("计划任务"));
    PageControl1->addTab(makeRetirementPage(), QStringLiteral("近期退休"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);

    chkClew->setChecked(dm_.session().clew);
    connect(chkClew, &QCheckBox::toggled, this, [this](bool on) {
        if (const Result<void> set =
                settings::setReminderFlag(dm_.db(), dm_.session().ManagerID, on);
            !set) {
            app::showFailure(set.failure());
            return;
        }
        dm_.session().clew = on;
    });
    const Result<settings::RetirementAges> ages = settings::retirementAges(dm_.db());
    if (!ages) {
        app::showFailure(ages.failure());
    } else {
        ages_ = *ages;
    }
    refreshSummary();
    refreshPlans();
    refreshRetiring();
}

void TWakeForm::setToday(const QDate& today) {
    today_ = today;
    refreshSummary();
    refreshPlans();
    refreshRetiring();
}

void TWakeForm::reloadCadres() {
    refreshSummary();
    refreshRetiring();
}

QWidget* TWakeForm::makeSummaryPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    auto* expiredRow = new QHBoxLayout;
    expiredRow->addWidget(btnExpired);
    expiredRow->addWidget(btnClear);
    expiredRow->addStretch();
    form->addRow(QStringLiteral("计划任务共："), btnTotal);
    form->addRow(QStringLiteral("已过期的提醒："), expiredRow);
    form->addRow(QStringLiteral("今日的提醒："), btnToday);
    form->addRow(QStringLiteral("近期退休的人员："), btnRetiring);
    auto* close = widgets::namedButton("btnClose", QStringLiteral("关  闭"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chkClew);
    bottom->addStretch();
    bottom->addWidget(close);
    form->addRow(bottom);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(btnTotal, &QPushButton::clicked, this,
            [this] { showPlans(settings::PlanFilter::All); });
    connect(btnToday, &QPushButton::clicked, this,
            [this] { showPlans(settings::PlanFilter::Current); });
    connect(btnExpired, &QPushButton::clicked, this,
            [this] { showPlans(settings::PlanFilter::Expired); });
    connect(btnRetiring, &QPushButton::clicked, this,
            [this] { PageControl1->setCurrentIndex(kRetirementPage); });
    connect(btnClear, &QPushButton::clicked, this, &TWakeForm::clearExpired);
    return page;
}

QWidget* TWakeForm::makePlanPage() {
    auto* page = new QWidget;
    cbFilter->addItems(settings::kPlanFilterCaptions);
    auto* add = widgets::namedButton("btnAdd", QStringLiteral("添加"));
    auto* remove = widgets::namedButton("btnDelete", QStringLiteral("删除"));
    auto* row = new QHBoxLayout;
    row->addWidget(cbFilter);
    row->addStretch();
    row->addWidget(add);
    row->addWidget(remove);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(gridPlans, 1);
    layout->addLayout(row);
    connect(cbFilter, &QComboBox::currentIndexChanged, this, &TWakeForm::refreshPlans);
    connect(gridPlans, &QTableWidget::cellChanged, this, &TWakeForm::planEdited);
    connect(add, &QPushButton::clicked, this, &TWakeForm::addPlan);
    connect(remove, &QPushButton::clicked, this, &TWakeForm::deletePlan);
    return page;
}

QWidget* TWakeForm::makeRetirementPage() {
    auto* page = new QWidget;
    cbPeriod->addItems(settings::kRetirementPeriodCaptions);
    cbPeriod->setCurrentIndex(static_cast<int>(settings::kDefaultRetirementPeriod));
    gridRetiring->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* selectAll = widgets::namedButton("btnSelectAll", QStringLiteral("全选"));
    auto* row = new QHBoxLayout;
    row->addWidget(cbPeriod);
    row->addStretch();
    row->addWidget(btnRetire);
    row->addWidget(selectAll);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(gridRetiring, 1);
    layout->addLayout(row);
    connect(cbPeriod, &QComboBox::currentIndexChanged, this, &TWakeForm::refreshRetiring);
    connect(btnRetire, &QPushButton::clicked, this, &TWakeForm::retireChecked);
    connect(selectAll, &QPushButton::clicked, this, [this] {
        for (int i = 0; i < gridRetiring->rowCount(); ++i) {
            gridRetiring->item(i, 0)->setCheckState(Qt::Checked);
        }
    });
    return page;
}

void TWakeForm::refreshSummary() {
    const Result<settings::PlanSummary> summary =
        settings::planSummary(dm_.db(), dm_.session().ManagerID, today_);
    const Result<QList<settings::RetiringCadre>> retiring =
        settings::retiringCadres(dm_.db(), ages_, settings::kDefaultRetirementPeriod, today_);
    if (!summary || !retiring) {
        app::showFailure(!summary ? summary.failure() : retiring.failure());
        return;
    }
    btnTotal->setText(QString::number(summary->total) + QStringLiteral(" 项"));
    btnExpired->setText(QString::number(summary->expired) + QStringLiteral(" 项"));
    btnToday->setText(QString::number(summary->current) + QStringLiteral(" 项"));
    btnRetiring->setText(QString::number(retiring->size()) + QStringLiteral(" 人"));
}

void TWakeForm::showPlans(settings::PlanFilter filter) {
    cbFilter->setCurrentIndex(static_cast<int>(filter));
    PageControl1->setCurrentIndex(kPlanPage);
}

void TWakeForm::refreshPlans() {
    const auto filter = static_cast<settings::PlanFilter>(cbFilter->currentIndex());
    const Result<QList<settings::PlanRow>> plans =
        settings::userPlans(dm_.db(), dm_.session().ManagerID, filter, today_);
    if (!plans) {
        app::showFailure(plans.failure());
        return;
    }
    plans_ = *plans;
    filling_ = true;
    gridPlans->setRowCount(static_cast<int>(plans_.size()));
    for (int row = 0; row < gridPlans->rowCount(); ++row) {
        const settings::PlanRow& plan = plans_.at(row);
        gridPlans->setItem(row, kChecked, checkItem(plan.checked));
        gridPlans->setItem(row, kStatus, fixedItem(statusText(plan.status)));
        gridPlans->setItem(row, kBegin, new QTableWidgetItem(plan.begin.toString(kDateFormat)));
        gridPlans->setItem(row, kEnd, new QTableWidgetItem(plan.end.toString(kDateFormat)));
        gridPlans->setItem(row, kTitle, new QTableWidgetItem(plan.title));
        gridPlans->setItem(row, kMore, new QTableWidgetItem(plan.more));
    }
    filling_ = false;
}

void TWakeForm::planEdited(int row, int column) {
    if (filling_ || row < 0 || row >= plans_.size()) {
        return;
    }
    settings::PlanRow plan = plans_.at(row);
    const QString text = gridPlans->item(row, column)->text().trimmed();
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-M-d"));
    if ((column == kBegin || column == kEnd) && !text.isEmpty() && !date.isValid()) {
        app::showInformation(kBadDate);
        refreshPlans();
        return;
    }
    switch (column) {
        case kChecked:
            plan.checked = gridPlans->item(row, column)->checkState() == Qt::Checked;
            break;
        case kBegin:
            plan.begin = date;
            break;
        case kEnd:
            plan.end = date;
            break;
        case kTitle:
            plan.title = text;
            break;
        case kMore:
            plan.more = gridPlans->item(row, column)->text();
            break;
        default:
            return;
    }
    if (const Result<void> saved = settings::updatePlan(dm_.db(), dm_.session().ManagerID, plan);
        !saved) {
        app::showFailure(saved.failure());
    }
    refreshSummary();
    refreshPlans();
}

void TWakeForm::addPlan() {
    settings::PlanRow plan;
    plan.begin = today_;
    plan.end = today_;
    if (const Result<int> id = settings::addPlan(dm_.db(), dm_.session().ManagerID, plan); !id) {
        app::showFailure(id.failure());
        return;
    }
    cbFilter->setCurrentIndex(static_cast<int>(settings::PlanFilter::All));
    refreshSummary();
    refreshPlans();
    gridPlans->setCurrentCell(gridPlans->rowCount() - 1, kTitle);
}

void TWakeForm::deletePlan() {
    const int row = gridPlans->currentRow();
    if (row < 0 || row >= plans_.size()) {
        return;
    }
    if (const Result<void> deleted =
            settings::deletePlan(dm_.db(), dm_.session().ManagerID, plans_.at(row).id);
        !deleted) {
        app::showFailure(deleted.failure());
    }
    refreshSummary();
    refreshPlans();
}

void TWakeForm::clearExpired() {
    if (const Result<int> cleared =
            settings::clearExpiredPlans(dm_.db(), dm_.session().ManagerID, today_);
        !cleared) {
        app::showFailure(cleared.failure());
    }
    cbFilter->setCurrentIndex(static_cast<int>(settings::PlanFilter::All));
    refreshSummary();
    refreshPlans();
}

// Hands the checked cadres on to the move between libraries, with the retired library proposed.
void TWakeForm::retireChecked() {
    QList<int> cadreIds;
    for (int row = 0; row < gridRetiring->rowCount(); ++row) {
        const QTableWidgetItem* check = gridRetiring->item(row, 0);
        if (check->checkState() == Qt::Checked) {
            cadreIds << check->data(Qt::UserRole).toInt();
        }
    }
    if (cadreIds.isEmpty()) {
        app::showInformation(kChooseRetiring);
        return;
    }
    if (!admin::HasRight(dm_, QStringLiteral("WGB"))) {
        return;
    }
    TSwitchForm form(dm_, this);
    form.addCadres(cadreIds);
    form.proposeTarget(cadre::kRetiredLibrary);
    if (form.exec() == QDialog::Accepted) {
        refreshRetiring();
        refreshSummary();
        Q_EMIT cadresMoved();
    }
}

void TWakeForm::refreshRetiring() {
    const auto period = static_cast<settings::RetirementPeriod>(cbPeriod->currentIndex());
    const Result<QList<settings::RetiringCadre>> found =
        settings::retiringCadres(dm_.db(), ages_, period, today_);
    if (!found) {
        app::showFailure(found.failure());
        return;
    }
    gridRetiring->setRowCount(static_cast<int>(found->size()));
    for (int row = 0; row < gridRetiring->rowCount(); ++row) {
        const settings::RetiringCadre& cadre = found->at(row);
        auto* check = checkItem(false);
        check->setData(Qt::UserRole, cadre.cadreId);
        gridRetiring->setItem(row, 0, check);
        gridRetiring->setItem(row, 1, fixedItem(cadre.name));
        gridRetiring->setItem(row, 2, fixedItem(cadre.sex));
        gridRetiring->setItem(row, 3, fixedItem(cadre.birthText));
        gridRetiring->setItem(row, 4, fixedItem(QString::number(cadre.age)));
        gridRetiring->setItem(row, 5, fixedItem(cadre.posts));
        gridRetiring->setItem(row, 6, fixedItem(cadre.retirement.toString(kDateFormat)));
    }
}

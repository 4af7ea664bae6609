#include "settings/ui/TStdCheckForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "widgets/DialogParts.h"

namespace {

enum GridColumn { kValue, kCount, kReplacement, kBlank };
constexpr int kFirstCategoryPage = 2;

const QString kFound = QStringLiteral("有不规范的数据");
const QString kNoneFound = QStringLiteral("未发现不规范的数据");
const QString kDone = QStringLiteral("标准化检查完成，共更正%1项数据。");

settings::CheckCategory categoryAt(int index) {
    return static_cast<settings::CheckCategory>(index);
}

QString pageTitle(settings::CheckCategory category) {
    return QStringLiteral("不规范的") + settings::categoryName(category);
}

}  // namespace

TStdCheckForm::TStdCheckForm(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      pages_(new QStackedWidget),
      btnPrior(widgets::namedButton("btnPrior", QStringLiteral("上一步"))),
      btnNext(widgets::namedButton("btnNext", QStringLiteral("下一步"))) {
    setObjectName(QStringLiteral("TStdCheckForm"));
    setWindowTitle(QStringLiteral("标准化检查"));
    pages_->setObjectName(QStringLiteral("pages"));
    pages_->addWidget(makeWelcomePage());
    pages_->addWidget(makeSummaryPage());
    for (int i = 0; i < settings::kCheckCategoryCount; ++i) {
        pages_->addWidget(makeCategoryPage(categoryAt(i)));
        filled_ << false;
    }
    auto* cancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(widgets::rightAlignedRow({btnPrior, btnNext, cancel}));
    btnPrior->setEnabled(false);
    connect(btnPrior, &QPushButton::clicked, this, [this] { step(-1); });
    connect(btnNext, &QPushButton::clicked, this, [this] {
        if (pages_->currentIndex() == pages_->count() - 1) {
            finish();
        } else {
            step(1);
        }
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TStdCheckForm::makeWelcomePage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (const QString& line :
         {QStringLiteral("欢迎使用标准化检查工具"),
          QStringLiteral("本工具用于纠正基本信息库（如职级、学历等）修改后，"),
          QStringLiteral("原有数据的更新问题。"), QStringLiteral("点击“下一步”继续。")}) {
        layout->addWidget(new QLabel(line));
    }
    layout->addStretch();
    return page;
}

QWidget* TStdCheckForm::makeSummaryPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(new QLabel(QStringLiteral("初步检查结果")));
    for (int i = 0; i < settings::kCheckCategoryCount; ++i) {
        auto* label = new QLabel;
        label->setObjectName(QStringLiteral("lblFound%1").arg(i));
        summaryLabels_ << label;
        form->addRow(settings::categoryName(categoryAt(i)), label);
    }
    return page;
}

QWidget* TStdCheckForm::makeCategoryPage(settings::CheckCategory category) {
    auto* page = new QWidget;
    auto* grid = new QTableWidget(0, 4);
    grid->setObjectName(QStringLiteral("gridCheck%1").arg(static_cast<int>(category)));
    grid->setHorizontalHeaderLabels({QStringLiteral("原值"), QStringLiteral("数量"),
                                     QStringLiteral("更改为"), QStringLiteral("设为空")});
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(kReplacement, QHeaderView::Stretch);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grids_ << grid;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(pageTitle(category)));
    layout->addWidget(grid, 1);
    if (!settings::standardListName(category).isEmpty()) {
        auto* add = widgets::namedButton("btnAddStandard", QStringLiteral("加入标准库"));
        layout->addLayout(widgets::rightAlignedRow({add}));
        connect(add, &QPushButton::clicked, this,
                [this, category] { addCurrentToStandard(category); });
    }
    return page;
}

void TStdCheckForm::step(int by) {
    const int target = pages_->currentIndex() + by;
    if (target == 1) {
        fillSummary();
    } else if (target >= kFirstCategoryPage && !filled_.at(target - kFirstCategoryPage)) {
        fillCategory(categoryAt(target - kFirstCategoryPage));
    }
    pages_->setCurrentIndex(target);
    btnPrior->setEnabled(target > 0);
    btnNext->setText(target == pages_->count() - 1 ? QStringLiteral("完成")
                                                   : QStringLiteral("下一步"));
}

void TStdCheckForm::fillSummary() {
    for (int i = 0; i < settings::kCheckCategoryCount; ++i) {
        const auto found = settings::nonStandardValues(dm_.db(), categoryAt(i));
        if (!found) {
            app::showFailure(found.failure());
            return;
        }
        summaryLabels_[i]->setText(found->isEmpty() ? kNoneFound : kFound);
    }
}

void TStdCheckForm::fillCategory(settings::CheckCategory category) {
    const int index = static_cast<int>(category);
    const auto found = settings::nonStandardValues(dm_.db(), category);
    const auto standard = settings::standardValues(dm_.db(), category);
    if (!found || !standard) {
        app::showFailure(!found ? found.failure() : standard.failure());
        return;
    }
    QTableWidget* grid = grids_.at(index);
    grid->setRowCount(static_cast<int>(found->size()));
    for (int row = 0; row < grid->rowCount(); ++row) {
        const settings::NonStandardValue& value = found->at(row);
        grid->setItem(row, kValue, new QTableWidgetItem(value.value));
        grid->setItem(row, kCount, new QTableWidgetItem(QString::number(value.count)));
        auto* choice = new QComboBox;
        choice->addItem(QString());
        choice->addItems(*standard);
        grid->setCellWidget(row, kReplacement, choice);
        grid->setCellWidget(row, kBlank, new QCheckBox);
    }
    filled_[index] = true;
}

void TStdCheckForm::addCurrentToStandard(settings::CheckCategory category) {
    QTableWidget* grid = grids_.at(static_cast<int>(category));
    const int row = grid->currentRow();
    if (row < 0) {
        return;
    }
    const QString value = grid->item(row, kValue)->text();
    if (!app::confirmAction(settings::addToStandardQuestion(category, value))) {
        return;
    }
    if (const Result<void> added = settings::addToStandard(dm_.db(), category, value); !added) {
        app::showFailure(added.failure());
        return;
    }
    grid->removeRow(row);
}

QList<settings::ValueMapping> TStdCheckForm::mappings() const {
    QList<settings::ValueMapping> out;
    for (int index = 0; index < grids_.size(); ++index) {
        if (!filled_.at(index)) {
            continue;
        }
        const QTableWidget* grid = grids_.at(index);
        for (int row = 0; row < grid->rowCount(); ++row) {
            const auto* blank = qobject_cast<QCheckBox*>(grid->cellWidget(row, kBlank));
            const auto* choice = qobject_cast<QComboBox*>(grid->cellWidget(row, kReplacement));
            const QString from = grid->item(row, kValue)->text();
            // Blanking wins over a chosen replacement.
            if (blank->isChecked()) {
                out.append({categoryAt(index), from, QString()});
            } else if (!choice->currentText().isEmpty()) {
                out.append({categoryAt(index), from, choice->currentText()});
            }
        }
    }
    return out;
}

void TStdCheckForm::finish() {
    const QList<settings::ValueMapping> chosen = mappings();
    if (const Result<void> applied = settings::applyMappings(dm_.db(), chosen); !applied) {
        app::showFailure(applied.failure());
        return;
    }
    app::showInformation(kDone.arg(chosen.size()));
    accept();
}

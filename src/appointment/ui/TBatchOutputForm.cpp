#include "appointment/ui/TBatchOutputForm.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/AppPaths.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "appointment/ApprovalDocument.h"
#include "appointment/BatchForms.h"
#include "db/Database.h"
#include "report/PageRenderer.h"
#include "widgets/DialogParts.h"
#include "widgets/ReportPrinting.h"

namespace {

const QString kCaption = QStringLiteral("批量打印、导出");

QString defaultChooser(QWidget* parent, bool folder) {
    if (folder) {
        return QFileDialog::getExistingDirectory(parent, QStringLiteral("选择输出文件夹"));
    }
    return QFileDialog::getSaveFileName(parent, QStringLiteral("PDF输出"),
                                        appointment::kApprovalFormTitle + QStringLiteral(".pdf"),
                                        QStringLiteral("PDF文件 (*.pdf)"));
}

}  // namespace

TBatchOutputForm::TBatchOutputForm(TDataM& dm, int planId, QWidget* parent)
    : QDialog(parent), dm_(dm), choosePath_(defaultChooser) {
    setObjectName(QStringLiteral("BatchOutputForm"));
    setWindowTitle(kCaption);
    grid_ = new QTableWidget(0, 3, this);
    grid_->setObjectName(QStringLiteral("gridCadres"));
    grid_->setHorizontalHeaderLabels(
        {QStringLiteral("选中"), QStringLiteral("姓名"), QStringLiteral("性别")});
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    const auto lines = dm_.db().query(
        QStringLiteral("select id,xm,xb from tb_rmmc_detail where mcID=? order by brOrder"),
        {planId});
    if (!lines) {
        app::showFailure(Failure{{}, dm_.db().lastError()});
    } else {
        grid_->setRowCount(static_cast<int>(lines->rows.size()));
        for (int r = 0; r < grid_->rowCount(); ++r) {
            const QVariantList& row = lines->rows[static_cast<size_t>(r)];
            auto* check = new QTableWidgetItem;
            check->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            check->setCheckState(Qt::Checked);
            check->setData(Qt::UserRole, row[0]);
            grid_->setItem(r, 0, check);
            grid_->setItem(r, 1, new QTableWidgetItem(row[1].toString()));
            grid_->setItem(r, 2, new QTableWidgetItem(row[2].toString()));
        }
    }

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progressBar"));
    btnStop_ = widgets::namedButton("btnStop", QStringLiteral("取消"));
    btnStop_->setEnabled(false);
    connect(btnStop_, &QPushButton::clicked, this, [this] { stopped_ = true; });

    QPushButton* btnAll = widgets::namedButton("btnAll", QStringLiteral("全 选"));
    QPushButton* btnClear = widgets::namedButton("btnClear", QStringLiteral("清 除"));
    QPushButton* btnPrint = widgets::namedButton("btnPrint", QStringLiteral("直接打印"));
    QPushButton* btnPdf = widgets::namedButton("btnPdf", QStringLiteral("PDF输出"));
    QPushButton* btnWord = widgets::namedButton("btnWord", QStringLiteral("Word打印"));
    QPushButton* btnExit = widgets::namedButton("btnExit", QStringLiteral("退 出"));
    connect(btnAll, &QPushButton::clicked, this, [this] { checkAll(true); });
    connect(btnClear, &QPushButton::clicked, this, [this] { checkAll(false); });
    connect(btnPrint, &QPushButton::clicked, this, &TBatchOutputForm::printForms);
    connect(btnPdf, &QPushButton::clicked, this, &TBatchOutputForm::writePdf);
    connect(btnWord, &QPushButton::clicked, this, &TBatchOutputForm::writeWord);
    connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    auto* bar = new QHBoxLayout;
    bar->addWidget(progress_, 1);
    bar->addWidget(btnStop_);
    layout->addLayout(bar);
    layout->addLayout(
        widgets::rightAlignedRow({btnAll, btnClear, btnPrint, btnPdf, btnWord, btnExit}));
}

QList<int> TBatchOutputForm::checkedLines() const {
    QList<int> lines;
    for (int r = 0; r < grid_->rowCount(); ++r) {
        if (grid_->item(r, 0)->checkState() == Qt::Checked) {
            lines << grid_->item(r, 0)->data(Qt::UserRole).toInt();
        }
    }
    return lines;
}

void TBatchOutputForm::checkAll(bool checked) {
    for (int r = 0; r < grid_->rowCount(); ++r) {
        grid_->item(r, 0)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

QList<int> TBatchOutputForm::linesToOutput() {
    const QList<int> lines = checkedLines();
    if (lines.isEmpty()) {
        app::showInformation(appointment::kBatchNothingChecked);
        return {};
    }
    if (lines.size() > appointment::kBatchLimit) {
        app::showInformation(appointment::kBatchTooLarge);
        return {};
    }
    return lines;
}

std::function<bool(int)> TBatchOutputForm::startProgress(int count) {
    stopped_ = false;
    progress_->setRange(0, count);
    progress_->setValue(0);
    btnStop_->setEnabled(true);
    return [this](int done) {
        progress_->setValue(done);
        QApplication::processEvents();
        return !stopped_;
    };
}

void TBatchOutputForm::endProgress() {
    btnStop_->setEnabled(false);
}

void TBatchOutputForm::printForms() {
    const QList<int> lines = linesToOutput();
    if (lines.isEmpty()) {
        return;
    }
    const Result<appointment::ApprovalSettings> settings =
        appointment::readApprovalSettings(dm_.db());
    if (!settings) {
        app::showFailure(settings.failure());
        return;
    }
    const Result<report::Layout> layout =
        appointment::batchLayout(dm_.db(), lines, *settings, startProgress(lines.size()));
    endProgress();
    if (!layout) {
        app::showFailure(layout.failure());
        return;
    }
    widgets::previewLayout(*layout, appointment::kApprovalFormTitle, this);
}

void TBatchOutputForm::writePdf() {
    const QList<int> lines = linesToOutput();
    if (lines.isEmpty()) {
        return;
    }
    const QString path = choosePath_(this, false);
    if (path.isEmpty()) {
        return;
    }
    const Result<appointment::ApprovalSettings> settings =
        appointment::readApprovalSettings(dm_.db());
    if (!settings) {
        app::showFailure(settings.failure());
        return;
    }
    const Result<report::Layout> layout =
        appointment::batchLayout(dm_.db(), lines, *settings, startProgress(lines.size()));
    endProgress();
    if (!layout) {
        app::showFailure(layout.failure());
        return;
    }
    if (const Result<void> written =
            report::writePdf(*layout, path, appointment::kApprovalFormTitle);
        !written) {
        app::showFailure(written.failure());
        return;
    }
    app::showInformation(appointment::kBatchDone);
}

void TBatchOutputForm::writeWord() {
    const QList<int> lines = linesToOutput();
    if (lines.isEmpty()) {
        return;
    }
    const Result<QString> templatePath = app::wordTemplate(appointment::kApprovalTemplate);
    if (!templatePath) {
        app::showInformation(templatePath.errorText());
        return;
    }
    const QString folder = choosePath_(this, true);
    if (folder.isEmpty()) {
        return;
    }
    const Result<appointment::ApprovalSettings> settings =
        appointment::readApprovalSettings(dm_.db());
    if (!settings) {
        app::showFailure(settings.failure());
        return;
    }
    const Result<QStringList> written =
        appointment::batchDocuments(dm_.db(), lines, *settings, *templatePath, folder,
                                    QDate::currentDate(), startProgress(lines.size()));
    endProgress();
    if (!written) {
        app::showFailure(written.failure());
        return;
    }
    app::showInformation(appointment::kBatchDone);
}

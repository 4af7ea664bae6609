#include "appointment/ui/TBatchOutputForm.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/AppPaths.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "appointment/ApprovalDocument.h"
#include "appointment/BatchFiles.h"
#include "appointment/LrmExport.h"
#include "appointment/ui/TBatchRangeForm.h"
#include "cadre/ResumeDocument.h"
#include "db/Database.h"
#include "report/PageRenderer.h"
#include "widgets/DialogParts.h"
#include "widgets/ExportProposal.h"
#include "widgets/ReportPrinting.h"

namespace {

const QString kCaption = QStringLiteral("批量打印、导出");

QString defaultChooser(QWidget* parent, bool folder) {
    if (folder) {
        return QFileDialog::getExistingDirectory(parent, QStringLiteral("选择输出文件夹"),
                                                 widgets::proposedExportPath(QString()));
    }
    return QFileDialog::getSaveFileName(
        parent, QStringLiteral("PDF输出"),
        widgets::proposedExportPath(appointment::kApprovalFormTitle + QStringLiteral(".pdf")),
        QStringLiteral("PDF文件 (*.pdf)"));
}

// The roles of the check column's items: the row's key and its cadre.
constexpr int kKeyRole = Qt::UserRole;
constexpr int kCadreRole = Qt::UserRole + 1;

}  // namespace

TBatchOutputForm::TBatchOutputForm(TDataM& dm, int planId, QWidget* parent)
    : TBatchOutputForm(dm, false, parent) {
    fillRows(app::valueOrShown(appointment::planBatchRows(dm_.db(), planId)));
}

TBatchOutputForm::TBatchOutputForm(TDataM& dm, const QList<int>& cadreIds, QWidget* parent)
    : TBatchOutputForm(dm, true, parent) {
    fillRows(app::valueOrShown(appointment::recordBatchRows(dm_.db(), cadreIds)));
}

TBatchOutputForm::TBatchOutputForm(TDataM& dm, bool records, QWidget* parent)
    : QDialog(parent), dm_(dm), records_(records), choosePath_(defaultChooser) {
    setObjectName(QStringLiteral("BatchOutputForm"));
    setWindowTitle(kCaption);
    grid_ = new QTableWidget(0, 3, this);
    grid_->setObjectName(QStringLiteral("gridCadres"));
    grid_->setHorizontalHeaderLabels(
        {QStringLiteral("选中"), QStringLiteral("姓名"), QStringLiteral("性别")});
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();

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
    QPushButton* btnPhotos = widgets::namedButton("btnPhotos", QStringLiteral("照片输出"));
    QPushButton* btnResumes = widgets::namedButton("btnResumes", QStringLiteral("简历输出"));
    QPushButton* btnLrm = widgets::namedButton("btnLrm", QStringLiteral("LRM输出"));
    QPushButton* btnLrmx = widgets::namedButton("btnLrmx", QStringLiteral("LRMX输出"));
    btnTemplate_ = widgets::namedButton("btnTemplate", QStringLiteral("按模板输出"));
    btnTemplate_->hide();
    QPushButton* btnExit = widgets::namedButton("btnExit", QStringLiteral("退 出"));
    connect(btnAll, &QPushButton::clicked, this, [this] { checkAll(true); });
    connect(btnClear, &QPushButton::clicked, this, [this] { checkAll(false); });
    connect(btnPrint, &QPushButton::clicked, this, &TBatchOutputForm::printForms);
    connect(btnPdf, &QPushButton::clicked, this, &TBatchOutputForm::writePdf);
    connect(btnWord, &QPushButton::clicked, this, &TBatchOutputForm::writeWord);
    connect(btnPhotos, &QPushButton::clicked, this, &TBatchOutputForm::writePhotos);
    connect(btnResumes, &QPushButton::clicked, this, &TBatchOutputForm::writeResumes);
    connect(btnLrm, &QPushButton::clicked, this, [this] { writeLrm(appointment::LrmFormat::Lrm); });
    connect(btnLrmx, &QPushButton::clicked, this,
            [this] { writeLrm(appointment::LrmFormat::Lrmx); });
    connect(btnTemplate_, &QPushButton::clicked, this, [this] {
        const QList<int> cadres = checkedCadres();
        if (cadres.isEmpty()) {
            app::showInformation(appointment::kBatchNothingChecked);
            return;
        }
        templateOutput_(this, cadres);
    });
    connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    if (records_) {
        cbForm_ = new QComboBox(this);
        cbForm_->setObjectName(QStringLiteral("cbForm"));
        cbForm_->addItem(appointment::kApprovalFormName,
                         static_cast<int>(appointment::RecordForm::Approval));
        cbForm_->addItem(appointment::kShortProfileName,
                         static_cast<int>(appointment::RecordForm::ShortProfile));
        auto* choice = new QHBoxLayout;
        choice->addWidget(new QLabel(QStringLiteral("输出表格："), this));
        choice->addWidget(cbForm_, 1);
        layout->addLayout(choice);
    }
    layout->addWidget(grid_, 1);
    auto* bar = new QHBoxLayout;
    bar->addWidget(progress_, 1);
    bar->addWidget(btnStop_);
    layout->addLayout(bar);
    layout->addLayout(
        widgets::rightAlignedRow({btnAll, btnClear, btnPrint, btnPdf, btnWord, btnPhotos,
                                  btnResumes, btnLrm, btnLrmx, btnTemplate_, btnExit}));
}

void TBatchOutputForm::setTemplateOutput(TemplateOutput output) {
    templateOutput_ = std::move(output);
    btnTemplate_->setVisible(static_cast<bool>(templateOutput_));
}

void TBatchOutputForm::fillRows(const QList<appointment::BatchRow>& rows) {
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < grid_->rowCount(); ++r) {
        const appointment::BatchRow& row = rows[r];
        auto* check = new QTableWidgetItem;
        check->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        check->setCheckState(Qt::Checked);
        check->setData(kKeyRole, row.key);
        check->setData(kCadreRole, row.cadreId);
        grid_->setItem(r, 0, check);
        grid_->setItem(r, 1, new QTableWidgetItem(row.xm));
        grid_->setItem(r, 2, new QTableWidgetItem(row.xb));
    }
}

QList<int> TBatchOutputForm::checkedColumn(int role) const {
    QList<int> keys;
    for (int r = 0; r < grid_->rowCount(); ++r) {
        if (grid_->item(r, 0)->checkState() == Qt::Checked) {
            keys << grid_->item(r, 0)->data(role).toInt();
        }
    }
    return keys;
}

QList<int> TBatchOutputForm::checkedLines() const {
    return checkedColumn(kKeyRole);
}

QList<int> TBatchOutputForm::checkedCadres() const {
    return checkedColumn(kCadreRole);
}

appointment::RecordForm TBatchOutputForm::recordForm() const {
    return static_cast<appointment::RecordForm>(cbForm_->currentData().toInt());
}

bool TBatchOutputForm::limitToRange() {
    if (grid_->rowCount() <= appointment::kBatchLimit) {
        return true;
    }
    TBatchRangeForm range(grid_->rowCount(), this);
    if (range.exec() != QDialog::Accepted) {
        return false;
    }
    // Rows after the range go first, so that the rows before it keep their positions.
    const int first = range.first() - 1;
    grid_->setRowCount(range.last());
    for (int r = 0; r < first; ++r) {
        grid_->removeRow(0);
    }
    return true;
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

Result<report::Layout> TBatchOutputForm::layoutOf(const QList<int>& keys) {
    const Result<appointment::ApprovalSettings> settings =
        appointment::readApprovalSettings(dm_.db());
    if (!settings) {
        return settings.failure();
    }
    const Result<report::Layout> layout =
        records_ ? appointment::recordBatchLayout(dm_.db(), keys, recordForm(), *settings,
                                                  QDate::currentDate(), startProgress(keys.size()))
                 : appointment::batchLayout(dm_.db(), keys, *settings, startProgress(keys.size()));
    endProgress();
    return layout;
}

QString TBatchOutputForm::title() const {
    return records_ && recordForm() == appointment::RecordForm::ShortProfile
               ? appointment::kShortProfileTitle
               : appointment::kApprovalFormTitle;
}

void TBatchOutputForm::printForms() {
    const QList<int> keys = linesToOutput();
    if (keys.isEmpty()) {
        return;
    }
    const Result<report::Layout> layout = layoutOf(keys);
    if (!layout) {
        app::showFailure(layout.failure());
        return;
    }
    widgets::previewLayout(*layout, title(), this);
}

void TBatchOutputForm::writePdf() {
    const QList<int> keys = linesToOutput();
    if (keys.isEmpty()) {
        return;
    }
    const QString path = choosePath_(this, false);
    if (path.isEmpty()) {
        return;
    }
    const Result<report::Layout> layout = layoutOf(keys);
    if (!layout) {
        app::showFailure(layout.failure());
        return;
    }
    if (const Result<void> written = report::writePdf(*layout, path, title()); !written) {
        app::showFailure(written.failure());
        return;
    }
    app::showInformation(appointment::kBatchDone);
}

void TBatchOutputForm::writeWord() {
    const QList<int> keys = linesToOutput();
    if (keys.isEmpty()) {
        return;
    }
    const Result<QString> templatePath = app::wordTemplate(
        records_ ? appointment::recordFormTemplate(recordForm()) : appointment::kApprovalTemplate);
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
    const QDate today = QDate::currentDate();
    const Result<QStringList> written =
        records_ ? appointment::recordBatchDocuments(dm_.db(), keys, recordForm(), *settings,
                                                     *templatePath, folder, today,
                                                     startProgress(keys.size()))
                 : appointment::batchDocuments(dm_.db(), keys, *settings, *templatePath, folder,
                                               today, startProgress(keys.size()));
    endProgress();
    if (!written) {
        app::showFailure(written.failure());
        return;
    }
    app::showInformation(appointment::kBatchDone);
}

void TBatchOutputForm::writePhotos() {
    if (linesToOutput().isEmpty()) {
        return;
    }
    const QList<int> cadres = checkedCadres();
    const QString folder = choosePath_(this, true);
    if (folder.isEmpty()) {
        return;
    }
    const Result<appointment::BatchFiles> files =
        appointment::batchPhotos(dm_, cadres, folder, startProgress(cadres.size()));
    endProgress();
    if (!files) {
        app::showFailure(files.failure());
        return;
    }
    if (!files->skipped.isEmpty()) {
        app::showInformation(appointment::kCadresWithoutPhoto +
                             files->skipped.join(QStringLiteral("、")));
    }
    app::showInformation(appointment::kBatchDone);
}

void TBatchOutputForm::writeLrm(appointment::LrmFormat format) {
    if (linesToOutput().isEmpty()) {
        return;
    }
    const QList<int> keys = checkedLines();
    const QString folder = choosePath_(this, true);
    if (folder.isEmpty()) {
        return;
    }
    const Result<appointment::BatchFiles> files = appointment::batchLrmFiles(
        dm_.db(), keys, !records_, folder, format, startProgress(keys.size()));
    endProgress();
    if (!files) {
        app::showFailure(files.failure());
        return;
    }
    app::showInformation(appointment::kBatchDone);
}

void TBatchOutputForm::writeResumes() {
    if (linesToOutput().isEmpty()) {
        return;
    }
    const QList<int> cadres = checkedCadres();
    const Result<QString> templatePath = app::wordTemplate(cadre::kResumeTemplate);
    if (!templatePath) {
        app::showInformation(templatePath.errorText());
        return;
    }
    const QString folder = choosePath_(this, true);
    if (folder.isEmpty()) {
        return;
    }
    const Result<appointment::BatchFiles> files =
        appointment::batchResumes(dm_, cadres, *templatePath, folder, startProgress(cadres.size()));
    endProgress();
    if (!files) {
        app::showFailure(files.failure());
        return;
    }
    app::showInformation(appointment::kBatchDone);
}

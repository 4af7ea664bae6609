#include "appointment/ui/TRmSetForm1.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "admin/Rights.h"
#include "app/AppPaths.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "appointment/ApprovalDocument.h"
#include "appointment/ApprovalFormBoxes.h"
#include "appointment/LineEdits.h"
#include "appointment/PlanExecution.h"
#include "appointment/PlanLines.h"
#include "appointment/ui/FormPageView.h"
#include "appointment/ui/FormResumeBox.h"
#include "appointment/ui/TCheckForm.h"
#include "appointment/ui/TDoRmForm.h"
#include "appointment/ui/TRmPlszForm.h"
#include "cadre/CadreRecord.h"
#include "cadre/Photo.h"
#include "cadre/ui/TPhotoForm.h"
#include "db/Database.h"
#include "report/PageRenderer.h"
#include "widgets/DialogParts.h"
#include "widgets/DocumentOpener.h"
#include "widgets/MonthEntryBox.h"
#include "widgets/ReportPrinting.h"

namespace {

// The right that guards changes of plans and their execution.
const QString kRight = QStringLiteral("RMW");

const QStringList kHealth{QStringLiteral("健康"),       QStringLiteral("一般"),
                          QStringLiteral("较差"),       QStringLiteral("有病"),
                          QStringLiteral("有生理缺陷"), QStringLiteral("残废")};

// The column as the line's table spells it ("csnyStr" for "csnystr").
QString columnName(const QString& lowerCase) {
    for (const QString& column : appointment::formColumns()) {
        if (column.compare(lowerCase, Qt::CaseInsensitive) == 0) {
            return column;
        }
    }
    return lowerCase;
}

QString cellText(QWidget* cell) {
    if (auto* resume = qobject_cast<FormResumeBox*>(cell)) {
        return resume->resume();
    }
    if (auto* line = qobject_cast<QLineEdit*>(cell)) {
        return line->text();
    }
    if (auto* box = qobject_cast<QComboBox*>(cell)) {
        return box->currentText();
    }
    return qobject_cast<QPlainTextEdit*>(cell)->toPlainText();
}

void setCellText(QWidget* cell, const QString& text) {
    if (auto* resume = qobject_cast<FormResumeBox*>(cell)) {
        resume->setResume(text);
    } else if (auto* line = qobject_cast<QLineEdit*>(cell)) {
        line->setText(text);
    } else if (auto* box = qobject_cast<QComboBox*>(cell)) {
        box->setCurrentText(text);
    } else {
        qobject_cast<QPlainTextEdit*>(cell)->setPlainText(text);
    }
}

// A label that reports clicks: the photo box.
class ClickLabel final : public QLabel {
  public:
    std::function<void()> clicked;

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        if (clicked) {
            clicked();
        }
    }
};

}  // namespace

TRmSetForm1::TRmSetForm1(TDataM& dm, int planId, int lineId, bool editable, QWidget* parent)
    : QDialog(parent), dm_(dm) {
    setObjectName(QStringLiteral("RmSetForm1"));
    setWindowTitle(QStringLiteral("任免表编辑"));
    if (const auto plan = appointment::readPlan(dm_.db(), planId); !plan) {
        app::showFailure(plan.failure());
    } else if (*plan) {
        plan_ = **plan;
    }
    if (const auto settings = appointment::readApprovalSettings(dm_.db()); !settings) {
        app::showFailure(settings.failure());
    } else {
        settings_ = *settings;
    }

    lineList_ = new QTableWidget(0, 2, this);
    lineList_->setObjectName(QStringLiteral("lineList"));
    lineList_->setHorizontalHeaderLabels({QStringLiteral("用户列表"), QStringLiteral("任免结果")});
    lineList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lineList_->setSelectionMode(QAbstractItemView::SingleSelection);
    lineList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lineList_->verticalHeader()->hide();
    lineList_->setMaximumWidth(220);

    const QDate ageDate = plan_.jssj.isValid() ? plan_.jssj : plan_.tbsj;
    lblDates_ = new QLabel(QStringLiteral("制表日期: %1    制表人: %2    计算年龄时间: %3")
                               .arg(plan_.tbsj.toString(QStringLiteral("yyyy-M-d")), plan_.tbr,
                                    ageDate.toString(QStringLiteral("yyyy-M-d"))),
                           this);
    lblDates_->setObjectName(QStringLiteral("lblDates"));

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("pages"));
    buildPages(tabs);
    for (QWidget* cell : std::as_const(cells_)) {
        if (auto* resume = qobject_cast<FormResumeBox*>(cell)) {
            resume->setEditable(editable);
            connect(resume, &FormResumeBox::edited, this,
                    [this] { modified_ = modified_ || !loading_; });
        } else if (auto* line = qobject_cast<QLineEdit*>(cell)) {
            line->setReadOnly(!editable);
            connect(line, &QLineEdit::textEdited, this, [this] { modified_ = !loading_; });
        } else if (auto* box = qobject_cast<QComboBox*>(cell)) {
            box->setEnabled(editable);
            connect(box, &QComboBox::currentTextChanged, this,
                    [this] { modified_ = modified_ || !loading_; });
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(cell)) {
            text->setReadOnly(!editable);
            connect(text, &QPlainTextEdit::textChanged, this,
                    [this] { modified_ = modified_ || !loading_; });
        }
    }
    // Only the family rows that the form prints can be filled.
    for (int k = 1; k <= 7; ++k) {
        for (int j = 1; j <= 5; ++j) {
            cells_.value(QStringLiteral("f_%1_%2").arg(k).arg(j))
                ->setEnabled(k <= settings_.familyRows);
        }
    }

    QPushButton* btnClose = widgets::namedButton("btnClose", QStringLiteral("关 闭"));
    QPushButton* btnExecute = widgets::namedButton("btnExecute", QStringLiteral("执行任免"));
    btnExecute->setEnabled(editable);
    QPushButton* btnWord = widgets::namedButton("btnWord", QStringLiteral("Word输出"));
    QPushButton* btnBatch = widgets::namedButton("btnBatch", QStringLiteral("批量输入"));
    QPushButton* btnSave = widgets::namedButton("btnSave", QStringLiteral("保 存"));
    QPushButton* btnCancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    QPushButton* btnPreview = widgets::namedButton("btnPreview", QStringLiteral("预 览"));
    QPushButton* btnPdf = widgets::namedButton("btnPdf", QStringLiteral("PDF输出"));
    for (QPushButton* button : {btnBatch, btnSave, btnCancel}) {
        button->setEnabled(editable);
    }
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnExecute, &QPushButton::clicked, this, &TRmSetForm1::execute);
    connect(btnBatch, &QPushButton::clicked, this, &TRmSetForm1::batchEntry);
    connect(btnSave, &QPushButton::clicked, this, &TRmSetForm1::saveAndCheck);
    connect(btnCancel, &QPushButton::clicked, this, &TRmSetForm1::cancel);
    connect(btnPreview, &QPushButton::clicked, this, &TRmSetForm1::previewForm);
    connect(btnPdf, &QPushButton::clicked, this, &TRmSetForm1::writePdf);
    connect(btnWord, &QPushButton::clicked, this, &TRmSetForm1::wordOutput);

    auto* right = new QVBoxLayout;
    right->addWidget(lblDates_);
    right->addWidget(tabs, 1);
    right->addLayout(widgets::rightAlignedRow(
        {btnPreview, btnPdf, btnWord, btnBatch, btnExecute, btnSave, btnCancel, btnClose}));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lineList_);
    layout->addLayout(right, 1);

    move(0, 0);
    resize(1080, 900);
    reloadList(lineId);
    connect(lineList_, &QTableWidget::currentCellChanged, this, &TRmSetForm1::lineChosen);
}

// Both pages as printed, with a box over every cell that shows a column of the line.
void TRmSetForm1::buildPages(QTabWidget* tabs) {
    const QSizeF pageSize(150, 232);
    const report::Layout blank = appointment::blankApprovalForm(settings_);
    FormPageView* pages[2] = {new FormPageView(blank, 0, pageSize),
                              new FormPageView(blank, 1, pageSize)};
    for (const appointment::FormBox& box : appointment::approvalFormBoxes()) {
        QWidget* cell = makeBox(box);
        pages[box.page]->place(cell, box.rect);
        if (cell != photoBox_) {
            cells_.insert(box.column, cell);
        }
    }
    const QString captions[2] = {QStringLiteral("第一页"), QStringLiteral("第二页")};
    for (int page = 0; page < 2; ++page) {
        auto* scroll = new QScrollArea;
        scroll->setObjectName(QStringLiteral("page%1").arg(page + 1));
        scroll->setWidget(pages[page]);
        scroll->setAlignment(Qt::AlignHCenter);
        tabs->addTab(scroll, captions[page]);
    }
}

QWidget* TRmSetForm1::makeBox(const appointment::FormBox& box) {
    const QString& column = box.column;
    static const QStringList memos{"xrz",    "nrz",  "nmz",  "jcnote", "khnote",
                                   "rmnote", "cbyj", "spyj", "rmyj"};
    QWidget* cell = nullptr;
    if (column == QLatin1String("photo")) {
        auto* photo = new ClickLabel;
        photo->setObjectName(QStringLiteral("photoBox"));
        photo->setAlignment(Qt::AlignCenter);
        photo->setToolTip(QStringLiteral("单击插入照片"));
        photo->clicked = [this] { insertPhoto(); };
        photoBox_ = photo;
        return photo;
    }
    if (column == QLatin1String("gzjl")) {
        resumeBox_ = new FormResumeBox;
        cell = resumeBox_;
    } else if (column == QLatin1String("mz") || column == QLatin1String("jkzk")) {
        auto* choice = new QComboBox;
        choice->setEditable(true);
        choice->addItems(column == QLatin1String("mz") ? cadre::kEthnicGroups : kHealth);
        cell = choice;
    } else if (memos.contains(column)) {
        cell = new QPlainTextEdit;
    } else {
        auto* line = new QLineEdit;
        line->setFrame(false);
        const bool familyBirth = column.startsWith(QLatin1String("f_")) && column.endsWith(u'3');
        if (familyBirth || appointment::formMonthColumns().contains(column, Qt::CaseInsensitive)) {
            widgets::limitToMonthEntry(line);
        }
        if (familyBirth) {
            line->setToolTip(QStringLiteral("出生年月"));
        }
        if (column == QLatin1String("cbdw")) {
            line->setPlaceholderText(QStringLiteral("单位名称"));
            line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        cell = line;
    }
    if (cell != resumeBox_) {
        cell->setObjectName(columnName(column));
    }
    return cell;
}

void TRmSetForm1::reloadList(int lineId) {
    const Result<QList<appointment::LineListEntry>> lines =
        appointment::lineList(dm_.db(), plan_.id);
    if (!lines) {
        app::showFailure(lines.failure());
        return;
    }
    const QSignalBlocker blocker(lineList_);
    lineList_->setRowCount(static_cast<int>(lines->size()));
    int current = 0;
    for (int r = 0; r < lineList_->rowCount(); ++r) {
        const appointment::LineListEntry& entry = lines->at(r);
        auto* name = new QTableWidgetItem(entry.xm);
        name->setData(Qt::UserRole, entry.lineId);
        lineList_->setItem(r, 0, name);
        lineList_->setItem(r, 1, new QTableWidgetItem(entry.rmjg));
        if (entry.lineId == lineId) {
            current = r;
        }
    }
    if (lineList_->rowCount() > 0) {
        lineList_->setCurrentCell(current, 0);
        showLine(lineList_->item(current, 0)->data(Qt::UserRole).toInt());
    } else {
        showLine(0);
    }
}

void TRmSetForm1::showLine(int lineId) {
    lineId_ = lineId;
    cadreId_ = 0;
    loading_ = true;
    const Result<std::optional<appointment::ApprovalSource>> source =
        lineId != 0 ? appointment::readApprovalSource(dm_.db(), lineId)
                    : Result<std::optional<appointment::ApprovalSource>>(std::nullopt);
    if (!source) {
        app::showFailure(source.failure());
    }
    const bool found = source && source->has_value();
    for (auto it = cells_.cbegin(); it != cells_.cend(); ++it) {
        setCellText(it.value(), found ? (*source)->line.value(it.key()).toString() : QString());
    }
    photoBox_->setPixmap(
        found && !(*source)->photo.isNull()
            ? QPixmap::fromImage((*source)->photo.scaled(photoBox_->size(), Qt::KeepAspectRatio,
                                                         Qt::SmoothTransformation))
            : QPixmap());
    if (found) {
        cadreId_ = (*source)->line.value(QStringLiteral("mccadreid")).toInt();
    }
    loading_ = false;
    modified_ = false;
    rememberShown();
}

void TRmSetForm1::rememberShown() {
    shown_.clear();
    for (auto it = cells_.cbegin(); it != cells_.cend(); ++it) {
        shown_.insert(it.key(), cellText(it.value()));
    }
}

void TRmSetForm1::lineChosen() {
    if (modified_ && !save()) {
        const QSignalBlocker blocker(lineList_);
        for (int r = 0; r < lineList_->rowCount(); ++r) {
            if (lineList_->item(r, 0)->data(Qt::UserRole).toInt() == lineId_) {
                lineList_->setCurrentCell(r, 0);
            }
        }
        return;
    }
    const int row = lineList_->currentRow();
    showLine(row >= 0 ? lineList_->item(row, 0)->data(Qt::UserRole).toInt() : 0);
}

bool TRmSetForm1::save() {
    if (lineId_ == 0) {
        return true;
    }
    QVariantMap values;
    for (auto it = cells_.cbegin(); it != cells_.cend(); ++it) {
        values.insert(it.key(), cellText(it.value()));
    }
    if (const Result<void> saved = appointment::saveFormLine(dm_.db(), lineId_, values, plan_.tbsj);
        !saved) {
        app::showFailure(saved.failure());
        return false;
    }
    modified_ = false;
    rememberShown();
    const int row = lineList_->currentRow();
    if (row >= 0) {
        lineList_->item(row, 0)->setText(values.value(QStringLiteral("xm")).toString());
    }
    return true;
}

void TRmSetForm1::saveAndCheck() {
    QStringList edited;
    for (auto it = cells_.cbegin(); it != cells_.cend(); ++it) {
        if (cellText(it.value()) != shown_.value(it.key())) {
            edited << it.key();
        }
    }
    if (!save() || edited.isEmpty()) {
        return;
    }
    const Result<appointment::EditedLineCheck> check =
        appointment::checkEditedLine(dm_.db(), lineId_, edited);
    if (!check) {
        // A line whose cadre is gone has nothing to carry back to.
        if (check.failure().message != appointment::kCadreDeleted) {
            app::showFailure(check.failure());
        }
        return;
    }
    if (!check->isEmpty()) {
        TCheckForm form(dm_, *check, this);
        form.exec();
    }
}

void TRmSetForm1::cancel() {
    showLine(lineId_);
}

void TRmSetForm1::execute() {
    if (lineId_ == 0 || !admin::HasRight(dm_, kRight) || (modified_ && !save())) {
        return;
    }
    Result<std::unique_ptr<appointment::PlanExecution>> execution =
        appointment::PlanExecution::start(dm_, lineId_);
    if (!execution) {
        app::showFailure(execution.failure());
        return;
    }
    TDoRmForm wizard(dm_, std::move(*execution), this);
    if (wizard.exec() == QDialog::Accepted) {
        reloadList(lineId_);
    }
}

void TRmSetForm1::batchEntry() {
    TRmPlszForm form(this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    if (modified_ && !save()) {
        return;
    }
    if (const Result<void> done =
            appointment::setCommonOpinions(dm_.db(), plan_.id, form.opinions());
        !done) {
        app::showFailure(done.failure());
    }
    reloadList(lineId_);
}

void TRmSetForm1::insertPhoto() {
    if (lineId_ == 0) {
        return;
    }
    const Result<bool> exists = appointment::cadreExists(dm_.db(), cadreId_);
    if (!exists) {
        app::showFailure(exists.failure());
        return;
    }
    if (!*exists) {
        app::showInformation(appointment::kPhotoOfDeletedCadre);
        return;
    }
    const Result<QByteArray> stored = cadre::readPhoto(dm_, cadreId_);
    if (!stored) {
        app::showFailure(stored.failure());
        return;
    }
    TPhotoForm form(*stored, cellText(cells_.value(QStringLiteral("xm"))), this);
    if (form.exec() != QDialog::Accepted || !form.changed()) {
        return;
    }
    if (const Result<void> written = cadre::writePhoto(dm_, cadreId_, form.photo()); !written) {
        app::showFailure(written.failure());
        return;
    }
    const bool pending = modified_;
    QMap<QString, QString> kept;
    for (auto it = cells_.cbegin(); it != cells_.cend(); ++it) {
        kept.insert(it.key(), cellText(it.value()));
    }
    showLine(lineId_);
    loading_ = true;
    for (auto it = kept.cbegin(); it != kept.cend(); ++it) {
        setCellText(cells_.value(it.key()), it.value());
    }
    loading_ = false;
    modified_ = pending;
}

std::optional<appointment::ApprovalSource> TRmSetForm1::currentSource() {
    if (lineId_ == 0 || (modified_ && !save())) {
        return std::nullopt;
    }
    auto source = appointment::readApprovalSource(dm_.db(), lineId_);
    if (!source) {
        app::showFailure(source.failure());
        return std::nullopt;
    }
    return std::move(*source);
}

std::optional<report::Layout> TRmSetForm1::currentLayout() {
    const auto source = currentSource();
    if (!source) {
        return std::nullopt;
    }
    return appointment::approvalFormLayout(*source, settings_);
}

void TRmSetForm1::wordOutput() {
    const auto source = currentSource();
    if (!source) {
        return;
    }
    const Result<QString> templatePath = app::wordTemplate(appointment::kApprovalTemplate);
    if (!templatePath) {
        app::showInformation(templatePath.errorText());
        return;
    }
    const Result<QString> written = appointment::writeApprovalDocument(
        *source, settings_, *templatePath, app::appDir() + QStringLiteral("TEMP"),
        QDate::currentDate());
    if (!written) {
        app::showError(written.errorText());
        return;
    }
    if (!widgets::openDocument(*written)) {
        app::showInformation(QStringLiteral("文档已保存为：") + *written);
    }
}

void TRmSetForm1::previewForm() {
    if (const auto layout = currentLayout()) {
        widgets::previewLayout(*layout, appointment::kApprovalFormTitle, this);
    }
}

void TRmSetForm1::writePdf() {
    const auto layout = currentLayout();
    if (!layout) {
        return;
    }
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("PDF输出"),
        cellText(cells_.value(QStringLiteral("xm"))) + QStringLiteral(".pdf"),
        QStringLiteral("PDF文件 (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (const Result<void> written = report::writePdf(*layout, path, windowTitle()); !written) {
        app::showFailure(written.failure());
        return;
    }
    app::showInformation(widgets::kPdfSaved);
}

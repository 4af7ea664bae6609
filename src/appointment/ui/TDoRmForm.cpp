#include "appointment/ui/TDoRmForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "appointment/PlanLines.h"
#include "cadre/Posts.h"
#include "cadre/ui/TRzForm.h"
#include "widgets/DialogParts.h"
#include "widgets/MonthEntryBox.h"

namespace {

constexpr int kIdRole = Qt::UserRole;

QLabel* title(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 2);
    label->setFont(font);
    return label;
}

QTableWidget* grid(const char* objectName, const QStringList& headers, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(QString::fromLatin1(objectName));
    table->setHorizontalHeaderLabels(headers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QTableWidgetItem* tickItem(int id) {
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setCheckState(Qt::Unchecked);
    item->setData(kIdRole, id);
    return item;
}

QPlainTextEdit* readOnlyText(const QString& text, const char* objectName, QWidget* parent) {
    auto* box = new QPlainTextEdit(text, parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setReadOnly(true);
    box->setMaximumHeight(60);
    return box;
}

}  // namespace

TDoRmForm::TDoRmForm(TDataM& dm, std::unique_ptr<appointment::PlanExecution> execution,
                     QWidget* parent)
    : QDialog(parent), dm_(dm), execution_(std::move(execution)) {
    setObjectName(QStringLiteral("DoRmForm"));
    setWindowTitle(QStringLiteral("任免执行向导"));
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("pages"));
    for (QWidget* page : {buildWelcome(), buildResult(), buildRemoval(), buildAppointment(),
                          buildCurrentPosts(), buildResume(), buildDifferences(), buildEnd()}) {
        pages_->addWidget(page);
    }
    btnBack = widgets::namedButton("btnBack", QStringLiteral("<< 上一步"));
    btnNext = widgets::namedButton("btnNext", QStringLiteral("下一步 >>"));
    btnCancel = widgets::namedButton("btnCancel", QStringLiteral("取消"));
    connect(btnBack, &QPushButton::clicked, this, &TDoRmForm::back);
    connect(btnNext, &QPushButton::clicked, this, &TDoRmForm::next);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(widgets::rightAlignedRow({btnBack, btnNext, btnCancel}));
    resize(640, 460);
    showPage(WelcomePage);
}

TDoRmForm::~TDoRmForm() = default;

QWidget* TDoRmForm::buildWelcome() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(title(QStringLiteral("欢迎使用干部任免向导"), page));
    for (const QString& text :
         {QStringLiteral(
              "本向导将根据“干部任免表”的审批结果，提示用户完成对干部基本信息库的更新："),
          QStringLiteral("1，任免结果及审批意见"), QStringLiteral("2，拟任职务的设置"),
          QStringLiteral("3，拟免职务的设置"), QStringLiteral("4，干部简历更新")}) {
        layout->addWidget(new QLabel(text, page));
    }
    layout->addStretch();
    return page;
}

QWidget* TDoRmForm::buildResult() {
    const appointment::LineAndCadre& source = execution_->source();
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(title(QStringLiteral("设置任免审批结果"), page));
    layout->addWidget(new QLabel(QStringLiteral("任免审批结果："), page));
    cbResult = new QComboBox(page);
    cbResult->setObjectName(QStringLiteral("cbResult"));
    cbResult->addItems(appointment::kResults);
    const QString stored = source.line.value(QStringLiteral("rmjg")).toString();
    cbResult->setCurrentIndex(std::max(0, static_cast<int>(appointment::kResults.indexOf(stored))));
    layout->addWidget(cbResult);
    layout->addWidget(new QLabel(QStringLiteral("审批意见："), page));
    memoOpinion = new QPlainTextEdit(source.line.value(QStringLiteral("spyj")).toString(), page);
    memoOpinion->setObjectName(QStringLiteral("memoOpinion"));
    layout->addWidget(memoOpinion, 1);
    return page;
}

QWidget* TDoRmForm::buildRemoval() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(title(QStringLiteral("设置拟免职务"), page));
    layout->addWidget(new QLabel(QStringLiteral("拟免职务："), page));
    layout->addWidget(readOnlyText(
        execution_->source().line.value(QStringLiteral("nmz")).toString(), "memoNmz", page));
    layout->addWidget(new QLabel(QStringLiteral("选择要免除") + QStringLiteral("的职务。"), page));
    lstRemove = grid("lstRemove",
                     {QStringLiteral("选中"), QStringLiteral("单位"), QStringLiteral("职务名称"),
                      QStringLiteral("任职时间")},
                     page);
    layout->addWidget(lstRemove, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("免职时间："), page));
    edtRemovalMonth = new QLineEdit(page);
    edtRemovalMonth->setObjectName(QStringLiteral("edtRemovalMonth"));
    edtRemovalMonth->setPlaceholderText(QStringLiteral("年.月"));
    widgets::limitToMonthEntry(edtRemovalMonth);
    row->addWidget(edtRemovalMonth);
    row->addStretch();
    layout->addLayout(row);
    return page;
}

QWidget* TDoRmForm::buildAppointment() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(title(QStringLiteral("设置拟任职务"), page));
    layout->addWidget(new QLabel(QStringLiteral("拟任职务："), page));
    layout->addWidget(readOnlyText(
        execution_->source().line.value(QStringLiteral("nrz")).toString(), "memoNrz", page));
    lstPosts = grid("lstPosts", {QStringLiteral("单位"), QStringLiteral("职务名称")}, page);
    layout->addWidget(lstPosts, 1);
    QPushButton* btnAdd = widgets::namedButton("btnAdd", QStringLiteral("增 加"));
    QPushButton* btnDelete = widgets::namedButton("btnDelete", QStringLiteral("删 除"));
    QPushButton* btnModify = widgets::namedButton("btnModify", QStringLiteral("修 改"));
    connect(btnAdd, &QPushButton::clicked, this, &TDoRmForm::addPost);
    connect(btnDelete, &QPushButton::clicked, this, &TDoRmForm::deletePost);
    connect(btnModify, &QPushButton::clicked, this, &TDoRmForm::modifyPost);
    layout->addLayout(widgets::rightAlignedRow({btnAdd, btnDelete, btnModify}));
    return page;
}

QWidget* TDoRmForm::buildCurrentPosts() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(title(QStringLiteral("现任职务"), page));
    layout->addWidget(
        new QLabel(QStringLiteral("根据拟任职务生成的新职务描诉（干部基本信息中显示）："), page));
    edtXrz = new QLineEdit(page);
    edtXrz->setObjectName(QStringLiteral("edtXrz"));
    layout->addWidget(edtXrz);
    layout->addWidget(new QLabel(QStringLiteral("任现职时间（干部基本信息中显示）："), page));
    edtRzsj = new QLineEdit(page);
    edtRzsj->setObjectName(QStringLiteral("edtRzsj"));
    widgets::limitToMonthEntry(edtRzsj);
    layout->addWidget(edtRzsj);
    layout->addStretch();
    return page;
}

QWidget* TDoRmForm::buildResume() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(title(QStringLiteral("修改干部简历"), page));
    lblResumeNote = new QLabel(execution_->lineResumeNewer()
                                   ? QStringLiteral("（任免表中简历较新，默认采用任免表中的简历）")
                                   : QStringLiteral("（请根据干部信息库中的简历修改）"),
                               page);
    lblResumeNote->setObjectName(QStringLiteral("lblResumeNote"));
    layout->addWidget(lblResumeNote);
    memoResume = new QPlainTextEdit(execution_->presetResume(), page);
    memoResume->setObjectName(QStringLiteral("memoResume"));
    memoResume->setLineWrapMode(QPlainTextEdit::NoWrap);
    resumeShown_ = memoResume->toPlainText();
    layout->addWidget(memoResume, 1);
    return page;
}

QWidget* TDoRmForm::buildDifferences() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(
        title(QStringLiteral("以下信息和干部基本库信息不同，是否修改基本信息库"), page));
    lstDifferences = grid("lstDifferences",
                          {QStringLiteral("选中修改"), QStringLiteral("字段"),
                           QStringLiteral("信息库中原值"), QStringLiteral("任免审批表中的值")},
                          page);
    layout->addWidget(lstDifferences, 1);
    return page;
}

QWidget* TDoRmForm::buildEnd() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(title(QStringLiteral("向导结束！"), page));
    layout->addWidget(new QLabel(QStringLiteral("本向导只提示管理员完成任免后的常见调整，"), page));
    layout->addWidget(new QLabel(
        QStringLiteral("如果有其他信息因本次任免需要调整，建议修改“干部基本信息库”。"), page));
    layout->addStretch();
    return page;
}

int TDoRmForm::currentPage() const {
    return pages_->currentIndex();
}

void TDoRmForm::showPage(int page) {
    enterPage(page);
    pages_->setCurrentIndex(page);
    btnBack->setEnabled(!history_.isEmpty());
    btnNext->setText(page == EndPage ? QStringLiteral("结束") : QStringLiteral("下一步 >>"));
}

void TDoRmForm::enterPage(int page) {
    if (page == RemovalPage || page == AppointmentPage) {
        fillPostLists();
    } else if (page == CurrentPostsPage) {
        presetCurrentPostTexts();
    } else if (page == DifferencesPage) {
        fillDifferences();
    }
}

void TDoRmForm::presetCurrentPostTexts() {
    const Result<cadre::CadreValues> cadre = execution_->cadreNow();
    if (!cadre) {
        app::showFailure(cadre.failure());
        return;
    }
    // The texts follow the posts as they stand now until the user types into them.
    const QVariantMap& line = execution_->source().line;
    if (!edtXrz->isModified()) {
        edtXrz->setText(appointment::presetCurrentPosts(
            appointment::recordValue(*cadre, QStringLiteral("xrz")).toString(),
            line.value(QStringLiteral("nrz")).toString(),
            line.value(QStringLiteral("xrz")).toString()));
    }
    if (!edtRzsj->isModified()) {
        edtRzsj->setText(
            appointment::recordValue(*cadre, QStringLiteral("allRzsjList")).toString());
    }
}

void TDoRmForm::fillDifferences() {
    const Result<cadre::CadreValues> cadre = execution_->cadreNow();
    if (!cadre) {
        app::showFailure(cadre.failure());
        return;
    }
    QStringList ticked;
    for (int r = 0; r < lstDifferences->rowCount(); ++r) {
        if (lstDifferences->item(r, 0)->checkState() == Qt::Checked) {
            ticked << differences_[r].column;
        }
    }
    differences_ = appointment::personalDifferences(execution_->source().line, *cadre);
    lstDifferences->setRowCount(static_cast<int>(differences_.size()));
    for (int r = 0; r < differences_.size(); ++r) {
        const appointment::FieldDifference& field = differences_[r];
        QTableWidgetItem* tick = tickItem(r);
        if (ticked.contains(field.column)) {
            tick->setCheckState(Qt::Checked);
        }
        lstDifferences->setItem(r, 0, tick);
        lstDifferences->setItem(r, 1, new QTableWidgetItem(field.caption));
        lstDifferences->setItem(r, 2, new QTableWidgetItem(field.cadreValue));
        lstDifferences->setItem(r, 3, new QTableWidgetItem(field.lineValue));
    }
}

bool TDoRmForm::leavePage(int page) {
    if (page == ResultPage) {
        const Result<void> recorded =
            execution_->recordDecision(cbResult->currentText(), memoOpinion->toPlainText());
        if (!recorded) {
            app::showFailure(recorded.failure());
            return false;
        }
    } else if (page == RemovalPage) {
        QList<int> ticked;
        for (int r = 0; r < lstRemove->rowCount(); ++r) {
            if (lstRemove->item(r, 0)->checkState() == Qt::Checked) {
                ticked << lstRemove->item(r, 0)->data(kIdRole).toInt();
            }
        }
        const Result<void> ended = execution_->endPosts(ticked, edtRemovalMonth->text());
        if (!ended) {
            app::showFailure(ended.failure());
            edtRemovalMonth->setFocus();
            return false;
        }
    }
    return true;
}

void TDoRmForm::next() {
    if (!execution_) {
        return;
    }
    const int page = currentPage();
    if (page == EndPage) {
        finish();
        return;
    }
    if (!leavePage(page)) {
        return;
    }
    int target = page + 1;
    if (page == ResultPage && cbResult->currentText() == appointment::kResults[1]) {
        target = DifferencesPage;
    }
    history_.append(page);
    showPage(target);
}

void TDoRmForm::done(int result) {
    if (result != QDialog::Accepted) {
        execution_.reset();
    }
    QDialog::done(result);
}

void TDoRmForm::back() {
    if (!execution_ || history_.isEmpty()) {
        return;
    }
    showPage(history_.takeLast());
}

void TDoRmForm::fillPostLists() {
    const Result<std::vector<appointment::ListedPost>> posts = execution_->currentPosts();
    if (!posts) {
        app::showFailure(posts.failure());
        return;
    }
    const int count = static_cast<int>(posts->size());
    lstRemove->setRowCount(count);
    lstPosts->setRowCount(count);
    for (int r = 0; r < count; ++r) {
        const appointment::ListedPost& post = (*posts)[static_cast<size_t>(r)];
        lstRemove->setItem(r, 0, tickItem(post.zwId));
        lstRemove->setItem(r, 1, new QTableWidgetItem(post.unit));
        lstRemove->setItem(r, 2, new QTableWidgetItem(post.post));
        lstRemove->setItem(r, 3, new QTableWidgetItem(post.appointed));
        auto* unit = new QTableWidgetItem(post.unit);
        unit->setData(kIdRole, post.zwId);
        lstPosts->setItem(r, 0, unit);
        lstPosts->setItem(r, 1, new QTableWidgetItem(post.post));
    }
}

int TDoRmForm::selectedPost() const {
    const int row = lstPosts->currentRow();
    return row >= 0 && lstPosts->item(row, 0) != nullptr
               ? lstPosts->item(row, 0)->data(kIdRole).toInt()
               : 0;
}

void TDoRmForm::addPost() {
    TRzForm dialog(dm_, execution_->source().cadreId, this);
    dialog.startNew(true, 0, false);
    dialog.exec();
    fillPostLists();
}

void TDoRmForm::modifyPost() {
    const int zwId = selectedPost();
    if (zwId == 0) {
        app::showInformation(appointment::kSelectPostToModify);
        return;
    }
    TRzForm dialog(dm_, execution_->source().cadreId, this);
    if (dialog.startEdit(zwId)) {
        dialog.exec();
    }
    fillPostLists();
}

void TDoRmForm::deletePost() {
    const int zwId = selectedPost();
    if (zwId == 0) {
        app::showInformation(cadre::kSelectPostToDelete);
        return;
    }
    if (!app::confirmAction(cadre::kDeletePostQuestion)) {
        return;
    }
    if (const Result<void> deleted = execution_->deletePost(zwId); !deleted) {
        app::showFailure(deleted.failure());
    }
    fillPostLists();
}

void TDoRmForm::finish() {
    cadre::CadreValues edits;
    if (history_.contains(CurrentPostsPage)) {
        edits.insert(QStringLiteral("xrz"), edtXrz->text());
        edits.insert(QStringLiteral("allRzsjList"), edtRzsj->text());
    }
    // The resume is written when the page offered the line's resume or was edited.
    if (history_.contains(ResumePage) &&
        (execution_->lineResumeNewer() || memoResume->toPlainText() != resumeShown_)) {
        edits.insert(QStringLiteral("gzjl"), memoResume->toPlainText());
    }
    for (int r = 0; r < lstDifferences->rowCount(); ++r) {
        if (lstDifferences->item(r, 0)->checkState() == Qt::Checked) {
            edits.insert(differences_[r].column, differences_[r].lineValue);
        }
    }
    if (const Result<void> done = execution_->finish(edits); !done) {
        app::showFailure(done.failure());
        return;
    }
    accept();
}

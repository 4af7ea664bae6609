#include "exchange/ui/TToRevForm.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "exchange/AccessImport.h"
#include "exchange/ui/WizardParts.h"
#include "units/ui/UnitPickerEdit.h"
#include "widgets/DialogParts.h"

using exchange_ui::namedCheck;
using exchange_ui::pageCaption;

namespace {

enum Page { FilePage, ReviewPage, ContentPage, UnitPage, StartPage };
enum ReviewColumn { PassColumn, StateColumn, NameColumn, SexColumn, BirthColumn };

QLabel* note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

TToRevForm::TToRevForm(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      chooseFile_(exchange::openFileDialog()),
      pages(new QStackedWidget(this)),
      btnPrior(widgets::namedButton("btnPrior", QStringLiteral("< 上一步"))),
      btnNext(widgets::namedButton("btnNext", QStringLiteral("下一步 >"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setObjectName(QStringLiteral("TToRevForm"));
    setWindowTitle(exchange::kReceiveCaption);
    pages->setObjectName(QStringLiteral("pages"));
    pages->addWidget(buildFilePage());
    pages->addWidget(buildReviewPage());
    pages->addWidget(buildContentPage());
    pages->addWidget(buildUnitPage());
    pages->addWidget(buildStartPage());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages, 1);
    layout->addLayout(widgets::rightAlignedRow({btnPrior, btnNext, btnCancel}));
    connect(btnPrior, &QPushButton::clicked, this, [this] { showPage(pages->currentIndex() - 1); });
    connect(btnNext, &QPushButton::clicked, this, &TToRevForm::next);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    showPage(FilePage);
    resize(620, 460);
}

QWidget* TToRevForm::buildFilePage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(pageCaption(QStringLiteral("第一步：选择要导入的报送文件"), page));
    edtFile = new QLineEdit(page);
    edtFile->setObjectName(QStringLiteral("edtFile"));
    btnBrowse = widgets::namedButton("btnBrowse", QStringLiteral("浏览"));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("导入文件名："), page));
    row->addWidget(edtFile, 1);
    row->addWidget(btnBrowse);
    layout->addLayout(row);
    layout->addStretch(1);
    connect(btnBrowse, &QPushButton::clicked, this, &TToRevForm::browse);
    return page;
}

QWidget* TToRevForm::buildReviewPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(pageCaption(
        QStringLiteral("第二步：干部信息审核（选中通过，此干部的数据才会接收）"), page));
    lblOrigin = new QLabel(page);
    lblOrigin->setObjectName(QStringLiteral("lblOrigin"));
    layout->addWidget(lblOrigin);
    gridReview = new QTableWidget(0, 5, page);
    gridReview->setObjectName(QStringLiteral("gridReview"));
    gridReview->setHorizontalHeaderLabels({QStringLiteral("通过"), QStringLiteral("状态"),
                                           QStringLiteral("姓 名"), QStringLiteral("性 别"),
                                           QStringLiteral("出生年月")});
    gridReview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridReview->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridReview->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(gridReview, 1);
    btnAllPass = widgets::namedButton("btnAllPass", QStringLiteral("全部通过"));
    btnPassNew = widgets::namedButton("btnPassNew", QStringLiteral("通过(新增)"));
    btnPassChanged = widgets::namedButton("btnPassChanged", QStringLiteral("更新"));
    btnNonePass = widgets::namedButton("btnNonePass", QStringLiteral("全部取消"));
    btnCompare = widgets::namedButton("btnCompare", QStringLiteral("详细对比"));
    // The comparison of a cadre's fields is not offered.
    btnCompare->setEnabled(false);
    auto* row = new QHBoxLayout;
    for (QPushButton* button : {btnAllPass, btnPassNew, btnPassChanged, btnNonePass, btnCompare}) {
        row->addWidget(button);
    }
    row->addStretch(1);
    layout->addLayout(row);
    connect(btnAllPass, &QPushButton::clicked, this,
            [this] { passWhere([](const exchange::PackageCadre&) { return true; }); });
    connect(btnPassNew, &QPushButton::clicked, this,
            [this] { passWhere([](const exchange::PackageCadre& c) { return !c.existing; }); });
    connect(btnPassChanged, &QPushButton::clicked, this,
            [this] { passWhere([](const exchange::PackageCadre& c) { return c.existing; }); });
    connect(btnNonePass, &QPushButton::clicked, this,
            [this] { passWhere([](const exchange::PackageCadre&) { return false; }); });
    return page;
}

QWidget* TToRevForm::buildContentPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(pageCaption(QStringLiteral("第三步：选择导入的信息类"), page));
    chkCadre = namedCheck("chkCadre", QStringLiteral("干部基本信息"), page);
    chkCadre->setEnabled(false);
    chkFamily = namedCheck("chkFamily", QStringLiteral("家庭成员信息"), page);
    chkPhoto = namedCheck("chkPhoto", QStringLiteral("照片"), page);
    // Posts held and the sender's unit memberships are not received: the sender's units are not
    // those of this tree.
    chkPosts = namedCheck("chkPosts", QStringLiteral("组织架构及详细的职务信息"), page);
    chkPosts->setChecked(false);
    chkPosts->setEnabled(false);
    chkTraining = namedCheck("chkTraining", QStringLiteral("干部培训信息"), page);
    chkRewards = namedCheck("chkRewards", QStringLiteral("干部奖惩信息"), page);
    chkAssessments = namedCheck("chkAssessments", QStringLiteral("干部考核信息"), page);
    for (QCheckBox* box :
         {chkCadre, chkFamily, chkPhoto, chkPosts, chkTraining, chkRewards, chkAssessments}) {
        layout->addWidget(box);
    }
    layout->addStretch(1);
    return page;
}

QWidget* TToRevForm::buildUnitPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(pageCaption(QStringLiteral("第四步：选择对应的单位。"), page));
    layout->addWidget(
        note(QStringLiteral("将接收到的干部加入到某个单位中，如果此处不设置对应的单位，"
                            "人员将只加入到干部信息库中。"),
             page));
    edtUnit = new UnitPickerEdit(QStringLiteral("edtUnit"), QStringLiteral("btnNoUnit"), page);
    edtUnit->setDatabase(&dm_.db());
    edtUnit->reload();
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("选择单位："), page));
    row->addWidget(edtUnit, 1);
    layout->addLayout(row);
    layout->addStretch(1);
    return page;
}

QWidget* TToRevForm::buildStartPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(pageCaption(QStringLiteral("第五步：点击“确定”开始导入。"), page));
    layout->addWidget(note(QStringLiteral("如果选择<取消>，干部信息库中的内容将不会变化。"), page));
    layout->addStretch(1);
    return page;
}

void TToRevForm::browse() {
    const QString chosen = chooseFile_(
        this, windowTitle(), QDir::fromNativeSeparators(edtFile->text()), exchange::kPackageFilter);
    if (!chosen.isEmpty()) {
        edtFile->setText(QDir::toNativeSeparators(chosen));
    }
}

bool TToRevForm::readPackage() {
    const QString file = QDir::fromNativeSeparators(edtFile->text().trimmed());
    if (file.isEmpty()) {
        app::showInformation(exchange::kNoPackageChosen);
        return false;
    }
    // Going back and forth keeps the review marks of the file already read.
    if (file == reviewedFile_) {
        return true;
    }
    const Result<QString> package = exchange::packageOfOurFormat(
        file, QDir(dm_.DbDir).filePath(QStringLiteral("Send.db")), scratch_.path());
    if (!package) {
        app::showFailure(package.failure());
        return false;
    }
    Result<exchange::PackageReview> review = exchange::reviewPackage(dm_.db(), *package);
    if (!review) {
        app::showFailure(review.failure());
        return false;
    }
    review_ = std::move(review).value();
    reviewedFile_ = file;
    reviewedPackage_ = *package;
    showReview();
    return true;
}

void TToRevForm::showReview() {
    const exchange::PackageOrigin& origin = review_.origin;
    lblOrigin->setText(origin.sender.isEmpty() && !origin.sentOn.isValid()
                           ? QString()
                           : QStringLiteral("报送单位：") + origin.sender +
                                 QStringLiteral("　报送日期：") +
                                 origin.sentOn.toString(QStringLiteral("yyyy-MM-dd")));
    gridReview->setRowCount(static_cast<int>(review_.cadres.size()));
    for (int row = 0; row < review_.cadres.size(); ++row) {
        const exchange::PackageCadre& cadre = review_.cadres[row];
        auto* pass = new QTableWidgetItem;
        pass->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        pass->setCheckState(Qt::Unchecked);
        gridReview->setItem(row, PassColumn, pass);
        gridReview->setItem(
            row, StateColumn,
            new QTableWidgetItem(cadre.existing ? exchange::kExistingCadre : exchange::kNewCadre));
        gridReview->setItem(row, NameColumn, new QTableWidgetItem(cadre.name));
        gridReview->setItem(row, SexColumn, new QTableWidgetItem(cadre.sex));
        gridReview->setItem(row, BirthColumn, new QTableWidgetItem(cadre.birth));
    }
}

void TToRevForm::passWhere(bool (*pass)(const exchange::PackageCadre&)) {
    for (int row = 0; row < review_.cadres.size(); ++row) {
        gridReview->item(row, PassColumn)
            ->setCheckState(pass(review_.cadres[row]) ? Qt::Checked : Qt::Unchecked);
    }
}

void TToRevForm::showPage(int index) {
    if (index < 0 || index >= pages->count()) {
        return;
    }
    pages->setCurrentIndex(index);
    btnPrior->setEnabled(index > FilePage);
    btnNext->setText(index == StartPage ? QStringLiteral("确定") : QStringLiteral("下一步 >"));
}

void TToRevForm::next() {
    switch (pages->currentIndex()) {
        case FilePage:
            if (readPackage()) {
                showPage(ReviewPage);
            }
            return;
        case StartPage:
            finish();
            return;
        default:
            showPage(pages->currentIndex() + 1);
    }
}

void TToRevForm::finish() {
    QList<int> passed;
    for (int row = 0; row < review_.cadres.size(); ++row) {
        if (gridReview->item(row, PassColumn)->checkState() == Qt::Checked) {
            passed << review_.cadres[row].packageId;
        }
    }
    exchange::ReceiveContent content;
    content.family = chkFamily->isChecked();
    content.photo = chkPhoto->isChecked();
    content.training = chkTraining->isChecked();
    content.rewards = chkRewards->isChecked();
    content.assessments = chkAssessments->isChecked();
    const Result<exchange::ReceiveCount> received =
        exchange::receivePackage(dm_, reviewedPackage_, passed, content, edtUnit->unitId());
    if (!received) {
        app::showFailure(received.failure());
        return;
    }
    app::showInformation(exchange::receivedReport(*received));
    accept();
}

#include "exchange/ui/TToSendForm.h"

#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/ui/TQueryForm1.h"
#include "exchange/ReportPackage.h"
#include "exchange/ui/WizardParts.h"
#include "settings/ExportFolder.h"
#include "widgets/DialogParts.h"

using exchange_ui::namedCheck;
using exchange_ui::pageCaption;

TToSendForm::TToSendForm(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      chooseFile_(exchange::saveFileDialog()),
      pages(new QStackedWidget(this)),
      btnPrior(widgets::namedButton("btnPrior", QStringLiteral("< 上一步"))),
      btnNext(widgets::namedButton("btnNext", QStringLiteral("下一步 >"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setObjectName(QStringLiteral("TToSendForm"));
    setWindowTitle(exchange::kSendCaption);
    pages->setObjectName(QStringLiteral("pages"));
    pages->addWidget(buildCadrePage());
    pages->addWidget(buildContentPage());
    pages->addWidget(buildFilePage());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages, 1);
    layout->addLayout(widgets::rightAlignedRow({btnPrior, btnNext, btnCancel}));
    connect(btnPrior, &QPushButton::clicked, this, [this] { showPage(pages->currentIndex() - 1); });
    connect(btnNext, &QPushButton::clicked, this, &TToSendForm::next);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    showCadres();
    showPage(0);
    resize(560, 420);
}

QWidget* TToSendForm::buildCadrePage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(pageCaption(QStringLiteral("第一步：选择导出的干部"), page));
    gridCadres = new QTableWidget(0, 3, page);
    gridCadres->setObjectName(QStringLiteral("gridCadres"));
    gridCadres->setHorizontalHeaderLabels(
        {QStringLiteral("姓 名"), QStringLiteral("性 别"), QStringLiteral("职务级别")});
    gridCadres->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridCadres->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridCadres->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(gridCadres, 1);
    lblCount = new QLabel(page);
    lblCount->setObjectName(QStringLiteral("lblCount"));
    btnAdd = widgets::namedButton("btnAdd", QStringLiteral("加入干部"));
    btnClear = widgets::namedButton("btnClear", QStringLiteral("清空"));
    auto* row = new QHBoxLayout;
    row->addWidget(lblCount, 1);
    row->addWidget(btnAdd);
    row->addWidget(btnClear);
    layout->addLayout(row);
    connect(btnAdd, &QPushButton::clicked, this, &TToSendForm::addCadres);
    connect(btnClear, &QPushButton::clicked, this, &TToSendForm::clearCadres);
    return page;
}

QWidget* TToSendForm::buildContentPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(pageCaption(QStringLiteral("第二步：选择导出信息"), page));
    chkCadre = namedCheck("chkCadre", QStringLiteral("干部基本信息"), page);
    chkCadre->setEnabled(false);
    chkFamily = namedCheck("chkFamily", QStringLiteral("家庭成员信息"), page);
    chkPhoto = namedCheck("chkPhoto", QStringLiteral("照片"), page);
    chkTraining = namedCheck("chkTraining", QStringLiteral("干部培训信息"), page);
    chkRewards = namedCheck("chkRewards", QStringLiteral("干部奖惩信息"), page);
    chkAssessments = namedCheck("chkAssessments", QStringLiteral("干部考核信息"), page);
    chkPosts = namedCheck("chkPosts", QStringLiteral("组织架构及详细的职务信息"), page);
    for (QCheckBox* box :
         {chkCadre, chkFamily, chkPhoto, chkTraining, chkRewards, chkAssessments, chkPosts}) {
        layout->addWidget(box);
    }
    layout->addStretch(1);
    return page;
}

QWidget* TToSendForm::buildFilePage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(pageCaption(QStringLiteral("第三步：导出方式"), page));
    edtFile = new QLineEdit(page);
    edtFile->setObjectName(QStringLiteral("edtFile"));
    edtFile->setReadOnly(true);
    btnBrowse = widgets::namedButton("btnBrowse", QStringLiteral("浏览"));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("导出文件名："), page));
    row->addWidget(edtFile, 1);
    row->addWidget(btnBrowse);
    layout->addLayout(row);
    layout->addStretch(1);
    connect(btnBrowse, &QPushButton::clicked, this, &TToSendForm::browse);
    return page;
}

void TToSendForm::addCadres() {
    TQueryForm1 picker(dm_, 0, this);
    if (picker.exec() != QDialog::Accepted) {
        return;
    }
    QList<int> added;
    for (int id : picker.pickedCadreIds()) {
        const bool listed =
            std::any_of(cadres_.cbegin(), cadres_.cend(),
                        [id](const cadre::PickedCadre& c) { return c.cadreId == id; });
        if (!listed && !added.contains(id)) {
            added << id;
        }
    }
    const Result<QList<cadre::PickedCadre>> lines = exchange::reportLines(dm_.db(), added);
    if (!lines) {
        app::showFailure(lines.failure());
        return;
    }
    cadres_ << *lines;
    showCadres();
}

void TToSendForm::clearCadres() {
    cadres_.clear();
    showCadres();
}

void TToSendForm::showCadres() {
    gridCadres->setRowCount(static_cast<int>(cadres_.size()));
    for (int row = 0; row < cadres_.size(); ++row) {
        const cadre::PickedCadre& line = cadres_[row];
        gridCadres->setItem(row, 0, new QTableWidgetItem(line.name));
        gridCadres->setItem(row, 1, new QTableWidgetItem(line.sex));
        gridCadres->setItem(row, 2, new QTableWidgetItem(line.rank));
    }
    lblCount->setText(QStringLiteral("合计:") + QString::number(cadres_.size()));
}

void TToSendForm::showPage(int index) {
    if (index < 0 || index >= pages->count()) {
        return;
    }
    pages->setCurrentIndex(index);
    btnPrior->setEnabled(index > 0);
    const bool last = index == pages->count() - 1;
    btnNext->setText(last ? QStringLiteral("完成") : QStringLiteral("下一步 >"));
    if (last && edtFile->text().isEmpty()) {
        const Result<QString> proposed =
            exchange::proposedPackagePath(dm_.db(), settings::exportFolder(dm_));
        if (proposed) {
            edtFile->setText(QDir::toNativeSeparators(*proposed));
        } else {
            app::showFailure(proposed.failure());
        }
    }
}

void TToSendForm::next() {
    if (pages->currentIndex() == pages->count() - 1) {
        finish();
        return;
    }
    showPage(pages->currentIndex() + 1);
}

void TToSendForm::browse() {
    const QString chosen = chooseFile_(
        this, windowTitle(), QDir::fromNativeSeparators(edtFile->text()), exchange::kPackageFilter);
    if (chosen.isEmpty()) {
        return;
    }
    QString path = chosen;
    if (!path.endsWith(exchange::kPackageExtension, Qt::CaseInsensitive)) {
        path += exchange::kPackageExtension;
    }
    edtFile->setText(QDir::toNativeSeparators(path));
}

void TToSendForm::finish() {
    QList<int> ids;
    for (const cadre::PickedCadre& line : cadres_) {
        ids << line.cadreId;
    }
    exchange::PackageContent content;
    content.family = chkFamily->isChecked();
    content.photo = chkPhoto->isChecked();
    content.training = chkTraining->isChecked();
    content.rewards = chkRewards->isChecked();
    content.assessments = chkAssessments->isChecked();
    content.posts = chkPosts->isChecked();
    const Result<void> written = exchange::writeReportPackage(
        dm_.db(), QDir(dm_.DbDir).filePath(QStringLiteral("Send.db")),
        QDir::fromNativeSeparators(edtFile->text().trimmed()), ids, content, QDate::currentDate());
    if (!written) {
        app::showFailure(written.failure());
        return;
    }
    app::showInformation(exchange::kSendDone);
    accept();
}

#include "appointment/ui/TLrmForm.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"
#include "appointment/LrmImport.h"
#include "units/ui/UnitPickerEdit.h"
#include "widgets/DialogParts.h"

namespace {

const QString kImportRight = QStringLiteral("IMPORT");
const QString kPlanRight = QStringLiteral("RMW");
const QString kImporting = QStringLiteral("正在导入LRM文件,请等待......");
const QString kChooseCadreTitle = QStringLiteral("选择干部");
const QString kChooseCadre =
    QStringLiteral("有多个名为%1的干部，请选择文件所对应的干部（取消则不导入该文件）：");

// Asks which of `candidates` a file stands for; 0 when the user cancels.
int askForCadre(QWidget* parent, const QList<appointment::LrmCandidate>& candidates) {
    QStringList items;
    for (const appointment::LrmCandidate& candidate : candidates) {
        items << QStringLiteral("%1  出生年月：%2  现任职务：%3")
                     .arg(candidate.name, candidate.birthMonth, candidate.currentPost);
    }
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgChooseCadre"));
    dialog.setWindowTitle(kChooseCadreTitle);
    dialog.setLabelText(kChooseCadre.arg(candidates.value(0).name));
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    if (dialog.exec() != QDialog::Accepted) {
        return 0;
    }
    const qsizetype chosen = items.indexOf(dialog.textValue());
    return chosen < 0 ? 0 : candidates.at(chosen).cadreId;
}

}  // namespace

TLrmForm::TLrmForm(TDataM& dm, int planId, QWidget* parent)
    : QDialog(parent), dm_(dm), planId_(planId) {
    setObjectName(QStringLiteral("TLrmForm"));
    setWindowTitle(QStringLiteral("导入LRM文件"));
    auto* layout = new QVBoxLayout(this);
    setLayout(layout);
    buildTargetArea();
    buildSourceArea();
    buildOverwriteArea();
    memLog = new QPlainTextEdit(this);
    memLog->setObjectName(QStringLiteral("memLog"));
    memLog->setReadOnly(true);
    layout->addWidget(memLog, 1);
    QPushButton* btnImport = widgets::namedButton("btnImport", QStringLiteral("导入"));
    QPushButton* btnExit = widgets::namedButton("btnExit", QStringLiteral("退出"));
    connect(btnImport, &QPushButton::clicked, this, &TLrmForm::importFiles);
    connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(widgets::rightAlignedRow({btnImport, btnExit}));
    resize(560, 520);
}

void TLrmForm::buildTargetArea() {
    auto* group = new QGroupBox(QStringLiteral("将导入对象加入到指定单位"), this);
    auto* row = new QHBoxLayout(group);
    row->addWidget(new QLabel(QStringLiteral("选择单位"), group));
    unitBox_ = new UnitPickerEdit(QStringLiteral("edtUnit"), QStringLiteral("btnNoUnit"), group);
    unitBox_->setDatabase(&dm_.db());
    unitBox_->reload();
    row->addWidget(unitBox_, 1);
    layout()->addWidget(group);
}

void TLrmForm::buildSourceArea() {
    auto* group = new QGroupBox(QStringLiteral("导入方式："), this);
    auto* form = new QFormLayout(group);
    rbBatch = new QRadioButton(
        QStringLiteral("批量导入（尝试导入目录下所有Excel文件，目录下请勿放置其他Excel文件）"),
        group);
    rbBatch->setObjectName(QStringLiteral("rbBatch"));
    rbBatch->setChecked(true);
    rbSingle = new QRadioButton(QStringLiteral("单个文件导入"), group);
    rbSingle->setObjectName(QStringLiteral("rbSingle"));
    const auto pathRow = [this, group](QLineEdit*& box, const char* boxName, const char* buttonName,
                                       void (TLrmForm::*browse)()) {
        box = new QLineEdit(group);
        box->setObjectName(QString::fromLatin1(boxName));
        QPushButton* button = widgets::namedButton(buttonName, QStringLiteral("浏览"));
        connect(button, &QPushButton::clicked, this, browse);
        auto* row = new QHBoxLayout;
        row->addWidget(box, 1);
        row->addWidget(button);
        return row;
    };
    form->addRow(rbBatch);
    form->addRow(QStringLiteral("路径："),
                 pathRow(edtFolder, "edtFolder", "btnFolder", &TLrmForm::browseFolder));
    form->addRow(rbSingle);
    form->addRow(QStringLiteral("文件："),
                 pathRow(edtFile, "edtFile", "btnFile", &TLrmForm::browseFile));
    layout()->addWidget(group);
}

void TLrmForm::buildOverwriteArea() {
    auto* group = new QGroupBox(QStringLiteral("姓名和出生年月重复时，覆盖以下信息："), this);
    auto* row = new QHBoxLayout(group);
    const auto check = [group, row](const char* name, const QString& caption) {
        auto* box = new QCheckBox(caption, group);
        box->setObjectName(QString::fromLatin1(name));
        row->addWidget(box);
        return box;
    };
    chkBasic = check("chkBasic", QStringLiteral("基本信息"));
    chkBasic->setChecked(true);
    chkResume = check("chkResume", QStringLiteral("简历"));
    chkFamily = check("chkFamily", QStringLiteral("家庭成员"));
    chkPhoto = check("chkPhoto", QStringLiteral("照片"));
    chkRecords = check("chkRecords", QStringLiteral("奖惩、考核信息"));
    layout()->addWidget(group);
}

void TLrmForm::browseFolder() {
    const QString folder = QFileDialog::getExistingDirectory(this, QString(), edtFolder->text());
    if (!folder.isEmpty()) {
        edtFolder->setText(QDir::toNativeSeparators(folder));
        rbBatch->setChecked(true);
    }
}

void TLrmForm::browseFile() {
    const QString file = QFileDialog::getOpenFileName(this, QString(), edtFile->text(),
                                                      QStringLiteral("LRM文档 (*.lrm *.lrmx)"));
    if (!file.isEmpty()) {
        edtFile->setText(QDir::toNativeSeparators(file));
        rbSingle->setChecked(true);
    }
}

int TLrmForm::overwriteFlags() const {
    int flags = 0;
    const std::pair<QCheckBox*, int> boxes[] = {{chkBasic, appointment::kLrmBasic},
                                                {chkResume, appointment::kLrmResumeText},
                                                {chkFamily, appointment::kLrmFamily},
                                                {chkPhoto, appointment::kLrmPhoto},
                                                {chkRecords, appointment::kLrmRecords}};
    for (const auto& [box, flag] : boxes) {
        if (box->isChecked()) {
            flags |= flag;
        }
    }
    return flags;
}

void TLrmForm::importFiles() {
    if (!admin::HasRight(dm_, kImportRight) ||
        (planId_ != 0 && !admin::HasRight(dm_, kPlanRight))) {
        return;
    }
    QStringList files;
    QString logFolder;
    if (rbBatch->isChecked()) {
        const QFileInfo folder(edtFolder->text().trimmed());
        if (edtFolder->text().trimmed().isEmpty() || !folder.isDir()) {
            app::showInformation(appointment::kLrmChooseFolder);
            return;
        }
        files = appointment::lrmFilesOfFolder(folder.filePath());
        logFolder = folder.filePath();
    } else {
        const QFileInfo file(edtFile->text().trimmed());
        if (edtFile->text().trimmed().isEmpty() || !file.dir().exists()) {
            app::showInformation(appointment::kLrmChooseFolder);
            return;
        }
        files << file.filePath();
        logFolder = file.path();
    }
    appointment::LrmImportOptions options;
    options.unitId = unitBox_->unitId();
    options.overwrite = overwriteFlags();
    options.keepExisting = planId_ != 0;
    options.chooseCadre = [this](const QList<appointment::LrmCandidate>& candidates) {
        return askForCadre(this, candidates);
    };
    appointment::LrmAfterImport intoPlan;
    if (planId_ != 0) {
        intoPlan = [this](const appointment::LrmRecord& record,
                          const appointment::LrmImported& imported) {
            return appointment::placeInPlan(dm_.db(), planId_, record, imported.cadreId);
        };
    }
    app::ProgressScope wait(kImporting, static_cast<int>(files.size()));
    const Result<appointment::LrmImportReport> report = appointment::importLrmFiles(
        dm_, files, options, logFolder,
        [&wait](int) {
            wait.step();
            return true;
        },
        intoPlan);
    if (!report) {
        app::showFailure(report.failure());
        return;
    }
    imported_ = imported_ || report->count > 0;
    memLog->setPlainText(report->log.join(u'\n'));
    app::showInformation(appointment::lrmImportedText(report->count));
}

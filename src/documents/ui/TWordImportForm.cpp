#include "documents/ui/TWordImportForm.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "admin/Rights.h"
#include "app/AppPaths.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/ui/TJlForm.h"
#include "units/ui/UnitPickerEdit.h"
#include "widgets/DialogParts.h"

namespace {

const QString kSameResume = QStringLiteral("该任免表的简历与库中相同。");
const QString kChooseForm = QStringLiteral("请先在列表中选择一份任免表。");

QTableWidgetItem* readOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

// What a form imported does, followed by the values the incoming checks changed in it.
QString withNotes(const QString& action, const documents::WordFormPlan& plan) {
    return plan.notes.isEmpty()
               ? action
               : action + QStringLiteral("（") + plan.notes.join(QStringLiteral("；")) + u'）';
}

QString actionText(const documents::WordFormPlan& plan) {
    switch (plan.action) {
        case documents::RowAction::Create:
            return withNotes(QStringLiteral("新增"), plan);
        case documents::RowAction::Update:
            return withNotes(QStringLiteral("更新"), plan);
        case documents::RowAction::LeaveOut:
            break;
    }
    return plan.problem;
}

}  // namespace

bool TWordImportForm::run(TDataM& dm, int currentUnitId, QWidget* parent) {
    if (!admin::HasRight(dm, QStringLiteral("IMPORT"))) {
        return false;
    }
    TWordImportForm form(dm, currentUnitId, parent);
    form.exec();
    return form.imported();
}

TWordImportForm::TWordImportForm(TDataM& dm, int currentUnitId, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      grdForms(new QTableWidget(this)),
      chkResume(new QCheckBox(QStringLiteral("用任免表中的简历替换原简历"))),
      chkUnit(new QCheckBox(QStringLiteral("导入后加入单位："))),
      unitPicker(new UnitPickerEdit(QStringLiteral("edtUnit"), QString())),
      chooseFiles_([](QWidget* owner, const QString& caption, const QString& filter) {
          return QFileDialog::getOpenFileNames(owner, caption, QString(), filter);
      }) {
    setObjectName(QStringLiteral("TWordImportForm"));
    setWindowTitle(QStringLiteral("Word格式任免表数据导入"));
    resize(820, 520);
    grdForms->setObjectName(QStringLiteral("grdForms"));
    grdForms->setColumnCount(5);
    grdForms->setHorizontalHeaderLabels({QStringLiteral("文件"), QStringLiteral("姓名"),
                                         QStringLiteral("出生年月"), QStringLiteral("处理"),
                                         QStringLiteral("简历")});
    grdForms->verticalHeader()->hide();
    grdForms->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdForms->setSelectionMode(QAbstractItemView::SingleSelection);
    grdForms->horizontalHeader()->setStretchLastSection(true);
    chkResume->setObjectName(QStringLiteral("chkResume"));
    chkUnit->setObjectName(QStringLiteral("chkUnit"));
    unitPicker->setObjectName(QStringLiteral("unitPicker"));
    unitPicker->setDatabase(&dm_.db());
    unitPicker->reload();
    unitPicker->setUnit(currentUnitId);

    QPushButton* add = widgets::namedButton("btnAddFiles", QStringLiteral("添加文件"));
    QPushButton* compare = widgets::namedButton("btnCompare", QStringLiteral("简历对比"));
    QPushButton* importButton = widgets::namedButton("btnImport", QStringLiteral("导 入"));
    QPushButton* cancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    auto* tools = new QHBoxLayout;
    tools->addWidget(add);
    tools->addWidget(compare);
    tools->addStretch();
    auto* unitRow = new QHBoxLayout;
    unitRow->addWidget(chkUnit);
    unitRow->addWidget(unitPicker, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("选择按干部任免审批表格式填写的Word文件，核对后导入本系统。")));
    layout->addLayout(tools);
    layout->addWidget(grdForms, 1);
    layout->addWidget(chkResume);
    layout->addLayout(unitRow);
    layout->addLayout(widgets::rightAlignedRow({importButton, cancel}));

    connect(add, &QPushButton::clicked, this, &TWordImportForm::addFiles);
    connect(compare, &QPushButton::clicked, this, &TWordImportForm::compareResume);
    connect(grdForms, &QTableWidget::cellDoubleClicked, this, &TWordImportForm::compareResume);
    connect(importButton, &QPushButton::clicked, this, &TWordImportForm::importForms);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TWordImportForm::addFiles() {
    const QStringList paths = chooseFiles_(this, QStringLiteral("选择任免表文件"),
                                           QStringLiteral("Word文档 (*.docx *.doc)"));
    QStringList listed = paths_;
    for (const QString& path : paths) {
        if (!listed.contains(path)) {
            listed.append(path);
        }
    }
    if (listed == paths_) {
        return;
    }
    // The whole list is read again, so that forms of one cadre in several files are found.
    const Result<QList<documents::WordFormPlan>> read = documents::planWordImport(
        dm_.db(), listed, QDir(app::appDir()).filePath(QStringLiteral("TEMP")));
    if (!read) {
        app::showFailure(read.failure());
        return;
    }
    paths_ = listed;
    plans_ = *read;
    showList();
}

void TWordImportForm::showList() {
    grdForms->setRowCount(static_cast<int>(plans_.size()));
    for (int r = 0; r < plans_.size(); ++r) {
        const documents::WordFormPlan& plan = plans_[r];
        grdForms->setItem(r, 0, readOnlyItem(QFileInfo(plan.form.path).fileName()));
        grdForms->setItem(r, 1,
                          readOnlyItem(plan.form.values.value(QStringLiteral("xm")).toString()));
        grdForms->setItem(
            r, 2, readOnlyItem(plan.form.values.value(QStringLiteral("csnyStr")).toString()));
        grdForms->setItem(r, 3, readOnlyItem(actionText(plan)));
        grdForms->setItem(r, 4,
                          readOnlyItem(plan.resumeDiffers ? QStringLiteral("不同") : QString()));
    }
    grdForms->resizeColumnsToContents();
}

void TWordImportForm::compareResume() {
    const int row = grdForms->currentRow();
    if (row < 0 || row >= plans_.size()) {
        app::showInformation(kChooseForm);
        return;
    }
    const documents::WordFormPlan& plan = plans_[row];
    if (!plan.resumeDiffers) {
        app::showInformation(kSameResume);
        return;
    }
    TJlForm form(plan.storedResume, plan.form.resume, this);
    form.exec();
}

void TWordImportForm::importForms() {
    if (plans_.isEmpty()) {
        app::showInformation(kChooseForm);
        return;
    }
    if (chkUnit->isChecked() && unitPicker->unitId() == 0) {
        app::showInformation(documents::kImportUnitMissing);
        return;
    }
    const Result<documents::ImportOutcome> outcome = documents::importWordForms(
        dm_, plans_, chkResume->isChecked(), chkUnit->isChecked() ? unitPicker->unitId() : 0);
    if (!outcome) {
        app::showFailure(outcome.failure());
        return;
    }
    imported_ = outcome->imported > 0;
    app::showInformation(documents::importReport(*outcome));
    accept();
}

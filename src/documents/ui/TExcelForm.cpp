#include "documents/ui/TExcelForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "documents/ui/TExcelPreviewForm.h"
#include "office/Spreadsheet.h"
#include "units/ui/UnitPickerEdit.h"
#include "widgets/DialogParts.h"

namespace {

constexpr int kColumnLetters = 26;  // "A" .. "Z"

QString columnLetter(int column) {
    return QString(QChar(u'A' + column - 1));
}

QLabel* namedLabel(const char* objectName, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

QSpinBox* rowBox(const char* objectName, int value) {
    auto* box = new QSpinBox;
    box->setObjectName(QString::fromLatin1(objectName));
    box->setRange(1, office::kMaxSheetRows);
    box->setValue(value);
    return box;
}

QComboBox* letterBox(const char* objectName, int chosen) {
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(objectName));
    for (int column = 1; column <= kColumnLetters; ++column) {
        box->addItem(columnLetter(column), column);
    }
    box->setCurrentIndex(chosen - 1);
    return box;
}

}  // namespace

bool TExcelForm::run(TDataM& dm, int currentUnitId, QWidget* parent) {
    if (!admin::HasRight(dm, QStringLiteral("IMPORT"))) {
        return false;
    }
    TExcelForm form(dm, currentUnitId, parent);
    form.exec();
    return form.imported();
}

TExcelForm::TExcelForm(TDataM& dm, int currentUnitId, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      edtFile(new QLineEdit),
      seFirstRow(rowBox("seFirstRow", 2)),
      seLastRow(rowBox("seLastRow", 100)),
      cbColumnFrom(letterBox("cbColumnFrom", 1)),
      cbColumnTo(letterBox("cbColumnTo", kColumnLetters)),
      grdMapping(new QTableWidget(this)),
      chkUnit(new QCheckBox(QStringLiteral("导入后加入单位："))),
      unitPicker(new UnitPickerEdit(QStringLiteral("edtUnit"), QString())),
      chooseFile_([](QWidget* owner, const QString& caption, const QString& filter) {
          return QFileDialog::getOpenFileName(owner, caption, QString(), filter);
      }) {
    setObjectName(QStringLiteral("TExcelForm"));
    setWindowTitle(QStringLiteral("Excel批量导入"));
    edtFile->setObjectName(QStringLiteral("edtFile"));
    edtFile->setReadOnly(true);
    chkUnit->setObjectName(QStringLiteral("chkUnit"));
    unitPicker->setObjectName(QStringLiteral("unitPicker"));
    unitPicker->setDatabase(&dm_.db());
    unitPicker->reload();
    unitPicker->setUnit(currentUnitId);
    buildMapping();

    QPushButton* browseButton = widgets::namedButton("btnBrowse", QStringLiteral("浏览"));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(edtFile, 1);
    fileRow->addWidget(browseButton);
    auto* rowsRow = new QHBoxLayout;
    rowsRow->addWidget(seFirstRow);
    rowsRow->addWidget(new QLabel(QStringLiteral("-->")));
    rowsRow->addWidget(seLastRow);
    rowsRow->addWidget(new QLabel(QStringLiteral("行")));
    rowsRow->addStretch();
    auto* columnsRow = new QHBoxLayout;
    columnsRow->addWidget(new QLabel(QStringLiteral("3，")));
    columnsRow->addWidget(cbColumnFrom);
    columnsRow->addWidget(new QLabel(QStringLiteral("-->")));
    columnsRow->addWidget(cbColumnTo);
    columnsRow->addWidget(new QLabel(QStringLiteral("列")));
    columnsRow->addStretch();
    auto* unitRow = new QHBoxLayout;
    unitRow->addWidget(chkUnit);
    unitRow->addWidget(unitPicker, 1);
    QPushButton* ok = widgets::namedButton("btnOK", QStringLiteral("确 定"));
    QPushButton* cancel = widgets::namedButton("btnCancel", QStringLiteral("取消"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        namedLabel("lblNote", QStringLiteral("您可以将当前记录设备信息的Excel文件导入本系统中。")));
    layout->addWidget(new QLabel(QStringLiteral("1，选择导入文件")));
    layout->addLayout(fileRow);
    layout->addWidget(new QLabel(QStringLiteral("2，导入开始位置（不包含表头、标题栏）")));
    layout->addLayout(rowsRow);
    layout->addLayout(columnsRow);
    layout->addWidget(new QLabel(QStringLiteral("4，设置对应关系（Excel列对应本系统的设备字段）")));
    layout->addWidget(grdMapping, 1);
    layout->addLayout(unitRow);
    layout->addLayout(widgets::rightAlignedRow({ok, cancel}));
    resize(520, 680);

    connect(browseButton, &QPushButton::clicked, this, &TExcelForm::browse);
    connect(cbColumnFrom, &QComboBox::currentIndexChanged, this, &TExcelForm::limitColumns);
    connect(cbColumnTo, &QComboBox::currentIndexChanged, this, &TExcelForm::limitColumns);
    connect(ok, &QPushButton::clicked, this, &TExcelForm::importFile);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TExcelForm::buildMapping() {
    grdMapping->setObjectName(QStringLiteral("grdMapping"));
    grdMapping->setColumnCount(2);
    grdMapping->setHorizontalHeaderLabels(
        {QStringLiteral("属性字段"), QStringLiteral("Excel列位置")});
    grdMapping->setRowCount(documents::kImportFieldCount);
    grdMapping->verticalHeader()->hide();
    grdMapping->horizontalHeader()->setStretchLastSection(true);
    const auto& fields = documents::importFields();
    for (int i = 0; i < documents::kImportFieldCount; ++i) {
        auto* caption =
            new QTableWidgetItem(QString::fromUtf16(fields[static_cast<size_t>(i)].caption));
        caption->setFlags(Qt::ItemIsEnabled);
        grdMapping->setItem(i, 0, caption);
        auto* box = new QComboBox;
        box->setObjectName(QStringLiteral("cbMap%1").arg(i));
        grdMapping->setCellWidget(i, 1, box);
    }
    limitColumns();
}

QComboBox* TExcelForm::mappingBox(int field) const {
    return qobject_cast<QComboBox*>(grdMapping->cellWidget(field, 1));
}

void TExcelForm::limitColumns() {
    const int from = cbColumnFrom->currentData().toInt();
    const int to = cbColumnTo->currentData().toInt();
    for (int i = 0; i < documents::kImportFieldCount; ++i) {
        QComboBox* box = mappingBox(i);
        const int chosen = box->currentData().toInt();
        box->clear();
        box->addItem(QString(), 0);
        for (int column = from; column <= to; ++column) {
            box->addItem(columnLetter(column), column);
        }
        const int index = box->findData(chosen);
        box->setCurrentIndex(index < 0 ? 0 : index);
    }
}

int TExcelForm::mappedColumn(int field) const {
    return mappingBox(field)->currentData().toInt();
}

void TExcelForm::mapColumn(int field, int column) {
    QComboBox* box = mappingBox(field);
    const int index = box->findData(column);
    box->setCurrentIndex(index < 0 ? 0 : index);
}

void TExcelForm::browse() {
    const QString path = chooseFile_(this, QStringLiteral("选择导入文件"),
                                     QStringLiteral("Excel电子表格 (*.xls *.xlsx)"));
    if (!path.isEmpty()) {
        edtFile->setText(path);
    }
}

documents::ExcelImportSettings TExcelForm::settings() const {
    documents::ExcelImportSettings settings;
    settings.firstRow = seFirstRow->value();
    settings.lastRow = seLastRow->value();
    for (int i = 0; i < documents::kImportFieldCount; ++i) {
        settings.columns[static_cast<size_t>(i)] = mappedColumn(i);
    }
    return settings;
}

void TExcelForm::importFile() {
    const documents::ExcelImportSettings chosen = settings();
    Result<QList<documents::ImportRow>> rows =
        documents::readImportFile(dm_.db(), edtFile->text(), chosen);
    if (!rows) {
        app::showFailure(rows.failure());
        return;
    }
    if (chkUnit->isChecked() && unitPicker->unitId() == 0) {
        app::showInformation(documents::kImportUnitMissing);
        return;
    }
    TExcelPreviewForm preview(*rows, chosen.columns, this);
    if (preview.exec() != QDialog::Accepted) {
        return;
    }
    const Result<documents::ImportOutcome> outcome =
        documents::importRows(dm_, *rows, chkUnit->isChecked() ? unitPicker->unitId() : 0);
    if (!outcome) {
        app::showFailure(outcome.failure());
        return;
    }
    imported_ = outcome->imported > 0;
    app::showInformation(documents::importReport(*outcome));
    accept();
}

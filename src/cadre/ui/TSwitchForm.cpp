#include "cadre/ui/TSwitchForm.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/LibraryMove.h"
#include "cadre/ui/TQueryForm1.h"
#include "db/Database.h"
#include "widgets/DialogParts.h"
#include "widgets/MonthEntryBox.h"

namespace {

QComboBox* libraryBox(const char* name) {
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(cadre::cadreLibraries());
    return box;
}

}  // namespace

TSwitchForm::TSwitchForm(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      cbSource(libraryBox("cbSource")),
      cbTarget(libraryBox("cbTarget")),
      edtMonth(new QLineEdit(QDate::currentDate().toString(QStringLiteral("yyyy.MM")))),
      gridCadres(new QTableWidget(0, 4)),
      btnAdd(widgets::namedButton("btnAdd", QStringLiteral("加 入"))),
      btnRemove(widgets::namedButton("btnRemove", QStringLiteral("删 除"))),
      btnClear(widgets::namedButton("btnClear", QStringLiteral("清 空"))),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("确 定"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setObjectName(QStringLiteral("TSwitchForm"));
    setWindowTitle(QStringLiteral("人员调动"));
    cbSource->setCurrentIndex(0);
    cbTarget->setCurrentIndex(-1);
    edtMonth->setObjectName(QStringLiteral("edtMonth"));
    widgets::limitToMonthEntry(edtMonth);
    gridCadres->setObjectName(QStringLiteral("gridCadres"));
    gridCadres->setHorizontalHeaderLabels({QStringLiteral("姓 名"), QStringLiteral("性 别"),
                                           QStringLiteral("出生年月"), QStringLiteral("现任职务")});
    gridCadres->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridCadres->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridCadres->setSelectionMode(QAbstractItemView::SingleSelection);
    gridCadres->verticalHeader()->hide();
    gridCadres->horizontalHeader()->setStretchLastSection(true);

    auto* libraries = new QHBoxLayout;
    libraries->addWidget(cbSource);
    libraries->addWidget(new QLabel(QStringLiteral("-->")));
    libraries->addWidget(cbTarget);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(new QLabel(QStringLiteral("3.选择要移动的干部：")));
    listButtons->addStretch();
    for (QPushButton* button : {btnAdd, btnRemove, btnClear}) {
        listButtons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("1.选择移动方式：")));
    layout->addLayout(libraries);
    layout->addWidget(new QLabel(QStringLiteral("2.设置免职时间：")));
    layout->addWidget(edtMonth);
    layout->addLayout(listButtons);
    layout->addWidget(gridCadres, 1);
    layout->addWidget(new QLabel(QStringLiteral("注意:")));
    layout->addWidget(
        new QLabel(QStringLiteral("从<在职干部库>调出后，干部的所有职务将自动免职。")));
    layout->addLayout(widgets::rightAlignedRow({btnOK, btnCancel}));
    resize(620, 480);

    connect(cbSource, &QComboBox::currentIndexChanged, this, [this] {
        cadreIds_.clear();
        showList();
    });
    connect(btnAdd, &QPushButton::clicked, this, &TSwitchForm::pickCadres);
    connect(btnRemove, &QPushButton::clicked, this, &TSwitchForm::removeSelected);
    connect(btnClear, &QPushButton::clicked, this, [this] {
        cadreIds_.clear();
        showList();
    });
    connect(btnOK, &QPushButton::clicked, this, &TSwitchForm::apply);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TSwitchForm::proposeTarget(int library) {
    cbSource->setCurrentIndex(cadre::kServingLibrary);
    cbTarget->setCurrentIndex(library);
}

void TSwitchForm::addCadres(const QList<int>& cadreIds) {
    for (const int id : cadreIds) {
        if (!cadreIds_.contains(id)) {
            cadreIds_ << id;
        }
    }
    showList();
}

void TSwitchForm::showList() {
    gridCadres->setRowCount(0);
    db::Database& db = dm_.db();
    const auto rows = db.query(cadre::chosenCadresStatement(cadreIds_));
    if (!rows) {
        app::showError(db.lastError());
        return;
    }
    // The list keeps only the cadres still there, in CadreID order as shown.
    cadreIds_.clear();
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        const int row = gridCadres->rowCount();
        gridCadres->insertRow(row);
        cadreIds_ << rows->value(i, QStringLiteral("CadreID")).toInt();
        const char* const columns[] = {"xm", "xb", "csnyStr", "xrz"};
        for (int c = 0; c < 4; ++c) {
            gridCadres->setItem(
                row, c,
                new QTableWidgetItem(rows->value(i, QString::fromLatin1(columns[c])).toString()));
        }
    }
}

void TSwitchForm::pickCadres() {
    TQueryForm1 picker(dm_, cbSource->currentIndex(), this);
    if (picker.exec() == QDialog::Accepted) {
        addCadres(picker.pickedCadreIds());
    }
}

void TSwitchForm::removeSelected() {
    const int row = gridCadres->currentRow();
    if (row < 0 || row >= cadreIds_.size()) {
        return;
    }
    cadreIds_.removeAt(row);
    showList();
}

void TSwitchForm::apply() {
    const Result<void> result = cadre::moveToLibrary(dm_, cadreIds_, cbSource->currentIndex(),
                                                     cbTarget->currentIndex(), edtMonth->text());
    if (!result) {
        app::showFailure(result.failure());
        return;
    }
    Q_EMIT moved();
    accept();
}

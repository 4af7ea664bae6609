#include "cadre/ui/TNdkhForm.h"

#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"
#include "cadre/DayEntry.h"
#include "cadre/ui/TQueryForm1.h"
#include "widgets/DialogParts.h"

namespace {

enum Column { IdColumn, NameColumn, PostColumn, GradeColumn };

}  // namespace

TNdkhForm::TNdkhForm(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      gridCadres(new QTableWidget(0, 4)),
      seYear(new QSpinBox),
      edtKcsj(new QLineEdit),
      edtKczzmc(new QLineEdit),
      edtKcr(new QLineEdit),
      lblRatio(new QLabel),
      btnAddCadres(widgets::namedButton("btnAddCadres", QStringLiteral("加入干部"))),
      btnRemoveCadre(widgets::namedButton("btnRemoveCadre", QStringLiteral("删除干部"))),
      btnClear(widgets::namedButton("btnClear", QStringLiteral("清  空"))),
      btnSetAll(widgets::namedButton("btnSetAll", QStringLiteral("全部设为..."))),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("确 定"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setObjectName(QStringLiteral("TNdkhForm"));
    setWindowTitle(cadre::kAnnualAppraisal);
    gridCadres->setObjectName(QStringLiteral("gridCadres"));
    seYear->setObjectName(QStringLiteral("seYear"));
    edtKcsj->setObjectName(QStringLiteral("edtKcsj"));
    edtKczzmc->setObjectName(QStringLiteral("edtKczzmc"));
    edtKcr->setObjectName(QStringLiteral("edtKcr"));
    lblRatio->setObjectName(QStringLiteral("lblRatio"));
    gridCadres->setHorizontalHeaderLabels({QStringLiteral("ID"), QStringLiteral("姓名"),
                                           QStringLiteral("职务"), QStringLiteral("考核等次")});
    gridCadres->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridCadres->setSelectionMode(QAbstractItemView::SingleSelection);
    gridCadres->verticalHeader()->hide();
    gridCadres->horizontalHeader()->setStretchLastSection(true);
    seYear->setRange(1950, 2100);
    seYear->setValue(QDate::currentDate().year() - 1);
    edtKcsj->setPlaceholderText(QStringLiteral("yyyy-mm-dd"));
    auto* setAllMenu = new QMenu(this);
    for (const QString& grade : cadre::kAppraisalGrades) {
        setAllMenu->addAction(grade, this, [this, grade] { setAll(grade); });
    }
    btnSetAll->setMenu(setAllMenu);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("考察年度："), seYear);
    fields->addRow(QStringLiteral("考察时间："), edtKcsj);
    fields->addRow(QStringLiteral("考察(核)组织："), edtKczzmc);
    fields->addRow(QStringLiteral("考察(核)组成员："), edtKcr);
    auto* side = new QVBoxLayout;
    for (QPushButton* button : {btnAddCadres, btnRemoveCadre, btnClear, btnSetAll}) {
        side->addWidget(button);
    }
    side->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addWidget(gridCadres, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("选择考核干部：")));
    layout->addLayout(body, 1);
    auto* ratio = new QHBoxLayout;
    ratio->addWidget(new QLabel(QStringLiteral("当前比例：")));
    ratio->addWidget(lblRatio, 1);
    layout->addLayout(ratio);
    layout->addLayout(fields);
    layout->addLayout(widgets::rightAlignedRow({btnOK, btnCancel}));
    resize(640, 560);

    connect(btnAddCadres, &QPushButton::clicked, this, &TNdkhForm::pickCadres);
    connect(btnRemoveCadre, &QPushButton::clicked, this, &TNdkhForm::removeCadre);
    connect(btnClear, &QPushButton::clicked, this, [this] {
        gridCadres->setRowCount(0);
        updateRatio();
    });
    connect(btnOK, &QPushButton::clicked, this, &TNdkhForm::confirmClicked);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    updateRatio();
}

void TNdkhForm::pickCadres() {
    TQueryForm1 picker(dm_, 0, this);
    if (picker.exec() == QDialog::Accepted) {
        addCadres(picker.pickedCadreIds());
    }
}

void TNdkhForm::addCadres(const QList<int>& cadreIds) {
    QList<int> fresh;
    for (const int id : cadreIds) {
        bool listed = false;
        for (int row = 0; row < gridCadres->rowCount(); ++row) {
            listed = listed || gridCadres->item(row, IdColumn)->text().toInt() == id;
        }
        if (!listed && !fresh.contains(id)) {
            fresh << id;
        }
    }
    const auto lines = cadre::appraisalLines(dm_.db(), fresh, seYear->value());
    if (!lines) {
        app::showFailure(lines.failure());
        return;
    }
    for (const cadre::AppraisalLine& line : *lines) {
        const int row = gridCadres->rowCount();
        gridCadres->insertRow(row);
        auto* id = new QTableWidgetItem(QString::number(line.cadreId));
        id->setFlags(id->flags() & ~Qt::ItemIsEditable);
        auto* name = new QTableWidgetItem(line.name);
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        gridCadres->setItem(row, IdColumn, id);
        gridCadres->setItem(row, NameColumn, name);
        gridCadres->setItem(row, PostColumn, new QTableWidgetItem(line.post));
        auto* grades = new QComboBox;
        grades->addItem(QString());
        grades->addItems(cadre::kAppraisalGrades);
        connect(grades, &QComboBox::currentTextChanged, this, &TNdkhForm::updateRatio);
        gridCadres->setCellWidget(row, GradeColumn, grades);
        setGrade(row, line.grade);
    }
    updateRatio();
}

void TNdkhForm::removeCadre() {
    if (gridCadres->currentRow() >= 0) {
        gridCadres->removeRow(gridCadres->currentRow());
        updateRatio();
    }
}

void TNdkhForm::setGrade(int row, const QString& grade) {
    auto* box = qobject_cast<QComboBox*>(gridCadres->cellWidget(row, GradeColumn));
    const int index = box->findText(grade);
    if (index < 0) {
        box->addItem(grade);
    }
    box->setCurrentText(grade);
}

QString TNdkhForm::grade(int row) const {
    return qobject_cast<QComboBox*>(gridCadres->cellWidget(row, GradeColumn))->currentText();
}

void TNdkhForm::setAll(const QString& grade) {
    for (int row = 0; row < gridCadres->rowCount(); ++row) {
        setGrade(row, grade);
    }
    updateRatio();
}

void TNdkhForm::updateRatio() {
    const int rows = gridCadres->rowCount();
    int excellent = 0;
    for (int row = 0; row < rows; ++row) {
        excellent += grade(row) == u"优秀" ? 1 : 0;
    }
    const double share = rows == 0 ? 0.0 : 100.0 * excellent / rows;
    lblRatio->setText(QStringLiteral("优秀") + QString::number(share, 'f', 1) +
                      QStringLiteral("％"));
}

void TNdkhForm::confirmClicked() {
    const std::optional<QDate> date = cadre::readDayEntry(edtKcsj->text());
    if (!date) {
        app::showInformation(cadre::kBadDayEntry);
        return;
    }
    cadre::AppraisalBatch batch;
    batch.year = seYear->value();
    batch.date = *date;
    batch.body = edtKczzmc->text();
    batch.team = edtKcr->text();
    for (int row = 0; row < gridCadres->rowCount(); ++row) {
        batch.lines << cadre::AppraisalLine{gridCadres->item(row, IdColumn)->text().toInt(),
                                            gridCadres->item(row, NameColumn)->text(),
                                            gridCadres->item(row, PostColumn)->text(), grade(row)};
    }
    Result<void> saved;
    {
        app::ProgressScope wait(cadre::kSavingAppraisals, static_cast<int>(batch.lines.size()));
        saved = cadre::saveAppraisals(dm_.db(), batch, [&wait](int) { wait.step(); });
    }
    if (!saved) {
        app::showFailure(saved.failure());
        return;
    }
    app::showInformation(cadre::kAppraisalsDone);
    accept();
}

#include "training/ui/TAddToPxForm.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/DayEntry.h"
#include "training/Participants.h"
#include "training/TrainingClasses.h"
#include "training/TrainingLookups.h"
#include "training/ui/ClassDaysEntry.h"
#include "training/ui/TPxForm.h"

namespace {

QLineEdit* namedEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QComboBox* choiceBox(const char* name, const QStringList& items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->addItem(QString());
    box->addItems(items);
    return box;
}

}  // namespace

TAddToPxForm::TAddToPxForm(TDataM& dm, int cadreId, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      cadreId_(cadreId),
      rbClass(new QRadioButton(QStringLiteral("按培训班管理"), this)),
      rbStandalone(new QRadioButton(QStringLiteral("单独的培训记录（无培训班）"), this)),
      cbClass(new QComboBox(this)),
      grpInfo(new QGroupBox(QStringLiteral(" 培训信息 "), this)),
      edtName(namedEdit("edtName", grpInfo)),
      edtStart(namedEdit("edtStart", grpInfo)),
      edtEnd(namedEdit("edtEnd", grpInfo)),
      edtDays(namedEdit("edtDays", grpInfo)),
      cbBody(choiceBox("cbBody", app::valueOrShown(training::bodyNames(dm.db())), grpInfo)),
      cbLevel(choiceBox("cbLevel", training::kLevels, grpInfo)),
      cbCategory(
          choiceBox("cbCategory", app::valueOrShown(training::categoryChoices(dm.db())), grpInfo)),
      cbForm(choiceBox("cbForm", app::valueOrShown(training::formChoices(dm.db())), grpInfo)),
      btnOk(new QPushButton(QStringLiteral("确 定"), this)) {
    setObjectName(QStringLiteral("TAddToPxForm"));
    setWindowTitle(QStringLiteral("添加培训记录"));
    rbClass->setObjectName(QStringLiteral("rbClass"));
    rbStandalone->setObjectName(QStringLiteral("rbStandalone"));
    cbClass->setObjectName(QStringLiteral("cbClass"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    edtDays->setReadOnly(true);
    rbClass->setChecked(true);

    auto* classRow = new QHBoxLayout;
    classRow->addWidget(new QLabel(QStringLiteral("选择培训班："), this));
    classRow->addWidget(cbClass, 1);
    auto* newButton = new QPushButton(QStringLiteral("新 建"), this);
    newButton->setObjectName(QStringLiteral("btnNewClass"));
    classRow->addWidget(newButton);

    auto* dates = new QHBoxLayout;
    dates->addWidget(edtStart);
    dates->addWidget(new QLabel(QStringLiteral("至"), grpInfo));
    dates->addWidget(edtEnd);
    dates->addWidget(new QLabel(QStringLiteral("天数"), grpInfo));
    dates->addWidget(edtDays);
    auto* info = new QFormLayout(grpInfo);
    info->addRow(QStringLiteral("培训班名称："), edtName);
    info->addRow(QStringLiteral("培训时间："), dates);
    info->addRow(QStringLiteral("培训机构："), cbBody);
    info->addRow(QStringLiteral("培训级别"), cbLevel);
    info->addRow(QStringLiteral("培训类别"), cbCategory);
    info->addRow(QStringLiteral("培训方式："), cbForm);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(btnOk, QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取 消"), QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rbClass);
    layout->addLayout(classRow);
    layout->addWidget(rbStandalone);
    layout->addWidget(grpInfo);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &TAddToPxForm::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(newButton, &QPushButton::clicked, this, &TAddToPxForm::newClass);
    connect(rbClass, &QRadioButton::toggled, this, &TAddToPxForm::modeChanged);
    connect(edtStart, &QLineEdit::editingFinished, this,
            [this] { showClassDays(edtStart, edtEnd, edtDays); });
    connect(edtEnd, &QLineEdit::editingFinished, this,
            [this] { showClassDays(edtStart, edtEnd, edtDays); });
    fillClasses(0);
    modeChanged();
}

void TAddToPxForm::fillClasses(int selectId) {
    cbClass->clear();
    cbClass->addItem(QString(), 0);
    for (const training::TrainingClass& c : app::valueOrShown(training::listClasses(dm_.db()))) {
        cbClass->addItem(c.name, c.id);
    }
    cbClass->setCurrentIndex(std::max(0, cbClass->findData(selectId)));
}

void TAddToPxForm::newClass() {
    if (!admin::HasRight(dm_, QStringLiteral("PXW"))) {
        return;
    }
    TPxForm form(dm_, nullptr, this);
    if (form.exec() == QDialog::Accepted) {
        fillClasses(form.classId());
    }
}

void TAddToPxForm::modeChanged() {
    const bool byClass = rbClass->isChecked();
    cbClass->setEnabled(byClass);
    grpInfo->setEnabled(!byClass);
}

void TAddToPxForm::edit(const training::TrainingRecord& record, bool readOnly) {
    record_ = record;
    rbStandalone->setChecked(true);
    rbClass->setEnabled(false);
    edtName->setText(record.name);
    edtStart->setText(cadre::dayText(record.start));
    edtEnd->setText(cadre::dayText(record.end));
    edtDays->setText(record.days > 0 ? QString::number(record.days) : QString());
    cbBody->setCurrentText(record.body);
    cbLevel->setCurrentText(record.level);
    cbCategory->setCurrentText(record.category);
    cbForm->setCurrentText(record.form);
    btnOk->setEnabled(!readOnly);
}

void TAddToPxForm::save() {
    if (rbStandalone->isChecked()) {
        if (saveStandalone()) {
            saved_ = true;
            accept();
        }
        return;
    }
    const int classId = cbClass->currentData().toInt();
    if (classId == 0) {
        app::showInformation(training::kPickClass);
        return;
    }
    if (const Result<void> joined = training::joinClass(dm_.db(), classId, cadreId_); !joined) {
        app::showFailure(joined.failure());
        return;
    }
    saved_ = true;
    accept();
}

bool TAddToPxForm::saveStandalone() {
    const std::optional<QDate> start = cadre::readDayEntry(edtStart->text());
    const std::optional<QDate> end = cadre::readDayEntry(edtEnd->text());
    if (!start || !end) {
        app::showInformation(cadre::kBadDayEntry);
        return false;
    }
    training::TrainingRecord record = record_;
    record.name = edtName->text();
    record.start = *start;
    record.end = *end;
    record.body = cbBody->currentText().trimmed();
    record.level = cbLevel->currentText().trimmed();
    record.category = cbCategory->currentText().trimmed();
    record.form = cbForm->currentText().trimmed();
    const Result<int> id = training::saveStandaloneRecord(dm_.db(), cadreId_, record);
    if (!id) {
        app::showFailure(id.failure());
        return false;
    }
    return true;
}

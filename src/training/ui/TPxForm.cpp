#include "training/ui/TPxForm.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/DayEntry.h"
#include "training/TrainingLookups.h"
#include "training/ui/ClassDaysEntry.h"
#include "training/ui/TPxSetForm.h"

namespace {

QComboBox* editableCombo(const char* name, const QStringList& items, const QString& current,
                         QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->addItems(items);
    box->setCurrentText(current);
    return box;
}

}  // namespace

TPxForm::TPxForm(TDataM& dm, const training::TrainingClass* existing, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      class_(existing != nullptr ? *existing : training::TrainingClass{}),
      edtName(new QLineEdit(class_.name, this)),
      edtStart(new QLineEdit(cadre::dayText(class_.start), this)),
      edtEnd(new QLineEdit(cadre::dayText(class_.end), this)),
      edtDays(new QLineEdit(class_.days > 0 ? QString::number(class_.days) : QString(), this)),
      cbBody(editableCombo("cbBody", app::valueOrShown(training::bodyNames(dm.db())), class_.body,
                           this)),
      cbForm(editableCombo("cbForm", app::valueOrShown(training::formChoices(dm.db())), class_.form,
                           this)),
      cbCategory(editableCombo("cbCategory", app::valueOrShown(training::categoryChoices(dm.db())),
                               class_.category, this)),
      rgLevel(new QButtonGroup(this)),
      memContent(new QPlainTextEdit(class_.content, this)),
      memTrips(new QPlainTextEdit(class_.trips, this)) {
    setObjectName(QStringLiteral("TPxForm"));
    setWindowTitle(QStringLiteral("培训班设置"));
    edtName->setObjectName(QStringLiteral("edtName"));
    edtStart->setObjectName(QStringLiteral("edtStart"));
    edtEnd->setObjectName(QStringLiteral("edtEnd"));
    edtDays->setObjectName(QStringLiteral("edtDays"));
    edtDays->setReadOnly(true);
    memContent->setObjectName(QStringLiteral("memContent"));
    memTrips->setObjectName(QStringLiteral("memTrips"));

    auto* dates = new QHBoxLayout;
    dates->addWidget(edtStart);
    dates->addWidget(new QLabel(QStringLiteral("至"), this));
    dates->addWidget(edtEnd);
    dates->addWidget(new QLabel(QStringLiteral("天数"), this));
    dates->addWidget(edtDays);
    auto* levels = new QHBoxLayout;
    for (int i = 0; i < training::kLevels.size(); ++i) {
        auto* radio = new QRadioButton(training::kLevels[i], this);
        radio->setObjectName(QStringLiteral("rbLevel") + QString::number(i));
        radio->setChecked(training::kLevels[i] == class_.level);
        rgLevel->addButton(radio, i);
        levels->addWidget(radio);
    }
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("培训班名称："), edtName);
    form->addRow(QStringLiteral("培训时间："), dates);
    form->addRow(QStringLiteral("培训机构："), cbBody);
    form->addRow(QStringLiteral("培训方式："), cbForm);
    form->addRow(QStringLiteral("培训类别"), cbCategory);
    form->addRow(QStringLiteral("培训级别"), levels);
    form->addRow(QStringLiteral("培训内容："), memContent);
    form->addRow(QStringLiteral("外出考察"), memTrips);

    auto* buttons = new QDialogButtonBox(this);
    btnOk = buttons->addButton(QStringLiteral("确 定"), QDialogButtonBox::AcceptRole);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    buttons->addButton(QStringLiteral("取 消"), QDialogButtonBox::RejectRole);
    QPushButton* settings =
        buttons->addButton(QStringLiteral("培训设置"), QDialogButtonBox::ActionRole);
    settings->setObjectName(QStringLiteral("btnSettings"));
    connect(settings, &QPushButton::clicked, this, &TPxForm::openSettings);
    connect(buttons, &QDialogButtonBox::accepted, this, &TPxForm::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(edtStart, &QLineEdit::editingFinished, this,
            [this] { showClassDays(edtStart, edtEnd, edtDays); });
    connect(edtEnd, &QLineEdit::editingFinished, this,
            [this] { showClassDays(edtStart, edtEnd, edtDays); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void TPxForm::openSettings() {
    TPxSetForm settings(dm_, this);
    settings.exec();
    // The pick lists follow the tables; what was typed or chosen stays.
    const auto refill = [](QComboBox* box, const QStringList& items) {
        const QString text = box->currentText();
        box->clear();
        box->addItems(items);
        box->setCurrentText(text);
    };
    refill(cbBody, app::valueOrShown(training::bodyNames(dm_.db())));
    refill(cbForm, app::valueOrShown(training::formChoices(dm_.db())));
    refill(cbCategory, app::valueOrShown(training::categoryChoices(dm_.db())));
}

void TPxForm::setReadOnly(bool readOnly) {
    btnOk->setEnabled(!readOnly);
}

void TPxForm::save() {
    const std::optional<QDate> start = cadre::readDayEntry(edtStart->text());
    const std::optional<QDate> end = cadre::readDayEntry(edtEnd->text());
    if (!start || !end) {
        app::showInformation(cadre::kBadDayEntry);
        (start ? edtEnd : edtStart)->setFocus();
        return;
    }
    training::TrainingClass edited = class_;
    edited.name = edtName->text();
    edited.start = *start;
    edited.end = *end;
    edited.body = cbBody->currentText().trimmed();
    edited.form = cbForm->currentText().trimmed();
    edited.category = cbCategory->currentText().trimmed();
    const int level = rgLevel->checkedId();
    edited.level = level >= 0 ? training::kLevels[level] : QString();
    edited.content = memContent->toPlainText();
    edited.trips = memTrips->toPlainText();
    const Result<int> id = training::saveClass(dm_.db(), edited);
    if (!id) {
        app::showFailure(id.failure());
        return;
    }
    class_ = edited;
    class_.id = *id;
    accept();
}

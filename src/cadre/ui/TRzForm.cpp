#include "cadre/ui/TRzForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/PostBatch.h"
#include "cadre/PostEnding.h"
#include "db/Database.h"
#include "units/ui/UnitPickerEdit.h"
#include "widgets/DialogParts.h"
#include "widgets/MonthEntryBox.h"

namespace {

QLineEdit* namedEdit(const char* objectName, int maxLength) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setMaxLength(maxLength);
    return edit;
}

QLineEdit* monthEdit(const char* objectName) {
    QLineEdit* edit = namedEdit(objectName, 10);
    edit->setPlaceholderText(QStringLiteral("年.月"));
    widgets::limitToMonthEntry(edit);
    return edit;
}

QLabel* namedLabel(const char* objectName, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

// A group of the three document fields of an appointment or a removal.
QGroupBox* documentGroup(const char* objectName, const QString& title,
                         std::initializer_list<std::pair<QString, QLineEdit*>> fields) {
    auto* group = new QGroupBox(title);
    group->setObjectName(QString::fromLatin1(objectName));
    auto* layout = new QFormLayout(group);
    for (const auto& [caption, edit] : fields) {
        layout->addRow(caption, edit);
    }
    return group;
}

}  // namespace

TRzForm::TRzForm(TDataM& dm, int cadreId, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      cadreId_(cadreId),
      lblNote1(namedLabel(
          "lblNote1", QStringLiteral("注意：\"新增任职\"指，增加某干部在当前单位的任职记录。"))),
      lblNote2(namedLabel("lblNote2",
                          QStringLiteral("所增加的职务将记录在干部基本信息“任职记录”页中。"))),
      edtCadreName(namedEdit("edtCadreName", 50)),
      stkUnit(new QStackedWidget),
      unitPicker(new UnitPickerEdit(QStringLiteral("edtUnit"), QString())),
      edtUnit(unitPicker->findChild<QLineEdit*>(QStringLiteral("edtUnit"))),
      edtHistoricalUnit(namedEdit("edtHistoricalUnit", 255)),
      chkHistoricalUnit(new QCheckBox(QStringLiteral("直接输入历史任职单位"))),
      cbPostName(new QComboBox),
      lblPostNameHint(
          namedLabel("lblPostNameHint", QStringLiteral("（如果未设置职务编制，直接填写）"))),
      edtAppointed(monthEdit("edtAppointed")),
      edtRemoved(monthEdit("edtRemoved")),
      rbCurrent(new QRadioButton(QStringLiteral("现任职"))),
      rbFormer(new QRadioButton(QStringLiteral("已免职"))),
      grpAppointment(nullptr),
      edtRzwh(namedEdit("edtRzwh", 255)),
      edtRzw(namedEdit("edtRzw", 255)),
      edtRzyy(namedEdit("edtRzyy", 255)),
      grpRemoval(nullptr),
      edtMzwh(namedEdit("edtMzwh", 255)),
      edtMzw(namedEdit("edtMzw", 255)),
      edtMzyy(namedEdit("edtMzyy", 255)),
      chkContinuous(new QCheckBox(QStringLiteral("连续添加"))),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("确 定"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setObjectName(QStringLiteral("TRzForm"));
    setWindowTitle(QStringLiteral("新增任职"));
    edtCadreName->setReadOnly(true);
    stkUnit->setObjectName(QStringLiteral("stkUnit"));
    unitPicker->setObjectName(QStringLiteral("unitPicker"));
    unitPicker->setDatabase(&dm_.db());
    chkHistoricalUnit->setObjectName(QStringLiteral("chkHistoricalUnit"));
    cbPostName->setObjectName(QStringLiteral("cbPostName"));
    cbPostName->setEditable(true);
    cbPostName->setInsertPolicy(QComboBox::NoInsert);
    cbPostName->lineEdit()->setMaxLength(255);
    rbCurrent->setObjectName(QStringLiteral("rbCurrent"));
    rbFormer->setObjectName(QStringLiteral("rbFormer"));
    chkContinuous->setObjectName(QStringLiteral("chkContinuous"));
    grpAppointment = documentGroup("grpAppointment", QStringLiteral(" 任职信息 "),
                                   {{QStringLiteral("任职文号"), edtRzwh},
                                    {QStringLiteral("任 职 文"), edtRzw},
                                    {QStringLiteral("任职原因"), edtRzyy}});
    grpRemoval = documentGroup("grpRemoval", QStringLiteral(" 免职信息 "),
                               {{QStringLiteral("免职文号"), edtMzwh},
                                {QStringLiteral("免 职 文"), edtMzw},
                                {QStringLiteral("免职原因"), edtMzyy}});

    stkUnit->addWidget(unitPicker);
    stkUnit->addWidget(edtHistoricalUnit);
    stkUnit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* unitRow = new QHBoxLayout;
    unitRow->addWidget(stkUnit, 1);
    unitRow->addWidget(chkHistoricalUnit);
    auto* postRow = new QHBoxLayout;
    postRow->addWidget(cbPostName, 1);
    postRow->addWidget(lblPostNameHint);
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(rbCurrent);
    statusRow->addWidget(rbFormer);
    statusRow->addStretch();

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("干部名称"), edtCadreName);
    fields->addRow(QStringLiteral("任职单位"), unitRow);
    fields->addRow(QStringLiteral("职务名称"), postRow);
    fields->addRow(QStringLiteral("任职时间"), edtAppointed);
    fields->addRow(QStringLiteral("免职时间"), edtRemoved);
    fields->addRow(QString(), statusRow);

    auto* groups = new QHBoxLayout;
    groups->addWidget(grpAppointment);
    groups->addWidget(grpRemoval);

    auto* buttons = widgets::rightAlignedRow({btnOK, btnCancel});
    buttons->insertWidget(0, chkContinuous);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblNote1);
    layout->addWidget(lblNote2);
    layout->addLayout(fields);
    layout->addLayout(groups);
    layout->addLayout(buttons);

    const Result<QString> name = dm_.CadreName(cadreId_);
    edtCadreName->setText(name ? *name : QString());

    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TRzForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(chkHistoricalUnit, &QCheckBox::toggled, this, &TRzForm::setHistoricalUnit);
    connect(unitPicker, &UnitPickerEdit::unitChanged, this, &TRzForm::fillPostNames);
}

void TRzForm::startNew(bool current, int fixedUnitId, bool offerContinuous) {
    zwId_ = 0;
    clearPost();
    chkHistoricalUnit->setChecked(false);
    chkHistoricalUnit->setEnabled(fixedUnitId == 0);
    edtHistoricalUnit->clear();
    unitPicker->reload();
    unitPicker->setUnit(fixedUnitId);
    unitPicker->setReadOnly(fixedUnitId != 0);
    fillPostNames();
    (current ? rbCurrent : rbFormer)->setChecked(true);
    chkContinuous->setChecked(false);
    chkContinuous->setVisible(offerContinuous);
    if (fixedUnitId != 0) {
        cbPostName->setFocus();
    } else {
        edtUnit->setFocus();
    }
}

bool TRzForm::startEdit(int zwId) {
    const Result<cadre::PostInput> post = cadre::readPost(dm_.db(), cadreId_, zwId);
    if (!post) {
        app::showFailure(post.failure());
        return false;
    }
    zwId_ = zwId;
    chkContinuous->setChecked(false);
    chkContinuous->hide();
    chkHistoricalUnit->setEnabled(true);
    unitPicker->setReadOnly(false);
    unitPicker->reload();
    unitPicker->setUnit(post->historicalUnit ? 0 : post->unitId);
    edtUnit->setText(post->historicalUnit ? QString() : post->unitText);
    edtHistoricalUnit->setText(post->historicalUnit ? post->unitText : QString());
    chkHistoricalUnit->setChecked(post->historicalUnit);
    fillPostNames();
    cbPostName->setEditText(post->postName);
    edtAppointed->setText(post->appointedMonth);
    edtRemoved->setText(post->removedMonth);
    (post->current ? rbCurrent : rbFormer)->setChecked(true);
    edtRzwh->setText(post->appointmentNumber);
    edtRzw->setText(post->appointmentDocument);
    edtRzyy->setText(post->appointmentReason);
    edtMzwh->setText(post->removalNumber);
    edtMzw->setText(post->removalDocument);
    edtMzyy->setText(post->removalReason);
    cbPostName->setFocus();
    return true;
}

void TRzForm::clearPost() {
    cbPostName->setEditText(QString());
    for (QLineEdit* edit :
         {edtAppointed, edtRemoved, edtRzwh, edtRzw, edtRzyy, edtMzwh, edtMzw, edtMzyy}) {
        edit->clear();
    }
}

void TRzForm::fillPostNames() {
    const QString typed = cbPostName->currentText();
    cbPostName->clear();
    if (!chkHistoricalUnit->isChecked()) {
        cbPostName->addItems(
            app::valueOrShown(cadre::quotaPostNames(dm_.db(), unitPicker->unitId())));
    }
    cbPostName->setEditText(typed);
}

void TRzForm::setHistoricalUnit(bool on) {
    stkUnit->setCurrentWidget(on ? static_cast<QWidget*>(edtHistoricalUnit) : unitPicker);
    fillPostNames();
}

cadre::PostInput TRzForm::input() const {
    cadre::PostInput post;
    post.cadreId = cadreId_;
    post.zwId = zwId_;
    post.historicalUnit = chkHistoricalUnit->isChecked();
    post.unitId = post.historicalUnit ? 0 : unitPicker->unitId();
    post.unitText = post.historicalUnit ? edtHistoricalUnit->text() : edtUnit->text();
    post.postName = cbPostName->currentText();
    post.current = rbCurrent->isChecked();
    post.appointedMonth = edtAppointed->text();
    post.removedMonth = edtRemoved->text();
    post.appointmentNumber = edtRzwh->text();
    post.appointmentDocument = edtRzw->text();
    post.appointmentReason = edtRzyy->text();
    post.removalNumber = edtMzwh->text();
    post.removalDocument = edtMzw->text();
    post.removalReason = edtMzyy->text();
    return post;
}

void TRzForm::btnOKClick() {
    const Result<int> saved = cadre::savePost(dm_, input(), writeRecord_);
    if (!saved) {
        app::showFailure(saved.failure());
        focusFieldOf(saved.failure().message);
        return;
    }
    changed_ = true;
    savedId_ = *saved;
    if (!chkContinuous->isHidden() && chkContinuous->isChecked()) {
        // The next post starts in the same unit and list; only the post's own fields clear.
        zwId_ = 0;
        clearPost();
        cbPostName->setFocus();
        return;
    }
    accept();
}

void TRzForm::focusFieldOf(const QString& message) {
    if (message == cadre::kPostUnitNotSet || message == cadre::kPostUnitNotReal ||
        message == cadre::kSelectPostUnit) {
        (chkHistoricalUnit->isChecked() ? edtHistoricalUnit : edtUnit)->setFocus();
    } else if (message == cadre::kEnterPostName) {
        cbPostName->setFocus();
    } else if (message == cadre::kBadAppointedMonth) {
        edtAppointed->setFocus();
    } else if (message == cadre::kBadRemovalMonth || message == cadre::kRemovalBeforeAppointment) {
        edtRemoved->setFocus();
    }
}

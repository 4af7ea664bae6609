#include "cadre/ui/TJcForm.h"

#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/CodeSets.h"
#include "cadre/DayEntry.h"
#include "cadre/ui/TDmForm.h"
#include "widgets/DialogParts.h"

TJcForm::TJcForm(TDataM& dm, const QList<cadre::CodeItem>& honourLevels, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      lblTitle(new QLabel),
      cbJclb(new QComboBox),
      cbJcmc(new QComboBox),
      edtJcjg(new QLineEdit),
      edtJcsj(new QLineEdit),
      edtJcyy(new QLineEdit),
      btnReason(widgets::namedButton("btnReason", QStringLiteral("常见原因"))),
      lblLevel(new QLabel(QStringLiteral("荣誉称号级别"))),
      cbA14Z207(new QComboBox),
      memJcsm(new QPlainTextEdit),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("保 存"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setObjectName(QStringLiteral("TJcForm"));
    setWindowTitle(QStringLiteral("奖惩信息"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    cbJclb->setObjectName(QStringLiteral("cbJclb"));
    cbJcmc->setObjectName(QStringLiteral("cbJcmc"));
    edtJcjg->setObjectName(QStringLiteral("edtJcjg"));
    edtJcsj->setObjectName(QStringLiteral("edtJcsj"));
    edtJcyy->setObjectName(QStringLiteral("edtJcyy"));
    cbA14Z207->setObjectName(QStringLiteral("cbA14Z207"));
    memJcsm->setObjectName(QStringLiteral("memJcsm"));
    QFont heading = lblTitle->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    heading.setBold(true);
    lblTitle->setFont(heading);
    lblTitle->setAlignment(Qt::AlignCenter);
    cbJclb->setEditable(true);
    cbJcmc->setEditable(true);
    // The levels show their texts and keep their codes, which the record stores.
    cbA14Z207->addItem(QString(), QString());
    for (const cadre::CodeItem& level : honourLevels) {
        cbA14Z207->addItem(level.text, level.code);
    }
    edtJcsj->setPlaceholderText(QStringLiteral("yyyy-mm-dd"));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("类 别")), 0, 0);
    grid->addWidget(cbJclb, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("名 称")), 0, 2);
    grid->addWidget(cbJcmc, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("批准机关")), 1, 0);
    grid->addWidget(edtJcjg, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("批准时间")), 1, 2);
    grid->addWidget(edtJcsj, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("原 因")), 2, 0);
    auto* reason = new QHBoxLayout;
    reason->addWidget(edtJcyy, 1);
    reason->addWidget(btnReason);
    grid->addLayout(reason, 2, 1, 1, 3);
    grid->addWidget(lblLevel, 3, 0);
    grid->addWidget(cbA14Z207, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("备    注")), 4, 0);
    grid->addWidget(memJcsm, 4, 1, 1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addLayout(grid);
    layout->addLayout(widgets::rightAlignedRow({btnOK, btnCancel}));
    resize(560, 360);

    connect(cbJclb, &QComboBox::currentTextChanged, this, &TJcForm::categoryChosen);
    connect(btnReason, &QPushButton::clicked, this, &TJcForm::reasonClicked);
    connect(btnOK, &QPushButton::clicked, this, &TJcForm::saveClicked);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TJcForm::showRecord(const cadre::RewardRecord& record, const QString& cadreName,
                         bool readOnly) {
    record_ = record;
    const bool reward = record.kind == cadre::kRewardKind;
    lblTitle->setText(cadreName.trimmed().isEmpty()
                          ? QStringLiteral("奖惩情况登记表")
                          : cadreName + QStringLiteral(" 同志奖惩情况登记表"));
    {
        const QSignalBlocker blocker(cbJclb);
        cbJclb->clear();
        cbJclb->addItems(reward ? cadre::kRewardCategories : cadre::kPunishmentCategories);
        cbJclb->setCurrentText(record.category);
    }
    categoryChosen();
    cbJcmc->setCurrentText(record.name);
    edtJcjg->setText(record.body);
    edtJcsj->setText(cadre::dayText(record.date));
    edtJcyy->setText(record.reason);
    lblLevel->setVisible(reward);
    cbA14Z207->setVisible(reward);
    cbA14Z207->setCurrentIndex(qMax(0, cbA14Z207->findData(record.honourLevel)));
    memJcsm->setPlainText(record.remark);
    btnOK->setEnabled(!readOnly);
}

void TJcForm::categoryChosen() {
    const QString typed = cbJcmc->currentText();
    cbJcmc->clear();
    const auto names = cadre::rewardNameChoices(dm_.db(), record_.kind, cbJclb->currentText());
    if (names) {
        cbJcmc->addItems(*names);
    } else {
        app::showFailure(names.failure());
    }
    cbJcmc->setCurrentText(typed);
}

void TJcForm::reasonClicked() {
    TDmForm picker(dm_.db(), cadre::kReasonCodes,
                   record_.kind == cadre::kRewardKind ? cadre::kRewardReasonCondition
                                                      : cadre::kPunishmentReasonCondition,
                   this);
    picker.exec();
    if (!picker.chosenText().isEmpty()) {
        edtJcyy->setText(picker.chosenText());
    }
}

void TJcForm::saveClicked() {
    const std::optional<QDate> date = cadre::readDayEntry(edtJcsj->text());
    if (!date) {
        app::showInformation(cadre::kBadDayEntry);
        return;
    }
    cadre::RewardRecord record = record_;
    record.category = cbJclb->currentText();
    record.name = cbJcmc->currentText();
    record.body = edtJcjg->text();
    record.date = *date;
    record.reason = edtJcyy->text();
    record.honourLevel = cbA14Z207->currentData().toString();
    record.remark = memJcsm->toPlainText();
    const Result<int> saved = cadre::saveReward(dm_.db(), record);
    if (!saved) {
        app::showFailure(saved.failure());
        return;
    }
    savedId_ = *saved;
    accept();
}

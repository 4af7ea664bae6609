#include "rosters/ui/THmcForm.h"

#include <QDate>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "widgets/DialogParts.h"

THmcForm::THmcForm(TDataM& dm, const rosters::Roster* roster, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      id_(roster != nullptr ? roster->id : 0),
      cxTextEdit1(new QLineEdit(this)),
      cxSpinEdit1(new QSpinBox(this)),
      rbDynamic(new QRadioButton(QStringLiteral("动态名册"), this)),
      rbStatic(new QRadioButton(QStringLiteral("静态名册"), this)),
      lblModified(new QLabel(this)) {
    setObjectName(QStringLiteral("HmcForm"));
    setWindowTitle(QStringLiteral("名册设置"));
    cxTextEdit1->setObjectName(QStringLiteral("cxTextEdit1"));
    cxSpinEdit1->setObjectName(QStringLiteral("cxSpinEdit1"));
    rbDynamic->setObjectName(QStringLiteral("rbDynamic"));
    rbStatic->setObjectName(QStringLiteral("rbStatic"));
    lblModified->setObjectName(QStringLiteral("lblModified"));
    cxSpinEdit1->setRange(1900, 9999);

    auto* yearRow = new QHBoxLayout;
    yearRow->addWidget(cxSpinEdit1);
    yearRow->addWidget(new QLabel(QStringLiteral("年"), this));
    yearRow->addStretch();
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(rbDynamic);
    kindRow->addWidget(rbStatic);
    kindRow->addStretch();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("名册命名："), cxTextEdit1);
    form->addRow(QStringLiteral("归档时间："), yearRow);
    form->addRow(QStringLiteral("名册类型："), kindRow);
    form->addRow(QStringLiteral("最后修改时间"), lblModified);

    QPushButton* ok = widgets::namedButton("cxButton1", QStringLiteral("确 定"));
    QPushButton* cancel = widgets::namedButton("cxButton2", QStringLiteral("取 消"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(
        new QLabel(QStringLiteral("动态名册中干部信息随基本库变化，适用于对重要"), this));
    layout->addWidget(
        new QLabel(QStringLiteral("干部的动态跟踪；静态名册保存干部的历史状态。"), this));
    layout->addLayout(widgets::rightAlignedRow({ok, cancel}));
    connect(ok, &QPushButton::clicked, this, &THmcForm::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    if (roster == nullptr) {
        cxSpinEdit1->setValue(QDate::currentDate().year());
        rbDynamic->setChecked(true);
        form->setRowVisible(lblModified, false);
        return;
    }
    cxTextEdit1->setText(roster->name);
    cxSpinEdit1->setValue(roster->year);
    (roster->isStatic ? rbStatic : rbDynamic)->setChecked(true);
    rbStatic->setEnabled(false);
    rbDynamic->setEnabled(false);
    lblModified->setText(roster->modified.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    form->setRowVisible(lblModified, roster->modified.isValid());
}

void THmcForm::save() {
    const rosters::RosterHeader header{cxTextEdit1->text(), cxSpinEdit1->value(),
                                       rbStatic->isChecked()};
    if (id_ == 0) {
        const Result<int> made = rosters::createRoster(dm_.db(), header);
        if (!made) {
            app::showFailure(made.failure());
            return;
        }
        id_ = *made;
    } else if (const Result<void> saved = rosters::updateRoster(dm_.db(), id_, header); !saved) {
        app::showFailure(saved.failure());
        return;
    }
    accept();
}

#include "appointment/ui/TCheckForm.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "admin/Rights.h"
#include "app/MessageService.h"
#include "cadre/ui/TJlForm.h"
#include "widgets/DialogParts.h"

TCheckForm::TCheckForm(TDataM& dm, appointment::EditedLineCheck check, QWidget* parent)
    : QDialog(parent), dm_(dm), check_(std::move(check)), newResume_(check_.lineResume) {
    setObjectName(QStringLiteral("CheckForm"));
    setWindowTitle(QStringLiteral("一致性检查"));
    auto* lblNote1 = new QLabel(
        QStringLiteral("您修改了任免表中的以下信息，是否将这些修改保存到基本信息库中？"), this);
    lblNote1->setObjectName(QStringLiteral("lblNote1"));
    auto* lblNote2 = new QLabel(QStringLiteral("选择要保存的项，点击<确定>。"), this);
    lblNote2->setObjectName(QStringLiteral("lblNote2"));

    gridCheck = new QTableWidget(static_cast<int>(check_.fields.size()), 3, this);
    gridCheck->setObjectName(QStringLiteral("gridCheck"));
    gridCheck->setHorizontalHeaderLabels({QStringLiteral("字段名称"),
                                          QStringLiteral("原值（基本信息库）"),
                                          QStringLiteral("新值（任免表中）")});
    gridCheck->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridCheck->verticalHeader()->hide();
    gridCheck->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < check_.fields.size(); ++r) {
        const appointment::FieldDifference& field = check_.fields[r];
        // The first cell carries the "选中" box of its row.
        auto* name = new QTableWidgetItem(field.caption);
        name->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        name->setCheckState(Qt::Checked);
        gridCheck->setItem(r, 0, name);
        gridCheck->setItem(r, 1, new QTableWidgetItem(field.cadreValue));
        gridCheck->setItem(r, 2, new QTableWidgetItem(field.lineValue));
    }

    chkResume = new QCheckBox(QStringLiteral("简历（有变化）"), this);
    chkResume->setObjectName(QStringLiteral("chkResume"));
    chkResume->setEnabled(check_.resumeChanged);
    chkResume->setChecked(check_.resumeChanged);
    auto* lnkResume = new QLabel(QStringLiteral("<a href=\"#\">对比简历</a>"), this);
    lnkResume->setObjectName(QStringLiteral("lnkResume"));
    lnkResume->setEnabled(check_.resumeChanged);
    connect(lnkResume, &QLabel::linkActivated, this, &TCheckForm::compareResumes);
    auto* resumeRow = new QHBoxLayout;
    resumeRow->addWidget(chkResume);
    resumeRow->addWidget(lnkResume);
    resumeRow->addStretch();

    QPushButton* btnAll = widgets::namedButton("btnAll", QStringLiteral("全 选"));
    QPushButton* btnClear = widgets::namedButton("btnClear", QStringLiteral("清 除"));
    QPushButton* btnSave = widgets::namedButton("btnSave", QStringLiteral("保 存"));
    QPushButton* btnClose = widgets::namedButton("btnClose", QStringLiteral("关 闭"));
    connect(btnAll, &QPushButton::clicked, this, [this] { selectAll(true); });
    connect(btnClear, &QPushButton::clicked, this, [this] { selectAll(false); });
    connect(btnSave, &QPushButton::clicked, this, &TCheckForm::save);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblNote1);
    layout->addWidget(lblNote2);
    layout->addWidget(gridCheck, 1);
    layout->addLayout(resumeRow);
    layout->addLayout(widgets::rightAlignedRow({btnAll, btnClear, btnSave, btnClose}));
    resize(620, 400);
}

void TCheckForm::selectAll(bool on) {
    for (int r = 0; r < gridCheck->rowCount(); ++r) {
        gridCheck->item(r, 0)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    if (chkResume->isEnabled()) {
        chkResume->setChecked(on);
    }
}

void TCheckForm::compareResumes() {
    TJlForm form(check_.cadreResume, newResume_, this);
    form.exec();
    newResume_ = form.newResume().replace(u'\n', QStringLiteral("\r\n"));
}

void TCheckForm::save() {
    QList<appointment::FieldDifference> chosen;
    for (int r = 0; r < gridCheck->rowCount(); ++r) {
        if (gridCheck->item(r, 0)->checkState() == Qt::Checked) {
            chosen.append(check_.fields[r]);
        }
    }
    const bool withResume = chkResume->isEnabled() && chkResume->isChecked();
    if (chosen.isEmpty() && !withResume) {
        accept();
        return;
    }
    if (!admin::HasRight(dm_, QStringLiteral("WGB"))) {
        return;
    }
    const Result<void> carried =
        appointment::carryBack(dm_, check_.cadreId, chosen,
                               withResume ? std::optional<QString>(newResume_) : std::nullopt);
    if (!carried) {
        app::showFailure(carried.failure());
        return;
    }
    accept();
}

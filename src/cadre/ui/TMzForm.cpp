#include "cadre/ui/TMzForm.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/PostBatch.h"
#include "cadre/ui/PostCheckList.h"
#include "widgets/DialogParts.h"
#include "widgets/MonthEntryBox.h"

TMzForm::TMzForm(TDataM& dm, int cadreId, int unitId, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      cadreId_(cadreId),
      unitId_(unitId),
      lblCadre(new QLabel),
      lblNote(new QLabel(QStringLiteral("免职后，职务信息保留到干部曾任职务中。"))),
      posts_(new PostCheckList(dm, cadreId, unitId)),
      lblMzsj(new QLabel(QStringLiteral("免职时间："))),
      edtMzsj(new QLineEdit),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("确定"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取消"))) {
    setObjectName(QStringLiteral("TMzForm"));
    const Result<QString> name = dm.CadreName(cadreId);
    lblCadre->setText(QStringLiteral("确认免除干部职务：") + (name ? *name : QString()));
    setWindowTitle(QStringLiteral("免职设置"));
    lblCadre->setObjectName(QStringLiteral("lblCadre"));
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblMzsj->setObjectName(QStringLiteral("lblMzsj"));
    edtMzsj->setObjectName(QStringLiteral("edtMzsj"));
    lblMzsj->setBuddy(edtMzsj);

    const QDate today = QDate::currentDate();
    edtMzsj->setText(QString::number(today.year()) + u'.' + QString::number(today.month()));
    edtMzsj->setMaxLength(10);
    widgets::limitToMonthEntry(edtMzsj);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(lblMzsj);
    dateRow->addWidget(edtMzsj);
    dateRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblCadre);
    layout->addWidget(lblNote);
    layout->addWidget(posts_, 1);
    layout->addLayout(dateRow);
    layout->addLayout(widgets::rightAlignedRow({btnOK, btnCancel}));
    resize(560, 360);

    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TMzForm::removeMarked);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TMzForm::onlyPosts(const QList<int>& zwIds) {
    posts_->restrictTo(zwIds);
}

void TMzForm::removeMarked() {
    const Result<void> removed =
        cadre::removePosts(dm_, cadreId_, unitId_, posts_->markedPostIds(), edtMzsj->text());
    if (!removed) {
        app::showFailure(removed.failure());
        edtMzsj->setFocus();
        return;
    }
    accept();
}

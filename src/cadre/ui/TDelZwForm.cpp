#include "cadre/ui/TDelZwForm.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/PostBatch.h"
#include "cadre/ui/PostCheckList.h"
#include "widgets/DialogParts.h"

TDelZwForm::TDelZwForm(TDataM& dm, int cadreId, int unitId, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      cadreId_(cadreId),
      unitId_(unitId),
      lblNote(
          new QLabel(QStringLiteral("注意：本操作用于直接删除录入错误的职务，不保留曾任职务。"))),
      lblChoose(new QLabel(QStringLiteral("选择要删除的职务："))),
      posts_(new PostCheckList(dm, cadreId, unitId)),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("确定"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取消"))) {
    setObjectName(QStringLiteral("TDelZwForm"));
    setWindowTitle(QStringLiteral("删除职务"));
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblChoose->setObjectName(QStringLiteral("lblChoose"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblNote);
    layout->addWidget(lblChoose);
    layout->addWidget(posts_, 1);
    layout->addLayout(widgets::rightAlignedRow({btnOK, btnCancel}));
    resize(560, 340);

    connect(btnOK, &QPushButton::clicked, this, &TDelZwForm::deleteMarked);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TDelZwForm::deleteMarked() {
    if (!cadre::deletePosts(dm_, cadreId_, unitId_, posts_->markedPostIds())) {
        app::showError(dm_.db().lastError());
        return;
    }
    accept();
}

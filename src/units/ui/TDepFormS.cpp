#include "units/ui/TDepFormS.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "units/ui/UnitEditor.h"
#include "widgets/DialogParts.h"

TDepFormS::TDepFormS(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      editor_(new UnitEditor(dm, QStringLiteral("单位分组"), this)),
      btnOK(new QPushButton(QStringLiteral("确 定"), this)),
      btnCancel(new QPushButton(QStringLiteral("取 消"), this)) {
    setObjectName(QStringLiteral("TDepFormS"));
    setWindowTitle(QStringLiteral("单位信息设置"));
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    // Enter moves between the fields; it never presses a button.
    for (QPushButton* button : {btnOK, btnCancel}) {
        button->setAutoDefault(false);
    }
    auto* buttons = widgets::rightAlignedRow({btnOK, btnCancel});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editor_);
    layout->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, &TDepFormS::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TDepFormS::startAdding(int parentId) {
    savedId_ = 0;
    editor_->startAdding(parentId);
}

bool TDepFormS::startEditing(int id) {
    savedId_ = 0;
    return editor_->startEditing(id);
}

bool TDepFormS::isAdding() const {
    return editor_->isAdding();
}

int TDepFormS::parentId() const {
    return editor_->parentId();
}

void TDepFormS::btnOKClick() {
    if (!editor_->save()) {
        return;
    }
    savedId_ = editor_->unitId();
    accept();
}

void TDepFormS::done(int result) {
    if (result != QDialog::Accepted) {
        editor_->abandon();
    }
    QDialog::done(result);
}

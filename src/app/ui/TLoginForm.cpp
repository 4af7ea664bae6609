#include "app/ui/TLoginForm.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/Login.h"
#include "app/MessageService.h"
#include "widgets/DialogParts.h"

TLoginForm::TLoginForm(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      Label1(new QLabel(this)),
      cxTextEdit1(new QLineEdit(this)),
      cxTextEdit2(new QLineEdit(this)),
      cxButton2(new QPushButton(QStringLiteral("登 录"), this)),
      cxButton1(new QPushButton(QStringLiteral("退 出"), this)) {
    setObjectName(QStringLiteral("TLoginForm"));
    setWindowTitle(QStringLiteral("登录"));
    Label1->setObjectName(QStringLiteral("Label1"));
    cxTextEdit1->setObjectName(QStringLiteral("cxTextEdit1"));
    cxTextEdit2->setObjectName(QStringLiteral("cxTextEdit2"));
    cxButton2->setObjectName(QStringLiteral("cxButton2"));
    cxButton1->setObjectName(QStringLiteral("cxButton1"));
    cxTextEdit2->setEchoMode(QLineEdit::Password);
    Label1->setAlignment(Qt::AlignCenter);
    setMinimumWidth(360);
    QFont title = Label1->font();
    title.setPointSize(title.pointSize() + 4);
    Label1->setFont(title);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("用户名："), cxTextEdit1);
    fields->addRow(QStringLiteral("口  令："), cxTextEdit2);
    auto* buttons = widgets::rightAlignedRow({cxButton2, cxButton1});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    // Enter is handled by the dialog itself (below), never by a default button.
    for (QPushButton* b : {cxButton2, cxButton1}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{cxTextEdit1, cxTextEdit2, cxButton2, cxButton1}) {
        w->installEventFilter(this);
    }
    connect(cxButton2, &QPushButton::clicked, this, &TLoginForm::cxButton2Click);
    connect(cxButton1, &QPushButton::clicked, this, &QDialog::reject);
}

void TLoginForm::showEvent(QShowEvent* event) {
    const Result<QString> name = dm_.OrganisationName();
    Label1->setText(name ? *name : QString());
    QDialog::showEvent(event);
}

// Enter logs in once both the name and the password are typed; before that it moves on to the
// next field.
bool TLoginForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (!cxTextEdit1->text().isEmpty() && !cxTextEdit2->text().isEmpty()) {
                cxButton2Click();
            } else {
                focusNextChild();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TLoginForm::cxButton2Click() {
    switch (app::checkLogin(dm_.loginUsers(), cxTextEdit1->text(), cxTextEdit2->text(),
                            dm_.session())) {
        case app::LoginResult::NoUsers:
            return;
        case app::LoginResult::UnknownUser:
            app::showInformation(QStringLiteral("用户名不存在，请重新输入"));
            cxTextEdit2->clear();
            cxTextEdit1->clear();
            cxTextEdit1->setFocus();
            return;
        case app::LoginResult::WrongPassword:
            app::showInformation(QStringLiteral("口令错误，请重新输入"));
            cxTextEdit2->clear();
            cxTextEdit2->setFocus();
            return;
        case app::LoginResult::NoRight:
            app::showInformation(QStringLiteral("无使用权限!"));
            return;
        case app::LoginResult::Admitted:
            accept();
            return;
    }
}

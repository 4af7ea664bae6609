#include "training/ui/TQueryPxForm.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/MessageService.h"
#include "training/ClassQuery.h"
#include "training/TrainingClasses.h"

namespace {

QLineEdit* namedEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QComboBox* choiceBox(const char* name, const QStringList& items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItem(QString());
    box->addItems(items);
    return box;
}

}  // namespace

TQueryPxForm::TQueryPxForm(QWidget* parent)
    : QDialog(parent),
      edtName(namedEdit("edtName", this)),
      edtFrom(namedEdit("edtFrom", this)),
      edtTo(namedEdit("edtTo", this)),
      cbLevel(choiceBox("cbLevel", training::kLevels, this)),
      cbCategory(choiceBox("cbCategory", training::kCategories, this)),
      edtPeople(namedEdit("edtPeople", this)) {
    setObjectName(QStringLiteral("TQueryPxForm"));
    setWindowTitle(QStringLiteral("查找培训班信息"));
    cbCategory->setEditable(true);
    build();
}

void TQueryPxForm::build() {
    auto* dates = new QHBoxLayout;
    dates->addWidget(edtFrom);
    dates->addWidget(new QLabel(QStringLiteral("至"), this));
    dates->addWidget(edtTo);
    dates->addWidget(new QLabel(QStringLiteral("（培训开始时间）"), this));
    auto* name = new QHBoxLayout;
    name->addWidget(edtName);
    name->addWidget(new QLabel(QStringLiteral("（模糊匹配）"), this));
    auto* people = new QHBoxLayout;
    people->addWidget(edtPeople);
    people->addWidget(new QLabel(QStringLiteral("（如有多人请用“，”区分）"), this));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("培训名称"), name);
    form->addRow(QStringLiteral("培训时间"), dates);
    form->addRow(QStringLiteral("培训种类"), cbLevel);
    form->addRow(QStringLiteral("培训类别"), cbCategory);
    form->addRow(QStringLiteral("参训人员"), people);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("确 定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOk"));
    buttons->addButton(QStringLiteral("取 消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        const Result<QString> where = training::classWhere(
            {edtName->text(), edtFrom->text(), edtTo->text(), cbLevel->currentText(),
             cbCategory->currentText(), edtPeople->text()});
        if (!where) {
            app::showFailure(where.failure());
            return;
        }
        where_ = *where;
        accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("注意：以下查询搜索符合条件的均针对培训班，"), this));
    layout->addWidget(new QLabel(QStringLiteral("如需个人培训信息搜索可使用<综合分析>。"), this));
    layout->addLayout(form);
    layout->addWidget(buttons);
}

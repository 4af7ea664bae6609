#include "search/ui/TSortAdvForm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/MessageService.h"
#include "widgets/DialogParts.h"

TSortAdvForm::TSortAdvForm(QWidget* parent)
    : QDialog(parent),
      rbAll(new QRadioButton(QStringLiteral("全部对象"), this)),
      rbRange(new QRadioButton(QStringLiteral("从"), this)),
      edtFrom(new QLineEdit(this)),
      edtTo(new QLineEdit(this)),
      rbStrokes(new QRadioButton(QStringLiteral("1，对全部对象按姓氏笔画排序"), this)),
      rbCombined(new QRadioButton(QStringLiteral("2，组合排序"), this)),
      cbFirst(new QComboBox(this)),
      cbSecond(new QComboBox(this)) {
    setObjectName(QStringLiteral("TSortAdvForm"));
    setWindowTitle(QStringLiteral("排序规则"));
    rbAll->setObjectName(QStringLiteral("rbAll"));
    rbRange->setObjectName(QStringLiteral("rbRange"));
    edtFrom->setObjectName(QStringLiteral("edtFrom"));
    edtTo->setObjectName(QStringLiteral("edtTo"));
    rbStrokes->setObjectName(QStringLiteral("rbStrokes"));
    rbCombined->setObjectName(QStringLiteral("rbCombined"));
    cbFirst->setObjectName(QStringLiteral("cbFirst"));
    cbSecond->setObjectName(QStringLiteral("cbSecond"));
    for (QLineEdit* box : {edtFrom, edtTo}) {
        box->setValidator(new QIntValidator(1, 9999999, box));
        box->setMaximumWidth(80);
    }
    cbFirst->addItems(search::kFirstElements);
    cbFirst->setCurrentIndex(-1);
    cbSecond->addItems(search::kSecondElements);
    cbSecond->setCurrentIndex(2);
    rbAll->setChecked(true);
    rbStrokes->setChecked(true);

    auto* range = new QGroupBox(QStringLiteral("范围"), this);
    auto* rangeRow = new QHBoxLayout(range);
    rangeRow->addWidget(rbAll);
    rangeRow->addWidget(rbRange);
    rangeRow->addWidget(edtFrom);
    rangeRow->addWidget(new QLabel(QStringLiteral("行 至"), range));
    rangeRow->addWidget(edtTo);
    rangeRow->addWidget(new QLabel(QStringLiteral("行"), range));
    rangeRow->addStretch();
    auto* method = new QGroupBox(QStringLiteral("方法"), this);
    auto* methodRows = new QVBoxLayout(method);
    methodRows->addWidget(rbStrokes);
    methodRows->addWidget(rbCombined);
    auto* elements = new QHBoxLayout;
    elements->addWidget(new QLabel(QStringLiteral("第一要素："), method));
    elements->addWidget(cbFirst);
    elements->addWidget(new QLabel(QStringLiteral("第二要素："), method));
    elements->addWidget(cbSecond);
    methodRows->addLayout(elements);

    QPushButton* ok = widgets::namedButton("btnOK", QStringLiteral("确 定"));
    QPushButton* cancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("注意：选择一种排序方式，并设置排序规则："), this));
    layout->addWidget(range);
    layout->addWidget(method);
    layout->addLayout(widgets::rightAlignedRow({ok, cancel}));
    connect(ok, &QPushButton::clicked, this, &TSortAdvForm::tryAccept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

search::SortRule TSortAdvForm::rule() const {
    search::SortRule rule;
    if (rbRange->isChecked()) {
        rule.fromRow = edtFrom->text().toInt();
        rule.toRow = edtTo->text().toInt();
    }
    rule.strokesOnly = rbStrokes->isChecked();
    rule.first = search::firstElementAt(cbFirst->currentIndex());
    rule.second = search::secondElementAt(cbSecond->currentIndex());
    return rule;
}

void TSortAdvForm::tryAccept() {
    if (rbRange->isChecked()) {
        const int from = edtFrom->text().toInt();
        const int to = edtTo->text().toInt();
        if (from < 1 || to < 1 || from > to) {
            app::showInformation(search::kBadRange);
            return;
        }
    }
    if (rbCombined->isChecked() && cbFirst->currentIndex() < 0) {
        app::showInformation(search::kNoFirstElement);
        return;
    }
    accept();
}

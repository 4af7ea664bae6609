#include "units/ui/TQueryDwForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "db/Database.h"
#include "db/SqlStatement.h"
#include "units/UnitNatures.h"
#include "units/UnitTree.h"
#include "units/ui/UnitTreeWidget.h"
#include "widgets/DialogParts.h"

namespace {

int depthOf(const QTreeWidgetItem* item) {
    int depth = 0;
    for (const QTreeWidgetItem* p = item->parent(); p != nullptr; p = p->parent()) {
        ++depth;
    }
    return depth;
}

}  // namespace

TQueryDwForm::TQueryDwForm(TDataM& dm, const UnitTreeWidget& tree, QWidget* parent)
    : QDialog(parent),
      Label1(new QLabel(QStringLiteral("单位名称（包含）"), this)),
      cxTextEdit1(new QLineEdit(this)),
      Label2(new QLabel(QStringLiteral("单位性质"), this)),
      cxComboBox1(new QComboBox(this)),
      Label3(new QLabel(QStringLiteral("查找范围"), this)),
      cxComboBox2(new QComboBox(this)),
      cxButton1(new QPushButton(QStringLiteral("确 定"), this)),
      cxButton2(new QPushButton(QStringLiteral("取 消"), this)) {
    setObjectName(QStringLiteral("TQueryDwForm"));
    setWindowTitle(QStringLiteral("单位筛选"));
    setModal(true);
    Label1->setObjectName(QStringLiteral("Label1"));
    cxTextEdit1->setObjectName(QStringLiteral("cxTextEdit1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    cxComboBox1->setObjectName(QStringLiteral("cxComboBox1"));
    Label3->setObjectName(QStringLiteral("Label3"));
    cxComboBox2->setObjectName(QStringLiteral("cxComboBox2"));
    cxButton1->setObjectName(QStringLiteral("cxButton1"));
    cxButton2->setObjectName(QStringLiteral("cxButton2"));
    Label1->setBuddy(cxTextEdit1);
    Label2->setBuddy(cxComboBox1);
    Label3->setBuddy(cxComboBox2);

    // The natures in the order they were stored; an empty first entry means "any".
    cxComboBox1->addItem(QString());
    if (const Result<QStringList> natures = units::natureNames(dm.db())) {
        for (const QString& nature : *natures) {
            if (!nature.isEmpty()) {
                cxComboBox1->addItem(nature);
            }
        }
    }

    // The scope: every unit of the tree, indented by depth, carrying its index; empty = all.
    cxComboBox2->addItem(QString(), QString());
    for (const QTreeWidgetItem* item : tree.itemsInDisplayOrder()) {
        cxComboBox2->addItem(QString(depthOf(item) * 2, u' ') + item->text(0),
                             item->data(0, UnitTreeWidget::IndexRole).toString());
    }
    cxComboBox2->setMaxVisibleItems(20);

    auto* fields = new QFormLayout;
    fields->addRow(Label1, cxTextEdit1);
    fields->addRow(Label2, cxComboBox1);
    fields->addRow(Label3, cxComboBox2);
    auto* buttons = widgets::rightAlignedRow({cxButton1, cxButton2});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    cxButton1->setDefault(true);
    connect(cxButton1, &QPushButton::clicked, this, &QDialog::accept);
    connect(cxButton2, &QPushButton::clicked, this, &QDialog::reject);
}

QString TQueryDwForm::scopeIndex() const {
    return cxComboBox2->currentData().toString();
}

QString TQueryDwForm::whereClause() const {
    return units::unitFilterClause(cxTextEdit1->text().trimmed(), scopeIndex(),
                                   cxComboBox1->currentText());
}

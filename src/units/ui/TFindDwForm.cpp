#include "units/ui/TFindDwForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "units/UnitTree.h"
#include "units/ui/UnitTreeWidget.h"
#include "widgets/DialogParts.h"

TFindDwForm::TFindDwForm(TDataM& dm, UnitTreeWidget& tree, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      tree_(tree),
      Label1(new QLabel(QStringLiteral("输入名称或拼音首字母查找："), this)),
      cxTextEdit1(new QLineEdit(this)),
      cxButton1(new QPushButton(QStringLiteral("向下搜索"), this)),
      cxButton2(new QPushButton(QStringLiteral("向上搜索"), this)) {
    setObjectName(QStringLiteral("TFindDwForm"));
    setWindowTitle(QStringLiteral("查找"));
    setWindowFlag(Qt::Tool);
    setModal(false);
    Label1->setObjectName(QStringLiteral("Label1"));
    cxTextEdit1->setObjectName(QStringLiteral("cxTextEdit1"));
    cxButton1->setObjectName(QStringLiteral("cxButton1"));
    cxButton2->setObjectName(QStringLiteral("cxButton2"));
    Label1->setBuddy(cxTextEdit1);

    auto* buttons = widgets::rightAlignedRow({cxButton1, cxButton2});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(cxTextEdit1);
    layout->addLayout(buttons);

    cxButton1->setDefault(true);
    connect(cxButton1, &QPushButton::clicked, this, [this] { searchDown(); });
    connect(cxButton2, &QPushButton::clicked, this, [this] { searchUp(); });
}

bool TFindDwForm::searchDown() {
    return search(true);
}

bool TFindDwForm::searchUp() {
    return search(false);
}

bool TFindDwForm::search(bool down) {
    // The search walks the tree as it is shown, which may lag behind the table: a flat list of
    // the shown units' IDs keeps the positions the tree's own.
    const QList<QTreeWidgetItem*> items = tree_.itemsInDisplayOrder();
    units::UnitForest shown;
    shown.reserve(static_cast<size_t>(items.size()));
    for (const QTreeWidgetItem* item : items) {
        units::UnitNode node;
        node.ID = item->data(0, UnitTreeWidget::IdRole).toInt();
        shown.push_back(std::move(node));
    }
    int from = tree_.currentAbsoluteIndex();
    if (from < 0 && !down) {
        from = static_cast<int>(items.size());
    }
    const int found =
        units::findUnit(dm_.db(), shown, from, cxTextEdit1->text(),
                        down ? units::UnitTree::Direction::Down : units::UnitTree::Direction::Up);
    if (found < 0 || !tree_.selectAbsoluteIndex(found)) {
        return false;
    }
    tree_.activateWindow();
    tree_.setFocus(Qt::OtherFocusReason);
    return true;
}

#include "cadre/ui/TDmForm.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <vector>

#include "app/MessageService.h"
#include "cadre/CodeSets.h"

TDmForm::TDmForm(db::Database& db, const QString& codeSet, const QString& condition,
                 QWidget* parent)
    : QDialog(parent), tvCodes(new QTreeWidget) {
    setObjectName(QStringLiteral("TDmForm"));
    setWindowTitle(QStringLiteral("代码选择"));
    tvCodes->setObjectName(QStringLiteral("tvCodes"));
    tvCodes->setHeaderHidden(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tvCodes);
    resize(320, 400);

    const auto nodes = cadre::codeTree(db, codeSet, condition);
    if (!nodes) {
        app::showError(nodes.errorText());
    } else {
        std::vector<QTreeWidgetItem*> items;
        items.reserve(nodes->size());
        for (const cadre::CodeNode& node : *nodes) {
            auto* item = node.parent < 0 ? new QTreeWidgetItem(tvCodes)
                                         : new QTreeWidgetItem(items[node.parent]);
            item->setText(0, node.caption);
            item->setData(0, Qt::UserRole, node.code);
            items.push_back(item);
        }
        tvCodes->expandAll();
    }
    connect(tvCodes, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        chosen_ = item->text(0);
        Q_EMIT codeChosen(chosen_);
    });
    connect(tvCodes, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        chosen_ = item->text(0);
        Q_EMIT codeChosen(chosen_);
        accept();
    });
}

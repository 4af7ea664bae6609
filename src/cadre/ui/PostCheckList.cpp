#include "cadre/ui/PostCheckList.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/PostBatch.h"

namespace {

enum Column { Mark, Unit, Post, Appointed, ColumnCount };

QTableWidgetItem* readOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

PostCheckList::PostCheckList(TDataM& dm, int cadreId, int unitId, QWidget* parent)
    : QWidget(parent),
      dm_(dm),
      cadreId_(cadreId),
      unitId_(unitId),
      chkShowAll(new QCheckBox(QStringLiteral("显示所有任职"))),
      gridPosts(new QTableWidget(0, ColumnCount)) {
    setObjectName(QStringLiteral("PostCheckList"));
    chkShowAll->setObjectName(QStringLiteral("chkShowAll"));
    gridPosts->setObjectName(QStringLiteral("gridPosts"));
    gridPosts->setHorizontalHeaderLabels({QStringLiteral("选中"), QStringLiteral("单位"),
                                          QStringLiteral("职务名称"), QStringLiteral("任职时间")});
    gridPosts->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridPosts->setSelectionMode(QAbstractItemView::SingleSelection);
    gridPosts->verticalHeader()->hide();
    gridPosts->horizontalHeader()->setSectionResizeMode(Unit, QHeaderView::Stretch);
    gridPosts->horizontalHeader()->setSectionResizeMode(Post, QHeaderView::Stretch);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gridPosts, 1);
    layout->addWidget(chkShowAll);

    connect(chkShowAll, &QCheckBox::toggled, this, &PostCheckList::reload);
    reload();
}

void PostCheckList::restrictTo(const QList<int>& zwIds) {
    only_ = QSet<int>(zwIds.cbegin(), zwIds.cend());
    const QSignalBlocker quiet(chkShowAll);
    chkShowAll->setChecked(false);
    chkShowAll->setEnabled(false);
    reload();
}

QList<int> PostCheckList::markedPostIds() const {
    QList<int> ids;
    for (int row = 0; row < gridPosts->rowCount(); ++row) {
        const QTableWidgetItem* mark = gridPosts->item(row, Mark);
        if (mark->checkState() == Qt::Checked) {
            ids << mark->data(Qt::UserRole).toInt();
        }
    }
    return ids;
}

void PostCheckList::reload() {
    QSet<int> unmarked;
    for (int row = 0; row < gridPosts->rowCount(); ++row) {
        const QTableWidgetItem* mark = gridPosts->item(row, Mark);
        if (mark->checkState() != Qt::Checked) {
            unmarked.insert(mark->data(Qt::UserRole).toInt());
        }
    }
    const bool allUnits = only_.has_value() || chkShowAll->isChecked();
    const auto lines =
        cadre::readPostLines(dm_.db(), cadre::currentPostsStatement(cadreId_, unitId_, allUnits));
    if (!lines) {
        app::showFailure(lines.failure());
    }
    QList<cadre::PostLine> shown;
    for (const cadre::PostLine& line : lines ? *lines : QList<cadre::PostLine>()) {
        if (!only_ || only_->contains(line.zwId)) {
            shown << line;
        }
    }
    gridPosts->setRowCount(static_cast<int>(shown.size()));
    for (int row = 0; row < gridPosts->rowCount(); ++row) {
        const cadre::PostLine& line = shown[row];
        auto* mark = new QTableWidgetItem;
        mark->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        mark->setData(Qt::UserRole, line.zwId);
        mark->setCheckState(unmarked.contains(line.zwId) ? Qt::Unchecked : Qt::Checked);
        gridPosts->setItem(row, Mark, mark);
        gridPosts->setItem(row, Unit, readOnlyItem(line.unit));
        gridPosts->setItem(row, Post, readOnlyItem(line.post));
        gridPosts->setItem(row, Appointed, readOnlyItem(line.appointed));
    }
}

#include "cadre/ui/PostsPage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <functional>
#include <initializer_list>
#include <utility>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/Posts.h"
#include "cadre/ui/TRzForm.h"
#include "db/Database.h"
#include "units/Membership.h"
#include "units/ui/TAtDwForm.h"
#include "widgets/DialogParts.h"

namespace {

// The id of a row (ZwID of a post, dwID of a membership) is kept with its first cell.
constexpr int kIdRole = Qt::UserRole;

QTableWidget* listGrid(const char* objectName, const QStringList& headers) {
    auto* grid = new QTableWidget(0, static_cast<int>(headers.size()));
    grid->setObjectName(QString::fromLatin1(objectName));
    grid->setHorizontalHeaderLabels(headers);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

// A statement's rows shown in `grid`: for each row the values of `columns` (looked up by name
// in the result), and `idColumn` kept as the row's id.
bool fillGrid(db::Database& db, QTableWidget* grid, const QString& statement,
              const QStringList& columns, const QString& idColumn,
              const std::function<QString(const QString&, const QVariant&)>& show) {
    grid->setRowCount(0);
    const auto result = db.query(statement);
    if (!result) {
        return false;
    }
    const auto indexOf = [&result](const QString& column) -> qsizetype {
        for (qsizetype index = 0; index < result->columns.size(); ++index) {
            if (result->columns[index].compare(column, Qt::CaseInsensitive) == 0) {
                return index;
            }
        }
        return -1;
    };
    const qsizetype idIndex = indexOf(idColumn);
    grid->setRowCount(static_cast<int>(result->rows.size()));
    for (int row = 0; row < grid->rowCount(); ++row) {
        const QVariantList& values = result->rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < columns.size(); ++column) {
            const qsizetype index = indexOf(columns[column]);
            const QVariant value = index < 0 ? QVariant() : values[index];
            auto* item = new QTableWidgetItem(show(columns[column], value));
            if (column == 0) {
                item->setData(kIdRole, idIndex < 0 ? 0 : values[idIndex].toInt());
            }
            grid->setItem(row, column, item);
        }
    }
    return true;
}

QString plainValue(const QString&, const QVariant& value) {
    return value.toString();
}

}  // namespace

PostsPage::PostsPage(TDataM& dm, QWidget* parent)
    : QWidget(parent),
      dm_(dm),
      tabs(new QTabWidget),
      gridCurrent(
          listGrid("gridCurrent", {QStringLiteral("序号"), QStringLiteral("单位名称"),
                                   QStringLiteral("职务名称"), QStringLiteral("任职时间")})),
      gridFormer(listGrid("gridFormer", {QStringLiteral("序号"), QStringLiteral("单位名称"),
                                         QStringLiteral("职务名称"), QStringLiteral("任职时间"),
                                         QStringLiteral("免职时间")})),
      gridMembers(listGrid("gridMembers", {QStringLiteral("单位名称"), QStringLiteral("进入时间"),
                                           QStringLiteral("是否在编")})),
      btnAdd(widgets::namedButton("btnAdd", QStringLiteral("添加"))),
      btnDelete(widgets::namedButton("btnDelete", QStringLiteral("删除"))),
      btnEdit(widgets::namedButton("btnEdit", QStringLiteral("修改"))),
      btnUp(widgets::namedButton("btnUp", QStringLiteral("上移"))),
      btnDown(widgets::namedButton("btnDown", QStringLiteral("下移"))),
      chkZwLock(new QCheckBox(
          QStringLiteral("锁定干部基本信息中现任职务、任职时间，不随“任职详细”自动变化"))) {
    setObjectName(QStringLiteral("PostsPage"));
    tabs->setObjectName(QStringLiteral("tabPosts"));
    chkZwLock->setObjectName(QStringLiteral("chkZwLock"));
    tabs->addTab(gridCurrent, QStringLiteral("现任职详细信息"));
    tabs->addTab(gridFormer, QStringLiteral("曾任职详细信息"));
    tabs->addTab(gridMembers, QStringLiteral("所在单位/编制"));

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {btnAdd, btnDelete, btnEdit, btnUp, btnDown}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);
    layout->addWidget(chkZwLock);

    connect(tabs, &QTabWidget::currentChanged, this, &PostsPage::updateCommands);
    connect(btnAdd, &QPushButton::clicked, this, &PostsPage::addClicked);
    connect(btnDelete, &QPushButton::clicked, this, &PostsPage::deleteClicked);
    connect(btnEdit, &QPushButton::clicked, this, &PostsPage::editClicked);
    connect(btnUp, &QPushButton::clicked, this, [this] { moveClicked(-1); });
    connect(btnDown, &QPushButton::clicked, this, [this] { moveClicked(1); });
    for (QTableWidget* grid : {gridCurrent, gridFormer, gridMembers}) {
        connect(grid, &QTableWidget::cellDoubleClicked, this, &PostsPage::editClicked);
    }
    updateCommands();
}

void PostsPage::showCadre(int cadreId) {
    cadreId_ = cadreId;
    reload();
    updateCommands();
}

void PostsPage::setEditable(bool on) {
    editable_ = on;
    updateCommands();
}

void PostsPage::setRecordWriter(cadre::CadreRecordWriter writer) {
    writeRecord_ = std::move(writer);
}

void PostsPage::reload() {
    fillCurrentPosts();
    fillFormerPosts();
    fillMemberships();
}

void PostsPage::fillCurrentPosts() {
    const int focused = focusedId(gridCurrent);
    if (!fillGrid(dm_.db(), gridCurrent, cadre::currentPostsListStatement(cadreId_),
                  {QStringLiteral("zwOrder"), QStringLiteral("name"), QStringLiteral("zwmc"),
                   QStringLiteral("rzsjstr")},
                  QStringLiteral("ZwID"), plainValue)) {
        app::showError(dm_.db().lastError());
    }
    focusId(gridCurrent, focused);
}

void PostsPage::fillFormerPosts() {
    const int focused = focusedId(gridFormer);
    if (!fillGrid(dm_.db(), gridFormer, cadre::formerPostsListStatement(cadreId_),
                  {QStringLiteral("zwOrder"), QStringLiteral("dw"), QStringLiteral("zwmc"),
                   QStringLiteral("rzsjstr"), QStringLiteral("mzsjstr")},
                  QStringLiteral("ZwID"), plainValue)) {
        app::showError(dm_.db().lastError());
    }
    focusId(gridFormer, focused);
}

// "是否在编" answers the question: a membership marked nobz is outside the unit's staffing.
void PostsPage::fillMemberships() {
    const int focused = focusedId(gridMembers);
    const auto show = [](const QString& column, const QVariant& value) {
        if (column == QStringLiteral("nobz")) {
            return value.toBool() ? QStringLiteral("否") : QStringLiteral("是");
        }
        return value.toString();
    };
    if (!fillGrid(dm_.db(), gridMembers, units::membershipsListStatement(cadreId_),
                  {QStringLiteral("name"), QStringLiteral("jrsjStr"), QStringLiteral("nobz")},
                  QStringLiteral("dwID"), show)) {
        app::showError(dm_.db().lastError());
    }
    focusId(gridMembers, focused);
}

void PostsPage::updateCommands() {
    const bool active = editable_ && cadreId_ != 0;
    const bool posts = tabs->currentIndex() != MembershipTab;
    btnAdd->setEnabled(active);
    btnDelete->setEnabled(active);
    btnEdit->setEnabled(active);
    btnUp->setEnabled(active && posts);
    btnDown->setEnabled(active && posts);
    chkZwLock->setEnabled(editable_);
}

QTableWidget* PostsPage::shownGrid() const {
    switch (tabs->currentIndex()) {
        case CurrentTab:
            return gridCurrent;
        case FormerTab:
            return gridFormer;
        default:
            return gridMembers;
    }
}

int PostsPage::focusedId(const QTableWidget* grid) {
    const int row = grid->currentRow();
    const QTableWidgetItem* item = row < 0 ? nullptr : grid->item(row, 0);
    return item == nullptr ? 0 : item->data(kIdRole).toInt();
}

void PostsPage::focusId(QTableWidget* grid, int id) {
    for (int row = 0; id != 0 && row < grid->rowCount(); ++row) {
        if (grid->item(row, 0)->data(kIdRole).toInt() == id) {
            grid->setCurrentCell(row, 0);
            return;
        }
    }
}

void PostsPage::addClicked() {
    if (!editable_ || cadreId_ == 0) {
        return;
    }
    if (tabs->currentIndex() == MembershipTab) {
        TAtDwForm dialog(dm_, this);
        dialog.start(cadreId_, 0);
        if (dialog.exec() != QDialog::Accepted) {
            return;
        }
        reload();
        gridMembers->setCurrentCell(gridMembers->rowCount() - 1, 0);
        Q_EMIT postsChanged();
        return;
    }
    TRzForm dialog(dm_, cadreId_, this);
    dialog.setRecordWriter(writeRecord_);
    dialog.startNew(tabs->currentIndex() == CurrentTab, 0, false);
    dialog.exec();
    if (!dialog.changed()) {
        return;
    }
    reload();
    focusId(shownGrid(), dialog.savedPostId());
    Q_EMIT postsChanged();
}

void PostsPage::editClicked() {
    if (!editable_ || cadreId_ == 0) {
        return;
    }
    const int id = focusedId(shownGrid());
    if (id == 0) {
        return;
    }
    if (tabs->currentIndex() == MembershipTab) {
        editMembership(id);
    } else {
        editPost(tabs->currentIndex() == CurrentTab, id);
    }
}

void PostsPage::editPost(bool current, int zwId) {
    TRzForm dialog(dm_, cadreId_, this);
    dialog.setRecordWriter(writeRecord_);
    if (!dialog.startEdit(zwId)) {
        reload();
        return;
    }
    dialog.exec();
    if (!dialog.changed()) {
        return;
    }
    reload();
    focusId(current ? gridCurrent : gridFormer, zwId);
    Q_EMIT postsChanged();
}

void PostsPage::editMembership(int unitId) {
    TAtDwForm dialog(dm_, this);
    dialog.start(cadreId_, unitId);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    reload();
    Q_EMIT postsChanged();
}

void PostsPage::deleteClicked() {
    if (!editable_ || cadreId_ == 0) {
        return;
    }
    const int id = focusedId(shownGrid());
    bool done = false;
    if (tabs->currentIndex() == MembershipTab) {
        if (id == 0 || !app::confirmAction(cadre::kRemoveMembershipQuestion)) {
            return;
        }
        const Result<void> removed = cadre::removeMembership(dm_, cadreId_, id, writeRecord_);
        if (!removed) {
            app::showFailure(removed.failure());
        }
        done = removed.ok();
    } else {
        if (id == 0) {
            app::showInformation(cadre::kSelectPostToDelete);
            return;
        }
        if (!app::confirmAction(cadre::kDeletePostQuestion)) {
            return;
        }
        const Result<void> deleted =
            cadre::deletePost(dm_, cadreId_, id, tabs->currentIndex() == CurrentTab, writeRecord_);
        if (!deleted) {
            app::showFailure(deleted.failure());
        }
        done = deleted.ok();
    }
    reload();
    if (done) {
        Q_EMIT postsChanged();
    }
}

void PostsPage::moveClicked(int step) {
    if (!editable_ || cadreId_ == 0 || tabs->currentIndex() == MembershipTab) {
        return;
    }
    QTableWidget* grid = shownGrid();
    const int id = focusedId(grid);
    if (id == 0) {
        app::showInformation(cadre::kSelectPostToMove);
        return;
    }
    const int neighbour = grid->currentRow() + step;
    if (neighbour < 0 || neighbour >= grid->rowCount()) {
        return;
    }
    const Result<void> moved = cadre::movePost(dm_, cadreId_, id, step, writeRecord_);
    if (!moved) {
        app::showFailure(moved.failure());
    }
    reload();
    focusId(grid, id);
    if (moved) {
        Q_EMIT postsChanged();
    }
}

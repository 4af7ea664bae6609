#include "cadre/ui/TPlzwSetForm.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/ui/TMzForm.h"
#include "cadre/ui/TQueryForm1.h"
#include "widgets/DialogParts.h"

namespace {

enum Column { Id, Name, Post, Month, ColumnCount };

// The grid keeps, beside the post name shown, the name the post is stored under (empty for a
// row added in the dialog): taking the holder out of the category addresses the stored post.
constexpr int kStoredPostRole = Qt::UserRole;

QTableWidgetItem* readOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

// "从本单位人员中选择": the unit's members with a mark each; the marked ones, or none when the
// choice is cancelled.
QList<cadre::CategoryRow> pickMembers(QWidget* parent, const QList<cadre::CategoryRow>& members) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgUnitMembers"));
    dialog.setWindowTitle(QStringLiteral("从本单位人员中选择"));
    auto* list = new QListWidget;
    list->setObjectName(QStringLiteral("lstMembers"));
    for (const cadre::CategoryRow& member : members) {
        auto* item =
            new QListWidgetItem(member.post.isEmpty() ? member.name
                                                      : member.name + QStringLiteral("（") +
                                                            member.post + QStringLiteral("）"));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        list->addItem(item);
    }
    QPushButton* ok = widgets::namedButton("btnOK", QStringLiteral("确 定"));
    QPushButton* cancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(list, 1);
    layout->addLayout(widgets::rightAlignedRow({ok, cancel}));
    dialog.resize(360, 420);
    QList<cadre::CategoryRow> chosen;
    if (dialog.exec() == QDialog::Accepted) {
        for (int i = 0; i < list->count(); ++i) {
            if (list->item(i)->checkState() == Qt::Checked) {
                chosen << members[i];
            }
        }
    }
    return chosen;
}

}  // namespace

const QString TPlzwSetForm::kSelectRow = QStringLiteral("请先在表格中选择要删除的项.");
const QString TPlzwSetForm::kNoCategoryPost =
    QStringLiteral("该干部在本单位没有此职务类别的现任职务。");

QString TPlzwSetForm::takeOutQuestion(const QString& name) {
    return QStringLiteral("确认从该职务类别中删除 ") + name + QStringLiteral("？\n") +
           QStringLiteral("注意：删除后，任职信息不会丢失，如需免职请从主页面执行\"免除职务\"");
}

TPlzwSetForm::TPlzwSetForm(TDataM& dm, int unitId, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      unitId_(unitId),
      edtUnit(new QLineEdit(app::valueOrShown(dm.UnitName(unitId)))),
      cbCategory(new QComboBox),
      cbPost(new QComboBox),
      spnQuota(new QSpinBox),
      gridCadres(new QTableWidget(0, ColumnCount)),
      btnAdd(widgets::namedButton("btnAdd", QStringLiteral("添加"))),
      actFromUnit(new QAction(QStringLiteral("从本单位人员中选择"), this)),
      actFromAll(new QAction(QStringLiteral("从全部干部中选择"), this)),
      btnDelete(widgets::namedButton("btnDelete", QStringLiteral("删除"))),
      btnRemove(widgets::namedButton("btnRemove", QStringLiteral("免除职务"))),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("确定"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取消"))) {
    setObjectName(QStringLiteral("TPlzwSetForm"));
    setWindowTitle(QStringLiteral("按职务类别批量设置职务"));
    edtUnit->setObjectName(QStringLiteral("edtUnit"));
    edtUnit->setReadOnly(true);
    cbCategory->setObjectName(QStringLiteral("cbCategory"));
    cbCategory->addItems(app::valueOrShown(cadre::categoryChoices(dm.db(), unitId)));
    cbCategory->setCurrentIndex(-1);
    cbPost->setObjectName(QStringLiteral("cbPost"));
    cbPost->setEditable(true);
    cbPost->addItems(app::valueOrShown(cadre::quotaPostNames(dm.db(), unitId)));
    cbPost->setEditText(QString());
    spnQuota->setObjectName(QStringLiteral("spnQuota"));
    spnQuota->setRange(1, 9999);
    actFromUnit->setObjectName(QStringLiteral("actFromUnit"));
    actFromAll->setObjectName(QStringLiteral("actFromAll"));
    auto* addMenu = new QMenu(btnAdd);
    addMenu->setObjectName(QStringLiteral("mnuAdd"));
    addMenu->addAction(actFromUnit);
    addMenu->addAction(actFromAll);
    btnAdd->setMenu(addMenu);

    gridCadres->setObjectName(QStringLiteral("gridCadres"));
    gridCadres->setHorizontalHeaderLabels({QStringLiteral("ID"), QStringLiteral("姓名"),
                                           QStringLiteral("职务"), QStringLiteral("任职时间")});
    gridCadres->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridCadres->setSelectionMode(QAbstractItemView::SingleSelection);
    gridCadres->verticalHeader()->hide();
    gridCadres->horizontalHeader()->setSectionResizeMode(Post, QHeaderView::Stretch);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("单位名称"), edtUnit);
    fields->addRow(QStringLiteral("职务类别"), cbCategory);
    fields->addRow(QStringLiteral("职务名称"), cbPost);
    fields->addRow(QStringLiteral("设 定 数"), spnQuota);

    auto* holders = new QGroupBox(QStringLiteral("任职对象"));
    holders->setObjectName(QStringLiteral("grpHolders"));
    auto* commands = new QVBoxLayout;
    commands->addWidget(btnAdd);
    commands->addWidget(btnDelete);
    commands->addWidget(btnRemove);
    commands->addStretch();
    auto* holderRow = new QHBoxLayout(holders);
    holderRow->addWidget(gridCadres, 1);
    holderRow->addLayout(commands);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(holders, 1);
    layout->addLayout(widgets::rightAlignedRow({btnOK, btnCancel}));
    resize(620, 480);

    connect(cbCategory, &QComboBox::currentIndexChanged, this, &TPlzwSetForm::chooseCategory);
    connect(actFromUnit, &QAction::triggered, this, &TPlzwSetForm::addFromUnit);
    connect(actFromAll, &QAction::triggered, this, &TPlzwSetForm::addFromAll);
    connect(btnDelete, &QPushButton::clicked, this, &TPlzwSetForm::takeOut);
    connect(btnRemove, &QPushButton::clicked, this, &TPlzwSetForm::removePosts);
    connect(btnOK, &QPushButton::clicked, this, &TPlzwSetForm::save);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TPlzwSetForm::chooseCategory() {
    const QString category = cbCategory->currentText();
    gridCadres->setRowCount(0);
    if (category.isEmpty()) {
        return;
    }
    const auto defaults = cadre::categoryDefaults(dm_, unitId_, category);
    const auto holders = cadre::readCategoryHolders(dm_.db(), unitId_, category);
    if (!defaults || !holders) {
        app::showFailure(defaults ? holders.failure() : defaults.failure());
        return;
    }
    cbPost->setEditText(defaults->postName);
    spnQuota->setValue(defaults->quota);
    for (const cadre::CategoryRow& holder : *holders) {
        appendRow(holder, holder.post);
    }
}

void TPlzwSetForm::addFromUnit() {
    const auto members = cadre::readUnitMembers(dm_.db(), unitId_);
    if (!members) {
        app::showFailure(members.failure());
        return;
    }
    addRows(pickMembers(this, *members));
}

void TPlzwSetForm::addFromAll() {
    TQueryForm1 picker(dm_, 0, this);
    if (picker.exec() != QDialog::Accepted) {
        return;
    }
    QList<cadre::CategoryRow> cadres;
    for (const int id : picker.pickedCadreIds()) {
        const Result<QString> name = dm_.CadreName(id);
        cadres.append({id, name ? *name : QString(), QString(), QString()});
    }
    addRows(cadres);
}

void TPlzwSetForm::addRows(const QList<cadre::CategoryRow>& cadres) {
    const QString post = cbPost->currentText().trimmed();
    QSet<QPair<int, QString>> listed;
    for (const cadre::CategoryRow& row : rows()) {
        listed.insert({row.cadreId, row.post.trimmed()});
    }
    for (const cadre::CategoryRow& c : cadres) {
        if (listed.contains({c.cadreId, post})) {
            continue;
        }
        listed.insert({c.cadreId, post});
        appendRow({c.cadreId, c.name, post, QString()}, QString());
    }
}

void TPlzwSetForm::appendRow(const cadre::CategoryRow& row, const QString& storedPost) {
    const int at = gridCadres->rowCount();
    gridCadres->insertRow(at);
    gridCadres->setItem(at, Id, readOnlyItem(QString::number(row.cadreId)));
    gridCadres->setItem(at, Name, readOnlyItem(row.name));
    auto* post = new QTableWidgetItem(row.post);
    post->setData(kStoredPostRole, storedPost);
    gridCadres->setItem(at, Post, post);
    gridCadres->setItem(at, Month, new QTableWidgetItem(row.monthText));
}

QList<cadre::CategoryRow> TPlzwSetForm::rows() const {
    QList<cadre::CategoryRow> list;
    for (int row = 0; row < gridCadres->rowCount(); ++row) {
        list.append({gridCadres->item(row, Id)->text().toInt(), gridCadres->item(row, Name)->text(),
                     gridCadres->item(row, Post)->text(), gridCadres->item(row, Month)->text()});
    }
    return list;
}

void TPlzwSetForm::takeOut() {
    const int row = gridCadres->currentRow();
    if (row < 0) {
        app::showInformation(kSelectRow);
        return;
    }
    if (!app::confirmAction(takeOutQuestion(gridCadres->item(row, Name)->text()))) {
        return;
    }
    const QTableWidgetItem* post = gridCadres->item(row, Post);
    const QString stored = post->data(kStoredPostRole).toString();
    if (!cadre::removeFromCategory(dm_, unitId_, gridCadres->item(row, Id)->text().toInt(),
                                   stored.isEmpty() ? post->text() : stored)) {
        app::showError(dm_.db().lastError());
        return;
    }
    changed_ = true;
    gridCadres->removeRow(row);
}

void TPlzwSetForm::removePosts() {
    const int row = gridCadres->currentRow();
    if (row < 0) {
        app::showInformation(kSelectRow);
        return;
    }
    const int cadreId = gridCadres->item(row, Id)->text().toInt();
    const QString category = cbCategory->currentText();
    const Result<QList<int>> posts =
        category.isEmpty() ? Result<QList<int>>(QList<int>())
                           : cadre::categoryPostIds(dm_.db(), unitId_, cadreId, category);
    if (!posts) {
        app::showFailure(posts.failure());
        return;
    }
    if (posts->isEmpty()) {
        app::showInformation(kNoCategoryPost);
        return;
    }
    TMzForm removal(dm_, cadreId, unitId_, this);
    removal.onlyPosts(*posts);
    if (removal.exec() != QDialog::Accepted) {
        return;
    }
    changed_ = true;
    // The cadre's stored rows whose post is no longer held leave the grid.
    const auto holders = cadre::readCategoryHolders(dm_.db(), unitId_, category);
    QSet<QString> held;
    if (!holders) {
        app::showFailure(holders.failure());
    }
    for (const cadre::CategoryRow& holder : holders ? *holders : QList<cadre::CategoryRow>()) {
        if (holder.cadreId == cadreId) {
            held.insert(holder.post);
        }
    }
    for (int r = gridCadres->rowCount() - 1; r >= 0; --r) {
        const QString stored = gridCadres->item(r, Post)->data(kStoredPostRole).toString();
        if (gridCadres->item(r, Id)->text().toInt() == cadreId && !stored.isEmpty() &&
            !held.contains(stored)) {
            gridCadres->removeRow(r);
        }
    }
}

void TPlzwSetForm::save() {
    const QList<cadre::CategoryRow> lines = rows();
    const Result<void> applied =
        cadre::applyCategory(dm_, unitId_, cbCategory->currentText(),
                             cbPost->currentText().trimmed(), spnQuota->value(), lines);
    if (!applied) {
        if (const std::optional<int> row = cadre::rowWithoutPostName(lines);
            row && applied.failure().message == cadre::kSetPostName) {
            gridCadres->setCurrentCell(*row, Post);
            gridCadres->setFocus();
        }
        app::showFailure(applied.failure());
        return;
    }
    changed_ = true;
    accept();
}

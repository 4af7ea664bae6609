#include "units/TDepForm.h"

#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "db/Database.h"
#include "units/TDepFormS.h"
#include "units/TNodeDelForm.h"
#include "units/UnitCodes.h"
#include "units/UnitTree.h"
#include "units/UnitTreeWidget.h"

namespace {

QLineEdit* makeField(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    return edit;
}

QPushButton* makeButton(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QAction* makeAction(const char* name, const QString& caption, QObject* parent) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

TDepForm::TDepForm(TDataM& dm, int selectedId, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      tvDw(new UnitTreeWidget),
      lblCurrent(new QLabel),
      edtName(makeField("edtName")),
      edtDwjc(makeField("edtDwjc")),
      edtParent(makeField("edtParent")),
      edtKind(makeField("edtKind")),
      edtDwxz(makeField("edtDwxz")),
      edtB0114(makeField("edtB0114")),
      edtB0127(makeField("edtB0127")),
      edtB0124(makeField("edtB0124")),
      chkAllowEdit(new QCheckBox(QStringLiteral("允许修改"))),
      btnUnitSettings(makeButton("btnUnitSettings", QStringLiteral("单位设置"))),
      btnSave(makeButton("btnSave", QStringLiteral("保存"))),
      btnCancel(makeButton("btnCancel", QStringLiteral("取消"))),
      btnAdd(makeButton("btnAdd", QStringLiteral("添加"))),
      btnDelete(makeButton("btnDelete", QStringLiteral("删除"))),
      btnClose(makeButton("btnClose", QStringLiteral("关闭"))),
      btnUp(makeButton("btnUp", QStringLiteral("上移"))),
      btnDown(makeButton("btnDown", QStringLiteral("下移"))),
      pmTree(new QMenu(this)),
      actOrder(makeAction("actOrder", QStringLiteral("打开单位顺序调整功能"), this)),
      actCheckTree(makeAction("actCheckTree", QStringLiteral("启用树形选择框"), this)),
      actAddSibling(makeAction("actAddSibling", QStringLiteral("添加同级单位"), this)),
      actAddChild(makeAction("actAddChild", QStringLiteral("添加下级单位"), this)) {
    setObjectName(QStringLiteral("TDepForm"));
    setWindowTitle(QStringLiteral("单位信息设置"));
    tvDw->setObjectName(QStringLiteral("tvDw"));
    lblCurrent->setObjectName(QStringLiteral("lblCurrent"));
    chkAllowEdit->setObjectName(QStringLiteral("chkAllowEdit"));

    // The fields of the selected unit, read-only; "单位设置" edits them.
    auto* heading = new QHBoxLayout;
    heading->addWidget(new QLabel(QStringLiteral("当前单位：")));
    heading->addWidget(lblCurrent, 1);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("单位名称："), edtName);
    fields->addRow(QStringLiteral("单位简称："), edtDwjc);
    fields->addRow(QStringLiteral("上级单位："), edtParent);
    fields->addRow(QStringLiteral("类    型："), edtKind);
    fields->addRow(QStringLiteral("单位性质："), edtDwxz);
    fields->addRow(QStringLiteral("组织机构代码："), edtB0114);
    fields->addRow(QStringLiteral("单位级别："), edtB0127);
    fields->addRow(QStringLiteral("单位隶属关系："), edtB0124);
    auto* settingsRow = new QHBoxLayout;
    settingsRow->addStretch();
    settingsRow->addWidget(btnUnitSettings);
    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->addLayout(heading);
    rightLayout->addLayout(fields);
    rightLayout->addLayout(settingsRow);
    rightLayout->addStretch();

    auto* splitter = new QSplitter;
    splitter->addWidget(tvDw);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);

    auto* commands = new QHBoxLayout;
    commands->addWidget(chkAllowEdit);
    for (QPushButton* button : {btnSave, btnCancel, btnAdd, btnDelete, btnUp, btnDown}) {
        commands->addWidget(button);
    }
    commands->addStretch();
    commands->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(commands);

    // Editing in place and tree check boxes are not part of the program yet.
    btnSave->setEnabled(false);
    btnCancel->setEnabled(false);
    actCheckTree->setEnabled(false);
    actOrder->setCheckable(true);
    actOrder->setChecked(true);
    pmTree->setObjectName(QStringLiteral("pmTree"));
    pmTree->addAction(actOrder);
    pmTree->addAction(actCheckTree);
    pmTree->addSeparator();
    pmTree->addAction(actAddSibling);
    pmTree->addAction(actAddChild);
    tvDw->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tvDw, &QWidget::customContextMenuRequested, this, &TDepForm::showTreeMenu);
    connect(actOrder, &QAction::toggled, this, [this](bool on) {
        btnUp->setVisible(on);
        btnDown->setVisible(on);
    });
    connect(actAddSibling, &QAction::triggered, this, [this] { addUnit(true); });
    connect(actAddChild, &QAction::triggered, this, [this] { addUnit(false); });
    connect(btnAdd, &QPushButton::clicked, this, [this] { addUnit(false); });
    connect(btnDelete, &QPushButton::clicked, this, &TDepForm::deleteUnit);
    connect(btnUnitSettings, &QPushButton::clicked, this, &TDepForm::editUnit);
    connect(btnUp, &QPushButton::clicked, this, [this] { move(true); });
    connect(btnDown, &QPushButton::clicked, this, [this] { move(false); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(chkAllowEdit, &QCheckBox::toggled, this, &TDepForm::allowEditToggled);
    connect(tvDw, &UnitTreeWidget::unitSelected, this,
            [this](int id, const QString&, bool) { showUnit(id); });

    tvDw->setDatabase(&dm_.db());
    tvDw->reload();
    if (selectedId != 0) {
        tvDw->selectUnit(selectedId);
    }
    updateCommands();
}

void TDepForm::showUnit(int id) {
    QLineEdit* const all[] = {edtName, edtDwjc,  edtParent, edtKind,
                              edtDwxz, edtB0114, edtB0127,  edtB0124};
    for (QLineEdit* edit : all) {
        edit->clear();
    }
    lblCurrent->clear();
    const auto unit = id == 0
                          ? std::nullopt
                          : dm_.db().query(QStringLiteral("select * from tb_department where ID=") +
                                           QString::number(id));
    if (unit && !unit->rows.empty()) {
        const auto text = [&unit](const char* column) {
            return unit->value(0, QString::fromLatin1(column)).toString();
        };
        lblCurrent->setText(text("name"));
        edtName->setText(text("name"));
        edtDwjc->setText(text("dwjc"));
        const int parentId = unit->value(0, QStringLiteral("parentID")).toInt();
        edtParent->setText(parentId == 0 ? QStringLiteral("<无>") : dm_.UnitName(parentId));
        edtKind->setText(unit->value(0, QStringLiteral("isDep")).toBool()
                             ? QStringLiteral("真实单位/部门")
                             : QStringLiteral("虚拟单位/分组"));
        edtDwxz->setText(text("dwxz"));
        edtB0114->setText(text("B0114"));
        edtB0127->setText(units::unitCodeName(units::kUnitLevels, text("B0127")));
        edtB0124->setText(units::unitCodeName(units::kUnitAffiliations, text("B0124")));
    }
    updateCommands();
}

void TDepForm::allowEditToggled(bool on) {
    if (on && !admin::HasRight(dm_, QStringLiteral("WDW"))) {
        const QSignalBlocker blocker(chkAllowEdit);
        chkAllowEdit->setChecked(false);
    }
    updateCommands();
}

void TDepForm::updateCommands() {
    const bool editing = chkAllowEdit->isChecked();
    const bool onUnit = tvDw->currentUnitId() != 0;
    btnAdd->setEnabled(editing);
    actAddChild->setEnabled(editing);
    actAddSibling->setEnabled(editing && onUnit);
    btnDelete->setEnabled(editing && onUnit);
    btnUnitSettings->setEnabled(editing && onUnit);
    btnUp->setEnabled(editing && onUnit);
    btnDown->setEnabled(editing && onUnit);
}

void TDepForm::showTreeMenu(const QPoint& pos) {
    if (QTreeWidgetItem* item = tvDw->itemAt(pos)) {
        tvDw->setCurrentItem(item);
    }
    pmTree->popup(tvDw->viewport()->mapToGlobal(pos));
}

void TDepForm::addUnit(bool sibling) {
    if (!chkAllowEdit->isChecked()) {
        return;
    }
    int parentId = tvDw->currentUnitId();
    if (sibling && parentId != 0) {
        // The parent as the tree shows it: a unit shown at top level has none.
        const QTreeWidgetItem* parentItem = tvDw->currentItem()->parent();
        parentId = parentItem != nullptr ? parentItem->data(0, UnitTreeWidget::IdRole).toInt() : 0;
    }
    TDepFormS form(dm_, this);
    form.startAdding(parentId);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    changed_ = true;
    tvDw->reload();
    tvDw->selectUnit(form.savedUnitId());
}

void TDepForm::editUnit() {
    const int id = tvDw->currentUnitId();
    if (!chkAllowEdit->isChecked() || id == 0) {
        return;
    }
    TDepFormS form(dm_, this);
    if (!form.startEditing(id)) {
        app::showInformation(units::kUnitMissing);
        return;
    }
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    changed_ = true;
    tvDw->reload();
    tvDw->selectUnit(id);
}

void TDepForm::deleteUnit() {
    const QTreeWidgetItem* item = tvDw->currentItem();
    if (!chkAllowEdit->isChecked() || item == nullptr) {
        return;
    }
    const int position = tvDw->currentAbsoluteIndex();
    TNodeDelForm form(dm_, tvDw->currentUnitId(), item->text(0), this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    changed_ = true;
    tvDw->reload(position);
}

void TDepForm::move(bool up) {
    const int id = tvDw->currentUnitId();
    if (!chkAllowEdit->isChecked() || id == 0) {
        return;
    }
    const units::Outcome outcome = units::UnitTree(dm_).moveAmongSiblings(
        id, up ? units::UnitTree::Direction::Up : units::UnitTree::Direction::Down);
    if (!outcome) {
        // An empty message: there is no sibling on that side, and nothing to do.
        if (!outcome.message.isEmpty()) {
            app::showInformation(outcome.message);
        }
        return;
    }
    changed_ = true;
    tvDw->reload();
    tvDw->selectUnit(id);
}

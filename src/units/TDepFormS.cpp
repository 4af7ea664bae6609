#include "units/TDepFormS.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cstddef>
#include <utility>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "units/UnitTree.h"

namespace {

const QString kTopLevel = QStringLiteral("<无>");

struct Code {
    const char* code;
    const char* name;
};

// Unit levels (B0127).
constexpr Code kLevels[] = {
    {"101", "中央、国家级（正）"},
    {"102", "中央、国家级（副）"},
    {"103", "省、部级"},
    {"104", "副省、副部级"},
    {"105", "地、厅、司、局级"},
    {"106", "副地、副厅、副司、副局级"},
    {"107", "县、处级"},
    {"108", "副县、副处级"},
    {"109", "乡、科级"},
    {"110", "副乡、副科级"},
    {"111", "股级"},
    {"800", "无级别"},
    {"999", "其他"},
};

// Affiliations (B0124).
constexpr Code kAffiliations[] = {
    {"1", "中央一级"},
    {"2", "省一级"},
    {"3", "副省市一级"},
    {"4", "市、地、州、盟一级"},
    {"5", "副省级市市辖区一级"},
    {"6", "县、市、区、旗一级"},
    {"7", "镇、乡一级"},
    {"8", "社区、建制村"},
    {"9", "其他"},
};

// An empty entry first, then the codes; the item data is the code.
template <std::size_t N>
void fillCodes(QComboBox* box, const Code (&codes)[N]) {
    box->addItem(QString(), QString());
    for (const Code& c : codes) {
        box->addItem(QString::fromUtf8(c.name), QString::fromLatin1(c.code));
    }
}

// Selects the item whose data is `value`; a value not in the list is added, so that saving
// keeps it.
void selectData(QComboBox* box, const QString& value) {
    int at = box->findData(value);
    if (at < 0) {
        box->addItem(value, value);
        at = box->count() - 1;
    }
    box->setCurrentIndex(at);
}

// The stored value of a text column: null when empty, as a unit that was never given one.
QVariant stored(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

}  // namespace

TDepFormS::TDepFormS(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      PageControl1(new QTabWidget(this)),
      edtName(new QLineEdit),
      edtDwjc(new QLineEdit),
      cbParent(new QComboBox),
      rbDep(new QRadioButton(QStringLiteral("真实单位/部门"))),
      rbGroup(new QRadioButton(QStringLiteral("单位分组"))),
      cbDwxz(new QComboBox),
      edtB0114(new QLineEdit),
      cbB0127(new QComboBox),
      cbB0124(new QComboBox),
      btnOK(new QPushButton(QStringLiteral("确 定"), this)),
      btnCancel(new QPushButton(QStringLiteral("取 消"), this)) {
    setObjectName(QStringLiteral("TDepFormS"));
    setWindowTitle(QStringLiteral("单位信息设置"));
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    edtName->setObjectName(QStringLiteral("edtName"));
    edtDwjc->setObjectName(QStringLiteral("edtDwjc"));
    cbParent->setObjectName(QStringLiteral("cbParent"));
    rbDep->setObjectName(QStringLiteral("rbDep"));
    rbGroup->setObjectName(QStringLiteral("rbGroup"));
    cbDwxz->setObjectName(QStringLiteral("cbDwxz"));
    edtB0114->setObjectName(QStringLiteral("edtB0114"));
    cbB0127->setObjectName(QStringLiteral("cbB0127"));
    cbB0124->setObjectName(QStringLiteral("cbB0124"));
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));

    edtName->setMaxLength(255);
    edtDwjc->setMaxLength(255);
    edtB0114->setMaxLength(12);
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(rbDep);
    kinds->addButton(rbGroup);
    rbDep->setChecked(true);

    cbDwxz->addItem(QString());
    if (const auto natures = dm_.db().query(QStringLiteral("select xz from tb_dep_xz"))) {
        for (const QVariantList& row : natures->rows) {
            cbDwxz->addItem(row.value(0).toString());
        }
    }
    fillCodes(cbB0127, kLevels);
    fillCodes(cbB0124, kAffiliations);
    fillParents();

    // "基本信息".
    auto* basic = new QWidget;
    basic->setObjectName(QStringLiteral("tsBasic"));
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(rbDep);
    kindRow->addWidget(rbGroup);
    kindRow->addStretch();
    auto* hint = new QLabel(QStringLiteral("注意：“单位分类”是指对某些单位的统称，如“四大班子”。"));
    hint->setObjectName(QStringLiteral("lblHint"));
    auto* fields = new QFormLayout(basic);
    fields->addRow(QStringLiteral("单位名称："), edtName);
    fields->addRow(QStringLiteral("单位简称："), edtDwjc);
    fields->addRow(QStringLiteral("上级单位："), cbParent);
    fields->addRow(QStringLiteral("类    型："), kindRow);
    fields->addRow(QString(), hint);
    fields->addRow(QStringLiteral("单位性质："), cbDwxz);
    fields->addRow(QStringLiteral("组织机构代码："), edtB0114);
    fields->addRow(QStringLiteral("单位级别："), cbB0127);
    fields->addRow(QStringLiteral("单位隶属关系："), cbB0124);
    PageControl1->addTab(basic, QStringLiteral("基本信息"));
    // Quotas, staffing and organisation history are not part of the program yet.
    const std::pair<const char*, const char*> pending[] = {
        {"tsQuota", "职数设置"}, {"tsStaffing", "人员编制"}, {"tsHistory", "组织史管理"}};
    for (const auto& [name, caption] : pending) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(name));
        page->setEnabled(false);
        PageControl1->setTabEnabled(PageControl1->addTab(page, QString::fromUtf8(caption)), false);
    }

    // Enter moves to the next field instead of pressing a button.
    for (QLineEdit* edit : {edtName, edtDwjc, edtB0114}) {
        connect(edit, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
    }
    for (QPushButton* button : {btnOK, btnCancel}) {
        button->setAutoDefault(false);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, &TDepFormS::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    startAdding(0);
}

void TDepFormS::fillParents() {
    cbParent->clear();
    cbParent->addItem(kTopLevel, 0);
    const units::UnitForest roots = units::loadUnitTree(dm_.db());
    for (const units::UnitNode* node : units::displayOrder(roots)) {
        // Two full-width spaces per level show the depth.
        cbParent->addItem(QString(node->level * 2, QChar(0x3000)) + node->caption, node->ID);
    }
}

void TDepFormS::selectParent(int parentId) {
    // A parent that is not in the tree is shown at top level, as the tree shows it.
    const int at = cbParent->findData(parentId);
    cbParent->setCurrentIndex(at < 0 ? 0 : at);
}

void TDepFormS::startAdding(int parentId) {
    adding_ = true;
    unitId_ = 0;
    savedId_ = 0;
    edtName->clear();
    edtDwjc->clear();
    rbDep->setChecked(true);
    cbDwxz->setCurrentIndex(0);
    edtB0114->clear();
    cbB0127->setCurrentIndex(0);
    cbB0124->setCurrentIndex(0);
    selectParent(parentId);
    PageControl1->setCurrentIndex(0);
    edtName->setFocus();
}

bool TDepFormS::startEditing(int id) {
    const auto unit = dm_.db().query(QStringLiteral("select * from tb_department where ID=") +
                                     QString::number(id));
    if (!unit || unit->rows.empty()) {
        return false;
    }
    adding_ = false;
    unitId_ = id;
    savedId_ = 0;
    const auto text = [&unit](const char* column) {
        return unit->value(0, QString::fromLatin1(column)).toString();
    };
    edtName->setText(text("name"));
    edtDwjc->setText(text("dwjc"));
    (unit->value(0, QStringLiteral("isDep")).toBool() ? rbDep : rbGroup)->setChecked(true);
    const QString nature = text("dwxz");
    int at = cbDwxz->findText(nature);
    if (at < 0) {
        cbDwxz->addItem(nature);
        at = cbDwxz->count() - 1;
    }
    cbDwxz->setCurrentIndex(at);
    edtB0114->setText(text("B0114"));
    selectData(cbB0127, text("B0127"));
    selectData(cbB0124, text("B0124"));
    selectParent(unit->value(0, QStringLiteral("parentID")).toInt());
    PageControl1->setCurrentIndex(0);
    edtName->setFocus();
    return true;
}

void TDepFormS::btnOKClick() {
    if (edtName->text().trimmed().isEmpty()) {
        app::showInformation(units::kEmptyName);
        edtName->setFocus();
        return;
    }
    units::UnitFields fields;
    fields.name = edtName->text();
    fields.dwjc = edtDwjc->text();
    fields.isDep = rbDep->isChecked();
    fields.parentID = cbParent->currentData().toInt();
    fields.otherFields.insert(QStringLiteral("dwxz"), stored(cbDwxz->currentText()));
    fields.otherFields.insert(QStringLiteral("B0114"), stored(edtB0114->text()));
    fields.otherFields.insert(QStringLiteral("B0127"), stored(cbB0127->currentData().toString()));
    fields.otherFields.insert(QStringLiteral("B0124"), stored(cbB0124->currentData().toString()));

    units::UnitTree tree(dm_);
    const units::Outcome outcome = adding_ ? tree.addUnit(fields) : tree.editUnit(unitId_, fields);
    if (!outcome) {
        app::showInformation(outcome.message.isEmpty() ? dm_.db().lastError() : outcome.message);
        return;
    }
    savedId_ = outcome.id;
    accept();
}

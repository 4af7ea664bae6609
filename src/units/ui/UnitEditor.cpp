#include "units/ui/UnitEditor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cstddef>
#include <initializer_list>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "db/Database.h"
#include "units/OrganisationHistory.h"
#include "units/Quotas.h"
#include "units/UnitCodes.h"
#include "units/UnitNatures.h"
#include "units/UnitTree.h"
#include "units/ui/TAddBzForm.h"
#include "units/ui/TZsSetForm.h"
#include "units/ui/UnitPickerEdit.h"
#include "widgets/DialogParts.h"

namespace {

// An empty entry first, then the codes; the item data is the code.
template <std::size_t N>
void fillCodes(QComboBox* box, const units::UnitCode (&codes)[N]) {
    box->addItem(QString(), QString());
    for (const units::UnitCode& c : codes) {
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

// A read-only grid with whole-row selection.
QTableWidget* makeGrid(const char* name, const QStringList& captions) {
    auto* grid = new QTableWidget(0, static_cast<int>(captions.size()));
    grid->setObjectName(QString::fromLatin1(name));
    grid->setHorizontalHeaderLabels(captions);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    return grid;
}

// A grid with its "添 加", "删 除", "修 改" buttons below.
QWidget* gridPage(const char* name, QTableWidget* grid,
                  std::initializer_list<QPushButton*> buttons) {
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons) {
        row->addWidget(button);
    }
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grid);
    layout->addLayout(row);
    return page;
}

void setCell(QTableWidget* grid, int row, int column, const QString& text,
             const QVariant& key = {}) {
    auto* item = new QTableWidgetItem(text);
    if (key.isValid()) {
        item->setData(Qt::UserRole, key);
    }
    grid->setItem(row, column, item);
}

// The key stored in the first cell of the selected row; invalid when no row is selected.
QVariant selectedKey(QTableWidget* grid) {
    const QList<QTableWidgetItem*> items = grid->selectedItems();
    if (items.isEmpty()) {
        return {};
    }
    const QTableWidgetItem* first = grid->item(items.first()->row(), 0);
    return first != nullptr ? first->data(Qt::UserRole) : QVariant();
}

constexpr int kQuotaTab = 1;
constexpr int kStaffingTab = 2;
constexpr int kHistoryTab = 3;

}  // namespace

const QString UnitEditor::kSelectToDelete = QStringLiteral("请先在表格中选择要删除的项.");
const QString UnitEditor::kSelectToEdit = QStringLiteral("请先在表格中选择要修改的项.");
const QString UnitEditor::kConfirmDeleteStaffing = QStringLiteral("确认删除当前编制?");
const QString UnitEditor::kConfirmDeleteQuota = QStringLiteral("确认删除当前职数?");

UnitEditor::UnitEditor(TDataM& dm, const QString& groupCaption, QWidget* parent)
    : QWidget(parent),
      dm_(dm),
      PageControl1(new QTabWidget(this)),
      edtName(new QLineEdit),
      edtDwjc(new QLineEdit),
      parentBox_(new UnitPickerEdit(QStringLiteral("edtParent"), QStringLiteral("btnNoParent"))),
      rbDep(new QRadioButton(QStringLiteral("真实单位/部门"))),
      rbGroup(new QRadioButton(groupCaption)),
      cbDwxz(new QComboBox),
      edtB0114(new QLineEdit),
      cbB0127(new QComboBox),
      cbB0124(new QComboBox),
      gridZs(makeGrid("gridZs",
                      {QStringLiteral("职务名称"), QStringLiteral("职务类别"),
                       QStringLiteral("设定数"), QStringLiteral("当前人数"), QStringLiteral("状况"),
                       QStringLiteral("记录组织史"), QStringLiteral("说明")})),
      btnZsAdd(widgets::namedButton("btnZsAdd", QStringLiteral("添 加"))),
      btnZsDel(widgets::namedButton("btnZsDel", QStringLiteral("删 除"))),
      btnZsEdit(widgets::namedButton("btnZsEdit", QStringLiteral("修 改"))),
      gridBz(makeGrid("gridBz", {QStringLiteral("编制类型"), QStringLiteral("设定数"),
                                 QStringLiteral("当前数")})),
      btnBzAdd(widgets::namedButton("btnBzAdd", QStringLiteral("添 加"))),
      btnBzDel(widgets::namedButton("btnBzDel", QStringLiteral("删 除"))),
      btnBzEdit(widgets::namedButton("btnBzEdit", QStringLiteral("修 改"))),
      gridHistory(makeGrid("gridHistory", {QStringLiteral("时间"), QStringLiteral("干部名称"),
                                           QStringLiteral("所任职务")})),
      cbManualHistory(new QCheckBox(QStringLiteral("手工修改"), this)) {
    setObjectName(QStringLiteral("UnitEditor"));
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    edtName->setObjectName(QStringLiteral("edtName"));
    edtDwjc->setObjectName(QStringLiteral("edtDwjc"));
    parentBox_->setDatabase(&dm_.db());
    rbDep->setObjectName(QStringLiteral("rbDep"));
    rbGroup->setObjectName(QStringLiteral("rbGroup"));
    cbDwxz->setObjectName(QStringLiteral("cbDwxz"));
    edtB0114->setObjectName(QStringLiteral("edtB0114"));
    cbB0127->setObjectName(QStringLiteral("cbB0127"));
    cbB0124->setObjectName(QStringLiteral("cbB0124"));

    edtName->setMaxLength(255);
    edtDwjc->setMaxLength(255);
    edtB0114->setMaxLength(12);
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(rbDep);
    kinds->addButton(rbGroup);
    rbDep->setChecked(true);

    cbDwxz->addItem(QString());
    if (const Result<QStringList> natures = units::natureNames(dm_.db())) {
        cbDwxz->addItems(*natures);
    }
    fillCodes(cbB0127, units::kUnitLevels);
    fillCodes(cbB0124, units::kUnitAffiliations);

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
    fields->addRow(QStringLiteral("上级单位："), parentBox_);
    fields->addRow(QStringLiteral("类    型："), kindRow);
    fields->addRow(QString(), hint);
    fields->addRow(QStringLiteral("单位性质："), cbDwxz);
    fields->addRow(QStringLiteral("组织机构代码："), edtB0114);
    fields->addRow(QStringLiteral("单位级别："), cbB0127);
    fields->addRow(QStringLiteral("单位隶属关系："), cbB0124);
    PageControl1->addTab(basic, QStringLiteral("基本信息"));
    PageControl1->addTab(gridPage("tsQuota", gridZs, {btnZsAdd, btnZsDel, btnZsEdit}),
                         QStringLiteral("职数设置"));
    PageControl1->addTab(gridPage("tsStaffing", gridBz, {btnBzAdd, btnBzDel, btnBzEdit}),
                         QStringLiteral("人员编制"));
    // The organisation history is read from the posts; editing it by hand has no store yet.
    auto* history = new QWidget;
    history->setObjectName(QStringLiteral("tsHistory"));
    auto* historyLayout = new QVBoxLayout(history);
    historyLayout->addWidget(gridHistory);
    historyLayout->addWidget(cbManualHistory);
    cbManualHistory->setObjectName(QStringLiteral("cbManualHistory"));
    cbManualHistory->setEnabled(false);
    PageControl1->addTab(history, QStringLiteral("组织史管理"));
    connect(PageControl1, &QTabWidget::currentChanged, this, &UnitEditor::tabShown);
    connect(btnZsAdd, &QPushButton::clicked, this, &UnitEditor::quotaAdd);
    connect(btnZsDel, &QPushButton::clicked, this, &UnitEditor::quotaDelete);
    connect(btnZsEdit, &QPushButton::clicked, this, &UnitEditor::quotaEdit);
    connect(btnBzAdd, &QPushButton::clicked, this, &UnitEditor::staffingAdd);
    connect(btnBzDel, &QPushButton::clicked, this, &UnitEditor::staffingDelete);
    connect(btnBzEdit, &QPushButton::clicked, this, &UnitEditor::staffingEdit);

    // Enter moves to the next field instead of pressing a button.
    for (QLineEdit* edit : {edtName, edtDwjc, edtB0114}) {
        connect(edit, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);
    startAdding(0);
}

int UnitEditor::parentId() const {
    return parentBox_->unitId();
}

void UnitEditor::resetPages(bool adding, int unitId) {
    adding_ = adding;
    unitId_ = unitId;
    pendingCleared_ = false;
    gridZs->setRowCount(0);
    gridBz->setRowCount(0);
    gridHistory->setRowCount(0);
    PageControl1->setTabEnabled(kStaffingTab, !adding);
    PageControl1->setTabEnabled(kHistoryTab, !adding);
    parentBox_->reload();
}

void UnitEditor::startAdding(int parentId) {
    resetPages(true, 0);
    edtName->clear();
    edtDwjc->clear();
    rbDep->setChecked(true);
    cbDwxz->setCurrentIndex(0);
    edtB0114->clear();
    cbB0127->setCurrentIndex(0);
    cbB0124->setCurrentIndex(0);
    parentBox_->setUnit(parentId);
    loaded_ = fieldValues();
    PageControl1->setCurrentIndex(0);
    edtName->setFocus();
}

bool UnitEditor::startEditing(int id) {
    const Result<db::QueryResult> unit = units::readUnitRecord(dm_.db(), id);
    if (!unit || unit->rows.empty()) {
        return false;
    }
    resetPages(false, id);
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
    parentBox_->setUnit(unit->value(0, QStringLiteral("parentID")).toInt());
    loaded_ = fieldValues();
    // Shown again on the same page, a grid page is refilled for the new unit.
    tabShown(PageControl1->currentIndex());
    edtName->setFocus();
    return true;
}

QStringList UnitEditor::fieldValues() const {
    return {edtName->text(),
            edtDwjc->text(),
            QString::number(parentBox_->unitId()),
            rbDep->isChecked() ? QStringLiteral("1") : QStringLiteral("0"),
            cbDwxz->currentText(),
            edtB0114->text(),
            cbB0127->currentData().toString(),
            cbB0124->currentData().toString()};
}

bool UnitEditor::isModified() const {
    return fieldValues() != loaded_;
}

void UnitEditor::setEditable(bool on) {
    editable_ = on;
    edtName->setReadOnly(!on);
    edtDwjc->setReadOnly(!on);
    edtB0114->setReadOnly(!on);
    parentBox_->setReadOnly(!on);
    for (QWidget* w : std::initializer_list<QWidget*>{rbDep, rbGroup, cbDwxz, cbB0127, cbB0124,
                                                      gridZs, btnZsAdd, btnZsDel, btnZsEdit, gridBz,
                                                      btnBzAdd, btnBzDel, btnBzEdit, gridHistory}) {
        w->setEnabled(on);
    }
}

bool UnitEditor::save() {
    if (edtName->text().trimmed().isEmpty()) {
        app::showInformation(units::kEmptyName);
        PageControl1->setCurrentIndex(0);
        edtName->setFocus();
        return false;
    }
    units::UnitFields fields;
    fields.name = edtName->text();
    fields.dwjc = edtDwjc->text();
    fields.isDep = rbDep->isChecked();
    fields.parentID = parentBox_->unitId();
    fields.otherFields.insert(QStringLiteral("dwxz"), stored(cbDwxz->currentText()));
    fields.otherFields.insert(QStringLiteral("B0114"), stored(edtB0114->text()));
    fields.otherFields.insert(QStringLiteral("B0127"), stored(cbB0127->currentData().toString()));
    fields.otherFields.insert(QStringLiteral("B0124"), stored(cbB0124->currentData().toString()));

    // A new unit and the re-pointing of its quota rows are written together.
    db::Transaction transaction(dm_.db());
    units::UnitTree tree(dm_);
    Result<int> saved = unitId_;
    if (adding_) {
        saved = tree.addUnit(fields);
    } else if (const Result<void> edited = tree.editUnit(unitId_, fields); !edited) {
        saved = edited.failure();
    }
    if (!saved) {
        app::showFailure(saved.failure());
        return false;
    }
    const Result<void> attached =
        adding_ ? units::attachPendingQuotas(dm_.db(), *saved) : Result<void>();
    if (!attached) {
        app::showFailure(attached.failure());
        return false;
    }
    if (!transaction.commit()) {
        app::showError(dm_.db().lastError());
        return false;
    }
    adding_ = false;
    unitId_ = *saved;
    PageControl1->setTabEnabled(kStaffingTab, true);
    PageControl1->setTabEnabled(kHistoryTab, true);
    parentBox_->reload();
    loaded_ = fieldValues();
    return true;
}

void UnitEditor::abandon() {
    // The quota rows of an abandoned creation go with it.
    if (adding_) {
        const Result<void> dropped = units::dropPendingQuotas(dm_.db());
        if (!dropped) {
            app::showFailure(dropped.failure());
        }
    }
}

void UnitEditor::tabShown(int index) {
    if (index == kQuotaTab) {
        if (adding_ && !pendingCleared_) {
            // Rows left by a creation that never finished.
            pendingCleared_ = units::dropPendingQuotas(dm_.db()).ok();
        }
        fillQuotas();
    } else if (index == kStaffingTab) {
        fillStaffing();
    } else if (index == kHistoryTab) {
        fillHistory();
    }
}

void UnitEditor::fillHistory() {
    const std::vector<units::HistoryLine> lines = units::organisationHistory(dm_.db(), unitId_);
    gridHistory->setRowCount(static_cast<int>(lines.size()));
    for (int row = 0; row < gridHistory->rowCount(); ++row) {
        const units::HistoryLine& line = lines[static_cast<size_t>(row)];
        const QString cells[] = {line.period, line.name, line.post};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            gridHistory->setItem(row, column, item);
        }
    }
}

void UnitEditor::fillQuotas() {
    const int selected = gridZs->currentRow();
    const Result<void> refreshed = units::refreshQuotaCounts(dm_.db(), unitId_);
    if (!refreshed) {
        app::showFailure(refreshed.failure());
    }
    const Result<std::vector<units::QuotaRow>> stored = units::loadQuotaRows(dm_.db(), unitId_);
    if (!stored) {
        app::showFailure(stored.failure());
    }
    const std::vector<units::QuotaRow> rows = stored ? *stored : std::vector<units::QuotaRow>();
    gridZs->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const units::QuotaRow& q = rows[static_cast<std::size_t>(r)];
        setCell(gridZs, r, 0, q.zwmc, q.zsId);
        setCell(gridZs, r, 1, q.zwtype);
        setCell(gridZs, r, 2, QString::number(q.zwrs));
        setCell(gridZs, r, 3, QString::number(q.dqrs));
        setCell(gridZs, r, 4, TDataM::QuotaState(q.dqrs, q.zwrs));
        setCell(gridZs, r, 5, q.zzs ? QStringLiteral("是") : QStringLiteral("否"));
        setCell(gridZs, r, 6, q.note);
    }
    if (selected >= 0 && selected < gridZs->rowCount()) {
        gridZs->selectRow(selected);
    }
}

void UnitEditor::fillStaffing() {
    const auto rows = units::refreshStaffing(dm_.db(), unitId_);
    if (!rows) {
        app::showError(dm_.db().lastError());
        gridBz->setRowCount(0);
        return;
    }
    gridBz->setRowCount(static_cast<int>(rows->size()));
    for (int r = 0; r < static_cast<int>(rows->size()); ++r) {
        const units::StaffingRow& b = (*rows)[static_cast<std::size_t>(r)];
        setCell(gridBz, r, 0, b.rybz, b.rybz);
        setCell(gridBz, r, 1, QString::number(b.bzs));
        setCell(gridBz, r, 2, QString::number(b.sjs));
    }
}

void UnitEditor::quotaAdd() {
    TZsSetForm dialog(dm_, unitId_, this);
    dialog.startAdding();
    if (dialog.exec() == QDialog::Accepted) {
        fillQuotas();
    }
}

void UnitEditor::quotaEdit() {
    const QVariant key = selectedKey(gridZs);
    if (!key.isValid()) {
        app::showInformation(kSelectToEdit);
        return;
    }
    TZsSetForm dialog(dm_, unitId_, this);
    if (!dialog.startEditing(key.toInt())) {
        fillQuotas();
        return;
    }
    if (dialog.exec() == QDialog::Accepted) {
        fillQuotas();
    }
}

void UnitEditor::quotaDelete() {
    const QVariant key = selectedKey(gridZs);
    if (!key.isValid()) {
        app::showInformation(kSelectToDelete);
        return;
    }
    if (!app::confirmAction(kConfirmDeleteQuota)) {
        return;
    }
    if (!units::deleteQuotaRow(dm_.db(), key.toInt())) {
        app::showError(dm_.db().lastError());
    }
    fillQuotas();
}

void UnitEditor::staffingAdd() {
    TAddBzForm dialog(dm_, unitId_, this);
    if (dialog.exec() == QDialog::Accepted) {
        fillStaffing();
    }
}

void UnitEditor::staffingEdit() {
    const QVariant key = selectedKey(gridBz);
    if (!key.isValid()) {
        app::showInformation(kSelectToEdit);
        return;
    }
    TAddBzForm dialog(dm_, unitId_, this);
    dialog.selectIdentity(key.toString());
    if (dialog.exec() == QDialog::Accepted) {
        fillStaffing();
    }
}

void UnitEditor::staffingDelete() {
    const QVariant key = selectedKey(gridBz);
    if (!key.isValid()) {
        app::showInformation(kSelectToDelete);
        return;
    }
    if (!app::confirmAction(kConfirmDeleteStaffing)) {
        return;
    }
    if (!units::deleteStaffing(dm_.db(), unitId_, key.toString())) {
        app::showError(dm_.db().lastError());
    }
    fillStaffing();
}

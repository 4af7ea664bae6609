#include "main/ui/PageDw.h"

#include <QAction>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "admin/Rights.h"
#include "admin/UnitReach.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"
#include "cadre/CadreDeletion.h"
#include "cadre/CadreRecord.h"
#include "cadre/ui/TCadreForm.h"
#include "cadre/ui/TDelCadreForm.h"
#include "cadre/ui/TDelZwForm.h"
#include "cadre/ui/TMzForm.h"
#include "cadre/ui/TPlzwSetForm.h"
#include "cadre/ui/TQueryForm1.h"
#include "cadre/ui/TRzForm.h"
#include "db/Database.h"
#include "main/CadreList.h"
#include "main/ui/CadreListModel.h"
#include "main/ui/TGbMoveInForm.h"
#include "units/Membership.h"
#include "units/UnitTree.h"
#include "widgets/CheckComboBox.h"
#include "widgets/ElidedLabel.h"
#include "widgets/GridExport.h"
#include "widgets/TMoveLineForm.h"

const QString PageDw::kNoUnit = QStringLiteral("请先新建单位.");
const QString PageDw::kSelectToView = QStringLiteral("请先在表格中选择要查看的项.");
const QString PageDw::kSelectToDelete = QStringLiteral("请先在表格中选择要删除的项.");
const QString PageDw::kSelectToMove = QStringLiteral("请在列表中选中要移动的干部。");
const QString PageDw::kSelectCadre = QStringLiteral("请先在表格中选择干部.");

PageDw::PageDw(TDataM& dm, cadre::PickLists& lists, QWidget* parent)
    : QWidget(parent),
      dm_(dm),
      lists_(lists),
      lblHeading(new ElidedLabel),
      lblHint(new QLabel(QStringLiteral("(正 副 非领导职务 状态)"))),
      cbCadreType(new CheckComboBox),
      toolBar_(new QToolBar),
      grid_(new QTableView),
      model_(new CadreListModel(this)),
      lblCount(new QLabel) {
    setObjectName(QStringLiteral("PageDw"));
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    QFont headingFont = lblHeading->font();
    headingFont.setPointSize(headingFont.pointSize() + 4);
    headingFont.setBold(true);
    lblHeading->setFont(headingFont);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->hide();
    cbCadreType->setObjectName(QStringLiteral("cbCadreType"));
    cbCadreType->setItems(cadre::kCadreTypes);
    cbCadreType->setEmptyText(QStringLiteral("请选择"));
    cbCadreType->setMinimumWidth(160);
    toolBar_->setObjectName(QStringLiteral("tbCadreList"));
    grid_->setObjectName(QStringLiteral("cxGrid2DBTableView1"));
    lblCount->setObjectName(QStringLiteral("lblCount"));

    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The list starts in its own order; a click on a header sorts by that column.
    grid_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    grid_->setSortingEnabled(true);
    grid_->horizontalHeader()->setSectionsMovable(true);
    grid_->horizontalHeader()->setSortIndicatorShown(true);
    grid_->verticalHeader()->setDefaultSectionSize(30);
    grid_->verticalHeader()->hide();
    grid_->setDragEnabled(true);
    grid_->setDragDropMode(QAbstractItemView::DragOnly);
    // A click on the header of "序号" goes back to the list's own order (the model sorts so).
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (column == CadreListModel::columnOf("zwOrder")) {
            grid_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        }
    });
    connect(model_, &CadreListModel::readFailed, this,
            [](const QString& text) { app::showError(text); });

    // The column toggles of "定制显示".
    for (size_t i = 0; i < kCadreListGridColumns.size(); ++i) {
        const CadreListColumn& column = kCadreListGridColumns[i];
        auto* toggle = new QAction(QString::fromUtf8(column.caption), this);
        toggle->setObjectName(QStringLiteral("tbCol") + QString::fromLatin1(column.field));
        toggle->setCheckable(true);
        toggle->setChecked(column.shownAtStart);
        grid_->setColumnHidden(static_cast<int>(i), !column.shownAtStart);
        connect(toggle, &QAction::toggled, this,
                [this, i](bool on) { grid_->setColumnHidden(static_cast<int>(i), !on); });
        columnToggles_ << toggle;
    }

    addAction("actCadreDetail", QStringLiteral("干部详细"));
    addAction("actNewCadre", QStringLiteral("新录入干部"));
    connect(addAction("actAddExisting", QStringLiteral("从已有干部库中加入干部")),
            &QAction::triggered, this, &PageDw::addExistingCadres);
    // The same command under its short caption, beside the list.
    connect(addAction("actAddOnly", QStringLiteral("仅加入")), &QAction::triggered, this,
            &PageDw::addExistingCadres);
    connect(addAction("actMoveUp", QStringLiteral("上移")), &QAction::triggered, this,
            &PageDw::moveUp);
    connect(addAction("actMoveDown", QStringLiteral("下移")), &QAction::triggered, this,
            &PageDw::moveDown);
    connect(addAction("actMoveTo", QStringLiteral("移动到")), &QAction::triggered, this,
            &PageDw::moveToRow);
    connect(addAction("actDeleteCadre", QStringLiteral("删除干部")), &QAction::triggered, this,
            &PageDw::deleteCadre);
    QAction* subordinates = addAction("actShowSubordinates", QStringLiteral("显示下级"));
    subordinates->setCheckable(true);
    connect(subordinates, &QAction::toggled, this, &PageDw::showSubordinates);
    // The list as shown, with its count, to a new workbook named after the unit.
    connect(addAction("actExportExcel", QStringLiteral("导出Excel")), &QAction::triggered, this,
            [this] {
                widgets::exportGrid(*grid_, this, lblHeading->text() + QStringLiteral(".xlsx"),
                                    {lblCount->text()});
            });
    connect(action("actCadreDetail"), &QAction::triggered, this, &PageDw::openCadre);
    connect(action("actNewCadre"), &QAction::triggered, this, &PageDw::newCadre);
    // The grid finishes its own click handling before the editor opens.
    connect(grid_, &QTableView::doubleClicked, this,
            [this] { QTimer::singleShot(0, this, &PageDw::openCadre); });
    for (const char* name : {"actAddOnly", "actMoveUp", "actMoveDown", "actMoveTo",
                             "actDeleteCadre", "actShowSubordinates", "actExportExcel"}) {
        toolBar_->addAction(action(name));
    }
    toolBar_->addSeparator();
    toolBar_->addWidget(new QLabel(QStringLiteral("干部类型：")));
    toolBar_->addWidget(cbCadreType);
    connect(cbCadreType, &CheckComboBox::closed, this, &PageDw::reload);
    buildChartMenu();

    auto* heading = new QHBoxLayout;
    heading->addWidget(lblHeading);
    heading->addSpacing(20);
    heading->addWidget(lblHint);
    heading->addStretch();
    auto* footer = new QHBoxLayout;
    footer->addStretch();
    footer->addWidget(lblCount);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(toolBar_);
    layout->addWidget(grid_, 1);
    layout->addLayout(footer);
    updateCommands();
}

void PageDw::buildChartMenu() {
    auto* menu = new QMenu(QStringLiteral("报表图表"), this);
    menu->setObjectName(QStringLiteral("mnuDwCharts"));
    const std::pair<const char*, QString> entries[] = {
        {"actChartAge", QStringLiteral("干部年龄分析图")},
        {"actChartSex", QStringLiteral("男,女干部比例分析图")},
        {"actChartEducation", QStringLiteral("干部学历分析图")},
        {"actChartParty", QStringLiteral("党内外干部组成分析图")},
        {"actChartNationality", QStringLiteral("干部民族组成分析图")}};
    // In the order of statistics::ChartKind.
    int kind = 0;
    for (const auto& [name, caption] : entries) {
        QAction* entry = addAction(name, caption);
        connect(entry, &QAction::triggered, this, [this, kind] { Q_EMIT chartRequested(kind); });
        menu->addAction(entry);
        ++kind;
    }
    auto* button = new QToolButton(toolBar_);
    button->setText(menu->title());
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    toolBar_->addSeparator();
    toolBar_->addWidget(button);
}

QString PageDw::heading() const {
    return lblHeading->text();
}

QAction* PageDw::addAction(const char* name, const QString& caption) {
    auto* act = new QAction(caption, this);
    act->setObjectName(QString::fromLatin1(name));
    actions_.insert(act->objectName(), act);
    return act;
}

QAction* PageDw::action(const char* name) const {
    return actions_.value(QString::fromLatin1(name));
}

bool PageDw::showsSubordinates() const {
    return action("actShowSubordinates")->isChecked();
}

int PageDw::cadreTypes() const {
    return cbCadreType->value();
}

int PageDw::rowCount() const {
    return model_->rowCount();
}

int PageDw::selectedRow() const {
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid() || !grid_->selectionModel()->isRowSelected(current.row(), {})) {
        return -1;
    }
    return current.row();
}

bool PageDw::selectRow(int row) {
    if (row < 0 || row >= model_->rowCount()) {
        return false;
    }
    const QModelIndex index = model_->index(row, 0);
    grid_->setCurrentIndex(index);
    grid_->selectRow(index.row());
    grid_->scrollTo(index);
    return true;
}

void PageDw::loadList(int unitId, const QString& name, bool isDep, const QString& dwIndex) {
    unitId_ = unitId;
    isDep_ = isDep;
    unitIndex_ = dwIndex;
    lblHeading->setText(unitId == 0 ? QString() : name);
    lblHint->setVisible(unitId != 0 && isDep);
    reload();
}

void PageDw::reload() {
    const int selected = selectedRow();
    const QVariant keptRow = model_->value(selected, "CnID");
    if (unitId_ == 0) {
        model_->clear();
    } else {
        const bool subtree = showsSubordinates();
        const Result<void> loaded = model_->load(
            dm_.db(), mainwin::cadreListQuery(unitId_, subtree ? unitIndex_ : QString(),
                                              mainwin::cadreTypeCondition(cbCadreType->value()),
                                              QDate::currentDate()));
        if (!loaded) {
            app::showError(loaded.errorText());
        }
    }
    lblCount->setText(QStringLiteral("合计：%1").arg(model_->rowCount()));
    locate("CnID", keptRow, 0);
    updateCommands();
}

void PageDw::locate(const char* field, const QVariant& value, int fallbackRow) {
    if (value.isValid()) {
        const int row = qstrcmp(field, "CnID") == 0 ? model_->rowOfMembership(value.toInt())
                                                    : model_->rowOfCadre(value.toInt());
        if (selectRow(row)) {
            return;
        }
    }
    if (!selectRow(fallbackRow)) {
        selectRow(model_->rowCount() - 1);
    }
}

void PageDw::updateCommands() {
    const bool subtree = showsSubordinates();
    action("actShowSubordinates")
        ->setText(subtree ? QStringLiteral("隐藏下级") : QStringLiteral("显示下级"));
    action("actMoveUp")->setEnabled(!subtree);
    action("actMoveDown")->setEnabled(!subtree);
    action("actMoveTo")->setEnabled(!subtree);
    const int nameColumn = CadreListModel::columnOf("name");
    grid_->setColumnHidden(nameColumn, !subtree);
}

void PageDw::showSubordinates(bool on) {
    if (!on) {
        reload();
        return;
    }
    const app::ProgressScope wait(QStringLiteral("正在显示下级单位人员..."));
    reload();
}

bool PageDw::mayChange() {
    if (!admin::HasRight(dm_, QStringLiteral("WGB"))) {
        return false;
    }
    if (unitId_ == 0) {
        app::showInformation(kNoUnit);
        return false;
    }
    return admin::MayChangeUnit(dm_, unitId_);
}

void PageDw::addExistingCadres() {
    if (!mayChange()) {
        return;
    }
    TQueryForm1 picker(dm_, 0, this);
    if (picker.exec() != QDialog::Accepted) {
        return;
    }
    const Result<int> added = [&] {
        const app::ProgressScope wait(QStringLiteral("正在加入干部"));
        return units::addMembers(dm_, unitId_, picker.pickedCadreIds());
    }();
    if (!added) {
        app::showFailure(added.failure());
    }
    reload();
}

void PageDw::moveUp() {
    swapWithNeighbour(-1);
}

void PageDw::moveDown() {
    swapWithNeighbour(1);
}

int PageDw::rowToMove() {
    if (!admin::HasRight(dm_, QStringLiteral("WGB")) || !admin::MayChangeUnit(dm_, unitId_)) {
        return -1;
    }
    const int row = selectedRow();
    if (row < 0) {
        app::showInformation(kSelectToMove);
        return -1;
    }
    // Rows move in the list's own order, not in that of a column sort.
    const int cnId = model_->value(row, "CnID").toInt();
    grid_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    return model_->rowOfMembership(cnId);
}

void PageDw::swapWithNeighbour(int step) {
    const int row = rowToMove();
    if (row < 0) {
        return;
    }
    const int other = row + step;
    if (other < 0 || other >= model_->rowCount()) {
        return;
    }
    const QVariant cnId = model_->value(row, "CnID");
    const Result<void> swapped = units::swapMemberOrders(
        dm_, model_->value(row, "zwOrder").toInt(), cnId.toInt(),
        model_->value(other, "zwOrder").toInt(), model_->value(other, "CnID").toInt());
    if (!swapped) {
        app::showFailure(swapped.failure());
    }
    reload();
    locate("CnID", cnId, row);
}

void PageDw::moveToRow() {
    const int row = rowToMove();
    if (row < 0) {
        return;
    }
    TMoveLineForm form(model_->rowCount(), this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    const int target = form.targetRow() - 1;
    const int cadreId = model_->value(row, "CadreID").toInt();
    if (target == row || model_->value(target, "CadreID").toInt() == cadreId) {
        return;
    }
    const Result<void> moved =
        units::moveMemberTo(dm_, unitId_, cadreId, model_->value(row, "zwOrder").toInt(),
                            model_->value(target, "zwOrder").toInt());
    if (!moved) {
        app::showFailure(moved.failure());
    }
    const QVariant cnId = model_->value(row, "CnID");
    reload();
    locate("CnID", cnId, target);
}

void PageDw::deleteCadre() {
    if (!mayChange()) {
        return;
    }
    const int row = selectedRow();
    if (row < 0) {
        app::showInformation(kSelectToDelete);
        return;
    }
    TDelCadreForm form(model_->value(row, "xm").toString(), this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    // The cadre after the removed row is shown afterwards (or the last row).
    const QVariant following = model_->value(row + 1, "CnID");
    const Result<void> removed = cadre::removeFromUnit(dm_, model_->value(row, "CadreID").toInt(),
                                                       model_->value(row, "dwID").toInt(),
                                                       form.way(), form.removalMonthText());
    if (!removed) {
        app::showFailure(removed.failure());
    }
    reload();
    locate("CnID", following, model_->rowCount() - 1);
    Q_EMIT cadresChanged();
}

void PageDw::dropOnUnit(int unitId, const QString& unitName, const DraggedCadre& cadre) {
    if (unitId == 0 || unitId == unitId_ || model_->rowCount() == 0) {
        return;
    }
    // The cadre leaves a unit and joins another: both are to be within the account's units.
    if (!admin::HasRight(dm_, QStringLiteral("WGB")) || !admin::MayChangeUnit(dm_, unitId_) ||
        !admin::MayChangeUnit(dm_, unitId)) {
        return;
    }
    // The new post is recorded under the name typed, so the box starts with the posts the
    // cadre held in the unit it leaves rather than the whole current-post text.
    TGbMoveInForm form(cadre.name, unitName, cadre.postsInUnit, lblHeading->text(), this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    const Result<void> moved =
        mainwin::transferMember(dm_, cadre.cadreId, cadre.unitId, unitId, form.leaveOldUnit(),
                                form.monthText(), form.postName());
    if (!moved) {
        app::showFailure(moved.failure());
    }
    reload();
}

int PageDw::cadreForPosts() {
    if (!mayChange() || !admin::HasRight(dm_, QStringLiteral("GBRZW"))) {
        return 0;
    }
    const int row = selectedRow();
    if (row < 0) {
        app::showInformation(kSelectCadre);
        return 0;
    }
    return model_->value(row, "CadreID").toInt();
}

void PageDw::addPost() {
    const int cadreId = cadreForPosts();
    if (cadreId == 0) {
        return;
    }
    TRzForm form(dm_, cadreId, this);
    form.startNew(true, unitId_, true);
    form.exec();
    if (form.changed()) {
        reload();
    }
}

void PageDw::removePosts() {
    const int cadreId = cadreForPosts();
    if (cadreId == 0) {
        return;
    }
    TMzForm form(dm_, cadreId, unitId_, this);
    if (form.exec() == QDialog::Accepted) {
        reload();
    }
}

void PageDw::deletePosts() {
    const int cadreId = cadreForPosts();
    if (cadreId == 0) {
        return;
    }
    TDelZwForm form(dm_, cadreId, unitId_, this);
    if (form.exec() == QDialog::Accepted) {
        reload();
    }
}

void PageDw::setPostsByCategory() {
    if (!mayChange() || !admin::HasRight(dm_, QStringLiteral("GBRZW"))) {
        return;
    }
    TPlzwSetForm form(dm_, unitId_, this);
    form.exec();
    if (form.changed()) {
        reload();
    }
}

void PageDw::runEditor(TCadreForm& editor) {
    editor.exec();
    Q_EMIT cadresChanged();
    if (!editor.changed()) {
        return;
    }
    reload();
    locate("CadreID", editor.lastCadreId(), selectedRow());
}

void PageDw::openCadre() {
    if (unitId_ == 0) {
        app::showInformation(kNoUnit);
        return;
    }
    const int row = selectedRow();
    if (row < 0) {
        app::showInformation(kSelectToView);
        return;
    }
    TCadreForm editor(dm_, lists_, this);
    if (const Result<void> opened = editor.openCadre(model_->value(row, "CadreID").toInt());
        !opened) {
        app::showFailure(opened.failure());
        return;
    }
    runEditor(editor);
}

void PageDw::newCadre() {
    if (!mayChange()) {
        return;
    }
    TCadreForm editor(dm_, lists_, this);
    editor.startNewCadre(unitId_);
    runEditor(editor);
}

void PageDw::openLibrary() {
    TCadreForm editor(dm_, lists_, this);
    editor.startLibrary();
    runEditor(editor);
}

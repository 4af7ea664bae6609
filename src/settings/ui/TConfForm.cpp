#include "settings/ui/TConfForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"
#include "schema/FirstRunSetup.h"
#include "units/UnitNatures.h"
#include "units/ui/TZwjForm.h"
#include "widgets/DialogParts.h"

namespace {

QLineEdit* namedEdit(const QString& name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    return edit;
}

QSpinBox* namedSpin(const char* name, int least, int most, const QString& suffix = {}) {
    auto* spin = new QSpinBox;
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(least, most);
    spin->setSuffix(suffix);
    return spin;
}

QCheckBox* namedCheck(const char* name, const QString& caption) {
    auto* check = new QCheckBox(caption);
    check->setObjectName(QString::fromLatin1(name));
    return check;
}

// A label of a rule stated on a page.
QLabel* note(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

QTableWidget* leveledGrid(const char* name, const QString& caption) {
    auto* grid = new QTableWidget(0, 2);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setHorizontalHeaderLabels({caption, QStringLiteral("等级")});
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

// The name cell of a row shown from the stored list holds the row's position in that list, so
// that the entry edited in the row is written back to the row it was read from.
constexpr int kShownEntryRole = Qt::UserRole;

void showLeveled(QTableWidget* grid, const QList<settings::LeveledName>& names) {
    grid->setRowCount(static_cast<int>(names.size()));
    for (int row = 0; row < grid->rowCount(); ++row) {
        auto* name = new QTableWidgetItem(names.at(row).name);
        name->setData(kShownEntryRole, row);
        grid->setItem(row, 0, name);
        grid->setItem(row, 1, new QTableWidgetItem(QString::number(names.at(row).level)));
    }
}

QList<settings::LeveledName> leveledOf(const QTableWidget* grid,
                                       const QList<settings::LeveledName>& shown) {
    QList<settings::LeveledName> names;
    for (int row = 0; row < grid->rowCount(); ++row) {
        const QTableWidgetItem* name = grid->item(row, 0);
        const QTableWidgetItem* level = grid->item(row, 1);
        settings::LeveledName entry;
        entry.name = name != nullptr ? name->text().trimmed() : QString();
        entry.level = level != nullptr ? level->text().trimmed().toInt() : 0;
        bool fromShown = false;
        const int position = name != nullptr ? name->data(kShownEntryRole).toInt(&fromShown) : 0;
        if (fromShown && position >= 0 && position < shown.size()) {
            entry.stored = shown.at(position).stored;
        }
        names.append(entry);
    }
    return names;
}

}  // namespace

TConfForm::TConfForm(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      PageControl1(new QTabWidget),
      cbUserType(new QComboBox),
      edtName(namedEdit(QStringLiteral("edtName"))),
      spinMale(namedSpin("spinMale", 40, 80)),
      spinFemale(namedSpin("spinFemale", 40, 80)),
      chkAutoSave(namedCheck("chkAutoSave", QStringLiteral("软件关闭时，自动保存用户设置"))),
      chkZwLock(namedCheck("chkZwLock",
                           QStringLiteral("锁定干部基本信息中现任职务、任职时间，不随“任职详细”"
                                          "自动变化"))),
      chkBackup(namedCheck("chkBackup", QStringLiteral("启用自动备份"))),
      spinDays(namedSpin("spinDays", 0, 365)),
      spinKeep(namedSpin("spinKeep", 1, 999)),
      edtFolder(namedEdit(QStringLiteral("edtFolder"))),
      edtRemark(namedEdit(QStringLiteral("edtRemark"))),
      lstCategories(new QListWidget),
      edtCategory(namedEdit(QStringLiteral("edtCategory"))),
      chkAllowEdit(namedCheck("chkAllowEdit", QStringLiteral("允许修改"))),
      gridZj(leveledGrid("gridZj", QStringLiteral("职级"))),
      gridXl(leveledGrid("gridXl", QStringLiteral("学历"))),
      gridXz(leveledGrid("gridXz", QStringLiteral("单位性质"))),
      lstParams(new QListWidget),
      memoParams(new QPlainTextEdit),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("确 定"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setObjectName(QStringLiteral("TConfForm"));
    setWindowTitle(QStringLiteral("软件设置"));
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    cbUserType->setObjectName(QStringLiteral("cbUserType"));
    cbUserType->addItems(schema::userTypeNames());
    lstCategories->setObjectName(QStringLiteral("lstCategories"));
    PageControl1->addTab(makeGeneralPage(), QStringLiteral("基本设置"));
    PageControl1->addTab(makeBackupPage(), QStringLiteral("自动备份"));
    PageControl1->addTab(makeFieldsPage(), QStringLiteral("自定义字段"));
    PageControl1->addTab(makeCategoriesPage(), QStringLiteral("职务类别"));
    PageControl1->addTab(makeLeveledPage(gridZj, "btnAddZj", "btnDeleteZj", settings::kDeleteRank,
                                         {settings::kRankNote, settings::kRankSortNote}),
                         QStringLiteral("职级管理"));
    PageControl1->addTab(makeLeveledPage(gridXl, "btnAddXl", "btnDeleteXl",
                                         settings::kDeleteEducation, {settings::kEducationNote}),
                         QStringLiteral("学历管理"));
    PageControl1->addTab(makeNaturesPage(), QStringLiteral("单位性质"));
    PageControl1->addTab(makeParamsPage(), QStringLiteral("其他参数"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    auto* bottom = widgets::rightAlignedRow({btnOK, btnCancel});
    bottom->insertWidget(0, chkAllowEdit);
    layout->addLayout(bottom);
    connect(chkAllowEdit, &QCheckBox::toggled, this, &TConfForm::allowEditing);
    allowEditing(false);
    connect(btnOK, &QPushButton::clicked, this, &TConfForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    const Result<settings::SoftwareSettings> stored = settings::loadSettings(dm_);
    if (!stored) {
        app::showFailure(stored.failure());
        btnOK->setEnabled(false);
        return;
    }
    loaded_ = *stored;
    showSettings(loaded_);
}

QWidget* TConfForm::makeGeneralPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(QStringLiteral("使用者类型："), cbUserType);
    form->addRow(QStringLiteral("单位名称："), edtName);
    auto* ages = new QHBoxLayout;
    ages->addWidget(spinMale);
    ages->addWidget(new QLabel(QStringLiteral("岁   女")));
    ages->addWidget(spinFemale);
    ages->addWidget(new QLabel(QStringLiteral("岁")));
    ages->addStretch();
    form->addRow(QStringLiteral("退休提醒：   男"), ages);
    form->addRow(chkAutoSave);
    form->addRow(chkZwLock);
    return page;
}

QWidget* TConfForm::makeBackupPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(chkBackup);
    auto* days = new QHBoxLayout;
    days->addWidget(spinDays);
    days->addWidget(new QLabel(QStringLiteral("天自动备份一次")));
    days->addStretch();
    form->addRow(QStringLiteral("自动备份：每"), days);
    auto* keep = new QHBoxLayout;
    keep->addWidget(spinKeep);
    keep->addWidget(new QLabel(QStringLiteral("次备份记录")));
    keep->addStretch();
    form->addRow(QStringLiteral("保留最近"), keep);
    auto* folder = new QHBoxLayout;
    folder->addWidget(edtFolder, 1);
    auto* browse = widgets::namedButton("btnFolder", QStringLiteral("..."));
    folder->addWidget(browse);
    form->addRow(QStringLiteral("自动备份目录"), folder);
    form->addRow(note(QStringLiteral("1、单机版未设置备份目录时，自动备份到软件安装目录下")));
    form->addRow(note(QStringLiteral("2、网络版按服务器上备份文件夹填写")));
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen =
            QFileDialog::getExistingDirectory(this, QString(), edtFolder->text());
        if (!chosen.isEmpty()) {
            edtFolder->setText(chosen);
        }
    });
    return page;
}

QWidget* TConfForm::makeFieldsPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    for (int i = 0; i < settings::kCadreTypeCount; ++i) {
        edtTypes << namedEdit(QStringLiteral("edtType%1").arg(i + 1));
        form->addRow(QStringLiteral("类型%1：").arg(i + 1), edtTypes.last());
    }
    for (int i = 0; i < settings::kReservedNameCount; ++i) {
        edtReserved << namedEdit(QStringLiteral("edtRes%1").arg(i + 1));
        form->addRow(QStringLiteral("字符串%1：").arg(i + 1), edtReserved.last());
    }
    form->addRow(QStringLiteral("备  注："), edtRemark);
    return page;
}

QWidget* TConfForm::makeCategoriesPage() {
    auto* page = new QWidget;
    auto* add = widgets::namedButton("btnAddCategory", QStringLiteral("添 加"));
    auto* remove = widgets::namedButton("btnDeleteCategory", QStringLiteral("删 除"));
    auto* up = widgets::namedButton("btnCategoryUp", QStringLiteral("上 移"));
    auto* down = widgets::namedButton("btnCategoryDown", QStringLiteral("下 移"));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(edtCategory);
    for (QPushButton* button : {add, remove, up, down}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(lstCategories, 1);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(row, 1);
    layout->addWidget(note(QStringLiteral("注意：职务类别用于干部分类搜索，及单位职数统计")));

    connect(add, &QPushButton::clicked, this, [this] {
        const QString name = edtCategory->text().trimmed();
        if (!name.isEmpty() && lstCategories->findItems(name, Qt::MatchExactly).isEmpty()) {
            lstCategories->addItem(name);
            lstCategories->setCurrentRow(lstCategories->count() - 1);
            edtCategory->clear();
        }
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (lstCategories->currentItem() != nullptr &&
            app::confirmAction(QStringLiteral("删除当前选中项?"))) {
            delete lstCategories->takeItem(lstCategories->currentRow());
        }
    });
    connect(up, &QPushButton::clicked, this, [this] { moveCategory(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveCategory(1); });
    return page;
}

QWidget* TConfForm::makeLeveledPage(QTableWidget* grid, const char* addName, const char* deleteName,
                                    const QString& deleteQuestion, const QStringList& notes) {
    auto* page = new QWidget;
    auto* add = widgets::namedButton(addName, QStringLiteral("添 加"));
    auto* remove = widgets::namedButton(deleteName, QStringLiteral("删 除"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grid, 1);
    for (const QString& text : notes) {
        layout->addWidget(note(text));
    }
    layout->addLayout(widgets::rightAlignedRow({add, remove}));
    grid->installEventFilter(this);
    connect(add, &QPushButton::clicked, this, [this, grid] {
        if (!editingAllowed()) {
            return;
        }
        grid->insertRow(grid->rowCount());
        grid->setItem(grid->rowCount() - 1, 0, new QTableWidgetItem);
        grid->setItem(grid->rowCount() - 1, 1, new QTableWidgetItem(QStringLiteral("0")));
        grid->setCurrentCell(grid->rowCount() - 1, 0);
    });
    connect(remove, &QPushButton::clicked, this, [this, grid, deleteQuestion] {
        if (editingAllowed() && grid->currentRow() >= 0 && app::confirmAction(deleteQuestion)) {
            grid->removeRow(grid->currentRow());
        }
    });
    return page;
}

QWidget* TConfForm::makeParamsPage() {
    auto* page = new QWidget;
    lstParams->setObjectName(QStringLiteral("lstParams"));
    lstParams->addItems(settings::kParamListCaptions);
    memoParams->setObjectName(QStringLiteral("memoParams"));
    memoParams->installEventFilter(this);
    auto* restore = widgets::namedButton("btnRestoreParams", QStringLiteral("恢复默认"));
    auto* lists = new QVBoxLayout;
    lists->addWidget(new QLabel(QStringLiteral("参数")));
    lists->addWidget(lstParams, 1);
    auto* row = new QHBoxLayout;
    row->addLayout(lists);
    row->addWidget(memoParams, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(row, 1);
    layout->addLayout(widgets::rightAlignedRow({restore}));
    connect(lstParams, &QListWidget::currentRowChanged, this, [this](int chosen) {
        keepParamsText();
        shownParams_ = chosen;
        memoParams->setPlainText(params_.value(chosen).join(u'\n'));
    });
    connect(restore, &QPushButton::clicked, this, [this] {
        if (!editingAllowed() || shownParams_ < 0) {
            return;
        }
        const Result<QStringList> factory = settings::factoryParams(
            dm_.DbDir + QStringLiteral("Empty.db"), static_cast<settings::ParamList>(shownParams_));
        if (!factory) {
            app::showFailure(factory.failure());
            return;
        }
        memoParams->setPlainText(factory->join(u'\n'));
    });
    return page;
}

// The natures are written by their own dialog (TZwjForm) when it closes with OK.
QWidget* TConfForm::makeNaturesPage() {
    auto* page = new QWidget;
    gridXz->setHorizontalHeaderLabels({QStringLiteral("单位性质"), QStringLiteral("包含职务")});
    gridXz->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridXz->setSelectionBehavior(QAbstractItemView::SelectRows);
    auto* add = widgets::namedButton("btnAddXz", QStringLiteral("添 加"));
    auto* edit = widgets::namedButton("btnEditXz", QStringLiteral("修 改"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(gridXz, 1);
    layout->addLayout(widgets::rightAlignedRow({add, edit}));
    connect(add, &QPushButton::clicked, this, [this] { editNature(true); });
    connect(edit, &QPushButton::clicked, this, [this] { editNature(false); });
    showNatures();
    return page;
}

void TConfForm::showNatures() {
    const Result<QStringList> names = units::natureNames(dm_.db());
    if (!names) {
        app::showFailure(names.failure());
        return;
    }
    gridXz->setRowCount(static_cast<int>(names->size()));
    for (int row = 0; row < gridXz->rowCount(); ++row) {
        const Result<QStringList> posts = units::naturePosts(dm_.db(), names->at(row));
        gridXz->setItem(row, 0, new QTableWidgetItem(names->at(row)));
        gridXz->setItem(
            row, 1, new QTableWidgetItem(posts ? posts->join(QStringLiteral("、")) : QString()));
    }
}

void TConfForm::editNature(bool adding) {
    if (!editingAllowed() || (!adding && gridXz->currentRow() < 0)) {
        return;
    }
    TZwjForm form(dm_, this);
    if (adding) {
        form.startAdding();
    } else {
        form.startEditing(gridXz->item(gridXz->currentRow(), 0)->text());
    }
    if (form.exec() == QDialog::Accepted) {
        showNatures();
    }
}

bool TConfForm::editingAllowed() const {
    if (!chkAllowEdit->isChecked()) {
        app::showInformation(settings::kEditingOff);
        return false;
    }
    return true;
}

void TConfForm::allowEditing(bool on) {
    const auto triggers = on ? QAbstractItemView::DoubleClicked |
                                   QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed
                             : QAbstractItemView::NoEditTriggers;
    gridZj->setEditTriggers(triggers);
    gridXl->setEditTriggers(triggers);
    memoParams->setReadOnly(!on);
}

bool TConfForm::eventFilter(QObject* watched, QEvent* event) {
    // A key typed into a list while editing is off says how to turn it on.
    if (event->type() == QEvent::KeyPress && !chkAllowEdit->isChecked() &&
        (watched == gridZj || watched == gridXl || watched == memoParams)) {
        app::showInformation(settings::kEditingOff);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TConfForm::keepParamsText() {
    if (shownParams_ >= 0 && shownParams_ < params_.size()) {
        params_[shownParams_] = memoParams->toPlainText().split(u'\n');
    }
}

void TConfForm::moveCategory(int step) {
    const int row = lstCategories->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= lstCategories->count()) {
        return;
    }
    lstCategories->insertItem(target, lstCategories->takeItem(row));
    lstCategories->setCurrentRow(target);
}

void TConfForm::showSettings(const settings::SoftwareSettings& s) {
    cbUserType->setCurrentIndex(s.userType);
    edtName->setText(s.organisation);
    widgets::showStoredNumber(spinMale, 40, 80, s.ages.male);
    widgets::showStoredNumber(spinFemale, 40, 80, s.ages.female);
    chkAutoSave->setChecked(s.autoSave);
    chkZwLock->setChecked(s.postLock);
    chkBackup->setChecked(s.backupOn);
    widgets::showStoredNumber(spinDays, 0, 365, s.backupDays);
    widgets::showStoredNumber(spinKeep, 1, 999, s.backupKeep);
    edtFolder->setText(s.backupFolder);
    for (int i = 0; i < edtTypes.size(); ++i) {
        edtTypes[i]->setText(s.cadreTypes.value(i));
    }
    for (int i = 0; i < edtReserved.size(); ++i) {
        edtReserved[i]->setText(s.reservedNames.value(i));
    }
    edtRemark->setText(s.remarkName);
    lstCategories->clear();
    lstCategories->addItems(s.postCategories);
    showLeveled(gridZj, s.ranks);
    showLeveled(gridXl, s.educations);
    params_ = s.params;
    lstParams->setCurrentRow(0);
}

settings::SoftwareSettings TConfForm::collected() {
    keepParamsText();
    settings::SoftwareSettings s = loaded_;
    s.ranks = leveledOf(gridZj, loaded_.ranks);
    s.educations = leveledOf(gridXl, loaded_.educations);
    s.params = params_;
    s.userType = cbUserType->currentIndex();
    s.organisation = edtName->text().trimmed();
    s.ages = {spinMale->value(), spinFemale->value()};
    s.autoSave = chkAutoSave->isChecked();
    s.postLock = chkZwLock->isChecked();
    s.backupOn = chkBackup->isChecked();
    s.backupDays = spinDays->value();
    s.backupKeep = spinKeep->value();
    s.backupFolder = edtFolder->text().trimmed();
    s.cadreTypes.clear();
    for (const QLineEdit* edit : edtTypes) {
        s.cadreTypes << edit->text().trimmed();
    }
    s.reservedNames.clear();
    for (const QLineEdit* edit : edtReserved) {
        s.reservedNames << edit->text().trimmed();
    }
    s.remarkName = edtRemark->text().trimmed();
    s.postCategories.clear();
    for (int i = 0; i < lstCategories->count(); ++i) {
        s.postCategories << lstCategories->item(i)->text();
    }
    return s;
}

void TConfForm::btnOKClick() {
    const settings::SoftwareSettings s = collected();
    if (const QString problem = settings::fieldNameProblem(s); !problem.isEmpty()) {
        app::showInformation(problem);
        return;
    }
    Result<void> saved;
    {
        const app::ProgressScope wait(settings::kApplying);
        saved = settings::saveSettings(dm_, s);
    }
    if (!saved) {
        app::showFailure(saved.failure());
        return;
    }
    accept();
}

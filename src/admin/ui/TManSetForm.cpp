#include "admin/ui/TManSetForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "admin/Modules.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "units/ui/UnitTreeWidget.h"
#include "widgets/DialogParts.h"

TManSetForm::TManSetForm(TDataM& dm, admin::ManagerKind kind, int id, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      kind_(kind),
      id_(id),
      PageControl1(new QTabWidget),
      edtName(new QLineEdit),
      edtPassword(new QLineEdit),
      edtConfirm(new QLineEdit),
      cbGroup(new QComboBox),
      chkAssessSystem(new QCheckBox(QStringLiteral("干部考核系统"))),
      chkCadreSystem(new QCheckBox(QStringLiteral("干部管理系统"))),
      lstModules(new QListWidget),
      chkUnitLimit(
          new QCheckBox(QStringLiteral("采用单位划分权限，非管理范围内的干部限查看基本信息"))),
      tvUnits(new UnitTreeWidget),
      btnOk(widgets::namedButton("btnOk", QStringLiteral("确 定"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setObjectName(QStringLiteral("TManSetForm"));
    setWindowTitle(QStringLiteral("管理员设置"));
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(makeBasicPage(), QStringLiteral("基本属性"));
    PageControl1->addTab(makeModulesPage(), QStringLiteral("功能模块权限"));
    PageControl1->addTab(makeUnitsPage(), QStringLiteral("按单位划分权限"));
    btnOk->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    layout->addLayout(widgets::rightAlignedRow({btnOk, btnCancel}));
    resize(520, 560);
    connect(btnOk, &QPushButton::clicked, this, &TManSetForm::save);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    load();
}

QWidget* TManSetForm::makeBasicPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsBasic"));
    edtName->setObjectName(QStringLiteral("edtName"));
    edtName->setMaxLength(admin::kMaxNameLength);
    edtPassword->setObjectName(QStringLiteral("edtPassword"));
    edtConfirm->setObjectName(QStringLiteral("edtConfirm"));
    edtPassword->setEchoMode(QLineEdit::Password);
    edtConfirm->setEchoMode(QLineEdit::Password);
    cbGroup->setObjectName(QStringLiteral("cbGroup"));
    chkAssessSystem->setObjectName(QStringLiteral("chkAssessSystem"));
    chkCadreSystem->setObjectName(QStringLiteral("chkCadreSystem"));
    const bool group = kind_ == admin::ManagerKind::Group;
    auto* fields = new QFormLayout;
    fields->addRow(group ? QStringLiteral("组名称") : QStringLiteral("用户名称"), edtName);
    fields->addRow(QStringLiteral("口  令："), edtPassword);
    fields->addRow(QStringLiteral("口令确认："), edtConfirm);
    fields->addRow(QStringLiteral("所在分组："), cbGroup);
    auto* systems = new QGroupBox(QStringLiteral("系统使用权限"));
    auto* systemsLayout = new QVBoxLayout(systems);
    systemsLayout->addWidget(chkAssessSystem);
    systemsLayout->addWidget(chkCadreSystem);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(fields);
    layout->addWidget(systems);
    if (group) {
        // A group has a name only: what an account has besides is not there.
        for (QWidget* accountOnly :
             {static_cast<QWidget*>(edtPassword), static_cast<QWidget*>(edtConfirm),
              static_cast<QWidget*>(cbGroup)}) {
            fields->setRowVisible(accountOnly, false);
        }
        systems->hide();
        layout->addWidget(
            new QLabel(QStringLiteral("用户组是指一组类似权限的用户组合，方便用户权限的管理，")));
        layout->addWidget(new QLabel(QStringLiteral("例如按照处(科)室划分为多个组。")));
    } else {
        connect(cbGroup, &QComboBox::currentIndexChanged, this, &TManSetForm::groupChosen);
    }
    layout->addStretch();
    return page;
}

QWidget* TManSetForm::makeModulesPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsModules"));
    lstModules->setObjectName(QStringLiteral("lstModules"));
    for (const admin::Module& module : admin::kModules) {
        auto* item = new QListWidgetItem(module.captionText(), lstModules);
        item->setData(Qt::UserRole, module.codeText());
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    QPushButton* all = widgets::namedButton("btnAll", QStringLiteral("全选"));
    QPushButton* none = widgets::namedButton("btnNone", QStringLiteral("清空"));
    QPushButton* viewing = widgets::namedButton("btnReadOnly", QStringLiteral("只读"));
    connect(all, &QPushButton::clicked, this, [this] { setModules(true); });
    connect(none, &QPushButton::clicked, this, [this] { setModules(false); });
    connect(viewing, &QPushButton::clicked, this, &TManSetForm::checkViewingModules);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(lstModules, 1);
    layout->addLayout(widgets::rightAlignedRow({all, none, viewing}));
    return page;
}

QWidget* TManSetForm::makeUnitsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsUnits"));
    chkUnitLimit->setObjectName(QStringLiteral("chkUnitLimit"));
    tvUnits->setObjectName(QStringLiteral("tvUnits"));
    tvUnits->setDatabase(&dm_.db());
    tvUnits->setCheckable(true);
    tvUnits->reload();
    tvUnits->expandAll();
    tvUnits->setEnabled(false);
    connect(chkUnitLimit, &QCheckBox::toggled, tvUnits, &QWidget::setEnabled);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(chkUnitLimit);
    layout->addWidget(tvUnits, 1);
    return page;
}

void TManSetForm::load() {
    const QSignalBlocker blocker(cbGroup);
    cbGroup->addItem(QString(), 0);
    if (const auto groups = admin::listManagers(dm_.db(), admin::ManagerKind::Group)) {
        for (const admin::ManagerEntry& group : *groups) {
            cbGroup->addItem(group.name, group.id);
        }
    } else {
        app::showFailure(groups.failure());
    }
    if (id_ == 0) {
        // A new account may use this program only, and nothing else until it is granted.
        admin::ManagerSettings fresh;
        fresh.kind = kind_;
        showSettings(fresh, true);
        return;
    }
    const Result<admin::ManagerSettings> stored = admin::readManager(dm_.db(), id_);
    if (!stored) {
        app::showFailure(stored.failure());
        return;
    }
    showSettings(*stored, true);
}

void TManSetForm::showSettings(const admin::ManagerSettings& settings, bool withBasics) {
    if (withBasics) {
        edtName->setText(settings.name);
        chkCadreSystem->setChecked(settings.cadreSystem);
        chkAssessSystem->setChecked(settings.assessmentSystem);
        const QSignalBlocker blocker(cbGroup);
        cbGroup->setCurrentIndex(qMax(0, cbGroup->findText(settings.groupName)));
    }
    for (int i = 0; i < lstModules->count(); ++i) {
        QListWidgetItem* item = lstModules->item(i);
        item->setCheckState(settings.granted.contains(item->data(Qt::UserRole).toString())
                                ? Qt::Checked
                                : Qt::Unchecked);
    }
    chkUnitLimit->setChecked(settings.unitLimited);
    for (QTreeWidgetItemIterator it(tvUnits); *it != nullptr; ++it) {
        const int unit = (*it)->data(0, UnitTreeWidget::IdRole).toInt();
        (*it)->setCheckState(
            0, settings.unitLimited && settings.units.contains(unit) ? Qt::Checked : Qt::Unchecked);
    }
}

admin::ManagerSettings TManSetForm::shownSettings() const {
    admin::ManagerSettings s;
    s.kind = kind_;
    s.name = edtName->text();
    s.groupName = cbGroup->currentText();
    s.cadreSystem = chkCadreSystem->isChecked();
    s.assessmentSystem = chkAssessSystem->isChecked();
    for (int i = 0; i < lstModules->count(); ++i) {
        const QListWidgetItem* item = lstModules->item(i);
        if (item->checkState() == Qt::Checked) {
            s.granted.insert(item->data(Qt::UserRole).toString());
        }
    }
    s.unitLimited = chkUnitLimit->isChecked();
    const QList<int> units = tvUnits->checkedUnitIds();
    s.units = QSet<int>(units.cbegin(), units.cend());
    return s;
}

void TManSetForm::setModules(bool checked) {
    for (int i = 0; i < lstModules->count(); ++i) {
        lstModules->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

void TManSetForm::checkViewingModules() {
    for (const int module : admin::kViewingModules) {
        lstModules->item(module)->setCheckState(Qt::Checked);
    }
}

void TManSetForm::groupChosen(int index) {
    const int group = cbGroup->itemData(index).toInt();
    if (group == 0) {
        return;
    }
    const Result<admin::ManagerSettings> settings = admin::readManager(dm_.db(), group);
    if (!settings) {
        app::showFailure(settings.failure());
        return;
    }
    showSettings(*settings, false);
}

void TManSetForm::save() {
    const Result<int> saved = admin::saveManager(dm_.db(), id_, shownSettings(),
                                                 {edtPassword->text(), edtConfirm->text()});
    if (!saved) {
        if (saved.failure().message == admin::kPasswordsDiffer) {
            edtPassword->clear();
            edtConfirm->clear();
            edtPassword->setFocus();
        }
        app::showFailure(saved.failure());
        return;
    }
    id_ = *saved;
    accept();
}

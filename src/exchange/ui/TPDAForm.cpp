#include "exchange/ui/TPDAForm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"
#include "exchange/HandheldInstructions.h"
#include "widgets/DialogParts.h"

namespace {

QWidget* pageWith(QWidget* parent, const QString& heading) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    if (!heading.isEmpty()) {
        layout->addWidget(new QLabel(heading, page));
    }
    return page;
}

QCheckBox* namedCheck(QWidget* parent, const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

}  // namespace

TPDAForm::TPDAForm(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      chooseFile_(exchange::saveFileDialog()),
      converter_(
          QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("cadre-handheld"))),
      pages(new QStackedWidget(this)),
      btnBrowse(widgets::namedButton("btnBrowse", QStringLiteral("浏  览"))),
      btnPrev(widgets::namedButton("btnPrev", QStringLiteral("< 上一步 "))),
      btnNext(widgets::namedButton("btnNext", QStringLiteral("下一步 >"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取消"))) {
    setObjectName(QStringLiteral("TPDAForm"));
    setWindowTitle(exchange::kHandheldCaption);
    pages->setObjectName(QStringLiteral("pages"));
    pages->addWidget(makeWelcomePage());
    pages->addWidget(makeFilterPage());
    pages->addWidget(makeUnitsPage());
    pages->addWidget(makeContentsPage());
    pages->addWidget(makeSecurityPage());
    pages->addWidget(makeOutputPage());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages, 1);
    layout->addLayout(widgets::rightAlignedRow({btnPrev, btnNext, btnCancel}));
    connect(btnPrev, &QPushButton::clicked, this, &TPDAForm::btnPrevClick);
    connect(btnNext, &QPushButton::clicked, this, &TPDAForm::btnNextClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnBrowse, &QPushButton::clicked, this, &TPDAForm::btnBrowseClick);
    loadUnits();
    showPage(Welcome);
    resize(560, 420);
}

QWidget* TPDAForm::makeWelcomePage() {
    QWidget* page = pageWith(pages, {});
    for (const char* line :
         {"欢迎使用掌上电脑数据生成向导，", "本干部管理系统具有掌上电脑扩展功能，",
          "支持基于WinCE操作系统的PDA，手机等", "智能设备。", "",
          "注意：PDA功能需要的系统软件包未集成到本软件的安装过程中。",
          "请检查以下软件是否正确安装：", ".NET Framework 2.0",
          "Microsoft SQL Server Compact Edition"}) {
        page->layout()->addWidget(new QLabel(QString::fromUtf8(line), page));
    }
    return page;
}

QWidget* TPDAForm::makeFilterPage() {
    QWidget* page = pageWith(pages, QStringLiteral("选择导出人员过滤"));
    rbAll = new QRadioButton(QStringLiteral("全部"), page);
    rbAll->setObjectName(QStringLiteral("rbAll"));
    rbAll->setChecked(true);
    rbPart = new QRadioButton(QStringLiteral("按条件筛选"), page);
    rbPart->setObjectName(QStringLiteral("rbPart"));
    page->layout()->addWidget(rbAll);
    page->layout()->addWidget(rbPart);
    return page;
}

QWidget* TPDAForm::makeUnitsPage() {
    QWidget* page = pageWith(pages, QStringLiteral("选择所在单位"));
    tvUnits = new QTreeWidget(page);
    tvUnits->setObjectName(QStringLiteral("tvUnits"));
    tvUnits->setHeaderHidden(true);
    page->layout()->addWidget(tvUnits);
    return page;
}

QWidget* TPDAForm::makeContentsPage() {
    QWidget* page = pageWith(pages, QStringLiteral("导出内容"));
    chkBasic = namedCheck(page, "chkBasic", QStringLiteral("干部基本信息"));
    chkBasic->setChecked(true);
    chkAssess = namedCheck(page, "chkAssess", QStringLiteral("考察考核信息"));
    chkPhoto = namedCheck(page, "chkPhoto", QStringLiteral("照片"));
    chkFamily = namedCheck(page, "chkFamily", QStringLiteral("家庭成员"));
    for (QCheckBox* box : {chkBasic, chkAssess, chkPhoto, chkFamily}) {
        page->layout()->addWidget(box);
    }
    return page;
}

QWidget* TPDAForm::makeSecurityPage() {
    QWidget* page = pageWith(pages, QStringLiteral("数据安全性"));
    edtPassword = new QLineEdit(page);
    edtPassword->setObjectName(QStringLiteral("edtPassword"));
    edtPassword->setEchoMode(QLineEdit::Password);
    edtConfirm = new QLineEdit(page);
    edtConfirm->setObjectName(QStringLiteral("edtConfirm"));
    edtConfirm->setEchoMode(QLineEdit::Password);
    spnDelTimes = new QSpinBox(page);
    spnDelTimes->setObjectName(QStringLiteral("spnDelTimes"));
    spnDelTimes->setRange(1, 99);
    spnDelTimes->setValue(5);
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    for (const auto& [caption, edit] : {std::pair{QStringLiteral("登陆口令："), edtPassword},
                                        std::pair{QStringLiteral("口令确认："), edtConfirm}}) {
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(caption, page));
        row->addWidget(edit, 1);
        layout->addLayout(row);
    }
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("销毁机制：连续输入错误口令"), page));
    row->addWidget(spnDelTimes);
    row->addWidget(new QLabel(QStringLiteral("次自动删除智能设备中数据库"), page));
    row->addStretch();
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

QWidget* TPDAForm::makeOutputPage() {
    QWidget* page = pageWith(pages, QStringLiteral("生成数据库的存放位置："));
    edtOutput = new QLineEdit(page);
    edtOutput->setObjectName(QStringLiteral("edtOutput"));
    auto* row = new QHBoxLayout;
    row->addWidget(edtOutput, 1);
    row->addWidget(btnBrowse);
    static_cast<QVBoxLayout*>(page->layout())->addLayout(row);
    static_cast<QVBoxLayout*>(page->layout())->addStretch();
    return page;
}

void TPDAForm::loadUnits() {
    const auto units = exchange::unitsInTreeOrder(dm_.db());
    if (!units) {
        app::showFailure(units.failure());
        return;
    }
    QHash<int, QTreeWidgetItem*> items;
    for (const exchange::UnitEntry& unit : *units) {
        QTreeWidgetItem* parent = items.value(unit.parentId);
        auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tvUnits);
        item->setText(0, unit.name);
        item->setData(0, Qt::UserRole, unit.id);
        item->setCheckState(0, Qt::Unchecked);
        items.insert(unit.id, item);
    }
    tvUnits->expandToDepth(0);
}

int TPDAForm::currentPage() const {
    return pages->currentIndex();
}

exchange::HandheldChoice TPDAForm::choice() const {
    exchange::HandheldChoice choice;
    choice.allCadres = rbAll->isChecked();
    for (QTreeWidgetItemIterator it(tvUnits, QTreeWidgetItemIterator::Checked); *it; ++it) {
        choice.unitIds << (*it)->data(0, Qt::UserRole).toInt();
    }
    choice.content = (chkBasic->isChecked() ? handheld::Basic : 0) |
                     (chkPhoto->isChecked() ? handheld::Photos : 0) |
                     (chkFamily->isChecked() ? handheld::Family : 0) |
                     (chkAssess->isChecked() ? handheld::Assessments : 0);
    choice.output = QDir::fromNativeSeparators(edtOutput->text().trimmed());
    choice.password = edtPassword->text();
    choice.confirmation = edtConfirm->text();
    choice.delTimes = spnDelTimes->value();
    return choice;
}

void TPDAForm::showPage(int page) {
    pages->setCurrentIndex(page);
    btnPrev->setEnabled(page > Welcome);
    btnNext->setText(page == Output ? QStringLiteral("完成") : QStringLiteral("下一步 >"));
}

void TPDAForm::btnPrevClick() {
    const int page = currentPage();
    showPage(page == Contents && rbAll->isChecked() ? Filter : page - 1);
}

void TPDAForm::btnNextClick() {
    const int page = currentPage();
    if (page == Output) {
        finish();
        return;
    }
    showPage(page == Filter && rbAll->isChecked() ? Contents : page + 1);
}

void TPDAForm::btnBrowseClick() {
    const QString chosen =
        chooseFile_(this, exchange::kHandheldCaption, edtOutput->text(), exchange::kHandheldFilter);
    if (!chosen.isEmpty()) {
        edtOutput->setText(QDir::toNativeSeparators(chosen));
    }
}

void TPDAForm::finish() {
    const exchange::HandheldChoice chosen = choice();
    if (const Result<void> checked = exchange::checkHandheldChoice(chosen, dm_.db().path());
        !checked) {
        app::showFailure(checked.failure());
        return;
    }
    const QString iniFile = QDir(dm_.AppDir).filePath(handheld::kInstructionFile);
    if (const Result<void> written =
            exchange::writeInstructionFile(iniFile, chosen, dm_.db().path());
        !written) {
        app::showFailure(written.failure());
        return;
    }
    const Result<void> built = [&] {
        app::ProgressScope wait(exchange::kHandheldWorking);
        return exchange::runConverter(converter_, iniFile, chosen.password,
                                      [&](const QString& line) { wait.setText(line); });
    }();
    if (!built) {
        app::showFailure(built.failure());
        return;
    }
    app::showInformation(exchange::kHandheldDone);
    accept();
}

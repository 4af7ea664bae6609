#include "app/ui/TForm1.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"

namespace {

const QStringList kCaptions{QStringLiteral("欢迎初次使用本软件"), QStringLiteral("初始化数据方式"),
                            QStringLiteral("基础信息"),           QStringLiteral("组织架构"),
                            QStringLiteral("管理员口令"),         QStringLiteral("向导设置完成!")};
constexpr int kBasicDataPage = 2;
constexpr int kAdminPage = 4;

QWidget* textPage(const QStringList& lines) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (const QString& line : lines) {
        auto* label = new QLabel(line);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addStretch();
    return page;
}

QRadioButton* radio(const QString& caption, const char* name) {
    auto* button = new QRadioButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QLineEdit* lineEdit(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

}  // namespace

TForm1::TForm1(TDataM& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("欢迎使用"));
    caption_ = new QLabel;
    caption_->setObjectName(QStringLiteral("lblCaption"));
    QFont bold = caption_->font();
    bold.setBold(true);
    caption_->setFont(bold);
    pages_ = new QStackedWidget;
    pages_->setObjectName(QStringLiteral("Pages"));
    for (QWidget* page : {buildWelcomePage(), buildDataPage(), buildBasicDataPage(),
                          buildTreePage(), buildAdminPage(), buildDonePage()}) {
        pages_->addWidget(page);
    }
    btnBack = new QPushButton(QStringLiteral("< 上一步"));
    btnBack->setObjectName(QStringLiteral("btnBack"));
    btnNext = new QPushButton(QStringLiteral("下一步 >"));
    btnNext->setObjectName(QStringLiteral("btnNext"));
    btnNext->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("取 消"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(btnBack, &QPushButton::clicked, this, &TForm1::goBack);
    connect(btnNext, &QPushButton::clicked, this, &TForm1::goNext);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnBack);
    buttons->addWidget(btnNext);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);
    showPage(0);
}

QWidget* TForm1::buildWelcomePage() {
    return textPage({QStringLiteral("如果您是初次使用本软件，本向导将帮助您完成初始化设置。"),
                     QStringLiteral("点击<下一步>开始使用向导。")});
}

QWidget* TForm1::buildDataPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    rbTestData = radio(QStringLiteral("使用测试数据试用"), "rbTestData");
    rbNewData = radio(QStringLiteral("使用向导全新初始化数据"), "rbNewData");
    rbNewData->setChecked(true);
    layout->addWidget(rbTestData);
    layout->addWidget(rbNewData);
    layout->addStretch();
    return page;
}

QWidget* TForm1::buildBasicDataPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    cbUserType = new QComboBox;
    cbUserType->setObjectName(QStringLiteral("cbUserType"));
    cbUserType->addItems(schema::userTypeNames());
    cbUserType->setCurrentIndex(1);
    cbProvince = new QComboBox;
    cbProvince->setObjectName(QStringLiteral("cbProvince"));
    cbProvince->addItem(QString());
    cbProvince->addItems(schema::provinceNames());
    edCity = lineEdit("edCity");
    edDistrict = lineEdit("edDistrict");
    edName = lineEdit("edName");
    edName->installEventFilter(this);
    form->addRow(QStringLiteral("使用者类型："), cbUserType);
    form->addRow(QStringLiteral("省："), cbProvince);
    form->addRow(QStringLiteral("市（州）："), edCity);
    form->addRow(QStringLiteral("区（县旗）："), edDistrict);
    form->addRow(QStringLiteral("单位名称："), edName);
    return page;
}

QWidget* TForm1::buildTreePage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    rbLoadTree = radio(QStringLiteral("是，载入模版（推荐）。"), "rbLoadTree");
    rbOwnTree = radio(QStringLiteral("否，我想自己新建。"), "rbOwnTree");
    rbLoadTree->setChecked(true);
    layout->addWidget(rbLoadTree);
    layout->addWidget(rbOwnTree);
    layout->addStretch();
    return page;
}

QWidget* TForm1::buildAdminPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    edUserName = lineEdit("edUserName");
    edPassword = lineEdit("edPassword");
    edConfirm = lineEdit("edConfirm");
    edPassword->setEchoMode(QLineEdit::Password);
    edConfirm->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("用户名称"), edUserName);
    form->addRow(QStringLiteral("口  令："), edPassword);
    form->addRow(QStringLiteral("口令确认："), edConfirm);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("如果暂时不设置，请点击<下一步>继续。")));
    layout->addStretch();
    return page;
}

QWidget* TForm1::buildDonePage() {
    return textPage({QStringLiteral("点击<下一步>按钮执行并退出向导。")});
}

schema::FirstRunChoices TForm1::choices() const {
    schema::FirstRunChoices chosen;
    chosen.wipeSampleData = rbNewData->isChecked();
    chosen.userType = cbUserType->currentIndex();
    chosen.province = cbProvince->currentText();
    chosen.city = edCity->text().trimmed();
    chosen.district = edDistrict->text().trimmed();
    chosen.name = edName->text().trimmed();
    chosen.loadUnitTree = rbLoadTree->isChecked();
    chosen.adminName = edUserName->text().trimmed();
    chosen.adminPassword = edPassword->text();
    return chosen;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edName && event->type() == QEvent::FocusIn && edName->text().isEmpty()) {
        edName->setText(schema::proposedName(choices()));
    }
    return QDialog::eventFilter(watched, event);
}

void TForm1::showPage(int index) {
    pages_->setCurrentIndex(index);
    caption_->setText(kCaptions.at(index));
    btnBack->setEnabled(index > 0);
    btnNext->setText(index == pages_->count() - 1 ? QStringLiteral("完成")
                                                  : QStringLiteral("下一步 >"));
}

void TForm1::goBack() {
    if (pages_->currentIndex() > 0) {
        showPage(pages_->currentIndex() - 1);
    }
}

void TForm1::goNext() {
    if (!pageAccepted()) {
        return;
    }
    if (pages_->currentIndex() == pages_->count() - 1) {
        finish();
        return;
    }
    showPage(pages_->currentIndex() + 1);
}

bool TForm1::pageAccepted() {
    const int page = pages_->currentIndex();
    if (page == kBasicDataPage && rbNewData->isChecked()) {
        if (const QStringList missing = schema::missingBasicData(choices()); !missing.isEmpty()) {
            app::showInformation(schema::basicDataRefusal(missing));
            return false;
        }
    }
    if (page == kAdminPage && edPassword->text() != edConfirm->text()) {
        app::showInformation(schema::kAdminPasswordWrong);
        edPassword->clear();
        edConfirm->clear();
        return false;
    }
    return true;
}

void TForm1::finish() {
    const schema::FirstRunChoices chosen = choices();
    if (chosen.wipeSampleData) {
        const app::ProgressScope wait(QStringLiteral("正在初始化数据,请等待......"));
        if (const Result<void> applied = schema::applyFirstRun(dm_.db(), chosen); !applied) {
            app::showFailure(applied.failure());
            return;
        }
    }
    accept();
}

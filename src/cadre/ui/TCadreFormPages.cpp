#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "admin/CadrePageRights.h"
#include "admin/ui/GuardedPage.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "appointment/ui/CadreApprovalMenu.h"
#include "cadre/PickLists.h"
#include "cadre/ui/AssessmentsPage.h"
#include "cadre/ui/CadreFieldPages.h"
#include "cadre/ui/DocumentsPage.h"
#include "cadre/ui/FamilyPage.h"
#include "cadre/ui/PhotoBox.h"
#include "cadre/ui/PostsPage.h"
#include "cadre/ui/ReportsPage.h"
#include "cadre/ui/ResumeMenu.h"
#include "cadre/ui/ResumePage.h"
#include "cadre/ui/RewardsPage.h"
#include "cadre/ui/TCadreForm.h"
#include "documents/ui/TemplateCommands.h"
#include "training/ui/TrainingRecordsPage.h"
#include "widgets/DialogParts.h"

// The areas of the cadre editor: the list of a library on the left and the record's pages, each
// guarded by the account's rights to it.

namespace {

// The pages after "基本信息", in their order; the first four have their own controls.
const char* const kPages[] = {"基本信息", "扩展信息", "工作简历", "任职详细",
                              "家庭成员", "考察考核", "奖惩记录", "培训记录",
                              "重大事项", "经济审计", "群众反映", "文档材料"};

}  // namespace

void TCadreForm::buildListPanel() {
    // The library list of list mode.
    cbLibrary->addItems(cadre::kLibraries);
    edtSearch->setPlaceholderText(QStringLiteral("输入名称或拼音首字母查找"));
    lstCadres->setHorizontalHeaderLabels(
        {QStringLiteral("姓 名"), QStringLiteral("性 别"), QStringLiteral("出生年月")});
    lstCadres->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstCadres->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstCadres->setSelectionMode(QAbstractItemView::SingleSelection);
    lstCadres->verticalHeader()->hide();
    lstCadres->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* listMenu = new QMenu(this);
    QAction* moveTo = listMenu->addAction(QStringLiteral("移动到..."));
    moveTo->setObjectName(QStringLiteral("actMoveTo"));
    connect(moveTo, &QAction::triggered, this, &TCadreForm::moveInOrder);
    connect(lstCadres, &QWidget::customContextMenuRequested, this, [this, listMenu](QPoint at) {
        listMenu->popup(lstCadres->viewport()->mapToGlobal(at));
    });
    QPushButton* find = widgets::namedButton("btnFind", QStringLiteral("查找"));
    QPushButton* showAll = widgets::namedButton("btnShowAll", QStringLiteral("全显"));
    find->setFlat(true);
    showAll->setFlat(true);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(edtSearch, 1);
    searchRow->addWidget(find);
    searchRow->addWidget(showAll);
    auto* listLayout = new QVBoxLayout(listPanel_);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(cbLibrary);
    listLayout->addLayout(searchRow);
    listLayout->addWidget(lblTotal);
    listLayout->addWidget(lstCadres, 1);
    listLayout->addLayout(widgets::rightAlignedRow({btnAdd, btnDelete}));
    listPanel_->setMaximumWidth(300);
    connect(cbLibrary, &QComboBox::currentIndexChanged, this, &TCadreForm::libraryChosen);
    connect(edtSearch, &QLineEdit::textChanged, this, &TCadreForm::search);
    connect(find, &QPushButton::clicked, this, &TCadreForm::search);
    connect(showAll, &QPushButton::clicked, edtSearch, &QLineEdit::clear);
    connect(lstCadres, &QTableWidget::currentCellChanged, this, &TCadreForm::showListChoice);
}

void TCadreForm::buildPages() {
    // The pages.
    auto* basic = new QWidget;
    basic->setObjectName(QStringLiteral("tsBasicWithPhoto"));
    auto* basicLayout = new QHBoxLayout(basic);
    basicLayout->addWidget(fields_->basicPage(), 1);
    auto* photoColumn = new QVBoxLayout;
    photoColumn->addWidget(photo_);
    photoColumn->addStretch();
    basicLayout->addLayout(photoColumn);
    PageControl1->addTab(basic, QString::fromUtf8(kPages[0]));
    PageControl1->addTab(fields_->extendedPage(), QString::fromUtf8(kPages[1]));
    PageControl1->addTab(resume_, QString::fromUtf8(kPages[2]));
    PageControl1->addTab(posts_, QString::fromUtf8(kPages[3]));
    PageControl1->addTab(family_, QString::fromUtf8(kPages[4]));
    PageControl1->addTab(assessments_, QString::fromUtf8(kPages[5]));
    PageControl1->addTab(rewards_, QString::fromUtf8(kPages[6]));
    auto* training = new TrainingRecordsPage(dm_);
    recordPages_ << training;
    PageControl1->addTab(training, QString::fromUtf8(kPages[7]));
    const char* const reportPages[] = {"tsMajorEvents", "tsAudits", "tsOpinions"};
    const cadre::ReportKind kinds[] = {cadre::ReportKind::MajorEvent, cadre::ReportKind::Audit,
                                       cadre::ReportKind::Opinion};
    for (int i = 0; i < 3; ++i) {
        auto* page = new ReportsPage(dm_, kinds[i]);
        page->setObjectName(QString::fromLatin1(reportPages[i]));
        recordPages_ << page;
        PageControl1->addTab(page, QString::fromUtf8(kPages[8 + i]));
    }
    PageControl1->addTab(documents_, QString::fromUtf8(kPages[11]));
    // Each page can be refused to the account on its own: it then shows the refusal instead.
    for (int i = 0; i < PageControl1->count(); ++i) {
        const QString caption = PageControl1->tabText(i);
        QWidget* content = PageControl1->widget(i);
        PageControl1->removeTab(i);
        PageControl1->insertTab(i, new GuardedPage(content), caption);
    }
    // Taking the tabs out and back in moved the current one: the editor opens on the first page.
    PageControl1->setCurrentIndex(kBasicPage);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TCadreForm::pageChanging);

    // "功能选择" jumps to a page by name; "输入/输出" holds the printouts of the record on show.
    auto* pagesMenu = new QMenu(this);
    for (int i = 1; i < 12; ++i) {
        pagesMenu->addAction(QString::fromUtf8(kPages[i]), this, [this, i] {
            if (PageControl1->isTabVisible(i)) {
                PageControl1->setCurrentIndex(i);
            }
        });
    }
    btnPages->setMenu(pagesMenu);
    QMenu* inOut = resumeOutputMenu(this, [this] { return shownResume(); });
    addApprovalFormActions(
        inOut, dm_, [this] { return lastCadreId(); }, this);
    inOut
        ->addAction(QStringLiteral("按自定义模板输出"), this,
                    [this] { documents_ui::outputCadre(dm_, this, lastCadreId()); })
        ->setObjectName(QStringLiteral("actCustomTemplate"));
    btnInOut->setMenu(inOut);
}

void TCadreForm::readAccess() {
    const Result<admin::CadreAccess> access = admin::readCadreAccess(dm_, session_.cadreId());
    if (!access) {
        // Rights that cannot be read give the least.
        app::showFailure(access.failure());
    }
    access_ = access ? *access : admin::CadreAccess::basicOnly();
    // Pages come and go without being left: nothing is saved on the way.
    const QSignalBlocker blocker(PageControl1);
    for (int i = 0; i < PageControl1->count() && i < admin::kCadrePageCount; ++i) {
        const admin::PageAccess& page = access_.pages[static_cast<size_t>(i)];
        static_cast<GuardedPage*>(PageControl1->widget(i))->setReadable(page.readable);
        if (PageControl1->isTabVisible(i) != page.shown) {
            PageControl1->setTabVisible(i, page.shown);
        }
    }
    if (!PageControl1->isTabVisible(PageControl1->currentIndex())) {
        PageControl1->setCurrentIndex(kBasicPage);
    }
    shownPage_ = PageControl1->currentIndex();
}

bool TCadreForm::readable(admin::CadrePage page) const {
    return access_.page(page).readable;
}

admin::CadrePage TCadreForm::pageOf(const QWidget* content) const {
    for (int i = 0; i < PageControl1->count(); ++i) {
        if (static_cast<const GuardedPage*>(PageControl1->widget(i))->content() == content) {
            return static_cast<admin::CadrePage>(i);
        }
    }
    return admin::CadrePage::Basic;
}

void TCadreForm::pageChanging(int index) {
    const int left = shownPage_;
    shownPage_ = index;
    if (left != kBasicPage || !session_.isNew()) {
        activateRecordPage();
        return;
    }
    // A new record leaves its first page only with a name, saved.
    const bool named = !fields_->nameEdit()->text().trimmed().isEmpty();
    if (!named) {
        app::showInformation(cadre::kNameRequired);
    }
    if (!named || !save(false)) {
        const QSignalBlocker blocker(PageControl1);
        PageControl1->setCurrentIndex(kBasicPage);
        shownPage_ = kBasicPage;
    }
    activateRecordPage();
}

void TCadreForm::activateRecordPage() {
    const auto* shown = static_cast<const GuardedPage*>(PageControl1->currentWidget());
    auto* page = shown != nullptr ? qobject_cast<SubRecordPage*>(shown->content()) : nullptr;
    if (page != nullptr && readable(pageOf(page))) {
        page->showCadre(session_.cadreId());
        page->activate();
    }
}

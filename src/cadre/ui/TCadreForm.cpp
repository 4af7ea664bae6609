#include "cadre/ui/TCadreForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "admin/Rights.h"
#include "admin/ui/GuardedPage.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/CadreDeletion.h"
#include "cadre/CadreRecord.h"
#include "cadre/CurrentPosts.h"
#include "cadre/Photo.h"
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
#include "cadre/ui/TDamlForm.h"
#include "db/Database.h"
#include "widgets/DialogParts.h"
#include "widgets/TMoveLineForm.h"

const QString TCadreForm::kLocked = QStringLiteral("编辑功能未打开,请选择<允许修改>启用编辑。");

TCadreForm::TCadreForm(TDataM& dm, cadre::PickLists& lists, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      session_(dm, lists.nativePlaces, lists.birthPlaces),
      fields_(new CadreFieldPages(lists, this)),
      photo_(new PhotoBox),
      resume_(new ResumePage),
      posts_(new PostsPage(dm)),
      family_(new FamilyPage(dm, lists.familyRelations)),
      assessments_(new AssessmentsPage(dm, fields_->assessmentNote(),
                                       [this](const QString& summary) {
                                           auto* box = qobject_cast<QPlainTextEdit*>(
                                               fields_->assessmentNote());
                                           box->setPlainText(summary);
                                       })),
      rewards_(new RewardsPage(dm, lists.honourLevels, fields_->rewardNote())),
      documents_(new DocumentsPage(dm)),
      recordPages_({family_, assessments_, rewards_, documents_}),
      listPanel_(new QWidget),
      cbLibrary(new QComboBox),
      edtSearch(new QLineEdit),
      lblTotal(new QLabel),
      lstCadres(new QTableWidget(0, 3)),
      PageControl1(new QTabWidget),
      frmAllow(new QFrame),
      chkAllowEdit(new QCheckBox(QStringLiteral("允许修改"))),
      btnAdd(widgets::namedButton("btnAdd", QStringLiteral("添 加"))),
      btnDelete(widgets::namedButton("btnDelete", QStringLiteral("删 除"))),
      btnSave(widgets::namedButton("btnSave", QStringLiteral("保 存"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))),
      btnClose(widgets::namedButton("btnClose", QStringLiteral("关 闭"))),
      btnInOut(widgets::namedButton("btnInOut", QStringLiteral("输入/输出"))),
      btnPages(widgets::namedButton("btnPages", QStringLiteral("功能选择"))),
      blinkTimer_(new QTimer(this)),
      btnPrior(widgets::namedButton("btnPrior", QStringLiteral("上一个"))),
      btnNext(widgets::namedButton("btnNext", QStringLiteral("下一个"))) {
    setObjectName(QStringLiteral("TCadreForm"));
    setWindowTitle(QStringLiteral("干部信息管理"));
    setModal(true);
    photo_->setObjectName(QStringLiteral("photoBox"));
    resume_->setObjectName(QStringLiteral("tsResume"));
    posts_->setObjectName(QStringLiteral("tsPosts"));
    cbLibrary->setObjectName(QStringLiteral("cbLibrary"));
    edtSearch->setObjectName(QStringLiteral("edtSearch"));
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    lstCadres->setObjectName(QStringLiteral("lstCadres"));
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    frmAllow->setObjectName(QStringLiteral("frmAllow"));
    chkAllowEdit->setObjectName(QStringLiteral("chkAllowEdit"));

    buildListPanel();
    buildPages();

    auto* allowLayout = new QHBoxLayout(frmAllow);
    allowLayout->setContentsMargins(4, 2, 4, 2);
    allowLayout->addWidget(chkAllowEdit);
    frmAllow->setFrameShape(QFrame::NoFrame);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(frmAllow);
    buttons->addWidget(btnInOut);
    buttons->addWidget(btnPages);
    buttons->addStretch();
    buttons->addWidget(btnPrior);
    buttons->addWidget(btnNext);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnClose);
    auto* body = new QHBoxLayout;
    body->addWidget(listPanel_);
    body->addWidget(PageControl1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    resize(1100, 760);

    connect(chkAllowEdit, &QCheckBox::toggled, this, &TCadreForm::allowEditToggled);
    connect(btnSave, &QPushButton::clicked, this, [this] { save(true); });
    connect(btnCancel, &QPushButton::clicked, this, &TCadreForm::cancelEdits);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAdd, &QPushButton::clicked, this, &TCadreForm::addCadre);
    connect(btnDelete, &QPushButton::clicked, this, &TCadreForm::deleteCadre);
    connect(blinkTimer_, &QTimer::timeout, this, &TCadreForm::blink);
    connect(btnPrior, &QPushButton::clicked, this, [this] { step(-1); });
    connect(btnNext, &QPushButton::clicked, this, [this] { step(1); });
    btnPrior->hide();
    btnNext->hide();
    connect(posts_, &PostsPage::postsChanged, this, [this] { changed_ = true; });
    connect(photo_, &PhotoBox::photoChanged, this, [this] { changed_ = true; });
    for (SubRecordPage* page : recordPages_) {
        connect(page, &SubRecordPage::recordsChanged, this, [this] { changed_ = true; });
    }
    connect(fields_, &CadreFieldPages::catalogueRequested, this, [this] {
        if (session_.cadreId() != 0) {
            TDamlForm catalogue(dm_, session_.cadreId(), fields_->nameEdit()->text(), this);
            catalogue.exec();
        }
    });
    // A post change run from the posts page writes the current-post texts into the open
    // record, unless the record locks them.
    posts_->setRecordWriter([this](const cadre::CurrentPostTexts& texts) -> Result<void> {
        const auto written = session_.writeCurrentPosts(texts, fields_->lockBox()->isChecked());
        if (!written) {
            return written.failure();
        }
        fields_->update(*written);
        for (auto it = written->cbegin(); it != written->cend(); ++it) {
            loaded_.insert(it.key(), fields_->values().value(it.key()));
        }
        return {};
    });

    // The lock of the current-post texts shows on the first page and on the posts page.
    connect(fields_->lockBox(), &QCheckBox::toggled, this, [this](bool on) {
        const QSignalBlocker blocker(posts_->lockBox());
        posts_->lockBox()->setChecked(on);
    });
    connect(posts_->lockBox(), &QCheckBox::toggled, fields_->lockBox(), &QCheckBox::setChecked);

    // The editor's keyboard: Enter moves on, typing needs "允许修改".
    for (QWidget* input : fields_->inputs()) {
        input->installEventFilter(this);
    }
    edtSearch->installEventFilter(this);
    updateEditing();
}

Result<void> TCadreForm::openCadre(int cadreId) {
    listMode_ = false;
    listPanel_->hide();
    const auto row = session_.open(cadreId);
    if (!row) {
        return row.failure();
    }
    showRecord(*row);
    {
        const QSignalBlocker blocker(chkAllowEdit);
        chkAllowEdit->setChecked(false);
    }
    updateEditing();
    blinks_ = 6;
    blinkTimer_->start(250);
    return {};
}

void TCadreForm::startNewCadre(int unitId) {
    listMode_ = false;
    listPanel_->hide();
    unitForNew_ = unitId;
    {
        const QSignalBlocker blocker(chkAllowEdit);
        chkAllowEdit->setChecked(true);
    }
    showNewRecord();
}

void TCadreForm::startLibrary() {
    listMode_ = true;
    listPanel_->show();
    unitForNew_ = 0;
    {
        const QSignalBlocker blocker(cbLibrary);
        cbLibrary->setCurrentIndex(0);
    }
    library_ = 0;
    {
        const QSignalBlocker blocker(chkAllowEdit);
        chkAllowEdit->setChecked(false);
    }
    search();
}

void TCadreForm::showRecord(const QMap<QString, QVariant>& row) {
    readAccess();
    fields_->load(row);
    // A page the account may not read is left empty: its records never reach the screen.
    const bool resume = readable(admin::CadrePage::Resume);
    resume_->load(resume ? row.value(QStringLiteral("gzjl")).toString() : QString(),
                  resume ? row.value(QStringLiteral("fggz")).toString() : QString());
    const int cadreId = session_.cadreId();
    posts_->showCadre(readable(admin::CadrePage::Posts) ? cadreId : 0);
    for (SubRecordPage* page : recordPages_) {
        page->showCadre(readable(pageOf(page)) ? cadreId : 0);
    }
    if (cadreId != 0) {
        photo_->showCadre(dm_, cadreId);
    } else {
        photo_->clear();
    }
    const QString name = row.value(QStringLiteral("xm")).toString();
    photo_->setCadreName(name);
    setWindowTitle(cadreId != 0 ? QStringLiteral("干部信息管理  --  ") + name
                                : QStringLiteral("干部信息管理"));
    fields_->setRemarkCaption(
        app::valueOrShown(dm_.GetConf(QStringLiteral("保留字段"), QStringLiteral("备注"))));
    loaded_ = shownValues();
    updateEditing();
    activateRecordPage();
}

void TCadreForm::showNewRecord() {
    showRecord(session_.startNew(listMode_ ? cbLibrary->currentIndex() : 0, unitForNew_));
    PageControl1->setCurrentIndex(kBasicPage);
    fields_->nameEdit()->setFocus();
}

void TCadreForm::showNoRecord() {
    session_.close();
    showRecord({});
}

QMap<QString, QVariant> TCadreForm::shownValues() const {
    QMap<QString, QVariant> values = fields_->values();
    values.insert(QStringLiteral("gzjl"), resume_->resumeText());
    values.insert(QStringLiteral("fggz"), resume_->fggz());
    return values;
}

cadre::ResumePrintData TCadreForm::shownResume() const {
    const QMap<QString, QVariant> values = shownValues();
    const auto field = [&values](const QString& column) {
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            if (it.key().compare(column, Qt::CaseInsensitive) == 0) {
                return it.value();
            }
        }
        return QVariant();
    };
    return {cadre::cadreSummaryFrom(field), field(QStringLiteral("gzjl")).toString(),
            photo_->picture()};
}

QMap<QString, QVariant> TCadreForm::editedValues() const {
    const QMap<QString, QVariant> now = shownValues();
    if (session_.isNew()) {
        QMap<QString, QVariant> values = session_.newRecord();
        values.insert(now);
        return values;
    }
    // Only what the user changed: a control that cannot show a stored value exactly (a date
    // with a time, a count left empty) hands back what it shows, which is not to be written.
    QMap<QString, QVariant> changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (it.value() != loaded_.value(it.key())) {
            changed.insert(it.key(), it.value());
        }
    }
    return changed;
}

bool TCadreForm::isModified() const {
    return shownValues() != loaded_ || photo_->isModified();
}

bool TCadreForm::save(bool announce) {
    if (!hasRecord()) {
        return true;
    }
    if (!isModified() && !session_.isNew()) {
        if (announce) {
            app::showInformation(cadre::kNothingToSave);
        }
        return true;
    }
    const QMap<QString, QVariant> values = editedValues();
    const auto saved = session_.save(
        values, photo_->isModified() ? std::optional(photo_->pendingPhoto()) : std::nullopt);
    changed_ = changed_ || session_.listsStale();
    if (!saved) {
        // A refused record gives its messages one per line; a failing write its error.
        for (const QString& message : saved.failure().message.split(u'\n', Qt::SkipEmptyParts)) {
            app::showInformation(message);
        }
        if (!saved.failure().dbError.isEmpty()) {
            app::showError(saved.failure().dbError);
        }
        return false;
    }
    if (!saved->wrote) {
        if (announce) {
            app::showInformation(cadre::kNothingToSave);
        }
        return true;
    }
    changed_ = true;
    fields_->offerPlaces(values.value(QStringLiteral("jgsheng")).toString(),
                         values.value(QStringLiteral("cssheng")).toString());
    if (announce) {
        app::showInformation(cadre::kSaveDone);
    }
    if (listMode_) {
        fillList(session_.cadreId(), Fallback::None);
    }
    if (saved->stored) {
        showRecord(*saved->stored);
    }
    return true;
}

void TCadreForm::cancelEdits() {
    const auto shown = session_.cancel();
    if (!shown) {
        app::showError(shown.errorText());
        return;
    }
    showRecord(*shown);
}

void TCadreForm::allowEditToggled(bool on) {
    if (on && (!admin::HasRight(dm_, QStringLiteral("WGB")) || !mayChangeShownCadre())) {
        const QSignalBlocker blocker(chkAllowEdit);
        chkAllowEdit->setChecked(false);
    }
    updateEditing();
}

void TCadreForm::updateEditing() {
    const bool on = chkAllowEdit->isChecked();
    // Without a record (an empty library) there is nothing to edit, save or delete.
    const bool editing = on && hasRecord();
    const auto writable = [this, editing](admin::CadrePage page) {
        return editing && access_.page(page).writable;
    };
    fields_->setEditable(writable(admin::CadrePage::Basic));
    photo_->setEditable(writable(admin::CadrePage::Basic));
    resume_->setEditable(writable(admin::CadrePage::Resume));
    posts_->setEditable(writable(admin::CadrePage::Posts));
    for (SubRecordPage* page : recordPages_) {
        page->setEditable(writable(pageOf(page)));
    }
    btnAdd->setEnabled(on);
    btnDelete->setEnabled(editing && access_.inReach);
    btnSave->setEnabled(editing);
    btnInOut->setEnabled(hasRecord());
    // Blue while editing is off.
    QPalette palette = chkAllowEdit->palette();
    palette.setColor(QPalette::WindowText,
                     on ? QWidget::palette().color(QPalette::WindowText) : QColor(Qt::blue));
    chkAllowEdit->setPalette(palette);
}

void TCadreForm::setStepList(const QList<int>& cadreIds, int position) {
    stepList_ = cadreIds;
    stepPosition_ = position;
    btnPrior->setVisible(!cadreIds.isEmpty());
    btnNext->setVisible(!cadreIds.isEmpty());
}

void TCadreForm::step(int by) {
    if (stepList_.isEmpty() || !save(false)) {
        return;
    }
    stepPosition_ = qBound(0, stepPosition_ + by, static_cast<int>(stepList_.size()) - 1);
    const bool editing = chkAllowEdit->isChecked();
    if (const Result<void> opened = openCadre(stepList_[stepPosition_]); !opened) {
        app::showFailure(opened.failure());
        return;
    }
    // Stepping keeps the editing switch as it was, but not onto a cadre out of the account's
    // units.
    if (editing && access_.inReach) {
        const QSignalBlocker blocker(chkAllowEdit);
        chkAllowEdit->setChecked(true);
        updateEditing();
    }
}

void TCadreForm::blink() {
    // A frame around "允许修改" flashes a few times when a cadre opens locked.
    if (blinks_ <= 0 || chkAllowEdit->isChecked()) {
        blinkTimer_->stop();
        frmAllow->setFrameShape(QFrame::NoFrame);
        return;
    }
    --blinks_;
    frmAllow->setFrameShape(blinks_ % 2 == 1 ? QFrame::Box : QFrame::NoFrame);
}

void TCadreForm::addCadre() {
    if (!chkAllowEdit->isChecked() || !save(false)) {
        return;
    }
    // The new record is in no row of the list until it is saved.
    if (listMode_) {
        const QSignalBlocker blocker(lstCadres);
        lstCadres->setCurrentItem(nullptr);
        lstCadres->clearSelection();
    }
    showNewRecord();
}

bool TCadreForm::mayChangeShownCadre() {
    if (!access_.inReach) {
        app::showInformation(admin::kNoRight);
    }
    return access_.inReach;
}

void TCadreForm::deleteCadre() {
    if (!chkAllowEdit->isChecked() || !listMode_ || !hasRecord() || !mayChangeShownCadre()) {
        return;
    }
    const QString name = fields_->nameEdit()->text();
    if (!app::messages().confirm(QStringLiteral("确认删除干部 ") + name + QStringLiteral(" ?"),
                                 QStringLiteral("警告"))) {
        return;
    }
    if (session_.isNew()) {
        // Never saved: nothing to delete; the list's last cadre is shown.
        showNoRecord();
        fillList(0, Fallback::Last);
        showListChoice();
        return;
    }
    // The cadre after it in the list is shown next (the one before when it was the last).
    const int row = rowOf(session_.cadreId());
    const int nextRow = row + 1 < lstCadres->rowCount() ? row + 1 : row - 1;
    const QTableWidgetItem* next = row >= 0 ? lstCadres->item(nextRow, 0) : nullptr;
    const int nextId = next != nullptr ? next->data(Qt::UserRole).toInt() : 0;
    const Result<void> deleted = cadre::DeleteCadre(dm_, session_.cadreId(), true, true, 0);
    if (!deleted) {
        app::showFailure(deleted.failure());
        return;
    }
    changed_ = true;
    showNoRecord();
    fillList(nextId, Fallback::Last);
    showListChoice();
}

void TCadreForm::libraryChosen(int library) {
    // Another library shows another cadre: the record on show is saved first, and stays with
    // its library when the save is refused.
    if (isVisible() && !save(false)) {
        const QSignalBlocker blocker(cbLibrary);
        cbLibrary->setCurrentIndex(library_);
        return;
    }
    library_ = library;
    search();
}

void TCadreForm::search() {
    if (!listMode_) {
        return;
    }
    fillList(0, Fallback::First);
    showListChoice();
}

void TCadreForm::fillList(int selectId, Fallback fallback) {
    const QString search = edtSearch->text().trimmed();
    const auto rows =
        dm_.db().query(cadre::cadreLibraryStatement(cbLibrary->currentIndex(), search));
    const QSignalBlocker blocker(lstCadres);
    lstCadres->setRowCount(rows ? static_cast<int>(rows->rows.size()) : 0);
    int selectRow = -1;
    for (int r = 0; r < lstCadres->rowCount(); ++r) {
        const auto i = static_cast<size_t>(r);
        const int id = rows->value(i, QStringLiteral("CadreID")).toInt();
        auto* name = new QTableWidgetItem(rows->value(i, QStringLiteral("xm")).toString());
        name->setData(Qt::UserRole, id);
        lstCadres->setItem(r, 0, name);
        lstCadres->setItem(r, 1,
                           new QTableWidgetItem(rows->value(i, QStringLiteral("xb")).toString()));
        lstCadres->setItem(
            r, 2, new QTableWidgetItem(rows->value(i, QStringLiteral("csnyStr")).toString()));
        if (id == selectId) {
            selectRow = r;
        }
    }
    lblTotal->setText(QStringLiteral("合计：%1").arg(lstCadres->rowCount()));
    if (selectRow < 0 && lstCadres->rowCount() > 0) {
        if (fallback == Fallback::First) {
            selectRow = 0;
        } else if (fallback == Fallback::Last) {
            selectRow = lstCadres->rowCount() - 1;
        }
    }
    selectRowQuietly(selectRow);
}

void TCadreForm::selectRowQuietly(int row) {
    const QSignalBlocker blocker(lstCadres);
    if (row >= 0) {
        lstCadres->setCurrentCell(row, 0);
    } else {
        lstCadres->setCurrentItem(nullptr);
        lstCadres->clearSelection();
    }
}

int TCadreForm::rowOf(int cadreId) const {
    for (int r = 0; r < lstCadres->rowCount(); ++r) {
        if (lstCadres->item(r, 0)->data(Qt::UserRole).toInt() == cadreId) {
            return r;
        }
    }
    return -1;
}

void TCadreForm::showListChoice() {
    const QTableWidgetItem* item = lstCadres->item(lstCadres->currentRow(), 0);
    const int id = item != nullptr ? item->data(Qt::UserRole).toInt() : 0;
    if (id == session_.cadreId() && !session_.isNew()) {
        return;
    }
    // Without a chosen row the shown record stays, unless the list is empty.
    if (id == 0 && lstCadres->rowCount() > 0) {
        return;
    }
    if (isVisible() && !save(false)) {
        // The refused record stays on show, and the list on its row.
        selectRowQuietly(session_.isNew() ? -1 : rowOf(session_.cadreId()));
        return;
    }
    if (id == 0) {
        showNoRecord();
        return;
    }
    const auto row = session_.open(id);
    if (!row) {
        showNoRecord();
        return;
    }
    showRecord(*row);
}

void TCadreForm::moveInOrder() {
    if (!admin::HasRight(dm_, QStringLiteral("WGB"))) {
        return;
    }
    const QTableWidgetItem* item = lstCadres->item(lstCadres->currentRow(), 0);
    if (item == nullptr) {
        app::showInformation(cadre::kSelectCadreToMove);
        return;
    }
    const Result<int> total = dm_.CadreCount();
    if (!total) {
        app::showError(total.errorText());
        return;
    }
    TMoveLineForm form(*total, this);
    form.setTargetRow(lastMovePosition_);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    lastMovePosition_ = form.targetRow();
    const int id = item->data(Qt::UserRole).toInt();
    const Result<int> moved = cadre::moveInGlobalOrder(dm_, id, lastMovePosition_);
    if (!moved) {
        app::showFailure(moved.failure());
    }
    fillList(id, Fallback::First);
    showListChoice();
}

bool TCadreForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == edtSearch) {
        if (enter) {
            search();
            return true;
        }
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (enter && !fields_->isMemo(widget)) {
        focusNextChild();
        return true;
    }
    const bool edits =
        !key->text().isEmpty() || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete;
    if (edits && !enter && !chkAllowEdit->isChecked()) {
        app::showInformation(kLocked);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TCadreForm::done(int result) {
    // Unsaved changes are kept, unless there is no name to keep them under; a refused save
    // keeps the window open with the input.
    if (isModified() || session_.isNew()) {
        if (fields_->nameEdit()->text().trimmed().isEmpty()) {
            cancelEdits();
        } else if (!save(false)) {
            return;
        }
    }
    blinkTimer_->stop();
    {
        const QSignalBlocker blocker(PageControl1);
        PageControl1->setCurrentIndex(kBasicPage);
        shownPage_ = kBasicPage;
    }
    QDialog::done(result);
}

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <memory>

#include "admin/Managers.h"
#include "admin/Modules.h"
#include "admin/Rights.h"
#include "admin/ui/GuardedPage.h"
#include "app/DataModule.h"
#include "cadre/CadreRecord.h"
#include "cadre/ui/TCadreForm.h"
#include "db/Database.h"
#include "main/ui/PageDw.h"
#include "main/ui/TMainForm.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "units/ui/UnitTreeWidget.h"

namespace {

// The sample organisation, worked on by an account limited to the city government (unit 3 and
// the offices below it) that may neither read resumes nor change posts. Unit 1 (the party
// committee) lists cadres 1 to 7, of whom only cadre 2 is also in the government; unit 13 (an
// office below the government) lists cadres 39 to 42.
class UnitLimitWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        admin::ManagerSettings clerk;
        clerk.name = QStringLiteral("clerk");
        for (const admin::Module& module : admin::kModules) {
            clerk.granted.insert(module.codeText());
        }
        clerk.granted.remove(QStringLiteral("GBJLR"));
        clerk.granted.remove(QStringLiteral("GBRZW"));
        clerk.unitLimited = true;
        clerk.units = {3};
        const Result<int> id = admin::saveManager(dm.db(), 0, clerk, {clerk.name, clerk.name});
        ASSERT_TRUE(id.ok()) << id.errorText();
        dm.session().ManagerID = *id;
        form = std::make_unique<TMainForm>(dm);
        form->show();
        tree = form->findChild<UnitTreeWidget*>(QStringLiteral("cxTreeView1"));
    }
    int count(const QString& sql) { return dm.db().scalar(sql)->toInt(); }
    void trigger(const char* command) {
        form->findChild<QAction*>(QString::fromLatin1(command))->trigger();
    }
    void inEditor(const std::function<void(TCadreForm*)>& body) {
        const ModalAnswer<TCadreForm> answer([&body](TCadreForm* editor) {
            body(editor);
            if (editor->isVisible()) {
                child<QPushButton>(editor, "btnClose")->click();
            }
        });
        trigger("actCadreDetail");
        EXPECT_TRUE(answer.seen());
    }

    TestHome home;
    TDataM dm{home.path()};
    RecordingMessageService messages;
    std::unique_ptr<TMainForm> form;
    UnitTreeWidget* tree = nullptr;
};

TEST_F(UnitLimitWindows, ACadreOutOfReachIsListedAndShownInItsBasicDataOnly) {
    ASSERT_TRUE(tree->selectUnit(1));
    PageDw* page = form->cadreList();
    EXPECT_EQ(page->rowCount(), 7);
    ASSERT_TRUE(page->selectRow(0));
    inEditor([&](TCadreForm* editor) {
        EXPECT_EQ(editor->lastCadreId(), 1);
        auto* pages = child<QTabWidget>(editor, "PageControl1");
        EXPECT_TRUE(pages->isTabVisible(0));
        for (int i = 1; i < pages->count(); ++i) {
            EXPECT_FALSE(pages->isTabVisible(i)) << i;
        }
        auto* allow = child<QCheckBox>(editor, "chkAllowEdit");
        allow->click();
        EXPECT_FALSE(allow->isChecked());
        EXPECT_EQ(messages.texts(), QStringList{admin::kNoRight});
        EXPECT_TRUE(child<QLineEdit>(editor, "edtTel")->isReadOnly());
        EXPECT_FALSE(child<QPushButton>(editor, "btnSave")->isEnabled());
    });

    // Every command that would change the cadre or its unit is refused and changes nothing.
    const QString members = QStringLiteral("select count(*) from tb_cadre_node where dwID=1");
    const QString orders =
        QStringLiteral("select sum(zwOrder*ZwCadreID) from tb_cadre_node where dwID=1");
    const int membersBefore = count(members);
    const int ordersBefore = count(orders);
    for (const char* command : {"actDeleteCadre", "actAddPost", "actRemovePost", "actDeletePost",
                                "actMoveDown", "actNewCadre", "actAddExisting"}) {
        messages.clear();
        ASSERT_TRUE(page->selectRow(0));
        // A refused command opens no dialog; one that does is closed at once.
        const ModalAnswer<QDialog> opened([](QDialog* dialog) { dialog->reject(); });
        trigger(command);
        EXPECT_FALSE(opened.seen()) << command;
        EXPECT_EQ(messages.texts(), QStringList{admin::kNoRight}) << command;
    }
    EXPECT_EQ(count(members), membersBefore);
    EXPECT_EQ(count(orders), ordersBefore);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre")), 60);
}

TEST_F(UnitLimitWindows, ACadreInReachFollowsThePageRights) {
    ASSERT_TRUE(tree->selectUnit(13));
    PageDw* page = form->cadreList();
    ASSERT_TRUE(page->selectRow(0));
    const int cadre = 39;
    const QString resume =
        dm.db().scalar(QStringLiteral("select gzjl from tb_cadre where CadreID=39"))->toString();
    ASSERT_FALSE(resume.isEmpty());
    inEditor([&](TCadreForm* editor) {
        EXPECT_EQ(editor->lastCadreId(), cadre);
        auto* pages = child<QTabWidget>(editor, "PageControl1");
        for (int i = 0; i < pages->count(); ++i) {
            EXPECT_TRUE(pages->isTabVisible(i)) << i;
        }
        auto* allow = child<QCheckBox>(editor, "chkAllowEdit");
        allow->click();
        EXPECT_TRUE(allow->isChecked());
        EXPECT_TRUE(messages.texts().isEmpty());
        // The resume may not be read: the page shows the refusal and none of the text.
        auto* resumePage = child<GuardedPage>(editor, "tsResumeGuard");
        EXPECT_FALSE(resumePage->isReadable());
        EXPECT_TRUE(child<QPlainTextEdit>(editor, "gzjl")->toPlainText().isEmpty());
        // The posts may be read, not changed.
        EXPECT_TRUE(child<GuardedPage>(editor, "tsPostsGuard")->isReadable());
        auto* posts = child<QWidget>(editor, "tsPosts");
        EXPECT_FALSE(child<QPushButton>(posts, "btnAdd")->isEnabled());
        // The basic data may be changed and saved; the resume is not written over.
        EXPECT_FALSE(child<QLineEdit>(editor, "edtTel")->isReadOnly());
        child<QLineEdit>(editor, "edtTel")->setText(QStringLiteral("5550123"));
        child<QPushButton>(editor, "btnSave")->click();
        EXPECT_EQ(messages.texts(), QStringList{cadre::kSaveDone});
    });
    EXPECT_EQ(
        dm.db().scalar(QStringLiteral("select tel from tb_cadre where CadreID=39"))->toString(),
        QStringLiteral("5550123"));
    EXPECT_EQ(
        dm.db().scalar(QStringLiteral("select gzjl from tb_cadre where CadreID=39"))->toString(),
        resume);

    // The list's post commands need the posts' right.
    messages.clear();
    trigger("actAddPost");
    EXPECT_EQ(messages.texts(), QStringList{admin::kNoRight});
}

}  // namespace

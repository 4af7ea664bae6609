#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "ExecutionFixture.h"
#include "admin/Rights.h"
#include "appointment/PlanExecution.h"
#include "appointment/ui/TDoRmForm.h"
#include "appointment/ui/TRmSetForm1.h"
#include "cadre/PostEnding.h"
#include "cadre/Posts.h"
#include "cadre/Resume.h"
#include "cadre/ui/TRzForm.h"
#include "support/DataConsistency.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/RecordingMessageService.h"
#include "units/ui/TSelectDwForm.h"
#include "units/ui/UnitTreeWidget.h"

namespace {

class TDoRmFormTest : public ExecutionFixture {
  protected:
    std::unique_ptr<TDoRmForm> openWizard(int lineId) {
        Result<std::unique_ptr<appointment::PlanExecution>> started =
            appointment::PlanExecution::start(dm, lineId);
        EXPECT_TRUE(started) << started.errorText().toStdString();
        if (!started) {
            return nullptr;
        }
        auto wizard = std::make_unique<TDoRmForm>(dm, std::move(*started));
        wizard->show();
        return wizard;
    }

    static void next(TDoRmForm& wizard) { child<QPushButton>(wizard, "btnNext")->click(); }

    // Picks unit `id` in the post dialog's unit box as the user does.
    static void pickUnit(TRzForm& dialog, int id) {
        QTest::mouseClick(child<QLineEdit>(dialog, "edtUnit"), Qt::LeftButton);
        auto* picker = dialog.findChild<TSelectDwForm*>();
        ASSERT_NE(picker, nullptr);
        ASSERT_TRUE(picker->tree()->selectUnit(id));
        Q_EMIT picker->tree()->itemDoubleClicked(picker->tree()->currentItem(), 0);
    }

    // Fills the post dialog with the proposed post, 主席 of unit 4 from 2024.06, and saves it.
    static void enterChairman(TRzForm& dialog) {
        pickUnit(dialog, kNewUnit);
        child<QComboBox>(dialog, "cbPostName")->setEditText(QStringLiteral("主席"));
        child<QLineEdit>(dialog, "edtAppointed")->setText(QStringLiteral("2024.06"));
        child<QPushButton>(dialog, "btnOK")->click();
    }

    // Ticks the removal of the post named `post` on the removal page.
    static void tickRemoval(TDoRmForm& wizard, const QString& post) {
        auto* list = child<QTableWidget>(wizard, "lstRemove");
        for (int r = 0; r < list->rowCount(); ++r) {
            if (list->item(r, 2)->text() == post) {
                list->item(r, 0)->setCheckState(Qt::Checked);
            }
        }
    }

    // Walks from the welcome page to the appointment page: passed, the mayor's post removed.
    void removeMayor(TDoRmForm& wizard) {
        next(wizard);
        child<QComboBox>(wizard, "cbResult")->setCurrentText(QStringLiteral("通过"));
        child<QPlainTextEdit>(wizard, "memoOpinion")->setPlainText(QStringLiteral("同意"));
        next(wizard);
        ASSERT_EQ(wizard.currentPage(), TDoRmForm::RemovalPage);
        tickRemoval(wizard, QStringLiteral("市长"));
        child<QLineEdit>(wizard, "edtRemovalMonth")->setText(QStringLiteral("2024.06"));
        next(wizard);
        ASSERT_EQ(wizard.currentPage(), TDoRmForm::AppointmentPage) << messages.texts().join(u'|');
    }

    void addChairmanFromTheWizard(TDoRmForm& wizard) {
        const ModalAnswer<TRzForm> answer([](TRzForm* dialog) { enterChairman(*dialog); });
        child<QPushButton>(wizard, "btnAdd")->click();
        ASSERT_TRUE(answer.seen());
    }

    // What the cadre's posts and current-post texts are.
    QStringList postState() {
        return posts() + memberships() +
               QStringList{cadreValue(QStringLiteral("xrz")).toString(),
                           cadreValue(QStringLiteral("allZwList")).toString(),
                           cadreValue(QStringLiteral("allRzsjList")).toString()};
    }

    RecordingMessageService messages;
};

TEST_F(TDoRmFormTest, TheWizardEndsWhereThePostDialogsLeadByHand) {
    const Snapshot before = snapshot();
    QStringList byHand;
    {
        db::Transaction undo(db());
        TRzForm removal(dm, kCadre);
        ASSERT_TRUE(removal.startEdit(mayorPost));
        removal.show();
        child<QRadioButton>(removal, "rbFormer")->setChecked(true);
        child<QLineEdit>(removal, "edtRemoved")->setText(QStringLiteral("2024.06"));
        child<QPushButton>(removal, "btnOK")->click();
        TRzForm appointment(dm, kCadre);
        appointment.startNew(true, 0, false);
        appointment.show();
        enterChairman(appointment);
        byHand = postState();
    }
    ASSERT_EQ(snapshot(), before);
    ASSERT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();

    auto wizard = openWizard(line);
    ASSERT_TRUE(wizard);
    EXPECT_EQ(wizard->windowTitle(), QStringLiteral("任免执行向导"));
    EXPECT_FALSE(child<QPushButton>(*wizard, "btnBack")->isEnabled());
    removeMayor(*wizard);
    addChairmanFromTheWizard(*wizard);
    EXPECT_EQ(child<QTableWidget>(*wizard, "lstPosts")->rowCount(), 2);
    next(*wizard);
    ASSERT_EQ(wizard->currentPage(), TDoRmForm::CurrentPostsPage);
    EXPECT_EQ(child<QLineEdit>(*wizard, "edtXrz")->text(),
              QStringLiteral("中共某市委员会副书记，政协某市委员会主席"));
    next(*wizard);
    next(*wizard);
    next(*wizard);
    ASSERT_EQ(wizard->currentPage(), TDoRmForm::EndPage);
    EXPECT_EQ(child<QPushButton>(*wizard, "btnNext")->text(), QStringLiteral("结束"));
    next(*wizard);
    EXPECT_EQ(wizard->result(), QDialog::Accepted);
    wizard.reset();

    EXPECT_EQ(postState(), byHand);
    EXPECT_EQ(lineValue(line, QStringLiteral("rmjg")).toString(), QStringLiteral("通过"));
    EXPECT_EQ(lineValue(line, QStringLiteral("spyj")).toString(), QStringLiteral("同意"));
    // Unlike the dialogs by hand, the unit the cadre left keeps its order without a gap.
    EXPECT_EQ(dataConsistencyProblems(db()), QStringList());
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
}

TEST_F(TDoRmFormTest, CancellingAfterPostChangesLeavesEverythingAsItWas) {
    const Snapshot before = snapshot();
    for (const char* how : {"cancel", "close"}) {
        SCOPED_TRACE(how);
        auto wizard = openWizard(line);
        ASSERT_TRUE(wizard);
        removeMayor(*wizard);
        addChairmanFromTheWizard(*wizard);
        ASSERT_NE(snapshot(), before);
        if (QByteArray(how) == "cancel") {
            child<QPushButton>(*wizard, "btnCancel")->click();
        } else {
            wizard->close();
        }
        EXPECT_EQ(wizard->result(), QDialog::Rejected);
        EXPECT_EQ(snapshot(), before);
    }
}

TEST_F(TDoRmFormTest, NotPassedSkipsToTheDifferencesAndBackReturnsAlongThePath) {
    ASSERT_TRUE(db().exec(QStringLiteral("update tb_rmmc_detail set mz='回族', zytc='统计' where "
                                         "id=?"),
                          {line}));
    ASSERT_TRUE(
        db().exec(QStringLiteral("update tb_cadre set mz='汉族' where CadreID=?"), {kCadre}));
    const QStringList postsBefore = posts();
    auto wizard = openWizard(line);
    ASSERT_TRUE(wizard);
    next(*wizard);
    child<QComboBox>(*wizard, "cbResult")->setCurrentText(QStringLiteral("未通过"));
    next(*wizard);
    ASSERT_EQ(wizard->currentPage(), TDoRmForm::DifferencesPage);
    child<QPushButton>(*wizard, "btnBack")->click();
    EXPECT_EQ(wizard->currentPage(), TDoRmForm::ResultPage);
    next(*wizard);
    ASSERT_EQ(wizard->currentPage(), TDoRmForm::DifferencesPage);

    auto* rows = child<QTableWidget>(*wizard, "lstDifferences");
    ASSERT_EQ(rows->rowCount(), 2);
    EXPECT_EQ(rows->item(0, 1)->text(), QStringLiteral("民族"));
    EXPECT_EQ(rows->item(0, 2)->text(), QStringLiteral("汉族"));
    EXPECT_EQ(rows->item(0, 3)->text(), QStringLiteral("回族"));
    EXPECT_EQ(rows->item(1, 1)->text(), QStringLiteral("专长特长"));
    EXPECT_EQ(rows->item(0, 0)->checkState(), Qt::Unchecked);
    rows->item(1, 0)->setCheckState(Qt::Checked);
    next(*wizard);
    next(*wizard);
    EXPECT_EQ(wizard->result(), QDialog::Accepted);

    EXPECT_EQ(lineValue(line, QStringLiteral("rmjg")).toString(), QStringLiteral("未通过"));
    EXPECT_EQ(posts(), postsBefore);
    EXPECT_EQ(cadreValue(QStringLiteral("zytc")).toString(), QStringLiteral("统计"));
    EXPECT_EQ(cadreValue(QStringLiteral("mz")).toString(), QStringLiteral("汉族"));
}

TEST_F(TDoRmFormTest, TheCurrentPostTextIsPresetFromTheCadreOrTheLine) {
    const int postless = addCadre(QStringLiteral("甲"));
    ASSERT_TRUE(appointment::addCadres(db(), plan, {postless}));
    const int postlessLine = lineId(plan, 2);
    ASSERT_TRUE(
        db().exec(QStringLiteral("update tb_rmmc_detail set nrz=?, xrz=? where id=?"),
                  {QStringLiteral("某局局长"), QStringLiteral("某局副局长"), postlessLine}));
    struct Case {
        int line;
        QString expected;
    };
    for (const Case& c : {Case{line, QStringLiteral("中共某市委员会副书记，某市人民政府市长")},
                          Case{postlessLine, QStringLiteral("某局局长")}}) {
        auto wizard = openWizard(c.line);
        ASSERT_TRUE(wizard);
        for (int page = 0; page < TDoRmForm::CurrentPostsPage; ++page) {
            next(*wizard);
        }
        ASSERT_EQ(wizard->currentPage(), TDoRmForm::CurrentPostsPage);
        EXPECT_EQ(child<QLineEdit>(*wizard, "edtXrz")->text(), c.expected);
    }
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
}

TEST_F(TDoRmFormTest, TheCurrentPostTextFollowsLaterPostChangesUntilTyped) {
    auto wizard = openWizard(line);
    ASSERT_TRUE(wizard);
    for (int page = 0; page < TDoRmForm::CurrentPostsPage; ++page) {
        next(*wizard);
    }
    auto* xrz = child<QLineEdit>(*wizard, "edtXrz");
    auto* back = child<QPushButton>(*wizard, "btnBack");
    back->click();
    ASSERT_EQ(wizard->currentPage(), TDoRmForm::AppointmentPage);
    auto* list = child<QTableWidget>(*wizard, "lstPosts");
    list->setCurrentCell(1, 0);
    messages.answerNext(true);
    child<QPushButton>(*wizard, "btnDelete")->click();
    next(*wizard);
    EXPECT_EQ(xrz->text(), QStringLiteral("中共某市委员会副书记"));

    QTest::keyClicks(xrz, QStringLiteral(" (1)"));
    back->click();
    next(*wizard);
    EXPECT_EQ(xrz->text(), QStringLiteral("中共某市委员会副书记 (1)"));
}

TEST_F(TDoRmFormTest, TheResumePageOffersTheNewerResumeAndFinishingTakesIt) {
    const QString cadreResume = cadreValue(QStringLiteral("gzjl")).toString();
    struct Case {
        QString lineResume;
        QString note;
        QString written;
    };
    const QString longer = cadreResume + QStringLiteral("\r\n2024.06-         政协某市委员会主席");
    for (const Case& c :
         {Case{longer, QStringLiteral("（任免表中简历较新，默认采用任免表中的简历）"),
               cadre::tableToResume(cadre::resumeToTable(longer))},
          Case{QStringLiteral("1990.07-2000.01 甲"),
               QStringLiteral("（请根据干部信息库中的简历修改）"), cadreResume}}) {
        ASSERT_TRUE(db().exec(QStringLiteral("update tb_rmmc_detail set gzjl=? where id=?"),
                              {c.lineResume, line}));
        ASSERT_TRUE(db().exec(QStringLiteral("update tb_cadre set gzjl=? where CadreID=?"),
                              {cadreResume, kCadre}));
        auto wizard = openWizard(line);
        ASSERT_TRUE(wizard);
        for (int page = 0; page < TDoRmForm::ResumePage; ++page) {
            next(*wizard);
        }
        ASSERT_EQ(wizard->currentPage(), TDoRmForm::ResumePage);
        EXPECT_EQ(child<QLabel>(*wizard, "lblResumeNote")->text(), c.note);
        for (int page = TDoRmForm::ResumePage; page <= TDoRmForm::EndPage; ++page) {
            next(*wizard);
        }
        EXPECT_EQ(wizard->result(), QDialog::Accepted);
        EXPECT_EQ(cadreValue(QStringLiteral("gzjl")).toString(), c.written);
    }
}

TEST_F(TDoRmFormTest, RefusedStepsStayOnTheirPage) {
    auto wizard = openWizard(line);
    ASSERT_TRUE(wizard);
    next(*wizard);
    next(*wizard);
    tickRemoval(*wizard, QStringLiteral("市长"));
    next(*wizard);
    EXPECT_EQ(wizard->currentPage(), TDoRmForm::RemovalPage);
    child<QLineEdit>(*wizard, "edtRemovalMonth")->setText(QStringLiteral("2021.12"));
    next(*wizard);
    EXPECT_EQ(wizard->currentPage(), TDoRmForm::RemovalPage);
    ASSERT_EQ(messages.texts().size(), 2);
    EXPECT_EQ(messages.texts()[0], cadre::kBadRemovalMonth);
    EXPECT_TRUE(messages.texts()[1].startsWith(cadre::kRemovalBeforeAppointment));
    messages.clear();

    // With no post ticked the month is not needed.
    auto* removal = child<QTableWidget>(*wizard, "lstRemove");
    for (int r = 0; r < removal->rowCount(); ++r) {
        removal->item(r, 0)->setCheckState(Qt::Unchecked);
    }
    next(*wizard);
    ASSERT_EQ(wizard->currentPage(), TDoRmForm::AppointmentPage);
    child<QPushButton>(*wizard, "btnModify")->click();
    child<QPushButton>(*wizard, "btnDelete")->click();
    EXPECT_EQ(messages.texts(),
              (QStringList{appointment::kSelectPostToModify, cadre::kSelectPostToDelete}));

    // Deleting asks first; declined, the post stays.
    auto* list = child<QTableWidget>(*wizard, "lstPosts");
    list->setCurrentCell(0, 0);
    messages.clear();
    child<QPushButton>(*wizard, "btnDelete")->click();
    EXPECT_EQ(messages.texts(), QStringList{cadre::kDeletePostQuestion});
    EXPECT_EQ(list->rowCount(), 2);
    messages.answerNext(true);
    child<QPushButton>(*wizard, "btnDelete")->click();
    EXPECT_EQ(list->rowCount(), 1);
}

TEST_F(TDoRmFormTest, ExecuteInTheEditorOpensTheWizardForTheCadreOfTheLine) {
    {
        TRmSetForm1 form(dm, plan, line, true);
        auto* execute = child<QPushButton>(&form, "btnExecute");
        ASSERT_TRUE(execute->isEnabled());
        // A pending edit is saved before the wizard starts; the result it records shows in the
        // editor's list afterwards.
        child<QPlainTextEdit>(&form, "nmz")->setPlainText(QStringLiteral("某市人民政府市长职务"));
        const ModalAnswer<TDoRmForm> answer([](TDoRmForm* wizard) {
            EXPECT_EQ(child<QPlainTextEdit>(wizard, "memoNmz")->toPlainText(),
                      QStringLiteral("某市人民政府市长职务"));
            next(*wizard);
            child<QComboBox>(wizard, "cbResult")->setCurrentText(QStringLiteral("未通过"));
            next(*wizard);
            next(*wizard);
            next(*wizard);
        });
        execute->click();
        EXPECT_TRUE(answer.seen());
        EXPECT_EQ(child<QTableWidget>(&form, "lineList")->item(0, 1)->text(),
                  QStringLiteral("未通过"));
    }
    {
        TRmSetForm1 readOnly(dm, plan, line, false);
        EXPECT_FALSE(child<QPushButton>(&readOnly, "btnExecute")->isEnabled());
    }
    ASSERT_TRUE(db().exec(QStringLiteral("delete from tb_cadre where CadreID=?"), {kCadre}));
    TRmSetForm1 form(dm, plan, line, true);
    const ModalAnswer<TDoRmForm> answer([](TDoRmForm* wizard) { wizard->reject(); });
    child<QPushButton>(&form, "btnExecute")->click();
    EXPECT_FALSE(answer.seen());
    EXPECT_EQ(messages.texts(), QStringList{appointment::kCadreDeleted});
}

TEST_F(TDoRmFormTest, WithoutTheRightTheWizardIsNotOpened) {
    ASSERT_TRUE(
        db().exec(QStringLiteral("insert into tb_conf (GID,ItemID,ItemV,ItemV2) values "
                                 "('RIGHT','7','RMW','0')")));
    dm.session().ManagerID = 7;
    TRmSetForm1 form(dm, plan, line, true);
    const ModalAnswer<TDoRmForm> answer([](TDoRmForm* wizard) { wizard->reject(); });
    child<QPushButton>(&form, "btnExecute")->click();
    EXPECT_FALSE(answer.seen());
    EXPECT_EQ(messages.texts(), QStringList{admin::kNoRight});
}

}  // namespace

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "ExecutionFixture.h"
#include "admin/Rights.h"
#include "appointment/ui/TCheckForm.h"
#include "appointment/ui/TRmSetForm1.h"
#include "cadre/ui/TJlForm.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/RecordingMessageService.h"

namespace {

class TCheckFormTest : public ExecutionFixture {
  protected:
    void SetUp() override {
        ExecutionFixture::SetUp();
        ASSERT_TRUE(
            db().exec(QStringLiteral("update tb_cadre set mz='汉族' where CadreID=?"), {kCadre}));
        ASSERT_TRUE(
            db().exec(QStringLiteral("update tb_rmmc_detail set mz='汉族' where id=?"), {line}));
    }

    // Edits the birth month, the nation and the proposed posts of the line in the editor and
    // saves; `answer` acts on the consistency check that opens.
    bool editAndSave(const std::function<void(TCheckForm*)>& answer) {
        TRmSetForm1 form(dm, plan, line, true);
        child<QLineEdit>(&form, "csnyStr")->setText(QStringLiteral("1971.3"));
        child<QComboBox>(&form, "mz")->setCurrentText(QStringLiteral("回族"));
        child<QPlainTextEdit>(&form, "nrz")->setPlainText(QStringLiteral("某局局长"));
        const ModalAnswer<TCheckForm> check(answer);
        child<QPushButton>(&form, "btnSave")->click();
        return check.seen();
    }

    static QTableWidget* grid(TCheckForm* form) { return child<QTableWidget>(form, "gridCheck"); }

    RecordingMessageService messages;
};

TEST_F(TCheckFormTest, SavingAnEditedLineOffersTheEditedFieldsThatDiffer) {
    QStringList rows;
    const bool seen = editAndSave([&](TCheckForm* form) {
        EXPECT_EQ(form->windowTitle(), QStringLiteral("一致性检查"));
        EXPECT_EQ(child<QLabel>(form, "lblNote1")->text(),
                  QStringLiteral("您修改了任免表中的以下信息，是否将这些修改保存到基本信息库中？"));
        EXPECT_EQ(child<QLabel>(form, "lblNote2")->text(),
                  QStringLiteral("选择要保存的项，点击<确定>。"));
        for (int r = 0; r < grid(form)->rowCount(); ++r) {
            rows << grid(form)->item(r, 0)->text() + u'|' + grid(form)->item(r, 1)->text() + u'|' +
                        grid(form)->item(r, 2)->text() +
                        (grid(form)->item(r, 0)->checkState() == Qt::Checked ? u'+' : u'-');
        }
        EXPECT_FALSE(child<QCheckBox>(form, "chkResume")->isEnabled());
        grid(form)->item(0, 0)->setCheckState(Qt::Unchecked);
        child<QPushButton>(form, "btnSave")->click();
    });
    ASSERT_TRUE(seen);
    EXPECT_EQ(rows, (QStringList{QStringLiteral("民族|汉族|回族+"),
                                 QStringLiteral("出生年月|1971.12|1971.03+")}));
    EXPECT_EQ(cadreValue(QStringLiteral("mz")).toString(), QStringLiteral("汉族"));
    EXPECT_EQ(cadreValue(QStringLiteral("csnyStr")).toString(), QStringLiteral("1971.03"));
    EXPECT_EQ(cadreValue(QStringLiteral("csny")).toDate(), QDate(1971, 3, 1));
    EXPECT_EQ(lineValue(line, QStringLiteral("nrz")).toString(), QStringLiteral("某局局长"));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
}

TEST_F(TCheckFormTest, ClearingOrClosingCarriesNothingBack) {
    for (const char* button : {"btnClear", "btnClose"}) {
        SCOPED_TRACE(button);
        ASSERT_TRUE(db().exec(QStringLiteral("update tb_rmmc_detail set mz='汉族', csnyStr=? "
                                             "where id=?"),
                              {cadreValue(QStringLiteral("csnyStr")), line}));
        const Snapshot before = snapshot();
        const bool seen = editAndSave([&](TCheckForm* form) {
            child<QPushButton>(form, button)->click();
            if (form->isVisible()) {
                for (int r = 0; r < grid(form)->rowCount(); ++r) {
                    EXPECT_EQ(grid(form)->item(r, 0)->checkState(), Qt::Unchecked);
                }
                child<QPushButton>(form, "btnSave")->click();
            }
        });
        ASSERT_TRUE(seen);
        const Snapshot after = snapshot();
        EXPECT_EQ(after.at(QStringLiteral("tb_cadre")), before.at(QStringLiteral("tb_cadre")));
    }
}

TEST_F(TCheckFormTest, AnEditedResumeIsCarriedBackAsTheComparisonLeavesIt) {
    TRmSetForm1 form(dm, plan, line, true);
    child<QCheckBox>(&form, "chkTextMode")->setChecked(true);
    child<QPlainTextEdit>(&form, "gzjl")->setPlainText(QStringLiteral("2000.01-2010.01 甲"));
    const ModalAnswer<TCheckForm> check([](TCheckForm* dialog) {
        EXPECT_EQ(grid(dialog)->rowCount(), 0);
        auto* resume = child<QCheckBox>(dialog, "chkResume");
        EXPECT_TRUE(resume->isEnabled());
        EXPECT_TRUE(resume->isChecked());
        const ModalAnswer<TJlForm> compare([](TJlForm* window) {
            EXPECT_EQ(window->windowTitle(), QStringLiteral("简历对比"));
            EXPECT_EQ(child<QPlainTextEdit>(window, "memoNew")->toPlainText(),
                      QStringLiteral("2000.01-2010.01 甲"));
            child<QPlainTextEdit>(window, "memoNew")
                ->setPlainText(QStringLiteral("2000.01-2010.01 甲\n2010.01-        乙"));
            child<QPushButton>(window, "btnClose")->click();
        });
        Q_EMIT child<QLabel>(dialog, "lnkResume")->linkActivated(QStringLiteral("#"));
        EXPECT_TRUE(compare.seen());
        child<QPushButton>(dialog, "btnSave")->click();
    });
    child<QPushButton>(&form, "btnSave")->click();
    ASSERT_TRUE(check.seen());
    EXPECT_EQ(cadreValue(QStringLiteral("gzjl")).toString(),
              QStringLiteral("2000.01-2010.01 甲\r\n2010.01-        乙"));
}

TEST_F(TCheckFormTest, NoCheckWhenTheEditLeavesTheLineLikeTheCadre) {
    TRmSetForm1 form(dm, plan, line, true);
    child<QPlainTextEdit>(&form, "nrz")->setPlainText(QStringLiteral("某局局长"));
    child<QComboBox>(&form, "mz")->setCurrentText(QStringLiteral("汉族"));
    const ModalAnswer<TCheckForm> check([](TCheckForm* dialog) { dialog->reject(); });
    child<QPushButton>(&form, "btnSave")->click();
    EXPECT_FALSE(check.seen());
    EXPECT_EQ(lineValue(line, QStringLiteral("nrz")).toString(), QStringLiteral("某局局长"));
}

TEST_F(TCheckFormTest, WithoutTheRightToChangeCadresNothingIsCarriedBack) {
    ASSERT_TRUE(
        db().exec(QStringLiteral("insert into tb_conf (GID,ItemID,ItemV,ItemV2) values "
                                 "('RIGHT','7','WGB','0')")));
    dm.session().ManagerID = 7;
    const Snapshot before = snapshot();
    const bool seen = editAndSave([](TCheckForm* form) {
        child<QPushButton>(form, "btnSave")->click();
        EXPECT_TRUE(form->isVisible());
        form->reject();
    });
    ASSERT_TRUE(seen);
    EXPECT_EQ(snapshot().at(QStringLiteral("tb_cadre")), before.at(QStringLiteral("tb_cadre")));
    EXPECT_EQ(messages.texts(), QStringList{admin::kNoRight});
}

}  // namespace

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

#include "CadreData.h"
#include "cadre/BatchChange.h"
#include "cadre/LibraryMove.h"
#include "cadre/RepairTools.h"
#include "cadre/ui/TChangeForm.h"
#include "cadre/ui/TQueryForm1.h"
#include "cadre/ui/TSwitchForm.h"
#include "main/ui/TMainForm.h"
#include "settings/ui/TWakeForm.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/RecordingMessageService.h"

namespace {

const QString kNoRight = QStringLiteral("无操作权限，请联系管理员！");

QStringList items(QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i) {
        texts << box->itemText(i);
    }
    return texts;
}

QStringList column(QTableWidget* grid, int c) {
    QStringList texts;
    for (int r = 0; r < grid->rowCount(); ++r) {
        texts << grid->item(r, c)->text();
    }
    return texts;
}

class BatchToolsWindowsTest : public CadreData {
  protected:
    void SetUp() override {
        CadreData::SetUp();
        form = std::make_unique<TMainForm>(dm);
        form->show();
    }

    QAction* action(const char* name) { return child<QAction>(*form, name); }

    // Picks the first cadre whose name starts with `name` in the picker that `open` brings up.
    static void pick(const QString& name, const std::function<void()>& open) {
        const ModalAnswer<TQueryForm1> answer([&name](TQueryForm1* picker) {
            child<QLineEdit>(picker, "edtText")->insert(name);
            auto* candidates = child<QTableWidget>(picker, "gridCandidates");
            candidates->selectRow(0);
            child<QPushButton>(picker, "btnRight")->click();
            child<QPushButton>(picker, "btnOK")->click();
        });
        open();
        EXPECT_TRUE(answer.seen());
    }

    void deny(const QString& code) {
        dm.session().ManagerID = 7;
        run(QStringLiteral("insert into tb_conf (GID,ItemID,ItemV,ItemV2) values "
                           "('RIGHT','7','") +
            code + QStringLiteral("','0')"));
    }

    RecordingMessageService messages;
    std::unique_ptr<TMainForm> form;
};

TEST_F(BatchToolsWindowsTest, BatchEditChangesThePickedCadresAndStaysOpenOnARefusal) {
    ASSERT_TRUE(action("actBatchEdit")->isEnabled());
    const Snapshot before = snapshot();
    bool refusedWhileOpen = false;
    const ModalAnswer<TChangeForm> answer([&](TChangeForm* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("批量修改工具"));
        auto* button = child<QPushButton>(dialog, "btnChoose");
        pick(QStringLiteral("何"), [button] { button->click(); });
        auto* grid = child<QTableWidget>(dialog, "gridCadres");
        EXPECT_EQ(column(grid, 0), QStringList{QStringLiteral("何  国")});
        auto* fields = child<QListWidget>(dialog, "lstFields");
        auto* value = child<QComboBox>(dialog, "cbValue");
        EXPECT_EQ(fields->count(), 17);
        fields->setCurrentRow(0);
        EXPECT_EQ(items(value), (QStringList{QStringLiteral("男"), QStringLiteral("女")}));
        fields->setCurrentRow(15);
        EXPECT_EQ(items(value), cadre::cadreCategories());
        value->setEditText(QStringLiteral("领导"));
        child<QPushButton>(dialog, "btnOK")->click();
        refusedWhileOpen =
            dialog->isVisible() && messages.texts() == QStringList{cadre::kUnknownCategory};
        EXPECT_EQ(snapshot(), before);
        fields->setCurrentRow(2);
        value->setEditText(QStringLiteral("回族"));
        child<QPushButton>(dialog, "btnClearValue")->click();
        EXPECT_EQ(value->currentText(), QString());
        value->setEditText(QStringLiteral("回族"));
        child<QPushButton>(dialog, "btnOK")->click();
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    action("actBatchEdit")->trigger();
    ASSERT_TRUE(answer.seen());
    EXPECT_TRUE(refusedWhileOpen);
    EXPECT_EQ(cadreValue(2, QStringLiteral("mz")).toString(), QStringLiteral("回族"));
    EXPECT_EQ(cadreValue(1, QStringLiteral("mz")).toString(), QStringLiteral("汉族"));
}

TEST_F(BatchToolsWindowsTest, MovingALibraryAsksForBothLibrariesThenMovesThePickedCadres) {
    const ModalAnswer<TSwitchForm> answer([&](TSwitchForm* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("人员调动"));
        auto* month = child<QLineEdit>(dialog, "edtMonth");
        EXPECT_EQ(month->text(), QDate::currentDate().toString(QStringLiteral("yyyy.MM")));
        auto* source = child<QComboBox>(dialog, "cbSource");
        auto* target = child<QComboBox>(dialog, "cbTarget");
        EXPECT_EQ(items(source), cadre::cadreLibraries());
        EXPECT_EQ(source->currentIndex(), 0);
        auto* add = child<QPushButton>(dialog, "btnAdd");
        pick(QStringLiteral("何"), [add] { add->click(); });
        auto* grid = child<QTableWidget>(dialog, "gridCadres");
        EXPECT_EQ(column(grid, 3),
                  QStringList{QStringLiteral("中共某市委员会副书记，某市人民政府市长")});
        child<QPushButton>(dialog, "btnOK")->click();
        EXPECT_EQ(messages.texts(), QStringList{cadre::kChooseLibraries});
        EXPECT_TRUE(dialog->isVisible());
        // Another source library empties the list.
        source->setCurrentIndex(1);
        EXPECT_EQ(grid->rowCount(), 0);
        source->setCurrentIndex(0);
        pick(QStringLiteral("何"), [add] { add->click(); });
        target->setCurrentIndex(2);
        month->setText(QStringLiteral("2024.03"));
        child<QPushButton>(dialog, "btnOK")->click();
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    action("actMoveLibrary")->trigger();
    ASSERT_TRUE(answer.seen());
    EXPECT_EQ(cadreValue(2, QStringLiteral("classid")).toInt(), 2);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_node"), QStringLiteral("ZwCadreID=2")), 0);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"),
                    QStringLiteral("ZwCadreID=2 and status=2 and mzsjstr='2024.03'")),
              2);
}

// The reminders' retirement list is read again after a move between libraries made from the
// menu, so that it offers no cadre who has left the serving library; the moved cadre's current
// post is no longer shown.
TEST_F(BatchToolsWindowsTest, AMoveFromTheMenuRefreshesTheRemindersRetirementList) {
    run(QStringLiteral("update tb_cadre set csny=#1960-01-15#,csnyStr='1960.01' where CadreID=2"));
    const QString he = cadreValue(2, QStringLiteral("xm")).toString();
    action("actReminders")->trigger();
    auto* reminders = form->findChild<TWakeForm*>();
    ASSERT_NE(reminders, nullptr);
    child<QComboBox>(reminders, "cbPeriod")->setCurrentIndex(5);  // 已超过退休时间
    auto* retiring = child<QTableWidget>(reminders, "gridRetiring");
    ASSERT_TRUE(column(retiring, 1).contains(he));
    const ModalAnswer<TSwitchForm> answer([&](TSwitchForm* dialog) {
        auto* add = child<QPushButton>(dialog, "btnAdd");
        pick(QStringLiteral("何"), [add] { add->click(); });
        child<QComboBox>(dialog, "cbTarget")->setCurrentIndex(cadre::kRetiredLibrary);
        child<QLineEdit>(dialog, "edtMonth")->setText(QStringLiteral("2024.03"));
        child<QPushButton>(dialog, "btnOK")->click();
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    action("actMoveLibrary")->trigger();
    ASSERT_TRUE(answer.seen());
    EXPECT_EQ(cadreValue(2, QStringLiteral("classid")).toInt(), cadre::kRetiredLibrary);
    EXPECT_FALSE(column(retiring, 1).contains(he));
    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(), QString());
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
}

TEST_F(BatchToolsWindowsTest, TheOtherToolsMenuRunsEachRepairAndReportsIt) {
    QMenu* menu = action("actOtherTools")->menu();
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> entries = menu->actions();
    ASSERT_EQ(entries.size(), static_cast<qsizetype>(cadre::repairTools().size()) + 1);
    EXPECT_EQ(entries[0]->text(), cadre::kRepairToolsNote);
    EXPECT_FALSE(entries[0]->isEnabled());
    run(QStringLiteral("update tb_cadre set py='XX' where CadreID=1"));
    child<QAction>(*menu, "actRepairPinyin")->trigger();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith(QStringLiteral("重新分析干部拼音检索完成，共修改")));
    EXPECT_EQ(cadreValue(1, QStringLiteral("py")).toString(), QStringLiteral("LC"));
    messages.clear();
    child<QAction>(*menu, "actRepairPinyin")->trigger();
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("重新分析干部拼音检索完成，共修改0条记录。")});
}

TEST_F(BatchToolsWindowsTest, WithoutTheirRightsTheCommandsOpenNothingAndWriteNothing) {
    deny(QStringLiteral("TOOL"));
    run(QStringLiteral("update tb_cadre set py='XX' where CadreID=1"));
    const Snapshot before = snapshot();
    {
        const ModalAnswer<TChangeForm> answer([](TChangeForm* dialog) { dialog->reject(); });
        action("actBatchEdit")->trigger();
        EXPECT_FALSE(answer.seen());
    }
    child<QAction>(*action("actOtherTools")->menu(), "actRepairPinyin")->trigger();
    EXPECT_EQ(messages.texts(), (QStringList{kNoRight, kNoRight}));
    EXPECT_EQ(snapshot(), before);
    messages.clear();
    deny(QStringLiteral("WGB"));
    const ModalAnswer<TSwitchForm> answer([](TSwitchForm* dialog) { dialog->reject(); });
    action("actMoveLibrary")->trigger();
    EXPECT_FALSE(answer.seen());
    EXPECT_EQ(messages.texts(), QStringList{kNoRight});
}

}  // namespace

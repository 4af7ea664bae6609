#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "CadreData.h"
#include "cadre/ui/PostsPage.h"
#include "cadre/ui/TRzForm.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/RecordingMessageService.h"
#include "units/ui/TAtDwForm.h"
#include "units/ui/TSelectDwForm.h"
#include "units/ui/UnitTreeWidget.h"

namespace {

enum Tab { CurrentTab, FormerTab, MembershipTab };

// Picks unit `id` in a dialog's unit box as the user does: a click opens the tree, a
// double-click on the node chooses it.
bool pickUnit(QDialog* dialog, int id) {
    auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("edtUnit"));
    if (box == nullptr) {
        return false;
    }
    QTest::mouseClick(box, Qt::LeftButton);
    auto* picker = dialog->findChild<TSelectDwForm*>();
    if (picker == nullptr || !picker->tree()->selectUnit(id)) {
        return false;
    }
    Q_EMIT picker->tree()->itemDoubleClicked(picker->tree()->currentItem(), 0);
    return true;
}

// Presses "确 定" and closes a dialog that stayed open (a refusal), so that the test goes on.
void confirm(QDialog* dialog) {
    dialog->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    if (dialog->isVisible()) {
        dialog->reject();
    }
}

class PostsPageTest : public CadreData {
  protected:
    void SetUp() override {
        CadreData::SetUp();
        page = std::make_unique<PostsPage>(dm);
        page->setRecordWriter([this](const cadre::CurrentPostTexts& texts) {
            written.push_back(texts.posts + u'|' + texts.appointed);
            return Result<void>();
        });
        page->setEditable(true);
        page->showCadre(2);
    }

    template <class Widget>
    Widget* child(const char* name) {
        return ::child<Widget>(page.get(), name);
    }

    QTableWidget* grid(Tab tab) {
        static const char* const names[] = {"gridCurrent", "gridFormer", "gridMembers"};
        return child<QTableWidget>(names[tab]);
    }

    void showTab(Tab tab) { child<QTabWidget>("tabPosts")->setCurrentIndex(tab); }
    void click(const char* button) { child<QPushButton>(button)->click(); }

    // Every row of a list, its cells joined by "/".
    QStringList rows(Tab tab) {
        QTableWidget* list = grid(tab);
        QStringList all;
        for (int row = 0; row < list->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < list->columnCount(); ++column) {
                cells << list->item(row, column)->text();
            }
            all << cells.join(u'/');
        }
        return all;
    }

    QStringList headers(Tab tab) {
        QStringList all;
        for (int column = 0; column < grid(tab)->columnCount(); ++column) {
            all << grid(tab)->horizontalHeaderItem(column)->text();
        }
        return all;
    }

    RecordingMessageService messages;
    std::unique_ptr<PostsPage> page;
    QStringList written;  // what the record writer received: posts|appointed
};

const QStringList kCurrent = {"1/中共某市委员会/副书记/2022.05", "2/某市人民政府/市长/2022.05"};
const QStringList kFormer = {"1/某市人力资源和社会保障局/科长/1993.07/1994.06",
                             "2/中共某市纪律检查委员会/副主任/1994.06/2022.05"};
const QStringList kMembers = {"中共某市委员会//是", "某市人民政府//是"};

TEST_F(PostsPageTest, ShowsTheThreeListsOfTheCadre) {
    auto* tabs = child<QTabWidget>("tabPosts");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("现任职详细信息"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("曾任职详细信息"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("所在单位/编制"));
    EXPECT_EQ(headers(CurrentTab), (QStringList{"序号", "单位名称", "职务名称", "任职时间"}));
    EXPECT_EQ(headers(FormerTab),
              (QStringList{"序号", "单位名称", "职务名称", "任职时间", "免职时间"}));
    EXPECT_EQ(headers(MembershipTab), (QStringList{"单位名称", "进入时间", "是否在编"}));
    EXPECT_EQ(rows(CurrentTab), kCurrent);
    EXPECT_EQ(rows(FormerTab), kFormer);
    EXPECT_EQ(rows(MembershipTab), kMembers);
    const QStringList captions{"添加", "删除", "修改", "上移", "下移"};
    const char* const buttons[] = {"btnAdd", "btnDelete", "btnEdit", "btnUp", "btnDown"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(child<QPushButton>(buttons[i])->text(), captions[i]);
    }
    EXPECT_EQ(page->lockBox(), child<QCheckBox>("chkZwLock"));
    EXPECT_EQ(page->lockBox()->text(),
              QStringLiteral("锁定干部基本信息中现任职务、任职时间，不随“任职详细”自动变化"));

    // Another cadre replaces the lists.
    page->showCadre(1);
    EXPECT_EQ(rows(CurrentTab), QStringList{"1/中共某市委员会/书记/2018.05"});
    EXPECT_EQ(rows(FormerTab).size(), 3);
}

TEST_F(PostsPageTest, AddsACurrentPostThroughThePostDialog) {
    QSignalSpy changed(page.get(), &PostsPage::postsChanged);
    bool picked = false;
    ModalAnswer<TRzForm> answer([&picked](TRzForm* dialog) {
        picked = pickUnit(dialog, 12);
        dialog->findChild<QComboBox*>(QStringLiteral("cbPostName"))
            ->setEditText(QStringLiteral("主任"));
        dialog->findChild<QLineEdit*>(QStringLiteral("edtAppointed"))
            ->setText(QStringLiteral("2023.01"));
        confirm(dialog);
    });
    click("btnAdd");
    ASSERT_TRUE(answer.seen());
    EXPECT_TRUE(picked);
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
    EXPECT_EQ(rows(CurrentTab), kCurrent + QStringList{"3/某市发展和改革委员会/主任/2023.01"});
    EXPECT_EQ(grid(CurrentTab)->currentRow(), 2);
    EXPECT_EQ(rows(MembershipTab), kMembers + QStringList{"某市发展和改革委员会//是"});
    EXPECT_EQ(changed.count(), 1);
    ASSERT_FALSE(written.isEmpty());
    EXPECT_EQ(written.last(),
              QStringLiteral("中共某市委员会副书记，某市人民政府市长，某市发展和改革委员会主任|"
                             "2022.05"));
}

TEST_F(PostsPageTest, AFormerPostIsAddedToTheFormerList) {
    showTab(FormerTab);
    ModalAnswer<TRzForm> answer([](TRzForm* dialog) {
        EXPECT_TRUE(dialog->findChild<QRadioButton*>(QStringLiteral("rbFormer"))->isChecked());
        dialog->findChild<QCheckBox*>(QStringLiteral("chkHistoricalUnit"))->setChecked(true);
        dialog->findChild<QLineEdit*>(QStringLiteral("edtHistoricalUnit"))
            ->setText(QStringLiteral("某县某局"));
        dialog->findChild<QComboBox*>(QStringLiteral("cbPostName"))
            ->setEditText(QStringLiteral("科员"));
        confirm(dialog);
    });
    click("btnAdd");
    ASSERT_TRUE(answer.seen());
    EXPECT_EQ(rows(FormerTab), kFormer + QStringList{"3/某县某局/科员//"});
    EXPECT_EQ(rows(CurrentTab), kCurrent);
}

TEST_F(PostsPageTest, ACancelledDialogChangesNothing) {
    QSignalSpy changed(page.get(), &PostsPage::postsChanged);
    ModalAnswer<TRzForm> answer([](TRzForm* dialog) { dialog->reject(); });
    click("btnAdd");
    ASSERT_TRUE(answer.seen());
    EXPECT_EQ(rows(CurrentTab), kCurrent);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_TRUE(written.isEmpty());
}

TEST_F(PostsPageTest, DoubleClickEditsTheFocusedPost) {
    QSignalSpy changed(page.get(), &PostsPage::postsChanged);
    ModalAnswer<TRzForm> answer([](TRzForm* dialog) {
        EXPECT_EQ(dialog->findChild<QComboBox*>(QStringLiteral("cbPostName"))->currentText(),
                  QStringLiteral("市长"));
        dialog->findChild<QLineEdit*>(QStringLiteral("edtAppointed"))
            ->setText(QStringLiteral("2022.06"));
        confirm(dialog);
    });
    grid(CurrentTab)->setCurrentCell(1, 0);
    Q_EMIT grid(CurrentTab)->cellDoubleClicked(1, 0);
    ASSERT_TRUE(answer.seen());
    EXPECT_EQ(rows(CurrentTab)[1], QStringLiteral("2/某市人民政府/市长/2022.06"));
    EXPECT_EQ(grid(CurrentTab)->currentRow(), 1);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(PostsPageTest, DeletesTheFocusedPostAfterTheQuestion) {
    QSignalSpy changed(page.get(), &PostsPage::postsChanged);
    grid(CurrentTab)->setCurrentCell(1, 0);
    messages.answerNext(false);
    click("btnDelete");
    EXPECT_EQ(messages.texts(), QStringList{"删除当前职务?"});
    EXPECT_EQ(rows(CurrentTab), kCurrent);
    EXPECT_EQ(changed.count(), 0);

    messages.clear();
    messages.answerNext(true);
    click("btnDelete");
    EXPECT_EQ(messages.texts(), QStringList{"删除当前职务?"});
    EXPECT_EQ(rows(CurrentTab), QStringList{"1/中共某市委员会/副书记/2022.05"});
    EXPECT_EQ(changed.count(), 1);
    ASSERT_FALSE(written.isEmpty());
    EXPECT_EQ(written.last(), QStringLiteral("中共某市委员会副书记|2022.05"));
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"), QStringLiteral("ZwID=6")), 0);
    // The cadre has left the unit of the deleted post.
    EXPECT_EQ(rows(MembershipTab), QStringList{"中共某市委员会//是"});
}

TEST_F(PostsPageTest, DeletingAFormerPostLeavesTheRecordAlone) {
    showTab(FormerTab);
    grid(FormerTab)->setCurrentCell(0, 0);
    messages.answerNext(true);
    click("btnDelete");
    EXPECT_EQ(rows(FormerTab), QStringList{kFormer[1]});
    EXPECT_TRUE(written.isEmpty());
}

TEST_F(PostsPageTest, WithoutAFocusedPostDeleteAndMoveSayWhy) {
    for (const Tab tab : {CurrentTab, FormerTab}) {
        showTab(tab);
        grid(tab)->setCurrentCell(-1, -1);
        messages.clear();
        click("btnDelete");
        click("btnUp");
        EXPECT_EQ(messages.texts(),
                  (QStringList{"请在列表中选中要删除的职务。", "请在列表中选中要移动的职务。"}));
    }
    EXPECT_EQ(rows(CurrentTab), kCurrent);
}

TEST_F(PostsPageTest, MovesAPostAmongItsNeighbours) {
    QSignalSpy changed(page.get(), &PostsPage::postsChanged);
    grid(CurrentTab)->setCurrentCell(1, 0);
    click("btnUp");
    EXPECT_EQ(rows(CurrentTab),
              (QStringList{"1/某市人民政府/市长/2022.05", "2/中共某市委员会/副书记/2022.05"}));
    EXPECT_EQ(grid(CurrentTab)->currentRow(), 0);
    EXPECT_EQ(changed.count(), 1);
    ASSERT_FALSE(written.isEmpty());
    EXPECT_EQ(written.last(), QStringLiteral("某市人民政府市长，中共某市委员会副书记|2022.05"));

    // The first post cannot move up.
    click("btnUp");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(rows(CurrentTab)[0], QStringLiteral("1/某市人民政府/市长/2022.05"));

    showTab(FormerTab);
    grid(FormerTab)->setCurrentCell(0, 0);
    click("btnDown");
    EXPECT_EQ(rows(FormerTab), (QStringList{"1/中共某市纪律检查委员会/副主任/1994.06/2022.05",
                                            "2/某市人力资源和社会保障局/科长/1993.07/1994.06"}));
    EXPECT_EQ(grid(FormerTab)->currentRow(), 1);
    EXPECT_EQ(changed.count(), 2);
    click("btnDown");
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(PostsPageTest, RemovingAMembershipTurnsItsCurrentPostsIntoFormerOnes) {
    QSignalSpy changed(page.get(), &PostsPage::postsChanged);
    showTab(MembershipTab);
    EXPECT_FALSE(child<QPushButton>("btnUp")->isEnabled());
    grid(MembershipTab)->setCurrentCell(1, 0);
    messages.answerNext(false);
    click("btnDelete");
    EXPECT_EQ(messages.texts(),
              QStringList{"删除与单位的对应关系，注意：相关的现任职务也会被同时删除?"});
    EXPECT_EQ(rows(MembershipTab), kMembers);

    messages.answerNext(true);
    click("btnDelete");
    EXPECT_EQ(rows(MembershipTab), QStringList{"中共某市委员会//是"});
    EXPECT_EQ(rows(CurrentTab), QStringList{"1/中共某市委员会/副书记/2022.05"});
    // The post goes last among the former ones, with an order number of its own.
    ASSERT_EQ(rows(FormerTab).size(), 3);
    EXPECT_EQ(rows(FormerTab).last(), QStringLiteral("3/某市人民政府/市长/2022.05/"));
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(PostsPageTest, DoubleClickOnAMembershipOpensTheMembershipDialog) {
    QSignalSpy changed(page.get(), &PostsPage::postsChanged);
    showTab(MembershipTab);
    ModalAnswer<TAtDwForm> answer([](TAtDwForm* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("edtEntered"))
            ->setText(QStringLiteral("2022.06"));
        dialog->findChild<QCheckBox*>(QStringLiteral("chkInStaffing"))->setChecked(false);
        confirm(dialog);
    });
    grid(MembershipTab)->setCurrentCell(1, 0);
    Q_EMIT grid(MembershipTab)->cellDoubleClicked(1, 0);
    ASSERT_TRUE(answer.seen());
    EXPECT_EQ(rows(MembershipTab), (QStringList{"中共某市委员会//是", "某市人民政府/2022.06/否"}));
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(PostsPageTest, AMembershipIsAddedAndTheLastRowFocused) {
    showTab(MembershipTab);
    bool picked = false;
    ModalAnswer<TAtDwForm> answer([&picked](TAtDwForm* dialog) {
        picked = pickUnit(dialog, 12);
        confirm(dialog);
    });
    click("btnAdd");
    ASSERT_TRUE(answer.seen());
    EXPECT_TRUE(picked);
    EXPECT_EQ(rows(MembershipTab), kMembers + QStringList{"某市发展和改革委员会//是"});
    EXPECT_EQ(grid(MembershipTab)->currentRow(), 2);
}

TEST_F(PostsPageTest, ANewCadreOrAReadOnlyPageDoesNothing) {
    QSignalSpy changed(page.get(), &PostsPage::postsChanged);
    page->setEditable(false);
    for (const char* button : {"btnAdd", "btnDelete", "btnEdit", "btnUp", "btnDown"}) {
        EXPECT_FALSE(child<QPushButton>(button)->isEnabled()) << button;
    }
    EXPECT_FALSE(page->lockBox()->isEnabled());
    grid(CurrentTab)->setCurrentCell(0, 0);
    Q_EMIT grid(CurrentTab)->cellDoubleClicked(0, 0);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    page->setEditable(true);
    page->showCadre(0);
    EXPECT_TRUE(rows(CurrentTab).isEmpty());
    EXPECT_TRUE(rows(FormerTab).isEmpty());
    EXPECT_TRUE(rows(MembershipTab).isEmpty());
    for (const char* button : {"btnAdd", "btnDelete", "btnEdit", "btnUp", "btnDown"}) {
        EXPECT_FALSE(child<QPushButton>(button)->isEnabled()) << button;
    }
    EXPECT_TRUE(page->lockBox()->isEnabled());
    EXPECT_EQ(changed.count(), 0);
    EXPECT_TRUE(messages.texts().isEmpty());
}

}  // namespace

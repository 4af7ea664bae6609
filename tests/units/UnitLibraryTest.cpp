#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidgetItem>
#include <functional>

#include "app/DataModule.h"
#include "db/Database.h"
#include "main/TMainForm.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "units/TDepForm.h"
#include "units/UnitTreeWidget.h"

namespace {

const QString kNoRight = QStringLiteral("无操作权限，请联系管理员！");

QStringList captionsOf(const UnitTreeWidget* tree) {
    QStringList texts;
    for (const QTreeWidgetItem* item : tree->itemsInDisplayOrder()) {
        texts << item->text(0);
    }
    return texts;
}

const QStringList kSampleCaptions{"市委",   "市委办", "组织部",   "宣传部", "统战部", "市人大",
                                  "市政府", "政府办", "发改委",   "教育局", "财政局", "人社局",
                                  "市政协", "市纪委", "群团组织", "团市委"};

// The changing controls of the library, locked while "允许修改" is off.
const char* const kChangingButtons[] = {"btnAdd", "btnDelete", "btnUnitSettings", "btnUp",
                                        "btnDown"};

// The sample tree has 16 units: top level 1..6, 7..10 below 1, 11..15 below 3, 16 below 6;
// siblings are ordered 1, 2, ... in ID order.
class UnitLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }
    void showForm() {
        form.setDataModule(&dm);
        form.show();
        tree = form.findChild<UnitTreeWidget*>(QStringLiteral("cxTreeView1"));
        ASSERT_NE(tree, nullptr);
    }
    int order(int id) {
        return dm.db()
            .scalar(QStringLiteral("select dwOrder from tb_department where ID=") +
                    QString::number(id))
            .toInt();
    }
    std::vector<QVariantList> units() {
        const auto r = dm.db().query(
            QStringLiteral("select ID, parentID, dwOrder, dwlevel, dwIndex from tb_department "
                           "order by ID"));
        return r ? r->rows : std::vector<QVariantList>{};
    }
    // Opens the library with "高级" and runs `body` in it, then closes it with "关闭".
    void inLibrary(const std::function<void(TDepForm*)>& body) {
        const ModalAnswer<TDepForm> answer([&body](TDepForm* library) {
            body(library);
            library->findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
        });
        form.findChild<QPushButton*>(QStringLiteral("lblAdvanced"))->click();
        EXPECT_TRUE(answer.seen());
    }
    void denyWdw() {
        dm.session().ManagerID = 7;
        ASSERT_TRUE(dm.db().exec(QStringLiteral(
            "insert into tb_conf (GID,ItemID,ItemV,ItemV2) values ('RIGHT','7','WDW','0')")))
            << dm.db().lastError();
    }

    TestHome home;
    TDataM dm{home.path()};
    RecordingMessageService messages;
    TMainForm form;
    UnitTreeWidget* tree = nullptr;
};

TEST_F(UnitLibraryTest, TheAdvancedButtonOpensTheLibraryOnTheSelectedUnit) {
    showForm();
    ASSERT_TRUE(tree->selectUnit(12));
    inLibrary([](TDepForm* library) {
        EXPECT_EQ(library->windowTitle(), QStringLiteral("单位信息设置"));
        auto* own = library->findChild<UnitTreeWidget*>(QStringLiteral("tvDw"));
        ASSERT_NE(own, nullptr);
        EXPECT_EQ(captionsOf(own), kSampleCaptions);
        EXPECT_EQ(own->currentUnitId(), 12);
        EXPECT_EQ(library->findChild<QLabel*>(QStringLiteral("lblCurrent"))->text(),
                  QStringLiteral("某市发展和改革委员会"));
        struct Field {
            const char* name;
            const char* text;
        };
        const Field fields[] = {{"edtName", "某市发展和改革委员会"},
                                {"edtDwjc", "发改委"},
                                {"edtParent", "某市人民政府"},
                                {"edtKind", "真实单位/部门"}};
        for (const Field& f : fields) {
            auto* edit = library->findChild<QLineEdit*>(QString::fromLatin1(f.name));
            ASSERT_NE(edit, nullptr) << f.name;
            EXPECT_EQ(edit->text(), QString::fromUtf8(f.text)) << f.name;
            EXPECT_TRUE(edit->isReadOnly()) << f.name;
        }
        // Browsing: selecting another unit shows its fields.
        ASSERT_TRUE(own->selectUnit(6));
        EXPECT_EQ(library->findChild<QLineEdit*>(QStringLiteral("edtName"))->text(),
                  QStringLiteral("群团组织"));
        EXPECT_EQ(library->findChild<QLineEdit*>(QStringLiteral("edtParent"))->text(),
                  QStringLiteral("<无>"));
        EXPECT_EQ(library->findChild<QLineEdit*>(QStringLiteral("edtKind"))->text(),
                  QStringLiteral("虚拟单位/分组"));
    });
    // Nothing changed: the main tree keeps its selection.
    EXPECT_EQ(tree->currentUnitId(), 12);
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
}

TEST_F(UnitLibraryTest, ChangingControlsAreLockedUntilEditingIsAllowed) {
    TDepForm library(dm, 3);
    library.show();
    auto* allow = library.findChild<QCheckBox*>(QStringLiteral("chkAllowEdit"));
    ASSERT_NE(allow, nullptr);
    EXPECT_EQ(allow->text(), QStringLiteral("允许修改"));
    EXPECT_FALSE(allow->isChecked());
    for (const bool on : {false, true, false}) {
        allow->setChecked(on);
        for (const char* name : kChangingButtons) {
            auto* button = library.findChild<QPushButton*>(QString::fromLatin1(name));
            ASSERT_NE(button, nullptr) << name;
            EXPECT_EQ(button->isEnabled(), on) << name << " on=" << on;
        }
        // Not built: always disabled. Closing is always possible.
        EXPECT_FALSE(library.findChild<QPushButton*>(QStringLiteral("btnSave"))->isEnabled());
        EXPECT_FALSE(library.findChild<QPushButton*>(QStringLiteral("btnCancel"))->isEnabled());
        EXPECT_TRUE(library.findChild<QPushButton*>(QStringLiteral("btnClose"))->isEnabled());
    }
    // Locked: pressing a move button changes nothing.
    const auto before = units();
    library.findChild<QPushButton*>(QStringLiteral("btnDown"))->click();
    EXPECT_EQ(units(), before);
    EXPECT_FALSE(library.changed());
}

TEST_F(UnitLibraryTest, AllowingEditsWithoutTheRightIsRefused) {
    denyWdw();
    TDepForm library(dm, 8);
    library.show();
    auto* allow = library.findChild<QCheckBox*>(QStringLiteral("chkAllowEdit"));
    allow->click();
    EXPECT_FALSE(allow->isChecked());
    EXPECT_EQ(messages.texts(), QStringList{kNoRight});
    for (const char* name : kChangingButtons) {
        EXPECT_FALSE(library.findChild<QPushButton*>(QString::fromLatin1(name))->isEnabled())
            << name;
    }
}

TEST_F(UnitLibraryTest, UpAndDownSwapTheOrderWithTheNeighbour) {
    struct Case {
        int id;
        const char* button;
        int neighbour;  // 0: no sibling on that side, nothing changes
        QStringList captions;
    };
    const Case cases[] = {
        {8,
         "btnUp",
         7,
         {"市委", "组织部", "市委办", "宣传部", "统战部", "市人大", "市政府", "政府办", "发改委",
          "教育局", "财政局", "人社局", "市政协", "市纪委", "群团组织", "团市委"}},
        {13,
         "btnDown",
         14,
         {"市委", "市委办", "组织部", "宣传部", "统战部", "市人大", "市政府", "政府办", "发改委",
          "财政局", "教育局", "人社局", "市政协", "市纪委", "群团组织", "团市委"}},
        {2,
         "btnUp",
         1,
         {"市人大", "市委", "市委办", "组织部", "宣传部", "统战部", "市政府", "政府办", "发改委",
          "教育局", "财政局", "人社局", "市政协", "市纪委", "群团组织", "团市委"}},
        {1, "btnUp", 0, kSampleCaptions},
        {7, "btnUp", 0, kSampleCaptions},
        {15, "btnDown", 0, kSampleCaptions},
        {16, "btnDown", 0, kSampleCaptions},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        TestHome caseHome;
        TDataM caseDm(caseHome.path());
        ASSERT_TRUE(caseDm.db().open(caseHome.makeWorkingDatabase()));
        const auto orderOf = [&caseDm](int id) {
            return caseDm.db()
                .scalar(QStringLiteral("select dwOrder from tb_department where ID=") +
                        QString::number(id))
                .toInt();
        };
        const auto indexes =
            caseDm.db().query(QStringLiteral("select ID, dwIndex from tb_department order by ID"));
        const auto all = caseDm.db().query(QStringLiteral("select * from tb_department"));
        const int ownOrder = orderOf(c.id);
        const int neighbourOrder = c.neighbour != 0 ? orderOf(c.neighbour) : 0;

        TDepForm library(caseDm, c.id);
        library.show();
        library.findChild<QCheckBox*>(QStringLiteral("chkAllowEdit"))->setChecked(true);
        library.findChild<QPushButton*>(QString::fromLatin1(c.button))->click();

        auto* own = library.findChild<UnitTreeWidget*>(QStringLiteral("tvDw"));
        EXPECT_EQ(captionsOf(own), c.captions);
        EXPECT_EQ(own->currentUnitId(), c.id);
        EXPECT_EQ(library.changed(), c.neighbour != 0);
        if (c.neighbour != 0) {
            EXPECT_EQ(orderOf(c.id), neighbourOrder);
            EXPECT_EQ(orderOf(c.neighbour), ownOrder);
            // The indexes wait for "重建单位索引".
            EXPECT_EQ(
                caseDm.db()
                    .query(QStringLiteral("select ID, dwIndex from tb_department order by ID"))
                    ->rows,
                indexes->rows);
        } else {
            EXPECT_EQ(caseDm.db().query(QStringLiteral("select * from tb_department"))->rows,
                      all->rows);
        }
        EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
    }
}

TEST_F(UnitLibraryTest, ClosingAfterAChangeReloadsTheMainTreeKeepingTheCurrentUnit) {
    showForm();
    ASSERT_TRUE(tree->selectUnit(9));
    inLibrary([](TDepForm* library) {
        library->findChild<QCheckBox*>(QStringLiteral("chkAllowEdit"))->setChecked(true);
        auto* own = library->findChild<UnitTreeWidget*>(QStringLiteral("tvDw"));
        ASSERT_TRUE(own->selectUnit(9));
        library->findChild<QPushButton*>(QStringLiteral("btnUp"))->click();
        library->findChild<QPushButton*>(QStringLiteral("btnUp"))->click();
    });
    EXPECT_EQ(captionsOf(tree),
              (QStringList{"市委", "宣传部", "市委办", "组织部", "统战部", "市人大", "市政府",
                           "政府办", "发改委", "教育局", "财政局", "人社局", "市政协", "市纪委",
                           "群团组织", "团市委"}));
    EXPECT_EQ(tree->currentUnitId(), 9);
    EXPECT_EQ(order(9), 1);
    EXPECT_EQ(order(7), 2);
    EXPECT_EQ(order(8), 3);
}

TEST_F(UnitLibraryTest, ClosingWithoutAChangeLeavesTheMainTreeAsItWas) {
    showForm();
    ASSERT_TRUE(tree->selectUnit(14));
    // A change behind the tree's back shows only if the library reloaded the tree.
    ASSERT_TRUE(dm.db().exec(QStringLiteral("update tb_department set dwOrder=9 where ID=11")));
    inLibrary([](TDepForm*) {});
    EXPECT_EQ(captionsOf(tree), kSampleCaptions);
    EXPECT_EQ(tree->currentUnitId(), 14);
}

}  // namespace

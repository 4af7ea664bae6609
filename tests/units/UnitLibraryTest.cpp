#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidgetItem>
#include <functional>
#include <memory>

#include "app/DataModule.h"
#include "db/Database.h"
#include "db/SqlText.h"
#include "main/ui/TMainForm.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "units/UnitTree.h"
#include "units/ui/TDepForm.h"
#include "units/ui/UnitTreeWidget.h"

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
const char* const kChangingButtons[] = {"btnSave", "btnCancel", "btnAdd",   "btnDelete",  "btnUp",
                                        "btnDown", "btnZsAdd",  "btnBzAdd", "btnNoParent"};

// The sample tree has 16 units: top level 1..6, 7..10 below 1, 11..15 below 3, 16 below 6;
// siblings are ordered 1, 2, ... in ID order.
class UnitLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }
    void showForm() {
        form = std::make_unique<TMainForm>(dm);
        form->show();
        tree = form->findChild<UnitTreeWidget*>(QStringLiteral("cxTreeView1"));
        ASSERT_NE(tree, nullptr);
    }
    int order(int id) {
        return dm.db()
            .scalar(QStringLiteral("select dwOrder from tb_department where ID=") +
                    QString::number(id))
            ->toInt();
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
        form->findChild<QPushButton*>(QStringLiteral("lblAdvanced"))->click();
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
    std::unique_ptr<TMainForm> form;
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
        const Field fields[] = {
            {"edtName", "某市发展和改革委员会"}, {"edtDwjc", "发改委"}, {"edtParent", "市政府\\"}};
        for (const Field& f : fields) {
            auto* edit = library->findChild<QLineEdit*>(QString::fromLatin1(f.name));
            ASSERT_NE(edit, nullptr) << f.name;
            EXPECT_EQ(edit->text(), QString::fromUtf8(f.text)) << f.name;
            EXPECT_TRUE(edit->isReadOnly()) << f.name;
        }
        EXPECT_TRUE(library->findChild<QRadioButton*>(QStringLiteral("rbDep"))->isChecked());
        EXPECT_EQ(library->findChild<QRadioButton*>(QStringLiteral("rbGroup"))->text(),
                  QStringLiteral("虚拟单位/分组"));
        // Browsing: selecting another unit shows its fields and heading.
        ASSERT_TRUE(own->selectUnit(6));
        EXPECT_EQ(library->findChild<QLineEdit*>(QStringLiteral("edtName"))->text(),
                  QStringLiteral("群团组织"));
        EXPECT_EQ(library->findChild<QLabel*>(QStringLiteral("lblCurrent"))->text(),
                  QStringLiteral("群团组织"));
        EXPECT_EQ(library->findChild<QLineEdit*>(QStringLiteral("edtParent"))->text(),
                  QStringLiteral("<无>"));
        EXPECT_TRUE(library->findChild<QRadioButton*>(QStringLiteral("rbGroup"))->isChecked());
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
        EXPECT_EQ(library.findChild<QLineEdit*>(QStringLiteral("edtName"))->isReadOnly(), !on);
        EXPECT_EQ(library.findChild<QComboBox*>(QStringLiteral("cbDwxz"))->isEnabled(), on);
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
                ->toInt();
        };
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
            // The indexes follow the new orders at once: "重建单位索引" finds nothing to change.
            const auto moved = caseDm.db().query(QStringLiteral("select * from tb_department"));
            EXPECT_NE(moved->rows, all->rows);
            ASSERT_TRUE(units::UnitTree(caseDm).rebuildIndexes());
            EXPECT_EQ(caseDm.db().query(QStringLiteral("select * from tb_department"))->rows,
                      moved->rows);
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

// ---- Editing in place ------------------------------------------------------------------------

class UnitLibraryEditTest : public UnitLibraryTest {
  protected:
    void SetUp() override {
        UnitLibraryTest::SetUp();
        library = std::make_unique<TDepForm>(dm, 12);
        library->show();
        own = library->findChild<UnitTreeWidget*>(QStringLiteral("tvDw"));
        library->findChild<QCheckBox*>(QStringLiteral("chkAllowEdit"))->setChecked(true);
    }
    QLineEdit* edit(const char* name) const {
        return library->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    void click(const char* name) const {
        library->findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
    QString heading() const {
        return library->findChild<QLabel*>(QStringLiteral("lblCurrent"))->text();
    }
    QString stored(int id, const char* column) {
        return dm.db()
            .scalar(QStringLiteral("select %1 from tb_department where ID=%2")
                        .arg(QString::fromLatin1(column))
                        .arg(id))
            ->toString();
    }
    std::vector<QVariantList> allUnits() {
        return dm.db().query(QStringLiteral("select * from tb_department order by ID"))->rows;
    }

    std::unique_ptr<TDepForm> library;
    UnitTreeWidget* own = nullptr;
};

TEST_F(UnitLibraryEditTest, SaveWritesTheFieldsAndShowsTheUnitUnderItsNewCaption) {
    edit("edtName")->setText(QStringLiteral("某市发展改革委"));
    edit("edtDwjc")->setText(QStringLiteral("发展改革委"));
    click("btnSave");
    EXPECT_EQ(stored(12, "name"), QStringLiteral("某市发展改革委"));
    EXPECT_EQ(stored(12, "dwjc"), QStringLiteral("发展改革委"));
    EXPECT_EQ(own->currentUnitId(), 12);
    EXPECT_EQ(own->currentItem()->text(0), QStringLiteral("发展改革委"));
    EXPECT_EQ(heading(), QStringLiteral("某市发展改革委"));
    EXPECT_TRUE(library->changed());
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
}

TEST_F(UnitLibraryEditTest, CancelShowsTheStoredFieldsAgain) {
    const auto before = allUnits();
    edit("edtName")->setText(QStringLiteral("别的名称"));
    click("btnCancel");
    EXPECT_EQ(edit("edtName")->text(), QStringLiteral("某市发展和改革委员会"));
    // Nothing is left pending: showing another unit saves nothing.
    ASSERT_TRUE(own->selectUnit(13));
    EXPECT_EQ(allUnits(), before);
    EXPECT_FALSE(library->changed());
}

TEST_F(UnitLibraryEditTest, ShowingAnotherUnitOrClosingSavesThePendingChanges) {
    edit("edtDwjc")->setText(QStringLiteral("发展改革"));
    ASSERT_TRUE(own->selectUnit(13));
    EXPECT_EQ(stored(12, "dwjc"), QStringLiteral("发展改革"));
    EXPECT_EQ(edit("edtName")->text(), stored(13, "name"));
    EXPECT_EQ(own->currentUnitId(), 13);

    edit("edtDwjc")->setText(QStringLiteral("教体局"));
    click("btnClose");
    EXPECT_EQ(stored(13, "dwjc"), QStringLiteral("教体局"));
    EXPECT_TRUE(library->changed());
}

TEST_F(UnitLibraryEditTest, ARefusedSaveKeepsTheUnitAndTheInputAndWritesNothing) {
    const auto before = allUnits();
    edit("edtName")->setText(QStringLiteral("  "));
    ASSERT_TRUE(own->selectUnit(13));
    EXPECT_EQ(own->currentUnitId(), 12);
    EXPECT_EQ(edit("edtName")->text(), QStringLiteral("  "));
    click("btnClose");
    EXPECT_TRUE(library->isVisible());
    EXPECT_EQ(messages.texts(), (QStringList{units::kEmptyName, units::kEmptyName}));
    EXPECT_EQ(allUnits(), before);
}

TEST_F(UnitLibraryEditTest, AddingBelowOrBesideTheSelectedUnitSavesIntoTheTree) {
    struct Case {
        const char* action;
        int selected;
        int parent;
        const char* parentPath;
    };
    const Case cases[] = {{"actAddChild", 3, 3, "市政府\\"},
                          {"actAddSibling", 12, 3, "市政府\\"},
                          {"actAddSibling", 1, 0, "<无>"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        ASSERT_TRUE(own->selectUnit(c.selected));
        library->findChild<QAction*>(QString::fromLatin1(c.action))->trigger();
        EXPECT_EQ(heading(), TDepForm::kNewUnitHeading);
        EXPECT_EQ(edit("edtName")->text(), QString());
        EXPECT_EQ(edit("edtParent")->text(), QString::fromUtf8(c.parentPath));
        const QString name =
            QStringLiteral("新单位") + QString::fromLatin1(c.action) + QString::number(c.selected);
        edit("edtName")->setText(name);
        click("btnSave");
        const auto id = dm.db()
                            .scalar(QStringLiteral("select ID from tb_department where name=") +
                                    sql::quoted(name))
                            .value();
        ASSERT_TRUE(id.isValid()) << name.toStdString();
        EXPECT_EQ(stored(id.toInt(), "parentID").toInt(), c.parent);
        EXPECT_EQ(own->currentUnitId(), id.toInt());
        EXPECT_EQ(heading(), name);
    }
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
}

TEST_F(UnitLibraryEditTest, AnAddLeftBlankIsDroppedWhenAnotherUnitIsShown) {
    const auto before = allUnits();
    library->findChild<QAction*>(QStringLiteral("actAddChild"))->trigger();
    ASSERT_EQ(heading(), TDepForm::kNewUnitHeading);
    ASSERT_TRUE(own->selectUnit(13));
    EXPECT_EQ(heading(), stored(13, "name"));
    EXPECT_EQ(allUnits(), before);
}

TEST_F(UnitLibraryEditTest, TheTreeCheckBoxesComeAndGoWithTheMenuEntry) {
    auto* entry = library->findChild<QAction*>(QStringLiteral("actCheckTree"));
    entry->trigger();
    ASSERT_TRUE(own->isCheckable());
    own->itemsInDisplayOrder().at(2)->setCheckState(0, Qt::Checked);
    EXPECT_EQ(own->checkedUnitIds(), QList<int>{8});
    entry->trigger();
    EXPECT_TRUE(own->checkedUnitIds().isEmpty());
    EXPECT_FALSE(own->itemsInDisplayOrder().at(2)->data(0, Qt::CheckStateRole).isValid());
}

}  // namespace

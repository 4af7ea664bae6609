#include <gtest/gtest.h>

#include <vector>

#include "db/Database.h"
#include "main/GridLayoutStore.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace mainwin {

inline void PrintTo(const CheckState& s, std::ostream* os) {
    *os << '{' << s.name.toStdString() << ", " << s.down << '}';
}
inline void PrintTo(const ColumnLayout& c, std::ostream* os) {
    *os << '{' << c.name.toStdString() << ", " << c.width << ", " << c.ord << '}';
}

}  // namespace mainwin

namespace {

using namespace Qt::StringLiterals;
using mainwin::CheckState;
using mainwin::ColumnLayout;

class GridLayoutStore : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(db.open(home.makeWorkingDatabase())) << db.lastError();
        ASSERT_TRUE(db.exec(u"delete * from tb_custom_check"_s));
        ASSERT_TRUE(db.exec(u"delete * from tb_custom_width"_s));
    }

    void addCheck(const QVariant& name, bool down) {
        ASSERT_TRUE(
            db.exec(u"insert into tb_custom_check (name,down) values (?,?)"_s, {name, down}))
            << db.lastError();
    }
    void addWidth(const QString& name, int width, int ord) {
        ASSERT_TRUE(db.exec(u"insert into tb_custom_width (name,width,ord) values (?,?,?)"_s,
                            {name, width, ord}))
            << db.lastError();
    }
    std::vector<CheckState> checks() {
        const auto rows = mainwin::readCheckStates(db);
        EXPECT_TRUE(rows.ok()) << rows.errorText();
        return rows ? *rows : std::vector<CheckState>{};
    }
    std::vector<ColumnLayout> widths() {
        const auto rows = mainwin::readColumnLayouts(db);
        EXPECT_TRUE(rows.ok()) << rows.errorText();
        return rows ? *rows : std::vector<ColumnLayout>{};
    }

    TestHome home;
    db::Database db;
};

TEST_F(GridLayoutStore, RestoreSortsRowsAndDeletesThoseNamingNothing) {
    addCheck(u"cxButton2"_s, true);
    addCheck(u"[Cadre]N12"_s, false);
    addCheck(u"已删除按钮"_s, true);
    addCheck(u"[Cadre]N13"_s, true);
    addCheck(u"CXBUTTON2"_s, false);  // differs from a known name only in case
    addCheck(u"[Cadre]"_s, true);     // names no menu item
    addCheck(QVariant(), true);       // no name at all
    addCheck(u"cxButton3"_s, false);

    const QSet<QString> known = {u"cxButton2"_s, u"cxButton3"_s, u"cxButton4"_s};
    const auto restored = mainwin::restoreCheckStates(db, known);
    ASSERT_TRUE(restored.ok()) << restored.errorText();
    EXPECT_EQ(restored->window,
              (std::vector<CheckState>{{u"cxButton2"_s, true}, {u"cxButton3"_s, false}}));
    EXPECT_EQ(restored->cadreEditor,
              (std::vector<CheckState>{{u"N12"_s, false}, {u"N13"_s, true}}));
    EXPECT_EQ(restored->deleted, 4);
    EXPECT_EQ(checks(), (std::vector<CheckState>{{u"cxButton2"_s, true},
                                                 {u"[Cadre]N12"_s, false},
                                                 {u"[Cadre]N13"_s, true},
                                                 {u"cxButton3"_s, false}}));

    // Nothing is left to delete the second time.
    const auto again = mainwin::restoreCheckStates(db, known);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again->deleted, 0);
    EXPECT_EQ(again->window, restored->window);
    EXPECT_EQ(checks().size(), 4u);
}

TEST_F(GridLayoutStore, RestoreWithNoKnownNamesKeepsOnlyCadreEditorRows) {
    addCheck(u"a"_s, true);
    addCheck(u"[Cadre]b"_s, true);
    const auto restored = mainwin::restoreCheckStates(db, {});
    ASSERT_TRUE(restored.ok());
    EXPECT_TRUE(restored->window.empty());
    EXPECT_EQ(checks(), (std::vector<CheckState>{{u"[Cadre]b"_s, true}}));
}

TEST_F(GridLayoutStore, SaveUpdatesRowsOfTheSameNameAndAppendsNewOnes) {
    addCheck(u"cxButton2"_s, false);
    addCheck(u"[Cadre]N12"_s, true);
    addWidth(u"colXm"_s, 60, 2);

    ASSERT_TRUE(mainwin::saveLayout(
        db, {{u"cxButton2"_s, true}, {u"cxButton9"_s, false}, {u"[Cadre]N12"_s, false}},
        {{u"colXm"_s, 88, 0}, {u"colXb"_s, 40, 1}}))
        << db.lastError();
    EXPECT_EQ(checks(),
              (std::vector<CheckState>{
                  {u"cxButton2"_s, true}, {u"[Cadre]N12"_s, false}, {u"cxButton9"_s, false}}));
    EXPECT_EQ(widths(), (std::vector<ColumnLayout>{{u"colXm"_s, 88, 0}, {u"colXb"_s, 40, 1}}));

    // Saving again changes values in place and adds no row; a name with a quote is a name.
    ASSERT_TRUE(mainwin::saveLayout(db, {{u"cxButton9"_s, true}, {u"it's"_s, true}},
                                    {{u"colXb"_s, 45, 2}, {u"it's"_s, 10, 3}}))
        << db.lastError();
    EXPECT_EQ(checks(), (std::vector<CheckState>{{u"cxButton2"_s, true},
                                                 {u"[Cadre]N12"_s, false},
                                                 {u"cxButton9"_s, true},
                                                 {u"it's"_s, true}}));
    EXPECT_EQ(widths(), (std::vector<ColumnLayout>{
                            {u"colXm"_s, 88, 0}, {u"colXb"_s, 45, 2}, {u"it's"_s, 10, 3}}));
}

TEST_F(GridLayoutStore, SaveIsAllOrNothing) {
    addCheck(u"cxButton2"_s, false);
    ASSERT_TRUE(db.exec(u"drop table tb_custom_width"_s)) << db.lastError();
    EXPECT_FALSE(mainwin::saveLayout(db, {{u"cxButton2"_s, true}, {u"cxButton3"_s, true}},
                                     {{u"colXm"_s, 88, 0}}));
    EXPECT_EQ(checks(), (std::vector<CheckState>{{u"cxButton2"_s, false}}));
    EXPECT_EQ(db.transactionDepth(), 0);
}

}  // namespace

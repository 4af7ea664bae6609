#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include "app/DataModule.h"
#include "cadre/ui/TQueryForm1.h"
#include "db/Database.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"
#include "units/ui/UnitPickerEdit.h"

namespace {

// Unit 12 (发改委) lists cadres 35..38 at orders 1..4.
class CadrePickerFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }
    void exec(const QString& sql) { ASSERT_TRUE(dm.db().exec(sql)) << dm.db().lastError(); }

    TestHome home;
    TDataM dm{home.path()};
};

TEST_F(CadrePickerFormTest, ListsAUnitsMembersInTheUnitsOrder) {
    TQueryForm1 picker(dm, 0);
    picker.show();
    picker.findChild<QRadioButton*>(QStringLiteral("rbByUnit"))->click();
    auto* unitBox = picker.findChild<UnitPickerEdit*>();
    ASSERT_NE(unitBox, nullptr);
    exec(QStringLiteral("update tb_cadre_node set zwOrder=9 where dwID=12 and ZwCadreID=35"));
    unitBox->setUnit(12);
    auto* candidates = picker.findChild<QTableWidget*>(QStringLiteral("gridCandidates"));
    QStringList names;
    for (int row = 0; row < candidates->rowCount(); ++row) {
        names << candidates->item(row, 1)->text();
    }
    QStringList expected;
    for (const int cadre : {36, 37, 38, 35}) {
        expected << dm.db()
                        .scalar(
                            QStringLiteral("select xm from tb_cadre where CadreID=%1").arg(cadre))
                        ->toString();
    }
    EXPECT_EQ(names, expected);
    // A cadre of another library is not offered.
    exec(QStringLiteral("update tb_cadre set classid=1 where CadreID=37"));
    unitBox->setUnit(13);
    unitBox->setUnit(12);
    EXPECT_EQ(candidates->rowCount(), 3);
}

// Names are stored normalised ("刘  成"); the name box finds them however they are typed, and a
// name that begins a longer one still finds that one.
TEST_F(CadrePickerFormTest, TheNameBoxFindsStoredNamesHoweverTyped) {
    exec(QStringLiteral("update tb_cadre set xm='刘成龙' where CadreID=60"));
    TQueryForm1 picker(dm, 0);
    picker.show();
    auto* box = picker.findChild<QLineEdit*>(QStringLiteral("edtText"));
    auto* candidates = picker.findChild<QTableWidget*>(QStringLiteral("gridCandidates"));
    ASSERT_NE(box, nullptr);
    ASSERT_NE(candidates, nullptr);
    const struct {
        const char* typed;
        QStringList names;
    } cases[] = {
        {"刘成", {QStringLiteral("刘  成"), QStringLiteral("刘成龙")}},
        {"刘 成", {QStringLiteral("刘  成"), QStringLiteral("刘成龙")}},
        {"刘  成", {QStringLiteral("刘  成"), QStringLiteral("刘成龙")}},
        {"刘成龙", {QStringLiteral("刘成龙")}},
        {"LC", {QStringLiteral("刘  成")}},
    };
    for (const auto& c : cases) {
        box->setText(QString::fromUtf8(c.typed));
        QStringList names;
        for (int row = 0; row < candidates->rowCount(); ++row) {
            names << candidates->item(row, 1)->text();
        }
        EXPECT_EQ(names, c.names) << c.typed;
    }
}

}  // namespace

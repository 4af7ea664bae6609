#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTabWidget>
#include <QTableWidget>

#include "app/DataModule.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"
#include "units/OrganisationHistory.h"
#include "units/ui/TDepFormS.h"

namespace {

// 组织部 (unit 8) of the sample: its 部长 and 副部长 posts, with quota rows where only 部长 keeps a
// history, and an earlier 部长 who has left.
class OrganisationHistoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase()));
        exec("insert into tb_department_zs (DwID,zwmc,zwrs,zzs) values (8,'部长',1,True)");
        exec("insert into tb_department_zs (DwID,zwmc,zwrs,zzs) values (8,'副部长',2,False)");
        exec("insert into tb_department_zs (DwID,zwmc,zwrs,zzs) values (9,'副部长',2,True)");
        exec(
            "insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,"
            "mzsjstr) values (1,2,8,'中共某市委组织部','部长',9,#2010-01-01#,'2010.01',"
            "#2015-03-01#,'2015.03')");
    }
    void exec(const char* sql) {
        ASSERT_TRUE(dm.db().exec(QString::fromUtf8(sql))) << dm.db().lastError();
    }
    QStringList expected() {
        const QString current =
            dm.db()
                .scalar(QStringLiteral("select rzsjstr from tb_cadre_zw where dwID=8 and "
                                       "zwmc='部长' and status=1"))
                ->toString();
        const QString head =
            dm.db()
                .scalar(QStringLiteral("select b.xm from tb_cadre_zw as a inner join tb_cadre "
                                       "as b on a.ZwCadreID=b.CadreID where a.dwID=8 and "
                                       "a.zwmc='部长' and a.status=1"))
                ->toString();
        const QString former =
            dm.db().scalar(QStringLiteral("select xm from tb_cadre where CadreID=1"))->toString();
        return {QStringLiteral("2010.01-2015.03|") + former + QStringLiteral("|部长"),
                current + QStringLiteral("-|") + head + QStringLiteral("|部长")};
    }

    TestHome home;
    TDataM dm{home.path()};
};

TEST_F(OrganisationHistoryTest, ListsThePostsThatKeepAHistoryInAppointmentOrder) {
    QStringList lines;
    for (const units::HistoryLine& line : units::organisationHistory(dm.db(), 8)) {
        lines << line.period + u'|' + line.name + u'|' + line.post;
    }
    EXPECT_EQ(lines, expected());
    // Units without a quota that keeps a history have none.
    EXPECT_TRUE(units::organisationHistory(dm.db(), 7).empty());
    // 副部长 keeps a history in 宣传部 only.
    EXPECT_EQ(units::organisationHistory(dm.db(), 9).size(), 2u);
}

TEST_F(OrganisationHistoryTest, TheUnitDialogShowsItOnItsTab) {
    TDepFormS dialog(dm);
    dialog.show();
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    EXPECT_FALSE(tabs->isTabEnabled(3));  // a unit being created has no history
    ASSERT_TRUE(dialog.startEditing(8));
    tabs->setCurrentIndex(3);
    EXPECT_EQ(tabs->tabText(3), QStringLiteral("组织史管理"));
    auto* grid = dialog.findChild<QTableWidget*>(QStringLiteral("gridHistory"));
    QStringList rows;
    for (int r = 0; r < grid->rowCount(); ++r) {
        rows << grid->item(r, 0)->text() + u'|' + grid->item(r, 1)->text() + u'|' +
                    grid->item(r, 2)->text();
    }
    EXPECT_EQ(rows, expected());
    EXPECT_FALSE(dialog.findChild<QCheckBox*>(QStringLiteral("cbManualHistory"))->isEnabled());
}

}  // namespace

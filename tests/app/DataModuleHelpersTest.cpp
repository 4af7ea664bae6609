#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>

#include "app/DataModule.h"
#include "db/Dataset.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"
#include "text/Gbk.h"

namespace {

// A data module on a fresh copy of the template database, opened directly.
class DataModuleHelpers : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }

    // Runs a statement and reports its error at the failing line of the test.
    bool exec(const QString& statement) {
        const bool ok = dm.db().exec(statement);
        if (!ok) {
            ADD_FAILURE() << dm.db().lastError();
        }
        return ok;
    }
    QVariant scalar(const QString& statement) { return dm.db().scalar(statement).value(); }
    int count(const QString& tableAndWhere) {
        return scalar(QStringLiteral("select count(*) from ") + tableAndWhere).toInt();
    }

    TestHome home;
    TDataM dm{home.path() + u'/'};
};

// ---- tb_conf -------------------------------------------------------------------------------

TEST_F(DataModuleHelpers, SetConfUpdatesAnExistingItemAndNeverAddsASecondRow) {
    const QString gid = QStringLiteral("测试组");
    const QString item = QStringLiteral("导出目录");
    const QString where = QStringLiteral("tb_conf where Gid='测试组' and ItemID='导出目录'");
    EXPECT_EQ(dm.GetConf(gid, item).value(), QString());

    ASSERT_TRUE(dm.SetConf(gid, item, QStringLiteral("甲")));
    EXPECT_EQ(count(where), 1);
    EXPECT_EQ(dm.GetConf(gid, item).value(), QStringLiteral("甲"));

    ASSERT_TRUE(dm.SetConf(gid, item, QStringLiteral("乙")));
    ASSERT_TRUE(dm.SetConf(gid, item, QStringLiteral("丙")));
    EXPECT_EQ(count(where), 1);
    EXPECT_EQ(dm.GetConf(gid, item).value(), QStringLiteral("丙"));

    // A reference row of the template is updated in place as well.
    ASSERT_EQ(dm.GetConf(QStringLiteral("GBSF"), QStringLiteral("公务员")).value(),
              QStringLiteral("01"));
    ASSERT_TRUE(dm.SetConf(QStringLiteral("GBSF"), QStringLiteral("公务员"), QStringLiteral("11")));
    EXPECT_EQ(count(QStringLiteral("tb_conf where Gid='GBSF' and ItemID='公务员'")), 1);
    EXPECT_EQ(dm.GetConf(QStringLiteral("GBSF"), QStringLiteral("公务员")).value(),
              QStringLiteral("11"));
    EXPECT_EQ(dm.GetConf(QStringLiteral("GBSF"), QStringLiteral("参照公务员")).value(),
              QStringLiteral("02"));
}

TEST_F(DataModuleHelpers, SetConfKeepsItemsOfOtherGroupsApart) {
    ASSERT_TRUE(dm.SetConf(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("1")));
    ASSERT_TRUE(dm.SetConf(QStringLiteral("B"), QStringLiteral("x"), QStringLiteral("2")));
    ASSERT_TRUE(dm.SetConf(QStringLiteral("A"), QStringLiteral("y"), QStringLiteral("3")));
    EXPECT_EQ(dm.GetConf(QStringLiteral("A"), QStringLiteral("x")).value(), QStringLiteral("1"));
    EXPECT_EQ(dm.GetConf(QStringLiteral("B"), QStringLiteral("x")).value(), QStringLiteral("2"));
    EXPECT_EQ(dm.GetConf(QStringLiteral("A"), QStringLiteral("y")).value(), QStringLiteral("3"));
    EXPECT_EQ(dm.GetConf(QStringLiteral("B"), QStringLiteral("y")).value(), QString());
}

TEST_F(DataModuleHelpers, ConfValuesAndKeysWithQuotesRoundTrip) {
    const QString gid = QStringLiteral("O'Brien");
    const QString item = QStringLiteral("it's");
    const QString values[] = {QStringLiteral("a'b"), QStringLiteral("x' or '1'='1"),
                              QStringLiteral("''"), QStringLiteral("单'引'号")};
    for (const QString& value : values) {
        SCOPED_TRACE(value.toStdString());
        ASSERT_TRUE(dm.SetConf(gid, item, value));
        EXPECT_EQ(dm.GetConf(gid, item).value(), value);
        EXPECT_EQ(count(QStringLiteral("tb_conf where Gid='O''Brien' and ItemID='it''s'")), 1);
    }
    // The quote cannot widen the select: an item that is not there reads empty.
    EXPECT_EQ(dm.GetConf(QStringLiteral("GBSF"), QStringLiteral("x' or '1'='1")).value(),
              QString());
}

// ---- Machine settings ----------------------------------------------------------------------

TEST_F(DataModuleHelpers, SettingNeverWrittenReadsEmpty) {
    EXPECT_FALSE(QFileInfo::exists(home.dbDir() + QStringLiteral("/CONF.ini")));
    EXPECT_EQ(dm.GetSetting(QStringLiteral("DBServer")), QString());
    dm.PutSetting(QStringLiteral("DBUser"), QStringLiteral("sa"));
    EXPECT_EQ(dm.GetSetting(QStringLiteral("DBServer")), QString());
    EXPECT_EQ(dm.GetSetting(QString()), QString());
}

TEST_F(DataModuleHelpers, SettingsRoundTripAndAreSeenByAnotherModuleOnTheSameFolder) {
    const std::pair<QString, QString> settings[] = {
        {QStringLiteral("DBServer"), QStringLiteral("192.168.1.10")},
        {QStringLiteral("DBPwd"), QStringLiteral("p=ss;word,1")},
        {QStringLiteral("上次单位"), QStringLiteral("中共某市委员会 组织部")},
        {QStringLiteral("Empty"), QString()},
    };
    for (const auto& [name, value] : settings) {
        dm.PutSetting(name, value);
    }
    TDataM other(home.path() + u'/');
    for (const auto& [name, value] : settings) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(dm.GetSetting(name), value);
        EXPECT_EQ(other.GetSetting(name), value);
    }
    dm.PutSetting(QStringLiteral("DBServer"), QStringLiteral("server2"));
    EXPECT_EQ(other.GetSetting(QStringLiteral("DBServer")), QStringLiteral("server2"));

    // The values are in Db/CONF.ini, under the program's section.
    QFile ini(home.dbDir() + QStringLiteral("/CONF.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(ini.readAll());
    EXPECT_TRUE(written.contains(QStringLiteral("server2"))) << written;
    EXPECT_FALSE(written.contains(QStringLiteral("192.168.1.10"))) << written;
}

TEST_F(DataModuleHelpers, HandWrittenSettingsFileIsRead) {
    QFile ini(home.dbDir() + QStringLiteral("/CONF.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(
        QStringLiteral("[其他]\nDBServer=wrong\n[干部管理]\nDBServer=host1\nList=a,b\n").toUtf8());
    ini.close();
    EXPECT_EQ(dm.GetSetting(QStringLiteral("DBServer")), QStringLiteral("host1"));
    EXPECT_EQ(dm.GetSetting(QStringLiteral("List")), QStringLiteral("a,b"));

    // As a Windows program writes it, in the GBK code page.
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write(text::toGbk(
        QStringLiteral("[干部管理]\r\n备份路径=D:\\new\\自动备份\r\nDBPwd=\"a;b\"\r\n")));
    ini.close();
    EXPECT_EQ(dm.GetSetting(QStringLiteral("备份路径")), QStringLiteral("D:\\new\\自动备份"));
    EXPECT_EQ(dm.GetSetting(QStringLiteral("DBPwd")), QStringLiteral("a;b"));
}

// Db/CONF.ini is plain text that any INI reader takes: the section and the names as they are,
// in UTF-8; values quoted only when they would otherwise be cut or split.
TEST_F(DataModuleHelpers, SettingsFileHasThePlainSectionName) {
    dm.PutSetting(QStringLiteral("开启"), QStringLiteral("1"));
    dm.PutSetting(QStringLiteral("备份路径"), QStringLiteral("/home/某人/自动 备份/"));
    dm.PutSetting(QStringLiteral("DBPwd"), QStringLiteral("a;b\"c"));
    QFile ini(home.dbDir() + QStringLiteral("/CONF.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(ini.readAll()),
              QStringLiteral("[干部管理]\n开启=1\n备份路径=/home/某人/自动 备份/\n"
                             "DBPwd=\"a;b\\\"c\"\n"));
    EXPECT_EQ(dm.GetSetting(QStringLiteral("DBPwd")), QStringLiteral("a;b\"c"));
}

// A file that QSettings wrote before, with escaped names, is read, and rewriting it keeps its
// other sections and values while the names become plain.
TEST_F(DataModuleHelpers, SettingsFileWrittenByQSettingsStaysReadable) {
    const QString path = home.dbDir() + QStringLiteral("/CONF.ini");
    {
        QSettings old(path, QSettings::IniFormat);
        old.setValue(QStringLiteral("其他/键"), QStringLiteral("保留"));
        old.beginGroup(QStringLiteral("干部管理"));
        old.setValue(QStringLiteral("开启"), QStringLiteral("0"));
        old.setValue(QStringLiteral("备份路径"), QStringLiteral(" /备份, 新/ "));
        old.setValue(QStringLiteral("DBUser"), QStringLiteral("sa"));
        old.setValue(QStringLiteral("路径"), QStringLiteral("D:\\new\\x\ty"));
    }
    {
        QFile ini(path);
        ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
        ASSERT_TRUE(ini.readAll().contains("%U5E72%U90E8%U7BA1%U7406"));  // escaped by QSettings
    }
    EXPECT_EQ(dm.GetSetting(QStringLiteral("开启")), QStringLiteral("0"));
    EXPECT_EQ(dm.GetSetting(QStringLiteral("备份路径")), QStringLiteral(" /备份, 新/ "));
    dm.PutSetting(QStringLiteral("DBServer"), QStringLiteral("host"));
    for (const auto& [name, value] :
         {std::pair{QStringLiteral("开启"), QStringLiteral("0")},
          std::pair{QStringLiteral("备份路径"), QStringLiteral(" /备份, 新/ ")},
          std::pair{QStringLiteral("DBUser"), QStringLiteral("sa")},
          std::pair{QStringLiteral("路径"), QStringLiteral("D:\\new\\x\ty")},
          std::pair{QStringLiteral("DBServer"), QStringLiteral("host")}}) {
        EXPECT_EQ(dm.GetSetting(name), value) << name;
    }
    QFile ini(path);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(ini.readAll());
    EXPECT_TRUE(written.contains(QStringLiteral("[干部管理]\n"))) << written;
    EXPECT_TRUE(written.contains(QStringLiteral("[其他]\n键=保留\n"))) << written;
    EXPECT_FALSE(written.contains(u'%')) << written;
    // And QSettings still reads what was written.
    QSettings reader(path, QSettings::IniFormat);
    EXPECT_EQ(reader.value(QStringLiteral("干部管理/备份路径")).toString(),
              QStringLiteral(" /备份, 新/ "));
    EXPECT_EQ(reader.value(QStringLiteral("其他/键")).toString(), QStringLiteral("保留"));
}

// ---- Next sort orders ----------------------------------------------------------------------

struct OrderCase {
    const char* helper;
    QString table;
    // A row of the group asked about: %1 is the key, %2 the order ("NULL" for none).
    QString rowInGroup;
    // Rows with larger orders that lie outside the group; the first belongs to the group of
    // key 6 and holds order 50.
    QStringList outside;
    std::function<int(TDataM&, int)> next;
};

TEST_F(DataModuleHelpers, NextOrderIsOneForAnEmptyGroupAndMaxPlusOneOtherwise) {
    const int key = 5;
    const OrderCase cases[] = {
        {"NextCadreOrder",
         QStringLiteral("tb_cadre"),
         QStringLiteral("insert into tb_cadre (xm,gbOrd) values ('k%1',%2)"),
         {},
         [](TDataM& m, int) { return m.NextCadreOrder().value(); }},
        {"NextChildUnitOrder",
         QStringLiteral("tb_department"),
         QStringLiteral("insert into tb_department (parentID,dwOrder) values (%1,%2)"),
         {QStringLiteral("insert into tb_department (parentID,dwOrder) values (6,50)")},
         [](TDataM& m, int k) { return m.NextChildUnitOrder(k).value(); }},
        {"NextMemberOrder",
         QStringLiteral("tb_cadre_node"),
         QStringLiteral("insert into tb_cadre_node (dwID,zwOrder) values (%1,%2)"),
         {QStringLiteral("insert into tb_cadre_node (dwID,zwOrder) values (6,50)")},
         [](TDataM& m, int k) { return m.NextMemberOrder(k).value(); }},
        {"NextFamilyOrder",
         QStringLiteral("tb_family"),
         QStringLiteral("insert into tb_family (CadreID,ford) values (%1,%2)"),
         {QStringLiteral("insert into tb_family (CadreID,ford) values (6,50)")},
         [](TDataM& m, int k) { return m.NextFamilyOrder(k).value(); }},
        {"NextCurrentPostOrder",
         QStringLiteral("tb_cadre_zw"),
         QStringLiteral("insert into tb_cadre_zw (ZwCadreID,status,zwOrder) values (%1,1,%2)"),
         {QStringLiteral("insert into tb_cadre_zw (ZwCadreID,status,zwOrder) values (6,1,50)"),
          QStringLiteral("insert into tb_cadre_zw (ZwCadreID,status,zwOrder) values (5,2,60)")},
         [](TDataM& m, int k) { return m.NextCurrentPostOrder(k).value(); }},
        {"NextFormerPostOrder",
         QStringLiteral("tb_cadre_zw"),
         QStringLiteral("insert into tb_cadre_zw (ZwCadreID,status,zwOrder) values (%1,2,%2)"),
         {QStringLiteral("insert into tb_cadre_zw (ZwCadreID,status,zwOrder) values (6,2,50)"),
          QStringLiteral("insert into tb_cadre_zw (ZwCadreID,status,zwOrder) values (5,1,60)")},
         [](TDataM& m, int k) { return m.NextFormerPostOrder(k).value(); }},
        {"NextRosterLine",
         QStringLiteral("tb_beadroll_detail"),
         QStringLiteral("insert into tb_beadroll_detail (mcID,brOrder) values (%1,%2)"),
         {QStringLiteral("insert into tb_beadroll_detail (mcID,brOrder) values (6,50)")},
         [](TDataM& m, int k) { return m.NextRosterLine(k).value(); }},
        {"NextRosterCopyLine",
         QStringLiteral("tb_beadroll_mirror"),
         QStringLiteral("insert into tb_beadroll_mirror (mcID,brOrder) values (%1,%2)"),
         {QStringLiteral("insert into tb_beadroll_mirror (mcID,brOrder) values (6,50)")},
         [](TDataM& m, int k) { return m.NextRosterCopyLine(k).value(); }},
        {"NextPlanLine",
         QStringLiteral("tb_rmmc_detail"),
         QStringLiteral("insert into tb_rmmc_detail (mcID,brOrder) values (%1,%2)"),
         {QStringLiteral("insert into tb_rmmc_detail (mcID,brOrder) values (6,50)")},
         [](TDataM& m, int k) { return m.NextPlanLine(k).value(); }},
        {"NextTraineeOrder",
         QStringLiteral("tb_pxCadre"),
         QStringLiteral("insert into tb_pxCadre (pxid,ord) values (%1,%2)"),
         {QStringLiteral("insert into tb_pxCadre (pxid,ord) values (6,50)")},
         [](TDataM& m, int k) { return m.NextTraineeOrder(k).value(); }},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(c.helper);
        ASSERT_TRUE(exec(QStringLiteral("delete * from ") + c.table));
        EXPECT_EQ(c.next(dm, key), 1);

        // Rows of other groups and rows of the group without an order do not count.
        for (const QString& row : c.outside) {
            ASSERT_TRUE(exec(row));
        }
        ASSERT_TRUE(exec(c.rowInGroup.arg(key).arg(QStringLiteral("NULL"))));
        EXPECT_EQ(c.next(dm, key), 1);

        ASSERT_TRUE(exec(c.rowInGroup.arg(key).arg(7)));
        ASSERT_TRUE(exec(c.rowInGroup.arg(key).arg(3)));
        EXPECT_EQ(c.next(dm, key), 8);
        // The helper only reads: asking again gives the same order.
        EXPECT_EQ(c.next(dm, key), 8);
        if (!c.outside.isEmpty()) {
            EXPECT_EQ(c.next(dm, 6), 51);
            EXPECT_EQ(c.next(dm, key + 100), 1);
        }
    }
}

TEST_F(DataModuleHelpers, AnOrderThatCannotBeReadIsAFailureNotOne) {
    ASSERT_TRUE(exec(QStringLiteral("drop table tb_family")));
    const Result<int> order = dm.NextFamilyOrder(1);
    ASSERT_FALSE(order.ok());
    EXPECT_TRUE(order.errorText().contains(QStringLiteral("tb_family"))) << order.errorText();
    EXPECT_FALSE(dm.MaxId(QStringLiteral("ford"), QStringLiteral("tb_family")).ok());
}

TEST_F(DataModuleHelpers, NextCadreOrderFollowsTheSampleOrganisation) {
    EXPECT_EQ(dm.NextCadreOrder().value(),
              scalar(QStringLiteral("select max(gbOrd) from tb_cadre")).toInt() + 1);
    EXPECT_EQ(
        dm.NextChildUnitOrder(0).value(),
        scalar(QStringLiteral("select max(dwOrder) from tb_department where parentID=0")).toInt() +
            1);
}

// ---- Look-ups ------------------------------------------------------------------------------

TEST_F(DataModuleHelpers, MaxIdIsTheLargestValueWithoutIncrement) {
    EXPECT_EQ(dm.MaxId(QStringLiteral("id"), QStringLiteral("tb_plan")).value(), 0);
    ASSERT_TRUE(exec(QStringLiteral("insert into tb_plan (tital) values ('a')")));
    ASSERT_TRUE(exec(QStringLiteral("insert into tb_plan (tital) values ('b')")));
    EXPECT_EQ(dm.MaxId(QStringLiteral("id"), QStringLiteral("tb_plan")).value(), 2);

    ASSERT_TRUE(exec(QStringLiteral("update tb_cadre set gbOrd=75 where CadreID=3")));
    EXPECT_EQ(dm.MaxId(QStringLiteral("gbOrd"), QStringLiteral("tb_cadre")).value(), 75);
    ASSERT_TRUE(exec(QStringLiteral("delete * from tb_cadre")));
    EXPECT_EQ(dm.MaxId(QStringLiteral("gbOrd"), QStringLiteral("tb_cadre")).value(), 0);
}

TEST_F(DataModuleHelpers, CadreCountCountsEveryCadre) {
    const int sample = count(QStringLiteral("tb_cadre"));
    ASSERT_GT(sample, 0);
    EXPECT_EQ(dm.CadreCount().value(), sample);
    ASSERT_TRUE(exec(QStringLiteral("insert into tb_cadre (xm) values ('新人')")));
    EXPECT_EQ(dm.CadreCount().value(), sample + 1);
    ASSERT_TRUE(exec(QStringLiteral("delete * from tb_cadre")));
    EXPECT_EQ(dm.CadreCount().value(), 0);
}

TEST_F(DataModuleHelpers, LookUpMatchesTheValueExactlyEvenWithQuotes) {
    ASSERT_TRUE(exec(
        QStringLiteral("insert into tb_cadre (xm,py,csny) values ('O''Neil','ON',#1970-05-01#)")));
    ASSERT_TRUE(exec(QStringLiteral("insert into tb_cadre (xm,py) values ('张''三','ZS')")));
    struct Case {
        QString column;
        QString value;
        QString expected;
    } cases[] = {
        {QStringLiteral("py"), QStringLiteral("O'Neil"), QStringLiteral("ON")},
        {QStringLiteral("py"), QStringLiteral("张'三"), QStringLiteral("ZS")},
        {QStringLiteral("csny"), QStringLiteral("O'Neil"), QStringLiteral("1970-05-01")},
        {QStringLiteral("py"), QStringLiteral("x' or '1'='1"), QString()},
        {QStringLiteral("py"), QStringLiteral("没有这个人"), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        EXPECT_EQ(
            dm.LookUp(c.column, QStringLiteral("tb_cadre"), QStringLiteral("xm"), c.value).value(),
            c.expected);
    }
}

TEST_F(DataModuleHelpers, UnitLookUpsReadNameLevelAndIndex) {
    ASSERT_TRUE(
        exec(QStringLiteral("insert into tb_department (parentID,Name,dwlevel,dwIndex) values "
                            "(1,'某''局',2,'00101')")));
    const int added = static_cast<int>(dm.db().lastInsertId());
    struct Case {
        int id;
        QString name;
        int level;
        QString index;
    } cases[] = {
        {1, QStringLiteral("中共某市委员会"), 0, QStringLiteral("001")},
        {added, QStringLiteral("某'局"), 2, QStringLiteral("00101")},
        {99999, QString(), 0, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(dm.UnitName(c.id).value(), c.name);
        EXPECT_EQ(dm.UnitLevel(c.id).value(), c.level);
        EXPECT_EQ(dm.UnitIndex(c.id).value(), c.index);
    }
}

TEST_F(DataModuleHelpers, IsMemberNeedsAMembershipRowForThatCadreAndUnit) {
    ASSERT_TRUE(exec(QStringLiteral("delete * from tb_cadre_node")));
    ASSERT_TRUE(exec(QStringLiteral("insert into tb_cadre_node (ZwCadreID,dwID) values (5,7)")));
    EXPECT_TRUE(dm.IsMember(5, 7).value());
    EXPECT_FALSE(dm.IsMember(7, 5).value());
    EXPECT_FALSE(dm.IsMember(5, 8).value());
    EXPECT_FALSE(dm.IsMember(6, 7).value());
}

// ---- Name lists ----------------------------------------------------------------------------

TEST_F(DataModuleHelpers, NameListKeepsTheStoredNamesOfCadresFound) {
    ASSERT_TRUE(exec(QStringLiteral("delete * from tb_cadre")));
    // "张小三" comes first so that a widened pattern for 张三 finds it before "张  三".
    const QString stored[] = {QStringLiteral("张小三"),    QStringLiteral("张  三"),
                              QStringLiteral("李四光"),    QStringLiteral("欧阳娜娜"),
                              QStringLiteral("司马 相如"), QStringLiteral("O'Neil"),
                              QStringLiteral("𠮷  祥")};
    for (const QString& xm : stored) {
        ASSERT_TRUE(
            exec(QStringLiteral("insert into tb_cadre (xm) values (") +
                 QStringLiteral("'%1')").arg(QString(xm).replace(u'\'', QStringLiteral("''")))));
    }
    const QString zhangSan = QStringLiteral("张  三");
    const QString pair = QStringLiteral("李四光\n张  三");
    struct Case {
        QString typed;
        QString expected;
    } cases[] = {
        {QStringLiteral("张三"), zhangSan},
        {QStringLiteral(" 张 三 "), zhangSan},
        {QStringLiteral("张　三"), zhangSan},
        {QStringLiteral("张小三"), QStringLiteral("张小三")},
        {QStringLiteral("李四光,张三"), pair},
        {QStringLiteral("李四光，张三"), pair},
        {QStringLiteral("李四光;张三"), pair},
        {QStringLiteral("李四光；张三"), pair},
        {QStringLiteral("李四光\n张三"), pair},
        {QStringLiteral("李四光\r\n张三"), pair},
        {QStringLiteral("李四光，，\n\n张三，"), pair},
        {QStringLiteral("欧阳娜娜"), QStringLiteral("欧阳娜娜")},
        {QStringLiteral("欧阳 娜娜"), QStringLiteral("欧阳娜娜")},
        {QStringLiteral("司马相如"), QStringLiteral("司马 相如")},
        {QStringLiteral("o'neil"), QStringLiteral("O'Neil")},
        {QStringLiteral("𠮷祥"), QStringLiteral("𠮷  祥")},
        {QStringLiteral("赵六"), QString()},
        {QStringLiteral("李四光,赵六,张三"), pair},
        {QStringLiteral("张"), QString()},
        {QStringLiteral("张%"), QString()},
        {QStringLiteral("李四"), QString()},
        {QStringLiteral(" ,，;；\n "), QString()},
        {QString(), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        EXPECT_EQ(dm.MatchNameList(c.typed).value(), c.expected);
    }
}

// ---- Record copy ---------------------------------------------------------------------------

class DataModuleHelpersCopy : public DataModuleHelpers {
  protected:
    void SetUp() override {
        DataModuleHelpers::SetUp();
        ASSERT_TRUE(
            exec(QStringLiteral("insert into tb_cadre (xm,py,xb,csny,csnyStr,checked,gbOrd) values "
                                "('源''人','YR','女',#1980-02-03#,'1980.02',True,77)")));
        sourceId = static_cast<int>(dm.db().lastInsertId());
    }
    bool openSource(db::Dataset& ds, const QString& columns = QStringLiteral("*")) {
        return ds.open(QStringLiteral("select ") + columns +
                       QStringLiteral(" from tb_cadre where CadreID=") + QString::number(sourceId));
    }
    int sourceId = 0;
};

TEST_F(DataModuleHelpersCopy, CopiesEveryFieldButTheExcludedIntoANewRow) {
    db::Dataset source(dm.db());
    ASSERT_TRUE(openSource(source));
    db::Dataset target(dm.db());
    ASSERT_TRUE(target.open(QStringLiteral("select * from tb_cadre where CadreID=0")));
    ASSERT_TRUE(target.append());
    const int before = count(QStringLiteral("tb_cadre"));

    ASSERT_TRUE(
        TDataM::CopyRecord(source, target, {QStringLiteral("cadreid"), QStringLiteral("gbOrd")}))
        << target.lastError();
    EXPECT_EQ(target.state(), db::Dataset::State::Browse);
    EXPECT_EQ(count(QStringLiteral("tb_cadre")), before + 1);

    const int copyId = static_cast<int>(dm.db().lastInsertId());
    ASSERT_NE(copyId, sourceId);
    const auto row = dm.db().query(
        QStringLiteral("select xm,py,xb,csny,csnyStr,checked,gbOrd from tb_cadre where CadreID=") +
        QString::number(copyId));
    ASSERT_TRUE(row && row->rows.size() == 1);
    EXPECT_EQ(row->value(0, QStringLiteral("xm")).toString(), QStringLiteral("源'人"));
    EXPECT_EQ(row->value(0, QStringLiteral("py")).toString(), QStringLiteral("YR"));
    EXPECT_EQ(row->value(0, QStringLiteral("csny")), QVariant(QDate(1980, 2, 3)));
    EXPECT_EQ(row->value(0, QStringLiteral("csnyStr")).toString(), QStringLiteral("1980.02"));
    EXPECT_EQ(row->value(0, QStringLiteral("checked")), QVariant(true));
    EXPECT_TRUE(row->value(0, QStringLiteral("gbOrd")).isNull());
}

TEST_F(DataModuleHelpersCopy, NullSourceFieldsLeaveTheTargetValue) {
    ASSERT_TRUE(
        exec(QStringLiteral("insert into tb_cadre (xm,py,mz) values ('旧名','JM','汉族')")));
    const int targetId = static_cast<int>(dm.db().lastInsertId());
    db::Dataset source(dm.db());
    ASSERT_TRUE(source.open(QStringLiteral("select '新名' as xm, NULL as py, mz from tb_cadre "
                                           "where CadreID=") +
                            QString::number(sourceId)));
    db::Dataset target(dm.db());
    ASSERT_TRUE(target.open(QStringLiteral("select * from tb_cadre where CadreID=") +
                            QString::number(targetId)));
    ASSERT_TRUE(target.edit());
    ASSERT_TRUE(TDataM::CopyRecord(source, target)) << target.lastError();
    const auto row = dm.db().query(QStringLiteral("select xm,py,mz from tb_cadre where CadreID=") +
                                   QString::number(targetId));
    ASSERT_TRUE(row && row->rows.size() == 1);
    EXPECT_EQ(row->value(0, QStringLiteral("xm")).toString(), QStringLiteral("新名"));
    EXPECT_EQ(row->value(0, QStringLiteral("py")).toString(), QStringLiteral("JM"));
    EXPECT_EQ(row->value(0, QStringLiteral("mz")).toString(), QStringLiteral("汉族"));
}

TEST_F(DataModuleHelpersCopy, TrueAndFalseTextsBecomeYesNoValuesAndUnknownFieldsAreIgnored) {
    struct Case {
        QString columns;
        bool checked;
        QString tital;
    } cases[] = {
        {QStringLiteral("'True' as checked, 'True' as tital"), true, QStringLiteral("True")},
        {QStringLiteral("'False' as checked, 'False' as tital"), false, QStringLiteral("False")},
        // A yes/no value of the source reads as its text in a text column.
        {QStringLiteral("checked, checked as tital"), true, QStringLiteral("True")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.columns.toStdString());
        db::Dataset source(dm.db());
        ASSERT_TRUE(
            openSource(source, c.columns + QStringLiteral(", '不在计划表' as nosuch, 12 as manid")))
            << source.lastError();
        db::Dataset target(dm.db());
        ASSERT_TRUE(target.open(QStringLiteral("select * from tb_plan")));
        ASSERT_TRUE(target.append());
        ASSERT_TRUE(TDataM::CopyRecord(source, target)) << target.lastError();
        const auto row =
            dm.db().query(QStringLiteral("select checked, tital, manid from tb_plan where id=") +
                          QString::number(dm.db().lastInsertId()));
        ASSERT_TRUE(row && row->rows.size() == 1);
        EXPECT_EQ(row->value(0, QStringLiteral("checked")), QVariant(c.checked));
        EXPECT_EQ(row->value(0, QStringLiteral("tital")), QVariant(c.tital));
        EXPECT_EQ(row->value(0, QStringLiteral("manid")), QVariant(12));
    }
    // A date lands in a text column in its text form.
    db::Dataset source(dm.db());
    ASSERT_TRUE(openSource(source, QStringLiteral("csny as xrz, xm")));
    db::Dataset target(dm.db());
    ASSERT_TRUE(target.open(QStringLiteral("select * from tb_cadre where CadreID=0")));
    ASSERT_TRUE(target.append());
    ASSERT_TRUE(TDataM::CopyRecord(source, target)) << target.lastError();
    EXPECT_EQ(scalar(QStringLiteral("select xrz from tb_cadre where CadreID=") +
                     QString::number(dm.db().lastInsertId()))
                  .toString(),
              QStringLiteral("1980-02-03"));
}

TEST_F(DataModuleHelpersCopy, NothingToCopyCancelsTheNewRow) {
    struct Case {
        const char* what;
        QString columns;
        QStringList excluded;
    } cases[] = {
        {"all excluded", QStringLiteral("xm, py"), {QStringLiteral("XM"), QStringLiteral("py")}},
        {"all null", QStringLiteral("NULL as xm, NULL as py"), {}},
        {"no common field", QStringLiteral("xm as nosuch1, py as nosuch2"), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        db::Dataset source(dm.db());
        ASSERT_TRUE(openSource(source, c.columns)) << source.lastError();
        db::Dataset target(dm.db());
        ASSERT_TRUE(target.open(QStringLiteral("select * from tb_cadre where CadreID=0")));
        const int before = count(QStringLiteral("tb_cadre"));
        ASSERT_TRUE(target.append());
        EXPECT_FALSE(TDataM::CopyRecord(source, target, c.excluded));
        EXPECT_EQ(target.state(), db::Dataset::State::Browse);
        EXPECT_EQ(target.recordCount(), 0);
        EXPECT_EQ(count(QStringLiteral("tb_cadre")), before);
    }
}

TEST_F(DataModuleHelpersCopy, ValueTheTargetCannotHoldWritesNothing) {
    db::Dataset source(dm.db());
    ASSERT_TRUE(openSource(source, QStringLiteral("xm, '不是日期' as csny")));
    db::Dataset target(dm.db());
    ASSERT_TRUE(target.open(QStringLiteral("select * from tb_cadre where CadreID=0")));
    const int before = count(QStringLiteral("tb_cadre"));
    ASSERT_TRUE(target.append());
    EXPECT_FALSE(TDataM::CopyRecord(source, target));
    EXPECT_EQ(target.state(), db::Dataset::State::Browse);
    EXPECT_FALSE(target.lastError().isEmpty());
    EXPECT_EQ(count(QStringLiteral("tb_cadre")), before);
}

// ---- Calculated fields and events ----------------------------------------------------------

TEST(DataModuleHelpersQuota, StateComparesHoldersWithTheQuota) {
    struct Case {
        int holders;
        int quota;
        const char* state;
    } cases[] = {
        {3, 2, "超编"}, {2, 2, "持平"}, {1, 2, "缺编"},  {0, 0, "持平"},
        {0, 1, "缺编"}, {1, 0, "超编"}, {10, 9, "超编"}, {9, 10, "缺编"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.holders << " of " << c.quota);
        EXPECT_EQ(TDataM::QuotaState(c.holders, c.quota), QString::fromUtf8(c.state));
    }
}

TEST(DataModuleHelpersPlan, StatusComparesDatesOnly) {
    const QDate today(2024, 5, 10);
    const QVariant none;
    const auto day = [](int d) { return QVariant(QDate(2024, 5, d)); };
    const auto at = [](int d, int h, int m) {
        return QVariant(QDateTime(QDate(2024, 5, d), QTime(h, m)));
    };
    struct Case {
        const char* what;
        QVariant begin;
        QVariant end;
        int status;
    } cases[] = {
        {"begins tomorrow", day(11), none, -1},
        {"begins tomorrow at midnight", at(11, 0, 0), day(20), -1},
        {"begins later, ended before (odd)", day(11), day(1), -1},
        {"begins later today", at(10, 23, 59), none, 0},
        {"no dates", none, none, 0},
        {"no begin, ends tomorrow", none, day(11), 0},
        {"no begin, ended yesterday", none, day(9), 1},
        {"ends today at midnight", day(1), at(10, 0, 0), 0},
        {"ends today", day(1), day(10), 0},
        {"ended late yesterday", day(1), at(9, 23, 59), 1},
        {"began today, ended yesterday (odd)", day(10), day(9), 1},
        {"running", day(1), day(31), 0},
        {"null typed values", QVariant(QMetaType(QMetaType::QDate)),
         QVariant(QMetaType(QMetaType::QDateTime)), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(TDataM::PlanStatus(c.begin, c.end, today), c.status);
    }
}

TEST_F(DataModuleHelpers, PlanStatusOfStoredReminders) {
    ASSERT_TRUE(
        exec(QStringLiteral("insert into tb_plan (tital,beginT,endT) values "
                            "('ended',#2024-05-01#,#2024-05-09 18:30#)")));
    ASSERT_TRUE(
        exec(QStringLiteral("insert into tb_plan (tital,beginT,endT) values "
                            "('running',#2024-05-10 20:00#,#2024-05-10 08:00#)")));
    ASSERT_TRUE(
        exec(QStringLiteral("insert into tb_plan (tital,beginT) values "
                            "('coming',#2024-05-11 00:00#)")));
    db::Dataset plan(dm.db());
    ASSERT_TRUE(plan.open(QStringLiteral("select * from tb_plan order by id")));
    QStringList seen;
    for (plan.first(); !plan.eof(); plan.next()) {
        seen << plan.text(QStringLiteral("tital")) + u'=' +
                    QString::number(TDataM::PlanStatus(plan.value(QStringLiteral("beginT")),
                                                       plan.value(QStringLiteral("endT")),
                                                       QDate(2024, 5, 10)));
    }
    EXPECT_EQ(seen, (QStringList{QStringLiteral("ended=1"), QStringLiteral("running=0"),
                                 QStringLiteral("coming=-1")}));
}

TEST_F(DataModuleHelpers, BeforePostPlanMarksTheReminderAsTheUsers) {
    db::Dataset plan(dm.db());
    ASSERT_TRUE(plan.open(QStringLiteral("select * from tb_plan")));
    dm.session().ManagerID = 7;
    ASSERT_TRUE(plan.append());
    ASSERT_TRUE(plan.setValue(QStringLiteral("tital"), QStringLiteral("述职")));
    dm.BeforePostPlan(plan);
    ASSERT_TRUE(plan.post()) << plan.lastError();
    const QString id = QString::number(dm.db().lastInsertId());
    EXPECT_EQ(scalar(QStringLiteral("select manid from tb_plan where id=") + id), QVariant(7));

    dm.session().ManagerID = 9;
    ASSERT_TRUE(plan.edit());
    dm.BeforePostPlan(plan);
    ASSERT_TRUE(plan.post()) << plan.lastError();
    EXPECT_EQ(scalar(QStringLiteral("select manid from tb_plan where id=") + id), QVariant(9));

    // Outside an edit it starts none.
    dm.session().ManagerID = 11;
    dm.BeforePostPlan(plan);
    EXPECT_EQ(plan.state(), db::Dataset::State::Browse);
    EXPECT_EQ(scalar(QStringLiteral("select manid from tb_plan where id=") + id), QVariant(9));
}

// ---- Files ---------------------------------------------------------------------------------

TEST(DataModuleHelpersTemp, NamesAreNewAndTheFolderIsMade) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("TEMP/子目录"));
    ASSERT_FALSE(QFileInfo::exists(folder));

    const QString first = TDataM::TempFileName(folder);
    ASSERT_FALSE(first.isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(QFileInfo(first).absolutePath(), QFileInfo(folder).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(first).fileName().startsWith(QStringLiteral("~TM")));
    EXPECT_FALSE(QFileInfo::exists(first));

    QSet<QString> names{first};
    for (int i = 0; i < 300; ++i) {
        const QString name = TDataM::TempFileName(folder + u'/', QStringLiteral("~CP"));
        ASSERT_TRUE(QFileInfo(name).fileName().startsWith(QStringLiteral("~CP"))) << name;
        ASSERT_FALSE(QFileInfo::exists(name)) << name;
        ASSERT_FALSE(names.contains(name)) << name;
        names.insert(name);
        if (i % 3 == 0) {
            QFile f(name);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
    }
}

TEST_F(DataModuleHelpers, CompactingKeepsTheDataAndTheConnection) {
    ASSERT_TRUE(exec(QStringLiteral("create table scratch (t memo)")));
    const QString filler(4000, u'x');
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(dm.db().exec(QStringLiteral("insert into scratch (t) values (?)"), {filler}));
    }
    ASSERT_TRUE(exec(QStringLiteral("drop table scratch")));
    const qint64 before = QFileInfo(dm.db().path()).size();
    const int cadres = dm.CadreCount().value();

    ASSERT_TRUE(dm.CompactDatabase());
    EXPECT_TRUE(dm.db().isOpen());
    EXPECT_LT(QFileInfo(dm.db().path()).size(), before - 500000);
    EXPECT_EQ(dm.CadreCount().value(), cadres);
}

}  // namespace

#include <gtest/gtest.h>

#include <QDir>

#include "db/Database.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

struct Column {
    const char* name;
    const char* type;  // the declared type where the table fixes it, else ""
};

struct Table {
    const char* name;
    const char* autoKey;  // the auto-numbered key column, or nullptr
    std::vector<Column> columns;
};

// What the working database must hold: every table with the columns the program reads and
// writes, and the types that are fixed for them (TEXT(n) text, TEXT memo, COUNTER key).
const std::vector<Table>& expectedTables() {
    static const std::vector<Table> tables = {
        {"tb_cadre",
         "CadreID",
         {{"gbOrd", "INTEGER"},
          {"Classid", "INTEGER"},
          {"other", "TEXT"},
          {"xm", "TEXT(50)"},
          {"py", ""},
          {"xb", ""},
          {"csny", "DATETIME"},
          {"csnyStr", ""},
          {"mz", ""},
          {"jgsheng", ""},
          {"cssheng", ""},
          {"zzmm", ""},
          {"rdsj", "DATETIME"},
          {"rdsjStr", ""},
          {"gzsj", "DATETIME"},
          {"gzsjStr", ""},
          {"zwjb", ""},
          {"zwjbTime", "DATETIME"},
          {"zwjbTimeStr", ""},
          {"zwjb2", "TEXT(50)"},
          {"zwjbTime2", "DATETIME"},
          {"zwjbTimeStr2", "TEXT(10)"},
          {"allZwList", "TEXT(255)"},
          {"allRzsjList", "TEXT(255)"},
          {"xrz", "TEXT"},
          {"nrz", ""},
          {"nmz", ""},
          {"gxl", ""},
          {"gxlxx", ""},
          {"gxw", "TEXT(50)"},
          {"qrzxl", ""},
          {"qrzxxzy", ""},
          {"qrzxw", ""},
          {"zzxl", ""},
          {"zzxxzy", ""},
          {"zzxw", ""},
          {"ctype", ""},
          {"rybz", "TEXT(50)"},
          {"zyjszw", ""},
          {"zydj", "INTEGER"},
          {"zyzcTime", "DATETIME"},
          {"zytc", ""},
          {"jkzk", ""},
          {"fggz", "TEXT(255)"},
          {"gzjl", "TEXT"},
          {"jcNote", "TEXT"},
          {"khNote", "TEXT"},
          {"rmNote", "TEXT"},
          {"res5", "TEXT(50)"},
          {"res6", "TEXT(50)"},
          {"res7", "TEXT(50)"},
          {"res8", "TEXT(50)"},
          {"address", ""},
          {"tel", ""},
          {"tel2", ""},
          {"zjType", ""},
          {"zjh", ""},
          {"photo", "BLOB"},
          {"ZwLock", "BIT"},
          {"time1", "DATETIME"},
          {"time2", "DATETIME"},
          {"A3801", "DATETIME"},
          {"A3817", "DATETIME"},
          {"A3804A", "TEXT(255)"},
          {"A3807A", "TEXT(255)"},
          {"A3811", "TEXT(255)"},
          {"A3814", "TEXT(255)"},
          {"A3821A", "TEXT(255)"},
          {"A3824", "TEXT(255)"},
          {"A3834", "TEXT(255)"},
          {"A3827", "INTEGER"},
          {"A3831", "INTEGER"}}},
        {"tb_department",
         "ID",
         {{"parentID", "INTEGER"},
          {"Name", ""},
          {"dwjc", ""},
          {"py1", ""},
          {"py2", ""},
          {"dwOrder", "INTEGER"},
          {"dwlevel", "INTEGER"},
          {"dwIndex", ""},
          {"isDep", "BIT"},
          {"status", ""},
          {"dwxz", ""},
          {"B0114", "TEXT(12)"},
          {"B0124", "TEXT(2)"},
          {"B0127", "TEXT(3)"}}},
        {"tb_cadre_node",
         "CnID",
         {{"ZwCadreID", "INTEGER"},
          {"dwID", "INTEGER"},
          {"zwOrder", "INTEGER"},
          {"zwList", "TEXT(255)"},
          {"rzsjList", "TEXT(255)"},
          {"cntype", "INTEGER"},
          {"nobz", "BIT"},
          {"jrsj", "DATETIME"},
          {"jrsjStr", "TEXT(10)"},
          {"bind", "BIT"}}},
        {"tb_cadre_zw",
         "ZwID",
         {{"ZwCadreID", "INTEGER"},
          {"status", "INTEGER"},
          {"dwID", "INTEGER"},
          {"dw", ""},
          {"zwmc", ""},
          {"zwOrder", "INTEGER"},
          {"rzsj", "DATETIME"},
          {"rzsjstr", ""},
          {"rzwh", ""},
          {"rzyy", ""},
          {"mzsj", "DATETIME"},
          {"mzsjstr", ""},
          {"rzw", ""},
          {"mzwh", ""},
          {"mzyy", ""},
          {"mzw", ""},
          {"zs", "BIT"},
          {"emptyNode", "BIT"},
          {"zt", ""},
          {"ischeck", "BIT"}}},
        {"tb_family",
         "FamilyID",
         {{"CadreID", "INTEGER"},
          {"ford", "INTEGER"},
          {"cw", ""},
          {"xm", ""},
          {"cssj", "DATETIME"},
          {"cssjStr", ""},
          {"zzmm", ""},
          {"dw", ""}}},
        {"tb_department_zs",
         "ZsID",
         {{"DwID", "INTEGER"},
          {"zwmc", "TEXT(50)"},
          {"zwrs", "SMALLINT"},
          {"dqrs", "SMALLINT"},
          {"note", "TEXT(255)"},
          {"zzs", "BIT"},
          {"zwtype", "TEXT(50)"}}},
        {"tb_department_bz",
         "id",
         {{"dwID", "INTEGER"}, {"rybz", "TEXT(255)"}, {"bzs", "INTEGER"}, {"sjs", "INTEGER"}}},
        {"tb_manager",
         "ManagerID",
         {{"userName", ""},
          {"pw", ""},
          {"righ_", ""},
          {"rightx", "TEXT(50)"},
          {"sysR", "INTEGER"},
          {"usertype", "INTEGER"},
          {"dwRight", "BIT"},
          {"clew", "BIT"},
          {"groupName", ""}}},
        {"tb_group", nullptr, {}},
        {"tb_general",
         nullptr,
         {{"name", ""},
          {"type", ""},
          {"state", ""},
          {"City", ""},
          {"qx", ""},
          {"zt", ""},
          {"rzyy", ""},
          {"gbly", ""},
          {"rzw", ""},
          {"jtcy", ""},
          {"version", ""},
          {"fnum", "INTEGER"},
          {"fsize", "INTEGER"},
          {"clew", "BIT"},
          {"reptrim", "BIT"},
          {"resZj", "TEXT(255)"},
          {"resCType", "TEXT(255)"},
          {"resName", "TEXT(255)"},
          {"khyear", "INTEGER"},
          {"rmbfamily", "INTEGER"},
          {"rmbTitle", ""},
          {"rmbPage", ""}}},
        {"tb_conf",
         nullptr,
         {{"GID", ""},
          {"ItemID", ""},
          {"ItemV", ""},
          {"ItemVI", "INTEGER"},
          {"ItemV2", "TEXT(255)"}}},
        {"tb_rmmc",
         "id",
         {{"name", ""},
          {"mcdesc", ""},
          {"py", ""},
          {"tbsj", "DATETIME"},
          {"timeYear", "INTEGER"},
          {"tbr", ""},
          {"jssj", "DATETIME"},
          {"rmzt", "INTEGER"},
          {"cbdw", "TEXT(255)"},
          {"cdyj", "TEXT(255)"}}},
        {"tb_rmmc_detail",
         "id",
         {{"mcID", ""},
          {"McCadreID", ""},
          {"brOrder", ""},
          {"xm", ""},
          {"csny", "DATETIME"},
          {"allZwList", "TEXT(255)"},
          {"allRzsjList", "TEXT(255)"},
          {"age", "INTEGER"},
          {"gzjl", ""},
          {"rmNote", ""},
          {"xrz", ""},
          {"nrz", ""},
          {"nmz", ""},
          {"f_1_1", ""},
          {"f_4_3", ""},
          {"f_7_5", ""},
          {"rmjg", ""},
          {"spyj", "TEXT(255)"},
          {"cbyj", "TEXT(255)"},
          {"rmyj", "TEXT(255)"},
          {"note1", "TEXT"}}},
        {"tb_beadroll",
         "id",
         {{"mcName", ""},
          {"mcdesc", ""},
          {"mcpy", ""},
          {"timeYear", "INTEGER"},
          {"timeModify", ""},
          {"mirror", "BIT"}}},
        {"tb_beadroll_detail", nullptr, {{"McCadreID", ""}, {"mcID", ""}, {"brOrder", ""}}},
        {"tb_beadroll_mirror",
         "id",
         {{"mcID", ""},
          {"McCadreID", ""},
          {"brOrder", ""},
          {"xm", "TEXT(50)"},
          {"allZwList", "TEXT(255)"},
          {"time1", "DATETIME"},
          {"time2", "DATETIME"},
          {"zydj", "INTEGER"},
          {"zyzcTime", "DATETIME"},
          {"zwjbTime2", "DATETIME"},
          {"zwjbTimeStr2", "TEXT(10)"}}},
        {"tb_px",
         "pxid",
         {{"pxName", ""},
          {"pxTimeB", ""},
          {"pxTimeE", ""},
          {"pxks", ""},
          {"pxjg", ""},
          {"pxType", ""},
          {"pxType1", ""},
          {"pxMethod", ""},
          {"pxjj", ""},
          {"pxkc", ""},
          {"timeYear", ""}}},
        {"tb_pxCadre",
         "ID",
         {{"pxid", ""},
          {"CadreID", ""},
          {"CName", ""},
          {"ord", ""},
          {"xrz", ""},
          {"gxl", ""},
          {"gxlxx", ""},
          {"qj", ""},
          {"qx", ""},
          {"lwcj", ""},
          {"xf", ""},
          {"yj", ""},
          {"note", ""}}},
        {"tb_pxCadre2",
         "ID",
         {{"CadreID", ""},
          {"pxName", ""},
          {"pxTimeB", ""},
          {"pxTimeE", ""},
          {"pxks", ""},
          {"pxjg", ""},
          {"pxType", ""},
          {"pxType1", ""},
          {"pxMethod", ""}}},
        {"tb_pxjg",
         nullptr,
         {{"Name", ""}, {"Man", ""}, {"Address", ""}, {"Tel", ""}, {"Fax", ""}, {"Email", ""}}},
        {"tb_pxs",
         nullptr,
         {{"xm", ""},
          {"xb", ""},
          {"cssj", ""},
          {"xl", ""},
          {"zc", ""},
          {"yjfx", ""},
          {"tel", ""},
          {"add", ""}}},
        {"tb_pxType", nullptr, {{"s", ""}}},
        {"tb_pxMode", nullptr, {{"s", ""}}},
        {"tb_kc",
         "id",
         {{"cid", ""},
          {"kcYear", "INTEGER"},
          {"kcsj", ""},
          {"kclb", ""},
          {"kcName", "TEXT(255)"},
          {"kcjl", ""},
          {"kcyj", ""},
          {"kcbz", "TEXT"},
          {"kcff", "TEXT(255)"},
          {"kcdxName", "TEXT(255)"},
          {"kczzmc", ""},
          {"kcr", ""},
          {"szdw", "TEXT(255)"},
          {"dwid", "INTEGER"},
          {"xrz", "TEXT(255)"},
          {"kcjlr", "TEXT(50)"},
          {"cpyj", "TEXT"},
          {"kcyj2", "TEXT"},
          {"khid", "INTEGER"}}},
        {"tb_jc",
         nullptr,
         {{"cid", ""},
          {"dxType", "INTEGER"},
          {"dxName", "TEXT(255)"},
          {"jclbx", ""},
          {"jclb", ""},
          {"jcmc", ""},
          {"jcyy", ""},
          {"jcsj", ""},
          {"jcjg", ""},
          {"jcsm", ""},
          {"A14Z207", "TEXT(1)"}}},
        {"tb_fggzlr", nullptr, {}},
        {"tb_fggb", nullptr, {}},
        {"tb_fgcj", nullptr, {}},
        {"E01",
         "ID",
         {{"cid", ""},
          {"E01Z104", "INTEGER"},
          {"E01Z101", ""},
          {"E01Z111A", ""},
          {"E01Z117", ""},
          {"E01Z124", ""},
          {"E01Z114", ""},
          {"E01Z121", ""},
          {"dxType", "INTEGER"},
          {"dxName", "TEXT(255)"},
          {"groupId", "INTEGER"},
          {"haveFile", "BIT"},
          {"fileID", "INTEGER"},
          {"dxids", "TEXT(255)"},
          {"lbx", "TEXT(255)"}}},
        {"A54", "A54id", {{"cid", ""}, {"A5401", ""}, {"A5404", ""}, {"A5407", ""}, {"A5411", ""}}},
        {"A55",
         "A55id",
         {{"cid", ""},
          {"A5501", ""},
          {"A5504", ""},
          {"A55Z01", ""},
          {"A55Z02", ""},
          {"A5507", ""},
          {"A5511", ""},
          {"A5514", ""}}},
        {"A56",
         "A56id",
         {{"cid", ""},
          {"A5601", ""},
          {"A5604", ""},
          {"A56X1", ""},
          {"A56X2", ""},
          {"A56X3", ""},
          {"A5611", ""},
          {"A5621", ""}}},
        {"tb_zw", nullptr, {{"id", ""}, {"zwmc", ""}}},
        {"tb_zj", nullptr, {{"zjmc", ""}, {"level1", ""}}},
        {"tb_xl", nullptr, {{"xl", ""}, {"v", ""}}},
        {"tb_degree", nullptr, {{"degree", ""}, {"degreeid", ""}}},
        {"tb_dep_xz", nullptr, {{"xz", ""}, {"zwj", ""}, {"zwjdesc", ""}}},
        {"tb_DMJ", "id", {{"DMJMC", ""}, {"DM", ""}, {"DMShow", ""}, {"PDM", ""}, {"DMLevel", ""}}},
        {"tb_params",
         nullptr,
         {{"nType", ""}, {"ord", ""}, {"params1", ""}, {"params2", ""}, {"params3", ""}}},
        {"tb_xsbh", nullptr, {{"zfs", ""}, {"bhord", ""}}},
        {"tb_mb",
         "id",
         {{"Name", ""}, {"Ttype", ""}, {"res1", ""}, {"Files", "BLOB"}, {"EFiles", "BLOB"}}},
        {"tb_mbItem",
         "id",
         {{"mbid", ""},
          {"item", ""},
          {"h", ""},
          {"l", ""},
          {"kid", ""},
          {"page", "INTEGER"},
          {"ord", ""},
          {"prefix", ""},
          {"postfix", ""}}},
        {"tb_wordModel", "id", {{"Name", ""}, {"mtype", ""}, {"mLine", ""}, {"bitfile", "BLOB"}}},
        {"tb_wordModelItem", "id", {{"item", ""}, {"page", ""}, {"itemDesc", ""}}},
        {"tb_pptModel", "id", {{"Name", ""}, {"mtype", ""}}},
        {"tb_pptModelItem", "id", {{"item", ""}, {"itemDesc", ""}}},
        {"tb_model",
         nullptr,
         {{"mtype", ""},
          {"ID", ""},
          {"parentID", ""},
          {"dwOrder", ""},
          {"name", ""},
          {"dwjc", ""},
          {"dwLevel", ""},
          {"isDep", ""},
          {"dwxz", ""},
          {"py1", ""},
          {"py2", ""},
          {"dwIndex", ""}}},
        {"tb_File", "id", {{"fileName", ""}, {"fExt", ""}, {"Binfile", "BLOB"}, {"ziped", "BIT"}}},
        {"tb_fileLink", "id", {{"dxType", ""}, {"dxID", ""}, {"fileid", ""}}},
        {"tb_querytemp",
         nullptr,
         {{"CadreID", ""},
          {"checked", ""},
          {"xm", ""},
          {"xb", ""},
          {"zwjb", ""},
          {"xrz", ""},
          {"res1", "TEXT(255)"},
          {"res2", "TEXT(255)"},
          {"res3", "TEXT(255)"},
          {"resText", "TEXT"}}},
        {"tb_tcid", "tord", {{"tcid", ""}, {"tords", ""}}},
        {"tb_check",
         nullptr,
         {{"mc", ""},
          {"fmc", ""},
          {"yv", ""},
          {"rmv", ""},
          {"ischeck", ""},
          {"checked", ""},
          {"f_1_1", ""},
          {"f_7_5", ""}}},
        {"tb_chart1", nullptr, {{"stype", ""}, {"num", ""}}},
        {"tb_totalInfor",
         nullptr,
         {{"LogTime", ""}, {"cadreNum", ""}, {"depNum", ""}, {"zwNum", ""}}},
        {"tb_plan",
         "id",
         {{"beginT", "DATETIME"},
          {"endT", "DATETIME"},
          {"tital", "TEXT(255)"},
          {"more", "TEXT"},
          {"checked", "BIT"},
          {"manid", "INTEGER"}}},
        {"tb_custom_check", nullptr, {{"name", ""}, {"down", ""}, {"manid", "INTEGER"}}},
        {"tb_custom_width",
         nullptr,
         {{"name", ""}, {"width", ""}, {"ord", ""}, {"manid", "INTEGER"}}},
        {"tb_res", nullptr, {}},
        {"tb_bzkc", nullptr, {}},
    };
    return tables;
}

class EmptyTemplate : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(db_.open(home_.makeWorkingDatabase())) << db_.lastError(); }

    // name → declared type, as stored in the file
    std::map<QString, QString> declaredTypes(const QString& table) {
        std::map<QString, QString> types;
        const std::optional<db::QueryResult> r =
            db_.query(QStringLiteral("select name, type from pragma_table_info(?)"), {table});
        for (const QVariantList& row : r->rows) {
            types[row[0].toString().toLower()] = row[1].toString();
        }
        return types;
    }

    TestHome home_;
    db::Database db_;
};

TEST_F(EmptyTemplate, HoldsEveryTableAndColumnWithTheFixedTypes) {
    for (const Table& t : expectedTables()) {
        const QString table = QString::fromLatin1(t.name);
        ASSERT_TRUE(db_.hasTable(table)) << table;
        const std::map<QString, QString> types = declaredTypes(table);
        for (const Column& c : t.columns) {
            const QString column = QString::fromLatin1(c.name).toLower();
            const auto it = types.find(column);
            ASSERT_NE(it, types.end()) << table << '.' << column;
            if (*c.type != '\0') {
                EXPECT_EQ(it->second, QString::fromLatin1(c.type)) << table << '.' << column;
            }
        }
        if (t.autoKey != nullptr) {
            const QString key = QString::fromLatin1(t.autoKey);
            const QVariant pk =
                db_.scalar(QStringLiteral("select pk from pragma_table_info(?) where name=?"),
                           {table, key})
                    .value();
            EXPECT_EQ(pk.toInt(), 1) << table << '.' << key << " is the key";
            const QString create =
                db_.scalar(QStringLiteral("select sql from sqlite_master where name=?"), {table})
                    ->toString();
            EXPECT_TRUE(create.contains(QStringLiteral("AUTOINCREMENT"))) << table;
        }
    }
}

TEST_F(EmptyTemplate, KeepsNoColumnThatTheUpgradeDrops) {
    const std::map<QString, QString> types = declaredTypes(QStringLiteral("tb_cadre"));
    for (const char* dropped :
         {"Fzc", "Ffc", "Fzj", "Ffj", "creatTime", "res1", "res2", "res3", "res4", "jgshi", "csshi",
          "zwjb1", "zwjbTime1", "zwjbTimeStr1", "xwdm"}) {
        EXPECT_EQ(types.count(QString::fromLatin1(dropped).toLower()), 0u) << dropped;
    }
}

TEST_F(EmptyTemplate, TextComparesIgnoringCaseAndKeysAreNeverReused) {
    ASSERT_TRUE(db_.exec(QStringLiteral("insert into tb_cadre (xm) values ('Tom')")));
    ASSERT_TRUE(db_.exec(QStringLiteral("insert into tb_cadre (xm) values ('Ann')")));
    EXPECT_EQ(db_.scalar(QStringLiteral("select count(*) from tb_cadre where xm='TOM'"))->toInt(),
              1);
    const int last = db_.scalar(QStringLiteral("select max(CadreID) from tb_cadre"))->toInt();
    ASSERT_TRUE(
        db_.exec(QStringLiteral("delete * from tb_cadre where CadreID=") + QString::number(last)));
    ASSERT_TRUE(db_.exec(QStringLiteral("insert into tb_cadre (xm) values ('Bob')")));
    EXPECT_EQ(db_.lastInsertId(), last + 1);
}

TEST_F(EmptyTemplate, StrokeTableSortsNamesBySurnameStrokes) {
    EXPECT_GT(db_.scalar(QStringLiteral("select count(*) from tb_xsbh"))->toInt(), 90000);
    const std::optional<db::QueryResult> r = db_.query(QStringLiteral(
        "select zfs from tb_xsbh where zfs in ('张','王','丁','鑫','𠮷') order by bhord"));
    QStringList order;
    for (const QVariantList& row : r->rows) {
        order << row[0].toString();
    }
    EXPECT_EQ(order, (QStringList{QStringLiteral("丁"), QStringLiteral("王"), QStringLiteral("𠮷"),
                                  QStringLiteral("张"), QStringLiteral("鑫")}));
    EXPECT_EQ(db_.scalar(QStringLiteral("select count(*) from (select zfs from tb_xsbh group by "
                                        "zfs having count(*)>1)"))
                  ->toInt(),
              0);
}

// Yes/no columns are never null, in the working database and in the report-up package alike:
// they start as No, and a null written into one is stored as No.
TEST_F(EmptyTemplate, EveryYesNoColumnIsNeverNullAndStartsAsNo) {
    db::Database send;
    ASSERT_TRUE(send.open(QDir(home_.dbDir()).filePath(QStringLiteral("Send.db"))));
    int yesNoColumns = 0;
    for (db::Database* file : {&db_, &send}) {
        for (const QString& table : file->tables()) {
            const auto columns = file->query(
                QStringLiteral("select name, [notnull], dflt_value from pragma_table_info(?) "
                               "where upper(type)='BIT'"),
                {table});
            ASSERT_TRUE(columns.has_value()) << file->lastError();
            for (const QVariantList& c : columns->rows) {
                ++yesNoColumns;
                EXPECT_EQ(c[1].toInt(), 1) << table << '.' << c[0].toString();
                EXPECT_EQ(c[2].toString(), QStringLiteral("0")) << table << '.' << c[0].toString();
            }
        }
    }
    EXPECT_GT(yesNoColumns, 30);
    ASSERT_TRUE(db_.exec(
        QStringLiteral("insert into tb_cadre_node (ZwCadreID,dwID,nobz) values (9999,3,NULL)")));
    ASSERT_TRUE(
        db_.exec(QStringLiteral("update tb_cadre_node set bind=NULL where ZwCadreID=9999")));
    const auto row =
        db_.query(QStringLiteral("select nobz, bind from tb_cadre_node where ZwCadreID=9999"));
    ASSERT_TRUE(row.has_value() && row->rows.size() == 1u);
    EXPECT_EQ(row->rows[0][0], QVariant(false));
    EXPECT_EQ(row->rows[0][1], QVariant(false));
}

TEST(SendTemplate, HoldsThePackageTablesWithTheReviewColumns) {
    const TestHome home;
    db::Database db;
    ASSERT_TRUE(db.open(QDir(home.dbDir()).filePath(QStringLiteral("Send.db"))));
    QStringList expected{QStringLiteral("tb_cadre"),    QStringLiteral("tb_cadre_node"),
                         QStringLiteral("tb_cadre_zw"), QStringLiteral("tb_family"),
                         QStringLiteral("tb_jc"),       QStringLiteral("tb_kc"),
                         QStringLiteral("tb_pxCadre2"), QStringLiteral("tb_sendInfo")};
    EXPECT_EQ(db.tables(), expected);
    EXPECT_TRUE(db.hasColumn(QStringLiteral("tb_cadre"), QStringLiteral("Checked")));
    EXPECT_TRUE(db.hasColumn(QStringLiteral("tb_cadre"), QStringLiteral("revState")));
    EXPECT_TRUE(db.hasColumn(QStringLiteral("tb_cadre"), QStringLiteral("gzjl")));
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from tb_cadre"))->toInt(), 0);
}

}  // namespace

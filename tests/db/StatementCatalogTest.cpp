// The statements of the data module, the unit tree and the posts pages, run as the program
// builds them against the catalog fixture, with the rows they return or the table state they
// leave behind.

#include <gtest/gtest.h>

#include "CatalogFixture.h"
#include "cadre/PostBatch.h"
#include "cadre/Posts.h"
#include "units/UnitTree.h"

namespace {

using namespace Qt::StringLiterals;
using catalog::runStatementCases;
using catalog::StatementCase;

using catalog::fragments;
using catalog::n;

// The look-up helper: "select <column> from <table> where <key>='<value>'".
QString lookUp(const QString& column, const QString& table, const QString& key,
               const QString& value) {
    return "select "_L1 + column + " from "_L1 + table + " where "_L1 + key + "="_L1 +
           sql::quoted(value);
}

QString getConf(const QString& gid, const QString& itemId) {
    return "select ItemV from tb_conf where Gid="_L1 + sql::quoted(gid) + " and ItemID="_L1 +
           sql::quoted(itemId);
}

// The statements that remove a unit's subtree, in the order the delete dialog runs them;
// `keepHistory` turns the subtree's posts into former posts dated `dateText` instead of
// deleting them.
QStringList dissolveStatements(const QString& index, bool keepHistory, const QString& dateText) {
    const QString subtree =
        "(select ID from tb_department where dwIndex like "_L1 + sql::quoted(index + u'%') + u')';
    const QString& del = fragments().SqlDeleteHead;
    QStringList s = {
        del + "from tb_department_bz where dwID in "_L1 + subtree,
        del + "from tb_department_zs where dwID in "_L1 + subtree,
        del + "from tb_cadre_node where dwID in "_L1 + subtree,
    };
    if (keepHistory) {
        s.push_back("update tb_cadre_zw set status=2,dwID=0,mzsjstr="_L1 + sql::quoted(dateText) +
                    ",mzsj="_L1 + sql::quoted(dateText + "-1"_L1) + " where dwID in "_L1 + subtree);
    } else {
        s.push_back(del + "from tb_cadre_zw where dwID in "_L1 + subtree);
    }
    s.push_back(del + "from tb_department where dwIndex like "_L1 + sql::quoted(index + u'%'));
    return s;
}

TEST(StatementCatalog, DataModuleDatasets) {
    // Each shared dataset's fixed statement, with the rows the fixture gives it.
    struct Dataset {
        const char* sql;
        const char* columns;
        QStringList rows;
        bool anyOrder;
    };
    const std::vector<Dataset> datasets = {
        {"select * from tb_cadre", "CadreID", {"1", "2", "3", "4", "5", "6", "7"}, true},
        {"select CadreID,xm,xb,csnyStr from tb_cadre order by CadreID",
         "",
         {"1|王建国|男|1972.07", "2|李  红|女|1972.07", "3|Tom|男|1980.01", "4|欧阳明月|女|1965.03",
          "5|赵六|男|1958.12", "6|孙七|男|1990.07", "7|tom|男|NULL"},
         false},
        {"select * from tb_department_zs",
         "ZsID,zwmc,zwtype",
         {"1|部长|正职", "2|副部长|副职", "3|书记|正职", "4|科员|非领导职务", "5|市长|正职"},
         true},
        {"select * from tb_family", "xm,cw", {"陈芳|妻子", "王小明|儿子", "周强|丈夫"}, true},
        {"select * from tb_cadre_zw",
         "ZwID",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"},
         true},
        {"select * from tb_group", "groupName", {"管理员"}, true},
        {"select * from tb_manager", "userName", {"admin", "zhang", "li"}, true},
        {"select * from tb_general", "name,version,clew", {"某市委组织部|3.7|True"}, true},
        {"select * from tb_department where isDep=1",
         "ID",
         {"1", "2", "3", "4", "5", "6", "7"},
         true},
        {"select ID,name,dwjc from tb_department where isDep=1",
         "",
         {"1|中共某市委员会|市委", "2|某市人民政府|市政府", "3|宣传部|", "4|组织部|", "5|干部科|",
          "6|组织科|", "7|办公室|政府办"},
         true},
        {"select * from tb_department", "ID", {"1", "2", "3", "4", "5", "6", "7", "8"}, true},
        {"select xb,count(CadreID) as xbnum from tb_cadre group by xb",
         "xb,xbnum",
         {"男|5", "女|2"},
         true},
        {"select * from tb_beadroll",
         "mcName,mirror",
         {"后备干部名册|False", "2011年冻结名册|True"},
         true},
        {"select * from tb_check", "", {}, true},
        {"select * from tb_pxType", "s", {"任职培训", "业务培训"}, true},
        {"select * from tb_rmmc", "name,tbsj", {"2012年7月干部调整|2012-07-10"}, true},
        {"select * from tb_rmmc_detail", "xm,csny", {"孙七|1990-07-15", "Tom|1980-01-01"}, true},
        {"select * from tb_dep_xz", "xz", {"党委", "行政机关"}, true},
        {"select * from tb_chart1", "stype,num", {"男|4", "女|2"}, true},
        {"select * from tb_px",
         "pxName,pxTimeB,pxks",
         {"党校春季班|2011-03-01|20", "业务培训|2012-05-01|5"},
         true},
        {"select * from tb_pxCadre", "CName,ord", {"王建国|1", "李  红|2", "王建国|1"}, true},
        {"select * from tb_pxCadre as a inner join tb_px as b on a.pxid=b.pxid",
         "CName,pxName",
         {"王建国|党校春季班", "李  红|党校春季班", "王建国|业务培训"},
         true},
        {"select * from tb_zw", "zwmc", {"书记", "副书记", "部长", "副部长", "科员"}, true},
        {"select * from tb_querytemp",
         "CadreID,checked,xm",
         {"1|True|王建国", "2|False|李  红"},
         true},
        {"select * from tb_plan",
         "tital,beginT,endT,checked",
         {"年度考核准备|2012-07-01|2012-07-31|False"},
         true},
        {"select * from tb_kc", "kcjl", {"优秀", "称职", "基本称职"}, true},
        {"select * from tb_jc", "jcmc,jcsj", {"嘉奖|2010-12-01"}, true},
        {"select * from tb_mb", "", {}, true},
        {"select * from tb_fggzlr", "", {}, true},
        {"select * from A54", "", {}, true},
        {"select * from A55", "", {}, true},
        {"select * from A56", "", {}, true},
        {"select * from tb_bzkc", "", {}, true},
        {"select * from tb_cadre_node where zwcadreid=0", "", {}, true},
    };
    std::vector<StatementCase> cases;
    for (const Dataset& ds : datasets) {
        cases.push_back({ds.sql,
                         {QString::fromUtf8(ds.sql)},
                         {{{}, QString::fromUtf8(ds.columns), ds.rows, ds.anyOrder}}});
    }
    runStatementCases(cases);
}

TEST(StatementCatalog, DataModuleHelpers) {
    const QString userTypeSelect =
        "select * from tb_manager where (userType=0) or (isnull(userType"_L1 +
        fragments().NullTail + u')';
    const std::vector<StatementCase> cases = {
        {"GetConf reads the value of a group and item",
         {getConf(u"ZBJ"_s, u"A001"_s)},
         {{{}, {}, {"2.5"}}}},
        {"GetConf compares group names without regard to case",
         {getConf(u"zbj"_s, u"a001"_s)},
         {{{}, {}, {"2.5"}}}},
        {"GetConf of a missing item reads no row", {getConf(u"ZBJ"_s, u"A002"_s)}, {{{}, {}, {}}}},
        {"SetConf updates an existing item and adds no second row",
         {getConf(u"ZBJ"_s, u"A001"_s),
          "update tb_conf set ItemV='2.0' where Gid='ZBJ' and ItemID='A001'"_L1},
         {{"select ItemV from tb_conf where Gid='ZBJ'"_L1, {}, {"2.0"}}}},
        {"SetConf inserts an item the group does not have yet",
         {"insert into tb_conf (GID,ItemID,ItemV) values ('AUTOSAVE','2','1')"_L1},
         {{"select ItemID,ItemV from tb_conf where GID='AUTOSAVE' order by ItemID"_L1,
           {},
           {"1|0", "2|1"}}}},
        {"next cadre order",
         {"select max(gbord) as ord from tb_cadre"_L1},
         {{{}, "ord"_L1, {"7"}}}},
        {"next child-unit order",
         {"select max(dwOrder) as ord from tb_department where parentID="_L1 +
          n(catalog::kCityCommittee)},
         {{{}, "ord"_L1, {"2"}}}},
        {"next child-unit order under a unit without children is NULL",
         {"select max(dwOrder) as ord from tb_department where parentID="_L1 +
          n(catalog::kOrgSection)},
         {{{}, "ord"_L1, {"NULL"}}}},
        {"next member order in a unit",
         {"select max(zwOrder) as ord from tb_cadre_node where dwID="_L1 +
          n(catalog::kCityCommittee)},
         {{{}, "ord"_L1, {"3"}}}},
        {"next member order in a unit without members is NULL",
         {"select max(zwOrder) as ord from tb_cadre_node where dwID="_L1 + n(catalog::kOrgSection)},
         {{{}, "ord"_L1, {"NULL"}}}},
        {"next family-member order",
         {"select max(ford) as ord from tb_family where CadreID="_L1 + n(catalog::kWang)},
         {{{}, "ord"_L1, {"2"}}}},
        {"next family-member order of a cadre without family is NULL",
         {"select max(ford) as ord from tb_family where CadreID="_L1 + n(catalog::kTom)},
         {{{}, "ord"_L1, {"NULL"}}}},
        {"next current-post order counts current posts only",
         {"select max(zwOrder) as ord from tb_cadre_zw where status=1 and ZwCadreID="_L1 +
          n(catalog::kTom)},
         {{{}, "ord"_L1, {"3"}}}},
        {"next former-post order",
         {"select max(zwOrder) as ord from tb_cadre_zw where status=2 and ZwCadreID="_L1 +
          n(catalog::kOuyang)},
         {{{}, "ord"_L1, {"1"}}}},
        {"next former-post order of a cadre without former posts is NULL",
         {"select max(zwOrder) as ord from tb_cadre_zw where status=2 and ZwCadreID="_L1 +
          n(catalog::kTom)},
         {{{}, "ord"_L1, {"NULL"}}}},
        {"next roster line",
         {"select max(brOrder) as ord from tb_beadroll_detail where McID=1"_L1},
         {{{}, "ord"_L1, {"2"}}}},
        {"next roster-copy line",
         {"select max(brOrder) as ord from tb_beadroll_mirror where McID=2"_L1},
         {{{}, "ord"_L1, {"2"}}}},
        {"next plan line",
         {"select max(brOrder) as ord from tb_rmmc_detail where mcID=1"_L1},
         {{{}, "ord"_L1, {"2"}}}},
        {"next trainee order",
         {"select max(ord) as x from tb_pxCadre where pxid=1"_L1},
         {{{}, "x"_L1, {"2"}}}},
        {"MaxId", {"select max(ZwID)as maxid from tb_cadre_zw"_L1}, {{{}, "maxid"_L1, {"11"}}}},
        {"cadre count",
         {"select CadreID from tb_cadre"_L1},
         {{{}, {}, {"1", "2", "3", "4", "5", "6", "7"}, true}}},
        {"look-up matches text without regard to case",
         {lookUp(u"CadreID"_s, u"tb_cadre"_s, u"xm"_s, u"tom"_s)},
         {{{}, {}, {"3", "7"}, true}}},
        {"look-up of a value holding a quote",
         {lookUp(u"CadreID"_s, u"tb_cadre"_s, u"xm"_s, u"O'Neil"_s)},
         {{{}, {}, {"8"}}},
         {catalog::CatalogFixture::insertStatement(u"tb_cadre"_s, u"CadreID,gbOrd,xm"_s,
                                                   {8, 8, u"O'Neil"_s})}},
        {"look-up of a Chinese text",
         {lookUp(u"level1"_s, u"tb_zj"_s, u"zjmc"_s, u"副处级"_s)},
         {{{}, {}, {"6"}}}},
        {"unit name by ID",
         {"select id,name from tb_department where ID="_L1 + n(catalog::kOrganisation)},
         {{{}, "name"_L1, {"组织部"}}}},
        {"unit level by ID",
         {"select dwlevel from tb_department where ID="_L1 + n(catalog::kCadreSection)},
         {{{}, "dwlevel"_L1, {"2"}}}},
        {"unit index by ID",
         {"select dwindex from tb_department where ID="_L1 + n(catalog::kCadreSection)},
         {{{}, "dwindex"_L1, {"0010101"}}}},
        {"membership test finds a member",
         {"select * from tb_cadre_node where ZwCadreID="_L1 + n(catalog::kTom) + " and dwID="_L1 +
          n(catalog::kOrganisation)},
         {{{}, "CnID"_L1, {"5"}}}},
        {"membership test of a cadre outside the unit finds nothing",
         {"select * from tb_cadre_node where ZwCadreID="_L1 + n(catalog::kLi) + " and dwID="_L1 +
          n(catalog::kCityCommittee)},
         {{{}, {}, {}}}},
        {"users who may log in: type 0 or no type",
         {userTypeSelect},
         {{{}, "userName"_L1, {"zhang", "li"}, true}}},
        {"name-list matcher widens a four-character name",
         {u"select xm from tb_cadre where xm like '欧阳%明月'"_s},
         {{{}, {}, {"欧阳明月"}}}},
        {"name-list matcher matches Latin names without regard to case",
         {"select xm from tb_cadre where xm like 'tom'"_L1},
         {{{}, {}, {"Tom", "tom"}, true}}},
    };
    runStatementCases(cases);
}

TEST(StatementCatalog, UnitTree) {
    const QString all =
        "select ID,parentID,dwOrder,dwlevel,dwIndex from tb_department order by ID"_L1;
    const std::vector<StatementCase> cases = {
        {"tree load reads units by level, then order",
         {"select * from tb_department order by dwLevel,dwOrder"_L1},
         {{{}, "dwlevel,dwOrder"_L1, {"0|1", "0|2", "0|3", "1|1", "1|1", "1|2", "2|1", "2|2"}}}},
        {"next order of a top-level unit",
         {"select max(dwOrder) as ord from tb_department where parentID=0"_L1},
         {{{}, "ord"_L1, {"3"}}}},
        {"renaming a unit renames its posts only",
         {u"update tb_cadre_zw set dw='中共某市委' where dwID="_s + n(catalog::kCityCommittee)},
         {{"select ZwID,dw from tb_cadre_zw where dwID=1 or ZwID=2 order by ZwID"_L1,
           {},
           {"1|中共某市委", "2|宣传部", "6|中共某市委", "7|中共某市委"}}}},
        {"moving a subtree one level down shifts its depth only",
         {"update tb_department set dwlevel=dwlevel+1 where dwIndex like '00101%'"_L1},
         {{all, "ID,dwlevel"_L1, {"1|0", "2|0", "3|1", "4|2", "5|3", "6|3", "7|1", "8|0"}}}},
        {"moving a subtree one level up shifts its depth only",
         {"update tb_department set dwlevel=dwlevel-1 where dwIndex like '00101%'"_L1},
         {{all, "ID,dwlevel"_L1, {"1|0", "2|0", "3|1", "4|0", "5|1", "6|1", "7|1", "8|0"}}}},
        {"re-indexing reads the subtree root first",
         {"select * from tb_department where dwIndex like '00101%' order by dwlevel,dwOrder"_L1},
         {{{}, "ID,dwIndex"_L1, {"4|00101", "5|0010101", "6|0010102"}}}},
        {"swapping sibling orders changes the tree order",
         {"update tb_department set dwOrder=2 where ID="_L1 + n(catalog::kOrganisation),
          "update tb_department set dwOrder=1 where ID="_L1 + n(catalog::kPublicity)},
         {{"select ID,dwOrder,dwIndex from tb_department where parentID=1 order by ID"_L1,
           {},
           {"3|1|00102", "4|2|00101"}}}},
        {"rebuild repairs units whose parent is missing or themselves",
         {"update tb_department set parentID=0 where (parentID=id) or (parentID not in(select id "
          "from tb_department))"_L1},
         {{"select ID,parentID from tb_department order by ID"_L1,
           {},
           {"1|0", "2|0", "3|1", "4|1", "5|4", "6|4", "7|2", "8|0", "9|0", "10|0"}}},
         {u"insert into tb_department (ID,parentID,Name,dwOrder,dwlevel,dwIndex,isDep) values "
          "(9,99,'临时组',1,2,'0FF01',True)"_s,
          u"insert into tb_department (ID,parentID,Name,dwOrder,dwlevel,dwIndex,isDep) values "
          "(10,10,'自指单位',4,0,'004',True)"_s}},
        {"rebuild reads the children of a unit",
         {"select * from tb_department where parentid="_L1 + n(catalog::kOrganisation)},
         {{{}, "ID"_L1, {"5", "6"}, true}}},
        {"rebuild reads the top-level units",
         {"select * from tb_department where parentid=0"_L1},
         {{{}, "ID"_L1, {"1", "2", "8"}, true}}},
        {"rebuild renumbers siblings in parent and order",
         {"select * from tb_department order by parentID,dwOrder"_L1},
         {{{},
           "parentID,dwOrder,ID"_L1,
           {"0|1|1", "0|2|2", "0|3|8", "1|1|4", "1|2|3", "2|1|7", "4|1|5", "4|2|6"}}}},
        {"rebuild writes the index below the parent's and at top level",
         {"select dwIndex from tb_department where ID="_L1 + n(catalog::kOrganisation),
          "update tb_department set dwIndex='0010101' where ID="_L1 + n(catalog::kCadreSection),
          "update tb_department set dwIndex='003' where ID="_L1 + n(catalog::kLeadingGroup)},
         {{"select dwIndex from tb_department where ID="_L1 + n(catalog::kOrganisation),
           {},
           {"00101"}},
          {"select ID,dwIndex from tb_department where ID in (5,8) order by ID"_L1,
           {},
           {"5|0010101", "8|003"}}},
         {"update tb_department set dwIndex='XX' where ID in (5,8)"_L1}},
        {"dissolving a unit keeps its posts as former posts dated by the month text",
         dissolveStatements(u"00101"_s, true, u"2012-7"_s),
         {{"select ID from tb_department order by ID"_L1, {}, {"1", "2", "3", "7", "8"}},
          {"select ZwID,status,dwID,mzsjstr,mzsj from tb_cadre_zw where ZwID in (3,4,5,9) "
           "order by ZwID"_L1,
           {},
           {"3|2|0|2012-7|2012-07-01", "4|2|0|2012-7|2012-07-01", "5|2|0|2012-7|2012-07-01",
            "9|2|0|2012-7|2012-07-01"}},
          {"select ZwID from tb_cadre_zw where mzsj=#2012-07-01#"_L1,
           {},
           {"3", "4", "5", "9"},
           true},
          {"select ZwID,status,dwID from tb_cadre_zw where ZwID in (1,2,6) order by ZwID"_L1,
           {},
           {"1|1|1", "2|1|3", "6|1|1"}},
          {"select CnID from tb_cadre_node order by CnID"_L1, {}, {"1", "2", "3", "7", "8", "9"}},
          {"select ZsID from tb_department_zs order by ZsID"_L1, {}, {"3", "5"}},
          {"select id from tb_department_bz order by id"_L1, {}, {"3"}},
          {"select CadreID from tb_cadre"_L1, {}, {"1", "2", "3", "4", "5", "6", "7"}, true}}},
        {"deleting a unit completely removes its posts",
         dissolveStatements(u"00101"_s, false, {}),
         {{"select ID from tb_department order by ID"_L1, {}, {"1", "2", "3", "7", "8"}},
          {"select ZwID from tb_cadre_zw order by ZwID"_L1,
           {},
           {"1", "2", "6", "7", "8", "10", "11"}},
          {"select CnID from tb_cadre_node order by CnID"_L1, {}, {"1", "2", "3", "7", "8", "9"}},
          {"select CadreID from tb_cadre"_L1, {}, {"1", "2", "3", "4", "5", "6", "7"}, true}}},
        {"find box reads names and initials of every unit",
         {"select ID,Name,dwjc,py2,py1 from tb_department"_L1},
         {{{},
           {},
           {"1|中共某市委员会|市委|SW|ZGMSWYH", "2|某市人民政府|市政府|SZF|MSRMZF",
            "3|宣传部|||XCB", "4|组织部|||ZZB", "5|干部科|||GBK", "6|组织科|||ZZK",
            "7|办公室|政府办|ZFB|BGS", "8|四套班子|||STBZ"},
           true}}},
        {"unit filter by short name, scope and nature",
         {"select * from tb_department "_L1 +
          units::unitFilterClause(u"政府"_s, u"002"_s, u"行政机关"_s)},
         {{{}, "ID"_L1, {"2", "7"}, true}}},
        {"unit filter by scope and nature only",
         {"select * from tb_department "_L1 + units::unitFilterClause({}, u"001"_s, u"党委部门"_s)},
         {{{}, "ID"_L1, {"3", "4", "5", "6"}, true}}},
        {"unit filter by short name only",
         {"select * from tb_department "_L1 + units::unitFilterClause(u"市"_s, {}, {})},
         {{{}, "ID"_L1, {"1", "2"}, true}}},
    };
    runStatementCases(cases);
}

TEST(StatementCatalog, PostsHeld) {
    const QString& del = fragments().SqlDeleteHead;
    const std::vector<StatementCase> cases = {
        {"current posts page with the unit name",
         {cadre::currentPostsListStatement(catalog::kWang)},
         {{{},
           "ZwID,zwmc,dw,name"_L1,
           {"1|副书记|中共某市委员会|中共某市委员会", "2|部长|宣传部|宣传部"}}}},
        {"current posts page keeps a post whose unit was typed as text",
         {cadre::currentPostsListStatement(catalog::kTom)},
         {{{}, "ZwID,zwmc,name"_L1, {"5|部长|组织部", "6|常委|中共某市委员会", "11|顾问|NULL"}}}},
        {"former posts page",
         {"select * from tb_cadre_zw where status=2 and ZwCadreID="_L1 + n(catalog::kWang) +
          " order by zwOrder"_L1},
         {{{}, "ZwID,dw,zwmc,rzsjstr,mzsjstr"_L1, {"3|组织部|副部长|2005.01|2010.03"}}}},
        {"memberships page",
         {"select * from tb_cadre_node as a left outer join tb_department as b on a.dwid=b.id "
          "where ZwCadreID="_L1 +
          n(catalog::kWang)},
         {{{},
           "name,jrsjStr,nobz"_L1,
           {"中共某市委员会|2010.03|False", "宣传部|2011.05|False"},
           true}}},
        {"memberships page shows the staffing mark",
         {"select * from tb_cadre_node as a left outer join tb_department as b on a.dwid=b.id "
          "where ZwCadreID="_L1 +
          n(catalog::kSun)},
         {{{}, "name,jrsjStr,nobz"_L1, {"干部科|2012.07|True"}}}},
        {"refreshing current posts reads only posts in units of the tree",
         {"select * from tb_cadre_zw as a inner join tb_department as b on a.dwID=b.ID where "
          "a.status=1 and ZwCadreID="_L1 +
          n(catalog::kTom) + " order by zwOrder"_L1},
         {{{}, "zwmc,name,rzsjStr"_L1, {"部长|组织部|2012.01", "常委|中共某市委员会|2012.01"}}}},
        {"refreshing current posts reads the cadre's memberships",
         {"select * from tb_cadre_node where ZwCadreID="_L1 + n(catalog::kTom)},
         {{{}, "CnID,dwID"_L1, {"3|1", "5|4"}, true}}},
        {"refreshing current posts finds the unit's last order",
         {"select Max(zwOrder) as maxord from tb_cadre_node where dwID="_L1 +
          n(catalog::kCityCommittee)},
         {{{}, "maxord"_L1, {"3"}}}},
        {"refreshing current posts reads the cadre's lock",
         {"select CadreID,allZwList,xrz,ZwLock from tb_cadre where CadreID="_L1 + n(catalog::kLi)},
         {{{}, {}, {"2|组织部副部长|组织部副部长|True"}}}},
        {"refreshing current posts reads the posts of one membership",
         {"select * from tb_cadre_zw where status=1 and dwID="_L1 + n(catalog::kCityCommittee) +
          " and ZwCadreID="_L1 + n(catalog::kTom)},
         {{{}, "ZwID"_L1, {"6"}}}},
        {"post dialog offers the unit's quota post names",
         {"select * from tb_department_zs where dwID="_L1 + n(catalog::kOrganisation)},
         {{{}, "zwmc"_L1, {"部长", "副部长"}, true}}},
        {"post dialog opens the cadre's posts",
         {"select * from tb_cadre_zw where ZwCadreID="_L1 + n(catalog::kOuyang)},
         {{{}, "ZwID"_L1, {"7", "8"}, true}}},
        {"post dialog opens one post",
         {"select * from tb_cadre_zw where ZwCadreID="_L1 + n(catalog::kOuyang) + " and ZwID=8"_L1},
         {{{}, "dw,zwmc,status"_L1, {"某县政府|县长|2"}}}},
        {"removal dialog lists the current posts in the unit",
         {"select * from tb_cadre_zw where status=1 and ZwCadreID="_L1 + n(catalog::kWang) +
          " and dwid="_L1 + n(catalog::kCityCommittee) + " order by zworder"_L1},
         {{{}, "ZwID"_L1, {"1"}}}},
        {"removal dialog lists all current posts",
         {"select * from tb_cadre_zw where status=1 and ZwCadreID="_L1 + n(catalog::kWang) +
          " order by zworder"_L1},
         {{{}, "ZwID"_L1, {"1", "2"}}}},
        {"deleting a post",
         {del + "from tb_cadre_zw where ZwID=3"_L1},
         {{"select ZwID from tb_cadre_zw where ZwCadreID=1 order by ZwID"_L1, {}, {"1", "2"}},
          {"select count(*) as c from tb_cadre_zw"_L1, {}, {"10"}}}},
        {"removing a membership turns its current posts into former posts",
         {"update tb_cadre_zw set status=2 where zwcadreid="_L1 + n(catalog::kTom) +
              " and dwid="_L1 + n(catalog::kOrganisation) + " and status=1"_L1,
          del + " from tb_cadre_node where zwcadreid="_L1 + n(catalog::kTom) + " and dwid="_L1 +
              n(catalog::kOrganisation)},
         {{"select ZwID,status from tb_cadre_zw where ZwCadreID=3 order by ZwID"_L1,
           {},
           {"5|2", "6|1", "11|1"}},
          {"select CnID from tb_cadre_node where ZwCadreID=3"_L1, {}, {"3"}},
          {"select CnID from tb_cadre_node where dwID=4"_L1, {}, {"4"}}}},
        {"moving a current post down swaps the orders",
         {"update tb_cadre_zw set zwOrder=2 where zwOrder=1 and ZwID=1"_L1,
          "update tb_cadre_zw set zwOrder=1 where zwOrder=2 and ZwID=2"_L1,
          cadre::currentPostsListStatement(catalog::kWang)},
         {{{}, "ZwID,zwOrder"_L1, {"2|1", "1|2"}}}},
        {"batch dialog reads the quota of a category",
         {"select * from tb_department_zs where dwid="_L1 + n(catalog::kOrganisation) +
          u" and zwtype='副职'"_s},
         {{{}, "zwmc,zwrs"_L1, {"副部长|2"}}}},
        {"batch dialog lists the holders of a category",
         {cadre::categoryHoldersStatement(catalog::kOrganisation, u"副职"_s)},
         {{{}, "xm,zwmc,rzsjStr,zworder"_L1, {"李  红|副部长|2009.09|2"}}}},
        {"batch dialog lists only posts of the category in the unit",
         {cadre::categoryHoldersStatement(catalog::kOrganisation, u"正职"_s)},
         {{{}, "xm,zwmc,rzsjStr,zworder"_L1, {"Tom|部长|2012.01|1"}}}},
        {"batch dialog ignores a holder's posts in other units",
         {cadre::categoryHoldersStatement(catalog::kCityCommittee, u"正职"_s)},
         {{{}, "xm,zwmc"_L1, {"欧阳明月|书记"}}}},
        {"batch dialog loads the unit's current posts and memberships",
         {"select * from tb_cadre_zw where dwid="_L1 + n(catalog::kOrganisation) +
              " and status=1"_L1,
          "select * from tb_cadre_node where dwid="_L1 + n(catalog::kOrganisation) +
              " order by zwOrder"_L1},
         {{{}, "CnID,zwOrder"_L1, {"5|1", "4|2"}},
          {"select * from tb_cadre_zw where dwid=4 and status=1"_L1, "ZwID"_L1, {"4", "5"}, true}}},
        {"taking a cadre out of a category clears the category",
         {"update tb_cadre_zw set zt='' where dwid="_L1 + n(catalog::kOrganisation) +
          " and status=1 and ZwCadreID="_L1 + n(catalog::kLi) + u" and zwmc='副部长'"_s},
         {{"select ZwID,zt from tb_cadre_zw where ZwCadreID=2"_L1, {}, {"4|"}},
          {cadre::categoryHoldersStatement(catalog::kOrganisation, u"副职"_s), "xm"_L1, {}}}},
        {"batch dialog hands the category's post to the removal dialog",
         {"select * from tb_cadre_zw where dwid="_L1 + n(catalog::kOrganisation) +
          " and status=1 and ZwCadreID="_L1 + n(catalog::kLi) + " and zt="_L1 +
          sql::quoted(u"副职"_s)},
         {{{}, "ZwID"_L1, {"4"}}}},
    };
    runStatementCases(cases);
}

}  // namespace

// The statements of the main window's cadre list and of the cadre search, built with the
// program's fragments and run against the catalog fixture.

#include <gtest/gtest.h>

#include "CatalogFixture.h"
#include "main/CadreList.h"

namespace {

using namespace Qt::StringLiterals;
using catalog::runStatementCases;
using catalog::StatementCase;

using catalog::fragments;
using catalog::n;

// The cadre columns the cadre list shows, in the order the list statement names them.
const QString kListColumns =
    u"Classid,gbOrd,other,CadreID,xm,xb,csny,rdsj,gzsj,mz,zzmm,jgsheng,"
    "cssheng,zwjb,zwjbTime,zwjbTimeStr,csnyStr,rdsjStr,gzsjStr,py,"
    "allZwList,allRzsjList,gxw,gxl,gxlxx,ctype,zydj,zyzcTime,rybz,ZwLock,"
    "fggz,qrzxw,zzxw,jkzk,zyjszw,zytc,qrzxl,zzxl,qrzxxzy,zzxxzy,gzjl,xrz,"
    "nrz,nmz,jcNote,khNote,rmNote,res5,res6,res7,res8,address,tel,tel2,"
    "zjType,zjh,CnID,dwID,zwList,rzsjList,zwOrder"_s;

// The list of one unit's members.
QString unitList(int unit, int mask) {
    const QString condition = mainwin::cadreTypeCondition(mask);
    return "select "_L1 + kListColumns + u',' + fragments().SqlAgeColumn +
           ",jrsjstr from tb_cadre_node as b left outer join tb_Cadre as a on "
           "a.CadreID=b.ZwCadreID "_L1 +
           (condition.isEmpty() ? QString(" where "_L1) : " where "_L1 + condition + " and "_L1) +
           " b.dwID="_L1 + n(unit) + " and dwID="_L1 + n(unit) + " order by zwOrder"_L1;
}

// The list of the members of a unit and all units below it.
QString subtreeList(const QString& prefix, int mask) {
    const QString condition = mainwin::cadreTypeCondition(mask);
    return "select "_L1 + kListColumns + ",name,"_L1 + fragments().SqlAgeColumn +
           ",jrsjstr from tb_Cadre as a inner join (select * from tb_cadre_node as b left outer "
           "join tb_department as c on b.dwID=c.ID where c.dwIndex like '"_L1 +
           prefix + "%') as d on a.CadreID=d.ZwCadreID "_L1 +
           (condition.isEmpty() ? QString() : " where "_L1 + condition) +
           " order by dwIndex,zwOrder"_L1;
}

QString placeList(const QString& field) {
    return "select * from (select count("_L1 + field + ") as cnum,"_L1 + field +
           " from tb_cadre group by "_L1 + field + ") order by cnum desc"_L1;
}

// Cuts the trailing " and" of a list of conditions.
QString withoutTrailingAnd(const QString& conditions) {
    QString text = conditions.trimmed();
    if (text.endsWith(" and"_L1)) {
        text.chop(4);
    }
    return text;
}

// The search's where-clause: the conditions in order, after " where ", without the trailing
// " and"; empty when no field was filled.
QString where(const QStringList& conditions) {
    const QString text = withoutTrailingAnd(conditions.join(QString()));
    return text.isEmpty() ? QString() : " where "_L1 + text;
}

// A date of the age conditions, "#Y-M-D#" with the month and day of the reference date.
QString ageDate(int year, const QDate& reference) {
    return fragments().SqlDateQuote + n(year) + u'-' + n(reference.month()) + u'-' +
           n(reference.day()) + fragments().SqlDateQuote;
}

QString ageAtLeast(int age, const QDate& r = catalog::today()) {
    return " (csny<="_L1 + ageDate(r.year() - age, r) + ") and "_L1;
}

QString ageEquals(int age, const QDate& r = catalog::today()) {
    return " (csny<="_L1 + ageDate(r.year() - age, r) + ") and (csny>"_L1 +
           ageDate(r.year() - age - 1, r) + ") and "_L1;
}

QString ageAtMost(int age, const QDate& r = catalog::today()) {
    return " (csny>"_L1 + ageDate(r.year() - age - 1, r) + ") and "_L1;
}

QString ageBetween(int low, int high, const QDate& r = catalog::today()) {
    return " (csny<="_L1 + ageDate(r.year() - low, r) + ") and (csny>"_L1 +
           ageDate(r.year() - high - 1, r) + ") and "_L1;
}

// A year-month text as a date literal: "." becomes "-", "-1" is appended.
QString monthDate(const QString& monthText) {
    QString text = monthText;
    text.replace(u'.', u'-');
    return fragments().SqlDateQuote + text + "-1"_L1 + fragments().SqlDateQuote;
}

QString postCondition(const QString& conditions, const QString& units) {
    const QString text = withoutTrailingAnd(
        conditions + (units.isEmpty() ? QString() : " x.dwid in ("_L1 + units + u')'));
    return "(cadreid in (SELECT x.ZwCadreID FROM tb_cadre_zw x LEFT OUTER JOIN tb_department_zs y "
           "ON x.zwmc = y.zwmc AND x.dwID = y.DwID "_L1 +
           "where "_L1 + text + ")) and "_L1;
}

QString entryCondition(const QString& conditions, const QString& units) {
    const QString text = withoutTrailingAnd(
        conditions + (units.isEmpty() ? QString() : " dwid in ("_L1 + units + u')'));
    return "(cadreid in (select zwcadreid from tb_cadre_node "_L1 + "where "_L1 + text +
           ")) and"_L1;
}

// The training sub-query; minDays < 0 leaves out the test on the total days.
QString trainingCondition(const QString& conditions, int minDays) {
    const QString trainingWhere =
        conditions.isEmpty() ? QString() : "WHERE "_L1 + withoutTrailingAnd(conditions) + u' ';
    QString s = "(cadreid in (SELECT CadreID "_L1 + "FROM (SELECT CadreID, SUM(pxks) AS zks "_L1 +
                "FROM (SELECT id, CadreID, pxks "_L1 + "FROM tb_pxCadre AS a INNER JOIN "_L1 +
                "tb_px AS b ON a.pxid = b.pxid "_L1 + trainingWhere + "UNION "_L1 +
                "SELECT id, CadreID, pxks "_L1 + "FROM tb_pxCadre2 "_L1 + trainingWhere +
                ") DERIVEDTBL "_L1 + "GROUP BY CadreID) DERIVEDTBL "_L1;
    if (minDays >= 0) {
        s += "WHERE (zks > "_L1 + n(minDays) + "))) and "_L1;
    } else {
        s += ")) and "_L1;
    }
    return s;
}

QString pickerSearch(const QString& w) {
    return "select CadreID,checked,xm,xb,zwjb,xrz from tb_cadre "_L1 + w + " order by gbOrd"_L1;
}

QString searchInsert(const QString& w) {
    return "insert into tb_tcid (tcid) select cadreid as tcid from tb_cadre "_L1 +
           (w.isEmpty() ? QString(" where cadreid not in (select tcid from tb_tcid)"_L1)
                        : w + " and (cadreid not in (select tcid from tb_tcid))"_L1) +
           " order by gbord"_L1;
}

QString searchNarrow(const QString& w) {
    return fragments().SqlDeleteHead +
           " from tb_tcid where tcid not in (select cadreid from tb_cadre "_L1 + w + u')';
}

QString resultGrid(const QString& order) {
    return "select "_L1 +
           "Classid,gbOrd,other,CadreID,xm,xb,csny,rdsj,gzsj,mz,zzmm,jgsheng,cssheng,zwjb,"
           "zwjbTime,zwjbTimeStr,csnyStr,rdsjStr,gzsjStr,py,allZwList,allRzsjList,gxw,gxl,gxlxx,"
           "ctype,zydj,zyzcTime"_L1 +
           ",rybz,ZwLock,fggz,qrzxw,zzxw,jkzk,zyjszw,zytc,qrzxl,zzxl,qrzxxzy,zzxxzy,gzjl,xrz,nrz,"
           "nmz,jcNote,khNote,rmNote,res5,res6,res7,res8,address,tel,tel2,zjType,zjh"_L1 +
           ",tords,"_L1 + fragments().SqlAgeColumn +
           " from tb_tcid as a left outer join tb_Cadre as b on b.cadreid=a.tcid"_L1 + order;
}

QString resultRow(int cadre, const QString& key) {
    return "insert into tb_tcid (tcid,tords) values ("_L1 + n(cadre) + u',' +
           (key.isEmpty() ? "NULL"_L1 : sql::quoted(key)) + u')';
}

TEST(StatementCatalog, CadreList) {
    const QString& del = fragments().SqlDeleteHead;
    const QString nodes = "select CnID,ZwCadreID,zwOrder from tb_cadre_node where dwID="_L1;
    const std::vector<StatementCase> cases = {
        {"one unit's members in their order, with ages",
         {unitList(catalog::kCityCommittee, 0)},
         {{{}, "xm,age,zwOrder,CnID"_L1, {"王建国|40|1|1", "欧阳明月|47|2|2", "Tom|32|3|3"}}}},
        {"the age boundary: born a day later is a year younger",
         {unitList(catalog::kOrganisation, 0)},
         {{{}, "xm,csny,age"_L1, {"Tom|1980-01-01|32", "李  红|1972-07-16|39"}}}},
        {"mask 5 keeps ctype 6 and drops ctype 2",
         {unitList(catalog::kOrganisation, 5)},
         {{{}, "xm,ctype"_L1, {"Tom|6"}}}},
        {"mask 2 keeps ctype 2 and ctype 6",
         {unitList(catalog::kOrganisation, 2)},
         {{{}, "xm,ctype"_L1, {"Tom|6", "李  红|2"}}}},
        {"a unit without members lists nothing",
         {unitList(catalog::kOrgSection, 0)},
         {{{}, "xm"_L1, {}}}},
        {"a grouping node lists its own members",
         {unitList(catalog::kLeadingGroup, 0)},
         {{{}, "xm,zwOrder"_L1, {"李  红|1"}}}},
        {"every listed column, in the list's order",
         {unitList(catalog::kCadreSection, 0)},
         {{{},
           kListColumns + ",age,jrsjstr"_L1,
           {QStringList{
               "0",       "4",          "NULL",    "6",        "孙七",     "男",       "1990-07-15",
               "NULL",    "2012-07-01", "汉族",    "共青团员", "江苏南京", "江苏南京", "科员",
               "NULL",    "NULL",       "1990.07", "NULL",     "2012.07",  "SQ",       "干部科科员",
               "2012.07", "学士",       "大学",    "NULL",     "2",        "NULL",     "NULL",
               "公务员",  "False",      "NULL",    "NULL",     "NULL",     "NULL",     "",
               "",        "大学",       "",        "南京大学", "",         "NULL",     "干部科科员",
               "NULL",    "NULL",       "",        "",         "NULL",     "NULL",     "NULL",
               "NULL",    "NULL",       "NULL",    "NULL",     "NULL",     "NULL",     "NULL",
               "6",       "5",          "科员",    "2012.07",  "1",        "22",       "2012.07"}
                .join(u'|')}}}},
        {"subordinates come by unit index, then order in the unit",
         {subtreeList(u"001"_s, 0)},
         {{{},
           "xm,name,zwOrder"_L1,
           {"王建国|中共某市委员会|1", "欧阳明月|中共某市委员会|2", "Tom|中共某市委员会|3",
            "Tom|组织部|1", "李  红|组织部|2", "孙七|干部科|1", "王建国|宣传部|1"}}}},
        {"subordinates of a middle unit",
         {subtreeList(u"00101"_s, 0)},
         {{{}, "xm,name,age"_L1, {"Tom|组织部|32", "李  红|组织部|39", "孙七|干部科|22"}}}},
        {"subordinates filtered by cadre type",
         {subtreeList(u"001"_s, 5)},
         {{{},
           "xm,name"_L1,
           {"王建国|中共某市委员会", "欧阳明月|中共某市委员会", "Tom|中共某市委员会", "Tom|组织部",
            "王建国|宣传部"}}}},
        {"moving a cadre down swaps two orders",
         {"update tb_cadre_node set zwOrder=2 where zwOrder=1 and CnID=1"_L1,
          "update tb_cadre_node set zwOrder=1 where zwOrder=2 and CnID=2"_L1},
         {{nodes + "1 order by zwOrder"_L1, {}, {"2|4|1", "1|1|2", "3|3|3"}}}},
        {"moving row 3 to row 1 shifts the rows between down",
         {"update tb_cadre_node set zwOrder=zwOrder+1 where dwid=1 and (zwOrder>=1) and "
          "(zwOrder<3)"_L1,
          "update tb_cadre_node set zwOrder=1 where dwid=1 and  zwOrder=3 and ZwCadreID=3"_L1},
         {{nodes + "1 order by zwOrder"_L1, {}, {"3|3|1", "1|1|2", "2|4|3"}},
          {nodes + "4 order by zwOrder"_L1, {}, {"5|3|1", "4|2|2"}}}},
        {"moving row 1 to row 3 shifts the rows between up",
         {"update tb_cadre_node set zwOrder=zwOrder-1 where dwid=1 and (zwOrder<=3) and "
          "(zwOrder>1)"_L1,
          "update tb_cadre_node set zwOrder=3 where dwid=1 and  zwOrder=1 and ZwCadreID=1"_L1},
         {{nodes + "1 order by zwOrder"_L1, {}, {"2|4|1", "3|3|2", "1|1|3"}}}},
        {"transfer with a date closes the posts in the old unit and leaves it",
         {"update tb_cadre_zw set status=2,mzsjStr='2012.10',mzsj="_L1 +
              sql::dateLiteral(QDate(2012, 10, 1)) + " where zwcadreid=1 and dwid=1"_L1,
          del + " from tb_cadre_node where zwcadreid=1 and dwid=1"_L1,
          "select * from tb_cadre_node where dwid=4 and zwcadreid=1"_L1},
         {{{}, {}, {}},
          {"select ZwID,status,mzsjStr,mzsj from tb_cadre_zw where ZwCadreID=1 order by ZwID"_L1,
           {},
           {"1|2|2012.10|2012-10-01", "2|1|NULL|NULL", "3|2|2010.03|2010-03-01"}},
          {"select dwID from tb_cadre_node where ZwCadreID=1"_L1, {}, {"3"}}}},
        {"transfer without a date closes the posts undated",
         {"update tb_cadre_zw set status=2 where zwcadreid=4 and dwid=1"_L1,
          del + " from tb_cadre_node where zwcadreid=4 and dwid=1"_L1},
         {{"select ZwID,status,mzsj from tb_cadre_zw where ZwCadreID=4 order by ZwID"_L1,
           {},
           {"7|2|NULL", "8|2|2008-06-01"}},
          {"select dwID from tb_cadre_node where ZwCadreID=4"_L1, {}, {"7"}}}},
        {"transfer finds an existing membership in the target unit",
         {"select * from tb_cadre_node where dwid=4 and zwcadreid=3"_L1},
         {{{}, "CnID"_L1, {"5"}}}},
        {"transfer writes the new post text",
         {u"update tb_cadre set xrz='组织部部长',allRzsjList='2012.10' where cadreid=1"_s},
         {{"select CadreID,xrz,allRzsjList from tb_cadre where CadreID in (1,2) order by CadreID"_L1,
           {},
           {"1|组织部部长|2012.10", "2|组织部副部长|2009.09"}}}},
        {"heading of the selected unit",
         {"select name from tb_department where ID=4"_L1},
         {{{}, {}, {"组织部"}}}},
        {"cadre count of the status bar",
         {"select CadreID from tb_Cadre"_L1},
         {{{}, {}, {"1", "2", "3", "4", "5", "6", "7"}, true}}},
        {"duplicate names are counted without regard to case",
         {"select xm,count(CadreID) as cnum from tb_cadre group by xm"_L1},
         {{{}, "cnum"_L1, {"1", "1", "1", "1", "1", "2"}, true}}},
        {"rank pick list by level",
         {"select * from tb_zj order by level1"_L1},
         {{{}, "zjmc"_L1, {"正处级", "副处级", "正科级", "科员"}}}},
        {"degree pick list",
         {"select * from tb_degree"_L1},
         {{{}, "degree"_L1, {"博士", "硕士", "学士"}, true}}},
        {"education pick list",
         {"select * from tb_xl"_L1},
         {{{}, "xl"_L1, {"研究生", "大学", "大专", "中专"}, true}}},
        {"personnel categories in their stored order",
         {"select * from tb_conf where GID='GBSF' order by ItemV"_L1},
         {{{}, "ItemID"_L1, {"公务员", "事业", "参公"}}}},
        {"appointment stages in their stored order",
         {"select * from tb_conf where GID='RMZT' order by ItemV"_L1},
         {{{}, "ItemID"_L1, {"酝酿", "考察"}}}},
        {"unit natures in their stored order",
         {u"select * from tb_conf where GID='单位性质' order by ItemV"_s},
         {{{}, "ItemID"_L1, {"党委", "行政机关"}}}},
        {"native places, the most frequent first",
         {placeList(u"jgsheng"_s)},
         {{{}, "cnum,jgsheng"_L1, {"3|江苏南京", "2|山东济南", "1|浙江杭州", "0|NULL"}}}},
        {"birthplaces, the most frequent first",
         {placeList(u"cssheng"_s)},
         {{{}, "cnum"_L1, {"2", "2", "1", "1", "0"}}}},
        {"saved toggle states",
         {"select * from tb_custom_check"_L1},
         {{{}, "name,down"_L1, {"cxButton5|True", "[Cadre]N12|False"}, true}}},
        {"saved column widths",
         {"select * from tb_custom_width"_L1},
         {{{}, "name,width,ord"_L1, {"cxGrid2DBTableView1xm|80|2"}}}},
        {"backup records by date",
         {u"select * from tb_conf where GID='备份记录' order by ItemV"_s},
         {{{}, "ItemV"_L1, {"2012-05-01", "2012-06-01"}}}},
        {"backup period",
         {u"select * from tb_conf where GID='自动备份' and ItemID='备份周期'"_s},
         {{{}, "ItemV"_L1, {"30"}}}},
        {"number of backups to keep",
         {u"select * from tb_conf where GID='自动备份'and ItemID='保留数量'"_s},
         {{{}, "ItemV"_L1, {"5"}}}},
        {"the picker's scratch table starts empty",
         {del + " from tb_querytemp"_L1},
         {{"select * from tb_querytemp"_L1, {}, {}},
          {"select CadreID from tb_cadre"_L1, {}, {"1", "2", "3", "4", "5", "6", "7"}, true}}},
        {"an empty roster list clears the roster rows",
         {del + " from tb_beadroll_detail"_L1, del + " from tb_beadroll_mirror"_L1},
         {{"select * from tb_beadroll_detail"_L1, {}, {}},
          {"select * from tb_beadroll_mirror"_L1, {}, {}},
          {"select * from tb_beadroll"_L1, "id"_L1, {"1", "2"}, true}}},
    };
    runStatementCases(cases);
}

TEST(StatementCatalog, SearchConditions) {
    struct Condition {
        const char* name;
        QStringList parts;
        QStringList names;  // xm of the cadres found, by gbOrd
    };
    const QDate jan2000(2000, 1, 1);
    const std::vector<Condition> conditions = {
        {"no field filled finds everybody",
         {},
         {"李  红", "欧阳明月", "王建国", "孙七", "Tom", "赵六", "tom"}},
        {"status in service",
         {" (classid=0) and "_L1},
         {"李  红", "欧阳明月", "王建国", "孙七", "Tom"}},
        {"personnel status", {u" (rybz='事业') and "_s}, {"Tom"}},
        {"cadre types of mask 5",
         {" "_L1 + mainwin::cadreTypeCondition(5) + "and "_L1},
         {"欧阳明月", "王建国", "Tom"}},
        {"name as lower-case initials", {"(py like 'wj%') and "_L1}, {"王建国"}},
        {"name as characters", {u"(xm like '王%') and "_s}, {"王建国"}},
        {"current post contains", {u"(xrz like '%部长%') and "_s}, {"李  红", "王建国", "Tom"}},
        {"current post does not contain",
         {u"(xrz not like '%副%') and "_s},
         {"欧阳明月", "孙七", "Tom", "赵六"}},
        {"sex", {u" (xb='女') and "_s}, {"李  红", "欧阳明月"}},
        {"ethnic minorities", {u" (mz<>'汉族') and "_s}, {"Tom"}},
        {"not party members, an empty status included",
         {u" ((zzmm<>'中共党员')or(isnull(zzmm"_s + fragments().NullTail + ")) and "_L1},
         {"欧阳明月", "孙七", "Tom", "tom"}},
        {"age at least 40 includes the birthday of today",
         {ageAtLeast(40)},
         {"欧阳明月", "王建国", "赵六"}},
        {"age equal to 40", {ageEquals(40)}, {"王建国"}},
        {"age at most 39", {ageAtMost(39)}, {"李  红", "孙七", "Tom"}},
        {"age between 39 and 47", {ageBetween(39, 47)}, {"李  红", "欧阳明月", "王建国"}},
        {"age at least 40 on a given date", {ageAtLeast(40, jan2000)}, {"赵六"}},
        {"joined the party up to a month",
         {" (rdsj<="_L1 + monthDate(u"1996.01"_s) + ") and"_L1},
         {"王建国", "赵六"}},
        {"started work from a month",
         {" (gzsj>="_L1 + monthDate(u"2000.01"_s) + ") and"_L1},
         {"孙七", "Tom"}},
        {"highest education at least 大学",
         {" (gxl in (select xl from tb_xl where v>=4)) and "_L1},
         {"李  红", "欧阳明月", "王建国", "孙七"}},
        {"in-service education equal to 研究生", {u" (zzxl='研究生') and "_s}, {"李  红"}},
        {"highest degree above 学士",
         {" (gxw in (select degree from tb_degree where degreeid>1)) and "_L1},
         {"李  红"}},
        {"school",
         {u" ((qrzxxzy like '%南京%') or(zzxxzy like '%南京%')) and "_s},
         {"王建国", "孙七", "Tom"}},
        {"教授 does not match 副教授",
         {u" (zyjszw like '%教授%') and (zyjszw not like '%副教授%') and "_s},
         {"王建国"}},
        {"speciality", {u" (zytc like '%写作%') and "_s}, {"王建国"}},
        {"rank above 副处级",
         {"(zwjb in (select zjmc from tb_zj where level1<6)) and "_L1},
         {"欧阳明月", "王建国", "赵六"}},
        {"rank equal to 正科级", {u"(zwjb='正科级') and "_s}, {"Tom"}},
        {"rank date as text", {" (zwjbTimeStr>='2010.01') and"_L1}, {"王建国", "Tom"}},
        {"current post date as text, an empty text sorting first",
         {" (allRzsjList<='2009.12') and"_L1},
         {"李  红", "欧阳明月", "赵六"}},
        {"birthplace", {u"(csSheng like '江苏%') and "_s}, {"欧阳明月", "王建国", "孙七"}},
        {"native place", {u"(jgSheng like '山东%') and "_s}, {"李  红", "赵六"}},
        {"assessment grade in any year",
         {u" (cadreid in (select cid from tb_kc where kcjl='称职')) and"_s},
         {"王建国"}},
        {"assessment grade up to a year",
         {u" (cadreid in (select cid from tb_kc where kcjl='优秀' and kcYear<=2010)) and"_s},
         {"王建国"}},
        {"assessment grade from a year",
         {u" (cadreid in (select cid from tb_kc where kcjl='优秀' and kcYear>=2011)) and"_s},
         {}},
        {"assessment text with exclusions",
         {u"(khNote like '%称职%') and "_s, u"(khNote not like '%基本称职%') and "_s,
          u"(khNote not like '%不称职%') and "_s},
         {"王建国"}},
        {"reward text", {u"(jcNote like '%嘉奖%') and "_s}, {"王建国"}},
        // Both joined tables have a zwmc column, so the post's own is named by its alias.
        {"post name 县长 does not match 副县长",
         {postCondition(u" (x.zwmc like '%县长%') and (x.zwmc not like '%副县长%') and "_s, {})},
         {"欧阳明月"}},
        {"current posts appointed from a month in checked units",
         {postCondition(
             " (rzsj>="_L1 + monthDate(u"2012.01"_s) + ") and "_L1 + " (status=1) and "_L1,
             u"4,5"_s)},
         {"孙七", "Tom"}},
        {"former posts removed from a month",
         {postCondition(
             " (mzsj>="_L1 + monthDate(u"2008.01"_s) + ") and "_L1 + " (status=2) and "_L1, {})},
         {"欧阳明月", "王建国"}},
        {"appointment reason",
         {postCondition(u" (rzyy='换届') and "_s, {})},
         {"欧阳明月", "王建国", "Tom"}},
        {"entered a checked unit from a month",
         {entryCondition(" (jrsj>="_L1 + monthDate(u"2011.01"_s) + ") and "_L1, u"1,4"_s)},
         {"Tom"}},
        {"entered any unit from a month",
         {entryCondition(" (jrsj>="_L1 + monthDate(u"2011.01"_s) + ") and "_L1, {})},
         {"王建国", "孙七", "Tom"}},
        {"members of checked units",
         {"(CadreID in (select ZwCadreID from tb_cadre_node where dwID in (4,5))) and"_L1},
         {"李  红", "孙七", "Tom"}},
        {"training days above 24 over classes and other training",
         {trainingCondition({}, 24)},
         {"李  红", "王建国"}},
        {"training days above 25", {trainingCondition({}, 25)}, {"李  红"}},
        {"training of one kind above 20 days",
         {trainingCondition(u"(pxMethod='调训') and "_s, 20)},
         {"李  红"}},
        {"training of one kind without a day total",
         {trainingCondition(u"(pxMethod='调训') and "_s, -1)},
         {"李  红", "王建国"}},
        {"training from a date",
         {trainingCondition("(pxTimeB>="_L1 + monthDate(u"2012.01"_s) + ") and "_L1, -1)},
         {"王建国", "Tom"}},
        {"several fields together",
         {" (classid=0) and "_L1, u" (xb='男') and "_s, ageAtMost(39)},
         {"孙七", "Tom"}},
    };
    std::vector<StatementCase> cases;
    for (const Condition& c : conditions) {
        cases.push_back({c.name, {pickerSearch(where(c.parts))}, {{{}, "xm"_L1, c.names}}});
    }
    runStatementCases(cases);
}

TEST(StatementCatalog, SearchResult) {
    const QString& del = fragments().SqlDeleteHead;
    const QString inOrder = "select tcid from tb_tcid order by tord"_L1;
    const QStringList allCadres = {resultRow(1, {}), resultRow(2, {}), resultRow(3, {}),
                                   resultRow(4, {}), resultRow(5, {}), resultRow(6, {}),
                                   resultRow(7, {})};
    const QStringList earlierSearch = {resultRow(catalog::kLi, u"00001"_s),
                                       resultRow(catalog::kOuyang, u"00002"_s)};
    const QString serving40 = where({" (classid=0) and "_L1, ageAtLeast(40)});
    const std::vector<StatementCase> cases = {
        {"a search without conditions takes every cadre in default order",
         {searchInsert({})},
         {{inOrder, {}, {"2", "4", "1", "6", "3", "5", "7"}}}},
        {"a search takes the cadres that meet the conditions",
         {searchInsert(serving40)},
         {{inOrder, {}, {"4", "1"}}}},
        {"adding to a result never takes a cadre twice",
         {searchInsert(serving40)},
         {{inOrder, {}, {"2", "4", "1"}}, {"select tcid from tb_tcid where tcid=4"_L1, {}, {"4"}}},
         earlierSearch},
        {"adding a search without conditions adds the missing cadres only",
         {searchInsert({})},
         {{inOrder, {}, {"2", "4", "1", "6", "3", "5", "7"}}},
         earlierSearch},
        {"searching within a result removes the rows that fail",
         {searchNarrow(where({u" (xb='男') and "_s}))},
         {{"select tcid from tb_tcid"_L1, {}, {"1", "3", "5", "6", "7"}, true}},
         allCadres},
        {"searching within a result without conditions removes nothing",
         {searchNarrow(where({}))},
         {{"select tcid from tb_tcid"_L1, {}, {"1", "2", "3", "4", "5", "6", "7"}, true}},
         allCadres},
        {"clearing the result", {del + " from tb_tcid"_L1}, {{inOrder, {}, {}}}, allCadres},
        {"removing selected rows",
         {del + " from tb_tcid where tcid in (1,3)"_L1},
         {{"select tcid from tb_tcid"_L1, {}, {"2", "4", "5", "6", "7"}, true}},
         allCadres},
        {"the greatest sort key, one row only",
         {"select top 1 * from tb_tcid order by tords desc"_L1},
         {{{}, "tcid,tords"_L1, {"1|00002-00001"}}},
         {resultRow(2, u"00001"_s), resultRow(4, u"00002"_s), resultRow(6, {}),
          resultRow(1, u"00002-00001"_s), resultRow(3, {})}},
        {"no greatest sort key in a fresh result",
         {"select top 1 * from tb_tcid order by tords desc"_L1},
         {{{}, "tcid,tords"_L1, {"6|NULL"}}},
         {resultRow(6, {})}},
        {"rows without a sort key in insertion order",
         {"select * from tb_tcid where (isnull(tords"_L1 + fragments().NullTail +
          ") order by tord"_L1},
         {{{}, "tcid"_L1, {"6", "3"}}},
         {resultRow(2, u"00001"_s), resultRow(6, {}), resultRow(4, u"00002"_s), resultRow(3, {})}},
        {"writing a sort key",
         {"update tb_tcid set tords='00002-00001' where tcid=6"_L1},
         {{"select tcid,tords from tb_tcid order by tord"_L1, {}, {"2|00001", "6|00002-00001"}}},
         {resultRow(2, u"00001"_s), resultRow(6, {})}},
        {"the result grid by sort key, with ages",
         {resultGrid(" order by tords"_L1)},
         {{{},
           "xm,age,tords"_L1,
           {"李  红|39|00001", "欧阳明月|47|00002", "王建国|40|00002-00001"}}},
         {resultRow(1, u"00002-00001"_s), resultRow(2, u"00001"_s), resultRow(4, u"00002"_s)}},
        {"the result grid by insertion order",
         {resultGrid(" order by tord"_L1)},
         {{{},
           "CadreID,xm,tords,age"_L1,
           {"1|王建国|NULL|40", "7|tom|NULL|NULL", "2|李  红|NULL|39"}}},
         {resultRow(1, {}), resultRow(7, {}), resultRow(2, {})}},
        {"adding the members of rosters, frozen ones included, once each",
         {"insert into tb_tcid (tcid) select cadreid as tcid from tb_cadre "_L1 +
          " where ((cadreid in(select McCadreID from tb_beadroll_detail where mcid in (1,2))) "
          "or(cadreid in(select McCadreID from tb_beadroll_mirror where mcid in (1,2))))"_L1 +
          " and (cadreid not in (select tcid from tb_tcid))"_L1},
         {{"select tcid from tb_tcid"_L1, {}, {"1", "2", "3", "6"}, true}},
         {resultRow(catalog::kLi, u"00001"_s)}},
        {"adding by hand reads the result",
         {"select * from tb_tcid"_L1},
         {{{}, "tcid,tords"_L1, {"2|00001", "4|00002"}, true}},
         earlierSearch},
    };
    runStatementCases(cases);
}

TEST(StatementCatalog, CadrePicker) {
    const std::vector<StatementCase> cases = {
        {"initials typed in lower case",
         {"select CadreID,checked,xm,xb,zwjb,xrz,py from tb_cadre where classid=0 and py like "
          "'w%' order by gbOrd"_L1},
         {{{}, "xm,py"_L1, {"王建国|WJG"}}}},
        {"name typed",
         {u"select CadreID,checked,xm,xb,zwjb,xrz,py from tb_cadre where classid=0 and xm like "
          "'欧阳%' order by gbOrd"_s},
         {{{}, "xm"_L1, {"欧阳明月"}}}},
        {"everybody of a library",
         {"select CadreID,checked,xm,xb,zwjb,xrz from tb_cadre where classid=0 order by gbOrd"_L1},
         {{{},
           "xm,checked"_L1,
           {"李  红|False", "欧阳明月|False", "王建国|False", "孙七|False", "Tom|False"}}}},
        {"the retired library",
         {"select CadreID,checked,xm,xb,zwjb,xrz from tb_cadre where classid=1 order by gbOrd"_L1},
         {{{}, "xm"_L1, {"赵六"}}}},
        {"members of a unit in their order",
         {"select CadreID,checked,xm,xb,zwjb,xrz,dwid,zwOrder,zwCadreID from tb_cadre left outer "
          "join tb_cadre_node on tb_cadre.CadreID=tb_cadre_node.ZwCadreID where classid=0 and "
          "dwid=4 and cadreid in (select zwcadreid from tb_cadre_node where dwid=4) order by "
          "zwOrder"_L1},
         {{{}, "xm,dwid,zwOrder"_L1, {"Tom|4|1", "李  红|4|2"}}}},
        {"a name list",
         {u"select CadreID,checked,xm,xb,zwjb,xrz,A3827 from tb_cadre where xm in "
          "('王建国','李  红','张三') order by py"_s},
         {{{}, "xm"_L1, {"李  红", "王建国"}}}},
        {"cadres in no unit",
         {"select CadreID,checked,xm,xb,zwjb,xrz from tb_cadre where CadreID not in (select "
          "ZwCadreID from tb_cadre_node) order by py"_L1},
         {{{}, "xm"_L1, {"tom", "赵六"}}}},
        {"initials sort without regard to case",
         {"select CadreID,checked,xm,xb,zwjb,xrz from tb_cadre where CadreID not in (select "
          "ZwCadreID from tb_cadre_node) order by py"_L1},
         {{{}, "xm"_L1, {"tom", "赵六"}}},
         {"update tb_cadre set py='tom' where CadreID=7"_L1}},
    };
    runStatementCases(cases);
}

}  // namespace

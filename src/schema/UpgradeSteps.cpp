#include <QDate>
#include <QDir>
#include <QFile>

#include "db/Database.h"
#include "db/SqlText.h"
#include "schema/SchemaUpgrade.h"

namespace schema {

namespace {

Result<void> native(UpgradeRun& run, const QStringList& statements) {
    for (const QString& statement : statements) {
        if (!run.db().execNative(statement)) {
            return Failure{{}, run.db().lastError()};
        }
    }
    return {};
}

std::vector<AddedColumn> columnsOf(const QString& table, const QStringList& columns) {
    std::vector<AddedColumn> added;
    for (const QString& column : columns) {
        added.push_back({table, column});
    }
    return added;
}

std::vector<AddedColumn> joined(std::initializer_list<std::vector<AddedColumn>> parts) {
    std::vector<AddedColumn> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// Date texts written with "-" between year and month take ".".
QStringList dotDates(const QString& table, const QStringList& columns) {
    QStringList updates;
    for (const QString& column : columns) {
        updates << QStringLiteral("update %1 set %2=replace(%2,'-','.') where instr(%2,'-')>0")
                       .arg(table, column);
    }
    return updates;
}

QStringList familyBirthSlots() {
    QStringList slots;
    for (int i = 1; i <= 7; ++i) {
        slots << QStringLiteral("f_%1_3").arg(i);
    }
    return slots;
}

// The month of joining a unit as text, from its date.
Result<void> fillJoiningMonths(UpgradeRun& run) {
    db::Database& db = run.db();
    const auto joined =
        db.query(QStringLiteral("select CnID, jrsj from tb_cadre_node where not isnull(jrsj") +
                 sql::Fragments{}.NullTail);
    if (!joined) {
        return Failure{{}, db.lastError()};
    }
    for (const QVariantList& row : joined->rows) {
        const QDate day = row[1].toDate();
        if (day.isValid() &&
            !db.exec(QStringLiteral("update tb_cadre_node set jrsjStr=? where CnID=?"),
                     {day.toString(QStringLiteral("yyyy.MM")), row[0]})) {
            return Failure{{}, db.lastError()};
        }
    }
    return {};
}

const QStringList kDateTextsOfCadre{QStringLiteral("csnyStr"),      QStringLiteral("rdsjStr"),
                                    QStringLiteral("gzsjStr"),      QStringLiteral("zwjbTimeStr"),
                                    QStringLiteral("zwjbTimeStr2"), QStringLiteral("allRzsjList")};

std::vector<UpgradeStep> makeSteps() {
    const auto cadreDetails = QStringList{
        QStringLiteral("time1"),     QStringLiteral("time2"), QStringLiteral("zyzcTime"),
        QStringLiteral("zwjbTime2"), QStringLiteral("zydj"),  QStringLiteral("zwjbTimeStr2")};
    return {
        {2.35,
         {QStringLiteral("tb_px"), QStringLiteral("tb_pxCadre"), QStringLiteral("tb_pxjg"),
          QStringLiteral("tb_pxMode"), QStringLiteral("tb_pxs"), QStringLiteral("tb_pxtype")},
         columnsOf(QStringLiteral("tb_general"), {QStringLiteral("fnum"), QStringLiteral("fsize")}),
         [](UpgradeRun& run) {
             return run.exec(
                 {QStringLiteral("update tb_general set name=name & '委组织部' where type<>3")});
         }},
        {2.45, {QStringLiteral("tb_chart1")}, {}},
        {2.60,
         {QStringLiteral("tb_plan"), QStringLiteral("tb_pxCadre2")},
         joined(
             {columnsOf(QStringLiteral("tb_cadre_node"), {QStringLiteral("bind")}),
              columnsOf(QStringLiteral("tb_family"), {QStringLiteral("ford")}),
              columnsOf(QStringLiteral("tb_cadre"), {QStringLiteral("classid")}),
              columnsOf(QStringLiteral("tb_general"),
                        {QStringLiteral("clew"), QStringLiteral("reptrim"), QStringLiteral("resZj"),
                         QStringLiteral("resCType")}),
              columnsOf(QStringLiteral("tb_custom_check"), {QStringLiteral("manid")}),
              columnsOf(QStringLiteral("tb_custom_width"), {QStringLiteral("manid")}),
              columnsOf(QStringLiteral("tb_manager"), {QStringLiteral("clew")}),
              columnsOf(QStringLiteral("tb_rmmc"),
                        {QStringLiteral("jssj"), QStringLiteral("cbdw"), QStringLiteral("cdyj")})}),
         [](UpgradeRun& run) -> Result<void> {
             if (Result<void> dropped =
                     run.dropColumns(QStringLiteral("tb_cadre"),
                                     {QStringLiteral("jgshi"), QStringLiteral("csshi"),
                                      QStringLiteral("zwjb1"), QStringLiteral("zwjbTime1"),
                                      QStringLiteral("zwjbTimeStr1"), QStringLiteral("xwdm")});
                 !dropped) {
                 return dropped;
             }
             if (Result<void> index =
                     run.createIndex(QStringLiteral("Create Index classid On tb_cadre (classid)"));
                 !index) {
                 return index;
             }
             return run.exec({QStringLiteral("update tb_manager set righ_='733333'"),
                              QStringLiteral("update tb_cadre set classid=0")});
         }},
        {2.639,
         {QStringLiteral("tb_kc"), QStringLiteral("tb_jc")},
         joined({columnsOf(QStringLiteral("tb_querytemp"),
                           {QStringLiteral("res1"), QStringLiteral("res2"), QStringLiteral("res3"),
                            QStringLiteral("resText")}),
                 columnsOf(QStringLiteral("tb_general"), {QStringLiteral("khyear")})})},
        {2.649, {QStringLiteral("tb_res")}, {}},
        {2.669,
         {},
         joined({columnsOf(QStringLiteral("tb_general"), {QStringLiteral("resName")}),
                 columnsOf(QStringLiteral("tb_cadre"),
                           {QStringLiteral("res5"), QStringLiteral("res6"), QStringLiteral("res7"),
                            QStringLiteral("res8")})})},
        {2.699,
         {},
         columnsOf(QStringLiteral("tb_department"),
                   {QStringLiteral("B0114"), QStringLiteral("B0124"), QStringLiteral("B0127")})},
        {2.719,
         {},
         joined({columnsOf(QStringLiteral("tb_cadre"), cadreDetails),
                 columnsOf(QStringLiteral("tb_beadroll_mirror"), cadreDetails),
                 columnsOf(QStringLiteral("tb_cadre_node"), {QStringLiteral("cntype")})}),
         [](UpgradeRun& run) -> Result<void> {
             if (Result<void> dropped = run.dropColumns(
                     QStringLiteral("tb_cadre"),
                     {QStringLiteral("Fzc"), QStringLiteral("Ffc"), QStringLiteral("Fzj"),
                      QStringLiteral("Ffj"), QStringLiteral("creatTime"), QStringLiteral("res1"),
                      QStringLiteral("res2"), QStringLiteral("res3"), QStringLiteral("res4")});
                 !dropped) {
                 return dropped;
             }
             // In this order, so that a type 3 becomes 4 and never goes on to 8.
             return run.exec({QStringLiteral("update tb_cadre set ctype=8 where ctype=4"),
                              QStringLiteral("update tb_cadre set ctype=4 where ctype=3")});
         }},
        {2.769,
         {},
         {},
         [](UpgradeRun& run) {
             QStringList deletes;
             for (const auto& [table, key] : std::initializer_list<std::pair<QString, QString>>{
                      {QStringLiteral("tb_cadre_zw"), QStringLiteral("ZwCadreID")},
                      {QStringLiteral("tb_cadre_node"), QStringLiteral("ZwCadreID")},
                      {QStringLiteral("tb_family"), QStringLiteral("CadreID")},
                      {QStringLiteral("tb_jc"), QStringLiteral("cid")},
                      {QStringLiteral("tb_kc"), QStringLiteral("cid")},
                      {QStringLiteral("tb_pxCadre"), QStringLiteral("CadreID")},
                      {QStringLiteral("tb_pxCadre2"), QStringLiteral("CadreID")},
                      {QStringLiteral("tb_beadroll_mirror"), QStringLiteral("McCadreID")}}) {
                 deletes << QStringLiteral(
                                "delete from %1 where %2 not in "
                                "(select CadreID from tb_cadre)")
                                .arg(table, key);
             }
             return run.exec(deletes);
         }},
        {2.809, {QStringLiteral("tb_mb"), QStringLiteral("tb_mbitem")}, {}},
        {2.819,
         {QStringLiteral("tb_conf")},
         columnsOf(QStringLiteral("tb_mbitem"), {QStringLiteral("page")})},
        {2.829, {}, columnsOf(QStringLiteral("tb_cadre"), {QStringLiteral("ZwLock")})},
        {2.849,
         {},
         joined(
             {columnsOf(QStringLiteral("tb_rmmc_detail"),
                        {QStringLiteral("cbyj"), QStringLiteral("rmyj")}),
              columnsOf(QStringLiteral("tb_cadre"),
                        {QStringLiteral("A3801"), QStringLiteral("A3817"), QStringLiteral("A3804A"),
                         QStringLiteral("A3807A"), QStringLiteral("A3811"), QStringLiteral("A3814"),
                         QStringLiteral("A3821A"), QStringLiteral("A3834"), QStringLiteral("A3824"),
                         QStringLiteral("A3827"), QStringLiteral("A3831")})})},
        {2.859, {QStringLiteral("E01")}, {}},
        {2.869,
         {QStringLiteral("tb_fgcj"), QStringLiteral("tb_fggb"), QStringLiteral("tb_fggzlr")},
         {}},
        {2.899,
         {QStringLiteral("A54"), QStringLiteral("A55"), QStringLiteral("A56"),
          QStringLiteral("tb_DMJ")},
         joined({columnsOf(QStringLiteral("tb_kc"),
                           {QStringLiteral("kcbz"), QStringLiteral("szdw"), QStringLiteral("dwid"),
                            QStringLiteral("xrz"), QStringLiteral("kcjlr")}),
                 columnsOf(QStringLiteral("tb_manager"), {QStringLiteral("rightx")}),
                 columnsOf(QStringLiteral("tb_jc"), {QStringLiteral("A14Z207")})})},
        {2.909,
         {},
         columnsOf(QStringLiteral("tb_cadre"), {QStringLiteral("zwjb2")}),
         [](UpgradeRun& run) {
             return native(
                 run,
                 dotDates(QStringLiteral("tb_cadre"), kDateTextsOfCadre) +
                     dotDates(QStringLiteral("tb_family"), {QStringLiteral("cssjStr")}) +
                     dotDates(QStringLiteral("tb_cadre_node"), {QStringLiteral("rzsjList")}) +
                     dotDates(QStringLiteral("tb_cadre_zw"),
                              {QStringLiteral("rzsjstr"), QStringLiteral("mzsjstr")}) +
                     dotDates(QStringLiteral("tb_beadroll_mirror"), kDateTextsOfCadre) +
                     dotDates(QStringLiteral("tb_rmmc_detail"),
                              QStringList{QStringLiteral("csnyStr"), QStringLiteral("rdsjStr"),
                                          QStringLiteral("gzsjStr"), QStringLiteral("zwjbTimeStr"),
                                          QStringLiteral("allRzsjList")} +
                                  familyBirthSlots()));
         }},
        {2.929,
         {QStringLiteral("tb_params")},
         columnsOf(QStringLiteral("tb_cadre"), {QStringLiteral("gxw")}),
         [](UpgradeRun& run) {
             const QString tail = sql::Fragments{}.NullTail;
             return run.exec(
                 {QStringLiteral("update tb_Cadre set gxw=zzxw where (not isnull(zzxw") + tail +
                      QStringLiteral(") and (zzxw<>'')"),
                  QStringLiteral("update tb_Cadre set gxw=qrzxw where (isnull(zzxw") + tail +
                      QStringLiteral(") or (zzxw='')")});
         }},
        {2.949, {}, columnsOf(QStringLiteral("tb_cadre"), {QStringLiteral("fggz")})},
        {2.959,
         {},
         joined({columnsOf(QStringLiteral("tb_kc"),
                           {QStringLiteral("cpyj"), QStringLiteral("khid"), QStringLiteral("kcyj2"),
                            QStringLiteral("kcff"), QStringLiteral("kcdxName")}),
                 columnsOf(QStringLiteral("tb_jc"),
                           {QStringLiteral("dxType"), QStringLiteral("dxName")}),
                 columnsOf(
                     QStringLiteral("E01"),
                     {QStringLiteral("dxType"), QStringLiteral("dxName"), QStringLiteral("groupId"),
                      QStringLiteral("haveFile"), QStringLiteral("fileID"), QStringLiteral("dxids"),
                      QStringLiteral("lbx")})})},
        {2.969,
         {},
         columnsOf(QStringLiteral("tb_kc"), {QStringLiteral("kcName")}),
         [](UpgradeRun& run) -> Result<void> {
             if (Result<void> ran = run.exec(
                     {QStringLiteral("update tb_department_zs set zwmc=''"),
                      QStringLiteral("update tb_jc set dxType=0"),
                      QStringLiteral("update tb_general set zt='正职副职非领导职务常委委员候补委员"
                                     "成员纪检员、纪检组长'")});
                 !ran) {
                 return ran;
             }
             return native(run,
                           {QStringLiteral("update tb_kc set kcName=case when kclb='年度考核' then "
                                           "coalesce(kcYear,'') || '年度考核' else kclb end")});
         }},
        {3.079, {}, columnsOf(QStringLiteral("tb_rmmc_detail"), {QStringLiteral("note1")})},
        {3.139, {}, columnsOf(QStringLiteral("tb_manager"), {QStringLiteral("sysR")})},
        {3.199,
         {},
         joined({columnsOf(QStringLiteral("tb_rmmc"), {QStringLiteral("rmzt")}),
                 columnsOf(QStringLiteral("tb_cadre"), {QStringLiteral("rybz")})}),
         [](UpgradeRun& run) -> Result<void> {
             if (Result<void> ran = run.exec({QStringLiteral("update tb_mb set ttype=1")}); !ran) {
                 return ran;
             }
             return native(run,
                           dotDates(QStringLiteral("tb_cadre"), {QStringLiteral("allRzsjList")}));
         }},
        {3.209,
         {},
         columnsOf(QStringLiteral("tb_cadre"), {QStringLiteral("gbOrd")}),
         [](UpgradeRun& run) -> Result<void> {
             if (Result<void> ran = run.exec({QStringLiteral("update tb_cadre set gbOrd=cadreid")});
                 !ran) {
                 return ran;
             }
             return run.createIndex(
                 QStringLiteral("CREATE INDEX ORD_tb_Cadre ON tb_Cadre (gbOrd)"));
         }},
        {3.499,
         {QStringLiteral("tb_tcid"), QStringLiteral("tb_department_bz")},
         columnsOf(QStringLiteral("tb_cadre_node"),
                   {QStringLiteral("nobz"), QStringLiteral("jrsj")})},
        {3.539,
         {},
         columnsOf(QStringLiteral("tb_cadre_node"), {QStringLiteral("jrsjStr")}),
         fillJoiningMonths},
        {3.599,
         {},
         joined({columnsOf(QStringLiteral("tb_manager"),
                           {QStringLiteral("usertype"), QStringLiteral("dwRight")}),
                 columnsOf(QStringLiteral("tb_conf"),
                           {QStringLiteral("ItemVI"), QStringLiteral("ItemV2")})})},
        {3.699,
         {QStringLiteral("tb_xsbh")},
         {},
         [](UpgradeRun& run) {
             // A one-digit month becomes two digits: 1978.1 is written 1978.01.
             QStringList updates;
             for (const QString& column :
                  {QStringLiteral("csnyStr"), QStringLiteral("rdsjStr"), QStringLiteral("gzsjStr"),
                   QStringLiteral("zwjbTimeStr"), QStringLiteral("allRzsjList")}) {
                 updates << QStringLiteral(
                                "update tb_cadre set %1=replace(%1,'.','.0') where length(%1)=6")
                                .arg(column);
             }
             return native(run, updates);
         }},
        {3.709,
         {QStringLiteral("tb_pptModel"), QStringLiteral("tb_pptModelItem"),
          QStringLiteral("tb_wordModel"), QStringLiteral("tb_wordModelItem")},
         {}},
        {3.719, {QStringLiteral("tb_file"), QStringLiteral("tb_filelink")}, {}},
        // Since 3.72: yes/no columns that are never null and start as No, the proposing unit of
        // an approval form line, and every table and column that the current template has; a
        // table whose columns are defined otherwise is rebuilt with the template's definition.
        // The grades of professional titles came with the template since then.
        {3.729,
         {},
         columnsOf(QStringLiteral("tb_rmmc_detail"), {QStringLiteral("cbdw")}),
         [](UpgradeRun& run) {
             if (Result<void> conformed = run.conformToTemplate(); !conformed) {
                 return conformed;
             }
             return run.copyMissingCodeGroups({QStringLiteral("ZYDJ")});
         }},
    };
}

}  // namespace

const std::vector<UpgradeStep>& upgradeSteps() {
    static const std::vector<UpgradeStep> steps = makeSteps();
    return steps;
}

}  // namespace schema

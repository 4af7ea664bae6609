#include "CatalogFixture.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <algorithm>

#include "db/SqlStatement.h"
#include "support/TestHome.h"

namespace catalog {

using namespace Qt::StringLiterals;

namespace {

const QVariant kNull;

QVariant d(int y, int m, int day) {
    return QDate(y, m, day);
}

QString literal(const QVariant& value) {
    if (!value.isValid() || value.isNull()) {
        return QStringLiteral("NULL");
    }
    switch (value.typeId()) {
        case QMetaType::QDate:
            return sql::dateLiteral(value.toDate());
        case QMetaType::Bool:
            return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        case QMetaType::Int:
        case QMetaType::LongLong:
            return QString::number(value.toLongLong());
        default:
            return sql::quoted(value.toString());
    }
}

QString cell(const QVariant& value) {
    if (!value.isValid() || value.isNull()) {
        return QStringLiteral("NULL");
    }
    return db::displayText(value);
}

bool isSelect(const QString& statement) {
    QString s = statement.trimmed();
    while (s.startsWith(u'(')) {
        s = s.mid(1).trimmed();
    }
    return s.startsWith(QStringLiteral("select"), Qt::CaseInsensitive);
}

}  // namespace

QDate today() {
    return QDate(2012, 7, 15);
}

const sql::Fragments& fragments() {
    static const sql::Fragments f = sql::Fragments::forDay(today());
    return f;
}

QStringList renderRows(const db::QueryResult& result, const QString& columns) {
    QList<int> indexes;
    QStringList missing;
    if (columns.isEmpty()) {
        for (int i = 0; i < result.columns.size(); ++i) {
            indexes.push_back(i);
        }
    } else {
        for (const QString& c : columns.split(u',')) {
            const int i = result.indexOf(c.trimmed());
            indexes.push_back(i);
            if (i < 0) {
                missing.push_back(QStringLiteral("<no column %1>").arg(c.trimmed()));
            }
        }
    }
    if (!missing.isEmpty()) {
        return missing;
    }
    QStringList out;
    for (const QVariantList& row : result.rows) {
        QStringList cells;
        for (int i : indexes) {
            cells.push_back(cell(row.value(i)));
        }
        out.push_back(cells.join(u'|'));
    }
    return out;
}

CatalogFixture::CatalogFixture() : fragments_(sql::Fragments::forDay(today())) {
    if (!dir_.isValid()) {
        error_ = QStringLiteral("no temporary folder");
        return;
    }
    const QString file = dir_.filePath(QStringLiteral("catalog.db"));
    if (!QFile::copy(QDir(TestHome::templateDir()).filePath(QStringLiteral("Empty.db")), file) ||
        !QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner) || !db_.open(file)) {
        error_ = QStringLiteral("cannot open a copy of the template: ") + db_.lastError();
        return;
    }
    db::Transaction transaction(db_);
    const bool built = clearTemplateRows() && fillUnits() && fillCadres() &&
                       fillPostsAndMemberships() && fillSettings() && fillRostersAndPlans() &&
                       fillTrainingAndAssessments() && fillCodeTables();
    if (built && !transaction.commit()) {
        error_ = db_.lastError();
    }
}

QStringList CatalogFixture::rows(const QString& jetSql, const QString& columns) {
    const std::optional<db::QueryResult> result = db_.query(jetSql);
    if (!result) {
        return {QStringLiteral("ERROR: ") + db_.lastError()};
    }
    return renderRows(*result, columns);
}

QString CatalogFixture::insertStatement(const QString& table, const QString& columns,
                                        const QVariantList& values) {
    QStringList texts;
    for (const QVariant& v : values) {
        texts.push_back(literal(v));
    }
    return QStringLiteral("insert into %1 (%2) values (%3)").arg(table, columns, texts.join(u','));
}

bool CatalogFixture::run(const QString& jetSql) {
    if (!db_.exec(jetSql)) {
        error_ = db_.lastError();
        return false;
    }
    return true;
}

bool CatalogFixture::insert(const QString& table, const QString& columns,
                            const QVariantList& values) {
    return run(insertStatement(table, columns, values));
}

// The template's reference rows give way to the fixture's own, whose answers are known.
bool CatalogFixture::clearTemplateRows() {
    for (const QString& table : db_.tables()) {
        if (table.compare(QStringLiteral("tb_xsbh"), Qt::CaseInsensitive) != 0 &&
            !run(QStringLiteral("delete * from ") + table)) {
            return false;
        }
    }
    return db_.execNative(QStringLiteral("delete from sqlite_sequence")) ||
           run(QStringLiteral("delete * from sqlite_sequence"));
}

bool CatalogFixture::fillUnits() {
    const QString cols =
        QStringLiteral("ID,parentID,Name,dwjc,py1,py2,dwOrder,dwlevel,dwIndex,isDep,status,dwxz");
    const std::vector<QVariantList> rows = {
        {kCityCommittee, 0, u"中共某市委员会"_s, u"市委"_s, u"ZGMSWYH"_s, u"SW"_s, 1, 0, u"001"_s,
         true, 0, u"党委"_s},
        {kCityGovernment, 0, u"某市人民政府"_s, u"市政府"_s, u"MSRMZF"_s, u"SZF"_s, 2, 0, u"002"_s,
         true, 0, u"行政机关"_s},
        {kPublicity, kCityCommittee, u"宣传部"_s, u""_s, u"XCB"_s, u""_s, 2, 1, u"00102"_s, true, 0,
         u"党委部门"_s},
        {kOrganisation, kCityCommittee, u"组织部"_s, u""_s, u"ZZB"_s, u""_s, 1, 1, u"00101"_s, true,
         0, u"党委部门"_s},
        {kCadreSection, kOrganisation, u"干部科"_s, u""_s, u"GBK"_s, u""_s, 1, 2, u"0010101"_s,
         true, 0, u"党委部门"_s},
        {kOrgSection, kOrganisation, u"组织科"_s, u""_s, u"ZZK"_s, u""_s, 2, 2, u"0010102"_s, true,
         0, u"党委部门"_s},
        {kGovernmentOffice, kCityGovernment, u"办公室"_s, u"政府办"_s, u"BGS"_s, u"ZFB"_s, 1, 1,
         u"00201"_s, true, 0, u"行政机关"_s},
        {kLeadingGroup, 0, u"四套班子"_s, u""_s, u"STBZ"_s, u""_s, 3, 0, u"003"_s, false, 0, u""_s},
    };
    return std::all_of(rows.begin(), rows.end(), [&](const QVariantList& r) {
        return insert(QStringLiteral("tb_department"), cols, r);
    });
}

bool CatalogFixture::fillCadres() {
    const QString cols = QStringLiteral(
        "CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,"
        "gzsjStr,zwjb,zwjbTimeStr,xrz,allZwList,allRzsjList,gxl,gxw,qrzxl,qrzxxzy,zzxl,zzxxzy,"
        "ctype,rybz,zyjszw,zytc,khNote,jcNote,ZwLock,checked");
    const std::vector<QVariantList> rows = {
        {kWang,
         3,
         0,
         u"王建国"_s,
         u"WJG"_s,
         u"男"_s,
         d(1972, 7, 15),
         u"1972.07"_s,
         u"汉族"_s,
         u"江苏南京"_s,
         u"江苏南京"_s,
         u"中共党员"_s,
         d(1995, 7, 1),
         u"1995.07"_s,
         d(1994, 8, 1),
         u"1994.08"_s,
         u"正处级"_s,
         u"2010.03"_s,
         u"市委副书记，宣传部部长"_s,
         u"市委副书记，宣传部部长"_s,
         u"2010.03"_s,
         u"大学"_s,
         u"学士"_s,
         u"大学"_s,
         u"南京大学中文系"_s,
         u""_s,
         u""_s,
         1,
         u"公务员"_s,
         u"教授"_s,
         u"写作"_s,
         u"2011年度考核称职"_s,
         u"2010年获嘉奖"_s,
         false,
         false},
        {kLi,
         1,
         0,
         u"李  红"_s,
         u"LH"_s,
         u"女"_s,
         d(1972, 7, 16),
         u"1972.07"_s,
         u"汉族"_s,
         u"山东济南"_s,
         u"山东济南"_s,
         u"中共党员"_s,
         d(1998, 6, 1),
         u"1998.06"_s,
         d(1995, 8, 1),
         u"1995.08"_s,
         u"副处级"_s,
         u"2009.09"_s,
         u"组织部副部长"_s,
         u"组织部副部长"_s,
         u"2009.09"_s,
         u"研究生"_s,
         u"硕士"_s,
         u"大学"_s,
         u"山东大学法律系"_s,
         u"研究生"_s,
         u"中央党校研究生院"_s,
         2,
         u"公务员"_s,
         u"副教授"_s,
         u""_s,
         u"2011年度考核基本称职"_s,
         u""_s,
         true,
         false},
        {kTom,
         5,
         0,
         u"Tom"_s,
         u"TOM"_s,
         u"男"_s,
         d(1980, 1, 1),
         u"1980.01"_s,
         u"回族"_s,
         u"浙江杭州"_s,
         u"浙江杭州"_s,
         kNull,
         kNull,
         kNull,
         d(2002, 7, 1),
         u"2002.07"_s,
         u"正科级"_s,
         u"2012.01"_s,
         u"组织部部长，市委常委"_s,
         u"组织部部长，市委常委"_s,
         u"2012.01"_s,
         u"大专"_s,
         u""_s,
         u"大专"_s,
         u"南京师范专科学校"_s,
         u""_s,
         u""_s,
         6,
         u"事业"_s,
         u""_s,
         u""_s,
         u""_s,
         u""_s,
         false,
         false},
        {kOuyang,
         2,
         0,
         u"欧阳明月"_s,
         u"OYMY"_s,
         u"女"_s,
         d(1965, 3, 1),
         u"1965.03"_s,
         u"汉族"_s,
         u"江苏南京"_s,
         u"江苏苏州"_s,
         u"民革"_s,
         kNull,
         kNull,
         d(1985, 8, 1),
         u"1985.08"_s,
         u"正处级"_s,
         u"2008.06"_s,
         u"市委书记"_s,
         u"市委书记"_s,
         u"2008.06"_s,
         u"大学"_s,
         u"学士"_s,
         u"大学"_s,
         u"苏州大学"_s,
         u""_s,
         u""_s,
         4,
         u"公务员"_s,
         u"高级工程师"_s,
         u""_s,
         u"2010年度考核不称职"_s,
         u""_s,
         false,
         false},
        {kZhao,
         6,
         1,
         u"赵六"_s,
         u"ZL"_s,
         u"男"_s,
         d(1958, 12, 31),
         u"1958.12"_s,
         u"汉族"_s,
         u"山东济南"_s,
         u"山东济南"_s,
         u"中共党员"_s,
         d(1980, 1, 1),
         u"1980.01"_s,
         d(1976, 3, 1),
         u"1976.03"_s,
         u"正处级"_s,
         u"2000.01"_s,
         u""_s,
         u""_s,
         u""_s,
         u"中专"_s,
         u""_s,
         u"中专"_s,
         u""_s,
         u""_s,
         u""_s,
         8,
         u"公务员"_s,
         u""_s,
         u""_s,
         u""_s,
         u""_s,
         false,
         false},
        {kSun,
         4,
         0,
         u"孙七"_s,
         u"SQ"_s,
         u"男"_s,
         d(1990, 7, 15),
         u"1990.07"_s,
         u"汉族"_s,
         u"江苏南京"_s,
         u"江苏南京"_s,
         u"共青团员"_s,
         kNull,
         kNull,
         d(2012, 7, 1),
         u"2012.07"_s,
         u"科员"_s,
         kNull,
         u"干部科科员"_s,
         u"干部科科员"_s,
         u"2012.07"_s,
         u"大学"_s,
         u"学士"_s,
         u"大学"_s,
         u"南京大学"_s,
         u""_s,
         u""_s,
         2,
         u"公务员"_s,
         u""_s,
         u""_s,
         u""_s,
         u""_s,
         false,
         false},
        {kTomLower, 7,     2,     u"tom"_s, u"TOM"_s, u"男"_s, kNull, kNull, kNull,
         kNull,     kNull, kNull, kNull,    kNull,    kNull,   kNull, kNull, kNull,
         kNull,     kNull, kNull, kNull,    kNull,    kNull,   kNull, kNull, kNull,
         0,         kNull, kNull, kNull,    kNull,    kNull,   false, false},
    };
    return std::all_of(rows.begin(), rows.end(), [&](const QVariantList& r) {
        return insert(QStringLiteral("tb_cadre"), cols, r);
    });
}

bool CatalogFixture::fillPostsAndMemberships() {
    const QString nodeCols =
        QStringLiteral("CnID,ZwCadreID,dwID,zwOrder,zwList,rzsjList,jrsj,jrsjStr,nobz,bind");
    const std::vector<QVariantList> nodes = {
        {1, kWang, kCityCommittee, 1, u"副书记"_s, u"2010.03"_s, d(2010, 3, 1), u"2010.03"_s, false,
         false},
        {2, kOuyang, kCityCommittee, 2, u"书记"_s, u"2008.06"_s, d(2008, 6, 1), u"2008.06"_s, false,
         false},
        {3, kTom, kCityCommittee, 3, u"常委"_s, u"2012.01"_s, d(2012, 1, 1), u"2012.01"_s, false,
         false},
        {4, kLi, kOrganisation, 2, u"副部长"_s, u"2009.09"_s, d(2009, 9, 1), u"2009.09"_s, false,
         false},
        {5, kTom, kOrganisation, 1, u"部长"_s, u"2012.01"_s, d(2012, 1, 1), u"2012.01"_s, false,
         false},
        {6, kSun, kCadreSection, 1, u"科员"_s, u"2012.07"_s, d(2012, 7, 1), u"2012.07"_s, true,
         false},
        {7, kWang, kPublicity, 1, u"部长"_s, u"2011.05"_s, d(2011, 5, 1), u"2011.05"_s, false,
         false},
        {8, kOuyang, kGovernmentOffice, 1, kNull, kNull, d(2005, 1, 1), u"2005.01"_s, false, true},
        {9, kLi, kLeadingGroup, 1, kNull, kNull, d(2009, 9, 1), u"2009.09"_s, false, true},
    };
    const QString postCols = QStringLiteral(
        "ZwID,ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,rzyy,mzsj,mzsjstr,mzyy,zt,zs,"
        "emptyNode,ischeck");
    const std::vector<QVariantList> posts = {
        {1, kWang, 1, kCityCommittee, u"中共某市委员会"_s, u"副书记"_s, 1, d(2010, 3, 1),
         u"2010.03"_s, u"换届"_s, kNull, kNull, kNull, u"副职"_s, true, false, false},
        {2, kWang, 1, kPublicity, u"宣传部"_s, u"部长"_s, 2, d(2011, 5, 1), u"2011.05"_s, u"调任"_s,
         kNull, kNull, kNull, u"正职"_s, true, false, false},
        {3, kWang, 2, kOrganisation, u"组织部"_s, u"副部长"_s, 1, d(2005, 1, 1), u"2005.01"_s,
         u"提拔"_s, d(2010, 3, 1), u"2010.03"_s, u"调任"_s, u"副职"_s, true, false, false},
        {4, kLi, 1, kOrganisation, u"组织部"_s, u"副部长"_s, 1, d(2009, 9, 1), u"2009.09"_s,
         u"提拔"_s, kNull, kNull, kNull, u"副职"_s, true, false, false},
        {5, kTom, 1, kOrganisation, u"组织部"_s, u"部长"_s, 1, d(2012, 1, 1), u"2012.01"_s,
         u"提拔"_s, kNull, kNull, kNull, u"正职"_s, true, false, false},
        {6, kTom, 1, kCityCommittee, u"中共某市委员会"_s, u"常委"_s, 2, d(2012, 1, 1), u"2012.01"_s,
         u"换届"_s, kNull, kNull, kNull, u"常委"_s, true, false, false},
        {7, kOuyang, 1, kCityCommittee, u"中共某市委员会"_s, u"书记"_s, 1, d(2008, 6, 1),
         u"2008.06"_s, u"换届"_s, kNull, kNull, kNull, u"正职"_s, true, false, false},
        {8, kOuyang, 2, 0, u"某县政府"_s, u"县长"_s, 1, d(2003, 1, 1), u"2003.01"_s, u"选举"_s,
         d(2008, 6, 1), u"2008.06"_s, u"调任"_s, u""_s, true, false, false},
        {9, kSun, 1, kCadreSection, u"干部科"_s, u"科员"_s, 1, d(2012, 7, 1), u"2012.07"_s,
         u"录用"_s, kNull, kNull, kNull, u"非领导职务"_s, true, false, false},
        {10, kZhao, 2, 0, u"某县政府"_s, u"副县长"_s, 1, d(1998, 1, 1), u"1998.01"_s, u"选举"_s,
         d(2005, 1, 1), u"2005.01"_s, u"退休"_s, u""_s, true, false, false},
        {11, kTom, 1, 0, u"某县政府"_s, u"顾问"_s, 3, d(2011, 1, 1), u"2011.01"_s, u"聘任"_s, kNull,
         kNull, kNull, u""_s, true, false, false},
    };
    const QString zsCols = QStringLiteral("ZsID,DwID,zwmc,zwrs,dqrs,note,zzs,zwtype");
    const std::vector<QVariantList> quotas = {
        {1, kOrganisation, u"部长"_s, 1, 1, u""_s, false, u"正职"_s},
        {2, kOrganisation, u"副部长"_s, 2, 1, u""_s, false, u"副职"_s},
        {3, kCityCommittee, u"书记"_s, 1, 1, u""_s, true, u"正职"_s},
        {4, kCadreSection, u"科员"_s, 3, 1, u""_s, false, u"非领导职务"_s},
        {5, kCityGovernment, u"市长"_s, 1, 0, u""_s, false, u"正职"_s},
    };
    const QString bzCols = QStringLiteral("id,dwID,rybz,bzs,sjs");
    const std::vector<QVariantList> staffing = {
        {1, kOrganisation, u"公务员"_s, 5, 3},
        {2, kCadreSection, u"公务员"_s, 2, 1},
        {3, kCityGovernment, u"事业"_s, 10, 4},
    };
    const QString familyCols = QStringLiteral("FamilyID,CadreID,ford,cw,xm,cssj,cssjStr");
    const std::vector<QVariantList> family = {
        {1, kWang, 1, u"妻子"_s, u"陈芳"_s, d(1974, 2, 1), u"1974.02"_s},
        {2, kWang, 2, u"儿子"_s, u"王小明"_s, d(2000, 9, 1), u"2000.09"_s},
        {3, kLi, 1, u"丈夫"_s, u"周强"_s, d(1970, 5, 1), u"1970.05"_s},
    };
    auto fill = [&](const char* table, const QString& cols, const std::vector<QVariantList>& rs) {
        return std::all_of(rs.begin(), rs.end(), [&](const QVariantList& r) {
            return insert(QString::fromUtf8(table), cols, r);
        });
    };
    return fill("tb_cadre_node", nodeCols, nodes) && fill("tb_cadre_zw", postCols, posts) &&
           fill("tb_department_zs", zsCols, quotas) && fill("tb_department_bz", bzCols, staffing) &&
           fill("tb_family", familyCols, family);
}

bool CatalogFixture::fillSettings() {
    const QString confCols = QStringLiteral("GID,ItemID,ItemV");
    const std::vector<QVariantList> conf = {
        {u"ZBJ"_s, u"A001"_s, u"2.5"_s},          {u"ZWLOCK"_s, u"ZWLOCK"_s, u"1"_s},
        {u"AUTOSAVE"_s, u"1"_s, u"0"_s},          {u"GBSF"_s, u"参公"_s, u"3"_s},
        {u"GBSF"_s, u"公务员"_s, u"1"_s},         {u"GBSF"_s, u"事业"_s, u"2"_s},
        {u"RMZT"_s, u"考察"_s, u"2"_s},           {u"RMZT"_s, u"酝酿"_s, u"1"_s},
        {u"单位性质"_s, u"行政机关"_s, u"2"_s},   {u"单位性质"_s, u"党委"_s, u"1"_s},
        {u"备份记录"_s, u"2"_s, u"2012-06-01"_s}, {u"备份记录"_s, u"1"_s, u"2012-05-01"_s},
        {u"自动备份"_s, u"备份周期"_s, u"30"_s},  {u"自动备份"_s, u"保留数量"_s, u"5"_s},
    };
    const QString managerCols = QStringLiteral("ManagerID,userName,pw,righ_,sysR,userType,clew");
    const std::vector<QVariantList> managers = {
        {1, u"admin"_s, u""_s, u"733333"_s, 1, 1, true},
        {2, u"zhang"_s, u""_s, u"333333"_s, 1, 0, true},
        {3, u"li"_s, u""_s, u"333333"_s, 0, kNull, false},
    };
    bool ok = std::all_of(conf.begin(), conf.end(), [&](const QVariantList& r) {
        return insert(QStringLiteral("tb_conf"), confCols, r);
    });
    ok = ok && std::all_of(managers.begin(), managers.end(), [&](const QVariantList& r) {
             return insert(QStringLiteral("tb_manager"), managerCols, r);
         });
    return ok &&
           insert(QStringLiteral("tb_general"), QStringLiteral("name,type,version,clew,khyear"),
                  {u"某市委组织部"_s, 2, 3.7, true, 2011}) &&
           insert(QStringLiteral("tb_group"), QStringLiteral("groupName"), {u"管理员"_s}) &&
           insert(QStringLiteral("tb_custom_check"), QStringLiteral("name,down,manid"),
                  {u"cxButton5"_s, true, 0}) &&
           insert(QStringLiteral("tb_custom_check"), QStringLiteral("name,down,manid"),
                  {u"[Cadre]N12"_s, false, 0}) &&
           insert(QStringLiteral("tb_custom_width"), QStringLiteral("name,width,ord,manid"),
                  {u"cxGrid2DBTableView1xm"_s, 80, 2, 0}) &&
           insert(QStringLiteral("tb_querytemp"), QStringLiteral("CadreID,checked,xm,xb,zwjb"),
                  {kWang, true, u"王建国"_s, u"男"_s, u"正处级"_s}) &&
           insert(QStringLiteral("tb_querytemp"), QStringLiteral("CadreID,checked,xm,xb,zwjb"),
                  {kLi, false, u"李  红"_s, u"女"_s, u"副处级"_s}) &&
           insert(QStringLiteral("tb_plan"), QStringLiteral("beginT,endT,tital,checked,manid"),
                  {d(2012, 7, 1), d(2012, 7, 31), u"年度考核准备"_s, false, 1}) &&
           insert(QStringLiteral("tb_chart1"), QStringLiteral("stype,num"), {u"男"_s, 4}) &&
           insert(QStringLiteral("tb_chart1"), QStringLiteral("stype,num"), {u"女"_s, 2});
}

bool CatalogFixture::fillRostersAndPlans() {
    return insert(QStringLiteral("tb_beadroll"), QStringLiteral("id,mcName,mcpy,timeYear,mirror"),
                  {1, u"后备干部名册"_s, u"HBGBMC"_s, 2012, false}) &&
           insert(QStringLiteral("tb_beadroll"), QStringLiteral("id,mcName,mcpy,timeYear,mirror"),
                  {2, u"2011年冻结名册"_s, u"DJMC"_s, 2011, true}) &&
           insert(QStringLiteral("tb_beadroll_detail"), QStringLiteral("McCadreID,mcID,brOrder"),
                  {kLi, 1, 1}) &&
           insert(QStringLiteral("tb_beadroll_detail"), QStringLiteral("McCadreID,mcID,brOrder"),
                  {kSun, 1, 2}) &&
           insert(QStringLiteral("tb_beadroll_mirror"), QStringLiteral("mcID,McCadreID,brOrder,xm"),
                  {2, kTom, 1, u"Tom"_s}) &&
           insert(QStringLiteral("tb_beadroll_mirror"), QStringLiteral("mcID,McCadreID,brOrder,xm"),
                  {2, kWang, 2, u"王建国"_s}) &&
           insert(QStringLiteral("tb_rmmc"), QStringLiteral("id,name,tbsj,timeYear,rmzt"),
                  {1, u"2012年7月干部调整"_s, d(2012, 7, 10), 2012, 1}) &&
           insert(QStringLiteral("tb_rmmc_detail"),
                  QStringLiteral("mcID,McCadreID,brOrder,xm,csny"),
                  {1, kSun, 1, u"孙七"_s, d(1990, 7, 15)}) &&
           insert(QStringLiteral("tb_rmmc_detail"),
                  QStringLiteral("mcID,McCadreID,brOrder,xm,csny"),
                  {1, kTom, 2, u"Tom"_s, d(1980, 1, 1)});
}

bool CatalogFixture::fillTrainingAndAssessments() {
    const QString pxCols =
        QStringLiteral("pxid,pxName,pxTimeB,pxTimeE,pxks,pxjg,pxType1,pxMethod,timeYear");
    const QString pxCadreCols = QStringLiteral("ID,pxid,CadreID,CName,ord");
    const QString pxCadre2Cols =
        QStringLiteral("ID,CadreID,pxName,pxTimeB,pxTimeE,pxks,pxType1,pxMethod");
    const QString kcCols = QStringLiteral("cid,kcYear,kclb,kcName,kcjl");
    return insert(QStringLiteral("tb_px"), pxCols,
                  {1, u"党校春季班"_s, d(2011, 3, 1), d(2011, 3, 20), 20, u"市委党校"_s,
                   u"任职培训"_s, u"调训"_s, 2011}) &&
           insert(QStringLiteral("tb_px"), pxCols,
                  {2, u"业务培训"_s, d(2012, 5, 1), d(2012, 5, 5), 5, u"组织部"_s, u"业务培训"_s,
                   u"本级培训"_s, 2012}) &&
           insert(QStringLiteral("tb_pxCadre"), pxCadreCols, {1, 1, kWang, u"王建国"_s, 1}) &&
           insert(QStringLiteral("tb_pxCadre"), pxCadreCols, {2, 1, kLi, u"李  红"_s, 2}) &&
           insert(QStringLiteral("tb_pxCadre"), pxCadreCols, {3, 2, kWang, u"王建国"_s, 1}) &&
           insert(QStringLiteral("tb_pxCadre2"), pxCadre2Cols,
                  {11, kLi, u"网络学院"_s, d(2011, 9, 1), d(2011, 9, 8), 8, u"任职培训"_s,
                   u"调训"_s}) &&
           insert(QStringLiteral("tb_pxCadre2"), pxCadre2Cols,
                  {12, kTom, u"单位轮训"_s, d(2012, 3, 1), d(2012, 3, 3), 3, u"业务培训"_s,
                   u"单位类别培训"_s}) &&
           insert(QStringLiteral("tb_pxType"), QStringLiteral("s"), {u"任职培训"_s}) &&
           insert(QStringLiteral("tb_pxType"), QStringLiteral("s"), {u"业务培训"_s}) &&
           insert(QStringLiteral("tb_kc"), kcCols,
                  {kWang, 2010, u"年度考核"_s, u"2010年度考核"_s, u"优秀"_s}) &&
           insert(QStringLiteral("tb_kc"), kcCols,
                  {kWang, 2011, u"年度考核"_s, u"2011年度考核"_s, u"称职"_s}) &&
           insert(QStringLiteral("tb_kc"), kcCols,
                  {kLi, 2011, u"年度考核"_s, u"2011年度考核"_s, u"基本称职"_s}) &&
           insert(QStringLiteral("tb_jc"), QStringLiteral("cid,dxType,jclbx,jcmc,jcsj"),
                  {kWang, 0, u"奖类"_s, u"嘉奖"_s, d(2010, 12, 1)});
}

bool CatalogFixture::fillCodeTables() {
    const std::vector<std::pair<QString, int>> ranks = {
        {u"科员"_s, 9}, {u"正处级"_s, 5}, {u"正科级"_s, 7}, {u"副处级"_s, 6}};
    const std::vector<std::pair<QString, int>> levels = {
        {u"研究生"_s, 5}, {u"大学"_s, 4}, {u"大专"_s, 3}, {u"中专"_s, 2}};
    const std::vector<std::pair<QString, int>> degrees = {
        {u"博士"_s, 3}, {u"硕士"_s, 2}, {u"学士"_s, 1}};
    const QStringList posts = {u"书记"_s, u"副书记"_s, u"部长"_s, u"副部长"_s, u"科员"_s};
    for (const auto& [name, level] : ranks) {
        if (!insert(QStringLiteral("tb_zj"), QStringLiteral("zjmc,level1"), {name, level})) {
            return false;
        }
    }
    for (const auto& [name, v] : levels) {
        if (!insert(QStringLiteral("tb_xl"), QStringLiteral("xl,v"), {name, v})) {
            return false;
        }
    }
    for (const auto& [name, id] : degrees) {
        if (!insert(QStringLiteral("tb_degree"), QStringLiteral("degree,degreeid"), {name, id})) {
            return false;
        }
    }
    for (const QString& p : posts) {
        if (!insert(QStringLiteral("tb_zw"), QStringLiteral("zwmc"), {p})) {
            return false;
        }
    }
    return insert(QStringLiteral("tb_dep_xz"), QStringLiteral("xz,zwj"),
                  {u"党委"_s, u"书记,副书记,常委,"_s}) &&
           insert(QStringLiteral("tb_dep_xz"), QStringLiteral("xz,zwj"),
                  {u"行政机关"_s, u"市长,副市长,"_s});
}

void runStatementCases(const std::vector<StatementCase>& cases) {
    for (const StatementCase& c : cases) {
        SCOPED_TRACE(c.name);
        CatalogFixture fx;
        ASSERT_TRUE(fx.ok()) << fx.error().toStdString();
        bool setupOk = true;
        for (const QString& s : c.setup) {
            if (!fx.db().exec(s)) {
                ADD_FAILURE() << "setup statement failed: " << s.toStdString() << "\n  "
                              << fx.db().lastError().toStdString();
                setupOk = false;
                break;
            }
        }
        if (!setupOk) {
            continue;
        }
        std::optional<db::QueryResult> last;
        bool ran = true;
        for (const QString& s : c.statements) {
            if (isSelect(s)) {
                last = fx.db().query(s);
                if (!last) {
                    ADD_FAILURE() << "select failed: " << s.toStdString() << "\n  "
                                  << fx.db().lastError().toStdString();
                    ran = false;
                    break;
                }
            } else if (!fx.db().exec(s)) {
                ADD_FAILURE() << "statement failed: " << s.toStdString() << "\n  "
                              << fx.db().lastError().toStdString();
                ran = false;
                break;
            }
        }
        if (!ran) {
            continue;
        }
        for (const Check& check : c.checks) {
            QStringList actual;
            if (check.sql.isEmpty()) {
                if (!last) {
                    ADD_FAILURE() << "the case runs no select to check";
                    continue;
                }
                actual = renderRows(*last, check.columns);
            } else {
                actual = fx.rows(check.sql, check.columns);
            }
            QStringList expected = check.rows;
            if (check.anyOrder) {
                actual.sort();
                expected.sort();
            }
            EXPECT_EQ(expected.join(u'\n').toStdString(), actual.join(u'\n').toStdString())
                << "check: "
                << (check.sql.isEmpty() ? std::string("rows of the last statement")
                                        : check.sql.toStdString())
                << "\n  statements: " << c.statements.join(QStringLiteral("\n    ")).toStdString();
        }
    }
}

}  // namespace catalog

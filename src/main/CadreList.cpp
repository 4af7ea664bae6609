#include "main/CadreList.h"

#include <QDate>
#include <QStringList>

#include "app/DataModule.h"
#include "cadre/PostEnding.h"
#include "cadre/Posts.h"
#include "db/Database.h"
#include "db/SqlText.h"
#include "text/MonthText.h"
#include "units/Membership.h"

namespace mainwin {

const QString kCadreListColumns = QStringLiteral(
    "Classid,gbOrd,other,CadreID,xm,xb,csny,rdsj,gzsj,mz,zzmm,jgsheng,cssheng,zwjb,zwjbTime,"
    "zwjbTimeStr,csnyStr,rdsjStr,gzsjStr,py,allZwList,allRzsjList,gxw,gxl,gxlxx,ctype,zydj,"
    "zyzcTime,rybz,ZwLock,fggz,qrzxw,zzxw,jkzk,zyjszw,zytc,qrzxl,zzxl,qrzxxzy,zzxxzy,gzjl,xrz,nrz,"
    "nmz,jcNote,khNote,rmNote,res5,res6,res7,res8,address,tel,tel2,zjType,zjh,CnID,dwID,zwList,"
    "rzsjList,zwOrder");

QString cadreTypeCondition(int mask) {
    if (mask <= 0) {
        return {};
    }
    // Every six-bit type set that shares a bit with the mask: the stored sets are matched
    // without a bitwise operator.
    QStringList sets;
    for (int v = 1; v <= 63; ++v) {
        if ((v & mask) != 0) {
            sets << QString::number(v);
        }
    }
    return QStringLiteral("(ctype in (") + sets.join(u',') + QStringLiteral(")) ");
}

db::PagedRows::Query cadreListQuery(int unitId, const QString& subtreeIndex,
                                    const QString& typeCondition, const QDate& ageToday) {
    const QString age = sql::Fragments::forDay(ageToday).SqlAgeColumn;
    const QStringList keys{QStringLiteral("CnID"), QStringLiteral("CadreID")};
    if (!subtreeIndex.isEmpty()) {
        return {
            kCadreListColumns + QStringLiteral(",name,") + age + QStringLiteral(",jrsjstr"),
            QStringLiteral("from tb_Cadre as a inner join (select * from tb_cadre_node as b "
                           "left outer join tb_department as c on b.dwID=c.ID where "
                           "c.dwIndex like ") +
                sql::quoted(subtreeIndex + u'%') +
                QStringLiteral(") as d on a.CadreID=d.ZwCadreID ") +
                (typeCondition.isEmpty() ? QString() : QStringLiteral(" where ") + typeCondition),
            keys, QStringLiteral("dwIndex,zwOrder")};
    }
    const QString unit = QString::number(unitId);
    return {kCadreListColumns + u',' + age + QStringLiteral(",jrsjstr"),
            QStringLiteral("from tb_cadre_node as b left outer join tb_Cadre as a on "
                           "a.CadreID=b.ZwCadreID ") +
                (typeCondition.isEmpty()
                     ? QStringLiteral(" where ")
                     : QStringLiteral(" where ") + typeCondition + QStringLiteral(" and ")) +
                QStringLiteral(" b.dwID=") + unit + QStringLiteral(" and dwID=") + unit,
            keys, QStringLiteral("zwOrder")};
}

QString cadreListStatement(int unitId, const QString& subtreeIndex, const QString& typeCondition,
                           const QDate& ageToday) {
    const db::PagedRows::Query q = cadreListQuery(unitId, subtreeIndex, typeCondition, ageToday);
    return QStringLiteral("select ") + q.columns + u' ' + q.from + QStringLiteral(" order by ") +
           q.order;
}

Result<void> transferMember(TDataM& dm, int cadreId, int fromUnit, int toUnit, bool leaveOldUnit,
                            const QString& monthText, const QString& postName) {
    const std::optional<text::MonthEntry> month = text::readMonthEntry(monthText);
    if (!month) {
        return Failure{kBadTransferMonth, {}};
    }
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return Failure{{}, db.lastError()};
    }
    const QString cadre = QString::number(cadreId);
    if (leaveOldUnit) {
        const QString where = QStringLiteral("ZwCadreID=") + cadre + QStringLiteral(" and dwID=") +
                              QString::number(fromUnit);
        const Result<void> ended = cadre::endCurrentPosts(dm, where, *month, 0);
        if (!ended) {
            return ended;
        }
        const Result<void> left = units::removeMember(dm, cadreId, fromUnit);
        if (!left) {
            return left;
        }
    }
    const Result<bool> joined = units::ensureMember(dm, cadreId, toUnit, {true, true});
    if (!joined) {
        return joined.failure();
    }
    if (!postName.trimmed().isEmpty()) {
        cadre::PostInput post;
        post.cadreId = cadreId;
        post.unitId = toUnit;
        const Result<QString> unitName = dm.UnitName(toUnit);
        if (!unitName) {
            return unitName.failure();
        }
        post.unitText = *unitName;
        post.postName = postName;
        post.appointedMonth = month->text;
        const Result<int> saved = cadre::savePost(dm, post);
        if (!saved) {
            return saved.failure();
        }
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

}  // namespace mainwin

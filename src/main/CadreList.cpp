#include "main/CadreList.h"

#include <QDate>
#include <QStringList>

#include "app/DataModule.h"
#include "db/Database.h"
#include "db/SqlText.h"
#include "text/MonthText.h"

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

Outcome swapMemberOrders(TDataM& dm, int orderA, int cnIdA, int orderB, int cnIdB) {
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    const auto set = [&db](int order, int oldOrder, int cnId) {
        return db.exec(QStringLiteral("update tb_cadre_node set zwOrder=%1 where zwOrder=%2 and "
                                      "CnID=%3")
                           .arg(order)
                           .arg(oldOrder)
                           .arg(cnId));
    };
    if (!set(orderB, orderA, cnIdA) || !set(orderA, orderB, cnIdB) || !transaction.commit()) {
        return Outcome::failure({});
    }
    return {};
}

Outcome moveMemberTo(TDataM& dm, int unitId, int cadreId, int currentOrder, int targetOrder) {
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    const QString unit = QString::number(unitId);
    const QString current = QString::number(currentOrder);
    const QString target = QString::number(targetOrder);
    const QString shift =
        targetOrder <= currentOrder
            ? QStringLiteral("update tb_cadre_node set zwOrder=zwOrder+1 where dwid=") + unit +
                  QStringLiteral(" and (zwOrder>=") + target + QStringLiteral(") and (zwOrder<") +
                  current + u')'
            : QStringLiteral("update tb_cadre_node set zwOrder=zwOrder-1 where dwid=") + unit +
                  QStringLiteral(" and (zwOrder<=") + target + QStringLiteral(") and (zwOrder>") +
                  current + u')';
    // The moved row is found by its old order and cadre, which the shift leaves alone.
    if (!db.exec(shift) ||
        !db.exec(QStringLiteral("update tb_cadre_node set zwOrder=") + target +
                 QStringLiteral(" where dwid=") + unit + QStringLiteral(" and  zwOrder=") +
                 current + QStringLiteral(" and ZwCadreID=") + QString::number(cadreId)) ||
        !transaction.commit()) {
        return Outcome::failure({});
    }
    return {};
}

Outcome addMembers(TDataM& dm, int unitId, const QList<int>& cadreIds) {
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    int next = 0;
    int added = 0;
    for (const int cadreId : cadreIds) {
        const auto existing =
            db.query(QStringLiteral("select * from tb_cadre_node where dwID=%1 and ZwCadreID=%2")
                         .arg(unitId)
                         .arg(cadreId));
        if (!existing) {
            return Outcome::failure({});
        }
        if (!existing->rows.empty()) {
            continue;
        }
        next = next == 0 ? dm.NextMemberOrder(unitId) : next + 1;
        if (!db.exec(QStringLiteral("insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,bind) "
                                    "values (%1,%2,%3,True)")
                         .arg(cadreId)
                         .arg(unitId)
                         .arg(next))) {
            return Outcome::failure({});
        }
        ++added;
    }
    if (!transaction.commit()) {
        return Outcome::failure({});
    }
    return {true, {}, added};
}

Outcome transferMember(TDataM& dm, int cadreId, int fromUnit, int toUnit, bool leaveOldUnit,
                       const QString& monthText, const QString& postName) {
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    const QString cadre = QString::number(cadreId);
    if (leaveOldUnit) {
        const QDate removed = text::parseMonthText(monthText);
        const QString where = QStringLiteral(" where zwcadreid=") + cadre +
                              QStringLiteral(" and dwid=") + QString::number(fromUnit);
        const QString closePosts =
            removed.isValid() ? QString(QStringLiteral("update tb_cadre_zw set status=2,mzsjStr=") +
                                        sql::quoted(monthText) + QStringLiteral(",mzsj=") +
                                        sql::dateLiteral(removed) + where)
                              : QString(QStringLiteral("update tb_cadre_zw set status=2") + where);
        if (!db.exec(closePosts) || !db.exec(sql::Fragments().SqlDeleteHead +
                                             QStringLiteral(" from tb_cadre_node") + where)) {
            return Outcome::failure({});
        }
    }
    const auto member =
        db.query(QStringLiteral("select * from tb_cadre_node where dwid=%1 and zwcadreid=%2")
                     .arg(toUnit)
                     .arg(cadreId));
    if (!member) {
        return Outcome::failure({});
    }
    if (member->rows.empty() &&
        !db.exec(QStringLiteral("insert into tb_cadre_node (ZwCadreID,dwID,zwOrder) values "
                                "(%1,%2,%3)")
                     .arg(cadreId)
                     .arg(toUnit)
                     .arg(dm.NextMemberOrder(toUnit)))) {
        return Outcome::failure({});
    }
    if (!db.exec(QStringLiteral("update tb_cadre set xrz=") + sql::quoted(postName) +
                 QStringLiteral(",allRzsjList=") + sql::quoted(monthText) +
                 QStringLiteral(" where cadreid=") + cadre) ||
        !transaction.commit()) {
        return Outcome::failure({});
    }
    return {};
}

}  // namespace mainwin

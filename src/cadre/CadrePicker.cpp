#include "cadre/CadrePicker.h"

#include <QRegularExpression>

#include "db/Database.h"
#include "db/SqlText.h"

namespace cadre {

QString pickByInfoStatement(int classId, const QString& text) {
    const QString library = QString::number(classId);
    if (text.isEmpty()) {
        return QStringLiteral(
                   "select CadreID,checked,xm,xb,zwjb,xrz from tb_cadre where classid=") +
               library + QStringLiteral(" order by gbOrd");
    }
    static const QRegularExpression lettersOnly(QStringLiteral("^[A-Za-z]+$"));
    const QString condition = lettersOnly.match(text).hasMatch()
                                  ? QStringLiteral(" and py like ") + sql::quoted(text + u'%')
                                  : QStringLiteral(" and xm like ") + sql::quoted(text + u'%');
    return QStringLiteral("select CadreID,checked,xm,xb,zwjb,xrz,py from tb_cadre where classid=") +
           library + condition + QStringLiteral(" order by gbOrd");
}

QString pickByUnitStatement(int classId, int unitId) {
    const QString unit = QString::number(unitId);
    return QStringLiteral(
               "select CadreID,checked,xm,xb,zwjb,xrz,dwid,zwOrder,zwCadreID from tb_cadre left "
               "outer join tb_cadre_node on tb_cadre.CadreID=tb_cadre_node.ZwCadreID where "
               "classid=") +
           QString::number(classId) + QStringLiteral(" and dwid=") + unit +
           QStringLiteral(" and cadreid in (select zwcadreid from tb_cadre_node where dwid=") +
           unit + QStringLiteral(") order by zwOrder");
}

QList<PickedCadre> readPickList(db::Database& db, const QString& statement, bool* ok) {
    QList<PickedCadre> cadres;
    const auto rows = db.query(statement);
    if (ok != nullptr) {
        *ok = rows.has_value();
    }
    if (!rows) {
        return cadres;
    }
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        cadres.append({rows->value(i, QStringLiteral("CadreID")).toInt(),
                       rows->value(i, QStringLiteral("xm")).toString(),
                       rows->value(i, QStringLiteral("xb")).toString(),
                       rows->value(i, QStringLiteral("zwjb")).toString(),
                       rows->value(i, QStringLiteral("xrz")).toString()});
    }
    return cadres;
}

bool clearPicked(db::Database& db) {
    return db.exec(sql::Fragments().SqlDeleteHead + QStringLiteral(" from tb_querytemp"));
}

bool addPicked(db::Database& db, const QList<PickedCadre>& cadres) {
    db::Transaction transaction(db);
    for (const PickedCadre& c : cadres) {
        const Result<QVariant> present = db.scalar(
            QStringLiteral("select count(*) from tb_querytemp where CadreID=?"), {c.cadreId});
        if (!present) {
            return false;
        }
        if (present->toInt() == 0 &&
            !db.exec(QStringLiteral("insert into tb_querytemp (CadreID,checked,xm,xb,zwjb,xrz) "
                                    "values (?,False,?,?,?,?)"),
                     {c.cadreId, c.name, c.sex, c.rank, c.currentPost})) {
            return false;
        }
    }
    return transaction.commit();
}

QList<PickedCadre> pickedCadres(db::Database& db) {
    return readPickList(db, QStringLiteral("select CadreID,xm,xb,zwjb,xrz from tb_querytemp"));
}

}  // namespace cadre

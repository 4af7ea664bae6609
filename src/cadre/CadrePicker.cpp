#include "cadre/CadrePicker.h"

#include <QRegularExpression>
#include <algorithm>

#include "cadre/NameList.h"
#include "db/Database.h"
#include "db/SqlText.h"
#include "text/PersonName.h"

namespace cadre {

QString pickByInfoStatement(int classId, const QString& text) {
    const QString library = QString::number(classId);
    static const QRegularExpression lettersOnly(QStringLiteral("^[A-Za-z]+$"));
    const QString condition = lettersOnly.match(text).hasMatch()
                                  ? QStringLiteral("py like ") + sql::quoted(text + u'%')
                                  : nameStartsWith(QStringLiteral("xm"), text);
    if (condition.isEmpty()) {
        return QStringLiteral(
                   "select CadreID,checked,xm,xb,zwjb,xrz from tb_cadre where classid=") +
               library + QStringLiteral(" order by gbOrd");
    }
    return QStringLiteral("select CadreID,checked,xm,xb,zwjb,xrz,py from tb_cadre where classid=") +
           library + QStringLiteral(" and ") + condition + QStringLiteral(" order by gbOrd");
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

QString pickByConditionStatement(const QString& where) {
    return QStringLiteral("select CadreID,checked,xm,xb,zwjb,xrz from tb_cadre ") + where +
           QStringLiteral(" order by gbOrd");
}

QString pickWithoutUnitStatement() {
    return QStringLiteral(
        "select CadreID,checked,xm,xb,zwjb,xrz from tb_cadre where CadreID not in (select "
        "ZwCadreID from tb_cadre_node) order by py");
}

QStringList namesOfList(const QString& typed) {
    QStringList names;
    for (const QString& piece : splitNameList(typed)) {
        const QString name = text::normalizeName(piece);
        if (!name.isEmpty() && !names.contains(name)) {
            names << name;
        }
    }
    return names;
}

QString pickByNamesStatement(const QStringList& names) {
    QStringList quoted;
    for (const QString& name : names) {
        quoted << sql::quoted(name);
    }
    return QStringLiteral(
               "select CadreID,checked,xm,xb,zwjb,xrz,A3827 from tb_cadre where xm in (") +
           (quoted.isEmpty() ? QStringLiteral("''") : quoted.join(u',')) +
           QStringLiteral(") order by py");
}

QString nameListReport(int listed, const QList<PickedCadre>& found) {
    QString report = QStringLiteral("搜索名单共%1人，找到%2人").arg(listed).arg(found.size());
    QStringList shared;
    for (const PickedCadre& c : found) {
        const auto bearers = std::count_if(found.cbegin(), found.cend(),
                                           [&c](const PickedCadre& o) { return o.name == c.name; });
        if (bearers > 1 && !shared.contains(c.name)) {
            shared << c.name;
        }
    }
    if (!shared.isEmpty()) {
        report += QStringLiteral("，重名：") + shared.join(QStringLiteral("、"));
    }
    return report;
}

Result<QList<PickedCadre>> readPickList(db::Database& db, const QString& statement) {
    QList<PickedCadre> cadres;
    const auto rows = db.query(statement);
    if (!rows) {
        return Failure{{}, db.lastError()};
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

Result<void> clearPicked(db::Database& db) {
    if (!db.exec(sql::Fragments().SqlDeleteHead + QStringLiteral(" from tb_querytemp"))) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

Result<void> addPicked(db::Database& db, const QList<PickedCadre>& cadres) {
    db::Transaction transaction(db);
    for (const PickedCadre& c : cadres) {
        const Result<QVariant> present = db.scalar(
            QStringLiteral("select count(*) from tb_querytemp where CadreID=?"), {c.cadreId});
        if (!present) {
            return present.failure();
        }
        if (present->toInt() == 0 &&
            !db.exec(QStringLiteral("insert into tb_querytemp (CadreID,checked,xm,xb,zwjb,xrz) "
                                    "values (?,False,?,?,?,?)"),
                     {c.cadreId, c.name, c.sex, c.rank, c.currentPost})) {
            return Failure{{}, db.lastError()};
        }
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

}  // namespace cadre

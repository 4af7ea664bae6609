#include "units/OrganisationHistory.h"

#include "db/Database.h"

namespace units {

std::vector<HistoryLine> organisationHistory(db::Database& db, int unitId) {
    const QString unit = QString::number(unitId);
    const std::optional<db::QueryResult> rows = db.query(
        QStringLiteral("select a.rzsjstr, a.mzsjstr, a.status, b.xm, a.zwmc from tb_cadre_zw as "
                       "a inner join tb_cadre as b on a.ZwCadreID=b.CadreID where a.dwID=") +
        unit +
        QStringLiteral(" and a.zwmc in (select zwmc from tb_department_zs where zzs=True and "
                       "DwID=") +
        unit + QStringLiteral(") order by a.rzsj, a.ZwID"));
    std::vector<HistoryLine> lines;
    if (!rows) {
        return lines;
    }
    for (const QVariantList& r : rows->rows) {
        const QString end = r[2].toInt() == 2 ? r[1].toString() : QString();
        lines.push_back({r[0].toString() + u'-' + end, r[3].toString(), r[4].toString()});
    }
    return lines;
}

}  // namespace units

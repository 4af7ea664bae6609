#include "cadre/PostEnding.h"

#include <QDate>
#include <QList>
#include <QVariant>

#include "app/DataModule.h"
#include "db/Database.h"

namespace cadre {

namespace {

Failure databaseFailure(const db::Database& db) {
    return Failure{{}, db.lastError()};
}

}  // namespace

Result<void> endCurrentPosts(TDataM& dm, const QString& condition, const text::MonthEntry& month,
                             int keepUnitId, const CadreRecordWriter& writeRecord) {
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return databaseFailure(db);
    }
    const auto posts = db.query(
        QStringLiteral("select ZwID, ZwCadreID, rzsj, dw, zwmc, rzsjstr from tb_cadre_zw where "
                       "status=1 and (") +
        condition + QStringLiteral(") order by ZwCadreID, zwOrder, ZwID"));
    if (!posts) {
        return databaseFailure(db);
    }
    if (month.date.isValid()) {
        for (const QVariantList& p : posts->rows) {
            const QDate appointed = p[2].toDate();
            if (appointed.isValid() && month.date < appointed) {
                return Failure{kRemovalBeforeAppointment + u'\n' + p[3].toString() +
                                   p[4].toString() + QStringLiteral("，任职时间") + p[5].toString(),
                               {}};
            }
        }
    }
    const QString dates = month.text.isEmpty() ? QString() : QStringLiteral(",mzsjstr=?,mzsj=?");
    QList<int> cadres;
    int nextOrder = 0;
    for (const QVariantList& p : posts->rows) {
        const int cadreId = p[1].toInt();
        if (cadres.isEmpty() || cadres.last() != cadreId) {
            const Result<QVariant> last =
                db.scalar(QStringLiteral("select max(zwOrder) from tb_cadre_zw where status=2 and "
                                         "ZwCadreID=") +
                          QString::number(cadreId));
            if (!last) {
                return last.failure();
            }
            nextOrder = last->toInt() + 1;
            cadres << cadreId;
        }
        QVariantList params{nextOrder++};
        if (!month.text.isEmpty()) {
            params << month.text << month.date;
        }
        if (!db.exec(QStringLiteral("update tb_cadre_zw set status=2,zwOrder=?") + dates +
                         QStringLiteral(" where ZwID=") + QString::number(p[0].toInt()),
                     params)) {
            return databaseFailure(db);
        }
    }
    for (const int cadreId : cadres) {
        const Result<void> refreshed =
            writeRecord ? RefreshCurrentPosts(dm, cadreId, keepUnitId, writeRecord)
                        : RefreshCurrentPosts(dm, cadreId, keepUnitId);
        if (!refreshed) {
            return refreshed;
        }
    }
    if (!transaction.commit()) {
        return databaseFailure(db);
    }
    return {};
}

}  // namespace cadre

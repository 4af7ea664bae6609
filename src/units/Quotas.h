#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

#include "db/Result.h"

namespace db {
class Database;
}

// Post quotas (tb_department_zs) and staffing quotas (tb_department_bz) of one unit: the
// counting rules that compare them with the unit's holders and members, and the writes of the
// unit dialog's quota and staffing tabs. Every function reports a failure through its result.
namespace units {

// The post categories: the lines of tb_general.zt, empty lines left out.
Result<QStringList> postCategories(db::Database& db);

// Holders of post `postName` in unit `unitId`: active posts (status 1) of the unit with exactly
// that name; none while the unit is being created (ID 0).
Result<int> countQuotaHolders(db::Database& db, int unitId, const QString& postName);
// Members of unit `unitId` that count for staffing (nobz not set), per identity. Members whose
// identity is empty count for no identity. A failure when the count cannot be read.
Result<QHash<QString, int>> countStaffing(db::Database& db, int unitId);

// One quota row of a unit.
struct QuotaRow {
    int zsId = 0;  // 0 for a row not yet stored
    int dwId = 0;  // 0 while the unit is being created
    QString zwmc;
    QString zwtype;
    int zwrs = 0;
    int dqrs = 0;
    QString note;
    bool zzs = false;
};

// The quota rows of unit `unitId` in storage order, each with its stored dqrs.
Result<std::vector<QuotaRow>> loadQuotaRows(db::Database& db, int unitId);
// Recounts the holders of every quota row of unit `unitId` and stores the counts that changed,
// in one transaction.
Result<void> refreshQuotaCounts(db::Database& db, int unitId);
// Stores `row` (appended when its zsId is 0, else updated), its dqrs recounted. The value is the
// row's ZsID.
Result<int> saveQuotaRow(db::Database& db, const QuotaRow& row);
Result<void> deleteQuotaRow(db::Database& db, int zsId);
// Quota rows written for a unit being created have DwID 0: attachPendingQuotas re-points them to
// the new unit, dropPendingQuotas removes them (an abandoned creation).
Result<void> attachPendingQuotas(db::Database& db, int newUnitId);
Result<void> dropPendingQuotas(db::Database& db);

// One staffing row of a unit.
struct StaffingRow {
    QString rybz;
    int bzs = 0;
    int sjs = 0;
};

// The staffing rows of unit `unitId` in storage order, `sjs` recounted from the members; the
// counts that changed are stored, in one transaction. On a failure (of the rows, the count or a
// write) nothing is stored.
Result<std::vector<StaffingRow>> refreshStaffing(db::Database& db, int unitId);
// The stored quota of identity `rybz` in unit `unitId`; nothing when the unit has no such row.
Result<std::optional<int>> staffingQuota(db::Database& db, int unitId, const QString& rybz);
// Sets the quota of identity `rybz` in unit `unitId`: the unit's rows of that identity are
// updated, or one row is appended when there is none.
Result<void> saveStaffing(db::Database& db, int unitId, const QString& rybz, int bzs);
Result<void> deleteStaffing(db::Database& db, int unitId, const QString& rybz);

}  // namespace units

#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <vector>

#include "db/PagedRows.h"
#include "db/Result.h"

namespace db {
class Database;
}

// The lines of one roster (tb_beadroll_detail for a dynamic roster, tb_beadroll_mirror for a
// static one): which cadres, in which order. A cadre occurs at most once per roster and the
// orders (brOrder) run 1..n without gaps after every add, removal and move. Every change runs in
// one transaction and writes nothing when it fails.
namespace rosters {

struct Roster;

// One column of the roster grid: caption, field, and whether it shows at first.
struct RosterColumn {
    const char* caption;
    const char* field;
    bool shownAtStart;
};
extern const std::vector<RosterColumn> kRosterColumns;

// Appends the cadres `cadreIds` that are not in the roster yet, in the given order, after its
// last line; a static roster copies each cadre's columns as they are now (and its age on
// `today`). The wait window (app::progress) steps once every fifth cadre. The number appended.
Result<int> addCadres(db::Database& db, const Roster& roster, const QList<int>& cadreIds,
                      const QDate& today);
// Appends the cadres of the search result (tb_tcid) in the result's order, as addCadres; with
// `lookup` (a condition on tb_cadre's columns: the count table's reverse lookup in force) only
// those that meet it, the cadres the result list shows. An empty result is refused with
// kNoResult.
Result<int> addSearchResult(db::Database& db, const Roster& roster, const QDate& today,
                            const QString& lookup = {});

// Removes the cadre's line and closes the gap in the orders.
Result<void> removeCadre(db::Database& db, const Roster& roster, int cadreId);
// Swaps the places of two cadres' lines (a move up or down onto the neighbour as shown).
Result<void> swapLines(db::Database& db, const Roster& roster, int cadreId, int otherCadreId);

// Whether the cadre of a line is still in the cadre library.
Result<bool> cadreExists(db::Database& db, int cadreId);

// The lines as the grid reads them, in order: every field of kRosterColumns plus McCadreID (the
// key) and brOrder. A dynamic roster reads the cadres' current data (ages on `today`) and shows
// no line whose cadre was deleted; a static one reads its copies (a field the copies lack reads
// as null).
db::PagedRows::Query linesQuery(db::Database& db, const Roster& roster, const QDate& today);

// The cadres of the rosters `rosterIds` that are not in the search result yet, appended to it
// with their sort keys (search::addCadres); the number appended. No roster is refused with
// kTickOneRoster.
Result<int> addRostersToResult(db::Database& db, const QList<int>& rosterIds);
// The where clause that selects from tb_cadre the cadres of the rosters `rosterIds` (not
// empty): "where (cadreid in(select McCadreID from tb_beadroll_detail where mcid in (…))) or(…)".
QString rosterCadresWhere(const QList<int>& rosterIds);
// The cadres of the rosters `rosterIds` that are still in the cadre library, each once, in the
// default order (gbOrd).
Result<QList<int>> cadresOfRosters(db::Database& db, const QList<int>& rosterIds);

}  // namespace rosters

#pragma once

#include "db/Result.h"

namespace db {
class Database;
}

// The lines of rosters (tb_beadroll_detail, tb_beadroll_mirror).
namespace documents {

// With no roster left (tb_beadroll empty), the lines that belonged to rosters go too, both
// tables in one transaction. Nothing is deleted when the rosters cannot be counted; the failure
// is returned.
Result<void> clearLinesWithoutRosters(db::Database& db);

}  // namespace documents

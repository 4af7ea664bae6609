#pragma once

#include "db/Result.h"

namespace db {
class Database;
}

namespace schema {

// Yes/no columns are never null: they start as No. A database written before its yes/no columns
// said so may still hold nulls in them; this stores No in every null yes/no value of every
// table, all in one transaction, and gives the number of values changed. On a failure nothing
// is changed. A database without such nulls is only read.
Result<int> clearYesNoNulls(db::Database& db);

}  // namespace schema

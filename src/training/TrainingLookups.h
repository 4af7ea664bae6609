#pragma once

#include <QStringList>

#include "db/Result.h"

namespace db {
class Database;
}

// The pick lists of the training dialogs, read from the look-up tables of the settings dialog.
namespace training {

// The training bodies (tb_pxjg.Name) in stored order.
Result<QStringList> bodyNames(db::Database& db);
// The fixed forms followed by the entries of tb_pxMode not among them.
Result<QStringList> formChoices(db::Database& db);
// The fixed categories followed by the entries of tb_pxType not among them.
Result<QStringList> categoryChoices(db::Database& db);

}  // namespace training

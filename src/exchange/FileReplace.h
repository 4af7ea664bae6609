#pragma once

#include <QString>

#include "db/Result.h"

namespace exchange {

// A new file name in the folder of `file`, for a copy that is written whole before it takes
// the place of `file`.
QString partialFileNextTo(const QString& file);

// Moves `from` over `to` in one step of the file system: afterwards `to` is either the old
// file or the new one, never a mixture.
Result<void> replaceFile(const QString& from, const QString& to);

}  // namespace exchange

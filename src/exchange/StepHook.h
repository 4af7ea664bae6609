#pragma once

#include <QString>
#include <functional>

#include "db/Result.h"

namespace exchange {

// Called by the long file operations (backup, restore, transfer) between their steps with the
// step about to begin; returning false stops the operation there, as a failure with
// kOperationStopped, leaving the working database as it was. Tests use it to stop (or end the
// process) at every step.
using StepHook = std::function<bool(const QString& step)>;

inline const QString kOperationStopped = QStringLiteral("操作已中止，数据库未作改动。");

// Asks `hook` (when set) whether `step` may begin.
inline Result<void> enterStep(const StepHook& hook, const QString& step) {
    if (hook && !hook(step)) {
        return Failure{kOperationStopped, {}};
    }
    return {};
}

}  // namespace exchange

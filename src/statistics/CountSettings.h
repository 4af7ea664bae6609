#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "db/Result.h"

namespace db {
class Database;
}

// The settings of the count table kept in tb_params: seven age bands, five post levels and
// five nationalities, each list with the label of its rest.
namespace statistics {

struct AgeBand {
    QString relation;  // "大于", "小于等于" or "介于"
    int first = 0;
    int second = 0;  // for "介于"
};

struct CountSettings {
    QList<AgeBand> bands;  // 7
    QStringList levels;    // 5 values (empty when unused)
    QString levelRest;
    QStringList nations;  // 5 values
    QString nationRest;
};

inline constexpr int kBandCount = 7;
inline constexpr int kListLength = 5;

// The settings as a new database holds them: ≤35, 36~40 … 56~60, >60 and "其他" for both rests.
CountSettings defaultSettings();

// The settings in tb_params; a list without rows gives its defaults.
Result<CountSettings> readSettings(db::Database& db);

// Replaces every row of tb_params with `settings`, in one transaction: the bands as "统计-年龄"
// (relation and ages), the levels as "统计-职级" and the nationalities as "统计-民族" (the
// value in params1), each list's rest last.
Result<void> saveSettings(db::Database& db, const CountSettings& settings);

}  // namespace statistics

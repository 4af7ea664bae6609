#include "cadre/EntryStatistics.h"

#include <QVariant>

#include "app/DataModule.h"
#include "db/Database.h"

namespace cadre {

namespace {

// The number of rows a select returns.
std::optional<int> rowCount(db::Database& db, const QString& select) {
    const auto result = db.query(select);
    if (!result) {
        return std::nullopt;
    }
    return static_cast<int>(result->rows.size());
}

}  // namespace

std::optional<EntryCounts> countEntries(TDataM& dm) {
    db::Database& db = dm.db();
    const auto cadres = rowCount(db, QStringLiteral("select CadreID from tb_Cadre"));
    const auto units =
        rowCount(db, QStringLiteral("select ID from tb_department where isdep=true"));
    const auto posts = rowCount(db, QStringLiteral("select ZwID from tb_cadre_zw"));
    if (!cadres || !units || !posts) {
        return std::nullopt;
    }
    return EntryCounts{*cadres, *units, *posts};
}

EntryStatistics::EntryStatistics(TDataM& dm, const EntryCounts& counts)
    : counts_(counts), history_(dm.db()) {}

bool EntryStatistics::fail(const QString& message) {
    lastError_ = message;
    return false;
}

bool EntryStatistics::openHistory() {
    if (!history_.open(QStringLiteral("select * from tb_totalInfor"))) {
        return fail(history_.lastError());
    }
    return true;
}

EntrySnapshot EntryStatistics::snapshot(int row) {
    EntrySnapshot s;
    if (!history_.moveTo(row)) {
        return s;
    }
    s.logTime = history_.value(QStringLiteral("LogTime")).toDateTime();
    s.counts.cadres = history_.integer(QStringLiteral("cadreNum"));
    s.counts.units = history_.integer(QStringLiteral("depNum"));
    s.counts.posts = history_.integer(QStringLiteral("zwNum"));
    return s;
}

bool EntryStatistics::save(const QDateTime& at) {
    if (saved_) {
        return fail(QStringLiteral("本次已经保存过统计信息。"));
    }
    if (!history_.isOpen() && !openHistory()) {
        return false;
    }
    const bool written = history_.append() && history_.setValue(QStringLiteral("LogTime"), at) &&
                         history_.setValue(QStringLiteral("cadreNum"), counts_.cadres) &&
                         history_.setValue(QStringLiteral("depNum"), counts_.units) &&
                         history_.setValue(QStringLiteral("zwNum"), counts_.posts) &&
                         history_.post();
    if (!written) {
        history_.cancel();
        return fail(history_.lastError());
    }
    saved_ = true;
    return true;
}

bool EntryStatistics::removeSnapshot(int row) {
    if (!history_.moveTo(row)) {
        return fail(QStringLiteral("请先在表格中选择要删除的项."));
    }
    if (!history_.remove()) {
        return fail(history_.lastError());
    }
    return true;
}

}  // namespace cadre

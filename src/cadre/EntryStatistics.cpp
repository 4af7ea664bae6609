#include "cadre/EntryStatistics.h"

#include <QVariant>

#include "app/DataModule.h"
#include "db/Database.h"

namespace cadre {

namespace {

// The number of rows a select returns.
Result<int> rowCount(db::Database& db, const QString& select) {
    const auto result = db.query(select);
    if (!result) {
        return Failure{{}, db.lastError()};
    }
    return static_cast<int>(result->rows.size());
}

}  // namespace

Result<EntryCounts> countEntries(TDataM& dm) {
    db::Database& db = dm.db();
    const auto cadres = rowCount(db, QStringLiteral("select CadreID from tb_Cadre"));
    const auto units =
        rowCount(db, QStringLiteral("select ID from tb_department where isdep=true"));
    const auto posts = rowCount(db, QStringLiteral("select ZwID from tb_cadre_zw"));
    for (const Result<int>* count : {&cadres, &units, &posts}) {
        if (!*count) {
            return count->failure();
        }
    }
    return EntryCounts{*cadres, *units, *posts};
}

EntryStatistics::EntryStatistics(TDataM& dm, const EntryCounts& counts)
    : counts_(counts), history_(dm.db()) {}

Result<void> EntryStatistics::openHistory() {
    if (!history_.open(QStringLiteral("select * from tb_totalInfor"))) {
        return Failure{{}, history_.lastError()};
    }
    return {};
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

Result<void> EntryStatistics::save(const QDateTime& at) {
    if (saved_) {
        return Failure{QStringLiteral("本次已经保存过统计信息。"), {}};
    }
    if (!history_.isOpen()) {
        const Result<void> opened = openHistory();
        if (!opened) {
            return opened;
        }
    }
    const bool written = history_.append() && history_.setValue(QStringLiteral("LogTime"), at) &&
                         history_.setValue(QStringLiteral("cadreNum"), counts_.cadres) &&
                         history_.setValue(QStringLiteral("depNum"), counts_.units) &&
                         history_.setValue(QStringLiteral("zwNum"), counts_.posts) &&
                         history_.post();
    if (!written) {
        const QString error = history_.lastError();
        history_.cancel();
        return Failure{{}, error};
    }
    saved_ = true;
    return {};
}

Result<void> EntryStatistics::removeSnapshot(int row) {
    if (!history_.moveTo(row)) {
        return Failure{QStringLiteral("请先在表格中选择要删除的项."), {}};
    }
    if (!history_.remove()) {
        return Failure{{}, history_.lastError()};
    }
    return {};
}

}  // namespace cadre

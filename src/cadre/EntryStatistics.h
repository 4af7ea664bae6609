#pragma once

#include <QDateTime>
#include <QString>

#include "db/Dataset.h"
#include "db/Result.h"

class TDataM;

// How much data has been entered, and the dated snapshots of these counts kept in
// tb_totalInfor so that the progress of data entry can be followed over time.
namespace cadre {

struct EntryCounts {
    int cadres = 0;  // every cadre of every library
    int units = 0;   // real units (isdep), not groupings
    int posts = 0;   // post rows, current and former

    friend bool operator==(const EntryCounts&, const EntryCounts&) = default;
};

// The three counts of the working database.
Result<EntryCounts> countEntries(TDataM& dm);

// One saved snapshot.
struct EntrySnapshot {
    QDateTime logTime;
    EntryCounts counts;
};

// One opening of the statistics window: the counts taken when it opened, the history of
// snapshots, and at most one new snapshot.
class EntryStatistics {
  public:
    EntryStatistics(TDataM& dm, const EntryCounts& counts);

    const EntryCounts& counts() const { return counts_; }

    // Reads the saved snapshots ("select * from tb_totalInfor"), in the order they were saved.
    Result<void> openHistory();
    int historyCount() const { return history_.recordCount(); }
    EntrySnapshot snapshot(int row);

    // Whether this opening may still save a snapshot.
    bool canSave() const { return !saved_; }
    // Appends the counts as a snapshot taken at `at`; refused once a snapshot of this opening is
    // saved. The new row joins the history.
    Result<void> save(const QDateTime& at);
    // Deletes the snapshot at history row `row`.
    Result<void> removeSnapshot(int row);

  private:
    EntryCounts counts_;
    db::Dataset history_;
    bool saved_ = false;
};

}  // namespace cadre

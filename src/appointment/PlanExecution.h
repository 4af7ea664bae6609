#pragma once

#include <QList>
#include <QString>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "appointment/ConsistencyCheck.h"
#include "cadre/CadreRecord.h"
#include "db/Database.h"
#include "db/Result.h"

class TDataM;

// Carrying out a decided plan line on the cadre record, step by step as the execution wizard
// walks through it: the result and opinion on the line, the removed posts ended, posts added,
// edited or deleted, and finally the cadre's current-post text, resume and corrected personal
// data saved. Every step runs inside one transaction that finish() commits; an execution that
// ends without finish() (cancelled, closed, failed) leaves the line, the posts, the memberships
// and the cadre exactly as they were. The post dialogs opened meanwhile write into the same
// transaction.
namespace appointment {

// Refusal of a result that is none of kResults.
inline const QString kBadResult =
    QStringLiteral("任免审批结果只能是“通过”、“未通过”或“部分通过”。");

// Refusal of "修 改" on the appointment page without a chosen post.
inline const QString kSelectPostToModify = QStringLiteral("请在列表中选中要修改的职务。");

// One current post of the cadre, as the wizard lists it.
struct ListedPost {
    int zwId = 0;
    QString unit;  // the unit's name in the tree, else the stored unit text
    QString post;
    QString appointed;  // rzsjstr
};

// The current-post text the cadre gets: his own when filled, else the line's proposed posts
// (nrz), else the line's current posts (xrz).
QString presetCurrentPosts(const QString& cadreXrz, const QString& lineNrz, const QString& lineXrz);

// Whether the line's resume is taken in preference to the cadre's: it has text, differs from
// the cadre's and has at least as many non-empty rows (cadre::resumeToTable).
bool lineResumeIsNewer(const QString& lineResume, const QString& cadreResume);

class PlanExecution {
  public:
    // Starts executing line `lineId`: reads the line and its cadre (kCadreDeleted when the cadre
    // is gone) and opens the transaction.
    static Result<std::unique_ptr<PlanExecution>> start(TDataM& dm, int lineId);

    // Rolls everything back unless finish() succeeded.
    ~PlanExecution() = default;
    PlanExecution(const PlanExecution&) = delete;
    PlanExecution& operator=(const PlanExecution&) = delete;

    // The line and the cadre as they stood when the execution started.
    const LineAndCadre& source() const { return source_; }

    // Records `result` (one of kResults, else kBadResult) and `opinion` as rmjg and spyj.
    Result<void> recordDecision(const QString& result, const QString& opinion);

    // The cadre's current posts in their order.
    Result<std::vector<ListedPost>> currentPosts();

    // Ends the current posts `zwIds` of the cadre with the removal month `typedMonth` (the entry
    // pattern): they become former posts with that month, and the current-post texts and
    // memberships follow. No post: nothing happens. A month that is empty or not a month of
    // 1900 or later is refused with cadre::kBadRemovalMonth, one before a post's appointment
    // with cadre::kRemovalBeforeAppointment; a refusal changes nothing.
    Result<void> endPosts(const QList<int>& zwIds, const QString& typedMonth);

    // Deletes the cadre's current post `zwId`; the current-post texts follow.
    Result<void> deletePost(int zwId);

    // The cadre record as it stands now, after the post changes made so far.
    Result<cadre::CadreValues> cadreNow();

    // The resume the wizard offers: the line's, written in the resume row format, when
    // lineResumeIsNewer(), else the cadre's.
    QString presetResume() const;
    bool lineResumeNewer() const;

    // Closes the gap that each membership of the cadre deleted during the execution (a unit
    // left by ending or deleting its posts) leaves in its unit's order, saves `edits` (tb_cadre
    // columns) into the cadre through the cadre save routine, so that the derived columns
    // follow (an edited xrz is copied to allZwList, as the current-post refresh does; a resume
    // gzjl is written in the resume row format), and commits everything. A refusal (the save
    // routine's message) or a failure leaves the transaction open, so the caller can correct and
    // finish again, or drop the execution.
    Result<void> finish(const cadre::CadreValues& edits);

  private:
    PlanExecution(TDataM& dm, LineAndCadre source);
    // The cadre's memberships: unit and order by CnID.
    Result<std::map<qint64, std::pair<int, int>>> memberships();
    Result<void> closeLeftGaps();

    TDataM& dm_;
    LineAndCadre source_;
    std::map<qint64, std::pair<int, int>> membershipsAtStart_;
    db::Transaction transaction_;
};

}  // namespace appointment

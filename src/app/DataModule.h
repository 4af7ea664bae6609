#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

#include "app/LoginSession.h"
#include "db/Database.h"
#include "db/Dataset.h"

// The data module: the one working database of the program, the machine settings, and the
// small database helpers every window uses. It is created once at start and reached by
// reference; nothing in it is global.
class TDataM {
  public:
    // `appDir` is the data root (ends with "/"); see app::appDir().
    explicit TDataM(const QString& appDir);
    TDataM(const TDataM&) = delete;
    TDataM& operator=(const TDataM&) = delete;

    // Start-up: finds or creates Db/Cadre.db, opens it, reads the users who may log in and, when
    // there is one, calls `login` (which shows the login dialog and returns true on "OK").
    // Failures are shown through the message service. Returns false, with StartAborted set,
    // when start-up cannot go on.
    using LoginRunner = std::function<bool(TDataM&)>;
    bool create(const LoginRunner& login);

    bool StartAborted = false;
    bool FirstRun = false;
    QString AppDir;
    QString DbDir;

    db::Database& db() { return db_; }
    // The rows of tb_manager that may log in, open while the login runs.
    db::Dataset& loginUsers() { return users_; }
    LoginSession& session() { return session_; }
    const LoginSession& session() const { return session_; }

    // Machine settings: section "干部管理" of Db/CONF.ini. A value never written reads "".
    QString GetSetting(const QString& name) const;
    void PutSetting(const QString& name, const QString& value);

    // Keyed configuration values in tb_conf. SetConf updates an existing (gid, item) row and
    // inserts only when there is none.
    Result<QString> GetConf(const QString& gid, const QString& itemId);
    Result<void> SetConf(const QString& gid, const QString& itemId, const QString& value);

    // Next sort orders: the largest order of the group plus one (1 for an empty group); a
    // failure when the group cannot be read.
    Result<int> NextCadreOrder();
    Result<int> NextChildUnitOrder(int parentId);
    Result<int> NextMemberOrder(int unitId);
    Result<int> NextFamilyOrder(int cadreId);
    Result<int> NextCurrentPostOrder(int cadreId);
    Result<int> NextFormerPostOrder(int cadreId);
    Result<int> NextRosterLine(int rosterId);
    Result<int> NextRosterCopyLine(int rosterId);
    Result<int> NextPlanLine(int planId);
    Result<int> NextTraineeOrder(int classId);

    // The largest value of a column (0 for an empty table); the names are the program's own.
    Result<int> MaxId(const QString& column, const QString& table);
    // The number of cadre records, counted by the database.
    Result<int> CadreCount();
    // The first `column` of `table` whose `keyColumn` equals `value`, as text ("" when none).
    Result<QString> LookUp(const QString& column, const QString& table, const QString& keyColumn,
                           const QString& value);
    // The unit's name; empty when there is no such unit.
    Result<QString> UnitName(int unitId);
    // The name (xm) of cadre `cadreId`; empty when there is no such cadre.
    Result<QString> CadreName(int cadreId);
    // The name of the organisation the database belongs to (tb_general.name).
    Result<QString> OrganisationName();
    Result<int> UnitLevel(int unitId);
    Result<QString> UnitIndex(int unitId);
    Result<bool> IsMember(int cadreId, int unitId);

    // The names of a typed name list that exist among the cadres, one per line (see the
    // implementation for the matching rule).
    Result<QString> MatchNameList(const QString& names);

    // Copies the current row of `source` into the current (appended or edited) row of `target`:
    // every non-null field that is not excluded and that the target has; "True"/"False" texts
    // become yes/no values. Posts the target when anything was copied, else cancels it.
    static bool CopyRecord(const db::Dataset& source, db::Dataset& target,
                           const QStringList& excluded = {});

    // Rewrites the working database without its free space.
    Result<void> CompactDatabase();

    // A new, unused file name in `folder` (created when missing).
    static QString TempFileName(const QString& folder,
                                const QString& prefix = QStringLiteral("~TM"));

    // State of a post quota: "超编" (over), "持平" (equal) or "缺编" (under).
    static QString QuotaState(int currentHolders, int quota);
    // State of a reminder on `today`: -1 not begun, 0 running, 1 ended (dates only).
    static int PlanStatus(const QVariant& beginT, const QVariant& endT, const QDate& today);
    // Marks a reminder being posted as the logged-in user's.
    void BeforePostPlan(db::Dataset& plan) const;

  private:
    Result<void> openDatabase();
    Result<void> readLoginUsers();

    db::Database db_;
    db::Dataset users_;
    LoginSession session_;
};

#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <vector>

#include "db/Result.h"

namespace db {
class Database;
}

// The roster headers (tb_beadroll). A roster is a named, ordered list of cadres: a dynamic one
// (mirror false) keeps references in tb_beadroll_detail and always shows the cadres' current
// data; a static one (mirror true) keeps a copy of each cadre in tb_beadroll_mirror. The kind is
// chosen when the roster is made and never changes, so its lines always live in one table.
namespace rosters {

inline const QString kNeedRoster = QStringLiteral("请先<新建名册>.");
inline const QString kNothingToDelete = QStringLiteral("没有要删除的名册.");
inline const QString kSelectRosterToEdit = QStringLiteral("请在左侧<名册管理>列表中选中当前名册。");
inline const QString kNoRosterToJoin = QStringLiteral("没有名册，无法加入!");
inline const QString kTickOneRoster = QStringLiteral("请至少选中一个名册.");
inline const QString kNoResult = QStringLiteral("当前没有查询结果，请先查询出特定的干部!");
inline const QString kSelectToView = QStringLiteral("请先在表格中选择要查看的项.");
inline const QString kSelectToRemove = QStringLiteral("请先在表格中选择要去除的干部.");
inline const QString kCadreGone = QStringLiteral("此干部已经从基本信息库中删除!");
inline const QString kUpdating = QStringLiteral("正在更新数据,请等待......");
inline const QString kJoining = QStringLiteral("正在加入名册,请等待......");
inline const QString kNameNeeded = QStringLiteral("请输入名册名称。");

// One roster header.
struct Roster {
    int id = 0;
    QString name;
    int year = 0;
    bool isStatic = false;
    QDateTime modified;  // invalid when never set
};

// What the header dialog sets.
struct RosterHeader {
    QString name;
    int year = 0;
    bool isStatic = false;
};

// The order the rosters are read in: by year then id (the tree), or newest year first (the
// choice of one roster to save a search result into).
enum class RosterOrder { ByYear, NewestYearFirst };

Result<std::vector<Roster>> listRosters(db::Database& db, RosterOrder order = RosterOrder::ByYear);
// The roster `id`; a failure when it is not there any more.
Result<Roster> readRoster(db::Database& db, int id);

// Makes a roster from `header` (its name is also kept as mcdesc and as pinyin initials in mcpy;
// the change time is now); its id. An empty name is refused with kNameNeeded.
Result<int> createRoster(db::Database& db, const RosterHeader& header);
// Renames the roster or moves it to another year; its kind stays as it was made.
Result<void> updateRoster(db::Database& db, int id, const RosterHeader& header);
// Deletes the roster with its lines, in one transaction.
Result<void> deleteRoster(db::Database& db, int id);

// The texts of a roster's page: "<name>(静态)" / "<name>(动态)", "名册管理" with no roster.
QString pageCaption(const Roster* roster);
// The confirmation of deleting a roster: "确认删除名册 <name> ?".
QString deleteQuestion(const QString& name);
// The confirmation of removing a cadre from a roster: "确认从名册中去除干部 <name> ?".
QString removeQuestion(const QString& name);
// The year node of the tree: "<year>年".
QString yearCaption(int year);
// The list text of roster ids that statements take: "(<id1>,<id2>,…)".
QString idListText(const QList<int>& ids);

}  // namespace rosters

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

#include "db/Result.h"

namespace db {
class Database;
}

// The look-up lists of "软件设置": ranks (tb_zj), education levels (tb_xl) and the other
// parameter lists (picker lists in tb_general, code groups in tb_conf). The writers run inside
// the caller's transaction (settings::saveSettings).
namespace settings {

// A name with its level: a rank (smaller is higher) or an education level (larger is higher).
struct LeveledName {
    QString name;
    int level = 0;
    // The name and level of the stored row the entry was read from, by which writing finds that
    // row to change in place; nothing for an entry added since.
    std::optional<std::pair<QString, int>> stored = std::nullopt;
    // Entries are equal when they give the same name the same level, wherever they come from.
    bool operator==(const LeveledName& other) const {
        return name == other.name && level == other.level;
    }
};

inline const QString kRankNote =
    QStringLiteral("注意：职级设置根据国家公务员管理规定定义，等级数值越小，职级越高。");
inline const QString kRankSortNote = QStringLiteral("系统将根据等级值定义自动排序。");
inline const QString kEducationNote = QStringLiteral("注意：学历对应的等级值越大，学历越高。");
inline const QString kEditingOff = QStringLiteral("编辑功能未打开,请选择<允许修改>启用编辑。");
inline const QString kDeleteRank = QStringLiteral("删除当前选中的职级?");
inline const QString kDeleteEducation = QStringLiteral("删除当前选中的学历?");
inline const QString kDeleteItem = QStringLiteral("删除当前选中项?");

// Ranks by level, highest first; education levels as stored.
Result<QList<LeveledName>> readRanks(db::Database& db);
Result<QList<LeveledName>> readEducations(db::Database& db);
// Makes the table hold the named entries (blank names are dropped), row by row: an entry read
// from a row changes only that row's name and level, so the row's other columns stay; a row no
// entry was read from is deleted; an entry added since, or whose row has gone, is a new row.
Result<void> writeRanks(db::Database& db, const QList<LeveledName>& ranks);
Result<void> writeEducations(db::Database& db, const QList<LeveledName>& educations);

// The other parameter lists, in the order of the "参数" list.
enum class ParamList { Rzyy, Gbly, Rzw, Jtcy, Gbsf, Rmzt };
inline constexpr int kParamListCount = 6;
inline const QStringList kParamListCaptions = {
    QStringLiteral("任职原因"),     QStringLiteral("干部来源"), QStringLiteral("任职务"),
    QStringLiteral("家庭成员称谓"), QStringLiteral("人员类别"), QStringLiteral("任免环节")};

// The built-in content of a list; empty for the picker lists of tb_general.
QStringList defaultParams(ParamList list);
// "恢复默认" on a list that has nothing to restore.
inline const QString kNoFactoryParams = QStringLiteral("该参数没有可恢复的默认内容。");
// What "恢复默认" gives a list: the built-in content of a code group (GBSF, RMZT), or, for a
// picker list of tb_general, the list that the template database `templateFile` holds. A failure
// when the template cannot be read, and kNoFactoryParams when there is no item: restoring never
// empties a list.
Result<QStringList> factoryParams(const QString& templateFile, ParamList list);
// A list's items; an empty code group (GBSF, RMZT) gives its built-in content.
Result<QStringList> readParams(db::Database& db, ParamList list);
// Replaces a list with the non-blank lines of `items`, keeping their order.
Result<void> writeParams(db::Database& db, ParamList list, const QStringList& items);

}  // namespace settings

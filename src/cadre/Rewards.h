#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

#include "db/Result.h"

namespace db {
class Database;
}

// A cadre's rewards and punishments (tb_jc), listed by date on the tabs "奖类" and "惩类".
namespace cadre {

inline const QString kRewardKind = QStringLiteral("奖类");
inline const QString kPunishmentKind = QStringLiteral("惩类");

inline const QStringList kRewardCategories = {
    QStringLiteral("工作成绩奖励"),     QStringLiteral("科学技术奖励"),
    QStringLiteral("文艺新闻出版奖励"), QStringLiteral("其他奖励"),
    QStringLiteral("荣誉称号"),         QStringLiteral("荣誉奖章")};
inline const QStringList kPunishmentCategories = {QStringLiteral("纪律处分"),
                                                  QStringLiteral("刑事处罚")};

inline const QString kSelectRecordToDelete = QStringLiteral("请在列表中选中要删除的记录。");
inline const QString kDeleteRecordQuestion = QStringLiteral("确认删除该记录");
inline const QString kRecordGone = QStringLiteral("该记录已不存在。");

// The list of one tab: the cadre's rows of `kind` (kRewardKind or kPunishmentKind) that are kept
// for the cadre (dxType 0 or empty), by date.
QString rewardListStatement(int cadreId, const QString& kind);

// One reward or punishment as the dialog shows and saves it.
struct RewardRecord {
    int id = 0;  // 0: a new record
    int cadreId = 0;
    QString kind;         // jclbx
    QString category;     // jclb
    QString name;         // jcmc
    QString body;         // jcjg 批准机关
    QDate date;           // jcsj 批准时间; null when not given
    QString reason;       // jcyy
    QString remark;       // jcsm
    QString honourLevel;  // A14Z207, rewards only: the code of the level (kHonourCodes under L0)
};

// Record `id` of cadre `cadreId`; nullopt when there is none.
Result<std::optional<RewardRecord>> readReward(db::Database& db, int cadreId, int id);

// The names the name picker offers for `category` of `kind`: the kinds under the category in
// the reward and punishment categories (ZB19-94/JCLB), and for honour titles and medals the
// honours of that group, for criminal penalties the penalties (ZB68-2006/XSCF).
Result<QStringList> rewardNameChoices(db::Database& db, const QString& kind,
                                      const QString& category);

// Saves a new record (dxType 0) or edits one; the honour level is kept only for rewards. The
// value is the record's id; an edited record that is not the cadre's is refused with
// kRecordGone.
Result<int> saveReward(db::Database& db, const RewardRecord& record);

Result<void> deleteReward(db::Database& db, int cadreId, int id);

}  // namespace cadre

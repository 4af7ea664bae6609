#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <vector>

#include "db/Result.h"

namespace db {
class Database;
}

// The handheld export ("PDA（掌上电脑）数据导出"): the wizard's choices are checked, written to
// the instruction file and handed to the converter cadre-handheld, which builds the device
// database encrypted with the password. The password never goes to disk: the converter reads it
// from its standard input.
namespace exchange {

inline const QString kHandheldCaption = QStringLiteral("PDA（掌上电脑）数据导出");
inline const QString kPasswordsDiffer = QStringLiteral("两次设置的口令不一致！");
inline const QString kNoOutputChosen = QStringLiteral("请选择输出文件位置！");
inline const QString kNoPassword = QStringLiteral("请设置登陆口令！");
inline const QString kNoContentChosen = QStringLiteral("请选择导出内容！");
inline const QString kNoUnitChosen = QStringLiteral("请选择所在单位！");
inline const QString kOutputIsWorking =
    QStringLiteral("输出文件不能是正在使用的工作数据库，请选择其他文件！");
inline const QString kHandheldDone = QStringLiteral("掌上电脑数据生成完成！");
inline const QString kConverterMissing = QStringLiteral("找不到掌上电脑数据生成程序：");
inline const QString kConverterFailed = QStringLiteral("掌上电脑数据生成失败：");
inline const QString kInstructionsUnwritable = QStringLiteral("无法写入导出说明文件：");
inline const QString kHandheldFilter = QStringLiteral("掌上电脑数据库 (*.db)");
inline const QString kHandheldWorking = QStringLiteral("正在生成掌上电脑数据库...");

// What the user chose in the wizard.
struct HandheldChoice {
    bool allCadres = true;
    QList<int> unitIds;  // for "按条件筛选": the members of these units
    int content = 0;     // sum of handheld::Content
    QString output;
    QString password;
    QString confirmation;
    int delTimes = 5;
};

// Refuses an incomplete choice with the message to show: passwords that differ, no output
// file or the working database `workingDatabase` as output, no password, nothing to export, or
// no unit for "按条件筛选".
Result<void> checkHandheldChoice(const HandheldChoice& choice, const QString& workingDatabase);

// Writes the instruction file (section "PDAOUT"): the keys the converter reads, and never the
// password; a "PWD" left by an older program is removed.
Result<void> writeInstructionFile(const QString& iniFile, const HandheldChoice& choice,
                                  const QString& workingDatabase);

// Runs the converter on the instruction file, hands it the password on its standard input and
// passes each line it prints to `onLine`; a failure carries what it wrote to standard error.
Result<void> runConverter(const QString& program, const QString& iniFile, const QString& password,
                          const std::function<void(const QString&)>& onLine);

// A unit as the wizard lists it, in the order of the tree.
struct UnitEntry {
    int id = 0;
    int parentId = 0;
    QString name;
};
Result<std::vector<UnitEntry>> unitsInTreeOrder(db::Database& db);

}  // namespace exchange

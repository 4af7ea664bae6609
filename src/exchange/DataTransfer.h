#pragma once

#include <QString>
#include <QStringList>

#include "db/Result.h"
#include "exchange/StepHook.h"

namespace db {
class Database;
}

// The whole data set moved between the working database and a single-machine database file
// ("从单机版中恢复", "导出至单机版"). Every table that holds the organisation's data is copied:
// units, cadres and everything recorded on a cadre, plans, rosters, training, stored files,
// reminders and the code lists the records use; accounts, settings, templates and working
// tables stay those of the target. The target numbers its keys afresh (1, 2, ... in the order
// of the source's keys); each reference is carried over through a table that maps every old key
// to its new one, so that no reference is moved twice. References to nothing (0, empty or
// negative) stay as they are; a reference to a row that does not exist becomes empty.
namespace exchange {

inline const QString kRestoreFromSingleCaption = QStringLiteral("从单机版中恢复");
inline const QString kExportToSingleCaption = QStringLiteral("导出至单机版");
inline const QString kRestoreWarning =
    QStringLiteral("注意：恢复后，现有数据库中的数据将被完全清除！");
inline const QString kChooseSourceLabel = QStringLiteral("选择单机数据库的位置：");
inline const QString kChooseTargetLabel = QStringLiteral("选择导出的单机数据库的位置：");
inline const QString kExportHint = QStringLiteral("备份后，使用单机版软件“恢复”即可使用。");
inline const QString kNoSourceChosen = QStringLiteral("请选择要恢复的单机版数据库！");
inline const QString kSourceUnreadable = QStringLiteral("无法打开制定的单机数据库！");
inline const QString kTemplateMissing =
    QStringLiteral("没有找到单机版的数据库模版，请重新安装软件！");
inline const QString kTemplateUnreadable =
    QStringLiteral("打开单机版的数据库模版错误，请重新安装软件！");
inline const QString kNoTargetChosen = QStringLiteral("请选择导出的单机数据库的位置！");
inline const QString kSameAsWorking =
    QStringLiteral("所选文件是正在使用的工作数据库，请选择其他文件！");
inline const QString kTransferDone = QStringLiteral("数据转移完成！");
inline const QString kImporting = QStringLiteral("正在导入...");
inline const QString kExporting = QStringLiteral("正在导出...");
inline const QString kSingleFileFilter = QStringLiteral("单机版数据库 (*.db)");

// The tables whose rows are transferred, in the order they are copied.
QStringList transferredTables();

// Step names handed to the step hook: kStepClear before the target is emptied, then the name of
// each table before it is copied, then kStepCommit before the copy is made permanent.
inline const QString kStepClear = QStringLiteral("清除现有记录");
inline const QString kStepCommit = QStringLiteral("保存");

// Replaces the data of the working database `working` by that of the single-machine file
// `source`, in one transaction: refused (a file that is no database of this program, or the
// working file itself) or
// failing, nothing changes. Before it starts, a consistent copy of the working database is
// written to `keptCopy`.
Result<void> restoreFromSingleFile(db::Database& working, const QString& source,
                                   const QString& keptCopy, const StepHook& hook = {});

// Writes the data of `working` into a new single-machine file `target` made from the empty
// template `templateFile`; the file is built beside `target` and takes its place only when
// complete; the working file itself is refused as target. The working database is only read.
Result<void> exportToSingleFile(db::Database& working, const QString& templateFile,
                                const QString& target, const StepHook& hook = {});

}  // namespace exchange

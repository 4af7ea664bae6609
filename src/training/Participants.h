#pragma once

#include <QList>
#include <QString>
#include <vector>

#include "db/Result.h"

namespace db {
class Database;
}

// The participants of a training class (tb_pxCadre): one row per cadre in the class, ordered by
// ord, which stays 1..n without gaps. The cadre's name and current post are copied in when the
// cadre joins, so the class list survives later changes of the record.
namespace training {

inline const QString kNeedClassToAdd = QStringLiteral("请在左侧选择或添加一个培训班.");
inline const QString kNeedClass = QStringLiteral("请先选择或新建一个培训班.");
inline const QString kSelectToView = QStringLiteral("请先在表格中选择要查看的项.");
inline const QString kCadreGone = QStringLiteral("此干部已经从基本信息库中删除!");
inline const QString kAlreadyInClass = QStringLiteral("不能重复加入培训班。");
inline const QString kUpdating = QStringLiteral("正在更新数据,请等待......");
inline const QString kEditHint =
    QStringLiteral("请在表中直接编辑，编辑完成后再次点击本按钮恢复查看状态。");

struct Participant {
    int id = 0;
    int classId = 0;
    int cadreId = 0;
    int order = 0;
    QString name;     // CName
    QString post;     // xrz
    QString leave;    // qj 请假
    QString absence;  // qx 缺席
    QString paper;    // lwcj 论文成绩
    QString credits;  // xf 学分
    QString opinion;  // yj 培训意见
    QString note;     // note 备注
};

// The attendance columns that the grid edits directly, in grid order.
enum class Attendance { Leave, Absence, Paper, Credits, Opinion, Note };

// The class's participants in list order.
Result<std::vector<Participant>> listParticipants(db::Database& db, int classId);

// Appends each of `cadreIds` not yet in the class, in the given order, after the class's last
// participant, copying name, current post and (from the main window) the in-service education;
// all in one transaction. Returns how many were added; cadres already there are skipped.
Result<int> addParticipants(db::Database& db, int classId, const QList<int>& cadreIds);
// Adds one cadre to the class from the cadre editor: a cadre already in the class is refused
// with kAlreadyInClass; the education columns are left empty.
Result<void> joinClass(db::Database& db, int classId, int cadreId);

// Removes the participant row and closes the gap in the orders, in one transaction.
Result<void> removeParticipant(db::Database& db, int participantId);
// Removes the cadre from every class it attended, closing the gap in each class's orders, in
// one transaction (the deletion of a cadre).
Result<void> removeCadreFromClasses(db::Database& db, int cadreId);
// Swaps the participant with its neighbour above (step -1) or below (step +1); at either end
// nothing changes.
Result<void> moveParticipant(db::Database& db, int participantId, int step);
// Sets one attendance value of a participant.
Result<void> setAttendance(db::Database& db, int participantId, Attendance column,
                           const QString& value);

// The confirmation of removing a participant: "确实从培训班中删除干部 <name>?".
QString removeQuestion(const QString& name);

}  // namespace training

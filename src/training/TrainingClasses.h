#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "db/Result.h"

namespace db {
class Database;
}

// Training classes (tb_px): one row per class with its dates, length in days, body, form,
// category and level. A class owns its participant rows (tb_pxCadre); deleting a class deletes
// them with it, while a cadre's standalone records (tb_pxCadre2) never belong to a class.
namespace training {

inline const QString kNameNeeded = QStringLiteral("培训班名称不能为空");
inline const QString kEndBeforeStart = QStringLiteral("结束时间不能小于开始时间.");
inline const QString kNoClassToDelete = QStringLiteral("没有要删除的培训班.");
inline const QString kClassGone = QStringLiteral("此培训班已被删除。");
inline const QString kUnknownYear = QStringLiteral("<未知>");

// The fixed choices of the class dialog; the forms and categories are extended by the entries
// of tb_pxMode and tb_pxType.
extern const QStringList kForms;       // 培训方式
extern const QStringList kCategories;  // 培训类别
extern const QStringList kLevels;      // 培训级别 (pxMethod)

struct TrainingClass {
    int id = 0;  // 0 for a class not stored yet
    QString name;
    QDate start;  // invalid when not set
    QDate end;
    int days = 0;      // whole days from start to end, plus 1; 0 while a date is missing
    QString body;      // pxjg
    QString form;      // pxType
    QString category;  // pxType1
    QString level;     // pxMethod
    QString content;   // pxjj
    QString trips;     // pxkc
    int year = 0;      // timeYear: the start's year, 0 without a start
};

// The length of a class: whole days from `start` to `end` plus 1; 0 while either date is
// missing; kEndBeforeStart when the end lies before the start.
Result<int> classDays(const QDate& start, const QDate& end);

// Every class ordered by year (then id), as the class tree shows them.
Result<std::vector<TrainingClass>> listClasses(db::Database& db);
// The classes that `where` (a clause from queryWhere, may be empty) selects, ordered by id.
Result<std::vector<TrainingClass>> findClasses(db::Database& db, const QString& where);
// The class `id`; a failure when it is gone.
Result<TrainingClass> readClass(db::Database& db, int id);

// Stores `c` (a new row when its id is 0, else the row of its id) and returns its id. The name
// is required (kNameNeeded), the dates must be in order (kEndBeforeStart); the day count and the
// year are derived from the dates. A refused class writes nothing.
Result<int> saveClass(db::Database& db, const TrainingClass& c);
// Deletes the class and its participant rows in one transaction; standalone records stay.
Result<void> deleteClass(db::Database& db, int id);

// The confirmation of deleting a class: "确认删除培训班 <name>?".
QString deleteQuestion(const QString& name);

}  // namespace training

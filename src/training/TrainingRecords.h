#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "db/Result.h"

namespace db {
class Database;
}

// A cadre's training history: the classes the cadre attended (tb_pxCadre joined with tb_px)
// together with the cadre's standalone records that belong to no class (tb_pxCadre2).
namespace training {

inline const QString kRecordNeeded = QStringLiteral("请输入培训信息");
inline const QString kPickClass = QStringLiteral("请选择培训班！");
inline const QString kLeaveClassQuestion = QStringLiteral("从当前培训班中删除？");
inline const QString kDeleteRecordQuestion = QStringLiteral("确认删除此培训记录？");
inline const QString kSelectRecord = QStringLiteral("请先选择一条培训记录。");

struct TrainingRecord {
    int id = 0;       // tb_pxCadre.ID for an attendance, tb_pxCadre2.ID for a standalone record
    int classId = 0;  // the class of an attendance; 0 for a standalone record
    QString name;     // pxName
    QDate start;
    QDate end;
    int days = 0;
    QString body;      // pxjg
    QString level;     // pxMethod
    QString category;  // pxType1
    QString form;      // pxType
    bool isStandalone() const { return classId == 0; }
};

// The cadre's attendances and standalone records together, ordered by start date (records
// without a start first), attendances before standalone records on the same date.
Result<std::vector<TrainingRecord>> trainingHistory(db::Database& db, int cadreId);

// Stores a standalone record of the cadre (a new row when its id is 0) and returns its id. The
// name is required (kRecordNeeded) and the dates must be in order; the day count is derived.
Result<int> saveStandaloneRecord(db::Database& db, int cadreId, const TrainingRecord& record);
// Deletes a record of the history: the attendance row of a class (closing the gap in the
// class's orders), or the standalone row.
Result<void> deleteRecord(db::Database& db, const TrainingRecord& record);

}  // namespace training

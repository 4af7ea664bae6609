#pragma once

#include <QString>

#include "db/Result.h"

// The class search "查找培训班信息": each filled field adds one condition on tb_px, all joined by
// "and" after " where "; no field filled gives an empty clause.
namespace training {

inline const QString kBadQueryDate =
    QStringLiteral("培训时间格式不正确，请按“年-月-日”输入，如 2012-07-15。");

struct ClassQuery {
    QString name;          // 培训名称, matched anywhere in pxName
    QString from;          // 培训时间 from, a day typed as "yyyy-m-d" (or a month)
    QString to;            // 培训时间 to
    QString level;         // 培训种类 (pxMethod)
    QString category;      // 培训类别 (pxType1)
    QString participants;  // 参训人员: one name or several separated by "，"
};

// The where clause of `query`, with its leading " where " (empty when nothing is filled); a date
// that is not a day is refused with kBadQueryDate. Participants are looked for by their names as
// stored, however they were typed ("王五" finds "王  五", cadre::nameIsOneOf).
Result<QString> classWhere(const ClassQuery& query);

}  // namespace training

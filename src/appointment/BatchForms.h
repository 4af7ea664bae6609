#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

#include "appointment/ApprovalForm.h"
#include "db/Result.h"

namespace db {
class Database;
}

// Approval forms of many plan lines at once: one printed document, or a Word file per line.
namespace appointment {

// The most forms one batch output holds.
inline constexpr int kBatchLimit = 256;
inline const QString kBatchTooLarge = QStringLiteral("每次批量打印最多256个。");
inline const QString kBatchDone = QStringLiteral("导出完成!");
inline const QString kBatchNothingChecked = QStringLiteral("请先选择要输出的干部.");

// Called after each form with the number done; returning false stops the batch.
using BatchProgress = std::function<bool(int done)>;

// The forms of `lineIds`, in this order, one after the other in one layout (two pages each).
// Lines that are gone are left out. A stopped batch gives the forms made so far.
Result<report::Layout> batchLayout(db::Database& db, const QList<int>& lineIds,
                                   const ApprovalSettings& settings, const BatchProgress& progress);

// Writes the Word form of each of `lineIds` into `folder` (<xm>.docx each); returns the paths
// written. A stopped batch gives the files written so far.
Result<QStringList> batchDocuments(db::Database& db, const QList<int>& lineIds,
                                   const ApprovalSettings& settings, const QString& templatePath,
                                   const QString& folder, const QDate& today,
                                   const BatchProgress& progress);

}  // namespace appointment

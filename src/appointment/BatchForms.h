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

// Approval forms of many plan lines or cadre records at once: one printed document, or a Word
// file each.
namespace appointment {

// The most forms one batch output holds.
inline constexpr int kBatchLimit = 256;
inline const QString kBatchTooLarge = QStringLiteral("每次批量打印最多256个。");
inline const QString kBatchDone = QStringLiteral("导出完成!");
inline const QString kBatchNothingChecked = QStringLiteral("请先选择要输出的干部.");
inline const QString kNoCadresListed = QStringLiteral("当前列表中没有干部，无法批量打印。");

// One row of a batch output's list: its key (a plan line, or the cadre for records), its cadre,
// name and sex.
struct BatchRow {
    int key = 0;
    int cadreId = 0;
    QString xm;
    QString xb;
};

// The lines of plan `planId`, in the plan's order.
Result<QList<BatchRow>> planBatchRows(db::Database& db, int planId);

// The cadres `cadreIds` still in tb_cadre, in this order, each once.
Result<QList<BatchRow>> recordBatchRows(db::Database& db, const QList<int>& cadreIds);

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

// The forms a batch of cadre records can give: the approval form of the live record, or its
// first page as the short profile.
enum class RecordForm { Approval, ShortProfile };

// The Word template that `form` is written from.
QString recordFormTemplate(RecordForm form);

// The forms of `cadreIds` from their records, in this order, in one layout; ages count to
// `today`. Cadres that are gone are left out; a stopped batch gives the forms made so far.
Result<report::Layout> recordBatchLayout(db::Database& db, const QList<int>& cadreIds,
                                         RecordForm form, const ApprovalSettings& settings,
                                         const QDate& today, const BatchProgress& progress);

// Writes the Word form of each of `cadreIds` into `folder` (<xm>.docx each); returns the paths
// written. A stopped batch gives the files written so far.
Result<QStringList> recordBatchDocuments(db::Database& db, const QList<int>& cadreIds,
                                         RecordForm form, const ApprovalSettings& settings,
                                         const QString& templatePath, const QString& folder,
                                         const QDate& today, const BatchProgress& progress);

}  // namespace appointment

#include "appointment/BatchForms.h"

#include "appointment/ApprovalDocument.h"
#include "db/Database.h"

namespace appointment {

Result<report::Layout> batchLayout(db::Database& db, const QList<int>& lineIds,
                                   const ApprovalSettings& settings,
                                   const BatchProgress& progress) {
    report::Layout all(approvalPageSetup(settings));
    int done = 0;
    for (const int lineId : lineIds) {
        const auto source = readApprovalSource(db, lineId);
        if (!source) {
            return source.failure();
        }
        if (*source) {
            const report::Layout form = approvalFormLayout(**source, settings);
            for (int page = 0; page < form.pageCount(); ++page) {
                const int target = all.addPage();
                for (const report::Cell& cell : form.cells(page)) {
                    all.add(target, cell);
                }
            }
        }
        if (progress && !progress(++done)) {
            break;
        }
    }
    return all;
}

Result<QStringList> batchDocuments(db::Database& db, const QList<int>& lineIds,
                                   const ApprovalSettings& settings, const QString& templatePath,
                                   const QString& folder, const QDate& today,
                                   const BatchProgress& progress) {
    QStringList written;
    int done = 0;
    for (const int lineId : lineIds) {
        const auto source = readApprovalSource(db, lineId);
        if (!source) {
            return source.failure();
        }
        if (*source) {
            const Result<QString> path =
                writeApprovalDocument(**source, settings, templatePath, folder, today);
            if (!path) {
                return path.failure();
            }
            written << *path;
        }
        if (progress && !progress(++done)) {
            break;
        }
    }
    return written;
}

}  // namespace appointment

#include "appointment/BatchForms.h"

#include "appointment/ApprovalDocument.h"
#include "appointment/CadreApprovalForm.h"
#include "db/Database.h"

namespace appointment {

namespace {

using SourceReader = std::function<Result<std::optional<ApprovalSource>>(int key)>;

// Appends the pages of `form` to `all`.
void appendPages(report::Layout& all, const report::Layout& form) {
    for (int page = 0; page < form.pageCount(); ++page) {
        const int target = all.addPage();
        for (const report::Cell& cell : form.cells(page)) {
            all.add(target, cell);
        }
    }
}

Result<report::Layout> layoutOf(const QList<int>& keys, const SourceReader& read,
                                const report::PageSetup& page,
                                const std::function<report::Layout(const ApprovalSource&)>& formOf,
                                const BatchProgress& progress) {
    report::Layout all(page);
    int done = 0;
    for (const int key : keys) {
        const auto source = read(key);
        if (!source) {
            return source.failure();
        }
        if (*source) {
            appendPages(all, formOf(**source));
        }
        if (progress && !progress(++done)) {
            break;
        }
    }
    return all;
}

Result<QStringList> documentsOf(const QList<int>& keys, const SourceReader& read,
                                const std::function<Result<QString>(const ApprovalSource&)>& write,
                                const BatchProgress& progress) {
    QStringList written;
    int done = 0;
    for (const int key : keys) {
        const auto source = read(key);
        if (!source) {
            return source.failure();
        }
        if (*source) {
            const Result<QString> path = write(**source);
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

}  // namespace

Result<report::Layout> batchLayout(db::Database& db, const QList<int>& lineIds,
                                   const ApprovalSettings& settings,
                                   const BatchProgress& progress) {
    return layoutOf(
        lineIds, [&db](int lineId) { return readApprovalSource(db, lineId); },
        approvalPageSetup(settings),
        [&settings](const ApprovalSource& source) { return approvalFormLayout(source, settings); },
        progress);
}

Result<QStringList> batchDocuments(db::Database& db, const QList<int>& lineIds,
                                   const ApprovalSettings& settings, const QString& templatePath,
                                   const QString& folder, const QDate& today,
                                   const BatchProgress& progress) {
    return documentsOf(
        lineIds, [&db](int lineId) { return readApprovalSource(db, lineId); },
        [&](const ApprovalSource& source) {
            return writeApprovalDocument(source, settings, templatePath, folder, today);
        },
        progress);
}

Result<report::Layout> recordBatchLayout(db::Database& db, const QList<int>& cadreIds,
                                         RecordForm form, const ApprovalSettings& settings,
                                         const QDate& today, const BatchProgress& progress) {
    return layoutOf(
        cadreIds,
        [&db, &today](int cadreId) { return readCadreApprovalSource(db, cadreId, today); },
        approvalPageSetup(settings),
        [form, &settings](const ApprovalSource& source) {
            return form == RecordForm::ShortProfile ? shortProfileLayout(source, settings)
                                                    : approvalFormLayout(source, settings);
        },
        progress);
}

Result<QStringList> recordBatchDocuments(db::Database& db, const QList<int>& cadreIds,
                                         RecordForm form, const ApprovalSettings& settings,
                                         const QString& templatePath, const QString& folder,
                                         const QDate& today, const BatchProgress& progress) {
    return documentsOf(
        cadreIds,
        [&db, &today](int cadreId) { return readCadreApprovalSource(db, cadreId, today); },
        [&](const ApprovalSource& source) {
            return form == RecordForm::ShortProfile
                       ? writeShortProfileDocument(source, templatePath, folder, today)
                       : writeApprovalDocument(source, settings, templatePath, folder, today);
        },
        progress);
}

QString recordFormTemplate(RecordForm form) {
    return form == RecordForm::ShortProfile ? kShortProfileTemplate : kApprovalTemplate;
}

}  // namespace appointment

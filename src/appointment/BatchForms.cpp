#include "appointment/BatchForms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include "appointment/ApprovalDocument.h"
#include "appointment/CadreApprovalForm.h"
#include "db/Database.h"
#include "text/FileNames.h"

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

// Writes the document of each key into `folder`. Each is written under the cadre's name into a
// scratch folder first and then given its name in the batch, so that the documents of two cadres
// of the same name are both kept.
Result<QStringList> documentsOf(
    const QList<int>& keys, const SourceReader& read, const QString& folder,
    const std::function<Result<QString>(const ApprovalSource&, const QString& folder)>& write,
    const BatchProgress& progress) {
    if (!QDir().mkpath(folder)) {
        return Failure{QStringLiteral("无法建立文件夹：") + folder, {}};
    }
    QTemporaryDir scratch(QDir(folder).filePath(QStringLiteral("batch-XXXXXX")));
    if (!scratch.isValid()) {
        return Failure{QStringLiteral("无法建立临时文件夹。"), {}};
    }
    text::BatchFileNames names(folder);
    QStringList written;
    int done = 0;
    for (const int key : keys) {
        const auto source = read(key);
        if (!source) {
            return source.failure();
        }
        if (*source) {
            const Result<QString> made = write(**source, scratch.path());
            if (!made) {
                return made.failure();
            }
            const QFileInfo file(*made);
            const QString path =
                names.claim(file.completeBaseName(), QStringLiteral(".") + file.suffix());
            QFile::remove(path);
            if (!QFile::rename(*made, path)) {
                return Failure{QStringLiteral("无法写入文件：") + path, {}};
            }
            written << path;
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
        lineIds, [&db](int lineId) { return readApprovalSource(db, lineId); }, folder,
        [&](const ApprovalSource& source, const QString& into) {
            return writeApprovalDocument(source, settings, templatePath, into, today);
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
        [&db, &today](int cadreId) { return readCadreApprovalSource(db, cadreId, today); }, folder,
        [&](const ApprovalSource& source, const QString& into) {
            return form == RecordForm::ShortProfile
                       ? writeShortProfileDocument(source, templatePath, into, today)
                       : writeApprovalDocument(source, settings, templatePath, into, today);
        },
        progress);
}

Result<QList<BatchRow>> planBatchRows(db::Database& db, int planId) {
    const auto lines =
        db.query(QStringLiteral(
                     "select id,McCadreID,xm,xb from tb_rmmc_detail where mcID=? order by brOrder"),
                 {planId});
    if (!lines) {
        return Failure{{}, db.lastError()};
    }
    QList<BatchRow> rows;
    for (const QVariantList& row : lines->rows) {
        rows << BatchRow{row[0].toInt(), row[1].toInt(), row[2].toString(), row[3].toString()};
    }
    return rows;
}

Result<QList<BatchRow>> recordBatchRows(db::Database& db, const QList<int>& cadreIds) {
    QList<BatchRow> rows;
    QSet<int> listed;
    for (const int cadreId : cadreIds) {
        if (listed.contains(cadreId)) {
            continue;
        }
        listed.insert(cadreId);
        const auto found =
            db.query(QStringLiteral("select xm,xb from tb_cadre where CadreID=?"), {cadreId});
        if (!found) {
            return Failure{{}, db.lastError()};
        }
        if (!found->rows.empty()) {
            const QVariantList& row = found->rows.front();
            rows << BatchRow{cadreId, cadreId, row[0].toString(), row[1].toString()};
        }
    }
    return rows;
}

QString recordFormTemplate(RecordForm form) {
    return form == RecordForm::ShortProfile ? kShortProfileTemplate : kApprovalTemplate;
}

}  // namespace appointment

#pragma once

#include <QDate>
#include <QString>

#include "appointment/ApprovalForm.h"
#include "db/Result.h"

// The approval form as a Word document: our template "干部任免审批表.docx" filled cell by cell.
namespace appointment {

inline const QString kApprovalTemplate = QStringLiteral("干部任免审批表.docx");
inline const QString kShortProfileTemplate = QStringLiteral("干部简要情况表.docx");

// The lines that `text` takes in the resume cell of the template: each line counts
// (its GBK byte length - 15) / 49 + 1, at least 1.
int wordDisplayLines(const QString& text);

// Fills the template `templatePath` with the form of `source` and saves it as <xm>.docx in
// `folder` (made when missing); the result is the file's path. Ages are counted against
// `today`. Table 1: (1,2) xm, (1,4) xb, (1,6) birth month and age, (1,7) the photo sized to the
// cell and the rows beside it, (2,2) mz, (2,4) jgsheng, (2,6) cssheng, (3,2) the party entry
// month or the political status, (3,4) gzsjStr, (3,6) jkzk, (4,2) zyjszw, (4,4) zytc, (5,3) and
// (6,3) the education with its degree, (5,5) and (6,5) the schools, (7,2) xrz, (8,2) nrz,
// (9,2) nmz, (10,2) the resume (size 10 / 15 pt exactly from 21 display lines, size 9 / 14 pt
// from 23). Table 2: (1,2) jcNote, (2,2) khNote, (3,2) rmNote, rows 5.. the family rows that
// the settings show (the age, when the header of column 4 asks for it), (12,2) cbyj and cbdw,
// (13,2) spyj, (14,2) rmyj. A template that cannot be read or lacks a cell fails naming it.
Result<QString> writeApprovalDocument(const ApprovalSource& source,
                                      const ApprovalSettings& settings, const QString& templatePath,
                                      const QString& folder, const QDate& today);

// The short profile "干部简要情况表": the template `templatePath` (one table: the form's first
// six rows, then 现任职务 and 简要情况) filled as table 1 of the form in rows 1 to 7 (the photo
// sized as there) and (8,2) the summary paragraph (shortProfileSummary), saved as <xm>.docx in
// `folder`.
Result<QString> writeShortProfileDocument(const ApprovalSource& source, const QString& templatePath,
                                          const QString& folder, const QDate& today);

}  // namespace appointment

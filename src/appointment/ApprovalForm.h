#pragma once

#include <QDate>
#include <QImage>
#include <QString>
#include <QVariantMap>
#include <optional>

#include "db/Result.h"
#include "report/PageLayout.h"

namespace db {
class Database;
}

// The cadre appointment and removal approval form (干部任免审批表) of one plan line: the settings
// it is printed with, the data it is filled from, its two-page print layout, and the opinions
// entered for every line of a plan at once.
namespace appointment {

inline const QString kApprovalFormName = QStringLiteral("干部任免审批表");
inline const QString kShortProfileName = QStringLiteral("干部简要情况表");
inline const QString kShortProfileTitle = QStringLiteral("干 部 简 要 情 况 表");
inline const QString kApprovalFormTitle = QStringLiteral("干 部 任 免 审 批 表");
inline const QString kPhotoOfDeletedCadre =
    QStringLiteral("此干部已经从干部基本信息库中删除，不能插入照片");

// How the form is printed: tb_general's rmbfamily, rmbTitle and rmbPage, and the left margin of
// tb_conf ZBJ/A001 (in centimetres) when that row exists.
struct ApprovalSettings {
    int familyRows = 0;  // 0..7
    QString title;       // empty: the form's own title
    QString paper;       // "A4", "B5" or anything else for the form's own size
    std::optional<double> leftMarginCm;
};

Result<ApprovalSettings> readApprovalSettings(db::Database& db);

// Stores `settings` in tb_general and tb_conf ZBJ/A001 (the row goes when there is no margin),
// in one transaction.
Result<void> saveApprovalSettings(db::Database& db, const ApprovalSettings& settings);

// The left margin in mm: the stored one, or 30 for A4, 18 for B5 and 23 for the own size.
qreal approvalLeftMargin(const ApprovalSettings& settings);

// The paper and margins of both pages: A4, B5 or the own size of 195 × 271 mm, whose extra
// 20 mm go to the top margin.
report::PageSetup approvalPageSetup(const ApprovalSettings& settings);

// The resume's lines joined with line breaks, trailing blanks removed, and the point size it is
// printed in: 12 below 25 lines, else 9.
struct ResumeText {
    QString text;
    qreal pointSize = 12;
};
ResumeText resumeText(const QString& gzjl);

// What a form is filled from: one plan line's columns (by lower-case column name), the photo of
// its cadre, and its plan's dates and maker.
struct ApprovalSource {
    QVariantMap line;
    QImage photo;
    QDate tableDate;  // the plan's tbsj
    QDate ageDate;    // the plan's jssj when set, else tbsj
    QString maker;    // the plan's tbr
    // The resume as printed when the source fits it itself (a cadre record); else resumeText().
    std::optional<ResumeText> resume;
};

// Reads plan line `lineId` with its plan and its cadre's photo; nullopt when the line is gone.
Result<std::optional<ApprovalSource>> readApprovalSource(db::Database& db, int lineId);

// The whole years of an age as the form counts them: the year part of the day count from
// `birth` to `at` read as a date, less 1900.
int formAge(const QDate& birth, const QDate& at);

// The text of the birth cell: the month text with "-" made "." and, when it names a month, a
// second line "(<age>岁)" against `ageDate`.
QString birthCellText(const QString& csnyStr, const QDate& ageDate);

// The text of the party entry cell: the entry month for a party member, otherwise the political
// status between parentheses.
QString partyCellText(const QString& zzmm, const QString& rdsjStr);

// The two pages of the form of `source`.
report::Layout approvalFormLayout(const ApprovalSource& source, const ApprovalSettings& settings);

// The summary paragraph of the short profile: the cadre's name, sex, nationality, birth, origin,
// party, start of work, education and current posts (cadre::CadreSummaryText, indented).
QString shortProfileSummary(const ApprovalSource& source);

// The short profile "干部简要情况表", one page on the form's paper: the title "干 部 简 要 情 况
// 表"; the cells of the form's first page from 姓名 to the education rows, with the photo, at the
// form's positions (y 17 to 80 mm); "现 任 职 务" with xrz (0, 80, 36 | 112 × 10.5); "简要情况"
// (0, 90.5, 13 × 84) beside the summary paragraph (13, 90.5, 135 × 84, top left, wrapped); the
// date of the source right-aligned below the table.
report::Layout shortProfileLayout(const ApprovalSource& source, const ApprovalSettings& settings);

// The texts entered once for every line of a plan; empty texts are left alone.
struct CommonOpinions {
    QString cbdw;  // 呈报单位名称
    QString cbyj;  // 呈报单位意见
    QString spyj;  // 审批机关意见
    QString rmyj;  // 行政机关意见
};

// Writes the non-empty texts of `opinions` into every line of plan `planId`, in one transaction.
Result<void> setCommonOpinions(db::Database& db, int planId, const CommonOpinions& opinions);

}  // namespace appointment

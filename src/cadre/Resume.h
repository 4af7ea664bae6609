#pragma once

#include <QDate>
#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

#include "db/Result.h"

namespace db {
class Database;
}

// A cadre's resume (tb_cadre.gzjl): one line per period of study or work. A period line is the
// start month text, "-", the end month text padded with blanks to 7 characters, one blank and
// the content ("1985.09-1989.07 某大学学习"; an open period has 7 blanks for its end). A
// continuation line puts 16 blanks (the width of the date part) before more content. The editor
// shows the text either as it is or as a table of (start, end, content) rows.
namespace cadre {

// One row of the table form: "开始时间", "结束时间", "内容".
struct ResumeRow {
    QString start;
    QString end;
    QString content;

    friend bool operator==(const ResumeRow&, const ResumeRow&) = default;
};

using ResumeTable = std::vector<ResumeRow>;

// The table form of a resume text (lines end with CR LF, LF or CR). Each line loses what it has
// at its end up to its last visible character; full-width blanks "　" and dashes "－" become
// half-width. An empty line gives an empty row. A line whose first word (up to and including
// the first blank or tab) is at least 5 characters long and holds "-" or "至" is a period: the
// start is what comes before that mark, the end what follows it up to the blank, the content
// the rest of the line, each trimmed. Any other line is a row with only its trimmed content.
ResumeTable resumeToTable(const QString& text);

// The text form of a table: each row's cells trimmed; a row with start and content gives a
// period line, a row with content but no start a line of 8 blanks, the end padded to 7
// characters, a blank and the content; a row without content an empty line. Lines are joined
// with CR LF and blanks and line breaks at the end of the whole text are dropped.
QString tableToResume(const ResumeTable& table);

// ---- Table commands. Each returns the row that holds the caret afterwards (-1: none). ----

// "添加行": appends an empty row.
int appendResumeRow(ResumeTable& table);

// "删除行": deletes `row`; the caret stays at the same place, or on the new last row. Nothing
// happens when `row` is not a row of the table.
int deleteResumeRow(ResumeTable& table, int row);

// "上移" (`step` -1) / "下移" (`step` 1): exchanges `row` with its neighbour. Nothing happens
// for the first row moved up, the last moved down, or a row outside the table.
int moveResumeRow(ResumeTable& table, int row, int step);

// "合并行": the contents of `rows[1..]`, in that order and without separator, are appended to
// the content of `rows[0]`, whose start and end stay, and those rows are deleted. Needs at least
// two distinct rows of the table; otherwise nothing happens and -1 is returned.
int mergeResumeRows(ResumeTable& table, const std::vector<int>& rows);

// ---- Printing ----

// The width, in GBK bytes, at which the editor's resume printout wraps the resume.
inline constexpr int kResumePrintWidth = 52;

// The resume as printed: wrapped at kResumePrintWidth with the 16-blank continuation indent,
// without blanks or line breaks at its end.
QString printedResume(const QString& resume);

// ---- The summary paragraph ----

// What the summary paragraph of a cadre is made of (tb_cadre columns).
struct CadreSummary {
    QString xm;  // name
    QString xb;  // sex
    QString mz;  // nationality
    QString csnyStr;
    QDate csny;       // birth
    QString jgsheng;  // origin
    QString zzmm;     // party
    QString rdsjStr;
    QDate rdsj;  // joined the party
    QString gzsjStr;
    QDate gzsj;       // started work
    QString qrzxl;    // full-time education
    QString qrzxxzy;  // full-time school and major
    QString qrzxw;    // full-time degree
    QString zzxl;     // in-service education
    QString zzxxzy;   // in-service school and major
    QString zzxw;     // in-service degree
    QString xrz;      // current posts
};

// A summary read through `field`, which gives the value of a tb_cadre column by name (the
// editor's open record, a query row).
CadreSummary cadreSummaryFrom(const std::function<QVariant(const QString&)>& field);

// The stored record of cadre `cadreId`; kCadreMissing when there is none.
Result<CadreSummary> readCadreSummary(db::Database& db, int cadreId);

// A school-and-major text as the summary shows it: trimmed; "无" is nothing; otherwise without
// any half-width or full-width blank, LF or CR.
QString cleanedSchoolText(const QString& text);

// The summary paragraph that heads a printed resume, each part only when its source is filled:
// the name without blanks (after 4 blanks with `indent`), "，" + sex, "，" + nationality,
// "，1968年1月生", "，" + origin + "人", the party ("，1989年7月加入中国共产党" when the joining
// month is known, party members of every kind joining "中国共产党"; else "，" + the party), "，"
// + "1990年7月参加工作", the full-time education (unless the in-service school and education
// are both filled) and the in-service education, each as "，" + school + "毕业" followed by
// "，" + education + "学历" or else "，" + degree + "学位", then "。". With current posts,
// "现任" + posts + "。" follows: with `indent` after a CR and 4 blanks, otherwise directly.
// A month whose date is missing is read from its month text; when that is no month either the
// part is left out.
QString CadreSummaryText(const CadreSummary& cadre, bool indent);

}  // namespace cadre

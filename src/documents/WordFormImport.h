#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "cadre/CadreRecord.h"
#include "cadre/Family.h"
#include "db/Result.h"
#include "documents/ExcelImport.h"

class TDataM;

namespace db {
class Database;
}

// The import of approval forms from Word documents laid out as the program's own approval form
// (the template "干部任免审批表.docx": table 1 the first page, table 2 the second). Like the
// Excel import it runs in two steps: planWordImport reads every file and decides what becomes
// of it, so that the window can show it first; importWordForms writes.
//
// Matching: a form names a serving cadre (classid 0) by the stored form of the name; when the
// form gives a birth month, only cadres with that birth month (or none stored) match. One match
// is updated, none gives a new cadre, several leave the form out: it is never matched by guess.
// Overwriting: every value the form gives replaces the stored one and an empty cell leaves it;
// family members listed on the form replace the cadre's family (a member whose birth month the
// form does not give, since it shows ages, keeps the month stored for that name); the resume is
// taken only when asked for.
namespace documents {

inline const QString kNotAnApprovalForm =
    QStringLiteral("不是干部任免审批表格式的Word文件（应有任免审批表的两张表格）。");
inline const QString kFormWithoutName = QStringLiteral("任免表中没有姓名。");

// What one approval form holds.
struct WordForm {
    QString path;
    // The cadre's values read from the form, keyed by tb_cadre column, only those given: xm (in
    // its stored form), xb, csnyStr, mz, jgsheng, cssheng, zzmm, rdsjStr, gzsjStr, jkzk,
    // zyjszw, zytc, the education pairs with their degrees and schools, xrz, nrz, nmz, jcNote,
    // khNote and rmNote. Month texts are in their stored form "yyyy.mm" (as written when they
    // are no month).
    cadre::CadreValues values;
    QString resume;                     // the resume cell, lines separated by "\n"
    QList<cadre::FamilyMember> family;  // rows 5.. of table 2 that name a member
};

// Reads the form in the .docx at `path` (a legacy .doc is converted into `convertFolder` when
// LibreOffice is installed). The birth cell's first line is the month; the party cell holds the
// entry month of a party member ("中共党员") or the political status between parentheses; a
// family member's birth month is kept only when the column gives months rather than ages.
// A month cell that holds no month is kept as written, for the incoming checks of
// planWordImport to refuse and name. Fails with kNotAnApprovalForm when the
// document lacks the form's tables, with kFormWithoutName when no name is given, and with the
// document's own message (naming the file) when it cannot be read.
Result<WordForm> readWordForm(const QString& path, const QString& convertFolder);

// Whether a resume read from a form differs from the stored one, ignoring the kind of line
// breaks and blanks at the ends of lines and of the text.
bool resumesDiffer(const QString& stored, const QString& fromForm);

struct WordFormPlan {
    WordForm form;
    RowAction action = RowAction::LeaveOut;
    int cadreId = 0;       // the cadre updated
    QString storedResume;  // its resume as stored
    bool resumeDiffers = false;
    QString problem;  // why the form is left out
    // The values of the form that the incoming checks changed or refused
    // (cadre::IncomingValues), each named; `form` holds them as checked.
    QStringList notes;
};

// Why a form is left out that names the same cadre (name and birth month) as the form in
// `firstFile` before it.
QString sameCadreProblem(const QString& firstFile);

// Reads each file, passes its values through the incoming checks (control characters removed,
// texts cut to their column's size, each change noted) and matches its cadre (see above). A file
// that cannot be read is left out with its message, and so is a form naming the same cadre as an
// earlier one. Fails only when the
// stored cadres cannot be read.
Result<QList<WordFormPlan>> planWordImport(db::Database& db, const QStringList& paths,
                                           const QString& convertFolder);

// Writes the forms that can be imported, each whole or not at all (cadre::saveCadre, the family
// through cadre::saveFamilyMember), in one transaction; `takeResume` also stores the form's
// resume where it differs; with `unitId` not 0 each cadre is made a member of that unit at the
// end of its order unless it is one already. The log names each form left out or refused, by
// file name; the changed lines name each form imported with notes, and its notes. A failure of the
// transaction itself writes nothing and fails.
Result<ImportOutcome> importWordForms(TDataM& dm, const QList<WordFormPlan>& plans, bool takeResume,
                                      int unitId);

}  // namespace documents

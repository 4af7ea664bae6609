#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "appointment/LrmFile.h"
#include "db/Result.h"

class TDataM;

namespace cadre {
struct PickLists;
}

namespace db {
class Database;
}

// Cadre records made or updated from approval-form files (".lrm" and ".lrmx").
namespace appointment {

// Which groups of values replace those of an existing cadre of the same name (sum of bits).
enum LrmOverwrite : int {
    kLrmBasic = 1,       // values 0–16
    kLrmResumeText = 2,  // value 17
    kLrmFamily = 4,      // values 20 and above
    kLrmPhoto = 8,       // the photo
    kLrmRecords = 16     // values 18 and 19
};

inline const QString kLrmDuplicateName = QStringLiteral(" 干部名重复。");
inline const QString kLrmAmbiguousName =
    QStringLiteral("有多个同名干部，无法确定要更新哪一个，未导入。");
inline const QString kLrmNoName = QStringLiteral("文件中没有干部姓名。");
inline const QString kLrmChooseFolder = QStringLiteral("请选择正确的路径！");
inline const QString kLrmLogName = QStringLiteral("Import.log");
inline const QString kLrmImportedHeading = QStringLiteral("导入成功的干部有:");
inline const QString kLrmNotImportedHeading = QStringLiteral("未导入(或不完全)的干部有:");

// The text shown after a set of files: "共导入<n>个干部资料。".
QString lrmImportedText(int count);

// A serving cadre that bears the name of a form.
struct LrmCandidate {
    int cadreId = 0;
    QString name;
    QString birthMonth;   // csnyStr
    QString currentPost;  // xrz
};

// Asks which of several cadres of the same name a form stands for: the chosen one's ID, 0 for
// none (the form is then not imported).
using LrmChooser = std::function<int(const QList<LrmCandidate>& candidates)>;

// Where imported cadres go and what of an existing cadre they replace.
struct LrmImportOptions {
    int unitId = 0;             // the unit new and updated cadres become members of; 0 none
    int overwrite = kLrmBasic;  // LrmOverwrite bits
    // An existing cadre of the name is taken as it is when no bit is set, instead of refused
    // (a plan takes the cadres of its files whether or not their records are replaced).
    bool keepExisting = false;
    // Asked when several cadres bear the name and the birth month does not tell them apart;
    // none: such a form is not imported.
    LrmChooser chooseCadre;
};

// What the import of one form did.
struct LrmImported {
    int cadreId = 0;
    QString name;
    bool existing = false;  // an existing cadre was updated
    QStringList notes;      // values left out, e.g. ",政治面貌<…>不符合规范."
};

// Imports the cadre of `record` (values 0–25, and from an ".lrmx" file the political status and
// identity number): a name not found among the serving cadres gives a new cadre with every
// value; one cadre of that name is updated in the groups of `options.overwrite` (none set:
// refused with kLrmDuplicateName, or left as it is with `options.keepExisting`). Of several cadres
// of that name, the only one born in the form's birth month is updated, else the one that
// `options.chooseCadre` gives; they are never guessed between (kLrmAmbiguousName when none is
// chosen). Dates are read by
// text::parseImportedMonth and kept when they name a month from 1900 on; "族" is appended to the
// nationality; health, education and degree are taken only when they are items of their lists
// (`lists`); the family replaces the cadre's with political statuses normalised ("党员" 中共党员,
// "团员" 共青团员; others not in the list left empty with a note); every value then passes the
// incoming checks of cadre::IncomingValues (control characters, column sizes, month texts), each
// change or refusal noted; the photo is scaled to the editor's size (kept byte for byte when it
// is a JPEG of that size already). The cadre is saved
// through the cadre save routine and made a member of the unit. Everything runs in one transaction:
// a refused or failing form writes nothing.
Result<LrmImported> importLrmRecord(TDataM& dm, const LrmRecord& record,
                                    const LrmImportOptions& options, const cadre::PickLists& lists);

// What a set of imported files gave: the log lines, the names imported whole, and the names
// (or file names) not imported or imported with notes.
struct LrmImportReport {
    QStringList log;
    QStringList imported;
    QStringList notImported;
    int count = 0;  // files imported, whole or with notes
};

// Called after each file with the number done; false stops the import after that file.
using LrmProgress = std::function<bool(int done)>;

// Called for each form read, after the cadre was imported, inside the form's transaction; the
// notes it gives join the form's; a failure undoes the form's import and is logged as the reason.
using LrmAfterImport = std::function<Result<QStringList>(const LrmRecord&, const LrmImported&)>;

// Imports `files` one by one (readLrmRecord, importLrmRecord) and logs each: "文件：<file>"
// followed by "已导入;干部：<xm>" with the notes, or "未导入;原因：<reason>". A file that fails
// does not stop the others and leaves nothing of itself. The files are committed together at the
// end (a failing commit loses them all and is the failure returned). The log is written to
// `logFolder` as kLrmLogName with the names under kLrmImportedHeading and kLrmNotImportedHeading;
// a log that cannot be written fails as well (the files stay imported).
Result<LrmImportReport> importLrmFiles(TDataM& dm, const QStringList& files,
                                       const LrmImportOptions& options, const QString& logFolder,
                                       const LrmProgress& progress = {},
                                       const LrmAfterImport& after = {});

// Puts the cadre `cadreId` of `record` into plan `planId`: a cadre not yet in the plan gets a
// line after the last (addCadres); the line then takes the texts 26–29 the file holds (拟任职务
// nrz, 拟免职务 nmz, 任免理由 rmNote, 呈报单位 cbdw), empty ones left as they are, each passed
// through the incoming checks of cadre::IncomingValues first. One transaction. The value is the
// notes of the checks, one for each text changed.
Result<QStringList> placeInPlan(db::Database& db, int planId, const LrmRecord& record, int cadreId);

}  // namespace appointment

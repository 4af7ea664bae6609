#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <optional>

#include "cadre/CadreRecord.h"
#include "db/Result.h"

class TDataM;

namespace db {
class Database;
}

// A plan line is a snapshot of its cadre. These functions compare the personal data of a line
// with the cadre record and carry chosen values of the line back into the record; the execution
// wizard and the consistency check window of the approval-form editor both use them.
namespace appointment {

// One personal field that a plan line and the cadre record both hold.
struct PersonalField {
    QString column;
    QString caption;
};

// The sixteen personal fields that are compared, in the order they are listed.
const QList<PersonalField>& personalFields();

// A personal field whose value in the line differs from the cadre record.
struct FieldDifference {
    QString column;
    QString caption;
    QString cadreValue;
    QString lineValue;
};

// A line's own texts and its cadre's record.
struct LineAndCadre {
    int lineId = 0;
    int cadreId = 0;
    QVariantMap line;  // tb_rmmc_detail columns by lower-case name
    cadre::CadreValues cadre;
};

// The value of column `column` in `cadre`, whatever the case of its spelling; invalid when the
// record has no such column.
QVariant recordValue(const cadre::CadreValues& cadre, const QString& column);

// Line `lineId` and its cadre; kSelectLine when there is no such line, kCadreDeleted when the
// cadre is no longer in tb_cadre.
Result<LineAndCadre> readLineAndCadre(db::Database& db, int lineId);

// The personal fields whose line value differs from the cadre's, blanks at either end ignored.
// A blank line value is not a correction: a line does not copy every personal field (the schools
// qrzxxzy and zzxxzy stay blank), and offering it would erase the record's value.
QList<FieldDifference> personalDifferences(const QVariantMap& line,
                                           const cadre::CadreValues& cadre);

// Whether the line's resume (gzjl) differs from the cadre's, blanks at either end ignored.
bool resumeDiffers(const QVariantMap& line, const cadre::CadreValues& cadre);

// What the consistency check offers after a line was edited.
struct EditedLineCheck {
    int cadreId = 0;
    QList<FieldDifference> fields;  // the edited personal fields that differ, in their order
    bool resumeChanged = false;     // the resume was edited and differs from the cadre's
    QString lineResume;
    QString cadreResume;

    bool isEmpty() const { return fields.isEmpty() && !resumeChanged; }
};

// The differences between line `lineId`, as stored after an edit, and its cadre, limited to the
// columns `editedColumns` (lower case) that the edit changed. kCadreDeleted when the cadre is gone.
Result<EditedLineCheck> checkEditedLine(db::Database& db, int lineId,
                                        const QStringList& editedColumns);

// Writes the line values of `chosen` and, when given, `resume` as gzjl into cadre `cadreId`
// through the cadre save routine, so that the derived columns (csny, gxl, py ...) follow. One
// transaction: a refusal or a failure writes nothing; nothing chosen writes nothing.
Result<void> carryBack(TDataM& dm, int cadreId, const QList<FieldDifference>& chosen,
                       const std::optional<QString>& resume);

}  // namespace appointment

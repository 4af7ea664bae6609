#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "cadre/CadreRecord.h"
#include "cadre/Family.h"

namespace db {
class Database;
}

// The checks that every value entering the working database from a file passes (a received
// package, an approval-form file, a workbook, a Word form, a filled template), so that such a
// value is stored only as a value typed into the editor could be. What a check does depends on
// the column the value is bound for, as the working database declares it:
// - a text column loses the control characters of the value (a memo column keeps its line
//   breaks) and is cut to the column's size;
// - a month text (a text column named ...Str, e.g. csnyStr) is read by the month reader of
//   imported files (text::parseImportedMonth) and stored as "yyyy.mm"; a text that names no month
//   from 1900 on is refused;
// - a photo is stored only when its bytes decode as a picture.
// Every value changed or refused gives a note naming it, for the preview or log of the import.
namespace cadre {

inline const QString kIncomingControlsRemoved = QStringLiteral("%1：已去除其中的控制字符");
inline const QString kIncomingTextCut = QStringLiteral("%1：超过%2个字，已截去多余部分");
inline const QString kIncomingBadMonth = QStringLiteral("%1“%2”不是有效的年月，未导入");
inline const QString kIncomingBadPicture = QStringLiteral("%1不是可以读取的图片，未导入");

// What became of one incoming value.
struct CheckedValue {
    // The value to store; NULL when the value came as NULL or was refused.
    QVariant value;
    // The value is not to be stored: a record being added leaves the column empty, a record
    // being updated keeps its own value. A text that had nothing but control characters counts
    // as refused too.
    bool refused = false;
    // One line for each change or refusal; empty when the value is stored as it came (a month
    // written in another form of the same month, "1965-3" for "1965.03", is not a change).
    QStringList notes;
};

class IncomingValues {
  public:
    // Reads the columns' declarations from `db` as they are first asked for.
    explicit IncomingValues(db::Database& db);

    // Checks `value` bound for `column` of `table`; `label` names the value in the notes (the
    // column's caption when empty, else its name). A column the database does not declare, and
    // a value of a kind the column does not check (a number, a date), pass as they are.
    CheckedValue check(const QString& table, const QString& column, const QVariant& value,
                       const QString& label = {});

    // Whether check() may change or refuse a value bound for `column` of `table`.
    bool checks(const QString& table, const QString& column);

    // Checks each value of a row of `table`, keyed by column, in place: a changed value is
    // replaced, a refused one taken out, so that saving `values` keeps the stored one. Each note
    // starts with `prefix`.
    QStringList checkRow(const QString& table, QVariantMap& values, const QString& prefix = {});

    // checkRow over a cadre's record.
    QStringList checkCadre(CadreValues& values, const QString& prefix = {});

    // Checks the texts of a family member in place (cw, xm, cssjStr, zzmm and dw of tb_family); a
    // refused one is emptied. Each note starts with `prefix`.
    QStringList checkFamilyMember(FamilyMember& member, const QString& prefix = {});

    // The caption of a column of the cadre's record or of tb_family that imports fill ("出生年月"
    // for csnyStr); the column's name for other columns.
    static QString caption(const QString& table, const QString& column);

  private:
    enum class Kind { Unchecked, Text, Memo, Month, Picture };
    struct Rule {
        Kind kind = Kind::Unchecked;
        int size = 0;  // the most characters of a text column; 0: no limit
    };

    Rule rule(const QString& table, const QString& column);

    db::Database& db_;
    QHash<QString, QHash<QString, Rule>> rules_;  // by table and column, lower case
};

}  // namespace cadre

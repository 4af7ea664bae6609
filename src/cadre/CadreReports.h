#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include "db/Result.h"

namespace db {
class Database;
}

// The records of a cadre after the national cadre information codes, each kind in its own table
// and edited as a form: reports on personal major events (A54), economic-responsibility audits
// (A55) and opinions from the public (A56). Column names are the program's; values are bound.
namespace cadre {

enum class ReportKind { MajorEvent, Audit, Opinion };

// How a field is entered.
enum class FieldType { Line, Memo, Date, Flag, Pick, CodePick };

struct ReportField {
    QString column;
    QString caption;
    FieldType type = FieldType::Line;
    QString codeSet;  // the code set of a Pick or CodePick field
};

struct ReportTable {
    QString table;
    QString idColumn;
    QString objectName;      // the record dialog's name
    QString title;           // the record dialog's caption
    QString heading;         // the heading after the cadre's name ("... 同志" + heading)
    QString deleteQuestion;  // followed by the value of `deleteColumn`
    QString deleteColumn;
    QString readRight;
    QString writeRight;
    QList<ReportField> fields;
};

const ReportTable& reportTable(ReportKind kind);

// The heading of a record dialog: the cadre's name + " 同志" + the kind's heading, or the heading
// alone without a name.
QString reportHeading(ReportKind kind, const QString& cadreName);

// The page's list: the cadre's records as stored.
QString reportListStatement(ReportKind kind, int cadreId);

// Record `id` of the cadre, by column; empty when there is none.
Result<QVariantMap> readReport(db::Database& db, ReportKind kind, int cadreId, int id);

inline const QString kChooseReportCategory = QStringLiteral("请选择报告类别");

// Saves a new record (`id` 0) or edits one with the fields of `values` (null or empty text stores
// null). A major event without a category is refused with kChooseReportCategory. The value is
// the record's id.
Result<int> saveReport(db::Database& db, ReportKind kind, int cadreId, int id,
                       const QVariantMap& values);

Result<void> deleteReport(db::Database& db, ReportKind kind, int cadreId, int id);

// The categories of major events (A5404), in their index order.
const QStringList& majorEventCategories();

// The labelled lines that replace a major event's content when category `index` is chosen; empty
// for any other index.
QString majorEventForm(int index);

}  // namespace cadre

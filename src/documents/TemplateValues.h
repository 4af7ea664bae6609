#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include "db/Result.h"
#include "documents/TemplateScan.h"

namespace db {
class Database;
}

// What a template shows of one cadre, and the text of each placeholder item.
//
// The resume codes split the resume (tb_cadre.gzjl) into periods, one line each: "n-gzjl" the
// period ("1985.09-1989.07"; both "<简历-起止时间>" and "<简历-开始时间>" have this code),
// "--gzjl" its end, "- gzjl" its content with its continuation lines joined on; "-gzjl" gives
// the content of every line of the resume as written. So that lines of neighbouring cells
// match, each of the per-period codes has exactly one line per period. The unit codes give the
// units the cadre belongs to, in the order of the unit tree: "name" the first unit's name,
// "-name" all of them joined with "、". "pxjl" lists the training records, one a line.
namespace documents {

struct CadreSheet {
    int cadreId = 0;
    QVariantMap cadre;          // tb_cadre with the age; keys in lower case
    QList<QVariantMap> family;  // tb_family with the age, in family order; keys in lower case
    QStringList units;          // the names of the cadre's units
    QStringList training;       // one line per training record
    QByteArray photo;           // the stored JPEG; empty when none

    QString name() const { return cadre.value(QStringLiteral("xm")).toString(); }
};

// Reads all a template may show of cadre `cadreId`; ages are counted to `today`. A cadre that
// is not there gives cadre::kCadreMissing.
Result<CadreSheet> readCadreSheet(db::Database& db, int cadreId, const QDate& today);

// The text of `item` for `sheet`: a date as "yyyy.mm", a whole number without decimals, the
// resume and unit parts as described above; empty for the photo and for a family member that
// the cadre does not have.
QString itemText(const CadreSheet& sheet, const TemplateItem& item);

// Whether a value of `item` read back from a filled template can be stored: the cadre's own
// text columns and the family members' (not ages, the photo, resume parts, units or training).
bool isReadableItem(const TemplateItem& item);

}  // namespace documents

#pragma once

#include <QDate>
#include <optional>

#include "appointment/ApprovalForm.h"
#include "db/Result.h"

namespace db {
class Database;
}

// The approval form printed from a cadre's live record instead of a plan line.
namespace appointment {

// The resume of a record as the form prints it: wrapped at 62 bytes in 12 point; when that
// gives 23 to 26 lines, at 74 bytes in 10 point; from 27 lines, at 81 bytes in 9 point.
ResumeText recordResumeText(const QString& gzjl);

// The form's source for cadre `cadreId`: his record's columns, his first seven family members in
// their order as the family rows, his photo and the wrapped resume; ages count to `today`,
// which also dates the form. nullopt when the cadre is gone.
Result<std::optional<ApprovalSource>> readCadreApprovalSource(db::Database& db, int cadreId,
                                                              const QDate& today);

}  // namespace appointment

#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include "db/Result.h"

namespace db {
class Database;
}

// Finding the cadre that a person read from a file stands for. Every import of cadres from
// files that creates or updates cadres by name (the column-mapping Excel import and the
// read-back of filled templates) matches through CadreMatcher, so that a name finds the same
// cadre whichever import reads it.
namespace documents {

// What becomes of a person read from a file.
enum class RowAction {
    Create,   // a new cadre
    Update,   // the one serving cadre of that name
    LeaveOut  // not imported; the reason says why
};

// Why a person is left out whose name several serving cadres hold.
QString duplicateCadresProblem(int count);

// Why a person is left out whose name came earlier in the same import, at `earlier` ("第4行",
// a file's name).
QString repeatedNameProblem(const QString& earlier);

struct CadreMatch {
    RowAction action = RowAction::LeaveOut;
    int cadreId = 0;  // the cadre to update
    QString problem;  // why the person is left out
};

// Matches names against the serving cadres (classid 0) as they stood when it was loaded: a
// retired or transferred cadre is never found, so an import never changes one. Names are compared
// in their stored form (text::normalizeName: "张三" finds "张  三") and, as the database compares
// texts, without regard to case. A name that no serving cadre holds gives Create, one that one
// holds gives Update of that cadre; a name that several hold, or that an earlier person of the
// same import bore, is left out with its reason: a person is never matched to one of several
// cadres by guess, nor stored twice in one import.
class CadreMatcher {
  public:
    // Reads the names of the serving cadres; fails when they cannot be read.
    static Result<CadreMatcher> load(db::Database& db);

    // Matches the person named `name` (as read from the file) who stands at `where` in the
    // import, and remembers the name and place for the people after it.
    CadreMatch match(const QString& name, const QString& where);

  private:
    QHash<QString, QList<int>> serving_;  // the serving cadres' IDs by name key
    QHash<QString, QString> seen_;        // where each name key of this import came first
};

}  // namespace documents

#include "documents/RosterLines.h"

#include "db/Database.h"
#include "db/SqlText.h"

namespace documents {

Result<void> clearLinesWithoutRosters(db::Database& db) {
    const Result<QVariant> rosters = db.scalar(QStringLiteral("select count(*) from tb_beadroll"));
    if (!rosters) {
        return rosters.failure();
    }
    if (rosters->toInt() != 0) {
        return {};
    }
    const QString head = sql::Fragments().SqlDeleteHead;
    db::Transaction transaction(db);
    if (!db.exec(head + QStringLiteral(" from tb_beadroll_detail")) ||
        !db.exec(head + QStringLiteral(" from tb_beadroll_mirror")) || !transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

}  // namespace documents

#pragma once

#include <QString>
#include <vector>

namespace db {
class Database;
}

namespace units {

// One line of a unit's organisation history: who held which post, and when.
struct HistoryLine {
    QString period;  // "2016.05-2020.12", or "2016.05-" while the post is held
    QString name;
    QString post;
};

// The organisation history of unit `unitId`: every post held in the unit, current or former,
// whose post name has a quota row of the unit that keeps a history (记录组织史), in the order of
// the appointments.
std::vector<HistoryLine> organisationHistory(db::Database& db, int unitId);

}  // namespace units

#pragma once

#include <QStringList>

namespace db {
class Database;
}

// Checks that stored cadre data obeys the rules the program keeps: the unit tree's levels,
// orders and indexes; memberships exactly where current posts are, with their post summaries;
// gap-free orders; each cadre's current-post text; former posts ending after they began.
// Returns one line per problem found, empty when the data is consistent.
QStringList dataConsistencyProblems(db::Database& db);

// The current-post text of a cadre built from its current posts in order: the unit's name
// before the first post of each run of posts in the same unit, posts of a run joined by "、",
// runs joined by "，".
QString currentPostText(const QStringList& unitNames, const QStringList& postNames);

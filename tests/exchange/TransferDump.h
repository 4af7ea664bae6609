#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace db {
class Database;
}

// Every transferred table of a database as sorted row texts in which keys and references are
// written as the rank of the key among its table's keys: two databases with the same rows and
// the same relations give the same dump, whatever numbers their keys carry. A reference to no
// row and an empty reference are both written as "<none>", as a transfer empties a
// reference to a row that does not exist.
QMap<QString, QStringList> transferDump(db::Database& db);

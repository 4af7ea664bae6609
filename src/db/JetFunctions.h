#pragma once

struct sqlite3;

namespace jet {

// Registers the Jet function library (jet_year, jet_datediff, jet_instr ...) that translated
// statements call. Must be done on every new connection.
bool registerFunctions(sqlite3* db);

}  // namespace jet

#pragma once

namespace schema {

// The schema version this program writes into tb_general.version. Databases of an earlier version
// are brought up to it by the schema upgrade; files of a later one are refused.
inline constexpr double kSchemaVersion = 3.73;

}  // namespace schema

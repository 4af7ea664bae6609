#pragma once

#include <QString>

namespace app {

// The data root: $CADRE_HOME when set; else the program's folder when it holds "Db/"; else the
// user's application-data folder. It ends with a slash.
QString appDir();
// appDir() + "Db/".
QString dbDir();

}  // namespace app

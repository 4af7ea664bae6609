#pragma once

#include <QString>

namespace app {

// The data root: $CADRE_HOME when set; else the program's folder when it holds "Db/"; else the
// user's application-data folder. It ends with a slash.
QString appDir();
// appDir() + "Db/".
QString dbDir();

// Gives a data folder that lacks them the template databases installed beside the program
// (Db/Empty.db, Db/Send.db), so that the first start can make its working database.
void seedTemplates(const QString& dataDir, const QString& programDir);

}  // namespace app

#pragma once

#include <QString>
#include <QVariantList>
#include <map>
#include <vector>

#include "app/DataModule.h"
#include "cadre/RepairTools.h"
#include "db/Database.h"

// Every row of the tables the repair tools write, to tell whether a run changed anything.
inline std::map<QString, std::vector<QVariantList>> repairedTables(db::Database& db) {
    std::map<QString, std::vector<QVariantList>> all;
    for (const char* table : {"tb_department", "tb_cadre", "tb_cadre_zw", "tb_cadre_node",
                              "tb_family", "tb_rmmc_detail"}) {
        const QString name = QString::fromLatin1(table);
        all[name] =
            db.query(QStringLiteral("select * from ") + name + QStringLiteral(" order by rowid"))
                ->rows;
    }
    return all;
}

// Runs every repair tool twice: the second run of each must report and make no change.
inline void expectRepairsSettle(TDataM& dm) {
    for (const cadre::RepairTool& tool : cadre::repairTools()) {
        SCOPED_TRACE(tool.caption.toStdString());
        const Result<int> first = cadre::runRepairTool(dm, tool);
        ASSERT_TRUE(first) << first.errorText().toStdString();
        const auto settled = repairedTables(dm.db());
        const Result<int> second = cadre::runRepairTool(dm, tool);
        ASSERT_TRUE(second) << second.errorText().toStdString();
        EXPECT_EQ(*second, 0);
        EXPECT_TRUE(repairedTables(dm.db()) == settled);
    }
}

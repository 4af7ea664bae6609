#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "report/PageLayout.h"

// The printed roster: a table on landscape A4 pages under the roster's caption, the column
// captions repeated at the top of every page, each column as wide as its longest text needs
// (shrunk together when the page is too narrow), long texts wrapped within their cell.
namespace rosters {

struct RosterTable {
    QString title;
    QStringList captions;
    std::vector<QStringList> rows;  // one text per caption
};

report::Layout rosterLayout(const RosterTable& table);

}  // namespace rosters

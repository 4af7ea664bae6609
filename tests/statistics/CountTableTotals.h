#pragma once

#include <gtest/gtest.h>

#include <QDate>
#include <QList>

#include "db/Database.h"
#include "statistics/CountTable.h"

// Counts the search result (tb_tcid, `count` cadres) on `today` for every pair of dimensions
// and checks the table: each cell is the number of cadres its reverse look-up lists, each row
// and each column adds up to its total, and the grand total is the result's count. The sums
// hold only when every cadre falls in exactly one category of each side.
inline void expectEveryPairAddsUp(db::Database& db, const QDate& today, int count) {
    using namespace statistics;
    SCOPED_TRACE(today.toString(Qt::ISODate).toStdString());
    for (int m = 0; m < dimensionNames().size(); ++m) {
        for (int s = 0; s < dimensionNames().size(); ++s) {
            SCOPED_TRACE(QString(dimensionNames()[m] + u'/' + dimensionNames()[s]).toStdString());
            const Result<CountTable> table = countResult(db, dimensionAt(m), dimensionAt(s), today);
            ASSERT_TRUE(table) << table.failure().dbError.toStdString();
            const int rows = static_cast<int>(table->rows.size());
            const int columns = static_cast<int>(table->columns.size());
            EXPECT_EQ(table->counts[rows][columns], count);
            for (int r = 0; r <= rows; ++r) {
                int rowSum = 0;
                for (int c = 0; c <= columns; ++c) {
                    const Result<QList<int>> cadres = cadresOfCell(db, *table, r, c);
                    ASSERT_TRUE(cadres) << cadres.failure().dbError.toStdString();
                    EXPECT_EQ(table->counts[r][c], cadres->size()) << r << ',' << c;
                    rowSum += c < columns ? table->counts[r][c] : 0;
                }
                EXPECT_EQ(rowSum, table->counts[r][columns]) << "row " << r;
            }
            for (int c = 0; c <= columns; ++c) {
                int columnSum = 0;
                for (int r = 0; r < rows; ++r) {
                    columnSum += table->counts[r][c];
                }
                EXPECT_EQ(columnSum, table->counts[rows][c]) << "column " << c;
            }
        }
    }
}

// The days on which the youngest cadre of the result turns 35 and 36 and the oldest turns 60
// and 61: each outer age band's first or last day, with a cadre on it.
inline QList<QDate> bandEdgeDays(db::Database& db) {
    const auto birthDay = [&db](const char* order) {
        const auto row = db.query(
            QStringLiteral("select top 1 csny from tb_tcid as a inner join tb_Cadre as b on "
                           "b.CadreID=a.tcid where csny is not null order by csny ") +
            QString::fromLatin1(order));
        EXPECT_TRUE(row && !row->rows.empty()) << db.lastError().toStdString();
        return row && !row->rows.empty() ? row->rows.front().value(0).toDate() : QDate();
    };
    const QDate oldest = birthDay("asc");
    const QDate youngest = birthDay("desc");
    EXPECT_TRUE(oldest.isValid() && youngest.isValid());
    return {youngest.addYears(35), youngest.addYears(36), oldest.addYears(60), oldest.addYears(61)};
}

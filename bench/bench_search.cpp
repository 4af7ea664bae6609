// The cadre search over 100,000 generated cadres: a condition search by age band and post level
// over all cadres that fills the result (tb_tcid with its sort keys) and shows the first screen
// of the result grid; and the combined sort (level, then surname strokes) of a result of all
// 100,000 cadres. Each against the bare statements of the same work written by hand for SQLite
// and run through the C API.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <QDate>
#include <QTableView>

#include "app/DataModule.h"
#include "db/Database.h"
#include "generate/GeneratedFolder.h"
#include "main/ui/CadreListModel.h"
#include "search/ResultSort.h"
#include "search/SearchResult.h"
#include "search/WhereClause.h"

namespace {

constexpr int kCadres = 100000;
constexpr int kFirstScreen = 30;
const QDate kToday(2026, 12, 10);

struct Fixture {
    Fixture() : folder(kCadres), dm(folder.dm) {}
    synth::GeneratedFolder folder;
    std::unique_ptr<TDataM>& dm;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void nativeExec(sqlite3* db, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        qFatal("%s: %s", error, sql);
    }
}

// Ages 30 to 55 on the reference day, at 乡科级副职 or higher; any library.
search::SearchConditions ageAndRank() {
    search::SearchConditions c;
    c.today = kToday;
    c.basic.status = -1;
    c.basic.ageRelation = 3;
    c.basic.ageFrom = QStringLiteral("30");
    c.basic.ageTo = QStringLiteral("55");
    c.basic.rank = {QStringLiteral("乡科级副职"), 3, 0};
    return c;
}

void BM_SearchAgeAndRank_Program(benchmark::State& state) {
    Fixture& f = fixture();
    db::Database& db = f.dm->db();
    CadreListModel model;
    QTableView view;
    view.setModel(&model);
    int rows = 0;
    for (auto _ : state) {
        const Result<QString> where = search::whereClause(db, ageAndRank());
        const Result<int> count = search::runSearch(db, search::SearchMode::Replace, *where);
        if (!count || !model.load(db, search::resultQuery(kToday))) {
            qFatal("%s", qPrintable(db.lastError()));
        }
        for (int row = 0; row < kFirstScreen; ++row) {
            for (int column = 0; column < model.columnCount(); ++column) {
                benchmark::DoNotOptimize(model.index(row, column).data());
            }
        }
        rows = *count;
    }
    state.counters["rows"] = rows;
}

// The same by hand: the result emptied and filled with the matching cadres in default order,
// the keys written in one statement, the first screen read.
void BM_SearchAgeAndRank_Bare(benchmark::State& state) {
    sqlite3* db = fixture().dm->db().handle();
    // Ages 30 to 55 on 2026-12-10: born after 1970-12-10 and on or before 1996-12-10.
    const char* fill =
        "insert into tb_tcid (tcid) select CadreID from tb_cadre where csny<=35409 and "
        "csny>25912 and zwjb in (select zjmc from tb_zj where level1<=80) and CadreID not in "
        "(select tcid from tb_tcid) order by gbOrd";
    const char* keys =
        "update tb_tcid set tords=printf('%05d', tord - (select min(tord) from tb_tcid) + 1)";
    const char* screen =
        "select * from tb_tcid as a left outer join tb_cadre as b on b.CadreID=a.tcid order by "
        "tords limit 30";
    for (auto _ : state) {
        nativeExec(db, "begin");
        nativeExec(db, "delete from tb_tcid");
        nativeExec(db, fill);
        nativeExec(db, keys);
        nativeExec(db, "commit");
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, screen, -1, &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                benchmark::DoNotOptimize(sqlite3_column_text(stmt, i));
            }
        }
        sqlite3_finalize(stmt);
    }
}

void fillWithEveryCadre() {
    db::Database& db = fixture().dm->db();
    if (!search::runSearch(db, search::SearchMode::Replace, {})) {
        qFatal("%s", qPrintable(db.lastError()));
    }
}

void BM_CombinedSort_Program(benchmark::State& state) {
    fillWithEveryCadre();
    db::Database& db = fixture().dm->db();
    const search::SortRule rule{0, 0, false, search::SortElement::Rank,
                                search::SortElement::Strokes};
    for (auto _ : state) {
        if (!search::sortCombined(db, rule)) {
            qFatal("%s", qPrintable(db.lastError()));
        }
    }
    state.counters["rows"] = kCadres;
}

// The bare statements of the sort: the rows read with their level, and every key written by
// one prepared statement in one transaction (the keys computed by SQLite from the level and the
// name, without the stroke table).
void BM_CombinedSort_Bare(benchmark::State& state) {
    fillWithEveryCadre();
    sqlite3* db = fixture().dm->db().handle();
    const char* read =
        "select tcid, printf('%05d', coalesce(z.level1, 99999)) || '-' || coalesce(xm,'') from "
        "tb_tcid as b left outer join tb_cadre as a on a.CadreID=b.tcid left outer join tb_zj as "
        "z on z.zjmc=a.zwjb order by tords";
    for (auto _ : state) {
        nativeExec(db, "begin");
        sqlite3_stmt* rows = nullptr;
        sqlite3_stmt* update = nullptr;
        sqlite3_prepare_v2(db, read, -1, &rows, nullptr);
        sqlite3_prepare_v2(db, "update tb_tcid set tords=? where tcid=?", -1, &update, nullptr);
        while (sqlite3_step(rows) == SQLITE_ROW) {
            sqlite3_bind_text(update, 1,
                              reinterpret_cast<const char*>(sqlite3_column_text(rows, 1)), -1,
                              SQLITE_TRANSIENT);
            sqlite3_bind_int64(update, 2, sqlite3_column_int64(rows, 0));
            sqlite3_step(update);
            sqlite3_reset(update);
        }
        sqlite3_finalize(rows);
        sqlite3_finalize(update);
        nativeExec(db, "commit");
    }
}

BENCHMARK(BM_SearchAgeAndRank_Program)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SearchAgeAndRank_Bare)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_CombinedSort_Program)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CombinedSort_Bare)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

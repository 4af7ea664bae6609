// The statistics over 100,000 generated cadres: the count table (年龄 by 性别, and 学历 by
// 政治面貌) of a result holding every cadre, and the composition charts (age bands, nationality)
// over the whole unit tree. Each against the bare group-by statement of the same counts written
// by hand for SQLite and run through the C API.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QCoreApplication>
#include <QDate>

#include "app/DataModule.h"
#include "db/Database.h"
#include "generate/GeneratedFolder.h"
#include "search/SearchResult.h"
#include "statistics/ChartData.h"
#include "statistics/CountTable.h"

namespace {

constexpr int kCadres = 100000;
const QDate kToday(2026, 12, 10);

struct Fixture {
    Fixture() : folder(kCadres), dm(folder.dm) {
        if (!search::runSearch(dm->db(), search::SearchMode::Replace, {})) {
            qFatal("%s", qPrintable(dm->db().lastError()));
        }
    }
    synth::GeneratedFolder folder;
    std::unique_ptr<TDataM>& dm;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// Steps through every row of `sql`, reading each column.
void nativeRead(sqlite3* db, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        qFatal("%s: %s", sqlite3_errmsg(db), sql);
    }
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, i));
        }
    }
    sqlite3_finalize(stmt);
}

void countTable(benchmark::State& state, statistics::Dimension main,
                statistics::Dimension secondary) {
    db::Database& db = fixture().dm->db();
    int total = 0;
    for (auto _ : state) {
        const Result<statistics::CountTable> table =
            statistics::countResult(db, main, secondary, kToday);
        if (!table) {
            qFatal("%s", qPrintable(table.failure().dbError));
        }
        total = table->counts.back().back();
    }
    state.counters["rows"] = total;
}

void BM_CountTable_AgeBySex_Program(benchmark::State& state) {
    countTable(state, statistics::Dimension::Age, statistics::Dimension::Sex);
}

void BM_CountTable_EducationByParty_Program(benchmark::State& state) {
    countTable(state, statistics::Dimension::Education, statistics::Dimension::Party);
}

// The default bands on 2026-12-10 as day numbers of csny (days since 1899-12-30), grouped with
// the sex in one statement.
void BM_CountTable_AgeBySex_Bare(benchmark::State& state) {
    fixture();
    sqlite3* db = fixture().dm->db().handle();
    const char* sql =
        "select case when csny is null then 9 when csny>33217 then 1 when csny>31391 then 2 "
        "when csny>29565 then 3 when csny>27738 then 4 when csny>25912 then 5 when csny>24086 "
        "then 6 else 7 end as band, xb, count(*) from tb_tcid as a left outer join tb_cadre as b "
        "on b.CadreID=a.tcid group by band, xb";
    for (auto _ : state) {
        nativeRead(db, sql);
    }
}

void BM_CountTable_EducationByParty_Bare(benchmark::State& state) {
    fixture();
    sqlite3* db = fixture().dm->db().handle();
    const char* sql =
        "select case when gxl like '%研究生%' then 1 when gxl like '%大学%' or gxl like '%本科%' "
        "then 2 when gxl like '%大专%' then 3 else 4 end as level, zzmm, count(*) from tb_tcid "
        "as a left outer join tb_cadre as b on b.CadreID=a.tcid group by level, zzmm";
    for (auto _ : state) {
        nativeRead(db, sql);
    }
}

void chartOfTree(benchmark::State& state, statistics::ChartKind kind) {
    db::Database& db = fixture().dm->db();
    statistics::ChartSet tree;
    tree.source = statistics::ChartSet::Source::Subtree;
    int total = 0;
    for (auto _ : state) {
        const Result<QList<statistics::ChartRow>> rows =
            statistics::chartRows(db, kind, tree, kToday);
        if (!rows) {
            qFatal("%s", qPrintable(rows.failure().dbError));
        }
        total = 0;
        for (const statistics::ChartRow& row : *rows) {
            total += row.count;
        }
    }
    state.counters["rows"] = total;
}

void BM_ChartTree_Age_Program(benchmark::State& state) {
    chartOfTree(state, statistics::ChartKind::Age);
}

void BM_ChartTree_Nationality_Program(benchmark::State& state) {
    chartOfTree(state, statistics::ChartKind::Nationality);
}

const char* const kTreeMembers =
    " from tb_cadre where CadreID in (select ZwCadreID from tb_cadre_node where dwID in (select "
    "ID from tb_department where dwIndex like '%'))";

void BM_ChartTree_Age_Bare(benchmark::State& state) {
    fixture();
    sqlite3* db = fixture().dm->db().handle();
    const QByteArray sql =
        QByteArray(
            "select case when csnyStr is null or csnyStr='' then 0 when csny>33217 then 1 "
            "when csny>31391 then 2 when csny>29565 then 3 when csny>27738 then 4 when "
            "csny>25912 then 5 when csny>24086 then 6 else 7 end as band, count(*)") +
        kTreeMembers + " group by band";
    for (auto _ : state) {
        nativeRead(db, sql.constData());
    }
}

void BM_ChartTree_Nationality_Bare(benchmark::State& state) {
    fixture();
    sqlite3* db = fixture().dm->db().handle();
    const QByteArray sql =
        QByteArray("select mz, count(*) as num") + kTreeMembers + " group by mz order by num";
    for (auto _ : state) {
        nativeRead(db, sql.constData());
    }
}

BENCHMARK(BM_CountTable_AgeBySex_Program)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_CountTable_AgeBySex_Bare)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_CountTable_EducationByParty_Program)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_CountTable_EducationByParty_Bare)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ChartTree_Age_Program)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ChartTree_Age_Bare)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ChartTree_Nationality_Program)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ChartTree_Nationality_Bare)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Rosters over 100,000 generated cadres: a search result of 10,000 cadres saved as a new static
// roster (every cadre copied, in the result's order), and a static roster of 10,000 opened to
// its first screen of rows, as the roster page reads it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDate>
#include <QTableView>

#include "app/DataModule.h"
#include "db/Database.h"
#include "generate/GeneratedFolder.h"
#include "rosters/RosterMembers.h"
#include "rosters/Rosters.h"
#include "rosters/ui/RosterLinesModel.h"
#include "search/SearchResult.h"

namespace {

constexpr int kCadres = 100000;
constexpr int kRosterSize = 10000;
constexpr int kFirstScreen = 30;
const QDate kToday(2026, 12, 10);

struct Fixture {
    Fixture() : folder(kCadres), dm(folder.dm) {
        db::Database& db = dm->db();
        QList<int> ids;
        const auto rows =
            db.query(QStringLiteral("select top 10000 CadreID from tb_cadre order "
                                    "by gbOrd desc"));
        if (!rows || rows->rows.size() != static_cast<size_t>(kRosterSize)) {
            qFatal("cadres: %s", qPrintable(db.lastError()));
        }
        for (const QVariantList& row : rows->rows) {
            ids << row.value(0).toInt();
        }
        if (!search::clearResult(db) || !search::addCadres(db, ids)) {
            qFatal("result: %s", qPrintable(db.lastError()));
        }
    }
    synth::GeneratedFolder folder;
    std::unique_ptr<TDataM>& dm;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

rosters::Roster newStaticRoster(db::Database& db) {
    const Result<int> id = rosters::createRoster(db, {QStringLiteral("基准名册"), 2026, true});
    if (!id) {
        qFatal("%s", qPrintable(id.errorText()));
    }
    return *rosters::readRoster(db, *id);
}

void BM_SaveResultAsStaticRoster(benchmark::State& state) {
    db::Database& db = fixture().dm->db();
    int added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const rosters::Roster roster = newStaticRoster(db);
        state.ResumeTiming();
        const Result<int> saved = rosters::addSearchResult(db, roster, kToday);
        if (!saved) {
            qFatal("%s", qPrintable(saved.errorText()));
        }
        added = *saved;
        state.PauseTiming();
        if (!rosters::deleteRoster(db, roster.id)) {
            qFatal("%s", qPrintable(db.lastError()));
        }
        state.ResumeTiming();
    }
    state.counters["lines"] = added;
}

void BM_OpenStaticRoster(benchmark::State& state) {
    db::Database& db = fixture().dm->db();
    const rosters::Roster roster = newStaticRoster(db);
    if (!rosters::addSearchResult(db, roster, kToday)) {
        qFatal("%s", qPrintable(db.lastError()));
    }
    RosterLinesModel model;
    QTableView view;
    view.setModel(&model);
    for (auto _ : state) {
        if (!model.load(db, rosters::linesQuery(db, roster, kToday))) {
            qFatal("%s", qPrintable(db.lastError()));
        }
        for (int row = 0; row < kFirstScreen; ++row) {
            for (int column = 0; column < model.columnCount(); ++column) {
                benchmark::DoNotOptimize(model.index(row, column).data());
            }
        }
    }
    state.counters["rows"] = model.rowCount();
}

}  // namespace

BENCHMARK(BM_SaveResultAsStaticRoster)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_OpenStaticRoster)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Batch modification of one field ("民族") for every cadre of a generated database of 10,000
// cadres, in one transaction: the goal is under 2 s.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <memory>

#include "app/DataModule.h"
#include "cadre/BatchChange.h"
#include "db/Database.h"
#include "generate/GeneratedFolder.h"

namespace {

void BM_BatchChangeOneField(benchmark::State& state) {
    static synth::GeneratedFolder folder(10000);
    TDataM& dm = *folder.dm;
    QList<int> ids;
    const auto rows = dm.db().query(QStringLiteral("select CadreID from tb_cadre"));
    if (!rows) {
        state.SkipWithError(qPrintable(dm.db().lastError()));
        return;
    }
    for (const QVariantList& row : rows->rows) {
        ids << row[0].toInt();
    }
    const QStringList values{QStringLiteral("回族"), QStringLiteral("汉族")};
    int round = 0;
    for (auto _ : state) {
        const Result<int> changed = cadre::applyBatchChange(dm, ids, 2, values[round++ % 2]);
        if (!changed || *changed != ids.size()) {
            state.SkipWithError(qPrintable(changed.errorText()));
            return;
        }
    }
    state.counters["cadres"] = static_cast<double>(ids.size());
}

BENCHMARK(BM_BatchChangeOneField)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

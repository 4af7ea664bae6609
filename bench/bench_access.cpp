// Reading Access files: every table of the sample file nwind.mdb read row by row through the
// Access reader, again and again (goal: 100,000 rows per second or better; the "rows" counter
// gives the rate).

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "exchange/AccessReader.h"

namespace {

const QString kSample = QStringLiteral(CADRE_SOURCE_DIR "/tests/exchange/access/nwind.mdb");

void BM_ReadAccessTables(benchmark::State& state) {
    const Result<std::unique_ptr<exchange::AccessFile>> file = exchange::AccessFile::open(kSample);
    if (!file) {
        state.SkipWithError(qPrintable(file.errorText()));
        return;
    }
    qint64 rows = 0;
    for (auto _ : state) {
        for (const exchange::SourceTable& table : (*file)->tables()) {
            const Result<void> read =
                (*file)->readRows(table.name, [&](const QVariantList& values) {
                    benchmark::DoNotOptimize(values.constData());
                    ++rows;
                    return Result<void>{};
                });
            if (!read) {
                state.SkipWithError(qPrintable(read.errorText()));
                return;
            }
        }
    }
    state.counters["rows"] =
        benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReadAccessTables)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

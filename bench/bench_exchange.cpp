// The whole-database operations on generated data: a backup of the 100,000-cadre database
// (goal: under 10 s) and the transfer of 10,000 cadres to a single-machine file and back into
// a working database (goal: under 20 s each).

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <map>
#include <memory>

#include "app/DataModule.h"
#include "db/Database.h"
#include "exchange/DataTransfer.h"
#include "exchange/DatabaseBackup.h"
#include "generate/GeneratedFolder.h"

namespace {

synth::GeneratedFolder& folder(int cadres) {
    static std::map<int, std::unique_ptr<synth::GeneratedFolder>> made;
    auto& f = made[cadres];
    if (!f) {
        f = std::make_unique<synth::GeneratedFolder>(cadres);
    }
    return *f;
}

// The empty template installed beside the program.
QString templateFile() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Db/Empty.db"));
}

void BM_Backup(benchmark::State& state) {
    synth::GeneratedFolder& f = folder(static_cast<int>(state.range(0)));
    const QString target = f.dir.filePath(QStringLiteral("bench.vhbak"));
    for (auto _ : state) {
        if (const Result<void> done = exchange::backupDatabase(f.dm->db(), target); !done) {
            state.SkipWithError(qPrintable(done.errorText()));
            return;
        }
    }
    state.counters["cadres"] = static_cast<double>(state.range(0));
}

void BM_ExportToSingleFile(benchmark::State& state) {
    synth::GeneratedFolder& f = folder(static_cast<int>(state.range(0)));
    const QString target = f.dir.filePath(QStringLiteral("single.db"));
    for (auto _ : state) {
        const Result<void> done = exchange::exportToSingleFile(f.dm->db(), templateFile(), target);
        if (!done) {
            state.SkipWithError(qPrintable(done.errorText()));
            return;
        }
    }
    state.counters["cadres"] = static_cast<double>(state.range(0));
}

// Restores the exported file into a copy of the empty template, so that the generated
// database stays as it is for the other measurements.
void BM_RestoreFromSingleFile(benchmark::State& state) {
    synth::GeneratedFolder& f = folder(static_cast<int>(state.range(0)));
    const QString single = f.dir.filePath(QStringLiteral("single.db"));
    if (const Result<void> done = exchange::exportToSingleFile(f.dm->db(), templateFile(), single);
        !done) {
        state.SkipWithError(qPrintable(done.errorText()));
        return;
    }
    const QString workingCopy = f.dir.filePath(QStringLiteral("restored.db"));
    QFile::remove(workingCopy);
    QFile::copy(templateFile(), workingCopy);
    QFile::setPermissions(workingCopy, QFile::ReadOwner | QFile::WriteOwner);
    db::Database working;
    if (!working.open(workingCopy)) {
        state.SkipWithError(qPrintable(working.lastError()));
        return;
    }
    for (auto _ : state) {
        const Result<void> done = exchange::restoreFromSingleFile(
            working, single, f.dir.filePath(QStringLiteral("kept.vhbak")));
        if (!done) {
            state.SkipWithError(qPrintable(done.errorText()));
            return;
        }
    }
    state.counters["cadres"] = static_cast<double>(state.range(0));
}

BENCHMARK(BM_Backup)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportToSingleFile)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RestoreFromSingleFile)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

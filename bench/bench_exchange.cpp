// The whole-database operations on generated data: a backup of the 100,000-cadre database
// (goal: under 10 s) and the transfer of 10,000 cadres to a single-machine file and back into
// a working database (goal: under 20 s each); the report-up package of 10,000 cadres with
// their families, posts and records (goal: written in under 10 s and at most twice the time of a
// bare SQLite copy of the same rows; received into a working database in under 20 s).

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
#include "exchange/PackageReceive.h"
#include "exchange/ReportPackage.h"
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

QString sendTemplate() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Db/Send.db"));
}

QList<int> allCadres(db::Database& db) {
    QList<int> ids;
    const auto rows = db.query(QStringLiteral("select CadreID from tb_cadre order by CadreID"));
    if (rows) {
        for (const QVariantList& row : rows->rows) {
            ids << row[0].toInt();
        }
    }
    return ids;
}

void BM_WriteReportPackage(benchmark::State& state) {
    synth::GeneratedFolder& f = folder(static_cast<int>(state.range(0)));
    const QString target = f.dir.filePath(QStringLiteral("package.sdb"));
    const QList<int> ids = allCadres(f.dm->db());
    for (auto _ : state) {
        const Result<void> done = exchange::writeReportPackage(f.dm->db(), sendTemplate(), target,
                                                               ids, {}, QDate(2024, 1, 1));
        if (!done) {
            state.SkipWithError(qPrintable(done.errorText()));
            return;
        }
    }
    state.counters["cadres"] = static_cast<double>(ids.size());
}

// The yardstick of the package writer: the same rows copied by bare statements into a copy of
// the package template, without choosing cadres, columns or kinds of records.
void BM_BareCopyOfPackageRows(benchmark::State& state) {
    synth::GeneratedFolder& f = folder(static_cast<int>(state.range(0)));
    const QString target = f.dir.filePath(QStringLiteral("bare.sdb"));
    db::Database& db = f.dm->db();
    const QString pairs[][2] = {
        {QStringLiteral("tb_cadre"), QStringLiteral("SELECT *, NULL FROM main.tb_cadre")},
        {QStringLiteral("tb_family"), QStringLiteral("SELECT * FROM main.tb_family")},
        {QStringLiteral("tb_cadre_zw"), QStringLiteral("SELECT * FROM main.tb_cadre_zw")},
        {QStringLiteral("tb_cadre_node"), QStringLiteral("SELECT * FROM main.tb_cadre_node")},
        {QStringLiteral("tb_kc"), QStringLiteral("SELECT * FROM main.tb_kc")},
        {QStringLiteral("tb_jc"), QStringLiteral("SELECT * FROM main.tb_jc")},
        {QStringLiteral("tb_pxCadre2"), QStringLiteral("SELECT * FROM main.tb_pxCadre2")},
    };
    for (auto _ : state) {
        QFile::remove(target);
        if (!QFile::copy(sendTemplate(), target) ||
            !QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner) ||
            !db.attach(target, QStringLiteral("bare"))) {
            state.SkipWithError(qPrintable(db.lastError()));
            return;
        }
        bool copied = db.begin();
        for (const auto& pair : pairs) {
            copied = copied &&
                     db.execNative(QStringLiteral("INSERT INTO bare.") + pair[0] + u' ' + pair[1]);
        }
        copied = copied && db.commit();
        if (!copied) {
            state.SkipWithError(qPrintable(db.lastError()));
            db.rollback();
            db.detach(QStringLiteral("bare"));
            return;
        }
        db.detach(QStringLiteral("bare"));
    }
}

// Receives the package of every generated cadre into a fresh copy of the empty template, all
// cadres passed, every kind of record chosen and one unit to join.
void BM_ReceivePackage(benchmark::State& state) {
    synth::GeneratedFolder& f = folder(static_cast<int>(state.range(0)));
    const QString package = f.dir.filePath(QStringLiteral("received.sdb"));
    if (const Result<void> done = exchange::writeReportPackage(
            f.dm->db(), sendTemplate(), package, allCadres(f.dm->db()), {}, QDate(2024, 1, 1));
        !done) {
        state.SkipWithError(qPrintable(done.errorText()));
        return;
    }
    const QString receiverFile = f.dir.filePath(QStringLiteral("Db/Receiver.db"));
    TDataM receiver(f.dir.path() + u'/');
    for (auto _ : state) {
        state.PauseTiming();
        receiver.db().close();
        QFile::remove(receiverFile);
        QFile::copy(templateFile(), receiverFile);
        QFile::setPermissions(receiverFile, QFile::ReadOwner | QFile::WriteOwner);
        if (!receiver.db().open(receiverFile)) {
            state.SkipWithError(qPrintable(receiver.db().lastError()));
            return;
        }
        state.ResumeTiming();
        const Result<exchange::PackageReview> review =
            exchange::reviewPackage(receiver.db(), package);
        if (!review) {
            state.SkipWithError(qPrintable(review.errorText()));
            return;
        }
        QList<int> ids;
        for (const exchange::PackageCadre& cadre : review->cadres) {
            ids << cadre.packageId;
        }
        const Result<exchange::ReceiveCount> done =
            exchange::receivePackage(receiver, package, ids, {}, 8);
        if (!done) {
            state.SkipWithError(qPrintable(done.errorText()));
            return;
        }
        state.counters["added"] = done->added;
    }
}

BENCHMARK(BM_Backup)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportToSingleFile)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RestoreFromSingleFile)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WriteReportPackage)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BareCopyOfPackageRows)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReceivePackage)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

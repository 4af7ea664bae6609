// The import of a folder of 1,000 approval-form files (".lrm" with a ".pic" photo each) into a
// working database, with its log (goal: at least 200 files/s). The files are written from 1,000
// generated cadres; each run imports them into a fresh copy of the emptied database. Argument 0
// gives photos of the editor's size, stored as they are; 1 photos twice as large, scaled.

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include "app/DataModule.h"
#include "appointment/LrmExport.h"
#include "appointment/LrmFile.h"
#include "appointment/LrmImport.h"
#include "db/Database.h"
#include "generate/GeneratedFolder.h"

namespace {

constexpr int kFiles = 1000;

QByteArray jpeg(const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

// Writes the files of the generated cadres into `folder`, each with `photo`; false on failure.
bool writeFiles(TDataM& dm, const QString& folder, const QByteArray& photo) {
    const auto ids = dm.db().query(QStringLiteral("select CadreID from tb_cadre order by CadreID"));
    if (!ids || ids->rows.size() < static_cast<size_t>(kFiles)) {
        return false;
    }
    for (int i = 0; i < kFiles; ++i) {
        const auto record = appointment::lrmRecordOfCadre(dm.db(), ids->rows[i][0].toInt());
        if (!record || !*record) {
            return false;
        }
        appointment::LrmRecord form = **record;
        form.photo = photo;
        if (!appointment::writeLrmRecord(QDir(folder).filePath(QString::number(i) + ".lrm"),
                                         form)) {
            return false;
        }
    }
    return true;
}

void BM_ImportLrmFolder(benchmark::State& state) {
    synth::GeneratedFolder generated(kFiles);
    const QString folder = generated.dir.filePath(QStringLiteral("lrm"));
    QDir().mkpath(folder);
    const QSize photoSize = state.range(0) == 0 ? QSize(240, 300) : QSize(480, 600);
    if (!writeFiles(*generated.dm, folder, jpeg(photoSize))) {
        state.SkipWithError("the files could not be written");
        return;
    }
    const QString emptied = generated.dir.filePath(QStringLiteral("emptied.db"));
    generated.dm->db().close();
    {
        QFile::copy(generated.dir.filePath(QStringLiteral("Db/Cadre.db")), emptied);
        db::Database db;
        db.open(emptied);
        for (const char* table : {"tb_cadre", "tb_family", "tb_cadre_node", "tb_cadre_zw"}) {
            db.exec(QStringLiteral("delete from ") + QString::fromLatin1(table));
        }
    }
    const QString working = generated.dir.filePath(QStringLiteral("working.db"));
    const QStringList files = appointment::lrmFilesOfFolder(folder);
    for (auto _ : state) {
        state.PauseTiming();
        generated.dm->db().close();
        QFile::remove(working);
        QFile::copy(emptied, working);
        generated.dm->db().open(working);
        state.ResumeTiming();
        const auto report = appointment::importLrmFiles(*generated.dm, files,
                                                        appointment::LrmImportOptions{}, folder);
        if (!report || report->count != kFiles) {
            state.SkipWithError(report ? "files were not imported"
                                       : qPrintable(report.errorText()));
            return;
        }
    }
    state.counters["files/s"] =
        benchmark::Counter(kFiles, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_ImportLrmFolder)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

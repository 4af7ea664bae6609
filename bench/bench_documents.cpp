// Documents over generated data: the text resumes of 1,000 cadres written as PDF files, counted
// in pages a second, and written into the Word template as .docx files, counted in files a
// second (each cadre's resume read from the database, laid out or filled in, and written).

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "app/AppPaths.h"
#include "app/DataModule.h"
#include "cadre/ResumeDocument.h"
#include "cadre/ResumePrintout.h"
#include "db/Database.h"
#include "generate/GeneratedFolder.h"
#include "report/PageRenderer.h"

namespace {

constexpr int kCadres = 2000;
constexpr int kPrinted = 1000;

struct Fixture {
    Fixture() : folder(kCadres), dm(folder.dm) {
        // The generated folder is the data folder, with the Word templates of the program.
        qputenv("CADRE_HOME", folder.dir.path().toUtf8());
        app::seedTemplates(folder.dir.path(), QCoreApplication::applicationDirPath());
        const auto rows = dm->db().query(
            QStringLiteral("select top %1 CadreID from tb_cadre order by CadreID").arg(kPrinted));
        if (!rows || rows->rows.size() != static_cast<size_t>(kPrinted)) {
            qFatal("the generated cadres could not be read: %s", qPrintable(dm->db().lastError()));
        }
        for (const QVariantList& row : rows->rows) {
            cadres.push_back(row.value(0).toInt());
        }
    }

    synth::GeneratedFolder folder;
    std::unique_ptr<TDataM>& dm;
    std::vector<int> cadres;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_ResumesToPdf(benchmark::State& state) {
    Fixture& f = fixture();
    QTemporaryDir out;
    int64_t pages = 0;
    int64_t files = 0;
    for (auto _ : state) {
        for (const int cadre : f.cadres) {
            const Result<cadre::ResumePrintData> data = cadre::readResumePrintData(*f.dm, cadre);
            if (!data) {
                state.SkipWithError(qPrintable(data.errorText()));
                return;
            }
            const report::Layout layout = cadre::resumePrintout(*data);
            const Result<void> written =
                report::writePdf(layout, out.filePath(QStringLiteral("%1.pdf").arg(cadre)));
            if (!written) {
                state.SkipWithError(qPrintable(written.errorText()));
                return;
            }
            pages += layout.pageCount();
            ++files;
        }
    }
    state.counters["pages_per_s"] =
        benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsRate);
    state.counters["files_per_s"] =
        benchmark::Counter(static_cast<double>(files), benchmark::Counter::kIsRate);
}

void BM_ResumesToDocx(benchmark::State& state) {
    Fixture& f = fixture();
    QTemporaryDir out;
    const Result<QString> templatePath = app::wordTemplate(cadre::kResumeTemplate);
    if (!templatePath) {
        state.SkipWithError(qPrintable(templatePath.errorText()));
        return;
    }
    int64_t files = 0;
    for (auto _ : state) {
        for (const int cadre : f.cadres) {
            const Result<cadre::ResumePrintData> data = cadre::readResumePrintData(*f.dm, cadre);
            if (!data) {
                state.SkipWithError(qPrintable(data.errorText()));
                return;
            }
            // One folder a cadre: generated names repeat.
            const Result<QString> written = cadre::writeResumeDocument(
                *data, *templatePath, out.filePath(QString::number(cadre)));
            if (!written) {
                state.SkipWithError(qPrintable(written.errorText()));
                return;
            }
            ++files;
        }
    }
    state.counters["files_per_s"] =
        benchmark::Counter(static_cast<double>(files), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_ResumesToPdf)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_ResumesToDocx)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

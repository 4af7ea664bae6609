// Approval forms of a plan of 1,000 lines (goal: at least 20 forms a second each way): all
// forms laid out and written into one PDF file, and one .docx per line from our template.

#include <benchmark/benchmark.h>

#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <memory>

#include "app/DataModule.h"
#include "appointment/ApprovalDocument.h"
#include "appointment/BatchForms.h"
#include "appointment/PlanLines.h"
#include "appointment/Plans.h"
#include "db/Database.h"
#include "generate/GeneratedFolder.h"
#include "report/PageRenderer.h"

namespace {

constexpr int kCadres = 2000;
constexpr int kLines = 1000;

struct Fixture {
    Fixture() : folder(kCadres), dm(folder.dm) {
        const auto rows =
            dm->db().query(QStringLiteral("select CadreID from tb_cadre order by CadreID"));
        if (!rows) {
            qFatal("%s", qPrintable(dm->db().lastError()));
        }
        QList<int> cadreIds;
        for (size_t i = 0; i < rows->rows.size() && cadreIds.size() < kLines; ++i) {
            cadreIds << rows->rows[i].value(0).toInt();
        }
        appointment::PlanHeader plan;
        plan.name = QStringLiteral("批量");
        plan.tbsj = QDate(2026, 1, 1);
        const Result<int> id = appointment::savePlan(dm->db(), plan);
        if (!id || !appointment::addCadres(dm->db(), *id, cadreIds)) {
            qFatal("%s", qPrintable(dm->db().lastError()));
        }
        const auto lines = dm->db().query(
            QStringLiteral("select id from tb_rmmc_detail where mcID=? order by brOrder"), {*id});
        for (const QVariantList& row : lines->rows) {
            lineIds << row[0].toInt();
        }
        settings.familyRows = 7;
        settings.paper = QStringLiteral("A4");
    }

    synth::GeneratedFolder folder;
    std::unique_ptr<TDataM>& dm;
    QList<int> lineIds;
    appointment::ApprovalSettings settings;
};

Fixture& fixture() {
    static Fixture made;
    return made;
}

void BM_ThousandFormsToPdf(benchmark::State& state) {
    Fixture& f = fixture();
    QTemporaryDir out;
    for (auto _ : state) {
        const Result<report::Layout> layout =
            appointment::batchLayout(f.dm->db(), f.lineIds, f.settings, {});
        if (!layout || layout->pageCount() != 2 * kLines ||
            !report::writePdf(*layout, out.filePath(QStringLiteral("all.pdf")))) {
            state.SkipWithError("the forms were not written");
            return;
        }
    }
    state.counters["forms/s"] =
        benchmark::Counter(kLines * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ThousandFormsToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ThousandFormsToDocx(benchmark::State& state) {
    Fixture& f = fixture();
    QTemporaryDir out;
    const QString templatePath =
        QStringLiteral(CADRE_SOURCE_DIR "/data/templates/") + appointment::kApprovalTemplate;
    for (auto _ : state) {
        const Result<QStringList> written = appointment::batchDocuments(
            f.dm->db(), f.lineIds, f.settings, templatePath, out.path(), QDate(2026, 1, 1), {});
        if (!written || written->isEmpty()) {
            state.SkipWithError(written ? "nothing written" : qPrintable(written.errorText()));
            return;
        }
    }
    state.counters["forms/s"] =
        benchmark::Counter(kLines * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ThousandFormsToDocx)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Appointment plans in a generated database of 100,000 cadres (with their families): adding
// 1,000 cadres to a plan (goal: under 2 s) and loading the lines of a plan of 1,000 lines into
// the grid's model (goal: under 100 ms).

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDate>
#include <memory>

#include "app/DataModule.h"
#include "appointment/PlanLines.h"
#include "appointment/Plans.h"
#include "appointment/ui/PlanLinesModel.h"
#include "db/Database.h"
#include "generate/GeneratedFolder.h"

namespace {

constexpr int kCadres = 100000;
constexpr int kLines = 1000;

struct Fixture {
    Fixture() : folder(kCadres), dm(folder.dm) {
        const auto rows =
            dm->db().query(QStringLiteral("select CadreID from tb_cadre order by CadreID"));
        if (!rows) {
            qFatal("%s", qPrintable(dm->db().lastError()));
        }
        // Cadres spread over the whole table.
        const size_t stride = rows->rows.size() / kLines;
        for (size_t i = 0; i < rows->rows.size() && cadreIds.size() < kLines; i += stride) {
            cadreIds << rows->rows[i].value(0).toInt();
        }
        loadedPlan = newPlan(QStringLiteral("载入"));
        if (!appointment::addCadres(dm->db(), loadedPlan, cadreIds)) {
            qFatal("%s", qPrintable(dm->db().lastError()));
        }
    }

    int newPlan(const QString& name) {
        appointment::PlanHeader plan;
        plan.name = name;
        plan.tbsj = QDate(2026, 1, 1);
        const Result<int> id = appointment::savePlan(dm->db(), plan);
        if (!id) {
            qFatal("%s", qPrintable(id.errorText()));
        }
        return *id;
    }

    synth::GeneratedFolder folder;
    std::unique_ptr<TDataM>& dm;
    QList<int> cadreIds;
    int loadedPlan = 0;
};

Fixture& fixture() {
    static Fixture made;
    return made;
}

void BM_AddThousandCadres(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        const int plan = f.newPlan(QStringLiteral("加入"));
        state.ResumeTiming();
        const Result<int> added = appointment::addCadres(f.dm->db(), plan, f.cadreIds);
        state.PauseTiming();
        if (!added || *added != kLines) {
            state.SkipWithError("the cadres were not added");
            return;
        }
        if (!appointment::deletePlan(f.dm->db(), plan)) {
            state.SkipWithError(qPrintable(f.dm->db().lastError()));
            return;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddThousandCadres)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadPlanOfThousandLines(benchmark::State& state) {
    Fixture& f = fixture();
    PlanLinesModel model(f.dm->db());
    for (auto _ : state) {
        const Result<QString> statement =
            appointment::linesStatement(f.dm->db(), f.loadedPlan, QDate::currentDate());
        if (!statement || !model.load(*statement) || model.rowCount() != kLines) {
            state.SkipWithError("the plan was not loaded");
            return;
        }
    }
}
BENCHMARK(BM_LoadPlanOfThousandLines)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

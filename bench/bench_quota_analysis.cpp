// The quota and staffing analysis page over a generated database of 100,000 cadres in about
// 4,000 units: "刷新" of the page with every unit in scope (the counts, the stored counts and the
// grid), against the bare count statements of the unit dialog run once per unit and band.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableWidget>
#include <memory>

#include "app/DataModule.h"
#include "db/Database.h"
#include "generate/GeneratedFolder.h"
#include "units/QuotaAnalysis.h"
#include "units/Quotas.h"
#include "units/ui/PageZs.h"

namespace {

constexpr int kCadres = 100000;

const QStringList kCategories{QStringLiteral("正职"), QStringLiteral("副职")};

// The generated folder; every real unit gets a quota row for each category, named after the
// first current post of the unit (the head) and "副" + it.
struct Fixture {
    Fixture() : folder(kCadres), dm(*folder.dm) {
        db::Database& db = dm.db();
        const auto rows = db.query(QStringLiteral(
            "select d.ID,d.Name,(select min(zwmc) from tb_cadre_zw z where z.status=1 and "
            "z.DwID=d.ID) from tb_department d where d.isDep=True order by d.dwIndex"));
        if (!rows) {
            qFatal("%s", qPrintable(db.lastError()));
        }
        db.begin();
        for (const QVariantList& row : rows->rows) {
            unitsInScope.push_back({row[0].toInt(), row[1].toString()});
            const QString head = row[2].toString();
            const QString insert = QStringLiteral(
                "insert into tb_department_zs (DwID,zwtype,zwmc,zwrs) values (?,?,?,?)");
            db.exec(insert, {row[0], QStringLiteral("正职"), head, 1});
            db.exec(insert, {row[0], QStringLiteral("副职"), QString(u"副" + head), 2});
            db.exec(QStringLiteral("insert into tb_department_bz (dwID,rybz,bzs) values "
                                   "(?,'公务员',20)"),
                    {row[0]});
        }
        db.commit();
        identities = units::staffIdentities(db).value();
    }

    synth::GeneratedFolder folder;
    TDataM& dm;
    std::vector<units::AnalysisUnit> unitsInScope;
    QStringList identities;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_QuotaPageRefresh(benchmark::State& state) {
    Fixture& f = fixture();
    PageZs page(f.dm);
    page.setScope(units::AnalysisMode::Quotas, f.unitsInScope, kCategories);
    for (auto _ : state) {
        page.refresh();
    }
    state.counters["units"] = static_cast<double>(page.grid()->rowCount());
}

void BM_StaffingPageRefresh(benchmark::State& state) {
    Fixture& f = fixture();
    PageZs page(f.dm);
    page.setScope(units::AnalysisMode::Staffing, f.unitsInScope, f.identities);
    for (auto _ : state) {
        page.refresh();
    }
    state.counters["units"] = static_cast<double>(page.grid()->rowCount());
}

// The counting alone, without the grid.
void BM_QuotaRecountLogic(benchmark::State& state) {
    Fixture& f = fixture();
    auto rows = units::newAnalysisRows(units::AnalysisMode::Quotas, f.unitsInScope, kCategories);
    for (auto _ : state) {
        if (!units::recountAnalysis(f.dm.db(), units::AnalysisMode::Quotas, kCategories, rows)) {
            state.SkipWithError(qPrintable(f.dm.db().lastError()));
            return;
        }
    }
}

// The per-cell statements: one holder count per unit and category.
void BM_QuotaBareCountStatements(benchmark::State& state) {
    Fixture& f = fixture();
    const auto rows = f.dm.db().query(QStringLiteral("select DwID,zwmc from tb_department_zs"));
    for (auto _ : state) {
        int total = 0;
        for (const QVariantList& row : rows->rows) {
            total += units::countQuotaHolders(f.dm.db(), row[0].toInt(), row[1].toString()).value();
        }
        benchmark::DoNotOptimize(total);
    }
}

// One staffing count per unit, grouped by identity.
void BM_StaffingBareCountStatements(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        int total = 0;
        for (const units::AnalysisUnit& unit : f.unitsInScope) {
            total += static_cast<int>(units::countStaffing(f.dm.db(), unit.id).value().size());
        }
        benchmark::DoNotOptimize(total);
    }
}

BENCHMARK(BM_QuotaPageRefresh)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_QuotaRecountLogic)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_QuotaBareCountStatements)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_StaffingPageRefresh)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_StaffingBareCountStatements)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

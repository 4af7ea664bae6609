// Refreshing the current-post texts of one cadre who holds five current posts in five units,
// in generated databases of 10,000 and 100,000 cadres: the time must not grow with the size of
// the database.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <map>
#include <memory>

#include "app/DataModule.h"
#include "cadre/CurrentPosts.h"
#include "db/Database.h"
#include "generate/GeneratedFolder.h"

namespace {

// A generated data folder; its cadre 1 holds exactly five current posts in five units.
struct Fixture {
    explicit Fixture(int cadres) : folder(cadres), dm(folder.dm) {
        db::Database& db = dm->db();
        if (!db.exec(QStringLiteral("delete * from tb_cadre_zw where status=1 and ZwCadreID=1"))) {
            qFatal("%s", qPrintable(db.lastError()));
        }
        const auto units = db.query(
            QStringLiteral("select top 5 ID, name from tb_department where isDep=True order by "
                           "dwIndex"));
        for (size_t i = 0; units && i < units->rows.size(); ++i) {
            db.exec(QStringLiteral("insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,"
                                   "zwOrder,rzsjstr) values (1,1,?,?,?,?,'2020.01')"),
                    {units->rows[i].value(0), units->rows[i].value(1),
                     QStringLiteral("职务%1").arg(i + 1), static_cast<int>(i + 1)});
        }
        if (db.scalar(
                  QStringLiteral("select count(*) from tb_cadre_zw where status=1 and ZwCadreID=1"))
                ->toInt() != 5) {
            qFatal("the cadre does not hold five current posts: %s", qPrintable(db.lastError()));
        }
    }

    synth::GeneratedFolder folder;
    std::unique_ptr<TDataM>& dm;
};

Fixture& fixture(int cadres) {
    static std::map<int, std::unique_ptr<Fixture>> made;
    auto& f = made[cadres];
    if (!f) {
        f = std::make_unique<Fixture>(cadres);
    }
    return *f;
}

void BM_RefreshCurrentPosts(benchmark::State& state) {
    Fixture& f = fixture(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (!cadre::RefreshCurrentPosts(*f.dm, 1, 0)) {
            state.SkipWithError(qPrintable(f.dm->db().lastError()));
            return;
        }
    }
    state.counters["cadres"] = static_cast<double>(state.range(0));
}

BENCHMARK(BM_RefreshCurrentPosts)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The unit tree over 5,000 units: loading it as the tree shows it and re-indexing a subtree of
// about 1,000 units, against one plain read of the table in the tree's order.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/DataModule.h"
#include "db/Database.h"
#include "db/SqlText.h"
#include "units/UnitTree.h"

namespace {

// Unit 1 ("001") heads the subtree that is re-indexed: 10 children with 99 children each, 1,001
// units in all. Nineteen more top-level units have 210 children each: 5,010 units together.
constexpr int kSubtreeChildren = 10;
constexpr int kSubtreeGrandChildren = 99;
constexpr int kOtherTops = 19;
constexpr int kOtherChildren = 210;

struct Fixture {
    Fixture() : dm(dir.path() + u'/') {
        const QString file = dir.filePath(QStringLiteral("Cadre.db"));
        if (!QFile::copy(QDir(QCoreApplication::applicationDirPath())
                             .filePath(QStringLiteral("Db/Empty.db")),
                         file) ||
            !dm.db().open(file)) {
            qFatal("no template database: %s", qPrintable(dm.db().lastError()));
        }
        db::Database& db = dm.db();
        db.begin();
        db.exec(QStringLiteral("delete * from tb_department"));
        int id = 0;
        const auto add = [&](int parent, int order, int level, const QString& index) {
            ++id;
            if (!db.exec(QStringLiteral("insert into tb_department (ID,parentID,Name,dwjc,dwOrder,"
                                        "dwlevel,dwIndex,isDep,status) values (?,?,?,?,?,?,?,?,0)"),
                         {id, parent, QStringLiteral("某单位%1").arg(id),
                          QStringLiteral("单位%1").arg(id), order, level, index, true})) {
                qFatal("%s", qPrintable(db.lastError()));
            }
            return id;
        };
        root = add(0, 1, 0, QStringLiteral("001"));
        for (int c = 1; c <= kSubtreeChildren; ++c) {
            const QString childIndex = *units::unitIndex(QStringLiteral("001"), c);
            const int child = add(root, c, 1, childIndex);
            for (int g = 1; g <= kSubtreeGrandChildren; ++g) {
                add(child, g, 2, *units::unitIndex(childIndex, g));
            }
        }
        for (int t = 2; t <= kOtherTops + 1; ++t) {
            const QString topIndex = *units::unitIndex({}, t);
            const int top = add(0, t, 0, topIndex);
            for (int c = 1; c <= kOtherChildren; ++c) {
                add(top, c, 1, *units::unitIndex(topIndex, c));
            }
        }
        db.commit();
    }

    QTemporaryDir dir;
    TDataM dm;
    int root = 0;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_PlainSelect(benchmark::State& state) {
    db::Database& db = fixture().dm.db();
    for (auto _ : state) {
        const auto rows =
            db.query(QStringLiteral("select * from tb_department order by dwLevel,dwOrder"));
        benchmark::DoNotOptimize(rows->rows.size());
    }
}

void BM_LoadUnitTree(benchmark::State& state) {
    db::Database& db = fixture().dm.db();
    for (auto _ : state) {
        const units::UnitForest roots = units::loadUnitTree(db);
        benchmark::DoNotOptimize(roots.size());
    }
    state.counters["units"] =
        static_cast<double>(units::displayOrder(units::loadUnitTree(db)).size());
}

void BM_ReindexSubtree(benchmark::State& state) {
    Fixture& f = fixture();
    units::UnitTree tree(f.dm);
    for (auto _ : state) {
        const auto done = tree.reindexSubtree(f.root, QStringLiteral("001"), QStringLiteral("001"));
        if (!done) {
            state.SkipWithError(qPrintable(done.failure().message));
        }
    }
    state.counters["units"] = f.dm.db()
                                  .scalar(QStringLiteral("select count(*) from tb_department "
                                                         "where dwIndex like '001%'"))
                                  ->toDouble();
}

BENCHMARK(BM_PlainSelect)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_LoadUnitTree)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ReindexSubtree)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The training page over 100,000 generated cadres: a class of 2,000 participants opened, as a
// click on the class in the tree does (the class read, its participants listed into the grid).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStandardItemModel>

#include "app/DataModule.h"
#include "cadre/PickLists.h"
#include "db/Database.h"
#include "generate/GeneratedFolder.h"
#include "training/Participants.h"
#include "training/TrainingClasses.h"
#include "training/ui/PagePx.h"

namespace {

constexpr int kCadres = 100000;
constexpr int kParticipants = 2000;

struct Fixture {
    Fixture() : folder(kCadres), dm(folder.dm) {
        db::Database& db = dm->db();
        const auto rows =
            db.query(QStringLiteral("select top 2000 CadreID from tb_cadre order "
                                    "by gbOrd desc"));
        if (!rows || rows->rows.size() != static_cast<size_t>(kParticipants)) {
            qFatal("cadres: %s", qPrintable(db.lastError()));
        }
        QList<int> ids;
        for (const QVariantList& row : rows->rows) {
            ids << row.value(0).toInt();
        }
        training::TrainingClass c;
        c.name = QStringLiteral("基准培训班");
        const Result<int> id = training::saveClass(db, c);
        if (!id) {
            qFatal("%s", qPrintable(id.errorText()));
        }
        classId = *id;
        const Result<int> added = training::addParticipants(db, classId, ids);
        if (!added || *added != kParticipants) {
            qFatal("participants: %s", qPrintable(db.lastError()));
        }
    }
    synth::GeneratedFolder folder;
    std::unique_ptr<TDataM>& dm;
    int classId = 0;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_OpenClassOf2000(benchmark::State& state) {
    Fixture& f = fixture();
    cadre::PickLists lists;
    PagePx page(*f.dm, lists);
    for (auto _ : state) {
        if (!page.selectClass(f.classId)) {
            qFatal("class gone");
        }
        benchmark::DoNotOptimize(page.model()->rowCount());
    }
    state.counters["rows"] = page.model()->rowCount();
}

}  // namespace

BENCHMARK(BM_OpenClassOf2000)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

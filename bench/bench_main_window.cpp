// The main window over 100,000 generated cadres: how long until the window is usable after a
// login (unit tree and the first unit's list shown), how long until the first screen of the
// list of a unit with 2,000 members and of the subtree list of the whole tree shows, each
// against all the rows of the same list read by a hand-written SQLite statement through the C
// API; scrolling the whole-tree list to its end, with the memory it then holds, and sorting it.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>

#include <QApplication>
#include <QDate>
#include <algorithm>

#include "app/DataModule.h"
#include "db/Database.h"
#include "generate/GeneratedFolder.h"
#include "main/CadreList.h"
#include "main/ui/CadreListModel.h"
#include "main/ui/PageDw.h"
#include "main/ui/TMainForm.h"

namespace {

constexpr int kCadres = 100000;
constexpr int kBigUnitMembers = 2000;

// A generated data folder of kCadres cadres, with one unit given 2,000 members; made once.
struct Fixture {
    Fixture() : folder(kCadres), dm(folder.dm) {
        qputenv("CADRE_HOME", folder.dir.path().toUtf8());
        // The last unit of the tree takes the first 2,000 cadres that are not its members yet.
        bigUnit = dm->db()
                      .scalar(QStringLiteral("select top 1 ID from tb_department order by "
                                             "dwIndex desc"))
                      ->toInt();
        const bool grown = dm->db().exec(
            QStringLiteral("insert into tb_cadre_node (ZwCadreID,dwID,zwOrder) select CadreID, "
                           "%1, CadreID+100000 from tb_cadre where CadreID not in (select "
                           "ZwCadreID from tb_cadre_node where dwID=%1) and CadreID<=%2")
                .arg(bigUnit)
                .arg(kBigUnitMembers + 100));
        members =
            dm->db()
                .scalar(
                    QStringLiteral("select count(*) from tb_cadre_node where dwID=%1").arg(bigUnit))
                ->toInt();
        if (!grown || members < kBigUnitMembers) {
            qFatal("unit %d has %d members: %s", bigUnit, members,
                   qPrintable(dm->db().lastError()));
        }
    }

    synth::GeneratedFolder folder;
    std::unique_ptr<TDataM>& dm;
    int bigUnit = 0;
    int members = 0;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

const QDate kToday(2026, 12, 10);

// Reads every value of every row through the SQLite C API.
size_t readNative(sqlite3* handle, const QByteArray& sql) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(handle, sql.constData(), -1, &stmt, nullptr);
    const int n = sqlite3_column_count(stmt);
    size_t rows = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int i = 0; i < n; ++i) {
            switch (sqlite3_column_type(stmt, i)) {
                case SQLITE_INTEGER:
                    benchmark::DoNotOptimize(sqlite3_column_int64(stmt, i));
                    break;
                case SQLITE_FLOAT:
                    benchmark::DoNotOptimize(sqlite3_column_double(stmt, i));
                    break;
                case SQLITE_TEXT:
                    benchmark::DoNotOptimize(QString::fromUtf8(
                        reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                        sqlite3_column_bytes(stmt, i)));
                    break;
                default:
                    break;
            }
        }
        ++rows;
    }
    sqlite3_finalize(stmt);
    return rows;
}

QByteArray nativeColumns() {
    return mainwin::kCadreListColumns.toUtf8() +
           ", CAST(strftime('%Y','2026-12-10') AS INTEGER) - CAST(strftime('%Y', csny + "
           "2415018.5) AS INTEGER) - (strftime('%m%d', csny + 2415018.5) > '1210') as age ";
}

// Heap memory in use by this process now, in MB.
double heapInUseMegabytes() {
    return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

// Reads what the grid shows of rows [first, first + count): every column of each row.
void showRows(const CadreListModel& model, int first, int count) {
    const int end = std::min(model.rowCount(), first + count);
    for (int row = first; row < end; ++row) {
        for (int column = 0; column < model.columnCount(); ++column) {
            benchmark::DoNotOptimize(model.index(row, column).data());
        }
    }
}

// The program's way: the list loaded into the grid's model and its first screen of rows shown.
void firstScreenThroughTheProgram(benchmark::State& state, int unit, const QString& prefix) {
    Fixture& f = fixture();
    CadreListModel model;
    for (auto _ : state) {
        if (!model.load(f.dm->db(), mainwin::cadreListQuery(unit, prefix, QString(), kToday))) {
            state.SkipWithError("the list could not be read");
            return;
        }
        showRows(model, 0, 40);
    }
    state.counters["rows"] = model.rowCount();
}

void BM_UnitList2000_Program(benchmark::State& state) {
    firstScreenThroughTheProgram(state, fixture().bigUnit, QString());
}

void BM_UnitList2000_Native(benchmark::State& state) {
    Fixture& f = fixture();
    const QByteArray sql = "select " + nativeColumns() +
                           ",jrsjstr from tb_cadre_node as b left outer join tb_Cadre as a on "
                           "a.CadreID=b.ZwCadreID where b.dwID=" +
                           QByteArray::number(f.bigUnit) + " order by zwOrder";
    size_t rows = 0;
    for (auto _ : state) {
        rows = readNative(f.dm->db().handle(), sql);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_WholeTreeList_Program(benchmark::State& state) {
    firstScreenThroughTheProgram(state, 1, QStringLiteral("0"));
}

// Every row of the whole-tree list shown once, as scrolling from top to bottom does, and the
// heap memory the list holds at its end.
void BM_WholeTreeList_ScrollToTheEnd(benchmark::State& state) {
    Fixture& f = fixture();
    double held = 0;
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const double before = heapInUseMegabytes();
        state.ResumeTiming();
        CadreListModel model;
        if (!model.load(f.dm->db(),
                        mainwin::cadreListQuery(1, QStringLiteral("0"), QString(), kToday))) {
            state.SkipWithError("the list could not be read");
            return;
        }
        showRows(model, 0, model.rowCount());
        rows = model.rowCount();
        state.PauseTiming();
        held = std::max(held, heapInUseMegabytes() - before);
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
    state.counters["heap_held_mb"] = held;
}

// Sorting the whole-tree list by name.
void BM_WholeTreeList_SortByName(benchmark::State& state) {
    Fixture& f = fixture();
    CadreListModel model;
    if (!model.load(f.dm->db(),
                    mainwin::cadreListQuery(1, QStringLiteral("0"), QString(), kToday))) {
        state.SkipWithError("the list could not be read");
        return;
    }
    Qt::SortOrder order = Qt::AscendingOrder;
    for (auto _ : state) {
        model.sort(CadreListModel::columnOf("xm"), order);
        showRows(model, 0, 40);
        order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
}

void BM_WholeTreeList_Native(benchmark::State& state) {
    Fixture& f = fixture();
    const QByteArray sql = "select " + nativeColumns() +
                           ",name,jrsjstr from tb_Cadre as a inner join (select * from "
                           "tb_cadre_node as b left outer join tb_department as c on "
                           "b.dwID=c.ID where c.dwIndex like '0%') as d on "
                           "a.CadreID=d.ZwCadreID order by dwIndex,zwOrder";
    size_t rows = 0;
    for (auto _ : state) {
        rows = readNative(f.dm->db().handle(), sql);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// From a finished login to a usable window: the window made on the data module, shown
// (start duties included) and painted once.
void BM_MainWindowUsable(benchmark::State& state) {
    Fixture& f = fixture();
    int listed = 0;
    for (auto _ : state) {
        TMainForm form(*f.dm);
        form.show();
        QApplication::processEvents();
        listed = form.cadreList()->rowCount();
        state.PauseTiming();
        form.hide();
        state.ResumeTiming();
    }
    state.counters["first_list_rows"] = listed;
}

// The bare statements behind a usable window: the unit table in tree order and the first
// unit's list.
void BM_MainWindowUsable_BareQueries(benchmark::State& state) {
    Fixture& f = fixture();
    const QByteArray first = "select " + nativeColumns() +
                             ",jrsjstr from tb_cadre_node as b left outer join tb_Cadre as a on "
                             "a.CadreID=b.ZwCadreID where b.dwID=(select ID from tb_department "
                             "order by dwIndex limit 1) order by zwOrder";
    for (auto _ : state) {
        readNative(f.dm->db().handle(), "select * from tb_department order by dwLevel,dwOrder");
        readNative(f.dm->db().handle(), first);
    }
}

BENCHMARK(BM_MainWindowUsable)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_MainWindowUsable_BareQueries)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_UnitList2000_Program)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_UnitList2000_Native)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_WholeTreeList_Program)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_WholeTreeList_ScrollToTheEnd)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_WholeTreeList_SortByName)->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(BM_WholeTreeList_Native)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The cadre list of the whole unit tree, over 100,000 cadres: the statement as the
// program writes it (translated from the Jet dialect, then run) against the same statement
// written by hand for SQLite and run directly through the SQLite C API.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "db/Database.h"
#include "db/SqlText.h"
#include "generate/SyntheticData.h"

namespace {

constexpr int kCadres = 100000;

const char* const kColumns =
    "Classid,gbOrd,other,CadreID,xm,xb,csny,rdsj,gzsj,mz,zzmm,jgsheng,cssheng,zwjb,zwjbTime,"
    "zwjbTimeStr,csnyStr,rdsjStr,gzsjStr,py,allZwList,allRzsjList,gxw,gxl,gxlxx,ctype,zydj,"
    "zyzcTime,rybz,ZwLock,fggz,qrzxw,zzxw,jkzk,zyjszw,zytc,qrzxl,zzxl,qrzxxzy,zzxxzy,gzjl,xrz,nrz,"
    "nmz,jcNote,khNote,rmNote,res5,res6,res7,res8,address,tel,tel2,zjType,zjh,CnID,dwID,zwList,"
    "rzsjList,zwOrder";

const QDate kToday(2026, 12, 10);

// A generated working database of kCadres cadres, made once for the whole run.
struct Fixture {
    Fixture() {
        const QString file = dir.filePath(QStringLiteral("Cadre.db"));
        synth::Options options;
        options.cadres = kCadres;
        QString error;
        if (!synth::generateDatabase(QDir(QCoreApplication::applicationDirPath())
                                         .filePath(QStringLiteral("Db/Empty.db")),
                                     file, options, nullptr, &error) ||
            !db.open(file)) {
            qFatal("%s", qPrintable(error + db.lastError()));
        }
    }

    QTemporaryDir dir;
    db::Database db;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

QString jetStatement(const QString& prefix) {
    const sql::Fragments f = sql::Fragments::forDay(kToday);
    return QStringLiteral("select ") + QString::fromLatin1(kColumns) + QStringLiteral(",name,") +
           f.SqlAgeColumn +
           QStringLiteral(
               ",jrsjstr from tb_Cadre as a inner join (select * from tb_cadre_node as "
               "b left outer join tb_department as c on b.dwID=c.ID where c.dwIndex "
               "like ") +
           sql::quoted(prefix + u'%') +
           QStringLiteral(") as d on a.CadreID=d.ZwCadreID  order by dwIndex,zwOrder");
}

// The same list as one would write it for SQLite: the age from the stored day count with
// SQLite's own date functions.
QByteArray nativeStatement(const QString& prefix) {
    const QString today = kToday.toString(QStringLiteral("yyyy-MM-dd"));
    const QString mmdd = kToday.toString(QStringLiteral("MMdd"));
    return (QStringLiteral("select ") + QString::fromLatin1(kColumns) +
            QStringLiteral(",name, CAST(strftime('%Y','%1') AS INTEGER) - CAST(strftime('%Y', "
                           "csny + 2415018.5) AS INTEGER) - (strftime('%m%d', csny + 2415018.5) > "
                           "'%2') as age ,jrsjstr from tb_Cadre as a inner join (select * from "
                           "tb_cadre_node as b left outer join tb_department as c on b.dwID=c.ID "
                           "where c.dwIndex like '%3%') as d on a.CadreID=d.ZwCadreID order by "
                           "dwIndex,zwOrder")
                .arg(today, mmdd, prefix))
        .toUtf8();
}

QVariant nativeValue(sqlite3_stmt* stmt, int i) {
    switch (sqlite3_column_type(stmt, i)) {
        case SQLITE_NULL:
            return {};
        case SQLITE_INTEGER:
            return static_cast<qlonglong>(sqlite3_column_int64(stmt, i));
        case SQLITE_FLOAT:
            return sqlite3_column_double(stmt, i);
        default:
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                                     sqlite3_column_bytes(stmt, i));
    }
}

void BM_CadreSubtreeList_Jet(benchmark::State& state) {
    Fixture& f = fixture();
    const QString sql = jetStatement(QStringLiteral("0"));
    size_t rows = 0;
    for (auto _ : state) {
        const jet::Translation t = jet::translate(sql, &f.db);
        std::unique_ptr<db::SqlStatement> stmt = f.db.prepareNative(t.statements.front().sql);
        const int n = stmt->columnCount();
        rows = 0;
        while (stmt->step() == db::SqlStatement::Step::Row) {
            for (int i = 0; i < n; ++i) {
                benchmark::DoNotOptimize(stmt->value(i));
            }
            ++rows;
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_CadreSubtreeList_Native(benchmark::State& state) {
    Fixture& f = fixture();
    const QByteArray sql = nativeStatement(QStringLiteral("0"));
    size_t rows = 0;
    for (auto _ : state) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(f.db.handle(), sql.constData(), -1, &stmt, nullptr);
        const int n = sqlite3_column_count(stmt);
        rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int i = 0; i < n; ++i) {
                benchmark::DoNotOptimize(nativeValue(stmt, i));
            }
            ++rows;
        }
        sqlite3_finalize(stmt);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

BENCHMARK(BM_CadreSubtreeList_Jet)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_CadreSubtreeList_Native)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

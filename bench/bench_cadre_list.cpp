// The cadre list of a unit with its whole subtree, over 100,000 cadres: the statement as the
// program writes it (translated from the Jet dialect, then run) against the same statement
// written by hand for SQLite and run directly through the SQLite C API.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "db/Database.h"
#include "db/SqlText.h"

namespace {

constexpr int kCadres = 100000;
constexpr int kUnits = 4000;

const char* const kColumns =
    "Classid,gbOrd,other,CadreID,xm,xb,csny,rdsj,gzsj,mz,zzmm,jgsheng,cssheng,zwjb,zwjbTime,"
    "zwjbTimeStr,csnyStr,rdsjStr,gzsjStr,py,allZwList,allRzsjList,gxw,gxl,gxlxx,ctype,zydj,"
    "zyzcTime,rybz,ZwLock,fggz,qrzxw,zzxw,jkzk,zyjszw,zytc,qrzxl,zzxl,qrzxxzy,zzxxzy,gzjl,xrz,nrz,"
    "nmz,jcNote,khNote,rmNote,res5,res6,res7,res8,address,tel,tel2,zjType,zjh,CnID,dwID,zwList,"
    "rzsjList,zwOrder";

const QDate kToday(2026, 12, 10);

class Fixture {
  public:
    Fixture() {
        db.open(dir.filePath(QStringLiteral("Cadre.db")), db::Database::OpenMode::CreateIfMissing);
        create();
    }

    QTemporaryDir dir;
    db::Database db;

  private:
    void exec(const QString& sql, const QVariantList& params = {}) {
        if (!db.exec(sql, params)) {
            qFatal("%s", qPrintable(db.lastError()));
        }
    }

    void create() {
        QStringList cadreColumns;
        for (const QString& c : QString::fromLatin1(kColumns).split(u',')) {
            if (c == u"CnID" || c == u"dwID" || c == u"zwList" || c == u"rzsjList" ||
                c == u"zwOrder" || c == u"CadreID") {
                continue;
            }
            QString type = QStringLiteral("TEXT(255)");
            if (c == u"csny" || c == u"rdsj" || c == u"gzsj" || c == u"zwjbTime" ||
                c == u"zyzcTime") {
                type = QStringLiteral("DATETIME");
            } else if (c == u"Classid" || c == u"gbOrd" || c == u"ctype" || c == u"zydj") {
                type = QStringLiteral("integer");
            } else if (c == u"ZwLock") {
                type = QStringLiteral("bit");
            } else if (c == u"gzjl" || c == u"other" || c == u"xrz") {
                type = QStringLiteral("memo");
            }
            cadreColumns << c + u' ' + type;
        }
        exec(QStringLiteral("CREATE TABLE tb_Cadre ([CadreID] Counter, ") +
             cadreColumns.join(QStringLiteral(", ")) + u')');
        exec(
            QStringLiteral("CREATE TABLE tb_department ([ID] Counter, parentID integer, name "
                           "TEXT(255), dwjc TEXT(255), dwOrder integer, dwlevel integer, dwIndex "
                           "TEXT(50), isDep bit)"));
        exec(
            QStringLiteral("CREATE TABLE tb_cadre_node ([CnID] Counter, ZwCadreID integer, dwID "
                           "integer, zwOrder integer, zwList TEXT(255), rzsjList TEXT(255), "
                           "jrsjStr TEXT(10), bind bit)"));
        exec(QStringLiteral("Create Index dwIndex On tb_department (dwIndex)"));
        exec(QStringLiteral("Create Index dwID On tb_cadre_node (dwID)"));
        exec(QStringLiteral("Create Index ZwCadreID On tb_cadre_node (ZwCadreID)"));

        QRandomGenerator rng(42);
        db::Transaction tx(db);
        // One root; units below it four levels deep.
        std::vector<QString> indexes{QStringLiteral("001")};
        std::vector<int> children{0};
        exec(
            QStringLiteral("insert into tb_department (parentID,name,dwOrder,dwlevel,dwIndex,"
                           "isDep) values (0,'市直',1,0,'001',True)"));
        for (int id = 2; id <= kUnits; ++id) {
            const int parent = id <= 20 ? 1 : static_cast<int>(rng.bounded(id / 4, id - 1)) + 1;
            const int order = ++children[static_cast<size_t>(parent - 1)];
            const QString index = indexes[static_cast<size_t>(parent - 1)] +
                                  QStringLiteral("%1").arg(order, 2, 16, QChar(u'0')).toUpper();
            indexes.push_back(index);
            children.push_back(0);
            exec(QStringLiteral("insert into tb_department (parentID,name,dwOrder,dwlevel,dwIndex,"
                                "isDep) values (?,?,?,?,?,1)"),
                 {parent, QStringLiteral("单位%1").arg(id), order, (index.size() - 3) / 2, index});
        }
        const QString insertCadre = QStringLiteral(
            "insert into tb_Cadre (gbOrd,xm,xb,csny,csnyStr,mz,zzmm,zwjb,xrz,allZwList,gxl,ctype,"
            "Classid,ZwLock,gzjl) values "
            "(?,?,?,?,?,'汉族','中共党员','正处级',?,?,'大学',1,0,0,?)");
        const QString insertNode = QStringLiteral(
            "insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList) values "
            "(?,?,?,'主任','2010.01')");
        std::vector<int> members(kUnits + 1, 0);
        for (int id = 1; id <= kCadres; ++id) {
            const QDate birth = QDate(1960, 1, 1).addDays(rng.bounded(12000));
            exec(insertCadre,
                 {id, QStringLiteral("干部%1").arg(id),
                  rng.bounded(2) ? QStringLiteral("男") : QStringLiteral("女"), birth,
                  birth.toString(QStringLiteral("yyyy.MM")), QStringLiteral("某单位主任"),
                  QStringLiteral("某单位主任"), QStringLiteral("1982.09--1986.07  某大学学习")});
            const int unit = static_cast<int>(rng.bounded(kUnits)) + 1;
            exec(insertNode, {id, unit, ++members[static_cast<size_t>(unit)]});
        }
        tx.commit();
    }
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
    const QString sql = jetStatement(QStringLiteral("001"));
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
    const QByteArray sql = nativeStatement(QStringLiteral("001"));
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

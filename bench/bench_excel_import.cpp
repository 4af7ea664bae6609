// The Excel import over generated data: a workbook of 5,000 rows (half of them cadres already
// stored, half new ones, with all 23 fields filled) read, mapped and imported into a database of
// 20,000 cadres, each row saved through the cadre save and joined to a unit. The goal is a whole
// import in under 10 seconds. Each run is rolled back afterwards, so that every run creates and
// updates the same cadres.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "app/DataModule.h"
#include "db/Database.h"
#include "documents/ExcelImport.h"
#include "generate/GeneratedFolder.h"
#include "office/NewWorkbook.h"

namespace {

constexpr int kCadres = 20000;
constexpr int kRows = 5000;

struct Fixture {
    Fixture() : folder(kCadres), dm(*folder.dm) {
        // Names held by one serving cadre each, to be updated.
        const auto names = dm.db().query(QStringLiteral(
            "select xm from tb_cadre where classid=0 group by xm having count(*)=1"));
        if (!names || names->rows.size() < static_cast<size_t>(kRows / 2)) {
            qFatal("the generated cadres could not be read: %s", qPrintable(dm.db().lastError()));
        }
        office::NewSheet sheet;
        for (int i = 0; i < documents::kImportFieldCount; ++i) {
            sheet.header << QString::fromUtf16(
                documents::importFields()[static_cast<size_t>(i)].caption);
        }
        for (int r = 0; r < kRows; ++r) {
            const QString name = r % 2 == 0 ? names->rows[static_cast<size_t>(r / 2)][0].toString()
                                            : QStringLiteral("导入人员%1").arg(r);
            sheet.rows.push_back({name,
                                  r % 3 == 0 ? QStringLiteral("女") : QStringLiteral("男"),
                                  QStringLiteral("19%1.%2").arg(60 + r % 30).arg(1 + r % 12),
                                  QStringLiteral("汉族"),
                                  QStringLiteral("江苏南京"),
                                  QStringLiteral("江苏南京"),
                                  QStringLiteral("中共党员"),
                                  QStringLiteral("1990-%1").arg(1 + r % 12),
                                  29312.0 + r,
                                  QStringLiteral("某局副局长"),
                                  QStringLiteral("高级经济师"),
                                  QStringLiteral("大学"),
                                  QStringLiteral("学士"),
                                  QStringLiteral("南京大学经济学专业"),
                                  QStringLiteral("研究生"),
                                  QStringLiteral("硕士"),
                                  QStringLiteral("中央党校经济管理专业"),
                                  QStringLiteral("县处级副职"),
                                  QStringLiteral("2015年%1月").arg(1 + r % 12),
                                  QStringLiteral("公务员"),
                                  QStringLiteral("32010119700101%1").arg(1000 + r % 9000),
                                  QStringLiteral("1380000%1").arg(1000 + r % 9000),
                                  QStringLiteral("南京市某路%1号").arg(r)});
        }
        path = out.filePath(QStringLiteral("import.xlsx"));
        if (!office::writeNewWorkbook(path, {sheet}).ok()) {
            qFatal("the workbook could not be written");
        }
        settings.lastRow = kRows + 1;
        for (int i = 0; i < documents::kImportFieldCount; ++i) {
            settings.columns[static_cast<size_t>(i)] = i + 1;
        }
        const Result<QVariant> unit =
            dm.db().scalar(QStringLiteral("select min(ID) from tb_department"));
        unitId = unit ? unit->toInt() : 0;
    }

    synth::GeneratedFolder folder;
    TDataM& dm;
    QTemporaryDir out;
    QString path;
    documents::ExcelImportSettings settings;
    int unitId = 0;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_ExcelImport5000Rows(benchmark::State& state) {
    Fixture& f = fixture();
    int64_t rows = 0;
    for (auto _ : state) {
        auto undo = std::make_unique<db::Transaction>(f.dm.db());
        const Result<QList<documents::ImportRow>> read =
            documents::readImportFile(f.dm.db(), f.path, f.settings);
        if (!read) {
            state.SkipWithError(qPrintable(read.errorText()));
            return;
        }
        const Result<documents::ImportOutcome> outcome =
            documents::importRows(f.dm, *read, f.unitId);
        if (!outcome || outcome->imported != kRows) {
            state.SkipWithError(outcome ? "not every row was imported"
                                        : qPrintable(outcome.errorText()));
            return;
        }
        rows += outcome->imported;
        state.PauseTiming();
        undo.reset();
        state.ResumeTiming();
    }
    state.counters["rows_per_s"] =
        benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ExcelImport5000Rows)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Output through the operators' own templates over generated data: 1,000 cadres through a
// single-person Excel template (a workbook each, counted in files a second) and through a list
// template (one workbook with a row a cadre), each cadre's record and family read from the
// database.

#include <benchmark/benchmark.h>

#include <QDate>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "app/DataModule.h"
#include "db/Database.h"
#include "documents/TemplateOutput.h"
#include "documents/Templates.h"
#include "generate/GeneratedFolder.h"
#include "office/NewWorkbook.h"

namespace {

constexpr int kCadres = 2000;
constexpr int kOutput = 1000;

struct Fixture {
    Fixture() : folder(kCadres), dm(folder.dm) {
        const QString file = work.filePath(QStringLiteral("模板.xlsx"));
        office::NewSheet sheet;
        sheet.header = {QStringLiteral("姓名"),     QStringLiteral("性别"),
                        QStringLiteral("出生年月"), QStringLiteral("民族"),
                        QStringLiteral("现任职"),   QStringLiteral("简历"),
                        QStringLiteral("配偶"),     QStringLiteral("单位")};
        sheet.rows = {{QStringLiteral("<姓名>"), QStringLiteral("<性别>"),
                       QStringLiteral("出生：<出生年月>"), QStringLiteral("<民族>族"),
                       QStringLiteral("<现任职>"), QStringLiteral("<简历>"),
                       QStringLiteral("<家-姓名-1>"), QStringLiteral("<单位名称>")}};
        if (!office::writeNewWorkbook(file, {sheet})) {
            qFatal("the template could not be written");
        }
        for (const int type : {documents::kSinglePerson, documents::kListType}) {
            const Result<int> id = documents::loadTemplate(
                dm->db(), documents::TemplateFormat::Excel, QStringLiteral("模板%1").arg(type),
                type, file, work.path());
            Result<documents::StoredTemplate> read =
                id ? documents::readTemplate(dm->db(), documents::TemplateFormat::Excel, *id)
                   : Result<documents::StoredTemplate>(id.failure());
            if (!read) {
                qFatal("the template could not be loaded: %s", qPrintable(read.errorText()));
            }
            (type == documents::kListType ? list : single) = std::move(*read);
        }
        const auto rows = dm->db().query(
            QStringLiteral("select top %1 CadreID from tb_cadre order by CadreID").arg(kOutput));
        if (!rows || rows->rows.size() != static_cast<size_t>(kOutput)) {
            qFatal("the generated cadres could not be read: %s", qPrintable(dm->db().lastError()));
        }
        for (const QVariantList& row : rows->rows) {
            cadres << row.value(0).toInt();
        }
    }

    synth::GeneratedFolder folder;
    std::unique_ptr<TDataM>& dm;
    QTemporaryDir work;
    documents::StoredTemplate single;
    documents::StoredTemplate list;
    QList<int> cadres;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void run(benchmark::State& state, const documents::StoredTemplate& stored) {
    Fixture& f = fixture();
    int64_t cadres = 0;
    for (auto _ : state) {
        QTemporaryDir out;
        const Result<documents::OutputDone> done = documents::outputCadres(
            f.dm->db(), stored, f.cadres, out.path(), QDate(2024, 6, 30), {});
        if (!done) {
            state.SkipWithError(qPrintable(done.errorText()));
            return;
        }
        cadres += done->cadres;
    }
    state.counters["cadres_per_s"] =
        benchmark::Counter(static_cast<double>(cadres), benchmark::Counter::kIsRate);
}

void BM_SinglePersonExcel(benchmark::State& state) {
    run(state, fixture().single);
}

void BM_ListExcel(benchmark::State& state) {
    run(state, fixture().list);
}

BENCHMARK(BM_SinglePersonExcel)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_ListExcel)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

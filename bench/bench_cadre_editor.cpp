// The cadre editor over 100,000 generated cadres: opening a cadre with six current posts, six
// family members and a photo, and saving a change of it; opening a cadre with records on every
// page and listing each page's records.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTabWidget>
#include <memory>

#include "app/DataModule.h"
#include "cadre/CurrentPosts.h"
#include "cadre/Photo.h"
#include "cadre/PickLists.h"
#include "cadre/ui/TCadreForm.h"
#include "db/Database.h"
#include "generate/GeneratedFolder.h"

namespace {

constexpr int kCadres = 100000;
constexpr int kCadre = 50000;

struct Fixture {
    Fixture() : folder(kCadres), dm(folder.dm) {
        db::Database& db = dm->db();
        // Six current posts in six units, six family members and a photo.
        db.exec(QStringLiteral("delete * from tb_cadre_zw where status=1 and ZwCadreID=%1")
                    .arg(kCadre));
        db.exec(QStringLiteral("delete * from tb_family where CadreID=%1").arg(kCadre));
        const auto units = db.query(QStringLiteral(
            "select top 6 ID, name from tb_department where isDep=True order by dwIndex"));
        for (size_t i = 0; units && i < units->rows.size(); ++i) {
            db.exec(QStringLiteral("insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,"
                                   "zwOrder,rzsjstr) values (?,1,?,?,?,?,'2020.01')"),
                    {kCadre, units->rows[i].value(0), units->rows[i].value(1),
                     QStringLiteral("职务%1").arg(i + 1), static_cast<int>(i + 1)});
            db.exec(QStringLiteral("insert into tb_family (CadreID,ford,cw,xm) values "
                                   "(?,?,'子女',?)"),
                    {kCadre, static_cast<int>(i + 1), QStringLiteral("家属%1").arg(i + 1)});
        }
        QImage picture(240, 300, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        const Result<void> refreshed = cadre::RefreshCurrentPosts(*dm, kCadre, 0);
        const Result<void> stored =
            refreshed ? cadre::writePhoto(*dm, kCadre, cadre::encodePhoto(picture)) : refreshed;
        if (!stored) {
            qFatal("%s", qPrintable(stored.errorText()));
        }
        // Records on every page: rewards and punishments, inspections, reports of each kind and
        // a document (the generated catalogue is kept).
        for (const QString& statement :
             {QStringLiteral(
                  "insert into tb_jc (cid,dxType,jclbx,jcmc) values (%1,0,'奖类','嘉奖')"),
              QStringLiteral(
                  "insert into tb_jc (cid,dxType,jclbx,jcmc) values (%1,0,'惩类','警告')"),
              QStringLiteral("insert into tb_kc (cid,kclb,kcName,kcYear) values "
                             "(%1,'年度考核','2020年度考核',2020)"),
              QStringLiteral("insert into tb_kc (cid,kclb,kcName,kcYear) values "
                             "(%1,'届中考察','届中考察',2021)"),
              QStringLiteral("insert into A54 (cid,A5404) values (%1,'本人婚姻变化情况')"),
              QStringLiteral("insert into A55 (cid,A5501) values (%1,'审经责〔2021〕1号')"),
              QStringLiteral("insert into A56 (cid,A5604) values (%1,'反映意见')"),
              QStringLiteral("insert into tb_File (fileName,fExt,ziped) values ('a.txt','.txt',0)"),
              QStringLiteral("insert into tb_fileLink (dxType,dxID,fileid) values (1,%1,(select "
                             "max(id) from tb_File))")}) {
            const QString sql = statement.contains(u"%1") ? statement.arg(kCadre) : statement;
            if (!db.exec(sql)) {
                qFatal("%s", qPrintable(db.lastError()));
            }
        }
        lists = cadre::loadPickLists(db).value();
    }

    synth::GeneratedFolder folder;
    std::unique_ptr<TDataM>& dm;
    cadre::PickLists lists;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_OpenCadre(benchmark::State& state) {
    Fixture& f = fixture();
    TCadreForm editor(*f.dm, f.lists);
    for (auto _ : state) {
        if (!editor.openCadre(kCadre)) {
            state.SkipWithError("the cadre did not open");
            return;
        }
    }
}

void BM_OpenCadreInANewWindow(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        TCadreForm editor(*f.dm, f.lists);
        if (const Result<void> opened = editor.openCadre(kCadre); !opened) {
            state.SkipWithError(qPrintable(opened.errorText()));
            return;
        }
        editor.show();
        QApplication::processEvents();
        state.PauseTiming();
        editor.hide();
        state.ResumeTiming();
    }
}

void BM_SaveCadre(benchmark::State& state) {
    Fixture& f = fixture();
    TCadreForm editor(*f.dm, f.lists);
    if (const Result<void> opened = editor.openCadre(kCadre); !opened) {
        state.SkipWithError(qPrintable(opened.errorText()));
        return;
    }
    auto* phone = editor.findChild<QLineEdit*>(QStringLiteral("edtTel"));
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        phone->setText(QString::number(++n));
        state.ResumeTiming();
        if (!editor.save(false)) {
            state.SkipWithError("the save was refused");
            return;
        }
    }
}

// Opening the cadre and then showing each of its record pages, as a user leafing through the
// editor does: every page lists its records.
void BM_OpenCadreWithEveryPage(benchmark::State& state) {
    Fixture& f = fixture();
    TCadreForm editor(*f.dm, f.lists);
    auto* pages = editor.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (auto _ : state) {
        state.PauseTiming();
        pages->setCurrentIndex(0);
        state.ResumeTiming();
        if (!editor.openCadre(kCadre)) {
            state.SkipWithError("the cadre did not open");
            return;
        }
        for (int page = 1; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
        }
    }
}

BENCHMARK(BM_OpenCadre)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_OpenCadreWithEveryPage)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_OpenCadreInANewWindow)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_SaveCadre)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

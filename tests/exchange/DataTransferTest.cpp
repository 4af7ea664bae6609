#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "TransferDump.h"
#include "app/Progress.h"
#include "db/Database.h"
#include "db/SqlStatement.h"
#include "exchange/DataTransfer.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

using namespace Qt::StringLiterals;

// Collects the texts of the wait window.
class RecordingProgress final : public app::Progress {
  public:
    void start(const QString& text, int) override { texts << text; }
    void setText(const QString& text) override { texts << text; }
    void step() override {}
    void finish() override {}
    QStringList texts;
};

// A working database with the sample organisation, gaps in its keys (the first cadre and unit
// are gone, so every later key moves when renumbered) and rows in every transferred table.
class DataTransfer : public ::testing::Test {
  protected:
    void SetUp() override {
        path = home.makeWorkingDatabase();
        ASSERT_TRUE(working.open(path)) << working.lastError();
        addRowsEverywhere();
        if (HasFatalFailure()) {
            return;
        }
        before = transferDump(working);
    }

    void exec(const QString& statement) {
        ASSERT_TRUE(working.exec(statement)) << working.lastError();
    }

    void addRowsEverywhere() {
        exec(u"delete * from tb_cadre where CadreID=(select min(CadreID) from tb_cadre)"_s);
        exec(u"delete * from tb_department where ID=(select max(ID) from tb_department)"_s);
        exec(
            u"insert into tb_cadre (CadreID,xm,csny,photo) values (900,'高号甲',#1970-03-01#,"
            u"x'FFD8FF00')"_s);
        exec(u"insert into tb_cadre (CadreID,xm) values (905,'高号乙')"_s);
        exec(
            u"insert into tb_department (ID,parentID,Name,dwIndex) values (700,"
            u"(select min(ID) from tb_department),'高号单位','0FF')"_s);
        exec(u"insert into tb_cadre_node (ZwCadreID,dwID,zwOrder) values (900,700,1)"_s);
        exec(u"insert into tb_cadre_zw (ZwCadreID,status,dwID,zwmc) values (900,1,700,'主任')"_s);
        exec(u"insert into tb_department_zs (DwID,zwmc,zwrs) values (700,'主任',1)"_s);
        exec(u"insert into tb_department_bz (dwID,rybz,bzs) values (700,'行政编制',3)"_s);
        exec(u"insert into tb_bzkc (dwID,rybz,bzs) values (700,'事业编制',2)"_s);
        exec(u"insert into tb_family (CadreID,xm,cw) values (900,'家属','妻子')"_s);
        exec(u"insert into tb_family (CadreID,xm,cw) values (777777,'无主','子')"_s);
        exec(u"insert into tb_kc (cid,kcName,dwid) values (905,'年度考核',700)"_s);
        exec(u"insert into tb_jc (id,cid,dxType,jcmc) values (40,900,0,'嘉奖')"_s);
        exec(u"insert into tb_jc (cid,dxType,jcmc) values (3,2,'集体奖')"_s);
        exec(u"insert into tb_fggzlr (cid,nr) values (900,'分管')"_s);
        exec(u"insert into tb_fggb (cid,fgcid) values (900,905)"_s);
        exec(u"insert into tb_fgcj (cid,dwid) values (905,700)"_s);
        exec(u"insert into tb_File (id,fileName,fExt,Binfile) values (50,'材料','docx',x'0102')"_s);
        exec(u"insert into tb_File (id,fileName,fExt) values (60,'另一份','pdf')"_s);
        exec(u"insert into tb_fileLink (dxType,dxID,fileid) values (1,905,60)"_s);
        exec(u"insert into tb_fileLink (dxType,dxID,fileid) values (3,2,50)"_s);
        exec(u"insert into E01 (cid,dxType,E01Z111A,fileID) values (900,0,'档案',50)"_s);
        exec(u"insert into A54 (cid,A5404) values (900,'婚姻')"_s);
        exec(u"insert into A55 (cid,A5501) values (905,'审计1号')"_s);
        exec(u"insert into A56 (cid,A5604) values (900,'来信')"_s);
        exec(u"insert into tb_rmmc (id,name) values (7,'方案七')"_s);
        exec(u"insert into tb_rmmc (id,name) values (3,'方案三')"_s);
        exec(u"insert into tb_rmmc_detail (mcID,McCadreID,xm) values (7,900,'高号甲')"_s);
        exec(u"insert into tb_rmmc_detail (mcID,McCadreID,xm) values (3,905,'高号乙')"_s);
        exec(u"insert into tb_beadroll (id,mcName) values (9,'名册九')"_s);
        exec(u"insert into tb_beadroll_detail (McCadreID,mcID,brOrder) values (905,9,1)"_s);
        exec(u"insert into tb_beadroll_mirror (mcID,McCadreID,xm) values (9,900,'高号甲')"_s);
        exec(u"insert into tb_px (pxid,pxName) values (4,'培训班')"_s);
        exec(u"insert into tb_pxCadre (pxid,CadreID,CName) values (4,905,'高号乙')"_s);
        exec(u"insert into tb_pxCadre2 (CadreID,pxName) values (900,'班外培训')"_s);
        exec(u"insert into tb_pxjg (Name) values ('党校')"_s);
        exec(u"insert into tb_plan (tital,manid) values ('提醒',1)"_s);
        exec(u"insert into tb_totalInfor (cadreNum,depNum) values (61,20)"_s);
        exec(u"insert into tb_zw (id,zwmc) values (300,'调研员')"_s);
        exec(u"update tb_general set rzyy='调任'"_s);
    }

    QString file(const QString& name) const { return QDir(home.path()).filePath(name); }
    QString templateFile() const { return QDir(home.dbDir()).filePath(u"Empty.db"_s); }

    // The keys of a table, in order.
    static QList<qint64> keys(db::Database& db, const QString& key, const QString& table) {
        QList<qint64> out;
        const auto rows =
            db.query(u"select "_s + key + u" from "_s + table + u" order by "_s + key);
        if (rows) {
            for (const auto& row : rows->rows) {
                out << row[0].toLongLong();
            }
        }
        return out;
    }

    TestHome home;
    QString path;
    db::Database working;
    QMap<QString, QStringList> before;
};

TEST_F(DataTransfer, ExportAndRestoreKeepEveryRowAndEveryRelation) {
    const QString single = file(u"单机版.db"_s);
    const Result<void> exported = exchange::exportToSingleFile(working, templateFile(), single);
    ASSERT_TRUE(exported) << exported.errorText();
    {
        db::Database copy;
        ASSERT_TRUE(copy.open(single)) << copy.lastError();
        EXPECT_EQ(transferDump(copy), before);
        // The file numbers its keys afresh from 1.
        const QList<qint64> cadres = keys(copy, u"CadreID"_s, u"tb_cadre"_s);
        ASSERT_FALSE(cadres.isEmpty());
        EXPECT_EQ(cadres.front(), 1);
        EXPECT_EQ(cadres.back(), cadres.size());
        EXPECT_EQ(copy.scalar(u"select rzyy from tb_general"_s)->toString(), u"调任"_s);
        // A reward of another kind of object keeps its number.
        EXPECT_EQ(copy.scalar(u"select cid from tb_jc where dxType=2"_s)->toInt(), 3);
    }
    EXPECT_EQ(transferDump(working), before) << "the export only reads";

    // The working data change; restoring the file brings back what was exported, while the
    // accounts stay those of the working database.
    exec(u"insert into tb_cadre (xm) values ('后加的')"_s);
    exec(u"delete * from tb_cadre_node"_s);
    exec(u"update tb_general set rzyy='改过'"_s);
    exec(u"insert into tb_manager (userName) values ('本机账户')"_s);
    const QString kept = file(u"保留/恢复前.vhbak"_s);
    RecordingProgress progress;
    app::Progress* previous = app::setProgress(&progress);
    const Result<void> restored = exchange::restoreFromSingleFile(working, single, kept);
    app::setProgress(previous);
    ASSERT_TRUE(restored) << restored.errorText();
    EXPECT_EQ(progress.texts.mid(0, 4),
              (QStringList{u"正在导入..."_s, u"正在清除现有记录..."_s, u"正在导入参数设置..."_s,
                           u"正在导入组织架构设置..."_s}));
    EXPECT_EQ(progress.texts.back(), u"正在导入培训班干部..."_s);
    EXPECT_EQ(transferDump(working), before);
    EXPECT_EQ(working.scalar(u"select rzyy from tb_general"_s)->toString(), u"调任"_s);
    EXPECT_EQ(
        working.scalar(u"select count(*) from tb_manager where userName='本机账户'"_s)->toInt(), 1);
    const Result<QVariant> newCadre = working.exec(u"insert into tb_cadre (xm) values ('新')"_s)
                                          ? working.scalar(u"select max(CadreID) from tb_cadre"_s)
                                          : Result<QVariant>(Failure{{}, working.lastError()});
    ASSERT_TRUE(newCadre) << newCadre.errorText();
    EXPECT_EQ(newCadre->toLongLong(), keys(working, u"CadreID"_s, u"tb_cadre"_s).size())
        << "a new cadre follows the restored keys";

    db::Database keptCopy;
    ASSERT_TRUE(keptCopy.open(kept)) << keptCopy.lastError();
    EXPECT_EQ(keptCopy.scalar(u"select count(*) from tb_cadre where xm='后加的'"_s)->toInt(), 1);
}

TEST_F(DataTransfer, OldRemovalDatesOfMinusOneArriveEmpty) {
    const QString single = file(u"旧.db"_s);
    ASSERT_TRUE(exchange::exportToSingleFile(working, templateFile(), single));
    {
        db::Database old;
        ASSERT_TRUE(old.open(single));
        ASSERT_TRUE(old.execNative(u"update tb_cadre_zw set mzsj='-1'"_s)) << old.lastError();
    }
    ASSERT_TRUE(exchange::restoreFromSingleFile(working, single, file(u"k.vhbak"_s)));
    EXPECT_EQ(working.scalar(u"select count(*) from tb_cadre_zw where mzsj is not null"_s)->toInt(),
              0);
    EXPECT_GT(working.scalar(u"select count(*) from tb_cadre_zw"_s)->toInt(), 0);
}

TEST_F(DataTransfer, RefusedInputChangesNothing) {
    QFile text(file(u"不是数据库.db"_s));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("这不是数据库");
    text.close();

    const struct {
        const char* what;
        QString source;
        QString message;
    } restores[] = {
        {"no file chosen", u" "_s, exchange::kNoSourceChosen},
        {"missing file", file(u"没有.db"_s), exchange::kSourceUnreadable},
        {"not a database", text.fileName(), exchange::kSourceUnreadable},
        {"the working file", path, exchange::kSameAsWorking},
    };
    for (const auto& c : restores) {
        SCOPED_TRACE(c.what);
        const Result<void> restored =
            exchange::restoreFromSingleFile(working, c.source, file(u"k.vhbak"_s));
        ASSERT_FALSE(restored);
        EXPECT_EQ(restored.failure().message, c.message);
        EXPECT_EQ(transferDump(working), before);
    }

    const struct {
        const char* what;
        QString templateFile;
        QString target;
        QString message;
    } exports[] = {
        {"no target", templateFile(), u""_s, exchange::kNoTargetChosen},
        {"no template", file(u"无模板.db"_s), file(u"出1.db"_s), exchange::kTemplateMissing},
        {"template not a database", text.fileName(), file(u"出2.db"_s),
         exchange::kTemplateUnreadable},
        {"the working file", templateFile(), path, exchange::kSameAsWorking},
    };
    for (const auto& c : exports) {
        SCOPED_TRACE(c.what);
        const Result<void> exported =
            exchange::exportToSingleFile(working, c.templateFile, c.target);
        ASSERT_FALSE(exported);
        EXPECT_EQ(exported.failure().message, c.message);
        EXPECT_FALSE(!c.target.isEmpty() && c.target != path && QFileInfo::exists(c.target));
    }
    // Nothing half-written is left beside the targets.
    EXPECT_TRUE(QDir(home.path()).entryList({u"*.tmp"_s}, QDir::Files).isEmpty());
}

// Every step at which a transfer can stop: before clearing, before each table, before saving.
QStringList transferSteps() {
    return QStringList{exchange::kStepClear} + exchange::transferredTables() +
           QStringList{exchange::kStepCommit};
}

TEST_F(DataTransfer, RestoreStoppedAtAnyStepLeavesTheWorkingDataAsTheyWere) {
    const QString single = file(u"来源.db"_s);
    ASSERT_TRUE(exchange::exportToSingleFile(working, templateFile(), single));
    exec(u"insert into tb_cadre (xm) values ('恢复前才有')"_s);
    const auto current = transferDump(working);
    for (const QString& stop : transferSteps()) {
        SCOPED_TRACE(stop.toStdString());
        const Result<void> restored = exchange::restoreFromSingleFile(
            working, single, file(u"k.vhbak"_s), [&](const QString& step) { return step != stop; });
        ASSERT_FALSE(restored);
        EXPECT_EQ(restored.failure().message, exchange::kOperationStopped);
        EXPECT_EQ(transferDump(working), current);
    }
}

TEST_F(DataTransfer, ProcessKilledInTheMiddleOfARestoreLeavesAnIntactDatabase) {
    GTEST_FLAG_SET(death_test_style, "fast");
    const QString single = file(u"来源.db"_s);
    ASSERT_TRUE(exchange::exportToSingleFile(working, templateFile(), single));
    exec(u"insert into tb_cadre (xm) values ('恢复前才有')"_s);
    const auto current = transferDump(working);
    // The connection is not carried into the child process: each side opens its own.
    working.close();
    for (const QString& stop : transferSteps()) {
        SCOPED_TRACE(stop.toStdString());
        EXPECT_EXIT(
            {
                db::Database child;
                if (child.open(path)) {
                    (void)exchange::restoreFromSingleFile(child, single, file(u"k.vhbak"_s),
                                                          [&](const QString& step) {
                                                              if (step == stop) {
                                                                  std::_Exit(3);
                                                              }
                                                              return true;
                                                          });
                }
                std::_Exit(4);
            },
            ::testing::ExitedWithCode(3), "");
        db::Database after;
        ASSERT_TRUE(after.open(path)) << after.lastError();
        const auto check = after.prepareNative(u"PRAGMA integrity_check"_s);
        ASSERT_NE(check, nullptr);
        ASSERT_EQ(check->step(), db::SqlStatement::Step::Row);
        EXPECT_EQ(check->value(0).toString(), u"ok"_s);
        EXPECT_EQ(transferDump(after), current);
    }
}

// The process ends at moments that fall anywhere, inside statements too: the working data are
// afterwards either all the old ones or all the restored ones.
TEST_F(DataTransfer, RestoreKilledAtRandomMomentsLeavesOldOrNewDataWhole) {
    GTEST_FLAG_SET(death_test_style, "fast");
    const QString single = file(u"来源.db"_s);
    ASSERT_TRUE(exchange::exportToSingleFile(working, templateFile(), single));
    exec(u"insert into tb_cadre (xm) values ('恢复前才有')"_s);
    const auto old = transferDump(working);
    working.close();
    int sawOld = 0;
    for (const int delayMs : {1, 5, 12, 25, 40, 70, 110}) {
        SCOPED_TRACE(delayMs);
        EXPECT_EXIT(
            {
                std::thread([delayMs] {
                    std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
                    std::_Exit(3);
                }).detach();
                db::Database child;
                if (child.open(path)) {
                    (void)exchange::restoreFromSingleFile(child, single, file(u"k.vhbak"_s));
                }
                std::_Exit(3);
            },
            ::testing::ExitedWithCode(3), "");
        db::Database after;
        ASSERT_TRUE(after.open(path)) << after.lastError();
        {
            // The statement is finished before the connection closes, so that it holds no lock.
            const auto check = after.prepareNative(u"PRAGMA integrity_check"_s);
            ASSERT_NE(check, nullptr);
            ASSERT_EQ(check->step(), db::SqlStatement::Step::Row);
            EXPECT_EQ(check->value(0).toString(), u"ok"_s);
        }
        const auto now = transferDump(after);
        EXPECT_TRUE(now == old || now == before);
        sawOld += now == old ? 1 : 0;
        after.close();
        // The next round starts from the old data again.
        if (now != old) {
            ASSERT_TRUE(after.open(path));
            ASSERT_TRUE(after.exec(u"insert into tb_cadre (xm) values ('恢复前才有')"_s))
                << after.lastError();
            ASSERT_EQ(transferDump(after), old);
        }
    }
    EXPECT_GT(sawOld, 0) << "at least the earliest end came before the restore finished";
}

TEST_F(DataTransfer, ExportKilledOrStoppedLeavesNoTargetAndTheWorkingDataUntouched) {
    GTEST_FLAG_SET(death_test_style, "fast");
    const QString target = file(u"导出.db"_s);
    for (const QString& stop : transferSteps()) {
        SCOPED_TRACE(stop.toStdString());
        const Result<void> stopped = exchange::exportToSingleFile(
            working, templateFile(), target, [&](const QString& step) { return step != stop; });
        ASSERT_FALSE(stopped);
        EXPECT_FALSE(QFileInfo::exists(target));
    }
    working.close();
    EXPECT_EXIT(
        {
            db::Database child;
            if (child.open(path)) {
                (void)exchange::exportToSingleFile(child, templateFile(), target,
                                                   [](const QString& step) {
                                                       if (step == u"tb_cadre_zw") {
                                                           std::_Exit(3);
                                                       }
                                                       return true;
                                                   });
            }
            std::_Exit(4);
        },
        ::testing::ExitedWithCode(3), "");
    EXPECT_FALSE(QFileInfo::exists(target));
    ASSERT_TRUE(working.open(path)) << working.lastError();
    EXPECT_EQ(transferDump(working), before);
}

}  // namespace

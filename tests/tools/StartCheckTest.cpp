#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "ProgramRun.h"
#include "app/Login.h"
#include "db/Database.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

// The program started offscreen on the data folder `home`, with a lock folder of its own so
// that no other copy on the machine is in its way.
ProgramRun checkStart(const QString& home, const QString& lockFolder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("CADRE_HOME"), home);
    environment.insert(QStringLiteral("TMPDIR"), lockFolder);
    return runProgram(QStringLiteral(CADRE_PROGRAM_PATH), {QStringLiteral("--check-start")},
                      environment);
}

TEST(StartCheck, AnEmptyDataFolderIsSeededAndTheMainWindowOpensAndCloses) {
    QTemporaryDir home;
    QTemporaryDir lock;
    const ProgramRun run = checkStart(home.path(), lock.path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const char* file : {"Db/Cadre.db", "Db/Empty.db", "Db/Send.db",
                             "Word模板/干部任免审批表.docx", "Word模板/原始模板/文本型简历.docx"}) {
        EXPECT_TRUE(QFileInfo::exists(home.filePath(QString::fromUtf8(file)))) << file;
    }
    // The working database was opened by the main window: the list's layout was saved on close.
    db::Database db;
    ASSERT_TRUE(db.open(home.filePath(QStringLiteral("Db/Cadre.db"))));
    EXPECT_GT(db.scalar(QStringLiteral("select count(*) from tb_custom_width"))->toInt(), 0);
}

// Nobody is there to log in: a database with accounts ends the check at once instead of
// waiting for a login that never comes.
TEST(StartCheck, ADatabaseThatAsksForALoginEndsTheCheckWithExitCodeOne) {
    TestHome home;
    {
        db::Database db;
        ASSERT_TRUE(db.open(home.makeWorkingDatabase()));
        ASSERT_TRUE(db.exec(
            QStringLiteral("insert into tb_manager (userName,pw,usertype) values ('张三',?,0)"),
            {app::passwordDigest(QStringLiteral("abc"), QStringLiteral("张三"))}));
    }
    QTemporaryDir lock;
    const ProgramRun run = checkStart(home.path(), lock.path());
    EXPECT_EQ(run.exitCode, 1) << run.err;
}

}  // namespace

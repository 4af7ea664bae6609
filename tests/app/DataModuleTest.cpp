#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/AppPaths.h"
#include "app/DataModule.h"
#include "exchange/AutoBackup.h"
#include "schema/SchemaVersion.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"

namespace {

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool noLogin(TDataM&) {
    ADD_FAILURE() << "no login expected";
    return false;
}

TEST(DataModule, AMissingWorkingDatabaseIsMadeFromTheTemplate) {
    TestHome home;
    RecordingMessageService messages;
    const QString working = QDir(home.dbDir()).filePath(QStringLiteral("Cadre.db"));
    ASSERT_FALSE(QFileInfo::exists(working));
    {
        TDataM dm(home.path());
        EXPECT_TRUE(dm.create(noLogin));
        EXPECT_TRUE(dm.FirstRun);
        EXPECT_FALSE(dm.StartAborted);
        EXPECT_EQ(dm.DbDir, home.path() + QStringLiteral("/Db/"));
        EXPECT_EQ(dm.db().scalar(QStringLiteral("select version from tb_general"))->toDouble(),
                  schema::kSchemaVersion);
        // The automatic backup counts its first period from today.
        EXPECT_EQ(exchange::databaseMadeDate(dm.db()).value(), QDate::currentDate());
    }
    EXPECT_TRUE(QFileInfo::exists(working));
    EXPECT_TRUE(messages.shown().empty());
    // The next start finds it.
    TDataM again(home.path());
    EXPECT_TRUE(again.create(noLogin));
    EXPECT_FALSE(again.FirstRun);
    EXPECT_EQ(again.db()
                  .scalar(QStringLiteral("select count(*) from tb_conf where GID=? and ItemID=?"),
                          {exchange::kSettingsGroup, exchange::kMadeItem})
                  ->toInt(),
              1);
}

TEST(DataModule, AFileThatIsNoDatabaseIsReportedAndLeftUntouched) {
    TestHome home;
    RecordingMessageService messages;
    const QString working = QDir(home.dbDir()).filePath(QStringLiteral("Cadre.db"));
    {
        QFile f(working);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("broken ").repeated(500));
    }
    const QByteArray before = contentOf(working);
    TDataM dm(home.path());
    EXPECT_FALSE(dm.create(noLogin));
    EXPECT_TRUE(dm.StartAborted);
    EXPECT_FALSE(dm.FirstRun);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("执行错误,打开数据库失败."));
    EXPECT_EQ(messages.shown()[0].title, QStringLiteral("错误"));
    EXPECT_EQ(contentOf(working), before);
}

// A database whose yes/no columns still hold nulls (written before they were kept free of
// them) has them turned into No as it is opened.
TEST(DataModule, OpeningTurnsNullYesNoValuesIntoNo) {
    TestHome home;
    RecordingMessageService messages;
    {
        db::Database old;
        ASSERT_TRUE(old.open(home.makeWorkingDatabase()));
        ASSERT_TRUE(old.execNative(QStringLiteral("DROP TABLE tb_custom_check")));
        ASSERT_TRUE(old.execNative(
            QStringLiteral("CREATE TABLE tb_custom_check (name TEXT, down BIT, manid INTEGER)")));
        ASSERT_TRUE(old.execNative(QStringLiteral(
            "INSERT INTO tb_custom_check (name,down) VALUES ('a',NULL),('b',1),('c',NULL)")));
    }
    TDataM dm(home.path());
    ASSERT_TRUE(dm.create(noLogin));
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(dm.db()
                  .scalar(QStringLiteral("select count(*) from tb_custom_check where down is null"))
                  ->toInt(),
              0);
    EXPECT_EQ(dm.db()
                  .scalar(QStringLiteral("select count(*) from tb_custom_check where down=True"))
                  ->toInt(),
              1);
}

TEST(DataModule, AMissingTemplateEndsStartUpWithAMessage) {
    TestHome home;
    RecordingMessageService messages;
    ASSERT_TRUE(QFile::remove(QDir(home.dbDir()).filePath(QStringLiteral("Empty.db"))));
    TDataM dm(home.path());
    EXPECT_FALSE(dm.create(noLogin));
    EXPECT_TRUE(dm.StartAborted);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, RecordingMessageService::Shown::Kind::Error);
    EXPECT_TRUE(QDir(home.dbDir()).entryList({QStringLiteral("Cadre.db*")}).isEmpty());
}

TEST(DataModule, AnEmptyDataFolderGetsTheInstalledTemplates) {
    const TestHome installed;  // stands for the program's folder with its Db/
    QTemporaryDir data;
    app::seedTemplates(data.path(), installed.path());
    EXPECT_TRUE(QFileInfo::exists(data.filePath(QStringLiteral("Db/Empty.db"))));
    EXPECT_TRUE(QFileInfo::exists(data.filePath(QStringLiteral("Db/Send.db"))));
    TDataM dm(data.path());
    RecordingMessageService messages;
    EXPECT_TRUE(dm.create(noLogin));
    EXPECT_TRUE(dm.FirstRun);
    // A folder that has its own templates keeps them.
    QFile::remove(installed.dbDir() + QStringLiteral("/Empty.db"));
    app::seedTemplates(data.path(), installed.path());
    EXPECT_TRUE(QFileInfo::exists(data.filePath(QStringLiteral("Db/Empty.db"))));
}

// An installed program (<prefix>/bin/cadre) has no Db/ beside it: its templates are in
// <prefix>/share/cadre, and a user's data folder is seeded from there without losing what the
// user already has.
TEST(DataModule, AnInstalledProgramSeedsTheDataFolderFromItsSharedDataFolder) {
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    const QString shared = prefix.filePath(QStringLiteral("share/cadre"));
    QDir buildPrograms(TestHome::templateDir());
    buildPrograms.cdUp();
    app::seedTemplates(shared, buildPrograms.path());
    ASSERT_TRUE(QFileInfo::exists(shared + QStringLiteral("/Db/Empty.db")));

    const QString programDir = prefix.filePath(QStringLiteral("bin"));
    EXPECT_EQ(app::installedTemplates(programDir), shared + u'/');
    // A program with Db/ beside it (the build folder) keeps its templates there.
    EXPECT_EQ(app::installedTemplates(buildPrograms.path()), buildPrograms.path() + u'/');

    QTemporaryDir data;
    const QString ownTemplate = data.filePath(QStringLiteral("Word模板/干部任免审批表.docx"));
    ASSERT_TRUE(QDir(data.path()).mkpath(QStringLiteral("Word模板")));
    QFile own(ownTemplate);
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("the user's own");
    own.close();
    app::seedTemplates(data.path(), app::installedTemplates(programDir));
    for (const char* file : {"Db/Empty.db", "Db/Send.db", "Word模板/文本型简历.docx",
                             "Word模板/原始模板/干部任免审批表.docx"}) {
        EXPECT_TRUE(QFileInfo::exists(data.filePath(QString::fromUtf8(file)))) << file;
    }
    EXPECT_EQ(contentOf(ownTemplate), QByteArray("the user's own"));
}

}  // namespace

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>
#include <vector>

#include "app/DataModule.h"
#include "db/Database.h"
#include "exchange/AutoBackup.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

using namespace Qt::StringLiterals;

QDate day(const QString& iso) {
    return QDate::fromString(iso, Qt::ISODate);
}

// A data module on a fresh working database; its backups go to the data folder's "自动备份".
class AutoBackup : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        ASSERT_TRUE(dm.db().exec(u"delete * from tb_conf where GID='备份记录' or GID='自动备份'"_s))
            << dm.db().lastError();
    }

    bool exec(const QString& statement, const QVariantList& params = {}) {
        const bool ok = dm.db().exec(statement, params);
        if (!ok) {
            ADD_FAILURE() << dm.db().lastError();
        }
        return ok;
    }
    void setItem(const QString& item, const QString& value) {
        ASSERT_TRUE(dm.SetConf(exchange::kSettingsGroup, item, value));
    }
    void addRecord(const QString& date, const QVariant& file = {}) {
        exec(u"insert into tb_conf (GID,ItemV,ItemV2) values ('备份记录',?,?)"_s, {date, file});
    }
    // The records as "date|file" from oldest to newest.
    QStringList records() {
        const auto rows =
            dm.db().query(u"select * from tb_conf where GID='备份记录' order by ItemV"_s);
        QStringList out;
        if (rows) {
            for (size_t i = 0; i < rows->rows.size(); ++i) {
                out << rows->value(i, u"ItemV"_s).toString() + u'|' +
                           rows->value(i, u"ItemV2"_s).toString();
            }
        }
        return out;
    }
    QString folder() const { return QDir(home.path()).filePath(u"自动备份"_s); }
    QString fileOf(const QString& date) const {
        return QDir(folder()).filePath(date + u"干部系统备份.bak"_s);
    }
    // The names of the files in the backup folder.
    QStringList filesInFolder() const {
        return QDir(folder()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                                        QDir::Name);
    }
    void writeFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
        f.write(bytes);
    }

    TestHome home;
    TDataM dm{home.path() + u'/'};
};

// ---- Whether a backup runs -------------------------------------------------------------------

TEST_F(AutoBackup, IsOnUnlessTheMachineSettingHoldsSomethingOtherThanOne) {
    EXPECT_TRUE(exchange::autoBackupEnabled(dm)) << "never written";
    const struct {
        QString value;
        bool enabled;
    } cases[] = {
        {u"1"_s, true},    {u""_s, true},      {u" 1 "_s, true}, {u"0"_s, false},
        {u"yes"_s, false}, {u"True"_s, false}, {u"11"_s, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        dm.PutSetting(exchange::kEnabledSetting, c.value);
        EXPECT_EQ(exchange::autoBackupEnabled(dm), c.enabled);
        EXPECT_EQ(exchange::autoBackupEnabled(TDataM(home.path() + u'/')), c.enabled)
            << "another module on the same folder reads the same setting";
    }
}

TEST_F(AutoBackup, PeriodAndKeptCountFallBackWhenMissingOrNotANumber) {
    EXPECT_EQ(exchange::backupPeriodDays(dm.db()).value(), 15);
    EXPECT_EQ(exchange::backupKeepCount(dm.db()).value(), 10);
    const struct {
        QString value;
        int period;
        int keep;
    } cases[] = {
        {u"7"_s, 7, 7}, {u" 30 "_s, 30, 30}, {u"abc"_s, 15, 10}, {u""_s, 15, 10},
        {u"0"_s, 0, 1}, {u"-2"_s, 15, 1},    {u"2.5"_s, 15, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        setItem(exchange::kPeriodItem, c.value);
        setItem(exchange::kKeepItem, c.value);
        EXPECT_EQ(exchange::backupPeriodDays(dm.db()).value(), c.period);
        EXPECT_EQ(exchange::backupKeepCount(dm.db()).value(), c.keep);
    }
}

// Due once at least the period has passed since the newest backup, or, before the first
// backup, since the database was made: a period of one day offers a backup every day, and a
// database made today is not offered one today.
TEST_F(AutoBackup, IsDueWhenAtLeastThePeriodHasPassedSinceTheLastBackupOrTheDatabaseWasMade) {
    const struct {
        const char* what;
        QStringList records;
        std::optional<QString> period;
        std::optional<QString> made;
        QString today;
        bool due;
    } cases[] = {
        {"no record, made on a day not kept",
         {},
         std::nullopt,
         std::nullopt,
         u"2024-05-01"_s,
         true},
        {"same day", {u"2024-05-01"_s}, std::nullopt, std::nullopt, u"2024-05-01"_s, false},
        {"within the default 15 days",
         {u"2024-05-01"_s},
         std::nullopt,
         std::nullopt,
         u"2024-05-10"_s,
         false},
        {"14 days", {u"2024-05-01"_s}, std::nullopt, std::nullopt, u"2024-05-15"_s, false},
        {"exactly 15 days", {u"2024-05-01"_s}, std::nullopt, std::nullopt, u"2024-05-16"_s, true},
        {"period 1, same day", {u"2024-05-01"_s}, u"1"_s, std::nullopt, u"2024-05-01"_s, false},
        {"period 1, next day", {u"2024-05-01"_s}, u"1"_s, std::nullopt, u"2024-05-02"_s, true},
        {"period 3, 2 days", {u"2024-05-01"_s}, u"3"_s, std::nullopt, u"2024-05-03"_s, false},
        {"period 3, 3 days", {u"2024-05-01"_s}, u"3"_s, std::nullopt, u"2024-05-04"_s, true},
        {"period 30, 29 days across a year",
         {u"2023-12-20"_s},
         u"30"_s,
         std::nullopt,
         u"2024-01-18"_s,
         false},
        {"period 30, 30 days across a year",
         {u"2023-12-20"_s},
         u"30"_s,
         std::nullopt,
         u"2024-01-19"_s,
         true},
        {"period 0, same day", {u"2024-05-01"_s}, u"0"_s, std::nullopt, u"2024-05-01"_s, true},
        {"period not a number", {u"2024-05-01"_s}, u"半月"_s, std::nullopt, u"2024-05-15"_s, false},
        {"the newest of several",
         {u"2024-05-20"_s, u"2024-01-01"_s},
         u"10"_s,
         std::nullopt,
         u"2024-05-29"_s,
         false},
        {"an old short date", {u"2024/5/20"_s}, u"10"_s, std::nullopt, u"2024-05-29"_s, false},
        {"no readable date", {u"昨天"_s}, std::nullopt, std::nullopt, u"2024-05-01"_s, true},
        {"made today", {}, std::nullopt, u"2024-05-01"_s, u"2024-05-01"_s, false},
        {"made 14 days ago", {}, std::nullopt, u"2024-05-01"_s, u"2024-05-15"_s, false},
        {"made 15 days ago", {}, std::nullopt, u"2024-05-01"_s, u"2024-05-16"_s, true},
        {"made yesterday, period 1", {}, u"1"_s, u"2024-05-01"_s, u"2024-05-02"_s, true},
        {"made long ago, backed up lately",
         {u"2024-05-10"_s},
         std::nullopt,
         u"2020-01-01"_s,
         u"2024-05-20"_s,
         false},
        {"made lately, backed up long ago",
         {u"2024-01-01"_s},
         std::nullopt,
         u"2024-05-10"_s,
         u"2024-05-20"_s,
         true},
        {"made lately, a record without a date",
         {u"昨天"_s},
         std::nullopt,
         u"2024-05-10"_s,
         u"2024-05-20"_s,
         false},
        {"a made day that is no date", {}, std::nullopt, u"去年"_s, u"2024-05-01"_s, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        exec(u"delete * from tb_conf where GID='备份记录' or GID='自动备份'"_s);
        for (const QString& date : c.records) {
            addRecord(date);
        }
        if (c.period) {
            setItem(exchange::kPeriodItem, *c.period);
        }
        if (c.made) {
            setItem(exchange::kMadeItem, *c.made);
        }
        EXPECT_EQ(exchange::backupDue(dm.db(), day(c.today)).value(), c.due);
    }
}

TEST_F(AutoBackup, TheDayTheDatabaseWasMadeIsKeptAsWritten) {
    EXPECT_FALSE(exchange::databaseMadeDate(dm.db()).value().isValid()) << "none recorded";
    ASSERT_TRUE(exchange::recordDatabaseMade(dm, day(u"2024-05-01"_s)));
    EXPECT_EQ(exchange::databaseMadeDate(dm.db()).value(), day(u"2024-05-01"_s));
    EXPECT_EQ(dm.GetConf(exchange::kSettingsGroup, exchange::kMadeItem).value(), u"2024-05-01"_s);
    ASSERT_TRUE(exchange::recordDatabaseMade(dm, day(u"2024-06-02"_s)));
    EXPECT_EQ(exchange::databaseMadeDate(dm.db()).value(), day(u"2024-06-02"_s));
    EXPECT_EQ(dm.db().scalar(u"select count(*) from tb_conf where ItemID='建库日期'"_s)->toInt(),
              1);
}

// ---- The backup itself -----------------------------------------------------------------------

TEST_F(AutoBackup, WritesAWholeDatabaseCopyAndRecordsDateAndFile) {
    exec(u"insert into tb_cadre (xm,jgsheng) values ('备份甲','江苏南京')"_s);
    const auto outcome = exchange::runAutoBackup(dm, day(u"2024-05-01"_s));
    ASSERT_TRUE(outcome) << outcome.errorText();
    EXPECT_EQ(outcome->file, fileOf(u"2024-05-01"_s));
    EXPECT_TRUE(outcome->removedFiles.isEmpty());
    EXPECT_EQ(records(), QStringList{u"2024-05-01|"_s + fileOf(u"2024-05-01"_s)});
    EXPECT_FALSE(exchange::backupDue(dm.db(), day(u"2024-05-02"_s)).value());

    db::Database copy;
    ASSERT_TRUE(copy.open(outcome->file)) << copy.lastError();
    EXPECT_EQ(copy.scalar(u"select count(*) from tb_cadre where xm='备份甲'"_s)->toInt(), 1);
    const auto check = copy.prepareNative(u"pragma integrity_check"_s);
    ASSERT_NE(check, nullptr);
    ASSERT_EQ(check->step(), db::SqlStatement::Step::Row);
    EXPECT_EQ(check->value(0).toString(), u"ok"_s);
    // The working database is still open and usable.
    EXPECT_TRUE(exec(u"insert into tb_cadre (xm) values ('备份乙')"_s));
}

TEST_F(AutoBackup, GoesToTheFolderOfTheMachineSetting) {
    const QString target = QDir(home.path()).filePath(u"别处/备份"_s);
    dm.PutSetting(exchange::kFolderSetting, target);
    EXPECT_EQ(exchange::autoBackupFolder(dm), QDir::cleanPath(target));
    const auto outcome = exchange::runAutoBackup(dm, day(u"2024-05-01"_s));
    ASSERT_TRUE(outcome) << outcome.errorText();
    EXPECT_EQ(outcome->file, QDir(target).filePath(u"2024-05-01干部系统备份.bak"_s));
    EXPECT_TRUE(QFileInfo::exists(outcome->file));
    EXPECT_FALSE(QFileInfo::exists(folder()));

    // A relative folder is taken below the data folder.
    dm.PutSetting(exchange::kFolderSetting, u"相对"_s);
    EXPECT_EQ(exchange::autoBackupFolder(dm), QDir(home.path()).filePath(u"相对"_s));
}

TEST_F(AutoBackup, SecondBackupOfADayReplacesTheFileAndItsRecord) {
    ASSERT_TRUE(exchange::runAutoBackup(dm, day(u"2024-05-01"_s)));
    exec(u"insert into tb_cadre (xm) values ('后来者')"_s);
    const auto again = exchange::runAutoBackup(dm, day(u"2024-05-01"_s));
    ASSERT_TRUE(again) << again.errorText();
    EXPECT_TRUE(again->removedFiles.isEmpty()) << again->removedFiles.join(u',').toStdString();
    EXPECT_EQ(records(), QStringList{u"2024-05-01|"_s + fileOf(u"2024-05-01"_s)});
    ASSERT_TRUE(QFileInfo::exists(again->file));
    {
        db::Database copy;
        ASSERT_TRUE(copy.open(again->file));
        EXPECT_EQ(copy.scalar(u"select count(*) from tb_cadre where xm='后来者'"_s)->toInt(), 1);
    }

    // With one backup kept, the next day's backup drops the earlier record and deletes its file.
    setItem(exchange::kKeepItem, u"1"_s);
    const auto next = exchange::runAutoBackup(dm, day(u"2024-05-02"_s));
    ASSERT_TRUE(next) << next.errorText();
    EXPECT_EQ(next->removedFiles, QStringList{fileOf(u"2024-05-01"_s)});
    EXPECT_EQ(records(), QStringList{u"2024-05-02|"_s + fileOf(u"2024-05-02"_s)});
    EXPECT_EQ(filesInFolder(), QStringList{u"2024-05-02干部系统备份.bak"_s});
}

TEST_F(AutoBackup, KeepsTheNewestBackupsAndDeletesOnlyTheFilesItWrote) {
    setItem(exchange::kKeepItem, u"3"_s);
    ASSERT_TRUE(QDir().mkpath(folder()));
    // Files the backup did not write: an unrelated file, a file named like a backup but never
    // recorded, and a file that an old record names although it is not a backup.
    writeFile(QDir(folder()).filePath(u"说明.txt"_s), "keep me");
    writeFile(fileOf(u"2024-04-01"_s), "not recorded");
    const QString foreign = QDir(home.path()).filePath(u"重要.doc"_s);
    writeFile(foreign, "important");
    addRecord(u"2024-03-01"_s);           // a record of an older version, without a file
    addRecord(u"2024-03-02"_s, foreign);  // a record naming a file that is not a backup

    // The older records go first: the one without a file, then the one naming a foreign file
    // (dropped, its file left alone), then the oldest backups with their files.
    const struct {
        QString date;
        QStringList removed;
    } days[] = {
        {u"2024-05-01"_s, {}},
        {u"2024-05-02"_s, {}},
        {u"2024-05-03"_s, {}},
        {u"2024-05-04"_s, {fileOf(u"2024-05-01"_s)}},
        {u"2024-05-05"_s, {fileOf(u"2024-05-02"_s)}},
    };
    for (const auto& d : days) {
        SCOPED_TRACE(d.date.toStdString());
        const auto outcome = exchange::runAutoBackup(dm, day(d.date));
        ASSERT_TRUE(outcome) << outcome.errorText();
        EXPECT_EQ(outcome->removedFiles, d.removed);
        EXPECT_EQ(records().size(), 3);
        EXPECT_EQ(records().last(), d.date + u'|' + fileOf(d.date));
    }
    EXPECT_EQ(records(), (QStringList{u"2024-05-03|"_s + fileOf(u"2024-05-03"_s),
                                      u"2024-05-04|"_s + fileOf(u"2024-05-04"_s),
                                      u"2024-05-05|"_s + fileOf(u"2024-05-05"_s)}));
    EXPECT_EQ(filesInFolder(),
              (QStringList{u"2024-04-01干部系统备份.bak"_s, u"2024-05-03干部系统备份.bak"_s,
                           u"2024-05-04干部系统备份.bak"_s, u"2024-05-05干部系统备份.bak"_s,
                           u"说明.txt"_s}));
    EXPECT_TRUE(QFileInfo::exists(foreign));
}

TEST_F(AutoBackup, AFileNamedByTwoRecordsGoesWithTheLastOfThem) {
    setItem(exchange::kKeepItem, u"2"_s);
    ASSERT_TRUE(QDir().mkpath(folder()));
    writeFile(fileOf(u"2024-04-01"_s), "old");
    addRecord(u"2024-04-01"_s, fileOf(u"2024-04-01"_s));
    addRecord(u"2024-04-01"_s, fileOf(u"2024-04-01"_s));

    auto outcome = exchange::runAutoBackup(dm, day(u"2024-05-01"_s));
    ASSERT_TRUE(outcome) << outcome.errorText();
    EXPECT_TRUE(outcome->removedFiles.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(fileOf(u"2024-04-01"_s)));

    outcome = exchange::runAutoBackup(dm, day(u"2024-05-02"_s));
    ASSERT_TRUE(outcome) << outcome.errorText();
    EXPECT_EQ(outcome->removedFiles, QStringList{fileOf(u"2024-04-01"_s)});
    EXPECT_EQ(filesInFolder(),
              (QStringList{u"2024-05-01干部系统备份.bak"_s, u"2024-05-02干部系统备份.bak"_s}));
}

TEST_F(AutoBackup, TheBackupJustWrittenSurvivesRecordsDatedLater) {
    setItem(exchange::kKeepItem, u"1"_s);
    addRecord(u"2099-01-01"_s);
    const auto outcome = exchange::runAutoBackup(dm, day(u"2024-05-01"_s));
    ASSERT_TRUE(outcome) << outcome.errorText();
    EXPECT_EQ(records(), QStringList{u"2024-05-01|"_s + fileOf(u"2024-05-01"_s)});
    EXPECT_TRUE(QFileInfo::exists(outcome->file));
}

TEST_F(AutoBackup, AFailedBackupRecordsNothing) {
    addRecord(u"2024-04-01"_s);
    const QStringList before = records();

    // The folder cannot be made: a file stands where it should be.
    const QString blocked = QDir(home.path()).filePath(u"是文件"_s);
    writeFile(blocked, "x");
    dm.PutSetting(exchange::kFolderSetting, QDir(blocked).filePath(u"备份"_s));
    auto outcome = exchange::runAutoBackup(dm, day(u"2024-05-01"_s));
    EXPECT_FALSE(outcome);
    EXPECT_FALSE(outcome.errorText().isEmpty());
    EXPECT_EQ(records(), before);

    // The file cannot be written: a folder has its name.
    dm.PutSetting(exchange::kFolderSetting, QString());
    ASSERT_TRUE(QDir().mkpath(fileOf(u"2024-05-01"_s)));
    outcome = exchange::runAutoBackup(dm, day(u"2024-05-01"_s));
    EXPECT_FALSE(outcome);
    EXPECT_FALSE(outcome.errorText().isEmpty());
    EXPECT_EQ(records(), before);
    EXPECT_EQ(filesInFolder(), QStringList{u"2024-05-01干部系统备份.bak"_s});
    EXPECT_TRUE(QFileInfo(fileOf(u"2024-05-01"_s)).isDir());

    // No copy is taken in the middle of a transaction.
    ASSERT_TRUE(dm.db().begin());
    outcome = exchange::runAutoBackup(dm, day(u"2024-05-02"_s));
    EXPECT_FALSE(outcome);
    EXPECT_FALSE(QFileInfo::exists(fileOf(u"2024-05-02"_s)));
    ASSERT_TRUE(dm.db().rollback());
    EXPECT_EQ(records(), before);
}

}  // namespace

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>

#include "db/Database.h"
#include "db/SqlStatement.h"
#include "exchange/DatabaseBackup.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

using namespace Qt::StringLiterals;

class DatabaseBackup : public ::testing::Test {
  protected:
    void SetUp() override {
        path = home.makeWorkingDatabase();
        ASSERT_TRUE(working.open(path)) << working.lastError();
    }

    QString file(const QString& name) const { return QDir(home.path()).filePath(name); }

    int count(db::Database& db, const QString& where) {
        const Result<QVariant> n = db.scalar(u"select count(*) from tb_cadre where "_s + where);
        EXPECT_TRUE(n) << n.errorText();
        return n ? n->toInt() : -1;
    }

    static QString integrity(db::Database& db) {
        const auto check = db.prepareNative(u"PRAGMA integrity_check"_s);
        return check && check->step() == db::SqlStatement::Step::Row ? check->value(0).toString()
                                                                     : db.lastError();
    }

    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // The files of the data folder's Db/ apart from the working database and the templates.
    QStringList strayFiles() const {
        QStringList files = QDir(home.dbDir()).entryList(QDir::Files, QDir::Name);
        files.removeAll(u"Cadre.db"_s);
        files.removeAll(u"Empty.db"_s);
        files.removeAll(u"Send.db"_s);
        return files;
    }

    TestHome home;
    QString path;
    db::Database working;
};

TEST_F(DatabaseBackup, BackupThenRestoreBringsBackTheDataAndKeepsTheReplacedDatabase) {
    ASSERT_TRUE(working.exec(u"insert into tb_cadre (xm) values ('备份时在')"_s));
    const QString backup = file(u"手工.vhbak"_s);
    const Result<void> backedUp = exchange::backupDatabase(working, backup);
    ASSERT_TRUE(backedUp) << backedUp.errorText();

    ASSERT_TRUE(working.exec(u"delete * from tb_cadre where xm='备份时在'"_s));
    ASSERT_TRUE(working.exec(u"insert into tb_cadre (xm) values ('备份后加')"_s));
    const QString kept =
        exchange::keptCopyPath(file(u"恢复前"_s), QDateTime(QDate(2024, 5, 1), QTime(8, 30, 5)));
    EXPECT_EQ(QFileInfo(kept).fileName(), u"恢复前备份20240501-083005.vhbak"_s);
    const Result<QString> restored = exchange::restoreDatabase(working, backup, kept);
    ASSERT_TRUE(restored) << restored.errorText();
    EXPECT_EQ(*restored, kept);

    ASSERT_TRUE(working.isOpen());
    EXPECT_EQ(working.path(), path);
    EXPECT_EQ(count(working, u"xm='备份时在'"_s), 1);
    EXPECT_EQ(count(working, u"xm='备份后加'"_s), 0);
    EXPECT_EQ(integrity(working), u"ok"_s);
    db::Database keptCopy;
    ASSERT_TRUE(keptCopy.open(kept)) << keptCopy.lastError();
    EXPECT_EQ(count(keptCopy, u"xm='备份后加'"_s), 1);
    EXPECT_TRUE(strayFiles().isEmpty()) << strayFiles().join(u',').toStdString();
}

TEST_F(DatabaseBackup, TheWorkingFileIsNoBackupTarget) {
    const Result<void> refused =
        exchange::backupDatabase(working, QDir(home.dbDir()).filePath(u"../Db/Cadre.db"_s));
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.failure().message, exchange::kBackupOverWorking);
    // The connection still writes to the file on disk.
    ASSERT_TRUE(working.exec(u"insert into tb_cadre (xm) values ('之后')"_s));
    db::Database other;
    ASSERT_TRUE(other.open(path));
    EXPECT_EQ(count(other, u"xm='之后'"_s), 1);
}

TEST_F(DatabaseBackup, ARefusedFileChangesNothing) {
    ASSERT_TRUE(working.exec(u"insert into tb_cadre (xm) values ('原有')"_s));
    writeFile(file(u"文本.vhbak"_s), "不是数据库");
    {
        db::Database other;
        ASSERT_TRUE(other.open(file(u"别的.vhbak"_s), db::Database::OpenMode::CreateIfMissing));
        ASSERT_TRUE(other.execNative(u"create table tb_cadre (CadreID integer)"_s));
    }
    ASSERT_TRUE(exchange::backupDatabase(working, file(u"新版本.vhbak"_s)));
    {
        db::Database newer;
        ASSERT_TRUE(newer.open(file(u"新版本.vhbak"_s)));
        ASSERT_TRUE(newer.exec(u"update tb_general set version=9.5"_s));
    }
    // A backup whose table pages were overwritten.
    ASSERT_TRUE(exchange::backupDatabase(working, file(u"损坏.vhbak"_s)));
    {
        QFile damaged(file(u"损坏.vhbak"_s));
        ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
        const qint64 size = damaged.size();
        for (qint64 at = 4096 * 4; at + 64 < size; at += 4096 * 3) {
            damaged.seek(at);
            damaged.write(QByteArray(64, '\x5A'));
        }
    }

    const struct {
        const char* what;
        QString file;
        QStringList messages;  // one of them starts the refusal
    } cases[] = {
        {"missing", file(u"没有.vhbak"_s), {exchange::kNotADatabase}},
        {"text", file(u"文本.vhbak"_s), {exchange::kNotADatabase}},
        {"other tables", file(u"别的.vhbak"_s), {exchange::kMissingTables}},
        {"newer", file(u"新版本.vhbak"_s), {exchange::kNewerVersion}},
        {"damaged", file(u"损坏.vhbak"_s), {exchange::kDamagedFile, exchange::kNotADatabase}},
    };
    const QString kept = file(u"恢复前/k.vhbak"_s);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Result<QString> restored = exchange::restoreDatabase(working, c.file, kept);
        ASSERT_FALSE(restored);
        EXPECT_TRUE(std::any_of(c.messages.begin(), c.messages.end(), [&](const QString& m) {
            return restored.failure().message.startsWith(m);
        })) << restored.errorText().toStdString();
        ASSERT_TRUE(working.isOpen());
        EXPECT_EQ(count(working, u"xm='原有'"_s), 1);
        EXPECT_FALSE(QFileInfo::exists(kept));
        EXPECT_TRUE(strayFiles().isEmpty()) << strayFiles().join(u',').toStdString();
    }
}

const QStringList kRestoreSteps = {exchange::kStepCheck, exchange::kStepKeepCurrent,
                                   exchange::kStepCopySource, exchange::kStepReplace};

TEST_F(DatabaseBackup, RestoreStoppedOrKilledAtAnyStepLeavesTheWorkingDatabaseWhole) {
    GTEST_FLAG_SET(death_test_style, "fast");
    ASSERT_TRUE(exchange::backupDatabase(working, file(u"b.vhbak"_s)));
    ASSERT_TRUE(working.exec(u"insert into tb_cadre (xm) values ('当前才有')"_s));
    for (const QString& stop : kRestoreSteps) {
        SCOPED_TRACE(stop.toStdString());
        const Result<QString> stopped =
            exchange::restoreDatabase(working, file(u"b.vhbak"_s), file(u"k.vhbak"_s),
                                      [&](const QString& step) { return step != stop; });
        ASSERT_FALSE(stopped);
        EXPECT_EQ(stopped.failure().message, exchange::kOperationStopped);
        ASSERT_TRUE(working.isOpen());
        EXPECT_EQ(count(working, u"xm='当前才有'"_s), 1);
        EXPECT_TRUE(strayFiles().isEmpty()) << strayFiles().join(u',').toStdString();
    }
    working.close();
    for (const QString& stop : kRestoreSteps) {
        SCOPED_TRACE(stop.toStdString());
        EXPECT_EXIT(
            {
                db::Database child;
                if (child.open(path)) {
                    (void)exchange::restoreDatabase(child, file(u"b.vhbak"_s), file(u"k.vhbak"_s),
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
        EXPECT_EQ(integrity(after), u"ok"_s);
        EXPECT_EQ(count(after, u"xm='当前才有'"_s), 1);
    }
}

TEST_F(DatabaseBackup, CompactionShrinksTheFileAndKeepsTheData) {
    ASSERT_TRUE(working.exec(u"update tb_cadre set other=?"_s, {QString(20000, u'占')}));
    ASSERT_TRUE(working.exec(u"update tb_cadre set other=null"_s));
    const int cadres = count(working, u"1=1"_s);
    const qint64 before = QFileInfo(path).size();
    const Result<void> compacted = exchange::compactDatabase(working);
    ASSERT_TRUE(compacted) << compacted.errorText();
    ASSERT_TRUE(working.isOpen());
    EXPECT_LT(QFileInfo(path).size(), before);
    EXPECT_EQ(count(working, u"1=1"_s), cadres);
    EXPECT_EQ(integrity(working), u"ok"_s);
}

}  // namespace

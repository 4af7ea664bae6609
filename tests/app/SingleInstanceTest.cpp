#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/SingleInstance.h"
#include "main/ui/Startup.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"

namespace {

TEST(SingleInstance, OneCopyAtATimeAndACrashedCopyDoesNotBlock) {
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("cadre.lock"));
    {
        app::SingleInstance first(lock);
        ASSERT_TRUE(first.acquire());
        app::SingleInstance second(lock);
        EXPECT_FALSE(second.acquire());
        first.release();
        EXPECT_TRUE(second.acquire());
    }
    // A lock left behind by a process that no longer runs is taken over.
    {
        QFile stale(lock);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write("999999\ncadre\n");
    }
    app::SingleInstance next(lock);
    EXPECT_TRUE(next.acquire());
}

TEST(SingleInstance, ASecondStartIsRefusedAndTheRunningCopyKeepsItsLock) {
    QTemporaryDir dir;
    TestHome home;
    const QString lock = dir.filePath(QStringLiteral("cadre.lock"));
    app::SingleInstance running(lock);
    ASSERT_TRUE(running.acquire());
    QFile held(lock);
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    const QByteArray before = held.readAll();
    held.close();

    RecordingMessageService messages;
    EXPECT_EQ(mainwin::runProgram({home.path(), lock}), 1);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("不能重复启动!")});
    EXPECT_EQ(messages.shown()[0].title, QStringLiteral("提示"));
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    EXPECT_EQ(held.readAll(), before);
    // Nothing was started: no database was made.
    EXPECT_FALSE(QFile::exists(home.dbDir() + QStringLiteral("/Cadre.db")));
}

}  // namespace

#include "app/SingleInstanceGuard.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <gtest/gtest.h>

using namespace vamok;

TEST(SingleInstanceGuard, SecondGuardIsRefusedUntilTheFirstEnds)
{
    TempDir dir;
    const QString path = QString::fromStdString(dir.file("VAMOK.lock"));
    {
        SingleInstanceGuard first(path);
        ASSERT_TRUE(first.acquired());
        SingleInstanceGuard second(path);
        EXPECT_FALSE(second.acquired());
        EXPECT_TRUE(first.acquired());
    }
    SingleInstanceGuard third(path);
    EXPECT_TRUE(third.acquired());
}

TEST(SingleInstanceGuard, LockOfADeadProcessIsTakenOver)
{
    TempDir dir;
    const QString path = QString::fromStdString(dir.file("VAMOK.lock"));

    // The process id of a program that has ended.
    QProcess ended;
    ended.start("true", {});
    ASSERT_TRUE(ended.waitForStarted(5000));
    const qint64 pid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished(5000));

    QFile stale(path);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray::number(pid) + "\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
                QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();

    SingleInstanceGuard guard(path);
    EXPECT_TRUE(guard.acquired());
}

TEST(SingleInstanceGuard, LockOfALiveProcessIsRespected)
{
    TempDir dir;
    const QString path = QString::fromStdString(dir.file("VAMOK.lock"));
    QProcess sleeper;
    sleeper.start("sleep", {"30"});
    ASSERT_TRUE(sleeper.waitForStarted(5000));

    QFile lock(path);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(sleeper.processId()) + "\nsleep\n" +
               QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();

    SingleInstanceGuard guard(path);
    EXPECT_FALSE(guard.acquired());
    sleeper.kill();
    sleeper.waitForFinished(5000);
}

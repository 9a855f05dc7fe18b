#include "app/SingleInstanceGuard.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSysInfo>
#include <QThread>
#include <gtest/gtest.h>

using namespace vamok;

namespace {

// The program names itself differently from its file, as the real one does.
class NamedProgram {
public:
    NamedProgram() : saved_(QCoreApplication::applicationName()) { QCoreApplication::setApplicationName("Vamok"); }
    ~NamedProgram() { QCoreApplication::setApplicationName(saved_); }

private:
    QString saved_;
};

} // namespace

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

// Run as a child: holds the guard until killed.
TEST(SingleInstanceGuard, SecondProcessIsRefusedWhileTheFirstRuns)
{
    const QString holdPath = qEnvironmentVariable("VAMOK_HOLD_LOCK");
    if (!holdPath.isEmpty()) {
        const NamedProgram named;
        SingleInstanceGuard guard(holdPath);
        std::printf(guard.acquired() ? "locked\n" : "refused\n");
        std::fflush(stdout);
        QThread::sleep(30);
        return;
    }

    TempDir dir;
    const QString path = QString::fromStdString(dir.file("VAMOK.lock"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VAMOK_HOLD_LOCK", path);
    QProcess first;
    first.setProcessEnvironment(env);
    first.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=SingleInstanceGuard.SecondProcessIsRefusedWhileTheFirstRuns"});
    ASSERT_TRUE(first.waitForStarted(5000));
    while (!first.readAllStandardOutput().contains("locked")) {
        ASSERT_TRUE(first.waitForReadyRead(10000));
    }

    const NamedProgram named;
    {
        SingleInstanceGuard second(path);
        EXPECT_FALSE(second.acquired());
    }
    // A copy that crashed leaves its lock file behind; it does not block.
    first.kill();
    ASSERT_TRUE(first.waitForFinished(5000));
    ASSERT_TRUE(QFile::exists(path));
    SingleInstanceGuard after(path);
    EXPECT_TRUE(after.acquired());
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
    stale.write(QByteArray::number(pid) + "\nvamok\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();

    SingleInstanceGuard guard(path);
    EXPECT_TRUE(guard.acquired());
}

#include "core/AtomicSave.h"

#include "support/FailingDisk.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace vamok;

namespace {

std::vector<std::string> Names(const TempDir& dir)
{
    std::vector<std::string> names;
    const QStringList entries = QDir(QString::fromStdString(dir.path()))
                                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : entries)
        names.push_back(name.toStdString());
    return names;
}

mode_t ModeOf(const std::string& path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

const std::string kOld = "old contents\r\n";
const std::string kNew = std::string(200, 'n') + "\r\nnew contents\r\n";

} // namespace

TEST(AtomicSave, ReplacesTheFileWholeAndKeepsItsPermissions)
{
    TempDir dir;
    dir.write("f.txt", std::string(100000, 'x'));
    ::chmod(dir.file("f.txt").c_str(), 0640);
    EXPECT_EQ(SaveAtomically(dir.file("f.txt"), kNew), std::nullopt);
    EXPECT_EQ(dir.read("f.txt"), kNew);
    EXPECT_EQ(ModeOf(dir.file("f.txt")), 0640u);
    EXPECT_EQ(Names(dir), std::vector<std::string>{"f.txt"});
}

TEST(AtomicSave, NewFileGetsTheUsualPermissions)
{
    TempDir dir;
    const mode_t mask = ::umask(022);
    const auto saved = SaveAtomically(dir.file("neu.txt"), kNew);
    ::umask(mask);
    EXPECT_EQ(saved, std::nullopt);
    EXPECT_EQ(dir.read("neu.txt"), kNew);
    EXPECT_EQ(ModeOf(dir.file("neu.txt")), 0644u);
    EXPECT_EQ(SaveAtomically(dir.file("leer.txt"), ""), std::nullopt);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(dir.file("leer.txt"))));
    EXPECT_EQ(dir.read("leer.txt"), "");
}

TEST(AtomicSave, LinkStaysALinkAndItsTargetIsReplaced)
{
    TempDir dir;
    QDir().mkdir(QString::fromStdString(dir.file("real")));
    dir.write("real/f.txt", kOld);
    ASSERT_TRUE(QFile::link(QString::fromStdString(dir.file("real/f.txt")),
                            QString::fromStdString(dir.file("link.txt"))));
    EXPECT_EQ(SaveAtomically(dir.file("link.txt"), kNew), std::nullopt);
    EXPECT_TRUE(QFileInfo(QString::fromStdString(dir.file("link.txt"))).isSymLink());
    EXPECT_EQ(dir.read("real/f.txt"), kNew);
}

TEST(AtomicSave, FolderThatIsNoFolderFailsWithTheReason)
{
    TempDir dir;
    dir.write("plain", "x");
    EXPECT_EQ(SaveAtomically(dir.file("plain/f.txt"), kNew), SystemReason(ENOTDIR));
    EXPECT_EQ(SaveAtomically(dir.file("missing/f.txt"), kNew), SystemReason(ENOENT));
    EXPECT_EQ(dir.read("plain"), "x");
    EXPECT_EQ(Names(dir), std::vector<std::string>{"plain"});
}

TEST(AtomicSave, TargetThatIsAFolderStaysAndNoTemporaryFileRemains)
{
    TempDir dir;
    QDir().mkdir(QString::fromStdString(dir.file("sub")));
    dir.write("sub/inner", kOld);
    const std::optional<std::string> failure = SaveAtomically(dir.file("sub"), kNew);
    EXPECT_EQ(failure, SystemReason(EISDIR));
    EXPECT_EQ(dir.read("sub/inner"), kOld);
    EXPECT_EQ(Names(dir), std::vector<std::string>{"sub"});
}

class AtomicSaveFault : public ::testing::TestWithParam<DiskFault> {};

TEST_P(AtomicSaveFault, OldFileStaysByteForByteAndTheReasonIsReturned)
{
    const SaveAttempt attempt = AttemptSave(GetParam(), "f.txt", kOld, [](const std::string& path) {
        return SaveAtomically(path, kNew);
    });
    if (!attempt.skipped.empty())
        GTEST_SKIP() << attempt.skipped;
    EXPECT_EQ(attempt.failure, FaultReason(GetParam()));
    EXPECT_EQ(attempt.bytesAfter, kOld);
    EXPECT_EQ(attempt.namesAfter, std::vector<std::string>{"f.txt"});
}

INSTANTIATE_TEST_SUITE_P(Faults, AtomicSaveFault,
                         ::testing::Values(DiskFault::FileSizeLimit, DiskFault::ReadOnlyFolder,
                                           DiskFault::ReadOnlyFile, DiskFault::FullDisk),
                         [](const auto& info) { return std::string(FaultName(info.param)); });

#include "RecordingReporter.h"
#include "support/TempDir.h"

#include "core/AppState.h"
#include "types/TypeImport.h"
#include "types/TypeLibrary.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <csignal>
#include <unistd.h>
#include <sys/resource.h>

using namespace vamok;

namespace {

const std::string kRows = "20;21;22;26;21\r\n30;50;65;75;55\r\n0;35;55;70;55\r\n0;35;55;70;55\r\n"
                          "300;400;30000;31000;500\r\n73;84;456;460;85\r\n80;100;3000;3100;100\r\n"
                          "3;5;11;15;0\r\n0;0;3;20;3\r\n";
const std::string kOld = "VAM \r\n" + kRows + "OLD \r\n" + kRows;
const std::string kNew = "VAM \r\n" + kRows + "NEW \r\n" + kRows;

class TypeImportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        App().AppDataPath = dir.path() + "appdata/";
        App().ProgramPath = dir.path() + "program/";
        ResetPCTypes();
        QDir().mkpath(QString::fromStdString(App().AppDataPath));
        QDir().mkpath(QString::fromStdString(App().ProgramPath));
        dir.write("appdata/Vamok.APT", kOld);
    }

    bool Has(const char* name) const { return FindType(PCTypes(), name) > 0; }

    TempDir dir;
    RecordingReporter reporter;
};

TEST_F(TypeImportTest, AcceptedImportReplacesTheLibraryAndKeepsABackup)
{
    dir.write("appdata/Vamok.APT.bak", "first");
    dir.write("appdata/Vamok.APT_1.bak", "second");
    dir.write("new.APT", kNew);
    EXPECT_TRUE(ImportTypeFile(dir.file("new.APT"), reporter));
    EXPECT_EQ(dir.read("appdata/Vamok.APT"), kNew);
    EXPECT_EQ(dir.read("appdata/Vamok.APT_2.bak"), kOld);
    EXPECT_TRUE(Has("NEW"));
    ASSERT_EQ(reporter.entries.size(), 2u);
    EXPECT_TRUE(reporter.entries[0].question);
    EXPECT_EQ(reporter.entries[0].text, "Weitere Typdefinition gefunden in:\r\n" + dir.file("new.APT")
                                            + "\r\nM\xF6" "chten Sie diese Typdefinition verwenden?\r\n"
                                              "(Die bisherige Definition wird \xDC" "berschrieben\r\n"
                                              " und als Backup gespeichert).");
    EXPECT_EQ(reporter.entries[1].text, "Typdefinition \xFC" "berschrieben.");
}

TEST_F(TypeImportTest, DeclinedImportReloadsTheLibrary)
{
    reporter.answer = false;
    dir.write("new.APT", kNew);
    EXPECT_FALSE(ImportTypeFile(dir.file("new.APT"), reporter));
    EXPECT_EQ(dir.read("appdata/Vamok.APT"), kOld);
    EXPECT_TRUE(Has("OLD"));
    EXPECT_FALSE(Has("NEW"));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.file("appdata/Vamok.APT.bak"))));
}

TEST_F(TypeImportTest, FileWithoutThePredefinedTypeIsRefused)
{
    dir.write("foreign.APT", "ABCD\r\n" + kRows);
    EXPECT_FALSE(ImportTypeFile(dir.file("foreign.APT"), reporter));
    EXPECT_TRUE(Has("OLD"));
    ASSERT_EQ(reporter.entries.size(), 1u);
    EXPECT_EQ(reporter.entries[0].text, "Gefundene Datei\r\n" + dir.file("foreign.APT")
                                            + "\r\nenth\xE4lt kein g\xFCltiges Format f\xFC"
                                              "r Typdefinitionen!\r\nBisherige Definitionen werden beibehalten!");
    reporter.entries.clear();
    EXPECT_FALSE(ImportTypeFile(dir.file("foreign.APT"), reporter, true));
    EXPECT_TRUE(reporter.entries.empty());
    EXPECT_EQ(dir.read("appdata/Vamok.APT"), kOld);
}

TEST_F(TypeImportTest, FailedWriteRestoresTheOldLibraryAndSaysSo)
{
    std::string big = kNew;
    for (int i = 0; i < 30; ++i)
        big += "T" + std::to_string(100 + i) + "\r\n" + kRows;
    dir.write("big.APT", big);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool imported = ImportTypeFile(dir.file("big.APT"), reporter);
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(imported);
    EXPECT_EQ(dir.read("appdata/Vamok.APT"), kOld);
    EXPECT_TRUE(Has("OLD"));
    EXPECT_FALSE(reporter.Saw("Typdefinition \xFC" "berschrieben."));
    EXPECT_TRUE(reporter.Saw("konnte nicht geschrieben werden"));
}

TEST_F(TypeImportTest, FailedBackupKeepsTheLibraryAndSaysSo)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "a privileged user may rename files in read-only folders";
    dir.write("new.APT", kNew);
    const QString folder = QString::fromStdString(App().AppDataPath);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool imported = ImportTypeFile(dir.file("new.APT"), reporter);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(imported);
    EXPECT_EQ(dir.read("appdata/Vamok.APT"), kOld);
    EXPECT_TRUE(Has("OLD"));
    EXPECT_TRUE(reporter.Saw("konnte nicht gesichert werden"));
    EXPECT_FALSE(reporter.Saw("Typdefinition \xFC" "berschrieben."));
}

TEST_F(TypeImportTest, ImportingTheLibraryItselfKeepsIt)
{
    EXPECT_TRUE(ImportTypeFile(App().AppDataPath + "Vamok.APT", reporter));
    EXPECT_EQ(dir.read("appdata/Vamok.APT"), kOld);
    EXPECT_EQ(dir.read("appdata/Vamok.APT.bak"), kOld);
}

TEST_F(TypeImportTest, ProgramFolderSearch)
{
    EXPECT_FALSE(ImportFromProgramFolder(reporter, true));
    EXPECT_TRUE(reporter.entries.empty());
    EXPECT_FALSE(ImportFromProgramFolder(reporter, false));
    ASSERT_EQ(reporter.entries.size(), 1u);
    EXPECT_EQ(reporter.entries[0].text, "Keine Typdefinitionen gefunden unter:\r\n" + App().ProgramPath
                                            + "\r\nBisherige Definitionen werden beibehalten!");
    dir.write("program/Vamok.APT", kNew);
    EXPECT_TRUE(ImportFromProgramFolder(reporter, true));
    EXPECT_EQ(dir.read("appdata/Vamok.APT"), kNew);
}

} // namespace

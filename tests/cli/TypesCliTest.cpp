#include "TypesCliProcess.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

const std::string kRows = "20;21;22;26;21\r\n30;50;65;75;55\r\n0;35;55;70;55\r\n0;35;55;70;55\r\n"
                          "300;400;30000;31000;500\r\n73;84;456;460;85\r\n80;100;3000;3100;100\r\n"
                          "3;5;11;15;0\r\n0;0;3;20;3\r\n";
const std::string kLibrary = "VAM \r\n" + kRows + "OLD\r\n" + kRows;

class TypesCliTest : public ::testing::Test {
protected:
    void SetUp() override { dir.write("lib.APT", kLibrary); }

    QString file(const char* name) const { return QString::fromStdString(dir.file(name)); }
    CliRun Types(QStringList args) { return RunCli(QStringList{"types"} + args + QStringList{"--library", file("lib.APT")}); }

    TempDir dir;
};

TEST_F(TypesCliTest, ListsTheTypesInLibraryOrder)
{
    const CliRun run = Types({"list"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "VAM \nOLD \n");
}

TEST_F(TypesCliTest, ShowsOneTypeRowByRow)
{
    const CliRun run = Types({"show", "VAM"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n');
    ASSERT_GE(lines.size(), 19);
    EXPECT_EQ(lines[0], "VAM ");
    EXPECT_EQ(lines[1], QString::fromUtf8(" 1 Temperatur                /°C: 20;21;22;26;21"));
    EXPECT_EQ(lines[10], "10 Luftgeschwindigkeit   /m/s: 0,00;0,00;0,10;0,20;0,01");
    EXPECT_EQ(lines[18], "18 Clo / Met: 0,60;0,90;1,20;1,30;441,15");
    EXPECT_EQ(Types({"show", "NONE"}).exitCode, 1);
    EXPECT_EQ(Types({"show", "XYZ"}).exitCode, 1);
}

TEST_F(TypesCliTest, DefaultLibraryIsInTheApplicationDataFolder)
{
    QDir().mkpath(file("data/QAL/VAMOK"));
    dir.write("data/QAL/VAMOK/Vamok.APT", "VAM \r\n" + kRows + "HOME\r\n" + kRows);
    const CliRun run = RunCli({"types", "list"}, "de_DE.UTF-8", file("data"));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "VAM \nHOME\n");
}

TEST_F(TypesCliTest, ImportReplacesTheLibraryAndKeepsABackup)
{
    const std::string fresh = "VAM \r\n" + kRows + "NEW\r\n" + kRows;
    dir.write("fresh.APT", fresh);
    const CliRun run = Types({"import", file("fresh.APT")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(dir.read("lib.APT"), fresh);
    EXPECT_EQ(dir.read("lib.APT.bak"), kLibrary);
    EXPECT_TRUE(run.err.contains(QString::fromUtf8("Typdefinition überschrieben.")));

    dir.write("foreign.APT", "ABCD\r\n" + kRows);
    const CliRun refused = Types({"import", file("foreign.APT")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QString::fromUtf8("enthält kein gültiges Format")));
    EXPECT_EQ(dir.read("lib.APT"), fresh);
}

TEST_F(TypesCliTest, ExportWritesTheLibraryInTheCurrentFormat)
{
    const CliRun run = Types({"export", file("out.APT")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const std::string out = dir.read("out.APT");
    EXPECT_TRUE(out.starts_with("Anemo;PMV;Clo;CO2;VOCOO;FEIN\r\nVAM \r\n20;21;22;26;21\r\n"));
    EXPECT_NE(out.find("\r\nOLD \r\n"), std::string::npos);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1 + 2 * 19);

    dir.write("plain", "x");
    const CliRun failed = Types({"export", file("plain") + "/out.APT"});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.contains("Error saving file."));
}

TEST_F(TypesCliTest, DamagedLibraryIsReportedAndMovedAside)
{
    const std::string damaged = "VAM \r\n" + kRows + "BAD\r\n20;21;x\r\n";
    dir.write("lib.APT", damaged);
    const CliRun run = Types({"list"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "VAM \n");
    EXPECT_TRUE(run.err.contains("Zeile 12: 20;21;x")) << run.err.toStdString();
    EXPECT_EQ(dir.read("lib.APT.bak"), damaged);
    EXPECT_FALSE(QFile::exists(file("lib.APT")));
}

TEST_F(TypesCliTest, BadUsage)
{
    EXPECT_EQ(RunCli({"types"}).exitCode, 2);
    EXPECT_EQ(Types({"rename", "A"}).exitCode, 2);
    EXPECT_EQ(Types({"show"}).exitCode, 2);
    EXPECT_EQ(Types({"list", "extra"}).exitCode, 2);
}

} // namespace

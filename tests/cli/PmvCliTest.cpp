#include "TypesCliProcess.h"

#include <gtest/gtest.h>

namespace {

QStringList Iso(const QStringList& extra = {})
{
    return QStringList{"pmv", "--ta", "22,0", "--tr", "22,0", "--rh", "60", "--v", "0,10", "--clo", "0,5", "--met",
                       "1,2"}
        + extra;
}

TEST(PmvCli, PrintsPmvAndPpdAsTheTableShowsThem)
{
    const CliRun run = RunCli(Iso());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "PMV -0,75\nPPD 16,8%\n");
}

TEST(PmvCli, PointLocaleAndEitherNotationGiveTheSameValues)
{
    const CliRun run = RunCli({"pmv", "--ta", "27.0", "--tr", "27,0", "--rh", "60", "--v", "0.1", "--clo", "0.50",
                               "--met", "1.20"},
                              "en_US.UTF-8");
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "PMV 0.77\nPPD 17.5%\n");
}

TEST(PmvCli, Json)
{
    const CliRun run = RunCli(Iso({"--json"}));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "{\"pmv\": -0.75, \"ppd\": \"16,8%\"}\n");
}

TEST(PmvCli, NoPmvGivesEmptyValuesAndSucceeds)
{
    QStringList args = Iso();
    args[6] = "100"; // rh out of range
    const CliRun text = RunCli(args);
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.out, "PMV \nPPD \n");
    const CliRun json = RunCli(args + QStringList{"--json"});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.out, "{\"pmv\": null, \"ppd\": null}\n");
}

TEST(PmvCli, GlobeTemperatureIsConvertedWithTheChosenGlobe)
{
    const QStringList globe{"pmv", "--ta", "22,0", "--tg", "26,0", "--rh", "50", "--v", "0,30", "--clo", "0,9",
                            "--met", "1,2"};
    // The mean radiant temperatures of these conditions: 30,3 °C with the
    // 16 cm globe, 30,4 °C with the 15 cm one.
    const QStringList tr16{"pmv", "--ta", "22,0", "--tr", "30,3", "--rh", "50", "--v", "0,30", "--clo", "0,9",
                           "--met", "1,2"};
    QStringList tr15 = tr16;
    tr15[4] = "30,4";
    EXPECT_EQ(RunCli(globe).out, RunCli(tr16).out);
    EXPECT_EQ(RunCli(globe + QStringList{"--globe15"}).out, RunCli(tr15).out);
    EXPECT_NE(RunCli(tr16).out, RunCli(tr15).out);
}

TEST(PmvCli, BadInputsExitWithUsageErrors)
{
    QStringList notANumber = Iso();
    notANumber[2] = "warm";
    const CliRun bad = RunCli(notANumber);
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_EQ(bad.err.count('\n'), 1);
    EXPECT_TRUE(bad.err.contains("--ta")) << bad.err.toStdString();

    EXPECT_EQ(RunCli(Iso({"--tg", "22,0"})).exitCode, 2);             // both temperatures
    EXPECT_EQ(RunCli({"pmv", "--ta", "22", "--tr", "22"}).exitCode, 2); // missing inputs
    EXPECT_EQ(RunCli(Iso({"--rh", "50"})).exitCode, 2);               // repeated option
    EXPECT_EQ(RunCli(Iso({"--wind"})).exitCode, 2);
}

} // namespace

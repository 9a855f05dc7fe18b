// vamok-cli profiles pull/push against the simulated rix on a pty: the file
// the window's export writes, what reaches the instrument (its --record),
// and transfers that stop part-way.
#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Profile 4 uses both halves of the mask; the rest keep the defaults
// ("USER3", bits 0 to 36).
std::string State(const std::string& firmware)
{
    return R"({"model": "VAMOK rix", "firmware": ")" + firmware + R"(", "serial": 1234, "series": 56,
        "profiles": [{"number": 4, "name": "Klima", "mask": "800000010000001F"},
                     {"number": 7, "name": "B\u00fcro", "mask": "0000000000000005"}]})";
}

class ProfilesCli : public ::testing::Test {
protected:
    CliRun Run(const QStringList& args) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", QString::fromStdString(home.path()));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(home.path() + ".config"));
        env.insert("XDG_DATA_HOME", QString::fromStdString(home.path() + ".local/share"));
        env.insert("LC_ALL", "C.UTF-8");
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VAMOK_CLI_BINARY), QStringList{"profiles"} + args);
        p.waitForFinished(120000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput().toStdString(),
                p.readAllStandardError().toStdString()};
    }
    CliRun Pull(const SimProcess& sim, const std::string& file, QStringList extra = {}) const
    {
        return Run(QStringList{"pull", "--link", "rix", "--port", QString::fromStdString(sim.ptyPath()),
                               QString::fromStdString(work.file(file))} + extra);
    }
    CliRun Push(const SimProcess& sim, const std::string& file) const
    {
        return Run({"push", "--link", "rix", "--port", QString::fromStdString(sim.ptyPath()),
                    QString::fromStdString(work.file(file))});
    }
    QJsonObject Record(SimProcess& sim, const std::string& file) const
    {
        sim.stop();
        return QJsonDocument::fromJson(QByteArray::fromStdString(work.read(file))).object();
    }

    TempDir home;
    TempDir work;
};

TEST_F(ProfilesCli, PullWritesAllNineProfilesAndPrintsThemAsJson)
{
    work.write("state.json", State("2.0.6"));
    SimProcess sim("rix", work.file("state.json"));
    const CliRun r = Pull(sim, "p.VPD", {"--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // The mask as an exact 64-bit number (0x800000010000001F).
    EXPECT_NE(r.out.find(R"({"profile": 4, "name": "Klima", "mask": 9223372041149743135})"), std::string::npos)
        << r.out;
    const QJsonArray list = QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).array();
    ASSERT_EQ(list.size(), 9);
    EXPECT_EQ(list[0].toObject().value("name").toString(), "Standard");
    EXPECT_EQ(list[6].toObject().value("name").toString(), QString::fromUtf8("B\xC3\xBCro"));
    EXPECT_EQ(list[6].toObject().value("mask").toInteger(), 5);
    EXPECT_EQ(list[8].toObject().value("mask").toInteger(), 0x1FFFFFFFFF);

    const std::string file = work.read("p.VPD");
    EXPECT_NE(file.find("[ProfileNo04]\r\nName=Klima\r\nShowTemp=1\r\nShowFeu=1\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("ShowVOC=1\r\n"), std::string::npos);   // bit 32
    EXPECT_NE(file.find("ShowBox64=1\r\n"), std::string::npos); // bit 63
    EXPECT_NE(file.find("[ProfileNo07]\r\nName=B\xFCro\r\nShowTemp=1\r\nShowFeu=0\r\nShowWind=1\r\n"),
              std::string::npos);
    EXPECT_NE(file.find("[ProfileNo09]\r\nName=USER8\r\n"), std::string::npos);
}

TEST_F(ProfilesCli, OldFirmwareKeepsOnlyTheLowerThirtyTwoBits)
{
    work.write("state.json", State("2.0.5"));
    SimProcess sim("rix", work.file("state.json"));
    const CliRun r = Pull(sim, "p.VPD", {"--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find(R"({"profile": 4, "name": "Klima", "mask": 31})"), std::string::npos) << r.out;
}

TEST_F(ProfilesCli, PushWritesTheFileIntoTheInstrument)
{
    work.write("state.json", State("2.0.6"));
    {
        SimProcess source("rix", work.file("state.json"));
        ASSERT_EQ(Pull(source, "p.VPD").exitCode, 0);
    }
    // Profile 1 renamed in the file: the instrument still gets "Standard".
    std::string file = work.read("p.VPD");
    file.replace(file.find("Name=Standard"), 13, "Name=Anders");
    work.write("p.VPD", file);
    work.write("blank.json", R"({"model": "VAMOK rix", "firmware": "3.0.0",
        "profiles": [{"number": 4, "name": "Leer", "mask": 0}]})");
    SimProcess target("rix", work.file("blank.json"), {"--record", work.file("record.json")});
    const CliRun r = Push(target, "p.VPD");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const QJsonObject profiles = Record(target, "record.json").value("profiles").toObject();
    ASSERT_EQ(profiles.size(), 9);
    EXPECT_EQ(profiles.value("1").toObject().value("name").toString(), "Standard        ");
    EXPECT_EQ(profiles.value("4").toObject().value("name").toString(), "Klima           ");
    EXPECT_EQ(profiles.value("4").toObject().value("mask").toString(), "800000010000001F");
    EXPECT_EQ(profiles.value("7").toObject().value("name").toString(), QString::fromUtf8("B\xC3\xBCro            "));
    EXPECT_EQ(profiles.value("7").toObject().value("mask").toString(), "0000000000000005");
}

TEST_F(ProfilesCli, APushThatStopsPartWayExitsFiveAndSaysHowFarItGot)
{
    work.write("state.json", State("2.0.6"));
    {
        SimProcess source("rix", work.file("state.json"));
        ASSERT_EQ(Pull(source, "p.VPD").exitCode, 0);
    }
    const std::string before = work.read("p.VPD");
    // The identification takes a few frames; the instrument dies during the profiles.
    SimProcess target("rix", work.file("state.json"), {"--record", work.file("record.json"), "--silent-after", "7"});
    const CliRun r = Push(target, "p.VPD");
    EXPECT_EQ(r.exitCode, 5) << r.err;
    const std::size_t line = r.err.find("incomplete: ");
    ASSERT_NE(line, std::string::npos) << r.err;
    int reported = -1;
    ASSERT_EQ(std::sscanf(r.err.c_str() + line, "incomplete: %d of 9 profiles written", &reported), 1) << r.err;
    EXPECT_GT(reported, 0);
    EXPECT_LT(reported, 9);
    // The write whose acknowledgement was lost may have reached the instrument.
    const int recorded = Record(target, "record.json").value("profiles").toObject().size();
    EXPECT_GE(recorded, reported);
    EXPECT_LE(recorded, reported + 1);
    EXPECT_EQ(work.read("p.VPD"), before);
}

TEST_F(ProfilesCli, APullThatStopsPartWayLeavesTheFileAsItWas)
{
    work.write("state.json", State("2.0.6"));
    work.write("p.VPD", "[ProfileNo01]\r\nName=Standard\r\n; the user's old file\r\n");
    const std::string before = work.read("p.VPD");
    SimProcess sim("rix", work.file("state.json"), {"--silent-after", "7"});
    const CliRun r = Pull(sim, "p.VPD", {"--json"});
    EXPECT_EQ(r.exitCode, 5) << r.err;
    EXPECT_NE(r.err.find("of 9 profiles read"), std::string::npos) << r.err;
    EXPECT_EQ(work.read("p.VPD"), before);
    // What came through is still printed.
    const QJsonArray list = QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).array();
    EXPECT_GT(list.size(), 0);
    EXPECT_LT(list.size(), 9);
}

TEST_F(ProfilesCli, ADamagedFileIsRefusedBeforeAnythingIsSent)
{
    work.write("state.json", State("2.0.6"));
    {
        SimProcess source("rix", work.file("state.json"));
        ASSERT_EQ(Pull(source, "p.VPD").exitCode, 0);
    }
    std::string file = work.read("p.VPD");
    const std::size_t key = file.find("ShowPMV1=", file.find("[ProfileNo04]"));
    file.erase(key, file.find("\r\n", key) + 2 - key);
    work.write("p.VPD", file);
    SimProcess target("rix", work.file("state.json"), {"--record", work.file("record.json")});
    const CliRun r = Push(target, "p.VPD");
    EXPECT_EQ(r.exitCode, 4);
    EXPECT_NE(r.err.find("section ProfileNo04 lacks the key ShowPMV1; nothing was written to the instrument"),
              std::string::npos)
        << r.err;
    const QJsonObject record = Record(target, "record.json");
    EXPECT_EQ(record.value("writes").toInt(), 0);
    EXPECT_TRUE(record.value("profiles").toObject().isEmpty());
}

TEST_F(ProfilesCli, UsageErrors)
{
    struct Case {
        QStringList args;
        const char* message;
    };
    const Case cases[] = {
        {{"pull", "--link", "altarim", "--port", "/dev/null", "p.VPD"}, "keeps no profiles"},
        {{"push", "--link", "ventiq", "p.VPD"}, "keeps no profiles"},
        {{"pull", "--link", "rix"}, "pull needs one profile file"},
        {{"fetch", "--link", "rix", "p.VPD"}, "unknown action 'fetch'"},
        {{"push", "--link", "rix", "--json", "p.VPD"}, "--json belongs to pull"},
        {{"pull", "p.VPD"}, "--link is missing"},
    };
    for (const Case& c : cases) {
        const CliRun r = Run(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args.join(' ').toStdString();
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_EQ(Run({"push", "--link", "rix", QString::fromStdString(work.file("absent.VPD"))}).exitCode, 4);
}

} // namespace

// End-to-end checks of vamok-cli as a user runs it: a fresh home folder (so
// the type library is the built-in defaults), a chosen locale, the simulated
// instrument on a pty. Each test compares with what the windows show.
#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

#include <string>

namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class CliEndToEnd : public ::testing::Test {
protected:
    CliRun Run(const QStringList& args, const QString& locale = QStringLiteral("C.UTF-8")) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", QString::fromStdString(home.path()));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(home.path() + ".config"));
        env.insert("XDG_DATA_HOME", QString::fromStdString(home.path() + ".local/share"));
        env.insert("LC_ALL", locale);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VAMOK_CLI_BINARY), args);
        p.waitForFinished(60000);
        return {p.exitCode(), p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
    }

    TempDir home;
    TempDir work;
};

// One workplace of the predefined type "VAM " with everything the PMV needs.
const char* kState = R"({"model": "VAMOK rix", "firmware": "3.0.0", "serial": 1234, "series": 56, "flags": 1,
    "live": {"Temp": 22.4, "Feu": 46.8, "Wind": 0.12, "WindMin": 0.14, "GT": 22.9},
    "workplaces": [{"number": 1, "name": "Kantine", "type": "VAM ", "profile": 1,
        "time": "2026-12-04T15:49:00",
        "values": {"Temp": 24.7, "Feu": 63.6, "Wind": 0.06, "WindI": 0.04, "WindII": 0.06, "WindIII": 0.08,
                   "GT": 25.3}}]})";

std::string Field(const std::string& jsonLine, const std::string& key)
{
    const std::string mark = "\"" + key + "\": \"";
    const auto at = jsonLine.find(mark);
    if (at == std::string::npos)
        return "<no " + key + ">";
    const auto from = at + mark.size();
    return jsonLine.substr(from, jsonLine.find('"', from) - from);
}

} // namespace

// The table computes PMV from the row type's clothing and activity. A fresh
// installation has no library file of the user's; the ratings then come
// from the shipped library, whose "VAM " is the built-in type, so the
// readout must not show the invalid 655.35.
TEST_F(CliEndToEnd, ReadComputesThePmvOfARowOfTypeVam)
{
    work.write("s.json", kState);
    SimProcess sim("rix", work.file("s.json"));
    const CliRun r = Run({"read", "--link", "rix", "--port", QString::fromStdString(sim.ptyPath()), "--first", "1",
                          "--last", "1", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // "VAM " clothing row: 0.60 0.90 1.20 clo, 1.30 met; the mean of the three
    // 3-minute air velocities is 0.06 m/s.
    // vamok-cli pmv --ta 24.7 --tg 25.3 --rh 63.6 --v 0.06 --clo 0.6 --met 1.3 gives 0.56.
    EXPECT_EQ(Field(r.out, "PMV1"), "0.56") << r.out;
}

// The demo instrument's workplaces have the types of the library shipped
// beside the program. Without a library of the user's, the demo link rates
// with that one, as the first start imports it, and leaves the user's
// folder alone; a library of the user's wins.
TEST_F(CliEndToEnd, DemoReadoutInAFreshHomeUsesTheShippedLibrary)
{
    // Workplace 1 "Empfang", type "BUER": 23.4 °C, globe 24.3 °C, 41.0 %, air
    // velocities 0.05, 0.07, 0.09 m/s. "BUER" in dist/Vamok.APT: 0.50 0.80
    // 1.10 clo, 1.20 met.
    // vamok-cli pmv --ta 23.4 --tg 24.3 --rh 41.0 --v 0.07 --clo 0.5 --met 1.2 gives -0.26.
    const CliRun fresh = Run({"read", "--link", "demo", "--last", "1", "--json"});
    ASSERT_EQ(fresh.exitCode, 0) << fresh.err;
    EXPECT_EQ(Field(fresh.out, "Type"), "BUER") << fresh.out;
    EXPECT_EQ(Field(fresh.out, "PMV1"), "-0.26") << fresh.out;
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(home.path() + ".local/share/QAL/VAMOK/Vamok.APT")));

    // The user's library, with 1.00 clo in the first column of "BUER".
    QFile shipped(QStringLiteral(VAMOK_TEST_DATA "/../../dist/Vamok.APT"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    std::string library = shipped.readAll().toStdString();
    const std::size_t clo = library.find("0,50;0,80;1,10;1,20;441,15", library.find("\r\nBUER\r\n"));
    ASSERT_NE(clo, std::string::npos);
    library.replace(clo, 4, "1,00");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(home.path() + ".local/share/QAL/VAMOK")));
    home.write(".local/share/QAL/VAMOK/Vamok.APT", library);
    // vamok-cli pmv --ta 23.4 --tg 24.3 --rh 41.0 --v 0.07 --clo 1.0 --met 1.2 gives 0.52.
    const CliRun own = Run({"read", "--link", "demo", "--last", "1", "--json"});
    ASSERT_EQ(own.exitCode, 0) << own.err;
    EXPECT_EQ(Field(own.out, "PMV1"), "0.52") << own.out;
}

// The online window takes clothing and activity from PC type 1 ("VAM ").
TEST_F(CliEndToEnd, LiveShowsThePmvOfTheFirstPcType)
{
    work.write("s.json", kState);
    SimProcess sim("rix", work.file("s.json"));
    const CliRun r = Run({"live", "--link", "rix", "--port", QString::fromStdString(sim.ptyPath()), "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // vamok-cli pmv --ta 22.4 --tg 22.9 --rh 46.8 --v 0.12 --clo 0.9 --met 1.3 gives 0.23.
    EXPECT_NE(r.out.find("[\"PMV\", \"    0.23\"]"), std::string::npos) << r.out;
}

// "Öffnen..." reads numbers in the user's locale: with "." as separator the
// integer part of 520.7 is 520.
TEST_F(CliEndToEnd, ShowReadsNumbersInTheUsersLocale)
{
    std::string file = "VERSION=5.2.0.1\r\nT\r\nName\tTyp\tProfil\tTemp. /\xB0" "C\t\t\r\nA\tVAM \t1\t21.5\tok\t45.0\ttb\t"
                       "60.2\t\t58.0\t\t520.7\t\t\r\n";
    for (int n = 2; n <= 99; ++n)
        file += "\tVAM \t1\t\t\r\n";
    file += "MEMO: \r\n\t\r\n";
    work.write("dot.VAM", file);
    const CliRun r = Run({"show", QString::fromStdString(work.file("dot.VAM")), "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string row1 = r.out.substr(r.out.find("{\"row\": 1,"));
    EXPECT_EQ(Field(row1, "Bel"), "520") << row1.substr(0, 300);
}

TEST_F(CliEndToEnd, UsbLinksWithoutPortDoNotOpenASerialPort)
{
    for (const char* link : {"rix", "ventiq"}) {
        const CliRun read = Run({"read", "--link", link, "--first", "1", "--last", "1"});
        EXPECT_EQ(read.exitCode, 3) << link << ": " << read.err; // no bridge attached here
        EXPECT_EQ(read.err.find("/dev/tty"), std::string::npos) << link << ": " << read.err;
        const CliRun live = Run({"live", "--link", link});
        EXPECT_EQ(live.err.find("/dev/tty"), std::string::npos) << link << ": " << live.err;
    }
}

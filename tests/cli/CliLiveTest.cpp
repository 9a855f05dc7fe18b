#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

CliRun RunCli(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(VAMOK_CLI_BINARY), args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto nl = text.find('\n', at);
        lines.push_back(text.substr(at, nl - at));
        at = nl == std::string::npos ? text.size() : nl + 1;
    }
    return lines;
}

const char* kState = R"({"model": "VAMOK altarim", "firmware": "2.10", "serial": 1234, "series": 56, "flags": 1,
    "live": {"Temp": 22.4, "Feu": 46.8, "Bel": 512}})";

} // namespace

TEST(CliLive, PrintsOneJsonLinePerPoll)
{
    TempDir dir;
    dir.write("s.json", kState);
    SimProcess sim("altarim", dir.file("s.json"));
    const CliRun r = RunCli({"live", "--link", "altarim", "--port", QString::fromStdString(sim.ptyPath()), "--count",
                          "2", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u) << r.out;
    for (const auto& line : lines) {
        EXPECT_EQ(line.rfind("{\"version\": \"VAMOK altarim  - Ver 2.10", 0), 0u) << line;
        EXPECT_NE(line.find("\"serial\": \"S-No: 1234 / 56 - 00000001\""), std::string::npos) << line;
        EXPECT_NE(line.find("\"rows\": [[\"Temperatur\", \"   22"), std::string::npos) << line;
        EXPECT_NE(line.find("[\"L\xC3\xA4rmpegel aktuell\", \"   -NA-\"]"), std::string::npos) << line;
        EXPECT_NE(line.find("[\"Beleuchtungsst\xC3\xA4rke\", \"  512  \"]"), std::string::npos) << line;
        EXPECT_NE(line.find("[\"Feinstaub PM 10\", \"   -NA-\"]]}"), std::string::npos) << line;
    }
}

TEST(CliLive, PlainOutputHasTheTwentyRows)
{
    TempDir dir;
    dir.write("s.json", kState);
    SimProcess sim("altarim", dir.file("s.json"));
    const CliRun r = RunCli({"live", "--link", "altarim", "--port", QString::fromStdString(sim.ptyPath())});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 21u) << r.out;
    // The version label as shown, with the instrument's padding blanks.
    EXPECT_EQ(lines[0].rfind("VAMOK altarim  - Ver 2.10 ", 0), 0u) << lines[0];
    EXPECT_EQ(lines[0].substr(lines[0].find('\t')), "\tS-No: 1234 / 56 - 00000001");
    EXPECT_EQ(lines[2].substr(0, 13), "rel. Feuchte\t");
}

TEST(CliLive, NoInstrumentAndBadUsage)
{
    TempDir dir;
    dir.write("s.json", kState);
    SimProcess silent("rix", dir.file("s.json")); // answers no altarim command
    const CliRun r = RunCli({"live", "--link", "altarim", "--port", QString::fromStdString(silent.ptyPath())});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_EQ(RunCli({"live", "--link", "usb"}).exitCode, 2);
    EXPECT_EQ(RunCli({"live", "--link", "rix", "--count", "0"}).exitCode, 2);
    EXPECT_EQ(RunCli({"live", "--link", "altarim", "--port", "/nonexistent/tty"}).exitCode, 3);
}

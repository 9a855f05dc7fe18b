// vamok-cli read: the real program against the simulated instrument.
#include "SimWorkplaces.h"

#include "core/Cp1252.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

using namespace vamok;

namespace {

struct CliRun {
    int exitCode = -1;
    std::vector<std::string> lines;
    std::string errors;
};

CliRun RunCli(const QStringList& args, const QString& locale = "de_DE.UTF-8")
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", locale);
    env.insert("HOME", QString::fromStdString(TempDir().path())); // no user settings
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VAMOK_CLI_BINARY), QStringList{"read"} + args);
    EXPECT_TRUE(p.waitForFinished(60000));
    CliRun r;
    r.exitCode = p.exitCode();
    for (const QByteArray& line : p.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            r.lines.push_back(line.toStdString());
    r.errors = p.readAllStandardError().toStdString();
    return r;
}

void ExpectJsonRow(const std::string& line, const std::string& dialect, const std::string& firmware,
                   const SimWorkplace& wp)
{
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
    ASSERT_FALSE(o.isEmpty()) << line;
    EXPECT_EQ(o.value("row").toInt(), wp.number);
    for (const auto& [field, text] : ExpectedTexts(dialect, firmware, wp, ','))
        EXPECT_EQ(ToCp1252(o.value(QString::fromLatin1(InfoOf(field).name)).toString()), text)
            << dialect << " workplace " << wp.number << " " << InfoOf(field).name;
    for (const char* pmv : {"PMV1", "PMV2", "PMV3"})
        EXPECT_TRUE(o.contains(pmv));
}

} // namespace

TEST(CliRead, JsonLinesCarryEveryFieldAsTheTableShowsIt)
{
    struct Link {
        const char* dialect;
        const char* firmware;
    };
    for (const Link l : {Link{"altarim", "2.2"}, Link{"rix", "3.0.0"}}) {
        TempDir dir;
        const auto workplaces = VariedWorkplaces(6);
        dir.write("state.json", SimStateJson(l.firmware, workplaces));
        SimProcess sim(l.dialect, dir.file("state.json"));
        const CliRun r = RunCli({"--link", l.dialect, "--port", QString::fromStdString(sim.ptyPath()),
                                 "--first", "2", "--last", "7", "--json"});
        EXPECT_EQ(r.exitCode, 0) << r.errors;
        ASSERT_EQ(r.lines.size(), 6u) << r.errors;
        for (int n = 2; n <= 6; ++n)
            ExpectJsonRow(r.lines[static_cast<std::size_t>(n - 2)], l.dialect, l.firmware,
                          workplaces[static_cast<std::size_t>(n - 1)]);
        ExpectJsonRow(r.lines[5], l.dialect, l.firmware, EmptyWorkplace(7));
    }
}

TEST(CliRead, ReadableTableHasAHeaderAndOneLinePerRow)
{
    TempDir dir;
    dir.write("state.json", SimStateJson("1.2", VariedWorkplaces(3)));
    SimProcess sim("quadrovan", dir.file("state.json"));
    const CliRun r = RunCli({"--link", "quadrovan", "--port", QString::fromStdString(sim.ptyPath()),
                             "--last", "3"}, "C");
    EXPECT_EQ(r.exitCode, 0) << r.errors;
    ASSERT_EQ(r.lines.size(), 4u);
    EXPECT_EQ(r.lines[0].rfind("Name\tTyp\tProfil\t", 0), 0u) << r.lines[0];
    EXPECT_EQ(r.lines[2].rfind("Platz 2 \tVAM \t", 0), 0u) << r.lines[2];
    EXPECT_NE(r.lines[2].find("\t18.2\t"), std::string::npos) << r.lines[2]; // C locale: "."
}

TEST(CliRead, SilentInstrumentAndBadUsage)
{
    TempDir dir;
    dir.write("state.json", SimStateJson("2.2", VariedWorkplaces(1)));
    {
        // A rix link on an altarim: nothing answers the framed commands.
        SimProcess sim("altarim", dir.file("state.json"));
        const CliRun r = RunCli({"--link", "rix", "--port", QString::fromStdString(sim.ptyPath())});
        EXPECT_EQ(r.exitCode, 3);
        EXPECT_TRUE(r.lines.empty());
    }
    for (const QStringList& bad : {QStringList{"--link", "usb"}, QStringList{"--port", "/dev/null"},
                                   QStringList{"--link", "rix", "--first", "0"},
                                   QStringList{"--link", "rix", "--last", "100"},
                                   QStringList{"--link", "rix", "--first", "x"},
                                   QStringList{"--link", "rix", "--jsn"}}) {
        const CliRun r = RunCli(bad);
        EXPECT_EQ(r.exitCode, 2) << bad.join(' ').toStdString();
        EXPECT_NE(r.errors.find("usage: vamok-cli read"), std::string::npos);
    }
    const CliRun missingPort = RunCli({"--link", "altarim", "--port", QString::fromStdString(dir.file("no-such-tty"))});
    EXPECT_EQ(missingPort.exitCode, 3); // as identify: nothing answered
}

TEST(CliRead, DroppedAnswersAreAskedForAgain)
{
    TempDir dir;
    dir.write("state.json", SimStateJson("2.2", VariedWorkplaces(5)));
    // Every second command unanswered: each row still gets its record with
    // the repeats, so the readout completes.
    SimProcess sim("altarim", dir.file("state.json"), {"--ignore-every", "2"});
    const CliRun r = RunCli({"--link", "altarim", "--port", QString::fromStdString(sim.ptyPath()),
                             "--last", "5", "--json"});
    EXPECT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_EQ(r.lines.size(), 5u);
}

// The rix answers the identification's two commands and then one command per
// workplace until it falls silent: the rows it delivered are printed and
// saved, and the exit code says that the readout is incomplete.
TEST(CliRead, InstrumentFallingSilentPartWayGivesAnIncompleteReadout)
{
    struct Case {
        int first, last;
        const char* silentAfter;
        std::size_t rowsRead;
        const char* message;
    };
    const Case cases[] = {
        {1, 99, "32", 30, "incomplete: 30 of 99 workplaces read; the instrument stopped answering\n"},
        {50, 60, "7", 5, "incomplete: 5 of 11 workplaces read; the instrument stopped answering\n"},
    };
    const auto workplaces = VariedWorkplaces(99);
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("state.json", SimStateJson("3.0.0", workplaces));
        SimProcess sim("rix", dir.file("state.json"), {"--silent-after", c.silentAfter});
        const CliRun r = RunCli({"--link", "rix", "--port", QString::fromStdString(sim.ptyPath()), "--first",
                                 QString::number(c.first), "--last", QString::number(c.last), "--json", "--out",
                                 QString::fromStdString(dir.file("part.VAM"))});
        EXPECT_EQ(r.exitCode, 5) << r.errors;
        EXPECT_NE(r.errors.find(c.message), std::string::npos) << r.errors;
        ASSERT_EQ(r.lines.size(), c.rowsRead) << r.errors;
        for (std::size_t i = 0; i < c.rowsRead; ++i)
            ExpectJsonRow(r.lines[i], "rix", "3.0.0", workplaces[static_cast<std::size_t>(c.first - 1) + i]);

        // The file holds the rows read and nothing of the rows lost.
        QProcess show;
        show.start(QStringLiteral(VAMOK_CLI_BINARY), {"show", QString::fromStdString(dir.file("part.VAM")), "--json"});
        ASSERT_TRUE(show.waitForFinished(60000));
        ASSERT_EQ(show.exitCode(), 0) << show.readAllStandardError().toStdString();
        const QList<QByteArray> shown = show.readAllStandardOutput().split('\n');
        ASSERT_GE(shown.size(), 100);
        const int lastRead = c.first + static_cast<int>(c.rowsRead) - 1;
        for (int n = c.first; n <= lastRead + 1; ++n) {
            const QJsonObject back = QJsonDocument::fromJson(shown[n]).object();
            const QJsonObject read =
                n <= lastRead ? QJsonDocument::fromJson(QByteArray::fromStdString(r.lines[std::size_t(n - c.first)])).object()
                              : QJsonObject{{"Name", ""}, {"Temp", ""}};
            for (const char* field : {"Name", "Temp"})
                EXPECT_EQ(back.value(field), read.value(field)) << "row " << n << " " << field;
        }
    }
}

TEST(CliRead, OutWritesTheDataFileThatShowReadsBack)
{
    TempDir dir;
    for (const char* name : {"x.VAM", "x.CSV"}) {
        const CliRun r = RunCli({"--link", "demo", "--last", "3", "--json", "--out",
                                 QString::fromStdString(dir.file(name))});
        EXPECT_EQ(r.exitCode, 0) << r.errors;
        ASSERT_EQ(r.lines.size(), 3u) << r.errors;

        QProcess show;
        show.start(QStringLiteral(VAMOK_CLI_BINARY), {"show", QString::fromStdString(dir.file(name)), "--json"});
        ASSERT_TRUE(show.waitForFinished(60000));
        EXPECT_EQ(show.exitCode(), 0) << show.readAllStandardError().toStdString();
        const QList<QByteArray> shown = show.readAllStandardOutput().split('\n');
        ASSERT_GE(shown.size(), 4) << name;
        const QJsonObject heading = QJsonDocument::fromJson(shown[0]).object();
        EXPECT_EQ(heading.value("notes").toArray().size(), 1) << name;
        for (int n = 1; n <= 3; ++n) {
            const QJsonObject read = QJsonDocument::fromJson(QByteArray::fromStdString(r.lines[n - 1])).object();
            const QJsonObject back = QJsonDocument::fromJson(shown[n]).object();
            for (const char* field : {"Name", "Type", "Temp", "Wind", "MessZeit"})
                EXPECT_EQ(back.value(field), read.value(field)) << name << " row " << n << " " << field;
        }
    }
}

TEST(CliRead, ConvertKeepsAFileSavedWithThePointLocale)
{
    TempDir dir;
    const CliRun r = RunCli({"--link", "demo", "--last", "99", "--out", QString::fromStdString(dir.file("a.VAM"))}, "C");
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    QProcess convert;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "C");
    env.insert("HOME", QString::fromStdString(dir.path()));
    convert.setProcessEnvironment(env);
    convert.start(QStringLiteral(VAMOK_CLI_BINARY),
                  {"convert", QString::fromStdString(dir.file("a.VAM")), QString::fromStdString(dir.file("b.VAM"))});
    ASSERT_TRUE(convert.waitForFinished(60000));
    EXPECT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
    EXPECT_EQ(dir.read("b.VAM"), dir.read("a.VAM"));
}

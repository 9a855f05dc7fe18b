#include "DataFileTestSupport.h"

#include "support/TempDir.h"

#include <QDir>
#include <QProcess>
#include <QStringList>

#include <csignal>
#include <sys/resource.h>

namespace {

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

class CliFilesTest : public DataFileTestBase {
protected:
    CliRun Cli(QStringList args)
    {
        // A library file that does not exist gives the predefined "VAM ".
        args << "--types" << QString::fromStdString(dir_.file("keine.APT"));
        QProcess p;
        // The fixtures are German files: read them as a German user does.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LC_ALL", "de_DE.UTF-8");
        p.setProcessEnvironment(env);
        p.start(VAMOK_CLI_BINARY, args);
        EXPECT_TRUE(p.waitForFinished(30000));
        return {p.exitCode(), p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
    }
    static QString Q(const std::string& s) { return QString::fromStdString(s); }
    TempDir dir_;
};

} // namespace

TEST_F(CliFilesTest, ConvertWritesTheCurrentFormatOfTheOutputsKind)
{
    const CliRun r = Cli({"convert", Q(Fixture("current.CSV")), Q(dir_.file("out.VAM"))});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(dir_.read("out.VAM"), ReadBytes(Fixture("current.VAM")));

    const CliRun old = Cli({"convert", Q(Fixture("v4005.VAM")), Q(dir_.file("old.csv"))});
    ASSERT_EQ(old.exitCode, 0) << old.err;
    const std::string csv = dir_.read("old.csv");
    EXPECT_EQ(csv.substr(0, 17), "VERSION=5.2.0.1\r\n");
    EXPECT_NE(csv.find("Platz 1 ; VAM  ; 2 ; 21,5 ; ok ; "), std::string::npos);
}

TEST_F(CliFilesTest, ShowJsonGivesHeadingAndNinetyNineRowsWithRatings)
{
    const CliRun r = Cli({"show", Q(Fixture("v5100.CSV")), "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < r.out.size()) {
        const std::size_t end = r.out.find('\n', at);
        lines.push_back(r.out.substr(at, end - at));
        at = end + 1;
    }
    ASSERT_EQ(lines.size(), 100u);
    EXPECT_EQ(lines[0], R"({"title": "Altdatei 5.1.0.0", "notes": ["Notiz 5.1.0.0"], "version": "5.1.0.0"})");
    EXPECT_EQ(lines[1].rfind(R"({"row": 1, "Name": "Platz 1", "Type": "VAM ", "Profile": "2", "Temp": "21,5")", 0), 0u)
        << lines[1];
    EXPECT_NE(lines[1].find(R"("ratings": {"Temp": 1, "Feu": 2,)"), std::string::npos);
    EXPECT_NE(lines[1].find(R"("PM10u": 3}})"), std::string::npos);
    EXPECT_EQ(lines[99].rfind(R"({"row": 99,)", 0), 0u);
}

TEST_F(CliFilesTest, UnreadableFileExitsFourWithTheWindowsMessage)
{
    dir_.write("leer.VAM", "");
    const CliRun r = Cli({"show", Q(dir_.file("leer.VAM"))});
    EXPECT_EQ(r.exitCode, 4);
    EXPECT_NE(r.err.find("Konnte Datei nicht laden!"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("leer.VAM"), std::string::npos);
    EXPECT_EQ(Cli({"convert", Q(dir_.file("fehlt.VAM")), Q(dir_.file("x.VAM"))}).exitCode, 4);
    EXPECT_EQ(Cli({"convert", Q(dir_.file("nur-eins.VAM"))}).exitCode, 2);
}

TEST_F(CliFilesTest, ConvertOntoAFileSizeLimitKeepsTheOldFileAndExitsOne)
{
    const std::string old = "VERSION=5.2.0.1\r\nvorher\r\n";
    dir_.write("out.VAM", old);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "C");
    p.setProcessEnvironment(env);
    // The written file may not grow beyond 4 KiB; the converted file is larger.
    p.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    p.start(VAMOK_CLI_BINARY, {"convert", Q(Fixture("current.VAM")), Q(dir_.file("out.VAM")), "--types",
                               Q(dir_.file("keine.APT"))});
    ASSERT_TRUE(p.waitForFinished(30000));
    const std::string err = p.readAllStandardError().toStdString();
    EXPECT_EQ(p.exitCode(), 1) << err;
    EXPECT_NE(err.find("Konnte Datei nicht speichern!"), std::string::npos) << err;
    EXPECT_NE(err.find("File too large"), std::string::npos) << err;
    EXPECT_EQ(dir_.read("out.VAM"), old);
    EXPECT_EQ(QDir(Q(dir_.path())).entryList(QDir::Files | QDir::Hidden), QStringList{"out.VAM"});
}

// vamok-cli identify, run as a program against vamok-sim on a pseudo-
// terminal and against the built-in demo instrument.
#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSerialPort>
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

CliRun RunIdentify(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(VAMOK_CLI_BINARY), QStringList{"identify"} + args);
    p.waitForFinished(30000);
    return {p.exitCode(), p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
}

QJsonObject JsonOf(const std::string& out)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
}

struct IdentifyCase {
    const char* dialect;
    const char* firmware;
    const char* interface;
    const char* version; // the version panel's start (the altarim's text is blank-padded)
    const char* model;
};

const IdentifyCase kCases[] = {
    {"altarim", "2.10", "Schnittstelle: COM1", "VAMOK altarim  - Ver 2.10", "VamokAltarim"},
    {"quadrovan", "1.2", "Schnittstelle: COM1", "VAMOK Quadrovan Ver 1.2", "VamokQuadrovan"},
    {"rix", "2.0.6", "USB", "VAMOK rix  - Ver 2.0.6", "VamokRix"},
    {"ventiq", "1.0.3", "USB", "Ventiq  - Ver 1.0.3", "VamokRix"},
};

class CliIdentify : public ::testing::TestWithParam<IdentifyCase> {};

TEST_P(CliIdentify, PrintsTheStatusPanelsOfTheInstrumentOnThePort)
{
    const IdentifyCase& c = GetParam();
    TempDir dir;
    dir.write("s.json", std::string("{\"firmware\": \"") + c.firmware + "\", \"serial\": 1234, \"series\": 56, \"flags\": 1}");
    SimProcess sim(c.dialect, dir.file("s.json"), {"--pace"});
    const QString port = QString::fromStdString(sim.ptyPath());

    const CliRun plain = RunIdentify({"--link", c.dialect, "--port", port});
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    const std::string expectedStart = std::string(c.interface) + "\n" + c.version;
    EXPECT_EQ(plain.out.substr(0, expectedStart.size()), expectedStart) << plain.out;
    const std::string serialLine = "\nS-No: 1234 / 56 - 00000001\n";
    ASSERT_GE(plain.out.size(), serialLine.size());
    EXPECT_EQ(plain.out.substr(plain.out.size() - serialLine.size()), serialLine) << plain.out;

    const CliRun json = RunIdentify({"--link", c.dialect, "--port", port, "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const QJsonObject o = JsonOf(json.out);
    EXPECT_EQ(o.size(), 4);
    EXPECT_EQ(o.value("interface").toString(), c.interface);
    EXPECT_TRUE(o.value("version").toString().startsWith(c.version)) << json.out;
    EXPECT_EQ(o.value("serial").toString(), "S-No: 1234 / 56 - 00000001");
    EXPECT_EQ(o.value("model").toString(), c.model);
}

INSTANTIATE_TEST_SUITE_P(AllDialects, CliIdentify, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<IdentifyCase>& info) {
                             return std::string(info.param.dialect);
                         });

TEST(CliIdentifyDemo, IdentifiesTheBuiltInRix)
{
    const CliRun plain = RunIdentify({"--link", "demo"});
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_EQ(plain.out, "USB\nVAMOK rix  - Ver 3.0.0\nS-No: 2417 / 23 - 00000001\n");

    const CliRun json = RunIdentify({"--json", "--link", "demo"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_EQ(json.out, "{\"interface\": \"USB\", \"version\": \"VAMOK rix  - Ver 3.0.0\", "
                        "\"serial\": \"S-No: 2417 / 23 - 00000001\", \"model\": \"VamokRix\"}\n");
}

TEST(CliIdentifyCommand, AnInstrumentThatStaysSilentGivesExitCode3)
{
    TempDir dir;
    dir.write("s.json", "{\"firmware\": \"2.0.6\"}");
    SimProcess sim("rix", dir.file("s.json"), {"--ignore-every", "1"});
    const CliRun r = RunIdentify({"--link", "rix", "--port", QString::fromStdString(sim.ptyPath()), "--json"});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.err, "vamok-cli: no instrument answered\n");
    const QJsonObject o = JsonOf(r.out);
    EXPECT_EQ(o.value("serial").toString(), "VAMOK Seriennummer");
    EXPECT_EQ(o.value("model").toString(), "");
}

TEST(CliIdentifyCommand, APortThatCannotBeOpenedGivesExitCode3)
{
    TempDir dir;
    const CliRun r = RunIdentify({"--link", "altarim", "--port", QString::fromStdString(dir.file("no-such-tty"))});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_NE(r.err.find("no-such-tty"), std::string::npos) << r.err;
}

TEST(CliIdentifyCommand, APortHeldByAnotherProgramGivesExitCode6AndSaysBusy)
{
    TempDir dir;
    dir.write("s.json", "{\"firmware\": \"2.10\"}");
    SimProcess sim("altarim", dir.file("s.json"));
    QSerialPort other(QString::fromStdString(sim.ptyPath()));
    ASSERT_TRUE(other.open(QIODevice::ReadWrite));
    const CliRun r = RunIdentify({"--link", "altarim", "--port", QString::fromStdString(sim.ptyPath())});
    EXPECT_EQ(r.exitCode, 6);
    EXPECT_EQ(r.err, "vamok-cli: The serial port " + sim.ptyPath() + " is busy: another program is using it.\n");
}

TEST(CliIdentifyCommand, APortClosedToTheUserGivesExitCode6WithTheGroupToJoin)
{
    TempDir dir;
    dir.write("s.json", "{\"firmware\": \"2.10\"}");
    SimProcess sim("altarim", dir.file("s.json"));
    const std::string path = sim.ptyPath();
    QProcess p;
    if (geteuid() == 0) {
        // As on a distribution: the port belongs to root and a serial group,
        // and the user is in neither.
        const ::group* dialout = getgrnam("dialout");
        if (!dialout)
            GTEST_SKIP() << "no dialout group";
        ASSERT_EQ(chown(path.c_str(), 0, dialout->gr_gid), 0);
        ASSERT_EQ(chmod(path.c_str(), 0660), 0);
        ASSERT_EQ(chmod(dir.path().c_str(), 0777), 0);
        p.setChildProcessModifier([] {
            if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
                _exit(99);
        });
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", QString::fromStdString(dir.path()));
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString(dir.path()));
        p.setProcessEnvironment(env);
    } else {
        ASSERT_EQ(chmod(path.c_str(), 0), 0);
    }
    struct stat node {};
    ASSERT_EQ(stat(path.c_str(), &node), 0);
    const std::string group = getgrgid(node.st_gid)->gr_name;
    p.start(QStringLiteral(VAMOK_CLI_BINARY), {"identify", "--link", "altarim", "--port", QString::fromStdString(path)});
    ASSERT_TRUE(p.waitForFinished(30000));
    const std::string err = p.readAllStandardError().toStdString();
    EXPECT_EQ(p.exitCode(), 6) << err;
    EXPECT_EQ(err, "vamok-cli: No permission to open the serial port " + path + ".\nFix: add your user to the group \"" +
                       group + "\" (sudo usermod -aG " + group + " $USER), then log out and in again.\n");
}

TEST(CliIdentifyCommand, UsageErrorsGiveExitCode2AndOneLine)
{
    const QStringList cases[] = {
        {},
        {"--link", "usb"},
        {"--link"},
        {"--link", "rix", "--port"},
        {"--link", "demo", "--port", "/dev/ttyS0"},
        {"--link", "altarim", "--count", "2"},
    };
    for (const QStringList& args : cases) {
        const CliRun r = RunIdentify(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.empty());
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
}

} // namespace

// vamok-cli's command line as scripts and users expect it: --help for the
// program and every command, --version, "--name value" and "--name=value",
// negative numbers as values, and unknown options named in the usage error.
#include "TypesCliProcess.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    QStringList args;
    int exitCode;
    QString inOut; // a text stdout must hold (empty: stdout must be empty)
    QString inErr; // a text stderr must hold (empty: stderr must be empty)
};

void Expect(const Case& c, const CliRun& run)
{
    const std::string call = "vamok-cli " + c.args.join(' ').toStdString();
    EXPECT_EQ(run.exitCode, c.exitCode) << call << "\n" << run.err.toStdString();
    if (c.inOut.isEmpty())
        EXPECT_TRUE(run.out.isEmpty()) << call << "\n" << run.out.toStdString();
    else
        EXPECT_TRUE(run.out.contains(c.inOut)) << call << "\n" << run.out.toStdString();
    if (c.inErr.isEmpty())
        EXPECT_TRUE(run.err.isEmpty()) << call << "\n" << run.err.toStdString();
    else
        EXPECT_TRUE(run.err.contains(c.inErr)) << call << "\n" << run.err.toStdString();
}

QStringList Pmv(const QString& ta, const QString& form)
{
    const QStringList names{"--ta", "--tr", "--rh", "--v", "--clo", "--met"};
    const QStringList values{ta, "22", "60", "0.10", "0.5", "1.2"};
    QStringList args{"pmv"};
    for (qsizetype i = 0; i < names.size(); ++i)
        args << (form == "=" ? QStringList{names[i] + "=" + values[i]} : QStringList{names[i], values[i]});
    return args;
}

class CliConventions : public ::testing::Test {
protected:
    CliRun Run(const QStringList& args) const
    {
        // A fresh data folder: the demo link finds no user library.
        return RunCli(args, "C.UTF-8", QString::fromStdString(data.path()));
    }
    TempDir data;
};

TEST_F(CliConventions, HelpAndVersion)
{
    const Case cases[] = {
        {{"--version"}, 0, "vamok-cli 5.2.0 [Build 1]\n", ""},
        {{"--help"}, 0, "\n  identify  ", ""},
        {{"-h"}, 0, "\n  types     ", ""},
        {{"read", "--help"}, 0, "  --out FILE.VAM|FILE.CSV ", ""},
        {{"read", "-h"}, 0, "usage: vamok-cli read --link ", ""},
        {{"live", "--help"}, 0, "  --count N ", ""},
        {{"identify", "--help"}, 0, "  --port PATH ", ""},
        {{"pmv", "--help"}, 0, "  --globe15 ", ""},
        {{"types", "--help"}, 0, "  import FILE ", ""},
        {{"convert", "--help"}, 0, "  --types, --library FILE.APT ", ""},
        {{"show", "--help"}, 0, "  --json ", ""},
    };
    for (const Case& c : cases)
        Expect(c, Run(c.args));
    EXPECT_EQ(Run({"--version"}).out, "vamok-cli 5.2.0 [Build 1]\n");
    // Every command is listed, and every option of a command is in its help.
    const QString list = Run({"--help"}).out;
    for (const char* command : {"read", "convert", "show", "pmv", "live", "identify", "types", "profiles"})
        EXPECT_TRUE(list.contains(QString("\n  ") + command + " ")) << command << "\n" << list.toStdString();
    const QString pmvHelp = Run({"pmv", "--help"}).out;
    for (const char* option : {"--ta C", "--tr C", "--tg C", "--rh PCT", "--v M_PER_S", "--clo CLO", "--met MET", "--json"})
        EXPECT_TRUE(pmvHelp.contains(QString("  ") + option)) << option << "\n" << pmvHelp.toStdString();
}

TEST_F(CliConventions, ValueAfterSpaceOrEqualsSign)
{
    const CliRun spaced = Run(Pmv("22", " "));
    EXPECT_EQ(spaced.exitCode, 0) << spaced.err.toStdString();
    EXPECT_EQ(spaced.out, "PMV -0.75\nPPD 16.8%\n");
    const CliRun joined = Run(Pmv("22", "="));
    EXPECT_EQ(joined.exitCode, 0) << joined.err.toStdString();
    EXPECT_EQ(joined.out, spaced.out);

    const CliRun rows = Run({"read", "--link=demo", "--first=2", "--last", "3", "--json"});
    EXPECT_EQ(rows.exitCode, 0) << rows.err.toStdString();
    EXPECT_TRUE(rows.out.startsWith("{\"row\": 2, ")) << rows.out.toStdString();
    EXPECT_EQ(rows.out.count('\n'), 2);
}

TEST_F(CliConventions, NegativeNumbersAreValues)
{
    // Both forms hand "-5.0" to the option; 5 °C still gives a PMV, -5 °C is
    // outside the model (an empty PMV, not a usage error).
    for (const char* form : {" ", "="}) {
        const CliRun cold = Run(Pmv("-5.0", form));
        EXPECT_EQ(cold.exitCode, 0) << form << " " << cold.err.toStdString();
        EXPECT_EQ(cold.out, "PMV \nPPD \n") << form;
        const CliRun cool = Run(Pmv("5.0", form));
        EXPECT_EQ(cool.exitCode, 0) << form;
        EXPECT_TRUE(cool.out.startsWith("PMV -")) << form << " " << cool.out.toStdString();
    }
    // A negative workplace number reaches the check of the number.
    for (const QStringList& args : {QStringList{"read", "--link", "demo", "--first", "-1"},
                                    QStringList{"read", "--link", "demo", "--first=-1"}})
        Expect({args, 2, "", "--first needs a workplace number 1 to 99, not '-1'"}, Run(args));
}

TEST_F(CliConventions, UnknownOrIncompleteOptionsAreUsageErrorsThatNameThem)
{
    const Case cases[] = {
        {{"--bogus"}, 2, "", "unknown option '--bogus'"},
        {{"--bogus", "read"}, 2, "", "unknown option '--bogus'"},
        {{"read", "--link", "demo", "--jsn"}, 2, "", "vamok-cli read: unknown option '--jsn'"},
        {{"read", "--link", "demo", "--jsn=1"}, 2, "", "unknown option '--jsn'"},
        {{"live", "--link", "demo", "--cuont", "2"}, 2, "", "unknown option '--cuont'"},
        {{"identify", "--link", "demo", "-x"}, 2, "", "unknown option '-x'"},
        {Pmv("22", " ") + QStringList{"--wind", "1"}, 2, "", "vamok-cli pmv: unknown option '--wind'"},
        {{"show", "a.VAM", "--jsno"}, 2, "", "unknown option '--jsno'"},
        {{"convert", "a.VAM", "b.VAM", "--json"}, 2, "", "unknown option '--json'"},
        {{"types", "list", "--libary", "x.APT"}, 2, "", "unknown option '--libary'"},
        {{"read", "--link"}, 2, "", "--link"},
        {{"read", "--link", "demo", "--json=yes"}, 2, "", "--json"},
        {{"read", "--link", "demo", "--first", "2", "--first=3"}, 2, "", "--first given more than once"},
        {{"frobnicate"}, 2, "", "unknown command 'frobnicate'"},
        {{}, 2, "", "usage: vamok-cli COMMAND"},
    };
    for (const Case& c : cases) {
        const CliRun run = Run(c.args);
        Expect(c, run);
        EXPECT_TRUE(run.err.contains("usage: vamok-cli")) << c.args.join(' ').toStdString();
    }
}

} // namespace

// vamok-cli report and types report: real PDF files, read back with
// pdftotext and pdfinfo.
#include "support/TempDir.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct ReportRun {
    int exitCode = -1;
    QString err;
};

// The CLI with its settings and data in a temporary home.
ReportRun Cli(const TempDir& home, const QStringList& args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "de_DE.UTF-8");
    env.insert("HOME", QString::fromStdString(home.path()));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(home.file("config")));
    env.insert("XDG_DATA_HOME", QString::fromStdString(home.file("data")));
    process.setProcessEnvironment(env);
    process.start(VAMOK_CLI_BINARY, args);
    ReportRun run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString Tool(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

const QString kData = QStringLiteral(VAMOK_TEST_DATA "/files/current.VAM");

} // namespace

TEST(CliReport, MeasurementReportInBlackAndWhite)
{
    TempDir home;
    const QString pdf = QString::fromStdString(home.file("messung.pdf"));
    const ReportRun run = Cli(home, {"report", kData, "--pdf", pdf, "--mode", "11", "--bw"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString info = Tool("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+842 x 595 pts \\(A4\\)"))) << info.toStdString();
    const QString text = Tool("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(text.contains("Messung Halle 3"));
    EXPECT_TRUE(text.contains(QRegularExpression("21,5\\s+ok"))) << text.left(3000).toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("Zeichenerkl.rung:\\s+Ok = Messwert OK")));
    // 31 columns: the page 2 design follows with the rest (CO2 .. Messzeit).
    EXPECT_TRUE(text.contains("01.02.2026"));
}

TEST(CliReport, ColourReplacesTheWordsByIcons)
{
    TempDir home;
    const QString pdf = QString::fromStdString(home.file("farbe.pdf"));
    ASSERT_EQ(Cli(home, {"report", kData, "--pdf", pdf, "--mode", "11", "--color"}).exitCode, 0);
    const QString text = Tool("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(text.contains("21,5"));
    EXPECT_FALSE(text.contains(QRegularExpression("21,5\\s+ok")));
    EXPECT_TRUE(text.contains("Messwert OK;"));
}

TEST(CliReport, TypeReportIsPortrait)
{
    TempDir home;
    const QString pdf = QString::fromStdString(home.file("typ.pdf"));
    const ReportRun run = Cli(home, {"types", "report", "VAM", "--pdf", pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("QCommandLineParser")) << run.err.toStdString();
    const QString info = Tool("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n")));
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+595 x 842 pts \\(A4\\)")));
    const QString text = Tool("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(text.contains("VAMOK Arbeitsplatzdefinition \"VAM \"")) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("Luftgeschwindigkeit\\s+/m/s\\s+0,00\\s+0,00\\s+0,10\\s+0,20\\s+0,01")));
}

TEST(CliReport, BadUsageAndUnreadableFiles)
{
    TempDir home;
    const QString pdf = QString::fromStdString(home.file("x.pdf"));
    EXPECT_EQ(Cli(home, {"report", kData, "--pdf", pdf, "--mode", "7"}).exitCode, 2);
    EXPECT_EQ(Cli(home, {"report", kData}).exitCode, 2);
    EXPECT_EQ(Cli(home, {"report", QString::fromStdString(home.file("none.VAM")), "--pdf", pdf}).exitCode, 4);
    EXPECT_EQ(Cli(home, {"types", "report", "QQQQ", "--pdf", pdf}).exitCode, 1);
    // A folder that does not exist: the save fails and says so.
    const ReportRun run = Cli(home, {"report", kData, "--pdf", QString::fromStdString(home.file("no/such/x.pdf"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(run.err.isEmpty());
}

// The two reports rendered to PDF and read back with poppler's tools, as a
// client's PDF viewer would show them. One page of each is kept as a PNG
// beside the test program (report-artefacts/) for a look at the layout.
#include "support/HomeFixture.h"
#include "support/TempDir.h"

#include "core/AppState.h"
#include "measure/ColumnLayout.h"
#include "measure/DataFileReader.h"
#include "print/MeasurementReport.h"
#include "print/ReportRenderer.h"
#include "print/TypeReport.h"
#include "types/TypeDefaults.h"
#include "types/TypeLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <string>

using namespace vamok;

namespace {

// Runs a poppler tool; its standard output.
std::string Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return "failed: " + process.readAllStandardError().toStdString();
    return process.readAllStandardOutput().toStdString();
}

int PageCount(const std::string& pdf)
{
    const std::string info = Run("pdfinfo", {QString::fromStdString(pdf)});
    const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromStdString(info));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// "landscape" or "portrait", from the page size pdfinfo reports.
std::string Orientation(const std::string& pdf)
{
    const std::string info = Run("pdfinfo", {QString::fromStdString(pdf)});
    const QRegularExpressionMatch m =
        QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(QString::fromStdString(info));
    if (!m.hasMatch())
        return "unknown";
    return m.captured(1).toDouble() > m.captured(2).toDouble() ? "landscape" : "portrait";
}

std::string Text(const std::string& pdf, int page = 0)
{
    QStringList arguments{"-layout"};
    if (page > 0)
        arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
    arguments << QString::fromStdString(pdf) << "-";
    return Run("pdftotext", arguments);
}

bool Matches(const std::string& text, const char* pattern)
{
    return QRegularExpression(QString::fromUtf8(pattern)).match(QString::fromStdString(text)).hasMatch();
}

// Keeps page `page` of the PDF as a PNG beside the test program.
void KeepPng(const std::string& pdf, const std::string& name, int page = 1)
{
    const QString folder = QCoreApplication::applicationDirPath() + "/report-artefacts";
    QDir().mkpath(folder);
    Run("pdftoppm", {"-png", "-r", "110", "-singlefile", "-f", QString::number(page), "-l", QString::number(page),
                     QString::fromStdString(pdf), folder + "/" + QString::fromStdString(name)});
    EXPECT_TRUE(QFile::exists(folder + "/" + QString::fromStdString(name) + ".png"));
}

class ReportRenderTest : public HomeFixture {
protected:
    void SetUp() override
    {
        HomeFixture::SetUp();
        App().DecimalSep = ',';
        ResetPCTypes();
        PCTypes().push_back(DefaultType());
        ReadResult read = ReadDataFile(VAMOK_TEST_DATA "/files/current.VAM", DefaultDataFileTexts(), ',', PmvSettings{});
        ASSERT_TRUE(read.content) << read.message;
        content = std::move(*read.content);
    }

    void TearDown() override
    {
        ResetPCTypes();
        HomeFixture::TearDown();
    }

    MeasurementReportInput input(const PrintColumns& columns, int first, int last) const
    {
        MeasurementReportInput in;
        in.table = &content.table;
        in.firstRow = first;
        in.lastRow = last;
        in.columns = columns;
        in.split = SplitPages(columns.count, 18, true);
        in.title = content.title.value_or("Vamok - Daten");
        in.notes = content.notes;
        return in;
    }

    std::string render(const Report& report, const std::string& name) const
    {
        const std::string path = dir.file(name + ".pdf");
        const QByteArray pdf = ReportPdf(report, QDate(2026, 2, 3));
        EXPECT_FALSE(pdf.isEmpty());
        EXPECT_EQ(SaveReportPdf(path, pdf), std::nullopt);
        return path;
    }

    DataFileContent content;
    TempDir dir;
};

PrintColumns Columns(std::initializer_list<ColumnKind> kinds)
{
    return AssignPrintColumns(PrintMode::ShownColumns, MapShownKinds(kinds), {});
}

} // namespace

TEST_F(ReportRenderTest, BlackAndWhiteShowsValuesWithTheirRatingWords)
{
    // The standard view: 19 printed columns, one more than page 1 holds.
    const PrintColumns columns = AssignPrintColumns(PrintMode::ShownColumns, MapShownKinds(StandardViewKinds()), {});
    ASSERT_EQ(columns.count, 19);
    MeasurementReportInput in = input(columns, 1, 4);
    in.notes = {"Messung bei geschlossenen Fenstern.", "Heizung auf Stufe 3."};
    const std::string pdf = render(BuildMeasurementReport(in), "measurement-bw");
    EXPECT_EQ(PageCount(pdf), 2);
    EXPECT_EQ(Orientation(pdf), "landscape");
    const std::string page1 = Text(pdf, 1);
    EXPECT_TRUE(Matches(page1, "Messung Halle 3")) << page1;
    EXPECT_TRUE(Matches(page1, "Seite: 1 von 2")) << page1;
    EXPECT_TRUE(Matches(page1, "Platz 1")) << page1;
    EXPECT_TRUE(Matches(page1, "21,5\\s+ok")) << page1;     // temperature, green
    EXPECT_TRUE(Matches(page1, "45,0\\s+tb")) << page1;     // humidity, yellow
    EXPECT_TRUE(Matches(page1, "Zeichenerkl.rung:\\s+Ok = Messwert OK")) << page1;
    const std::string page2 = Text(pdf, 2);
    EXPECT_TRUE(Matches(page2, "Seite: 2 von 2")) << page2;
    EXPECT_TRUE(Matches(page2, "Messzeit")) << page2;       // the 19th column
    EXPECT_TRUE(Matches(page2, "01.02.2026")) << page2;
    EXPECT_TRUE(Matches(page2, "Heizung auf Stufe 3.")) << page2; // notes follow the table
    KeepPng(pdf, "measurement-bw");
}

TEST_F(ReportRenderTest, EighteenColumnsFitOnePage)
{
    const PrintColumns columns = AssignPrintColumns(PrintMode::ShownColumns, MapShownKinds(StandardViewKinds()), {});
    MeasurementReportInput in = input(columns, 1, 4);
    in.split = SplitPages(columns.count, 19, true);
    EXPECT_EQ(PageCount(render(BuildMeasurementReport(in), "nineteen")), 1);
    const PrintColumns eighteen = Columns({ColumnKind::No, ColumnKind::Name, ColumnKind::Type, ColumnKind::Temp,
                                           ColumnKind::Feu, ColumnKind::Lae, ColumnKind::LaeM, ColumnKind::Bel,
                                           ColumnKind::Fre, ColumnKind::Hell, ColumnKind::SWK, ColumnKind::MUK,
                                           ColumnKind::Wind, ColumnKind::WindI, ColumnKind::WindII,
                                           ColumnKind::WindIII, ColumnKind::CO2, ColumnKind::VOC});
    ASSERT_EQ(eighteen.count, 18);
    EXPECT_EQ(PageCount(render(BuildMeasurementReport(input(eighteen, 1, 4)), "eighteen")), 1);
}

TEST_F(ReportRenderTest, ColourShowsIconsAndTheColourLegend)
{
    const PrintColumns columns = AssignPrintColumns(PrintMode::AllColumns, {}, {});
    MeasurementReportInput in = input(columns, 1, 12);
    in.color = true;
    in.extend = true;
    const std::string pdf = render(BuildMeasurementReport(in), "measurement-color");
    EXPECT_EQ(PageCount(pdf), 2);
    const std::string page1 = Text(pdf, 1);
    EXPECT_TRUE(Matches(page1, "21,5")) << page1;
    EXPECT_FALSE(Matches(page1, "21,5\\s+ok")) << page1; // an icon, not the word
    EXPECT_TRUE(Matches(page1, "Messwert OK;\\s+im Toleranzbereich;\\s+au.erhalb Grenze")) << page1;
    // Extended: the luminances of the contrast and the name's second part.
    EXPECT_TRUE(Matches(page1, "schw 10,0")) << page1;
    KeepPng(pdf, "measurement-color");
}

TEST_F(ReportRenderTest, AllRowsAndLongNotesCarryOverPages)
{
    content.table.row(2).texts.Name = "Empfang und Besprechung Ost";
    MeasurementReportInput in = input(AssignPrintColumns(PrintMode::ShownColumns, MapShownKinds(StandardViewKinds()), {}),
                                      1, kRowCount);
    in.notes.clear();
    for (int i = 1; i <= 120; ++i)
        in.notes.push_back("Notiz " + std::to_string(i) + ": die L\xFC" "ftung lief w\xE4hrend der ganzen Messung.");
    const std::string pdf = render(BuildMeasurementReport(in), "long");
    const int pages = PageCount(pdf);
    ASSERT_GE(pages, 4);
    const std::string all = Text(pdf);
    // The long name is wrapped in its narrow column, never cut.
    for (const char* word : {"\\bEmpfang\\b", "\\bund\\b", "\\bBesprechung\\b", "\\bOst\\b"})
        EXPECT_TRUE(Matches(all, word)) << word << all.substr(0, 3000);
    EXPECT_TRUE(Matches(all, "\\b99\\b"));
    EXPECT_TRUE(Matches(all, "Notiz 1:"));
    EXPECT_TRUE(Matches(Text(pdf, pages), "Notiz 120: die L.ftung lief w.hrend der ganzen Messung."));
    EXPECT_TRUE(Matches(Text(pdf, pages), QString("Seite: %1 von %1").arg(pages).toUtf8().constData()));
}

TEST_F(ReportRenderTest, TypeReportIsOnePortraitPage)
{
    TypeReportInput in;
    in.type = DefaultType();
    in.shownName = "VAM ";
    in.type.at(TypeColumn::YellowToRed, TypeRow::CO2) = 65535;
    const std::string pdf = render(BuildTypeReport(in), "type-report-bw");
    EXPECT_EQ(PageCount(pdf), 1);
    EXPECT_EQ(Orientation(pdf), "portrait");
    const std::string text = Text(pdf);
    EXPECT_TRUE(Matches(text, "VAMOK Arbeitsplatzdefinition \"VAM \"")) << text;
    EXPECT_TRUE(Matches(text, "Bereich\\s+rot->gelb\\s+gelb->gr.n\\s+gr.n->gelb\\s+gelb->rot\\s+Anzeige")) << text;
    EXPECT_TRUE(Matches(text, "1\\s+Temperatur\\s+/.C\\s+20\\s+21\\s+22\\s+26\\s+21")) << text;
    EXPECT_TRUE(Matches(text, "CO2\\s+/ppm\\s+0\\s+0\\s+1000\\s+--\\s+380")) << text;
    EXPECT_TRUE(Matches(text, "Bekleidung leicht\\s+0,60 clo")) << text;
    EXPECT_FALSE(Matches(text, "Clo / Met")) << text;

    in.color = true;
    const std::string colour = render(BuildTypeReport(in), "type-report");
    EXPECT_FALSE(Matches(Text(colour), "rot->gelb"));
    KeepPng(colour, "type-report");
}

// The print options, the output step and the report provider on the
// offscreen platform, with the machine's printers replaced by a list.
#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"
#include "device/TAPSend.h"
#include "measure/GetSelectDialog.h"
#include "measure/NameTypDialog.h"
#include "measure/TransferWindow.h"
#include "print/PrintDataWindow.h"
#include "print/PrintOptionsDialog.h"
#include "print/ReportOutputDialog.h"
#include "support/TempDir.h"
#include "types/TypeDefaults.h"
#include "types/TypeLibrary.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <map>

using namespace vamok;

namespace {

struct Shown {
    std::string text, caption;
};

PrinterSource Printers(std::vector<std::string> names, std::string current, std::map<std::string, int> colours)
{
    PrinterSource source;
    source.names = [names] { return names; };
    source.current = [current] { return current; };
    source.colorCount = [colours](const std::string& name) {
        const auto it = colours.find(name);
        return it == colours.end() ? 2 : it->second;
    };
    return source;
}

class PrintWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        App().DecimalSep = ',';
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
        ResetPCTypes();
        PCTypes().push_back(DefaultType());
    }
    void TearDown() override
    {
        ResetPCTypes();
        App() = AppState{};
    }

    void MakeOptions(PrinterSource source)
    {
        options = std::make_unique<TPrintOptions>(state);
        options->setPrinterSource(source);
        options->setSetupDialog([this](const std::string& printer) {
            setUp.push_back(printer);
            return true;
        });
        options->setMessage([this](const std::string& text, const std::string& caption) {
            shown.push_back({text, caption});
        });
    }

    PrintState state;
    std::unique_ptr<TPrintOptions> options;
    std::vector<std::string> setUp;
    std::vector<Shown> shown;
};

} // namespace

TEST_F(PrintWindowsTest, WithoutPrinterTheOptionsSaySoAndSetUpIsRefused)
{
    MakeOptions(Printers({}, "", {}));
    EXPECT_EQ(options->windowTitle(), FromCp1252("Druck-Einstellungen"));
    options->show();
    EXPECT_EQ(options->Printerbox->currentText(), "Kein Drucker eingerichtet");
    EXPECT_FALSE(options->Printerbox->isEnabled());
    EXPECT_EQ(state.printerIndex, -1);
    options->PrintButton->click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Kein Drucker eingerichtet");
    EXPECT_EQ(shown[0].caption, "Hinweis");
    EXPECT_TRUE(setUp.empty());
    EXPECT_FALSE(state.colorPrinter);
}

TEST_F(PrintWindowsTest, FirstShowingTakesThePlatformsCurrentPrinter)
{
    MakeOptions(Printers({"Buero", "Farblaser"}, "Farblaser", {{"Buero", -1}, {"Farblaser", 16777216}}));
    options->show();
    EXPECT_EQ(state.printerIndex, 1);
    EXPECT_EQ(options->Printerbox->currentText(), "Farblaser");
    EXPECT_TRUE(state.colorPrinter);
    EXPECT_TRUE(options->Farbe->isChecked());
    // A printer answering -1 colours counts as black and white.
    options->PrinterboxChange(0);
    EXPECT_EQ(state.printerIndex, 0);
    EXPECT_FALSE(state.colorPrinter);
    options->PrintButton->click();
    EXPECT_EQ(setUp, std::vector<std::string>{"Buero"});
}

TEST_F(PrintWindowsTest, OkStoresTheChoicesAndCancelLeavesThem)
{
    MakeOptions(Printers({"Buero"}, "Buero", {}));
    options->show();
    EXPECT_TRUE(options->allesbut->isChecked());
    options->Druckenerweitert->setChecked(true);
    options->Selectbut->setChecked(true);
    options->OkButton->click();
    EXPECT_EQ(Settings().readInt("", "PrintExt"), 1);
    EXPECT_TRUE(state.selectedOnly);
    EXPECT_TRUE(state.extended);

    options->show();
    EXPECT_TRUE(options->Druckenerweitert->isChecked());
    options->Druckenerweitert->setChecked(false);
    options->allesbut->setChecked(true);
    options->CancelButton->click();
    EXPECT_EQ(Settings().readInt("", "PrintExt"), 1);
    EXPECT_TRUE(state.selectedOnly);
}

TEST_F(PrintWindowsTest, OutputStepOffersThePrinterOnlyWhenOneIsSetUp)
{
    TReportOutput output;
    output.prepare(false);
    output.show();
    EXPECT_TRUE(output.Vorschau->isChecked());
    EXPECT_FALSE(output.Drucker->isEnabled());
    EXPECT_TRUE(output.KeinDrucker->isVisible());
    output.PdfDatei->setChecked(true);
    EXPECT_EQ(output.choice(), ReportOutput::PdfFile);
    output.prepare(true);
    EXPECT_EQ(output.choice(), ReportOutput::Preview);
    EXPECT_TRUE(output.Drucker->isEnabled());
    EXPECT_FALSE(output.KeinDrucker->isVisible());
}

class PrintFromTableTest : public PrintWindowsTest {
protected:
    void SetUp() override
    {
        PrintWindowsTest::SetUp();
        MakeOptions(Printers({}, "", {}));
        table = std::make_unique<TTransferVamokPC>(link, range, nameType);
        table->OpenFile(VAMOK_TEST_DATA "/files/current.VAM");
        printData = std::make_unique<TPrintData>(state, *options);
        printData->setPrinterSource(Printers({}, "", {}));
        ReportDestinations d;
        d.chooseOutput = [this](bool printerAvailable) -> std::optional<ReportOutput> {
            offeredPrinter = printerAvailable;
            return output;
        };
        d.preview = [this](const Report& report) { previewed.push_back(report); };
        d.print = [](const Report&, const std::string&) { return false; };
        d.pdfFileName = [this](const std::string& proposed) {
            proposedName = proposed;
            return dir.file("report.pdf");
        };
        d.message = [this](const std::string& text, const std::string& caption) { shown.push_back({text, caption}); };
        printData->setDestinations(d);
    }

    TAPSend link;
    TGetSelect range;
    TNameTyp nameType;
    std::unique_ptr<TTransferVamokPC> table;
    std::unique_ptr<TPrintData> printData;
    std::optional<ReportOutput> output = ReportOutput::PdfFile;
    bool offeredPrinter = true;
    std::string proposedName;
    std::vector<Report> previewed;
    TempDir dir;
};

TEST_F(PrintFromTableTest, PrintButtonWritesThePdfOfTheShownColumns)
{
    state.selectedOnly = true; // the button prints every workplace
    printData->PrintMeasurementReport(*table, PrintMode::ShownColumns, false);
    EXPECT_FALSE(offeredPrinter);
    EXPECT_FALSE(state.selectedOnly);
    EXPECT_EQ(proposedName, "VAMOKData_MultiCol.pdf");
    EXPECT_TRUE(shown.empty());
    QProcess text;
    text.start("pdftotext", {"-layout", QString::fromStdString(dir.file("report.pdf")), "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString pdf = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(pdf.contains("Messung Halle 3")) << pdf.toStdString();
    EXPECT_TRUE(pdf.contains(QRegularExpression("21,5\\s+ok"))) << pdf.toStdString();
    EXPECT_TRUE(pdf.contains("Seite: 1 von ")) << pdf.toStdString();
}

TEST_F(PrintFromTableTest, MenuPrintAsksTheOptionsAndPrintsTheMarkedRows)
{
    output = ReportOutput::Preview;
    // Cancelled options print nothing.
    QTimer::singleShot(0, options.get(), [this] { options->CancelButton->click(); });
    printData->PrintMeasurementReport(*table, PrintMode::AllColumns, true);
    EXPECT_TRUE(previewed.empty());

    table->Speicher->setRangeSelected(QTableWidgetSelectionRange(1, 0, 2, 2), true); // workplaces 2 and 3
    QTimer::singleShot(0, options.get(), [this] {
        options->Selectbut->setChecked(true);
        options->Druckenerweitert->setChecked(true);
        options->OkButton->click();
    });
    printData->PrintMeasurementReport(*table, PrintMode::AllColumns, true);
    ASSERT_EQ(previewed.size(), 1u);
    const Report& report = previewed[0];
    EXPECT_EQ(report.parameter("Extend"), "JA");
    EXPECT_EQ(report.parameter("Color"), "NEIN");
    const DataSet& cells = report.dataSet("WerteColData1");
    ASSERT_EQ(cells.recordCount(), 2u * 18u);
    EXPECT_EQ(cells.value(0, "RowNumber"), "2");
    EXPECT_EQ(cells.value(18, "RowNumber"), "3");
    EXPECT_EQ(report.dataSet("TexteData1").value(0, "bei"), ""); // turbulence display on
}

TEST_F(PrintFromTableTest, AlwaysColourWinsOverABlackAndWhitePrinter)
{
    output = ReportOutput::Preview;
    table->ImmerFarbe1->setChecked(true);
    printData->PrintMeasurementReport(*table, 1, false);
    ASSERT_EQ(previewed.size(), 1u);
    EXPECT_EQ(previewed[0].parameter("Color"), "JA");
}

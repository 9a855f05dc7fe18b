// The type definition window on the offscreen platform, on a library in a
// temporary folder: new, copy and delete change the library and the name
// list, the editor's changes reach the library file, and "Drucken" sends
// the type report through the output step into a PDF.
#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"
#include "print/PrintDataWindow.h"
#include "print/PrintOptionsDialog.h"
#include "support/TempDir.h"
#include "types/TAPDef.h"
#include "types/TypeDefWindow.h"
#include "types/TypeDefaults.h"
#include "types/TypeEditorDialog.h"
#include "types/TypeLibrary.h"
#include "types/TypeLibraryFile.h"
#include "types/TypeReporter.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vamok;

namespace {

class SilentReporter : public TypeReporter {
public:
    void Message(const std::string&, const std::string&) override {}
    bool AskYes(const std::string&, const std::string&) override { return false; }
};

// Answers every message box that opens while it lives with `button`.
struct BoxAnswer {
    explicit BoxAnswer(QMessageBox::StandardButton button)
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this, button] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen.push_back(box->windowTitle() + "|" + box->text());
                QAbstractButton* b = box->button(button);
                (b ? b : box->buttons().front())->click();
            }
        });
        timer.start();
    }
    QTimer timer;
    QStringList seen;
};

class TypeDefWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        App().DecimalSep = ',';
        App().AppDataPath = dir.path();
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
        ResetPCTypes();
        PCTypes().push_back(DefaultType());
        TAPDef office = DefaultType();
        office.SetName("BUE");
        office.at(1, TypeRow::Temperature) = 19;
        PCTypes().push_back(office);
        SilentReporter quiet;
        ASSERT_TRUE(SaveLibrary(quiet));
        links.askNewName = [this] { return newName; };
        links.typeRemoved = [this](const std::string& name) { removed.push_back(name); };
        window = std::make_unique<TTypeDef>();
        window->setLinks(links);
        window->show();
    }
    void TearDown() override
    {
        window.reset();
        ResetPCTypes();
        App() = AppState{};
    }

    QStringList Names() const
    {
        QStringList names;
        for (int i = 0; i < window->Type_Name->count(); ++i)
            names << window->Type_Name->itemText(i);
        return names;
    }
    // The names of the library as the file on disk holds them.
    std::vector<std::string> FileNames()
    {
        SilentReporter quiet;
        const TAPListe kept = PCTypes();
        LoadLibrary(quiet);
        std::vector<std::string> names;
        for (std::size_t i = 1; i < PCTypes().size(); ++i)
            names.push_back(PCTypes()[i].Name);
        PCTypes() = kept;
        return names;
    }
    void Select(const char* name)
    {
        window->Type_Name->setCurrentIndex(window->Type_Name->findText(QString::fromLatin1(name)));
    }

    TempDir dir;
    TypeDefLinks links;
    std::optional<std::string> newName;
    std::vector<std::string> removed;
    std::unique_ptr<TTypeDef> window;
};

} // namespace

TEST_F(TypeDefWindowTest, ShowsTheLibrarySortedAndTheChosenType)
{
    EXPECT_EQ(Names(), (QStringList{"BUE ", "VAM "}));
    Select("BUE ");
    EXPECT_EQ(window->TypeArray->item(TypeRow::Temperature, 1)->text(), "19");
    EXPECT_EQ(window->CurrentTypeIndex(), 2);
    Select("VAM ");
    // Hundredths rows with two decimals and the locale's comma.
    const int target = DefaultType().at(5, TypeRow::AirVelocity);
    EXPECT_EQ(window->TypeArray->item(TypeRow::AirVelocity, 5)->text(),
              QString("%1,%2").arg(target / 100).arg(target % 100, 2, 10, QChar('0')));
}

TEST_F(TypeDefWindowTest, TitleMarksALibraryBuiltFromTheDefaults)
{
    EXPECT_EQ(window->windowTitle(), "Arbeitsplatztypen definieren");
    window->hide();
    window->MarkDefaults(true);
    window->show();
    EXPECT_EQ(window->windowTitle(), "Arbeitsplatztypen definieren   [Defaults]");
}

TEST_F(TypeDefWindowTest, NeuSynchronisierenRunsTheMainWindowsItemUnderItsCaption)
{
    int runs = 0;
    links.newSync = [&runs] { ++runs; };
    links.newSyncCaption = [] { return std::string("Synchronise again"); };
    window->setLinks(links);
    window->hide();
    window->show();
    EXPECT_EQ(window->Synchronisieren1->text(), "Synchronise again");
    window->Synchronisieren1->trigger();
    EXPECT_EQ(runs, 1);
}

TEST_F(TypeDefWindowTest, NewTypeTakesTheShownValuesAndIsSaved)
{
    Select("BUE ");
    newName = "AB";
    window->NeuClick();
    EXPECT_EQ(Names(), (QStringList{"AB  ", "BUE ", "VAM "}));
    EXPECT_EQ(window->Type_Name->currentText(), "AB  ");
    const int index = PCTypeIndex("AB  ");
    ASSERT_GT(index, 0);
    EXPECT_EQ(PCTypes()[static_cast<std::size_t>(index)].at(1, TypeRow::Temperature), 19);
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"VAM ", "BUE ", "AB  "}));

    // A cancelled dialog adds nothing.
    newName.reset();
    window->NeuClick();
    EXPECT_EQ(PCTypes().size(), 4u);
}

TEST_F(TypeDefWindowTest, DeletingRefusesPredefinedAndUsedTypesAndRemovesOthers)
{
    {
        Select("VAM ");
        BoxAnswer answer(QMessageBox::Ok);
        window->DeleteClick();
        ASSERT_EQ(answer.seen.size(), 1);
        EXPECT_EQ(answer.seen[0], FromCp1252("Error|Arbeitsplatzdefinition \"VAM \" ist vorgegeben und kann daher"
                                             " nicht gel\xF6scht werden."));
    }
    {
        App().UsedAPT = {"BUE "};
        Select("BUE ");
        BoxAnswer answer(QMessageBox::Ok);
        window->DeleteClick();
        ASSERT_EQ(answer.seen.size(), 1);
        EXPECT_EQ(answer.seen[0], FromCp1252("Error|Arbeitsplatzdefinition \"BUE \" ist in Gebrauch und kann"
                                             " daher nicht gel\xF6scht werden."));
        EXPECT_EQ(PCTypes().size(), 3u);
    }
    App().UsedAPT.clear();
    {
        Select("BUE ");
        BoxAnswer answer(QMessageBox::No);
        window->DeleteClick();
        EXPECT_EQ(PCTypes().size(), 3u) << "No keeps the type";
    }
    {
        // BUE sorts before VAM: not the last name of the list.
        Select("BUE ");
        BoxAnswer answer(QMessageBox::Yes);
        window->DeleteClick();
        ASSERT_EQ(answer.seen.size(), 1);
        EXPECT_EQ(answer.seen[0],
                  FromCp1252("Frage|Soll die Arbeitsplatzdefinition \"BUE \" wirklich gel\xF6scht werden?"));
    }
    EXPECT_EQ(Names(), (QStringList{"VAM "}));
    EXPECT_EQ(PCTypeIndex("BUE "), 0);
    EXPECT_EQ(removed, (std::vector<std::string>{"BUE "}));
    // The library file is written when the window closes.
    window->accept();
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"VAM "}));
}

TEST_F(TypeDefWindowTest, CopyOfTheDefaultTypeEndsWithClothingAndActivity)
{
    Select("VAM ");
    window->CopyClick();
    const std::string text = ToCp1252(QApplication::clipboard()->text());
    EXPECT_EQ(text.substr(0, 6), "VAM \r\n");
    EXPECT_NE(text.find("Bereich\t rt->ge\t ge->gn\t gn->ge\t ge->rt\tAnzeige\r\n\r\n"), std::string::npos);
    const std::string last = "Clo / Met\t0,60\t0,90\t1,20\t1,30\t441,15\t\r\n";
    ASSERT_GE(text.size(), last.size());
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
}

TEST_F(TypeDefWindowTest, EditorChangesReachTheGridAndTheLibraryFile)
{
    Select("BUE ");
    BoxAnswer answer(QMessageBox::Ok);
    QTimer::singleShot(0, window.get(), [this] {
        TBalken2* editor = window->Editor;
        EXPECT_EQ(editor->Row(), TypeRow::Humidity);
        editor->Anzeige->setValue(47);
        editor->BitBtn1->click();
    });
    window->EditRow(TypeRow::Humidity);
    EXPECT_EQ(window->TypeArray->item(TypeRow::Humidity, 5)->text(), "47");
    EXPECT_EQ(PCTypes()[static_cast<std::size_t>(PCTypeIndex("BUE "))].at(5, TypeRow::Humidity), 47);
    SilentReporter quiet;
    LoadLibrary(quiet);
    EXPECT_EQ(PCTypes()[static_cast<std::size_t>(PCTypeIndex("BUE "))].at(5, TypeRow::Humidity), 47);
}

TEST_F(TypeDefWindowTest, ChangedClothingIsStoredUnderThePreviousTypeOnAsking)
{
    Select("BUE ");
    window->Clothing[0]->setText("0,70");
    Q_EMIT window->Clothing[0]->textEdited("0,70");
    BoxAnswer answer(QMessageBox::Ok);
    Select("VAM ");
    ASSERT_EQ(answer.seen.size(), 1);
    EXPECT_EQ(answer.seen[0], FromCp1252("Hinweis|Arbeitsplatztyp \"BUE \" wurde ver\xE4ndert.\r\n"
                                         "\xC4nderungen speichern?"));
    EXPECT_EQ(PCTypes()[static_cast<std::size_t>(PCTypeIndex("BUE "))].at(1, TypeRow::Clothing), 70);
    EXPECT_EQ(PCTypes()[static_cast<std::size_t>(PCTypeIndex("VAM "))].at(1, TypeRow::Clothing),
              DefaultType().at(1, TypeRow::Clothing));
}

TEST_F(TypeDefWindowTest, DeviceViewWithoutDeviceTypesShowsThePlaceholder)
{
    DeviceTypes().clear();
    window->VamokType->click();
    EXPECT_FALSE(window->PcView());
    EXPECT_EQ(window->Type_Name->currentText(), "");
    EXPECT_EQ(window->TypeArray->item(TypeRow::Temperature, 1)->text(), "0");
    EXPECT_FALSE(window->Neu1->isEnabled());
    EXPECT_FALSE(window->Loeschen1->isEnabled());
    window->PCType->click();
    EXPECT_EQ(Names(), (QStringList{"BUE ", "VAM "}));
}

TEST_F(TypeDefWindowTest, PrintSendsTheTypeReportThroughTheOutputStepIntoAPdf)
{
    PrintState state;
    TPrintOptions options(state);
    PrinterSource none;
    none.names = [] { return std::vector<std::string>{}; };
    none.current = [] { return std::string(); };
    none.colorCount = [](const std::string&) { return 2; };
    options.setPrinterSource(none);
    TPrintData printData(state, options);
    printData.setPrinterSource(none);
    std::string proposed;
    std::vector<std::string> messages;
    ReportDestinations d;
    d.chooseOutput = [](bool) -> std::optional<ReportOutput> { return ReportOutput::PdfFile; };
    d.preview = [](const Report&) {};
    d.print = [](const Report&, const std::string&) { return false; };
    d.pdfFileName = [this, &proposed](const std::string& name) {
        proposed = name;
        return dir.file("type.pdf");
    };
    d.message = [&messages](const std::string& text, const std::string&) { messages.push_back(text); };
    printData.setDestinations(d);
    links.print = [&printData](const TypePrintRequest& request) {
        printData.PrintTypeReport(TypeReportInputOf(request));
    };
    window->setLinks(links);

    Select("BUE ");
    window->BitBtn3->click();
    EXPECT_EQ(proposed, "VAMOKAPTReport1.pdf");
    EXPECT_TRUE(messages.empty());
    QProcess text;
    text.start("pdftotext", {"-layout", QString::fromStdString(dir.file("type.pdf")), "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString pdf = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(pdf.contains("BUE")) << pdf.toStdString();
    EXPECT_TRUE(pdf.contains(QRegularExpression("Temperatur.*19"))) << pdf.toStdString();
}

TEST_F(TypeDefWindowTest, ExportWritesTheLibraryAndImportReplacesItKeepingABackup)
{
    links.saveFileName = [this](const std::string&, const std::string&) { return dir.file("export"); };
    std::string offered;
    int offeredFilter = -1;
    links.openFileName = [this, &offered, &offeredFilter](const std::string& filter, int index, const std::string&) {
        offered = filter;
        offeredFilter = index;
        return dir.file("other.APT");
    };
    window->setLinks(links);
    window->Exportieren1->trigger();
    const std::string exported = dir.read("export.apt");
    EXPECT_NE(exported.find("\r\nBUE \r\n"), std::string::npos);

    // The exported file with BUE renamed is the file to import.
    std::string other = exported;
    other.replace(other.find("\r\nBUE \r\n"), 8, "\r\nXY  \r\n");
    dir.write("other.APT", other);
    BoxAnswer answer(QMessageBox::Yes);
    window->Backup1->trigger();
    EXPECT_EQ(offeredFilter, 2);
    EXPECT_NE(offered.find("*.BAK"), std::string::npos);
    EXPECT_EQ(Names(), (QStringList{"VAM ", "XY  "}));
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"VAM ", "XY  "}));
    EXPECT_NE(dir.read(std::string(kLibraryFileName) + ".bak").find("\r\nBUE \r\n"), std::string::npos);
}

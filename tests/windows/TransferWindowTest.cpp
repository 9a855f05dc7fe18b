// The measurement table window on the offscreen platform: the rating marks
// as painted, editing the globe temperature, clearing, closing with unsaved
// data, and a readout from the simulated instrument over a pseudo-terminal.
#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/MemorySettingsStore.h"
#include "device/TAPSend.h"
#include "live/PresenceNotifier.h"
#include "measure/BusyState.h"
#include "measure/GetSelectDialog.h"
#include "measure/NameTypDialog.h"
#include "measure/TransferWindow.h"
#include "profiles/ColumnDefinition.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"
#include "types/TypeDefaults.h"
#include "types/TypeLibrary.h"
#include "types/TypeSync.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <deque>

#include "support/OfficeType.h"

using namespace vamok;

namespace {

struct Asked {
    std::string text, caption;
};

class TransferWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        App().DecimalSep = ',';
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
        ResetPCTypes();
        PCTypes().push_back(OfficeType());
        DeviceAnswering = false;
    }
    void TearDown() override
    {
        DeviceAnswering = false;
        ResetPCTypes();
        App() = AppState{};
    }

    // The window with recorded questions, answered from `answers`.
    void Create()
    {
        window = std::make_unique<TTransferVamokPC>(link, range, nameType);
        TransferDialogs d;
        d.show = [this](const std::string& text, const std::string& caption) { shown.push_back({text, caption}); };
        auto ask = [this](const std::string& text, const std::string& caption) {
            asked.push_back({text, caption});
            const bool answer = !answers.empty() && answers.front();
            if (!answers.empty())
                answers.pop_front();
            return answer;
        };
        d.askYesNo = ask;
        d.askOkCancel = ask;
        window->setDialogs(d);
        window->resize(1300, 800);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QTableWidget* Grid() { return window->Speicher; }
    QTableWidgetItem* Cell(int n, ColumnKind kind) { return Grid()->item(n - 1, window->ColumnOf(kind)); }

    // The colour in the middle of the mark's place of a cell, as painted.
    QColor MarkPixel(int n, ColumnKind kind)
    {
        const QImage image = Grid()->viewport()->grab().toImage();
        const QRect cell = Grid()->visualItemRect(Cell(n, kind));
        const qreal ratio = image.devicePixelRatio();
        const QPoint at(cell.x() + cell.width() - 10, cell.y() + 10);
        return image.pixelColor(int(at.x() * ratio), int(at.y() * ratio));
    }

    TAPSend link;
    TGetSelect range;
    TNameTyp nameType;
    std::unique_ptr<TTransferVamokPC> window;
    std::vector<Asked> asked, shown;
    std::deque<bool> answers;
};

} // namespace

TEST_F(TransferWindowTest, PaintsTheRatingOfEveryValueInItsColour)
{
    Create();
    EXPECT_EQ(window->windowTitle(), "Datenabruf");
    EXPECT_EQ(window->objectName(), "TransferVamokPC");
    EXPECT_TRUE(window->PMVPredictMeanVote2->isChecked()) << "nothing stored: the PMV view";
    MeasurementTable& table = window->Table();
    const char* temps[] = {"23,5", "35,0", "", "19,5"};
    for (int n = 1; n <= 4; ++n) {
        table.row(n).texts.Type = "BUER";
        table.row(n).texts.Temp = temps[n - 1];
    }
    window->ShowAllRows();
    Grid()->clearSelection();
    Grid()->setCurrentCell(20, 1);
    EXPECT_EQ(ToCp1252(Cell(1, ColumnKind::Temp)->text()), "23,5");
    EXPECT_EQ(MarkPixel(1, ColumnKind::Temp), QColor(0, 128, 0));
    EXPECT_EQ(MarkPixel(2, ColumnKind::Temp), QColor(255, 0, 0));
    EXPECT_EQ(MarkPixel(4, ColumnKind::Temp), QColor(255, 255, 0));
    const QColor empty = MarkPixel(3, ColumnKind::Temp);
    EXPECT_NE(empty, QColor(0, 128, 0));
    EXPECT_NE(empty, QColor(255, 0, 0));
    EXPECT_EQ(empty, MarkPixel(1, ColumnKind::Name)) << "an empty cell is painted like an unrated one";

    // Painting only shows: it neither computes into the rows nor marks them changed.
    App().MeasurementsModified = false;
    table.row(1).texts.Feu = "50,0";
    window->ShowAllRows();
    Grid()->viewport()->grab();
    EXPECT_FALSE(App().MeasurementsModified);
}

TEST_F(TransferWindowTest, GlobeCellCommitsOnlyWhenEdited)
{
    Create();
    MeasurementTable& table = window->Table();
    RowTexts& t = table.row(1).texts;
    t.Type = "BUER";
    t.Temp = "22,0";
    t.Feu = "50,0";
    t.GT = "--,-";
    t.PMV1 = t.PMV2 = t.PMV3 = "-,--";
    window->ShowAllRows();
    window->MittlereStrahlungstemperatureditieren1->trigger();
    ASSERT_TRUE(window->CurrentSettings().editMSTemp);
    EXPECT_FALSE(Cell(1, ColumnKind::Temp)->flags() & Qt::ItemIsEditable);
    ASSERT_TRUE(Cell(1, ColumnKind::GT)->flags() & Qt::ItemIsEditable);
    App().MeasurementsModified = false;

    // Passing through the cell changes nothing.
    const int gt = window->ColumnOf(ColumnKind::GT);
    Grid()->setCurrentCell(0, gt);
    Grid()->setCurrentCell(1, gt);
    EXPECT_EQ(t.GT, "--,-");
    EXPECT_FALSE(App().MeasurementsModified);

    Grid()->setCurrentCell(0, gt);
    Grid()->editItem(Cell(1, ColumnKind::GT));
    auto* editor = qobject_cast<QLineEdit*>(Grid()->indexWidget(Grid()->model()->index(0, gt)));
    ASSERT_TRUE(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "24");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the editor hands its text over queued
    EXPECT_EQ(t.GT, "24,0");
    EXPECT_EQ(ToCp1252(Cell(1, ColumnKind::GT)->text()), "24,0");
    EXPECT_TRUE(App().MeasurementsModified);
    EXPECT_FALSE(t.PMV2.empty());
    EXPECT_NE(t.PMV2, "-,--");
    EXPECT_EQ(ToCp1252(Cell(1, ColumnKind::PMV2)->text()), t.PMV2) << "the PMV cells follow at once";
    EXPECT_EQ(ToCp1252(Grid()->horizontalHeaderItem(gt)->text()), "Globe - Temp");
}

TEST_F(TransferWindowTest, ClearingAndClosingAskFirst)
{
    Create();
    MeasurementTable& table = window->Table();
    table.row(5).texts.Name = "Labor";
    window->ShowAllRows();
    window->TitelEdit->setText("Projekt X");
    window->Memo1->setPlainText("Notiz");

    answers = {false};
    window->Neu1->trigger();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].caption, "Warnung");
    EXPECT_EQ(asked[0].text, "Alle Eingaben (Tabelle, Notizen und Titel)\r\nwerden unwiderruflich gel\xF6scht!!\r\n"
                             "Im Zweifel speichern sie bitte vorher die Daten.\r\nWollen Sie wirklich l\xF6schen?");
    EXPECT_EQ(table.row(5).texts.Name, "Labor");

    // Closing with unsaved changes and Cancel keeps the window and the data.
    App().MeasurementsModified = true;
    answers = {false};
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(asked.back().text, "Nicht gespeicherte Daten gehen verloren.\r\nFenster trotzdem schlie\xDF" "en?");

    answers = {true};
    window->Alleslschen1->trigger();
    EXPECT_EQ(table.row(5).texts.Name, "");
    EXPECT_EQ(ToCp1252(Cell(5, ColumnKind::Type)->text()), "VAM ");
    EXPECT_EQ(ToCp1252(window->TitelEdit->text()), "Vamok - Daten");
    EXPECT_TRUE(window->Memo1->toPlainText().isEmpty());
    EXPECT_FALSE(App().MeasurementsModified);
    answers = {};
    window->close();
    EXPECT_FALSE(window->isVisible()) << "nothing unsaved: closes without asking";
    EXPECT_EQ(asked.size(), 3u);
}

TEST_F(TransferWindowTest, ReadoutFromTheSimulatedInstrumentFillsTheRows)
{
    TempDir dir;
    dir.write("state.json",
              R"({"firmware": "2.10", "workplaces": [
                   {"number": 1, "name": "B\u00fcro 1", "type": "BUER", "values": {"Temp": 23.5, "Feu": 45.0, "Bel": 512}},
                   {"number": 3, "name": "Lager", "type": "BUER", "values": {"Temp": 35.0, "Feu": 30.0}}]})");
    SimProcess sim("altarim", dir.file("state.json"));
    App().ComPortPath = sim.ptyPath();
    App().DeviceVersion = "2.10";
    link.SelectComPort(1);
    DeviceAnswering = true;
    Create();
    EXPECT_FALSE(window->ReadButton->isEnabled());
    QEvent present(DevicePresentNotification);
    QApplication::sendEvent(window.get(), &present);
    ASSERT_TRUE(window->ReadButton->isEnabled());

    QTimer::singleShot(0, &range, [this] {
        range.LoadFrom->setValue(1);
        range.LoadTo->setValue(3);
        range.OkButton->click();
    });
    window->ReadButton->click();

    // The readout takes the separator from the locale.
    const std::string sep(1, App().DecimalSep);
    const MeasurementTable& table = window->Table();
    EXPECT_EQ(table.row(1).texts.Name.substr(0, 6), "B\xFCro 1");
    EXPECT_EQ(table.row(1).texts.Temp, "23" + sep + "5");
    EXPECT_EQ(table.row(1).texts.Bel, "512");
    EXPECT_EQ(table.row(2).texts.Temp, "--" + sep + "-") << "workplace 2 is empty on the instrument";
    EXPECT_EQ(table.row(3).texts.Temp, "35" + sep + "0");
    EXPECT_EQ(ToCp1252(Cell(3, ColumnKind::Temp)->text()), "35" + sep + "0");
    EXPECT_EQ(ToCp1252(Cell(1, ColumnKind::Type)->text()), "BUER");
    EXPECT_TRUE(App().MeasurementsModified);
    EXPECT_TRUE(shown.empty()) << shown.front().text;
    EXPECT_NE(window->Memo1->toPlainText().indexOf(QStringLiteral("Auslese-Datum (Nr.1 bis 3): ")), -1);
    EXPECT_EQ(App().UsedAPT, std::vector<std::string>{"BUER"});
    Grid()->clearSelection();
    EXPECT_EQ(MarkPixel(3, ColumnKind::Temp), QColor(255, 0, 0));
    EXPECT_EQ(MarkPixel(1, ColumnKind::Temp), QColor(0, 128, 0));
    EXPECT_TRUE(window->ReadButton->isEnabled());
}

TEST_F(TransferWindowTest, EnterOpensTheNameTypeDialogForTheSelectedRow)
{
    Create();
    Grid()->setFocus();
    Grid()->setCurrentCell(5, 1);
    Grid()->selectRow(5);
    QTimer::singleShot(0, &nameType, [this] {
        EXPECT_EQ(nameType.APN->text(), "6");
        nameType.Name->setText(QStringLiteral("Flur"));
        nameType.Typ->setCurrentText(QStringLiteral("BUER"));
        nameType.Profil->setCurrentIndex(3);
        nameType.OkButton->click();
    });
    QTest::keyClick(Grid(), Qt::Key_Return);
    const RowTexts& t = window->Table().row(6).texts;
    EXPECT_EQ(t.Name, "Flur");
    EXPECT_EQ(t.Type, "BUER");
    EXPECT_EQ(t.Profile, "3");
    EXPECT_EQ(ToCp1252(Cell(6, ColumnKind::Name)->text()), "Flur");
    EXPECT_EQ(App().UsedAPT, std::vector<std::string>{"BUER"});
    EXPECT_TRUE(App().MeasurementsModified);
}

TEST_F(TransferWindowTest, FileRatingsOverrideTheLibraryWhenChosen)
{
    TempDir dir;
    Create();
    MeasurementTable& table = window->Table();
    table.row(1).texts.Type = "BUER";
    table.row(1).texts.Temp = "23,5";
    table.row(1).texts.Feu = "50,0";
    window->ShowAllRows();
    window->SaveFile(dir.file("Messung"), false);
    ASSERT_TRUE(shown.empty()) << shown.front().text;
    EXPECT_FALSE(App().MeasurementsModified);

    // The file says red where the library says green.
    std::string bytes = dir.read("Messung.VAM");
    const std::string green = "23,5\tok\t";
    const std::size_t at = bytes.find(green);
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, green.size(), "23,5\taG\t");
    dir.write("Messung.VAM", bytes);

    answers = {true};
    window->Neu1->trigger();
    window->OpenFile(dir.file("Messung.VAM"));
    EXPECT_EQ(ToCp1252(Cell(1, ColumnKind::Temp)->text()), "23,5");
    EXPECT_NE(window->windowTitle().indexOf(QStringLiteral("Messung.VAM")), -1);
    ASSERT_TRUE(window->ZeigeBewertungausDatei1->isEnabled());
    Grid()->clearSelection();
    EXPECT_EQ(MarkPixel(1, ColumnKind::Temp), QColor(0, 128, 0));
    window->ZeigeBewertungausDatei1->trigger();
    EXPECT_EQ(MarkPixel(1, ColumnKind::Temp), QColor(255, 0, 0));

    // The hint over the temperature shows the dew point; the copy holds the row.
    const QRect cell = Grid()->visualItemRect(Cell(1, ColumnKind::Temp));
    QHelpEvent help(QEvent::ToolTip, cell.center(), Grid()->viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(Grid()->viewport(), &help);
    EXPECT_EQ(ToCp1252(window->StatusBar1->currentMessage()), "Taupunkt: 12,5\xB0" "C");
    Grid()->selectRow(0);
    window->kopieren->click();
    const std::string copied = ToCp1252(QApplication::clipboard()->text());
    EXPECT_EQ(copied.substr(0, 14), "Name\tTyp\tProfi");
    EXPECT_NE(copied.find("\tBUER\t1\t23,5\tok\t"), std::string::npos) << copied;
}

TEST_F(TransferWindowTest, StoredPmvViewWinsOverAStoredUserView)
{
    Settings().writeInt("", "PMVAnsicht", 1);
    Settings().writeInt("", "BenAnsicht", 1);
    Settings().writeInt("", "EditMSTemp", 1);
    Settings().writeInt("", "EingabeMSTemp", 1);
    Settings().writeInt("", "PMV_Luftg", 4);
    Create();
    EXPECT_TRUE(window->PMVPredictMeanVote2->isChecked());
    EXPECT_FALSE(window->Benutzerdefiniert[0]->isChecked());
    EXPECT_GE(window->ColumnOf(ColumnKind::PMV1), 0);
    EXPECT_TRUE(window->MittlereStrahlungstemperatureditieren1->isChecked());
    EXPECT_TRUE(window->EingabeMittlereStrahlungstemperatur1->isChecked());
    EXPECT_TRUE(window->AirVelocityItems[3]->isChecked()) << "PMV_WindII";
    EXPECT_EQ(ToCp1252(Grid()->horizontalHeaderItem(window->ColumnOf(ColumnKind::GT))->text()), "Mitt - STemp");
}

TEST_F(TransferWindowTest, UserViewLaysOutTheGridAndIsStoredOnClose)
{
    // Definition 1: the name first, then the temperature, then the number
    // column (which a definition always shows); nothing else.
    ColumnDefinition d;
    int position = 3;
    for (int k = 0; k < kColumnKindCount; ++k) {
        const auto kind = static_cast<ColumnKind>(k);
        d.shown[static_cast<std::size_t>(k)] = kind == ColumnKind::Name || kind == ColumnKind::Temp;
        d.position[static_cast<std::size_t>(k)] =
            kind == ColumnKind::Name ? 1 : kind == ColumnKind::Temp ? 2 : position++;
    }
    StoreColumnDefinition(1, d);
    Create();
    ASSERT_TRUE(window->PMVPredictMeanVote2->isChecked());
    window->Benutzerdefiniert[0]->trigger();
    EXPECT_TRUE(window->Benutzerdefiniert[0]->isChecked());
    EXPECT_FALSE(window->PMVPredictMeanVote2->isChecked());
    EXPECT_EQ(Grid()->columnCount(), 3);
    EXPECT_EQ(window->ColumnOf(ColumnKind::Name), 0);
    EXPECT_EQ(window->ColumnOf(ColumnKind::Temp), 1);
    EXPECT_EQ(window->ColumnOf(ColumnKind::No), 2);
    EXPECT_EQ(window->ColumnOf(ColumnKind::GT), -1);
    EXPECT_EQ(ToCp1252(Grid()->horizontalHeaderItem(1)->text()), "Temp. /\xB0" "C");
    // The grid's first column stays fixed: now the name.
    auto* fixed = window->findChild<QTableView*>(QStringLiteral("FixedColumn"));
    ASSERT_TRUE(fixed);
    EXPECT_TRUE(fixed->isVisible());
    EXPECT_FALSE(fixed->isColumnHidden(0));
    EXPECT_TRUE(fixed->isColumnHidden(1));
    EXPECT_EQ(fixed->columnWidth(0), Grid()->columnWidth(0));
    Grid()->verticalScrollBar()->setValue(10);
    EXPECT_EQ(fixed->verticalScrollBar()->value(), 10) << "it scrolls with the rows";

    // The column definitions window changed definition 2 and applied it.
    StoreColumnDefinition(2, ColumnDefinition::AllInNaturalOrder());
    window->ColumnDefinitionsApplied(2);
    EXPECT_TRUE(window->Benutzerdefiniert[1]->isChecked());
    EXPECT_EQ(Grid()->columnCount(), kColumnKindCount);
    window->Benutzerdefiniert[0]->trigger();
    EXPECT_EQ(Grid()->columnCount(), 3);

    window->close();
    EXPECT_EQ(Settings().integer("BenAnsicht", -1), 1);
    EXPECT_EQ(Settings().integer("PMVAnsicht", -1), 0);
    EXPECT_EQ(Settings().integer("CalcPMV", -1), 1);
    // The next start comes back in the same view.
    window.reset();
    Create();
    EXPECT_TRUE(window->Benutzerdefiniert[0]->isChecked());
    EXPECT_EQ(window->ColumnOf(ColumnKind::Name), 0);
}

TEST_F(TransferWindowTest, AbbrechenInTheBusyDialogEndsTheReadoutAfterItsRow)
{
    TempDir dir;
    dir.write("state.json", R"({"firmware": "2.10", "workplaces": [
                   {"number": 2, "name": "Platz 2", "type": "BUER", "values": {"Temp": 21.0}}]})");
    SimProcess sim("altarim", dir.file("state.json"), {"--delay", "5"});
    App().ComPortPath = sim.ptyPath();
    App().DeviceVersion = "2.10";
    link.SelectComPort(1);
    DeviceAnswering = true;
    Create();
    QEvent present(DevicePresentNotification);
    QApplication::sendEvent(window.get(), &present);

    // "Abbrechen" while workplace 7 is being read.
    QTimer cancel;
    cancel.setInterval(1);
    QObject::connect(&cancel, &QTimer::timeout, [&cancel] {
        if (Busy().Visible() && Busy().Position() >= 7) {
            Busy().RequestCancel();
            cancel.stop();
        }
    });
    cancel.start();
    QTimer::singleShot(0, &range, [this] {
        range.LoadFrom->setValue(1);
        range.LoadTo->setValue(99);
        range.OkButton->click();
    });
    window->ReadButton->click();

    const MeasurementTable& table = window->Table();
    EXPECT_EQ(table.row(2).texts.Name.substr(0, 7), "Platz 2");
    EXPECT_EQ(table.row(7).texts.Type, "NONE") << "the row in progress is finished";
    EXPECT_EQ(table.row(10).texts.Type, "VAM ") << "no row after it is read";
    EXPECT_EQ(table.row(99).texts.Type, "VAM ");
    EXPECT_NE(window->Memo1->toPlainText().indexOf(QStringLiteral("Auslese-Datum (Nr.1 bis 99): ")), -1);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(window->ReadButton->isEnabled());
}

TEST_F(TransferWindowTest, SilentInstrumentIsReportedAndTheRowKept)
{
    TempDir dir;
    dir.write("state.json", R"({"firmware": "2.10"})");
    SimProcess sim("altarim", dir.file("state.json"), {"--ignore-every", "1"});
    App().ComPortPath = sim.ptyPath();
    App().DeviceVersion = "2.10";
    link.SelectComPort(1);
    DeviceAnswering = true;
    Create();
    window->Table().row(4).texts.Name = "Alt";
    QEvent present(DevicePresentNotification);
    QApplication::sendEvent(window.get(), &present);
    QTimer::singleShot(0, &range, [this] {
        range.LoadFrom->setValue(4);
        range.LoadTo->setValue(4);
        range.OkButton->click();
    });
    answers = {false};
    window->MesswerteAnfuegen->trigger();

    EXPECT_EQ(window->Table().row(4).texts.Name, "Alt") << "an unanswered row stays as it was";
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "VAMOK antwortet nicht.");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].caption, "Warnung");
    EXPECT_EQ(asked[0].text, "VAMOK antwortet nicht.\r\nBitte vergewissern sie sich\r\ndass das VAMOK richtig "
                             "angeschlossen ist.\r\n\r\nWollen Sie mit der \xDC" "bertagung fortfahren?");
    EXPECT_NE(window->Memo1->toPlainText().indexOf(QStringLiteral("(Nr.4 bis 4)")), -1);
}

TEST_F(TransferWindowTest, DeleteKeyClearsTheMarkedRowsAfterAsking)
{
    Create();
    MeasurementTable& table = window->Table();
    for (int n = 4; n <= 7; ++n) {
        table.row(n).texts.Name = "Platz " + std::to_string(n);
        table.row(n).texts.Temp = "22,0";
    }
    window->ShowAllRows();
    Grid()->setFocus();
    Grid()->setCurrentCell(4, 1);
    Grid()->setRangeSelected(QTableWidgetSelectionRange(4, 0, 5, Grid()->columnCount() - 1), true);

    answers = {false};
    QTest::keyClick(Grid(), Qt::Key_Delete);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Diese Funktion l\xF6scht alle markierten Daten.\r\nTrotzdem Fortfahren?");
    EXPECT_EQ(table.row(5).texts.Name, "Platz 5");

    answers = {true};
    QTest::keyClick(Grid(), Qt::Key_Delete);
    EXPECT_EQ(table.row(4).texts.Name, "Platz 4");
    EXPECT_EQ(table.row(5).texts.Name, "");
    EXPECT_EQ(table.row(6).texts.Temp, "");
    EXPECT_EQ(ToCp1252(Cell(6, ColumnKind::Type)->text()), "VAM ");
    EXPECT_EQ(table.row(7).texts.Name, "Platz 7");
}

TEST_F(TransferWindowTest, AssistiveTechnologyHearsTheRatingAndTheHint)
{
    Create();
    MeasurementTable& table = window->Table();
    table.row(1).texts.Type = "BUER";
    table.row(1).texts.Temp = "23,5";
    table.row(1).texts.Feu = "50,0";
    table.row(2).texts.Type = "BUER";
    table.row(2).texts.Temp = "35,0";
    table.row(4).texts.Type = "BUER";
    table.row(4).texts.Temp = "19,5";
    window->ShowAllRows();

    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(Grid());
    ASSERT_TRUE(grid && grid->tableInterface());
    const auto described = [&](int n, ColumnKind kind) {
        QAccessibleInterface* cell = grid->tableInterface()->cellAt(n - 1, window->ColumnOf(kind));
        return cell ? ToCp1252(cell->text(QAccessible::Description)) : std::string("<no cell>");
    };
    const auto named = [&](int n, ColumnKind kind) {
        return ToCp1252(grid->tableInterface()->cellAt(n - 1, window->ColumnOf(kind))->text(QAccessible::Name));
    };
    EXPECT_EQ(named(1, ColumnKind::Temp), "23,5");
    EXPECT_EQ(described(1, ColumnKind::Temp), "Bewertung: gr\xFCn (ok). Taupunkt: 12,5\xB0" "C");
    EXPECT_EQ(described(2, ColumnKind::Temp), "Bewertung: rot (aG). Taupunkt: --,-\xB0" "C");
    EXPECT_EQ(described(4, ColumnKind::Temp), "Bewertung: gelb (tb). Taupunkt: --,-\xB0" "C");
    // Humidity is not rated in this type: its hint alone. Empty cells say nothing.
    EXPECT_EQ(described(1, ColumnKind::Feu), "Taupunkt: 12,5\xB0" "C");
    EXPECT_EQ(described(3, ColumnKind::Temp), "");
    EXPECT_EQ(described(1, ColumnKind::Name), "");

    // The description follows the types and the window's list without the
    // rows being shown again.
    window->Lang->item(115)->setText(QStringLiteral("Rating: green"));
    EXPECT_EQ(described(1, ColumnKind::Temp), "Rating: green (ok). Taupunkt: 12,5\xB0" "C");
    ResetPCTypes();
    EXPECT_EQ(described(1, ColumnKind::Temp), "Taupunkt: 12,5\xB0" "C");
}

TEST_F(TransferWindowTest, HeadingsStartAtTheLeftAndShowInFullAsTooltip)
{
    Create();
    QHeaderView* header = Grid()->horizontalHeader();
    EXPECT_EQ(header->defaultAlignment(), Qt::AlignLeft | Qt::AlignVCenter);
    const QImage image = header->viewport()->grab().toImage();
    ASSERT_EQ(image.devicePixelRatio(), 1.0);
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(VAMOK_TEST_ARTIFACTS)));
    EXPECT_TRUE(window->grab().save(QStringLiteral(VAMOK_TEST_ARTIFACTS "/transfer-headers.png"), "PNG"));
    int checked = 0;
    int tooLong = 0;
    for (int c = 1; c < Grid()->columnCount(); ++c) {
        const int left = header->sectionViewportPosition(c);
        const int width = header->sectionSize(c);
        if (header->isSectionHidden(c) || left < 0 || left + width > image.width())
            continue;
        const QString heading = Grid()->horizontalHeaderItem(c)->text();
        // The first column with dark text pixels: just inside the section's
        // left edge, whether the heading fits or is cut at its end.
        int first = -1;
        for (int x = left; x < left + width && first < 0; ++x)
            for (int y = 0; y < image.height(); ++y)
                if (qGray(image.pixel(x, y)) < 110) {
                    first = x - left;
                    break;
                }
        ASSERT_GE(first, 0) << heading.toStdString();
        EXPECT_GE(first, 2) << heading.toStdString() << ": cut on the left";
        EXPECT_LE(first, 8) << heading.toStdString() << ": not at the left";
        if (QFontMetrics(header->font()).horizontalAdvance(heading) > width)
            ++tooLong;
        ++checked;

        // The full heading; the air-velocity series add their height.
        EXPECT_TRUE(Grid()->model()->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString().startsWith(heading))
            << heading.toStdString();
    }
    EXPECT_GT(checked, 8);
    EXPECT_GT(tooLong, 0) << "no heading wider than its column: the cut case went untested";

    // Hovering shows the full heading (the air-velocity series with their height).
    const int series = window->ColumnOf(ColumnKind::WindIII);
    ASSERT_GE(series, 0);
    Grid()->scrollTo(Grid()->model()->index(0, series));
    const QPoint at(header->sectionViewportPosition(series) + 5, header->height() / 2);
    QHelpEvent help(QEvent::ToolTip, at, header->viewport()->mapToGlobal(at));
    QApplication::sendEvent(header->viewport(), &help);
    EXPECT_EQ(ToCp1252(window->StatusBar1->currentMessage()), "Luftg III.(3Min) - 1,1m ");
    EXPECT_EQ(ToCp1252(Grid()->model()->headerData(series, Qt::Horizontal, Qt::ToolTipRole).toString()),
              "Luftg III.(3Min) - 1,1m ");
}

// "Name/Typ -> VAMOK" through the busy dialog: its "Abbrechen" ends the
// upload after the workplace in progress; the used types are still written.
TEST_F(TransferWindowTest, AbbrechenInTheBusyDialogEndsTheNamesUploadAfterItsWorkplace)
{
    TempDir dir;
    dir.write("state.json", R"({"firmware": "2.10"})");
    SimProcess sim("altarim", dir.file("state.json"), {"--delay", "5", "--record", dir.file("record.json")});
    App().ComPortPath = sim.ptyPath();
    App().DeviceVersion = "2.10";
    link.SelectComPort(1);
    DeviceAnswering = true;
    struct Quiet : TypeSyncUi {
        void Message(const std::string&, const std::string&) override {}
        bool AskYes(const std::string&, const std::string&) override { return false; }
    } quiet;
    TypeSync types(link, quiet, dir.file("Vamok.APT"));
    PCTypes().push_back(DefaultType()); // every row's type is in the library
    Create();
    TransferWindowLinks links;
    links.writeNames = [this, &types] { window->WriteButtonClick(types); };
    window->setLinks(links);
    QEvent present(DevicePresentNotification);
    QApplication::sendEvent(window.get(), &present);
    ASSERT_TRUE(window->WriteButton->isEnabled());
    for (int n = 1; n <= 99; ++n)
        window->Table().row(n).texts.Name = "Platz " + std::to_string(n);
    window->Table().row(4).texts.Type = "BUER";

    QTimer cancel;
    cancel.setInterval(1);
    QObject::connect(&cancel, &QTimer::timeout, [&cancel] {
        if (Busy().Visible() && Busy().Position() >= 7) {
            Busy().RequestCancel();
            cancel.stop();
        }
    });
    cancel.start();
    answers = {true}; // the data-loss question: OK
    QTimer::singleShot(0, &range, [this] {
        range.LoadFrom->setValue(1);
        range.LoadTo->setValue(99);
        range.OkButton->click();
    });
    window->WriteButton->click();

    ASSERT_EQ(asked.size(), 1u) << asked.back().caption << ": " << asked.back().text;
    EXPECT_EQ(asked[0].caption, "Hinweis");
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(App().UsedAPT, (std::vector<std::string>{"VAM ", "BUER"}));
    EXPECT_TRUE(window->WriteButton->isEnabled());
    sim.stop();
    QFile file(QString::fromStdString(dir.file("record.json")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject record = QJsonDocument::fromJson(file.readAll()).object();
    const QStringList names = record.value("names").toObject().keys();
    EXPECT_TRUE(names.contains("7")) << "the workplace in progress is finished";
    EXPECT_FALSE(names.contains("10")) << "no workplace after it is written";
    EXPECT_EQ(record.value("names").toObject().value("4").toObject().value("slot").toInt(), 2);
    // Both used types went to their slots after the names.
    EXPECT_EQ(record.value("types").toObject().keys(), (QStringList{"1", "2"}));
}

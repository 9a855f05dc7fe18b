// The readout procedure against a scripted channel: ranges, retries, the
// "no answer" question, cancelling, the error cases and the partial modes.
#include "ReadoutFakes.h"
#include "RecordBuilder.h"

#include "core/AppState.h"
#include "core/TextHelpers.h"
#include "types/TypeLibrary.h"

#include <QDateTime>
#include <gtest/gtest.h>

using namespace vamok;

namespace {

// Workplace n of a rix with firmware 3.0.0: temperature 20,0 + n tenths.
std::string RixReply(int n, const std::string& type = "B\xDCRO")
{
    RecordBuilder r(91 + 76, '\0');
    r.byte(0, static_cast<std::uint8_t>(n)).text(1, "Platz " + std::to_string(n)).text(21, type);
    r.byte(26, 2);
    for (int w = 0; w < 38; ++w)
        r.word(91 + 2 * static_cast<std::size_t>(w), 0xFFFF);
    r.word(91, static_cast<std::uint16_t>(200 + n)).word(93, 455).word(91 + 2 * 21, 2150);
    return "MEM" + r.bytes();
}

// Workplace n of an altarim with the luminance word (66 bytes after "MEM").
std::string AltarimReply(int n)
{
    RecordBuilder r(66, '\0');
    r.byte(0, static_cast<std::uint8_t>(n)).text(1, "Flur    ").text(9, "VAM ");
    r.word(14, 215).word(16, 455).word(14 + 44, 2345).word(14 + 46, 812);
    return "MEM" + r.bytes();
}

std::string VentiqReply(int n)
{
    RecordBuilder r(73, '\0');
    r.byte(0, static_cast<std::uint8_t>(n)).text(1, "Halle").text(21, "LAGR");
    for (int w = 0; w < 11; ++w)
        r.word(51 + 2 * static_cast<std::size_t>(w), static_cast<std::uint16_t>(10 + w));
    return "MEM" + r.bytes();
}

int WorkplaceOf(const std::string& command) { return static_cast<unsigned char>(command.at(2)); }

// Decimal text with the separator the readout takes from the locale.
std::string Dec(std::string text)
{
    for (char& c : text)
        if (c == ',')
            c = App().DecimalSep;
    return text;
}

class MemoryReadoutTest : public testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        ResetPCTypes();
    }
    void TearDown() override { App() = AppState{}; }

    void UseRix()
    {
        App().UsbMode = true;
        App().DeviceVersion = "3.0.0";
    }

    ReadoutResult Run(ReadoutMode mode, int from, int to)
    {
        MemoryReadout readout(table, channel, ui, poller, usedTypes);
        current = &readout;
        const ReadoutResult r = readout.Run(mode, from, to, PmvSettings{});
        current = nullptr;
        return r;
    }

    MeasurementTable table;
    ScriptedChannel channel;
    RecordingUi ui;
    RecordingPoller poller;
    std::vector<std::string> usedTypes;
    MemoryReadout* current = nullptr;
};

} // namespace

TEST_F(MemoryReadoutTest, RangeBelowItsStartReadsTheStartOnly)
{
    UseRix();
    channel.reply = [](const std::string& c) { return RixReply(WorkplaceOf(c)); };
    const ReadoutResult r = Run(ReadoutMode::Read, 5, 3);
    EXPECT_EQ(channel.commands, (std::vector<std::string>{std::string("Gr\x05") + "Ck"}));
    EXPECT_EQ(channel.lastStart, "MEM");
    EXPECT_EQ(channel.lastTimeout, 200);
    EXPECT_EQ(channel.lastSize, 69);
    EXPECT_EQ(channel.lastEnd, "");
    EXPECT_EQ(r.rowsRead, (std::vector<int>{5}));
    EXPECT_EQ(ui.events.back(), "finished 5 5");
    EXPECT_EQ(poller.parked, 1);
    EXPECT_EQ(poller.resumed, 1);
}

TEST_F(MemoryReadoutTest, RixReadoutFillsRowsAndCollectsTypes)
{
    UseRix();
    usedTypes = {"VAM "};
    channel.reply = [](const std::string& c) {
        const int n = WorkplaceOf(c);
        return RixReply(n, n == 2 ? "VAM " : "B\xDCRO");
    };
    table.row(50).texts.Name = "old";
    App().MeasurementsModified = false;
    const ReadoutResult r = Run(ReadoutMode::Read, 1, 3);
    EXPECT_EQ(r.rowsRead, (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(r.cancelled);
    EXPECT_TRUE(App().MeasurementsModified);
    EXPECT_EQ(table.row(50).texts.Name, ""); // a new readout clears the table
    EXPECT_EQ(table.row(1).texts.Name, "Platz 1");
    EXPECT_EQ(table.row(3).texts.Temp, Dec("20,3"));
    EXPECT_EQ(table.row(3).texts.Feu, Dec("45,5"));
    EXPECT_EQ(table.row(3).texts.GT, Dec("21,5"));
    EXPECT_EQ(table.row(3).texts.Profile, "2");
    EXPECT_EQ(table.row(3).texts.Wind, Dec("-,--"));
    EXPECT_EQ(usedTypes, (std::vector<std::string>{"VAM ", "B\xDCRO"}));
    EXPECT_EQ(ui.count("error"), 0);
    EXPECT_EQ(ui.count("no answer"), 0);
    EXPECT_EQ(ui.events.front(), "cleared");
}

TEST_F(MemoryReadoutTest, ShortTypeNamesArePaddedWhenCollected)
{
    UseRix();
    channel.reply = [](const std::string& c) { return RixReply(WorkplaceOf(c)); };
    table.row(2).texts.Type = "AB";
    table.row(4).texts.Type = "CD"; // beyond the workplace read
    Run(ReadoutMode::ReadAndInsert, 3, 3);
    EXPECT_EQ(table.row(2).texts.Type, "AB  ");
    EXPECT_EQ(table.row(4).texts.Type, "CD");
    EXPECT_EQ(usedTypes, (std::vector<std::string>{"VAM ", "AB  ", "B\xDCRO"}));
    EXPECT_EQ(ui.count("type 2"), 1);
}

TEST_F(MemoryReadoutTest, UnansweredRowIsAskedFourTimesThenTheUserDecides)
{
    UseRix();
    channel.reply = [](const std::string& c) {
        const int n = WorkplaceOf(c);
        return n == 2 ? std::string() : RixReply(n);
    };
    ui.continueAfterNoAnswer = false;
    const ReadoutResult r = Run(ReadoutMode::Read, 1, 5);
    EXPECT_EQ(channel.commands.size(), 1u + 4u);
    EXPECT_EQ(r.rowsRead, (std::vector<int>{1}));
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.unansweredRows, 1);
    EXPECT_EQ(table.row(1).texts.Name, "Platz 1");
    EXPECT_EQ(ui.count("no answer"), 1);
    EXPECT_EQ(ui.events.back(), "finished 1 5");
}

TEST_F(MemoryReadoutTest, YesAfterAnUnansweredRowGoesOn)
{
    UseRix();
    channel.reply = [](const std::string& c) {
        const int n = WorkplaceOf(c);
        return n == 2 ? std::string() : RixReply(n);
    };
    const ReadoutResult r = Run(ReadoutMode::Read, 1, 3);
    EXPECT_EQ(r.rowsRead, (std::vector<int>{1, 3}));
    EXPECT_FALSE(r.cancelled);
}

TEST_F(MemoryReadoutTest, ALateGoodReplyEndsTheRetries)
{
    UseRix();
    int sends = 0;
    channel.reply = [&](const std::string& c) {
        return ++sends < 3 ? std::string("junk") : RixReply(WorkplaceOf(c));
    };
    const ReadoutResult r = Run(ReadoutMode::Read, 4, 4);
    EXPECT_EQ(sends, 3);
    EXPECT_EQ(r.rowsRead, (std::vector<int>{4}));
    EXPECT_EQ(ui.count("no answer"), 0);
}

TEST_F(MemoryReadoutTest, CancelFinishesTheRowInProgressAndKeepsTheRowsRead)
{
    UseRix();
    channel.reply = [](const std::string& c) { return RixReply(WorkplaceOf(c)); };
    ui.onProgress = [this](int n) {
        if (n == 7)
            current->Cancel();
    };
    const ReadoutResult r = Run(ReadoutMode::Read, 1, 99);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.rowsRead.size(), 7u);
    EXPECT_EQ(table.row(7).texts.Name, "Platz 7");
    EXPECT_EQ(table.row(8).texts.Name, "");
    EXPECT_EQ(ui.events.back(), "finished 1 99");
    EXPECT_EQ(poller.resumed, 1);
}

TEST_F(MemoryReadoutTest, RixRecordOfAnotherWorkplaceCountsAsNoAnswer)
{
    UseRix();
    channel.reply = [](const std::string& c) { return RixReply(WorkplaceOf(c) + 1); };
    table.row(3).texts.Name = "mine";
    const ReadoutResult r = Run(ReadoutMode::ReadAndInsert, 3, 3);
    EXPECT_EQ(channel.commands.size(), 4u);
    EXPECT_TRUE(r.rowsRead.empty());
    EXPECT_EQ(r.unansweredRows, 1);
    EXPECT_EQ(table.row(3).texts.Name, "mine");
    EXPECT_EQ(ui.count("no answer"), 1);
}

TEST_F(MemoryReadoutTest, TooShortRixRecordReportsAndLeavesTheRow)
{
    UseRix();
    channel.reply = [](const std::string& c) { return RixReply(WorkplaceOf(c)).substr(0, 3 + 91 + 70); };
    table.row(3).texts.Name = "mine";
    App().MeasurementsModified = false;
    const ReadoutResult r = Run(ReadoutMode::ReadAndInsert, 3, 3);
    EXPECT_EQ(channel.commands.size(), 1u); // long enough to count as an answer
    EXPECT_TRUE(r.rowsRead.empty());
    EXPECT_EQ(r.decodeErrors, 1);
    EXPECT_EQ(ui.count("error"), 1);
    EXPECT_EQ(ui.count("no answer"), 0);
    EXPECT_EQ(table.row(3).texts.Name, "mine");
    EXPECT_FALSE(App().MeasurementsModified);
}

TEST_F(MemoryReadoutTest, RixReplyWithoutRecordIsReportedAltarimIsNot)
{
    channel.reply = [](const std::string&) { return std::string(80, 'x'); };
    UseRix();
    Run(ReadoutMode::Read, 1, 1);
    EXPECT_EQ(ui.count("error"), 1);

    App() = AppState{};
    ui.events.clear();
    Run(ReadoutMode::Read, 1, 1);
    EXPECT_EQ(ui.count("error"), 0);
    EXPECT_EQ(ui.count("no answer"), 0);
}

TEST_F(MemoryReadoutTest, AltarimRecordOfAnotherWorkplaceIsAnErrorNotASilence)
{
    App().DeviceVersion = "2.1";
    channel.reply = [](const std::string& c) { return AltarimReply(WorkplaceOf(c) + 1); };
    table.row(2).texts.Name = "mine";
    const ReadoutResult r = Run(ReadoutMode::ReadAndInsert, 2, 2);
    EXPECT_EQ(channel.commands.size(), 1u);
    EXPECT_EQ(ui.count("rejected"), 1);
    EXPECT_EQ(ui.count("error"), 1);
    EXPECT_EQ(ui.count("no answer"), 0);
    EXPECT_EQ(table.row(2).texts.Name, "mine");
    EXPECT_TRUE(r.rowsRead.empty());
}

TEST_F(MemoryReadoutTest, QuadrovanOnlyReplacesTheAddOnFields)
{
    App().QuadrovanMode = true;
    App().DeviceVersion = "1.2";
    channel.reply = [](const std::string& c) { return AltarimReply(WorkplaceOf(c)); };
    table.row(6).texts.Name = "mine";
    table.row(6).texts.Temp = "19,0";
    const ReadoutResult r = Run(ReadoutMode::QuadrovanOnly, 6, 6);
    EXPECT_EQ(r.rowsRead, (std::vector<int>{6}));
    EXPECT_EQ(table.row(6).texts.Name, "mine");
    EXPECT_EQ(table.row(6).texts.Temp, "19,0");
    EXPECT_EQ(table.row(6).texts.GT, Dec("23,4"));
    EXPECT_EQ(table.row(6).texts.CO2, "812");
    EXPECT_EQ(table.row(6).texts.VOC, "---");
}

TEST_F(MemoryReadoutTest, VentiqInsertWarnsAboutRowsThatHoldAirVelocities)
{
    App().UsbMode = true;
    App().VentiqMode = true;
    channel.reply = [](const std::string& c) { return VentiqReply(WorkplaceOf(c)); };
    table.row(2).texts.WindII = "0,12";   // e.g. loaded from a file
    table.row(4).raw.Wind = 30;
    table.row(5).texts.Wind = "-,--";
    table.row(6).texts.Wind = "131071";
    table.row(9).texts.WindI = "0,50"; // outside the range
    ui.overwrite = false;
    ReadoutResult r = Run(ReadoutMode::VentiqInsert, 1, 8);
    EXPECT_EQ(ui.overwriteRows, "2 - 4 - ");
    EXPECT_FALSE(r.started);
    EXPECT_TRUE(channel.commands.empty());
    EXPECT_EQ(poller.parked, 0);

    ui.overwrite = true;
    table.row(3).texts.Temp = "21,0";
    r = Run(ReadoutMode::VentiqInsert, 3, 3);
    EXPECT_EQ(r.rowsRead, (std::vector<int>{3}));
    EXPECT_EQ(table.row(3).texts.Wind, Dec("0,10"));
    EXPECT_EQ(table.row(3).texts.TuIII, "20");
    EXPECT_EQ(table.row(3).texts.Temp, "21,0");
    EXPECT_EQ(table.row(3).texts.Name, "");
}

TEST_F(MemoryReadoutTest, BusyDialogAtTheFirstRowAndEveryTenth)
{
    UseRix();
    channel.reply = [](const std::string& c) { return RixReply(WorkplaceOf(c)); };
    Run(ReadoutMode::Read, 8, 21);
    EXPECT_EQ(ui.count("busy"), 3); // rows 8, 10, 20
}

TEST(ReadoutNotesLine, NamesTheRangeAndTheTime)
{
    const std::string line = ReadoutNotesLine("Auslese-Datum", "Nr.", "bis", 1, 99);
    EXPECT_EQ(line.rfind("Auslese-Datum (Nr.1 bis 99): ", 0), 0u) << line;
    const std::string when = line.substr(std::string("Auslese-Datum (Nr.1 bis 99): ").size());
    EXPECT_TRUE(QDateTime::fromString(QString::fromStdString(when), "dd.MM.yyyy hh:mm:ss").isValid()) << when;
}

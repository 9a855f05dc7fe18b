// The readout end to end: the real command layer over a pseudo-terminal
// against the simulated instrument, compared field by field with the
// simulator's state.
#include "ReadoutFakes.h"
#include "SimWorkplaces.h"

#include "core/AppState.h"
#include "core/TextHelpers.h"
#include "device/TAPSend.h"
#include "support/SimLink.h"
#include "support/TempDir.h"
#include "types/TypeLibrary.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

using Link = SimLink;

class SimReadout : public testing::TestWithParam<Link> {
protected:
    void SetUp() override
    {
        App() = AppState{};
        ResetPCTypes();
        DeviceAnswering = true; // as after the poller's identification
    }
    void TearDown() override
    {
        DeviceAnswering = false;
        App() = AppState{};
    }

    void Connect(const Link& l, const SimProcess& sim) { ConnectToSim(link, l, sim); }

    ReadoutResult Run(ReadoutMode mode, int from, int to)
    {
        MemoryReadout readout(table, link, ui, poller, App().UsedAPT);
        return readout.Run(mode, from, to, PmvSettings{});
    }

    void ExpectRow(const Link& l, const SimWorkplace& wp)
    {
        const auto expected = ExpectedTexts(l.dialect, l.firmware, wp, App().DecimalSep);
        for (const auto& [field, text] : expected)
            EXPECT_EQ(table.row(wp.number).texts[field], text)
                << l.dialect << " workplace " << wp.number << " " << InfoOf(field).name;
    }

    TempDir dir;
    TAPSend link;
    MeasurementTable table;
    RecordingUi ui;
    RecordingPoller poller;
};

} // namespace

TEST_P(SimReadout, EveryFieldMatchesTheInstrumentsState)
{
    const Link l = GetParam();
    const auto workplaces = VariedWorkplaces(12);
    dir.write("state.json", SimStateJson(l.firmware, workplaces));
    SimProcess sim(l.dialect, dir.file("state.json"));
    Connect(l, sim);

    const ReadoutResult r = Run(ReadoutMode::Read, 1, 14);
    EXPECT_EQ(r.rowsRead.size(), 14u);
    EXPECT_EQ(ui.count("error"), 0);
    EXPECT_EQ(ui.count("no answer"), 0);
    for (const SimWorkplace& wp : workplaces)
        ExpectRow(l, wp);
    ExpectRow(l, EmptyWorkplace(13));
    ExpectRow(l, EmptyWorkplace(14));
    EXPECT_EQ(table.row(15).texts.Type, "VAM ");
}

INSTANTIATE_TEST_SUITE_P(Links, SimReadout,
                         testing::Values(Link{"altarim", "2.2", false, false, false},
                                         Link{"altarim", "1.05", false, false, false},
                                         Link{"quadrovan", "1.2", false, false, true},
                                         Link{"rix", "3.0.0", true, false, false},
                                         Link{"rix", "2.0.5", true, false, false},
                                         Link{"rix", "1.0.10", true, false, false},
                                         Link{"ventiq", "1.0.3", true, true, false}),
                         [](const testing::TestParamInfo<Link>& info) {
                             std::string name = std::string(info.param.dialect) + "_" + info.param.firmware;
                             for (char& c : name)
                                 if (c == '.')
                                     c = '_';
                             return name;
                         });

class SimReadoutFaults : public SimReadout {};

TEST_F(SimReadoutFaults, InstrumentLostAfterFortyRecordsKeepsTheFortyRows)
{
    const Link l{"altarim", "2.2", false, false, false};
    const auto workplaces = VariedWorkplaces(45);
    dir.write("state.json", SimStateJson(l.firmware, workplaces));
    SimProcess sim(l.dialect, dir.file("state.json"));
    Connect(l, sim);
    ui.onProgress = [&sim](int n) {
        if (n == 41)
            sim.stop();
    };
    ui.continueAfterNoAnswer = false;

    const ReadoutResult r = Run(ReadoutMode::Read, 1, 99);
    EXPECT_EQ(r.rowsRead.size(), 40u);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(ui.count("no answer"), 1);
    EXPECT_EQ(ui.events.back(), "finished 1 99");
    for (int n = 1; n <= 40; ++n)
        ExpectRow(l, workplaces[static_cast<std::size_t>(n - 1)]);
    EXPECT_EQ(table.row(41).texts.Name, "");
}

TEST_F(SimReadoutFaults, QuadrovanOnlyLeavesTheOtherFieldsAlone)
{
    const Link l{"quadrovan", "1.2", false, false, true};
    const auto workplaces = VariedWorkplaces(3);
    dir.write("state.json", SimStateJson(l.firmware, workplaces));
    SimProcess sim(l.dialect, dir.file("state.json"));
    Connect(l, sim);
    table.row(2).texts.Name = "mine";
    table.row(2).texts.Temp = "19,0";
    table.row(3).texts.Temp = "18,5";

    const ReadoutResult r = Run(ReadoutMode::QuadrovanOnly, 1, 3);
    EXPECT_EQ(r.rowsRead.size(), 3u);
    const auto expected = ExpectedTexts(l.dialect, l.firmware, workplaces[2], App().DecimalSep);
    EXPECT_EQ(table.row(3).texts.GT, expected.at(Field::GT));
    EXPECT_EQ(table.row(3).texts.CO2, expected.at(Field::CO2));
    EXPECT_EQ(table.row(3).texts.Temp, "18,5");
    EXPECT_EQ(table.row(2).texts.Name, "mine");
    EXPECT_EQ(table.row(2).texts.Temp, "19,0");
    EXPECT_EQ(table.row(1).texts.Name, "");
}

TEST_F(SimReadoutFaults, DroppedAndDamagedAnswersAreAskedForAgain)
{
    const Link l{"quadrovan", "1.2", false, false, true};
    const auto workplaces = VariedWorkplaces(10);
    dir.write("state.json", SimStateJson(l.firmware, workplaces));
    SimProcess sim(l.dialect, dir.file("state.json"), {"--ignore-every", "3", "--corrupt-every", "5"});
    Connect(l, sim);

    const ReadoutResult r = Run(ReadoutMode::Read, 1, 10);
    EXPECT_EQ(r.rowsRead.size(), 10u);
    EXPECT_EQ(ui.count("no answer"), 0);
    for (const SimWorkplace& wp : workplaces)
        ExpectRow(l, wp);
}

TEST_F(SimReadoutFaults, VentiqInsertReplacesOnlyTheAirVelocities)
{
    const Link l{"ventiq", "1.0.3", true, true, false};
    const auto workplaces = VariedWorkplaces(4);
    dir.write("state.json", SimStateJson(l.firmware, workplaces));
    SimProcess sim(l.dialect, dir.file("state.json"));
    Connect(l, sim);
    for (int n = 1; n <= 4; ++n) {
        table.row(n).texts.Name = "rix " + std::to_string(n);
        table.row(n).texts.Temp = "21,0";
        table.row(n).texts.Profile = "5";
    }

    const ReadoutResult r = Run(ReadoutMode::VentiqInsert, 1, 4);
    EXPECT_EQ(r.rowsRead.size(), 4u);
    EXPECT_EQ(ui.count("confirm"), 0); // no air velocities there before
    for (int n = 1; n <= 4; ++n) {
        const auto expected = ExpectedTexts(l.dialect, l.firmware, workplaces[n - 1], App().DecimalSep);
        for (Field f : {Field::Wind, Field::WindT, Field::WindI, Field::WindTI, Field::WindII,
                        Field::WindTII, Field::WindIII, Field::WindTIII, Field::TuI, Field::TuII,
                        Field::TuIII, Field::MessZeit})
            EXPECT_EQ(table.row(n).texts[f], expected.at(f)) << n << " " << InfoOf(f).name;
        EXPECT_EQ(table.row(n).texts.Name, "rix " + std::to_string(n));
        EXPECT_EQ(table.row(n).texts.Temp, "21,0");
        EXPECT_EQ(table.row(n).texts.Profile, "5");
    }
}

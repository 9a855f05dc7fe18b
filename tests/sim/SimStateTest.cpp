#include "sim/Instrument.h"
#include "sim/SimOptions.h"
#include "sim/SimState.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vamok::sim;

namespace {
std::string DemoStatePath()
{
    return std::string(VAMOK_TEST_DATA) + "/../../sim/demo-state.json";
}
} // namespace

TEST(SimState, DemoStateIsAPlausibleInstrument)
{
    std::string error;
    const auto state = LoadState(DemoStatePath(), error);
    ASSERT_TRUE(state) << error;
    EXPECT_GT(state->serial, 0);
    EXPECT_FALSE(state->firmware.empty());
    int stored = 0;
    for (const auto& wp : state->workplaces)
        stored += !wp.values.empty() && !wp.name.empty() ? 1 : 0;
    EXPECT_GE(stored, 10);
    int types = 0;
    for (const auto& t : state->types)
        types += t ? 1 : 0;
    EXPECT_GE(types, 2);
    EXPECT_TRUE(state->live.count("Temp"));
}

TEST(SimState, ParsesAllSections)
{
    const QByteArray json = R"({
        "firmware": "2.0.6", "serial": 4321, "series": 7, "flags": 3,
        "live": {"Temp": -1.5, "CO2": null},
        "workplaces": [{"number": 99, "name": "Gro\u00dfraum", "type": "AB", "profile": 4,
                        "time": "2000-01-01T00:01:00", "values": {"Wind": 0.12, "GT": null}}],
        "types": [{"slot": 9, "name": "XY"}],
        "profiles": [{"number": 3, "name": "Klima", "mask": "0x1F"}],
        "clock": 10
    })";
    std::string error;
    const auto s = ParseState(json, error);
    ASSERT_TRUE(s) << error;
    EXPECT_EQ(s->serial, 4321);
    EXPECT_EQ(s->flags, 3);
    EXPECT_DOUBLE_EQ(s->live.at("Temp"), -1.5);
    EXPECT_EQ(s->live.count("CO2"), 0u);
    const Workplace& wp = s->workplaces[98];
    EXPECT_EQ(wp.number, 99);
    EXPECT_EQ(wp.name, "Gro\xDFraum");
    EXPECT_EQ(wp.type, "AB  ");
    EXPECT_EQ(wp.profile, 4);
    EXPECT_EQ(wp.time, 60);
    EXPECT_EQ(wp.values.size(), 1u);
    EXPECT_EQ(s->types[8]->name, "XY  ");
    EXPECT_DOUBLE_EQ(s->types[8]->rows[17][4], 441.15);
    EXPECT_EQ(s->profiles[2].mask, 0x1Fu);
    EXPECT_EQ(s->profiles[2].name, "Klima");
    EXPECT_EQ(s->profiles[0].name, "Standard");
    EXPECT_EQ(s->clock, 10);
    EXPECT_EQ(s->workplaces[0].number, 1);
    EXPECT_EQ(s->workplaces[0].type, "NONE");
}

TEST(SimState, RefusesBadContent)
{
    const char* bad[] = {
        "[1, 2]",
        "{\"serial\": 70000}",
        "{\"serial\": 1.5}",
        "{\"live\": {\"Tmp\": 1}}",
        "{\"live\": {\"Temp\": \"warm\"}}",
        "{\"workplaces\": [{\"number\": 100}]}",
        "{\"workplaces\": [{\"name\": \"no number\"}]}",
        "{\"workplaces\": [{\"number\": 1, \"values\": {\"Speed\": 3}}]}",
        "{\"workplaces\": [{\"number\": 1, \"time\": \"yesterday\"}]}",
        "{\"workplaces\": [{\"number\": 1, \"time\": \"1999-12-31T23:59:59\"}]}",
        "{\"types\": [{\"slot\": 10}]}",
        "{\"types\": [{\"slot\": 1, \"rows\": [[1, 2, 3]]}]}",
        "{\"profiles\": [{\"number\": 2, \"mask\": \"xyz\"}]}",
    };
    for (const char* json : bad) {
        std::string error;
        EXPECT_FALSE(ParseState(json, error)) << json;
        EXPECT_FALSE(error.empty()) << json;
    }
}

TEST(SimState, InstrumentTimeHasNoZone)
{
    EXPECT_EQ(SecondsSince2000("2000-01-01T00:00:10"), 10);
    EXPECT_EQ(SecondsSince2000("2024-01-01T00:00:00"), 0x2D24BD00);
    EXPECT_EQ(TimeText(0x2D24BD00), "2024-01-01T00:00:00");
}

TEST(SimOptions, CommandLine)
{
    std::string error;
    const auto o = ParseOptions({"--dialect", "ventiq", "--state", "s.json", "--record", "r.json", "--ignore-every",
                                 "3", "--corrupt-every", "4", "--garbage", "--delay", "25", "--pace", "--silent-after", "31",
                                 "--count", "--trace"},
                                error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->dialect, Dialect::Ventiq);
    EXPECT_EQ(o->statePath, "s.json");
    EXPECT_EQ(o->serve.recordPath, "r.json");
    EXPECT_EQ(o->serve.faults.ignoreEvery, 3);
    EXPECT_EQ(o->serve.faults.corruptEvery, 4);
    EXPECT_EQ(o->serve.faults.silentAfter, 31);
    EXPECT_TRUE(o->serve.faults.garbage);
    EXPECT_EQ(o->serve.delayMs, 25);
    EXPECT_TRUE(o->serve.pace);
    EXPECT_TRUE(o->serve.count);
    EXPECT_TRUE(o->serve.trace);

    const std::vector<std::string> bad[] = {
        {"--state", "s.json"},
        {"--dialect", "altarim"},
        {"--dialect", "vamok", "--state", "s"},
        {"--dialect", "rix", "--state", "s", "--delay", "-5"},
        {"--dialect", "rix", "--state", "s", "--ignore-every", "x"},
        {"--dialect", "rix", "--state", "s", "--bogus", "1"},
        {"--dialect", "rix", "--state"},
    };
    for (const auto& args : bad)
        EXPECT_FALSE(ParseOptions(args, error)) << args.size();
}

TEST(SimState, EveryReadingHasAStateKey)
{
    for (int r = 0; r <= static_cast<int>(Reading::Emiss); ++r) {
        const auto& info = InfoOf(static_cast<Reading>(r));
        EXPECT_EQ(static_cast<int>(info.reading), r);
        EXPECT_EQ(ReadingByKey(info.key), info.reading);
    }
}

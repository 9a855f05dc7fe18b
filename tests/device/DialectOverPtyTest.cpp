// Every dialect over a serial device: the command layer against vamok-sim
// on a pseudo-terminal, paced at each instrument's line speed, for the three
// exchanges the program lives on: identification, live values, a stored record.
#include "device/TAPSend.h"

#include "core/AppState.h"
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"

#include "FakeHid.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

const std::string kSerialTail("\x04\xD2\x38\x01", 4); // serial 1234, series 56, flags 1

struct DialectCase {
    const char* dialect;
    const char* firmware;
    bool usb, ventiq, quadrovan;
    std::string identification; // the reply's start; every one ends with "SER" + tail
    std::size_t identificationSize;
    const char* liveStart;
    std::size_t recordSize; // "MEM" + the record as the callers get it
};

const DialectCase kCases[] = {
    {"altarim", "2.10", false, false, false, "VAMOK altarim  - Ver 2.10", 53, "MESS", 69},
    {"quadrovan", "1.2", false, false, true, "VAMOK*** Quadrovan ***Ver 1.2", 36, "MESS", 78},
    {"rix", "2.0.6", true, false, false, "VAMOK rix  - Ver 2.0.6", 29, "MESS", 166},
    {"ventiq", "1.0.3", true, true, false, "Ventiq  - Ver 1.0.3", 26, "MES", 76},
};

class DialectOverPty : public ::testing::TestWithParam<DialectCase> {
protected:
    void SetUp() override
    {
        App() = AppState{};
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
        DeviceAnswering = true;
    }
    void TearDown() override { DeviceAnswering = false; }

    std::vector<std::shared_ptr<test::FakeBridge>> noBridges;
    TempDir dir;
    TAPSend layer{std::make_unique<test::FakeHidBackend>(&noBridges)};
};

TEST_P(DialectOverPty, IdentifiesReadsLiveValuesAndAStoredRecord)
{
    const DialectCase& c = GetParam();
    dir.write("state.json", std::string("{\"firmware\": \"") + c.firmware
                                + "\", \"serial\": 1234, \"series\": 56, \"flags\": 1,"
                                  " \"live\": {\"Temp\": 21.5, \"Wind\": 0.12},"
                                  " \"workplaces\": [{\"number\": 3, \"name\": \"Lab\", \"type\": \"VAM \","
                                  " \"values\": {\"Temp\": 22.5, \"Wind\": 0.08}}]}");
    SimProcess sim(c.dialect, dir.file("state.json"), {"--pace"});
    App().UsbMode = c.usb;
    App().VentiqMode = c.ventiq;
    App().QuadrovanMode = c.quadrovan;
    layer.SetUsbFramesOnSerial(c.usb);
    layer.SelectComPortPath(sim.ptyPath());
    const int identifyMs = c.ventiq ? 400 : 300;

    const std::string ident = layer.SendCommand("VeSr", "VAMOK", identifyMs, 53, "");
    ASSERT_EQ(ident.size(), c.identificationSize) << ident;
    EXPECT_EQ(ident.substr(0, c.identification.size()), c.identification);
    EXPECT_EQ(ident.substr(ident.size() - 7), "SER" + kSerialTail);

    const std::string live = layer.SendCommand("MmCkSr", "MESS", c.ventiq ? 1000 : 500, 0, "SER");
    EXPECT_EQ(live.substr(0, std::string(c.liveStart).size()), c.liveStart) << live;

    const std::string record = layer.SendCommand(std::string("Gr\x03" "Ck"), "MEM", 200, 69, "");
    ASSERT_EQ(record.size(), c.recordSize);
    EXPECT_EQ(record.substr(0, 3), "MEM");
    EXPECT_EQ(record[3], '\x03');
}

INSTANTIATE_TEST_SUITE_P(AllDialects, DialectOverPty, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<DialectCase>& info) {
                             return std::string(info.param.dialect);
                         });

} // namespace

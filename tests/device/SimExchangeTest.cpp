// Exchanges with the simulated instrument (vamok-sim) over its
// pseudo-terminal, for every dialect the serial port can carry.
#include "device/DeviceClock.h"
#include "device/TAPSend.h"

#include "core/AppState.h"
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"

#include "FakeHid.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace vamok;

namespace {

const std::string kSerialTail("\x04\xD2\x38\x01", 4); // serial 1234, series 56, flags 1

std::string State(const std::string& model, const std::string& firmware)
{
    return "{\"model\": \"" + model + "\", \"firmware\": \"" + firmware
        + "\", \"serial\": 1234, \"series\": 56, \"flags\": 1,"
          " \"workplaces\": [{\"number\": 3, \"name\": \"Lab\", \"type\": \"VAM \","
          " \"values\": {\"Temp\": 22.5}}]}";
}

class SimExchange : public ::testing::Test {
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

TEST_F(SimExchange, QuadrovanGatewayIdentifiesAndPassesLiveValuesOn)
{
    dir.write("q.json", State("VAMOK Quadrovan", "1.2"));
    SimProcess sim("quadrovan", dir.file("q.json"));
    App().QuadrovanMode = true;
    layer.SelectComPortPath(sim.ptyPath());
    EXPECT_EQ(layer.SendQuadrovanFrame("SNR", "SNR", 1000).substr(0, 3), "SNR");
    EXPECT_EQ(layer.SendCommand("VeSr", "VAMOK", 1000, 53, ""),
              "VAMOK*** Quadrovan ***Ver 1.2SER" + kSerialTail);
    const std::string live = layer.SendCommand("MmCkSr", "MESS", 500, 0, "SER");
    EXPECT_EQ(live.substr(0, 4), "MESS");
}

TEST_F(SimExchange, RixFramesOverTheTerminal)
{
    dir.write("rix.json", State("VAMOK rix", "2.0.6"));
    SimProcess sim("rix", dir.file("rix.json"), {"--record", dir.file("record.json")});
    App().UsbMode = true;
    layer.SetUsbFramesOnSerial(true);
    layer.SelectComPortPath(sim.ptyPath());

    EXPECT_EQ(layer.SendCommand("VeSr", "VAMOK", 300, 53, ""),
              "VAMOK rix  - Ver 2.0.6SER" + kSerialTail);
    EXPECT_EQ(App().LastVamok, "VamokRix");
    const std::string record = layer.SendCommand("Gr\x03" "Ck", "MEM", 200, 69, "");
    EXPECT_EQ(record.substr(0, 3), "MEM");
    EXPECT_GE(record.size(), 75u);
    EXPECT_EQ(layer.SendCommand("Gr", "MEM", 200, 69, ""), "");

    const QDateTime when(QDate(2025, 12, 2), QTime(0, 0));
    EXPECT_TRUE(SetDeviceClock(layer, when, [](int) {}));
    EXPECT_TRUE(ReleaseKeyboardLock(layer, [](int) {}));
    sim.stop();
    const auto doc = QJsonDocument::fromJson(QByteArray::fromStdString(dir.read("record.json")));
    EXPECT_EQ(doc.object().value("clock").toObject().value("seconds").toInteger(),
              SecondsSince2000(when));
    EXPECT_EQ(doc.object().value("unlocks").toInt(), 1);
}

TEST_F(SimExchange, VentiqIdentificationTakesSerialDigitsAsHex)
{
    dir.write("v.json", State("Ventiq", "1.0.3"));
    SimProcess sim("ventiq", dir.file("v.json"));
    App().UsbMode = true;
    App().VentiqMode = true;
    layer.SetUsbFramesOnSerial(true);
    layer.SelectComPortPath(sim.ptyPath());
    EXPECT_EQ(layer.SendCommand("VeSr", "VAMOK", 400, 53, ""),
              "Ventiq  - Ver 1.0.3SER" + kSerialTail);
}

} // namespace

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/MemorySettingsStore.h"
#include "device/TAPSend.h"
#include "live/OnlineWindow.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"
#include "types/TypeLibrary.h"

#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace vamok;

namespace {

class PresenceCounter : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() == DevicePresentNotification)
            ++present;
        else if (e->type() == DeviceAbsentNotification)
            ++absent;
        else
            return QObject::event(e);
        return true;
    }
    int present = 0;
    int absent = 0;
};

std::string Cell(QTableWidget* grid, int row) { return ToCp1252(grid->item(row, 0)->text()); }

class OnlineWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        App().DecimalSep = ',';
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
        ResetPCTypes();
        DeviceAnswering = false;
    }
    void TearDown() override
    {
        DeviceAnswering = false;
        ResetPCTypes();
    }
};

} // namespace

TEST_F(OnlineWindowTest, CreatedHiddenWithItsRowsAndTexts)
{
    TAPSend link;
    TOnline online(link);
    EXPECT_FALSE(online.isVisible());
    EXPECT_EQ(online.objectName(), "Online");
    EXPECT_EQ(online.windowTitle(), "Online");
    EXPECT_EQ(online.Table1->rowCount(), 21);
    EXPECT_EQ(Cell(online.Table1, 0), "Messbereich");
    EXPECT_EQ(Cell(online.table2, 0), "Messwert");
    EXPECT_EQ(Cell(online.Table1, 3), "L\xE4rmpegel aktuell");
    EXPECT_EQ(Cell(online.Table1, 20), "Feinstaub PM 10");
    EXPECT_EQ(online.VersionLabelText(), "Suche...");
    EXPECT_EQ(online.PortLabelText(), "none");
    EXPECT_EQ(online.Zoom(), 130);
    online.show();
    const int width = online.width();
    QTest::keyClick(online.table2, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(online.Zoom(), 143);
    EXPECT_GT(online.width(), width);
    QTest::keyClick(online.table2, Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(online.Zoom(), 130); // 143 * 100 / 110
}

TEST_F(OnlineWindowTest, ShowsTheSimulatedInstrumentAndTellsTheWindows)
{
    TempDir dir;
    dir.write("s.json", R"({"model": "VAMOK altarim", "firmware": "2.10", "serial": 1234, "series": 56,
        "flags": 1, "live": {"Temp": 22.4, "Feu": 46.8, "Wind": 0.12, "WindMin": 0.14, "WindT": 22.1}})");
    SimProcess sim("altarim", dir.file("s.json"));
    App().ComPortPath = sim.ptyPath();
    App().ComPortNumber = 4;
    TAPSend link;
    link.SelectComPort(4);
    TOnline online(link);
    link.OnDeviceAnswering = [&] { online.Poller().ShortenInterval(); };
    std::string panel;
    std::vector<std::string> records;
    online.setLinks({[&](const std::string& t) { panel = t; }, {}, {},
                     [&](const TVamokAPDatenStrg& r) { records.push_back(r[TVamokAPDatenStrg::AirTemperature]); },
                     {}, {}, {}});
    PresenceCounter counter;
    RegisterPresenceWindow(&counter);
    online.StartPolling();

    QTRY_VERIFY_WITH_TIMEOUT(!records.empty(), 8000);
    EXPECT_EQ(panel, "S-No: 1234 / 56 - 00000001");
    EXPECT_NE(online.VersionLabelText().find("VAMOK altarim"), std::string::npos);
    EXPECT_TRUE(online.Label1->isVisibleTo(&online));
    EXPECT_EQ(online.PortLabelText(), sim.ptyPath());
    EXPECT_EQ(Cell(online.table2, 1), "   22,4");
    EXPECT_EQ(Cell(online.table2, 9), "    0,12");
    EXPECT_EQ(Cell(online.table2, 17), "   -NA-"); // no globe temperature, no PMV
    EXPECT_EQ(online.OnlineMode->text(), QString::fromUtf8("\u263A"));
    QTRY_VERIFY_WITH_TIMEOUT(counter.present > 0, 5000);

    // Paint the bars once (a type to rate against now exists).
    TAPDef type;
    type.SetName("VAM ");
    PCTypes().push_back(type);
    online.show();
    online.repaint();

    sim.stop();
    QTRY_COMPARE_WITH_TIMEOUT(online.OnlineMode->text(), QString::fromUtf8("\u2639"), 10000);
    EXPECT_EQ(panel, "VAMOK Seriennummer");
    EXPECT_EQ(online.VersionLabelText(), "Suche...");
    QTRY_VERIFY_WITH_TIMEOUT(counter.absent > 0, 5000);
    online.StopPolling();
    UnregisterPresenceWindow(&counter);
}

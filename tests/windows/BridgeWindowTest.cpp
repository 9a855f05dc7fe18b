#include "core/AppState.h"
#include "core/MemorySettingsStore.h"
#include "device/BridgeWindow.h"
#include "device/ComOptionWindow.h"
#include "device/TAPSend.h"
#include "device/UsbBridge.h"
#include "i18n/TranslatorWidget.h"

#include "device/FakeHid.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace vamok;
using vamok::test::FakeBridge;
using vamok::test::FakeHidBackend;
using vamok::test::MakeFakeBridge;

namespace {

// A command layer whose bridge reaches the emulated chips, with its window.
struct Rig {
    explicit Rig(std::vector<std::shared_ptr<FakeBridge>> chips) : attached(std::move(chips)) {}
    std::vector<std::shared_ptr<FakeBridge>> attached;
    TAPSend layer{std::make_unique<FakeHidBackend>(&attached)};
    TwVamokHIDControl window{layer};
};

std::vector<std::shared_ptr<FakeBridge>> RixBridges(int n)
{
    std::vector<std::shared_ptr<FakeBridge>> chips;
    for (int k = 1; k <= n; ++k)
        chips.push_back(MakeFakeBridge("/dev/hidraw" + std::to_string(k), 0x868F, "S" + std::to_string(k)));
    return chips;
}

class BridgeWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        App().UsbMode = true;
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
    }
    void TearDown() override { App() = AppState{}; }

    static int Width(const TwSIHIDControl& w, int column) { return w.ListView1->header()->sectionSize(column); }
    static QString Cell(const TwSIHIDControl& w, int row, int column)
    {
        return w.ListView1->topLevelItem(row)->text(column);
    }
    static bool PanelIsRed(const TwSIHIDControl& w)
    {
        return w.PinPanel->palette().color(QPalette::Window) == QColor(Qt::red);
    }
};

TEST_F(BridgeWindowTest, CompactListShowsNoneOneOrTwoBridges)
{
    for (int n = 0; n <= 2; ++n) {
        SCOPED_TRACE(n);
        Rig rig(RixBridges(n));
        rig.attached.push_back(MakeFakeBridge("/dev/hidraw9", 0xEA60)); // another product: not listed
        TwSIHIDControl& w = rig.window;
        EXPECT_EQ(WindowClassName(w), "TwVamokHIDControl");
        w.ShowCompact();
        ASSERT_TRUE(w.isVisible());
        EXPECT_TRUE(w.IsCompact());
        EXPECT_FALSE(w.ServicePanel->isVisible());
        EXPECT_FALSE(w.USBChange->isVisible());
        EXPECT_EQ(w.size(), QSize(650, 250));
        EXPECT_EQ(w.windowTitle(), QString("VAMOK-USB: %1 Device(s) Present ...").arg(n));
        ASSERT_EQ(w.ListView1->topLevelItemCount(), n);
        EXPECT_EQ(w.MultiDeviceLabel->isVisible(), n > 1);
        EXPECT_EQ(w.ActiveLabel->text(), " - N/A - ");
        for (int row = 0; row < n; ++row) {
            EXPECT_EQ(Cell(w, row, 0), QString("Device %1").arg(row + 1));
            EXPECT_EQ(Cell(w, row, 1), QString("S%1").arg(row + 1));
            EXPECT_EQ(Cell(w, row, 2), "VAMOK rix");
        }
        if (n > 0) {
            EXPECT_TRUE(w.ListView1->topLevelItem(0)->isSelected());
        }
        const QTreeWidgetItem* header = w.ListView1->headerItem();
        EXPECT_EQ(header->text(0), "Ger\u00E4te-Nr.");
        EXPECT_EQ(header->text(2), "Ger\u00E4te-Beschreibung");
        EXPECT_EQ(header->text(6), "Test");
        for (int c = 3; c < 7; ++c)
            EXPECT_EQ(Width(w, c), 0) << c;
        EXPECT_EQ(Width(w, 2), w.ListView1->width() - Width(w, 0) - Width(w, 1) - 4);
    }
}

TEST_F(BridgeWindowTest, SeveralBridgesOpenTheListOnTheirOwnUntilTheUserChooses)
{
    Rig rig(RixBridges(2));
    TwSIHIDControl& w = rig.window;
    ASSERT_FALSE(w.isVisible());
    rig.layer.Bridge().SIHIDSendData("x"); // the command layer's first send
    ASSERT_TRUE(w.isVisible());
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(VAMOK_TEST_ARTIFACTS)));
    EXPECT_TRUE(w.grab().save(QStringLiteral(VAMOK_TEST_ARTIFACTS "/bridge-list.png"), "PNG"));
    EXPECT_TRUE(w.IsCompact());
    EXPECT_TRUE(w.MultiDeviceLabel->isVisible());
    EXPECT_EQ(w.MultiDeviceLabel->text(), "Es sind mehrere Ger\u00E4te vorhanden, bitte w\u00E4hlen Sie:");
    EXPECT_EQ(rig.attached[0]->heard, "");
    EXPECT_EQ(rig.attached[1]->heard, "");
    EXPECT_FALSE(rig.attached[0]->handleOpen);

    w.ListView1DblClick(1);
    EXPECT_TRUE(rig.attached[1]->handleOpen);
    EXPECT_FALSE(rig.attached[0]->handleOpen);
    EXPECT_EQ(w.ActiveLabel->text(), "Device 2 - SNo. S2 - VAMOK rix - ");
    EXPECT_TRUE(w.ListView1->topLevelItem(1)->isSelected());
    rig.layer.Bridge().SIHIDSendData("y");
    EXPECT_EQ(rig.attached[1]->heard, "y");
}

TEST_F(BridgeWindowTest, SettingsButtonShowsTheAttachedBridges)
{
    Rig rig(RixBridges(1));
    TComOption settings(rig.layer);
    ComOptionLinks links;
    links.showBridgeDevices = [&rig] { rig.window.ShowCompact(); };
    links.show = [](const std::string&, const std::string&) {};
    settings.setLinks(links);
    settings.show();
    ASSERT_TRUE(settings.ShowVAMOKrix->isEnabled());
    settings.ShowVAMOKrix->click();
    ASSERT_TRUE(rig.window.isVisible());
    EXPECT_TRUE(rig.window.IsCompact());
    EXPECT_EQ(rig.window.ListView1->topLevelItemCount(), 1);
}

TEST_F(BridgeWindowTest, CtrlShiftAltDTurnsTheListIntoTheServiceToolWithAllColumns)
{
    Rig rig(RixBridges(1));
    TwSIHIDControl& w = rig.window;
    std::vector<int> full;
    for (int c = 0; c < 7; ++c)
        full.push_back(Width(w, c));
    w.ShowCompact();
    w.ShowCompact(); // twice: the hidden columns' widths are not lost
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_FALSE(w.IsCompact());
    EXPECT_TRUE(w.ServicePanel->isVisible());
    EXPECT_TRUE(w.USBChange->isVisible());
    EXPECT_EQ(w.size(), QSize(810, 700));
    for (int c = 2; c < 7; ++c) {
        EXPECT_GT(full[static_cast<std::size_t>(c)], 0);
        EXPECT_EQ(Width(w, c), full[static_cast<std::size_t>(c)]) << c;
    }
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(VAMOK_TEST_ARTIFACTS)));
    EXPECT_TRUE(w.grab().save(QStringLiteral(VAMOK_TEST_ARTIFACTS "/bridge-service.png"), "PNG"));
    QTest::keyClick(&w, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_TRUE(w.IsCompact());
    EXPECT_FALSE(w.ServicePanel->isVisible());
}

TEST_F(BridgeWindowTest, RawSendArrivesUnframedAndTheLogShowsWhatCameBack)
{
    Rig rig(RixBridges(1));
    rig.attached[0]->instrument = [](FakeBridge& b, const std::string& heard) {
        if (heard.find('e') != std::string::npos)
            b.FromInstrument("OK");
    };
    TwSIHIDControl& w = rig.window;
    w.ShowCompact();
    w.ToggleFace();
    w.LogMemo1->setChecked(true);
    EXPECT_EQ(w.SendEdit->text(), "Ve");
    w.SendBtn->click();
    EXPECT_EQ(rig.attached[0]->heard, "Ve"); // no STX, checksum or ETX
    EXPECT_EQ(w.StatusPanel0->text(), "2 Bytes Sent ...");
    EXPECT_EQ(w.ActiveLabel->text(), "Device 1 - SNo. S1 - VAMOK rix - ");
    EXPECT_EQ(w.SpeedLabel->text(), "1500000");
    EXPECT_TRUE(w.DoUSBPoll->isChecked());
    // The poll timer reads what the instrument answered.
    // Received data runs on in the log's last line.
    ASSERT_TRUE(QTest::qWaitFor([&w] { return w.Memo1->toPlainText().endsWith(": 2 Bytes Sent ...OK"); }, 2000))
        << w.Memo1->toPlainText().toStdString();
    EXPECT_TRUE(w.Memo1->toPlainText().startsWith(QCoreApplication::applicationName() + "\n"));
    EXPECT_TRUE(QTest::qWaitFor([&w] { return w.StatusPanel0->text() == "Bytes Received = 2"; }, 1000))
        << w.StatusPanel0->text().toStdString();

    w.LogBytes->setChecked(true);
    w.SendBtn->click();
    ASSERT_TRUE(QTest::qWaitFor([&w] { return w.Memo1->toPlainText().endsWith("-79-75"); }, 2000))
        << w.Memo1->toPlainText().toStdString();

    w.LogMemo1->setChecked(false);
    const QString before = w.Memo1->toPlainText();
    w.SendBtn->click();
    QTest::qWait(150);
    EXPECT_EQ(w.Memo1->toPlainText(), before);
    w.ClearMemo->click();
    EXPECT_EQ(w.Memo1->toPlainText(), "");
}

TEST_F(BridgeWindowTest, UartSpeedIsSetAndReadBack)
{
    Rig rig(RixBridges(1));
    TwSIHIDControl& w = rig.window;
    w.ShowCompact();
    w.ToggleFace();
    EXPECT_EQ(w.BaudEdit->text(), "1500000");
    w.OpenBtn->click();
    w.BaudEdit->setText("115200");
    w.ConfigBtn->click();
    EXPECT_EQ(rig.attached[0]->baud, 115200u);
    EXPECT_EQ(w.SpeedLabel->text(), "115200");
    w.BaudEdit->setText("fast");
    w.ConfigBtn->click();
    EXPECT_EQ(rig.attached[0]->baud, 115200u);
}

TEST_F(BridgeWindowTest, PinsWrittenThenReadBack)
{
    Rig rig(RixBridges(1));
    TwSIHIDControl& w = rig.window;
    w.ShowCompact();
    w.ToggleFace();
    w.ReadLatchBtn->click(); // nothing open yet
    EXPECT_TRUE(PanelIsRed(w));

    w.OpenBtn->click();
    ASSERT_TRUE(rig.attached[0]->handleOpen);
    w.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
    w.findChild<QCheckBox*>("CheckBox16")->setChecked(true);
    w.WriteLatchBtn->click();
    EXPECT_EQ(rig.attached[0]->latch, 0x8001);
    EXPECT_FALSE(PanelIsRed(w));

    rig.attached[0]->latch = 0x0102; // the pins as the chip now holds them
    w.ReadLatchBtn->click();
    for (int k = 1; k <= 16; ++k) {
        const bool on = k == 2 || k == 9;
        EXPECT_EQ(w.findChild<QCheckBox*>(QString("CheckBox%1").arg(k))->isChecked(), on) << k;
    }
    EXPECT_FALSE(PanelIsRed(w));

    w.CloseBtn->click();
    w.WriteLatchBtn->click();
    EXPECT_TRUE(PanelIsRed(w));
    EXPECT_EQ(rig.attached[0]->latch, 0x0102);
}

TEST_F(BridgeWindowTest, MissingPermissionIsShownWithTheUdevRuleCommand)
{
    Rig rig(RixBridges(1));
    rig.attached[0]->permissionDenied = true;
    TwSIHIDControl& w = rig.window;
    w.ShowCompact();
    w.ListView1DblClick(0);
    EXPECT_FALSE(rig.attached[0]->handleOpen);
    ASSERT_TRUE(w.AccessLabel->isVisible());
    const QString text = w.AccessLabel->text();
    EXPECT_TRUE(text.startsWith("Keine Berechtigung f\u00FCr die USB-Schnittstelle /dev/hidraw1.")) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromStdString(UdevInstallCommand()))) << text.toStdString();
    EXPECT_EQ(w.ActiveLabel->text(), " - N/A - ");

    rig.attached[0]->permissionDenied = false;
    w.ApplyBtn->click();
    EXPECT_TRUE(rig.attached[0]->handleOpen);
    EXPECT_FALSE(w.AccessLabel->isVisible());
}

TEST_F(BridgeWindowTest, VentiqWindowListsOnlyVentiqBridges)
{
    std::vector<std::shared_ptr<FakeBridge>> attached = {MakeFakeBridge("/dev/hidraw1", 0x868F),
                                                         MakeFakeBridge("/dev/hidraw2", 0x89CF, "V7")};
    UsbBridge bridge(std::make_unique<FakeHidBackend>(&attached));
    TwVentiqHIDControl w(bridge);
    EXPECT_EQ(WindowClassName(w), "TwVentiqHIDControl");
    w.ShowCompact();
    ASSERT_EQ(w.ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(Cell(w, 0, 1), "V7");
    EXPECT_EQ(w.windowTitle(), "Ventiq-USB: 1 Device(s) Present ...");
    w.ListView1DblClick(0);
    EXPECT_EQ(attached[1]->baud, 230400u);
}

} // namespace

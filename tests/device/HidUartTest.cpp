#include "device/HidUart.h"
#include "device/HidUartLink.h"
#include "device/HidUartReports.h"

#include "FakeHid.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace vamok;
using vamok::test::FakeBridge;
using vamok::test::FakeHidBackend;
using vamok::test::MakeFakeBridge;

namespace {

TEST(HidUartReports, ConfigReportIsBigEndianBaudThenParityFlowDataStop)
{
    EXPECT_EQ(UartConfigReport({1500000, 0, 0, 3, 0}),
              (HidReport{0x50, 0x00, 0x16, 0xE3, 0x60, 0x00, 0x00, 0x03, 0x00}));
    EXPECT_EQ(UartConfigReport({230400, 0, 1, 3, 1}),
              (HidReport{0x50, 0x00, 0x03, 0x84, 0x00, 0x00, 0x01, 0x03, 0x01}));
    const auto parsed = ParseUartConfig({0x50, 0x00, 0x03, 0x84, 0x00, 0x00, 0x00, 0x03, 0x00});
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->baud, 230400u);
    EXPECT_FALSE(ParseUartConfig({0x50, 0x00, 0x03}));
    EXPECT_FALSE(ParseUartConfig({0x46, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(HidUartReports, LongWriteSplitsIntoReportsOfAtMost63)
{
    std::string bytes;
    for (int i = 0; i < 150; ++i)
        bytes += static_cast<char>(i);
    const auto reports = DataReports(bytes);
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0].size(), 64u);
    EXPECT_EQ(reports[0][0], 63);
    EXPECT_EQ(reports[1][0], 63);
    EXPECT_EQ(reports[2][0], 24);
    EXPECT_EQ(reports[2].size(), 25u);
    EXPECT_EQ(reports[1][1], 63);
    EXPECT_EQ(reports[2][24], 149);
    EXPECT_TRUE(DataReports("").empty());
}

TEST(HidUartReports, InputReportsOutsideDataIdsAreIgnored)
{
    std::string out;
    AppendReportData({0x03, 'a', 'b', 'c', 'x'}, out); // trailing padding not taken
    AppendReportData({0x00, 'n', 'o'}, out);
    AppendReportData({0x40, 'n', 'o'}, out);
    AppendReportData({0x42, 0, 0, 0, 0, 0, 0}, out);
    AppendReportData({0x05, 'd', 'e'}, out); // shorter than its ID claims
    AppendReportData({}, out);
    EXPECT_EQ(out, "abcde");
}

TEST(HidUartReports, LatchEnableAndPurgeReports)
{
    EXPECT_EQ(SetLatchReport(0x8001, 0xFFFF), (HidReport{0x45, 0x80, 0x01, 0xFF, 0xFF}));
    EXPECT_EQ(SetLatchReport(0x8001, 0x8000), (HidReport{0x45, 0x80, 0x01, 0x80, 0x00}));
    EXPECT_EQ(PurgeReport(0x03), (HidReport{0x43, 0x03}));
    EXPECT_EQ(UartEnableReport(true), (HidReport{0x41, 0x01}));
    EXPECT_EQ(UartEnableReport(false), (HidReport{0x41, 0x00}));
    EXPECT_EQ(ParseLatch({0x44, 0x12, 0x34}), 0x1234);
    EXPECT_FALSE(ParseLatch({0x44, 0x12}));
}

TEST(HidUartReports, StatusIsTwoBigEndianFifoCountsThenErrorsAndBreak)
{
    const auto status = ParseUartStatus({0x42, 0x00, 0x05, 0x01, 0xE0, 0x03, 0x01});
    ASSERT_TRUE(status);
    EXPECT_EQ(status->txFifo, 5);
    EXPECT_EQ(status->rxFifo, 480);
    EXPECT_EQ(status->errors, HID_UART_PARITY_ERROR | HID_UART_OVERRUN_ERROR);
    EXPECT_EQ(status->lineBreak, 1);
    EXPECT_FALSE(ParseUartStatus({0x42, 0x00, 0x05, 0x01, 0xE0, 0x03}));
    EXPECT_FALSE(ParseUartStatus({0x50, 0, 0, 0, 0, 0, 0}));
}

TEST(HidDeviceStrings, WideCharactersBecomeUtf8)
{
    EXPECT_EQ(WideToUtf8(L"Messger\u00E4t \u20AC \u03A9"), "Messger\xC3\xA4t \xE2\x82\xAC \xCE\xA9");
    EXPECT_EQ(WideToUtf8(L"\U0001F50C"), "\xF0\x9F\x94\x8C");
    EXPECT_EQ(WideToUtf8(nullptr), "");
}

class HidUartLibraryTest : public ::testing::Test {
protected:
    std::vector<std::shared_ptr<FakeBridge>> bridges{
        MakeFakeBridge("/dev/hidraw10", 0x868F, "R10"), MakeFakeBridge("/dev/hidraw2", 0x868F, "R2"),
        MakeFakeBridge("/dev/hidraw9", 0x868F, "R9"), MakeFakeBridge("/dev/hidraw3", 0xEA60, "other")};
    HidUartLibrary lib{std::make_unique<FakeHidBackend>(&bridges)};
    FakeBridge& r2 = *bridges[1];

    // Opened, at the instrument's speed, UART enabled.
    HID_UART_DEVICE OpenRunning(const std::string& path)
    {
        HID_UART_DEVICE dev = nullptr;
        EXPECT_EQ(lib.HidUart_OpenPath(&dev, path), HID_UART_SUCCESS);
        EXPECT_EQ(lib.HidUart_SetUartConfig(dev, 1500000, 3, 0, 0, 0), HID_UART_SUCCESS);
        EXPECT_EQ(lib.HidUart_SetUartEnable(dev, true), HID_UART_SUCCESS);
        return dev;
    }
    std::string ReadAll(HID_UART_DEVICE dev, HID_UART_STATUS expected = HID_UART_READ_TIMED_OUT)
    {
        std::uint8_t buf[2000];
        unsigned n = 0;
        EXPECT_EQ(lib.HidUart_Read(dev, buf, sizeof buf, &n), expected);
        return std::string(reinterpret_cast<char*>(buf), n);
    }
};

TEST_F(HidUartLibraryTest, ListsDevicesOfOneIdentityInNaturalPathOrderWithTheirStrings)
{
    const auto devices = lib.HidUart_GetDevices(0x10C4, 0x868F);
    ASSERT_EQ(devices.size(), 3u);
    EXPECT_EQ(devices[0].path, "/dev/hidraw2");
    EXPECT_EQ(devices[0].serial, "R2");
    EXPECT_EQ(devices[1].path, "/dev/hidraw9");
    EXPECT_EQ(devices[2].path, "/dev/hidraw10");
    EXPECT_EQ(devices[2].serial, "R10");
    EXPECT_EQ(devices[2].productId, 0x868F);
    EXPECT_EQ(lib.HidUart_GetDevices(0x10C4, 0xEA60).size(), 1u);
}

TEST_F(HidUartLibraryTest, OpenLeavesTheUartDisabledUntilEnabled)
{
    HID_UART_DEVICE dev = nullptr;
    ASSERT_EQ(lib.HidUart_OpenPath(&dev, "/dev/hidraw2"), HID_UART_SUCCESS);
    ASSERT_EQ(lib.HidUart_SetUartConfig(dev, 1500000, 3, 0, 0, 0), HID_UART_SUCCESS);
    unsigned written = 0;
    const std::uint8_t bytes[] = {'V', 'e'};
    ASSERT_EQ(lib.HidUart_Write(dev, bytes, 2, &written), HID_UART_SUCCESS);
    EXPECT_EQ(r2.heard, ""); // lost while the UART is disabled
    ASSERT_EQ(lib.HidUart_SetUartEnable(dev, true), HID_UART_SUCCESS);
    EXPECT_TRUE(r2.uartEnabled);
    ASSERT_EQ(lib.HidUart_Write(dev, bytes, 2, &written), HID_UART_SUCCESS);
    EXPECT_EQ(r2.heard, "Ve");

    EXPECT_EQ(lib.HidUart_Close(dev), HID_UART_SUCCESS);
    EXPECT_FALSE(r2.handleOpen);
    EXPECT_EQ(lib.HidUart_Close(dev), HID_UART_INVALID_HANDLE);
    EXPECT_EQ(lib.HidUart_SetTimeouts(dev, 0, 0), HID_UART_INVALID_HANDLE);
    EXPECT_EQ(lib.HidUart_OpenPath(&dev, "/dev/hidraw77"), HID_UART_DEVICE_NOT_FOUND);
    EXPECT_EQ(dev, nullptr);
}

TEST_F(HidUartLibraryTest, ConfigurationReadBackIsWhatTheChipHolds)
{
    HID_UART_DEVICE dev = nullptr;
    ASSERT_EQ(lib.HidUart_OpenPath(&dev, "/dev/hidraw2"), HID_UART_SUCCESS);
    ASSERT_EQ(lib.HidUart_SetUartConfig(dev, 1500000, 3, 0, 0, 0), HID_UART_SUCCESS);
    EXPECT_EQ(r2.baud, 1500000u);
    std::uint32_t baud = 0;
    std::uint8_t data = 0, parity = 9, stop = 9, flow = 9;
    ASSERT_EQ(lib.HidUart_GetUartConfig(dev, &baud, &data, &parity, &stop, &flow), HID_UART_SUCCESS);
    EXPECT_EQ(baud, 1500000u);
    EXPECT_EQ(data, 3);
    EXPECT_EQ(parity, 0);
    EXPECT_EQ(stop, 0);
    EXPECT_EQ(flow, 0);

    r2.maxBaud = 1000000;
    ASSERT_EQ(lib.HidUart_SetUartConfig(dev, 230400, 3, 0, 1, 1), HID_UART_SUCCESS);
    EXPECT_EQ(lib.HidUart_SetUartConfig(dev, 1500000, 3, 0, 0, 0), HID_UART_SUCCESS);
    ASSERT_EQ(lib.HidUart_GetUartConfig(dev, &baud, &data, &parity, &stop, &flow), HID_UART_SUCCESS);
    EXPECT_EQ(baud, 230400u); // the chip kept what it could run
    EXPECT_EQ(stop, 1);
    EXPECT_EQ(flow, 1);
    EXPECT_EQ(lib.HidUart_SetUartConfig(dev, 9600, 4, 0, 0, 0), HID_UART_INVALID_PARAMETER);
}

TEST_F(HidUartLibraryTest, ReadGathersReportsSkipsNonDataAndTimesOutWithWhatCame)
{
    HID_UART_DEVICE dev = OpenRunning("/dev/hidraw2");
    r2.FromInstrument("ab");
    r2.hostQueue.push_back({0x00, 'z'});
    r2.hostQueue.push_back({0x46, 0x0A, 0x01});
    r2.FromInstrument("cde");
    EXPECT_EQ(ReadAll(dev), "abcde");

    // A report that does not fit is kept for the next read.
    r2.FromInstrument("fghi");
    std::uint8_t buf[2];
    unsigned n = 0;
    EXPECT_EQ(lib.HidUart_Read(dev, buf, 2, &n), HID_UART_SUCCESS);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), n), "fg");
    EXPECT_EQ(ReadAll(dev), "hi");

    r2.Unplug();
    EXPECT_EQ(ReadAll(dev, HID_UART_READ_ERROR), "");
}

TEST_F(HidUartLibraryTest, UnpaddedReportsReadTheSame)
{
    r2.padInput = false;
    HID_UART_DEVICE dev = OpenRunning("/dev/hidraw2");
    r2.FromInstrument("abc");
    r2.FromInstrument(std::string(70, 'x'));
    EXPECT_EQ(ReadAll(dev), "abc" + std::string(70, 'x'));
}

TEST_F(HidUartLibraryTest, AReadErrorStillHandsOverWhatWasGathered)
{
    HID_UART_DEVICE dev = OpenRunning("/dev/hidraw2");
    r2.FromInstrument("abc");
    r2.FromInstrument("de");
    r2.unplugAfterReads = 2;
    EXPECT_EQ(ReadAll(dev, HID_UART_READ_ERROR), "abcde");
}

TEST_F(HidUartLibraryTest, ReadWaitsForItsTimeoutAndNoLonger)
{
    HID_UART_DEVICE dev = OpenRunning("/dev/hidraw2");
    ASSERT_EQ(lib.HidUart_SetTimeouts(dev, 150, 2000), HID_UART_SUCCESS);
    r2.FromInstrumentAfter(30, "late");
    QElapsedTimer clock;
    clock.start();
    std::uint8_t buf[4];
    unsigned n = 0;
    EXPECT_EQ(lib.HidUart_Read(dev, buf, 4, &n), HID_UART_SUCCESS);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), n), "late");
    EXPECT_LT(clock.elapsed(), 140);

    clock.restart();
    EXPECT_EQ(ReadAll(dev), "");
    EXPECT_GE(clock.elapsed(), 145);

    ASSERT_EQ(lib.HidUart_SetTimeouts(dev, 0, 2000), HID_UART_SUCCESS);
    r2.FromInstrumentAfter(100, "later");
    clock.restart();
    EXPECT_EQ(ReadAll(dev), "");
    EXPECT_LT(clock.elapsed(), 50);
}

TEST_F(HidUartLibraryTest, FlushEmptiesTheChipAndTheHostQueue)
{
    HID_UART_DEVICE dev = OpenRunning("/dev/hidraw2");
    r2.FromInstrument(std::string(64 * 63 + 300, 'q')); // host queue full, FIFO holding 300
    std::uint16_t tx = 9, rx = 0;
    std::uint8_t errors = 9, lineBreak = 9;
    ASSERT_EQ(lib.HidUart_GetUartStatus(dev, &tx, &rx, &errors, &lineBreak), HID_UART_SUCCESS);
    EXPECT_EQ(rx, 300);
    EXPECT_EQ(tx, 0);
    EXPECT_EQ(errors, 0);
    ASSERT_EQ(lib.HidUart_FlushBuffers(dev, true, true), HID_UART_SUCCESS);
    EXPECT_EQ(r2.rxFifo, "");
    EXPECT_TRUE(r2.hostQueue.empty());
    EXPECT_EQ(ReadAll(dev), "");
}

TEST_F(HidUartLibraryTest, StatusShowsAnOverrunOfTheChipsFifo)
{
    HID_UART_DEVICE dev = OpenRunning("/dev/hidraw2");
    r2.FromInstrument(std::string(64 * 63 + 480 + 1, 'q'));
    std::uint16_t tx = 0, rx = 0;
    std::uint8_t errors = 0, lineBreak = 0;
    ASSERT_EQ(lib.HidUart_GetUartStatus(dev, &tx, &rx, &errors, &lineBreak), HID_UART_SUCCESS);
    EXPECT_EQ(rx, 480);
    EXPECT_EQ(errors, HID_UART_OVERRUN_ERROR);
}

TEST_F(HidUartLibraryTest, WriteSplitsIntoDataReports)
{
    HID_UART_DEVICE dev = OpenRunning("/dev/hidraw9");
    const std::string bytes(100, 'x');
    unsigned written = 0;
    ASSERT_EQ(lib.HidUart_Write(dev, reinterpret_cast<const std::uint8_t*>(bytes.data()), 100, &written),
              HID_UART_SUCCESS);
    EXPECT_EQ(written, 100u);
    ASSERT_EQ(bridges[2]->outReports.size(), 2u);
    EXPECT_EQ(bridges[2]->outReports[1].size(), 38u);
    EXPECT_EQ(bridges[2]->heard, bytes);
    bridges[2]->Unplug();
    EXPECT_EQ(lib.HidUart_Write(dev, reinterpret_cast<const std::uint8_t*>(bytes.data()), 100, &written),
              HID_UART_WRITE_ERROR);
}

TEST_F(HidUartLibraryTest, LatchReadAndMaskedWrite)
{
    HID_UART_DEVICE dev = OpenRunning("/dev/hidraw2");
    r2.latch = 0x8001;
    std::uint16_t latch = 0;
    ASSERT_EQ(lib.HidUart_ReadLatch(dev, &latch), HID_UART_SUCCESS);
    EXPECT_EQ(latch, 0x8001);
    ASSERT_EQ(lib.HidUart_WriteLatch(dev, 0x00F0, 0x00FF), HID_UART_SUCCESS);
    EXPECT_EQ(r2.latch, 0x80F0);
}

TEST_F(HidUartLibraryTest, EveryCallOnAnUnpluggedDeviceFails)
{
    HID_UART_DEVICE dev = OpenRunning("/dev/hidraw2");
    r2.Unplug();
    r2.Plug(); // the old handle stays dead
    std::uint32_t baud = 0;
    std::uint8_t a = 0, b = 0, c = 0, d = 0;
    std::uint16_t latch = 0, e = 0;
    EXPECT_EQ(lib.HidUart_SetUartConfig(dev, 1500000, 3, 0, 0, 0), HID_UART_DEVICE_IO_FAILED);
    EXPECT_EQ(lib.HidUart_GetUartConfig(dev, &baud, &a, &b, &c, &d), HID_UART_DEVICE_IO_FAILED);
    EXPECT_EQ(lib.HidUart_SetUartEnable(dev, true), HID_UART_DEVICE_IO_FAILED);
    EXPECT_EQ(lib.HidUart_GetUartStatus(dev, &latch, &e, &a, &b), HID_UART_DEVICE_IO_FAILED);
    EXPECT_EQ(lib.HidUart_FlushBuffers(dev, true, true), HID_UART_DEVICE_IO_FAILED);
    EXPECT_EQ(lib.HidUart_ReadLatch(dev, &latch), HID_UART_DEVICE_IO_FAILED);
    EXPECT_EQ(ReadAll(dev, HID_UART_READ_ERROR), "");
    EXPECT_EQ(lib.HidUart_Close(dev), HID_UART_SUCCESS);
}

TEST_F(HidUartLibraryTest, PermissionDeniedIsItsOwnErrorNamingTheUdevRule)
{
    r2.permissionDenied = true;
    HID_UART_DEVICE dev = nullptr;
    EXPECT_EQ(lib.HidUart_OpenPath(&dev, "/dev/hidraw2"), HID_UART_DEVICE_ACCESS_ERROR);
    EXPECT_EQ(dev, nullptr);

    HidUartLink link(lib, "/dev/hidraw2", 1500000);
    std::string problem;
    EXPECT_FALSE(link.Open(&problem));
    EXPECT_NE(problem.find("/dev/hidraw2"), std::string::npos);
    EXPECT_NE(problem.find(UdevInstallCommand()), std::string::npos);
    EXPECT_NE(problem.find("permission"), std::string::npos);
    EXPECT_EQ(problem.find("instrument found"), std::string::npos);
}

TEST_F(HidUartLibraryTest, LinkOpensConfiguredEnabledAndPurgedAndReadsBack)
{
    r2.lineBaud = 230400;
    r2.uartEnabled = true; // left running, with bytes from before
    r2.baud = 230400;
    r2.FromInstrument("old");
    HidUartLink link(lib, "/dev/hidraw2", 230400);
    ASSERT_TRUE(link.Open(nullptr));
    EXPECT_EQ(link.BaudRate(), 230400);
    EXPECT_EQ(r2.baudWhenEnabled, 230400u);
    std::string got;
    EXPECT_TRUE(link.ReadAvailable(got));
    EXPECT_EQ(got, "");
    r2.FromInstrument("hello");
    EXPECT_TRUE(link.ReadAvailable(got));
    EXPECT_EQ(got, "hello");
    link.Close();
    EXPECT_FALSE(r2.handleOpen);
    EXPECT_FALSE(link.ReadAvailable(got));
}

TEST_F(HidUartLibraryTest, LinkRefusesABridgeThatKeepsAnotherSpeed)
{
    r2.maxBaud = 1000000;
    HidUartLink link(lib, "/dev/hidraw2", 1500000);
    std::string problem;
    EXPECT_FALSE(link.Open(&problem));
    EXPECT_FALSE(link.IsOpen());
    EXPECT_FALSE(r2.handleOpen);
    EXPECT_EQ(problem,
              "The USB bridge /dev/hidraw2 did not accept 1500000 baud (it reports 115200 baud).");
}

} // namespace

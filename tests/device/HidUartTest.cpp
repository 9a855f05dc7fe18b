#include "device/HidUart.h"
#include "device/HidUartLink.h"
#include "device/HidUartReports.h"

#include "FakeHid.h"

#include <gtest/gtest.h>

using namespace vamok;
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

TEST(HidUartReports, LatchAndPurgeReports)
{
    EXPECT_EQ(SetLatchReport(0x8001, 0xFFFF), (HidReport{0x45, 0x80, 0x01, 0xFF, 0xFF}));
    EXPECT_EQ(PurgeReport(0x03), (HidReport{0x43, 0x03}));
    EXPECT_EQ(ParseLatch({0x44, 0x12, 0x34}), 0x1234);
    EXPECT_FALSE(ParseLatch({0x44, 0x12}));
}

class HidUartLibraryTest : public ::testing::Test {
protected:
    std::vector<std::shared_ptr<test::FakeBridge>> bridges{
        MakeFakeBridge("/dev/hidraw7", 0x868F, "R1"), MakeFakeBridge("/dev/hidraw2", 0x868F, "R2"),
        MakeFakeBridge("/dev/hidraw3", 0xEA60, "other")};
    HidUartLibrary lib{std::make_unique<FakeHidBackend>(&bridges)};
};

TEST_F(HidUartLibraryTest, CountsAndDescribesDevicesOfOneIdentityInStableOrder)
{
    unsigned n = 0;
    ASSERT_EQ(lib.HidUart_GetNumDevices(&n, 0x10C4, 0x868F), HID_UART_SUCCESS);
    EXPECT_EQ(n, 2u);
    std::string s;
    ASSERT_EQ(lib.HidUart_GetString(0, 0x10C4, 0x868F, s, HID_UART_GET_PATH_STR), HID_UART_SUCCESS);
    EXPECT_EQ(s, "/dev/hidraw2");
    lib.HidUart_GetString(0, 0x10C4, 0x868F, s, HID_UART_GET_VID_STR);
    EXPECT_EQ(s, "10c4");
    lib.HidUart_GetString(1, 0x10C4, 0x868F, s, HID_UART_GET_PID_STR);
    EXPECT_EQ(s, "868f");
    lib.HidUart_GetString(1, 0x10C4, 0x868F, s, HID_UART_GET_SERIAL_STR);
    EXPECT_EQ(s, "R1");
    EXPECT_EQ(lib.HidUart_GetString(2, 0x10C4, 0x868F, s, HID_UART_GET_SERIAL_STR),
              HID_UART_DEVICE_NOT_FOUND);
    EXPECT_EQ(lib.HidUart_GetString(0, 0x10C4, 0x868F, s, 9), HID_UART_INVALID_PARAMETER);
}

TEST_F(HidUartLibraryTest, OpenEnablesUartAndConfigRoundTrips)
{
    HID_UART_DEVICE dev = nullptr;
    ASSERT_EQ(lib.HidUart_Open(&dev, 0, 0x10C4, 0x868F), HID_UART_SUCCESS);
    auto& b = *bridges[1];
    ASSERT_FALSE(b.features.empty());
    EXPECT_EQ(b.features[0], (HidReport{0x41, 0x01}));
    ASSERT_EQ(lib.HidUart_SetUartConfig(dev, 1500000, 3, 0, 0, 0), HID_UART_SUCCESS);
    EXPECT_EQ(b.features.back(), (HidReport{0x50, 0x00, 0x16, 0xE3, 0x60, 0, 0, 3, 0}));
    std::uint32_t baud = 0;
    std::uint8_t data = 0, parity = 9, stop = 9, flow = 9;
    ASSERT_EQ(lib.HidUart_GetUartConfig(dev, &baud, &data, &parity, &stop, &flow), HID_UART_SUCCESS);
    EXPECT_EQ(baud, 1500000u);
    EXPECT_EQ(data, 3);
    EXPECT_EQ(lib.HidUart_SetUartConfig(dev, 9600, 4, 0, 0, 0), HID_UART_INVALID_PARAMETER);
    EXPECT_EQ(lib.HidUart_Close(dev), HID_UART_SUCCESS);
    EXPECT_FALSE(b.open);
    EXPECT_EQ(lib.HidUart_Close(dev), HID_UART_INVALID_HANDLE);
    EXPECT_EQ(lib.HidUart_SetTimeouts(dev, 0, 0), HID_UART_INVALID_HANDLE);
}

TEST_F(HidUartLibraryTest, ReadGathersReportsAndTimesOutWithWhatCame)
{
    HID_UART_DEVICE dev = nullptr;
    ASSERT_EQ(lib.HidUart_Open(&dev, 0, 0x10C4, 0x868F), HID_UART_SUCCESS);
    auto& b = *bridges[1];
    b.input.push_back({0x02, 'a', 'b'});
    b.input.push_back({0x00, 'z'});
    b.input.push_back({0x03, 'c', 'd', 'e'});
    std::uint8_t buf[2000];
    unsigned n = 0;
    EXPECT_EQ(lib.HidUart_Read(dev, buf, sizeof buf, &n), HID_UART_READ_TIMED_OUT);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), n), "abcde");

    // A report that does not fit is kept for the next read.
    b.input.push_back({0x04, 'f', 'g', 'h', 'i'});
    EXPECT_EQ(lib.HidUart_Read(dev, buf, 2, &n), HID_UART_SUCCESS);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), n), "fg");
    EXPECT_EQ(lib.HidUart_Read(dev, buf, sizeof buf, &n), HID_UART_READ_TIMED_OUT);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), n), "hi");

    b.failReads = true;
    EXPECT_EQ(lib.HidUart_Read(dev, buf, sizeof buf, &n), HID_UART_READ_ERROR);
}

TEST_F(HidUartLibraryTest, WriteSplitsIntoDataReports)
{
    HID_UART_DEVICE dev = nullptr;
    ASSERT_EQ(lib.HidUart_Open(&dev, 1, 0x10C4, 0x868F), HID_UART_SUCCESS);
    const std::string bytes(100, 'x');
    unsigned written = 0;
    ASSERT_EQ(lib.HidUart_Write(dev, reinterpret_cast<const std::uint8_t*>(bytes.data()), 100, &written),
              HID_UART_SUCCESS);
    EXPECT_EQ(written, 100u);
    ASSERT_EQ(bridges[0]->written.size(), 2u);
    EXPECT_EQ(bridges[0]->WrittenBytes(), bytes);
    bridges[0]->failWrites = true;
    EXPECT_EQ(lib.HidUart_Write(dev, reinterpret_cast<const std::uint8_t*>(bytes.data()), 100, &written),
              HID_UART_WRITE_ERROR);
}

TEST_F(HidUartLibraryTest, LatchReadAndWrite)
{
    HID_UART_DEVICE dev = nullptr;
    ASSERT_EQ(lib.HidUart_Open(&dev, 0, 0x10C4, 0x868F), HID_UART_SUCCESS);
    std::uint16_t latch = 0;
    ASSERT_EQ(lib.HidUart_ReadLatch(dev, &latch), HID_UART_SUCCESS);
    EXPECT_EQ(latch, 0x8001);
    ASSERT_EQ(lib.HidUart_WriteLatch(dev, 0x8001, 0xFFFF), HID_UART_SUCCESS);
    EXPECT_EQ(bridges[1]->features.back(), (HidReport{0x45, 0x80, 0x01, 0xFF, 0xFF}));
}

TEST_F(HidUartLibraryTest, PermissionDeniedIsItsOwnErrorNamingTheUdevRule)
{
    bridges[1]->permissionDenied = true;
    HID_UART_DEVICE dev = nullptr;
    EXPECT_EQ(lib.HidUart_Open(&dev, 0, 0x10C4, 0x868F), HID_UART_DEVICE_ACCESS_ERROR);
    EXPECT_EQ(dev, nullptr);

    HidUartLink link(lib, 0, 0x10C4, 0x868F, 1500000);
    std::string problem;
    EXPECT_FALSE(link.Open(&problem));
    EXPECT_NE(problem.find("/dev/hidraw2"), std::string::npos);
    EXPECT_NE(problem.find(kUdevInstallCommand), std::string::npos);
    EXPECT_NE(problem.find("permission"), std::string::npos);
    EXPECT_EQ(problem.find("instrument found"), std::string::npos);
    EXPECT_EQ(lib.HidUart_Open(&dev, 5, 0x10C4, 0x868F), HID_UART_DEVICE_NOT_FOUND);
}

TEST_F(HidUartLibraryTest, LinkOpensConfiguredAndReadsBack)
{
    HidUartLink link(lib, 0, 0x10C4, 0x868F, 230400);
    ASSERT_TRUE(link.Open(nullptr));
    EXPECT_EQ(link.BaudRate(), 230400);
    bridges[1]->QueueBytes("hello");
    std::string got;
    EXPECT_TRUE(link.ReadAvailable(got));
    EXPECT_EQ(got, "hello");
    link.Close();
    EXPECT_FALSE(bridges[1]->open);
    EXPECT_FALSE(link.ReadAvailable(got));
}

} // namespace

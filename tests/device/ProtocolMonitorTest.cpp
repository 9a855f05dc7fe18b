#include "device/ProtocolMonitor.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

TEST(ProtocolMonitor, RendersControlBytesByNameOthersAsHex)
{
    EXPECT_EQ(RenderReceivedBytes(std::string("\x05\x06\x15" "A\0\xFF", 6)),
              "<ENQ><ACK><NAK>[41][00][FF]");
}

TEST(ProtocolMonitor, LogsOnlyWhileEnabledAndFallsBackToText)
{
    ProtocolMonitor m;
    m.LogTraffic("VeSr", "VAMOK");
    EXPECT_TRUE(m.SentLines().empty());
    m.SetEnabled(true);
    m.LogTraffic("VeSr", "\x06");
    m.LogTraffic("Gr\x01", "");
    ASSERT_EQ(m.SentLines().size(), 2u);
    EXPECT_EQ(m.SentLines()[1], "Gr\x01");
    EXPECT_EQ(m.ReceivedLines()[0], "<ACK>");
    EXPECT_EQ(m.ReceivedLines()[1], "[47][72][01]");
}

TEST(ProtocolMonitor, ListEmptiedOnceItHoldsMoreThanTheLimit)
{
    ProtocolMonitor m;
    m.SetEnabled(true);
    for (std::size_t i = 0; i <= ProtocolMonitor::kMaxLines; ++i)
        m.LogTraffic("x", "");
    EXPECT_EQ(m.SentLines().size(), ProtocolMonitor::kMaxLines + 1);
    m.LogTraffic("y", "");
    ASSERT_EQ(m.SentLines().size(), 1u);
    EXPECT_EQ(m.SentLines()[0], "y");
}

} // namespace

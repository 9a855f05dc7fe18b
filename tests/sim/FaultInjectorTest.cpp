#include "SimTestHelpers.h"
#include "sim/FaultInjector.h"

#include <gtest/gtest.h>

using namespace vamok::sim;
using vamok::sim::test::Framed;

namespace {
Answer FramedAnswer(const std::string& payload)
{
    return {"X", Framed(payload), true};
}
} // namespace

TEST(SimFaults, IgnoreEveryNthCommand)
{
    FaultInjector faults({3, 0, false});
    std::string pattern;
    for (int i = 0; i < 7; ++i)
        pattern += faults.shape(FramedAnswer("SER")).empty() ? '-' : 'A';
    EXPECT_EQ(pattern, "AA-AA-A");
}

TEST(SimFaults, SilentAfterNCommandsForGood)
{
    FaultOptions options;
    options.silentAfter = 3;
    options.ignoreEvery = 2;
    FaultInjector faults(options);
    std::string pattern;
    for (int i = 0; i < 7; ++i)
        pattern += faults.shape(FramedAnswer("SER")).empty() ? '-' : 'A';
    EXPECT_EQ(pattern, "A-A----");
}

TEST(SimFaults, CorruptFramedChecksumStaysUpperCaseButWrong)
{
    FaultInjector faults({0, 2, false});
    EXPECT_EQ(faults.shape(FramedAnswer("MES")), Framed("MES"));
    const std::string damaged = faults.shape(FramedAnswer("MES"));
    EXPECT_EQ(damaged, "\x02" "MES" "E6" "\x03");
    const std::string wraps = [&] {
        faults.shape(FramedAnswer("MES"));
        // Payload sum 0xFF: the damaged checksum wraps round to 00.
        return faults.shape(FramedAnswer("\xFF"));
    }();
    EXPECT_EQ(wraps, "\x02\xFF" "00" "\x03");
}

TEST(SimFaults, CorruptAltarimBreaksTheStartText)
{
    FaultInjector faults({0, 1, false});
    EXPECT_EQ(faults.shape({"VeSr", "VAMOK altarim", false}), "vAMOK altarim");
}

TEST(SimFaults, SilentAnswersCountAsCommandsButNotAsAnswers)
{
    FaultInjector faults({0, 2, false});
    EXPECT_EQ(faults.shape({"xx", "", false}), "");
    EXPECT_EQ(faults.shape(FramedAnswer("SER")), Framed("SER"));
    EXPECT_NE(faults.shape(FramedAnswer("SER")), Framed("SER"));
}

TEST(SimFaults, GarbageComesBeforeTheAnswerAndHoldsNoProtocolBytes)
{
    FaultInjector faults({0, 0, true});
    for (int i = 0; i < 10; ++i) {
        const std::string bytes = faults.shape(FramedAnswer("SER"));
        const std::size_t stx = bytes.find('\x02');
        ASSERT_NE(stx, std::string::npos);
        EXPECT_GE(stx, 3u);
        EXPECT_LE(stx, 7u);
        EXPECT_EQ(bytes.substr(stx), Framed("SER"));
        for (unsigned char c : bytes.substr(0, stx)) {
            EXPECT_FALSE(c == 0x02 || c == 0x03 || c == 0x06 || c == 0x15) << int(c);
            EXPECT_FALSE(c >= 'A' && c <= 'Z') << int(c);
        }
    }
}

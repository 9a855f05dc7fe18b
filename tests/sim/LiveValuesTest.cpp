#include "SimTestHelpers.h"
#include "sim/Firmware.h"
#include "sim/LiveValues.h"

#include <gtest/gtest.h>

using namespace vamok::sim;
using vamok::sim::test::Bytes;

TEST(SimLiveValues, AltarimBinaryMarkers)
{
    const LiveValues live = {{"Temp", 22.4},  {"Feu", 46.8},     {"Lae", 47.9},  {"LaeM", 49.2},
                             {"Bel", 512},    {"Fre", 121.5},    {"Hell", 185.3}, {"Battery", 8.912},
                             {"Wind", 0.12},  {"WindMin", 0.14}, {"WindT", 22.1}, {"AnemometerBattery", 3.705},
                             {"GT", 23.4}};
    const std::string expected = "MESS" + ("M0" + Bytes({0x00, 0xE0})) + ("M1" + Bytes({0x01, 0xD4})) +
                                 ("M2" + Bytes({0x01, 0xDF})) + ("M3" + Bytes({0x01, 0xEC})) +
                                 ("M4" + Bytes({0x02, 0x00})) + ("M5" + Bytes({0x04, 0xBF})) +
                                 ("M6" + Bytes({0x07, 0x3D})) + ("M7" + Bytes({0x22, 0xD0})) +
                                 ("Mb" + Bytes({0x00, 0x0C})) + ("Mc" + Bytes({0x00, 0x0E})) +
                                 ("Md" + Bytes({0x00, 0xDD})) + ("Me" + Bytes({0x0E, 0x79}));
    EXPECT_EQ(AltarimLiveReply(live), expected); // no globe sensor: no "Mf"
}

TEST(SimLiveValues, AltarimMissingValueIsFfff)
{
    const std::string reply = AltarimLiveReply({});
    EXPECT_EQ(reply.substr(4, 4), "M0\xFF\xFF");
    EXPECT_EQ(reply.size(), 4u + 12u * 4u);
}

TEST(SimLiveValues, RixSignedTemperaturesAndFirmwareMarkers)
{
    const LiveValues live = {{"Temp", -2.0}, {"CO2", 650}, {"TIR", 31.2}};
    const std::string early = RixLiveReply(live, FirmwareNumber("1.1.3"));
    EXPECT_EQ(early.substr(4, 4), "M0" + Bytes({0xFF, 0xEC}));
    EXPECT_NE(early.find("Mf" + Bytes({0x7F, 0xFF})), std::string::npos); // no globe value
    EXPECT_NE(early.find("Mg" + Bytes({0x02, 0x8A})), std::string::npos);
    EXPECT_EQ(early.find("Mp"), std::string::npos);
    EXPECT_EQ(early.size(), 4u + 14u * 4u);

    const std::string late = RixLiveReply(live, FirmwareNumber("3.0.0"));
    EXPECT_EQ(late.size(), 4u + 20u * 4u);
    EXPECT_NE(late.find("Mp" + Bytes({0xFF, 0xFF})), std::string::npos);
    EXPECT_NE(late.find("Mt"), std::string::npos);
    EXPECT_EQ(late.substr(late.size() - 4), "Mu" + Bytes({0x01, 0x38}));
}

TEST(SimLiveValues, VentiqHexMarkers)
{
    const LiveValues live = {{"Wind", 0.25}, {"WindT", 19.5}, {"AnemometerBattery", 3.705}, {"Temp", 20}};
    EXPECT_EQ(VentiqLiveReply(live), "MESM00019M100C3M2FFFFM70E79");
}

TEST(SimLiveValues, GatewayGlobeAndCo2)
{
    EXPECT_EQ(GatewayValues({{"GT", 23.45}, {"CO2", 500}}), Bytes({0x09, 0x29, 0x01, 0xF4}));
    EXPECT_EQ(GatewayValues({{"GT", -1.5}}), Bytes({0xFF, 0x6A, 0xFF, 0xFF}));
}

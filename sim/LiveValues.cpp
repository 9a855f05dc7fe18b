#include "sim/LiveValues.h"

#include "sim/Firmware.h"
#include "sim/Hex.h"
#include "sim/Reading.h"

#include <vector>

namespace vamok::sim {

namespace {

struct Marker {
    const char* marker;
    const char* key;
    int decimals;
    bool isSigned;
};

const Marker kMarkers[] = {
    {"M0", "Temp", 1, true},       {"M1", "Feu", 1, false},
    {"M2", "Lae", 1, false},       {"M3", "LaeM", 1, false},
    {"M4", "Bel", 0, false},       {"M5", "Fre", 1, false},
    {"M6", "Hell", 1, false},      {"M7", "Battery", 3, false},
    {"Mb", "Wind", 2, false},      {"Mc", "WindMin", 2, false},
    {"Md", "WindT", 1, false},     {"Me", "AnemometerBattery", 3, false},
    {"Mf", "GT", 2, true},         {"Mg", "CO2", 0, false},
    {"Mp", "VOC", 0, false},       {"Mq", "CO", 0, false},
    {"Mr", "PM1u0", 0, false},     {"Ms", "PM2u5", 0, false},
    {"Mt", "PM10u", 0, false},     {"Mu", "TIR", 1, true},
};

const Marker& MarkerOf(const std::string& marker)
{
    for (const auto& m : kMarkers)
        if (marker == m.marker)
            return m;
    return kMarkers[0];
}

std::uint16_t WordOf(const LiveValues& values, const Marker& m, std::uint16_t noValue)
{
    const auto it = values.find(m.key);
    if (it == values.end())
        return noValue;
    return ScaledWord(it->second, m.decimals, m.isSigned);
}

std::string BinaryMarkers(const LiveValues& values, const std::vector<std::string>& markers, bool usbCodes)
{
    std::string out = "MESS";
    for (const auto& name : markers) {
        const Marker& m = MarkerOf(name);
        const bool sevenFff = usbCodes && (name == "M0" || name == "Mf" || name == "Mu");
        const std::uint16_t word = WordOf(values, m, sevenFff ? 0x7FFF : 0xFFFF);
        out += name;
        out += static_cast<char>(word >> 8);
        out += static_cast<char>(word & 0xFF);
    }
    return out;
}

} // namespace

bool IsLiveKey(const std::string& key)
{
    for (const auto& m : kMarkers)
        if (key == m.key)
            return true;
    return false;
}

std::string AltarimLiveReply(const LiveValues& values)
{
    return BinaryMarkers(values, {"M0", "M1", "M2", "M3", "M4", "M5", "M6", "M7", "Mb", "Mc", "Md", "Me"}, false);
}

std::string RixLiveReply(const LiveValues& values, long firmware)
{
    std::vector<std::string> markers = {"M0", "M1", "M2", "M3", "M4", "M5", "M6", "M7",
                                        "Mb", "Mc", "Md", "Me", "Mf", "Mg"};
    if (firmware >= kRixGas)
        markers.insert(markers.end(), {"Mp", "Mq"});
    if (firmware >= kRixDust)
        markers.insert(markers.end(), {"Mr", "Ms", "Mt"});
    if (firmware >= kRixInfrared)
        markers.push_back("Mu");
    return BinaryMarkers(values, markers, true);
}

std::string VentiqLiveReply(const LiveValues& values)
{
    std::string out = "MES";
    const std::pair<const char*, const char*> fields[] = {
        {"M0", "Mb"}, {"M1", "Md"}, {"M2", "Mc"}, {"M7", "Me"}};
    for (const auto& [sent, meaning] : fields) {
        const std::uint16_t word = WordOf(values, MarkerOf(meaning), 0xFFFF);
        out += sent;
        out += HexByte(word >> 8);
        out += HexByte(word & 0xFF);
    }
    return out;
}

std::string GatewayValues(const LiveValues& values)
{
    std::string out;
    for (const char* name : {"Mf", "Mg"}) {
        const std::uint16_t word = WordOf(values, MarkerOf(name), 0xFFFF);
        out += static_cast<char>(word >> 8);
        out += static_cast<char>(word & 0xFF);
    }
    return out;
}

} // namespace vamok::sim

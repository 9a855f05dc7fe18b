#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace vamok::sim {

// The quantities an instrument stores per workplace.
enum class Reading {
    Temp, Feu, Lae, LaeM, Bel, Fre, Hell, SWK, LdS, LdW, MUK, LdMon, LdUmg,
    Wind, WindT, WindI, WindTI, WindII, WindTII, WindIII, WindTIII,
    GT, CO2, VOC, CO, LaeUser, LaeDauer, CPeak, CPeakUser,
    Tu, TuI, TuII, TuIII, PM1u0, PM2u5, PM10u, TIR, Emiss,
};

struct ReadingInfo {
    Reading reading;
    const char* key; // key in the state file
    int decimals;    // stored word = physical value × 10^decimals (unless a layout says otherwise)
    bool isSigned;   // may go below zero (two's complement)
};

const ReadingInfo& InfoOf(Reading r);
std::optional<Reading> ReadingByKey(const std::string& key);

using ReadingValues = std::map<Reading, double>; // absent: the instrument has no value

// One stored workplace as the instrument holds it (texts in code page 1252).
struct Workplace {
    int number = 0; // 1..99
    std::string name;
    std::string type = "NONE";
    int profile = 1;
    std::optional<std::int64_t> time; // seconds since 2000-01-01 00:00:00
    ReadingValues values;
};

// Word of a 16-bit reading: value × 10^decimals rounded, kept clear of the
// no-value codes (0x7FFF for signed words, 0xFFFE/0xFFFF for unsigned ones).
std::uint16_t ScaledWord(double value, int decimals, bool isSigned);

} // namespace vamok::sim

#include "sim/MemoryRecord.h"

#include "sim/Firmware.h"
#include "sim/TextCodec.h"

#include <array>
#include <optional>

namespace vamok::sim {

namespace {

struct Slot {
    std::optional<Reading> reading; // empty: an unused word
    std::uint16_t noValue;
    int decimals;   // scaling of the word
    bool isSigned;  // two's complement
};

Slot Plain(Reading r, std::uint16_t noValue = 0xFFFF)
{
    const auto& info = InfoOf(r);
    return {r, noValue, info.decimals, info.isSigned};
}

void PutWord(std::string& out, std::size_t offset, std::uint16_t word)
{
    out[offset] = static_cast<char>(word >> 8);
    out[offset + 1] = static_cast<char>(word & 0xFF);
}

std::uint16_t WordOf(const Workplace& wp, const Slot& slot)
{
    if (!slot.reading)
        return slot.noValue;
    const auto it = wp.values.find(*slot.reading);
    if (it == wp.values.end())
        return slot.noValue;
    return ScaledWord(it->second, slot.decimals, slot.isSigned);
}

void PutWords(std::string& out, std::size_t offset, const Workplace& wp, const Slot* slots, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        PutWord(out, offset + 2 * i, WordOf(wp, slots[i]));
}

void PutTime(std::string& out, std::size_t offset, const Workplace& wp)
{
    const std::uint32_t seconds = wp.time ? static_cast<std::uint32_t>(*wp.time) : 0xFFFFFFFFu;
    for (int i = 0; i < 4; ++i)
        out[offset + i] = static_cast<char>((seconds >> (24 - 8 * i)) & 0xFF);
}

std::string Header(const Workplace& wp, std::size_t size, std::size_t nameWidth, bool displayCodes)
{
    std::string out(size, '\0');
    out[0] = static_cast<char>(wp.number);
    std::string name = FixedWidth(wp.name, nameWidth);
    std::string type = FixedWidth(wp.type, 4);
    if (displayCodes) {
        name = ToDisplayCodes(name);
        type = ToDisplayCodes(type);
    }
    out.replace(1, nameWidth, name);
    out.replace(1 + nameWidth, 4, type);
    return out;
}

// Altarim reading words in their order from reading byte 0 (early firmware).
const std::array<Slot, 23> kAltarimWords = {
    Plain(Reading::Temp), Plain(Reading::Feu), Plain(Reading::Lae), Plain(Reading::LaeM),
    Plain(Reading::Bel), Plain(Reading::Fre), Plain(Reading::LdS), Plain(Reading::LdW),
    Plain(Reading::SWK), Plain(Reading::LdMon), Plain(Reading::LdUmg), Plain(Reading::MUK),
    Slot{std::nullopt, 0xFFFF, 0, false}, Plain(Reading::Wind), Plain(Reading::WindI),
    Plain(Reading::WindII), Plain(Reading::WindIII), Plain(Reading::WindT), Plain(Reading::WindTI),
    Plain(Reading::WindTII), Plain(Reading::WindTIII),
    // Globe temperature and CO2 come from a Quadrovan gateway, never from the
    // altarim itself.
    Slot{std::nullopt, 0xFFFE, 0, false}, Slot{std::nullopt, 0xFFFE, 0, false}};

const Slot kGlobe{Reading::GT, 0x7FFF, 2, true};

const std::array<Slot, 38> kRixWords = {
    Plain(Reading::Temp, 0x7FFF), Plain(Reading::Feu, 0x7FFF), Plain(Reading::Wind),
    Plain(Reading::WindT), Plain(Reading::WindI), Plain(Reading::WindTI), Plain(Reading::WindII),
    Plain(Reading::WindTII), Plain(Reading::WindIII), Plain(Reading::WindTIII), Plain(Reading::Lae),
    Plain(Reading::LaeM), Plain(Reading::Bel), Plain(Reading::Fre), Plain(Reading::Hell),
    Plain(Reading::LdS), Plain(Reading::LdW), Plain(Reading::SWK), Plain(Reading::LdMon),
    Plain(Reading::LdUmg), Plain(Reading::MUK), kGlobe, Plain(Reading::CO2), Plain(Reading::LaeUser),
    Plain(Reading::LaeDauer), Plain(Reading::CPeak), Plain(Reading::CPeakUser),
    // Turbulence in tenths of a percent.
    Slot{Reading::Tu, 0xFFFF, 1, false}, Slot{Reading::TuI, 0xFFFF, 1, false},
    Slot{Reading::TuII, 0xFFFF, 1, false}, Slot{Reading::TuIII, 0xFFFF, 1, false},
    Plain(Reading::VOC), Plain(Reading::CO), Plain(Reading::PM1u0), Plain(Reading::PM2u5),
    Plain(Reading::PM10u), Plain(Reading::TIR, 0x7FFF), Plain(Reading::Emiss)};

const std::array<Slot, 11> kVentiqWords = {
    Plain(Reading::Wind), Plain(Reading::WindT), Plain(Reading::WindI), Plain(Reading::WindTI),
    Plain(Reading::TuI), Plain(Reading::WindII), Plain(Reading::WindTII), Plain(Reading::TuII),
    Plain(Reading::WindIII), Plain(Reading::WindTIII), Plain(Reading::TuIII)};

constexpr std::size_t kAltarimReadings = 14;
constexpr std::size_t kAltarimSize = kAltarimReadings + 62;

} // namespace

std::string AltarimRecord(const Workplace& wp, bool withLuminance)
{
    std::string out = Header(wp, kAltarimSize, 8, true);
    std::fill(out.begin() + kAltarimReadings, out.end(), '\xFF');
    // Words before LdS keep their place; with a luminance sensor the
    // luminance word comes next and everything after it moves by two bytes.
    constexpr std::size_t kBeforeLuminance = 6;
    PutWords(out, kAltarimReadings, wp, kAltarimWords.data(), kBeforeLuminance);
    std::size_t next = kAltarimReadings + 2 * kBeforeLuminance;
    if (withLuminance) {
        PutWord(out, next, WordOf(wp, Plain(Reading::Hell)));
        next += 2;
    }
    PutWords(out, next, wp, kAltarimWords.data() + kBeforeLuminance, kAltarimWords.size() - kBeforeLuminance);
    return out;
}

std::string QuadrovanRecord(const Workplace& wp)
{
    std::string out = AltarimRecord(wp, true).substr(0, 67);
    out.resize(71, '\0');
    PutWord(out, 67, WordOf(wp, Slot{Reading::GT, 0xFFFE, 2, true}));
    PutWord(out, 69, WordOf(wp, Slot{Reading::CO2, 0xFFFE, 0, false}));
    return out;
}

int RixWordCount(long firmware)
{
    if (firmware >= kRixInfrared)
        return 38;
    if (firmware >= kRixDust)
        return 36;
    if (firmware >= kRixGas)
        return 33;
    if (firmware >= kRixTurbulence)
        return 31;
    if (firmware >= kRixCPeak)
        return 27;
    return 25;
}

std::string RixRecord(const Workplace& wp, long firmware)
{
    constexpr std::size_t kReadings = 91;
    const auto words = static_cast<std::size_t>(RixWordCount(firmware));
    std::string out = Header(wp, kReadings + 2 * words, 20, false);
    out[26] = static_cast<char>(wp.profile);
    PutTime(out, 27, wp);
    PutWords(out, kReadings, wp, kRixWords.data(), words);
    return out;
}

std::string VentiqRecord(const Workplace& wp)
{
    constexpr std::size_t kReadings = 51;
    std::string out = Header(wp, kReadings + 2 * kVentiqWords.size(), 20, false);
    if (wp.time)
        PutTime(out, 27, wp);
    else
        std::fill(out.begin() + 26, out.begin() + 31, '\xFF');
    PutWords(out, kReadings, wp, kVentiqWords.data(), kVentiqWords.size());
    return out;
}

} // namespace vamok::sim

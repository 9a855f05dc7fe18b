#pragma once
// The texts and step intervals of the large live display's two scrolling
// lines, and their run flags, as kept in the settings store.
#include <optional>
#include <string>

namespace vamok {

inline constexpr int kMinTickSpeed = 15;
inline constexpr int kMaxTickSpeed = 100;
inline constexpr int kDefaultTickSpeed = 15;

struct TickerSettings {
    std::string upperText = "Ingenieurb\xFCro QAL: Innovation, Kreativit\xE4t, Flexibilit\xE4t";
    std::string lowerText = "VAMOK rix: DAS Multimessger\xE4t zur komfortablen Arbeitsplatz-Analyse";
    int upperSpeedMs = kDefaultTickSpeed;
    int lowerSpeedMs = kDefaultTickSpeed;
    bool operator==(const TickerSettings&) const = default;
};

// "NOLauftextOben", "NOLauftextUnten", "NOTickSpeedOben", "NOTickSpeedUnten";
// a missing value gives the default, a speed outside 15..100 is brought
// into that range.
TickerSettings LoadTickerSettings();
void StoreTickerSettings(const TickerSettings& settings);

// "NOLTObenAktiv" / "NOLTUntenAktiv": whether a line runs; nothing when the
// value is missing.
std::optional<bool> LoadTickerRuns(bool upper);
void StoreTickerRuns(bool upper, bool runs);

} // namespace vamok

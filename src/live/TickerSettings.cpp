#include "live/TickerSettings.h"

#include "core/SettingsStore.h"

#include <algorithm>

namespace vamok {

namespace {

int Speed(const char* name, int fallback)
{
    return std::clamp(Settings().readInt("", name).value_or(fallback), kMinTickSpeed, kMaxTickSpeed);
}

const char* RunsName(bool upper) { return upper ? "NOLTObenAktiv" : "NOLTUntenAktiv"; }

} // namespace

TickerSettings LoadTickerSettings()
{
    TickerSettings s;
    s.upperText = Settings().readText("", "NOLauftextOben").value_or(s.upperText);
    s.lowerText = Settings().readText("", "NOLauftextUnten").value_or(s.lowerText);
    s.upperSpeedMs = Speed("NOTickSpeedOben", s.upperSpeedMs);
    s.lowerSpeedMs = Speed("NOTickSpeedUnten", s.lowerSpeedMs);
    return s;
}

void StoreTickerSettings(const TickerSettings& s)
{
    Settings().writeText("", "NOLauftextOben", s.upperText);
    Settings().writeText("", "NOLauftextUnten", s.lowerText);
    Settings().writeInt("", "NOTickSpeedOben", std::clamp(s.upperSpeedMs, kMinTickSpeed, kMaxTickSpeed));
    Settings().writeInt("", "NOTickSpeedUnten", std::clamp(s.lowerSpeedMs, kMinTickSpeed, kMaxTickSpeed));
}

std::optional<bool> LoadTickerRuns(bool upper)
{
    if (!Settings().exists("", RunsName(upper)))
        return std::nullopt;
    return Settings().flag(RunsName(upper));
}

void StoreTickerRuns(bool upper, bool runs)
{
    Settings().writeInt("", RunsName(upper), runs ? 1 : 0);
}

} // namespace vamok

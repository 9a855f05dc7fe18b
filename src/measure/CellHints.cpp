#include "measure/CellHints.h"

#include "comfort/Pmv.h"
#include "types/FixedText.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace vamok {

namespace {

// A whole text that is a decimal number with the locale's separator.
std::optional<double> LocaleNumber(const std::string& text, char sep)
{
    std::string plain = text;
    for (char& c : plain)
        if (c == sep)
            c = '.';
        else if (c == '.')
            return std::nullopt;
    double value = 0;
    const char* end = plain.data() + plain.size();
    const auto [ptr, ec] = std::from_chars(plain.data(), end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string Joined(const std::string& a, const std::string& b) { return a + "\r\n" + b; }

CellHint Aqua(std::string text) { return {std::move(text), true, false}; }

std::string SeriesHint(const std::string& windT, const std::string& tu, const HintContext& c)
{
    std::string text = c.words.at + windT + "\xB0" "C";
    if (c.turbulenceShown)
        text += "-" + c.words.turbulence + " " + tu + "%";
    return text;
}

std::string ProfileName(const std::string& profile, const HintContext& c)
{
    int n = -1;
    const char* end = profile.data() + profile.size();
    const auto [ptr, ec] = std::from_chars(profile.data(), end, n);
    if (ec != std::errc() || ptr != end || n < 0 || n > 9)
        return "--N/A--";
    return c.profileNames[static_cast<std::size_t>(n)];
}

} // namespace

CellHint HeaderHint(ColumnKind kind, const std::string& headerText)
{
    std::string text = headerText;
    if (kind == ColumnKind::WindIII)
        text += " - 1,1m ";
    else if (kind == ColumnKind::WindII)
        text += " - 0,6m ";
    else if (kind == ColumnKind::WindI)
        text += " - 0,1m ";
    return {text, false, false};
}

CellHint RowHint(ColumnKind kind, const RowTexts& t, const HintContext& c)
{
    switch (kind) {
    case ColumnKind::WindIII: return Aqua(SeriesHint(t.WindTIII, t.TuIII, c));
    case ColumnKind::WindII: return Aqua(SeriesHint(t.WindTII, t.TuII, c));
    case ColumnKind::WindI: return Aqua(SeriesHint(t.WindTI, t.TuI, c));
    case ColumnKind::Wind: return Aqua(c.words.at + t.WindT + "\xB0" "C");
    case ColumnKind::GT:
        if (!c.valuesAreGlobe)
            return Aqua({});
        return Aqua("MST: " + TmrtText(t.Temp, t.GT, c.airVelocity100));
    case ColumnKind::PMV1: return Aqua("PPD: " + PPDText(t.PMV1));
    case ColumnKind::PMV2: return Aqua("PPD: " + PPDText(t.PMV2));
    case ColumnKind::PMV3: return Aqua("PPD: " + PPDText(t.PMV3));
    case ColumnKind::MUK: return Aqua("M: " + t.LdMon + "   U: " + t.LdUmg);
    case ColumnKind::SWK: return Aqua("S: " + t.LdS + "   W: " + t.LdW);
    case ColumnKind::LaeUser: return Aqua(Joined(c.words.noiseDuration + ":", t.LaeDauer + " s"));
    case ColumnKind::MessZeit: return Aqua(Joined(c.words.measuringTime + ": ", t.MessZeit));
    case ColumnKind::Profile: return Aqua(ProfileName(t.Profile, c));
    case ColumnKind::Temp:
    case ColumnKind::Feu:
        return Aqua(c.words.dewPoint + ": " + DewPointText(t.Temp, t.Feu, c.decimalSep) + "\xB0" "C");
    case ColumnKind::TIR: return Aqua("Emissionsgrad: " + t.Emiss);
    default: break;
    }
    return {{}, false, true};
}

std::string DewPointText(const std::string& temp, const std::string& humidity, char sep)
{
    const double t = LocaleNumber(temp, sep).value_or(-999);
    const double rh = LocaleNumber(humidity, sep).value_or(-999);
    const std::string none = std::string("--") + sep + "-";
    // Below -243,12 °C the formula has no meaning (and divides by zero).
    if (!(rh / 100 > 0) || t == -999 || t > 60 || t <= -243.12)
        return none;
    const double gamma = std::log(rh / 100) + 17.62 * t / (t + 243.12);
    const double dewPoint = 243.12 * gamma / (17.62 - gamma);
    if (!std::isfinite(dewPoint))
        return none;
    return FixedText(dewPoint, 1, sep);
}

} // namespace vamok

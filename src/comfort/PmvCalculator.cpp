#include "comfort/PmvCalculator.h"

#include "core/AppState.h"
#include "comfort/Pmv.h"
#include "types/FixedText.h"

#include <cmath>

namespace vamok {

namespace {

// The edit's number times `scale`, rounded (halves to even); 0 when it is
// not a number. Far too large numbers are held at a value that is out of
// every valid range.
int Scaled(const std::string& text, int scale, bool& ok)
{
    const std::optional<long double> value = ReadLocaleNumber(text, App().DecimalSep);
    ok = value.has_value();
    if (!ok)
        return 0;
    const long double scaled = std::rint(*value * scale);
    return static_cast<int>(std::fmax(-1e9L, std::fmin(1e9L, scaled)));
}

struct ScaledInput {
    int ta10, t10, rh10, v100, clo100, met100;
};

void Compute(const PmvCalculatorInput& input, const ScaledInput& in, bool globe15, std::string& meanRadiant,
             std::string& pmv, std::string& ppd)
{
    const char sep = App().DecimalSep;
    if (input.globeMode) {
        const int tr100 = ComputeTmrt(in.v100, in.t10, in.ta10, globe15 ? kStandardGlobeDiameter : kGlobeDiameter);
        // A failed conversion is no temperature; show the placeholder.
        meanRadiant = tr100 == kNoTmrt ? std::string("--") + sep + "-" : FixedText(tr100 / 100.0L, 1, sep);
    }
    pmv = PMVText(ComputePMV(in.ta10, in.t10, in.rh10, globe15, input.globeMode, in.met100, in.clo100, in.v100));
    ppd = PPDText(pmv);
}

} // namespace

std::optional<long double> ReadLocaleNumber(const std::string& text, char sep)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const std::string t = text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::size_t i = 0;
    const bool negative = t[i] == '-';
    if (t[i] == '-' || t[i] == '+')
        ++i;
    long double value = 0;
    long double unit = 0; // place value of the next fraction digit; 0 before the separator
    bool digits = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            if (unit == 0) {
                value = value * 10 + (c - '0');
            } else {
                value += (c - '0') * unit;
                unit /= 10;
            }
        } else if (c == sep && unit == 0) {
            unit = 0.1L;
        } else {
            return std::nullopt;
        }
    }
    if (!digits || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

PmvCalculatorResult CalculatePmv(const PmvCalculatorInput& input)
{
    PmvCalculatorResult result;
    ScaledInput in{};
    in.ta10 = Scaled(input.airTemperature, 10, result.airTemperatureOk);
    in.rh10 = Scaled(input.humidity, 10, result.humidityOk);
    in.t10 = Scaled(input.globeMode ? input.globeTemperature : input.meanRadiantTemperature, 10, result.temperatureOk);
    in.v100 = Scaled(input.airVelocity, 100, result.airVelocityOk);
    in.clo100 = Scaled(input.clo, 100, result.cloOk);
    in.met100 = Scaled(input.met, 100, result.metOk);
    if (!result.InputOk())
        return result;
    Compute(input, in, false, result.meanRadiant16, result.pmv16, result.ppd16);
    if (input.secondColumn)
        Compute(input, in, true, result.meanRadiant15, result.pmv15, result.ppd15);
    return result;
}

std::string SummerCloText()
{
    return FixedText(0.60L, 2, App().DecimalSep);
}

std::string MeanCloText()
{
    return FixedText(0.90L, 2, App().DecimalSep);
}

std::string WinterCloText()
{
    return FixedText(1.20L, 2, App().DecimalSep);
}

std::string DefaultMetText()
{
    return FixedText(1.30L, 2, App().DecimalSep);
}

} // namespace vamok

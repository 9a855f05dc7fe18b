#include "comfort/Pmv.h"

#include "core/AppState.h"
#include "types/FixedText.h"
#include "types/Rating.h"

#include <climits>
#include <cmath>
#include <optional>

namespace vamok {

namespace {

using Real = long double;

// base^exponent for a fractional exponent as the program has always
// computed it: 0 to a positive power is 0, otherwise exp(exponent x ln base);
// nothing for a negative base.
std::optional<Real> Power(Real base, Real exponent)
{
    if (base == 0)
        return exponent > 0 ? std::optional<Real>(0) : std::nullopt;
    if (base < 0)
        return std::nullopt;
    return std::exp(exponent * std::log(base));
}

Real Fourth(Real value)
{
    const Real square = value * value;
    return square * square;
}

// The fourth root of a non-negative value (0 for 0).
Real FourthRoot(Real value)
{
    return std::sqrt(std::sqrt(value));
}

// Rounded to the nearest integer, halves to even (the default rounding mode); nothing when it does not
// fit an int.
std::optional<int> Rounded(Real value)
{
    const Real r = std::rint(value);
    if (!std::isfinite(r) || r < INT_MIN || r > INT_MAX)
        return std::nullopt;
    return static_cast<int>(r);
}

bool InRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

} // namespace

int ComputeTmrt(int v100, int tg10, int ta10, long double diameter)
{
    const Real tg = tg10 / Real(10), ta = ta10 / Real(10), v = v100 / Real(100);
    const Real delta = tg - ta;
    const Real natural = FourthRoot(std::fabs(delta) / diameter);
    const std::optional<Real> vPower = Power(v, 0.6L);
    const std::optional<Real> dPower = Power(diameter, 0.4L);
    if (!vPower || !dPower || *dPower == 0)
        return kNoTmrt;
    const Real hNatural = 1.4L * natural;
    const Real hForced = 6.3L * *vPower / *dPower;
    const Real h = hNatural >= hForced ? hNatural : hForced;
    const Real r = Fourth(tg + 273) + h * delta * 17636684.0L / 0.95L;
    if (!(r >= 0))
        return kNoTmrt;
    return Rounded((FourthRoot(r) - 273) * 100).value_or(kNoTmrt);
}

int ComputePMV(int ta10, int t10, int rh10, bool globe15, bool isGlobe, int met100, int clo100, int v100)
{
    if (isGlobe) {
        const int tr100 = ComputeTmrt(v100, t10, ta10, globe15 ? kStandardGlobeDiameter : kGlobeDiameter);
        t10 = tr100 == kNoTmrt ? -999 : tr100 / 10;
    }
    if (!InRange(ta10, 1, 500) || !InRange(rh10, 1, 999) || !InRange(v100, 0, 500) || !InRange(t10, 1, 500)
        || !InRange(clo100, 1, 1000) || !InRange(met100, 1, 1000))
        return kNoPMV;

    const Real ta = ta10 / Real(10), tr = t10 / Real(10), rh = rh10 / Real(10);
    const Real v = v100 / Real(100), clo = clo100 / Real(100), met = met100 / Real(100);

    const Real pa = rh * 10 * std::exp(16.6536L - 4030.183L / (ta + 235));
    const Real icl = 0.155L * clo;
    const Real m = 58.15L * met;
    const Real mw = m; // no external work
    const Real fcl = icl < 0.078L ? 1 + 1.29L * icl : 1.05L + 0.645L * icl;
    const Real hcf = 12.1L * std::sqrt(v);
    const Real taa = ta + 273;
    const Real tra = tr + 273;
    const Real tcla = taa + (35.5L - ta) / (3.5L * (6.45L * icl + 0.1L));
    const Real p1 = icl * fcl;
    const Real p2 = 3.96L * p1;
    const Real p3 = 100 * p1;
    const Real p4 = p1 * taa;
    const Real tra4 = Fourth(tra / 100);
    const Real p5 = 308.7L - 0.028L * mw + p2 * tra4;

    // Clothing surface temperature / 100 by iteration.
    Real xn = tcla / 100;
    Real xf = xn;
    Real hc = 0;
    int n = 0;
    do {
        xf = (xf + xn) / 2;
        const Real hcn = 2.38L * FourthRoot(std::fabs(100 * xf - taa));
        hc = hcf > hcn ? hcf : hcn;
        xn = (p5 + p4 * hc - p2 * Fourth(xf)) / (100 + p3 * hc);
        if (++n > 150 || !std::isfinite(xn))
            return kNoPMV;
    } while (std::fabs(xn - xf) > 0.00015L);

    const Real tcl = 100 * xn - 273;
    const Real hl1 = 0.00305L * (5733 - 6.99L * mw - pa);
    const Real hl2 = mw > 58.15L ? 0.42L * (mw - 58.15L) : 0;
    const Real hl3 = 0.000017L * m * (5867 - pa);
    const Real hl4 = 0.0014L * m * (34 - ta);
    const Real hl5 = 3.96L * fcl * (Fourth(xn) - tra4);
    const Real hl6 = fcl * hc * (tcl - ta);
    const Real ts = 0.303L * std::exp(-0.036L * m) + 0.028L;
    const Real pmv = ts * (mw - hl1 - hl2 - hl3 - hl4 - hl5 - hl6);
    return Rounded(pmv * 100).value_or(kNoPMV);
}

std::string PMVText(int pmv100)
{
    return FixedText(pmv100 / 100.0L, 2, App().DecimalSep);
}

std::string PPDText(const std::string& input)
{
    const char sep = App().DecimalSep;
    std::string text = input;
    std::size_t point = text.find(sep);
    if (point == std::string::npos) {
        text += sep;
        text += "00";
        point = text.find(sep);
    }
    while (text.size() - point - 1 < 2)
        text += '0';
    const std::string missing = std::string("-") + sep + "--";
    const Real pmv = text == missing ? 5 : ReadScaledInt(text, 0, sep) / Real(100);
    const Real pmv2 = pmv * pmv;
    const Real ppd = 100 - 95 * std::exp(-0.03353L * pmv2 * pmv2 - 0.2179L * pmv2);
    if (ppd <= 99.94L)
        return FixedText(ppd, 1, sep) + "%";
    return ">99%";
}

std::string TmrtText(const std::string& taText, const std::string& tgText, int v100)
{
    const char sep = App().DecimalSep;
    if (taText.empty() || tgText.empty())
        return "--.- \xB0" "C";
    const int tr100 = ComputeTmrt(v100, ReadScaledInt(tgText, 0, sep), ReadScaledInt(taText, 0, sep), kGlobeDiameter);
    if (tr100 == kNoTmrt)
        return "--.- \xB0" "C";
    return FixedText(tr100 / 100.0L, 2, sep) + " \xB0" "C";
}

} // namespace vamok

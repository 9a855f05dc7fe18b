// vamok-cli pmv --ta C (--tr C | --tg C) --rh PCT --v M_PER_S --clo CLO
//               --met MET [--globe15] [--json]
// PMV and PPD of one set of conditions, as the measurement table shows them.
#include "cli/Commands.h"

#include "core/AppState.h"
#include "core/TextHelpers.h"
#include "comfort/Pmv.h"
#include "comfort/PmvCalculator.h"
#include "types/FixedText.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <optional>

namespace {

using namespace vamok;

constexpr const char* kUsage = "usage: vamok-cli pmv --ta C (--tr C | --tg C) --rh PCT --v M_PER_S --clo CLO "
                               "--met MET [--globe15] [--json]";

struct Arguments {
    std::map<std::string, std::string> values; // option -> text
    bool globe15 = false;
    bool json = false;
};

std::optional<Arguments> Parse(const CliArgs& args)
{
    static const char* const kValueOptions[] = {"--ta", "--tr", "--tg", "--rh", "--v", "--clo", "--met"};
    Arguments a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--globe15") {
            a.globe15 = true;
            continue;
        }
        if (arg == "--json") {
            a.json = true;
            continue;
        }
        bool known = false;
        for (const char* option : kValueOptions)
            known = known || arg == option;
        if (!known || i + 1 >= args.size() || a.values.count(arg))
            return std::nullopt;
        a.values[arg] = args[++i];
    }
    const bool hasTr = a.values.count("--tr") > 0, hasTg = a.values.count("--tg") > 0;
    if (hasTr == hasTg)
        return std::nullopt;
    for (const char* required : {"--ta", "--rh", "--v", "--clo", "--met"}) {
        if (!a.values.count(required))
            return std::nullopt;
    }
    return a;
}

// The option's number in either notation times `scale`, rounded.
std::optional<int> Scaled(const std::string& text, int scale)
{
    const std::optional<long double> value = ReadLocaleNumber(NormaliseDecimal(text), App().DecimalSep);
    if (!value)
        return std::nullopt;
    const long double scaled = std::rint(*value * scale);
    return static_cast<int>(std::fmax(-1e9L, std::fmin(1e9L, scaled)));
}

} // namespace

int CliPmv(const CliArgs& args)
{
    App().DecimalSep = DecimalSepFromLocale();
    const std::optional<Arguments> a = Parse(args);
    if (!a) {
        std::fprintf(stderr, "%s\n", kUsage);
        return 2;
    }
    const bool isGlobe = a->values.count("--tg") > 0;
    std::map<std::string, int> scaled;
    for (const auto& [option, text] : a->values) {
        const int scale = option == "--v" || option == "--clo" || option == "--met" ? 100 : 10;
        const std::optional<int> value = Scaled(text, scale);
        if (!value) {
            std::fprintf(stderr, "vamok-cli pmv: %s is not a number: '%s'\n", option.c_str(), text.c_str());
            return 2;
        }
        scaled[option] = *value;
    }
    const int pmv = ComputePMV(scaled["--ta"], scaled[isGlobe ? "--tg" : "--tr"], scaled["--rh"], a->globe15, isGlobe,
                               scaled["--met"], scaled["--clo"], scaled["--v"]);
    const bool valid = pmv != kNoPMV;
    const std::string pmvText = valid ? PMVText(pmv) : std::string();
    const std::string ppdText = valid ? PPDText(pmvText) : std::string();
    // The texts are ASCII: digits, sign, separator, "%", ">".
    if (a->json) {
        if (valid)
            std::printf("{\"pmv\": %s, \"ppd\": \"%s\"}\n", FixedText(pmv / 100.0L, 2, '.').c_str(),
                        ppdText.c_str());
        else
            std::printf("{\"pmv\": null, \"ppd\": null}\n");
    } else {
        std::printf("PMV %s\nPPD %s\n", pmvText.c_str(), ppdText.c_str());
    }
    return 0;
}

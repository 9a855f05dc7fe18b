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
#include <iterator>
#include <cstdio>
#include <map>
#include <optional>

namespace {

using namespace vamok;

// The options with a number.
const CliOption kValueOptions[] = {
    {{"ta"}, "C", "air temperature in \xC2\xB0" "C"},
    {{"tr"}, "C", "mean radiant temperature in \xC2\xB0" "C"},
    {{"tg"}, "C", "globe temperature in \xC2\xB0" "C (instead of --tr)"},
    {{"rh"}, "PCT", "relative humidity in %"},
    {{"v"}, "M_PER_S", "air velocity in m/s"},
    {{"clo"}, "CLO", "clothing insulation"},
    {{"met"}, "MET", "activity"},
};

struct Arguments {
    std::map<std::string, std::string> values; // option -> text
    bool globe15 = false;
    bool json = false;
};

std::optional<Arguments> Parse(const CliArguments& args)
{
    Arguments a{{}, args.flag("globe15"), args.flag("json")};
    for (const CliOption& option : kValueOptions) {
        if (const std::optional<std::string> text = args.value(option.names.front()))
            a.values["--" + option.names.front()] = *text;
    }
    std::string problem;
    if (!args.operands().empty())
        problem = "unexpected argument '" + args.operands().front() + "'";
    else if (a.values.count("--tr") == a.values.count("--tg"))
        problem = "needs one of --tr and --tg";
    for (const char* required : {"--ta", "--rh", "--v", "--clo", "--met"}) {
        if (problem.empty() && !a.values.count(required))
            problem = std::string(required) + " is missing";
    }
    if (!problem.empty()) {
        args.UsageError(problem);
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

ExitCode Run(const CliArguments& args)
{
    App().DecimalSep = DecimalSepFromLocale();
    const std::optional<Arguments> a = Parse(args);
    if (!a)
        return ExitCode::Usage;
    const bool isGlobe = a->values.count("--tg") > 0;
    std::map<std::string, int> scaled;
    for (const auto& [option, text] : a->values) {
        const int scale = option == "--v" || option == "--clo" || option == "--met" ? 100 : 10;
        const std::optional<int> value = Scaled(text, scale);
        if (!value) {
            std::fprintf(stderr, "vamok-cli pmv: %s is not a number: '%s'\n", option.c_str(), text.c_str());
            return ExitCode::Usage;
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
    return ExitCode::Done;
}

} // namespace

CliCommand PmvCommand()
{
    std::vector<CliOption> options(std::begin(kValueOptions), std::end(kValueOptions));
    options.push_back({{"globe15"}, "", "--tg was measured with the 15 cm globe (default: 16 cm)"});
    options.push_back({{"json"}, "", "one JSON object"});
    return {"pmv",
            "pmv --ta C (--tr C | --tg C) --rh PCT --v M_PER_S --clo CLO --met MET [--globe15] [--json]",
            "PMV and PPD of one set of conditions, as the measurement table shows them "
            "(numbers with \".\" or the locale's separator)",
            options,
            {},
            Run};
}

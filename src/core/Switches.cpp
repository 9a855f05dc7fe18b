#include "core/Switches.h"

#include "core/AppState.h"

#include <array>

namespace vamok {

namespace {

struct Switch {
    const char* text;
    bool AppState::* flag;
};

// The test order matters: "ZORKESMODE" can never win over "ZORKE", and an
// argument with "MESSE" and "TURB" only sets the trade-fair mode.
constexpr std::array<Switch, 7> kSwitches{{
    {"ZORKE", &AppState::DeveloperMode},
    {"ZORKESMODE", &AppState::DeveloperMode},
    {"MESSE", &AppState::TradeFairMode},
    {"SENSTEST", &AppState::SensorTestMode},
    {"SERDEBUG", &AppState::SerialDebugMode},
    {"VORSCHAU", &AppState::PrintPreview},
    {"TURB", &AppState::TurbulenceMode},
}};

bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

std::string UpperAscii(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

void ScanSwitches(const std::vector<std::string>& args)
{
    AppState& app = App();
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string arg = UpperAscii(args[i]);
        for (const Switch& candidate : kSwitches) {
            if (Contains(arg, candidate.text)) {
                app.*candidate.flag = true;
                if (candidate.flag == &AppState::TurbulenceMode && Contains(arg, "TURB3")) {
                    app.Turbulence3Mode = true;
                }
                break;
            }
        }
    }
}

bool IsMasterCollection(const std::vector<std::string>& args)
{
    for (const std::string& arg : args) {
        if (UpperAscii(arg) == "SPRACHINIT") {
            return true;
        }
    }
    return false;
}

std::string DataFileArgument(const std::vector<std::string>& args)
{
    for (const std::string& arg : args) {
        if (Contains(UpperAscii(arg), ".VAM")) {
            return arg;
        }
    }
    return {};
}

} // namespace vamok

#include "core/ConnectionSettings.h"

#include "core/AppState.h"
#include "core/SettingsStore.h"
#include "core/TextHelpers.h"

#include <array>

namespace vamok {

namespace {

struct KnownModel {
    const char* lastVamok;
    const char* foundValue;
    bool AppState::* flag;
};

constexpr std::array<KnownModel, 3> kModels{{
    {"VamokRix", "Found_Rix", &AppState::FoundRix},
    {"VamokAltarim", "Found_Altarim", &AppState::FoundAltarim},
    {"VamokQuadrovan", "Found_Quadrovan", &AppState::FoundQuadrovan},
}};

} // namespace

void WriteConnectionSettings(int port, const std::string& language)
{
    SettingsStore& store = Settings();
    const unsigned portWord = static_cast<unsigned>(port) & 0xFFFFu;
    store.writeText("", "CommPort", "COM" + std::to_string(portWord));
    store.writeText("", "Sprache", language);
    if (App().UserPathSet) {
        store.writeText("", "UserPath", App().UserPath);
    }
    store.writeInt("", "RixUSB", App().UsbMode ? 1 : 0);
    store.writeInt("", "VentiqUSB", App().VentiqMode ? 1 : 0);
    store.writeInt("", "GlobeCom", App().QuadrovanMode ? 1 : 0);
}

void WriteCommDevice(const std::string& devicePath)
{
    if (devicePath.empty()) {
        Settings().remove("", "CommDevice");
    } else {
        Settings().writeText("", "CommDevice", devicePath);
    }
}

void ReadDeviceHistory()
{
    const SettingsStore& store = Settings();
    App().LastVamok = store.text("LastVamok");
    for (const KnownModel& model : kModels) {
        App().*model.flag = store.flag(model.foundValue);
    }
}

void WriteDeviceHistory()
{
    SettingsStore& store = Settings();
    store.writeText("", "LastVamok", App().LastVamok);
    for (const KnownModel& model : kModels) {
        if (App().LastVamok == model.lastVamok) {
            store.writeInt("", model.foundValue, 1);
            App().*model.flag = true;
        }
    }
}

int ParseCommPort(const std::string& text)
{
    const std::optional<int> number = text.size() > 3 ? ParseInt32(std::string_view(text).substr(3))
                                                      : std::nullopt;
    // Port numbers start at 1; COM0 or a negative number is as unusable as text.
    return number && *number > 0 ? *number : 1;
}

} // namespace vamok

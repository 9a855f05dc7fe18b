#include "app/StartupSettings.h"

#include "core/AppState.h"
#include "core/ConnectionSettings.h"
#include "core/Folders.h"
#include "core/ProfileNameSettings.h"
#include "core/SettingsStore.h"
#include "core/Switches.h"

namespace vamok {

namespace {

bool PrepareFolders()
{
    AppState& app = App();
    bool failure = false;
    app.AppDataPath = AppDataFolder();
    if (!MakeFolder(app.AppDataPath)) {
        failure = true;
    }
    app.ProgramPath = ShippedFilesFolder();
    ReadDeviceHistory();

    const std::optional<std::string> userPath = Settings().readText("", "UserPath");
    app.UserPathSet = userPath.has_value();
    if (userPath) {
        app.UserPath = *userPath;
        if (!MakeFolder(app.UserPath)) {
            failure = true;
        }
    }
    return failure;
}

void ReadProfileNames()
{
    auto& names = App().ProfileNames;
    names[0] = "All";
    names[1] = "Standard";
    for (std::size_t n = 2; n < names.size(); ++n) {
        const std::optional<std::string> stored = Settings().readText("", ProfileValueName(n));
        names[n] = stored ? stored->substr(0, kProfileNameLength) : "User" + std::to_string(n - 1);
    }
    WriteProfileNames();
}

void ReadLinkSelection()
{
    SettingsStore& store = Settings();
    std::optional<std::string> commPort = store.readText("", "CommPort");
    if (!commPort) {
        // A first start defaults to the USB bridge.
        commPort = "COM1";
        store.writeText("", "CommPort", *commPort);
        store.writeInt("", "RixUSB", 1);
    }
    AppState& app = App();
    app.UsbMode = store.flag("RixUSB");
    app.VentiqMode = store.flag("VentiqUSB");
    app.QuadrovanMode = store.flag("GlobeCom");
    app.ComPortNumber = ParseCommPort(*commPort);
    app.ComPortPath = store.text("CommDevice");
}

} // namespace

StartupResult LoadStartupSettings(const std::vector<std::string>& args)
{
    StartupResult result;
    result.folderFailure = PrepareFolders();
    ReadProfileNames();
    ReadLinkSelection();

    AppState& app = App();
    app.SerialDebugMode = false;
    app.PrintPreview = true;
    app.TradeFairMode = false;
    ScanSwitches(args);
    return result;
}

} // namespace vamok

#pragma once
// The process-wide application state: the connection flags, folders, mode
// switches and the few values that every window reads. Texts are CP1252 bytes.
#include <array>
#include <string>
#include <vector>

namespace vamok {

struct AppState {
    // Link selection (stored as "RixUSB", "VentiqUSB", "GlobeCom", "CommPort").
    bool UsbMode = false;
    bool VentiqMode = false;
    bool QuadrovanMode = false;
    int ComPortNumber = 1;
    // An explicit serial device (for example a pseudo-terminal); when not
    // empty it is used instead of the device derived from ComPortNumber.
    std::string ComPortPath;
    // The built-in simulated instrument is the link (./run --demo).
    bool DemoMode = false;

    // Folders, each with a trailing separator.
    bool UserPathSet = false;
    std::string UserPath;
    std::string AppDataPath;
    std::string ProgramPath;

    // 0 "All", 1 "Standard", 2..9 the instrument's user profiles.
    std::array<std::string, 10> ProfileNames{"All", "Standard", "User1", "User2", "User3",
                                             "User4", "User5", "User6", "User7", "User8"};

    // Special operating modes from the command line.
    bool DeveloperMode = false;
    bool SerialDebugMode = false;
    bool TradeFairMode = false;
    bool SensorTestMode = false;
    bool PrintPreview = true;
    bool TurbulenceMode = true;
    bool Turbulence3Mode = true;

    bool ClearDialogCaptions = false;
    char DecimalSep = ',';
    bool MeasurementsModified = false;
    std::string DeviceVersion;

    // Language code from the settings sub-key "Sprache" ("Orginal(Deutsch)"
    // when missing).
    std::string LanguageCode = "Orginal(Deutsch)";

    // Device history ("LastVamok", "Found_*").
    std::string LastVamok;
    bool FoundRix = false;
    bool FoundAltarim = false;
    bool FoundQuadrovan = false;

    // The type names in use on the instrument, entry k for type slot k + 1
    // (the main window's hidden list `UsedAPT` shows it).
    std::vector<std::string> UsedAPT;
};

// The one instance. Tests reset it with `App() = AppState{};`.
AppState& App();

} // namespace vamok

#pragma once
// The main window's decisions, apart from its widgets.
#include <string>
#include <vector>

namespace vamok {

inline constexpr const char* kMainCaption = "VAMOK";
inline constexpr const char* kFolderFailureCaption = "WARNUNG  WARNING";
inline constexpr const char* kFolderFailureText =
    "Pfade f\xFCr Anwendungsdaten konnten nicht erstellt werden!\r\n"
    "Appdata-Paths couldn\xB4t be created!\r\n\r\n"
    "Bitte \xFC" "berpr\xFC" "fen Sie die Installation bzgl. Zugriffsrechten.\r\n"
    "Please check your installation about user-access-rights.";

// A close request is granted while no instrument operation runs (the
// "Online" button is enabled); every fifth request is granted regardless
// and starts the count again.
bool CloseRequestAllowed(bool onlineButtonEnabled, int& requestCounter);

// The predefined workplace type counts as in use: "VAM " is appended when
// no line contains "VAM".
void GuardPredefinedType(std::vector<std::string>& usedTypes);

// Status panel 0: "USB", or the interface text followed by the port number.
std::string InterfacePanelText(bool usbMode, int portNumber, const std::string& interfaceText);

// The text of "Pfade anzeigen".
std::string PathsDisplayText();

// Which instrument commands the link offers.
bool ProfilesAvailable();    // rix over USB
bool ClockAvailable();       // rix or Ventiq over USB
bool KeyboardLockAvailable(); // rix over USB

// The data file named on the command line.
enum class DataFileCheck { Ready, Empty, Unreadable };
DataFileCheck CheckDataFile(const std::string& fileName);

} // namespace vamok

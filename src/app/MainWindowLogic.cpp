#include "app/MainWindowLogic.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/Folders.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace vamok {

namespace {
constexpr int kGrantedRequest = 5;
}

bool CloseRequestAllowed(bool onlineButtonEnabled, int& requestCounter)
{
    ++requestCounter;
    if (requestCounter >= kGrantedRequest) {
        requestCounter = 0;
        return true;
    }
    return onlineButtonEnabled;
}

void GuardPredefinedType(std::vector<std::string>& usedTypes)
{
    const bool listed = std::any_of(usedTypes.begin(), usedTypes.end(), [](const std::string& line) {
        return line.find("VAM") != std::string::npos;
    });
    if (!listed) {
        usedTypes.push_back("VAM ");
    }
}

std::string InterfacePanelText(bool usbMode, int portNumber, const std::string& interfaceText)
{
    return usbMode ? "USB" : interfaceText + std::to_string(portNumber);
}

std::string PathsDisplayText()
{
    return "Folgende Pfade werden aktuell von der\r\nVAMOK-Software verwendet:\r\n\r\n"
           "Benutzer-Pfad:\t" + UserFolder() + "\r\n" +
           "Export-Pfad:" + "\t" + ExportFolder() + "\r\n" +
           "AppData-Pfad:" + "\t" + AppDataFolder() + "\r\n";
}

bool ProfilesAvailable()
{
    return App().UsbMode && !App().VentiqMode;
}

bool ClockAvailable()
{
    return App().UsbMode || App().VentiqMode;
}

bool KeyboardLockAvailable()
{
    return App().UsbMode && !App().VentiqMode;
}

DataFileCheck CheckDataFile(const std::string& fileName)
{
    const QString name = FromCp1252(fileName);
    QFile file(name);
    if (!QFileInfo(name).isFile() || !file.open(QIODevice::ReadOnly)) {
        return DataFileCheck::Unreadable;
    }
    return file.size() == 0 ? DataFileCheck::Empty : DataFileCheck::Ready;
}

} // namespace vamok

#include "device/AccessMessages.h"

#include "core/AppState.h"
#include "device/SerialLink.h"

namespace vamok {
namespace {

constexpr const char* kCrLf = "\r\n";

std::string Fill(std::string text, const OpenFailure& failure)
{
    const int number = ComPortNumberOfDevice(failure.device);
    const std::string port = number > 0 ? " (COM" + std::to_string(number) + ")" : std::string();
    const std::string group = failure.group.empty() ? std::string("dialout") : failure.group;
    const std::pair<const char*, const std::string*> fields[] = {
        {"%1", &failure.device}, {"%2", &port}, {"%3", &group}};
    for (const auto& [marker, value] : fields) {
        for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + value->size()))
            text.replace(at, 2, *value);
    }
    return text;
}

std::string ShellWord(const std::string& text)
{
    const bool plain = !text.empty() && text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                                               "0123456789/._-+") == std::string::npos;
    if (plain)
        return text;
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

std::string ShippedUdevRule() { return App().ProgramPath + "udev/99-vamok.rules"; }

std::string UdevInstallCommand()
{
    return "sudo install -m 644 " + ShellWord(ShippedUdevRule())
        + " /etc/udev/rules.d/ && sudo udevadm control --reload-rules && sudo udevadm trigger";
}

const AccessTexts& DefaultAccessTexts()
{
    static const AccessTexts texts{
        "Keine Berechtigung f\xFCr die Schnittstelle %1%2.",
        "Abhilfe: Ihren Benutzer in die Gruppe \"%3\" aufnehmen (sudo usermod -aG %3 $USER), dann ab- und "
        "wieder anmelden.",
        "Keine Berechtigung f\xFCr die USB-Schnittstelle %1.",
        "Abhilfe: die udev-Regel installieren, dann das Ger\xE4t aus- und wieder einstecken:",
        "Die Schnittstelle %1%2 ist belegt: ein anderes Programm benutzt sie.",
        "keine Berechtigung",
        "belegt",
        "Angeschlossene USB-Schnittstellen:",
    };
    return texts;
}

const AccessTexts& EnglishAccessTexts()
{
    static const AccessTexts texts{
        "No permission to open the serial port %1%2.",
        "Fix: add your user to the group \"%3\" (sudo usermod -aG %3 $USER), then log out and in again.",
        "No permission to open the USB bridge %1.",
        "Fix: install the udev rule, then unplug and replug the instrument:",
        "The serial port %1%2 is busy: another program is using it.",
        "no permission",
        "busy",
        "Attached USB bridges:",
    };
    return texts;
}

std::string AccessRefusalSummary(const OpenFailure& failure, const AccessTexts& texts)
{
    switch (failure.kind) {
    case OpenRefusal::NoPermission:
        return Fill(texts[failure.usbBridge ? AccessNoPermissionBridge : AccessNoPermissionSerial], failure);
    case OpenRefusal::Busy:
        return Fill(texts[AccessBusy], failure);
    case OpenRefusal::Missing:
    case OpenRefusal::Other:
        break;
    }
    return {};
}

std::string AccessRefusalText(const OpenFailure& failure, const AccessTexts& texts)
{
    const std::string summary = AccessRefusalSummary(failure, texts);
    if (failure.kind != OpenRefusal::NoPermission)
        return summary;
    if (failure.usbBridge)
        return summary + kCrLf + Fill(texts[AccessFixBridge], failure) + kCrLf + UdevInstallCommand();
    return summary + kCrLf + Fill(texts[AccessFixSerial], failure);
}

std::string AccessRefusalWord(OpenRefusal kind, const AccessTexts& texts)
{
    if (kind == OpenRefusal::NoPermission)
        return texts[AccessNoPermissionShort];
    if (kind == OpenRefusal::Busy)
        return texts[AccessBusyShort];
    return {};
}

} // namespace vamok

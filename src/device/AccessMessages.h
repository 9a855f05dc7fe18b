#pragma once
// What the user is told when a port or the USB bridge cannot be opened for
// lack of permission or because another program holds it: which device,
// why, and the fix. Texts are CP1252 templates with %1 (device path),
// %2 (port number) and %3 (the node's group); windows hand in their
// translated copies.
#include "device/DeviceAccess.h"

#include <array>
#include <string>

namespace vamok {

inline constexpr int kAccessTextCount = 8;
using AccessTexts = std::array<std::string, kAccessTextCount>;

enum AccessText {
    AccessNoPermissionSerial, // first line, serial port
    AccessFixSerial,          // the group command
    AccessNoPermissionBridge, // first line, USB bridge
    AccessFixBridge,          // introduces the udev rule's command
    AccessBusy,               // first line, port held by another program
    AccessNoPermissionShort,  // beside a port in the port check
    AccessBusyShort,
    AccessBridgesHeading,     // the port check's list of USB bridges
};

const AccessTexts& DefaultAccessTexts();
// The same in English, for vamok-cli.
const AccessTexts& EnglishAccessTexts();

// The udev rule shipped beside the program's other files (build tree and
// installed tree alike): App().ProgramPath + "udev/99-vamok.rules".
std::string ShippedUdevRule();
// The shell command that installs that rule (the README gives it for a
// source checkout); the path is quoted for the shell where it needs it.
std::string UdevInstallCommand();

// The first line: device and reason (the status bar shows it).
std::string AccessRefusalSummary(const OpenFailure& failure, const AccessTexts& texts);
// Summary and fix, lines joined with CR LF; "" when the failure needs no
// advice of its own (missing or other).
std::string AccessRefusalText(const OpenFailure& failure, const AccessTexts& texts);
// The short word for the port check ("" for other failures).
std::string AccessRefusalWord(OpenRefusal kind, const AccessTexts& texts);

} // namespace vamok

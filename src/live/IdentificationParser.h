#pragma once
// Reads an identification reply (altarim form, prefixed with its length):
// the serial text for the status bar, the model/version text for the online
// window and the firmware version.
#include <optional>
#include <string>

namespace vamok {

struct Identification {
    // "S-No: " + serial + " / " + series + " - " + flag bits; set only when
    // "SER" and its four bytes are present.
    std::optional<std::string> SerialText;
    // The text shown in the version label; set when the reply names a VAMOK
    // or a Ventiq.
    std::optional<std::string> VersionText;
    // Firmware version after "Ver "; set together with VersionText when the
    // text holds "Ver ".
    std::optional<std::string> DeviceVersion;
};

// The reply with its length in decimal and ": " in front, as the poller
// hands replies to its parsers.
std::string PrefixWithLength(const std::string& reply);

// usbMode: the version is everything after "Ver " (rix, Ventiq) instead of
// its four characters (altarim, Quadrovan).
Identification ParseIdentification(const std::string& prefixedReply, bool usbMode);

} // namespace vamok

#pragma once
// What the bridge window shows beyond the device list: its service log, the
// pin latch as 16 boxes, the column widths of its two faces, and its texts.
// Texts are CP1252.
#include "device/AccessMessages.h"
#include "device/UsbBridge.h"

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace vamok {

// The window's text list: the first three column captions, then the access
// texts (as in the settings window).
inline constexpr int kBridgeColumnTextCount = 3;
const std::array<std::string, kBridgeColumnTextCount>& DefaultBridgeColumnTexts();
// The column captions after the translated first three.
inline constexpr const char* kBridgeFixedColumns[] = {"Linkname", "VID", "PID", "Test"};
inline constexpr int kBridgeColumnCount = kBridgeColumnTextCount + 4;

inline constexpr int kCompactWidth = 650, kCompactHeight = 250;
inline constexpr int kFullWidth = 810, kFullHeight = 700;
inline constexpr const char* kNoActiveDevice = " - N/A - ";

// The service log: messages are stamped, received data runs on in the last
// line; old lines are dropped so the log stays short.
class BridgeLog {
public:
    static constexpr std::size_t kMessageLines = 2000;
    static constexpr std::size_t kDataLines = 200;
    static constexpr std::size_t kByteDataLines = 10;

    explicit BridgeLog(std::vector<std::string> start = {});
    // stamp: the current date and time as the user's locale writes it.
    void Message(const std::string& text, const std::string& stamp);
    // asBytes: each byte as "-" + its decimal value; withDate: the chunk is
    // preceded by stamp + ": ".
    void Received(const std::string& bytes, bool asBytes, bool withDate, const std::string& stamp);
    void Clear() { lines_.clear(); }
    const std::deque<std::string>& Lines() const { return lines_; }

private:
    void Trim(std::size_t keep);
    std::deque<std::string> lines_;
};

// Check box k (from 1) shows bit k - 1 of the latch.
inline constexpr int kPinCount = 16;
using PinStates = std::array<bool, kPinCount>;
PinStates PinsFromLatch(std::uint16_t latch);
std::uint16_t LatchFromPins(const PinStates& pins);

// The speed typed into "Baudrate": a positive whole number, else nothing.
std::optional<int> BaudFromText(const std::string& text);

// The list's column widths: the compact face hides the columns from the
// link name on and gives the description the room left; the full face
// brings back the widths these columns had in it.
class BridgeColumns {
public:
    using Widths = std::array<int, kBridgeColumnCount>;
    explicit BridgeColumns(const Widths& full) : remembered_(full) {}
    Widths Compact(Widths current, int listWidth);
    Widths Full(Widths current) const;

private:
    Widths remembered_;
};

// What the window says about the last failed open: a missing permission or
// a port held elsewhere, with its fix (the udev rule's install command);
// "" when the user has nothing to do.
std::string BridgeOpenAdvice(const UsbBridge& bridge, const AccessTexts& texts);

} // namespace vamok

#include "device/BridgeService.h"

#include "core/TextHelpers.h"

#include <algorithm>

namespace vamok {

const std::array<std::string, kBridgeColumnTextCount>& DefaultBridgeColumnTexts()
{
    static const std::array<std::string, kBridgeColumnTextCount> texts{
        "Ger\xE4te-Nr.", "Serien-Nummer", "Ger\xE4te-Beschreibung"};
    return texts;
}

BridgeLog::BridgeLog(std::vector<std::string> start) : lines_(start.begin(), start.end()) {}

void BridgeLog::Trim(std::size_t keep)
{
    while (lines_.size() > keep)
        lines_.pop_front();
}

void BridgeLog::Message(const std::string& text, const std::string& stamp)
{
    lines_.push_back(stamp + ": " + text);
    Trim(kMessageLines);
}

void BridgeLog::Received(const std::string& bytes, bool asBytes, bool withDate, const std::string& stamp)
{
    std::string chunk = withDate ? stamp + ": " : std::string();
    if (asBytes) {
        for (const char c : bytes) {
            chunk += '-';
            chunk += std::to_string(static_cast<unsigned char>(c));
        }
    } else {
        chunk += bytes;
    }
    if (lines_.empty())
        lines_.emplace_back();
    lines_.back() += chunk;
    Trim(asBytes ? kByteDataLines : kDataLines);
}

PinStates PinsFromLatch(std::uint16_t latch)
{
    PinStates pins{};
    for (int k = 0; k < kPinCount; ++k)
        pins[static_cast<std::size_t>(k)] = (latch >> k) & 1u;
    return pins;
}

std::uint16_t LatchFromPins(const PinStates& pins)
{
    unsigned latch = 0;
    for (int k = 0; k < kPinCount; ++k) {
        if (pins[static_cast<std::size_t>(k)])
            latch |= 1u << k;
    }
    return static_cast<std::uint16_t>(latch);
}

std::optional<int> BaudFromText(const std::string& text)
{
    const std::optional<int> baud = ParseInt32(text);
    if (!baud || *baud <= 0)
        return std::nullopt;
    return baud;
}

BridgeColumns::Widths BridgeColumns::Compact(Widths current, int listWidth)
{
    // Shown compact twice in a row, the hidden columns are 0 wide: the
    // widths of the full face stay remembered.
    const bool fromFull = std::any_of(current.begin() + kBridgeColumnTextCount, current.end(),
                                      [](int width) { return width > 0; });
    if (fromFull)
        std::copy(current.begin() + 2, current.end(), remembered_.begin() + 2);
    std::fill(current.begin() + kBridgeColumnTextCount, current.end(), 0);
    current[2] = std::max(0, listWidth - current[0] - current[1] - 4);
    return current;
}

BridgeColumns::Widths BridgeColumns::Full(Widths current) const
{
    std::copy(remembered_.begin() + 2, remembered_.end(), current.begin() + 2);
    return current;
}

std::string BridgeOpenAdvice(const UsbBridge& bridge, const AccessTexts& texts)
{
    if (bridge.OpenProblem().empty())
        return {};
    return AccessRefusalText(bridge.LastOpenFailure(), texts);
}

} // namespace vamok

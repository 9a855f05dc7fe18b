#pragma once
// The port searches of the settings window: which serial ports exist, which
// of them can be opened ("Schnittstellen-Check"), and on which of them an
// altarim or a Quadrovan answers. The callers run them as an instrument
// dialogue (the poller parked).
#include "device/AccessMessages.h"
#include "device/DiscoveryTexts.h"
#include "device/UsbBridge.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vamok {

class TAPSend;

struct SerialCandidate {
    std::string Name;       // "COM3", or the device path itself
    int Number = 0;         // 1..32; 0 for an explicit device path
    std::string DevicePath; // what is opened
};

inline constexpr int kHighestListedPort = 32;

// "COM1".."COM32" whose device the platform reports as present.
std::vector<SerialCandidate> PresentComPorts();
// The present ports, then the explicit device path (when set and not
// already among them).
std::vector<SerialCandidate> SearchCandidates(const std::vector<SerialCandidate>& ports,
                                              const std::string& explicitPath);

// Makes the candidate the current port (its number becomes
// App().ComPortNumber); false when it cannot be opened.
bool SelectCandidate(TAPSend& link, const SerialCandidate& candidate);

// Progress of a check or search: index in the list, port name.
using ProbeProgress = std::function<void(int index, const std::string& name)>;

struct UsedPort {
    std::string Name;
    OpenRefusal Why = OpenRefusal::Other;
    bool operator==(const UsedPort&) const = default;
};

struct PortCheck {
    std::vector<std::string> Free;
    std::vector<UsedPort> Used;
    // The USB bridges present; Why is NoPermission for those this user may
    // not open.
    std::vector<UsedPort> Bridges;
};

// Tries to open every candidate at 9600 baud; the last one stays selected.
PortCheck CheckPorts(TAPSend& link, const std::vector<SerialCandidate>& candidates,
                     const ProbeProgress& progress);
// The bridges of the list (path, product) as the port check shows them.
std::vector<UsedPort> CheckBridges(const std::vector<BridgeEntry>& entries);

// Names a used port's reason where it needs the user's attention ("no
// permission", "busy").
std::string PortCheckMessage(const PortCheck& check, const DiscoveryTexts& texts, const AccessTexts& accessTexts);

enum class SearchKind { Vamok, Quadrovan };

struct SearchResult {
    std::optional<SerialCandidate> Found;
    std::vector<std::string> Unopenable;
};

// Probes every candidate in order ("VeSr" at 9600 baud, or the Quadrovan's
// "SNR" frame at 115200 baud) and stops at the first that answers.
// unopenable is told of every port that cannot be opened; the search goes on.
SearchResult SearchInstrument(TAPSend& link, SearchKind kind, const std::vector<SerialCandidate>& candidates,
                              const ProbeProgress& progress,
                              const std::function<void(const std::string& name)>& unopenable);
std::string SearchMessage(SearchKind kind, const SearchResult& result, const DiscoveryTexts& texts);

} // namespace vamok

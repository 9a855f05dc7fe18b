#include "device/Discovery.h"

#include "core/AppState.h"
#include "device/AccessMessages.h"
#include "device/SerialLink.h"
#include "device/TAPSend.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <cctype>
#include <set>

namespace vamok {

namespace {

constexpr int kPlainBaud = 9600;
constexpr int kQuadrovanBaud = 115200;
constexpr int kProbeTimeoutMs = 1000;
constexpr const char* kCrLf = "\r\n";

// DeviceAnswering forced true for one probe, restored afterwards.
class ForcedAnswering {
public:
    ForcedAnswering() : saved_(DeviceAnswering) { DeviceAnswering = true; }
    ~ForcedAnswering() { DeviceAnswering = saved_; }

private:
    bool saved_;
};

bool Answers(TAPSend& link, SearchKind kind)
{
    ForcedAnswering forced;
    if (kind == SearchKind::Vamok) {
        std::string reply = link.SendCommand("VeSr", "VAMOK", kProbeTimeoutMs, 53, "");
        std::transform(reply.begin(), reply.end(), reply.begin(),
                       [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
        return reply.rfind("VAMOK", 0) == 0;
    }
    const std::string reply = link.SendQuadrovanFrame("SNR", "SNR", kProbeTimeoutMs);
    return reply.rfind("SNR", 0) == 0 && reply.size() > 8;
}

std::string Lines(const std::vector<std::string>& names, const std::string& none)
{
    if (names.empty())
        return none + kCrLf;
    std::string s;
    for (const auto& n : names)
        s += n + kCrLf;
    return s;
}

} // namespace

std::vector<SerialCandidate> PresentComPorts()
{
    std::set<std::string> present;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        present.insert(info.systemLocation().toStdString());
    std::vector<SerialCandidate> ports;
    for (int n = 1; n <= kHighestListedPort; ++n) {
        const std::string path = ComPortDevicePath(n);
        if (present.count(path))
            ports.push_back({"COM" + std::to_string(n), n, path});
    }
    return ports;
}

std::vector<SerialCandidate> SearchCandidates(const std::vector<SerialCandidate>& ports,
                                              const std::string& explicitPath)
{
    std::vector<SerialCandidate> all = ports;
    const bool listed = std::any_of(all.begin(), all.end(),
                                    [&](const SerialCandidate& c) { return c.DevicePath == explicitPath; });
    if (!explicitPath.empty() && !listed)
        all.push_back({explicitPath, 0, explicitPath});
    return all;
}

// Opens the candidate; on failure says why.
std::optional<OpenRefusal> OpenCandidate(TAPSend& link, const SerialCandidate& candidate)
{
    if (candidate.Number > 0)
        App().ComPortNumber = candidate.Number;
    try {
        link.SelectComPortPath(candidate.DevicePath);
    } catch (const PortOpenError& e) {
        return e.failure().kind;
    }
    if (!link.IsPortOpen())
        return OpenRefusal::Other;
    return std::nullopt;
}

bool SelectCandidate(TAPSend& link, const SerialCandidate& candidate) { return !OpenCandidate(link, candidate); }

PortCheck CheckPorts(TAPSend& link, const std::vector<SerialCandidate>& candidates, const ProbeProgress& progress)
{
    PortCheck check;
    link.SetLineSpeed(kPlainBaud);
    for (std::size_t k = 0; k < candidates.size(); ++k) {
        if (progress)
            progress(static_cast<int>(k), candidates[k].Name);
        if (const auto refused = OpenCandidate(link, candidates[k]))
            check.Used.push_back({candidates[k].Name, *refused});
        else
            check.Free.push_back(candidates[k].Name);
    }
    return check;
}

std::string PortCheckMessage(const PortCheck& check, const DiscoveryTexts& t, const AccessTexts& accessTexts)
{
    std::vector<std::string> used;
    for (const UsedPort& port : check.Used) {
        const std::string why = AccessRefusalWord(port.Why, accessTexts);
        used.push_back(why.empty() ? port.Name : port.Name + " (" + why + ")");
    }
    std::string bridges;
    if (!check.Bridges.empty()) {
        bridges = accessTexts[AccessBridgesHeading] + kCrLf;
        for (const UsedPort& bridge : check.Bridges) {
            const std::string why = AccessRefusalWord(bridge.Why, accessTexts);
            bridges += (why.empty() ? bridge.Name : bridge.Name + " (" + why + ")") + kCrLf;
        }
        bridges += kCrLf;
    }
    return t[4] + kCrLf + t[5] + kCrLf + t[6] + kCrLf + kCrLf + t[7] + kCrLf + Lines(check.Free, t[3]) + t[8] +
           kCrLf + Lines(used, t[3]) + kCrLf + bridges + t[9] + kCrLf + t[10] + kCrLf + t[11] + kCrLf + t[12];
}

std::vector<UsedPort> CheckBridges(const std::vector<BridgeEntry>& entries)
{
    std::vector<UsedPort> bridges;
    for (const BridgeEntry& entry : entries) {
        const bool denied = CheckDeviceAccess(entry.path).access == DeviceAccess::NoPermission;
        bridges.push_back({entry.path + " - " + entry.product, denied ? OpenRefusal::NoPermission : OpenRefusal::Other});
    }
    return bridges;
}

SearchResult SearchInstrument(TAPSend& link, SearchKind kind, const std::vector<SerialCandidate>& candidates,
                              const ProbeProgress& progress,
                              const std::function<void(const std::string& name)>& unopenable)
{
    SearchResult result;
    link.SetLineSpeed(kind == SearchKind::Vamok ? kPlainBaud : kQuadrovanBaud);
    for (std::size_t k = 0; k < candidates.size(); ++k) {
        const SerialCandidate& c = candidates[k];
        if (progress)
            progress(static_cast<int>(k), c.Name);
        if (!SelectCandidate(link, c)) {
            result.Unopenable.push_back(c.Name);
            if (unopenable)
                unopenable(c.Name);
            continue;
        }
        // Opening resets the line to its default speed on some drivers.
        link.SetLineSpeed(kind == SearchKind::Vamok ? kPlainBaud : kQuadrovanBaud);
        if (Answers(link, kind)) {
            result.Found = c;
            break;
        }
    }
    return result;
}

std::string SearchMessage(SearchKind kind, const SearchResult& result, const DiscoveryTexts& t)
{
    const std::string& model = kind == SearchKind::Vamok ? t[15] : t[14];
    if (result.Found)
        return model + " " + t[16] + kCrLf + result.Found->Name;
    return model + " " + t[17] + kCrLf + t[18];
}

} // namespace vamok

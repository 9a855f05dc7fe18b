#include "device/ProtocolMonitor.h"

#include <cstdio>

namespace vamok {

std::string RenderReceivedBytes(const std::string& bytes)
{
    std::string out;
    for (unsigned char c : bytes) {
        switch (c) {
        case 0x05: out += "<ENQ>"; break;
        case 0x06: out += "<ACK>"; break;
        case 0x15: out += "<NAK>"; break;
        default: {
            char hex[8];
            std::snprintf(hex, sizeof hex, "[%02X]", c);
            out += hex;
        }
        }
    }
    return out;
}

void ProtocolMonitor::AddLine(std::deque<std::string>& list, std::string line)
{
    if (list.size() > kMaxLines)
        list.clear();
    list.push_back(std::move(line));
}

void ProtocolMonitor::LogTraffic(const std::string& text, const std::string& replyBuffer)
{
    if (!enabled_)
        return;
    AddLine(sent_, text);
    AddLine(received_, RenderReceivedBytes(replyBuffer.empty() ? text : replyBuffer));
    NotifyChanged();
}

void ProtocolMonitor::LogNote(const std::string& text)
{
    if (!enabled_ || text.empty())
        return;
    AddLine(received_, text);
    NotifyChanged();
}

void ProtocolMonitor::AppendTerminal(const std::string& bytes)
{
    if (!enabled_ || bytes.empty())
        return;
    terminal_ += bytes;
    NotifyChanged();
}

std::string ProtocolMonitor::TakeTerminalBytes()
{
    std::string out;
    out.swap(terminal_);
    return out;
}

void ProtocolMonitor::NotifyChanged()
{
    if (Changed)
        Changed();
}

} // namespace vamok

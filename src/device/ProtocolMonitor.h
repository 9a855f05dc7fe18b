#pragma once
// The protocol monitor's model: what was sent, what came back, and the raw
// serial traffic for the terminal view. The monitor window presents it; it
// records only while enabled (the window is visible).
#include <deque>
#include <functional>
#include <string>

namespace vamok {

// One received-list line: ENQ, ACK and NAK by name, every other byte as
// "[" + two upper-case hex digits + "]".
std::string RenderReceivedBytes(const std::string& bytes);

class ProtocolMonitor {
public:
    static constexpr std::size_t kMaxLines = 60000;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    // Adds text to the sent list and renders replyBuffer (text when the
    // buffer is empty) as one received line.
    void LogTraffic(const std::string& text, const std::string& replyBuffer);
    // A line of its own in the received list (a line error the link
    // reported); nothing for an empty text.
    void LogNote(const std::string& text);
    // Raw serial bytes for the terminal view; sent bytes are echoed locally.
    void AppendTerminal(const std::string& bytes);

    const std::deque<std::string>& SentLines() const { return sent_; }
    const std::deque<std::string>& ReceivedLines() const { return received_; }
    // Terminal bytes not yet taken by the view.
    std::string TakeTerminalBytes();

    // Called after every change while enabled.
    std::function<void()> Changed;

private:
    static void AddLine(std::deque<std::string>& list, std::string line);
    void NotifyChanged();

    bool enabled_ = false;
    std::deque<std::string> sent_;
    std::deque<std::string> received_;
    std::string terminal_;
};

} // namespace vamok

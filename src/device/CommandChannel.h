#pragma once
// The one way to talk to the instrument: commands in the oldest (altarim)
// form in, replies in altarim form out; an empty reply means no answer.
// TAPSend implements it for the real links; callers (readout, poller, type
// transfer, profiles) depend only on this interface.
#include <string>

namespace vamok {

class CommandChannel {
public:
    virtual ~CommandChannel() = default;

    // Clears the reply state, sends, waits up to timeoutMs counted after the
    // write, and returns whatever complete reply arrived (or "").
    // start/end/packetSize configure the packet collector on the altarim link.
    virtual std::string SendCommand(const std::string& command, const std::string& start,
                                    int timeoutMs, int packetSize, const std::string& end) = 0;
};

} // namespace vamok

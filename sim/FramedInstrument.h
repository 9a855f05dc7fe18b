#pragma once
#include "sim/Frame.h"
#include "sim/Instrument.h"

#include <optional>

namespace vamok::sim {

// Common part of the framed dialects: frames in, frames out. A frame with a
// bad checksum is answered with a NAK frame.
class FramedInstrument : public Instrument {
public:
    std::vector<Answer> receive(std::string_view bytes) override;
    bool hasPartialInput() const override { return reader_.inFrame(); }
    void dropPartialInput() override { reader_.reset(); }

protected:
    // The reply payload to a command payload; nothing: stay silent.
    virtual std::optional<std::string> answer(const std::string& payload) = 0;

    static std::string Ack() { return std::string(1, kAck); }
    static std::string Nak() { return std::string(1, kNak); }
    // The byte given by two hex digits after a three-letter command, if any.
    static std::optional<int> ByteParameter(const std::string& payload);

private:
    FrameReader reader_;
};

// Major, minor and patch number of a firmware text.
int FirmwarePart(const std::string& firmware, int index);

} // namespace vamok::sim

#pragma once
#include "sim/AltarimCommandSet.h"
#include "sim/Instrument.h"

namespace vamok::sim {

// VAMOK altarim on a serial line at 9600 baud: commands and answers as they
// are, no framing.
class AltarimInstrument : public Instrument {
public:
    explicit AltarimInstrument(SimState state);

    std::vector<Answer> receive(std::string_view bytes) override;
    bool hasPartialInput() const override { return !input_.empty(); }
    void dropPartialInput() override { input_.clear(); }
    long lineSpeed() const override { return 9600; }
    bool onSerialPort() const override { return true; }
    const InstrumentMemory& memory() const override { return memory_; }

private:
    InstrumentMemory memory_;
    AltarimCommandSet commands_;
    std::string input_;
};

} // namespace vamok::sim

#pragma once
#include "sim/InstrumentMemory.h"

#include <string>

namespace vamok::sim {

// The altarim's own commands, which also run behind a Quadrovan gateway.
// Commands are short ASCII words, some with binary parameters, and may follow
// each other without separator ("MmCkSr" is "Mm", "Ck", "Sr"):
//   "Ve" identification text (46 bytes, "VAMOK ... Ver x.xx")
//   "Sr" "SER" + serial high, low, series, flags
//   "Mm" current values "MESS" + markers
//   "Ck" one byte: sum of the previous answer's bytes modulo 256
//   "Gr" n: "MEM" + stored record n
//   "Rd" n: "TYP" + n + type slot n
//   "Pt" n + name 8 + 0x00 + slot: store a workplace name, ACK
//   " Wa" n + record, "GTY" n + record: store type slot n, ACK
// Unknown bytes are skipped one at a time; a wrong parameter gets a NAK.
class AltarimCommandSet {
public:
    AltarimCommandSet(InstrumentMemory& memory, bool withLuminance);

    struct Result {
        std::string consumed; // the command bytes executed
        std::string reply;
        bool refused = false; // a command got a NAK
    };
    // Runs every complete command at the front of input and removes it (and
    // skipped bytes); an unfinished command stays in input.
    Result run(std::string& input);
    // input begins with an unfinished command.
    bool waitsForMore(const std::string& input) const;

    static std::string IdentificationText(const SimState& state);

private:
    std::size_t commandLength(const std::string& input, bool& known) const;
    std::string execute(const std::string& command, bool& refused);

    InstrumentMemory& memory_;
    bool withLuminance_;
    std::string lastReply_;
};

} // namespace vamok::sim

#pragma once
#include "sim/InstrumentMemory.h"
#include "sim/SimState.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vamok::sim {

enum class Dialect { Altarim, Quadrovan, Rix, Ventiq };
std::optional<Dialect> DialectByName(const std::string& name);

// One command as the instrument understood it and what it sends back.
struct Answer {
    std::string command;
    std::string reply;   // empty: the instrument stays silent
    bool framed = false; // reply is a frame (its checksum sits before the ETX)
    bool refused = false; // the command was malformed or not understood (NAK)
};

// The instrument side of one dialect: bytes from the program in, answers out.
class Instrument {
public:
    virtual ~Instrument() = default;
    // Every command completed by these bytes, in order.
    virtual std::vector<Answer> receive(std::string_view bytes) = 0;
    // An unfinished command is waiting for more bytes.
    virtual bool hasPartialInput() const = 0;
    // The line went quiet in the middle of a command: forget it.
    virtual void dropPartialInput() = 0;
    virtual long lineSpeed() const = 0; // baud
    // Attached to a serial port, whose line speed the program sets: bytes
    // sent at another speed arrive as noise and are not understood.
    virtual bool onSerialPort() const = 0;
    virtual const InstrumentMemory& memory() const = 0;
};

std::unique_ptr<Instrument> MakeInstrument(Dialect dialect, SimState state);

} // namespace vamok::sim

#pragma once
#include "sim/AltarimCommandSet.h"
#include "sim/FramedInstrument.h"

namespace vamok::sim {

// VAMOK Quadrovan: a gateway at 115200 baud with its own globe thermometer
// and CO2 sensor, in front of an altarim-like instrument. Framed commands:
//   "SNR"  "SNR" + hex of serial high, low, series
//   "VER"  "VER" + hex of major, minor
//   "VAMOK" + hex  passed to the attached instrument; its answer comes back
//                  as "VAMOK" + hex
//   "GVR"  "GVR" + hex of globe temperature (hundredths, signed) and CO2
//   "BDR" n        "BDR" + hex of the gateway's record n (see MemoryRecord.h)
//   "BDW" hex(n, name 8, slot)                  store a name, ACK
//   "BTR" n        "BTR" + hex of n and type slot n
//   "BTW"/"GTY" hex(n, record)                  store type slot n, ACK
// Anything else (the program's "0" among it) or a bad parameter: NAK.
class QuadrovanGateway : public FramedInstrument {
public:
    explicit QuadrovanGateway(SimState state);

    long lineSpeed() const override { return 115200; }
    bool onSerialPort() const override { return true; }
    const InstrumentMemory& memory() const override { return memory_; }

protected:
    std::optional<std::string> answer(const std::string& payload) override;

private:
    std::string passOn(const std::string& hex);
    std::string writeName(const std::string& hex);
    std::string writeType(const std::string& hex, const std::string& command);

    InstrumentMemory memory_;
    AltarimCommandSet attached_;
};

} // namespace vamok::sim

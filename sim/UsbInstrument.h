#pragma once
#include "sim/FramedInstrument.h"

namespace vamok::sim {

// VAMOK rix and Ventiq behind their USB bridge: the newer framed command set
// (three-letter words, binary data as hex text). Served here as the bridge's
// serial byte stream.
//   "SER"  rix "SER" + serial as 4 decimal digits + "-" + series as 2
//          decimal digits; Ventiq the same numbers as hex digits
//   "VER"  "VER" + hex of major, minor, patch
//   "MES"  current values (rix: hex of the binary "MESS" form; Ventiq:
//          "MES" + hex markers)
//   "BDR" n        "BDR" + hex of stored record n
//   "BDW" hex(n, name 20, slot[, profile])  store a name (profile: rix), ACK
//   "BTR" n        "BTR" + hex of n and type slot n
//   "BTW" hex(n, record)                    store type slot n, ACK
//   "U" + 8 or more hex digits              set the clock (seconds since 2000), ACK
//   rix only: "BPN" profile names, "BPR" n profile n, "BPW" write a profile,
//          "UNLK" release the keyboard lock
// Anything else, or a bad parameter: NAK.
class UsbInstrument : public FramedInstrument {
public:
    UsbInstrument(SimState state, bool ventiq);

    long lineSpeed() const override { return ventiq_ ? 230400 : 1500000; }
    // The bridge sets its own UART speed; the program never sees it.
    bool onSerialPort() const override { return false; }
    const InstrumentMemory& memory() const override { return memory_; }

protected:
    std::optional<std::string> answer(const std::string& payload) override;

private:
    std::string serialReply() const;
    std::string versionReply() const;
    std::string writeName(const std::string& hex);
    std::string writeType(const std::string& hex);
    std::string profileNames() const;
    std::string readProfile(int n) const;
    std::string writeProfile(const std::string& hex);
    std::string setClock(const std::string& hex);
    bool wideMasks() const;

    bool ventiq_;
    long firmware_;
    InstrumentMemory memory_;
};

} // namespace vamok::sim

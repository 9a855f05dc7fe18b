#pragma once
#include "sim/Instrument.h"

#include <string>

namespace vamok::sim {

// Faults a real line shows now and then, switched on from the command line.
struct FaultOptions {
    int ignoreEvery = 0;  // every Nth command gets no answer (0: never)
    int corruptEvery = 0; // every Nth answer is damaged (0: never)
    bool garbage = false; // noise bytes before every answer
    int silentAfter = 0;  // every command after the Nth gets no answer (0: never)
};

// Turns the instrument's answers into the bytes that go on the line.
// Damage: a framed answer gets a wrong (still upper-case) checksum; an
// unframed altarim answer, which has no checksum, gets its first byte changed
// so that its start text is no longer recognised.
class FaultInjector {
public:
    explicit FaultInjector(FaultOptions options) : options_(options) {}
    std::string shape(const Answer& answer);

private:
    std::string noise();
    FaultOptions options_;
    long commands_ = 0;
    long answers_ = 0;
    long noiseCount_ = 0;
};

} // namespace vamok::sim

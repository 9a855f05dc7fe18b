#pragma once
// The demo link (./run --demo): the program talks to a simulated VAMOK rix
// running inside this process instead of a real instrument. Its state, built
// into the program from sim/demo-state.json, holds 99 measured workplaces,
// workplace types in its slots and user profiles, so the whole program can be
// tried without hardware.
#include "sim/SimState.h"

#include <memory>

namespace vamok {

class ByteLink;
class TAPSend;

// The built-in demo state. Throws std::logic_error when it is missing or does
// not parse (a build fault, never the user's).
sim::SimState DemoState();

// The demo rix as a byte link serving its framed dialect.
std::unique_ptr<ByteLink> MakeDemoByteLink();

// Makes the demo rix the program's link: the rix link flags in App() (not
// stored in the settings), its frames carried over the in-process link in
// place of the serial port, App().DemoMode set.
void StartDemoLink(TAPSend& layer);

} // namespace vamok

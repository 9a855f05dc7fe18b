// vamok-sim: a simulated VAMOK instrument on a pseudo-terminal.
#include "sim/Instrument.h"
#include "sim/PtyServer.h"
#include "sim/SimOptions.h"
#include "sim/SimState.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdio>

namespace {
volatile std::sig_atomic_t stopRequested = 0;

void OnStopSignal(int)
{
    stopRequested = 1;
}
} // namespace

int main(int argc, char** argv)
{
    using namespace vamok::sim;
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto options = ParseOptions(args, error);
    if (!options) {
        std::fprintf(stderr, "vamok-sim: %s\n%s", error.c_str(), kUsage);
        return 2;
    }
    auto state = LoadState(options->statePath, error);
    if (!state) {
        std::fprintf(stderr, "vamok-sim: %s\n", error.c_str());
        return 2;
    }
    const auto instrument = MakeInstrument(options->dialect, std::move(*state));
    PtyServer server(*instrument, options->serve);
    if (!server.open(error)) {
        std::fprintf(stderr, "vamok-sim: %s\n", error.c_str());
        return 1;
    }
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    std::printf("PTY %s\n", server.path().c_str());
    std::fflush(stdout);
    server.serve(stopRequested);
    return 0;
}

#pragma once
// The demo link (./run --demo): the program talks to the built-in simulated
// instrument, a vamok-sim child process serving an altarim on a
// pseudo-terminal, instead of a real port.
#include <QProcess>
#include <string>

namespace vamok {

// vamok-sim next to the running program.
std::string DefaultSimulatorPath();
// The demo state: demo-state.json next to the running program, else the
// copy in the source tree named at build time (VAMOK_DEMO_STATE).
std::string DefaultDemoStatePath();

class DemoLink {
public:
    DemoLink(std::string simulatorPath = DefaultSimulatorPath(),
             std::string statePath = DefaultDemoStatePath());
    ~DemoLink();
    DemoLink(const DemoLink&) = delete;
    DemoLink& operator=(const DemoLink&) = delete;

    // Starts the simulator and makes its terminal the program's serial port
    // on the altarim link (App().ComPortPath, DemoMode). On failure returns
    // false with the reason in *error.
    bool Start(std::string* error);
    // Ends the simulator (also done on destruction).
    void Stop();
    const std::string& TerminalPath() const { return terminal_; }

private:
    std::string simulator_;
    std::string state_;
    std::string terminal_;
    QProcess process_;
};

} // namespace vamok

#pragma once
#include <QProcess>
#include <string>
#include <vector>

// Runs the simulated instrument program on a pseudo-terminal for one test.
// The constructor waits for its "PTY <path>" line; the destructor ends it
// (SIGTERM), so a --record file is complete once stop() has returned.
class SimProcess {
public:
    SimProcess(const std::string& dialect, const std::string& stateFile,
               const std::vector<std::string>& extraArgs = {});
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    const std::string& ptyPath() const { return pty_; }
    void stop();

private:
    QProcess process_;
    std::string pty_;
};

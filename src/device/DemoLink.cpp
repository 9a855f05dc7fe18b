#include "device/DemoLink.h"

#include "app/AppState.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <csignal>
#include <sys/prctl.h>

namespace vamok {

namespace {

constexpr int kStartTimeoutMs = 5000;

std::string NextToProgram(const char* name)
{
    return (QCoreApplication::applicationDirPath() + "/" + name).toStdString();
}

} // namespace

std::string DefaultSimulatorPath() { return NextToProgram("vamok-sim"); }

std::string DefaultDemoStatePath()
{
    const std::string beside = NextToProgram("demo-state.json");
#ifdef VAMOK_DEMO_STATE
    if (!QFileInfo::exists(QString::fromStdString(beside)))
        return VAMOK_DEMO_STATE;
#endif
    return beside;
}

DemoLink::DemoLink(std::string simulatorPath, std::string statePath)
    : simulator_(std::move(simulatorPath)), state_(std::move(statePath))
{
}

DemoLink::~DemoLink() { Stop(); }

bool DemoLink::Start(std::string* error)
{
    auto fail = [&](const std::string& why) {
        Stop();
        if (error)
            *error = why;
        return false;
    };
    if (!QFileInfo::exists(QString::fromStdString(state_)))
        return fail("demo state file not found: " + state_);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The simulator must not outlive the program, even when it crashes.
    process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process_.start(QString::fromStdString(simulator_),
                   {"--dialect", "altarim", "--state", QString::fromStdString(state_)});
    if (!process_.waitForStarted(kStartTimeoutMs))
        return fail("cannot start " + simulator_ + ": " + process_.errorString().toStdString());
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(kStartTimeoutMs))
            return fail(simulator_ + " did not name its terminal");
    }
    const QString line = QString::fromLocal8Bit(process_.readLine()).trimmed();
    if (!line.startsWith("PTY ") || line.size() <= 4)
        return fail("unexpected first line from " + simulator_ + ": " + line.toStdString());
    terminal_ = line.mid(4).toStdString();

    AppState& app = App();
    app.ComPortPath = terminal_;
    app.UsbMode = false;
    app.VentiqMode = false;
    app.QuadrovanMode = false;
    app.DemoMode = true;
    return true;
}

void DemoLink::Stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(kStartTimeoutMs)) {
        process_.kill();
        process_.waitForFinished(kStartTimeoutMs);
    }
}

} // namespace vamok

// The command layer's overhead per exchange over a pseudo-terminal against
// vamok-sim, beyond the reply's own transfer (target: at most 2 ms).
// Unpaced, the reply crosses the terminal at once, so the mean exchange time
// is the overhead; paced at the altarim's 9600 baud, the overhead is the
// mean minus the wire time of the 4-byte command and the 53-byte
// identification reply (the simulator paces both directions). The demo
// link's in-process exchange is measured too.
// Usage: bench_ExchangeBench [PATH/TO/vamok-sim]
#include "core/AppState.h"
#include "device/DemoLink.h"
#include "device/TAPSend.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

using namespace vamok;

namespace {

constexpr int kExchanges = 200;
constexpr int kPacedExchanges = 40;

struct Dialect {
    const char* name;
    bool usb, ventiq, quadrovan;
    const char* command;
    const char* start;
    int packetSize;
    const char* end;
};

const Dialect kDialects[] = {
    {"altarim", false, false, false, "VeSr", "VAMOK", 53, ""},
    {"quadrovan", false, false, true, "MmCkSr", "MESS", 0, "SER"},
    {"rix", true, false, false, "MmCkSr", "MESS", 0, "SER"},
    {"ventiq", true, true, false, "MmCkSr", "MESS", 0, "SER"},
};

struct Figures {
    double meanMs = -1;
    int empty = 0;
};

void UseLink(const Dialect& d, TAPSend& link)
{
    App() = AppState{};
    App().UsbMode = d.usb;
    App().VentiqMode = d.ventiq;
    App().QuadrovanMode = d.quadrovan;
    DeviceAnswering = true;
    link.SetUsbFramesOnSerial(d.usb);
}

Figures Exchanges(TAPSend& link, const Dialect& d, int count)
{
    Figures f;
    link.SendCommand(d.command, d.start, 1000, d.packetSize, d.end); // warm up
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < count; ++i)
        if (link.SendCommand(d.command, d.start, 1000, d.packetSize, d.end).empty())
            ++f.empty;
    f.meanMs = clock.nsecsElapsed() / 1e6 / count;
    return f;
}

Figures OverPty(const QString& sim, const std::string& state, const Dialect& d, bool paced, int count)
{
    QProcess process;
    QStringList args{"--dialect", d.name, "--state", QString::fromStdString(state)};
    if (paced)
        args << "--pace";
    process.start(sim, args);
    if (!process.waitForStarted(5000) || !process.waitForReadyRead(5000))
        return {};
    const std::string pty = QString::fromLocal8Bit(process.readLine()).trimmed().mid(4).toStdString();
    TAPSend link;
    UseLink(d, link);
    link.SelectComPortPath(pty);
    const Figures f = Exchanges(link, d, count);
    process.terminate();
    process.waitForFinished(5000);
    return f;
}

std::string StateFile(const QTemporaryDir& dir)
{
    const std::string path = dir.filePath("state.json").toStdString();
    std::FILE* f = std::fopen(path.c_str(), "w");
    if (!f)
        return {};
    std::fprintf(f, "{\"firmware\": \"2.0.6\", \"serial\": 1234, \"series\": 56,"
                    " \"live\": {\"Temp\": 22.4, \"Feu\": 46.8, \"Bel\": 512, \"Wind\": 0.12}}");
    std::fclose(f);
    return path;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString sim = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                 : QCoreApplication::applicationDirPath() + "/../vamok-sim";
    QTemporaryDir dir;
    const std::string state = StateFile(dir);

    for (const Dialect& d : kDialects) {
        const Figures f = OverPty(sim, state, d, false, kExchanges);
        if (f.meanMs < 0) {
            std::fprintf(stderr, "could not start %s\n", sim.toLocal8Bit().constData());
            return 1;
        }
        std::printf("%-9s unpaced: %d exchanges \"%s\", mean %.3f ms overhead (empty replies %d)\n", d.name,
                    kExchanges, d.command, f.meanMs, f.empty);
    }

    // "VeSr" and its 53-byte reply, 10 bit times a byte at 9600 baud.
    const double wireMs = (4 + 53) * 10 * 1000.0 / 9600.0;
    const Figures paced = OverPty(sim, state, kDialects[0], true, kPacedExchanges);
    std::printf("altarim   paced 9600: %d exchanges \"VeSr\", mean %.3f ms, wire time %.3f ms, "
                "overhead %.3f ms (empty replies %d)\n",
                kPacedExchanges, paced.meanMs, wireMs, paced.meanMs - wireMs, paced.empty);

    TAPSend demo;
    StartDemoLink(demo);
    DeviceAnswering = true;
    const Figures inProcess = Exchanges(demo, kDialects[2], kExchanges);
    std::printf("demo rix  in-process: %d exchanges \"MmCkSr\", mean %.3f ms (empty replies %d)\n", kExchanges,
                inProcess.meanMs, inProcess.empty);
    return 0;
}

// A full 99-record memory readout over a pseudo-terminal against vamok-sim,
// for each link in its own dialect. Unpaced, the time is the program's own
// (target: under 1 s). Paced at the link's line speed, the figure is the
// ratio of the elapsed time to the wire time of the bytes that crossed in
// both directions, as the simulator counted them, 10 bit times a byte
// (target: at most 1.05, on the rix at most 1.3). The median row's time
// times 99 against the same wire time is printed too: on a busy machine a
// few rows come late by milliseconds (the kernel worker that carries a
// pseudo-terminal's bytes waits for a processor like any other process).
// Then one exchange per link is traced: when the program's write was done,
// when the simulator read the command and wrote the reply's first and last
// bytes, when the program read them, and when the reply was handed back.
// Usage: bench_ReadoutBench [PATH/TO/vamok-sim]
#include "core/AppState.h"
#include "device/ProtocolMonitor.h"
#include "device/TAPSend.h"
#include "measure/MemoryReadout.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <sstream>
#include <vector>

using namespace vamok;

namespace {

constexpr int kRows = 99;

struct Link {
    const char* dialect;
    const char* firmware; // the program's DeviceVersion for it, too
    long baud;
    bool usb, ventiq, quadrovan;
    double targetRatio;
};

const Link kLinks[] = {
    {"altarim", "2.2", 9600, false, false, false, 1.05},
    {"quadrovan", "1.2", 115200, false, false, true, 1.05},
    {"ventiq", "1.0.3", 230400, true, true, false, 1.05},
    {"rix", "2.0.6", 1500000, true, false, false, 1.3},
};

class QuietUi : public ReadoutUi {
public:
    void TableCleared() override {}
    bool ConfirmVentiqOverwrite(const std::string&) override { return true; }
    void Begin(int, int) override {}
    // Each row begins with its progress.
    void ShowProgress(int) override { rowStarts.push_back(clock.nsecsElapsed()); }
    void ShowBusy() override {}
    void CloseBusy() override {}
    void RecordArrived() override {}
    void RecordRejected() override {}
    void ShowRow(int) override {}
    void ShowTypeCell(int) override {}
    void ReportDecodeError() override { ++errors; }
    bool AskContinueAfterNoAnswer() override
    {
        ++unanswered;
        return true;
    }
    void Finished(int, int) override {}
    int errors = 0;
    int unanswered = 0;
    QElapsedTimer clock;
    std::vector<qint64> rowStarts; // ns on clock
};

class NoPoller : public PollerControl {
public:
    void Park() override {}
    void Resume() override {}
};

// Monotonic microseconds, the clock of the simulator's trace lines.
long long NowUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::string StateFile(const QTemporaryDir& dir, const Link& link)
{
    std::string workplaces;
    for (int n = 1; n <= kRows; ++n) {
        char entry[256];
        std::snprintf(entry, sizeof entry,
                      "%s{\"number\": %d, \"name\": \"Platz %d\", \"type\": \"VAM \", \"values\": "
                      "{\"Temp\": 21.5, \"Feu\": 45.0, \"Bel\": 500, \"Wind\": 0.12, \"WindT\": 21.0}}",
                      n > 1 ? "," : "", n, n);
        workplaces += entry;
    }
    const std::string path = dir.filePath(QString("%1.json").arg(link.dialect)).toStdString();
    std::FILE* f = std::fopen(path.c_str(), "w");
    if (!f)
        return {};
    std::fprintf(f, "{\"firmware\": \"%s\", \"serial\": 1234, \"series\": 56, \"workplaces\": [%s]}",
                 link.firmware, workplaces.c_str());
    std::fclose(f);
    return path;
}

// The simulator on its pseudo-terminal, with the command layer opened on it.
class Session {
public:
    Session(const QString& sim, const std::string& state, const Link& link, const QStringList& extra)
    {
        QStringList args{"--dialect", link.dialect, "--state", QString::fromStdString(state)};
        process_.start(sim, args + extra);
        if (!process_.waitForStarted(5000) || !process_.waitForReadyRead(5000))
            return;
        const std::string pty = QString::fromLocal8Bit(process_.readLine()).trimmed().mid(4).toStdString();
        App() = AppState{};
        App().DeviceVersion = link.firmware;
        App().UsbMode = link.usb;
        App().VentiqMode = link.ventiq;
        App().QuadrovanMode = link.quadrovan;
        DeviceAnswering = true;
        layer.SetUsbFramesOnSerial(link.usb);
        layer.SelectComPortPath(pty);
        started_ = true;
    }
    bool started() const { return started_; }
    // Ends the simulator and returns what it printed after its first line.
    std::pair<std::string, std::string> Finish()
    {
        process_.terminate();
        process_.waitForFinished(5000);
        return {process_.readAllStandardOutput().toStdString(), process_.readAllStandardError().toStdString()};
    }

    TAPSend layer;

private:
    QProcess process_;
    bool started_ = false;
};

struct Readout {
    double seconds = -1;
    int rows = 0;
    int errors = 0;
    int unanswered = 0;
    double medianRowSeconds = 0;
    unsigned long long bytesIn = 0, bytesOut = 0;
};

// The median time from one row's start to the next one's (the last row ends
// with the readout).
double MedianRowSeconds(std::vector<qint64> starts, qint64 endNs)
{
    if (starts.empty())
        return 0;
    starts.push_back(endNs);
    std::vector<qint64> rows;
    for (std::size_t i = 1; i < starts.size(); ++i)
        rows.push_back(starts[i] - starts[i - 1]);
    std::nth_element(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(rows.size() / 2), rows.end());
    return rows[rows.size() / 2] / 1e9;
}

Readout RunReadout(const QString& sim, const std::string& state, const Link& link, bool paced)
{
    QStringList extra{"--count"};
    if (paced)
        extra << "--pace";
    Session session(sim, state, link, extra);
    Readout r;
    if (!session.started())
        return r;
    QuietUi ui;
    MeasurementTable table;
    NoPoller poller;
    std::vector<std::string> used;
    MemoryReadout readout(table, session.layer, ui, poller, used);
    ui.clock.start();
    r.rows = static_cast<int>(readout.Run(ReadoutMode::Read, 1, kRows, PmvSettings{}).rowsRead.size());
    const qint64 endNs = ui.clock.nsecsElapsed();
    r.seconds = endNs / 1e9;
    r.medianRowSeconds = MedianRowSeconds(ui.rowStarts, endNs);
    r.errors = ui.errors;
    r.unanswered = ui.unanswered;
    std::istringstream out(session.Finish().first);
    for (std::string word; out >> word;)
        if (word == "COUNT")
            out >> r.bytesIn >> r.bytesOut;
    return r;
}

// Lets events run for ms, so that late bytes are read and dropped.
void Settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
}

struct Event {
    long long us;
    std::size_t bytes;
};

// Events at or after fromUs of the simulator's trace in one direction.
std::vector<Event> SimEvents(const std::string& trace, const std::string& direction, long long fromUs)
{
    std::vector<Event> events;
    std::istringstream in(trace);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string tag, dir;
        Event e{};
        if (fields >> tag >> e.us >> dir >> e.bytes && tag == "TRACE" && dir == direction && e.us >= fromUs)
            events.push_back(e);
    }
    return events;
}

void TraceExchange(const QString& sim, const std::string& state, const Link& link)
{
    Session session(sim, state, link, {"--pace", "--trace"});
    if (!session.started())
        return;
    const std::string command = std::string("Gr\x01") + "Ck";
    session.layer.SendCommand(command, "MEM", 200, 69, ""); // warm up
    Settle(200); // the line falls quiet and the rest of the answer is read

    // What the program wrote and read, with times: the monitor echoes the
    // bytes written and passes on every chunk read.
    std::vector<Event> program;
    ProtocolMonitor& monitor = session.layer.Monitor();
    monitor.SetEnabled(true);
    monitor.TakeTerminalBytes();
    monitor.Changed = [&] {
        const std::string bytes = monitor.TakeTerminalBytes();
        if (!bytes.empty())
            program.push_back({NowUs(), bytes.size()});
    };
    const long long t0 = NowUs();
    const std::size_t replySize = session.layer.SendCommand(command, "MEM", 200, 69, "").size();
    const long long handedBack = NowUs();
    monitor.Changed = nullptr;
    monitor.SetEnabled(false);
    Settle(200); // the simulator ends its answer
    const std::string trace = session.Finish().second;

    // The serial links echo the command; the USB frames carried on the
    // serial side are not echoed.
    std::optional<long long> writeDone;
    std::size_t first = 0;
    if (!link.usb && !program.empty()) {
        writeDone = program.front().us;
        first = 1;
    }
    std::size_t readBytes = 0;
    long long firstRead = -1, lastRead = -1;
    for (std::size_t i = first; i < program.size() && program[i].us <= handedBack; ++i) {
        if (firstRead < 0)
            firstRead = program[i].us;
        lastRead = program[i].us;
        readBytes += program[i].bytes;
    }
    const auto simIn = SimEvents(trace, "in", t0);
    const auto simOut = SimEvents(trace, "out", t0);
    std::size_t commandBytes = 0, answerBytes = 0;
    for (const Event& e : simIn)
        commandBytes += e.bytes;
    for (const Event& e : simOut)
        answerBytes += e.bytes;
    auto ms = [t0](long long us) { return (us - t0) / 1000.0; };
    const double msPerByte = 10.0 * 1000.0 / static_cast<double>(link.baud);

    std::printf("%-9s trace of one \"Gr\" exchange (ms after the call; reply %zu bytes):\n", link.dialect, replySize);
    if (writeDone)
        std::printf("          program write done      %8.3f\n", ms(*writeDone));
    if (!simIn.empty())
        std::printf("          simulator read command  %8.3f  (%zu bytes, wire %.3f)\n", ms(simIn.front().us),
                    commandBytes, commandBytes * msPerByte);
    if (!simOut.empty()) {
        std::printf("          simulator first byte    %8.3f\n", ms(simOut.front().us));
        std::printf("          simulator last byte     %8.3f  (%zu bytes, wire %.3f)\n", ms(simOut.back().us),
                    answerBytes, answerBytes * msPerByte);
    }
    if (firstRead >= 0) {
        std::printf("          program first byte      %8.3f\n", ms(firstRead));
        std::printf("          program last byte       %8.3f  (%zu bytes read before the reply was handed back)\n",
                    ms(lastRead), readBytes);
    }
    std::printf("          reply handed back       %8.3f\n", ms(handedBack));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString sim = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                 : QCoreApplication::applicationDirPath() + "/../vamok-sim";
    QTemporaryDir dir;
    int failures = 0;

    for (const Link& link : kLinks) {
        const std::string state = StateFile(dir, link);
        const Readout unpaced = RunReadout(sim, state, link, false);
        const Readout paced = RunReadout(sim, state, link, true);
        if (unpaced.seconds < 0 || paced.seconds < 0) {
            std::fprintf(stderr, "could not start %s\n", sim.toLocal8Bit().constData());
            return 1;
        }
        const unsigned long long bytes = paced.bytesIn + paced.bytesOut;
        const double wireSeconds = static_cast<double>(bytes) * 10.0 / static_cast<double>(link.baud);
        const double ratio = wireSeconds > 0 ? paced.seconds / wireSeconds : 0;
        // Robust against a few rows that a busy machine delayed.
        const double medianRatio = wireSeconds > 0 ? paced.medianRowSeconds * kRows / wireSeconds : 0;
        std::printf("%-9s unpaced: %d rows in %.3f s (errors %d, unanswered %d)\n", link.dialect, unpaced.rows,
                    unpaced.seconds, unpaced.errors, unpaced.unanswered);
        std::printf("%-9s paced %ld baud: %d rows (errors %d, unanswered %d), bytes in %llu out %llu, "
                    "wire %.3f s, elapsed %.3f s, ratio %.3f (target %.2f)%s; median row: ratio %.3f\n",
                    link.dialect, link.baud, paced.rows, paced.errors, paced.unanswered, paced.bytesIn,
                    paced.bytesOut, wireSeconds, paced.seconds, ratio, link.targetRatio,
                    ratio <= link.targetRatio && paced.rows == kRows ? "" : " MISSED", medianRatio);
        if (ratio > link.targetRatio || paced.rows != kRows)
            ++failures;
    }
    for (const Link& link : kLinks)
        TraceExchange(sim, StateFile(dir, link), link);
    return failures == 0 ? 0 : 3;
}

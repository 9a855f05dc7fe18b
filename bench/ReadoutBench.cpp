// A full 99-record memory readout over a pseudo-terminal against vamok-sim:
// unpaced (target: under 1 s) and paced at the altarim's 9600 baud (target:
// within 10 % of the wire time of the bytes exchanged).
// Usage: bench_ReadoutBench [PATH/TO/vamok-sim]
#include "core/AppState.h"
#include "device/TAPSend.h"
#include "measure/MemoryReadout.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

using namespace vamok;

namespace {

class QuietUi : public ReadoutUi {
public:
    void TableCleared() override {}
    bool ConfirmVentiqOverwrite(const std::string&) override { return true; }
    void Begin(int, int) override {}
    void ShowProgress(int) override {}
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
};

class NoPoller : public PollerControl {
public:
    void Park() override {}
    void Resume() override {}
};

std::string StateFile(const QTemporaryDir& dir)
{
    std::string workplaces;
    for (int n = 1; n <= 99; ++n)
        workplaces += (n > 1 ? "," : "") + std::string("{\"number\": ") + std::to_string(n) +
                      ", \"name\": \"Platz " + std::to_string(n) +
                      "\", \"type\": \"VAM \", \"values\": {\"Temp\": 21.5, \"Feu\": 45.0, \"Bel\": 500}}";
    const std::string path = dir.filePath("state.json").toStdString();
    std::FILE* f = std::fopen(path.c_str(), "w");
    if (!f)
        return {};
    std::fprintf(f, "{\"firmware\": \"2.2\", \"workplaces\": [%s]}", workplaces.c_str());
    std::fclose(f);
    return path;
}

double RunOnce(const QString& sim, const std::string& state, bool paced, QuietUi& ui, int& rowsRead)
{
    QProcess process;
    QStringList args{"--dialect", "altarim", "--state", QString::fromStdString(state)};
    if (paced)
        args << "--pace";
    process.start(sim, args);
    if (!process.waitForStarted(5000) || !process.waitForReadyRead(5000))
        return -1;
    const std::string pty = QString::fromLocal8Bit(process.readLine()).trimmed().mid(4).toStdString();

    App() = AppState{};
    App().DeviceVersion = "2.2";
    DeviceAnswering = true;
    TAPSend link;
    link.SelectComPortPath(pty);
    MeasurementTable table;
    NoPoller poller;
    std::vector<std::string> used;
    MemoryReadout readout(table, link, ui, poller, used);
    QElapsedTimer clock;
    clock.start();
    rowsRead = static_cast<int>(readout.Run(ReadoutMode::Read, 1, 99, PmvSettings{}).rowsRead.size());
    const double seconds = clock.nsecsElapsed() / 1e9;
    process.terminate();
    process.waitForFinished(5000);
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString sim = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                 : QCoreApplication::applicationDirPath() + "/../vamok-sim";
    QTemporaryDir dir;
    const std::string state = StateFile(dir);

    // Per workplace: "Gr" n "Ck" out; "MEM" + 76 record bytes + the
    // one-byte "Ck" answer back; 10 bit times per byte.
    constexpr double kBytesPerRow = 4 + 3 + 76 + 1;
    const double wireSeconds = 99 * kBytesPerRow * 10 / 9600.0;

    for (bool paced : {false, true}) {
        QuietUi ui;
        int rows = 0;
        const double s = RunOnce(sim, state, paced, ui, rows);
        if (s < 0) {
            std::fprintf(stderr, "could not start %s\n", sim.toLocal8Bit().constData());
            return 1;
        }
        std::printf("%s: %d rows in %.3f s (errors %d, unanswered %d)", paced ? "paced 9600" : "unpaced",
                    rows, s, ui.errors, ui.unanswered);
        if (paced)
            std::printf(", wire time %.3f s, ratio %.3f", wireSeconds, s / wireSeconds);
        std::printf("\n");
    }
    return 0;
}

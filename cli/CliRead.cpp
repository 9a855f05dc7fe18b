// vamok-cli read --link L [--port PATH] [--first N] [--last M] [--json]:
// "Messwerte lesen" for workplaces N..M (default 1..99), then the rows read,
// as JSON lines or as the table's copy text.
#include "cli/Commands.h"

#include "app/AppState.h"
#include "app/Cp1252.h"
#include "app/SettingsStore.h"
#include "app/TextHelpers.h"
#include "device/TAPSend.h"
#include "live/IdentificationParser.h"
#include "measure/Clipboard.h"
#include "measure/DataFileTexts.h"
#include "measure/MemoryReadout.h"
#include "measure/RowJson.h"

#include <QCoreApplication>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

using namespace vamok;

constexpr int kNoInstrument = 3;
constexpr const char* kUsage =
    "usage: vamok-cli read --link altarim|quadrovan|rix|ventiq [--port PATH] [--first N] [--last M] [--json]";

struct Arguments {
    std::string link;
    std::string port;
    int first = 1;
    int last = kRowCount;
    bool json = false;
};

std::optional<int> WorkplaceNumber(const std::string& text)
{
    const std::optional<int> n = ParseInt32(text);
    if (!n || !MeasurementTable::IsRowNumber(*n))
        return std::nullopt;
    return n;
}

std::optional<Arguments> Parse(const CliArgs& args)
{
    Arguments a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--json") {
            a.json = true;
        } else if (arg == "--link" && hasValue) {
            a.link = args[++i];
        } else if (arg == "--port" && hasValue) {
            a.port = args[++i];
        } else if ((arg == "--first" || arg == "--last") && hasValue) {
            const std::optional<int> n = WorkplaceNumber(args[++i]);
            if (!n)
                return std::nullopt;
            (arg == "--first" ? a.first : a.last) = *n;
        } else {
            return std::nullopt;
        }
    }
    if (a.link != "altarim" && a.link != "quadrovan" && a.link != "rix" && a.link != "ventiq")
        return std::nullopt;
    return a;
}

std::string Utf8(const std::string& cp1252) { return FromCp1252(cp1252).toUtf8().toStdString(); }

// Messages on stderr; the question after an unanswered workplace is
// answered No, so that a lost instrument ends the readout.
class ConsoleUi : public ReadoutUi {
public:
    void TableCleared() override {}
    bool ConfirmVentiqOverwrite(const std::string&) override { return true; }
    void Begin(int, int) override {}
    void ShowProgress(int n) override { current_ = n; }
    void ShowBusy() override {}
    void CloseBusy() override {}
    void RecordArrived() override {}
    void RecordRejected() override {}
    void ShowRow(int) override {}
    void ShowTypeCell(int) override {}
    void ReportDecodeError() override
    {
        std::fprintf(stderr, "ERROR in GetMemoryData! (workplace %d)\n", current_);
    }
    bool AskContinueAfterNoAnswer() override
    {
        std::fprintf(stderr, "VAMOK antwortet nicht. (workplace %d)\n", current_);
        return false;
    }
    void Finished(int, int) override {}

private:
    int current_ = 0;
};

// Nothing polls the instrument beside the command-line readout.
class NoPoller : public PollerControl {
public:
    void Park() override {}
    void Resume() override {}
};

void SelectLink(const std::string& link)
{
    App().UsbMode = link == "rix" || link == "ventiq";
    App().VentiqMode = link == "ventiq";
    App().QuadrovanMode = link == "quadrovan";
}

// The table window's PMV choices as stored in the settings.
PmvSettings StoredPmvSettings()
{
    PmvSettings pmv;
    pmv.airVelocitySetting = Settings().integer("PMV_Luftg", kPmvWindAutomatic);
    pmv.radiantIsGlobe = !(Settings().flag("EditMSTemp") && Settings().flag("EingabeMSTemp"));
    pmv.smallGlobe = App().DeveloperMode;
    return pmv;
}

// Identifies the instrument as the poller does, for its firmware version.
bool Identify(TAPSend& link)
{
    const int timeoutMs = App().VentiqMode ? 1400 : 1000;
    const std::string reply = link.SendCommand("VeSr", "VAMOK", timeoutMs, 53, "");
    if (reply.empty())
        return false;
    const Identification id = ParseIdentification(PrefixWithLength(reply), App().UsbMode);
    if (id.DeviceVersion)
        App().DeviceVersion = *id.DeviceVersion;
    return true;
}

void PrintRows(const MeasurementTable& table, const Arguments& a, const ReadoutResult& r)
{
    if (a.json) {
        for (int n : r.rowsRead)
            std::printf("%s\n", RowTextsJson(n, table.row(n).texts).c_str());
        return;
    }
    // The copy command's lines with every column, for the rows read.
    ColumnMap none;
    none.fill(-1);
    const CopyOptions options{false, false};
    const DataFileTexts texts = DefaultDataFileTexts();
    const RateFunction rate = RateAgainstPCTypes();
    std::printf("%s\n", Utf8(CopyLine(table, 0, none, options, texts, rate)).c_str());
    for (int n : r.rowsRead)
        std::printf("%s\n", Utf8(CopyLine(table, n, none, options, texts, rate)).c_str());
}

} // namespace

int CliRead(const CliArgs& args)
{
    const std::optional<Arguments> a = Parse(args);
    if (!a) {
        std::fprintf(stderr, "%s\n", kUsage);
        return 2;
    }
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "vamok-cli";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    App().DecimalSep = DecimalSepFromLocale();
    SelectLink(a->link);
    if (!a->port.empty())
        App().ComPortPath = a->port;

    TAPSend link;
    if (!a->port.empty())
        link.SetUsbFramesOnSerial(App().UsbMode);
    try {
        link.SelectComPort(App().ComPortNumber);
    } catch (const PortOpenError& e) {
        std::fprintf(stderr, "vamok-cli: %s\n", e.what());
        return 1;
    }
    // As the port search does: wait for the answer of this probe.
    DeviceAnswering = true;
    if (!Identify(link)) {
        std::fprintf(stderr, "vamok-cli: no instrument answered\n");
        return kNoInstrument;
    }

    MeasurementTable table;
    ConsoleUi ui;
    NoPoller poller;
    MemoryReadout readout(table, link, ui, poller, App().UsedAPT);
    const ReadoutResult r = readout.Run(ReadoutMode::Read, a->first, a->last, StoredPmvSettings());
    PrintRows(table, *a, r);
    const int wanted = (a->last > a->first ? a->last : a->first) - a->first + 1;
    if (r.rowsRead.empty())
        return kNoInstrument;
    return static_cast<int>(r.rowsRead.size()) == wanted && r.decodeErrors == 0 ? 0 : 1;
}

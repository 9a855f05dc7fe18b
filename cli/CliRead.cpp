// vamok-cli read --link L [--port PATH] [--first N] [--last M] [--json]
//                [--out FILE.VAM|FILE.CSV] [--library FILE]:
// "Messwerte lesen" for workplaces N..M (default 1..99), then the rows read,
// as JSON lines or as the table's copy text, and optionally the table saved
// as the window saves it.
#include "cli/CliLink.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/SettingsStore.h"
#include "core/TextHelpers.h"
#include "device/TAPSend.h"
#include "live/IdentificationParser.h"
#include "measure/Clipboard.h"
#include "measure/DataFileTexts.h"
#include "measure/DataFileWriter.h"
#include "measure/MemoryReadout.h"
#include "measure/RowJson.h"
#include "measure/TransferTexts.h"

#include <QCoreApplication>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

using namespace vamok;

constexpr const char* kUsage =
    "usage: vamok-cli read --link altarim|quadrovan|rix|ventiq|demo [--port PATH] [--first N] [--last M] [--json]"
    " [--out FILE.VAM|FILE.CSV] [--library FILE]";

struct Arguments {
    LinkOptions link;
    std::string out;
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
        if (TakeLinkOption(args, i, a.link))
            continue;
        if (arg == "--json") {
            a.json = true;
        } else if (arg == "--out" && hasValue) {
            a.out = args[++i];
        } else if ((arg == "--first" || arg == "--last") && hasValue) {
            const std::optional<int> n = WorkplaceNumber(args[++i]);
            if (!n)
                return std::nullopt;
            (arg == "--first" ? a.first : a.last) = *n;
        } else {
            return std::nullopt;
        }
    }
    if (!ValidLinkOptions(a.link))
        return std::nullopt;
    return a;
}

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
    std::printf("%s\n", TerminalText(CopyLine(table, 0, none, options, texts, rate)).c_str());
    for (int n : r.rowsRead)
        std::printf("%s\n", TerminalText(CopyLine(table, n, none, options, texts, rate)).c_str());
}

// The table saved as "Speichern unter..." saves it after a readout: the
// default title and the readout's notes line.
bool SaveTable(const MeasurementTable& table, const Arguments& a)
{
    const auto& lang = TransferLangTexts();
    DataFileHeading heading;
    heading.title = lang[TransferText::DefaultTitle];
    heading.notes.push_back(ReadoutNotesLine(lang[TransferText::ReadoutDate], lang[TransferText::Number],
                                             lang[TransferText::To], a.first, a.last));
    const SaveResult saved = WriteDataFile(table, CommandLineText(a.out), heading);
    if (!saved.ok)
        std::fprintf(stderr, "vamok-cli: %s\n", TerminalText(saved.message).c_str());
    return saved.ok;
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
    EnsureCoreApplication(app);
    App().DecimalSep = DecimalSepFromLocale();
    LoadTypesForRating(a->link.library);

    TAPSend link;
    OpenLink(link, a->link);
    // As the port search does: wait for the answer of this probe.
    DeviceAnswering = true;
    if (!Identify(link)) {
        std::fprintf(stderr, "vamok-cli: no instrument answered\n");
        return kExitNoInstrument;
    }

    MeasurementTable table;
    ConsoleUi ui;
    NoPoller poller;
    MemoryReadout readout(table, link, ui, poller, App().UsedAPT);
    const ReadoutResult r = readout.Run(ReadoutMode::Read, a->first, a->last, StoredPmvSettings());
    PrintRows(table, *a, r);
    if (!a->out.empty() && !SaveTable(table, *a))
        return 1;
    // The instrument answered; rows it did not deliver were reported above.
    return r.rowsRead.empty() ? kExitNoInstrument : 0;
}

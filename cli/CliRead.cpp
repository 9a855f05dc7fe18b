// vamok-cli read --link L [--port PATH] [--first N] [--last M] [--json]
//                [--out FILE.VAM|FILE.CSV] [--library FILE]:
// "Messwerte lesen" for workplaces N..M (default 1..99), then the rows read,
// as JSON lines or as the table's copy text, and optionally the table saved
// as the window saves it. A readout that stops part-way keeps what it read
// and exits with ExitCode::Incomplete.
#include "cli/CliLink.h"
#include "cli/Commands.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/SettingsStore.h"
#include "core/TextHelpers.h"
#include "device/TAPSend.h"
#include "measure/Clipboard.h"
#include "measure/DataFileTexts.h"
#include "measure/DataFileWriter.h"
#include "measure/MemoryReadout.h"
#include "measure/RowJson.h"
#include "measure/TransferTexts.h"

#include <cstdio>
#include <optional>

namespace {

using namespace vamok;

struct Arguments {
    LinkOptions link;
    std::string out;
    int first = 1;
    int last = kRowCount;
    bool json = false;
};

// Workplaces first..last (last below first reads first alone, as the
// readout does).
int WantedCount(const Arguments& a)
{
    return a.last > a.first ? a.last - a.first + 1 : 1;
}

std::optional<Arguments> Parse(const CliArguments& args)
{
    Arguments a;
    const std::optional<LinkOptions> link = TakeLinkOptions(args);
    if (!link)
        return std::nullopt;
    a.link = *link;
    if (!args.operands().empty()) {
        args.UsageError("unexpected argument '" + args.operands().front() + "'");
        return std::nullopt;
    }
    for (const char* option : {"first", "last"}) {
        const std::optional<std::string> text = args.value(option);
        if (!text)
            continue;
        const std::optional<int> n = ParseInt32(*text);
        if (!n || !MeasurementTable::IsRowNumber(*n)) {
            args.UsageError(std::string("--") + option + " needs a workplace number 1 to 99, not '" + *text + "'");
            return std::nullopt;
        }
        (option == std::string("first") ? a.first : a.last) = *n;
    }
    a.json = args.flag("json");
    a.out = args.value("out").value_or("");
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

ExitCode Run(const CliArguments& args)
{
    const std::optional<Arguments> a = Parse(args);
    if (!a)
        return ExitCode::Usage;
    App().DecimalSep = DecimalSepFromLocale();
    LoadTypesForRating(a->link.library);

    TAPSend link;
    OpenLink(link, a->link);
    if (!IdentifyForVersion(link))
        return ReportNoAnswer(link);

    MeasurementTable table;
    ConsoleUi ui;
    NoPoller poller;
    MemoryReadout readout(table, link, ui, poller, App().UsedAPT);
    const ReadoutResult r = readout.Run(ReadoutMode::Read, a->first, a->last, StoredPmvSettings());
    PrintRows(table, *a, r);
    if (!a->out.empty() && !SaveTable(table, *a))
        return ExitCode::Failed;
    // The instrument answered; rows it did not deliver were named above.
    const int read = static_cast<int>(r.rowsRead.size());
    if (read == 0)
        return ExitCode::NoInstrument;
    if (read < WantedCount(*a))
        return ReportIncomplete(read, WantedCount(*a), "workplaces read",
                                r.unansweredRows > 0 ? "the instrument stopped answering"
                                                     : "the instrument sent records that could not be decoded");
    return ExitCode::Done;
}

} // namespace

CliCommand ReadCommand()
{
    std::vector<CliOption> options = LinkOptionList();
    options.insert(options.end(), {
        {{"first"}, "N", "the first workplace to read (default 1)"},
        {{"last"}, "M", "the last workplace to read (default 99)"},
        {{"json"}, "", "one JSON object per row instead of the table's copy text"},
        {{"out"}, "FILE.VAM|FILE.CSV", "also save the table as \"Speichern unter...\" saves it"},
    });
    return {"read",
            "read --link altarim|quadrovan|rix|ventiq|demo [--port PATH] [--first N] [--last M] [--json]"
            " [--out FILE.VAM|FILE.CSV] [--library FILE]",
            "\"Messwerte lesen\": the instrument's stored workplaces N..M, the rows read on stdout",
            options,
            {},
            Run};
}

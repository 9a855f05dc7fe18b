// vamok-cli types pull --link L [--port PATH] [--json] [--library FILE]
// vamok-cli types push --link L [--port PATH] NAME... [--library FILE]
// vamok-cli names upload --link L [--port PATH] FILE.VAM [--first N] [--last M] [--library FILE]
// The type and names transfers with the instrument, without windows: the
// questions that keep a transfer going after a failure are answered No, so
// a lost instrument ends it, and the exit code says what was not written.
#include "cli/CliLink.h"
#include "cli/Commands.h"

#include "core/AppState.h"
#include "core/Folders.h"
#include "core/TextHelpers.h"
#include "device/TAPSend.h"
#include "measure/DataFileReader.h"
#include "measure/DataFileTexts.h"
#include "measure/NamesUpload.h"
#include "measure/RowJson.h"
#include "measure/TransferTexts.h"
#include "types/TypeLibrary.h"
#include "types/TypeLibraryFile.h"
#include "types/TypeSync.h"

#include <cstdio>
#include <optional>

namespace {

using namespace vamok;

// Messages on stderr. Questions are answered No, the data-loss question of
// the names upload (which the command asks for) OK.
class ConsoleUi : public NamesUploadUi {
public:
    void Message(const std::string& caption, const std::string& text) override
    {
        std::fprintf(stderr, "%s: %s\n", TerminalText(caption).c_str(), TerminalText(text).c_str());
    }
    bool AskYes(const std::string& caption, const std::string& text) override
    {
        Message(caption, text + "\r\n-> No");
        return false;
    }
    bool AskOk(const std::string&, const std::string&) override { return true; }
};

std::string LibraryOption(const CliArguments& args)
{
    return CommandLineText(args.value("library").value_or(AppDataFolder() + kLibraryFileName));
}

// Opens the link and identifies the instrument (for its firmware, which
// decides the record form); the library is loaded first.
std::optional<ExitCode> Connect(const CliArguments& args, TAPSend& link, const std::string& library)
{
    const std::optional<LinkOptions> options = TakeLinkOptions(args);
    if (!options)
        return ExitCode::Usage;
    App().DecimalSep = DecimalSepFromLocale();
    ConsoleUi ui;
    const TypeLoadResult loaded = LoadLibrary(ui, library);
    if (loaded.status == TypeFileStatus::Damaged || loaded.status == TypeFileStatus::Unreadable)
        return ExitCode::Unreadable;
    OpenLink(link, *options);
    if (!IdentifyInstrument(link))
        return ReportNoAnswer(link);
    return std::nullopt;
}

std::string NameListJson(const std::vector<std::string>& names)
{
    std::string out;
    for (const std::string& name : names)
        out += (out.empty() ? "" : ", ") + JsonString(name);
    return "[" + out + "]";
}

std::string ValuesJson(const TAPDef& type)
{
    std::string out;
    for (int row = 1; row <= kTypeRowCount; ++row) {
        out += row == 1 ? "[" : ", [";
        for (int column = 1; column <= kTypeColumnCount; ++column)
            out += (column == 1 ? "" : ", ") + std::to_string(type.at(column, row));
        out += "]";
    }
    return "[" + out + "]";
}

void PrintPull(const TypeReadResult& r, bool json)
{
    if (!json) {
        for (const auto& s : r.slots)
            std::printf("%d %s\n", s.slot, TerminalText(s.name).c_str());
        for (const std::string& name : r.added)
            std::printf("added %s\n", TerminalText(name).c_str());
        return;
    }
    std::string slots;
    for (const auto& s : r.slots) {
        const int index = FindType(DeviceTypes(), s.name);
        const TAPDef& type = DeviceTypes()[static_cast<std::size_t>(std::max(index, 0))];
        slots += (slots.empty() ? "" : ",\n  ") + std::string("{\"slot\": ") + std::to_string(s.slot) +
                 ", \"name\": " + JsonString(s.name) + ", \"values\": " + ValuesJson(type) + "}";
    }
    std::printf("{\"slots\": [\n  %s\n], \"added\": %s, \"renamed\": %s}\n", slots.c_str(),
                NameListJson(r.added).c_str(), JsonString(r.renameReport).c_str());
}

std::string SlotList(const std::vector<int>& slots)
{
    std::string out;
    for (int s : slots)
        out += (out.empty() ? "" : ", ") + std::to_string(s);
    return out;
}

bool Changed(const TAPListe& before)
{
    return before != PCTypes();
}

} // namespace

std::vector<CliOption> TypeTransferOptions()
{
    std::vector<CliOption> options;
    for (CliOption& option : LinkOptionList())
        if (option.names.front() != "library")
            options.push_back(std::move(option));
    options.push_back({{"json"}, "", "pull: the slots read as JSON"});
    return options;
}

ExitCode CliTypesPull(const CliArguments& args)
{
    if (args.operands().size() != 1)
        return args.UsageError("pull takes no name");
    const std::string library = LibraryOption(args);
    TAPSend link;
    if (const auto failed = Connect(args, link, library))
        return *failed;
    ConsoleUi ui;
    TypeSync sync(link, ui, library);
    const TypeReadResult r = sync.ReadDeviceTypes();
    PrintPull(r, args.flag("json"));
    if (r.unansweredSlots.size() == static_cast<std::size_t>(kTypeSlotCount))
        return ReportNoAnswer(link);
    if (!r.unansweredSlots.empty())
        return ReportIncomplete(kTypeSlotCount - static_cast<int>(r.unansweredSlots.size()), kTypeSlotCount,
                                "type slots read",
                                "no answer for slot " + SlotList(r.unansweredSlots));
    if (r.profileNamesFailed)
        std::fprintf(stderr, "vamok-cli: the profile names could not be read\n");
    return ExitCode::Done;
}

ExitCode CliTypesPush(const CliArguments& args)
{
    std::vector<std::string> names(args.operands().begin() + 1, args.operands().end());
    if (names.empty())
        return args.UsageError("push needs the names of the types to write");
    if (names.size() > static_cast<std::size_t>(kTypeSlotCount))
        return args.UsageError("the instrument holds at most 9 types");
    const std::string library = LibraryOption(args);
    TAPSend link;
    if (const auto failed = Connect(args, link, library))
        return *failed;
    App().UsedAPT.clear();
    for (const std::string& name : names) {
        const std::string type = CommandLineText(name);
        if (FindType(PCTypes(), type) < 0) {
            std::fprintf(stderr, "vamok-cli types: no type named '%s'\n", name.c_str());
            return ExitCode::Failed;
        }
        App().UsedAPT.push_back(TAPDef::TypeName(type));
    }
    const TAPListe before = PCTypes();
    ConsoleUi ui;
    TypeSync sync(link, ui, library);
    const TypeWriteResult w = sync.UploadUsedTypes();
    // A read-back may bring a name the instrument changed (upper-case umlauts).
    if (Changed(before))
        SaveLibrary(ui, library);
    if (w.failedSlot != 0)
        return ReportIncomplete(static_cast<int>(w.writtenSlots.size()), static_cast<int>(names.size()),
                                "type slots written",
                                "slot " + std::to_string(w.failedSlot) + " (" + TerminalText(w.failedName) +
                                    ") failed: the instrument stopped answering");
    return ExitCode::Done;
}

namespace {

ExitCode NamesUploadRun(const CliArguments& args)
{
    const std::vector<std::string>& words = args.operands();
    if (words.size() != 2 || words[0] != "upload")
        return args.UsageError(words.empty() || words[0] != "upload" ? "needs the action upload"
                                                                     : "upload needs one data file");
    int first = 1, last = kRowCount;
    for (const char* option : {"first", "last"}) {
        const std::optional<std::string> text = args.value(option);
        if (!text)
            continue;
        const std::optional<int> n = ParseInt32(*text);
        if (!n || !MeasurementTable::IsRowNumber(*n))
            return args.UsageError(std::string("--") + option + " needs a workplace number 1 to 99, not '" + *text + "'");
        (option == std::string("first") ? first : last) = *n;
    }
    if (!TakeLinkOptions(args))
        return ExitCode::Usage;
    App().DecimalSep = DecimalSepFromLocale();
    ReadResult file = ReadDataFile(CommandLineText(words[1]), DefaultDataFileTexts(), App().DecimalSep, PmvSettings{});
    if (!file.content) {
        std::fprintf(stderr, "vamok-cli: %s\n", TerminalText(file.message).c_str());
        return ExitCode::Unreadable;
    }
    const std::string library = LibraryOption(args);
    TAPSend link;
    if (const auto failed = Connect(args, link, library))
        return *failed;

    ConsoleUi ui;
    TypeSync types(link, ui, library);
    std::vector<std::string> lang(TransferLangTexts().begin(), TransferLangTexts().end());
    NamesUpload upload(file.content->table, link, ui, App().UsedAPT, types, lang);
    const NamesUploadResult r = upload.Run(first, last);
    if (!r.sent) {
        std::fprintf(stderr, "vamok-cli names: nothing was sent\n");
        return ExitCode::Failed;
    }
    const int wanted = last > first ? last - first + 1 : 1;
    if (!r.failed.empty())
        return ReportIncomplete(static_cast<int>(r.written.size()), wanted, "workplaces written",
                                "workplace " + std::to_string(r.failed.front()) +
                                    " failed: the instrument stopped answering");
    if (r.types.failedSlot != 0)
        return ReportIncomplete(static_cast<int>(r.types.writtenSlots.size()),
                                static_cast<int>(std::min<std::size_t>(App().UsedAPT.size(), kTypeSlotCount)),
                                "type slots written",
                                "slot " + std::to_string(r.types.failedSlot) + " (" +
                                    TerminalText(r.types.failedName) + ") failed: the instrument stopped answering");
    return ExitCode::Done;
}

} // namespace

CliCommand NamesCommand()
{
    std::vector<CliOption> options = LinkOptionList();
    options.insert(options.end(), {
        {{"first"}, "N", "the first workplace to write (default 1)"},
        {{"last"}, "M", "the last workplace to write (default 99)"},
    });
    return {"names",
            "names upload --link altarim|quadrovan|rix|ventiq|demo [--port PATH] FILE.VAM [--first N] [--last M]"
            " [--library FILE]",
            "\"Name/Typ -> VAMOK\": the workplaces' names, types and profiles of a data file, then the used types",
            options,
            {{{"upload FILE.VAM"}, "", "write workplaces N..M of the file and the types they use"}},
            NamesUploadRun};
}

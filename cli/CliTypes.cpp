// vamok-cli types list | show NAME | import FILE | export FILE [--library FILE]
// The PC type library (default: Vamok.APT in the application data folder).
#include "cli/CliLink.h"
#include "cli/Commands.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/Folders.h"
#include "core/TextHelpers.h"
#include "types/TypeFile.h"
#include "types/TypeImport.h"
#include "types/TypeLibrary.h"
#include "types/TypeLibraryFile.h"
#include "types/TypeRowLabels.h"

#include <QByteArray>

#include <cstdio>
#include <optional>

namespace {

using namespace vamok;

struct Arguments {
    std::string action;
    std::string operand;
    std::string library;
};

std::optional<Arguments> Parse(const CliArguments& args)
{
    const std::vector<std::string>& words = args.operands();
    if (words.empty()) {
        args.UsageError("needs an action");
        return std::nullopt;
    }
    Arguments a{words[0], "", args.value("library").value_or(AppDataFolder() + kLibraryFileName)};
    const bool needsOperand = a.action == "show" || a.action == "import" || a.action == "export";
    if (a.action != "list" && !needsOperand) {
        args.UsageError("unknown action '" + a.action + "'");
        return std::nullopt;
    }
    if (words.size() != (needsOperand ? 2u : 1u)) {
        args.UsageError(needsOperand ? a.action + " needs one name" : "list takes no name");
        return std::nullopt;
    }
    if (needsOperand)
        a.operand = words[1];
    return a;
}

// Messages go to stderr; the import question is answered Yes, since the
// command itself asks for the import.
class ConsoleReporter : public TypeReporter {
public:
    void Message(const std::string& caption, const std::string& text) override
    {
        std::fprintf(stderr, "%s: %s\n", TerminalText(caption).c_str(), TerminalText(text).c_str());
    }
    bool AskYes(const std::string&, const std::string&) override { return true; }
};

ExitCode List()
{
    for (std::size_t i = 1; i < PCTypes().size(); ++i)
        std::printf("%s\n", TerminalText(PCTypes()[i].Name).c_str());
    return ExitCode::Done;
}

ExitCode Show(const std::string& name)
{
    const int index = FindType(PCTypes(), CommandLineText(name));
    if (index < 0) {
        std::fprintf(stderr, "vamok-cli types: no type named '%s'\n", name.c_str());
        return ExitCode::Failed;
    }
    const TAPDef& type = PCTypes()[static_cast<std::size_t>(index)];
    std::printf("%s\n", TerminalText(type.Name).c_str());
    for (int row = 1; row <= kTypeRowCount; ++row)
        std::printf("%2d %s: %s\n", row, TerminalText(TypeRowLabel(row)).c_str(), TerminalText(TypeRowLine(type, row)).c_str());
    return ExitCode::Done;
}

bool LoadedWhole(const TypeLoadResult& result)
{
    return result.status != TypeFileStatus::Damaged && result.status != TypeFileStatus::Unreadable;
}

ExitCode Run(const CliArguments& args)
{
    const std::string action = args.operands().empty() ? std::string() : args.operands()[0];
    if (action == "report")
        return CliTypesReport(args);
    if (action == "pull")
        return CliTypesPull(args);
    if (action == "push")
        return CliTypesPush(args);
    App().DecimalSep = DecimalSepFromLocale();
    const std::optional<Arguments> a = Parse(args);
    if (!a)
        return ExitCode::Usage;
    ConsoleReporter reporter;
    const std::string library = CommandLineText(a->library);
    if (a->action == "import")
        return ImportTypeFile(CommandLineText(a->operand), reporter, false, library) ? ExitCode::Done
                                                                                      : ExitCode::Failed;

    const TypeLoadResult loaded = LoadLibrary(reporter, library);
    ExitCode status = ExitCode::Done;
    if (a->action == "list")
        status = List();
    else if (a->action == "show")
        status = Show(a->operand);
    else
        status = SaveTypeFile(CommandLineText(a->operand), reporter) ? ExitCode::Done : ExitCode::Failed;
    // A library that could not be read whole was reported; the command
    // worked on what was read but says that it is incomplete.
    return status == ExitCode::Done && !LoadedWhole(loaded) ? ExitCode::Failed : status;
}

} // namespace

std::vector<CliOption> TypesOptions()
{
    std::vector<CliOption> options{{{"library"}, "FILE", "the library to work on (default: the program's Vamok.APT)"}};
    for (CliOption& option : TypesReportOptions())
        options.push_back(std::move(option));
    for (CliOption& option : TypeTransferOptions())
        options.push_back(std::move(option));
    return options;
}

CliCommand TypesCommand()
{
    return {"types",
            "types list | show NAME | import FILE | export FILE | report NAME --pdf OUT.pdf"
            " | pull --link L [--port PATH] [--json] | push --link L [--port PATH] NAME... [--library FILE]",
            "the PC type library",
            TypesOptions(),
            {{{"list"}, "", "the names of the types, in library order"},
             {{"show NAME"}, "", "one type row by row"},
             {{"import FILE"}, "", "replace the library with FILE, keeping the old one as .bak"},
             {{"export FILE"}, "", "write the library to FILE in the current format"},
             {{"report NAME"}, "", "the type report of one type as a PDF file (--pdf)"},
             {{"pull"}, "", "read the instrument's nine type slots; new types join the library"},
             {{"push NAME..."}, "", "write the types into slots 1, 2, ... and read each back"}},
            Run,
            [](const QStringList& args) { return !args.isEmpty() && args.front() == QLatin1String("report"); }};
}

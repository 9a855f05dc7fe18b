// vamok-cli types list | show NAME | import FILE | export FILE [--library FILE]
// The PC type library (default: Vamok.APT in the application data folder).
#include "cli/CliLink.h"

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

constexpr const char* kUsage = "usage: vamok-cli types list | show NAME | import FILE | export FILE [--library FILE]";

struct Arguments {
    std::string action;
    std::string operand;
    std::string library;
};

std::optional<Arguments> Parse(const CliArgs& args)
{
    Arguments a;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--library") {
            if (i + 1 >= args.size() || !a.library.empty())
                return std::nullopt;
            a.library = args[++i];
        } else {
            words.push_back(args[i]);
        }
    }
    if (words.empty())
        return std::nullopt;
    a.action = words[0];
    const bool needsOperand = a.action == "show" || a.action == "import" || a.action == "export";
    if (a.action != "list" && !needsOperand)
        return std::nullopt;
    if (words.size() != (needsOperand ? 2u : 1u))
        return std::nullopt;
    if (needsOperand)
        a.operand = words[1];
    if (a.library.empty())
        a.library = AppDataFolder() + kLibraryFileName;
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

int List()
{
    for (std::size_t i = 1; i < PCTypes().size(); ++i)
        std::printf("%s\n", TerminalText(PCTypes()[i].Name).c_str());
    return 0;
}

int Show(const std::string& name)
{
    const int index = FindType(PCTypes(), CommandLineText(name));
    if (index < 0) {
        std::fprintf(stderr, "vamok-cli types: no type named '%s'\n", name.c_str());
        return 1;
    }
    const TAPDef& type = PCTypes()[static_cast<std::size_t>(index)];
    std::printf("%s\n", TerminalText(type.Name).c_str());
    for (int row = 1; row <= kTypeRowCount; ++row)
        std::printf("%2d %s: %s\n", row, TerminalText(TypeRowLabel(row)).c_str(), TerminalText(TypeRowLine(type, row)).c_str());
    return 0;
}

bool LoadedWhole(const TypeLoadResult& result)
{
    return result.status != TypeFileStatus::Damaged && result.status != TypeFileStatus::Unreadable;
}

} // namespace

int CliTypes(const CliArgs& args)
{
    if (!args.empty() && args[0] == "report")
        return CliTypesReport(args);
    App().DecimalSep = DecimalSepFromLocale();
    const std::optional<Arguments> a = Parse(args);
    if (!a) {
        std::fprintf(stderr, "%s\n", kUsage);
        return 2;
    }
    ConsoleReporter reporter;
    const std::string library = CommandLineText(a->library);
    if (a->action == "import")
        return ImportTypeFile(CommandLineText(a->operand), reporter, false, library) ? 0 : 1;

    const TypeLoadResult loaded = LoadLibrary(reporter, library);
    int status = 0;
    if (a->action == "list")
        status = List();
    else if (a->action == "show")
        status = Show(a->operand);
    else
        status = SaveTypeFile(CommandLineText(a->operand), reporter) ? 0 : 1;
    // A library that could not be read whole was reported; the command
    // worked on what was read but says that it is incomplete.
    return status == 0 && !LoadedWhole(loaded) ? 1 : status;
}

// vamok-cli convert IN OUT: any readable data file or export in, the current
// format out (kind by OUT's extension). vamok-cli show FILE [--json]: the
// file as "Öffnen..." reads it.
#include "cli/CliLink.h"
#include "cli/Commands.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/TextHelpers.h"
#include "measure/Clipboard.h"
#include "measure/DataFileReader.h"
#include "measure/DataFileWriter.h"
#include "measure/RowJson.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <optional>

namespace {

using namespace vamok;

const CliOption kTypesOption{{"types", "library"}, "FILE.APT",
                             "the type library the ratings come from (default: the program's Vamok.APT)"};

struct Arguments {
    std::vector<std::string> files;
    std::string types; // the type library the ratings come from (--types or --library)
};

// The files (exactly `count`) and options; nothing after a usage error.
std::optional<Arguments> Parse(const CliArguments& args, std::size_t count)
{
    if (args.operands().size() != count) {
        args.UsageError("needs " + std::to_string(count) + (count == 1 ? " file" : " files"));
        return std::nullopt;
    }
    Arguments a;
    for (const std::string& file : args.operands())
        a.files.push_back(CommandLineText(file));
    a.types = args.value("types").value_or("");
    return a;
}

// The file as "Öffnen..." reads it: the user's decimal separator and the
// ratings of the type library `types` (default: the program's).
std::optional<DataFileContent> Open(const std::string& path, const std::string& types)
{
    App().DecimalSep = DecimalSepFromLocale();
    LoadTypesForRating(types);
    ReadResult r = ReadDataFile(path, DefaultDataFileTexts(), App().DecimalSep, PmvSettings{});
    if (!r.content)
        std::fprintf(stderr, "%s\n", TerminalText(r.message).c_str());
    return std::move(r.content);
}

std::string HeadingJson(const DataFileContent& c)
{
    std::string notes;
    for (const std::string& line : c.notes)
        notes += (notes.empty() ? "" : ", ") + JsonString(line);
    return "{\"title\": " + JsonString(c.title.value_or(DefaultDataFileTexts().defaultTitle)) +
           ", \"notes\": [" + notes + "], \"version\": " + JsonString(c.versionText) + "}";
}

// The row as "read --json" prints it, with the ratings read from the file.
std::string RowJson(int n, const WorkplaceRow& row)
{
    std::string line = "{\"row\": " + std::to_string(n) + ", " + RowTextsJsonMembers(row.texts) + ", \"ratings\": {";
    bool first = true;
    for (Field f : kRatedFields) {
        line += std::string(first ? "" : ", ") + "\"" + InfoOf(f).name + "\": " + std::to_string(row.ratings[f]);
        first = false;
    }
    return line + "}}";
}

ExitCode Convert(const CliArguments& args)
{
    const std::optional<Arguments> a = Parse(args, 2);
    if (!a)
        return ExitCode::Usage;
    const std::optional<DataFileContent> c = Open(a->files[0], a->types);
    if (!c)
        return ExitCode::Unreadable;
    const DataFileHeading heading{c->title.value_or(DefaultDataFileTexts().defaultTitle), c->notes};
    const SaveResult saved = WriteDataFile(c->table, a->files[1], heading);
    if (!saved.ok) {
        std::fprintf(stderr, "%s\n", TerminalText(saved.message).c_str());
        return ExitCode::Failed;
    }
    return ExitCode::Done;
}

ExitCode Show(const CliArguments& args)
{
    const std::optional<Arguments> a = Parse(args, 1);
    if (!a)
        return ExitCode::Usage;
    const std::optional<DataFileContent> c = Open(a->files[0], a->types);
    if (!c)
        return ExitCode::Unreadable;
    if (args.flag("json")) {
        std::printf("%s\n", HeadingJson(*c).c_str());
        for (int n = 1; n <= kRowCount; ++n)
            std::printf("%s\n", RowJson(n, c->table.row(n)).c_str());
        return ExitCode::Done;
    }
    std::printf("%s\n", TerminalText(c->title.value_or(DefaultDataFileTexts().defaultTitle)).c_str());
    ColumnMap none;
    none.fill(-1);
    const std::string rows = CopyText(c->table, 1, kRowCount, none, CopyOptions{false, true},
                                      DefaultDataFileTexts(), RateAgainstPCTypes());
    std::fputs(TerminalText(rows).c_str(), stdout);
    for (const std::string& line : c->notes)
        std::printf("%s\n", TerminalText(line).c_str());
    return ExitCode::Done;
}

} // namespace

CliCommand ConvertCommand()
{
    return {"convert",
            "convert IN OUT [--types FILE.APT]",
            "a data file or export IN written to OUT in the current format (.VAM or .CSV by OUT's name)",
            {kTypesOption},
            {{{"IN"}, "", "the data file or export to read, as \"\xC3\x96" "ffnen...\" reads it"},
             {{"OUT"}, "", "the file to write"}},
            Convert};
}

CliCommand ShowCommand()
{
    return {"show",
            "show FILE [--json] [--types FILE.APT]",
            "a data file or export as the table reads it",
            {{{"json"}, "", "a heading object, then one JSON object per row"}, kTypesOption},
            {{{"FILE"}, "", "the data file or export to read"}},
            Show};
}

// vamok-cli convert IN OUT: any readable data file or export in, the current
// format out (kind by OUT's extension). vamok-cli show FILE [--json]: the
// file as "Öffnen..." reads it.
#include "cli/CliLink.h"

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

constexpr int kUnreadable = 4;

struct Arguments {
    std::vector<std::string> files;
    std::string types; // the type library the ratings come from (--types or --library)
    bool json = false;
    bool ok = true;
};

Arguments Parse(const CliArgs& args, bool allowJson)
{
    Arguments a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--types" || args[i] == "--library") && i + 1 < args.size())
            a.types = args[++i];
        else if (allowJson && args[i] == "--json")
            a.json = true;
        else if (args[i].rfind("--", 0) == 0)
            a.ok = false;
        else
            a.files.push_back(CommandLineText(args[i]));
    }
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

} // namespace

int CliConvert(const CliArgs& args)
{
    const Arguments a = Parse(args, false);
    if (!a.ok || a.files.size() != 2) {
        std::fprintf(stderr, "usage: vamok-cli convert IN OUT [--types FILE.APT]\n");
        return 2;
    }
    const std::optional<DataFileContent> c = Open(a.files[0], a.types);
    if (!c)
        return kUnreadable;
    const DataFileHeading heading{c->title.value_or(DefaultDataFileTexts().defaultTitle), c->notes};
    const SaveResult saved = WriteDataFile(c->table, a.files[1], heading);
    if (!saved.ok) {
        std::fprintf(stderr, "%s\n", TerminalText(saved.message).c_str());
        return 1;
    }
    return 0;
}

int CliShow(const CliArgs& args)
{
    const Arguments a = Parse(args, true);
    if (!a.ok || a.files.size() != 1) {
        std::fprintf(stderr, "usage: vamok-cli show FILE [--json] [--types FILE.APT]\n");
        return 2;
    }
    const std::optional<DataFileContent> c = Open(a.files[0], a.types);
    if (!c)
        return kUnreadable;
    if (a.json) {
        std::printf("%s\n", HeadingJson(*c).c_str());
        for (int n = 1; n <= kRowCount; ++n)
            std::printf("%s\n", RowJson(n, c->table.row(n)).c_str());
        return 0;
    }
    std::printf("%s\n", TerminalText(c->title.value_or(DefaultDataFileTexts().defaultTitle)).c_str());
    ColumnMap none;
    none.fill(-1);
    const std::string rows = CopyText(c->table, 1, kRowCount, none, CopyOptions{false, true},
                                      DefaultDataFileTexts(), RateAgainstPCTypes());
    std::fputs(TerminalText(rows).c_str(), stdout);
    for (const std::string& line : c->notes)
        std::printf("%s\n", TerminalText(line).c_str());
    return 0;
}

// vamok-cli report FILE.VAM --pdf OUT.pdf [--mode 0..4|10|11] [--color|--bw]
// vamok-cli types report NAME --pdf OUT.pdf [--library FILE]
// The two reports as PDF files, rendered as the program prints them.
#include "cli/CliLink.h"
#include "cli/Commands.h"

#include "core/AppState.h"
#include "core/SettingsStore.h"
#include "core/TextHelpers.h"
#include "measure/ColumnLayout.h"
#include "measure/DataFileReader.h"
#include "measure/TableSettings.h"
#include "print/MeasurementReport.h"
#include "print/ReportRenderer.h"
#include "print/TypeReport.h"
#include "profiles/ColumnDefinition.h"
#include "types/TypeLibrary.h"


#include <cstdio>
#include <optional>

namespace {

using namespace vamok;

struct Arguments {
    std::string word; // the data file, or the type's name
    std::string pdf;
    std::string library;
    int mode = PrintMode::ShownColumns;
    bool color = false;
};

std::optional<int> Number(const std::string& text)
{
    try {
        std::size_t used = 0;
        const int n = std::stoi(text, &used);
        return used == text.size() ? std::optional<int>(n) : std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// The operand at `index` and the report options; a usage error otherwise.
std::optional<Arguments> Parse(const CliArguments& args, std::size_t index)
{
    Arguments a;
    if (args.operands().size() != index + 1) {
        args.UsageError(args.operands().size() <= index ? "the file or name is missing" : "too many arguments");
        return std::nullopt;
    }
    a.word = args.operands()[index];
    a.pdf = args.value("pdf").value_or("");
    if (a.pdf.empty()) {
        args.UsageError("--pdf is missing");
        return std::nullopt;
    }
    a.library = args.value("library").value_or("");
    if (const auto mode = args.value("mode")) {
        const std::optional<int> n = Number(*mode);
        if (!n || !IsPrintMode(*n)) {
            args.UsageError("--mode must be 0..4, 10 or 11");
            return std::nullopt;
        }
        a.mode = *n;
    }
    if (args.flag("color") && args.flag("bw")) {
        args.UsageError("--color and --bw exclude each other");
        return std::nullopt;
    }
    a.color = args.flag("color");
    return a;
}

// The view the table window starts in: the stored user view, else the PMV
// view (which it also takes when no user view is stored).
ColumnMap StartViewColumns()
{
    const TableSettings settings = ReadTableSettings(false);
    if (settings.userView >= 1 && settings.userView <= kColumnDefinitionCount)
        return MapShownKinds(UserViewKinds(LoadColumnDefinition(settings.userView).definition));
    return MapShownKinds(StartsInPmvView(settings) ? PmvViewKinds() : StandardViewKinds());
}

ExitCode Save(const Report& report, const std::string& path)
{
    const QByteArray pdf = ReportPdf(report);
    const std::optional<std::string> failed =
        pdf.isEmpty() ? std::optional<std::string>("the report could not be rendered") : SaveReportPdf(path, pdf);
    if (failed) {
        std::fprintf(stderr, "vamok-cli: %s: %s\n", TerminalText(path).c_str(), TerminalText(*failed).c_str());
        return ExitCode::Failed;
    }
    return ExitCode::Done;
}

ExitCode RunReport(const CliArguments& args)
{
    const std::optional<Arguments> parsed = Parse(args, 0);
    if (!parsed)
        return ExitCode::Usage;
    const Arguments& a = *parsed;
    App().DecimalSep = DecimalSepFromLocale();
    LoadTypesForRating(a.library);
    ReadResult read = ReadDataFile(CommandLineText(a.word), DefaultDataFileTexts(), App().DecimalSep, PmvSettings{});
    if (!read.content) {
        std::fprintf(stderr, "%s\n", TerminalText(read.message).c_str());
        return ExitCode::Unreadable;
    }
    const DataFileContent& c = *read.content;
    MeasurementReportInput in;
    in.table = &c.table;
    const ColumnDefinition definition = a.mode <= 4 ? LoadPrintDefinition(a.mode) : ColumnDefinition{};
    in.columns = AssignPrintColumns(a.mode, a.mode == PrintMode::ShownColumns ? StartViewColumns() : ColumnMap{},
                                    definition);
    in.split = SplitPages(in.columns.count, 18, true);
    in.color = a.color;
    in.extend = Settings().flag("PrintExt");
    in.title = c.title.value_or(DefaultDataFileTexts().defaultTitle);
    in.notes = c.notes;
    in.messages[ReportMessage::At].clear();
    return Save(BuildMeasurementReport(in), CommandLineText(a.pdf));
}

const CliOption kPdfOption{{"pdf"}, "OUT.pdf", "the PDF file to write"};

} // namespace

ExitCode CliTypesReport(const CliArguments& args)
{
    const std::optional<Arguments> parsed = Parse(args, 1);
    if (!parsed)
        return ExitCode::Usage;
    const Arguments& a = *parsed;
    App().DecimalSep = DecimalSepFromLocale();
    LoadTypesForRating(a.library);
    const int index = FindType(PCTypes(), CommandLineText(a.word));
    if (index < 0) {
        std::fprintf(stderr, "vamok-cli types: no type named '%s'\n", a.word.c_str());
        return ExitCode::Failed;
    }
    TypeReportInput in;
    in.type = PCTypes()[static_cast<std::size_t>(index)];
    in.shownName = in.type.Name;
    in.color = a.color;
    in.decimalSep = App().DecimalSep;
    return Save(BuildTypeReport(in), CommandLineText(a.pdf));
}

CliCommand ReportCommand()
{
    return {"report",
            "report FILE.VAM --pdf OUT.pdf [--mode 0..4|10|11] [--color|--bw] [--library FILE]",
            "the measurement report of a data file as a PDF file",
            {kPdfOption,
             {{"mode"}, "N", "the columns: 0 the stored print view, 1..4 a user view, 10 the shown columns "
                             "(default), 11 all columns"},
             {{"color"}, "", "in colour, with rating marks"},
             {{"bw"}, "", "in black and white, with rating words (default)"},
             {{"library", "types"}, "FILE", "the type library the ratings come from"}},
            {{{"FILE.VAM"}, "", "the data file or export to print"}},
            RunReport,
            [](const QStringList&) { return true; }};
}

std::vector<CliOption> TypesReportOptions() { return {kPdfOption, {{"color"}, "", "the report in colour"}}; }

// vamok-cli report FILE.VAM --pdf OUT.pdf [--mode 0..4|10|11] [--color|--bw]
// vamok-cli types report NAME --pdf OUT.pdf [--library FILE]
// The two reports as PDF files, rendered as the program prints them.
#include "cli/CliLink.h"

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

#include <QGuiApplication>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

using namespace vamok;

constexpr int kUnreadable = 4;
constexpr const char* kReportUsage =
    "usage: vamok-cli report FILE.VAM --pdf OUT.pdf [--mode 0..4|10|11] [--color|--bw] [--library FILE]";
constexpr const char* kTypesReportUsage = "usage: vamok-cli types report NAME --pdf OUT.pdf [--library FILE]";

struct Arguments {
    std::vector<std::string> words;
    std::string pdf;
    std::string library;
    int mode = PrintMode::ShownColumns;
    bool color = false;
    bool ok = true;
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

Arguments Parse(const CliArgs& args, std::size_t from)
{
    Arguments a;
    for (std::size_t i = from; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--pdf" && hasValue) {
            a.pdf = args[++i];
        } else if ((arg == "--library" || arg == "--types") && hasValue) {
            a.library = args[++i];
        } else if (arg == "--mode" && hasValue) {
            const std::optional<int> mode = Number(args[++i]);
            a.ok = a.ok && mode && IsPrintMode(*mode);
            a.mode = mode.value_or(-1);
        } else if (arg == "--color" || arg == "--bw") {
            a.color = arg == "--color";
        } else if (arg.rfind("--", 0) == 0) {
            a.ok = false;
        } else {
            a.words.push_back(arg);
        }
    }
    a.ok = a.ok && !a.pdf.empty() && a.words.size() == 1;
    return a;
}

// Fonts need a GUI application; without a display the offscreen platform.
std::unique_ptr<QGuiApplication> GuiApplication()
{
    if (QCoreApplication::instance())
        return nullptr;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vamok-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
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

int Save(const Report& report, const std::string& path)
{
    const QByteArray pdf = ReportPdf(report);
    const std::optional<std::string> failed =
        pdf.isEmpty() ? std::optional<std::string>("the report could not be rendered") : SaveReportPdf(path, pdf);
    if (failed) {
        std::fprintf(stderr, "vamok-cli: %s: %s\n", TerminalText(path).c_str(), TerminalText(*failed).c_str());
        return 1;
    }
    return 0;
}

} // namespace

int CliReport(const CliArgs& args)
{
    const Arguments a = Parse(args, 0);
    if (!a.ok) {
        std::fprintf(stderr, "%s\n", kReportUsage);
        return 2;
    }
    const auto app = GuiApplication();
    App().DecimalSep = DecimalSepFromLocale();
    LoadTypesForRating(a.library);
    ReadResult read = ReadDataFile(CommandLineText(a.words[0]), DefaultDataFileTexts(), App().DecimalSep, PmvSettings{});
    if (!read.content) {
        std::fprintf(stderr, "%s\n", TerminalText(read.message).c_str());
        return kUnreadable;
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

int CliTypesReport(const CliArgs& args)
{
    const Arguments a = Parse(args, 1);
    if (!a.ok || a.mode != PrintMode::ShownColumns) {
        std::fprintf(stderr, "%s\n", kTypesReportUsage);
        return 2;
    }
    const auto app = GuiApplication();
    App().DecimalSep = DecimalSepFromLocale();
    LoadTypesForRating(a.library);
    const int index = FindType(PCTypes(), CommandLineText(a.words[0]));
    if (index < 0) {
        std::fprintf(stderr, "vamok-cli types: no type named '%s'\n", a.words[0].c_str());
        return 1;
    }
    TypeReportInput in;
    in.type = PCTypes()[static_cast<std::size_t>(index)];
    in.shownName = in.type.Name;
    in.color = a.color;
    in.decimalSep = App().DecimalSep;
    return Save(BuildTypeReport(in), CommandLineText(a.pdf));
}

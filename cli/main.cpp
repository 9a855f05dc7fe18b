// vamok-cli: the scriptable face of the program's logic.
#include "cli/Commands.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>& args);
    const char* usage;
};

const Command kCommands[] = {
    // Each command adds its row here.
    {"read", CliRead, "read --link altarim|quadrovan|rix|ventiq [--port PATH] [--first N] [--last M] [--json]   the instrument's stored workplaces"},
    {"convert", CliConvert, "convert IN OUT [--types FILE.APT]   data file or export IN to OUT (.VAM or .CSV)"},
    {"show", CliShow, "show FILE [--json] [--types FILE.APT]   a data file or export as the table reads it"},
    {"pmv", CliPmv, "pmv --ta C (--tr C | --tg C) --rh PCT --v M_PER_S --clo CLO --met MET [--globe15] [--json]   PMV and PPD"},
    {"live", CliLive, "live --link altarim|quadrovan|rix|ventiq [--port PATH] [--count N] [--json]   the online table after each value poll"},
    {"identify", CliIdentify, "identify --link altarim|quadrovan|rix|ventiq|demo [--port PATH] [--json]   one identification, as the status bar shows it"},
    {"types", CliTypes, "types list | show NAME | import FILE | export FILE [--library FILE]   the PC type library;\n"
                        "    types report NAME --pdf OUT.pdf [--library FILE]   the type report as PDF"},
    {"report", CliReport, "report FILE.VAM --pdf OUT.pdf [--mode 0..4|10|11] [--color|--bw] [--library FILE]   the measurement report as PDF"},
};

void PrintUsage()
{
    std::fprintf(stderr, "usage: vamok-cli COMMAND [arguments]\ncommands:\n");
    for (const auto& c : kCommands)
        std::fprintf(stderr, "  %s\n", c.usage);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        PrintUsage();
        return 2;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const auto& c : kCommands) {
        if (std::strcmp(argv[1], c.name) == 0)
            return c.run(args);
    }
    std::fprintf(stderr, "vamok-cli: unknown command '%s'\n", argv[1]);
    PrintUsage();
    return 2;
}

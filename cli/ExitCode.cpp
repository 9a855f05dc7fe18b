#include "cli/ExitCode.h"

#include <cstdio>

ExitCode ReportIncomplete(int done, int total, const std::string& items, const std::string& reason)
{
    std::fprintf(stderr, "incomplete: %d of %d %s; %s\n", done, total, items.c_str(), reason.c_str());
    return ExitCode::Incomplete;
}

#pragma once
// The exit codes of every vamok-cli command (the README's table).
#include <string>

enum class ExitCode {
    Done = 0,
    Failed = 1,       // the operation failed
    Usage = 2,        // bad command line
    NoInstrument = 3, // no instrument answered
    Unreadable = 4,   // a file that cannot be read
    Incomplete = 5,   // a series transfer stopped part-way
    CannotOpen = 6,   // the port or bridge cannot be opened (permission, busy)
};

// "incomplete: 30 of 99 workplaces read; the instrument stopped answering"
// on stderr, for a series of `total` items of which `done` went through
// (`items`: "workplaces read", ...). Returns ExitCode::Incomplete.
ExitCode ReportIncomplete(int done, int total, const std::string& items, const std::string& reason);

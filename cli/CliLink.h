#pragma once
// What the commands that talk to an instrument share: the --link/--port
// options, opening the link as the program does, and the PC type library the
// ratings and PMV texts use.
#include "cli/CliCommand.h"
#include "cli/ExitCode.h"

#include <optional>
#include <string>
#include <vector>

namespace vamok {
class TAPSend;
}

struct LinkOptions {
    std::string link; // altarim, quadrovan, rix, ventiq or demo
    std::string port; // an explicit serial device, e.g. vamok-sim's terminal
    std::string library; // the type library; empty: the program's own
};

// The options "--link L", "--port PATH" and "--library FILE".
std::vector<CliOption> LinkOptionList();

// The link options given: a known link; the demo instrument has no port.
// Nothing when they are not, after the usage error was reported.
std::optional<LinkOptions> TakeLinkOptions(const CliArguments& args);

// Sets the link flags and opens the link. A port that cannot be opened is
// reported on stderr; the exchanges then find nothing that answers.
void OpenLink(vamok::TAPSend& layer, const LinkOptions& options);

// Identifies the instrument as the poller does (waiting for the answer as
// the port search does), for its firmware version in App().DeviceVersion.
// false when nothing answered.
bool IdentifyForVersion(vamok::TAPSend& layer);

// Nothing answered: says why on stderr. A port or bridge this user may not
// open, or that another program holds, is named with its fix (exit 6);
// otherwise "no instrument answered" (exit 3).
ExitCode ReportNoAnswer(const vamok::TAPSend& layer);

// Loads the PC types (`library`, else the program's library) so that
// ratings and PMV texts are those the windows show. While the user has no
// library, that is the one shipped beside the program, which the first start
// imports (and which holds the demo instrument's types). Never changes a
// file; problems are reported on stderr.
void LoadTypesForRating(const std::string& library);

// CP1252 text as UTF-8 for the terminal.
std::string TerminalText(const std::string& cp1252);

// A path or name from the command line as the logic's CP1252 text.
std::string CommandLineText(const std::string& localPath);

#pragma once
// What the commands that talk to an instrument share: the --link/--port
// options, the Qt event loop the command layer waits in, opening the link as
// the program does, and the PC type library the ratings and PMV texts use.
#include "cli/Commands.h"

#include <QCoreApplication>
#include <memory>
#include <optional>
#include <string>

namespace vamok {
class TAPSend;
}

// Exit code when no instrument answered (identify, read, live).
inline constexpr int kExitNoInstrument = 3;

struct LinkOptions {
    std::string link; // altarim, quadrovan, rix, ventiq or demo
    std::string port; // an explicit serial device, e.g. vamok-sim's terminal
    std::string library; // the type library; empty: the program's own
};

// Takes "--link L", "--port PATH" or "--library FILE" at args[i] (advancing i
// past the value); false when args[i] is none of them.
bool TakeLinkOption(const CliArgs& args, std::size_t& i, LinkOptions& options);

// A known link; the demo instrument has no port.
bool ValidLinkOptions(const LinkOptions& options);

// The application object the command layer's waits need, made once.
void EnsureCoreApplication(std::unique_ptr<QCoreApplication>& owned);

// Sets the link flags and opens the link. A port that cannot be opened is
// reported on stderr; the exchanges then find nothing that answers.
void OpenLink(vamok::TAPSend& layer, const LinkOptions& options);

// Loads the PC types (`library`, else the program's library) so that
// ratings and PMV texts are those the windows show. Never changes the file;
// problems are reported on stderr.
void LoadTypesForRating(const std::string& library);

// CP1252 text as UTF-8 for the terminal.
std::string TerminalText(const std::string& cp1252);

// A path or name from the command line as the logic's CP1252 text.
std::string CommandLineText(const std::string& localPath);

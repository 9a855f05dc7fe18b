#pragma once
// One vamok-cli command as a single declaration: its name, synopsis, option
// list with help texts, and entry point. The parsing (both "--name value"
// and "--name=value", "--help", unknown options) is shared by all commands.
#include "cli/ExitCode.h"

#include <QStringList>

#include <optional>
#include <string>
#include <vector>

class QCommandLineParser;

struct CliOption {
    std::vector<std::string> names; // without dashes; more than one: synonyms
    std::string valueName;          // empty: a switch without a value
    std::string help;
};

class CliArguments;

struct CliCommand {
    std::string name;
    std::string synopsis;              // after "usage: vamok-cli "
    std::string summary;               // one line in the command list
    std::vector<CliOption> options;    // "--help" is added to every command
    std::vector<CliOption> operands;   // the words without dashes, for the help text
    ExitCode (*run)(const CliArguments& args) = nullptr;
    // Whether the command, given these words after its name, draws text
    // (fonts need a GUI application); nothing: it never does.
    bool (*paints)(const QStringList& args) = nullptr;
};

// What the command line gave one command. Texts are as the terminal passed
// them (local 8-bit, see CommandLineText for the logic's CP1252).
class CliArguments {
public:
    CliArguments(const CliCommand& command, const QCommandLineParser& parser);

    // Options the command does not declare read as not given.
    bool flag(const std::string& name) const;
    // The option's value; nothing when the option is not given.
    std::optional<std::string> value(const std::string& name) const;
    const std::vector<std::string>& operands() const { return operands_; }

    // The free UsageError for this command.
    ExitCode UsageError(const std::string& reason) const;

private:
    bool declares(const std::string& name) const;

    const CliCommand& command_;
    const QCommandLineParser& parser_;
    std::vector<std::string> operands_;
};

// "vamok-cli NAME: reason; usage: vamok-cli SYNOPSIS" on stderr.
ExitCode UsageError(const CliCommand& command, const std::string& reason);

// Parses `args` (the words after the command's name) by the command's
// option list and runs it. "--help" prints the command's help on stdout;
// an unknown option, a missing value or a value option given twice is a
// usage error that names the option.
ExitCode RunCommand(const CliCommand& command, const QStringList& args);

// Why parser.parse(args) failed, naming the option as the user wrote it
// ("unknown option '--jsn'", "Missing value after '--first'.").
std::string ParseProblem(const QCommandLineParser& parser, const QStringList& args);

// The command's help text: usage line, summary, operands and options.
std::string CommandHelp(const CliCommand& command);

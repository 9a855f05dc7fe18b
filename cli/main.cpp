// vamok-cli: the scriptable face of the program's logic.
#include "cli/Commands.h"

#include "app/Version.h"
#include "core/AppState.h"
#include "core/Folders.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace {

using CommandDeclaration = CliCommand (*)();

// Each command adds its row here.
const CommandDeclaration kCommands[] = {ReadCommand, ConvertCommand, ShowCommand, PmvCommand,
                                        LiveCommand, IdentifyCommand, TypesCommand, ReportCommand,
                                        NamesCommand, ProfilesCommand};

std::string CommandList()
{
    std::string list = "usage: vamok-cli COMMAND [arguments]   (vamok-cli COMMAND --help: its options)\n"
                       "       vamok-cli --help | --version\n"
                       "commands:\n";
    for (CommandDeclaration declaration : kCommands) {
        const CliCommand c = declaration();
        list += "  " + c.name + std::string(c.name.size() < 10 ? 10 - c.name.size() : 1, ' ') + c.summary + "\n";
    }
    return list;
}

ExitCode Usage(const std::string& problem)
{
    std::fprintf(stderr, "vamok-cli: %s\n%s", problem.c_str(), CommandList().c_str());
    return ExitCode::Usage;
}

std::optional<CliCommand> FindCommand(const QString& word)
{
    const std::string name = word.toLocal8Bit().toStdString();
    for (CommandDeclaration declaration : kCommands) {
        CliCommand command = declaration();
        if (command.name == name)
            return command;
    }
    return std::nullopt;
}

// The command the words name, if any (the first word that is not an
// option), and the words after it.
std::optional<CliCommand> NamedCommand(const QStringList& args, QStringList* rest)
{
    for (int i = 1; i < args.size(); ++i) {
        if (args[i].startsWith('-'))
            continue;
        *rest = args.mid(i + 1);
        return FindCommand(args[i]);
    }
    return std::nullopt;
}

// A command that draws needs fonts, so a GUI application; the CLI never
// shows a window, so it draws on the offscreen platform.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv, const QStringList& args)
{
    QStringList rest;
    const std::optional<CliCommand> command = NamedCommand(args, &rest);
    if (command && command->paints && command->paints(rest)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

ExitCode Run(const QStringList& args)
{
    // The program's own options come before the command; everything after
    // the command's name is the command's.
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOption(help);
    parser.addOption(version);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parser.parse(args))
        return Usage(ParseProblem(parser, args));
    if (parser.isSet(version)) {
        std::printf("vamok-cli %s\n", vamok::VersionText().c_str());
        return ExitCode::Done;
    }
    if (parser.isSet(help)) {
        std::fputs(CommandList().c_str(), stdout);
        return ExitCode::Done;
    }
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty()) {
        std::fputs(CommandList().c_str(), stderr);
        return ExitCode::Usage;
    }
    if (const std::optional<CliCommand> command = FindCommand(words.front()))
        return RunCommand(*command, words.mid(1));
    return Usage("unknown command '" + words.front().toLocal8Bit().toStdString() + "'");
}

} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    // The event loop the command layer waits in; it also knows the program
    // folder, where the shipped files are.
    const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv, args);
    vamok::App().ProgramPath = vamok::ShippedFilesFolder();
    return static_cast<int>(Run(args));
}

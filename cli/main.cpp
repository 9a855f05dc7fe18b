// vamok-cli: the scriptable face of the program's logic.
#include "cli/Commands.h"

#include "app/Version.h"
#include "core/AppState.h"
#include "core/Folders.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <string>

namespace {

using CommandDeclaration = CliCommand (*)();

// Each command adds its row here.
const CommandDeclaration kCommands[] = {ReadCommand, ConvertCommand, ShowCommand, PmvCommand,
                                        LiveCommand, IdentifyCommand, TypesCommand, ReportCommand,
                                        ProfilesCommand};

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
    const std::string name = words.front().toLocal8Bit().toStdString();
    for (CommandDeclaration declaration : kCommands) {
        const CliCommand command = declaration();
        if (command.name == name)
            return RunCommand(command, words.mid(1));
    }
    return Usage("unknown command '" + name + "'");
}

} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    // The event loop the command layer waits in; it also knows the program
    // folder, where the shipped files are.
    QCoreApplication app(argc, argv);
    vamok::App().ProgramPath = vamok::ProgramFolder();
    return static_cast<int>(Run(args));
}

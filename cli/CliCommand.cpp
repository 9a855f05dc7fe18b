#include "cli/CliCommand.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>

namespace {

QString Text(const std::string& local) { return QString::fromLocal8Bit(local.c_str()); }
std::string Local(const QString& text) { return text.toLocal8Bit().toStdString(); }

QCommandLineOption QtOption(const CliOption& o)
{
    QStringList names;
    for (const std::string& n : o.names)
        names << Text(n);
    return QCommandLineOption(names, Text(o.help), Text(o.valueName));
}

// An unknown option as the user wrote it: "--jsn" or "-x".
std::string Spelling(const QString& name, const QStringList& args)
{
    const QString dashed = "--" + name;
    for (const QString& a : args)
        if (a == dashed || a.startsWith(dashed + '='))
            return Local(dashed);
    return Local("-" + name);
}

// A value option given twice leaves open which one was meant.
std::optional<std::string> RepeatedOption(const CliCommand& command, const QCommandLineParser& parser)
{
    for (const CliOption& o : command.options)
        if (!o.valueName.empty() && parser.values(Text(o.names.front())).size() > 1)
            return "--" + o.names.front() + " given more than once";
    return std::nullopt;
}

std::string OptionColumn(const CliOption& o)
{
    std::string left;
    for (const std::string& n : o.names)
        left += (left.empty() ? "--" : ", --") + n;
    return o.valueName.empty() ? left : left + " " + o.valueName;
}

void AppendTable(std::string& help, const char* heading, const std::vector<std::pair<std::string, std::string>>& rows)
{
    if (rows.empty())
        return;
    std::size_t width = 0;
    for (const auto& row : rows)
        width = std::max(width, row.first.size());
    help += std::string("\n") + heading + ":\n";
    for (const auto& [left, right] : rows)
        help += "  " + left + std::string(width - left.size() + 3, ' ') + right + "\n";
}

} // namespace

std::string ParseProblem(const QCommandLineParser& parser, const QStringList& args)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty())
        return Local(parser.errorText());
    std::string names;
    for (const QString& name : unknown)
        names += (names.empty() ? "'" : ", '") + Spelling(name, args) + "'";
    return (unknown.size() == 1 ? "unknown option " : "unknown options ") + names;
}

CliArguments::CliArguments(const CliCommand& command, const QCommandLineParser& parser)
    : command_(command), parser_(parser)
{
    for (const QString& word : parser.positionalArguments())
        operands_.push_back(Local(word));
}

bool CliArguments::declares(const std::string& name) const
{
    for (const CliOption& option : command_.options)
        if (std::find(option.names.begin(), option.names.end(), name) != option.names.end())
            return true;
    return false;
}

bool CliArguments::flag(const std::string& name) const
{
    return declares(name) && parser_.isSet(Text(name));
}

std::optional<std::string> CliArguments::value(const std::string& name) const
{
    if (!declares(name) || !parser_.isSet(Text(name)))
        return std::nullopt;
    return Local(parser_.value(Text(name)));
}

ExitCode CliArguments::UsageError(const std::string& reason) const
{
    return ::UsageError(command_, reason);
}

ExitCode UsageError(const CliCommand& command, const std::string& reason)
{
    // One line, so that a script's log keeps reason and usage together.
    std::fprintf(stderr, "vamok-cli %s: %s; usage: vamok-cli %s\n", command.name.c_str(), reason.c_str(),
                 command.synopsis.c_str());
    return ExitCode::Usage;
}

ExitCode RunCommand(const CliCommand& command, const QStringList& args)
{
    QCommandLineParser parser;
    for (const CliOption& o : command.options)
        parser.addOption(QtOption(o));
    const QCommandLineOption help(QStringList{"h", "help"});
    parser.addOption(help);
    // parse() skips the first word, the program's name.
    if (!parser.parse(QStringList{Text(command.name)} + args))
        return UsageError(command, ParseProblem(parser, args));
    if (parser.isSet(help)) {
        std::fputs(CommandHelp(command).c_str(), stdout);
        return ExitCode::Done;
    }
    if (const std::optional<std::string> repeated = RepeatedOption(command, parser))
        return UsageError(command, *repeated);
    return command.run(CliArguments(command, parser));
}

std::string CommandHelp(const CliCommand& command)
{
    std::string help = "usage: vamok-cli " + command.synopsis + "\n" + command.summary + "\n";
    std::vector<std::pair<std::string, std::string>> operands, options;
    for (const CliOption& o : command.operands)
        operands.emplace_back(o.names.front(), o.help);
    for (const CliOption& o : command.options)
        options.emplace_back(OptionColumn(o), o.help);
    options.emplace_back("-h, --help", "this help");
    AppendTable(help, "arguments", operands);
    AppendTable(help, "options", options);
    return help;
}
